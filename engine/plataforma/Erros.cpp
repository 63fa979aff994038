#include "plataforma/Erros.h"

#include <cmath>

void ErroDivisaoPorZero() {
    throw EZeroDivide();
}
void ErroOperacaoInvalida() {
    throw EInvalidOp();
}
void ErroEstouro() {
    throw EOverflow();
}

double Divide(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            ErroOperacaoInvalida();
        ErroDivisaoPorZero();
    }
    return VerificaFinito(a / b);
}

double RaizQuadrada(double x) {
    if (x < 0.0 || std::isnan(x))
        ErroOperacaoInvalida();
    return std::sqrt(x);
}

double VerificaFinito(double x) {
    if (std::isnan(x))
        ErroOperacaoInvalida();
    if (std::isinf(x))
        ErroEstouro();
    return x;
}

int Round(double x) {
    // Round half to even regardless of the current floating-point rounding mode.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        r = 2.0 * std::round(x / 2.0);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        ErroOperacaoInvalida();
    return int(r);
}
