// Direct solver of the symmetric system: a sparse Cholesky factorisation with a fill-reducing
// ordering (CHOLMOD, supernodal, AMD ordering).
#pragma once

#include <memory>
#include <vector>

#include "matematica/Gradiente.h"

// Resolve leaves b holding the solution, also copied into x; A is read and left as it came in,
// and the caller rebuilds A and b before the next solve. The ordering and the symbolic analysis
// are kept for as long as A's pattern (each row's columns in stored order) stays the same; an A
// bitwise equal (values and entry order) to the last factorised one reuses its factor (the very
// matrix, unchanged since, without comparing it), and a changed A with the same pattern is only
// factorised numerically again. The last factors are kept after their solver is gone, for a
// next solver on a matrix of the same pattern (another analysis of the same mesh).
// A matrix that is not positive definite (a zero or negative pivot, or a row without its
// diagonal) raises EZeroDivide; a value that is not finite raises EInvalidOp (NaN) or EOverflow.
class TGauss : public TGradiente {
public:
    explicit TGauss(int maxIteracoes = 100, double tolerancia = 0.001);
    ~TGauss() override;
    static std::unique_ptr<TGauss> CreateCopia(const TGradiente &outro);

    void Resolve() override;
    // Numeric factorisations and symbolic analyses done so far.
    long long GetEliminacoes() const { return eliminacoes_; }
    long long GetAnalises() const { return analises_; }
    // Entries of the last factor (0 before the first).
    double GetEntradasFator() const;
    // Seconds spent so far in each phase of the solves.
    struct TTempos {
        double verificacao = 0; // is A the last one factorised, or of its pattern?
        double analise = 0;     // ordering and symbolic factorisation
        double fatoracao = 0;   // numeric factorisation
        double substituicao = 0;
    };
    const TTempos &GetTempos() const { return tempos_; }

private:
    struct TFator;

    // Factors of solvers that are gone, kept for a next solver of the same pattern (the
    // ordering, the factor's memory and the workspace are then reused).
    static std::vector<std::unique_ptr<TFator>> &Guardados();
    static std::unique_ptr<TFator> Toma(const TMatrizSky &A);

    static bool MesmoPadrao(const TFator &f, const TMatrizSky &A);
    bool MesmoPadrao() const { return f_ && MesmoPadrao(*f_, *A_); }
    bool MesmosValores() const;
    void Analisa();
    void Fatora();
    void Substitui();

    std::unique_ptr<TFator> f_;
    long long eliminacoes_ = 0;
    long long analises_ = 0;
    TTempos tempos_;
};
