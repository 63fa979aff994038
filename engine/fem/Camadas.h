// Layered model of a structure built in layers: the subdomains cut at every layer elevation
// (zones) and the outline of the material in place at every construction stage (stages), each
// stage meshed anew and kept in its stage file.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "fem/Dominio.h"
#include "malhas/Malha.h"
#include "matematica/Vetor.h"

class TForcaExterna;
class TForcaTensional;
class TTempo;

class TCamadas : public TDominio {
public:
    using TEventoProgresso = std::function<void(TCamadas *)>;
    using TEventoInteiro = std::function<void(int)>;

    // A copy of the domain of malha (with its Nx and Ny) and of the elevations, one stage per
    // elevation; zones and stages stay empty until DefineCamadas.
    TCamadas(const TMalha &malha, const TVetor &elevacoes);

    // Builds the zones from the subdomains (not owned) and the stage outlines.
    void DefineCamadas(const std::vector<TDominio *> &subdominios);

    int GetNumZonas() const { return int(Zonas.size()); }
    int GetNumEtapas() const { return NumEtapas; }
    TDominio *GetSubDominio(int i) const { return Zonas[std::size_t(i - 1)].get(); }
    TDominio *GetEtapa(int i) const { return Etapas[std::size_t(i - 1)].get(); }
    const TVetor &GetElevacoes() const { return Elevacoes; }
    // Store the divisions and set them on every existing stage mesh.
    void SetNx(int n);
    void SetNy(int n);
    void SetOnProgresso(TEventoProgresso e) { OnProgresso = std::move(e); }
    void SetOnInicio(TEventoInteiro e) { OnInicio = std::move(e); }

    // PastaPadrao() / ("MalhaEtapa" + k + ".res").
    static std::filesystem::path ArquivoMalhaEtapa(int k);
    // Meshes stage k anew with the settings given, writes its stage file and rebuilds the
    // stage's elements.
    void SalvaMalhaEtapa(int k, const TConfiguracaoMalha &c);
    // Empties every stage mesh, then reads stage k's from its file (nodes and elements).
    void CarregaMalhaEtapa(int k);
    // Reads stage k's mesh from its file, leaving the other stages as they are.
    void LeMalhaEtapa(int k);

    // Layer that holds height y: 1 up to elevation 1, k + 1 between elevations k and k + 1
    // (the first such interval), 1 above the last elevation.
    int CamadaDaElevacao(double y) const;
    // First stage whose time interval holds t, the last stage ending at the axis' final time
    // (which this sets on it); 1 when none does.
    int EtapaDoTempo(double t, const TTempo &tempo) const;

    // A copy of the load on every stage, acting on the stage edges inside the rectangle of the
    // two points (porJanela) or crossed by the segment between them.
    void AdicionaForcaExternaEtapas(const TForcaExterna &forca, bool porJanela, double x1,
                                    double y1, double x2, double y2);
    void AdicionaForcaTensionalEtapas(const TForcaTensional &forca, bool porJanela, double x1,
                                      double y1, double x2, double y2);

    int Ny, Nx;
    int NumZonas = 0, NumEtapas;
    TEventoProgresso OnProgresso;
    TEventoInteiro OnInicio;
    std::vector<std::unique_ptr<TDominio>> Etapas;
    std::vector<std::unique_ptr<TDominio>> Zonas;
    TVetor Elevacoes;

private:
    void Progresso() {
        if (OnProgresso)
            OnProgresso(this);
    }
    void CriaZona(const TDominio &sub);
    void CriaEtapa(int k);
    void ContornoEtapa(int k);
    void LeMalhaArquivo(int k);
    TVetorInteiro ArestasSelecionadas(const TMalha &m, bool porJanela, double x1, double y1,
                                      double x2, double y2) const;
};
