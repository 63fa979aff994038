// Direct solver. The elimination runs row by row ("left-looking"): row c receives, in ascending
// order of the pivot rows i that hold column c, a(c, k) -= f(i, c) a(i, k) for the columns k >= c
// of row i. Each entry thus sees exactly the subtractions, in the same order, of a pivot-by-pivot
// elimination over the filled pattern, so the results are bitwise the same; the rows are kept
// ordered by column so that these updates run over contiguous memory.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "matematica/MatrizSky.h"
#include "uPlataforma.h"

std::unique_ptr<TGauss> TGauss::CreateCopia(const TGradiente &outro) {
    auto s = std::make_unique<TGauss>(outro.GetMaxIteracoes(), outro.GetTolerancia());
    s->SetNaoNegativo(outro.GetNaoNegativo());
    return s;
}

// True when A is bitwise the matrix of the last full solve; A is then left filled and
// eliminated. When the input needed no fill, each row is compared and written back in one pass;
// a row that differs puts the rows already written back to their input values.
bool TGauss::Repete(TMatrizSky &A) {
    const std::size_t n = A.sky_.size();
    if (!valido_ || entradaInicio_.size() != n + 1)
        return false;
    for (std::size_t r = 0; r < n; ++r) {
        TMatrizSky::Linha &l = A.sky_[r];
        const std::size_t m = l.coluna.size();
        const std::size_t o = std::size_t(entradaInicio_[r]);
        if (std::size_t(entradaInicio_[r + 1]) - o != m ||
            std::memcmp(l.coluna.data(), entradaColuna_.data() + o, m * sizeof(std::int32_t)) !=
                0 ||
            std::memcmp(l.valor.data(), entradaValor_.data() + o, m * sizeof(double)) != 0) {
            if (entradaPronta_)
                for (std::size_t k = 0; k < r; ++k)
                    std::copy_n(entradaValor_.begin() + entradaInicio_[k], A.sky_[k].valor.size(),
                                A.sky_[k].valor.begin());
            return false;
        }
        if (entradaPronta_)
            DevolveLinha(A, r);
    }
    if (!entradaPronta_) {
        A.DiagonalPrimeiro();
        A.PreenchePerfil();
        DevolveValores(A);
    }
    return true;
}

bool TGauss::MesmaEntrada(const TMatrizSky &A) const {
    const std::size_t n = A.sky_.size();
    if (!valido_ || entradaInicio_.size() != n + 1)
        return false;
    for (std::size_t r = 0; r < n; ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        const std::size_t m = l.coluna.size();
        const std::size_t o = std::size_t(entradaInicio_[r]);
        if (std::size_t(entradaInicio_[r + 1]) - o != m ||
            std::memcmp(l.coluna.data(), entradaColuna_.data() + o, m * sizeof(std::int32_t)) !=
                0 ||
            std::memcmp(l.valor.data(), entradaValor_.data() + o, m * sizeof(double)) != 0)
            return false;
    }
    return true;
}

void TGauss::GuardaEntrada(const TMatrizSky &A) {
    const std::size_t n = A.sky_.size();
    entradaInicio_.resize(n + 1);
    entradaInicio_[0] = 0;
    for (std::size_t r = 0; r < n; ++r)
        entradaInicio_[r + 1] = entradaInicio_[r] + std::int64_t(A.sky_[r].coluna.size());
    entradaColuna_.resize(std::size_t(entradaInicio_[n]));
    entradaValor_.resize(std::size_t(entradaInicio_[n]));
    for (std::size_t r = 0; r < n; ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        std::copy(l.coluna.begin(), l.coluna.end(), entradaColuna_.begin() + entradaInicio_[r]);
        std::copy(l.valor.begin(), l.valor.end(), entradaValor_.begin() + entradaInicio_[r]);
    }
}

void TGauss::VerificaDiagonais(const TMatrizSky &A) {
    // A row without its diagonal has a zero pivot.
    for (std::size_t r = 0; r < A.sky_.size(); ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        if (l.coluna.empty() || l.coluna[0] != std::int32_t(r))
            ErroDivisaoPorZero();
    }
}

bool TGauss::MesmoPadrao(const TMatrizSky &A) const {
    const std::size_t n = A.sky_.size();
    if (inicio_.size() != n + 1)
        return false;
    for (std::size_t r = 0; r < n; ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        const std::int64_t o = inicio_[r];
        const std::size_t m = l.coluna.size();
        if (std::size_t(inicio_[r + 1] - o) != m)
            return false;
        for (std::size_t s = 0; s < m; ++s)
            if (coluna_[std::size_t(o + ordem_[std::size_t(o) + s])] != l.coluna[s])
                return false;
    }
    return true;
}

void TGauss::MontaPadrao(const TMatrizSky &A) {
    const std::size_t n = A.sky_.size();
    inicio_.assign(n + 1, 0);
    for (std::size_t r = 0; r < n; ++r)
        inicio_[r + 1] = inicio_[r] + std::int64_t(A.sky_[r].coluna.size());
    const std::size_t nnz = std::size_t(inicio_[n]);
    coluna_.resize(nnz);
    ordem_.resize(nnz);
    densoDesde_.resize(n);
    std::vector<std::pair<std::int32_t, std::int32_t>> par;
    std::vector<std::int64_t> conta(n + 1, 0);
    for (std::size_t r = 0; r < n; ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        const std::size_t m = l.coluna.size();
        const std::size_t o = std::size_t(inicio_[r]);
        par.resize(m);
        for (std::size_t s = 0; s < m; ++s)
            par[s] = {l.coluna[s], std::int32_t(s)};
        std::sort(par.begin(), par.end());
        for (std::size_t t = 0; t < m; ++t) {
            coluna_[o + t] = par[t].first;
            ordem_[o + std::size_t(par[t].second)] = std::int32_t(t);
        }
        std::size_t d = o + m - 1;
        while (d > o && coluna_[d - 1] + 1 == coluna_[d])
            --d;
        densoDesde_[r] = std::int64_t(d);
        for (std::size_t t = o + 1; t < o + m; ++t)
            ++conta[std::size_t(coluna_[t]) + 1];
    }
    // Rows above the diagonal that hold each column, in ascending order.
    colInicio_.assign(n + 1, 0);
    for (std::size_t c = 0; c < n; ++c)
        colInicio_[c + 1] = colInicio_[c] + conta[c + 1];
    colLinha_.resize(std::size_t(colInicio_[n]));
    std::vector<std::int64_t> proximo(colInicio_.begin(), colInicio_.end() - 1);
    for (std::size_t r = 0; r < n; ++r)
        for (std::int64_t t = inicio_[r] + 1; t < inicio_[r + 1]; ++t)
            colLinha_[std::size_t(proximo[std::size_t(coluna_[std::size_t(t)])]++)] =
                std::int32_t(r);
}

void TGauss::CalculaFatores(std::int32_t linha) {
    const std::size_t o = std::size_t(inicio_[std::size_t(linha)]);
    const std::size_t fim = std::size_t(inicio_[std::size_t(linha) + 1]);
    const double piv = valor_[o];
    bool ok = piv != 0.0;
    if (ok)
        for (std::size_t p = o + 1; p < fim; ++p) {
            const double f = valor_[p] / piv;
            fator_[p] = f;
            if (!std::isfinite(f))
                ok = false;
        }
    if (!ok) // raise the error of the first failing division in stored order
        for (std::size_t s = 1; s < fim - o; ++s) {
            const std::size_t p = o + std::size_t(ordem_[o + s]);
            fator_[p] = Divide(valor_[p], piv);
        }
}

void TGauss::Elimina(const TMatrizSky &A) {
    const std::size_t n = A.sky_.size();
    const std::size_t nnz = std::size_t(inicio_[n]);
    valor_.resize(nnz);
    fator_.assign(nnz, 0.0);
    for (std::size_t r = 0; r < n; ++r) {
        const TMatrizSky::Linha &l = A.sky_[r];
        const std::size_t o = std::size_t(inicio_[r]);
        for (std::size_t s = 0; s < l.valor.size(); ++s)
            valor_[o + std::size_t(ordem_[o + s])] = l.valor[s];
    }
    trabalho_.assign(n, 0.0);
    cursor_.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        cursor_[i] = inicio_[i] + 1;

    double *val = valor_.data();
    const double *fat = fator_.data();
    const std::int32_t *col = coluna_.data();
    double *w = trabalho_.data();
    for (std::size_t c = 0; c < n; ++c) {
        const std::size_t o = std::size_t(inicio_[c]);
        const std::size_t fim = std::size_t(inicio_[c + 1]);
        // Target of the updates: the row itself when its columns are consecutive (column k at
        // alvo[k - base]), else a dense work row indexed by column.
        const bool direto = densoDesde_[c] == std::int64_t(o);
        double *alvo = w;
        std::int64_t base = 0;
        if (direto) {
            alvo = val + o;
            base = std::int64_t(c);
        } else {
            for (std::size_t p = o; p < fim; ++p)
                w[col[p]] = val[p];
        }
        for (std::int64_t e = colInicio_[c]; e < colInicio_[c + 1]; ++e) {
            const std::size_t i = std::size_t(colLinha_[std::size_t(e)]);
            std::size_t p = std::size_t(cursor_[i]++); // a(i, c)
            const double f = fat[p];
            const std::size_t q = std::size_t(inicio_[i + 1]);
            const std::size_t d = std::max(std::size_t(densoDesde_[i]), p);
            for (; p < d; ++p)
                alvo[col[p] - base] -= f * val[p];
            if (p < q) {
                double *y = alvo + (col[p] - base);
                const double *x = val + p;
                const std::size_t m = q - p;
                for (std::size_t t = 0; t < m; ++t)
                    y[t] -= f * x[t];
            }
        }
        if (!direto)
            for (std::size_t p = o; p < fim; ++p) {
                val[p] = w[col[p]];
                w[col[p]] = 0.0;
            }
        CalculaFatores(std::int32_t(c));
    }
}

void TGauss::DevolveLinha(TMatrizSky &A, std::size_t r) const {
    std::vector<double> &v = A.sky_[r].valor;
    std::copy_n(valorSaida_.begin() + inicio_[r], v.size(), v.begin());
}

void TGauss::DevolveValores(TMatrizSky &A) const {
    for (std::size_t r = 0; r < A.sky_.size(); ++r)
        DevolveLinha(A, r);
}

void TGauss::Substitui(TVetor &b) const {
    const std::size_t n = inicio_.size() - 1;
    double *x = b.Dados();
    const double *val = valor_.data();
    const double *fat = fator_.data();
    const std::int32_t *col = coluna_.data();
    for (std::size_t i = 0; i < n; ++i) {
        const double bi = x[i];
        const std::size_t fim = std::size_t(inicio_[i + 1]);
        const std::size_t d = std::max(std::size_t(densoDesde_[i]), std::size_t(inicio_[i]) + 1);
        for (std::size_t p = std::size_t(inicio_[i]) + 1; p < d; ++p)
            x[col[p]] -= fat[p] * bi;
        if (d < fim) {
            double *y = x + col[d];
            const double *f = fat + d;
            for (std::size_t t = 0, m = fim - d; t < m; ++t)
                y[t] -= f[t] * bi;
        }
    }
    // Back substitution: each row subtracts its entries in descending column order, then
    // divides.
    for (std::size_t r = n; r-- > 0;) {
        const std::size_t o = std::size_t(inicio_[r]);
        const std::size_t fim = std::size_t(inicio_[r + 1]);
        const std::size_t d = std::max(std::size_t(densoDesde_[r]), o + 1);
        double s = x[r];
        if (d < fim) { // consecutive columns from col[d] on
            const double *y = x + col[d];
            const double *v = val + d;
            for (std::size_t t = fim - d; t-- > 0;)
                s -= v[t] * y[t];
        }
        for (std::size_t p = d; p-- > o + 1;)
            s -= val[p] * x[col[p]];
        x[r] = Divide(s, val[o]);
    }
}

bool TGauss::RepeteSolucao() {
    VerificaSistema();
    if (!MesmaEntrada(*A_))
        return false;
    n_ = A_->GetLinhas();
    Substitui(*b_);
    x_->Copia(*b_);
    return true;
}

void TGauss::Resolve() {
    VerificaSistema();
    TMatrizSky &A = *A_;
    n_ = A.GetLinhas();
    if (!Repete(A)) {
        valido_ = false;
        GuardaEntrada(A);
        // The diagonal goes first before the fill as well: the fill reads each row's entries
        // after the first one, and a row assembled with an off-diagonal entry first would
        // otherwise miss fill-in that the elimination needs.
        bool mudou = A.DiagonalPrimeiro();
        VerificaDiagonais(A);
        mudou = A.PreenchePerfil() || mudou;
        entradaPronta_ = !mudou;
        if (!MesmoPadrao(A))
            MontaPadrao(A);
        Elimina(A);
        valorSaida_.resize(valor_.size());
        for (std::size_t r = 0; r + 1 < inicio_.size(); ++r)
            for (std::size_t p = std::size_t(inicio_[r]); p < std::size_t(inicio_[r + 1]); ++p)
                valorSaida_[p] = valor_[std::size_t(inicio_[r]) + std::size_t(ordem_[p])];
        ++eliminacoes_;
        valido_ = true;
        DevolveValores(A);
    }
    Substitui(*b_);
    x_->Copia(*b_);
}
