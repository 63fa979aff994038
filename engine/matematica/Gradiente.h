// Conjugate-gradient solver of the sparse symmetric system.
#pragma once

#include <memory>

#include "matematica/MatrizSky.h"
#include "matematica/Vetor.h"

// Conjugate-gradient solver of A x = b, preconditioned by the diagonal, with an iteration limit
// and one tolerance for both the step relative to x and the residual relative to the starting
// one. A, b and x belong to the caller; x holds the starting guess and receives the solution.
class TGradiente {
public:
    TGradiente(int maxIteracoes, double tolerancia);
    virtual ~TGradiente() = default;
    TGradiente(const TGradiente &) = delete;
    TGradiente &operator=(const TGradiente &) = delete;

    // New solver with the tolerance, the non-negative flag and the iteration limit of `outro`.
    static std::unique_ptr<TGradiente> CreateCopia(const TGradiente &outro);

    void DefineSistema(TMatrizSky *A, TVetor *b, TVetor *x) {
        A_ = A;
        b_ = b;
        x_ = x;
    }
    TMatrizSky *GetMatriz() const { return A_; }
    TVetor *GetTermoIndependente() const { return b_; }
    TVetor *GetSolucao() const { return x_; }

    // Solves the system; a zero denominator raises EZeroDivide or EInvalidOp. A start with a
    // residual of exactly zero returns x as it is.
    virtual void Resolve();
    // False when the last solve stopped at the iteration limit without meeting the tolerance.
    bool GetConvergiu() const { return convergiu_; }

    int GetIteracoes() const { return iteracoes_; }
    int GetMaxIteracoes() const { return maxIteracoes_; }
    double GetTolerancia() const { return tolerancia_; }
    void SetTolerancia(double t) { tolerancia_ = t; }
    // When set, negative entries of x are cleared after every update.
    bool GetNaoNegativo() const { return naoNegativo_; }
    void SetNaoNegativo(bool b) { naoNegativo_ = b; }

protected:
    void VerificaSistema() const;

    int iteracoes_ = 0;
    int maxIteracoes_;
    int n_ = 0;
    double tolerancia_;
    double rr_ = 0, rrLinha_ = 0, alpha_ = 0, beta_ = 0;
    bool naoNegativo_ = false;
    bool convergiu_ = true;
    TMatrizSky *A_ = nullptr; // not owned
    TVetor *b_ = nullptr;     // not owned
    TVetor *x_ = nullptr;     // not owned
};
