#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"

#include "PastaTeste.h"
#include "support_analise.h"

namespace {

using TSegmento = std::tuple<double, double, double, double>;

// Edges of a mesh as unordered pairs of end positions.
std::set<TSegmento> Arestas(const TMalha &m) {
    std::set<TSegmento> s;
    for (int i = 1; i <= m.GetNumArestas(); ++i) {
        const TAresta *a = m.GetAresta(i);
        TSegmento p{a->No1->X, a->No1->Y, a->No2->X, a->No2->Y};
        TSegmento q{a->No2->X, a->No2->Y, a->No1->X, a->No1->Y};
        s.insert(std::min(p, q));
    }
    return s;
}

std::set<TSegmento> Segmentos(std::initializer_list<TSegmento> l) {
    std::set<TSegmento> s;
    for (auto [x1, y1, x2, y2] : l)
        s.insert(std::min(TSegmento{x1, y1, x2, y2}, TSegmento{x2, y2, x1, y1}));
    return s;
}

TVetor Elevacoes(std::initializer_list<double> l) {
    TVetor v;
    for (double e : l)
        v.Adiciona(e);
    return v;
}

class Camadas : public TesteComPasta {
protected:
    // The rectangle 0..2 x 0..3 as one subdomain cut at 1, 2 and 3.
    std::unique_ptr<TCamadas> Retangulo(bool fixo) {
        sub_ = Poligono({{0, 0}, {2, 0}, {2, 3}, {0, 3}}, fixo);
        auto c = std::make_unique<TCamadas>(*sub_->GetMalha(), Elevacoes({1, 2, 3}));
        c->DefineCamadas({sub_.get()});
        return c;
    }

    std::unique_ptr<TDominio> sub_;
};

const std::set<TSegmento> kPerimetro = Segmentos({{0, 0, 2, 0},
                                                  {2, 0, 2, 1},
                                                  {2, 1, 2, 2},
                                                  {2, 2, 2, 3},
                                                  {2, 3, 0, 3},
                                                  {0, 3, 0, 2},
                                                  {0, 2, 0, 1},
                                                  {0, 1, 0, 0}});

} // namespace

TEST_F(Camadas, RectangleNotFixedGrowsStageByStage) {
    auto c = Retangulo(false);
    ASSERT_EQ(c->GetNumEtapas(), 3);
    ASSERT_EQ(c->GetNumZonas(), 1);
    // The zone is cut at 1 and 2 (3 is its top): two interior, ignored cut lines.
    const TMalha &z = *c->GetSubDominio(1)->GetMalha();
    EXPECT_EQ(z.GetNumVertices(), 8);
    int cortes = 0;
    for (int i = 1; i <= z.GetNumArestas(); ++i)
        if (z.GetAresta(i)->Interna) {
            ++cortes;
            EXPECT_TRUE(z.GetAresta(i)->Ignorada);
        }
    EXPECT_EQ(cortes, 2);
    EXPECT_FALSE(c->GetSubDominio(1)->Fixo);

    EXPECT_EQ(Arestas(*c->GetEtapa(1)->GetMalha()),
              Segmentos({{0, 0, 2, 0}, {2, 0, 2, 1}, {2, 1, 0, 1}, {0, 1, 0, 0}}));
    EXPECT_EQ(
        Arestas(*c->GetEtapa(2)->GetMalha()),
        Segmentos(
            {{0, 0, 2, 0}, {2, 0, 2, 1}, {2, 1, 2, 2}, {2, 2, 0, 2}, {0, 2, 0, 1}, {0, 1, 0, 0}}));
    EXPECT_EQ(Arestas(*c->GetEtapa(3)->GetMalha()), kPerimetro);
    for (int k = 1; k <= 3; ++k) {
        const TMalha &m = *c->GetEtapa(k)->GetMalha();
        EXPECT_EQ(m.GetYMax(), double(k));
        EXPECT_EQ(m.GetNumNos(), 0); // outline only, no mesh yet
        for (int i = 1; i <= m.GetNumArestas(); ++i)
            EXPECT_FALSE(m.GetAresta(i)->Interna || m.GetAresta(i)->Ignorada);
    }
}

TEST_F(Camadas, FixedRectangleIsWholeInEveryStage) {
    auto c = Retangulo(true);
    for (int k = 1; k <= 3; ++k) {
        const TMalha &m = *c->GetEtapa(k)->GetMalha();
        const auto a = Arestas(m);
        EXPECT_TRUE(std::includes(a.begin(), a.end(), kPerimetro.begin(), kPerimetro.end())) << k;
        EXPECT_EQ(m.GetYMax(), 3.0);
        EXPECT_FALSE(m.PontoFora(1.0, 2.5)) << k;
    }
    EXPECT_EQ(Arestas(*c->GetEtapa(3)->GetMalha()), kPerimetro);
}

TEST_F(Camadas, SideBySideSubdomainsShareTheirEdge) {
    auto a = Poligono({{0, 0}, {1, 0}, {1, 2}, {0, 2}}, false);
    auto b = Poligono({{1, 0}, {2, 0}, {2, 2}, {1, 2}}, false);
    TMalha todo;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {2.0, 0.0}, {2.0, 2.0}, {0.0, 2.0}})
        todo.AdicionaVertice(x, y);
    TCamadas c(todo, Elevacoes({1, 2}));
    c.DefineCamadas({a.get(), b.get()});
    ASSERT_EQ(c.GetNumZonas(), 2);
    EXPECT_EQ(
        Arestas(*c.GetEtapa(1)->GetMalha()),
        Segmentos(
            {{0, 0, 1, 0}, {1, 0, 2, 0}, {2, 0, 2, 1}, {2, 1, 1, 1}, {1, 1, 0, 1}, {0, 1, 0, 0}}));
    EXPECT_EQ(Arestas(*c.GetEtapa(2)->GetMalha()), Segmentos({{0, 0, 1, 0},
                                                              {1, 0, 2, 0},
                                                              {2, 0, 2, 1},
                                                              {2, 1, 2, 2},
                                                              {2, 2, 1, 2},
                                                              {1, 2, 0, 2},
                                                              {0, 2, 0, 1},
                                                              {0, 1, 0, 0}}));
    // The shared vertex positions are merged in the outline.
    EXPECT_EQ(c.GetEtapa(2)->GetMalha()->GetNumVertices(), 8);
}

namespace {

// Outline of the lower block 0..10 x 0..2, and of both blocks (sides split at 2).
const std::set<TSegmento> kBlocoInferior =
    Segmentos({{0, 0, 10, 0}, {10, 0, 10, 2}, {10, 2, 0, 2}, {0, 2, 0, 0}});
const std::set<TSegmento> kBlocos = Segmentos(
    {{0, 0, 10, 0}, {10, 0, 10, 2}, {10, 2, 10, 4}, {10, 4, 0, 4}, {0, 4, 0, 2}, {0, 2, 0, 0}});

double AreaMalha(const TMalha &m) {
    double a = 0.0;
    for (int i = 1; i <= m.GetNumElementos(); ++i)
        a += m.GetElemento(i)->Area();
    return a;
}

} // namespace

TEST_F(Camadas, StackedSubdomainsMeetingAtAnElevation) {
    // Lower block 0..2 and upper block 2..4, elevations 2 and 4, listed in both orders and
    // with every combination of the fixed flags.
    for (bool inferiorFixo : {false, true})
        for (bool superiorFixo : {false, true})
            for (bool inferiorPrimeiro : {true, false}) {
                SCOPED_TRACE(::testing::Message()
                             << "lower fixed " << inferiorFixo << ", upper fixed " << superiorFixo
                             << ", lower first " << inferiorPrimeiro);
                auto baixo = Poligono({{0, 0}, {10, 0}, {10, 2}, {0, 2}}, inferiorFixo);
                auto cima = Poligono({{0, 2}, {10, 2}, {10, 4}, {0, 4}}, superiorFixo);
                auto todo = Poligono({{0, 0}, {10, 0}, {10, 4}, {0, 4}}, true);
                TCamadas c(*todo->GetMalha(), Elevacoes({2, 4}));
                if (inferiorPrimeiro)
                    c.DefineCamadas({baixo.get(), cima.get()});
                else
                    c.DefineCamadas({cima.get(), baixo.get()});
                c.SetNx(4);
                c.SetNy(4);
                // The tallest zone, when fixed, is there whole from the first stage.
                const bool inteiro = superiorFixo;
                EXPECT_EQ(Arestas(*c.GetEtapa(1)->GetMalha()), inteiro ? kBlocos : kBlocoInferior);
                EXPECT_EQ(Arestas(*c.GetEtapa(2)->GetMalha()), kBlocos);
                for (int k = 1; k <= 2; ++k) {
                    c.SalvaMalhaEtapa(k, TConfiguracaoMalha());
                    const double area = (k == 2 || inteiro) ? 40.0 : 20.0;
                    EXPECT_NEAR(AreaMalha(*c.GetEtapa(k)->GetMalha()), area, 1e-9) << k;
                }
            }
}

TEST_F(Camadas, FixedZoneBelowTheTopIsWholeInEveryStage) {
    // Ground 0..2 x 0..2 (fixed) beside a wall 2..4 x 0..4 built in layers of 1.
    for (bool chaoPrimeiro : {true, false}) {
        SCOPED_TRACE(chaoPrimeiro);
        auto chao = Poligono({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true);
        auto muro = Poligono({{2, 0}, {4, 0}, {4, 4}, {2, 4}}, false);
        auto todo = Poligono({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, true);
        TCamadas c(*todo->GetMalha(), Elevacoes({1, 2, 3, 4}));
        if (chaoPrimeiro)
            c.DefineCamadas({chao.get(), muro.get()});
        else
            c.DefineCamadas({muro.get(), chao.get()});
        c.SetNx(4);
        c.SetNy(4);
        for (int k = 1; k <= 4; ++k) {
            const TMalha &m = *c.GetEtapa(k)->GetMalha();
            EXPECT_FALSE(m.PontoFora(1.0, 1.5)) << k;
            EXPECT_EQ(m.PontoFora(3.0, 2.5), k < 3) << k;
            c.SalvaMalhaEtapa(k, TConfiguracaoMalha());
            EXPECT_NEAR(AreaMalha(*c.GetEtapa(k)->GetMalha()), 4.0 + 2.0 * k, 1e-9) << k;
        }
    }
}

TEST_F(Camadas, SideBySideZonesWithAFixedOne) {
    // Zones 0..2 and 2..4 x 0..2, elevations 1 and 2: the edge the zones share above the first
    // elevation is inside the stage only when both zones are there whole.
    for (bool esquerdaFixa : {false, true})
        for (bool direitaFixa : {false, true})
            for (bool esquerdaPrimeiro : {true, false}) {
                SCOPED_TRACE(::testing::Message()
                             << "left fixed " << esquerdaFixa << ", right fixed " << direitaFixa
                             << ", left first " << esquerdaPrimeiro);
                auto esq = Poligono({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, esquerdaFixa);
                auto dir = Poligono({{2, 0}, {4, 0}, {4, 2}, {2, 2}}, direitaFixa);
                auto todo = Poligono({{0, 0}, {4, 0}, {4, 2}, {0, 2}}, true);
                TCamadas c(*todo->GetMalha(), Elevacoes({1, 2}));
                if (esquerdaPrimeiro)
                    c.DefineCamadas({esq.get(), dir.get()});
                else
                    c.DefineCamadas({dir.get(), esq.get()});
                c.SetNx(4);
                c.SetNy(4);
                const double area1 = 4.0 + 2.0 * (esquerdaFixa + direitaFixa);
                const bool parede = esquerdaFixa != direitaFixa;
                const auto a1 = Arestas(*c.GetEtapa(1)->GetMalha());
                EXPECT_EQ(a1.count(TSegmento{2, 1, 2, 2}), parede ? 1u : 0u);
                c.SalvaMalhaEtapa(1, TConfiguracaoMalha());
                EXPECT_NEAR(AreaMalha(*c.GetEtapa(1)->GetMalha()), area1, 1e-9);
                c.SalvaMalhaEtapa(2, TConfiguracaoMalha());
                EXPECT_NEAR(AreaMalha(*c.GetEtapa(2)->GetMalha()), 8.0, 1e-9);
            }
}

TEST_F(Camadas, EventsAndLayerOfAnElevation) {
    auto a = Poligono({{0, 0}, {1, 0}, {1, 3}, {0, 3}}, true);
    auto b = Poligono({{1, 0}, {2, 0}, {2, 3}, {1, 3}}, true);
    TCamadas c(*a->GetMalha(), Elevacoes({1, 2, 3}));
    int inicio = -1, progresso = 0;
    c.SetOnInicio([&](int n) { inicio = n; });
    c.SetOnProgresso([&](TCamadas *s) {
        EXPECT_EQ(s, &c);
        ++progresso;
    });
    c.DefineCamadas({a.get(), b.get()});
    EXPECT_EQ(inicio, 8);
    EXPECT_EQ(progresso, 8);

    EXPECT_EQ(c.CamadaDaElevacao(0.5), 1);
    EXPECT_EQ(c.CamadaDaElevacao(1.0 + 1e-11), 1);
    EXPECT_EQ(c.CamadaDaElevacao(1.5), 2);
    EXPECT_EQ(c.CamadaDaElevacao(2.0), 2); // the first interval that holds it
    EXPECT_EQ(c.CamadaDaElevacao(2.5), 3);
    EXPECT_EQ(c.CamadaDaElevacao(3.0), 3);
    EXPECT_EQ(c.CamadaDaElevacao(3.5), 1); // above the last elevation

    c.SetNx(5);
    c.SetNy(7);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(c.GetEtapa(k)->GetMalha()->Nx, 5);
        EXPECT_EQ(c.GetEtapa(k)->GetMalha()->Ny, 7);
    }
}

TEST_F(Camadas, StageMeshesAreStoredAndLoadedOneAtATime) {
    auto c = Retangulo(false);
    c->SetNx(2);
    c->SetNy(2);
    std::vector<int> nos(4), elementos(4);
    for (int k = 1; k <= 3; ++k) {
        c->SalvaMalhaEtapa(k, TConfiguracaoMalha());
        const TDominio &e = *c->GetEtapa(k);
        nos[std::size_t(k)] = e.GetMalha()->GetNumNos();
        elementos[std::size_t(k)] = e.GetMalha()->GetNumElementos();
        EXPECT_GT(elementos[std::size_t(k)], 0);
        EXPECT_EQ(e.GetNumElementos(), elementos[std::size_t(k)]);
        EXPECT_TRUE(std::filesystem::exists(pasta_ / ("MalhaEtapa" + std::to_string(k) + ".res")));
    }
    EXPECT_LT(nos[1], nos[2]);
    EXPECT_LT(nos[2], nos[3]);

    c->CarregaMalhaEtapa(2);
    for (int k : {1, 3}) {
        EXPECT_EQ(c->GetEtapa(k)->GetMalha()->GetNumNos(), 0);
        EXPECT_EQ(c->GetEtapa(k)->GetMalha()->GetNumElementos(), 0);
        EXPECT_EQ(c->GetEtapa(k)->GetNumElementos(), 0);
    }
    const TDominio &e2 = *c->GetEtapa(2);
    EXPECT_EQ(e2.GetMalha()->GetNumNos(), nos[2]);
    EXPECT_EQ(e2.GetNumElementos(), elementos[2]);
    EXPECT_EQ(e2.GetMalha()->GetNumArestas(), 6); // the stage's domain edges stay

    c->LeMalhaEtapa(3);
    EXPECT_EQ(c->GetEtapa(2)->GetMalha()->GetNumNos(), nos[2]);
    EXPECT_EQ(c->GetEtapa(3)->GetMalha()->GetNumNos(), nos[3]);
}

TEST_F(Camadas, StageFileErrorsNameTheFile) {
    auto c = Retangulo(false);
    try {
        c->CarregaMalhaEtapa(1); // never written
        FAIL();
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("MalhaEtapa1.res"), std::string::npos);
    }
    // A folder in the way of the stage file: nothing is written, the error names the file.
    std::filesystem::create_directories(pasta_ / "MalhaEtapa2.res");
    try {
        c->SalvaMalhaEtapa(2, TConfiguracaoMalha());
        FAIL();
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("MalhaEtapa2.res"), std::string::npos);
    }
}

TEST_F(Camadas, LoadsPlacedOnEveryStage) {
    auto c = Retangulo(false);
    TForcaExterna conv;
    conv.SetCoefConveccao(12.5);
    // A window around the left side (dragged from its top-left corner): the edges on x = 0.
    c->AdicionaForcaExternaEtapas(conv, true, -0.1, 4.0, 0.1, -1.0);
    // A horizontal line at y = 0.5 crossing both sides.
    c->AdicionaForcaExternaEtapas(conv, false, -1.0, 0.5, 3.0, 0.5);
    TForcaTensional carga;
    carga.SetQy1(1000.0);
    // A vertical line at x = 1.5: the bottom and the stage's top.
    c->AdicionaForcaTensionalEtapas(carga, false, 1.5, -1.0, 1.5, 10.0);
    for (int k = 1; k <= 3; ++k) {
        const TDominio &e = *c->GetEtapa(k);
        const TMalha &m = *e.GetMalha();
        ASSERT_EQ(e.GetNumForcasExternas(), 2);
        const TVetorInteiro &janela = e.GetForcaExterna(1)->GetArestas();
        EXPECT_EQ(janela.GetTamanho(), k);
        for (int i = 1; i <= janela.GetTamanho(); ++i) {
            const TAresta *a = m.GetAresta(janela.Get(i));
            EXPECT_EQ(a->No1->X, 0.0);
            EXPECT_EQ(a->No2->X, 0.0);
        }
        EXPECT_EQ(e.GetForcaExterna(1)->GetCoefConveccao(), 12.5);
        const TVetorInteiro &linha = e.GetForcaExterna(2)->GetArestas();
        ASSERT_EQ(linha.GetTamanho(), 2);
        for (int i = 1; i <= 2; ++i) {
            const TAresta *a = m.GetAresta(linha.Get(i));
            EXPECT_EQ(std::min(a->No1->Y, a->No2->Y), 0.0);
            EXPECT_EQ(std::max(a->No1->Y, a->No2->Y), 1.0);
        }
        ASSERT_EQ(e.GetNumForcasTensionais(), 1);
        const TVetorInteiro &vert = e.GetForcaTensional(1)->GetArestas();
        ASSERT_EQ(vert.GetTamanho(), 2);
        std::set<double> alturas;
        for (int i = 1; i <= 2; ++i)
            alturas.insert(m.GetAresta(vert.Get(i))->YMedio());
        EXPECT_EQ(alturas, (std::set<double>{0.0, double(k)}));
        EXPECT_EQ(e.GetForcaTensional(1)->GetQy1(), 1000.0);
    }
}
