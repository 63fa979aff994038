// The isocolour window's drawing, without Qt: reads the field at a time through the thermal
// analysis, paints the map and the scale through TIsoCores and draws the labelled contours.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FonteResultados.h"
#include "uIsoCores.h"

class TAnalise;
class TMalha;

struct TOpcoesIsocores {
    int Divisoes = 7;
    bool Grade = false; // element outlines
    bool Cores = true;  // colour map
    int Rotulos = 7;    // scale labels
    std::string Fonte = "Arial";
    int TamanhoFonte = 10;
    bool CurvasNivel = true;
    double ValorNivel = 20.0; // first level (user's unit)
    double Incremento = 2.0;
    bool RotulosCurva = true;
    int Espacamento = 8;
    TColor Fundo = clBlack;
};

// One contour segment of level `Nivel` (1-based) in world coordinates.
struct TSegmentoNivel {
    int Nivel = 0;
    TPontoReal P, Q;
};

// Number of levels from l0 by delta up to the largest value (nearest integer; none for
// delta <= 0).
int NumeroDeNiveis(double maior, double l0, double delta);
// Positions (1-based, in x order) of the points labelled with the spacing: multiples of s, and
// the last one when there are exactly s - 4 points.
std::vector<int> PontosRotulados(int quantidade, int espacamento);
// Segments of every level for the nodal values (one pass over the elements; each level's
// segments in element order).
std::vector<TSegmentoNivel> SegmentosDosNiveis(TAnalise &analise, double t, const TVetor &valores,
                                               double l0, double delta, int niveis);

class TMapaIsocores {
public:
    using TEventoProgresso = std::function<void(int)>;

    // The field of the analysis at time t (hours): the stage mesh of that time in a layered
    // run, its values in the user's units, and a new drawing object on `mapa`.
    void Prepara(TAnalise &analise, double t, TCanvas &mapa, const TOpcoesIsocores &op,
                 const TUnidadesResultados &u);
    // Rows of sub-triangles a drawing paints (the progress bar's maximum).
    int TotalProgresso() const;
    // Clears both pictures, paints every element and the scale, then the contours when asked.
    void Desenha(TCanvas &mapa, const TBufferPixels &pixels, TCanvas &escala, int escalaEsquerda,
                 int escalaTopo, TEventoProgresso progresso);
    // Contours of the shown time; nothing for an increment of 0 or less.
    void DesenhaCurvasDeNivel();

    TIsoCores *Desenho() const { return desenho_.get(); }
    TMalha *Malha() const { return malha_; }
    const TVetor &Valores() const { return valores_; }
    double Tempo() const { return tempo_; }
    // Labelled points of the last level drawn (x, y), in x order.
    const std::vector<TPontoReal> &PontosRotulo() const { return pontosRotulo_; }

private:
    std::unique_ptr<TIsoCores> desenho_;
    TAnalise *analise_ = nullptr;
    TMalha *malha_ = nullptr;
    double tempo_ = 0.0;
    TVetor valores_;
    TOpcoesIsocores op_;
    TUnidadesResultados u_;
    double zmin_ = 0.0, zmax_ = 0.0;
    std::vector<TPontoReal> pontosRotulo_;
    std::vector<TPontoValor> cantos_; // three per element, kept between drawings
};
