#include <gtest/gtest.h>

#include <vector>

#include "Referencias.h"
#include "uMatematica.h"
#include "uPlataforma.h"

namespace {
std::vector<int> Colunas(const TMatrizSky &a, int linha) {
    std::vector<int> c;
    for (int p = 1; p <= a.TamanhoLinha(linha); ++p)
        c.push_back(a.ColunaNaPosicao(linha, p));
    return c;
}
} // namespace

TEST(MatrizSky, SymmetricAddressingAndAppendOrder) {
    TMatrizSky a(5);
    a.Set(3, 1, 7.0);
    a.Set(1, 3, 8.0);
    EXPECT_EQ(Colunas(a, 1), std::vector<int>{3});
    EXPECT_EQ(a.Get(3, 1), 8.0);
    EXPECT_EQ(a.Get(1, 3), 8.0);
    EXPECT_EQ(a.Get(2, 5), 0.0);
    EXPECT_EQ(a.TamanhoLinha(2), 0); // reading never appends
    a.Set(1, 1, 0.0);                // a zero is stored like any value
    a.Set(2, 1, 4.0);
    EXPECT_EQ(Colunas(a, 1), (std::vector<int>{3, 1, 2}));

    double v = -1;
    int pos = -1;
    EXPECT_TRUE(a.ProcuraNaLinha(1, 2, v, pos));
    EXPECT_EQ(v, 4.0);
    EXPECT_EQ(pos, 3);
    EXPECT_FALSE(a.ProcuraNaLinha(1, 5, v, pos));
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(a.MaiorColuna(1), 3);
    EXPECT_EQ(a.PosicaoMenorColuna(1), 2);

    a.Zera();
    a.Set(1, 3, 1.0), a.Set(1, 1, 2.0), a.Set(1, 2, 3.0);
    EXPECT_EQ(Colunas(a, 1), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(a.Get(2, 1), 3.0);
}

TEST(MatrizSky, DiagonalFirstSwapsOnlyTheSmallestColumnToTheFront) {
    TMatrizSky a(5);
    a.Set(2, 5, 1.0), a.Set(2, 2, 2.0), a.Set(2, 3, 3.0);
    a.Set(1, 1, 4.0), a.Set(1, 4, 5.0);
    EXPECT_TRUE(a.DiagonalPrimeiro());
    EXPECT_EQ(Colunas(a, 2), (std::vector<int>{2, 5, 3}));
    EXPECT_EQ(a.ValorNaPosicao(2, 2), 1.0);
    EXPECT_EQ(Colunas(a, 1), (std::vector<int>{1, 4}));
    EXPECT_FALSE(a.DiagonalPrimeiro());
}

TEST(MatrizSky, ProductsUseBothTrianglesOverStoredEntries) {
    TMatrizSky a(2);
    a.Set(1, 1, 2.0), a.Set(1, 2, 1.0), a.Set(2, 2, 3.0);
    TVetor v(2), r(2);
    v.Set(1, 1), v.Set(2, 1);
    r.Set(1, 99); // result is cleared first
    a.MultVetor(r, v);
    EXPECT_EQ(r.Get(1), 3.0);
    EXPECT_EQ(r.Get(2), 4.0);

    a.MultEscalar(-2.0);
    EXPECT_EQ(a.Get(2, 1), -2.0);
    a.PrecondDiagonal(r, v);
    EXPECT_EQ(r.Get(1), -0.25);
    a.Zera();
    EXPECT_TRUE(std::signbit(a.Get(1, 2))); // values are multiplied by 0, entries stay
    EXPECT_EQ(a.TamanhoLinha(1), 2);
    TMatrizSky vazia(1);
    EXPECT_THROW(vazia.PrecondDiagonal(r, v), EZeroDivide);
}

TEST(MatrizSky, LongRowsKeepOrderAndLookupsThroughTheirIndex) {
    // Rows long enough to be looked up through the column index, grown, reordered and filled.
    const int n = 120;
    TMatrizSky a(n);
    TMatriz d(n, n);
    auto poe = [&](int i, int j, double v) {
        a.Set(i, j, v);
        d.Set(i, j, v), d.Set(j, i, v);
    };
    std::vector<int> esperadas;
    for (int k = 0; k < 60; ++k) {
        const int c = 2 + (k * 37) % (n - 1); // scattered columns, each once
        poe(1, c, k + 0.5);
        esperadas.push_back(c);
        if (k % 7 == 0) { // look-ups between appends
            EXPECT_EQ(a.Get(c, 1), k + 0.5);
        }
    }
    poe(1, 1, 100.0);
    esperadas.push_back(1);
    EXPECT_EQ(Colunas(a, 1), esperadas);
    for (int k = 0; k < 60; k += 3)
        poe(esperadas[std::size_t(k)], 1, -k * 1.0); // overwrite in place
    a.DiagonalPrimeiro();
    std::swap(esperadas.front(), esperadas.back());
    EXPECT_EQ(Colunas(a, 1), esperadas);
    for (int i = 2; i <= n; ++i)
        poe(i, i, i);
    EXPECT_TRUE(PreenchePerfil(a));
    EXPECT_EQ(a.TamanhoLinha(1), 61);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            ASSERT_EQ(a.Get(i, j), d.Get(i, j)) << i << "," << j;

    // Rows grown column by column, each Set after a look-up, then one column below them all.
    TMatrizSky b(200);
    for (int j = 1; j <= 200; ++j)
        b.Set(1, j, b.Get(1, j) + j);
    for (int j = 100; j <= 150; ++j)
        b.Set(5, j, b.Get(j, 5) - j);
    b.Set(5, 5, 1.0);
    for (int j = 1; j <= 200; ++j) {
        ASSERT_EQ(b.Get(j, 1), j);
        if (j > 1) {
            ASSERT_EQ(b.Get(5, j), j == 5 ? 1.0 : j >= 100 && j <= 150 ? -j : 0.0);
        }
    }
    EXPECT_EQ(b.ColunaNaPosicao(5, 52), 5);
}

TEST(MatrizSky, ProfileFillConsultsThePreviousRowOnly) {
    TMatrizSky a(4);
    a.Set(1, 1, 1), a.Set(1, 3, 1), a.Set(2, 2, 1), a.Set(3, 3, 1), a.Set(4, 4, 1);
    a.Set(1, 4, 1);
    EXPECT_TRUE(PreenchePerfil(a));
    EXPECT_EQ(Colunas(a, 2), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Colunas(a, 3), (std::vector<int>{3, 4}));
    EXPECT_EQ(a.Get(2, 3), 0.0);
    EXPECT_FALSE(PreenchePerfil(a));

    TMatrizSky t(4); // tridiagonal: nothing to fill
    for (int i = 1; i <= 4; ++i) {
        t.Set(i, i, 2);
        if (i < 4)
            t.Set(i, i + 1, -1);
    }
    EXPECT_FALSE(PreenchePerfil(t));
}
