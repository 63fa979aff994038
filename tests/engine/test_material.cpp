#include <gtest/gtest.h>

#include <cmath>

#include "support_valores.h"
#include "uLibFEM.h"
#include "uMatematica.h"
#include "uPlataforma.h"

namespace {

std::unique_ptr<TFuncaoDiscreta> Reta(double y0, double y10) {
    auto f = std::make_unique<TFuncaoDiscreta>();
    f->AdicionaPonto(0, y0);
    f->AdicionaPonto(10, y10);
    return f;
}

} // namespace

TEST(Material, ModulusByAgeAndConstant) {
    auto m = MaterialPadrao();
    m->CalculaEIdade(28);
    EXPECT_NEAR(m->GetE(), 22.0630530538, 1e-9);

    m->SetEConstante(true);
    m->SetEConstanteValor(31);
    m->SetE(0);
    m->CalculaEIdade(28);
    EXPECT_EQ(m->GetE(), 31);
    for (auto modelo : {&TMaterial::EJCI, &TMaterial::EByfors, &TMaterial::EACI}) {
        m->SetE(0);
        ((*m).*modelo)(20);
        EXPECT_EQ(m->GetE(), 31);
    }
    TTempo tempo(0, 1000, 10, 2.0 / 3.0);
    tempo.SetTempoAtual(240);
    TMaterial::TMatrizD d;
    for (bool daResistencia : {false, true})
        for (bool maturidade : {false, true}) {
            m->SetEDaResistencia(daResistencia);
            m->SetMaturidade(maturidade);
            m->SetE(0);
            m->MatrizDEPD(d, tempo, 0, 20);
            EXPECT_EQ(m->GetE(), 31);
        }
}

TEST(Material, ModulusFromStrength) {
    auto m = MaterialPadrao();
    m->EJCI(20);
    EXPECT_NEAR(m->GetE(), 21.4272662675, 1e-9);
    m->EACI(20);
    EXPECT_NEAR(m->GetE(), 21.7474913706, 1e-9);
    m->EByfors(20); // in GPa like the other models
    EXPECT_NEAR(m->GetE(), 29.6882021287, 1e-9);

    m->SetE(7);
    m->EByfors(0);
    EXPECT_EQ(m->GetE(), 7);
    m->EJCI(-3);
    EXPECT_EQ(m->GetE(), 7);
    EXPECT_THROW(m->EACI(-1), EInvalidOp);
}

TEST(Material, PlaneStrainAndPlaneStressMatrices) {
    auto m = MaterialPadrao();
    m->SetEConstante(true);
    m->SetEConstanteValor(20);
    TTempo tempo(0, 100, 1, 0.5);
    TMaterial::TMatrizD d;
    m->MatrizDEPD(d, tempo, 0, 1);
    EXPECT_NEAR(d[0][0], 22222.2222222, 1e-6);
    EXPECT_NEAR(d[1][1], 22222.2222222, 1e-6);
    EXPECT_NEAR(d[0][1], 5555.5555556, 1e-6);
    EXPECT_NEAR(d[1][0], 5555.5555556, 1e-6);
    EXPECT_NEAR(d[2][2], 8333.3333333, 1e-6);
    EXPECT_EQ(d[0][2], 0.0);
    EXPECT_EQ(d[2][1], 0.0);

    // Every entry of a caller's matrix is written, the zeros too.
    TMatriz D(3, 3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            D.Set(i, j, 99);
    m->MatrizDEPT(D, 5);
    EXPECT_NEAR(D.Get(1, 1), 20833.3333333, 1e-6);
    EXPECT_NEAR(D.Get(2, 2), 20833.3333333, 1e-6);
    EXPECT_NEAR(D.Get(1, 2), 4166.6666667, 1e-6);
    EXPECT_NEAR(D.Get(2, 1), 4166.6666667, 1e-6);
    EXPECT_NEAR(D.Get(3, 3), 8333.3333333, 1e-6);
    for (auto [i, j] : {std::pair{1, 3}, {2, 3}, {3, 1}, {3, 2}})
        EXPECT_EQ(D.Get(i, j), 0.0);
}

TEST(Material, PlaneStrainChoosesTheModulusPath) {
    auto m = MaterialPadrao();
    TTempo tempo(0, 2000, 24, 0.5);
    tempo.SetTempoAtual(100 + 28 * 24); // 28 days after placement at 100 h
    TMaterial::TMatrizD d;

    m->MatrizDEPD(d, tempo, 100, 0);
    EXPECT_NEAR(m->GetE(), 22.0630530538, 1e-9);
    EXPECT_NEAR(d[0][0], 1000 * m->GetE() * 0.8 / (1.2 * 0.6), 1e-6);

    // Strength by the age law, then the JCI model.
    m->SetEDaResistencia(true);
    m->MatrizDEPD(d, tempo, 100, 0);
    EXPECT_NEAR(m->GetResistencia(), 28 / (1.408 + 0.1931 * 28), 1e-12);
    EXPECT_NEAR(m->GetE(), 9.7119005576, 1e-9);

    // Maturity: the strength passed in.
    m->SetMaturidade(true);
    m->SetModeloE(TMaterial::kModeloACI);
    m->MatrizDEPD(d, tempo, 100, 20);
    EXPECT_NEAR(m->GetE(), 21.7474913706, 1e-9);

    // An unknown model leaves E as it was.
    m->SetModeloE(9);
    m->SetE(12.5);
    m->MatrizDEPD(d, tempo, 100, 20);
    EXPECT_EQ(m->GetE(), 12.5);

    // Plane stress takes the age it is given, whatever the flags.
    m->MatrizDEPT(d, 28);
    EXPECT_NEAR(m->GetE(), 22.0630530538, 1e-9);
}

TEST(Material, SingularValuesRaiseMathErrors) {
    auto m = MaterialPadrao();
    TTempo tempo(0, 100, 1, 0.5);
    tempo.SetTempoAtual(48);
    TMaterial::TMatrizD d;
    for (double v : {0.5, 1.0, -1.0}) {
        m->SetPoisson(v);
        EXPECT_THROW(m->MatrizDEPD(d, tempo, 0, 0), EZeroDivide) << v;
    }
    for (double v : {1.0, -1.0}) {
        m->SetPoisson(v);
        EXPECT_THROW(m->MatrizDEPT(d, 2), EZeroDivide) << v;
    }
    m->SetPoisson(0.5);
    EXPECT_NO_THROW(m->MatrizDEPT(d, 2));
    EXPECT_TRUE(std::isfinite(d[0][0]));

    m->SetEa(1);
    m->SetEb(-0.5);
    EXPECT_THROW(m->CalculaEIdade(2), EZeroDivide);
    m->SetFTa(2);
    m->SetFTb(-1);
    EXPECT_THROW(m->CalculaResistenciaIdade(2), EZeroDivide);
}

TEST(Material, TabulatedPropertiesAndUnitFactors) {
    auto m = MaterialPadrao();
    m->SetFuncaoCondutividade(Reta(3, 13));
    EXPECT_EQ(m->GetKx(), 0.0); // no factor stored yet
    m->ConverteUnidades(1, 1, 1, 1, 1, 1);
    EXPECT_EQ(m->GetKx(), 3.0); // the function at argument 0
    EXPECT_EQ(m->GetKy(), 3.0);
    m->SetFuncaoCondutividade(nullptr);
    EXPECT_EQ(m->GetKx(), 2.0);

    auto c = MaterialPadrao();
    c->SetEConstanteValor(25);
    c->ConverteUnidades(2, 3, 4, 5, 6, 7);
    EXPECT_EQ(c->GetKx(), 4);
    EXPECT_EQ(c->GetKy(), 4);
    EXPECT_EQ(c->GetDensidade(), 7200);
    EXPECT_EQ(c->GetCalorEspecifico(), 4000);
    EXPECT_EQ(c->GetE(), 100);
    EXPECT_DOUBLE_EQ(c->GetAlfa(), 7.5e-5);
    EXPECT_DOUBLE_EQ(c->GetGravidade(), 68.733);
    // The laws' coefficients stay as entered.
    EXPECT_EQ(c->GetEa(), 0.08609);
    EXPECT_EQ(c->GetFTb(), 0.1931);
    EXPECT_EQ(c->GetEConstanteValor(), 25);
}

TEST(Material, CopyIsDeepAndStartsWithoutFactors) {
    auto m = MaterialPadrao();
    m->SetFuncaoCalorEspecifico(Reta(900, 1900));
    m->SetFuncaoCondutividade(Reta(2.5, 3.5));
    m->SetEConstanteValor(33);
    m->SetEPD(false);
    m->ConverteUnidades(1, 1, 2, 1, 1, 1);
    EXPECT_EQ(m->GetCalorEspecifico(), 1800);

    auto c = TMaterial::CreateCopia(*m);
    m.reset();
    EXPECT_EQ(c->GetCalorEspecifico(), 0.0); // function present, factor not copied
    EXPECT_EQ(c->GetKx(), 0.0);
    c->ConverteUnidades(1, 1, 1, 1, 1, 1);
    EXPECT_EQ(c->GetCalorEspecifico(), 900);
    EXPECT_EQ(c->GetKx(), 2.5);
    EXPECT_EQ(c->GetEConstanteValor(), 33);
    EXPECT_FALSE(c->GetEPD());

    // A tabulated property is copied as its current value too.
    c->SetFuncaoCondutividade(nullptr);
    EXPECT_EQ(c->GetKx(), 2.5);
}
