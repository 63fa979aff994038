#include "JanelasExecucao.h"

#include "Perguntador.h"
#include "uInformacoesSistema.h"
#include "uMensagemFEM.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

// Windows that take input during a run: the progress window, the memory tool and a message
// box (the modal window in front).
bool Livre(const QWidget *janela) {
    return qobject_cast<const TfrmMensagemFEM *>(janela) ||
           qobject_cast<const TfrmInformacoesSistema *>(janela) ||
           janela == QApplication::activeModalWidget();
}

} // namespace

bool TJanelasExecucao::Confirma(const std::string &texto) {
    return Perguntador().Confirma(Q(texto));
}

void TJanelasExecucao::Informa(const std::string &texto) {
    Perguntador().Informa(Q(texto));
}

void TJanelasExecucao::Erro(const std::string &texto) {
    Perguntador().Erro(Q(texto));
}

IProgresso &TJanelasExecucao::AbreProgresso(bool painel, const std::string &titulo,
                                            int numElementos) {
    return *::AbreProgresso(painel, Q(titulo), numElementos);
}

void TJanelasExecucao::FechaProgresso() {
    ::FechaProgresso();
}

void TJanelasExecucao::Redesenha() {
    principal_.Redesenha();
}

void TJanelasExecucao::Titulo(const std::string &texto) {
    principal_.SetTitulo(Q(texto));
}

void TJanelasExecucao::EstadoAlterado() {
    principal_.AtualizaComandos();
}

void TJanelasExecucao::ResultadosDescartados() {
    principal_.DescartaRelatorio();
}

// ---------------------------------------------------------------------------------------------

void TProgressoModeloJanela::Abre(const std::string &titulo) {
    emCurso_.emplace();
    ::AbreProgresso(false, Q(titulo), 0);
}

void TProgressoModeloJanela::DefineFaixa(int n) {
    if (frmMensagemFEM)
        frmMensagemFEM->DefineFaixaElementos(n);
}

void TProgressoModeloJanela::Avanca() {
    if (frmMensagemFEM)
        frmMensagemFEM->Avanca();
}

void TProgressoModeloJanela::Fecha() {
    ::FechaProgresso();
    emCurso_.reset();
}

// ---------------------------------------------------------------------------------------------

void TBloqueioExecucao::Instala() {
    static TBloqueioExecucao *filtro = nullptr;
    if (filtro || !qApp)
        return;
    filtro = new TBloqueioExecucao(qApp);
    qApp->installEventFilter(filtro);
}

bool TBloqueioExecucao::eventFilter(QObject *objeto, QEvent *evento) {
    if (!ExecucaoEmCurso())
        return false;
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Close:
        break;
    default:
        return false;
    }
    if (!objeto->isWidgetType()) {
        // Shortcuts go to actions: the main window's commands wait.
        return evento->type() == QEvent::Shortcut;
    }
    const QWidget *janela = static_cast<QWidget *>(objeto)->window();
    if (Livre(janela))
        return false;
    // Tool tips and popups close themselves.
    if (evento->type() == QEvent::Close &&
        (janela->windowType() == Qt::ToolTip || janela->windowType() == Qt::Popup))
        return false;
    if (evento->type() == QEvent::ShortcutOverride)
        evento->accept(); // no shortcut of the blocked window fires
    else
        evento->ignore(); // a close is refused
    return true;
}
