#include <gtest/gtest.h>

#include <cmath>

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
