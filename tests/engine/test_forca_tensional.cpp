#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support_valores.h"
#include "uLibFEM.h"
#include "uPlataforma.h"

TEST(ForcaTensional, CopyOwnsItsEdgesAndStartsInactive) {
    auto origem = std::make_unique<TForcaTensional>();
    origem->SetQy1(1000);
    origem->SetQy2(2000);
    origem->SetQx1(-500);
    origem->SetQx2(250);
    origem->SetAtiva(1);
    TVetorInteiro arestas(3);
    arestas.Set(1, 4), arestas.Set(2, 9), arestas.Set(3, 2);
    origem->SetArestas(arestas);

    auto copia = TForcaTensional::CreateCopia(*origem);
    origem.reset();
    EXPECT_EQ(copia->GetQy1(), 1000);
    EXPECT_EQ(copia->GetQy2(), 2000);
    EXPECT_EQ(copia->GetQx1(), -500);
    EXPECT_EQ(copia->GetQx2(), 250);
    EXPECT_EQ(copia->GetAtiva(), 0);
    ASSERT_EQ(copia->GetArestas().GetTamanho(), 3);
    EXPECT_EQ(copia->GetArestas().Get(1), 4);
    EXPECT_EQ(copia->GetArestas().Get(2), 9);
    EXPECT_EQ(copia->GetArestas().Get(3), 2);

    TForcaTensional nova;
    EXPECT_EQ(nova.GetArestas().GetTamanho(), 0);
    EXPECT_EQ(nova.GetAtiva(), 0);
}

TEST(ForcaTensional, UnitConversionScalesBothDirections) {
    TForcaTensional f;
    f.SetQy1(3), f.SetQy2(-6), f.SetQx1(9), f.SetQx2(12);
    f.ConverteUnidades(1, 1);
    EXPECT_EQ(f.GetQy1(), 3);
    EXPECT_EQ(f.GetQy2(), -6);
    EXPECT_EQ(f.GetQx1(), 9);
    EXPECT_EQ(f.GetQx2(), 12);
    // kN per cm typed: force factor 1000, length factor 0.01.
    f.ConverteUnidades(1000, 0.01);
    EXPECT_DOUBLE_EQ(f.GetQy1(), 3e5);
    EXPECT_DOUBLE_EQ(f.GetQy2(), -6e5);
    EXPECT_DOUBLE_EQ(f.GetQx1(), 9e5);
    EXPECT_DOUBLE_EQ(f.GetQx2(), 12e5);
    EXPECT_THROW(f.ConverteUnidades(1, 0), EZeroDivide);
}

TEST(ForcaTensional, OwnWeightOnlyWhenActive) {
    TForcaTensional f;
    auto inativa = f.ForcasPesoProprio(0.5, 2400, 9.81);
    EXPECT_EQ(inativa[0], 0.0);
    EXPECT_EQ(inativa[1], 0.0);
    f.SetAtiva(2); // only 1 means active
    EXPECT_EQ(f.ForcasPesoProprio(0.5, 2400, 9.81)[1], 0.0);
    f.SetAtiva(1);
    auto g = f.ForcasPesoProprio(0.5, 2400, 9.81);
    EXPECT_EQ(g[0], 0.0);
    EXPECT_NEAR(g[1], -2400 * 9.81 * 0.5 / 3 * 1e-6, 1e-18);
    auto zero = f.ForcasPesoProprio(0, 2400, 9.81);
    EXPECT_EQ(zero[1], 0.0);
    EXPECT_TRUE(std::signbit(zero[1]));
}

TEST(ForcaTensional, EdgeAngle) {
    TForcaTensional f;
    TNo a(1, 0, 0), b(2, 2, 0), c(3, 2, 2), d(4, 0, 3), e(5, -1, 1);
    auto angulo = [&](TNo &p, TNo &q) { return f.AnguloAresta(TAresta(&p, &q, 1)); };
    EXPECT_EQ(angulo(a, b), 0.0);
    EXPECT_NEAR(angulo(a, c), std::numbers::pi / 4, 1e-15);
    EXPECT_NEAR(angulo(a, e), -std::numbers::pi / 4,
                1e-15); // towards negative x: still within +-pi/2
    EXPECT_NEAR(angulo(a, d), std::numbers::pi / 2, 1e-15);
    EXPECT_NEAR(angulo(d, a), -std::numbers::pi / 2, 1e-15);
    EXPECT_TRUE(std::isfinite(angulo(a, a)));
}

TEST(ForcaTensional, DistributedLoadNodalForces) {
    TrianguloTeste tri;
    TVetor forcas(6);
    auto preenche = [&] {
        for (int i = 1; i <= 6; ++i)
            forcas.Set(i, 7);
    };
    TForcaTensional zero;
    TLado base = tri.Lado(tri.n1, tri.n2); // length 2
    preenche();
    zero.ForcasDistribuidas(forcas, base);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(forcas.Get(i), 0.0);
    EXPECT_EQ(forcas.Get(5), 7);
    EXPECT_EQ(forcas.Get(6), 7);

    // Uniform: half the resultant at each node, pushing towards negative x and y.
    TForcaTensional q;
    q.SetQy1(1000), q.SetQy2(1000), q.SetQx1(500), q.SetQx2(500);
    preenche();
    q.ForcasDistribuidas(forcas, base);
    EXPECT_NEAR(forcas.Get(2), -1000 * 2 / 2 * 1e-6, 1e-18);
    EXPECT_NEAR(forcas.Get(4), -1000 * 2 / 2 * 1e-6, 1e-18);
    EXPECT_NEAR(forcas.Get(1), -500 * 2 / 2 * 1e-6, 1e-18);
    EXPECT_NEAR(forcas.Get(3), -500 * 2 / 2 * 1e-6, 1e-18);
    EXPECT_EQ(forcas.Get(5), 7);

    // Triangular load 0 -> 3000 N/m: one third at the first end, two thirds at the second, the
    // two adding up to the resultant 3000 x 2 / 2.
    TForcaTensional t;
    t.SetQy1(0), t.SetQy2(3000), t.SetQx1(600), t.SetQx2(0);
    preenche();
    t.ForcasDistribuidas(forcas, base);
    EXPECT_NEAR(forcas.Get(2), -1e-3, 1e-15);
    EXPECT_NEAR(forcas.Get(4), -2e-3, 1e-15);
    EXPECT_NEAR(forcas.Get(2) + forcas.Get(4), -3000 * 2 / 2 * 1e-6, 1e-15);
    EXPECT_NEAR(forcas.Get(1), -0.4e-3, 1e-15);
    EXPECT_NEAR(forcas.Get(3), -0.2e-3, 1e-15);

    // The side's first node is element node 3 here: its entries get the first end's share.
    TLado hip = tri.Lado(tri.n3, tri.n2);
    preenche();
    t.ForcasDistribuidas(forcas, hip);
    const double h = -std::sqrt(8.0) / 2 * 1e-6;
    EXPECT_NEAR(forcas.Get(6), h * 1000, 1e-15);
    EXPECT_NEAR(forcas.Get(5), h * 400, 1e-15);
    EXPECT_NEAR(forcas.Get(4), h * 2000, 1e-15);
    EXPECT_NEAR(forcas.Get(3), h * 200, 1e-15);
    EXPECT_EQ(forcas.Get(1), 7);
    EXPECT_EQ(forcas.Get(2), 7);
}
