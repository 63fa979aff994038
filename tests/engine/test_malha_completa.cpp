// Generated meshes cover their domain exactly: counter-clockwise triangles whose areas add up
// to the domain's area and no two of which overlap.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "TesteMalha.h"

namespace fs = std::filesystem;

namespace {

using TPontos = std::vector<std::pair<double, double>>;

std::unique_ptr<TMalha> Poligono(const TPontos &p, int nx, int ny, double dx = 0, double dy = 0) {
    auto m = std::make_unique<TMalha>(nx, ny);
    for (auto [x, y] : p)
        m->AdicionaVertice(x + dx, y + dy);
    const int n = int(p.size());
    for (int i = 1; i <= n; ++i)
        m->AdicionaArestaNos(i, i % n + 1);
    return m;
}

// Interiors of two triangles meet: no side of either leaves the other on its outer side.
bool Sobrepoem(const TPontoReal *a, const TPontoReal *b) {
    for (int passo = 0; passo < 2; ++passo) {
        const TPontoReal *p = passo ? b : a, *q = passo ? a : b;
        for (int s = 0; s < 3; ++s) {
            const TPontoReal &u = p[s], &v = p[(s + 1) % 3];
            const double dx = v.X - u.X, dy = v.Y - u.Y, tol = 1e-9 * (dx * dx + dy * dy);
            bool separa = true;
            for (int k = 0; k < 3 && separa; ++k)
                separa = dx * (q[k].Y - u.Y) - dy * (q[k].X - u.X) <= tol;
            if (separa)
                return false;
        }
    }
    return true;
}

// Checks every element and every pair of elements whose boxes share a cell of a grid.
void VerificaCobertura(const TMalha &m, const std::string &caso) {
    const int n = m.GetNumElementos();
    ASSERT_GT(n, 0) << caso;
    std::vector<std::array<TPontoReal, 3>> t(static_cast<std::size_t>(n));
    double area = 0, xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (int e = 1; e <= n; ++e) {
        const TElemento *el = m.GetElemento(e);
        ASSERT_EQ(el->GetN(), 3) << caso;
        ASSERT_GT(el->Area(), 0.0) << caso << ": element " << e << " not counter-clockwise";
        area += el->Area();
        for (int k = 0; k < 3; ++k) {
            t[std::size_t(e - 1)][std::size_t(k)] = el->GetNo(k + 1)->Ponto();
            xmin = std::min(xmin, el->GetNo(k + 1)->X), xmax = std::max(xmax, el->GetNo(k + 1)->X);
            ymin = std::min(ymin, el->GetNo(k + 1)->Y), ymax = std::max(ymax, el->GetNo(k + 1)->Y);
        }
    }
    const double esperada = AreaContorno(m);
    EXPECT_NEAR(area, esperada, 1e-9 * esperada) << caso;

    const int g = std::max(1, int(std::sqrt(n / 2.0)));
    const double lx = (xmax - xmin) / g * (1 + 1e-9) + 1e-300,
                 ly = (ymax - ymin) / g * (1 + 1e-9) + 1e-300;
    std::vector<std::vector<int>> celulas(std::size_t(g) * std::size_t(g));
    auto celula = [g](double v, double v0, double l) {
        return std::clamp(int((v - v0) / l), 0, g - 1);
    };
    std::vector<int> vizinhos;
    int sobrepostos = 0;
    for (int e = 0; e < n; ++e) {
        const auto &p = t[std::size_t(e)];
        const int i0 = celula(std::min({p[0].X, p[1].X, p[2].X}), xmin, lx),
                  i1 = celula(std::max({p[0].X, p[1].X, p[2].X}), xmin, lx),
                  j0 = celula(std::min({p[0].Y, p[1].Y, p[2].Y}), ymin, ly),
                  j1 = celula(std::max({p[0].Y, p[1].Y, p[2].Y}), ymin, ly);
        vizinhos.clear();
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                for (int o : celulas[std::size_t(i) * std::size_t(g) + std::size_t(j)])
                    vizinhos.push_back(o);
        std::sort(vizinhos.begin(), vizinhos.end());
        vizinhos.erase(std::unique(vizinhos.begin(), vizinhos.end()), vizinhos.end());
        for (int o : vizinhos)
            if (Sobrepoem(p.data(), t[std::size_t(o)].data()) && ++sobrepostos <= 3)
                ADD_FAILURE() << caso << ": elements " << o + 1 << " and " << e + 1 << " overlap";
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                celulas[std::size_t(i) * std::size_t(g) + std::size_t(j)].push_back(e);
    }
    EXPECT_EQ(sobrepostos, 0) << caso;
}

class MalhaCompleta : public TesteMalha {
protected:
    void Configura(bool porDmax, double dmax, bool exponencial) {
        cfg.PorDmax = porDmax;
        cfg.Dmax = dmax;
        cfg.Exponencial = exponencial;
    }
    TConfiguracaoMalha cfg;
};

const TPontos kEle = {{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 3}, {0, 3}};
const TPontos kEntalhe = {{0, 0}, {4, 0}, {4, 1}, {2, 1}, {2, 2}, {4, 2}, {4, 3}, {0, 3}};
const TPontos kBarragem = {{0, 0},  {42, 0}, {42, 1.5}, {36, 6},  {8, 50},
                           {0, 50}, {0, 44}, {-2, 40},  {-2, 0.5}};

// Star-shaped polygon around (2, 2) * escala: convex on a circle, otherwise with radii drawn
// from [0.4, 1]; vertices rounded to three decimals.
TPontos Aleatorio(std::mt19937 &g, int n, bool convexo, double escala) {
    std::uniform_real_distribution<double> u(0, 1);
    TPontos p;
    for (int i = 0; i < n; ++i) {
        const double a = (i + 0.45 * u(g)) * 2 * M_PI / n, r = convexo ? 1.0 : 0.4 + 0.6 * u(g);
        p.push_back({std::round(1000 * escala * (2 + r * std::cos(a))) / 1000,
                     std::round(1000 * escala * (2 + r * std::sin(a))) / 1000});
    }
    return p;
}

} // namespace

TEST_F(MalhaCompleta, RectanglesByMaximumDimension) {
    // A regular grid has four nodes on one circle in every cell; with steps like 0.1 the
    // scaled coordinates carry rounding and reach hundreds of units.
    for (double l : {1.0, 10.0, 25.0, 100.0, 0.01})
        for (double dmax : {0.05, 0.07, 0.1, 0.2, 0.3, 0.125})
            for (double lado : {1.0, 0.4}) {
                if (l * l * lado / (dmax * dmax) > 70000)
                    continue; // larger ones are timed in the benchmark
                Configura(true, dmax, false);
                auto m = Poligono({{0, 0}, {l, 0}, {l, l * lado}, {0, l * lado}}, 2, 2);
                m->GeraMalha(cfg);
                VerificaCobertura(*m, "L " + std::to_string(l) + " x " + std::to_string(lado) +
                                          " Dmax " + std::to_string(dmax));
            }
    // The first reported case: 15204 elements covering 76.02 of 100.
    Configura(true, 0.1, false);
    auto m = Poligono({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 2, 2);
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumElementos(), 20000);
    VerificaCobertura(*m, "10 by 0.1");
}

TEST_F(MalhaCompleta, RectanglesByDivisionsUniformAndGraded) {
    for (bool graduada : {false, true}) {
        for (int nx = 1; nx <= 30; ++nx)
            for (int ny = 1; ny <= 30; ny += (nx % 3 == 0 ? 1 : 7)) {
                Configura(false, 1, graduada);
                auto m = Poligono({{0, 0}, {3, 0}, {3, 2}, {0, 2}}, nx, ny);
                m->GeraMalha(cfg);
                VerificaCobertura(*m, "3x2 " + std::to_string(nx) + " " + std::to_string(ny) +
                                          (graduada ? " graded" : ""));
            }
        for (auto [w, h] : TPontos{{10, 3}, {25, 10}, {0.01, 0.02}, {100, 1}, {1, 100}})
            for (int nx : {1, 4, 7, 13, 20, 30})
                for (int ny : {1, 5, 11, 23, 30}) {
                    Configura(false, 1, graduada);
                    auto m = Poligono({{0, 0}, {w, 0}, {w, h}, {0, h}}, nx, ny);
                    m->GeraMalha(cfg);
                    VerificaCobertura(*m, std::to_string(w) + "x" + std::to_string(h) + " " +
                                              std::to_string(nx) + " " + std::to_string(ny) +
                                              (graduada ? " graded" : ""));
                }
    }
}

TEST_F(MalhaCompleta, ShapesAndExampleFiles) {
    // Also far from the origin, where the scaled coordinates are large.
    for (double desloca : {0.0, 1000.0}) {
        for (const auto &[nome, p] : std::vector<std::pair<std::string, TPontos>>{
                 {"L", kEle}, {"notch", kEntalhe}, {"dam", kBarragem}}) {
            const std::string caso = nome + (desloca > 0 ? " shifted" : "");
            for (int n : {1, 3, 8, 20})
                for (bool graduada : {false, true}) {
                    Configura(false, 1, graduada);
                    auto m = Poligono(p, n, n + 1, desloca, desloca / 2);
                    m->GeraMalha(cfg);
                    VerificaCobertura(*m,
                                      caso + " " + std::to_string(n) + (graduada ? " graded" : ""));
                }
            const double escala = nome == "dam" ? 10 : 1;
            for (double dmax : {0.3, 0.1, 0.05}) {
                Configura(true, dmax * escala, false);
                auto m = Poligono(p, 2, 2, desloca, desloca / 2);
                m->GeraMalha(cfg);
                VerificaCobertura(*m, caso + " Dmax " + std::to_string(dmax * escala));
            }
        }
    }
    const fs::path exemplos = DARV_EXEMPLOS;
    int arquivos = 0;
    for (const auto &entrada : fs::directory_iterator(exemplos)) {
        auto m = TMalha::CreateDeArquivo(entrada.path().string());
        for (int n : {1, 4, 13}) {
            m->Nx = m->Ny = n;
            for (bool graduada : {false, true}) {
                Configura(false, 1, graduada);
                m->GeraMalha(cfg);
                VerificaCobertura(*m, entrada.path().filename().string() + " " + std::to_string(n));
            }
        }
        for (double dmax : {1.0, 0.3, 0.1}) {
            Configura(true, dmax, false);
            m->GeraMalha(cfg);
            VerificaCobertura(*m,
                              entrada.path().filename().string() + " Dmax " + std::to_string(dmax));
        }
        ++arquivos;
    }
    EXPECT_EQ(arquivos, 3);
}

TEST_F(MalhaCompleta, RandomConvexAndNonConvexPolygons) {
    // Where a grid line crosses the domain more than once, a piece of the strip that starts
    // at a vertex has triangles whose circles reach nodes beyond the boundary.
    std::mt19937 g(2024);
    std::uniform_real_distribution<double> u(0, 1);
    for (int caso = 0; caso < 80; ++caso) {
        const bool convexo = caso % 2 == 0;
        const double escala = std::pow(10.0, caso % 4 - 1);
        const TPontos p = Aleatorio(g, 4 + caso % 9, convexo, escala);
        const std::string nome = "polygon " + std::to_string(caso) + (convexo ? " convex" : "");
        for (int n : {1, 3, 9})
            for (bool graduada : {false, true}) {
                Configura(false, 1, graduada);
                auto m = Poligono(p, n, n + 1);
                m->GeraMalha(cfg);
                VerificaCobertura(*m, nome + " " + std::to_string(n));
            }
        for (double f : {0.3, 0.08}) {
            Configura(true, f * escala, false);
            auto m = Poligono(p, 2, 2);
            m->GeraMalha(cfg);
            VerificaCobertura(*m, nome + " Dmax " + std::to_string(f * escala));
        }
    }
}
