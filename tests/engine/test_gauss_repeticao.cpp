#include <gtest/gtest.h>

#include "uMatematica.h"

namespace {
// Tridiagonal-plus-corner matrix of order 6 that needs fill.
void Monta(TMatrizSky &a, double d) {
    for (int i = 1; i <= 6; ++i) {
        a.Set(i, i, d + i);
        if (i < 6)
            a.Set(i, i + 1, -1.0);
    }
    a.Set(1, 6, -0.5);
}
} // namespace

TEST(GaussRepeticao, RepeatsTheRecordedEliminationWithoutTouchingTheMatrix) {
    TGauss g;
    TMatrizSky a(6), copia(6);
    Monta(a, 4);
    TVetor b(6), x(6);
    for (int i = 1; i <= 6; ++i)
        b[i] = i;
    Monta(copia, 4);
    g.DefineSistema(&copia, &b, &x);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 1);

    // A bitwise-equal matrix: the factor is reused, the solution equals a fresh solver's
    // bitwise and the matrix is left as it was.
    TVetor b2(6), x2(6), b3(6), x3(6);
    for (int i = 1; i <= 6; ++i)
        b2[i] = b3[i] = 10.0 / i;
    g.DefineSistema(&a, &b2, &x2);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 1);
    EXPECT_EQ(a.TamanhoLinha(1), 3);
    EXPECT_EQ(a.Get(2, 2), 6.0);
    TMatrizSky nova(6);
    Monta(nova, 4);
    TGauss h;
    h.DefineSistema(&nova, &b3, &x3);
    h.Resolve();
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(x2[i], x3[i]);

    // A changed value is factorised again.
    a.Set(3, 3, 7.5);
    for (int i = 1; i <= 6; ++i)
        b2[i] = 10.0 / i;
    g.DefineSistema(&a, &b2, &x2);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 2);
}
