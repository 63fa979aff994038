#include "fem/ForcaExterna.h"

#include <cmath>
#include <numbers>

#include "fem/ForcaInterna.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

TForcaExterna::TForcaExterna() : Formula(std::make_unique<TRPN>("X")) {}

TForcaExterna::~TForcaExterna() = default;

namespace {

// Everything but the radiation values and the edges.
void CopiaCarga(const TForcaExterna &o, TForcaExterna &c) {
    c.SetTipo(o.GetTipo());
    c.SetCoefConveccao(o.GetCoefConveccao());
    c.SetUsaJanela(o.GetUsaJanela());
    c.SetCoefConveccaoJanela(o.GetCoefConveccaoJanela());
    c.SetInicioJanela(o.GetInicioJanela());
    c.SetFimJanela(o.GetFimJanela());
    switch (o.GetTipo()) {
    case TForcaExterna::kConstante:
        c.SetTemperaturaAmbiente(o.GetTemperaturaAmbiente());
        break;
    case TForcaExterna::kSenoidal:
        c.SetTemperaturaMaxima(o.GetTemperaturaMaxima());
        c.SetTemperaturaMinima(o.GetTemperaturaMinima());
        c.SetHoraTMax(o.GetHoraTMax());
        c.SetHoraTMin(o.GetHoraTMin());
        break;
    case TForcaExterna::kFormula:
        c.SetFormula(std::make_unique<TRPN>(o.GetFormula().GetExpressao()));
        break;
    default:
        break;
    }
}

} // namespace

std::unique_ptr<TForcaExterna> TForcaExterna::CreateCopia(const TForcaExterna &origem) {
    auto c = std::make_unique<TForcaExterna>();
    CopiaCarga(origem, *c);
    c->EmissividadeFonte = origem.EmissividadeFonte;
    c->EmissividadeSuperficie = origem.EmissividadeSuperficie;
    c->FatorForma = origem.FatorForma;
    c->Arestas = origem.Arestas;
    return c;
}

std::unique_ptr<TForcaExterna> TForcaExterna::CreateCopiaArestas(const TForcaExterna &origem,
                                                                 const TVetorInteiro &arestas) {
    auto c = std::make_unique<TForcaExterna>();
    CopiaCarga(origem, *c);
    c->Arestas = arestas;
    return c;
}

void TForcaExterna::SetFormula(std::unique_ptr<TRPN> formula) {
    if (formula)
        Formula = std::move(formula);
}

void TForcaExterna::ConverteUnidades(double fTemperatura, double fCoeficiente) {
    TemperaturaAmbiente = TemperaturaAmbiente * fTemperatura;
    CoefConveccao = CoefConveccao * fCoeficiente;
    CoefConveccaoJanela = CoefConveccaoJanela * fCoeficiente;
}

double TForcaExterna::TemperaturaAmbienteEm(double t) {
    switch (Tipo) {
    case kSenoidal: {
        // Period 2 (24 - d): the maximum falls at HoraTMax, the minimum half a period earlier.
        const double a = (TMax - TMin) / 2.0;
        const double m = (TMax + TMin) / 2.0;
        const double c = (HoraTMax + HoraTMin) / 2.0;
        const double d = HoraTMax - HoraTMin;
        return a * std::sin(Divide(2.0 * std::numbers::pi * (t + 12.0 - c - d), 2.0 * (24.0 - d))) +
               m;
    }
    case kFormula:
        Formula->SetX(t);
        try {
            return Formula->Calcula();
        } catch (const Exception &e) {
            throw EFormulaCarga(e.what());
        }
    default:
        return TemperaturaAmbiente;
    }
}

double TForcaExterna::CoeficienteEm(double t) const {
    return UsaJanela && InicioJanela <= t && t <= FimJanela ? CoefConveccaoJanela : CoefConveccao;
}

void TForcaExterna::MatrizAresta(const TLado &lado, TMatriz &M, double t) const {
    int p1 = 0, p2 = 0;
    lado.Elemento->PosicoesDaAresta(lado, p1, p2);
    M.Zera();
    if (p1 == 0 || p2 == 0)
        return; // not a side of its element
    const double hl = CoeficienteEm(t) * lado.Comprimento();
    M.Set(p1, p1, hl / 3.0);
    M.Set(p2, p2, hl / 3.0);
    M.Set(p1, p2, hl / 6.0);
    M.Set(p2, p1, hl / 6.0);
}

void TForcaExterna::CargaAresta(const TLado &lado, TVetor &F, double t) {
    int p1 = 0, p2 = 0;
    lado.Elemento->PosicoesDaAresta(lado, p1, p2);
    F.Zera();
    if (p1 == 0 || p2 == 0)
        return;
    const double f = CoeficienteEm(t) * lado.Comprimento() * TemperaturaAmbienteEm(t) / 2.0;
    F.Set(p1, f);
    F.Set(p2, f);
}
