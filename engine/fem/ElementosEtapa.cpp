#include "fem/ElementosEtapa.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "fem/ArquivosPasso.h"
#include "matematica/UTMath.h"
#include "uPlataforma.h"

std::filesystem::path TElementosEtapa::NomeArquivo(int etapa) {
    return PastaPadrao() / (kNomeElementosEtapa + std::to_string(etapa) + kTerminacaoEtapa);
}

void TElementosEtapa::AppendLinha(std::string &out, const double valores[3], const double xs[3],
                                  const double ys[3]) {
    // The line is put together in place and appended at once.
    char linha[9 * (10 + kMaxFixo) + 8];
    char *p = linha;
    for (int k = 0; k < 3; ++k) {
        p = EscreveFixo(p, valores[k], 10, 5);
        p = EscreveFixo(p, xs[k], 10, 5);
        p = EscreveFixo(p, ys[k], 10, 5);
        *p++ = ' ';
        *p++ = ' ';
    }
    *p++ = '\n';
    out.append(linha, p);
}

namespace {

// Next number of a line written with five decimals: blanks are skipped, and a number ends at a
// blank or after its fifth decimal, so numbers wider than their field still come apart.
bool ProximoNumero(std::string_view linha, std::size_t &pos, double &v) {
    while (pos < linha.size() && (linha[pos] == ' ' || linha[pos] == '\t'))
        ++pos;
    if (pos >= linha.size())
        return false;
    const std::size_t ini = pos;
    if (linha[pos] == '-' || linha[pos] == '+')
        ++pos;
    while (pos < linha.size() && linha[pos] >= '0' && linha[pos] <= '9')
        ++pos;
    if (pos < linha.size() && linha[pos] == '.') {
        ++pos;
        int decimais = 0;
        while (pos < linha.size() && decimais < 5 && linha[pos] >= '0' && linha[pos] <= '9') {
            ++pos;
            ++decimais;
        }
    }
    const char *p = linha.data() + ini;
    const char *q = linha.data() + pos;
    if (*p == '+')
        ++p;
    // Up to 15 digits with a point between digits: the digits as an integer over a power of ten
    // is exact, and its one rounded division gives the same double as reading the text.
    const bool negativo = p != q && *p == '-';
    std::int64_t inteiro = 0;
    int digitos = 0, decimais = -1;
    for (const char *c = p + negativo; c != q; ++c) {
        if (*c == '.' && decimais < 0) {
            decimais = 0;
            continue;
        }
        if (*c < '0' || *c > '9')
            break;
        if (++digitos <= 15)
            inteiro = inteiro * 10 + (*c - '0');
        decimais += decimais >= 0;
    }
    if (digitos > 0 && digitos <= 15 && decimais != 0 && q[-1] != '.' && p[negativo] != '.') {
        static constexpr double kPotencias[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
        const double m = double(inteiro) / kPotencias[decimais < 0 ? 0 : decimais];
        v = negativo ? -m : m;
        return true;
    }
    auto r = std::from_chars(p, q, v);
    return r.ec == std::errc() && r.ptr == q;
}

} // namespace

bool TElementosEtapa::ValorLido(double v, double &lido) {
    // The rounding of the writer's fixed notation: |v|·10^5 to the nearest integer, ties to
    // even, exactly through the error term of an fma.
    const double a = std::fabs(v);
    const double p = a * 1e5;
    if (!(p < 9e14)) // also NaN and infinities; at most 15 digits below this
        return false;
    const double e = std::fma(a, 1e5, -p);
    const double f = std::floor(p);
    const double s = ((p - f) - 0.5) + e;
    auto n = std::uint64_t(f);
    if (s > 0.0 || (s == 0.0 && (n & 1u)))
        ++n;
    // Its digits as an integer over 10^5, as the reader takes them; the sign as written.
    const double m = double(n) / 1e5;
    lido = std::signbit(v) ? -m : m;
    return true;
}

void TElementosEtapa::Le(const std::filesystem::path &arquivo) {
    TLeitorTexto leitor(arquivo);
    std::vector<double> valores, xs, ys;
    const std::size_t estimado = leitor.BytesRestantes() / 96 + 1;
    valores.reserve(3 * estimado);
    xs.reserve(3 * estimado);
    ys.reserve(3 * estimado);
    std::string_view linha;
    while (leitor.LeLinha(linha)) {
        if (Apara(linha).empty() && leitor.Fim())
            break;
        std::size_t pos = 0;
        for (int k = 0; k < 3; ++k) {
            double t, x, y;
            if (!ProximoNumero(linha, pos, t) || !ProximoNumero(linha, pos, x) ||
                !ProximoNumero(linha, pos, y))
                leitor.Erro("nine numbers expected");
            valores.push_back(t);
            xs.push_back(x);
            ys.push_back(y);
        }
    }
    Define(std::move(valores), std::move(xs), std::move(ys));
}

void TElementosEtapa::Define(std::vector<double> valores, std::vector<double> xs,
                             std::vector<double> ys) {
    Valores = std::move(valores);
    X = std::move(xs);
    Y = std::move(ys);
    MontaGrade();
}

void TElementosEtapa::MontaGrade() {
    const int n = NumElementos();
    xMin_.resize(std::size_t(n));
    xMax_.resize(std::size_t(n));
    yMin_.resize(std::size_t(n));
    yMax_.resize(std::size_t(n));
    double gx0 = 0.0, gx1 = 0.0, gy0 = 0.0, gy1 = 0.0;
    for (int e = 0; e < n; ++e) {
        const double *x = &X[std::size_t(3 * e)], *y = &Y[std::size_t(3 * e)];
        xMin_[std::size_t(e)] = std::min({x[0], x[1], x[2]});
        xMax_[std::size_t(e)] = std::max({x[0], x[1], x[2]});
        yMin_[std::size_t(e)] = std::min({y[0], y[1], y[2]});
        yMax_[std::size_t(e)] = std::max({y[0], y[1], y[2]});
        if (e == 0) {
            gx0 = xMin_[0], gx1 = xMax_[0], gy0 = yMin_[0], gy1 = yMax_[0];
        } else {
            gx0 = std::min(gx0, xMin_[std::size_t(e)]);
            gx1 = std::max(gx1, xMax_[std::size_t(e)]);
            gy0 = std::min(gy0, yMin_[std::size_t(e)]);
            gy1 = std::max(gy1, yMax_[std::size_t(e)]);
        }
    }
    // About one element per cell, the cells following the box's proportions.
    const double lx = gx1 - gx0, ly = gy1 - gy0;
    if (n == 0 || !(lx > 0.0) || !(ly > 0.0)) {
        nx_ = ny_ = 1;
    } else {
        // Clamped before the conversion: extreme proportions (or infinite extents) would not
        // fit an int.
        const auto celulas = [](double v) { return v >= 1.0 ? (v < 4096.0 ? int(v) : 4096) : 1; };
        const double r = std::sqrt(double(n) * lx / ly);
        nx_ = celulas(r);
        ny_ = celulas(double(n) / std::max(r, 1.0));
    }
    x0_ = gx0;
    y0_ = gy0;
    fx_ = lx > 0.0 ? nx_ / lx : 0.0;
    fy_ = ly > 0.0 ? ny_ / ly : 0.0;

    // Two passes: count the elements of every cell, then fill the cells in element order.
    inicio_.assign(std::size_t(nx_) * std::size_t(ny_) + 1, 0);
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<int> cursor;
        if (pass == 1) {
            for (std::size_t c = 1; c < inicio_.size(); ++c)
                inicio_[c] += inicio_[c - 1];
            lista_.assign(std::size_t(inicio_.back()), 0);
            cursor.assign(inicio_.begin(), inicio_.end() - 1);
        }
        for (int e = 0; e < n; ++e) {
            int i0, j0, i1, j1;
            Celula(xMin_[std::size_t(e)], yMin_[std::size_t(e)], i0, j0);
            Celula(xMax_[std::size_t(e)], yMax_[std::size_t(e)], i1, j1);
            for (int j = j0; j <= j1; ++j)
                for (int i = i0; i <= i1; ++i) {
                    const std::size_t c = std::size_t(j) * std::size_t(nx_) + std::size_t(i);
                    if (pass == 0)
                        ++inicio_[c + 1];
                    else
                        lista_[std::size_t(cursor[c]++)] = e;
                }
        }
    }
}

// The cell of a point; the mapping is monotonic, so a box that holds the point overlaps it.
void TElementosEtapa::Celula(double x, double y, int &i, int &j) const {
    const double cx = (x - x0_) * fx_, cy = (y - y0_) * fy_;
    i = !(cx > 0.0) ? 0 : cx >= nx_ - 1 ? nx_ - 1 : int(cx);
    j = !(cy > 0.0) ? 0 : cy >= ny_ - 1 ? ny_ - 1 : int(cy);
}

int TElementosEtapa::Procura(double x, double y) const {
    if (NumElementos() == 0)
        return -1;
    int i, j;
    Celula(x, y, i, j);
    const std::size_t c = std::size_t(j) * std::size_t(nx_) + std::size_t(i);
    const TPontoReal p{x, y};
    for (int k = inicio_[c]; k < inicio_[c + 1]; ++k) {
        const int e = lista_[std::size_t(k)];
        const std::size_t u = std::size_t(e);
        if (!(yMin_[u] <= y && y <= yMax_[u] && xMin_[u] <= x && x <= xMax_[u]))
            continue;
        const TPontoReal v[3] = {
            {X[3 * u], Y[3 * u]}, {X[3 * u + 1], Y[3 * u + 1]}, {X[3 * u + 2], Y[3 * u + 2]}};
        if (TUT_Math::PontoNoPoligono(p, v, 2))
            return e;
    }
    return -1;
}

namespace {

double DistanciaAoSegmento(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

} // namespace

int TElementosEtapa::ProcuraProximo(double x, double y, double tol) const {
    if (NumElementos() == 0)
        return -1;
    int i0, j0, i1, j1;
    Celula(x - tol, y - tol, i0, j0);
    Celula(x + tol, y + tol, i1, j1);
    int melhor = -1;
    double dMelhor = 0.0;
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            const std::size_t c = std::size_t(j) * std::size_t(nx_) + std::size_t(i);
            for (int k = inicio_[c]; k < inicio_[c + 1]; ++k) {
                const int e = lista_[std::size_t(k)];
                const std::size_t u = std::size_t(e);
                if (x < xMin_[u] - tol || x > xMax_[u] + tol || y < yMin_[u] - tol ||
                    y > yMax_[u] + tol)
                    continue;
                const double *ex = &X[3 * u], *ey = &Y[3 * u];
                double d = DistanciaAoSegmento(x, y, ex[0], ey[0], ex[1], ey[1]);
                d = std::min(d, DistanciaAoSegmento(x, y, ex[1], ey[1], ex[2], ey[2]));
                d = std::min(d, DistanciaAoSegmento(x, y, ex[2], ey[2], ex[0], ey[0]));
                if (d <= tol && (melhor < 0 || d < dMelhor || (d == dMelhor && e < melhor))) {
                    melhor = e;
                    dMelhor = d;
                }
            }
        }
    return melhor;
}

double TElementosEtapa::Interpola(int e, double x, double y) const {
    const std::size_t u = 3 * std::size_t(e);
    const double *ex = &X[u], *ey = &Y[u], *v = &Valores[u];
    // Twice the signed area by the trapezoid rule over the node cycle.
    double a2 = 0.0;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        a2 += (ex[i] + ex[j]) * (ey[j] - ey[i]);
    }
    if (a2 == 0.0)
        return (v[0] + v[1] + v[2]) / 3.0;
    // Shape functions of nodes 2 and 3 (a_i + b_i x + c_i y) / 2A; node 1's is the rest, so a
    // uniform field comes back exactly.
    const double n2 =
        (ex[2] * ey[0] - ex[0] * ey[2] + (ey[2] - ey[0]) * x + (ex[0] - ex[2]) * y) / a2;
    const double n3 =
        (ex[0] * ey[1] - ex[1] * ey[0] + (ey[0] - ey[1]) * x + (ex[1] - ex[0]) * y) / a2;
    return v[0] + n2 * (v[1] - v[0]) + n3 * (v[2] - v[0]);
}
