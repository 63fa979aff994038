#include <gtest/gtest.h>

#include <cmath>

#include "support_valores.h"
#include "uLibFEM.h"
#include "uMatematica.h"
#include "uPlataforma.h"

namespace {

TFuncaoDiscreta ElevacaoAdiabatica() {
    TFuncaoDiscreta f;
    f.AdicionaPonto(0, 0);
    f.AdicionaPonto(10, 20);
    f.AdicionaPonto(20, 30);
    return f;
}

} // namespace

TEST(ForcaInterna, ConstantEverywhereAndConverted) {
    auto m = MaterialPadrao();
    TForcaInterna f(1500);
    f.SetInstanteInicial(100);
    EXPECT_EQ(f.Valor(nullptr, *m, 0), 1500);
    EXPECT_EQ(f.Valor(nullptr, *m, 1e6), 1500);
    f.ConverteUnidades(859.84522);
    EXPECT_DOUBLE_EQ(f.Valor(nullptr, *m, 5), 1500 * 859.84522);
}

TEST(ForcaInterna, FiveParameterLaw) {
    auto m = MaterialPadrao();
    auto f = TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0);
    EXPECT_NEAR(f->IdadeEquivalente(10), 14.4269504089, 1e-9);
    const double esperado = 1000 * 4 * 0.45 * 85 * 250 * std::pow(14.426950408889635, -1.45) *
                            std::exp(-4 * std::pow(14.426950408889635, -0.45)) * 2;
    EXPECT_NEAR(esperado, 478853.394764, 1e-5);
    EXPECT_NEAR(f->Valor(nullptr, *m, 10), esperado, 1e-8 * esperado);
    EXPECT_NEAR(f->ValorModelo(48), 143132.149446541, 1e-6);

    // Counted from the placement time; nothing at or before it.
    f->SetInstanteInicial(100);
    EXPECT_NEAR(f->Valor(nullptr, *m, 110), esperado, 1e-8 * esperado);
    EXPECT_EQ(f->Valor(nullptr, *m, 100), 0.0);
    EXPECT_EQ(f->Valor(nullptr, *m, 50), 0.0);

    // The reference value shifts the equivalent age.
    auto tr = TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 20);
    EXPECT_NEAR(tr->IdadeEquivalente(10), 3.6067376022, 1e-9);
    EXPECT_NEAR(tr->ValorModelo(10), 315119.422715319, 1e-6);

    // Long after placement the rate fades out without leaving the range of doubles.
    for (double x : {5000.0, 20000.0, 1e6}) {
        const double q = f->ValorModelo(x);
        EXPECT_TRUE(std::isfinite(q)) << x;
        EXPECT_GE(q, 0.0) << x;
        EXPECT_LT(q, 1e-30) << x;
    }
    // Just after placement too.
    EXPECT_EQ(f->ValorModelo(1e-300), 0.0);
}

TEST(ForcaInterna, FormulaOfTheTimeSincePlacement) {
    auto m = MaterialPadrao();
    auto f = TForcaInterna::CreateFormula("2*X+1");
    f->SetInstanteInicial(100);
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, 110), 21);
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, 90), -19);
    auto c = TForcaInterna::CreateCopia(*f);
    f.reset();
    EXPECT_EQ(c->GetInstanteInicial(), 0);
    EXPECT_DOUBLE_EQ(c->Valor(nullptr, *m, 10), 21);
    EXPECT_EQ(c->GetFormula()->GetExpressao(), "2*X+1");
}

TEST(ForcaInterna, AdiabaticRiseSlopeTimesHeatCapacity) {
    auto m = MaterialPadrao(); // 2400 kg/m3, 1000 cal/(kg C)
    TFuncaoDiscreta tabela = ElevacaoAdiabatica();
    auto f = TForcaInterna::CreateFuncao(tabela);
    tabela.Limpa(); // the dialog's table is emptied when it opens again
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, 5), 2400 * 1000 * 2.0);
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, 15), 2400 * 1000 * 1.0);
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, -5), 2400 * 1000 * 2.0);
    EXPECT_EQ(f->Valor(nullptr, *m, 25), 0.0);
    f->SetInstanteInicial(10);
    EXPECT_DOUBLE_EQ(f->Valor(nullptr, *m, 15), 2400 * 1000 * 2.0);

    auto c = TForcaInterna::CreateCopia(*f);
    f.reset();
    EXPECT_EQ(c->GetInstanteInicial(), 0);
    ASSERT_NE(c->GetFuncao(), nullptr);
    EXPECT_EQ(c->GetFuncao()->GetNumPontos(), 3);
    EXPECT_DOUBLE_EQ(c->Valor(nullptr, *m, 15), 2400 * 1000 * 1.0);
}

TEST(ForcaInterna, CopyKeepsKindAndConversionTouchesOnlyTheConstant) {
    auto m = MaterialPadrao();
    auto modelo = TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 5);
    modelo->SetInstanteInicial(30);
    const double antes = modelo->Valor(nullptr, *m, 40);
    modelo->ConverteUnidades(1000);
    EXPECT_EQ(modelo->Valor(nullptr, *m, 40), antes);
    auto c = TForcaInterna::CreateCopia(*modelo);
    EXPECT_EQ(c->GetInstanteInicial(), 0);
    EXPECT_EQ(c->Valor(nullptr, *m, 10), antes);

    auto formula = TForcaInterna::CreateFormula("X");
    formula->ConverteUnidades(1000);
    EXPECT_EQ(formula->Valor(nullptr, *m, 7), 7);

    TForcaInterna constante(12);
    constante.SetInstanteInicial(8);
    auto cc = TForcaInterna::CreateCopia(constante);
    EXPECT_EQ(cc->Valor(nullptr, *m, 0), 12);
    EXPECT_EQ(cc->GetInstanteInicial(), 0);
}
