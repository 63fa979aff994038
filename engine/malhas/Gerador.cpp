// Mesh generator: grid of vertical lines, nodes along the stretches inside the domain, and
// triangles between consecutive lines.
#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include "EntradasExecucao.h"
#include "malhas/Malha.h"
#include "uPlataforma.h"

namespace {

const char *const kErroGeracao = "Erro : Geração de triângulos.";
const char *const kErroConfiguracao = "Erro : Configuração da malha inválida.";
const char *const kErroDominio = "Erro : Domínio sem extensão para gerar a malha.";
const char *const kErroDivisoes = "Erro : Divisões demais para gerar a malha.";

// Upper bound of the divisions of one direction: beyond it a generation would not end in
// any useful time.
constexpr double kMaxDivisoes = 100000.0;
// Upper bound of the estimated node count of a mesh.
constexpr double kMaxNos = 3e6;

// Distinct values (by the engine's equality, first occurrence kept), ascending.
TVetor Distintos(const std::vector<double> &valores) {
    TVetor v;
    for (double x : valores)
        if (!v.Contem(x))
            v.Adiciona(x);
    std::sort(v.Dados(), v.Dados() + v.GetTamanho());
    return v;
}

} // namespace

void TMalha::DivisoesUniformes(TVetor &v, int n, int inicio, double a, double b) {
    if (n == 1) {
        v[inicio] = b - a;
        return;
    }
    for (int i = 0; i < n; ++i)
        v[inicio + i] = TUT_Math::InterpolaLinear(1, n, a, b);
}

void TMalha::DivisoesExponenciais(TVetor &v, int n, int inicio, double a, double b) {
    if (n == 1) {
        v[inicio] = b - a;
        return;
    }
    const int h = Round(n / 2.0), r = n - h;
    const double m = (a + b) / 2.0;
    for (int j = 1; j <= h; ++j)
        v[inicio + h - j] =
            TUT_Math::InterpolaLog(j + 1, h, a, m) - TUT_Math::InterpolaLog(j, h, a, m);
    for (int j = 1; j <= r; ++j)
        v[inicio + h + j - 1] =
            TUT_Math::InterpolaLog(j + 1, r, m, b) - TUT_Math::InterpolaLog(j, r, m, b);
}

void TMalha::DisparaOnProgresso() {
    if (OnProgresso)
        OnProgresso(this);
}

void TMalha::DisparaOnDivisoes(int n) {
    if (OnDivisoes)
        OnDivisoes(this, n);
}

void TMalha::GeraDivisoesX(const TConfiguracaoMalha &c) {
    std::vector<double> xs;
    for (const auto &v : vertices_)
        xs.push_back(v->X);
    TVetor x = Distintos(xs);
    const int k = x.GetTamanho();
    divisoesX_ = std::make_unique<TVetor>();
    if (c.PorDmax) {
        for (int i = 1; i < k; ++i) {
            double l = x[i + 1] - x[i];
            int p = Round(l / c.Dmax);
            for (int j = 1; j < p; ++j)
                divisoesX_->Adiciona(c.Dmax);
            divisoesX_->Adiciona(p <= 1 ? l : l - (p - 1) * c.Dmax);
        }
    } else if (k > 1) {
        divisoesX_->Redimensiona((k - 1) * Nx);
        for (int i = 1; i < k; ++i) {
            if (c.Exponencial)
                DivisoesExponenciais(*divisoesX_, Nx, (i - 1) * Nx + 1, x[i], x[i + 1]);
            else
                DivisoesUniformes(*divisoesX_, Nx, (i - 1) * Nx + 1, x[i], x[i + 1]);
        }
    }
    DisparaOnDivisoes(divisoesX_->GetTamanho());
}

void TMalha::GeraDivisoesY(const TConfiguracaoMalha &c) {
    std::vector<double> ys;
    for (const auto &v : vertices_)
        ys.push_back(v->Y);
    TVetor y = Distintos(ys);
    const int k = y.GetTamanho();
    divisoesY_ = std::make_unique<TVetor>();
    if (c.PorDmax) {
        Ny = 1;
        double g = 1e100;
        for (int i = 1; i < k; ++i)
            g = std::min(g, y[i + 1] - y[i]);
        for (int i = 1; i < k; ++i) {
            double l = y[i + 1] - y[i];
            if (!(l / g <= 10 * kMaxDivisoes))
                throw EOverflow();
            int p = Round(l / g);
            for (int j = 1; j < p; ++j)
                divisoesY_->Adiciona(g);
            divisoesY_->Adiciona(l - (p - 1) * g);
        }
    } else {
        for (int i = 1; i < k; ++i)
            for (int j = 0; j < Ny; ++j)
                divisoesY_->Adiciona((y[i + 1] - y[i]) / Ny);
    }
}

void TMalha::EscalaDivisoesX(double f) {
    for (int i = 1; i <= divisoesX_->GetTamanho(); ++i)
        (*divisoesX_)[i] *= f;
}

void TMalha::AplicaEscala(double f) {
    for (auto &v : vertices_) {
        v->X *= f;
        v->Y *= f;
    }
    XMax_ *= f;
    YMax_ *= f;
    XMin_ *= f;
    YMin_ *= f;
    XCentro_ *= f;
    YCentro_ *= f;
}

TVetor TMalha::IntersecoesVerticais(double x) const {
    TVetor h;
    for (const auto &a : arestas_) {
        const double x1 = a->No1->X, y1 = a->No1->Y, x2 = a->No2->X, y2 = a->No2->Y;
        if (!TUT_Math::Entre(x, x1, x2))
            continue;
        if (!TUT_Math::IgualComTolerancia(x1, x2)) {
            double y = y1 + (y2 - y1) * (x - x1) / (x2 - x1);
            if (!h.Contem(y))
                h.Adiciona(y);
        } else {
            if (!h.Contem(y1))
                h.Adiciona(y1);
            if (!h.Contem(y2))
                h.Adiciona(y2);
        }
    }
    std::sort(h.Dados(), h.Dados() + h.GetTamanho());
    return h;
}

void TMalha::DiscretizaLinha(const TConfiguracaoMalha &c, const TVetor &alturas, double x,
                             int primeiroDaLinha) {
    const int m = alturas.GetTamanho();
    if (m == 1) {
        AdicionaNo(x, alturas[1]);
        return;
    }
    // Nodes of earlier lines lie at least one unit to the left: only this line can hold a node
    // at x, unless the coordinates are so large that the tolerance spans the gap.
    const int inicio = std::fabs(x) < 1e9 ? primeiroDaLinha : 1;
    auto existe = [&](double y) {
        for (int i = inicio; i <= GetNumNos(); ++i)
            if (nos_[std::size_t(i - 1)]->MesmaPosicao(x, y))
                return true;
        return false;
    };
    TVetor d;
    for (int i = 1; i < m; ++i) {
        const double y1 = alturas[i], y2 = alturas[i + 1], ym = (y1 + y2) / 2.0;
        if (PontoNaAresta(x, ym) || !PontoFora(x, ym)) {
            int n = Ny;
            if (!c.Exponencial && c.PorDmax) {
                double p = std::fabs(y2 - y1) * Escala / c.Dmax;
                if (!(p <= kMaxDivisoes))
                    throw EOverflow();
                n = std::max(1, Round(p));
            }
            d.Redimensiona(n);
            if (c.Exponencial)
                DivisoesExponenciais(d, n, 1, y1, y2);
            else
                DivisoesUniformes(d, n, 1, y1, y2);
            double pos = y1;
            if (!existe(pos))
                AdicionaNo(x, pos);
            for (int k = 1; k <= n; ++k) {
                pos += d[k];
                if (!existe(pos))
                    AdicionaNo(x, pos);
            }
        } else {
            if (!existe(y1) && ExisteVertice(x, y1))
                AdicionaNo(x, y1);
            if (i == m - 1 && !existe(y2) && ExisteVertice(x, y2))
                AdicionaNo(x, y2);
        }
    }
}

void TMalha::GeraMalha(const TConfiguracaoMalha &c) {
    CalculaLimites();
    LimpaMalha();
    const double lx = XMax_ - XMin_, ly = YMax_ - YMin_;
    if (vertices_.empty() || !(lx > 0.0) || !(ly > 0.0) || !std::isfinite(lx) ||
        !std::isfinite(ly)) {
        MostraErro(kErroDominio);
        return;
    }
    if (c.PorDmax ? !(c.Dmax > 0.0) || !std::isfinite(c.Dmax) : Nx < 1 || Ny < 1) {
        MostraErro(kErroConfiguracao);
        return;
    }
    std::vector<double> xs;
    for (const auto &v : vertices_)
        xs.push_back(v->X);
    std::sort(xs.begin(), xs.end());
    const double intervalos = double(std::unique(xs.begin(), xs.end()) - xs.begin() - 1);
    const double divisoes =
        c.PorDmax ? std::max(lx, ly) / c.Dmax : std::max(double(Nx) * intervalos, double(Ny));
    std::vector<double> ys;
    for (const auto &v : vertices_)
        ys.push_back(v->Y);
    std::sort(ys.begin(), ys.end());
    const double intervalosY = double(std::unique(ys.begin(), ys.end()) - ys.begin() - 1);
    // Grid columns times the nodes of one column.
    const double nos = c.PorDmax
                           ? (lx / c.Dmax + 1.0) * (ly / c.Dmax + 1.0)
                           : (double(Nx) * intervalos + 1.0) * (double(Ny) * intervalosY + 1.0);
    if (!(divisoes <= kMaxDivisoes) || !(nos <= kMaxNos)) {
        MostraErro(kErroDivisoes);
        return;
    }
    try {
        GeraTriangulos(c);
    } catch (const EMathError &) {
        // Divisions out of all proportion (vertices almost at the same height).
        LimpaMalha();
        MostraErro(kErroDivisoes);
    } catch (const EFaixaExtensa &) {
        LimpaMalha();
        MostraErro(kErroGeracao);
    } catch (const std::bad_alloc &) {
        LimpaMalha();
        MostraErro(kErroDivisoes);
    }
}

void TMalha::GeraTriangulos(const TConfiguracaoMalha &c) {
    GeraDivisoesY(c);
    GeraDivisoesX(c);
    if (divisoesX_->GetTamanho() == 0 || divisoesY_->GetTamanho() == 0)
        return;
    const double *dx = divisoesX_->Dados(), *dy = divisoesY_->Dados();
    Escala = std::min(*std::min_element(dx, dx + divisoesX_->GetTamanho()),
                      *std::min_element(dy, dy + divisoesY_->GetTamanho()));
    if (!(Escala > 0.0))
        return;

    // The domain and the divisions get their exact values back however the sweep ends.
    struct TRestaura {
        TMalha &m;
        std::vector<TNo> vertices;
        TVetor divisoes;
        double limites[6];
        ~TRestaura() {
            for (std::size_t i = 0; i < vertices.size(); ++i) {
                m.vertices_[i]->X = vertices[i].X;
                m.vertices_[i]->Y = vertices[i].Y;
            }
            if (m.divisoesX_)
                *m.divisoesX_ = divisoes;
            m.XMax_ = limites[0], m.YMax_ = limites[1], m.XMin_ = limites[2];
            m.YMin_ = limites[3], m.XCentro_ = limites[4], m.YCentro_ = limites[5];
        }
    } restaura{*this, {}, *divisoesX_, {XMax_, YMax_, XMin_, YMin_, XCentro_, YCentro_}};
    for (const auto &v : vertices_)
        restaura.vertices.push_back(*v);

    const double f = 1.0 / Escala;
    EscalaDivisoesX(f);
    AplicaEscala(f);

    // Grid lines are at least one unit apart now, so a line within a quarter of a unit of a
    // vertex abscissa is the one meant to fall on it: it is put exactly there, since the
    // divisions added up can miss it by a rounding error and an edge ending at that abscissa
    // would then not be cut.
    std::vector<double> xs;
    for (const auto &v : vertices_)
        xs.push_back(v->X);
    const TVetor abscissas = Distintos(xs);
    int proxima = 2;

    double x = XMin_;
    DiscretizaLinha(c, IntersecoesVerticais(x), x, 1);
    int primeiro = 1, ultimo = GetNumNos(), seguinte = GetNumNos() + 1, primeiroElemento = 1;
    const int passos = divisoesX_->GetTamanho();
    for (int k = 1; k <= passos; ++k) {
        try {
            x += (*divisoesX_)[k];
            if (proxima <= abscissas.GetTamanho() && std::fabs(x - abscissas[proxima]) < 0.25)
                x = abscissas[proxima++];
            DiscretizaLinha(c, IntersecoesVerticais(x), x, GetNumNos() + 1);
            const int c = GetNumNos();
            Delaunay(primeiro, ultimo, primeiroElemento);
            primeiro = seguinte;
            ultimo = c;
            seguinte = c + 1;
            primeiroElemento = GetNumElementos() + 1;
            DisparaOnProgresso();
        } catch (const std::exception &) {
            ShowMessage(kErroGeracao);
        }
    }
    for (auto &n : nos_) {
        n->X *= Escala;
        n->Y *= Escala;
    }
}
