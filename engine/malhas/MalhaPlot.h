// Drawing of a mesh on a picture's canvas: elements, nodes, edges, the element sides on each
// edge, a hatched polygon and a pair of axes; world-to-pixel conversion for the mouse tools.
#pragma once

#include <span>
#include <vector>

#include "malhas/Layer.h"
#include "malhas/Malha.h"
#include "matematica/Vetor.h"
#include "uPlataforma.h"

class TMalhaPlot {
public:
    // Neither the canvas nor the mesh is owned.
    TMalhaPlot(TCanvas *imagem, TMalha *malha);
    virtual ~TMalhaPlot() = default;
    TMalhaPlot(const TMalhaPlot &) = delete;
    TMalhaPlot &operator=(const TMalhaPlot &) = delete;

    // The transform for the current mesh and canvas, then the axes.
    void Desenha();
    void DesenhaElementos();
    void DesenhaElemento(int i);
    void DesenhaNos();
    void DesenhaNo(const TNo &no, bool destacado);
    void DesenhaAresta(int i, bool destacada);
    // Every listed edge, highlighted.
    void DesenhaArestas(const TVetorInteiro &lista);
    void DesenhaTodasArestas();
    void DesenhaContornos();
    void DesenhaEixos();
    // The points as a polygon with a green backward-diagonal hatch.
    void DesenhaPoligono(std::span<const TNo> pontos);

    void CalculaTransformacao();
    TPonto MundoParaTela(double x, double y) const;
    TPontoReal TelaParaMundo(int px, int py) const;

    void SetMostraNos(bool b) { MostraNos = b; }
    void SetMostraElementos(bool b) { MostraElementos = b; }
    void SetMostraNumNos(bool b) { MostraNumNos = b; }
    void SetMostraNumElementos(bool b) { MostraNumElementos = b; }
    void SetMostraArestas(bool b) { MostraArestas = b; }
    void SetMostraContornos(bool b) { MostraContornos = b; }
    void SetLayerArestas(const TLayer &l) { LayerArestas = l; }
    void SetLayerNos(const TLayer &l) { LayerNos = l; }
    void SetLayerElementos(const TLayer &l) { LayerElementos = l; }
    void SetImagem(TCanvas *imagem) { Imagem = imagem; }
    void SetMalha(TMalha *malha) { Malha = malha; }
    TCanvas *GetImagem() const { return Imagem; }
    TMalha *GetMalha() const { return Malha; }

    TCanvas *Imagem;
    bool MostraNos = true, MostraElementos = true, MostraNumNos = false, MostraNumElementos = false;
    TPonto Origem;
    int Margem = 15;
    TPontoReal EscalaTela, DeslocamentoTela, EscalaMundo, DeslocamentoMundo;
    int RaioNo = 2;
    bool MostraArestas = false, MostraContornos = false;
    TLayer LayerArestas, LayerNos, LayerElementos;

protected:
    // Canvas font, pen, display flags, layers and the transform.
    void Inicializa();

    TMalha *Malha;

private:
    std::vector<TPonto> pontos_; // pixel polygon, reused from call to call
};
