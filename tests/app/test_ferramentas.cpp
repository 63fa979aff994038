// The mouse tools of the main window's picture, driven by synthetic mouse events: picking and
// capturing, identifying elements, the line, drawing and freeing subdomains, stepping through
// subdomains, stages and layers, and the status texts.
#include "support_janelas.h"

#include "Ferramentas.h"
#include "FonteResultados.h"
#include "VisaoMalha.h"
#include "uDARV_2D.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

class Ferramentas : public JanelasTeste {
protected:
    void SetUp() override {
        JanelasTeste::SetUp();
        f = frmMalha->findChild<TFerramentas *>();
        ASSERT_NE(f, nullptr);
    }
    // 4 x 2 rectangle with vertices in the middle of the bottom and top edges, meshed.
    void Retangulo() {
        const std::vector<TNo> v = {{1, 0, 0}, {2, 2, 0}, {3, 4, 0},
                                    {4, 4, 2}, {5, 2, 2}, {6, 0, 2}};
        Estado().ConfiguracaoMalha.PorDmax = false; // a coarse mesh: the divisions alone
        frmMalha->CriaDominio(v);
        ASSERT_TRUE(M().TemAnalise());
    }
    // The rectangle in a 900 x 650 window, in two layers of 1 m placed at 0 and 24 h.
    void RetanguloEmCamadas() {
        frmMalha->resize(900, 650);
        QCoreApplication::processEvents();
        Retangulo();
        M().AdicionaSubDominio({1, 2, 3, 4, 5, 6});
        M().GetSubDominio(1)->SetFixo(false);
        ASSERT_TRUE(M().CriaCamadas({{1.0, 0.0, 20.0}, {2.0, 24.0, 20.0}}));
        frmMalha->AtualizaComandos();
    }
    QPoint Px(double x, double y) {
        const TPonto p = M().Plot()->MundoParaTela(x, y);
        return {p.X, p.Y};
    }
    void Liga(const char *botao, bool ligado = true) {
        QAction *a = frmMalha->acaoBotao(botao);
        ASSERT_NE(a, nullptr) << botao;
        ASSERT_TRUE(a->isEnabled()) << botao;
        if (a->isChecked() != ligado)
            a->trigger();
        ASSERT_EQ(a->isChecked(), ligado);
    }
    void Clica(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        f->Pressiona(p, b);
        f->Solta(p, b);
    }
    void Arrasta(QPoint de, QPoint ate) {
        f->Pressiona(de, Qt::LeftButton);
        f->Move((de + ate) / 2);
        f->Move(ate);
        f->Solta(ate, Qt::LeftButton);
    }
    std::set<int> Nos() {
        std::set<int> r;
        for (int i = 1; i <= M().FNosSelecionados.GetTamanho(); ++i)
            r.insert(M().FNosSelecionados[i]);
        return r;
    }
    // Nodes of the mesh whose x is at most xmax.
    std::set<int> NosAte(double xmax) {
        std::set<int> r;
        for (int i = 1; i <= M().FMalha->GetNumNos(); ++i)
            if (M().FMalha->GetNo(i)->X <= xmax + 1e-9)
                r.insert(i);
        return r;
    }

    TFerramentas *f = nullptr;
};

TEST_F(Ferramentas, RetanguloNosDoisSentidosCapturaOsMesmosNos) {
    Retangulo();
    Liga("toolbCapturaNos");
    EXPECT_TRUE(f->SelecaoRetangulo());
    Arrasta(Px(-0.1, 2.1), Px(2.05, -0.1));
    const std::set<int> esperados = NosAte(2.0);
    ASSERT_FALSE(esperados.empty());
    EXPECT_EQ(Nos(), esperados);
    EXPECT_FALSE(f->Arrastando());
    M().FNosSelecionados = TVetorInteiro();
    Arrasta(Px(2.05, -0.1), Px(-0.1, 2.1));
    EXPECT_EQ(Nos(), esperados);
    // A click without a drag leaves the capture alone.
    Clica(Px(3.9, 1.9));
    EXPECT_EQ(Nos(), esperados);

    // The same through the picture's own mouse events.
    M().FNosSelecionados = TVetorInteiro();
    auto envia = [](QEvent::Type t, QPoint p, Qt::MouseButton b, Qt::MouseButtons bs) {
        QMouseEvent e(t, QPointF(p), QPointF(p), b, bs, Qt::NoModifier);
        QApplication::sendEvent(frmMalha->imMalha, &e);
    };
    envia(QEvent::MouseButtonPress, Px(-0.1, 2.1), Qt::LeftButton, Qt::LeftButton);
    envia(QEvent::MouseMove, Px(2.05, -0.1), Qt::NoButton, Qt::LeftButton);
    envia(QEvent::MouseButtonRelease, Px(2.05, -0.1), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Nos(), esperados);
}

TEST_F(Ferramentas, NoUnicoElementoEStatus) {
    Retangulo();
    Liga("toolbCapturaNo");
    const TNo alvo = *M().FMalha->GetNo(3);
    QPoint p = Px(alvo.X, alvo.Y) + QPoint(2, -2);
    Clica(p);
    EXPECT_EQ(M().FNoCapturado, 3);
    EXPECT_EQ(M().FNoCursor.Numero, 3);
    EXPECT_EQ(M().FNoCursor.X, alvo.X);
    // Far from every node: none, and the cursor node holds the point.
    Clica(Px(-1, -1));
    EXPECT_EQ(M().FNoCapturado, 0);
    EXPECT_NEAR(M().FNoCursor.X, -1, 0.05);
    Liga("toolbCapturaNo", false);

    Liga("ToolButton21");
    const TElemento &e = *M().FMalha->GetElemento(2);
    Clica(Px(e.XCentro(), e.YCentro()));
    Clica(Px(6, 1));
    ASSERT_EQ(roteiro.P.Informacoes.size(), 2);
    EXPECT_EQ(roteiro.P.Informacoes[0],
              QStringLiteral("Elemento n° %1")
                  .arg(M().FMalha->ElementoNoPonto(e.XCentro(), e.YCentro())));
    EXPECT_EQ(roteiro.P.Informacoes[1], "Elemento Inexistente !");
    EXPECT_EQ(M().FElementoCapturado, 0);

    // Moving writes the place in the user's length unit and the element under the cursor.
    f->Move(Px(e.XCentro(), e.YCentro()));
    EXPECT_TRUE(frmMalha->Status(3).startsWith("X = ")) << frmMalha->Status(3).toStdString();
    EXPECT_TRUE(frmMalha->Status(3).endsWith("[m]"));
    EXPECT_EQ(frmMalha->Status(2),
              QStringLiteral("Elemento: %1")
                  .arg(ElementoSobCursor(
                      M(), {Px(e.XCentro(), e.YCentro()).x(), Px(e.XCentro(), e.YCentro()).y()})));
    const QString antes = frmMalha->Status(2);
    f->Move(Px(6, 1)); // no element there: the panel keeps its text
    EXPECT_EQ(frmMalha->Status(2), antes);
}

TEST_F(Ferramentas, RetaVerticalGanhaDaHorizontal) {
    Retangulo();
    Liga("toolbDefineReta");
    EXPECT_TRUE(M().FDefineReta);
    EXPECT_EQ(frmMalha->imMalha->contextMenuPolicy(), Qt::PreventContextMenu);
    const QPoint a = Px(0.5, 0.5), b = Px(3, 1.5);
    f->Pressiona(a, Qt::LeftButton);
    f->Solta(b, Qt::RightButton);
    const TPontoReal wa = PontoMundo(M(), {a.x(), a.y()}), wb = PontoMundo(M(), {b.x(), b.y()});
    auto fim = [&](double x, double y) {
        EXPECT_EQ(M().FFimReta.X, x);
        EXPECT_EQ(M().FFimReta.Y, y);
    };
    EXPECT_EQ(M().FInicioReta.X, wa.X);
    EXPECT_EQ(M().FInicioReta.Y, wa.Y);
    fim(wb.X, wb.Y);
    Liga("toolbRetaHorizontal");
    f->Solta(b, Qt::RightButton);
    fim(wb.X, wa.Y);
    Liga("toolbRetaPerpendicular");
    f->Solta(b, Qt::RightButton);
    fim(wa.X, wb.Y);
    // A left release does not end the line.
    f->Solta(Px(1, 1), Qt::LeftButton);
    fim(wa.X, wb.Y);
    Liga("toolbDefineReta", false);
    EXPECT_FALSE(M().FDefineReta);
    EXPECT_EQ(frmMalha->imMalha->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(Ferramentas, SubDominioDesenhadoNaoMexeNosNosCapturados) {
    Retangulo();
    M().FNosSelecionados = TVetorInteiro();
    M().FNosSelecionados.Adiciona(4);
    M().FNosSelecionados.Adiciona(7);
    Liga("toolbNovoSubDominio");
    EXPECT_TRUE(frmMalha->FecharDominio->isVisible());
    EXPECT_FALSE(frmMalha->Materiais->isVisible());
    auto *ferr = static_cast<TFerramentaNovoSubDominio *>(
        f->Ferramenta(frmMalha->acaoBotao("toolbNovoSubDominio")));
    ASSERT_NE(ferr, nullptr);
    // The same vertex twice counts once; a click on no vertex adds nothing.
    Clica(Px(0, 0));
    Clica(Px(0, 0) + QPoint(3, 0));
    Clica(Px(1, 1));
    EXPECT_EQ(ferr->Vertices(), (std::vector<int>{1}));
    Clica(Px(2, 0));
    frmMalha->FecharDominio->trigger(); // two vertices: refused
    EXPECT_EQ(M().GetNumSubDominios(), 0);
    ASSERT_EQ(roteiro.P.Erros.size(), 1);
    Clica(Px(2, 2));
    Clica(Px(0, 2));
    EXPECT_EQ(ferr->Vertices(), (std::vector<int>{1, 2, 5, 6}));
    frmMalha->FecharDominio->trigger();
    ASSERT_EQ(M().GetNumSubDominios(), 1);
    EXPECT_TRUE(ferr->Vertices().empty());
    EXPECT_EQ(Nos(), (std::set<int>{4, 7}));
    EXPECT_EQ(M().GetSubDominio(1)->GetMalha()->GetNumVertices(), 4);

    // Cancel forgets the vertices collected so far.
    Clica(Px(4, 0));
    frmMalha->CancelarDominio->trigger();
    EXPECT_TRUE(ferr->Vertices().empty());
    Liga("toolbNovoSubDominio", false);
    EXPECT_FALSE(frmMalha->FecharDominio->isVisible());
    EXPECT_TRUE(frmMalha->Materiais->isVisible());
}

TEST_F(Ferramentas, EliminaSubDominiosEONovoRecebeOMaterial) {
    Retangulo();
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_EQ(M().AdicionaSubDominio({2, 3, 4, 5}), 2);
    // Cancelled: nothing goes.
    roteiro.P.Respostas.push_back(false);
    frmMalha->acaoBotao("toolbLiberarSubDominios")->trigger();
    EXPECT_EQ(M().GetNumSubDominios(), 2);
    roteiro.P.Respostas.push_back(true);
    frmMalha->acaoBotao("toolbLiberarSubDominios")->trigger();
    EXPECT_EQ(roteiro.P.Perguntas.last(), "Destruir os subdomínios?");
    EXPECT_EQ(M().GetNumSubDominios(), 0);
    EXPECT_EQ(M().FAnalise->GetNumSubDominios(), 0);
    EXPECT_EQ(M().FAnaliseTensional->GetNumSubDominios(), 0);

    // A new subdomain on the left: its material reaches exactly its elements.
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 5, 6}), 1);
    auto mat = std::make_unique<TMaterial>(7.0, 7.0, 2400.0, 1000.0, 20.0, 0.08609, 0.04225, true,
                                           1e-5, 0.2, 9.81, TMaterial::kModeloJCI, false, 20.0,
                                           false, 1.408, 0.1931, false, 0.0, true);
    M().AplicaMaterial(*mat);
    TAnalise &a = *M().FAnalise;
    a.Prepara();
    for (int e = 1; e <= M().FMalha->GetNumElementos(); ++e) {
        const bool esquerda = M().FMalha->GetElemento(e)->XCentro() < 2;
        TMaterial *me = a.MaterialDoElemento(e);
        ASSERT_NE(me, nullptr);
        if (esquerda)
            EXPECT_EQ(me, a.GetSubDominio(1)->GetMaterial()) << e;
        else
            EXPECT_EQ(me, a.GetDominio()->GetMaterial()) << e;
    }
}

TEST_F(Ferramentas, DuasFerramentasDeRetanguloUmaLevantada) {
    Retangulo();
    Liga("toolbCapturaNos");
    Liga("toolbCapturaAresta");
    EXPECT_TRUE(M().Opcoes.Arestas); // edges drawn while capturing them
    Liga("toolbCapturaNos", false);
    EXPECT_TRUE(f->SelecaoRetangulo());
    // The bottom edges of the domain: 1 (0,0)-(2,0) and 2 (2,0)-(4,0).
    Arrasta(Px(-0.1, 0.1), Px(4.1, -0.1));
    std::set<int> arestas;
    for (int i = 1; i <= M().FArestasSelecionadas.GetTamanho(); ++i)
        arestas.insert(M().FArestasSelecionadas[i]);
    EXPECT_EQ(arestas, (std::set<int>{1, 2}));
    EXPECT_TRUE(Nos().empty()); // the raised node tool did nothing
    Liga("toolbCapturaAresta", false);
    EXPECT_FALSE(f->SelecaoRetangulo());
}

TEST_F(Ferramentas, PassosDeSubDominioEtapaECamadaDaoAVolta) {
    Retangulo();
    // No subdomain: the steps do nothing harmful.
    frmMalha->acaoBotao("toolbSetaDireitaMaterial")->trigger();
    EXPECT_EQ(M().FSubDominioAtual, 1);
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_EQ(M().AdicionaSubDominio({2, 3, 4, 5}), 2);
    M().GetSubDominio(1)->SetFixo(false);
    EXPECT_EQ(M().FSubDominioAtual, 2);
    frmMalha->acaoBotao("toolbSetaDireitaMaterial")->trigger();
    EXPECT_EQ(M().FSubDominioAtual, 1);
    EXPECT_FALSE(f->chkFixo->isChecked());
    frmMalha->acaoBotao("toolbSetaEsquerdaMaterial")->trigger();
    EXPECT_EQ(M().FSubDominioAtual, 2);
    EXPECT_TRUE(f->chkFixo->isChecked());
    f->chkFixo->click();
    EXPECT_FALSE(M().GetSubDominio(2)->Fixo);

    ASSERT_TRUE(M().CriaCamadas({{0.5, 0.0, 20.0}, {1.0, 24.0, 20.0}, {2.0, 48.0, 20.0}}));
    frmMalha->AtualizaComandos();
    ASSERT_TRUE(frmMalha->acaoBotao("toobSetaDireita")->isEnabled());
    EXPECT_EQ(M().FEtapaAtual, 1);
    frmMalha->acaoBotao("toobSetaEsquerda")->trigger();
    EXPECT_EQ(M().FEtapaAtual, 3);
    EXPECT_EQ(M().FMalha, M().FCamadas->GetEtapa(3)->GetMalha());
    frmMalha->acaoBotao("toobSetaDireita")->trigger();
    EXPECT_EQ(M().FEtapaAtual, 1);
    EXPECT_EQ(M().FMalha, M().FCamadas->GetEtapa(1)->GetMalha());

    EXPECT_EQ(M().FMaterialAtual, 1);
    frmMalha->acaoBotao("toobCamadaAbaixo")->trigger();
    EXPECT_EQ(M().FMaterialAtual, 2);
    frmMalha->acaoBotao("toobCamadaAcima")->trigger();
    EXPECT_EQ(M().FMaterialAtual, 1);

    // The stage tools show the last stage and set the model's flags the receivers read.
    Liga("toolbSelecionarRetanguloArestasEtapas");
    EXPECT_EQ(M().FEtapaAtual, 3);
    EXPECT_TRUE(M().FRetanguloArestasEtapas);
    EXPECT_TRUE(f->SelecaoRetangulo());
    Liga("toolbSelecionarLinhaArestasEtapas");
    EXPECT_TRUE(M().FDefineReta);
    Liga("toolbSelecionarRetanguloArestasEtapas", false);
    EXPECT_FALSE(M().FRetanguloArestasEtapas);
    EXPECT_TRUE(M().FDefineReta);
}

} // namespace

namespace {

// The line is picked, the window resized, then the line used: the temperature profile and the
// loads placed on every stage take the same world line whatever the window's size.
TEST_F(Ferramentas, RetaGuardaPontosDoMundoAtravesDeRedimensionamento) {
    for (const QSize tamanho : {QSize(900, 650), QSize(1300, 900), QSize(700, 500)}) {
        SCOPED_TRACE(tamanho.width());
        ASSERT_NO_FATAL_FAILURE(RetanguloEmCamadas());
        // Across the bottom edge at x = 1.
        Liga("toolbSelecionarLinhaArestasEtapas");
        f->Pressiona(Px(1.0, -0.5), Qt::LeftButton);
        f->Solta(Px(1.0, 0.5), Qt::RightButton);
        frmMalha->resize(tamanho);
        QCoreApplication::processEvents();
        ASSERT_EQ(frmMalha->imMalha->Imagem().size(), frmMalha->imMalha->size());

        TPontoReal a, b;
        ASSERT_TRUE(FonteResultados()->Reta(a, b));
        const double pixel = 2.0 / M().Plot()->EscalaTela.X;
        EXPECT_NEAR(a.X, 1.0, pixel);
        EXPECT_NEAR(a.Y, -0.5, pixel);
        EXPECT_NEAR(b.X, 1.0, pixel);
        EXPECT_NEAR(b.Y, 0.5, pixel);

        M().AplicaForcaExterna(TForcaExterna());
        for (int k = 1; k <= 2; ++k) {
            const TDominio &etapa = *M().FCamadas->GetEtapa(k);
            ASSERT_EQ(etapa.GetNumForcasExternas(), 1);
            const TVetorInteiro esperadas = etapa.GetMalha()->ArestasCruzadas(1.0, -0.5, 1.0, 0.5);
            ASSERT_EQ(esperadas.GetTamanho(), 1) << k;
            const TVetorInteiro &arestas = etapa.GetForcaExterna(1)->GetArestas();
            ASSERT_EQ(arestas.GetTamanho(), 1) << k;
            EXPECT_EQ(arestas[1], esperadas[1]) << k;
        }
        Liga("toolbSelecionarLinhaArestasEtapas", false);
    }
}

} // namespace

namespace {

// After "Gera malha" on the first stage, the commands that show another stage draw it at the
// scale a redraw gives, so what is seen is where a rectangle or a line picks.
TEST_F(Ferramentas, EtapaMostradaNaEscalaDoRedesenho) {
    const std::pair<const char *, int> casos[] = {{"toolbSelecionarRetanguloArestasEtapas", 3},
                                                  {"toolbSelecionarLinhaArestasEtapas", 3},
                                                  {"toobSetaEsquerda", 3},
                                                  {"toobSetaDireita", 2}};
    for (const auto &[botao, etapa] : casos) {
        SCOPED_TRACE(botao);
        Retangulo();
        M().AdicionaSubDominio({1, 2, 3, 4, 5, 6});
        M().GetSubDominio(1)->SetFixo(false);
        ASSERT_TRUE(M().CriaCamadas({{0.5, 0.0, 20.0}, {1.0, 24.0, 20.0}, {2.0, 48.0, 20.0}}));
        frmMalha->AtualizaComandos();
        M().FEtapaAtual = 1;
        frmMalha->acaoBotao("toolbElementosDominio")->trigger();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        frmMalha->acaoBotao(botao)->trigger();
        ASSERT_EQ(M().FEtapaAtual, etapa);
        const QPoint canto = Px(4.0, 2.0 * etapa / 3.0), origem = Px(0.0, 0.0);
        frmMalha->acaoBotao("toobRefresh")->trigger();
        EXPECT_EQ(Px(4.0, 2.0 * etapa / 3.0), canto);
        EXPECT_EQ(Px(0.0, 0.0), origem);
        if (frmMalha->acaoBotao(botao)->isCheckable())
            Liga(botao, false);
    }
}

} // namespace

namespace {

// The ended line is drawn again after the window is resized (and any redraw) while its tool is
// down, at the pixels the new size gives its world ends; with the tool up it is gone.
TEST_F(Ferramentas, RetaRedesenhadaAposRedimensionamento) {
    const auto amarelo = [this](QPoint p) {
        const QImage &im = frmMalha->imMalha->Imagem();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (im.valid(q) && im.pixelColor(q) == QColor(Qt::yellow))
                    return true;
            }
        return false;
    };
    struct Caso {
        const char *botao;
        QSize tamanho;
    };
    for (const Caso &c :
         {Caso{"toolbDefineReta", QSize(1300, 900)}, Caso{"toolbDefineReta", QSize(700, 500)},
          Caso{"toolbSelecionarLinhaArestasEtapas", QSize(1100, 800)}}) {
        SCOPED_TRACE(std::string(c.botao) + " " + std::to_string(c.tamanho.width()));
        ASSERT_NO_FATAL_FAILURE(RetanguloEmCamadas());
        Liga(c.botao);
        f->Pressiona(Px(0.5, 0.3), Qt::LeftButton);
        f->Solta(Px(3.1, 1.7), Qt::RightButton);
        const auto pontos = [&] {
            const QPoint a = Px(0.5, 0.3), b = Px(3.1, 1.7);
            return std::vector<QPoint>{a + (b - a) * 0.25, a + (b - a) * 0.5, a + (b - a) * 0.75};
        };
        for (const QPoint &p : pontos())
            ASSERT_TRUE(amarelo(p)) << p.x() << "," << p.y() << " before the resize";
        frmMalha->resize(c.tamanho);
        QCoreApplication::processEvents();
        ASSERT_EQ(frmMalha->imMalha->Imagem().size(), frmMalha->imMalha->size());
        for (const QPoint &p : pontos())
            EXPECT_TRUE(amarelo(p)) << p.x() << "," << p.y();
        Liga(c.botao, false);
        frmMalha->acaoBotao("toobRefresh")->trigger();
        for (const QPoint &p : pontos())
            EXPECT_FALSE(amarelo(p)) << p.x() << "," << p.y() << " with the tool up";
    }
}

} // namespace
