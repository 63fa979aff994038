#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support_valores.h"
#include "uLibFEM.h"
#include "uPlataforma.h"

namespace {

std::unique_ptr<TForcaExterna> Diaria(double tmax, double hmax, double tmin, double hmin) {
    auto f = std::make_unique<TForcaExterna>();
    f->SetTipo(TForcaExterna::kSenoidal);
    f->SetTemperaturaMaxima(tmax);
    f->SetHoraTMax(hmax);
    f->SetTemperaturaMinima(tmin);
    f->SetHoraTMin(hmin);
    return f;
}

} // namespace

TEST(ForcaExterna, NewLoadFollowsTheFormulaX) {
    TForcaExterna f;
    EXPECT_EQ(f.GetTipo(), TForcaExterna::kFormula);
    EXPECT_EQ(f.GetArestas().GetTamanho(), 0);
    EXPECT_EQ(f.TemperaturaAmbienteEm(17.5), 17.5);
    f.SetFormula(std::make_unique<TRPN>("20+X/2"));
    EXPECT_EQ(f.TemperaturaAmbienteEm(10), 25);
    f.SetTipo(TForcaExterna::kConstante);
    f.SetTemperaturaAmbiente(21);
    EXPECT_EQ(f.TemperaturaAmbienteEm(10), 21);
}

TEST(ForcaExterna, DailyCycle) {
    auto f = Diaria(38, 12, 22, 0);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(12), 38, 1e-12);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(0), 22, 1e-12);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(6), 30, 1e-12);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(36), 38, 1e-12);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(9), 8 * std::sin(2 * std::numbers::pi * 3 / 24) + 30,
                1e-12);

    // Maximum at 15 and minimum at 6: the period is 30 hours.
    auto g = Diaria(38, 15, 22, 6);
    EXPECT_NEAR(g->TemperaturaAmbienteEm(15), 38, 1e-12);
    EXPECT_NEAR(g->TemperaturaAmbienteEm(0), 22, 1e-12);
    EXPECT_NEAR(g->TemperaturaAmbienteEm(45), 38, 1e-12);
    EXPECT_NEAR(g->TemperaturaAmbienteEm(30), 22, 1e-12);

    auto h = Diaria(30, 24, 20, 0); // the period would be 0
    EXPECT_THROW(h->TemperaturaAmbienteEm(3), EZeroDivide);
}

TEST(ForcaExterna, CuringWindowIncludesBothEnds) {
    TForcaExterna f;
    f.SetCoefConveccao(10);
    f.SetCoefConveccaoJanela(50);
    f.SetInicioJanela(0);
    f.SetFimJanela(72);
    EXPECT_EQ(f.CoeficienteEm(30), 10); // window not in force
    f.SetUsaJanela(true);
    EXPECT_EQ(f.CoeficienteEm(0), 50);
    EXPECT_EQ(f.CoeficienteEm(72), 50);
    EXPECT_EQ(f.CoeficienteEm(72.0001), 10);
    EXPECT_EQ(f.CoeficienteEm(-0.0001), 10);
}

TEST(ForcaExterna, EdgeMatrixAndLoad) {
    TrianguloTeste tri;
    TForcaExterna f;
    f.SetTipo(TForcaExterna::kConstante);
    f.SetTemperaturaAmbiente(25);
    f.SetCoefConveccao(10);
    TMatriz M(3, 3);
    TVetor F(3);
    M.Set(3, 3, 99);
    F.Set(3, 99);
    TLado lado = tri.Lado(tri.n1, tri.n2);
    f.MatrizAresta(lado, M, 5);
    f.CargaAresta(lado, F, 5);
    const double esperado[3][3] = {{20.0 / 3, 10.0 / 3, 0}, {10.0 / 3, 20.0 / 3, 0}, {0, 0, 0}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_NEAR(M.Get(i, j), esperado[i - 1][j - 1], 1e-12) << i << "," << j;
    EXPECT_NEAR(F.Get(1), 250, 1e-12);
    EXPECT_NEAR(F.Get(2), 250, 1e-12);
    EXPECT_EQ(F.Get(3), 0);

    // The hypotenuse from node 3 to node 2, at a time inside the curing window.
    f.SetUsaJanela(true);
    f.SetCoefConveccaoJanela(30);
    f.SetFimJanela(10);
    TLado hip = tri.Lado(tri.n3, tri.n2);
    f.MatrizAresta(hip, M, 5);
    f.CargaAresta(hip, F, 5);
    const double hl = 30 * std::sqrt(8.0);
    EXPECT_NEAR(M.Get(3, 3), hl / 3, 1e-12);
    EXPECT_NEAR(M.Get(2, 2), hl / 3, 1e-12);
    EXPECT_NEAR(M.Get(2, 3), hl / 6, 1e-12);
    EXPECT_NEAR(M.Get(3, 2), hl / 6, 1e-12);
    EXPECT_EQ(M.Get(1, 1), 0);
    EXPECT_EQ(M.Get(1, 2), 0);
    EXPECT_EQ(F.Get(1), 0);
    EXPECT_NEAR(F.Get(2), hl * 25 / 2, 1e-9);
    EXPECT_NEAR(F.Get(3), hl * 25 / 2, 1e-9);

    // A side that is not one of the element's leaves the arrays cleared.
    TNo fora(9, 5, 5);
    TLado estranho = tri.Lado(tri.n1, fora);
    f.MatrizAresta(estranho, M, 5);
    f.CargaAresta(estranho, F, 5);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(F.Get(i), 0);
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(M.Get(i, j), 0);
    }
}

TEST(ForcaExterna, UnitConversion) {
    auto f = Diaria(38, 12, 22, 0);
    f->SetTemperaturaAmbiente(20);
    f->SetCoefConveccao(10);
    f->SetCoefConveccaoJanela(50);
    f->SetInicioJanela(2);
    f->SetFimJanela(72);
    f->ConverteUnidades(2, 859.84522);
    EXPECT_DOUBLE_EQ(f->GetCoefConveccao(), 8598.4522);
    EXPECT_DOUBLE_EQ(f->GetCoefConveccaoJanela(), 50 * 859.84522);
    EXPECT_EQ(f->GetTemperaturaAmbiente(), 40);
    EXPECT_EQ(f->GetInicioJanela(), 2);
    EXPECT_EQ(f->GetFimJanela(), 72);
    EXPECT_NEAR(f->TemperaturaAmbienteEm(12), 38, 1e-12); // the daily cycle is left alone
    EXPECT_NEAR(f->TemperaturaAmbienteEm(0), 22, 1e-12);
}

TEST(ForcaExterna, CopiesAreIndependent) {
    auto f = std::make_unique<TForcaExterna>();
    f->SetFormula(std::make_unique<TRPN>("X*3"));
    f->SetUsaJanela(true);
    f->SetCoefConveccaoJanela(40);
    f->SetFimJanela(9);
    f->SetEmissividadeFonte(0.3);
    TVetorInteiro arestas(2);
    arestas.Set(1, 7), arestas.Set(2, 3);
    f->SetArestas(arestas);

    auto c = TForcaExterna::CreateCopia(*f);
    TVetorInteiro etapa(1);
    etapa.Set(1, 11);
    auto e = TForcaExterna::CreateCopiaArestas(*f, etapa);
    f.reset();

    for (TForcaExterna *k : {c.get(), e.get()}) {
        EXPECT_EQ(k->TemperaturaAmbienteEm(2), 6);
        EXPECT_EQ(k->CoeficienteEm(9), 40);
    }
    EXPECT_EQ(c->GetEmissividadeFonte(), 0.3);
    ASSERT_EQ(c->GetArestas().GetTamanho(), 2);
    EXPECT_EQ(c->GetArestas().Get(1), 7);
    EXPECT_EQ(c->GetArestas().Get(2), 3);
    EXPECT_EQ(e->GetEmissividadeFonte(), 0); // radiation is left out of stage copies
    ASSERT_EQ(e->GetArestas().GetTamanho(), 1);
    EXPECT_EQ(e->GetArestas().Get(1), 11);

    // Each kind copies its own ambient data.
    auto d = Diaria(38, 15, 22, 6);
    auto cd = TForcaExterna::CreateCopia(*d);
    d.reset();
    EXPECT_NEAR(cd->TemperaturaAmbienteEm(15), 38, 1e-12);
    EXPECT_NEAR(cd->TemperaturaAmbienteEm(0), 22, 1e-12);
    TForcaExterna k;
    k.SetTipo(TForcaExterna::kConstante);
    k.SetTemperaturaAmbiente(18);
    EXPECT_EQ(TForcaExterna::CreateCopia(k)->TemperaturaAmbienteEm(3), 18);
}
