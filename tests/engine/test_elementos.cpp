#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

// Material with the given conductivities, rho c and a constant modulus (GPa).
std::unique_ptr<TMaterial> Material(double kx, double ky, double rho, double c, double e = 20.0,
                                    double poisson = 0.2, bool epd = false) {
    auto m = std::make_unique<TMaterial>(kx, ky, rho, c, e, 0.08609, 0.04225, true, 10.0, poisson,
                                         9.81, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                         0.1931, false, 0.0, epd);
    m->SetEConstanteValor(e);
    return m;
}

struct Triangulo {
    TNo n1, n2, n3;
    TNo *nos[3] = {&n1, &n2, &n3};
    TElementoTriangular e;
    Triangulo(double x1, double y1, double x2, double y2, double x3, double y3)
        : n1(1, x1, y1), n2(2, x2, y2), n3(3, x3, y3), e(nos, 2) {}
};

// Unit right triangle (0,0), (1,0), (0,1).
Triangulo Reto() {
    return Triangulo(0, 0, 1, 0, 0, 1);
}

// A meshed pentagon: irregular triangles of every orientation.
std::unique_ptr<TMalha> MalhaGerada() {
    auto m = std::make_unique<TMalha>(3, 3);
    const double p[5][2] = {{0, 0}, {5, 0}, {6, 3}, {2.5, 5}, {-1, 2.5}};
    for (auto &v : p)
        m->AdicionaVertice(v[0], v[1]);
    for (int i = 1; i <= 5; ++i)
        m->AdicionaArestaNos(i, i % 5 + 1);
    m->GeraMalha(TConfiguracaoMalha());
    return m;
}

class Elementos : public ::testing::Test {
protected:
    void TearDown() override { ReiniciaEstado(); }
    TTempo tempo{0.0, 240.0, 6.0, 2.0 / 3.0};
};

} // namespace

TEST_F(Elementos, RightTriangleThermalArraysByHand) {
    Triangulo t = Reto();
    auto mat = Material(2.0, 3.0, 1.0, 1.0);
    TForcaInterna nula(0.0);
    TMatrizElemento K(3), C(3);
    TVetorElemento F(3), T0(3);
    t.e.MatrizesTermicas(nula, tempo, *mat, K, C, F, T0);
    // Kx = 2 couples nodes 1-2 (x), Ky = 3 couples nodes 1-3 (y).
    const double k[3][3] = {{2.5, -1.0, -1.5}, {-1.0, 1.0, 0.0}, {-1.5, 0.0, 1.5}};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(F[i], 0.0, 1e-15);
        for (int j = 1; j <= 3; ++j) {
            EXPECT_NEAR(K(i, j), k[i - 1][j - 1], 1e-14) << i << "," << j;
            EXPECT_NEAR(C(i, j), (i == j ? 2.0 : 1.0) / 24.0, 1e-15) << i << "," << j;
        }
    }

    // Calling again adds; a constant source gives Q A / 3 at each node.
    TForcaInterna q(6.0);
    t.e.MatrizesTermicas(q, tempo, *mat, K, C, F, T0);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(F[i], 1.0, 1e-14);
        EXPECT_NEAR(C(i, i), 4.0 / 24.0, 1e-15);
    }
    EXPECT_NEAR(K(1, 1), 5.0, 1e-14);
}

TEST_F(Elementos, RightTriangleStiffnessByHand) {
    Triangulo t = Reto();
    auto mat = Material(1, 1, 2400, 1000, 20.0, 0.2, false); // plane stress
    TMatrizRigidezElemento K(6);
    TVetorForcasElemento F(6), eps(6);
    TVetorElemento s(3);
    tempo.SetTempoAtual(120.0);
    t.e.MatrizRigidez(nullptr, tempo, *mat, K, F, eps, nullptr, s, 0.0);
    const double d = 20000.0 / 0.96; // 1000 E / (1 - nu^2)
    EXPECT_NEAR(K(1, 1), 0.5 * 1.4 * d, 1e-9);
    EXPECT_NEAR(K(2, 1), 0.5 * 0.6 * d, 1e-9);
    EXPECT_NEAR(K(3, 3), 0.5 * d, 1e-9);
    EXPECT_NEAR(K(6, 6), 0.5 * d, 1e-9);
    EXPECT_NEAR(K(3, 6), 0.5 * 0.2 * d, 1e-9);
    EXPECT_NEAR(K(3, 5), 0.0, 1e-9);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(F[i], 0.0);
        for (int j = 1; j <= 6; ++j)
            EXPECT_NEAR(K(i, j), K(j, i), 1e-9);
    }

    // Every node's force comes from the element's mean strain (x at node 1, y at node 2 give
    // means 1e-4 / 3 and 2e-4 / 3): F = A B^T D mean, a self-balanced set.
    eps[1] = 1e-4;
    eps[4] = 2e-4;
    TMatrizRigidezElemento K2(6);
    t.e.MatrizRigidez(nullptr, tempo, *mat, K2, F, eps, nullptr, s, 0.0);
    const double sx = d * 1.4e-4 / 3.0, sy = d * 2.2e-4 / 3.0;
    const double esperado[6] = {-0.5 * sx, -0.5 * sy, 0.5 * sx, 0.0, 0.0, 0.5 * sy};
    for (int i = 1; i <= 6; ++i)
        EXPECT_NEAR(F[i], esperado[i - 1], 1e-12) << i;
}

TEST_F(Elementos, StrainBlocksAgreeAndDegenerateTriangleRaises) {
    Triangulo t(0.3, -0.2, 2.1, 0.4, 0.7, 1.9);
    for (int i = 1; i <= 3; ++i) {
        const TBlocoB a = t.e.MatrizBNo(i), b = t.e.MatrizBNoArea(i);
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 2; ++c)
                EXPECT_NEAR(a(r, c), b(r, c), 1e-12) << i << " " << r << "," << c;
    }
    Triangulo plano(0, 0, 1, 1, 2, 2);
    EXPECT_THROW(plano.e.MatrizBNo(1), EMathError);
    EXPECT_THROW(plano.e.MatrizBNoArea(2), EMathError);
    TVetorElemento N(3);
    EXPECT_THROW(plano.e.FuncoesFormaGlobais(N, 0.5, 0.5), EMathError);
}

TEST_F(Elementos, ShapeFunctionsAndInterpolation) {
    Triangulo t(1, 1, 4, 2, 2, 5);
    const double v[3] = {10.0, -4.0, 7.0};
    EXPECT_NEAR(t.e.Interpola(v, 1, 1), 10.0, 1e-12);
    EXPECT_NEAR(t.e.Interpola(v, 4, 2), -4.0, 1e-12);
    EXPECT_NEAR(t.e.Interpola(v, 2, 5), 7.0, 1e-12);
    EXPECT_NEAR(t.e.Interpola(v, 7.0 / 3.0, 8.0 / 3.0), 13.0 / 3.0, 1e-12);

    // Moved nodes are taken into account.
    t.n2.X = 5.0;
    EXPECT_NEAR(t.e.Interpola(v, 5, 2), -4.0, 1e-12);

    double x = 0, y = 0;
    t.e.CoordenadasGlobais(x, y, 1.0 / 3.0, 1.0 / 3.0);
    EXPECT_NEAR(x, (1 + 5 + 2) / 3.0, 1e-12);
    EXPECT_NEAR(y, (1 + 2 + 5) / 3.0, 1e-12);
    const TJacobiano J = t.e.Jacobiano();
    EXPECT_NEAR(J(1, 1) * J(2, 2) - J(1, 2) * J(2, 1), 2.0 * t.e.Area(), 1e-12);
}

// Invariants over every element of a generated mesh.
TEST_F(Elementos, InvariantsOnEveryElementOfAMesh) {
    auto malha = MalhaGerada();
    TDominio dom(malha.get());
    ASSERT_GT(dom.GetNumElementos(), 20);
    auto mat = Material(1.7, 0.9, 2400.0, 0.25, 25.0, 0.18, true);
    TForcaInterna fonte(3.0);
    tempo.SetTempoAtual(48.0);
    for (int e = 1; e <= dom.GetNumElementos(); ++e) {
        TElementoTriangular &el = *dom.GetElemento(e);
        const double area = el.Area();
        ASSERT_GT(area, 0.0);

        TMatrizElemento K(3), C(3);
        TVetorElemento F(3), T0(3);
        el.MatrizesTermicas(fonte, tempo, *mat, K, C, F, T0);
        double somaC = 0.0, somaF = 0.0;
        for (int i = 1; i <= 3; ++i) {
            double linha = 0.0;
            for (int j = 1; j <= 3; ++j) {
                linha += K(i, j);
                somaC += C(i, j);
                EXPECT_NEAR(K(i, j), K(j, i), 1e-12);
            }
            EXPECT_NEAR(linha, 0.0, 1e-12 * std::fabs(K(i, i))) << "element " << e;
            somaF += F[i];
        }
        EXPECT_NEAR(somaC, area * 2400.0 * 0.25, 1e-10 * area * 600.0) << "element " << e;
        EXPECT_NEAR(somaF, 3.0 * area, 1e-12 * area) << "element " << e;

        // Rigid motions carry no force; a uniform thermal strain gives balanced forces.
        TMatrizRigidezElemento Ks(6);
        TVetorForcasElemento Fs(6), eps(6);
        TVetorElemento s(3);
        for (int i = 1; i <= 6; ++i)
            eps[i] = 1e-4;
        el.MatrizRigidez(nullptr, tempo, *mat, Ks, Fs, eps, nullptr, s, 0.0);
        double escala = 0.0;
        for (int i = 1; i <= 6; ++i)
            escala = std::max(escala, std::fabs(Ks(i, i)));
        for (int i = 1; i <= 6; ++i) {
            double tx = 0.0, ty = 0.0, rot = 0.0;
            for (int k = 1; k <= 3; ++k) {
                const TNo *no = el.GetNo(k);
                tx += Ks(i, 2 * k - 1);
                ty += Ks(i, 2 * k);
                rot += Ks(i, 2 * k - 1) * -no->Y + Ks(i, 2 * k) * no->X;
            }
            EXPECT_NEAR(tx, 0.0, 1e-10 * escala) << "element " << e;
            EXPECT_NEAR(ty, 0.0, 1e-10 * escala) << "element " << e;
            EXPECT_NEAR(rot, 0.0, 1e-9 * escala) << "element " << e;
        }
        double fx = 0.0, fy = 0.0, mz = 0.0, fmax = 0.0;
        for (int k = 1; k <= 3; ++k) {
            fx += Fs[2 * k - 1];
            fy += Fs[2 * k];
            mz += el.GetNo(k)->X * Fs[2 * k] - el.GetNo(k)->Y * Fs[2 * k - 1];
            fmax = std::max({fmax, std::fabs(Fs[2 * k - 1]), std::fabs(Fs[2 * k])});
        }
        EXPECT_GT(fmax, 0.0);
        EXPECT_NEAR(fx, 0.0, 1e-12 * fmax) << "element " << e;
        EXPECT_NEAR(fy, 0.0, 1e-12 * fmax) << "element " << e;
        EXPECT_NEAR(mz, 0.0, 1e-11 * fmax) << "element " << e;
    }
}

TEST_F(Elementos, OwnWeightOnlyInTheBirthStep) {
    Triangulo t(0, 0, 2, 0, 0, 3);
    auto mat = Material(1, 1, 2400.0, 1000, 20.0, 0.2, true);
    TForcaTensional peso;
    peso.SetAtiva(1);
    const TForcaTensional *carga = &peso;
    const double nascimento = 24.0;
    auto somaY = [&](double atual) {
        tempo.SetTempoAtual(atual);
        TMatrizRigidezElemento K(6);
        TVetorForcasElemento F(6), eps(6);
        TVetorElemento s(3);
        t.e.MatrizRigidez(carga, tempo, *mat, K, F, eps, nullptr, s, nascimento);
        EXPECT_NEAR(F[1] + F[3] + F[5], 0.0, 1e-15);
        EXPECT_NEAR(F[2], F[4], 1e-15);
        return F[2] + F[4] + F[6];
    };
    EXPECT_NEAR(somaY(nascimento + 6.0), -2400.0 * 9.81 * 3.0 * 1e-6, 1e-12);
    EXPECT_EQ(somaY(nascimento + 12.0), 0.0);
    // The engine-facing state's load is not the element's.
    Estado().FPesoProprio = &peso;
    carga = nullptr;
    EXPECT_EQ(somaY(nascimento + 6.0), 0.0);
    Estado().FPesoProprio = nullptr;
}

TEST_F(Elementos, PlaneStressTakesTheElementAge) {
    // Age law modulus: E(t) = t / (Ea + Eb t) with t the element's age in days.
    auto mat = Material(1, 1, 2400, 1000, 20.0, 0.2, false);
    mat->SetEConstante(false);
    const double nascimento = 48.0;
    tempo.SetTempoAtual(nascimento + 28.0 * 24.0);
    TMaterial::TMatrizD D;
    TElementoTriangular::MatrizD(*mat, nullptr, tempo, 1.0, D, nascimento);
    const double e28 = 28.0 / (0.08609 + 0.04225 * 28.0);
    EXPECT_NEAR(mat->GetE(), e28, 1e-12);
    EXPECT_NEAR(D[0][0], 1000.0 * e28 / 0.96, 1e-9);
    EXPECT_NEAR(D[0][1], 0.2 * 1000.0 * e28 / 0.96, 1e-9);
    EXPECT_NEAR(D[2][2], 0.4 * 1000.0 * e28 / 0.96, 1e-9);
    EXPECT_EQ(D[0][2], 0.0);

    // Modulus from the strength law at the same age (ACI model).
    mat->SetEDaResistencia(true);
    mat->SetModeloE(TMaterial::kModeloACI);
    TElementoTriangular::MatrizD(*mat, nullptr, tempo, 1.0, D, nascimento);
    const double s28 = 28.0 / (1.408 + 0.1931 * 28.0);
    EXPECT_NEAR(mat->GetE(), 3.32 * std::sqrt(s28) + 6.9, 1e-12);

    // Maturity mode: the caller's strength.
    mat->SetMaturidade(true);
    TElementoTriangular::MatrizD(*mat, nullptr, tempo, 16.0, D, nascimento);
    EXPECT_NEAR(mat->GetE(), 3.32 * 4.0 + 6.9, 1e-12);
    EXPECT_NEAR(D[1][1], 1000.0 * (3.32 * 4.0 + 6.9) / 0.96, 1e-9);

    // Plane strain at the same state.
    mat->SetEPD(true);
    TElementoTriangular::MatrizD(*mat, nullptr, tempo, 16.0, D, nascimento);
    const double e = 1000.0 * (3.32 * 4.0 + 6.9);
    EXPECT_NEAR(D[0][0], e * 0.8 / (1.2 * 0.6), 1e-9);
}

TEST_F(Elementos, CreepLawScalesTheConstitutiveMatrix) {
    auto mat = Material(1, 1, 2400, 1000, 20.0, 0.2, true);
    tempo.SetTempoAtual(240.0);
    TMaterial::TMatrizD D0, D;
    TElementoTriangular::MatrizD(*mat, nullptr, tempo, 1.0, D0, 0.0);

    TFluencia efetivo;
    efetivo.SetTipo(TFluencia::kModuloEfetivo);
    efetivo.SetCoefFluencia(1.5);
    efetivo.SetTempoFluencia(48.0);
    TElementoTriangular::MatrizD(*mat, &efetivo, tempo, 1.0, D, 0.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(D[i][j], D0[i][j] / 2.5, 1e-9);

    // The ACI law acts on strains, not on the modulus.
    TFluencia aci;
    aci.SetTipo(TFluencia::kACI209);
    TElementoTriangular::MatrizD(*mat, &aci, tempo, 1.0, D, 0.0);
    EXPECT_NEAR(D[0][0], D0[0][0], 1e-9);

    // A zero modulus under a creep law is a division by zero, never NaN.
    mat->SetEConstanteValor(0.0);
    EXPECT_THROW(TElementoTriangular::MatrizD(*mat, &efetivo, tempo, 1.0, D, 0.0), EZeroDivide);
}

TEST_F(Elementos, MaturityUsesTheMeanNodeStrength) {
    Triangulo t = Reto();
    auto mat = Material(1, 1, 2400, 1000, 20.0, 0.2, false);
    mat->SetEConstante(false);
    mat->SetEDaResistencia(true);
    mat->SetMaturidade(true);
    mat->SetModeloE(TMaterial::kModeloACI);
    tempo.SetTempoAtual(100.0);
    TMatrizRigidezElemento K(6);
    TVetorForcasElemento F(6), eps(6);
    TVetorElemento s(3);
    s[1] = 4.0;
    s[2] = 9.0;
    s[3] = 16.0;
    t.e.MatrizRigidez(nullptr, tempo, *mat, K, F, eps, nullptr, s, 0.0);
    // One modulus for the element, from the mean strength (the recovery's): a symmetric K.
    const double e = 1000.0 * (3.32 * std::sqrt(29.0 / 3.0) + 6.9) / 0.96;
    EXPECT_NEAR(K(3, 3), 0.5 * e, 1e-9);
    EXPECT_NEAR(K(6, 6), 0.5 * e, 1e-9);
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j)
            EXPECT_NEAR(K(i, j), K(j, i), 1e-9);
}

TEST_F(Elementos, QuadrilateralThermalArraysWithThetaScheme) {
    TNo n[4] = {{1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 0, 1}};
    TNo *p[4] = {&n[0], &n[1], &n[2], &n[3]};
    TElementoRetangular q(p, 3);
    auto mat = Material(1.0, 1.0, 2.0, 3.0);
    TTempo t(0.0, 10.0, 1.0, 2.0 / 3.0);
    TForcaInterna nula(0.0);
    TMatrizElemento K(4), C(4);
    TVetorElemento F(4), T(4);
    for (int i = 1; i <= 4; ++i)
        T[i] = 10.0;
    q.MatrizesTermicas(nula, t, *mat, K, C, F, T);
    // K := C + (2/3) K with the bilinear conduction and consistent capacity of a unit square.
    EXPECT_NEAR(K(1, 1), 6.0 * 4.0 / 36.0 + (2.0 / 3.0) * 4.0 / 6.0, 1e-12);
    EXPECT_NEAR(K(1, 3), 6.0 * 1.0 / 36.0 - (2.0 / 3.0) * 2.0 / 6.0, 1e-12);
    EXPECT_NEAR(K(2, 4), K(1, 3), 1e-12);
    double somaF = 0.0;
    for (int i = 1; i <= 4; ++i)
        somaF += F[i];
    EXPECT_NEAR(somaF, 10.0 * 1.0 * 6.0, 1e-10); // uniform T: F = C T

    TForcaInterna oito(8.0);
    TMatrizElemento K2(4), C2(4);
    TVetorElemento F2(4), T0(4);
    q.MatrizesTermicas(oito, t, *mat, K2, C2, F2, T0);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(F2[i], 2.0, 1e-12); // dt Q A / 4
}

TEST_F(Elementos, CopiesAreDeepAndPositionsCanBeCopied) {
    Triangulo t(0, 0, 2, 0, 0, 2);
    auto c = TElementoTriangular::CreateCopia(t.e);
    t.n1.X = -5.0;
    EXPECT_EQ(c->GetNo(1)->X, 0.0);
    EXPECT_NE(c->GetNo(1), t.e.GetNo(1));
    EXPECT_NEAR(c->Area(), 2.0, 1e-15);

    auto r = TElementoRetangular::CreateN(4);
    EXPECT_NE(dynamic_cast<TElementoRetangular *>(r.get()), nullptr);
    EXPECT_THROW(TElementoTriangular::CreateN(5), std::invalid_argument);

    auto vazio = TElementoTriangular::CreateN(3);
    vazio->CopiaPosicoes(t.e);
    EXPECT_EQ(vazio->GetNo(1)->X, -5.0);
    EXPECT_EQ(vazio->GetNo(3)->Numero, 3);
    EXPECT_EQ(vazio->XMin, -5.0);
    EXPECT_EQ(vazio->YMax, 2.0);
    const double v[3] = {1.0, 2.0, 3.0};
    EXPECT_NEAR(vazio->Interpola(v, 0.0, 2.0), 3.0, 1e-12);
}
