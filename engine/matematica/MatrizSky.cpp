#include "matematica/MatrizSky.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <utility>

#include "uPlataforma.h"

namespace {
// Rows up to this length are searched linearly; longer ones through their column index.
constexpr std::size_t kLinhaCurta = 16;
} // namespace

TMatrizSky::TMatrizSky(int n) : TMatriz(n, n, SemAlocacao{}) {
    TMatrizSky::Aloca();
}

std::uint64_t TMatrizSky::TIdentidade::Nova() {
    static std::atomic<std::uint64_t> proxima{1};
    return proxima.fetch_add(1, std::memory_order_relaxed);
}

void TMatrizSky::Aloca() {
    ++versao_;
    sky_.clear();
    sky_.resize(std::size_t(std::max(linhas_, 0)));
}

void TMatrizSky::Reindexa(const Linha &l) {
    const std::int32_t *col = l.coluna.data();
    const std::size_t n = l.coluna.size();
    const auto [menor, maior] = std::minmax_element(l.coluna.begin(), l.coluna.end());
    const std::size_t vao = std::size_t(*maior - *menor) + 1;
    if (vao <= 2 * n + kLinhaCurta) {
        l.indice.assign(vao, -1);
        l.base = *menor;
        for (std::size_t p = 0; p < n; ++p)
            l.indice[std::size_t(col[p] - l.base)] = std::int32_t(p);
        l.tipoIndice = kIndiceDenso;
        return;
    }
    l.indice.resize(n);
    std::iota(l.indice.begin(), l.indice.end(), 0);
    std::sort(l.indice.begin(), l.indice.end(),
              [col](std::int32_t a, std::int32_t b) { return col[a] < col[b]; });
    l.tipoIndice = kIndiceOrdenado;
}

std::int32_t TMatrizSky::Procura(const Linha &l, std::int32_t c) {
    const std::size_t n = l.coluna.size();
    const std::int32_t *col = l.coluna.data();
    if (n <= kLinhaCurta) {
        for (std::size_t p = 0; p < n; ++p)
            if (col[p] == c)
                return std::int32_t(p);
        return -1;
    }
    if (l.tipoIndice == kSemIndice)
        Reindexa(l);
    if (l.tipoIndice == kIndiceDenso) {
        const std::size_t k = std::size_t(std::uint32_t(c - l.base));
        return k < l.indice.size() ? l.indice[k] : -1;
    }
    auto it = std::lower_bound(l.indice.begin(), l.indice.end(), c,
                               [col](std::int32_t pos, std::int32_t v) { return col[pos] < v; });
    if (it != l.indice.end() && col[*it] == c)
        return *it;
    return -1;
}

void TMatrizSky::Anexa(Linha &l, std::int32_t c, double v) {
    const std::int32_t pos = std::int32_t(l.coluna.size());
    l.valor.push_back(v);
    l.coluna.push_back(c);
    if (l.tipoIndice == kIndiceDenso) {
        const std::size_t k = std::size_t(std::uint32_t(c - l.base));
        if (k >= l.indice.size() && c > l.base && k < 2 * l.coluna.size() + kLinhaCurta)
            l.indice.resize(k + 1, -1); // grows with columns appended past the end
        if (k < l.indice.size())
            l.indice[k] = pos;
        else
            l.tipoIndice = kSemIndice;
    } else if (l.tipoIndice == kIndiceOrdenado) {
        const std::int32_t *col = l.coluna.data();
        auto it = std::lower_bound(l.indice.begin(), l.indice.end(), c,
                                   [col](std::int32_t p, std::int32_t x) { return col[p] < x; });
        l.indice.insert(it, pos);
    }
}

double TMatrizSky::Get(int i, int j) const {
    const Linha &l = sky_[std::size_t(std::min(i, j) - 1)];
    const std::int32_t p = Procura(l, std::int32_t(std::max(i, j) - 1));
    return p < 0 ? 0.0 : l.valor[std::size_t(p)];
}

void TMatrizSky::Set(int i, int j, double v) {
    Linha &l = sky_[std::size_t(std::min(i, j) - 1)];
    const std::int32_t c = std::int32_t(std::max(i, j) - 1);
    const std::int32_t p = Procura(l, c);
    ++versao_;
    if (p >= 0)
        l.valor[std::size_t(p)] = v;
    else
        Anexa(l, c, v);
}

void TMatrizSky::Zera() {
    MultEscalar(0.0);
}

void TMatrizSky::MultEscalar(double s) {
    ++versao_;
    for (Linha &l : sky_)
        for (double &v : l.valor)
            v *= s;
}

void TMatrizSky::MultVetor(TVetor &result, const TVetor &v) const {
    result.Zera();
    double *r = result.Dados();
    const double *x = v.Dados();
    const std::size_t n = sky_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Linha &l = sky_[i];
        const std::size_t m = l.coluna.size();
        if (m == 0)
            continue;
        const double *val = l.valor.data();
        const std::int32_t *col = l.coluna.data();
        const double xi = x[i];
        double ri = r[i]; // no other entry of this row writes r[i]
        for (std::size_t p = 0; p < m; ++p) {
            const std::size_t c = std::size_t(col[p]);
            const double a = val[p];
            ri += a * x[c];
            if (c != i)
                r[c] += a * xi;
        }
        r[i] = ri;
    }
}

void TMatrizSky::PrecondDiagonal(TVetor &result, const TVetor &v) const {
    for (int i = 1; i <= v.GetTamanho(); ++i) {
        const Linha &l = sky_[std::size_t(i - 1)];
        result[i] = Divide(v[i], l.valor.empty() ? 0.0 : l.valor[0]);
    }
}

bool TMatrizSky::ProcuraNaLinha(int linha, int coluna, double &valor, int &posicao) const {
    const Linha &l = sky_[std::size_t(linha - 1)];
    const std::int32_t p = Procura(l, std::int32_t(coluna - 1));
    valor = p < 0 ? 0.0 : l.valor[std::size_t(p)];
    posicao = p + 1;
    return p >= 0;
}

int TMatrizSky::MaiorColuna(int linha) const {
    const Linha &l = sky_[std::size_t(linha - 1)];
    if (l.coluna.empty())
        return 0;
    return *std::max_element(l.coluna.begin(), l.coluna.end()) + 1;
}

int TMatrizSky::PosicaoMenorColuna(int linha) const {
    const Linha &l = sky_[std::size_t(linha - 1)];
    if (l.coluna.empty())
        return 0;
    return int(std::min_element(l.coluna.begin(), l.coluna.end()) - l.coluna.begin()) + 1;
}

bool TMatrizSky::DiagonalPrimeiro() {
    bool mudou = false;
    for (Linha &l : sky_) {
        if (l.coluna.empty())
            continue;
        const std::size_t p =
            std::size_t(std::min_element(l.coluna.begin(), l.coluna.end()) - l.coluna.begin());
        if (p != 0) {
            std::swap(l.coluna[0], l.coluna[p]);
            std::swap(l.valor[0], l.valor[p]);
            if (l.tipoIndice == kIndiceDenso) {
                l.indice[std::size_t(l.coluna[0] - l.base)] = 0;
                l.indice[std::size_t(l.coluna[p] - l.base)] = std::int32_t(p);
            } else {
                l.tipoIndice = kSemIndice;
            }
            mudou = true;
        }
    }
    versao_ += mudou;
    return mudou;
}
