#include "fem/Tempo.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "uPlataforma.h"

int TTempo::NumeroDePassos(double ti, double tf, double dt) {
    if (!(dt >= 0.0))
        ErroOperacaoInvalida(); // a negative or NaN step
    return Round(Divide(tf - ti, dt));
}

TTempo::TTempo(double ti, double tf, double dt, double theta)
    : atual_(ti), ti_(ti), tf_(tf), dt_(dt), dtPasso_(dt), theta_(theta),
      n_(NumeroDePassos(ti, tf, dt)) {}

TTempo::TTempo(const TTempo &t)
    : atual_(t.ti_), ti_(t.ti_), tf_(t.tf_), dt_(t.dt_), theta_(t.theta_),
      n_(NumeroDePassos(t.ti_, t.tf_, t.dt_)), uniforme_(t.uniforme_) {
    AtualizaDtPasso();
}

TTempo &TTempo::operator=(const TTempo &t) {
    if (this != &t) {
        n_ = NumeroDePassos(t.ti_, t.tf_, t.dt_);
        atual_ = ti_ = t.ti_;
        tf_ = t.tf_;
        dt_ = t.dt_;
        theta_ = t.theta_;
        uniforme_ = t.uniforme_;
        AtualizaDtPasso();
    }
    return *this;
}

std::unique_ptr<TTempo> TTempo::CreateCopia(const TTempo &t) {
    return std::make_unique<TTempo>(t);
}

void TTempo::ConverteUnidades(double f) {
    ti_ *= f;
    tf_ *= f;
    dt_ *= f;
    atual_ *= f;
    AtualizaDtPasso();
}

void TTempo::AtualizaDtPasso() {
    if (uniforme_ || n_ < 1) {
        dtPasso_ = dt_;
        return;
    }
    const int i = std::max(PassoAtual(), 1);
    dtPasso_ = TempoDoPasso(i) - (i > 1 ? TempoDoPasso(i - 1) : 0.0);
}

double TTempo::TempoDoPasso(int i) const {
    if (uniforme_)
        return Divide((tf_ - ti_) * double(i), double(n_));
    return Divide((tf_ - ti_) * std::log(double(i) + 1.0), std::log(double(n_) + 1.0));
}

// The step whose end lies nearest to t, by the law that places the steps.
int TTempo::PassoDoTempo(double t) const {
    VerificaFinito(t);
    if (n_ < 1 || !(tf_ > ti_))
        return n_ < 1 ? 1 : n_;
    double q;
    if (uniforme_)
        q = Divide(t * double(n_), tf_ - ti_);
    else {
        // Step i ends at L ln(i + 1) / ln(n + 1): the fractional step of t, then the nearer end.
        const double L = tf_ - ti_, r = std::log(double(n_) + 1.0);
        if (t <= 0.0)
            return 1;
        if (t >= L)
            return n_;
        const double c = std::exp(t / L * r) - 1.0;
        const int abaixo = int(std::floor(c));
        if (abaixo < 1)
            return 1;
        if (abaixo >= n_)
            return n_;
        const double dBaixo = t - TempoDoPasso(abaixo), dCima = TempoDoPasso(abaixo + 1) - t;
        return dCima < dBaixo ? abaixo + 1 : abaixo;
    }
    if (q >= double(INT_MAX))
        return n_;
    // Times before the first step belong to it.
    if (q <= 0.5)
        return 1;
    const int k = Round(q);
    return k > n_ ? n_ : k;
}

int TTempo::PassoAtual() const {
    if (atual_ == ti_)
        return 0;
    return PassoDoTempo(atual_ - ti_);
}

bool TTempo::NasceNoPassoAtual(double nascimento) const {
    if (nascimento + dtPasso_ == atual_)
        return true;
    return !Passou(atual_ - dtPasso_, nascimento) && Passou(atual_, nascimento);
}
