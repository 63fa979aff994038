// DARV_2D: thermal and thermal-stress analysis of hardening concrete.
#include "Janelas.h"
#include "LigacaoKit.h"
#include "MensagensPerguntador.h"
#include "NumeroUsuario.h"
#include "TraducoesQt.h"
#include "uDARV_2D.h"
#include "uTela.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    AplicaSeparadorDoLocale();
    InstalaTraducoesQt(QLocale());
    LigaKit();
    TMensagensPerguntador mensagens;
    DefineMensagens(&mensagens);

    auto *tela = new TfrmTela;
    tela->show();
    tela->repaint();
    QApplication::processEvents();

    TJanelas janelas;
    janelas.Principal().OnSaida = [] { QApplication::quit(); };
    QApplication::setQuitOnLastWindowClosed(false);

    tela->close();
    delete tela;
    janelas.Principal().show();
    const int r = app.exec();
    DefineMensagens(nullptr);
    return r;
}
