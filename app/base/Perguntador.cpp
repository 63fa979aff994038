#include "Perguntador.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *Ativa() {
    return QApplication::activeWindow();
}

class TPerguntadorDialogos : public IPerguntador {
public:
    bool Confirma(const QString &texto) override {
        return Pergunta(texto, QStringLiteral("Sim"), QStringLiteral("Não"));
    }
    bool ConfirmaOk(const QString &texto) override {
        return Pergunta(texto, QStringLiteral("OK"), QStringLiteral("Cancelar"));
    }
    void Informa(const QString &texto) override { Mostra(QMessageBox::Information, texto); }
    void Avisa(const QString &texto) override { Mostra(QMessageBox::Warning, texto); }
    void Erro(const QString &texto) override { Mostra(QMessageBox::Critical, texto); }

    QString ArquivoAbrir(QWidget *pai, const QString &titulo, const QString &filtro) override {
        return QFileDialog::getOpenFileName(pai ? pai : Ativa(), titulo, QString(), filtro);
    }
    QString ArquivoSalvar(QWidget *pai, const QString &titulo, const QString &filtro,
                          const QString &extensaoPadrao) override {
        return ArquivoSalvarComo(pai, titulo, filtro, extensaoPadrao, QString());
    }
    QString ArquivoSalvarComo(QWidget *pai, const QString &titulo, const QString &filtro,
                              const QString &extensaoPadrao, const QString &nomeInicial) override {
        QFileDialog d(pai ? pai : Ativa(), titulo, nomeInicial, filtro);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(extensaoPadrao);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return QString();
        return d.selectedFiles().first();
    }
    bool EscolheCor(QWidget *pai, QColor &cor) override {
        const QColor c = QColorDialog::getColor(cor, pai ? pai : Ativa());
        if (!c.isValid())
            return false;
        cor = c;
        return true;
    }
    int ExecutaModal(QDialog &dialogo) override { return dialogo.exec(); }

private:
    static bool Pergunta(const QString &texto, const QString &sim, const QString &nao) {
        QMessageBox caixa(QMessageBox::Question, TituloAplicacao(), texto, QMessageBox::NoButton,
                          Ativa());
        QPushButton *s = caixa.addButton(sim, QMessageBox::YesRole);
        QPushButton *n = caixa.addButton(nao, QMessageBox::NoRole);
        caixa.setDefaultButton(s);
        caixa.setEscapeButton(n);
        caixa.exec();
        return caixa.clickedButton() == s;
    }
    static void Mostra(QMessageBox::Icon icone, const QString &texto) {
        QMessageBox caixa(icone, TituloAplicacao(), texto, QMessageBox::NoButton, Ativa());
        QPushButton *ok = caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        caixa.setDefaultButton(ok);
        caixa.setEscapeButton(ok);
        caixa.exec();
    }
};

TPerguntadorDialogos gDialogos;
IPerguntador *gPerguntador = nullptr;

} // namespace

IPerguntador &Perguntador() {
    return gPerguntador ? *gPerguntador : gDialogos;
}

void DefinePerguntador(IPerguntador *p) {
    gPerguntador = p;
}

QString TituloAplicacao() {
    // Not the application's display name: the window system would append it to every title.
    return QStringLiteral("Análise Térmica e Tensional - ZOK-2D");
}
