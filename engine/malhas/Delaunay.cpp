// Triangles of one strip between two grid lines: the tests on one node triple and the
// exhaustive search over all triples.
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>

#include "malhas/Malha.h"
#include "uPlataforma.h"

double TMalha::AreaTriangulo(int i, int j, int k) const {
    const TNo &a = *nos_[std::size_t(i - 1)], &b = *nos_[std::size_t(j - 1)],
              &c = *nos_[std::size_t(k - 1)];
    return (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);
}

namespace {
// Unit roundoff of double arithmetic, rounded up.
constexpr double kU = 1.12e-16;
} // namespace

// The circle is computed with node j at the origin, so that its rounding error depends on the
// size of the triangle and not on where it lies: the nodes of a strip of a fine mesh sit at
// coordinates hundreds or thousands of times the smallest division.
TMalha::TCirculo TMalha::Circunferencia(int i, int j, int k, double a) const {
    const TNo &ni = *nos_[std::size_t(i - 1)], &nj = *nos_[std::size_t(j - 1)],
              &nk = *nos_[std::size_t(k - 1)];
    const double xi = ni.X - nj.X, yi = ni.Y - nj.Y, xj = 0.0, yj = 0.0, xk = nk.X - nj.X,
                 yk = nk.Y - nj.Y;
    const double si = xi * xi + yi * yi, sj = xj * xj + yj * yj, sk = xk * xk + yk * yk;
    const double d = (sj * yi - sj * yk - yj * si + yj * sk - sk * yi + yk * si) / a;
    const double e = -(-si * xj + si * xk + xi * sj - xi * sk + sk * xj - xk * sj) / a;
    const double f =
        -(yj * xi * sk - sk * yi * xj + sj * yi * xk - yj * si * xk + yk * si * xj - sj * xi * yk) /
        a;
    TCirculo c;
    c.ox = nj.X;
    c.oy = nj.Y;
    c.cx = VerificaFinito(-d / 2.0);
    c.cy = VerificaFinito(-e / 2.0);
    c.r = VerificaFinito(std::sqrt(std::fabs(c.cx * c.cx + c.cy * c.cy - f)));
    // Bound of the centre's error: the numerators carry 32u rho^3, the area 16u rho^2.
    const double rho = std::max({std::fabs(xi), std::fabs(yi), std::fabs(xk), std::fabs(yk)});
    c.centro = CentroTriangulo(i, j, k);
    c.erroCentro = VerificaFinito(kU * (24.0 * rho * rho * (rho + c.r) / std::fabs(a) + 3.0 * c.r));
    return c;
}

// Moving the centre by delta changes r - d by at most 2 delta (|m'| + |r - d|) / (r + d), m'
// the node relative to the origin; the roots and differences add a few units of u (r + d).
// A node within twice that bound of the circle counts as on it, so four nodes on one circle
// never reject every triangle between them.
bool TMalha::NoDentro(const TCirculo &c, int m) const {
    const TNo &n = *nos_[std::size_t(m - 1)];
    const double x = n.X - c.ox, y = n.Y - c.oy;
    const double d = TUT_Math::Distancia(c.cx, c.cy, x, y);
    if (!(d < c.r) || TUT_Math::IgualComTolerancia(0.0, std::fabs(d - c.r)))
        return false;
    const double folga = c.r - d;
    const double erro =
        4.0 * c.erroCentro * (std::sqrt(x * x + y * y) + folga) / (c.r + d) + 10.0 * kU * (c.r + d);
    return folga > erro && !AtravessaContorno(c.centro, n.Ponto());
}

double TMalha::ToleranciaContorno() const {
    return 1e-9 + 1e-11 * std::max({std::fabs(XMin_), std::fabs(XMax_), std::fabs(YMin_),
                                    std::fabs(YMax_)});
}

bool TMalha::AtravessaContorno(const TPontoReal &a, const TPontoReal &b) const {
    const double xmin = std::min(a.X, b.X), xmax = std::max(a.X, b.X);
    const double ymin = std::min(a.Y, b.Y), ymax = std::max(a.Y, b.Y);
    const double tau = ToleranciaContorno();
    // Side of r from the line p q, 0 within tau of it: node heights are interpolated and
    // added up, so nodes on an edge lie a little off its line.
    auto lado = [tau](const TPontoReal &p, const TPontoReal &q, const TPontoReal &r) {
        const double dx = q.X - p.X, dy = q.Y - p.Y;
        const double c = dx * (r.Y - p.Y) - dy * (r.X - p.X), l = std::sqrt(dx * dx + dy * dy);
        return c > tau * l ? 1 : c < -tau * l ? -1 : 0;
    };
    for (const auto &e : arestas_) {
        if (e->Interna && !ConsideraInternas)
            continue;
        const TPontoReal c = e->No1->Ponto(), d = e->No2->Ponto();
        if (std::max(c.X, d.X) < xmin || std::min(c.X, d.X) > xmax || std::max(c.Y, d.Y) < ymin ||
            std::min(c.Y, d.Y) > ymax)
            continue;
        if (lado(c, d, a) * lado(c, d, b) < 0 && lado(a, b, c) * lado(a, b, d) < 0)
            return true;
    }
    return false;
}

bool TMalha::DentroDoDominio(int i, int j, int k) const {
    const TPontoReal g = CentroTriangulo(i, j, k);
    if (PontoFora(g.X, g.Y))
        return false;
    const TPontoReal p[3] = {nos_[std::size_t(i - 1)]->Ponto(), nos_[std::size_t(j - 1)]->Ponto(),
                             nos_[std::size_t(k - 1)]->Ponto()};
    return !AtravessaContorno(p[0], p[1]) && !AtravessaContorno(p[1], p[2]) &&
           !AtravessaContorno(p[2], p[0]);
}

bool TMalha::CirculoVazio(int i, int j, int k, int primeiro, const TCirculo &c) const {
    const int n = GetNumNos();
    for (int m = primeiro; m <= n; ++m)
        if (m != i && m != j && m != k && NoDentro(c, m))
            return false;
    return true;
}

TPontoReal TMalha::CentroTriangulo(int i, int j, int k) const {
    const TNo &a = *nos_[std::size_t(i - 1)], &b = *nos_[std::size_t(j - 1)],
              &c = *nos_[std::size_t(k - 1)];
    return {(a.X + b.X + c.X) / 3.0, (a.Y + b.Y + c.Y) / 3.0};
}

bool TMalha::ConflitaCom(const TElemento &e, int i, int j, int k) const {
    const TNo *comuns[3];
    int n = 0;
    for (int p = 1; p <= e.GetN(); ++p) {
        const TNo *no = e.GetNo(p);
        if ((no->Numero == i || no->Numero == j || no->Numero == k) && n < 3)
            comuns[n++] = no;
    }
    if (n == 3)
        return true;
    if (n != 2)
        return false;
    const TPontoReal p = comuns[0]->Ponto(), q = comuns[1]->Ponto();
    return TUT_Math::Orientacao(p, q, {e.XCentro(), e.YCentro()}) ==
           TUT_Math::Orientacao(p, q, CentroTriangulo(i, j, k));
}

bool TMalha::Concorre(int i, int j, int k, int primeiroElemento) const {
    for (int e = primeiroElemento; e <= GetNumElementos(); ++e) {
        try {
            if (ConflitaCom(*elementos_[std::size_t(e - 1)], i, j, k))
                return true;
        } catch (const std::exception &) {
            ShowMessage("Erro : Concorrem");
        }
    }
    return false;
}

void TMalha::Delaunay(int primeiro, int ultimo, int primeiroElemento) {
    if (DelaunayRapido(primeiro, ultimo, primeiroElemento))
        return;
    // The exhaustive search costs the fourth power of the strip's nodes.
    if (GetNumNos() - primeiro + 1 > kMaxNosFaixa)
        throw EFaixaExtensa();
    DelaunaySimples(primeiro, ultimo, primeiroElemento);
}

void TMalha::DelaunaySimples(int primeiro, int ultimo, int primeiroElemento) {
    const int n = GetNumNos();
    for (int i = primeiro; i <= ultimo; ++i) {
        try {
            for (int j = i + 1; j <= n; ++j)
                for (int k = j + 1; k <= n; ++k) {
                    const double a = AreaTriangulo(i, j, k);
                    if (TUT_Math::IgualComTolerancia(0.0, a))
                        continue;
                    if (!CirculoVazio(i, j, k, primeiro, Circunferencia(i, j, k, a)))
                        continue;
                    if (Concorre(i, j, k, primeiroElemento))
                        continue;
                    if (!DentroDoDominio(i, j, k))
                        continue;
                    AdicionaElemento(i, j, k);
                }
        } catch (const std::exception &) {
            MostraErro("Erro Em Delaunay");
        }
    }
}
