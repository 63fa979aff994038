// The numeric edit's rules on texts and values: normalising, checking and converting a number
// text, clamping into the bounds, the edit and display texts and the regrouping while editing.
// Separators are the kit's (KitDecimalSeparator, KitThousandSeparator).
#pragma once

#include <string>

// Trims blanks; drops thousands separators (when they differ from the decimal one); '.' and ','
// that are neither separator become the decimal separator; "" gives "0" and "-" gives "-0".
std::string NormaliseNumberText(const std::string &texto);

// The conversion the edits call: sign, digits, one decimal separator, an exponent; every part
// may be missing while typing ("12,", ",", "+", "1E", "1E-" read with missing digits as 0).
// False for any other text and for values beyond a double's range.
bool NumTextToFloat(const std::string &texto, double &v);

// Only '+', '-', digits, 'E', 'e' and the decimal separator, then the conversion above (of at
// most the first 63 characters).
bool ParseNumberText(const std::string &texto, double &v);

// The value held in the bounds: none when they are equal; both when min < max; when min > max
// only the lower one if max is 0, only the upper one if min is 0, else none.
double ClampNumber(double v, double minimo, double maximo);
// "Value must be between <min> and <max>" with both bounds in `decimais` decimals.
std::string RangeErrorText(double minimo, double maximo, unsigned decimais);

// Whether a text the user would produce by typing may stay in the edit: at most `decimais`
// decimals (before an exponent, when there is one), a number text, and not negative when the
// bounds keep the value at or above 0.
bool AcceptsNumberText(const std::string &texto, unsigned decimais, double minimo, double maximo);

// A value formatted by a picture: sections "positive;negative;zero", '0' and '#' digit places,
// the first '.' for the decimal separator, any ',' for thousands grouping, quoted literals.
// Rounds half away from zero.
std::string FormatFloatPicture(double v, const std::string &picture);

// The text while editing: "0.##..." with `decimais` places; empty for 0 with `zeroVazio`.
std::string NumEditText(double v, unsigned decimais, bool zeroVazio);
// The text shown while not editing: by the display format, or the shortest general form.
std::string NumDisplayText(double v, const std::string &formato);

// The text normalised and its integer part grouped in threes (when `agrupa`); sign in front,
// everything from the decimal separator or exponent on unchanged. "" and "-" stay as they are.
std::string RegroupNumberText(const std::string &texto, bool agrupa);
