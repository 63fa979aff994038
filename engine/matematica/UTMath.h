// Class operations of the engine: equality of reals, plane geometry, interpolation laws and the
// world-to-screen mapping.
#pragma once

#include <array>
#include <cmath>

#include "matematica/Tolerancia.h"
#include "matematica/Vetor.h"
#include "uPlataforma.h"

// A point of the plane in world coordinates.
struct TPontoReal {
    double X = 0.0, Y = 0.0;
};

// World-to-screen mapping of a window onto a picture: Escala and Desloc take world x, y to
// pixels (entry 1 for x, 2 for y); EscalaInversa and DeslocInverso take pixels back to world;
// Dx, Dy centre the drawing in the picture.
struct TEscalaTela {
    TVetor Escala{2}, Desloc{2};
    TVetor EscalaInversa{2}, DeslocInverso{2};
    int Dx = 0, Dy = 0;
};

class TUT_Math {
public:
    TUT_Math() = delete;

    // Equality relative to the second argument (absolute when the first is 0).
    static bool IgualComTolerancia(double a, double b) { return ::IgualComTolerancia(a, b); }

    // x lies between a and b, ends included.
    static bool Entre(double x, double a, double b);
    // p3 lies on the left of, or on, the directed line p1 -> p2.
    static bool Orientacao(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3);
    // p inside or on the border of the convex polygon vertices[0..ultimo] listed
    // counter-clockwise; a clockwise polygon contains no point.
    static bool PontoNoPoligono(const TPontoReal &p, const TPontoReal *vertices, int ultimo);
    static bool SegmentosCruzam(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3,
                                const TPontoReal &p4);
    // Corners (x1, y2), (x2, y2), (x2, y1), (x1, y1).
    static std::array<TPontoReal, 4> Retangulo(double x1, double y1, double x2, double y2);
    static double Distancia(double x1, double y1, double x2, double y2);
    // Signed area, positive for a counter-clockwise triangle.
    static double AreaTriangulo(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3);
    // a + (b - a) ln(i) / ln(n + 1): a at i = 1, b at i = n + 1.
    static double InterpolaLog(int i, int n, double a, double b);
    // (b - a) i / n: the offset from a.
    static double InterpolaLinear(int i, int n, double a, double b);

    // Pixel to world.
    static TPontoReal TransformaPonto(const TPonto &p, const TVetor &escala, const TVetor &desloc);
    // World to pixel, rounded to the nearest integer (halves to even).
    static TPonto TransformaPontoTela(const TPontoReal &p, const TVetor &escala,
                                      const TVetor &desloc);
    // World to pixel plus the centring offsets.
    static TPonto ParaTela(const TPontoReal &p, const TVetor &escala, const TVetor &desloc, int dx,
                           int dy);
    // Maps the window minimo..maximo onto a picture of largura x altura pixels with 20-pixel
    // margins. A window of zero width or height raises EZeroDivide or EInvalidOp.
    static TEscalaTela CalculaEscala(const TPontoReal &minimo, const TPontoReal &maximo,
                                     int largura, int altura);
};
