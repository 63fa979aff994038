// DARV_2D: thermal and thermal-stress analysis of hardening concrete.
#include "NumeroUsuario.h"
#include "Perguntador.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Análise Térmica e Tensional - ZOK-2D"));
    AplicaSeparadorDoLocale();
    QMainWindow janela;
    janela.setWindowTitle(TituloAplicacao());
    janela.show();
    return app.exec();
}
