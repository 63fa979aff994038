// Plain readings that the engine's faster code is checked against.
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "matematica/MatrizSky.h"

// v rounded to 15 significant digits through its text (the value FloatToStr shows).
inline double Arredonda15(double v) {
    if (!std::isfinite(v) || v == 0.0)
        return v;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    double r = 0;
    std::from_chars(buf, res.ptr, r);
    return r;
}

// Profile fill of the profile elimination: row i gains, in ascending order and as zeros, every
// column beyond its first entry's that row i-1 holds after its own first entry and row i lacks.
// True when something was appended.
inline bool PreenchePerfil(TMatrizSky &a) {
    bool mudou = false;
    std::vector<int> novas;
    for (int i = 2; i <= a.GetLinhas(); ++i) {
        if (a.TamanhoLinha(i) == 0)
            continue;
        const int c0 = a.ColunaNaPosicao(i, 1);
        novas.clear();
        for (int p = 2; p <= a.TamanhoLinha(i - 1); ++p) {
            const int c = a.ColunaNaPosicao(i - 1, p);
            double v = 0;
            int pos = 0;
            if (c > c0 && !a.ProcuraNaLinha(i, c, v, pos))
                novas.push_back(c);
        }
        std::sort(novas.begin(), novas.end());
        for (int c : novas)
            a.Set(i, c, 0.0);
        mudou = mudou || !novas.empty();
    }
    return mudou;
}
