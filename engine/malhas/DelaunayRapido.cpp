// Fast triangle search of one strip: a few candidate triples per pair of neighbouring nodes,
// with exactly the result of the exhaustive search.
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>

#include "malhas/Malha.h"
#include "uPlataforma.h"

namespace {
// Unit roundoff of double arithmetic, rounded up.
constexpr double kU = 1.12e-16;
} // namespace

// The fast search works on a window of exactly two vertical lines, L0 (primeiro..ultimo) and
// L1 (the nodes after ultimo), which is what the sweep produces. The domain edges that cross
// the strip cut it into stacked pieces, each convex. A triangle that the tests keep has its
// centroid in an inside piece and crosses no edge, so its nodes lie in that piece, where they
// all see each other; nodes of other pieces are cut off. So the search runs piece by piece.
// Every triple with a node on each line has two nodes P, P' on one line and one node Q on the
// other; its middle node j, the origin of the circle, is P or P'. In exact geometry:
//  - a node strictly between P and P' on their line lies on the chord PP', so inside the
//    circle, with power -(distance to P)(distance to P');
//  - the circle's centre is at the height ym of the midpoint of PP', so its chord on Q's line
//    is centred on ym, and every node of that line nearer to ym than Q is inside, with power
//    (its distance to ym)^2 - (Q's distance to ym)^2.
// Such a node of the piece is found inside by the computed test once its power exceeds a
// margin given by the triangle's size (see margem). Pairs that are not neighbours are left
// out when that holds over the whole window, else the window goes to the exhaustive search;
// for a pair of neighbours, the nodes of the other line are taken outwards from ym until the
// margin holds for the next one and for the farthest one, and so, the margin being convex in
// the squared distance, for all between. Every triple kept is then judged by the exhaustive
// search's own computed tests, in the order in which that search meets them, so both add the
// same triangles in the same order.
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

    // A node with exact power -p in the circle of a triple is found inside by the computed
    // test when p exceeds this margin (three times the test's threshold, in power): r the
    // circumradius, rho the largest coordinate of the triple relative to j, m the node's
    // distance to j, area2 twice the triangle's area.
    auto margem = [](double r, double rho, double m, double area2) {
        return 8e-10 * r + 720.0 * kU * m * rho * rho * (rho + r) / area2 + 90.0 * kU * r * m +
               150.0 * kU * r * r;
    };
    const double h = std::fabs(x1 - x0), H = ymax - ymin;
    // Pairs that are not neighbours (half-length a >= gmin, witness within 2a of j, apex at
    // most H from ym): the margin is convex in a, the power at least linear, so both ends of
    // the range of a settle it.
    if (std::max(l0.size(), l1.size()) > 2)
        for (double a : {gmin, std::max(gmin, H / 2.0)}) {
            const double w = a + H;
            const double rho = std::sqrt(4.0 * a * a + h * h + w * w),
                         r = (h * h + w * w) / (2.0 * h);
            if (!(gmin * (2.0 * a - gmin) >= margem(r, rho, 2.0 * a, 2.0 * a * h)))
                return false;
        }
    // Rounding of the distances to ym, taken from coordinates up to xmax.
    const double erroY = 8.0 * kU * xmax;

    // Pieces of the strip: the edges that cross it, bottom to top, with their heights on
    // both lines and the distance from their line per unit of height.
    struct TCorte {
        double y0, y1, c;
    };
    std::vector<TCorte> cortes;
    for (const auto &e : arestas_) {
        if (e->Interna && !ConsideraInternas)
            continue;
        const double ax = e->No1->X, ay = e->No1->Y, bx = e->No2->X, by = e->No2->Y;
        const double emin = std::min(ax, bx), emax = std::max(ax, bx);
        if (emax <= std::min(x0, x1) || emin >= std::max(x0, x1))
            continue;
        if (emin > std::min(x0, x1) || emax < std::max(x0, x1))
            return false; // a vertex between the lines
        auto altura = [&](double x) { return ay + (by - ay) * (x - ax) / (bx - ax); };
        cortes.push_back(
            {altura(x0), altura(x1), std::fabs(bx - ax) / std::hypot(bx - ax, by - ay)});
    }
    std::sort(cortes.begin(), cortes.end(),
              [](const TCorte &a, const TCorte &b) { return a.y0 + a.y1 < b.y0 + b.y1; });
    const double tau = ToleranciaContorno();
    for (std::size_t k = 1; k < cortes.size(); ++k)
        if (cortes[k].y0 < cortes[k - 1].y0 - tau || cortes[k].y1 < cortes[k - 1].y1 - tau)
            return false; // edges crossing each other
    // The nodes of one line in the piece between two edges: those within tau / 2 of it, none
    // within 3 tau, so that nodes on an edge count in and the others are plainly out.
    std::vector<TNoLinha> p0, p1;
    auto membros = [&](const std::vector<TNoLinha> &l, double baixo, double cb, double alto,
                       double ca, std::vector<TNoLinha> &saida) {
        saida.clear();
        auto it = std::lower_bound(l.begin(), l.end(), TNoLinha{baixo - 3.0 * tau / cb, 0});
        for (; it != l.end() && it->y <= alto + 3.0 * tau / ca; ++it) {
            const double d = std::min((it->y - baixo) * cb, (alto - it->y) * ca);
            if (d >= -tau / 2.0)
                saida.push_back(*it);
            else if (d > -3.0 * tau)
                return false;
        }
        return true;
    };

    // Candidates: each pair of neighbours on one line with the nodes of the other line
    // nearest to the pair's mid-height.
    std::vector<std::array<int, 3>> candidatos;
    bool cobre = true;
    auto procura = [&](const std::vector<TNoLinha> &par, const std::vector<TNoLinha> &outra) {
        if (outra.empty())
            return;
        for (std::size_t s = 0; s + 1 < par.size() && cobre; ++s) {
            const double ym = (par[s].y + par[s + 1].y) / 2.0, a = (par[s + 1].y - par[s].y) / 2.0;
            const std::size_t pos = std::size_t(
                std::lower_bound(outra.begin(), outra.end(), TNoLinha{ym, 0}) - outra.begin());
            double dmin2 = std::numeric_limits<double>::infinity();
            if (pos < outra.size())
                dmin2 = (outra[pos].y - ym) * (outra[pos].y - ym);
            if (pos > 0)
                dmin2 = std::min(dmin2, (outra[pos - 1].y - ym) * (outra[pos - 1].y - ym));
            const double m = h + a + std::sqrt(dmin2);
            // The witness nearest to ym settles the apex at squared distance t from ym.
            auto resolvido = [&](double t) {
                const double w2 = 2.0 * a * a + 2.0 * t; // bounds (a + e)^2
                const double rho = std::sqrt(4.0 * a * a + h * h + w2),
                             r = (h * h + w2) / (2.0 * h);
                return t - dmin2 - erroY * ((t + 1.0) / 2.0 + std::sqrt(dmin2) + 1.0) >=
                       margem(r, rho, m, 2.0 * a * h);
            };
            auto adiciona = [&](std::size_t t) {
                std::array<int, 3> c = {par[s].indice, par[s + 1].indice, outra[t].indice};
                std::sort(c.begin(), c.end());
                candidatos.push_back(c);
            };
            auto distancia2 = [&](std::size_t t) { return (outra[t].y - ym) * (outra[t].y - ym); };
            for (std::size_t t = pos; t < outra.size(); ++t) {
                if (resolvido(distancia2(t))) {
                    cobre = resolvido(distancia2(outra.size() - 1));
                    break;
                }
                adiciona(t);
            }
            for (std::size_t t = pos; t-- > 0 && cobre;) {
                if (resolvido(distancia2(t))) {
                    cobre = resolvido(distancia2(0));
                    break;
                }
                adiciona(t);
            }
        }
    };
    for (std::size_t k = 1; k < cortes.size(); ++k) {
        const TCorte &b = cortes[k - 1], &t = cortes[k];
        const double meio = (b.y0 + b.y1 + t.y0 + t.y1) / 4.0;
        if (!(meio > (b.y0 + b.y1) / 2.0) || PontoFora((x0 + x1) / 2.0, meio))
            continue;
        if (!membros(l0, b.y0, b.c, t.y0, t.c, p0) || !membros(l1, b.y1, b.c, t.y1, t.c, p1))
            return false;
        procura(p0, p1);
        procura(p1, p0);
        if (!cobre)
            return false;
    }
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
        const double cy = c.oy + c.cy;
        const double alcance =
            c.r * (1.0 + 1e-6) + 1e-12 * (std::fabs(c.oy) + std::fabs(c.cy) + 1.0);
        for (const auto *l : {&l0, &l1}) {
            auto it = std::lower_bound(l->begin(), l->end(), TNoLinha{cy - alcance, 0});
            for (; it != l->end() && it->y <= cy + alcance; ++it) {
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
            if (!DentroDoDominio(i, j, k))
                continue;
            AdicionaElemento(i, j, k);
            registra(*elementos_.back());
        }
    } catch (const std::exception &) {
        MostraErro("Erro Em Delaunay");
    }
    return true;
}
