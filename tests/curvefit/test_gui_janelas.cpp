#include "support_gui.h"

#include "Numeros.h"
#include "uCurvas.h"
#include "uGrafico.h"
#include "uPontos.h"

#include <cmath>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget *AbreEditor(TGradeTexto *g, int linha, int coluna) {
    g->setCurrentCell(linha, coluna);
    if (!g->item(linha, coluna))
        g->SetCells(coluna, linha, QString());
    g->editItem(g->item(linha, coluna));
    QApplication::processEvents();
    return QApplication::focusWidget();
}

} // namespace

TEST_F(JanelasLumacord, MenuShortcutsReachTheirCommandsFromAnyWindow) {
    fLumacord->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fLumacord));

    // Ctrl+I writes the headers and shows the points window.
    QTest::keyClick(fLumacord, Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(frmPontos->isVisible());
    EXPECT_EQ(frmPontos->StgInserirPontos->Cells(0, 0), "x");
    EXPECT_EQ(frmPontos->StgInserirPontos->Cells(1, 0), "y");
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmPontos));

    // Ctrl+A from a cell being edited runs the fit, not the editor's select-all.
    Digita({{"1", "3"}, {"2", "5"}, {"3", "7"}});
    perguntador.Respostas.push_back(true);
    frmPontos->btnConfirmar->click();
    frmPontos->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmPontos));
    fLumacord->Ajuste.TipoCurva = 1;
    QWidget *editor = AbreEditor(frmPontos->StgInserirPontos, 2, 0);
    ASSERT_TRUE(qobject_cast<QLineEdit *>(editor));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(fLumacord->edA->text(), "1");
    EXPECT_EQ(fLumacord->edB->text(), "2");
    EXPECT_EQ(fLumacord->lbEquacao->text(), "y=A+B.x");

    // Ctrl+A with the grid itself focused.
    fLumacord->edA->setText("?");
    frmPontos->StgInserirPontos->setFocus();
    QTest::keyClick(frmPontos->StgInserirPontos, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(fLumacord->edA->text(), "1");

    // Ctrl+E, Ctrl+R, Ctrl+F.
    QTest::keyClick(frmPontos->StgInserirPontos, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(frmCurvas->isVisible());
    QTest::keyClick(frmPontos->StgInserirPontos, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(fLumacord->edA->text(), "0");
    EXPECT_EQ(frmPontos->StgInserirPontos->Cells(0, 1), "");

    QSignalSpy fechado(fLumacord, &TfLumacord::Fechado);
    perguntador.Respostas = {false, true};
    QTest::keyClick(fLumacord, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(fechado.count(), 0);
    EXPECT_TRUE(fLumacord->isVisible());
    QTest::keyClick(fLumacord, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(fechado.count(), 1);
    EXPECT_FALSE(fLumacord->isVisible());
    EXPECT_EQ(perguntador.Perguntas.count("Deseja finalizar?"), 2);
    EXPECT_TRUE(perguntador.Erros.isEmpty());
}

TEST_F(JanelasLumacord, MenuItemsAndShortcutsAsDesigned) {
    struct Item {
        QAction *acao;
        const char *texto, *atalho;
    } itens[] = {{fLumacord->mbReiniciar, "Reiniciar", "Ctrl+R"},
                 {fLumacord->mbFechar, "Fechar", "Ctrl+F"},
                 {fLumacord->mbInserir, "Inserir", "Ctrl+I"},
                 {fLumacord->mbEscolher, "Escolher", "Ctrl+E"},
                 {fLumacord->mbAjustar, "Ajustar", "Ctrl+A"},
                 {fLumacord->mbInformacao, "Informações", ""},
                 {fLumacord->mbDuvida, "Dúvidas", ""}};
    for (const Item &i : itens) {
        EXPECT_EQ(i.acao->text(), QString::fromUtf8(i.texto));
        EXPECT_EQ(i.acao->shortcut().toString(), i.atalho);
    }
    fLumacord->mbInformacao->trigger();
    EXPECT_TRUE(frmSobre->isVisible());
    fLumacord->mbDuvida->trigger();
    EXPECT_TRUE(frmDuvidas->isVisible());
    frmDuvidas->bbtnOk->click();
    EXPECT_FALSE(frmDuvidas->isVisible());
    EXPECT_EQ(fLumacord->edR2->text(), "0,00000");
}

TEST_F(JanelasLumacord, GridRowsFollowTheKeys) {
    TGradeTexto *g = frmPontos->StgInserirPontos;
    frmPontos->show();
    ASSERT_EQ(g->RowCount(), 4);
    ASSERT_EQ(g->FixedRows(), 1);

    // Down released five times adds five rows wherever the cursor is.
    g->setCurrentCell(1, 0);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(g->RowCount(), 9);
    // Holding the key repeats presses but adds one row at the release.
    QTest::keyPress(g, Qt::Key_Down);
    QKeyEvent repetida(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(g, &repetida);
    QTest::keyRelease(g, Qt::Key_Down);
    EXPECT_EQ(g->RowCount(), 10);

    // Delete removes the last row, typed contents included.
    g->SetCells(0, 9, "42");
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(g->RowCount(), 9);
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(g->Cells(0, 9), "");

    // Delete inside a cell's text only edits the text.
    QWidget *editor = AbreEditor(g, 1, 0);
    ASSERT_TRUE(qobject_cast<QLineEdit *>(editor));
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(g->RowCount(), 10);
    EXPECT_EQ(qobject_cast<QLineEdit *>(editor)->text(), "2");

    // Down in the editor of the last row, which cannot move down, still adds a row.
    editor = AbreEditor(g, g->RowCount() - 1, 1);
    ASSERT_TRUE(qobject_cast<QLineEdit *>(editor));
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(g->RowCount(), 11);

    // Other keys do nothing to the rows.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Up);
    QTest::keyClick(g, Qt::Key_Insert);
    EXPECT_EQ(g->RowCount(), 11);

    // The grid keeps one row; the header row is then an ordinary row.
    for (int i = 0; i < 13; ++i)
        QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(g->RowCount(), 1);
    EXPECT_EQ(g->FixedRows(), 0);
    EXPECT_TRUE(g->item(0, 0)->flags() & Qt::ItemIsEditable);
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(g->RowCount(), 2);
}

TEST_F(JanelasLumacord, GridHoldsThirtyPointsAtMost) {
    TGradeTexto *g = frmPontos->StgInserirPontos;
    frmPontos->show();
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(g->RowCount(), lumacord::MaxPontos + 1);

    std::vector<std::pair<QString, QString>> linhas;
    for (int i = 1; i <= 30; ++i)
        linhas.emplace_back(QString::number(i), QString::number(2 * i + 1));
    Digita(linhas);
    perguntador.Respostas.push_back(true);
    frmPontos->btnConfirmar->click();
    EXPECT_TRUE(perguntador.Erros.isEmpty());
    EXPECT_EQ(fLumacord->Ajuste.NumPontos, 30);
    EXPECT_DOUBLE_EQ(fLumacord->Ajuste.Ponto(30, 2), 61);
    fLumacord->Ajuste.TipoCurva = 1;
    fLumacord->bbtnAjustar->click();
    EXPECT_EQ(fLumacord->edB->text(), "2");
}

// Tab past the last cell goes on to a new row, as Down adds one: no filled cell is typed over
// and no key is lost, with or without a cell being edited when Tab comes.
TEST_F(JanelasLumacord, TabPastTheLastCellAddsARow) {
    TGradeTexto *g = frmPontos->StgInserirPontos;
    struct Caso {
        const char *nome;
        int linhasAntes;    // grid rows (header included) before typing
        const char *teclas; // typed from cell (1, 0); '\t' is Tab, '>' ends an edit (Return)
        std::vector<std::pair<QString, QString>> esperado;
    };
    const Caso casos[] = {
        {"editing",
         4,
         "123\t4\t567\t8\t910\t11\t999\t5\t",
         {{"123", "4"}, {"567", "8"}, {"910", "11"}, {"999", "5"}, {"", ""}}},
        {"not editing", 3, "1\t2>\t3\t4>\t\t5", {{"1", "2"}, {"3", "4"}, {"", "5"}}},
        {"full grid", lumacord::MaxPontos + 1, "", {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        frmPontos->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmPontos));
        g->SetRowCount(c.linhasAntes);
        frmPontos->ApagaPontos();
        g->setFocus();
        g->setCurrentCell(1, 0);
        for (const char *t = c.teclas; *t; ++t) {
            QWidget *alvo = QApplication::focusWidget();
            ASSERT_TRUE(alvo == g || alvo->parentWidget() == g->viewport()) << "focus left";
            if (*t == '\t')
                QTest::keyClick(alvo, Qt::Key_Tab);
            else if (*t == '>')
                QTest::keyClick(alvo, Qt::Key_Return);
            else
                QTest::keyClick(alvo, *t);
            QApplication::processEvents(); // closed editors go, as between real keys
        }
        if (c.esperado.empty()) {
            // Full: Tab on the last cell of the last row keeps it, the text being edited too.
            const int ultima = g->RowCount() - 1;
            g->SetCells(0, ultima, "7");
            g->SetCells(1, ultima, "8");
            QWidget *editor = AbreEditor(g, ultima, 1);
            ASSERT_TRUE(qobject_cast<QLineEdit *>(editor));
            QTest::keyClicks(editor, "9");
            const QString digitado = qobject_cast<QLineEdit *>(editor)->text();
            QTest::keyClick(editor, Qt::Key_Tab);
            QApplication::processEvents();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
            QApplication::processEvents();
            if (auto *e = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                QTest::keyClick(e, Qt::Key_Return);
            QApplication::processEvents();
            EXPECT_EQ(g->RowCount(), lumacord::MaxPontos + 1);
            EXPECT_EQ(g->Cells(0, ultima), "7");
            EXPECT_EQ(g->Cells(1, ultima), digitado + "5");
            continue;
        }
        if (auto *e = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            QTest::keyClick(e, Qt::Key_Return);
        QApplication::processEvents();
        ASSERT_EQ(g->RowCount(), int(c.esperado.size()) + 1);
        for (std::size_t i = 0; i < c.esperado.size(); ++i) {
            EXPECT_EQ(g->Cells(0, int(i) + 1), c.esperado[i].first) << "row " << i + 1;
            EXPECT_EQ(g->Cells(1, int(i) + 1), c.esperado[i].second) << "row " << i + 1;
        }
    }
}

TEST_F(JanelasLumacord, ConfirmingThePoints) {
    fLumacord->bbtnInserirPontos->click();
    EXPECT_EQ(frmPontos->StgInserirPontos->Cells(0, 0), "x");
    Digita({{"1", "3"}, {"2", "5"}});

    // Não keeps the window open; the points are stored anyway.
    perguntador.Respostas.push_back(false);
    frmPontos->btnConfirmar->click();
    EXPECT_TRUE(frmPontos->isVisible());
    EXPECT_EQ(fLumacord->Ajuste.NumPontos, 2);
    ASSERT_EQ(perguntador.Perguntas, QStringList{"Os dados dos pontos estão corretos?"});

    // A blank row between points is refused before anything is stored or asked.
    Digita({{"7", "8"}, {"", ""}, {"9", "10"}});
    frmPontos->btnConfirmar->click();
    EXPECT_EQ(perguntador.Informacoes, QStringList{"A linha 2 está vazia entre os pontos."});
    EXPECT_EQ(perguntador.Perguntas.size(), 1);
    EXPECT_EQ(fLumacord->Ajuste.NumPontos, 2);
    EXPECT_DOUBLE_EQ(fLumacord->Ajuste.Ponto(1, 1), 1);
    EXPECT_TRUE(frmPontos->isVisible());

    // Sim hides the window.
    Digita({{"1", "3"}, {"2", "5"}, {"", ""}});
    perguntador.Respostas.push_back(true);
    frmPontos->btnConfirmar->click();
    EXPECT_FALSE(frmPontos->isVisible());
    EXPECT_EQ(fLumacord->Ajuste.NumPontos, 2);

    // "?" explains the keys.
    frmPontos->btnDuvida->click();
    EXPECT_EQ(perguntador.Informacoes.last(),
              "Acrescer linha: seta para baixo / Excluir linha: Delete.");
}

TEST_F(JanelasLumacord, CancelAndClearLeaveTheTable) {
    TGradeTexto *g = frmPontos->StgInserirPontos;
    fLumacord->bbtnInserirPontos->click();
    Digita({{"1", "3"}, {"2", "5"}});
    perguntador.Respostas.push_back(false);
    frmPontos->btnConfirmar->click();

    perguntador.Respostas.push_back(false);
    frmPontos->btnCancelar->click();
    EXPECT_FALSE(frmPontos->isVisible());
    EXPECT_EQ(g->Cells(0, 1), "1");

    frmPontos->show();
    perguntador.Respostas.push_back(true);
    frmPontos->btnCancelar->click();
    EXPECT_FALSE(frmPontos->isVisible());
    EXPECT_EQ(g->Cells(0, 1), "");
    EXPECT_EQ(g->Cells(1, 2), "");
    EXPECT_EQ(g->Cells(0, 0), "x");
    EXPECT_EQ(perguntador.Perguntas.count("Deseja sair e apagar os pontos?"), 2);

    Digita({{"4", "4"}});
    frmPontos->btnApagar->click();
    EXPECT_EQ(g->Cells(0, 1), "");
    EXPECT_EQ(fLumacord->Ajuste.NumPontos, 2);
    EXPECT_DOUBLE_EQ(fLumacord->Ajuste.Ponto(2, 2), 5);
}

TEST_F(JanelasLumacord, CurveWindowSetsTheCurveCode) {
    EXPECT_TRUE(frmCurvas->rbEquacao2->isChecked());
    fLumacord->bbtnEscolherCurva->click();
    frmCurvas->btnConfirmar->click();
    EXPECT_FALSE(frmCurvas->isVisible());
    EXPECT_EQ(fLumacord->Ajuste.TipoCurva, 2);

    QRadioButton *opcoes[] = {frmCurvas->rbEquacao1, frmCurvas->rbEquacao3, frmCurvas->rbEquacao4};
    const int codigos[] = {1, 3, 4};
    for (int i = 0; i < 3; ++i) {
        opcoes[i]->setChecked(true);
        frmCurvas->btnConfirmar->click();
        EXPECT_EQ(fLumacord->Ajuste.TipoCurva, codigos[i]);
    }
    frmCurvas->rbEquacao1->setChecked(true);
    fLumacord->mbEscolher->trigger();
    frmCurvas->btnCancelar->click();
    EXPECT_FALSE(frmCurvas->isVisible());
    EXPECT_EQ(fLumacord->Ajuste.TipoCurva, 4);
}

TEST_F(JanelasLumacord, FailedFitsKeepTheShownResults) {
    AjustaPontos({{"1", "3"}, {"2", "5"}, {"3", "7"}}, 1);
    ASSERT_EQ(fLumacord->edB->text(), "2");

    // Curve 2 with a point at x = 0: the error box, the program goes on.
    AjustaPontos({{"0", "3"}, {"2", "5"}, {"3", "7"}}, 2);
    EXPECT_EQ(perguntador.Erros, QStringList{"Floating point division by zero"});
    EXPECT_EQ(fLumacord->edB->text(), "2");
    EXPECT_EQ(fLumacord->lbEquacao->text(), "y=A+B.x");

    // Points sharing one x.
    AjustaPontos({{"0.1", "3"}, {"0.1", "5"}, {"0.1", "7"}}, 1);
    EXPECT_EQ(perguntador.Informacoes, QStringList{"Não é possível ajustar uma curva."});
    EXPECT_EQ(fLumacord->edB->text(), "2");

    // A slope too large to round is shown unrounded, with the equation, A and R2 of this fit.
    AjustaPontos({{"1", "1e10"}, {"2", "1.1e11"}, {"", ""}}, 4);
    EXPECT_EQ(perguntador.Erros.size(), 1);
    EXPECT_EQ(fLumacord->lbEquacao->text(), "y=A+B.ln(x)");
    EXPECT_EQ(fLumacord->edA->text(), "10000000000");
    EXPECT_EQ(fLumacord->edB->text(),
              QString::fromStdString(lumacord::FloatToStr(1e11 / std::log(2.0), '.')));
    EXPECT_EQ(fLumacord->edR2->text(), "1");

    // A failed fit shows nothing of itself.
    AjustaPontos({{"0", "3"}, {"2", "5"}, {"3", "7"}}, 2);
    EXPECT_EQ(perguntador.Erros.size(), 2);
    EXPECT_EQ(fLumacord->lbEquacao->text(), "y=A+B.ln(x)");
    EXPECT_EQ(fLumacord->edA->text(), "10000000000");
}
