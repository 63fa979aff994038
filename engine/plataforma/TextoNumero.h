// Number text that never depends on the C or C++ global locale, the decimal-separator setting
// and the splitting of text lines into fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Decimal separator used where a value follows the user's locale (default '.').
char DecimalSeparator();
void SetDecimalSeparator(char c);

// Reads a real written with the given decimal separator; surrounding blanks are allowed.
// Throws EConvertError "'<text>' não é um número real válido".
double StrToFloat(std::string_view s, char separador);
// Non-throwing form; returns false when the text is not a number.
bool TryStrToFloat(std::string_view s, double &v, char separador = '.');

// Reads an integer (blanks allowed around it). Throws "'<text>' não é um número inteiro válido".
int StrToInt(std::string_view s);
bool TryStrToInt(std::string_view s, int &v);

// General format with 15 significant digits: fixed notation unless the exponent is below -5
// or above 15, trailing zeros removed ("0.1", "1E20", "1.5E-7").
std::string FloatToStr(double v, char separador);
std::string FloatToStr(double v); // current DecimalSeparator()
// General format with the given significant digits, as the platform's "%.<p>g".
std::string FormatG(double v, int precisao, char separador = '.');

// Fixed notation with `decimais` decimals, right-aligned in `largura` characters (wider when
// needed), like "%<largura>.<decimais>f". Appends to `out`.
void AppendFixo(std::string &out, double v, int largura, int decimais, char separador = '.');
// The same text written at dest, which needs room for largura + kMaxFixo characters; returns
// the end of the text.
inline constexpr int kMaxFixo = 400;
char *EscreveFixo(char *dest, double v, int largura, int decimais, char separador = '.');
std::string FormatFixo(double v, int largura, int decimais, char separador = '.');
// Shortest text that reads back to the same double.
std::string FloatToStrExato(double v, char separador = '.');
void AppendInteiro(std::string &out, long long v, int largura = 0);

// Blanks trimmed from both ends, and a line split into blank-separated fields.
std::string_view Apara(std::string_view s);
std::vector<std::string_view> Campos(std::string_view linha);
