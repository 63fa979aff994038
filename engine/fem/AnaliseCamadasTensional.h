// Stress analysis of a structure built in layers: follows the construction stages of the
// layered model, re-meshing at every stage and carrying stresses and strains over element by
// element; each element's age is the placement time of its layer, and each zone has its own
// creep and shrinkage law.
#pragma once

#include <memory>

#include "fem/AnaliseTensional.h"

class TCamadas;

class TAnaliseCamadasTensional : public TAnaliseTensional {
public:
    // Keeps the layered model (not owned); one initial-displacement entry per stage.
    explicit TAnaliseCamadasTensional(TCamadas *camadas);

    // Initial displacements of layer i (1 .. number of stages; std::out_of_range otherwise).
    double GetDeformacaoInicialX(int i) const;
    double GetDeformacaoInicialY(int i) const;
    bool GetTemDeformacaoInicial(int i) const;
    void SetDeformacaoInicialX(int i, double d);
    void SetDeformacaoInicialY(int i, double d);
    void SetTemDeformacaoInicial(int i, bool b);

    int GetEtapaAtual() const { return EtapaAtual; }
    // Start time of the stage of the layer that holds element i's centroid height.
    double InstanteColocacaoElemento(int i) const;
    // First stage whose interval holds t (the last stage ends at the final time); 1 if none.
    int EtapaDoTempo(double t);
    // Makes stage k current, reading its mesh from its stage file, when it is not already.
    void CarregaMalhaEtapa(int k);
    // Stress (tensao) or strain history at (x, y) over the steps done: componente 0, 1, 2 for
    // the x, y, xy entry of the element holding the point, 3, 4, 5 for Sigma1, Sigma2 and
    // TauMax of those entries. Steps whose stage mesh does not hold the point are left out.
    void HistoricoNoPonto(double x, double y, bool tensao, int componente, TVetor &tempos,
                          TVetor &valores);

    // "ElementosEtapaDeform" + k + ".res" in the default folder.
    static std::string ArquivoElementosEtapaDeform(int k);

protected:
    void Roda() override;
    bool InicioDoPasso() override;
    void AvancaEtapas() override;
    bool CargaNoPasso(const TForcaTensional &forca, int e, bool primeiroPasso) const override;
    const TMalha *MalhaDoPassoAnterior() override;
    void PosPasso(int i) override;
    void DeslocamentosIniciais() override;
    void Prepara() override;
    void MaterialDoElemento(int e) override;
    bool PontoNoSubDominio(int k, double x, double y) const override;
    int SubDominioDoPonto(double x, double y) const override;
    TFluencia *FluenciaDoElemento(int e) override;
    void LeisDeformacao(int e, TFluencia *f, double &phi, double &retracao) override;
    // Each layer's creep and shrinkage laws act whatever the creep chooser holds.
    bool TemLeisDeformacao() const override;

    // Zone of element e; sets the element's age and the time origin of its zone's laws.
    int ZonaComLeis(int e);
    void LeisDoElemento(int e) override { ZonaComLeis(e); }
    void VerificaMemoriaElemento() override { VerificaMemoria(); }

private:
    void MudaEtapa();
    bool UsaMaturidade() const override;
    double InicioCamada(double y) const;
    void VerificaCamada(int i) const;

    TCamadas *Camadas; // not owned
    TVetor DeformacaoInicialX, DeformacaoInicialY;
    TVetorBooleano TemDeformacaoInicial;
    std::unique_ptr<TMalha> MalhaAnterior; // previous stage's mesh, read back at a stage start
    bool MudouEtapa = false;
    int EtapaAnterior = 1; // stage in force at the start of the current step
};
