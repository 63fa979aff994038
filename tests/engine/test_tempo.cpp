#include <gtest/gtest.h>

#include <cmath>

#include "uLibFEM.h"
#include "uMatematica.h"
#include "uPlataforma.h"

TEST(Tempo, UniformStepsEndAtTheFinalTime) {
    TTempo t(0, 1440, 6, 2.0 / 3.0);
    EXPECT_EQ(t.GetNumPassos(), 240);
    EXPECT_EQ(t.TempoDoPasso(240), 1440);
    EXPECT_EQ(t.TempoDoPasso(1), 6);
    EXPECT_EQ(t.GetTempoAtual(), 0);
    EXPECT_TRUE(t.GetPassoUniforme());

    TTempo r(0, 10, 3, 0.5); // 10 / 3 rounds to 3 steps of 10 / 3
    EXPECT_EQ(r.GetNumPassos(), 3);
    EXPECT_DOUBLE_EQ(r.TempoDoPasso(1), 10.0 / 3.0);
    EXPECT_EQ(r.TempoDoPasso(3), 10);

    TTempo o(24, 48, 4, 1); // offsets are measured from ti
    EXPECT_EQ(o.GetNumPassos(), 6);
    EXPECT_EQ(o.TempoDoPasso(6), 24);

    // Halves round to even: 2.5 steps -> 2, 3.5 steps -> 4.
    EXPECT_EQ(TTempo(0, 5, 2, 0.5).GetNumPassos(), 2);
    EXPECT_EQ(TTempo(0, 7, 2, 0.5).GetNumPassos(), 4);

    TTempo p = TTempo::Padrao();
    EXPECT_EQ(p.GetNumPassos(), 10);
    EXPECT_DOUBLE_EQ(p.GetTheta(), 2.0 / 3.0);
}

TEST(Tempo, LogarithmicStepsShrink) {
    TTempo t(0, 100, 100.0 / 3.0, 0.5);
    t.SetPassoUniforme(false);
    ASSERT_EQ(t.GetNumPassos(), 3);
    EXPECT_DOUBLE_EQ(t.TempoDoPasso(1), 50);
    EXPECT_NEAR(t.TempoDoPasso(2), 79.248125, 1e-6);
    EXPECT_DOUBLE_EQ(t.TempoDoPasso(3), 100);
    TTempo d(10, 70, 6, 0.5);
    d.SetPassoUniforme(false);
    double anterior = 0, passoAnterior = 1e300;
    for (int i = 1; i <= d.GetNumPassos(); ++i) {
        double passo = d.TempoDoPasso(i) - anterior;
        EXPECT_LT(passo, passoAnterior);
        anterior = d.TempoDoPasso(i), passoAnterior = passo;
    }
    EXPECT_DOUBLE_EQ(anterior, 60);
    // The same law as the mesh's logarithmic divisions.
    EXPECT_DOUBLE_EQ(d.GetTempoInicial() + d.TempoDoPasso(4),
                     TUT_Math::InterpolaLog(5, d.GetNumPassos(), 10, 70));
}

TEST(Tempo, StepOfATime) {
    TTempo t(0, 60, 6, 0.5);
    EXPECT_EQ(t.PassoDoTempo(0), 1);
    EXPECT_EQ(t.PassoDoTempo(2.9), 1);
    EXPECT_EQ(t.PassoDoTempo(3), 1);  // 0.5 rounds to 0, which is the first step
    EXPECT_EQ(t.PassoDoTempo(9), 2);  // 1.5 rounds to 2
    EXPECT_EQ(t.PassoDoTempo(15), 2); // 2.5 rounds to 2
    EXPECT_EQ(t.PassoDoTempo(60), 10);
    EXPECT_EQ(t.PassoDoTempo(61), 10);
    EXPECT_EQ(t.PassoDoTempo(1e300), 10);
    EXPECT_EQ(t.PassoDoTempo(-20), 1); // before the start: the first step
    EXPECT_THROW(t.PassoDoTempo(std::nan("")), EInvalidOp);

    EXPECT_EQ(t.PassoAtual(), 0);
    t.SetTempoAtual(t.GetTempoInicial() + t.TempoDoPasso(7));
    EXPECT_EQ(t.PassoAtual(), 7);
}

TEST(Tempo, CopyAndUnitConversion) {
    TTempo dias(0, 60, 0.25, 0.5);
    dias.SetPassoUniforme(false);
    dias.SetTempoAtual(30);
    auto c = TTempo::CreateCopia(dias);
    EXPECT_EQ(c->GetTempoAtual(), 0); // a copy starts at ti
    EXPECT_FALSE(c->GetPassoUniforme());
    EXPECT_EQ(c->GetNumPassos(), 240);
    EXPECT_EQ(c->GetTheta(), 0.5);

    c->SetTempoAtual(2);
    c->ConverteUnidades(24);
    EXPECT_EQ(c->GetTempoInicial(), 0);
    EXPECT_EQ(c->GetTempoFinal(), 1440);
    EXPECT_EQ(c->GetDt(), 6);
    EXPECT_EQ(c->GetTempoAtual(), 48);
    EXPECT_EQ(c->GetTheta(), 0.5);
    EXPECT_EQ(c->GetNumPassos(), 240);
    EXPECT_EQ(dias.GetTempoFinal(), 60); // the original is untouched

    TTempo a = TTempo::Padrao();
    a = *c;
    EXPECT_EQ(a.GetTempoFinal(), 1440);
    EXPECT_EQ(a.GetTempoAtual(), 0);
    EXPECT_FALSE(a.GetPassoUniforme());
}

TEST(Tempo, StepThatIsNotPositiveIsRefused) {
    EXPECT_THROW(TTempo(0, 10, 0, 0.5), EZeroDivide);
    EXPECT_THROW(TTempo(0, 0, 0, 0.5), EInvalidOp);
    EXPECT_THROW(TTempo(0, 10, -1, 0.5), EInvalidOp);
    EXPECT_THROW(TTempo(0, -10, -1, 0.5), EInvalidOp);
    EXPECT_THROW(TTempo(0, 10, std::nan(""), 0.5), EInvalidOp);
    EXPECT_THROW(TTempo(0, 1e300, 1e-300, 0.5), EMathError); // no 32-bit step count
    // No steps: asking for the end of a step is an error, never infinity or NaN.
    TTempo curto(0, 0.4, 1, 0.5);
    EXPECT_EQ(curto.GetNumPassos(), 0);
    EXPECT_THROW(curto.TempoDoPasso(1), EZeroDivide);
    curto.SetPassoUniforme(false);
    EXPECT_THROW(curto.TempoDoPasso(1), EZeroDivide);
    TTempo vazio(5, 5, 1, 0.5);
    EXPECT_THROW(vazio.TempoDoPasso(1), EInvalidOp);
}
