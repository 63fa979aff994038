#include <stdexcept>

#include "matematica/MatrizSky.h"
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

void TGradiente::AplicaNaoNegativo() {
    if (!naoNegativo_)
        return;
    double *x = x_->Dados();
    for (int i = 0, n = x_->GetTamanho(); i < n; ++i)
        if (x[i] < 0.0)
            x[i] = 0.0;
}

// Denominators and |x| are checked so that an overflow is reported rather than carried on as an
// infinity.
void TGradiente::Resolve() {
    VerificaSistema();
    if (x_->GetTamanho() != A_->GetLinhas())
        throw std::logic_error("solution and matrix differ in order");
    TMatrizSky &A = *A_;
    TVetor &b = *b_;
    TVetor &x = *x_;
    A.DiagonalPrimeiro();
    n_ = A.GetLinhas();
    TVetor w(n_), g(n_), q(n_);

    A.MultVetor(g, x);
    g.Subtrai(g, b);
    rr_ = g.Escalar(g);
    A.MultVetor(q, g);
    alpha_ = Divide(rr_, VerificaFinito(g.Escalar(q)));
    g.MultEscalar(q, alpha_);
    x.Soma(x, q);
    AplicaNaoNegativo();
    iteracoes_ = 1;
    int k = 1;
    for (;;) {
        A.MultVetor(w, x);
        b.Subtrai(w, w);
        rrLinha_ = w.Escalar(w);
        beta_ = Divide(VerificaFinito(rrLinha_), rr_);
        g.MultEscalar(g, beta_);
        g.Subtrai(g, w);
        A.MultVetor(q, g);
        alpha_ = Divide(g.Escalar(w), VerificaFinito(g.Escalar(q)));
        g.MultEscalar(g, alpha_);
        const double s = g.Norma();
        x.Soma(x, g);
        AplicaNaoNegativo();
        const double e = VerificaFinito(x.Norma());
        rr_ = rrLinha_;
        ++k;
        ++iteracoes_;
        if (Divide(s, e) <= tolerancia_ || k > maxIteracoes_)
            break;
    }
}
