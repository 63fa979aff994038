// Numbers the user types and reads: the locale's decimal separator (the platform layer's
// DecimalSeparator(), set from QLocale at start-up), no group separators.
#pragma once

#include <QString>

class QChart;

// Reads a real; throws EConvertError "'<text>' não é um número real válido".
double LeReal(const QString &texto);
// Reads an integer; throws EConvertError "'<text>' não é um número inteiro válido".
int LeInteiro(const QString &texto);
// Non-throwing forms.
bool TentaLeReal(const QString &texto, double &v);

// General 15-digit format with the locale's separator ("0,1", "1E20").
QString TextoReal(double v);
// Fixed notation with `decimais` decimals and the locale's separator.
QString TextoFixo(double v, int decimais);

// Sets the platform layer's decimal separator from the user's locale.
void AplicaSeparadorDoLocale();
// A chart's axis labels with the same decimal separator and no group separator.
void LocalizaNumeros(QChart *grafico);
