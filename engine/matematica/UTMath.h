// Class operations of the engine: equality of reals, plane geometry, interpolation laws and the
// world-to-screen mapping.
#pragma once

#include <cmath>

class TUT_Math {
public:
    // Equality relative to the second argument (absolute when the first is 0).
    static bool IgualComTolerancia(double a, double b) {
        if (a == 0.0)
            return std::fabs(b) < 1e-10;
        return std::fabs(b - a) < 1e-10 * std::fabs(b);
    }
};
