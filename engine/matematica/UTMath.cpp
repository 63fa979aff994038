#include "matematica/UTMath.h"

namespace {

// Natural logarithm that raises the platform's errors instead of returning -inf or NaN.
double Ln(double x) {
    if (x == 0.0)
        ErroDivisaoPorZero();
    if (!(x > 0.0))
        ErroOperacaoInvalida();
    return std::log(x);
}

double Cruzado(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3) {
    return (p2.X - p1.X) * (p3.Y - p1.Y) - (p2.Y - p1.Y) * (p3.X - p1.X);
}

} // namespace

bool TUT_Math::Entre(double x, double a, double b) {
    double largura = std::fabs(a - b);
    if (std::fabs(x - b) <= largura && std::fabs(x - a) <= largura)
        return true;
    return IgualComTolerancia(x, a) && IgualComTolerancia(x, b);
}

bool TUT_Math::Orientacao(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3) {
    return Cruzado(p1, p2, p3) >= 0.0;
}

bool TUT_Math::PontoNoPoligono(const TPontoReal &p, const TPontoReal *vertices, int ultimo) {
    if (ultimo < 0)
        return false;
    bool o = Orientacao(vertices[ultimo], vertices[0], p);
    for (int i = 0; i < ultimo; ++i)
        if (Orientacao(vertices[i], vertices[i + 1], p) != o)
            return false;
    return o;
}

bool TUT_Math::SegmentosCruzam(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3,
                               const TPontoReal &p4) {
    return Orientacao(p1, p2, p3) != Orientacao(p1, p2, p4) &&
           Orientacao(p3, p4, p1) != Orientacao(p3, p4, p2);
}

std::array<TPontoReal, 4> TUT_Math::Retangulo(double x1, double y1, double x2, double y2) {
    return {TPontoReal{x1, y2}, TPontoReal{x2, y2}, TPontoReal{x2, y1}, TPontoReal{x1, y1}};
}

double TUT_Math::Distancia(double x1, double y1, double x2, double y2) {
    double dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

double TUT_Math::AreaTriangulo(const TPontoReal &p1, const TPontoReal &p2, const TPontoReal &p3) {
    return ((p3.X - p2.X) * p1.Y + (p1.X - p3.X) * p2.Y + (p2.X - p1.X) * p3.Y) / 2.0;
}

double TUT_Math::InterpolaLog(int i, int n, double a, double b) {
    return a + Divide((b - a) * Ln(double(i)), Ln(double(n) + 1.0));
}

double TUT_Math::InterpolaLinear(int i, int n, double a, double b) {
    return Divide((b - a) * double(i), double(n));
}

TPontoReal TUT_Math::TransformaPonto(const TPonto &p, const TVetor &escala, const TVetor &desloc) {
    return {escala[1] * p.X + desloc[1], escala[2] * p.Y + desloc[2]};
}

TPonto TUT_Math::TransformaPontoTela(const TPontoReal &p, const TVetor &escala,
                                     const TVetor &desloc) {
    return {Round(escala[1] * p.X + desloc[1]), Round(escala[2] * p.Y + desloc[2])};
}

TPonto TUT_Math::ParaTela(const TPontoReal &p, const TVetor &escala, const TVetor &desloc, int dx,
                          int dy) {
    TPonto r = TransformaPontoTela(p, escala, desloc);
    r.X += dx;
    r.Y += dy;
    return r;
}

TEscalaTela TUT_Math::CalculaEscala(const TPontoReal &minimo, const TPontoReal &maximo, int largura,
                                    int altura) {
    const double xmin = minimo.X, xmax = maximo.X, ymin = minimo.Y, ymax = maximo.Y;
    const double lx = xmax - xmin, ly = ymax - ymin;
    const double razao = Divide(lx, ly);
    int xL = 20, xR = largura - 20, yT = 20, yB = altura - 20;
    if (razao >= 1.0) {
        yB = Round(Divide(altura - 20.0, razao));
        yT = Round(Divide(20.0, razao));
        if (yT == 0)
            yT = 21;
    } else {
        xR = Round((largura - 20.0) * razao);
        xL = Round(20.0 * razao);
        if (xR == 0)
            xR = 21;
    }
    TEscalaTela e;
    e.Escala[1] = Divide(double(xR - xL), lx);
    e.Escala[2] = Divide(double(yT - yB), ly);
    e.Desloc[1] = Divide(xL * xmax - xR * xmin, lx);
    e.Desloc[2] = Divide(yB * ymax - yT * ymin, ly);
    e.EscalaInversa[1] = Divide(lx, double(xR - xL));
    e.EscalaInversa[2] = Divide(ly, double(yT - yB));
    e.DeslocInverso[1] = Divide(xR * xmin - xL * xmax, double(xR - xL));
    e.DeslocInverso[2] = Divide(yT * ymin - yB * ymax, double(yT - yB));
    e.Dx = (largura - 40) / 2 - (xR - xL) / 2;
    e.Dy = (altura - 40) / 2 - (yB - yT) / 2;
    return e;
}
