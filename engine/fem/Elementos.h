// Finite elements of the analyses: the linear three-node triangle and the bilinear four-node
// quadrilateral. They turn one mesh element into the local arrays the analyses assemble.
#pragma once

#include <memory>

#include "fem/Material.h"
#include "fem/MatrizesLocais.h"
#include "malhas/Elemento.h"

class TFluencia;
class TForcaInterna;
class TForcaTensional;
class TTempo;

// An integration rule: n points (xi, eta) with weights w, all static constants.
struct TRegraIntegracao {
    int n;
    const double *xi;
    const double *eta;
    const double *w;
};

class TElementoTriangular : public TElemento {
public:
    // Shares the nodes nos[0..high] (not owned) and computes the coefficients. Every
    // constructor requires 3 or 4 nodes.
    TElementoTriangular(TNo *const *nos, int high);
    // n own nodes numbered 1..n at (0, 0).
    explicit TElementoTriangular(int n);
    // Own nodes copying the number and position of each node of the source.
    TElementoTriangular(const TElemento &origem, TCopiaNos);

    static std::unique_ptr<TElementoTriangular> CreateN(int n) {
        return std::make_unique<TElementoTriangular>(n);
    }
    static std::unique_ptr<TElementoTriangular> CreateCopia(const TElemento &origem) {
        return std::make_unique<TElementoTriangular>(origem, TCopiaNos{});
    }

    // Recomputes the coefficients, then N_i at the global point (x, y). A degenerate element
    // (zero area) raises EZeroDivide or EInvalidOp.
    virtual void FuncoesFormaGlobais(TVetorElemento &N, double x, double y);
    // Shape function i of the triangle at local (xi, eta).
    virtual double FuncaoFormaNo(int i, double xi, double eta) const;
    // Global point of local (xi, eta).
    virtual void CoordenadasGlobais(double &x, double &y, double xi, double eta) const;
    // a_i = x_j y_k - x_k y_j, b_i = y_j - y_k, c_i = x_k - x_j, j and k following i cyclically.
    virtual void CalculaCoeficientes();
    // The element's integration rule.
    virtual TRegraIntegracao PontosGauss() const;
    // Shape functions at local (xi, eta) into N (length n).
    virtual void FuncoesForma(TVetorElemento &N, double xi, double eta) const;
    // dN/dxi (row 1) and dN/deta (row 2) at local (xi, eta).
    virtual TDerivadas DerivadasLocais(double xi, double eta) const;
    // dN/dx (row 1) and dN/dy (row 2) and the Jacobian's determinant at local (xi, eta). With a
    // singular Jacobian the inverse is not formed.
    virtual void DerivadasGlobais(TDerivadas &B, double &detJ, double xi, double eta) const;
    // Adds the conduction K, capacity C and heat-source F terms at the time axis' current time.
    virtual void MatrizesTermicas(TForcaInterna &fonte, const TTempo &tempo,
                                  const TMaterial &material, TMatrizElemento &K, TMatrizElemento &C,
                                  TVetorElemento &F,
                                  const TVetorElemento &temperaturasAnteriores) const;
    // Adds the stiffness K and the nodal forces F of the nodal strains (2n entries, through
    // their element mean) and, in the
    // element's birth step, of the own-weight load `pesoProprio` (null: no own weight).
    // `fluencia` may be null; `resistencias` holds a strength per node.
    virtual void MatrizRigidez(const TForcaTensional *pesoProprio, const TTempo &tempo,
                               TMaterial &material, TMatrizRigidezElemento &K,
                               TVetorForcasElemento &F, const TVetorForcasElemento &deformacoes,
                               TFluencia *fluencia, const TVetorElemento &resistencias,
                               double nascimento) const;
    // Strain-displacement block of node i through the Jacobian at (0, 0). A degenerate
    // element raises EZeroDivide or EInvalidOp.
    virtual TBlocoB MatrizBNo(int i) const;
    // The same block from the area coordinates.
    virtual TBlocoB MatrizBNoArea(int i) const;

    // Value at (x, y) of the linear field with the given nodal values (node order).
    double Interpola(const double *valores, double x, double y);
    // Copies number and position of every node of the source (same node count) into this
    // element's nodes, then recomputes the bounding box.
    void CopiaPosicoes(const TElemento &origem);
    // J = DerivadasLocais(0, 0) x node coordinates.
    TJacobiano Jacobiano() const;
    // The linear triangle's heat-source term alone, for callers that keep its K and C from
    // step to step: added into F with the arithmetic of MatrizesTermicas, from the factor
    // detJ / 2 (FatorIntegracao) and the source's rate Q.
    double FatorIntegracao() const;
    static void AdicionaFonte(double fatorIntegracao, double Q, TVetorElemento &F);

    // The stiffness and nodal forces of the triangle's n nodes, the one routine of the element
    // and of the stress analysis: B holds each node's strain-displacement block, D[i] the
    // constitutive matrix of node i's rows, `peso` the own weight at each node and `deformacoes`
    // the nodal imposed strains (2n entries), whose element mean loads every node. The three
    // integration points have equal weights, so each adds the same terms: every entry of K and
    // F receives its term three times.
    static void RigidezTriangulo(int n, const TBlocoB *B, double detJ, double area,
                                 const TMaterial::TMatrizD *const *D,
                                 const std::array<double, 2> &peso,
                                 const TVetorForcasElemento &deformacoes, TMatrizRigidezElemento &K,
                                 TVetorForcasElemento &F);
    // Own weight at each node of an element of the given area: the load's nodal forces in the
    // element's birth step, none in the other steps or without a load.
    static std::array<double, 2> PesoNo(const TForcaTensional *pesoProprio, const TTempo &tempo,
                                        double nascimento, double area, const TMaterial &material);

    // The constitutive matrix of an element born at `nascimento` (hours) for the material's
    // state (plane strain or plane stress) at the time axis' current time, with the creep
    // law's effective modulus when a law other than ACI is given. `s` is the strength used in
    // maturity mode. Plane stress takes the element's age and the same strength rules as plane
    // strain. A zero modulus under a creep law raises EZeroDivide.
    static void MatrizD(TMaterial &material, TFluencia *fluencia, const TTempo &tempo, double s,
                        TMaterial::TMatrizD &D, double nascimento);

protected:
    // Throws std::invalid_argument unless the element has 3 or 4 nodes.
    void VerificaNumNos() const;
    // Coordinates J = dN x X for the given local derivatives.
    TJacobiano JacobianoDe(const TDerivadas &dN) const;

    // Area-coordinate coefficients: N_i = (a_i + b_i x + c_i y) / (2 A).
    std::array<double, kMaxNosElemento> a_{}, b_{}, c_{};
};

class TElementoRetangular : public TElementoTriangular {
public:
    using TElementoTriangular::TElementoTriangular;

    static std::unique_ptr<TElementoRetangular> CreateN(int n) {
        return std::make_unique<TElementoRetangular>(n);
    }
    static std::unique_ptr<TElementoRetangular> CreateCopia(const TElemento &origem) {
        return std::make_unique<TElementoRetangular>(origem, TCopiaNos{});
    }

    TRegraIntegracao PontosGauss() const override;
    void FuncoesForma(TVetorElemento &N, double xi, double eta) const override;
    TDerivadas DerivadasLocais(double xi, double eta) const override;
    // Conduction, capacity and source at the 16 Gauss points, then the theta-scheme terms with
    // a = (1 - theta) dt, b = theta dt and T the previous temperatures:
    // F_i := sum_j (C_ij - a K_ij) T_j + (a + b) F_i and K := C + b K.
    void MatrizesTermicas(TForcaInterna &fonte, const TTempo &tempo, const TMaterial &material,
                          TMatrizElemento &K, TMatrizElemento &C, TVetorElemento &F,
                          const TVetorElemento &temperaturasAnteriores) const override;
};
