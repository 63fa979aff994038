// Equality of reals with the engine's relative tolerance.
#pragma once

#include <cmath>

// Equality relative to b (absolute when a is 0).
inline bool IgualComTolerancia(double a, double b) {
    if (a == 0.0)
        return std::fabs(b) < 1e-10;
    return std::fabs(b - a) < 1e-10 * std::fabs(b);
}
