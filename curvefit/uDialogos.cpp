#include "uDialogos.h"

#include "Numeros.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <exception>

namespace {

class TPerguntadorCaixas : public IPerguntador {
public:
    bool Confirma(const QString &texto) override {
        QMessageBox caixa(QMessageBox::Question, QStringLiteral("Lumacord"), texto,
                          QMessageBox::NoButton, QApplication::activeWindow());
        QPushButton *sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
        QPushButton *nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
        caixa.setDefaultButton(sim);
        caixa.setEscapeButton(nao);
        caixa.exec();
        return caixa.clickedButton() == sim;
    }
    void Informa(const QString &texto) override { Mostra(QMessageBox::Information, texto); }
    void Erro(const QString &texto) override { Mostra(QMessageBox::Critical, texto); }

private:
    static void Mostra(QMessageBox::Icon icone, const QString &texto) {
        QMessageBox caixa(icone, QStringLiteral("Lumacord"), texto, QMessageBox::NoButton,
                          QApplication::activeWindow());
        QPushButton *ok = caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        caixa.setDefaultButton(ok);
        caixa.setEscapeButton(ok);
        caixa.exec();
    }
};

TPerguntadorCaixas gCaixas;
IPerguntador *gPerguntador = nullptr;

} // namespace

IPerguntador &Perguntador() {
    return gPerguntador ? *gPerguntador : gCaixas;
}

void DefinePerguntador(IPerguntador *p) {
    gPerguntador = p;
}

void Protege(const std::function<void()> &comando) {
    try {
        comando();
    } catch (const lumacord::EAbort &) {
    } catch (const std::exception &e) {
        Perguntador().Erro(QString::fromUtf8(e.what()));
    } catch (...) {
        Perguntador().Erro(QStringLiteral("Erro desconhecido."));
    }
}
