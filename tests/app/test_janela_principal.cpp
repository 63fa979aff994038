// The main window driven as a user would: start-up, commands enabled by what the model holds,
// the exit question, domains opened, meshed, saved and imported, bad files refused.
#include "KitBase.h"
#include "KitCalc.h"
#include "LigacaoKit.h"
#include "support_janelas.h"

#include "Ajuda.h"
#include "Ferramentas.h"
#include "KitCombos.h"
#include "VisaoMalha.h"
#include "uConfiguracaoMalha.h"
#include "uConfiguracoes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

QStringList Menus(QMenuBar *b) {
    QStringList r;
    for (QAction *a : b->actions())
        r << a->text();
    return r;
}

QString Titulo(const TMalha &m) {
    char t[96];
    std::snprintf(t, sizeof t, "ZOK-2D - %d  Elementos    %d  Nós", m.GetNumElementos(),
                  m.GetNumNos());
    return QString::fromUtf8(t);
}

} // namespace

TEST_F(JanelasTeste, StartUpShowsTheMenusPagesAndOnlyTheCommandsThatCanRun) {
    EXPECT_EQ(frmMalha->windowTitle(), "ZOK 2D");
    EXPECT_EQ(Menus(frmMalha->menuBar()), QStringList({"Malha", "Análise", "Resultados",
                                                       "Configurações", "Condições", "Ajuda"}));
    QStringList paginas;
    for (int i = 0; i < frmMalha->pctrlMalha->count(); ++i)
        paginas << frmMalha->pctrlMalha->tabText(i);
    EXPECT_EQ(paginas, QStringList({"Domínio", "Camadas", "Nós", "Elementos", "Cargas", "Tensão",
                                    "Sistema"}));
    EXPECT_EQ(frmMalha->pctrlMalha->currentWidget(), frmMalha->tbsDominio);
    EXPECT_EQ(frmMalha->statusBar()->findChildren<QLabel *>().size(), 3);

    // Nothing to save, mesh, run or fill before a domain exists.
    for (QAction *a :
         {frmMalha->Salvar1, frmMalha->Rodar1, frmMalha->Rodar2, frmMalha->NovaAnliseTrmica1,
          frmMalha->NovaAnliseTensional1, frmMalha->Relatrio1, frmMalha->Isocores1,
          frmMalha->Material1, frmMalha->Tempo1, frmMalha->acaoBotao("toolbReMesh"),
          frmMalha->acaoBotao("toobCriaCamada")})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction *a :
         {frmMalha->AbrirDominio, frmMalha->ImportarMalha1, frmMalha->Malha2, frmMalha->Unidades1,
          frmMalha->Configuracoes, frmMalha->Sair1, frmMalha->Contedo1, frmMalha->SobreoDARV2DAT1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_EQ(frmMalha->Novo1->text(), "Novo Domínio");
    EXPECT_EQ(frmMalha->Relatrio1->text(), "Relatório");
    EXPECT_EQ(frmMalha->Botao("toolbTempo")->toolTip(), "Análise transiente");
}

TEST_F(JanelasTeste, ExitAsksFromTheMenuAndFromTheCloseButton) {
    roteiro.P.Respostas = {false, false};
    frmMalha->Sair1->trigger();
    EXPECT_TRUE(frmMalha->isVisible());
    EXPECT_FALSE(frmMalha->close());
    EXPECT_TRUE(frmMalha->isVisible());
    EXPECT_EQ(saidas, 0);
    EXPECT_EQ(roteiro.P.Perguntas, QStringList(2, "Deseja realmente finalizar o software ZOK-2D?"));

    roteiro.P.Respostas = {true};
    frmMalha->Sair1->trigger();
    EXPECT_FALSE(frmMalha->isVisible());
    EXPECT_EQ(saidas, 1);
}

TEST_F(JanelasTeste, OpenedDomainIsDrawnUnmeshedThenRemeshedWithItsCaption) {
    roteiro.P.Arquivos.push_back(Exemplo("bloco.txt"));
    frmMalha->AbrirDominio->trigger();
    ASSERT_TRUE(M().TemMalha());
    EXPECT_EQ(M().FMalha->GetNumVertices(), 4);
    EXPECT_EQ(M().FMalha->GetNumElementos(), 0);
    EXPECT_FALSE(M().TemAnalise());
    EXPECT_TRUE(frmMalha->Salvar1->isEnabled());
    EXPECT_TRUE(frmMalha->acaoBotao("toolbReMesh")->isEnabled());
    EXPECT_FALSE(frmMalha->Tempo1->isEnabled());
    // The domain's edges are on the picture: some pixel is neither background nor axis.
    const QImage &im = frmMalha->imMalha->Imagem();
    int azuis = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            azuis += im.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_GT(azuis, 100);

    // Cancelling the re-mesh question leaves it unmeshed.
    roteiro.P.Respostas = {false};
    frmMalha->acaoBotao("toolbReMesh")->trigger();
    EXPECT_EQ(M().FMalha->GetNumElementos(), 0);
    EXPECT_EQ(roteiro.P.Perguntas.back(), "Deseja refazer a malha?");

    roteiro.P.Respostas = {true};
    frmMalha->acaoBotao("toolbReMesh")->trigger();
    EXPECT_GT(M().FMalha->GetNumElementos(), 0);
    EXPECT_TRUE(M().TemAnalise());
    EXPECT_EQ(frmMalha->windowTitle(), Titulo(*M().FMalha));
    EXPECT_TRUE(frmMalha->Material1->isEnabled() ==
                (frmMalha->Janela(TJanela::Materiais) != nullptr));
    EXPECT_TRUE(frmMalha->acaoBotao("toobCriaCamada")->isEnabled() ==
                (frmMalha->Janela(TJanela::Camadas) != nullptr));
    EXPECT_TRUE(roteiro.P.Esgotado());
}

TEST_F(JanelasTeste, BadAndTruncatedFilesKeepThePreviousModel) {
    AbreEMalha();
    TMalha *antes = M().FMalha;
    const int elementos = antes->GetNumElementos();

    const std::string lixo = pasta.Arquivo("lixo.txt");
    std::ofstream(lixo) << "isto nao e um dominio\n1 2 3\n";
    roteiro.P.Arquivos.push_back(QString::fromStdString(lixo));
    frmMalha->AbrirDominio->trigger();
    EXPECT_EQ(roteiro.P.Erros, QStringList({"Erro ao abrir Malha"}));
    EXPECT_EQ(M().FMalha, antes);
    EXPECT_EQ(M().FMalha->GetNumElementos(), elementos);
    EXPECT_TRUE(M().TemAnalise());

    // A missing file is no domain either.
    roteiro.P.Arquivos.push_back(QString::fromStdString(pasta.Arquivo("nao_existe.txt")));
    frmMalha->AbrirDominio->trigger();
    EXPECT_EQ(roteiro.P.Erros.size(), 2);
    EXPECT_EQ(M().FMalha, antes);

    // Every truncation of a saved mesh file is imported whole or refused with the model kept.
    const std::string salvo = pasta.Arquivo("salvo.txt");
    M().SalvaMalha(salvo);
    std::ifstream in(salvo, std::ios::binary);
    const std::string conteudo((std::istreambuf_iterator<char>(in)), {});
    const std::string cortado = pasta.Arquivo("cortado.txt");
    int recusados = 0;
    for (std::size_t n = 0; n < conteudo.size(); n += 7) {
        std::ofstream(cortado, std::ios::binary) << conteudo.substr(0, n);
        roteiro.P.Erros.clear();
        TMalha *atual = M().FMalha;
        roteiro.P.Arquivos.push_back(QString::fromStdString(cortado));
        frmMalha->ImportarMalha1->trigger();
        if (!roteiro.P.Erros.isEmpty()) {
            ++recusados;
            EXPECT_EQ(M().FMalha, atual) << n;
        }
        ASSERT_TRUE(M().TemMalha());
        frmMalha->Redesenha();
    }
    EXPECT_GT(recusados, 0);
}

// What the settings windows show is in force from start-up, before any of them is opened.
TEST_F(JanelasTeste, SettingsShownAreInForceFromStartUp) {
    const TConfiguracaoMalha &m = Estado().ConfiguracaoMalha;
    EXPECT_TRUE(m.PorDmax);
    EXPECT_DOUBLE_EQ(m.Dmax, 0.25);
    const TConfiguracoes &c = Estado().Configuracoes;
    EXPECT_TRUE(c.FAplicado);
    EXPECT_EQ(c.NomeDeform, "PassoDeform");
    EXPECT_EQ(c.EnderecoTensao, frmConfiguracoes->edEnderecoTensao->text().toStdString());
}

TEST_F(JanelasTeste, SaveAndImportRoundTripShowsTheFileSettingsInTheDialog) {
    // Confirm 6 x 3 exponential divisions in the mesh settings dialog.
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &c = static_cast<TfrmConfiguracaoMalha &>(d);
        c.seNx->setValue(6);
        c.seNy->setValue(3);
        c.rbExponencial->click();
        c.btnOk->click();
        return d.result();
    });
    frmMalha->Malha2->trigger();
    EXPECT_EQ(Estado().ConfiguracaoMalha.Nx, 6);
    EXPECT_TRUE(Estado().ConfiguracaoMalha.Exponencial);
    AbreEMalha();
    const int nos = M().FMalha->GetNumNos(), elementos = M().FMalha->GetNumElementos();
    const std::string salvo = pasta.Arquivo("malha.txt");
    roteiro.P.Arquivos.push_back(QString::fromStdString(salvo));
    frmMalha->Salvar1->trigger();
    ASSERT_TRUE(std::filesystem::exists(salvo));

    // Back to linear 2 x 2, then import: the file's settings come back into the dialog.
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &c = static_cast<TfrmConfiguracaoMalha &>(d);
        c.seNx->setValue(2);
        c.seNy->setValue(2);
        c.rbLinear->click();
        c.btnOk->click();
        return d.result();
    });
    frmMalha->Malha2->trigger();
    EXPECT_FALSE(Estado().ConfiguracaoMalha.Exponencial);
    EXPECT_TRUE(frmConfiguracaoMalha->pDmax->isVisibleTo(frmConfiguracaoMalha));

    roteiro.P.Arquivos.push_back(QString::fromStdString(salvo));
    frmMalha->ImportarMalha1->trigger();
    EXPECT_TRUE(roteiro.P.Erros.isEmpty());
    EXPECT_EQ(M().FMalha->GetNumNos(), nos);
    EXPECT_EQ(M().FMalha->GetNumElementos(), elementos);
    EXPECT_FALSE(M().TemAnalise());
    EXPECT_EQ(frmConfiguracaoMalha->seNx->value(), 6);
    EXPECT_EQ(frmConfiguracaoMalha->seNy->value(), 3);
    EXPECT_TRUE(frmConfiguracaoMalha->rbExponencial->isChecked());
    EXPECT_FALSE(frmConfiguracaoMalha->pDmax->isVisibleTo(frmConfiguracaoMalha));
}

TEST_F(JanelasTeste, MeshSettingsWithoutAMeshAreStoredAndAppliedToTheNextMesh) {
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &c = static_cast<TfrmConfiguracaoMalha &>(d);
        c.seNx->setValue(4);
        c.seNy->setValue(4);
        c.cbxDmax->setChecked(false);
        c.kcbxAreaDeDesenho->SetColorValue(clBlack);
        c.btnOk->click();
        return d.result();
    });
    frmMalha->Malha2->trigger();
    EXPECT_FALSE(M().TemMalha());
    EXPECT_EQ(M().Desenho.CorFundo, clBlack);
    AbreEMalha();
    EXPECT_EQ(M().FMalha->Nx, 4);
    // The drawing area is black now.
    EXPECT_EQ(frmMalha->imMalha->Imagem().pixelColor(2, 2), QColor(0, 0, 0));

    // Fewer divisions give fewer elements.
    const int elementos = M().FMalha->GetNumElementos();
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &c = static_cast<TfrmConfiguracaoMalha &>(d);
        c.seNx->setValue(2);
        c.seNy->setValue(2);
        c.btnOk->click();
        return d.result();
    });
    frmMalha->Malha2->trigger();
    roteiro.P.Respostas.push_back(true);
    frmMalha->acaoBotao("toolbReMesh")->trigger();
    EXPECT_LT(M().FMalha->GetNumElementos(), elementos);
}

TEST_F(JanelasTeste, HelpOpensAtItsContentsPage) {
    frmMalha->Contedo1->trigger();
    QTextBrowser *ajuda = JanelaAjuda();
    ASSERT_NE(ajuda, nullptr);
    EXPECT_TRUE(ajuda->isVisible());
    EXPECT_EQ(ajuda->source().toString(), "qrc:/ajuda/index.html");
    EXPECT_TRUE(ajuda->toPlainText().contains("Conteúdo"));
    EXPECT_TRUE(ajuda->toPlainText().contains("Domínio e malha"));
}

TEST_F(JanelasTeste, ResultFileSettingsOpenWithoutModality) {
    frmMalha->Configuracoes->trigger();
    QWidget *j = frmMalha->Janela(TJanela::Configuracoes);
    ASSERT_NE(j, nullptr);
    EXPECT_TRUE(j->isVisible());
    EXPECT_FALSE(j->isModal());
    EXPECT_EQ(j->windowTitle(), "Configurações do Programa");
}

TEST_F(JanelasTeste, ScreenshotOfTheMeshedExample) {
    frmMalha->resize(900, 650);
    AbreEMalha();
    frmMalha->acaoBotao("toolbNumNos")->trigger();
    const QPixmap p = frmMalha->grab();
    EXPECT_FALSE(p.isNull());
    if (const char *dir = std::getenv("DARV_PNG_DIR"))
        p.save(QDir(QString::fromLocal8Bit(dir)).filePath("janela_principal.png"));
}

TEST_F(JanelasTeste, CalculadoraGuardaValorEMemoriaEntreExecucoes) {
    LigaKit();
    TKitTemporizador::DefineTempoReal(false);
    ASSERT_TRUE(frmMalha->Calculadora->isEnabled());
    EXPECT_EQ(frmMalha->Calculadora->text(), QStringLiteral("Calculadora"));
    QString titulo, abertura, marca;
    roteiro.P.Modais.push_back([&](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        titulo = f.windowTitle();
        for (char c : std::string("6*7="))
            f.CalcPanel()->PressKey(c);
        f.CalcPanel()->Button(KeyMemoryStore)->ButtonClick();
        f.CalcPanel()->Button(KeyOk)->ButtonClick();
        return f.result();
    });
    frmMalha->Calculadora->trigger();
    roteiro.P.Modais.push_back([&](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        abertura = f.DisplayLabel()->text();
        marca = f.CalcPanel()->MemoryMark()->text();
        f.CalcPanel()->Button(KeyCancel)->ButtonClick();
        return f.result();
    });
    frmMalha->Calculadora->trigger();
    EXPECT_TRUE(roteiro.P.Esgotado());
    EXPECT_EQ(titulo, QStringLiteral("Calculadora"));
    EXPECT_EQ(abertura, QStringLiteral("42"));
    EXPECT_EQ(marca, QStringLiteral("M"));
    EXPECT_EQ(frmMalha->KitCalculator1->Value, 42);
    EXPECT_EQ(frmMalha->KitCalculator1->MemoryValue, 42);
    EXPECT_TRUE(roteiro.P.Erros.isEmpty());
    TKitTemporizador::DefineTempoReal(true);
}

TEST_F(JanelasTeste, AResizeRedrawsTheMeshOnAPictureOfTheNewSize) {
    AbreEMalha();
    auto prata = [] {
        const QImage &im = frmMalha->imMalha->Imagem();
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                n += im.pixelColor(x, y) == QColor(192, 192, 192);
        return n;
    };
    const int antes = prata();
    EXPECT_GT(antes, 0);
    frmMalha->resize(frmMalha->width() + 300, frmMalha->height() + 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(frmMalha->imMalha->Imagem().size(), frmMalha->imMalha->size());
    EXPECT_GT(prata(), antes); // the elements fill a larger picture
}

TEST_F(JanelasTeste, EveryExampleOpensAndMeshes) {
    for (const char *e : {"bloco.txt", "barragem.txt", "bloco_fundacao.txt"}) {
        AbreEMalha(e);
        EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << e;
        ASSERT_TRUE(M().TemAnalise()) << e;
        EXPECT_GT(M().FMalha->GetNumElementos(), 0) << e;
    }
}

TEST_F(JanelasTeste, ClosingASubdomainFromThePopupAddsItToTheModel) {
    AbreEMalha();
    M().FNosSelecionados.Adiciona(5);
    frmMalha->acaoBotao("toolbNovoSubDominio")->trigger();
    auto *f = frmMalha->findChild<TFerramentas *>();
    for (int v : {1, 2, 3}) {
        const TNo &no = *M().MalhaDominio()->GetVertice(v);
        const TPonto p = M().Plot()->MundoParaTela(no.X, no.Y);
        f->Pressiona({p.X, p.Y}, Qt::LeftButton);
        f->Solta({p.X, p.Y}, Qt::LeftButton);
    }
    frmMalha->FecharDominio->trigger();
    EXPECT_EQ(M().GetNumSubDominios(), 1);
    EXPECT_EQ(M().FAnalise->GetNumSubDominios(), 1);
    // The vertices had a list of their own: the captured nodes stay.
    EXPECT_EQ(M().FNosSelecionados.GetTamanho(), 1);
}

// Every command of every page is in reach: its button lies inside the window, or the page's
// overflow button opens a menu that offers it (the same action, or an entry that clicks it).
TEST_F(JanelasTeste, EveryPageCommandIsInReachOnSmallScreens) {
    for (const QSize tela : {QSize(1024, 768), QSize(1280, 800)}) {
        frmMalha->resize(tela);
        QCoreApplication::processEvents();
        ASSERT_LE(frmMalha->width(), tela.width());
        for (int i = 0; i < frmMalha->pctrlMalha->count(); ++i) {
            QWidget *pagina = frmMalha->pctrlMalha->widget(i);
            const std::string nome =
                frmMalha->pctrlMalha->tabText(i).toStdString() + " " + std::to_string(tela.width());
            frmMalha->pctrlMalha->setCurrentIndex(i);
            QCoreApplication::processEvents();
            auto visivel = [&](QWidget *w) {
                return w->isVisible() &&
                       frmMalha->rect().contains(QRect(w->mapTo(frmMalha, QPoint()), w->size()));
            };
            QList<QAction *> menu;
            auto *extensao = pagina->findChild<QToolButton *>(QStringLiteral("Extensao"));
            if (extensao && visivel(extensao)) {
                extensao->click();
                auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                ASSERT_NE(m, nullptr) << nome;
                menu = m->actions();
                m->close();
            }
            int fora = 0;
            for (QAbstractButton *b : pagina->findChildren<QAbstractButton *>()) {
                if (b == extensao || b->objectName().startsWith("qt_") || visivel(b))
                    continue;
                ++fora;
                auto *t = qobject_cast<QToolButton *>(b);
                QAction *acao = t ? t->defaultAction() : nullptr;
                auto it = std::find_if(menu.begin(), menu.end(), [&](QAction *a) {
                    return acao ? a == acao : a->text() == b->text();
                });
                ASSERT_NE(it, menu.end()) << nome << ": " << b->toolTip().toStdString();
                if (!acao) {
                    QSignalSpy cliques(b, &QAbstractButton::clicked);
                    const bool antes = b->isChecked();
                    (*it)->trigger();
                    EXPECT_EQ(cliques.count(), 1) << nome;
                    EXPECT_NE(b->isChecked(), antes) << nome;
                }
            }
            // The domain page holds more than 1024 pixels of buttons.
            if (i == 0 && tela.width() == 1024) {
                EXPECT_GT(fora, 0);
            }
        }
    }
}

TEST_F(JanelasTeste, ElementNumbersAreDrawnWhileTheirButtonIsUp) {
    AbreEMalha();
    const struct {
        bool elementos, botaoNumeros, numeros;
    } casos[] = {{true, false, true}, {true, true, false}, {false, false, false}};
    for (const auto &c : casos) {
        frmMalha->acElementos->setChecked(c.elementos);
        frmMalha->acNumElementos->setChecked(c.botaoNumeros);
        frmMalha->acaoBotao("toobRefresh")->trigger();
        EXPECT_EQ(M().Plot()->MostraNumElementos, c.numeros)
            << c.elementos << " " << c.botaoNumeros;
    }
}

TEST_F(JanelasTeste, PopupShowsItsSeparatorWithTheSubdomainItemsOnly) {
    AbreEMalha();
    auto visiveis = [] {
        QStringList r;
        for (QAction *a : frmMalha->ppmDominio->actions())
            if (a->isVisible())
                r << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return r;
    };
    const std::pair<bool, QStringList> casos[] = {
        {true, {"Fechar Dominio", "-", "Cancelar"}},
        {false, {"Calor Interno", "Materiais", "Fluência", "Restrições", "Força Distribuída"}}};
    for (const auto &[desenhando, itens] : casos) {
        if (frmMalha->acaoBotao("toolbNovoSubDominio")->isChecked() != desenhando)
            frmMalha->acaoBotao("toolbNovoSubDominio")->trigger();
        EXPECT_EQ(visiveis(), itens);
    }
}
