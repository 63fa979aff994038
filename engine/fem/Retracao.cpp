#include "fem/Retracao.h"

#include <cmath>

#include "fem/Potencia.h"
#include "uPlataforma.h"

std::unique_ptr<TRetracao> TRetracao::CreateCopia(const TRetracao &origem) {
    auto r = std::make_unique<TRetracao>(origem.Tipo);
    r->UmidadeAmbiente = origem.UmidadeAmbiente;
    r->BetaSC = origem.BetaSC;
    r->Fcm28 = origem.Fcm28;
    r->Area = origem.Area;
    r->Perimetro = origem.Perimetro;
    r->UmidadeInicial = origem.UmidadeInicial;
    r->RetracaoFinal = origem.RetracaoFinal;
    return r;
}

double TRetracao::DistribuiUmidade(double x, double ts, double t) {
    const double D = Divide(2.0 * Area, Perimetro);
    const double a = ts == 0.0 ? 0.01 : ts / 24.0;
    const double kt = Potencia(a, -0.08) * 190.8 * Potencia(Fcm28 / 0.006894, -0.25);
    const double d = 1.25 * D * 39.3701;
    const double tauSh = kt * d * d;
    TermoS = Potencia(Divide(std::fabs(t - ts) / 24.0, tauSh), 0.5);
    const double tanhS = std::tanh(TermoS);
    UmidadeNucleo = UmidadeAmbiente + 4.0 / 3.0 * (UmidadeInicial - UmidadeAmbiente) * tanhS;

    bool avalia = true;
    if (UmidadeNucleo == UmidadeInicial) {
        Profundidade = 2.0 * D * tanhS;
        avalia = D / 2.0 >= Profundidade;
    } else {
        Profundidade = D / 2.0;
    }
    if (avalia) {
        // x >= depth gives the core humidity as x > depth does, without 0/0 at depth 0.
        if (x >= Profundidade) {
            UmidadePonto = UmidadeNucleo;
        } else {
            const double f = 1.0 - x / Profundidade;
            UmidadePonto = UmidadeNucleo - f * f * f * (UmidadeNucleo - UmidadeAmbiente);
        }
        umidadeAvaliada_ = true;
    } else if (!umidadeAvaliada_) {
        // Never evaluated: the pores still hold their initial humidity (the core's here).
        UmidadePonto = UmidadeNucleo;
        umidadeAvaliada_ = true;
    }
    return UmidadePonto;
}

double TRetracao::RetracaoBazant() {
    const double r = Divide(UmidadeInicial - UmidadePonto, UmidadeInicial - UmidadeAmbiente);
    Retracao = VerificaFinito(-RetracaoFinal * (1.0 - (r - std::tanh(TermoS))));
    return Retracao;
}

double TRetracao::RetracaoCEB(double td) {
    const double D = Divide(2.0 * Area, Perimetro);
    const double epsS = (160.0 + 10.0 * BetaSC * (9.0 - Fcm28 / 10.0)) * 1e-6;
    double betaRH;
    if (UmidadePonto < 99.0) {
        const double h = UmidadePonto / 100.0;
        betaRH = -1.55 * (1.0 - h * h * h);
    } else {
        betaRH = 0.25;
    }
    // No drying before the drying start: the time function is 0 there instead of the root of
    // a negative ratio.
    double betaS = 0.0;
    if (td > 0.0) {
        const double r = D / 0.1;
        betaS = Potencia(Divide(td, 350.0 * r * r + td), 0.5);
    }
    Retracao = VerificaFinito(epsS * betaRH * betaS);
    return Retracao;
}

double TRetracao::RetracaoNoTempo(double x, double t) {
    DistribuiUmidade(x, InicioSecagem, t);
    if (Tipo == kBazant)
        return RetracaoBazant();
    return RetracaoCEB((t - InicioSecagem) / 24.0);
}

double TRetracao::IncrementoRetracao(double x, double t, double dt, bool primeiroPasso) {
    const double atual = RetracaoNoTempo(x, t);
    if (primeiroPasso)
        return atual;
    return atual - RetracaoNoTempo(x, t - dt);
}
