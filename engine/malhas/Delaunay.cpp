// Triangles of one strip between two grid lines: the exhaustive search over node triples and a
// fast search that adds exactly the same triangles in the same order.
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

TMalha::TCirculo TMalha::Circunferencia(int i, int j, int k, double a) const {
    const TNo &ni = *nos_[std::size_t(i - 1)], &nj = *nos_[std::size_t(j - 1)],
              &nk = *nos_[std::size_t(k - 1)];
    const double xi = ni.X, yi = ni.Y, xj = nj.X, yj = nj.Y, xk = nk.X, yk = nk.Y;
    const double si = xi * xi + yi * yi, sj = xj * xj + yj * yj, sk = xk * xk + yk * yk;
    const double d = (sj * yi - sj * yk - yj * si + yj * sk - sk * yi + yk * si) / a;
    const double e = -(-si * xj + si * xk + xi * sj - xi * sk + sk * xj - xk * sj) / a;
    const double f =
        -(yj * xi * sk - sk * yi * xj + sj * yi * xk - yj * si * xk + yk * si * xj - sj * xi * yk) /
        a;
    TCirculo c;
    c.cx = VerificaFinito(-d / 2.0);
    c.cy = VerificaFinito(-e / 2.0);
    c.r = VerificaFinito(std::sqrt(std::fabs(c.cx * c.cx + c.cy * c.cy - f)));
    return c;
}

bool TMalha::NoDentro(const TCirculo &c, int m) const {
    const TNo &n = *nos_[std::size_t(m - 1)];
    const double d = TUT_Math::Distancia(c.cx, c.cy, n.X, n.Y);
    return d < c.r && !TUT_Math::IgualComTolerancia(0.0, std::fabs(d - c.r));
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
    if (!DelaunayRapido(primeiro, ultimo, primeiroElemento))
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
                    const TPontoReal g = CentroTriangulo(i, j, k);
                    if (PontoFora(g.X, g.Y))
                        continue;
                    AdicionaElemento(i, j, k);
                }
        } catch (const std::exception &) {
            MostraErro("Erro Em Delaunay");
        }
    }
}

// The fast search works on a window of exactly two vertical lines, L0 (primeiro..ultimo) and
// L1 (the nodes after ultimo), which is what the sweep produces. Every triple with a node on
// each line has two nodes P, P' on one line and one node Q on the other. The exhaustive search
// keeps a triple only when no window node lies inside its circle, as computed in floating
// point. In exact geometry:
//  - a node strictly between P and P' on their line lies on the chord PP', so inside the
//    circle, with power -(distance to P)(distance to P');
//  - the circle's centre is at the height ym of the midpoint of PP', so its chord on Q's line
//    is centred on ym, and every node of that line nearer to ym than Q is inside, with power
//    (its distance to ym)^2 - (Q's distance to ym)^2.
// A triple is left out only when one of these exact powers exceeds a bound on the rounding
// error of the computed test (coefficients of the circle, radius, distance and the 1e-10
// tolerance), bounded over the whole window from its largest coordinate X, its diameter and
// the smallest gap between nodes of a line. When the bound is too large to leave out the
// non-neighbouring pairs, the window goes to the exhaustive search. Every triple kept is then
// judged by the exhaustive search's own computed tests, in the order in which that search
// meets them, so both add the same triangles in the same order.
bool TMalha::DelaunayRapido(int primeiro, int ultimo, int primeiroElemento) {
    const int n = GetNumNos();
    if (primeiro > ultimo)
        return true; // no triple to try
    if (ultimo >= n) {
        // One line only: every triple is collinear and has an area of exactly 0 when all its
        // nodes share one abscissa.
        const double x = nos_[std::size_t(primeiro - 1)]->X;
        for (int m = primeiro; m <= n; ++m)
            if (nos_[std::size_t(m - 1)]->X != x || !std::isfinite(x) ||
                !std::isfinite(nos_[std::size_t(m - 1)]->Y))
                return false;
        return true;
    }
    struct TNoLinha {
        double y;
        int indice;
        bool operator<(const TNoLinha &o) const { return y < o.y; }
    };
    const double x0 = nos_[std::size_t(primeiro - 1)]->X, x1 = nos_[std::size_t(ultimo)]->X;
    if (!std::isfinite(x0) || !std::isfinite(x1) || x0 == x1)
        return false;
    std::vector<TNoLinha> l0, l1;
    l0.reserve(std::size_t(ultimo - primeiro + 1));
    l1.reserve(std::size_t(n - ultimo));
    double xmax = 1.0, ymin = std::numeric_limits<double>::infinity(), ymax = -ymin;
    for (int m = primeiro; m <= n; ++m) {
        const TNo &no = *nos_[std::size_t(m - 1)];
        if (no.X != (m <= ultimo ? x0 : x1) || !std::isfinite(no.Y))
            return false;
        (m <= ultimo ? l0 : l1).push_back({no.Y, m});
        xmax = std::max({xmax, std::fabs(no.X), std::fabs(no.Y)});
        ymin = std::min(ymin, no.Y);
        ymax = std::max(ymax, no.Y);
    }
    if (xmax > 1e15)
        return false;
    std::sort(l0.begin(), l0.end());
    std::sort(l1.begin(), l1.end());
    double gmin = std::numeric_limits<double>::infinity();
    for (const auto *l : {&l0, &l1})
        for (std::size_t s = 1; s < l->size(); ++s)
            gmin = std::min(gmin, (*l)[s].y - (*l)[s - 1].y);
    if (!(gmin > 0.0))
        return false; // two nodes at one position
    if (std::isinf(gmin))
        return true; // one node per line: no triangle

    // Rounding bound of the computed circle test over every triple of the window.
    const double u = 1.2e-16, X = xmax, X2 = X * X;
    const double h = std::fabs(x1 - x0);
    const double diag2 = h * h + (ymax - ymin) * (ymax - ymin);
    const double R = diag2 / (2.0 * h), C = X + R; // circumradius and centre bounds
    const double amin = h * gmin;                  // smallest |area| * 2 of a kept triple
    const double epsA = 40.0 * u * X2 / amin;      // relative error of the area
    if (!(epsA < 0.25))
        return false;
    const double delta = 2.0 * (2.0 * epsA * (diag2 + 2.0 * X2) + 700.0 * u * X2 * X2 / amin +
                                u * (5.0 * C * X + 4.0 * C * C) + 45.0 * u * C * C +
                                15.0 * u * (C + X) * (C + X) + 5e-10 * C + 50.0 * u * X2);
    const double limite = 2.0 * delta;
    if (!(gmin * gmin > limite))
        return false;

    // Candidates: each pair of neighbours on one line with the nodes of the other line
    // nearest to the pair's mid-height.
    std::vector<std::array<int, 3>> candidatos;
    auto procura = [&](const std::vector<TNoLinha> &par, const std::vector<TNoLinha> &outra) {
        if (outra.empty())
            return;
        for (std::size_t s = 0; s + 1 < par.size(); ++s) {
            const double ym = (par[s].y + par[s + 1].y) / 2.0;
            const std::size_t pos = std::size_t(
                std::lower_bound(outra.begin(), outra.end(), TNoLinha{ym, 0}) - outra.begin());
            double dmin2 = std::numeric_limits<double>::infinity();
            if (pos < outra.size())
                dmin2 = (outra[pos].y - ym) * (outra[pos].y - ym);
            if (pos > 0)
                dmin2 = std::min(dmin2, (outra[pos - 1].y - ym) * (outra[pos - 1].y - ym));
            auto adiciona = [&](std::size_t t) {
                std::array<int, 3> c = {par[s].indice, par[s + 1].indice, outra[t].indice};
                std::sort(c.begin(), c.end());
                candidatos.push_back(c);
            };
            for (std::size_t t = pos; t < outra.size(); ++t) {
                const double d = outra[t].y - ym;
                if (d * d - dmin2 > limite)
                    break;
                adiciona(t);
            }
            for (std::size_t t = pos; t-- > 0;) {
                const double d = outra[t].y - ym;
                if (d * d - dmin2 > limite)
                    break;
                adiciona(t);
            }
        }
    };
    procura(l0, l1);
    procura(l1, l0);
    std::sort(candidatos.begin(), candidatos.end());
    candidatos.erase(std::unique(candidatos.begin(), candidatos.end()), candidatos.end());

    // Strip elements around each window node, as linked lists in flat arrays.
    std::vector<int> cabeca(std::size_t(n - primeiro + 1), -1), proximo, elemento;
    proximo.reserve(3 * candidatos.size());
    elemento.reserve(3 * candidatos.size());
    auto registra = [&](const TElemento &e) {
        for (int p = 1; p <= e.GetN(); ++p) {
            const int m = e.GetNo(p)->Numero;
            if (m < primeiro || m > n)
                continue;
            proximo.push_back(cabeca[std::size_t(m - primeiro)]);
            elemento.push_back(e.Numero);
            cabeca[std::size_t(m - primeiro)] = int(elemento.size()) - 1;
        }
    };
    for (int e = primeiroElemento; e <= GetNumElementos(); ++e)
        registra(*elementos_[std::size_t(e - 1)]);
    auto concorre = [&](int i, int j, int k) {
        for (int m : {i, j})
            for (int p = cabeca[std::size_t(m - primeiro)]; p >= 0; p = proximo[std::size_t(p)])
                if (ConflitaCom(*elementos_[std::size_t(elemento[std::size_t(p)] - 1)], i, j, k))
                    return true;
        return false;
    };
    // Only nodes within the computed radius of the centre's height can be inside.
    auto vazio = [&](int i, int j, int k, const TCirculo &c) {
        const double alcance = c.r * (1.0 + 1e-6) + 1e-12 * (std::fabs(c.cy) + 1.0);
        for (const auto *l : {&l0, &l1}) {
            auto it = std::lower_bound(l->begin(), l->end(), TNoLinha{c.cy - alcance, 0});
            for (; it != l->end() && it->y <= c.cy + alcance; ++it) {
                const int m = it->indice;
                if (m != i && m != j && m != k && NoDentro(c, m))
                    return false;
            }
        }
        return true;
    };

    try {
        for (const auto &t : candidatos) {
            const int i = t[0], j = t[1], k = t[2];
            const double a = AreaTriangulo(i, j, k);
            if (TUT_Math::IgualComTolerancia(0.0, a))
                continue;
            if (!vazio(i, j, k, Circunferencia(i, j, k, a)))
                continue;
            if (concorre(i, j, k))
                continue;
            const TPontoReal g = CentroTriangulo(i, j, k);
            if (PontoFora(g.X, g.Y))
                continue;
            AdicionaElemento(i, j, k);
            registra(*elementos_.back());
        }
    } catch (const std::exception &) {
        MostraErro("Erro Em Delaunay");
    }
    return true;
}
