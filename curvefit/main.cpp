// Lumacord: fits two-parameter curves to (x, y) points.
#include "Numeros.h"
#include "uLumacord.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumacord"));
    app.setQuitOnLastWindowClosed(false);
    QFont fonte = QApplication::font();
    fonte.setPointSize(8);
    QApplication::setFont(fonte);

    const QString ponto = QLocale().decimalPoint();
    lumacord::SetDecimalSeparator(ponto == QStringLiteral(",") ? ',' : '.');

    TJanelasLumacord janelas;
    QObject::connect(fLumacord, &TfLumacord::Fechado, &app, &QApplication::quit);
    fLumacord->show();
    return app.exec();
}
