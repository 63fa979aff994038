#include <gtest/gtest.h>

#include <cmath>

#include "support_valores.h"
#include "uLibFEM.h"
#include "uPlataforma.h"

namespace {

TFluencia LeiACIPadrao() {
    TFluencia f;
    f.SetTipo(TFluencia::kACI209);
    f.CuraUmida = 1;
    f.Umidade = 70;
    f.Abatimento = 20;
    f.Finos = 60;
    f.Ar = 7;
    return f;
}

} // namespace

TEST(FluenciaACI, FactorsOfTheDialogDefaults) {
    TFluencia f = LeiACIPadrao();
    f.SetT0(7 * 24 - 1); // loaded at 7 days
    const double phiU = f.CoeficienteUltimoACI(38.0);
    EXPECT_NEAR(f.GamaLambda, 0.85, 1e-12);
    EXPECT_NEAR(f.GamaS, 0.8728, 1e-12);
    EXPECT_NEAR(f.GamaPsi, 1.024, 1e-12);
    EXPECT_NEAR(f.GamaAlfa, 1.09, 1e-12);
    EXPECT_NEAR(f.GamaVs, 1.0019942127, 1e-9);
    EXPECT_NEAR(f.GamaLa, 1.25 * std::pow(7.0, -0.118), 1e-12);
    EXPECT_NEAR(phiU, 0.8243540488, 1e-9);
    EXPECT_DOUBLE_EQ(phiU, f.GamaLa * f.GamaLambda * f.GamaVs * f.GamaS * f.GamaPsi * f.GamaAlfa);

    f.CuraUmida = 0; // steam cure
    f.CoeficienteUltimoACI(38.0);
    EXPECT_NEAR(f.GamaLa, 1.13 * std::pow(7.0, -0.095), 1e-12);
}

TEST(FluenciaACI, HumidityFactorBreaksAtFortyPercent) {
    TFluencia f = LeiACIPadrao();
    f.Umidade = 40;
    f.CoeficienteUltimoACI(0);
    EXPECT_EQ(f.GamaLambda, 1.0);
    f.Umidade = 41;
    f.CoeficienteUltimoACI(0);
    EXPECT_NEAR(f.GamaLambda, 1.024, 1e-12);
    f.Umidade = 20;
    f.CoeficienteUltimoACI(0);
    EXPECT_EQ(f.GamaLambda, 1.0);
}

TEST(FluenciaACI, CoefficientGrowsFromZeroAtLoading) {
    TFluencia f = LeiACIPadrao();
    f.SetT0(167);
    f.CoeficienteACI(38.0, 167);
    EXPECT_EQ(f.Phi, 0.0);
    f.CoeficienteACI(38.0, 100); // before loading: no creep
    EXPECT_EQ(f.Phi, 0.0);
    f.CoeficienteACI(38.0, 167 + 240); // ten days after loading
    EXPECT_NEAR(f.Phi, 0.2347325476, 1e-9);
    f.CoeficienteACI(38.0, 167 + 24e6); // tends to the ultimate coefficient
    EXPECT_NEAR(f.Phi, 0.8243540488, 0.01);
}

TEST(FluenciaACI, LoadingAgeWithoutLogarithmRaisesMathError) {
    TFluencia f = LeiACIPadrao();
    f.SetT0(-1); // loading age 0: 0^-0.118
    EXPECT_THROW(f.CoeficienteUltimoACI(38.0), EZeroDivide);
    f.SetT0(-5);
    EXPECT_THROW(f.CoeficienteUltimoACI(38.0), EInvalidOp);
}

TEST(Fluencia, CopyIsIndependent) {
    TFluencia f = LeiACIPadrao();
    f.A = 6.1;
    f.SetT0(48);
    auto c = TFluencia::CreateCopia(f);
    c->SetT0(0);
    EXPECT_EQ(f.T0, 48);
    EXPECT_EQ(c->A, 6.1);
    EXPECT_EQ(c->Umidade, 70);
}

TEST(FluenciaModuloEfetivo, CoefficientGrowsLinearlyUntilTheCreepTime) {
    TFluencia f;
    f.SetTipo(TFluencia::kModuloEfetivo);
    f.SetCoefFluencia(0.6);
    f.SetTempoFluencia(120); // 5 days
    f.SetT0(48);             // loaded at day 2
    auto m = MaterialPadrao();
    struct Caso {
        double dia, modulo;
    };
    for (Caso c : {Caso{1, 20000}, {2, 20000}, {4.5, 20000 / 1.3}, {7, 12500}, {100, 12500}}) {
        m->SetE(20);
        f.AplicaAoMaterial(*m, c.dia);
        EXPECT_NEAR(m->GetE(), c.modulo, 1e-9) << c.dia;
        EXPECT_NEAR(f.Flexibilidade, 1 / c.modulo, 1e-15) << c.dia;
    }

    f.SetCoefFluencia(0);
    m->SetE(20);
    f.AplicaAoMaterial(*m, 50);
    EXPECT_EQ(m->GetE(), 20000);

    // One day of creep time: half the final value half a day after loading.
    f.SetCoefFluencia(0.6);
    f.SetTempoFluencia(24);
    f.SetT0(0);
    m->SetE(20);
    f.AplicaAoMaterial(*m, 0.5);
    EXPECT_NEAR(m->GetE(), 20000 / 1.3, 1e-9);

    // No creep time at all: the final value from loading on.
    f.SetTempoFluencia(0);
    m->SetE(20);
    f.AplicaAoMaterial(*m, 0);
    EXPECT_NEAR(m->GetE(), 12500, 1e-9);

    m->SetE(0);
    f.AplicaAoMaterial(*m, 3);
    EXPECT_EQ(m->GetE(), 0);
    EXPECT_EQ(f.Flexibilidade, 0);
}

TEST(FluenciaBureau, CompliancePerMicrostrain) {
    TFluencia f;
    f.SetTipo(TFluencia::kBureauReclamation);
    f.A = 6.1;
    f.B = 105.2;
    f.SetT0(24);
    auto m = MaterialPadrao();
    for (double dia : {0.5, 1.0}) { // not yet loaded, and at loading
        m->SetE(20);
        f.AplicaAoMaterial(*m, dia);
        EXPECT_NEAR(m->GetE(), 20000, 1e-9);
        EXPECT_NEAR(f.Flexibilidade, 5e-5, 1e-18);
    }
    m->SetE(20);
    f.AplicaAoMaterial(*m, 2); // one day after loading
    const double j = 5e-5 + 111.3e-6 * std::log(2.0);
    EXPECT_NEAR(f.Flexibilidade, j, 1e-15);
    EXPECT_NEAR(m->GetE(), 1 / j, 1e-6);
    EXPECT_GT(m->GetE(), 7000); // a modulus of the order of the elastic one, in MPa

    m->SetE(0);
    f.AplicaAoMaterial(*m, 5);
    EXPECT_EQ(m->GetE(), 0);
    EXPECT_EQ(f.Flexibilidade, 0);
}

TEST(FluenciaACI, LeavesTheMaterialAlone) {
    TFluencia f = LeiACIPadrao();
    auto m = MaterialPadrao();
    m->SetE(20);
    f.AplicaAoMaterial(*m, 100);
    EXPECT_EQ(m->GetE(), 20);
}
