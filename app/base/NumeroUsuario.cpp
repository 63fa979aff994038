#include "NumeroUsuario.h"

#include "uPlataforma.h"

#include <QChart>
#include <QLocale>

double LeReal(const QString &texto) {
    return StrToFloat(texto.toStdString(), DecimalSeparator());
}

int LeInteiro(const QString &texto) {
    return StrToInt(texto.toStdString());
}

bool TentaLeReal(const QString &texto, double &v) {
    return TryStrToFloat(texto.toStdString(), v, DecimalSeparator());
}

QString TextoReal(double v) {
    return QString::fromStdString(FloatToStr(v, DecimalSeparator()));
}

QString TextoFixo(double v, int decimais) {
    return QString::fromStdString(FormatFixo(v, 0, decimais, DecimalSeparator()));
}

void AplicaSeparadorDoLocale() {
    const QString ponto = QLocale().decimalPoint();
    SetDecimalSeparator(ponto == QStringLiteral(",") ? ',' : '.');
}

void LocalizaNumeros(QChart *grafico) {
    QLocale l = QLocale::c();
    if (DecimalSeparator() == ',')
        l = QLocale().decimalPoint() == QStringLiteral(",")
                ? QLocale()
                : QLocale(QLocale::Portuguese, QLocale::Brazil);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    grafico->setLocale(l);
    grafico->setLocalizeNumbers(true);
}
