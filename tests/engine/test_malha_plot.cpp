#include <gtest/gtest.h>

#include <cmath>

#include "CanvasGravador.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

// The rectangle (0,0)-(2,1) split into four triangles on six nodes.
std::unique_ptr<TMalha> Retangulo() {
    auto m = std::make_unique<TMalha>(2, 1);
    m->AdicionaVertice(0, 0);
    m->AdicionaVertice(2, 0);
    m->AdicionaVertice(2, 1);
    m->AdicionaVertice(0, 1);
    m->AdicionaArestaNos(1, 2);
    m->AdicionaArestaNos(2, 3);
    m->AdicionaArestaNos(3, 4);
    m->AdicionaArestaNos(4, 1);
    for (double y : {0.0, 1.0})
        for (double x : {0.0, 1.0, 2.0})
            m->AdicionaNo(x, y);
    m->AdicionaElemento(1, 2, 5);
    m->AdicionaElemento(1, 5, 4);
    m->AdicionaElemento(2, 3, 6);
    m->AdicionaElemento(2, 6, 5);
    return m;
}

} // namespace

TEST(Layer, DefaultAndColouredStyles) {
    const TLayer p = TLayer::CreatePadrao();
    EXPECT_EQ(p.Pincel.Color, TColor(0xFF0000));
    EXPECT_EQ(p.Caneta.Color, TColor(0xC0C0C0));
    EXPECT_EQ(p.Fonte.Color, TColor(0x00FFFF));
    EXPECT_EQ(p.Fonte.Name, "Arial");
    EXPECT_EQ(p.Fonte.Size, 7);

    const TLayer c(clRed, clGreen, clNavy);
    EXPECT_EQ(c.Pincel.Color, clRed);
    EXPECT_EQ(c.Caneta.Color, clGreen);
    EXPECT_EQ(c.Fonte.Color, clNavy);
}

TEST(MalhaPlot, CreationSetsCanvasAndDefaults) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    c.Font.Name = "Courier";
    c.Pen.Color = clRed;
    c.Pen.Width = 4;
    TMalhaPlot p(&c, m.get());
    EXPECT_EQ(c.Font.Name, "Arial");
    EXPECT_EQ(c.Font.Size, 7);
    EXPECT_EQ(c.Pen.Color, clBlack);
    EXPECT_EQ(c.Pen.Width, 1);
    EXPECT_TRUE(p.MostraNos && p.MostraElementos);
    EXPECT_FALSE(p.MostraNumNos || p.MostraNumElementos || p.MostraArestas || p.MostraContornos);
    EXPECT_EQ(p.RaioNo, 2);
    EXPECT_EQ(p.Margem, 15);
    EXPECT_EQ(p.LayerNos.Pincel.Color, clBlue);
    EXPECT_TRUE(c.Chamadas.empty()); // nothing is drawn until asked
}

TEST(MalhaPlot, WideDomainOnASquareImage) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, m.get());
    // Full width, half the height, anchored at the top margin.
    EXPECT_EQ(p.Origem, (TPonto{15, 85}));
    EXPECT_EQ(p.MundoParaTela(0, 0), (TPonto{15, 85}));
    EXPECT_EQ(p.MundoParaTela(2, 1), (TPonto{185, 15}));
    EXPECT_EQ(p.MundoParaTela(1, 0.5), (TPonto{100, 50}));
    const TPontoReal w = p.TelaParaMundo(185, 15);
    EXPECT_NEAR(w.X, 2.0, 1e-12);
    EXPECT_NEAR(w.Y, 1.0, 1e-12);
    for (double x : {0.0, 0.137, 1.31, 1.999})
        for (double y : {0.0, 0.42, 0.77}) {
            const TPonto px = p.MundoParaTela(x, y);
            const TPontoReal v = p.TelaParaMundo(px.X, px.Y);
            EXPECT_LE(std::fabs(v.X - x), 0.5 * std::fabs(p.EscalaMundo.X) + 1e-12);
            EXPECT_LE(std::fabs(v.Y - y), 0.5 * std::fabs(p.EscalaMundo.Y) + 1e-12);
        }
}

TEST(MalhaPlot, TallAndFlatDomains) {
    TMalha alto;
    alto.AdicionaVertice(0, 0);
    alto.AdicionaVertice(1, 0);
    alto.AdicionaVertice(1, 2);
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, &alto);
    EXPECT_EQ(p.Origem, (TPonto{15, 185}));
    EXPECT_EQ(p.MundoParaTela(1, 2), (TPonto{85, 15}));

    // No extent at all, or none in y: the transform stays finite.
    TMalha vazia;
    p.SetMalha(&vazia);
    p.CalculaTransformacao();
    EXPECT_TRUE(std::isfinite(p.EscalaTela.X) && std::isfinite(p.EscalaTela.Y));
    EXPECT_EQ(p.MundoParaTela(0, 0), (TPonto{15, 185}));
    TMalha linha;
    linha.AdicionaVertice(0, 3);
    linha.AdicionaVertice(4, 3);
    p.SetMalha(&linha);
    p.CalculaTransformacao();
    EXPECT_EQ(p.MundoParaTela(0, 3), (TPonto{15, 185}));
    EXPECT_EQ(p.MundoParaTela(4, 3), (TPonto{185, 185}));
}

TEST(MalhaPlot, ElementsFilledWithTheLayerAndNumberedAtTheCentroid) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, m.get());
    p.SetLayerElementos(TLayer(clTeal, clMaroon, clPurple));
    p.SetMostraNumElementos(true);
    p.DesenhaElementos();
    const auto pol = c.DoTipo("Polygon");
    ASSERT_EQ(pol.size(), 4u);
    EXPECT_EQ(pol[0].Pontos, (std::vector<TPonto>{{15, 85}, {100, 85}, {100, 15}}));
    for (const auto &k : pol) {
        EXPECT_EQ(k.Brush.Color, clTeal);
        EXPECT_EQ(k.Brush.Style, TBrushStyle::bsSolid);
        EXPECT_EQ(k.Pen.Color, clMaroon);
    }
    const auto txt = c.DoTipo("TextOut");
    ASSERT_EQ(txt.size(), 4u);
    EXPECT_EQ(txt[0].Texto, "1");
    EXPECT_EQ(txt[0].Pontos[0], (TPonto{72, 62})); // centroid (2/3, 1/3)
    EXPECT_EQ(txt[3].Texto, "4");
    EXPECT_EQ(txt[0].Font.Color, clPurple);
    EXPECT_EQ(txt[0].Brush.Style, TBrushStyle::bsClear);

    c.Chamadas.clear();
    p.SetMostraElementos(false);
    p.DesenhaElementos();
    EXPECT_TRUE(c.Chamadas.empty());
}

TEST(MalhaPlot, NodesAndAHighlightedNode) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, m.get());
    p.SetLayerNos(TLayer(clGreen, clNavy, clRed));
    p.DesenhaNos();
    p.DesenhaNo(*m->GetNo(5), true);
    const auto r = c.DoTipo("Rectangle");
    ASSERT_EQ(r.size(), 7u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r[std::size_t(i)].Brush.Color, clGreen) << i;
        EXPECT_EQ(r[std::size_t(i)].Pen.Color, clNavy);
    }
    EXPECT_EQ(r[6].Brush.Color, clYellow);
    EXPECT_EQ(r[6].Pontos, (std::vector<TPonto>{{98, 13}, {102, 17}})); // node 5 at (1, 1)
    EXPECT_TRUE(c.DoTipo("TextOut").empty());

    c.Chamadas.clear();
    p.SetMostraNumNos(true);
    p.DesenhaNos();
    const auto t = c.DoTipo("TextOut");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[4].Texto, "5");
    EXPECT_EQ(t[4].Pontos[0], (TPonto{100, 15}));
    EXPECT_EQ(t[4].Font.Color, clRed);
    p.SetMostraNos(false);
    c.Chamadas.clear();
    p.DesenhaNos();
    EXPECT_TRUE(c.Chamadas.empty());
}

TEST(MalhaPlot, EdgesPlainAndHighlighted) {
    auto m = Retangulo();
    TCanvasGravador c(201, 200);
    TMalhaPlot p(&c, m.get());
    p.DesenhaTodasArestas(); // MostraArestas is off
    EXPECT_TRUE(c.Chamadas.empty());
    p.SetMostraArestas(true);
    p.DesenhaTodasArestas();
    auto l = c.DoTipo("LineTo");
    ASSERT_EQ(l.size(), 4u);
    for (const auto &k : l) {
        EXPECT_EQ(k.Pen.Color, clBlue);
        EXPECT_EQ(k.Pen.Style, TPenStyle::psSolid);
        EXPECT_EQ(k.Pen.Width, 1);
    }
    auto t = c.DoTipo("TextOut");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].Texto, "1");
    EXPECT_EQ(t[0].Pontos[0], (TPonto{100, 85})); // (15 + 186) / 2 rounded towards zero
    EXPECT_EQ(t[0].Font.Color, clBlue);

    c.Chamadas.clear();
    TVetorInteiro lista;
    lista.Adiciona(3);
    p.DesenhaArestas(lista);
    ASSERT_EQ(c.Chamadas.size(), 3u);
    EXPECT_EQ(c.Chamadas[0].Tipo, "MoveTo");
    EXPECT_EQ(c.Chamadas[0].Pontos[0], (TPonto{186, 15}));
    EXPECT_EQ(c.Chamadas[1].Pontos[0], (TPonto{15, 15}));
    EXPECT_EQ(c.Chamadas[1].Pen.Color, clRed);
    EXPECT_EQ(c.Chamadas[1].Pen.Style, TPenStyle::psDashDotDot);
    EXPECT_EQ(c.Chamadas[2].Texto, "3");
    EXPECT_EQ(c.Chamadas[2].Font.Color, clRed);
}

TEST(MalhaPlot, BoundarySidesDrawTheirElements) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, m.get());
    p.DesenhaContornos();
    EXPECT_TRUE(c.Chamadas.empty());
    p.SetMostraContornos(true);
    p.DesenhaContornos();
    // Per edge: the edge, then the elements with a side on it.
    std::vector<std::string> seq;
    for (const auto &k : c.Chamadas)
        if (k.Tipo == "LineTo" || k.Tipo == "Polygon")
            seq.push_back(k.Tipo);
    EXPECT_EQ(seq, (std::vector<std::string>{"LineTo", "Polygon", "Polygon", "LineTo", "Polygon",
                                             "LineTo", "Polygon", "Polygon", "LineTo", "Polygon"}));
    // The right edge (2) has one side, of element 3: (1,0), (2,0), (2,1).
    const auto pol = c.DoTipo("Polygon");
    EXPECT_EQ(pol[2].Pontos, (std::vector<TPonto>{{100, 85}, {185, 85}, {185, 15}}));
}

TEST(MalhaPlot, AxesAndHatchedPolygon) {
    auto m = Retangulo();
    TCanvasGravador c(200, 200);
    TMalhaPlot p(&c, m.get());
    c.Pen.Color = clFuchsia;
    c.Pen.Width = 2;
    p.Desenha();
    const auto l = c.DoTipo("LineTo");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].Pontos[0], (TPonto{15, 40}));
    EXPECT_EQ(l[1].Pontos[0], (TPonto{60, 85}));
    EXPECT_EQ(l[0].Pen.Color, clLime);
    EXPECT_EQ(l[0].Pen.Width, 3);
    const auto t = c.DoTipo("TextOut");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].Texto, "X");
    EXPECT_EQ(t[0].Pontos[0], (TPonto{60, 85}));
    EXPECT_EQ(t[1].Texto, "Y");
    EXPECT_EQ(t[1].Pontos[0], (TPonto{15, 40}));
    EXPECT_EQ(t[0].Pen.Width, 2);
    EXPECT_EQ(c.Pen.Color, clFuchsia);
    EXPECT_EQ(c.Pen.Width, 2);

    c.Chamadas.clear();
    const std::vector<TNo> pts{TNo(1, 0, 0), TNo(2, 2, 0), TNo(3, 1, 1)};
    p.DesenhaPoligono(pts);
    ASSERT_EQ(c.Chamadas.size(), 1u);
    EXPECT_EQ(c.Chamadas[0].Pontos, (std::vector<TPonto>{{15, 85}, {185, 85}, {100, 15}}));
    EXPECT_EQ(c.Chamadas[0].Brush.Color, TColor(0x00FF00));
    EXPECT_EQ(c.Chamadas[0].Brush.Style, TBrushStyle::bsBDiagonal);
    EXPECT_EQ(c.Brush.Style, TBrushStyle::bsSolid);

    // Desenha follows a new canvas size.
    TCanvasGravador g(400, 400);
    p.SetImagem(&g);
    p.Desenha();
    EXPECT_EQ(p.Origem, (TPonto{15, 185}));
}

TEST(MalhaPlotCamadas, LegendsOfZonesAndStages) {
    std::vector<TNo> nos{TNo(1, 0, 0), TNo(2, 2, 0), TNo(3, 2, 3), TNo(4, 0, 3)};
    auto sub = TDominio::CreateMalha(nos);
    sub->SetFixo(false);
    TVetor elev;
    for (double e : {1.0, 2.0, 3.0})
        elev.Adiciona(e);
    TCamadas camadas(*sub->GetMalha(), elev);
    camadas.DefineCamadas({sub.get()});
    camadas.GetSubDominio(1)->SetLayer(TLayer(clOlive, clTeal, clNavy));
    camadas.GetEtapa(2)->SetLayer(TLayer(clGray, clMaroon, clPurple));

    TCanvasGravador c(200, 200);
    TMalhaPlotCamadas p(&c, &camadas);
    EXPECT_EQ(p.GetMalha(), camadas.GetEtapa(3)->GetMalha());
    EXPECT_EQ(c.DoTipo("LineTo").size(), 2u); // the axes
    EXPECT_EQ(p.Origem, (TPonto{15, 185}));

    c.Chamadas.clear();
    p.DesenhaLegendaMateriais(1);
    ASSERT_FALSE(c.Chamadas.empty());
    const TChamadaCanvas &t = c.Chamadas[0];
    EXPECT_EQ(t.Tipo, "TextOut");
    EXPECT_EQ(t.Texto, "MATERIAL 1 ");
    EXPECT_EQ(t.Pontos[0], (TPonto{66, 100})); // centroid (1, 1.5) of the zone's vertices
    EXPECT_EQ(t.Font.Color, clNavy);
    EXPECT_EQ(t.Pen.Color, clTeal);
    EXPECT_EQ(t.Brush.Color, clOlive);
    // Then every edge of the zone (cut lines included), and the plot keeps the zone's mesh.
    const TMalha *zona = camadas.GetSubDominio(1)->GetMalha();
    EXPECT_EQ(c.DoTipo("LineTo").size(), std::size_t(zona->GetNumArestas()));
    EXPECT_EQ(p.GetMalha(), zona);
    EXPECT_TRUE(p.MostraArestas);

    c.Chamadas.clear();
    p.DesenhaLegendaEtapas(2);
    EXPECT_EQ(c.Chamadas[0].Texto, "ETAPA 2 ");
    EXPECT_EQ(c.Chamadas[0].Pontos[0], p.MundoParaTela(1.0, 1.0));
    EXPECT_EQ(c.Chamadas[0].Font.Color, clPurple);
    EXPECT_EQ(c.DoTipo("LineTo").size(), 6u);
    EXPECT_EQ(p.GetMalha(), camadas.GetEtapa(2)->GetMalha());
}
