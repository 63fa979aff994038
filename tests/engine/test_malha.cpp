#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "uLibraryMalhas.h"

namespace {

// Square 0..2 x 0..2 as a closed polygon.
std::unique_ptr<TMalha> Quadrado() {
    std::vector<TNo> p = {TNo(1, 0, 0), TNo(2, 2, 0), TNo(3, 2, 2), TNo(4, 0, 2)};
    return TMalha::CreatePoligono(p);
}

std::vector<int> Lista(const TVetorInteiro &v) {
    std::vector<int> r;
    for (int i = 1; i <= v.GetTamanho(); ++i)
        r.push_back(v[i]);
    return r;
}

} // namespace

TEST(Elemento, GeometryAndOwnership) {
    TNo a(1, 0, 0), b(2, 2, 0), c(3, 0, 2);
    TNo *nos[3] = {&a, &b, &c};
    TElemento e(nos, 2);
    EXPECT_DOUBLE_EQ(e.Area(), 2.0);
    EXPECT_DOUBLE_EQ(e.XCentro(), 2.0 / 3.0);
    EXPECT_EQ(e.XMax, 2.0);
    EXPECT_EQ(e.YMin, 0.0);
    EXPECT_TRUE(e.ContemPonto(0.5, 0.5));
    EXPECT_TRUE(e.ContemPonto(1, 1)); // on the hypotenuse
    EXPECT_FALSE(e.ContemPonto(1.5, 1.5));
    EXPECT_FALSE(e.ContemPonto(-0.1, 0.5)); // outside the box
    TPontoReal g = e.PontoGlobal(0.5, 0.5);
    EXPECT_DOUBLE_EQ(g.X, 1.0);
    EXPECT_DOUBLE_EQ(g.Y, 1.0);

    TNo *inv[3] = {&a, &c, &b};
    TElemento horario(inv, 2);
    EXPECT_DOUBLE_EQ(horario.Area(), -2.0);
    EXPECT_FALSE(horario.ContemPonto(0.5, 0.5)); // clockwise polygons contain nothing

    TAresta ar(&c, &a, 1);
    int p1, p2;
    e.PosicoesDaAresta(ar, p1, p2);
    EXPECT_EQ(p1, 3);
    EXPECT_EQ(p2, 1);

    auto n = TElemento::CreateN(3);
    EXPECT_EQ(n->GetN(), 3);
    EXPECT_EQ(n->GetNo(3)->Numero, 3);
    auto copia = TElemento::CreateCopia(e);
    EXPECT_NE(copia->GetNo(2), &b);
    EXPECT_EQ(copia->GetNo(2)->Numero, 2);
    EXPECT_EQ(copia->GetNo(2)->X, 2.0);
    EXPECT_DOUBLE_EQ(copia->Area(), 2.0);
    copia->LiberaNos();
    EXPECT_EQ(copia->GetNo(1), nullptr);
}

TEST(Elemento, IsolineSegment) {
    TPontoReal p, q;
    // Level halfway between nodes 1 and 2 and between 3 and 2.
    ASSERT_TRUE(TElemento::SegmentoIsolinha(1, 0, 2, 0, p, q));
    EXPECT_DOUBLE_EQ(p.X, 0.5);
    EXPECT_DOUBLE_EQ(p.Y, 0.0);
    EXPECT_DOUBLE_EQ(q.X, 0.5);
    EXPECT_DOUBLE_EQ(q.Y, 0.5);
    // Level at node 1 is found on sides 1-2 and 1-3.
    ASSERT_TRUE(TElemento::SegmentoIsolinha(1, 1, 3, 5, p, q));
    EXPECT_EQ(p.X, 0.0);
    EXPECT_EQ(p.Y, 0.0);
    EXPECT_EQ(q.X, 0.0);
    EXPECT_EQ(q.Y, 0.0);
    EXPECT_FALSE(TElemento::SegmentoIsolinha(10, 1, 3, 5, p, q));
}

TEST(Malha, DomainBuilding) {
    TMalha m;
    m.AdicionaVertice(0, 0);
    m.AdicionaVertice(4, 0);
    m.AdicionaVertice(4 + 1e-12, 0); // same position: dropped
    m.AdicionaVertice(4, 2);
    EXPECT_EQ(m.GetNumVertices(), 3);
    EXPECT_EQ(m.GetVertice(3)->Numero, 3);
    EXPECT_EQ(m.GetXMax(), 4.0);
    EXPECT_EQ(m.GetYMax(), 2.0);
    EXPECT_DOUBLE_EQ(m.GetXCentro(), 8.0 / 3.0);
    m.AdicionaAresta(1, 2, false);
    m.AdicionaAresta(2, 3, true);
    EXPECT_THROW(m.AdicionaAresta(1, 4, false), std::out_of_range);
    EXPECT_EQ(m.GetNumArestas(), 2);
    EXPECT_EQ(m.GetContorno(2)->Aresta, m.GetAresta(2));
    EXPECT_EQ(m.GetContorno(2)->Numero, 2);
    m.AdicionaArestaPontos(TNo(0, 4, 2), TNo(0, 0, 0)); // both ends exist
    EXPECT_EQ(m.GetNumVertices(), 3);
    EXPECT_EQ(m.GetAresta(3)->No1, m.GetVertice(3));
    EXPECT_EQ(m.GetAresta(3)->No2, m.GetVertice(1));
    int n;
    EXPECT_TRUE(m.ProcuraAresta(TNo(0, 0, 0), TNo(0, 4, 2), n));
    EXPECT_EQ(n, 3);
    EXPECT_FALSE(m.ExisteAresta(TNo(0, 0, 0), TNo(0, 5, 2)));
    EXPECT_TRUE(m.ProcuraVertice(n, 4, 2));
    EXPECT_EQ(n, 3);
    EXPECT_FALSE(m.ProcuraVertice(n, 1, 1));
    EXPECT_EQ(n, 0);

    m.GetAresta(1)->SetIgnorada(true);
    auto c = TMalha::CreateCopia(m);
    EXPECT_EQ(c->GetNumVertices(), 3);
    EXPECT_NE(c->GetVertice(1), m.GetVertice(1));
    EXPECT_TRUE(c->GetAresta(2)->Interna);
    EXPECT_FALSE(c->GetAresta(1)->Ignorada);
    EXPECT_EQ(c->GetAresta(3)->No2, c->GetVertice(1));
    EXPECT_EQ(c->GetXMax(), 4.0);

    m.LimpaVertices();
    EXPECT_EQ(m.GetNumVertices(), 0);
    EXPECT_EQ(m.GetNumArestas(), 0);
}

TEST(Malha, PolygonIsClosedChain) {
    auto m = Quadrado();
    ASSERT_EQ(m->GetNumArestas(), 4);
    EXPECT_EQ(m->GetAresta(4)->No1->Numero, 4);
    EXPECT_EQ(m->GetAresta(4)->No2->Numero, 1);
    EXPECT_EQ(m->GetXMin(), 0.0);
    EXPECT_EQ(m->GetYCentro(), 1.0);
    EXPECT_TRUE(m->PontoNaAresta(2, 1));
    EXPECT_TRUE(m->PontoNaAresta(0, 2));
    EXPECT_FALSE(m->PontoNaAresta(1, 1));
    EXPECT_FALSE(m->PontoNaAresta(2, 3));
}

TEST(Malha, PointOutsideWithRaysThroughVertices) {
    // Diamond whose left and right vertices lie on the horizontal ray of the test points.
    std::vector<TNo> p = {TNo(1, 1, 0), TNo(2, 2, 1), TNo(3, 1, 2), TNo(4, 0, 1)};
    auto m = TMalha::CreatePoligono(p);
    EXPECT_FALSE(m->PontoFora(1, 1));
    EXPECT_TRUE(m->PontoFora(-1, 1));
    EXPECT_TRUE(m->PontoFora(3, 1));
    EXPECT_FALSE(m->PontoFora(1.9, 1));
    // Points whose ray grazes vertices at several angles.
    EXPECT_FALSE(m->PontoFora(1, 0.5));
    EXPECT_TRUE(m->PontoFora(1, -0.5));
    EXPECT_TRUE(m->PontoFora(2, 2));
    EXPECT_TRUE(m->PontoFora(1, 3));

    auto q = Quadrado();
    EXPECT_FALSE(q->PontoFora(1, 1));
    EXPECT_TRUE(q->PontoFora(3, 1));
    EXPECT_TRUE(q->PontoFora(1, 2.5));
}

TEST(Malha, InteriorAndIgnoredEdgesInPointOutside) {
    // Square cut in two by a vertical interior edge at x = 1.
    auto m = Quadrado();
    m->AdicionaVertice(1, 0);
    m->AdicionaVertice(1, 2);
    m->AdicionaAresta(5, 6, true);
    EXPECT_FALSE(m->PontoFora(0.8, 1));
    m->SetConsideraInternas(true);
    // The interior edge now counts: the ray crosses it and the right edge.
    EXPECT_TRUE(m->PontoFora(0.8, 1));
    EXPECT_FALSE(m->PontoFora(1.2, 1));
    m->SetConsideraInternas(false);
    // The second test ignores the Interna flag and skips ignored edges instead.
    EXPECT_TRUE(m->PontoFora2(0.8, 1));
    m->GetAresta(5)->SetIgnorada(true);
    EXPECT_FALSE(m->PontoFora2(0.8, 1));
    m->GetAresta(2)->SetIgnorada(true);
    EXPECT_TRUE(m->PontoFora2(0.8, 1));
    EXPECT_FALSE(m->PontoFora(0.8, 1));
}

TEST(Malha, IndexedOutlineAnswersAsThePlainTest) {
    // Convex, concave, with interior edges (counted or not), open, far from the origin.
    struct Caso {
        std::vector<TNo> pontos;
        bool internas, aberta;
    };
    const std::vector<Caso> casos = {
        {{TNo(1, 1, 0), TNo(2, 2, 1), TNo(3, 1, 2), TNo(4, 0, 1)}, false, false},
        {{TNo(1, 0, 0), TNo(2, 3, 0), TNo(3, 3, 1), TNo(4, 1, 1), TNo(5, 1, 3), TNo(6, 0, 3)},
         false,
         false},
        {{TNo(1, 0, 0), TNo(2, 2, 0), TNo(3, 2, 2), TNo(4, 0, 2)}, true, false},
        {{TNo(1, 0, 0), TNo(2, 2, 0), TNo(3, 2, 2), TNo(4, 0, 2)}, false, false},
        {{TNo(1, 0, 0), TNo(2, 2, 0.5), TNo(3, 2, 2), TNo(4, 0, 2)}, false, true},
        {{TNo(1, 1e6, 1e6), TNo(2, 1e6 + 0.3, 1e6), TNo(3, 1e6 + 0.3, 1e6 + 0.7),
          TNo(4, 1e6, 1e6 + 0.7)},
         false,
         false},
    };
    for (std::size_t c = 0; c < casos.size(); ++c) {
        auto m = TMalha::CreatePoligono(casos[c].pontos);
        if (casos[c].aberta)
            m->SetAresta(m->GetNumArestas(), 4, 4);
        // An interior edge across the middle, as layers make.
        const double ym = (m->GetYMin() + m->GetYMax()) / 2;
        m->AdicionaArestaPontos(TNo(0, m->GetXMin(), ym), TNo(0, m->GetXMax(), ym));
        m->GetAresta(m->GetNumArestas())->SetInterna(true);
        m->SetConsideraInternas(casos[c].internas);
        const TLocalizadorContorno rapido(*m);
        // A grid over the box and beyond, every vertex, edge midpoints and points at a vertex
        // height.
        std::vector<TPontoReal> pontos;
        const double x0 = m->GetXMin(), y0 = m->GetYMin();
        const double lx = m->GetXMax() - x0, ly = m->GetYMax() - y0;
        for (int i = -3; i <= 23; ++i)
            for (int j = -3; j <= 23; ++j)
                pontos.push_back({x0 + lx * i / 20.0, y0 + ly * j / 20.0});
        for (int i = 1; i <= m->GetNumArestas(); ++i) {
            const TAresta *e = m->GetAresta(i);
            pontos.push_back(e->No1->Ponto());
            pontos.push_back({(e->No1->X + e->No2->X) / 2, (e->No1->Y + e->No2->Y) / 2});
            pontos.push_back({x0 + lx / 3, e->No1->Y});
            pontos.push_back({x0 + lx / 3, e->No1->Y + 1e-13});
        }
        for (const TPontoReal &p : pontos)
            EXPECT_EQ(rapido.PontoFora(p.X, p.Y), m->PontoFora(p.X, p.Y))
                << "case " << c << " at " << p.X << ", " << p.Y;
    }
}

TEST(Malha, ElementsAndBoundarySides) {
    auto m = Quadrado();
    m->AdicionaNo(0, 0);
    m->AdicionaNo(2, 0);
    m->AdicionaNo(2, 2);
    m->AdicionaNo(0, 2);
    m->AdicionaElemento(1, 3, 2); // clockwise: made counter-clockwise
    m->AdicionaElemento(1, 3, 4);
    ASSERT_EQ(m->GetNumElementos(), 2);
    TElemento *e1 = m->GetElemento(1);
    EXPECT_EQ(e1->GetNo(2)->Numero, 2);
    EXPECT_EQ(e1->GetNo(3)->Numero, 3);
    EXPECT_GT(e1->Area(), 0);
    EXPECT_EQ(e1->GetNo(1), m->GetNo(1)); // shares the mesh's nodes
    EXPECT_GT(m->GetElemento(2)->Area(), 0);

    // Each square edge holds one side; the diagonal lies on no edge.
    for (int i = 1; i <= 4; ++i)
        ASSERT_EQ(m->GetContorno(i)->GetNumLados(), 1) << i;
    TLado *l = m->GetContorno(1)->GetLado(1);
    EXPECT_EQ(l->Numero, 1);
    EXPECT_EQ(l->Elemento, e1);
    EXPECT_EQ(l->No1->Numero, 1);
    EXPECT_EQ(l->No2->Numero, 2);
    EXPECT_EQ(m->GetContorno(3)->GetLado(1)->Elemento->Numero, 2);

    EXPECT_EQ(m->ElementoNoPonto(1.5, 0.5), 1);
    EXPECT_EQ(m->ElementoNoPonto(0.5, 1.5), 2);
    EXPECT_EQ(m->ElementoNoPonto(3, 3), 0);
    EXPECT_NEAR(m->DistanciaCentros(1, 2), std::sqrt(2.0) * 2 / 3, 1e-12);
    EXPECT_EQ(m->DistanciaAoContorno(1), 0.0);

    m->LimpaMalha();
    EXPECT_EQ(m->GetNumNos(), 0);
    EXPECT_EQ(m->GetNumElementos(), 0);
    EXPECT_EQ(m->GetContorno(1)->GetNumLados(), 0);
    EXPECT_EQ(m->GetNumArestas(), 4);
    EXPECT_EQ(m->GetNumElementos(), 0);
}

TEST(Malha, SelectionByRectangle) {
    auto m = Quadrado();
    m->AdicionaVertice(1, 0);
    m->AdicionaVertice(1, 2);
    m->AdicionaAresta(5, 6, true);
    for (double x : {0.0, 1.0, 2.0})
        for (double y : {0.0, 2.0})
            m->AdicionaNo(x, y);
    // Upper-left corner first, lower-right second.
    EXPECT_EQ(Lista(m->NosNoRetangulo(-0.5, 2.5, 1.5, -0.5)), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(m->NoNoRetangulo(1.5, 2.5, 2.5, 1.5), 6);
    EXPECT_EQ(m->NoNoRetangulo(0.2, 1.5, 0.8, 0.5), 0);
    EXPECT_EQ(m->VerticeNoRetangulo(0.5, 0.5, 1.5, -0.5), 5);
    // The interior edge 5-6 lies inside but is never listed.
    EXPECT_EQ(Lista(m->ArestasNoRetangulo(-0.5, 2.5, 1.5, -0.5)), (std::vector<int>{4}));
    EXPECT_EQ(Lista(m->ArestasNoRetangulo(-1, 3, 3, -1)), (std::vector<int>{1, 2, 3, 4}));
    // A horizontal cut crosses the two vertical edges, not the interior one.
    EXPECT_EQ(Lista(m->ArestasCruzadas(-1, 1, 3, 1)), (std::vector<int>{2, 4}));
    EXPECT_EQ(Lista(m->ArestasCruzadas(0.5, 0.5, 0.6, 0.6)), std::vector<int>{});
}
