// Isocolour drawing on an engine canvas: a scalar field given at the corners of linear
// triangles painted as a colour map, the colour scale with its labels, contour segments with
// labels, and the readout of a pixel back into world coordinates and a value. No Qt here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "uMatematica.h"
#include "uPlataforma.h"

// A world point with the field's value there.
struct TPontoValor {
    double X = 0.0, Y = 0.0, Z = 0.0;
};

// Ramp colour of v between zmin (blue) and zmax (red): four bands of 256 steps, blue-cyan,
// cyan-green, green-yellow, yellow-red. A uniform field (zmax = zmin) gives the bottom colour.
TColor CorDaRampa(double v, double zmin, double zmax);
// The value whose ramp colour is `cor`; false for a colour no band gives.
bool ValorDaCor(TColor cor, double zmin, double zmax, double &v);

// One label of the colour scale, placed in the scale picture's parent.
struct TRotuloEscala {
    std::string Texto;
    int Esquerda = 0, Topo = 0;
};

// Direct access to the map picture's pixels (0xAARRGGBB words, `Passo` words per row).
struct TBufferPixels {
    std::uint32_t *Pixels = nullptr;
    int Largura = 0, Altura = 0, Passo = 0;
};

inline std::uint32_t ArgbDaCor(TColor c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline TColor CorDoArgb(std::uint32_t p) {
    return RGBCor(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
}

class TIsoCores {
public:
    // Progress: the number of rows of sub-triangles painted since the last call.
    using TEventoProgresso = std::function<void(int)>;

    // The picture is not owned.
    explicit TIsoCores(TCanvas *imagem);
    TIsoCores(const TIsoCores &) = delete;
    TIsoCores &operator=(const TIsoCores &) = delete;
    ~TIsoCores();

    void SetDivisoes(int n) { NumDivisoes = n; }
    void SetCores(bool b) { Cores = b; }
    void SetMinimo(const TPontoValor &p);
    void SetMaximo(const TPontoValor &p);
    void SetOnProgresso(TEventoProgresso e) { OnProgresso = std::move(e); }
    void SetNumRotulos(int n) { NumRotulos = n; }
    void SetContorno(bool b) { Contorno = b; }
    void SetFonte(const std::string &nome, int tamanho);
    // The picture's pixels for the fast fill: each pixel takes the colour of the sub-triangle
    // holding its centre. Without them every sub-triangle is filled as one polygon.
    void SetPixels(const TBufferPixels &b) { Pixels = b; }
    // Most bands of rows `DesenhaElementos` fills at once; 0 (the start) takes the processors
    // this process may use, up to 4.
    void SetFaixas(int maximo) { faixasMaximas_ = maximo; }

    int GetDivisoes() const { return NumDivisoes; }
    bool GetCores() const { return Cores; }
    bool GetContorno() const { return Contorno; }
    int GetNumRotulos() const { return NumRotulos; }
    const TPontoValor &GetMinimo() const { return Minimo; }
    const TPontoValor &GetMaximo() const { return Maximo; }
    const TFonte &GetFonte() const { return Fonte; }
    const std::vector<TRotuloEscala> &GetRotulos() const { return Rotulos; }

    // Paints the triangle p1, p2, p3 (and its outline when Contorno is on).
    void DesenhaElemento(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3);
    // The same for `elementos` triangles given by consecutive corner triples.
    void DesenhaElementos(const TPontoValor *cantos, std::size_t elementos);
    // Fires the progress rows still held back.
    void TerminaProgresso();
    // Paints the colour bar on `escala` and makes NumRotulos labels for a picture placed at
    // (esquerda, topo) in its parent.
    void DesenhaEscala(TCanvas &escala, int esquerda, int topo);
    // Brush and pen colour of the picture for the value; the pen becomes clear.
    void DefineCor(double v);
    // World point of the pixel; `temValor` tells whether its colour is a ramp colour, and then
    // z holds the value.
    void PontoDoPixel(int px, int py, double &x, double &y, double &z, bool &temValor);
    // A contour segment between two world points, with the text at its middle when not empty.
    void DesenhaSegmento(const std::string &texto, const TPontoReal &p, const TPontoReal &q);
    // Text whose left edge stands 15 pixels left of the world point.
    void DesenhaTexto(const std::string &texto, const TPontoReal &p);
    // Pixel of a world point under the current mapping.
    TPonto ParaPixel(double x, double y);

private:
    void CalculaMapeamento();
    void Desenha(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3);
    void PreparaDivisoes(int n);
    // Rows linha0 to linha1 - 1 of the fast fill; reads the object only.
    void PreencheRapido(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3, int n,
                        int linha0, int linha1) const;
    void PreenchePoligonos(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3,
                           int n);
    void Progresso(int linhas);
    void EscreveTexto(int x, int y, const std::string &texto);

    TCanvas *Imagem;
    int NumDivisoes = 20;
    double Z3 = 0.0, Z1 = 0.0, Z2 = 0.0;
    TEventoProgresso OnProgresso;
    int NumRotulos = 10;
    bool Contorno = true;
    TPontoValor Minimo, Maximo;
    TFonte Fonte;
    bool Cores = true;
    std::vector<TRotuloEscala> Rotulos;
    TBufferPixels Pixels;
    TEscalaTela Mapa; // world-to-pixel mapping of the picture
    double escalaX_ = 0, escalaY_ = 0, deslocX_ = 0, deslocY_ = 0; // the same, unpacked
    double inversoFaixa_ = 0;                                      // 1 / (Zmax - Zmin), or 0
    int nInverso_ = 0;
    double inversoN_ = 0;
    bool mapaValido_ = false;
    int larguraMapa_ = -1, alturaMapa_ = -1;
    int linhasPendentes_ = 0;
    int faixasMaximas_ = 0;
    std::vector<TPonto> poligono_;
};
