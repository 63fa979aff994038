#include <gtest/gtest.h>

#include <tuple>

#include <cmath>
#include <vector>

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
    // Each step is integrated and holds births over its own length.
    const double fins[] = {0, 50, t.TempoDoPasso(2), 100};
    for (int i = 1; i <= 3; ++i) {
        t.SetTempoAtual(fins[i]);
        EXPECT_DOUBLE_EQ(t.GetDtPasso(), fins[i] - fins[i - 1]) << i;
        EXPECT_EQ(t.NasceNoPassoAtual(60.0), i == 2) << i;
        EXPECT_TRUE(t.NasceNoPassoAtual(fins[i - 1])) << i;
    }
    TTempo copia(t);
    copia.SetTempoAtual(50);
    copia.ConverteUnidades(24);
    EXPECT_DOUBLE_EQ(copia.GetDtPasso(), 50 * 24);
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

TEST(Tempo, StepOfATimeFollowsTheLogarithmicLaw) {
    for (auto [ti, tf, dt] : {std::tuple{0.0, 100.0, 1.0}, {24.0, 744.0, 6.0}, {0.0, 10.0, 3.0}}) {
        TTempo t(ti, tf, dt, 0.5);
        t.SetPassoUniforme(false);
        for (int i = 1; i <= t.GetNumPassos(); ++i) {
            SCOPED_TRACE(i);
            const double fim = t.TempoDoPasso(i);
            EXPECT_EQ(t.PassoDoTempo(fim), i);
            t.SetTempoAtual(ti + fim);
            EXPECT_EQ(t.PassoAtual(), i);
            // A time just off a step end still finds that step; the midpoint between two ends
            // goes to the nearer one.
            EXPECT_EQ(t.PassoDoTempo(fim * (1 + 1e-9)), i);
            if (i > 1) {
                const double antes = t.TempoDoPasso(i - 1);
                EXPECT_EQ(t.PassoDoTempo(antes + 0.49 * (fim - antes)), i - 1);
                EXPECT_EQ(t.PassoDoTempo(antes + 0.51 * (fim - antes)), i);
            }
        }
        EXPECT_EQ(t.PassoDoTempo(-1), 1);
        EXPECT_EQ(t.PassoDoTempo(2 * (tf - ti)), t.GetNumPassos());
        EXPECT_THROW(t.PassoDoTempo(std::nan("")), EInvalidOp);
    }
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

namespace {

// The steps of the axis whose computation is the birth step of `nascimento`.
std::vector<int> PassosDeNascimento(TTempo t, double nascimento) {
    std::vector<int> r;
    for (int i = 1; i <= t.GetNumPassos(); ++i) {
        t.SetTempoAtual(t.GetTempoInicial() + t.TempoDoPasso(i));
        if (t.NasceNoPassoAtual(nascimento))
            r.push_back(i);
    }
    return r;
}

} // namespace

TEST(Tempo, EveryBirthHasExactlyOneBirthStep) {
    // Axes in user units, then converted (days to hours for the fourth).
    struct TEixo {
        double ti, tf, dt, fator;
    };
    const TEixo eixos[] = {
        {0, 1, 0.1, 1}, {0, 0.9, 0.1, 1}, {0.2, 1.4, 0.1, 1}, {0, 30, 0.1, 24}, {0, 1440, 6, 1}};
    int perdidasPelaSoma = 0;
    for (const TEixo &e : eixos) {
        SCOPED_TRACE(e.tf);
        TTempo t(e.ti, e.tf, e.dt, 0.5);
        t.ConverteUnidades(e.fator);
        for (int k = 0; k < t.GetNumPassos(); ++k) {
            // A birth typed as the decimal start of step k + 1, and one inside that step.
            const double inicio = std::round((e.ti + k * e.dt) * 1e6) / 1e6 * e.fator;
            const double meio = std::round((e.ti + (k + 0.5) * e.dt) * 1e6) / 1e6 * e.fator;
            EXPECT_EQ(PassosDeNascimento(t, inicio), std::vector<int>{k + 1}) << inicio;
            EXPECT_EQ(PassosDeNascimento(t, meio), std::vector<int>{k + 1}) << meio;
            perdidasPelaSoma += inicio + t.GetDt() != t.GetTempoInicial() + t.TempoDoPasso(k + 1);
        }
        // Born at the end of the run or before its start: no step of the run.
        EXPECT_TRUE(PassosDeNascimento(t, t.GetTempoFinal()).empty());
        EXPECT_TRUE(PassosDeNascimento(t, t.GetTempoInicial() - t.GetDt()).empty());
    }
    // Births that birth + dt == current time would never recognise are among the cases.
    EXPECT_GT(perdidasPelaSoma, 10);

    // 0.2 + 0.1 is not 0.3, yet the step ending at 0.3 is the birth step of 0.2.
    TTempo t(0, 1, 0.1, 0.5);
    t.SetTempoAtual(t.TempoDoPasso(3));
    EXPECT_TRUE(t.NasceNoPassoAtual(0.2));
    EXPECT_FALSE(t.NasceNoPassoAtual(0.3));
    // A time on the step end is not past at that end, even when the end rounds above it.
    TTempo n(0, 0.9, 0.1, 0.5);
    const double fim3 = n.TempoDoPasso(3);
    EXPECT_GT(fim3, 0.3);
    EXPECT_FALSE(n.Passou(fim3, 0.3));
    EXPECT_TRUE(n.Passou(fim3, 0.2999));
    EXPECT_TRUE(n.Passou(n.TempoDoPasso(4), 0.3));
}
