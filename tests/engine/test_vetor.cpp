#include <gtest/gtest.h>

#include "uMatematica.h"

TEST(Vetor, GrowShrinkSortAndSearch) {
    TVetor v(0);
    v.Adiciona(5);
    EXPECT_EQ(v.GetTamanho(), 1);
    EXPECT_EQ(v.Get(1), 5);
    TVetor vazio;
    vazio.RemoveUltimo();
    EXPECT_EQ(vazio.GetTamanho(), 0);

    TVetor s(3);
    s.Set(1, 3), s.Set(2, 1), s.Set(3, 2);
    s.Ordena();
    EXPECT_EQ(s.Get(1), 1);
    EXPECT_EQ(s.Get(2), 2);
    EXPECT_EQ(s.Get(3), 3);

    TVetor c(1);
    c.Set(1, 1e-11);
    EXPECT_TRUE(c.Contem(0));
    c.Set(1, 1e-9);
    EXPECT_FALSE(c.Contem(0));
    c.Set(1, 1 + 1e-12);
    EXPECT_TRUE(c.Contem(1));

    TVetorInteiro i(3);
    i.Set(1, 3), i.Set(2, 1), i.Set(3, 2);
    i.Ordena();
    EXPECT_EQ(i.Get(1), 1);
    EXPECT_EQ(i.Get(3), 3);
    TVetorInteiro dois(2), cinco(5);
    for (int k = 1; k <= 5; ++k)
        cinco.Set(k, 10 * k);
    dois.Copia(cinco);
    EXPECT_EQ(dois.GetTamanho(), 2);
    EXPECT_EQ(dois.Get(2), 20);
}

TEST(Vetor, ArithmeticInPlace) {
    TVetor a(3), b(3);
    for (int k = 1; k <= 3; ++k)
        a.Set(k, k), b.Set(k, 10 * k);
    a.Soma(a, b);
    EXPECT_EQ(a.Get(3), 33);
    a.Subtrai(a, b);
    EXPECT_EQ(a.Get(2), 2);
    EXPECT_DOUBLE_EQ(a.Escalar(b), 10 + 40 + 90);
    EXPECT_DOUBLE_EQ(a.Norma(), std::sqrt(14.0));
    TVetor p(2), q(2);
    p.Set(1, 1), p.Set(2, 0), q.Set(1, 0), q.Set(2, 1);
    EXPECT_EQ(p.ProdutoVetorial(q), 1);
}

TEST(Matriz, InverseProductsAndRowSort) {
    TMatriz m(2, 2);
    m.Set(1, 1, 4), m.Set(1, 2, 7), m.Set(2, 1, 2), m.Set(2, 2, 6);
    m.Inverte2x2();
    EXPECT_NEAR(m.Get(1, 1), 0.6, 1e-15);
    EXPECT_NEAR(m.Get(1, 2), -0.7, 1e-15);
    EXPECT_NEAR(m.Get(2, 1), -0.2, 1e-15);
    EXPECT_NEAR(m.Get(2, 2), 0.4, 1e-15);
    TMatriz s(2, 2);
    s.Set(1, 1, 1), s.Set(1, 2, 2), s.Set(2, 1, 2), s.Set(2, 2, 4);
    s.Inverte2x2();
    EXPECT_EQ(s.Get(1, 2), 2);

    TMatriz a(2, 3), b(3, 2), c(2, 2);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j)
            a.Set(i, j, i + j), b.Set(j, i, i * j);
    a.MultMatriz(c, b);
    EXPECT_EQ(c.Get(1, 1), 2 * 1 + 3 * 2 + 4 * 3);
    TMatriz t(3, 2);
    a.Transposta(t);
    EXPECT_EQ(t.Get(3, 2), a.Get(2, 3));

    TVetor v(2), r(2);
    v.Set(1, 1), v.Set(2, 1);
    c.MultVetor(r, v);
    EXPECT_EQ(r.Get(1), c.Get(1, 1) + c.Get(1, 2));

    TMatriz rows(0, 2);
    rows.AdicionaLinha(1, 3);
    rows.AdicionaLinha(1, 1);
    rows.Set(2, 2, 9);
    rows.AdicionaLinha(1, 2);
    rows.OrdenaLinhasPelaColuna1();
    EXPECT_EQ(rows.Get(1, 1), 1);
    EXPECT_EQ(rows.Get(1, 2), 9);
    EXPECT_EQ(rows.Get(3, 1), 3);
}

TEST(Matriz, DivisionsRaiseInsteadOfInfinities) {
    TMatriz m(2, 2);
    m.Set(1, 1, 2), m.Set(2, 2, 0);
    TVetor v(2), r(2);
    v.Set(1, 4), v.Set(2, 1);
    EXPECT_THROW(m.PrecondDiagonal(r, v), EZeroDivide);
    m.Set(2, 2, 4);
    m.PrecondDiagonal(r, v);
    EXPECT_EQ(r.Get(1), 2);
    EXPECT_EQ(r.Get(2), 0.25);

    // The inverse of diag(1, 1e-310) holds 1e310, beyond the doubles.
    TMatriz d(2, 2);
    d.Set(1, 1, 1), d.Set(2, 2, 1e-310);
    EXPECT_THROW(d.Inverte2x2(), EOverflow);
}
