#include "FonteResultadosMalha.h"

#include <memory>

#include "ConversaoUnidades.h"
#include "FonteResultados.h"
#include "uDARV_2D.h"
#include "uLibFEM.h"
#include "uLibUnidades.h"
#include "uUnidades.h"

namespace {

class TFonteMalha : public IFonteResultados {
public:
    explicit TFonteMalha(TfrmMalha &m) : m_(m) {}
    TAnalise *AnaliseTermica() override { return m_.Modelo().FAnalise.get(); }
    TAnaliseTensional *AnaliseTensional() override { return m_.Modelo().FAnaliseTensional.get(); }
    int NoCapturado() override { return m_.Modelo().FNoCapturado; }
    int ElementoCapturado() override { return m_.Modelo().FElementoCapturado; }
    TPontoReal NoCursor() override { return {m_.Modelo().FNoCursor.X, m_.Modelo().FNoCursor.Y}; }
    // The line tool's world ends; none while both ends are the same point.
    bool Reta(TPontoReal &inicio, TPontoReal &fim) override {
        const TModelo &d = m_.Modelo();
        if (d.FInicioReta.X == d.FFimReta.X && d.FInicioReta.Y == d.FFimReta.Y)
            return false;
        inicio = d.FInicioReta;
        fim = d.FFimReta;
        return true;
    }
    TUnidadesResultados Unidades() override {
        TUnidadesResultados u;
        const TFatoresUnidades f = m_.Modelo().Fatores();
        if (frmUnidades) {
            const TUnidades &e = frmUnidades->GetUnidades();
            u.Temperatura = e.GetTemperatura().GetSimbolo();
            u.Tempo = e.GetTempo().GetSimbolo();
            u.Comprimento = e.GetComprimento().GetSimbolo();
            u.Tensao = e.GetTensao().GetSimbolo();
        }
        u.TemperaturaDoMotor = [f](double c) { return TemperaturaDeCelsius(f, c); };
        u.TempoDoMotor = [f](double h) { return TempoDeHoras(f, h); };
        u.TempoParaMotor = [f](double t) { return TempoParaHoras(f, t); };
        u.ComprimentoDoMotor = [f](double m) { return ComprimentoDeMetros(f, m); };
        u.TensaoDoMotor = [f](double s) { return TensaoDeMPa(f, s); };
        return u;
    }

private:
    TfrmMalha &m_;
};

std::unique_ptr<TFonteMalha> fonte_;

} // namespace

void LigaFonteResultados(TfrmMalha *malha) {
    DefineFonteResultados(nullptr);
    fonte_.reset();
    if (malha) {
        fonte_ = std::make_unique<TFonteMalha>(*malha);
        DefineFonteResultados(fonte_.get());
    }
}
