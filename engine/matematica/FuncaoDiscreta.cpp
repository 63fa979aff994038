#include "matematica/FuncaoDiscreta.h"

#include <algorithm>
#include <cmath>

#include "matematica/UTMath.h"
#include "uPlataforma.h"

TFuncaoDiscreta::TFuncaoDiscreta(const TFuncaoDiscreta &f) : Origem(f.Origem), X_(f.X_), Y_(f.Y_) {
    AtualizaLimites();
}

TFuncaoDiscreta &TFuncaoDiscreta::operator=(const TFuncaoDiscreta &f) {
    if (this != &f) {
        Origem = f.Origem;
        X_.Copia(f.X_);
        Y_.Copia(f.Y_);
        XMax_ = XMin_ = YMax_ = YMin_ = 0.0;
        AtualizaLimites();
    }
    return *this;
}

std::unique_ptr<TFuncaoDiscreta> TFuncaoDiscreta::CreateCopia(const TFuncaoDiscreta &f) {
    return std::make_unique<TFuncaoDiscreta>(f);
}

void TFuncaoDiscreta::AtualizaLimites() {
    const int n = GetNumPontos();
    if (n == 0)
        return;
    XMax_ = XMin_ = X_[1];
    YMax_ = YMin_ = Y_[1];
    for (int i = 2; i <= n; ++i) {
        if (X_[i] > XMax_)
            XMax_ = X_[i];
        if (X_[i] < XMin_)
            XMin_ = X_[i];
        if (Y_[i] > YMax_)
            YMax_ = Y_[i];
        if (Y_[i] < YMin_)
            YMin_ = Y_[i];
    }
}

bool TFuncaoDiscreta::ExistePonto(double x, double y) const {
    const int n = GetNumPontos();
    for (int i = 1; i <= n; ++i)
        if (TUT_Math::IgualComTolerancia(X_[i], x) && TUT_Math::IgualComTolerancia(Y_[i], y))
            return true;
    return false;
}

bool TFuncaoDiscreta::AdicionaPonto(double x, double y) {
    if (ExistePonto(x, y))
        return false;
    X_.Adiciona(x);
    Y_.Adiciona(y);
    AtualizaLimites();
    return true;
}

void TFuncaoDiscreta::RemoveUltimo() {
    X_.RemoveUltimo();
    Y_.RemoveUltimo();
    AtualizaLimites();
}

void TFuncaoDiscreta::Limpa() {
    for (int i = GetNumPontos(); i > 0; --i)
        RemoveUltimo();
}

void TFuncaoDiscreta::DefinePontos(const std::vector<double> &x, const std::vector<double> &y) {
    const int n = int(std::min(x.size(), y.size()));
    X_.Redimensiona(n);
    Y_.Redimensiona(n);
    for (int i = 1; i <= n; ++i) {
        X_[i] = x[std::size_t(i - 1)];
        Y_[i] = y[std::size_t(i - 1)];
    }
    XMax_ = XMin_ = YMax_ = YMin_ = 0.0;
    AtualizaLimites();
}

int TFuncaoDiscreta::Segmento(double x) const {
    const int n = GetNumPontos();
    for (int i = 1; i < n; ++i)
        if (X_[i] <= x && x <= X_[i + 1])
            return i;
    return 0;
}

// Fewer than two points: the value and slope are 0 everywhere, outside the limits too.
double TFuncaoDiscreta::Valor(double x) const {
    if (std::isnan(x))
        ErroOperacaoInvalida();
    const int n = GetNumPontos();
    if (n < 2)
        return 0.0;
    if (x < XMin_)
        return Y_[2] + Divide((x - X_[2]) * (Y_[1] - Y_[2]), X_[1] - X_[2]);
    if (x > XMax_)
        return Y_[n] + Divide((x - X_[n]) * (Y_[n - 1] - Y_[n]), X_[n - 1] - X_[n]);
    const int i = Segmento(x);
    if (i == 0)
        return 0.0;
    return Y_[i] + Divide((x - X_[i]) * (Y_[i] - Y_[i + 1]), X_[i] - X_[i + 1]);
}

double TFuncaoDiscreta::Derivada(double x) const {
    if (std::isnan(x))
        ErroOperacaoInvalida();
    const int n = GetNumPontos();
    if (n < 2 || x > XMax_)
        return 0.0;
    if (x < XMin_)
        return Divide(Y_[1] - Y_[2], X_[1] - X_[2]);
    const int i = Segmento(x);
    if (i == 0)
        return 0.0;
    return Divide(Y_[i] - Y_[i + 1], X_[i] - X_[i + 1]);
}
