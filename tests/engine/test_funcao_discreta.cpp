#include <gtest/gtest.h>

#include <cmath>

#include "uMatematica.h"

namespace {

TFuncaoDiscreta Funcao(std::initializer_list<TPontoReal> pontos) {
    TFuncaoDiscreta f;
    for (const TPontoReal &p : pontos)
        f.AdicionaPonto(p.X, p.Y);
    return f;
}

} // namespace

TEST(FuncaoDiscreta, InterpolatesAndExtrapolatesLinearly) {
    TFuncaoDiscreta f = Funcao({{0, 0}, {10, 100}});
    EXPECT_DOUBLE_EQ(f.Valor(5), 50);
    EXPECT_DOUBLE_EQ(f.Valor(-5), -50);
    EXPECT_DOUBLE_EQ(f.Valor(20), 200);
    EXPECT_DOUBLE_EQ(f.Valor(0), 0);
    EXPECT_DOUBLE_EQ(f.Valor(10), 100);
    EXPECT_DOUBLE_EQ(f.Derivada(5), 10);
    EXPECT_DOUBLE_EQ(f.Derivada(-5), 10);
    EXPECT_EQ(f.Derivada(20), 0); // the rate ends with the table

    // Three segments with different slopes: each query uses its own segment, and the
    // extrapolations use the first two and the last two points.
    TFuncaoDiscreta g = Funcao({{0, 0}, {1, 2}, {3, 3}, {4, 7}});
    EXPECT_DOUBLE_EQ(g.Valor(2), 2.5);
    EXPECT_DOUBLE_EQ(g.Derivada(2), 0.5);
    EXPECT_DOUBLE_EQ(g.Valor(3.5), 5);
    EXPECT_DOUBLE_EQ(g.Valor(-1), -2);
    EXPECT_DOUBLE_EQ(g.Valor(5), 11);
}

TEST(FuncaoDiscreta, StoredOrderDecidesTheSegment) {
    TFuncaoDiscreta f = Funcao({{0, 0}, {10, 10}, {5, 0}});
    EXPECT_DOUBLE_EQ(f.Valor(7), 7);
    EXPECT_EQ(f.GetXMax(), 10);
    EXPECT_EQ(f.GetXMin(), 0);
    // Descending points: no segment holds an interior x.
    TFuncaoDiscreta d = Funcao({{10, 1}, {0, 5}});
    EXPECT_EQ(d.Valor(5), 0);
    EXPECT_EQ(d.Derivada(5), 0);
}

TEST(FuncaoDiscreta, AddRemoveAndLimits) {
    TFuncaoDiscreta f;
    EXPECT_EQ(f.GetXMax(), 0);
    EXPECT_TRUE(f.AdicionaPonto(1, 2));
    EXPECT_FALSE(f.AdicionaPonto(1, 2));
    EXPECT_FALSE(f.AdicionaPonto(1 + 1e-12, 2)); // equal within the engine's tolerance
    EXPECT_EQ(f.GetNumPontos(), 1);
    EXPECT_TRUE(f.AdicionaPonto(1, 3)); // same x, other y: a new point
    EXPECT_TRUE(f.AdicionaPonto(-4, 9));
    EXPECT_EQ(f.GetNumPontos(), 3);
    EXPECT_EQ(f.GetXMin(), -4);
    EXPECT_EQ(f.GetXMax(), 1);
    EXPECT_EQ(f.GetYMin(), 2);
    EXPECT_EQ(f.GetYMax(), 9);

    f.RemoveUltimo();
    EXPECT_EQ(f.GetNumPontos(), 2);
    EXPECT_EQ(f.GetXMin(), 1);
    EXPECT_EQ(f.GetYMax(), 3);

    // Emptying keeps the last limits; adding again recomputes them.
    f.Limpa();
    EXPECT_EQ(f.GetNumPontos(), 0);
    EXPECT_EQ(f.GetXMin(), 1);
    EXPECT_EQ(f.GetYMax(), 2);
    f.RemoveUltimo(); // harmless on an empty table
    f.AdicionaPonto(7, 8);
    EXPECT_EQ(f.GetXMin(), 7);
    EXPECT_EQ(f.GetYMax(), 8);
}

TEST(FuncaoDiscreta, CopyIsIndependentWithFreshLimits) {
    TFuncaoDiscreta f = Funcao({{0, 0}, {10, 100}});
    f.SetXMax(3); // stale limit on the original
    auto c = TFuncaoDiscreta::CreateCopia(f);
    EXPECT_EQ(c->GetXMax(), 10);
    EXPECT_DOUBLE_EQ(c->Valor(20), 200);
    f.Limpa();
    EXPECT_EQ(c->GetNumPontos(), 2);
    EXPECT_EQ(c->GetY(2), 100);

    TFuncaoDiscreta vazia;
    TFuncaoDiscreta g = Funcao({{1, 1}, {2, 2}});
    g = vazia;
    EXPECT_EQ(g.GetNumPontos(), 0);
    EXPECT_EQ(g.GetXMax(), 0);
}

TEST(FuncaoDiscreta, DegenerateTablesNeverReadOutOfRange) {
    TFuncaoDiscreta vazia;
    EXPECT_EQ(vazia.Valor(-3), 0);
    EXPECT_EQ(vazia.Valor(3), 0);
    EXPECT_EQ(vazia.Derivada(-3), 0);
    TFuncaoDiscreta um = Funcao({{2, 5}});
    EXPECT_EQ(um.Valor(1), 0);
    EXPECT_EQ(um.Valor(2), 0);
    EXPECT_EQ(um.Derivada(1), 0);
    EXPECT_THROW(um.Valor(std::nan("")), EInvalidOp);

    // A vertical first segment: zero-width slopes raise instead of giving inf or NaN.
    TFuncaoDiscreta v = Funcao({{5, 0}, {5, 10}, {10, 10}});
    EXPECT_THROW(v.Valor(5), EInvalidOp);
    EXPECT_THROW(v.Derivada(5), EZeroDivide);
    EXPECT_THROW(v.Derivada(1), EZeroDivide);
    EXPECT_DOUBLE_EQ(v.Valor(7), 10);
}

TEST(UTMath, EqualityIsRelativeToTheSecondValue) {
    EXPECT_TRUE(TUT_Math::IgualComTolerancia(0, 1e-11));
    EXPECT_FALSE(TUT_Math::IgualComTolerancia(1e-11, 0));
    EXPECT_TRUE(TUT_Math::IgualComTolerancia(1e10, 1e10 + 0.5));
    EXPECT_FALSE(TUT_Math::IgualComTolerancia(1, 1 + 1e-9));
}

TEST(UTMath, Entre) {
    EXPECT_TRUE(TUT_Math::Entre(5, 0, 10));
    EXPECT_TRUE(TUT_Math::Entre(5, 10, 0));
    EXPECT_TRUE(TUT_Math::Entre(0, 0, 10));
    EXPECT_TRUE(TUT_Math::Entre(10, 0, 10));
    EXPECT_FALSE(TUT_Math::Entre(10.000001, 0, 10));
    EXPECT_FALSE(TUT_Math::Entre(-1, 0, 10));
    EXPECT_TRUE(TUT_Math::Entre(3, 3, 3));
    EXPECT_TRUE(TUT_Math::Entre(3 + 1e-12, 3, 3));
    EXPECT_FALSE(TUT_Math::Entre(3.001, 3, 3));
}

TEST(UTMath, OrientationPolygonsAndCrossings) {
    TPontoReal o{0, 0}, e{1, 0};
    EXPECT_TRUE(TUT_Math::Orientacao(o, e, {0.5, 1}));
    EXPECT_FALSE(TUT_Math::Orientacao(o, e, {0.5, -1}));
    EXPECT_TRUE(TUT_Math::Orientacao(o, e, {3, 0})); // on the line counts as left

    TPontoReal q[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    TPontoReal r[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    EXPECT_TRUE(TUT_Math::PontoNoPoligono({0.5, 0.5}, q, 3));
    EXPECT_TRUE(TUT_Math::PontoNoPoligono({1, 0.5}, q, 3)); // border
    EXPECT_FALSE(TUT_Math::PontoNoPoligono({1.5, 0.5}, q, 3));
    EXPECT_FALSE(TUT_Math::PontoNoPoligono({0.5, 0.5}, r, 3));
    TPontoReal t[3] = {{0, 0}, {4, 0}, {0, 4}};
    EXPECT_TRUE(TUT_Math::PontoNoPoligono({1, 1}, t, 2));
    EXPECT_FALSE(TUT_Math::PontoNoPoligono({3, 3}, t, 2));

    // Upper-left and lower-right corners give a counter-clockwise rectangle.
    auto ret = TUT_Math::Retangulo(2, 8, 6, 4);
    EXPECT_EQ(ret[0].X, 2);
    EXPECT_EQ(ret[0].Y, 4);
    EXPECT_EQ(ret[1].X, 6);
    EXPECT_EQ(ret[2].Y, 8);
    EXPECT_EQ(ret[3].X, 2);
    EXPECT_TRUE(TUT_Math::PontoNoPoligono({3, 5}, ret.data(), 3));
    EXPECT_FALSE(TUT_Math::PontoNoPoligono({7, 5}, ret.data(), 3));

    EXPECT_TRUE(TUT_Math::SegmentosCruzam({0, 0}, {2, 2}, {0, 2}, {2, 0}));
    EXPECT_FALSE(TUT_Math::SegmentosCruzam({0, 0}, {1, 1}, {0, 2}, {-2, 4}));
    EXPECT_FALSE(TUT_Math::SegmentosCruzam({0, 0}, {2, 0}, {0, 1}, {2, 1})); // parallel
}

TEST(UTMath, MeasuresAndInterpolationLaws) {
    EXPECT_DOUBLE_EQ(TUT_Math::Distancia(1, 1, 4, 5), 5);
    EXPECT_DOUBLE_EQ(TUT_Math::AreaTriangulo({0, 0}, {4, 0}, {0, 3}), 6);
    EXPECT_DOUBLE_EQ(TUT_Math::AreaTriangulo({0, 0}, {0, 3}, {4, 0}), -6);

    EXPECT_DOUBLE_EQ(TUT_Math::InterpolaLog(1, 5, 2, 9), 2);
    EXPECT_DOUBLE_EQ(TUT_Math::InterpolaLog(6, 5, 2, 9), 9);
    EXPECT_DOUBLE_EQ(TUT_Math::InterpolaLog(2, 3, 0, 100), 50);
    EXPECT_DOUBLE_EQ(TUT_Math::InterpolaLinear(4, 4, 3, 11), 8);
    EXPECT_DOUBLE_EQ(TUT_Math::InterpolaLinear(1, 4, 3, 11), 2);
    EXPECT_THROW(TUT_Math::InterpolaLinear(1, 0, 3, 11), EZeroDivide);
    EXPECT_THROW(TUT_Math::InterpolaLog(1, 0, 3, 11), EInvalidOp);
    EXPECT_THROW(TUT_Math::InterpolaLog(0, 4, 3, 11), EZeroDivide);
}

TEST(UTMath, RoundingIsHalfToEven) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(-0.6), -1);
    EXPECT_THROW(Round(std::nan("")), EInvalidOp);
    EXPECT_THROW(Round(3e9), EInvalidOp);

    TVetor escala(2), desloc(2);
    escala[1] = 1, escala[2] = -1, desloc[1] = 0.5, desloc[2] = 0;
    TPonto p = TUT_Math::TransformaPontoTela({2, -1.5}, escala, desloc);
    EXPECT_EQ(p, (TPonto{2, 2}));
    p = TUT_Math::ParaTela({1, 0.5}, escala, desloc, 10, 20);
    EXPECT_EQ(p, (TPonto{12, 20}));
    TPontoReal w = TUT_Math::TransformaPonto({4, 6}, escala, desloc);
    EXPECT_EQ(w.X, 4.5);
    EXPECT_EQ(w.Y, -6);
}

TEST(UTMath, ScreenScaleKeepsProportionsAndCentres) {
    TEscalaTela e = TUT_Math::CalculaEscala({0, 0}, {10, 5}, 440, 440);
    // xmin -> 20, xmax -> 420, ymin -> 210, ymax -> 10, then centred by (0, 100).
    EXPECT_EQ(TUT_Math::TransformaPontoTela({0, 0}, e.Escala, e.Desloc), (TPonto{20, 210}));
    EXPECT_EQ(TUT_Math::TransformaPontoTela({10, 5}, e.Escala, e.Desloc), (TPonto{420, 10}));
    EXPECT_EQ(e.Dx, 0);
    EXPECT_EQ(e.Dy, 100);
    EXPECT_EQ(TUT_Math::ParaTela({0, 0}, e.Escala, e.Desloc, e.Dx, e.Dy), (TPonto{20, 310}));
    EXPECT_DOUBLE_EQ(e.Escala[1], 40);
    EXPECT_DOUBLE_EQ(e.Escala[2], -40);
    // The inverse mapping brings pixels back to the world.
    TPontoReal w = TUT_Math::TransformaPonto({220, 110}, e.EscalaInversa, e.DeslocInverso);
    EXPECT_DOUBLE_EQ(w.X, 5);
    EXPECT_DOUBLE_EQ(w.Y, 2.5);

    // A tall window narrows the horizontal range instead.
    TEscalaTela t = TUT_Math::CalculaEscala({-1, 0}, {1, 8}, 500, 300);
    EXPECT_EQ(TUT_Math::TransformaPontoTela({-1, 0}, t.Escala, t.Desloc), (TPonto{5, 280}));
    EXPECT_EQ(TUT_Math::TransformaPontoTela({1, 8}, t.Escala, t.Desloc), (TPonto{120, 20}));
    EXPECT_EQ(t.Dx, 230 - 57);
    EXPECT_EQ(t.Dy, 130 - 130);
    // A very wide window: the top margin that would round to 0 becomes 21.
    TEscalaTela l = TUT_Math::CalculaEscala({0, 0}, {1000, 1}, 440, 440);
    EXPECT_EQ(TUT_Math::TransformaPontoTela({0, 1}, l.Escala, l.Desloc).Y, 21);

    EXPECT_THROW(TUT_Math::CalculaEscala({0, 0}, {10, 0}, 440, 440), EZeroDivide);
    EXPECT_THROW(TUT_Math::CalculaEscala({0, 0}, {0, 10}, 440, 440), EZeroDivide);
    EXPECT_THROW(TUT_Math::CalculaEscala({3, 3}, {3, 3}, 440, 440), EInvalidOp);
}
