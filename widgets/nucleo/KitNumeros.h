// Numbers and locale texts of the widget kit. The general float format and the text-to-float
// conversion are the program's platform layer's: the program hands them in at start-up with
// DefineConversoesReais; until then a conversion of the same rules serves (tests, tools).
#pragma once

#include <string>
#include <string_view>

// The general float format with `digitos` significant digits: fixed notation, or "d.ddE-x"
// when the exponent is out of range for that many digits; `separador` as decimal separator.
using TFormataGeral = std::string (*)(double v, int digitos, char separador);
// Reads a real written with `separador` (blanks around allowed); false when the text is not a
// finite number.
using TLeReal = bool (*)(std::string_view texto, double &v, char separador);
// The platform layer's decimal separator.
using TSeparadorDecimal = char (*)();

// nullptr for any of them restores the kit's own.
void DefineConversoesReais(TFormataGeral formata, TLeReal le, TSeparadorDecimal separador);

std::string KitFormataGeral(double v, int digitos);
bool KitLeReal(std::string_view texto, double &v);

// The locale's separators and currency symbol (set by the program from the locale at start-up;
// tests set them too). The decimal separator is the platform layer's once bound.
char KitDecimalSeparator();
std::string KitThousandSeparator();
std::string KitCurrencyString();
// Used while no platform separator is bound.
void DefineKitDecimalSeparator(char c);
void DefineKitThousandSeparator(const std::string &s);
void DefineKitCurrencyString(const std::string &s);

// The kit's own conversions (the defaults).
std::string KitFormataGeralPadrao(double v, int digitos, char separador);
bool KitLeRealPadrao(std::string_view texto, double &v, char separador);
