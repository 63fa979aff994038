// Real powers with the platform's floating-point errors.
#pragma once

#include <cmath>

#include "uPlataforma.h"

// b^e as exp(e ln b), with the platform's errors where the logarithm does not exist.
inline double Potencia(double b, double e) {
    if (b > 0.0)
        return VerificaFinito(std::exp(e * std::log(b)));
    if (b == 0.0) {
        if (e > 0.0)
            return 0.0;
        if (e < 0.0)
            ErroDivisaoPorZero();
        return 1.0;
    }
    ErroOperacaoInvalida();
}
