#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

namespace {

// Records the messages the generator shows.
class TRegistro : public IMensagens {
public:
    bool Mostra(TTipoMensagem tipo, const std::string &t) override {
        tipos.push_back(tipo);
        textos.push_back(t);
        return true;
    }
    std::vector<TTipoMensagem> tipos;
    std::vector<std::string> textos;
};

// The generator with the exhaustive triangle search, as the reference of the fast one.
class TMalhaReferencia : public TMalha {
public:
    using TMalha::TMalha;
    bool referencia = true;

    void Delaunay(int primeiro, int ultimo, int primeiroElemento) override {
        if (!referencia) {
            TMalha::Delaunay(primeiro, ultimo, primeiroElemento);
            return;
        }
        const int n = GetNumNos();
        for (int i = primeiro; i <= ultimo; ++i)
            for (int j = i + 1; j <= n; ++j)
                for (int k = j + 1; k <= n; ++k) {
                    const double a = AreaTriangulo(i, j, k);
                    if (TUT_Math::IgualComTolerancia(0.0, a))
                        continue;
                    const TCirculo c = Circunferencia(i, j, k, a);
                    bool vazio = true;
                    for (int m = primeiro; m <= n && vazio; ++m)
                        if (m != i && m != j && m != k && NoDentro(c, m))
                            vazio = false;
                    if (!vazio)
                        continue;
                    bool conflito = false;
                    for (int e = primeiroElemento; e <= GetNumElementos() && !conflito; ++e)
                        conflito = ConflitaCom(*GetElemento(e), i, j, k);
                    if (conflito)
                        continue;
                    if (DentroDoDominio(i, j, k))
                        AdicionaElemento(i, j, k);
                }
    }

    // Direct access to one strip search, for windows built by hand.
    void Faixa(int primeiro, int ultimo, int primeiroElemento) {
        Delaunay(primeiro, ultimo, primeiroElemento);
    }
    // Node m inside the circle through nodes i, j, k, as the searches see it.
    bool Dentro(int i, int j, int k, int m) const {
        return NoDentro(Circunferencia(i, j, k, AreaTriangulo(i, j, k)), m);
    }
};

std::unique_ptr<TMalhaReferencia> Poligono(const std::vector<std::pair<double, double>> &p, int nx,
                                           int ny) {
    auto m = std::make_unique<TMalhaReferencia>(nx, ny);
    for (auto [x, y] : p)
        m->AdicionaVertice(x, y);
    int n = int(p.size());
    for (int i = 1; i <= n; ++i)
        m->AdicionaArestaNos(i, i % n + 1);
    return m;
}

std::unique_ptr<TMalhaReferencia> Retangulo(double l, double a, int nx, int ny) {
    return Poligono({{0, 0}, {l, 0}, {l, a}, {0, a}}, nx, ny);
}

double AreaMalha(const TMalha &m) {
    double s = 0;
    for (int e = 1; e <= m.GetNumElementos(); ++e)
        s += m.GetElemento(e)->Area();
    return s;
}

// Same nodes, same elements with the same node order, same boundary sides.
void EsperaIgual(const TMalha &a, const TMalha &b, const std::string &caso) {
    ASSERT_EQ(a.GetNumNos(), b.GetNumNos()) << caso;
    for (int i = 1; i <= a.GetNumNos(); ++i) {
        ASSERT_EQ(a.GetNo(i)->X, b.GetNo(i)->X) << caso;
        ASSERT_EQ(a.GetNo(i)->Y, b.GetNo(i)->Y) << caso;
    }
    ASSERT_EQ(a.GetNumElementos(), b.GetNumElementos()) << caso;
    for (int e = 1; e <= a.GetNumElementos(); ++e)
        for (int k = 1; k <= 3; ++k)
            ASSERT_EQ(a.GetElemento(e)->GetNo(k)->Numero, b.GetElemento(e)->GetNo(k)->Numero)
                << caso << " element " << e;
    for (int c = 1; c <= a.GetNumArestas(); ++c) {
        const TContorno *ca = a.GetContorno(c), *cb = b.GetContorno(c);
        ASSERT_EQ(ca->GetNumLados(), cb->GetNumLados()) << caso;
        for (int l = 1; l <= ca->GetNumLados(); ++l) {
            ASSERT_EQ(ca->GetLado(l)->No1->Numero, cb->GetLado(l)->No1->Numero) << caso;
            ASSERT_EQ(ca->GetLado(l)->No2->Numero, cb->GetLado(l)->No2->Numero) << caso;
            ASSERT_EQ(ca->GetLado(l)->Elemento->Numero, cb->GetLado(l)->Elemento->Numero) << caso;
        }
    }
}

// Meshes the domain with both searches and compares them; returns the fast mesh's element
// count.
int ComparaGeracao(const TConfiguracaoMalha &cfg, const std::vector<std::pair<double, double>> &p,
                   const std::vector<std::pair<int, int>> &internas, int nx, int ny,
                   const std::string &caso) {
    auto rapida = Poligono(p, nx, ny), lenta = Poligono(p, nx, ny);
    for (auto [a, b] : internas) {
        rapida->AdicionaAresta(a, b, true);
        lenta->AdicionaAresta(a, b, true);
    }
    rapida->referencia = false;
    rapida->GeraMalha(cfg);
    lenta->GeraMalha(cfg);
    EsperaIgual(*rapida, *lenta, caso);
    return rapida->GetNumElementos();
}

class Gerador : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        DefineMensagens(&registro);
    }
    void TearDown() override {
        DefineMensagens(nullptr);
        ReiniciaEstado();
    }
    TRegistro registro;
    TConfiguracaoMalha cfg;
};

} // namespace

TEST_F(Gerador, SmallRectangle) {
    auto m = Retangulo(2, 1, 2, 1);
    m->referencia = false;
    int divisoes = -1, progresso = 0;
    m->SetOnDivisoes([&](TMalha *, int n) { divisoes = n; });
    m->SetOnProgresso([&](TMalha *) { ++progresso; });
    m->GeraMalha(cfg);
    EXPECT_EQ(divisoes, 2);
    EXPECT_EQ(progresso, 2);
    ASSERT_EQ(m->GetNumNos(), 6);
    EXPECT_EQ(m->GetDivisaoX(1), 1.0);
    EXPECT_EQ(m->GetDivisaoX(2), 1.0);
    const double ys[] = {0, 1, 0, 1, 0, 1}, xs[] = {0, 0, 1, 1, 2, 2};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(m->GetNo(i)->X, xs[i - 1]);
        EXPECT_EQ(m->GetNo(i)->Y, ys[i - 1]);
    }
    ASSERT_EQ(m->GetNumElementos(), 4);
    const int esperado[4][3] = {{1, 3, 2}, {2, 3, 4}, {3, 5, 4}, {4, 5, 6}};
    for (int e = 0; e < 4; ++e)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(m->GetElemento(e + 1)->GetNo(k + 1)->Numero, esperado[e][k]);
    // Bottom edge: one side per column; left and right edges: one side each.
    EXPECT_EQ(m->GetContorno(1)->GetNumLados(), 2);
    EXPECT_EQ(m->GetContorno(2)->GetNumLados(), 1);
    EXPECT_EQ(m->GetContorno(3)->GetNumLados(), 2);
    EXPECT_EQ(m->GetContorno(4)->GetNumLados(), 1);
    EXPECT_TRUE(registro.textos.empty());

    // Generating again replaces the mesh.
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumElementos(), 4);
    EXPECT_EQ(m->GetContorno(1)->GetNumLados(), 2);
}

TEST_F(Gerador, FailedStepIsReportedAndTheSweepGoesOn) {
    auto m = Retangulo(3, 1, 3, 1);
    auto r = Retangulo(3, 1, 3, 1);
    m->referencia = false;
    for (auto *g : {m.get(), r.get()}) {
        int passos = 0;
        g->SetOnProgresso([&passos](TMalha *) {
            if (++passos == 1)
                throw EInOutError("progress window gone");
        });
        g->GeraMalha(cfg);
    }
    ASSERT_EQ(registro.textos.size(), 2u);
    EXPECT_EQ(registro.textos[0], "Erro : Geração de triângulos.");
    EXPECT_EQ(registro.tipos[0], TTipoMensagem::Informacao); // a plain message box
    // The first strip's triangles stay; its window was not advanced, so the second search
    // starts again from the first line (three lines: the exhaustive search).
    EsperaIgual(*m, *r, "failed step");
    EXPECT_EQ(m->GetNumElementos(), 6);
    EXPECT_EQ(m->GetNumNos(), 8);
}

TEST_F(Gerador, DivisionLaws) {
    TVetor v(5);
    TMalha::DivisoesExponenciais(v, 3, 2, 0, 1);
    const double m = 0.5;
    EXPECT_DOUBLE_EQ(v[2], m * (std::log(3.0) - std::log(2.0)) / std::log(3.0));
    EXPECT_DOUBLE_EQ(v[3], m * std::log(2.0) / std::log(3.0));
    EXPECT_DOUBLE_EQ(v[4], 1 - m);
    EXPECT_EQ(v[1], 0.0);
    EXPECT_EQ(v[5], 0.0);
    TMalha::DivisoesExponenciais(v, 4, 1, 2, 6); // halves of two parts each, symmetric
    EXPECT_DOUBLE_EQ(v[1] + v[2], 2.0);
    EXPECT_DOUBLE_EQ(v[1], v[4]);
    EXPECT_GT(v[2], v[1]); // larger towards the middle
    TMalha::DivisoesUniformes(v, 1, 5, 1, 4);
    EXPECT_EQ(v[5], 3.0);
    TMalha::DivisoesUniformes(v, 3, 1, 0, 1.5);
    EXPECT_EQ(v[3], 0.5);

    // Division by the maximum dimension: 2.5 Dmax gives p = 2 (half to even).
    cfg.PorDmax = true;
    cfg.Dmax = 1.0;
    auto r = Retangulo(2.5, 1, 2, 2);
    r->referencia = false;
    r->GeraMalha(cfg);
    ASSERT_EQ(r->GetDivisoesX()->GetTamanho(), 2);
    EXPECT_EQ(r->GetDivisaoX(1), 1.0);
    EXPECT_EQ(r->GetDivisaoX(2), 1.5);
    EXPECT_EQ(r->Ny, 1);
    EXPECT_NEAR(AreaMalha(*r), 2.5, 1e-12);
}

TEST_F(Gerador, GridLinesTouchingVerticesAndNotches) {
    // Diamond: the first and last grid lines touch it at one vertex each.
    auto d = Poligono({{0, 1}, {1, 0}, {2, 1}, {1, 2}}, 2, 2);
    d->referencia = false;
    d->GeraMalha(cfg);
    EXPECT_EQ(d->GetNo(1)->X, 0.0);
    EXPECT_EQ(d->GetNo(1)->Y, 1.0);
    EXPECT_EQ(d->GetNo(2)->X, 0.5); // one node only on the first line
    EXPECT_NEAR(AreaMalha(*d), 2.0, 1e-12);

    // Block 0..4 x 0..3 with a notch 2..4 x 1..2 cut into its right side.
    auto n = Poligono({{0, 0}, {4, 0}, {4, 1}, {2, 1}, {2, 2}, {4, 2}, {4, 3}, {0, 3}}, 2, 2);
    n->referencia = false;
    n->GeraMalha(cfg);
    for (int i = 1; i <= n->GetNumNos(); ++i) {
        const TNo *p = n->GetNo(i);
        EXPECT_FALSE(p->X > 2 && p->Y > 1 && p->Y < 2) << "node in the notch " << i;
    }
    EXPECT_NEAR(AreaMalha(*n), 10.0, 1e-12);
    for (int e = 1; e <= n->GetNumElementos(); ++e) {
        const TElemento *el = n->GetElemento(e);
        EXPECT_GT(el->Area(), 0);
        EXPECT_FALSE(n->PontoFora(el->XCentro(), el->YCentro()));
    }
    // The notch's vertical edge at x = 2 gets its own sides (its stretch is filled although
    // its midpoint is on the boundary).
    EXPECT_EQ(n->GetContorno(4)->GetNumLados(), 2);
}

TEST_F(Gerador, DomainIsKeptExactly) {
    auto m = Poligono({{0.1, 0.3}, {7.7, 0.3}, {7.7, 2.9}, {0.1, 2.9}}, 7, 3);
    m->referencia = false;
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetVertice(2)->X, 7.7);
    EXPECT_EQ(m->GetVertice(3)->Y, 2.9);
    EXPECT_EQ(m->GetXMax(), 7.7);
    EXPECT_EQ(m->GetYMin(), 0.3);
    EXPECT_NEAR(AreaMalha(*m), 7.6 * 2.6, 1e-9);
    EXPECT_NEAR(m->GetDivisaoX(1), 7.6 / 7, 1e-15);
}

TEST_F(Gerador, SettingsThatCannotMeshAreReported) {
    auto m = Retangulo(2, 1, 2, 2);
    cfg.PorDmax = true;
    cfg.Dmax = 0;
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumNos(), 0);
    cfg.Dmax = -1;
    m->GeraMalha(cfg);
    cfg.Dmax = 1e-9; // billions of divisions
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumNos(), 0);
    cfg.PorDmax = false;
    m->Nx = 0;
    m->GeraMalha(cfg);
    m->Nx = 2;
    m->Ny = -1;
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumNos(), 0);
    ASSERT_EQ(registro.textos.size(), 5u);

    TMalha vazia;
    vazia.GeraMalha(cfg);
    auto linha = Poligono({{0, 0}, {1, 0}}, 2, 2);
    linha->GeraMalha(cfg);
    EXPECT_EQ(linha->GetNumNos(), 0);
    EXPECT_EQ(registro.textos.size(), 7u);
}

TEST_F(Gerador, MeshesOfMillionsOfNodesAreRefusedAtOnce) {
    // A unit square by a maximum dimension of 3e-4 or 1e-5, or by 2500 divisions each way.
    auto m = Retangulo(1, 1, 2, 2);
    cfg.PorDmax = true;
    for (double dmax : {3e-4, 1e-5}) {
        cfg.Dmax = dmax;
        m->GeraMalha(cfg);
        EXPECT_EQ(m->GetNumNos(), 0) << dmax;
    }
    cfg.PorDmax = false;
    m->Nx = m->Ny = 2500;
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumNos(), 0);
    ASSERT_EQ(registro.textos.size(), 3u);
    for (const std::string &t : registro.textos)
        EXPECT_EQ(t, "Erro : Divisões demais para gerar a malha.");
    // Well below the bound the mesh is made.
    m->Nx = m->Ny = 40;
    m->GeraMalha(cfg);
    EXPECT_EQ(m->GetNumNos(), 41 * 41);
}

TEST_F(Gerador, FastSearchEqualsExhaustiveOnRectangles) {
    for (int nx = 1; nx <= 50; ++nx)
        for (int ny : {1, 2, 3, 7})
            ComparaGeracao(cfg, {{0, 0}, {3, 0}, {3, 2}, {0, 2}}, {}, nx, ny,
                           "rect " + std::to_string(nx) + "x" + std::to_string(ny));
    for (int ny = 1; ny <= 50; ++ny)
        for (int nx : {1, 2, 5})
            ComparaGeracao(cfg, {{0, 0}, {3, 0}, {3, 2}, {0, 2}}, {}, nx, ny,
                           "rect " + std::to_string(nx) + "x" + std::to_string(ny));
    for (int n : {10, 20, 35, 50})
        EXPECT_EQ(ComparaGeracao(cfg, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {}, n, n,
                                 "square " + std::to_string(n)),
                  2 * n * n);
}

TEST_F(Gerador, FastSearchEqualsExhaustiveOnShapes) {
    const std::vector<std::pair<double, double>>
        ele = {{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 3}, {0, 3}},
        entalhe = {{0, 0}, {4, 0}, {4, 1}, {2, 1}, {2, 2}, {4, 2}, {4, 3}, {0, 3}},
        inclinado = {{0, 0}, {5, 1}, {6, 4}, {2, 5}, {-1, 3}},
        barragem = {{0, 0}, {30, 0}, {30, 2}, {8, 40}, {4, 40}, {4, 36}, {0, 30}};
    for (auto [nx, ny] : std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 5}, {6, 4}, {9, 9}}) {
        std::string t = " ";
        t += std::to_string(nx) + "x" + std::to_string(ny);
        ComparaGeracao(cfg, ele, {}, nx, ny, "L" + t);
        ComparaGeracao(cfg, entalhe, {}, nx, ny, "notch" + t);
        ComparaGeracao(cfg, inclinado, {}, nx, ny, "slanted" + t);
        ComparaGeracao(cfg, barragem, {}, nx, ny, "dam" + t);
    }
    // Interior edges: a block on a foundation, and a vertical cut.
    const std::vector<std::pair<double, double>> fundacao = {{0, 0}, {10, 0}, {10, 3}, {7, 3},
                                                             {7, 8}, {3, 8},  {3, 3},  {0, 3}};
    for (int n : {1, 2, 4, 7}) {
        ComparaGeracao(cfg, fundacao, {{4, 7}}, n, n, "foundation " + std::to_string(n));
        ComparaGeracao(cfg, {{0, 0}, {2, 0}, {4, 0}, {4, 2}, {2, 2}, {0, 2}}, {{2, 5}}, n, n + 1,
                       "cut " + std::to_string(n));
    }
    // Graded and by maximum dimension.
    cfg.Exponencial = true;
    for (int n : {1, 2, 3, 5, 8, 12}) {
        ComparaGeracao(cfg, entalhe, {}, n, n, "graded notch " + std::to_string(n));
        ComparaGeracao(cfg, barragem, {}, n, n, "graded dam " + std::to_string(n));
        ComparaGeracao(cfg, {{0, 0}, {3, 0}, {3, 2}, {0, 2}}, {}, n, n + 3,
                       "graded rect " + std::to_string(n));
    }
    cfg.Exponencial = false;
    cfg.PorDmax = true;
    for (double dmax : {2.0, 1.0, 0.7, 0.45, 0.3}) {
        ComparaGeracao(cfg, entalhe, {}, 2, 2, "dmax notch " + std::to_string(dmax));
        ComparaGeracao(cfg, inclinado, {}, 2, 2, "dmax slanted " + std::to_string(dmax));
        ComparaGeracao(cfg, fundacao, {{4, 7}}, 2, 2, "dmax foundation " + std::to_string(dmax));
        cfg.Dmax = dmax * 4;
        ComparaGeracao(cfg, barragem, {}, 2, 2, "dmax dam " + std::to_string(dmax));
        cfg.Dmax = dmax;
    }
}

TEST_F(Gerador, FastSearchEqualsExhaustiveOnNearlyCocircularNodes) {
    // Two hand-made grid lines whose nodes sit on a regular grid shaken by amounts around the
    // tolerance of the circle test and the rounding of its formula.
    std::mt19937 gerador(12345);
    int comparados = 0;
    for (double ruido : {0.0, 1e-13, 1e-11, 1e-10, 3e-10, 1e-9, 1e-7, 1e-4, 0.1, 0.45}) {
        for (int caso = 0; caso < 12; ++caso) {
            std::uniform_real_distribution<double> u(-ruido, ruido);
            const double x0 = 3.0 + caso * 17.0, h = 1.0 + caso % 3;
            const int p = 2 + caso % 7, q = 2 + (caso * 5) % 9;
            TMalhaReferencia a, b;
            for (auto *m : {&a, &b}) {
                m->AdicionaVertice(x0 - 1, -50);
                m->AdicionaVertice(x0 + 10, -50);
                m->AdicionaVertice(x0 + 10, 50);
                m->AdicionaVertice(x0 - 1, 50);
                for (int i = 1; i <= 4; ++i)
                    m->AdicionaArestaNos(i, i % 4 + 1);
            }
            std::vector<double> y0, y1;
            for (int i = 0; i < p; ++i)
                y0.push_back(i * 2.0 / (p - 1) * (q - 1) + u(gerador));
            for (int i = 0; i < q; ++i)
                y1.push_back(i * 2.0 + u(gerador));
            std::sort(y0.begin(), y0.end());
            std::sort(y1.begin(), y1.end());
            for (auto *m : {&a, &b}) {
                for (double y : y0)
                    m->AdicionaNo(x0, y);
                for (double y : y1)
                    m->AdicionaNo(x0 + h, y);
            }
            b.referencia = false;
            a.Faixa(1, p, 1);
            b.Faixa(1, p, 1);
            EsperaIgual(a, b, "noise " + std::to_string(ruido) + " case " + std::to_string(caso));
            ++comparados;
        }
    }
    EXPECT_EQ(comparados, 120);

    // Windows the fast search leaves to the exhaustive one: three grid lines, and two nodes at
    // one position.
    for (int caso = 0; caso < 2; ++caso) {
        TMalhaReferencia a, b;
        for (auto *m : {&a, &b}) {
            for (auto [x, y] :
                 std::vector<std::pair<double, double>>{{-1, -1}, {5, -1}, {5, 9}, {-1, 9}})
                m->AdicionaVertice(x, y);
            for (int i = 1; i <= 4; ++i)
                m->AdicionaArestaNos(i, i % 4 + 1);
            for (int l = 0; l < 3; ++l)
                for (int y = 0; y < 4; ++y)
                    m->AdicionaNo(l * 1.5, y * (1.0 + 0.1 * l));
            if (caso == 1)
                m->AdicionaNo(3.0, 0.0);
        }
        b.referencia = false;
        a.Faixa(1, 4, 1);
        b.Faixa(1, 4, 1);
        EsperaIgual(a, b, "fallback " + std::to_string(caso));
        EXPECT_EQ(b.GetNumElementos(), 6); // only triangles with a node on the first line
    }
}

TEST_F(Gerador, GridLinesFallExactlyOnVertexAbscissas) {
    // Triangles pointing right: the divisions of the interval, added up, miss the apex abscissa
    // by a rounding error, and the last grid line must still reach the apex.
    struct TCaso {
        double x0, l, h;
        int nx, ny;
        bool porDmax;
        double dmax;
    };
    for (const TCaso &t :
         {TCaso{12.83, 9.95, 9.49, 1, 1, false, 0}, TCaso{8.7, 8.4, 19.73, 8, 4, false, 0},
          TCaso{15.51, 15.94, 10.47, 4, 1, true, 1.05}}) {
        cfg.PorDmax = t.porDmax;
        cfg.Dmax = t.dmax;
        auto m = Poligono({{t.x0, 0}, {t.x0 + t.l, t.h / 2}, {t.x0, t.h}}, t.nx, t.ny);
        m->referencia = false;
        m->GeraMalha(cfg);
        const std::string caso = std::to_string(t.x0) + " " + std::to_string(t.nx);
        const TNo *ultimo = m->GetNo(m->GetNumNos());
        EXPECT_TRUE(ultimo->MesmaPosicao(t.x0 + t.l, t.h / 2)) << caso;
        EXPECT_NEAR(AreaMalha(*m), t.l * t.h / 2, 1e-9 * t.l * t.h) << caso;
        // Both slanted edges are covered by element sides up to the apex.
        for (int a : {1, 2}) {
            double l = 0;
            for (int k = 1; k <= m->GetContorno(a)->GetNumLados(); ++k)
                l += m->GetContorno(a)->GetLado(k)->Comprimento();
            EXPECT_NEAR(l, m->GetAresta(a)->Comprimento(), 1e-9) << caso << " edge " << a;
        }
    }
}

TEST_F(Gerador, FourNodesOnACircleNeverRejectEveryTriangle) {
    // Cells of a grid whose steps carry rounding, at coordinates up to thousands of steps:
    // each triangle of a cell has the fourth node on its circle, never inside.
    const double passoX = 1.0000000000000036, passoY = 1.000000000000004;
    int celulas = 0;
    for (int coluna : {0, 7, 99, 800, 2999})
        for (int linha : {0, 1, 96, 97, 555, 1999, 2998}) {
            TMalhaReferencia m;
            const double x0 = coluna * passoX, y0 = linha * passoY;
            m.AdicionaNo(x0, y0);
            m.AdicionaNo(x0, y0 + passoY);
            m.AdicionaNo(x0 + passoX, y0);
            m.AdicionaNo(x0 + passoX, y0 + passoY);
            const int t[4][4] = {{1, 2, 3, 4}, {1, 2, 4, 3}, {1, 3, 4, 2}, {2, 3, 4, 1}};
            for (const auto &q : t)
                EXPECT_FALSE(m.Dentro(q[0], q[1], q[2], q[3]))
                    << "cell " << coluna << " " << linha << " triangle " << q[0] << q[1] << q[2];
            ++celulas;
        }
    EXPECT_EQ(celulas, 35);

    // Clearly inside, also far from the origin and in a long thin cell.
    for (double x0 : {0.0, 1e5}) {
        TMalhaReferencia m;
        m.AdicionaNo(x0, 0);
        m.AdicionaNo(x0, 1);
        m.AdicionaNo(x0 + 3000, 0);
        m.AdicionaNo(x0 + 3000, 1);
        m.AdicionaNo(x0 + 3000, 0.5);
        EXPECT_FALSE(m.Dentro(1, 2, 3, 4)) << x0; // on the circle
        EXPECT_TRUE(m.Dentro(1, 2, 3, 5)) << x0;  // 2 units inside in power
        EXPECT_FALSE(m.Dentro(1, 2, 5, 3)) << x0;
    }
}

TEST_F(Gerador, NodesBeyondADomainEdgeDoNotCount) {
    // Triangle (0,0), (0,1), (1,3) has (1,0.5) inside its circle; an edge at x = 0.6 lies
    // between that node and the triangle.
    for (int caso = 0; caso < 3; ++caso) {
        TMalhaReferencia m;
        m.AdicionaVertice(0.6, -1);
        m.AdicionaVertice(0.6, 1.2);
        m.AdicionaAresta(1, 2, caso > 0);
        m.SetConsideraInternas(caso == 2);
        m.AdicionaNo(0, 0);
        m.AdicionaNo(0, 1);
        m.AdicionaNo(1, 3);
        m.AdicionaNo(1, 0.5);
        // A domain edge cuts the node off; an interior edge only when the mesh counts them.
        EXPECT_EQ(m.Dentro(1, 2, 3, 4), caso == 1) << caso;
    }
}

TEST_F(Gerador, FastSearchEqualsExhaustiveOnPolygonsAndShiftedDomains) {
    // Star-shaped polygons, convex and not: strips that a grid line crosses more than once.
    std::mt19937 gerador(77);
    std::uniform_real_distribution<double> u(0, 1);
    int nao_convexos = 0;
    for (int caso = 0; caso < 40; ++caso) {
        const bool convexo = caso % 3 == 0;
        const int nv = 4 + caso % 8;
        std::vector<std::pair<double, double>> p;
        for (int i = 0; i < nv; ++i) {
            const double a = (i + 0.45 * u(gerador)) * 2 * M_PI / nv,
                         r = convexo ? 1.0 : 0.4 + 0.6 * u(gerador);
            p.push_back({std::round(10000 * (2 + r * std::cos(a))) / 1000,
                         std::round(10000 * (2 + r * std::sin(a))) / 1000});
        }
        nao_convexos += !convexo;
        for (int n : {1, 2, 4})
            ComparaGeracao(cfg, p, {}, n, n + 1, "polygon " + std::to_string(caso));
        cfg.PorDmax = true;
        cfg.Dmax = 2.0;
        ComparaGeracao(cfg, p, {}, 2, 2, "polygon by Dmax " + std::to_string(caso));
        cfg.PorDmax = false;
    }
    EXPECT_GT(nao_convexos, 20);
    // Domains far from the origin and grids whose steps carry rounding.
    const std::vector<std::pair<double, double>> entalhe = {{1000, 500}, {1004, 500}, {1004, 501},
                                                            {1002, 501}, {1002, 502}, {1004, 502},
                                                            {1004, 503}, {1000, 503}};
    for (int n : {2, 5})
        ComparaGeracao(cfg, entalhe, {}, n, n, "shifted notch " + std::to_string(n));
    cfg.PorDmax = true;
    for (double dmax : {0.3, 0.1, 0.07}) {
        cfg.Dmax = dmax;
        auto rapida = Poligono({{0, 0}, {3.1, 0}, {3.1, 2.9}, {0, 2.9}}, 1, 1),
             lenta = Poligono({{0, 0}, {3.1, 0}, {3.1, 2.9}, {0, 2.9}}, 1, 1);
        rapida->referencia = false;
        rapida->GeraMalha(cfg);
        lenta->GeraMalha(cfg);
        EsperaIgual(*rapida, *lenta, "rect by Dmax " + std::to_string(dmax));
        EXPECT_NEAR(AreaMalha(*rapida), 3.1 * 2.9, 1e-9) << dmax;
    }
}
