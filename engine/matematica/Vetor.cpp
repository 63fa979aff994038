#include "matematica/Vetor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "matematica/Tolerancia.h"
#include "uPlataforma.h"

void TVetor::Zera() {
    std::fill(v_.begin(), v_.end(), 0.0);
}

void TVetor::Ordena() {
    const std::size_t n = v_.size();
    for (std::size_t p = 0; p + 1 < n; ++p)
        for (std::size_t q = p + 1; q < n; ++q)
            if (v_[q] < v_[p])
                std::swap(v_[p], v_[q]);
}

bool TVetor::Contem(double v) const {
    for (double e : v_)
        if (IgualComTolerancia(v, e))
            return true;
    return false;
}

void TVetor::Soma(TVetor &result, const TVetor &w) const {
    const std::size_t n = v_.size();
    for (std::size_t i = 0; i < n; ++i)
        result.v_[i] = v_[i] + w.v_[i];
}

void TVetor::Subtrai(TVetor &result, const TVetor &w) const {
    const std::size_t n = v_.size();
    for (std::size_t i = 0; i < n; ++i)
        result.v_[i] = v_[i] - w.v_[i];
}

void TVetor::MultEscalar(TVetor &result, double s) const {
    const std::size_t n = v_.size();
    for (std::size_t i = 0; i < n; ++i)
        result.v_[i] = s * v_[i];
}

double TVetor::Escalar(const TVetor &w) const {
    double s = 0.0;
    const std::size_t n = v_.size();
    for (std::size_t i = 0; i < n; ++i)
        s += v_[i] * w.v_[i];
    return s;
}

double TVetor::Norma() const {
    return std::sqrt(Escalar(*this));
}

void TVetorInteiro::Copia(const TVetorInteiro &w) {
    for (std::size_t i = 0; i < v_.size(); ++i)
        v_[i] = w.v_[i];
}

bool TVetorInteiro::Contem(double v) const {
    for (std::int32_t e : v_)
        if (IgualComTolerancia(v, double(e)))
            return true;
    return false;
}

void TVetorInteiro::Ordena() {
    const std::size_t n = v_.size();
    for (std::size_t p = 0; p + 1 < n; ++p)
        for (std::size_t q = p + 1; q < n; ++q)
            if (v_[q] < v_[p])
                std::swap(v_[p], v_[q]);
}

void TVetorInteiro::Zera() {
    std::fill(v_.begin(), v_.end(), 0);
}

TMatriz::TMatriz(int linhas, int colunas) : linhas_(linhas), colunas_(colunas) {
    TMatriz::Aloca();
}

void TMatriz::Aloca() {
    a_.assign(std::size_t(std::max(linhas_, 0)),
              std::vector<double>(std::size_t(std::max(colunas_, 0)), 0.0));
}

double TMatriz::Get(int i, int j) const {
    return a_[std::size_t(i - 1)][std::size_t(j - 1)];
}
void TMatriz::Set(int i, int j, double v) {
    a_[std::size_t(i - 1)][std::size_t(j - 1)] = v;
}

void TMatriz::Zera() {
    for (int i = 1; i <= linhas_; ++i)
        for (int j = 1; j <= GetColunas(); ++j)
            Set(i, j, 0.0);
}

void TMatriz::AumentaLinha() {
    ++linhas_;
    a_.emplace_back(std::size_t(std::max(colunas_, 0)), 0.0);
}

void TMatriz::AdicionaLinha(int j, double v) {
    AumentaLinha();
    Set(linhas_, j, v);
}

double TMatriz::Determinante2x2() const {
    return Get(1, 1) * Get(2, 2) - Get(1, 2) * Get(2, 1);
}

void TMatriz::Inverte2x2() {
    const double d = Determinante2x2();
    if (d == 0.0)
        return;
    const double a11 = Get(1, 1), a12 = Get(1, 2), a21 = Get(2, 1), a22 = Get(2, 2);
    Set(1, 1, Divide(a22, d));
    Set(2, 2, Divide(a11, d));
    Set(1, 2, -Divide(a12, d));
    Set(2, 1, -Divide(a21, d));
}

void TMatriz::MultVetor(TVetor &result, const TVetor &v) const {
    const int n = result.GetTamanho();
    std::vector<double> r(std::size_t(n), 0.0); // result may alias v
    for (int i = 1; i <= n; ++i) {
        double s = 0.0;
        for (int j = 1; j <= n; ++j)
            s += Get(i, j) * v.Get(j);
        r[std::size_t(i - 1)] = s;
    }
    for (int i = 1; i <= n; ++i)
        result.Set(i, r[std::size_t(i - 1)]);
}

void TMatriz::MultEscalar(double s) {
    for (int i = 1; i <= linhas_; ++i)
        for (int j = 1; j <= GetColunas(); ++j)
            Set(i, j, Get(i, j) * s);
}

void TMatriz::MultMatriz(TMatriz &result, const TMatriz &b) const {
    for (int i = 1; i <= linhas_; ++i)
        for (int j = 1; j <= b.GetColunas(); ++j) {
            double s = 0.0;
            for (int k = 1; k <= b.GetLinhas(); ++k)
                s += Get(i, k) * b.Get(k, j);
            result.Set(i, j, s);
        }
}

void TMatriz::Soma(TMatriz &result, const TMatriz &b) const {
    for (int i = 1; i <= linhas_; ++i)
        for (int j = 1; j <= GetColunas(); ++j)
            result.Set(i, j, Get(i, j) + b.Get(i, j));
}

void TMatriz::CopiaPara(TMatriz &m) const {
    for (int i = 1; i <= m.GetLinhas(); ++i)
        for (int j = 1; j <= m.GetColunas(); ++j)
            m.Set(i, j, Get(i, j));
}

void TMatriz::Transposta(TMatriz &m) const {
    for (int i = 1; i <= m.GetLinhas(); ++i)
        for (int j = 1; j <= m.GetColunas(); ++j)
            m.Set(i, j, Get(j, i));
}

void TMatriz::PrecondDiagonal(TVetor &result, const TVetor &v) const {
    for (int i = 1; i <= v.GetTamanho(); ++i)
        result.Set(i, Divide(v.Get(i), Get(i, i)));
}

void TMatriz::OrdenaLinhasPelaColuna1() {
    for (int p = 1; p < linhas_; ++p)
        for (int q = p + 1; q <= linhas_; ++q)
            if (Get(q, 1) < Get(p, 1))
                for (int j = 1; j <= GetColunas(); ++j) {
                    const double t = Get(p, j);
                    Set(p, j, Get(q, j));
                    Set(q, j, t);
                }
}
