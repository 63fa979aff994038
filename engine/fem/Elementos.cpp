#include "fem/Elementos.h"

#include <array>
#include <stdexcept>
#include <string>

#include "fem/Fluencia.h"
#include "fem/ForcaInterna.h"
#include "fem/ForcaTensional.h"
#include "fem/Tempo.h"
#include "uPlataforma.h"

namespace {

// Three-point rule of the triangle; the weights sum to 1, the factor detJ / 2 makes the area.
constexpr std::array<double, 3> kTriXi = {1.0 / 6.0, 2.0 / 3.0, 1.0 / 6.0};
constexpr std::array<double, 3> kTriEta = {1.0 / 6.0, 1.0 / 6.0, 2.0 / 3.0};
constexpr std::array<double, 3> kTriW = {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0};

// Shape functions of the triangle at its integration points: N[g][i].
constexpr std::array<std::array<double, 3>, 3> kTriN = {{
    {1.0 - kTriXi[0] - kTriEta[0], kTriXi[0], kTriEta[0]},
    {1.0 - kTriXi[1] - kTriEta[1], kTriXi[1], kTriEta[1]},
    {1.0 - kTriXi[2] - kTriEta[2], kTriXi[2], kTriEta[2]},
}};

// Four-point Gauss-Legendre rule in each direction of the quadrilateral, 16 points in all
// (xi outer, eta inner); each weight is the product of the two one-dimensional weights.
constexpr std::array<double, 4> kGLPontos = {-0.861136311594053, -0.339981043584856,
                                             0.339981043584856, 0.861136311594053};
constexpr std::array<double, 4> kGLPesos = {0.347854845137454, 0.652145154862546, 0.652145154862546,
                                            0.347854845137454};

struct TRegraQuad {
    std::array<double, 16> xi{}, eta{}, w{};
};

constexpr TRegraQuad MontaRegraQuad() {
    TRegraQuad r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            r.xi[std::size_t(4 * i + j)] = kGLPontos[std::size_t(i)];
            r.eta[std::size_t(4 * i + j)] = kGLPontos[std::size_t(j)];
            r.w[std::size_t(4 * i + j)] = kGLPesos[std::size_t(i)] * kGLPesos[std::size_t(j)];
        }
    return r;
}

constexpr TRegraQuad kQuad = MontaRegraQuad();

// Modulus of an element of age `idade` (days): by the age law, or from the strength (the age
// law's strength, or s in maturity mode) by the material's model.
void ModuloNaIdade(TMaterial &m, double idade, double s) {
    if (!m.GetEDaResistencia()) {
        m.CalculaEIdade(idade);
        return;
    }
    double r = s;
    if (!m.GetMaturidade()) {
        m.CalculaResistenciaIdade(idade);
        r = m.GetResistencia();
    }
    switch (m.ModeloE) {
    case TMaterial::kModeloJCI:
        m.EJCI(r);
        break;
    case TMaterial::kModeloByfors:
        m.EByfors(r);
        break;
    case TMaterial::kModeloACI:
        m.EACI(r);
        break;
    default:
        break;
    }
}

void Escala(TMaterial::TMatrizD &D, double f) {
    for (auto &linha : D)
        for (double &v : linha)
            v *= f;
}

double Det(const TJacobiano &J) {
    return J(1, 1) * J(2, 2) - J(1, 2) * J(2, 1);
}

// Adds the conduction, capacity and source terms of one integration point with factor f
// (weight times the Jacobian factor) and shape functions N.
// The source term of one integration point.
void AdicionaPontoFonte(int n, double f, const double *N, double Q, TVetorElemento &F) {
    for (int i = 1; i <= n; ++i)
        F[i] += f * N[i - 1] * Q;
}

void AdicionaPontoTermico(int n, double f, const double *N, const TDerivadas &B, double Q,
                          double rhoC1, double rhoC2, double kx, double ky, TMatrizElemento &K,
                          TMatrizElemento &C, TVetorElemento &F) {
    AdicionaPontoFonte(n, f, N, Q, F);
    for (int i = 1; i <= n; ++i) {
        const double Ni = N[i - 1];
        for (int j = 1; j <= n; ++j) {
            C(i, j) += f * Ni * N[j - 1] * rhoC1 * rhoC2;
            K(i, j) += kx * (f * B(1, i) * B(1, j)) + ky * (f * B(2, i) * B(2, j));
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TElementoTriangular
// ---------------------------------------------------------------------------------------------

TElementoTriangular::TElementoTriangular(TNo *const *nos, int high) : TElemento(nos, high) {
    VerificaNumNos();
    CalculaCoeficientes();
}

TElementoTriangular::TElementoTriangular(int n) : TElemento(n) {
    VerificaNumNos();
    CalculaCoeficientes();
}

TElementoTriangular::TElementoTriangular(const TElemento &origem, TCopiaNos)
    : TElemento(origem, TCopiaNos{}) {
    VerificaNumNos();
    CalculaCoeficientes();
}

void TElementoTriangular::VerificaNumNos() const {
    if (GetN() < 3 || GetN() > kMaxNosElemento)
        throw std::invalid_argument("An analysis element has 3 or 4 nodes, not " +
                                    std::to_string(GetN()));
}

void TElementoTriangular::CalculaCoeficientes() {
    const int n = GetN();
    for (int i = 0; i < n; ++i) {
        const TNo *pj = GetNo((i + 1) % n + 1);
        const TNo *pk = GetNo((i + 2) % n + 1);
        a_[std::size_t(i)] = pj->X * pk->Y - pk->X * pj->Y;
        b_[std::size_t(i)] = pj->Y - pk->Y;
        c_[std::size_t(i)] = pk->X - pj->X;
    }
}

void TElementoTriangular::FuncoesFormaGlobais(TVetorElemento &N, double x, double y) {
    CalculaCoeficientes();
    const int n = GetN();
    const double dobroArea = 2.0 * Area();
    for (int i = 1; i <= n; ++i)
        N[i] =
            Divide(a_[std::size_t(i - 1)] + b_[std::size_t(i - 1)] * x + c_[std::size_t(i - 1)] * y,
                   dobroArea);
}

double TElementoTriangular::FuncaoFormaNo(int i, double xi, double eta) const {
    return TElemento::FuncaoForma(i, xi, eta);
}

void TElementoTriangular::CoordenadasGlobais(double &x, double &y, double xi, double eta) const {
    x = 0.0;
    y = 0.0;
    const int n = GetN();
    for (int i = 1; i <= n; ++i) {
        const double Ni = FuncaoFormaNo(i, xi, eta);
        x += Ni * GetNo(i)->X;
        y += Ni * GetNo(i)->Y;
    }
}

TRegraIntegracao TElementoTriangular::PontosGauss() const {
    return {3, kTriXi.data(), kTriEta.data(), kTriW.data()};
}

void TElementoTriangular::FuncoesForma(TVetorElemento &N, double xi, double eta) const {
    N[1] = 1.0 - xi - eta;
    N[2] = xi;
    N[3] = eta;
}

TDerivadas TElementoTriangular::DerivadasLocais(double, double) const {
    TDerivadas d;
    d(1, 1) = -1.0;
    d(1, 2) = 1.0;
    d(1, 3) = 0.0;
    d(2, 1) = -1.0;
    d(2, 2) = 0.0;
    d(2, 3) = 1.0;
    return d;
}

TJacobiano TElementoTriangular::JacobianoDe(const TDerivadas &dN) const {
    TJacobiano J;
    const int n = GetN();
    for (int k = 1; k <= n; ++k) {
        const TNo *no = GetNo(k);
        J(1, 1) += dN(1, k) * no->X;
        J(1, 2) += dN(1, k) * no->Y;
        J(2, 1) += dN(2, k) * no->X;
        J(2, 2) += dN(2, k) * no->Y;
    }
    return J;
}

TJacobiano TElementoTriangular::Jacobiano() const {
    return JacobianoDe(DerivadasLocais(0.0, 0.0));
}

void TElementoTriangular::DerivadasGlobais(TDerivadas &B, double &detJ, double xi,
                                           double eta) const {
    const TDerivadas dN = DerivadasLocais(xi, eta);
    TJacobiano J = JacobianoDe(dN);
    detJ = Det(J);
    if (detJ != 0.0) {
        const double a11 = J(1, 1), a12 = J(1, 2), a21 = J(2, 1), a22 = J(2, 2);
        J(1, 1) = a22 / detJ;
        J(2, 2) = a11 / detJ;
        J(1, 2) = -a12 / detJ;
        J(2, 1) = -a21 / detJ;
    }
    const int n = GetN();
    for (int i = 1; i <= n; ++i) {
        B(1, i) = J(1, 1) * dN(1, i) + J(1, 2) * dN(2, i);
        B(2, i) = J(2, 1) * dN(1, i) + J(2, 2) * dN(2, i);
    }
}

void TElementoTriangular::MatrizesTermicas(TForcaInterna &fonte, const TTempo &tempo,
                                           const TMaterial &material, TMatrizElemento &K,
                                           TMatrizElemento &C, TVetorElemento &F,
                                           const TVetorElemento &) const {
    const double rho = material.GetDensidade();
    const double calor = material.GetCalorEspecifico();
    const double kx = material.GetKx();
    const double ky = material.GetKy();

    // The linear triangle's derivatives are constant: evaluate once at (0, 0).
    TDerivadas B;
    double detJ = 0.0;
    DerivadasGlobais(B, detJ, 0.0, 0.0);
    const double f = detJ / 2.0;
    const double Q = fonte.Valor(this, material, tempo.GetTempoAtual());

    for (std::size_t g = 0; g < kTriW.size(); ++g)
        AdicionaPontoTermico(3, kTriW[g] * f, kTriN[g].data(), B, Q, rho, calor, kx, ky, K, C, F);
}

double TElementoTriangular::FatorIntegracao() const {
    // detJ as DerivadasGlobais forms it at (0, 0).
    return Det(Jacobiano()) / 2.0;
}

void TElementoTriangular::AdicionaFonte(double fatorIntegracao, double Q, TVetorElemento &F) {
    for (std::size_t g = 0; g < kTriW.size(); ++g)
        AdicionaPontoFonte(3, kTriW[g] * fatorIntegracao, kTriN[g].data(), Q, F);
}

TBlocoB TElementoTriangular::MatrizBNo(int i) const {
    const double detJ = Det(Jacobiano());
    const TDerivadas dN = DerivadasLocais(0.0, 0.0);
    const TNo *p1 = GetNo(1), *p2 = GetNo(2), *p3 = GetNo(3);
    const double y31 = p3->Y - p1->Y, y21 = p2->Y - p1->Y;
    const double x31 = p3->X - p1->X, x21 = p2->X - p1->X;
    const double dx = Divide(dN(1, i) * y31 - dN(2, i) * y21, detJ);
    const double dy = Divide(dN(2, i) * x21 - dN(1, i) * x31, detJ);
    TBlocoB Bi;
    Bi(1, 1) = dx;
    Bi(2, 2) = dy;
    Bi(3, 1) = dy;
    Bi(3, 2) = dx;
    return Bi;
}

TBlocoB TElementoTriangular::MatrizBNoArea(int i) const {
    const TNo *p1 = GetNo(1), *p2 = GetNo(2), *p3 = GetNo(3);
    double b = 0.0, c = 0.0;
    switch (i) {
    case 1:
        b = p2->Y - p3->Y;
        c = p3->X - p2->X;
        break;
    case 2:
        b = p3->Y - p1->Y;
        c = p1->X - p3->X;
        break;
    default:
        b = p1->Y - p2->Y;
        c = p2->X - p1->X;
        break;
    }
    const double dobroArea = 2.0 * Area();
    TBlocoB Bi;
    Bi(1, 1) = Divide(b, dobroArea);
    Bi(2, 2) = Divide(c, dobroArea);
    Bi(3, 1) = Bi(2, 2);
    Bi(3, 2) = Bi(1, 1);
    return Bi;
}

void TElementoTriangular::MatrizRigidez(const TForcaTensional *pesoProprio, const TTempo &tempo,
                                        TMaterial &material, TMatrizRigidezElemento &K,
                                        TVetorForcasElemento &F,
                                        const TVetorForcasElemento &deformacoes,
                                        TFluencia *fluencia, const TVetorElemento &resistencias,
                                        double nascimento) const {
    const int n = GetN();
    const double area = Area();
    const std::array<double, 2> peso = PesoNo(pesoProprio, tempo, nascimento, area, material);
    std::array<TBlocoB, kMaxNosElemento> B;
    for (int i = 1; i <= n; ++i)
        B[std::size_t(i - 1)] = MatrizBNo(i);
    // One matrix for the element; in maturity mode from the mean of its nodes' strengths, as
    // the stress recovery forms it.
    double s = 1.0;
    if (material.GetMaturidade()) {
        s = 0.0;
        for (int i = 1; i <= n; ++i)
            s += resistencias[i];
        s /= double(n);
    }
    TMaterial::TMatrizD Dm;
    MatrizD(material, fluencia, tempo, s, Dm, nascimento);
    std::array<const TMaterial::TMatrizD *, kMaxNosElemento> D;
    D.fill(&Dm);
    RigidezTriangulo(n, B.data(), Det(Jacobiano()), area, D.data(), peso, deformacoes, K, F);
}

std::array<double, 2> TElementoTriangular::PesoNo(const TForcaTensional *pesoProprio,
                                                  const TTempo &tempo, double nascimento,
                                                  double area, const TMaterial &material) {
    if (!pesoProprio)
        return {0.0, 0.0};
    const bool nasce = tempo.NasceNoPassoAtual(nascimento);
    return pesoProprio->ForcasPesoProprio(nasce ? area : 0.0, material.GetDensidade(),
                                          material.GetGravidade());
}

void TElementoTriangular::RigidezTriangulo(int n, const TBlocoB *B, double detJ, double area,
                                           const TMaterial::TMatrizD *const *D,
                                           const std::array<double, 2> &peso,
                                           const TVetorForcasElemento &deformacoes,
                                           TMatrizRigidezElemento &K, TVetorForcasElemento &F) {
    static_assert(kTriW[0] == kTriW[1] && kTriW[1] == kTriW[2]);
    const double w = kTriW[0];
    // Every node's strain force comes from the element's mean imposed strain, the one the
    // stress recovery subtracts: A Bi^T D (mean strain) balances A Bi^T sigma exactly.
    // A uniform strain is taken as it is, without the rounding of a sum.
    double e1 = deformacoes[1], e2 = deformacoes[2];
    bool uniforme = true;
    for (int i = 2; i <= n; ++i)
        uniforme = uniforme && deformacoes[2 * i - 1] == e1 && deformacoes[2 * i] == e2;
    if (!uniforme) {
        e1 = e2 = 0.0;
        for (int i = 1; i <= n; ++i) {
            e1 += deformacoes[2 * i - 1];
            e2 += deformacoes[2 * i];
        }
        e1 /= double(n);
        e2 /= double(n);
    }
    for (int i = 1; i <= n; ++i) {
        const TBlocoB &Bi = B[i - 1];
        const TMaterial::TMatrizD &Di = *D[i - 1];
        // P = Bi^T D (2 x 3).
        double P[2][3];
        for (int a = 1; a <= 2; ++a)
            for (std::size_t c = 0; c < 3; ++c)
                P[a - 1][c] = Bi(1, a) * Di[0][c] + Bi(2, a) * Di[1][c] + Bi(3, a) * Di[2][c];
        for (int a = 1; a <= 2; ++a) {
            const double *Pa = P[a - 1];
            const double Pe = Pa[0] * e1 + Pa[1] * e2 + Pa[2] * 0.0;
            const double fa = peso[std::size_t(a - 1)] * w + area * Pe * w;
            double &Fa = F[2 * i - 2 + a];
            Fa += fa;
            Fa += fa;
            Fa += fa;
            for (int j = 1; j <= n; ++j) {
                const TBlocoB &Bj = B[j - 1];
                for (int b = 1; b <= 2; ++b) {
                    const double PB = Pa[0] * Bj(1, b) + Pa[1] * Bj(2, b) + Pa[2] * Bj(3, b);
                    const double k = PB * w * detJ / 2.0;
                    double &Kab = K(2 * i - 2 + a, 2 * j - 2 + b);
                    Kab += k;
                    Kab += k;
                    Kab += k;
                }
            }
        }
    }
}

void TElementoTriangular::MatrizD(TMaterial &material, TFluencia *fluencia, const TTempo &tempo,
                                  double s, TMaterial::TMatrizD &D, double nascimento) {
    if (material.GetEPD()) {
        material.MatrizDEPD(D, tempo, nascimento, s);
    } else {
        ModuloNaIdade(material, (tempo.GetTempoAtual() - nascimento) / 24.0, s);
        const double v = material.GetPoisson();
        const double c = Divide(1000.0 * material.GetE(), 1.0 - v * v);
        D = {{{c, c * v, 0.0}, {c * v, c, 0.0}, {0.0, 0.0, c * (1.0 - v) / 2.0}}};
    }
    if (fluencia && fluencia->Tipo != TFluencia::kACI209) {
        // The effective modulus of the creep law replaces the elastic one.
        Escala(D, Divide(1.0, 1000.0 * material.GetE()));
        fluencia->AplicaAoMaterial(material, tempo.GetTempoAtual() / 24.0);
        Escala(D, material.GetE());
    }
}

double TElementoTriangular::Interpola(const double *valores, double x, double y) {
    TVetorElemento N(GetN());
    FuncoesFormaGlobais(N, x, y);
    double v = 0.0;
    for (int i = 1; i <= GetN(); ++i)
        v += N[i] * valores[i - 1];
    return v;
}

void TElementoTriangular::CopiaPosicoes(const TElemento &origem) {
    const int n = GetN();
    for (int i = 1; i <= n; ++i) {
        TNo *d = GetNo(i);
        const TNo *o = origem.GetNo(i);
        d->X = o->X;
        d->Y = o->Y;
        d->Numero = o->Numero;
    }
    CalculaLimites();
}

// ---------------------------------------------------------------------------------------------
// TElementoRetangular
// ---------------------------------------------------------------------------------------------

TRegraIntegracao TElementoRetangular::PontosGauss() const {
    return {16, kQuad.xi.data(), kQuad.eta.data(), kQuad.w.data()};
}

void TElementoRetangular::FuncoesForma(TVetorElemento &N, double xi, double eta) const {
    N[1] = (1.0 - xi) * (1.0 - eta) / 4.0;
    N[2] = (1.0 + xi) * (1.0 - eta) / 4.0;
    N[3] = (1.0 + xi) * (1.0 + eta) / 4.0;
    N[4] = (1.0 - xi) * (1.0 + eta) / 4.0;
}

TDerivadas TElementoRetangular::DerivadasLocais(double xi, double eta) const {
    TDerivadas d;
    d(1, 1) = -(1.0 - eta) / 4.0;
    d(1, 2) = (1.0 - eta) / 4.0;
    d(1, 3) = (1.0 + eta) / 4.0;
    d(1, 4) = -(1.0 + eta) / 4.0;
    d(2, 1) = -(1.0 - xi) / 4.0;
    d(2, 2) = -(1.0 + xi) / 4.0;
    d(2, 3) = (1.0 + xi) / 4.0;
    d(2, 4) = (1.0 - xi) / 4.0;
    return d;
}

void TElementoRetangular::MatrizesTermicas(TForcaInterna &fonte, const TTempo &tempo,
                                           const TMaterial &material, TMatrizElemento &K,
                                           TMatrizElemento &C, TVetorElemento &F,
                                           const TVetorElemento &temperaturasAnteriores) const {
    const int n = 4;
    const double rho = material.GetDensidade();
    const double calor = material.GetCalorEspecifico();
    const double kx = material.GetKx();
    const double ky = material.GetKy();
    const double Q = fonte.Valor(this, material, tempo.GetTempoAtual());

    TVetorElemento N(n);
    TDerivadas B;
    for (std::size_t g = 0; g < kQuad.w.size(); ++g) {
        FuncoesForma(N, kQuad.xi[g], kQuad.eta[g]);
        double detJ = 0.0;
        DerivadasGlobais(B, detJ, kQuad.xi[g], kQuad.eta[g]);
        AdicionaPontoTermico(n, kQuad.w[g] * detJ, N.Dados(), B, Q, rho, calor, kx, ky, K, C, F);
    }

    // Theta scheme of the element itself.
    const double theta = tempo.GetTheta(), dt = tempo.GetDtPasso();
    const double a = (1.0 - theta) * dt, b = theta * dt;
    const TVetorElemento &T = temperaturasAnteriores;
    std::array<double, 4> novoF{};
    for (int i = 1; i <= n; ++i) {
        double s = 0.0;
        for (int j = 1; j <= n; ++j)
            s += (C(i, j) - a * K(i, j)) * T[j];
        novoF[std::size_t(i - 1)] = s + (a + b) * F[i];
    }
    for (int i = 1; i <= n; ++i) {
        F[i] = novoF[std::size_t(i - 1)];
        for (int j = 1; j <= n; ++j)
            K(i, j) = C(i, j) + b * K(i, j);
    }
}
