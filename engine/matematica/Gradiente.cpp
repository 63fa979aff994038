#include <cmath>
#include <stdexcept>

#include "matematica/Gradiente.h"
#include "uPlataforma.h"

TGradiente::TGradiente(int maxIteracoes, double tolerancia)
    : maxIteracoes_(maxIteracoes), tolerancia_(tolerancia) {}

std::unique_ptr<TGradiente> TGradiente::CreateCopia(const TGradiente &outro) {
    auto s = std::make_unique<TGradiente>(outro.maxIteracoes_, outro.tolerancia_);
    s->naoNegativo_ = outro.naoNegativo_;
    return s;
}

void TGradiente::VerificaSistema() const {
    if (A_ == nullptr || b_ == nullptr || x_ == nullptr)
        throw std::logic_error("solver used without a system");
    if (b_->GetTamanho() != A_->GetLinhas())
        throw std::logic_error("right-hand side and matrix differ in order");
}

// Conjugate gradient preconditioned by the diagonal. It stops when the step is small against x
// and the residual is down to the tolerance times the starting one (a start close to the
// solution, such as the previous time step, makes the step small long before the error is).
// Denominators and |x| are checked so that an overflow is reported rather than carried on as
// an infinity. When the non-negative flag clears an entry of x, the residual is recomputed and
// the directions start afresh.
void TGradiente::Resolve() {
    VerificaSistema();
    if (x_->GetTamanho() != A_->GetLinhas())
        throw std::logic_error("solution and matrix differ in order");
    TMatrizSky &A = *A_;
    const TVetor &b = *b_;
    TVetor &x = *x_;
    A.DiagonalPrimeiro();
    n_ = A.GetLinhas();
    TVetor w(n_), g(n_), q(n_);
    iteracoes_ = 0;
    convergiu_ = true;

    // w: residual b - A x; g: direction; q: A g, then the preconditioned residual.
    auto reinicia = [&] {
        A.MultVetor(w, x);
        b.Subtrai(w, w);
        rr_ = VerificaFinito(w.Escalar(w));
        if (rr_ == 0.0)
            return false;
        A.PrecondDiagonal(g, w);
        rr_ = VerificaFinito(w.Escalar(g));
        return true;
    };
    if (!reinicia())
        return; // x already solves the system
    const double limiteResiduo = tolerancia_ * tolerancia_ * w.Escalar(w);
    for (;;) {
        A.MultVetor(q, g);
        alpha_ = Divide(rr_, VerificaFinito(g.Escalar(q)));
        double *xd = x.Dados(), *wd = w.Dados();
        const double *gd = g.Dados(), *qd = q.Dados();
        double s = 0.0, e = 0.0, residuo = 0.0;
        bool cortado = false;
        for (int i = 0; i < n_; ++i) {
            const double passo = alpha_ * gd[i];
            s += passo * passo;
            double xi = xd[i] + passo;
            if (naoNegativo_ && xi < 0.0) {
                xi = 0.0;
                cortado = true;
            }
            xd[i] = xi;
            e += xi * xi;
            wd[i] -= alpha_ * qd[i];
            residuo += wd[i] * wd[i];
        }
        ++iteracoes_;
        const bool passoPequeno = Divide(std::sqrt(s), VerificaFinito(std::sqrt(e))) <= tolerancia_;
        if ((passoPequeno && residuo <= limiteResiduo) || (!cortado && residuo == 0.0))
            return;
        if (iteracoes_ > maxIteracoes_) {
            convergiu_ = false;
            return;
        }
        if (cortado) {
            if (!reinicia())
                return;
            continue;
        }
        A.PrecondDiagonal(q, w);
        rrLinha_ = VerificaFinito(w.Escalar(q));
        beta_ = Divide(rrLinha_, rr_);
        rr_ = rrLinha_;
        g.MultEscalar(g, beta_);
        g.Soma(g, q);
    }
}
