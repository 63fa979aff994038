#include "support_gui.h"

#include "Numeros.h"
#include "uCurvas.h"
#include "uPontos.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

bool TPerguntadorRoteiro::Confirma(const QString &texto) {
    Perguntas << texto;
    if (Respostas.empty()) {
        ADD_FAILURE() << "unexpected question: " << texto.toStdString();
        return false;
    }
    const bool r = Respostas.front();
    Respostas.pop_front();
    return r;
}

void JanelasLumacord::SetUp() {
    lumacord::SetDecimalSeparator('.');
    DefinePerguntador(&perguntador);
    janelas = std::make_unique<TJanelasLumacord>();
}

void JanelasLumacord::TearDown() {
    janelas.reset();
    DefinePerguntador(nullptr);
    EXPECT_TRUE(perguntador.Respostas.empty()) << "answers left unused";
}

void JanelasLumacord::Digita(const std::vector<std::pair<QString, QString>> &linhas) {
    TGradeTexto *g = frmPontos->StgInserirPontos;
    if (g->RowCount() < int(linhas.size()) + 1)
        g->SetRowCount(int(linhas.size()) + 1);
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        g->SetCells(0, int(i) + 1, linhas[i].first);
        g->SetCells(1, int(i) + 1, linhas[i].second);
    }
}

void JanelasLumacord::AjustaPontos(const std::vector<std::pair<QString, QString>> &linhas,
                                   int curva) {
    fLumacord->bbtnInserirPontos->click();
    Digita(linhas);
    perguntador.Respostas.push_back(true);
    frmPontos->btnConfirmar->click();
    fLumacord->bbtnEscolherCurva->click();
    QRadioButton *opcoes[] = {frmCurvas->rbEquacao1, frmCurvas->rbEquacao2, frmCurvas->rbEquacao3,
                              frmCurvas->rbEquacao4};
    opcoes[curva - 1]->setChecked(true);
    frmCurvas->btnConfirmar->click();
    fLumacord->bbtnAjustar->click();
}

namespace {
// The headless platform warns about window operations it cannot do.
void FiltraMensagens(QtMsgType tipo, const QMessageLogContext &ctx, const QString &texto) {
    if (texto.startsWith(QStringLiteral("This plugin does not support")))
        return;
    qt_message_output(tipo, ctx, texto);
}
} // namespace

int main(int argc, char **argv) {
    qInstallMessageHandler(FiltraMensagens);
    // Windows are tested headless, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumacord"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
