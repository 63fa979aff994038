// The benchmarks' 10 m x 5 m block.
#pragma once

#include "../tests/engine/MalhaRetangulo.h"

// nx x ny squares, each cut into two triangles; nodes numbered up each column, as the generator
// numbers them; domain edges bottom, right, top, left.
inline std::unique_ptr<TMalha> Bloco(int nx, int ny) {
    auto m = std::make_unique<TMalha>(nx, ny);
    PreencheRetangulo(*m, Uniforme(10, nx), 5, ny);
    return m;
}
