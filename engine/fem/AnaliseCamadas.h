// Thermal analysis of a structure built in layers: the time loop of TAnalise over the
// construction stages, each with its own mesh read from its stage file; at every stage change
// the element temperatures are written to the stage's element file and carried onto the next
// stage's mesh.
#pragma once

#include <string>
#include <vector>

#include "fem/Analise.h"
#include "fem/Camadas.h"
#include "fem/ElementosEtapa.h"

class TAnaliseCamadas : public TAnalise {
public:
    // Durations (seconds) of the steps of one stage change, kept for benchmarks.
    struct TTempoMudanca {
        int Etapa = 0, Nos = 0; // the new stage and its node count
        // Release of the stage meshes still in memory, the old stage's element file, reading
        // the new stage's mesh file, carrying the temperatures over, the new system.
        double Liberacao = 0, ArquivoElementos = 0, MalhaEtapa = 0, Transporte = 0, Realocacao = 0;
    };

    // The layered model is not owned. One placement temperature per stage, all 0.
    explicit TAnaliseCamadas(TCamadas *camadas);
    ~TAnaliseCamadas() override;

    double GetTemperaturaCamada(int i) const { return TemperaturasCamadas.Get(i); }
    void SetTemperaturaCamada(int i, double t) { TemperaturasCamadas.Set(i, t); }
    // Sets zone i's initial temperature when the zone is fixed; returns the zone.
    TDominio *SetTemperaturaInicialSubDominio(int i, double t);
    // First stage whose time interval holds t (the last one ending at the final time); 1 when
    // none does.
    int EtapaDoTempo(double t);
    // Makes stage k current, reading its mesh from its stage file when needed.
    void CarregaMalhaEtapa(int k);
    // Time and interpolated temperature at (x, y) of every step done whose stage mesh holds
    // the point.
    void HistoricoNoPonto(TVetor &tempos, TVetor &valores, double x, double y);
    // Start time of the stage of the layer that holds height y.
    double InstanteColocacaoNoPonto(double x, double y) const;

    int GetEtapaAtual() const { return EtapaAtual; }
    TCamadas *GetCamadas() const { return Camadas; }
    const std::vector<TTempoMudanca> &GetTemposMudancas() const { return temposMudancas_; }

    void MontaSistema() override;
    bool LeisPorElemento() const override { return true; }
    void PosPasso(int i) override;
    void TemperaturasIniciais() override;
    void Prepara() override;
    TMaterial *MaterialDoElemento(int e) override;
    TForcaInterna *FonteDoElemento(int e) override;
    std::string LocalDasCargas() const override {
        return " da etapa " + std::to_string(EtapaAtual);
    }
    bool PontoNoSubDominio(int k, double x, double y) override;
    int SubDominioDoPonto(double x, double y) override;

protected:
    void Roda() override;

    TCamadas *Camadas;
    int EtapaAtual = 1;
    TVetor TemperaturasCamadas;

private:
    // The analysis' domain becomes stage k (not owned); node count and look-ups follow it.
    void UsaEtapa(int k);
    // Empties the mesh and elements of every stage but stage exceto (0: of every stage).
    void EsvaziaEtapas(int exceto);
    void MudaEtapa();
    // Writes stage k's element file; with guardaValores its values as they read back are kept
    // for the carry-over.
    void GravaElementosEtapa(int k, bool guardaValores = false);
    // Carries the temperatures of stage k's element file onto the current mesh.
    void TransportaTemperaturas(int k);
    void CalculaZonas();
    TDominio *ZonaDoElemento(int e) const;

    std::unique_ptr<TDominio> dominioPadrao_; // material and source of elements in no zone
    std::vector<int> zonaDoElemento_;         // 0 = none
    std::vector<int> camadaDoElemento_;       // layer that holds the centroid
    std::string buffer_;
    TElementosEtapa emMemoria_; // stage etapaEmMemoria_'s element file as it reads back
    int etapaEmMemoria_ = 0;    // 0 = none
    TVetor leitura_;
    std::vector<TTempoMudanca> temposMudancas_;
    std::vector<int> etapaDoPasso_; // stage of every step of the last run
};
