// Lumacord's own error types and number text: the platform's floating-point and conversion
// messages, the user's decimal separator, reading typed numbers, the general 15-digit format
// and the rounding of shown coefficients. Standard C++ only.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace lumacord {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &msg) : std::runtime_error(msg) {}
};

// Ends a command quietly: its message, if any, was already shown.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Returns v when finite; NaN throws EInvalidOp and an infinity EOverflow.
double Finito(double v);

// The user's decimal separator (default '.'; the program sets it from its locale at start-up).
char DecimalSeparator();
void SetDecimalSeparator(char c);

// Reads a real typed with the given decimal separator; blanks around it are allowed, group
// separators, infinities and NaN are not. Throws EConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view s, char separador);

// General format with 15 significant digits: fixed notation unless the value is below 1e-5
// or has more than 15 integer digits, trailing zeros dropped ("2,5", "1E20", "1,5E-7").
std::string FloatToStr(double v, char separador);

// v rounded to `decimais` decimals through a signed 64-bit integer, ties to even. A scaled
// value outside the 64-bit range (or NaN) throws EInvalidOp.
double Arredonda(double v, int decimais);

// Arredonda followed by FloatToStr: how the fit shows a coefficient; one too large to round is
// shown unrounded.
std::string TextoArredondado(double v, int decimais, char separador);

} // namespace lumacord
