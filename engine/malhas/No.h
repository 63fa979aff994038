// Mesh node or domain vertex.
#pragma once

#include <cstdint>

#include "matematica/UTMath.h"

class TNo {
public:
    TNo(std::int32_t numero = 0, double x = 0.0, double y = 0.0) : Numero(numero), X(x), Y(y) {}

    std::int32_t Numero;
    double X, Y;

    void SetNumero(std::int32_t n) { Numero = n; }
    // Same position under the engine's equality, the given coordinate first.
    bool MesmaPosicao(double x, double y) const {
        return TUT_Math::IgualComTolerancia(x, X) && TUT_Math::IgualComTolerancia(y, Y);
    }
    TPontoReal Ponto() const { return {X, Y}; }
};
