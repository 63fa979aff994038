#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

std::unique_ptr<TDominio> Poligono(const std::vector<std::pair<double, double>> &p) {
    std::vector<TNo> nos;
    for (std::size_t i = 0; i < p.size(); ++i)
        nos.emplace_back(int(i + 1), p[i].first, p[i].second);
    return TDominio::CreateMalha(nos);
}

// Edges of the mesh as ((x1, y1), (x2, y2)) with their flags.
struct Aresta {
    double x1, y1, x2, y2;
    bool interna, ignorada;
};

std::vector<Aresta> Arestas(const TMalha &m) {
    std::vector<Aresta> r;
    for (int i = 1; i <= m.GetNumArestas(); ++i) {
        const TAresta *a = m.GetAresta(i);
        r.push_back({a->No1->X, a->No1->Y, a->No2->X, a->No2->Y, a->Interna, a->Ignorada});
    }
    return r;
}

int Internas(const TMalha &m) {
    int n = 0;
    for (int i = 1; i <= m.GetNumArestas(); ++i)
        n += m.GetAresta(i)->Interna ? 1 : 0;
    return n;
}

} // namespace

TEST(Dominio, DefaultsAndElementsOnAMesh) {
    TDominio vazio;
    EXPECT_TRUE(vazio.Fixo);
    EXPECT_EQ(vazio.GetNumElementos(), 0);
    EXPECT_EQ(vazio.GetMalha(), nullptr);
    auto mat = std::make_unique<TMaterial>(1, 1, 1, 1, 20, 1, 1, true, 1, 0.2, 9.8, 0, false, 20,
                                           false, 1, 1, false, 0, true);
    for (double t : {-5.0, 0.0, 12.0, 1e4})
        EXPECT_EQ(vazio.Fonte->Valor(nullptr, *mat, t), 0.0);

    TMalha malha(2, 2);
    for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {4, 0}, {4, 2}, {0, 2}})
        malha.AdicionaVertice(x, y);
    for (int i = 1; i <= 4; ++i)
        malha.AdicionaArestaNos(i, i % 4 + 1);
    malha.GeraMalha(TConfiguracaoMalha());
    ASSERT_GT(malha.GetNumElementos(), 4);

    TDominio dom(&malha);
    ASSERT_EQ(dom.GetNumElementos(), malha.GetNumElementos());
    double area = 0.0;
    for (int e = 1; e <= dom.GetNumElementos(); ++e) {
        const TElementoTriangular *el = dom.GetElemento(e);
        EXPECT_EQ(el->Numero, malha.GetElemento(e)->Numero);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(el->GetNo(k), malha.GetElemento(e)->GetNo(k)); // shared nodes
        area += el->Area();
    }
    EXPECT_NEAR(area, 8.0, 1e-12);
    EXPECT_EQ(dom.GetContorno(2), malha.GetContorno(2));

    // The quadrilateral class needs four-node mesh elements.
    EXPECT_THROW({ TDominio quad(&malha, TClasseElemento::Retangular); }, std::invalid_argument);

    // Rebuilding after the mesh changed follows the new mesh.
    malha.LimpaMalha();
    dom.CriaElementos();
    EXPECT_EQ(dom.GetNumElementos(), 0);
}

TEST(Dominio, LoadsAreCopiedOnInsertion) {
    TDominio dom;
    {
        TForcaExterna f;
        f.SetTipo(TForcaExterna::kConstante);
        f.SetTemperaturaAmbiente(25.0);
        f.SetCoefConveccao(10.0);
        TVetorInteiro arestas;
        arestas.Adiciona(3);
        f.SetArestas(arestas);
        dom.AdicionaForcaExterna(f);
        dom.AdicionaForcaExterna(f);
        TVetorInteiro outras;
        outras.Adiciona(7);
        outras.Adiciona(8);
        dom.AdicionaForcaExternaArestas(f, outras);

        TForcaTensional q;
        q.SetQy1(5.0);
        q.SetArestas(arestas);
        dom.AdicionaForcaTensional(q);
        q.SetQy1(9.0);
    } // the sources are gone
    ASSERT_EQ(dom.GetNumForcasExternas(), 3);
    dom.GetForcaExterna(1)->SetTemperaturaAmbiente(40.0);
    EXPECT_EQ(dom.GetForcaExterna(2)->GetTemperaturaAmbiente(), 25.0);
    EXPECT_NE(dom.GetForcaExterna(1), dom.GetForcaExterna(2));
    EXPECT_EQ(dom.GetForcaExterna(2)->GetArestas().GetTamanho(), 1);
    EXPECT_EQ(dom.GetForcaExterna(3)->GetArestas().GetTamanho(), 2);
    EXPECT_EQ(dom.GetForcaExterna(3)->GetArestas()[2], 8);
    EXPECT_EQ(dom.GetForcaExterna(3)->CoeficienteEm(0.0), 10.0);
    ASSERT_EQ(dom.GetNumForcasTensionais(), 1);
    EXPECT_EQ(dom.GetForcaTensional(1)->GetQy1(), 5.0);
    EXPECT_EQ(dom.GetForcaTensional(1)->GetArestas()[1], 3);
}

TEST(Dominio, CuttingARectangleAtAnElevation) {
    auto dom = Poligono({{0, 0}, {3, 0}, {3, 2}, {0, 2}});
    TMalha &m = *dom->GetMalha();

    // At the bottom, the top or outside: nothing changes.
    for (double y : {0.0, 2.0, -1.0, 2.5, 2.0 + 1e-12}) {
        dom->DivideNaElevacao(y);
        EXPECT_EQ(m.GetNumVertices(), 4) << y;
        EXPECT_EQ(m.GetNumArestas(), 4) << y;
    }

    dom->DivideNaElevacao(1.0);
    ASSERT_EQ(m.GetNumVertices(), 6);
    ASSERT_EQ(m.GetNumArestas(), 7);
    const auto a = Arestas(m);
    // The right edge now ends at the cut and continues from it; the same on the left.
    EXPECT_EQ(a[1].x2, 3.0);
    EXPECT_EQ(a[1].y2, 1.0);
    EXPECT_EQ(a[3].y2, 1.0);
    EXPECT_EQ(a[4].y1, 1.0);
    EXPECT_EQ(a[4].y2, 2.0);
    EXPECT_EQ(a[5].y1, 1.0);
    EXPECT_EQ(a[5].y2, 0.0);
    // One interior edge joins the two new vertices; a fixed domain does not ignore it.
    EXPECT_EQ(a[6].y1, 1.0);
    EXPECT_EQ(a[6].y2, 1.0);
    EXPECT_NE(a[6].x1, a[6].x2);
    EXPECT_TRUE(a[6].interna);
    EXPECT_FALSE(a[6].ignorada);
    EXPECT_EQ(Internas(m), 1);
    // The region is still one: a point just above the cut is inside.
    EXPECT_FALSE(m.PontoFora(1.5, 1.2));

    // Cutting again at the same elevation adds nothing.
    dom->DivideNaElevacao(1.0);
    EXPECT_EQ(m.GetNumArestas(), 7);
}

TEST(Dominio, CuttingASlantedDomainThatIsNotFixed) {
    auto dom = Poligono({{0, 0}, {4, 0}, {0, 4}});
    dom->SetFixo(false);
    dom->DivideNaElevacao(1.0);
    dom->DivideNaElevacao(3.0);
    TMalha &m = *dom->GetMalha();
    ASSERT_EQ(m.GetNumVertices(), 7);
    EXPECT_TRUE(m.GetVertice(4)->MesmaPosicao(3.0, 1.0));
    EXPECT_TRUE(m.GetVertice(5)->MesmaPosicao(0.0, 1.0));
    EXPECT_TRUE(m.GetVertice(6)->MesmaPosicao(0.0, 3.0));
    EXPECT_TRUE(m.GetVertice(7)->MesmaPosicao(1.0, 3.0));
    const auto a = Arestas(m);
    ASSERT_EQ(a.size(), 9u);
    EXPECT_TRUE(a[5].interna && a[5].ignorada);
    EXPECT_TRUE(a[8].interna && a[8].ignorada);
    EXPECT_EQ(a[8].y1, 3.0);
    EXPECT_EQ(Internas(m), 2);
}

TEST(Dominio, StagesFromZonesThatAreNotFixed) {
    // One zone 0..3 cut at 1 and 2; stage 1 holds the material up to 1.
    auto zona = Poligono({{0, 0}, {2, 0}, {2, 3}, {0, 3}});
    zona->SetFixo(false);
    zona->DivideNaElevacao(1.0);
    zona->DivideNaElevacao(2.0);

    TDominio etapa1, etapa2;
    etapa1.CopiaArestas(*zona, 1, 1, 3.0, 1.0);
    ASSERT_NE(etapa1.GetMalha(), nullptr);
    EXPECT_EQ(etapa1.GetMalha()->GetNumArestas(), 4);
    EXPECT_EQ(etapa1.GetMalha()->GetNumVertices(), 4);
    EXPECT_EQ(Internas(*etapa1.GetMalha()), 0); // the cut at 1 is the stage's top
    EXPECT_EQ(etapa1.GetMalha()->GetYMax(), 1.0);

    etapa2.CopiaArestas(*zona, 1, 1, 3.0, 2.0);
    EXPECT_EQ(etapa2.GetMalha()->GetYMax(), 2.0);
    EXPECT_EQ(Internas(*etapa2.GetMalha()), 1); // the cut at 1 stays interior
}

TEST(Dominio, StagesFromFixedZonesSideBySide) {
    auto a = Poligono({{0, 0}, {1, 0}, {1, 2}, {0, 2}});
    auto b = Poligono({{1, 0}, {2, 0}, {2, 1}, {1, 1}});
    a->DivideNaElevacao(1.0);
    TDominio etapa;
    etapa.CopiaArestas(*a, 1, 1, 2.0, 1.0);
    etapa.CopiaArestas(*b, 1, 2, 2.0, 1.0);
    const TMalha &m = *etapa.GetMalha();
    // The tallest fixed zone is there whole; the edge shared by both zones is interior.
    EXPECT_EQ(m.GetYMax(), 2.0);
    int compartilhada = 0;
    EXPECT_TRUE(m.ProcuraAresta(TNo(0, 1, 0), TNo(0, 1, 1), compartilhada));
    EXPECT_TRUE(m.GetAresta(compartilhada)->Interna);
    int corte = 0;
    EXPECT_TRUE(m.ProcuraAresta(TNo(0, 0, 1), TNo(0, 1, 1), corte));
    EXPECT_TRUE(m.GetAresta(corte)->Interna);
    EXPECT_EQ(Internas(m), 2);
    EXPECT_EQ(m.GetNumVertices(), 8);
}
