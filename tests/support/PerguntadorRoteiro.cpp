#include "PerguntadorRoteiro.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace {

bool Responde(std::deque<bool> &respostas, QStringList &perguntas, const QString &texto) {
    perguntas << texto;
    if (respostas.empty()) {
        ADD_FAILURE() << "unexpected question: " << texto.toStdString();
        return false;
    }
    const bool r = respostas.front();
    respostas.pop_front();
    return r;
}

} // namespace

bool TPerguntadorRoteiro::Confirma(const QString &texto) {
    return Responde(Respostas, Perguntas, texto);
}

bool TPerguntadorRoteiro::ConfirmaOk(const QString &texto) {
    return Responde(Respostas, Perguntas, texto);
}

QString TPerguntadorRoteiro::ArquivoAbrir(QWidget *, const QString &titulo, const QString &) {
    TitulosArquivo << titulo;
    if (Arquivos.empty())
        return QString();
    QString a = Arquivos.front();
    Arquivos.pop_front();
    return a;
}

QString TPerguntadorRoteiro::ArquivoSalvar(QWidget *pai, const QString &titulo,
                                           const QString &filtro, const QString &) {
    return ArquivoAbrir(pai, titulo, filtro);
}

QString TPerguntadorRoteiro::ArquivoSalvarComo(QWidget *pai, const QString &titulo,
                                               const QString &filtro, const QString &extensaoPadrao,
                                               const QString &nomeInicial) {
    NomesPropostos << nomeInicial;
    return ArquivoSalvar(pai, titulo, filtro, extensaoPadrao);
}

bool TPerguntadorRoteiro::EscolheCor(QWidget *, QColor &cor) {
    if (Cores.empty())
        return false;
    cor = Cores.front();
    Cores.pop_front();
    return true;
}

int TPerguntadorRoteiro::ExecutaModal(QDialog &dialogo) {
    if (Modais.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialogo.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto script = std::move(Modais.front());
    Modais.pop_front();
    dialogo.show();
    const int r = script(dialogo);
    dialogo.hide();
    dialogo.setResult(r);
    return r;
}
