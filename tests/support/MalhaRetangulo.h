// Structured rectangle meshes for the tests and the benchmarks.
#pragma once

#include <memory>
#include <vector>

#include "uLibraryMalhas.h"

// Fills an empty mesh with the rectangle [0, xs.back()] x [0, H]: domain edges 1 bottom,
// 2 right, 3 top, 4 left; a node at every abscissa of xs and ny + 1 heights, numbered up each
// column; two triangles per cell.
inline void PreencheRetangulo(TMalha &m, const std::vector<double> &xs, double H, int ny) {
    const double W = xs.back();
    m.AdicionaVertice(0, 0);
    m.AdicionaVertice(W, 0);
    m.AdicionaVertice(W, H);
    m.AdicionaVertice(0, H);
    for (int i = 1; i <= 4; ++i)
        m.AdicionaAresta(i, i % 4 + 1, false);
    for (double x : xs)
        for (int j = 0; j <= ny; ++j)
            m.AdicionaNo(x, H * j / ny);
    auto no = [ny](int i, int j) { return i * (ny + 1) + j + 1; };
    for (int i = 0; i + 1 < int(xs.size()); ++i)
        for (int j = 0; j < ny; ++j) {
            m.AdicionaElemento(no(i, j), no(i + 1, j), no(i + 1, j + 1));
            m.AdicionaElemento(no(i, j), no(i + 1, j + 1), no(i, j + 1));
        }
}

inline std::unique_ptr<TMalha> Retangulo(const std::vector<double> &xs, double H, int ny) {
    auto m = std::make_unique<TMalha>();
    PreencheRetangulo(*m, xs, H, ny);
    return m;
}

// n + 1 equally spaced abscissas from 0 to L.
inline std::vector<double> Uniforme(double L, int n) {
    std::vector<double> xs;
    for (int i = 0; i <= n; ++i)
        xs.push_back(L * i / n);
    return xs;
}
