#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <omp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "uMatematica.h"
#include "uPlataforma.h"

namespace {

// Plain reading of the sparse matrix and both solvers: rows of (value, column) in append order,
// linear searches, loops exactly as described.
struct Ref {
    struct E {
        double v;
        int c;
    };
    std::vector<std::vector<E>> l; // 1-based rows and columns (l[0] unused)
    explicit Ref(int n) : l(std::size_t(n + 1)) {}
    int N() const { return int(l.size()) - 1; }
    int Busca(int r, int c, int desde) const {
        for (int p = desde; p < int(l[r].size()); ++p)
            if (l[r][p].c == c)
                return p;
        return -1;
    }
    double Get(int i, int j) const {
        int p = Busca(std::min(i, j), std::max(i, j), 0);
        return p < 0 ? 0.0 : l[std::min(i, j)][p].v;
    }
    void Set(int i, int j, double v) {
        int r = std::min(i, j), c = std::max(i, j), p = Busca(r, c, 0);
        if (p < 0)
            l[r].push_back({v, c});
        else
            l[r][p].v = v;
    }
    void DiagonalPrimeiro() {
        for (auto &row : l) {
            int m = 0;
            for (int p = 1; p < int(row.size()); ++p)
                if (row[p].c < row[m].c)
                    m = p;
            if (!row.empty() && m != 0)
                std::swap(row[0], row[m]);
        }
    }
    int Maior(int r) const {
        int m = l[r][0].c;
        for (const E &e : l[r])
            m = std::max(m, e.c);
        return m;
    }
    void Mult(std::vector<double> &res, const std::vector<double> &v) const {
        std::fill(res.begin(), res.end(), 0.0);
        for (int r = 1; r <= N(); ++r)
            for (const E &e : l[r]) {
                res[r - 1] += e.v * v[e.c - 1];
                if (e.c != r)
                    res[e.c - 1] += e.v * v[r - 1];
            }
    }
    std::vector<double> Gauss(std::vector<double> b) {
        const int n = N();
        DiagonalPrimeiro(); // also before the fill (see the solver)
        for (int i = 2; i <= n; ++i) {
            int m = std::max(Maior(i - 1), Maior(i)), c0 = l[i][0].c;
            for (int c = c0 + 1; c <= m; ++c)
                if (Busca(i, c, 1) < 0 && Busca(i - 1, c, 1) >= 0)
                    l[i].push_back({0.0, c});
        }
        DiagonalPrimeiro();
        for (int i = 1; i <= n - 1; ++i) {
            const double p = l[i][0].v;
            for (int t = 1; t < int(l[i].size()); ++t) {
                const int c = l[i][t].c;
                const double f = Divide(l[i][t].v, p);
                for (E &e : l[c]) {
                    int q = Busca(i, e.c, 1);
                    if (q >= 0)
                        e.v = e.v - f * l[i][q].v;
                }
                b[c - 1] = b[c - 1] - f * b[i - 1];
            }
        }
        for (int j = n; j >= 2; --j) {
            b[j - 1] = Divide(b[j - 1], l[j][Busca(j, j, 0)].v);
            for (int r = j - 1; r >= 1; --r) {
                int q = Busca(r, j, 1);
                if (q >= 0)
                    b[r - 1] = b[r - 1] - l[r][q].v * b[j - 1];
            }
        }
        b[0] = Divide(b[0], l[1][Busca(1, 1, 0)].v);
        return b;
    }
};

// A triangulated grid of nx x ny nodes with its elements shuffled, each element's nodes in a
// random order, and the node numbering either the vertical sweep, the sweep with local swaps,
// or a random permutation. Element matrices are random positive definite.
struct Malha {
    int n = 0;
    std::vector<std::array<int, 3>> elem;
    std::vector<std::array<double, 9>> ke;
    Malha(int nx, int ny, int numeracao, std::mt19937 &rnd) {
        n = nx * ny;
        std::vector<int> num(static_cast<std::size_t>(n));
        std::iota(num.begin(), num.end(), 1);
        if (numeracao == 1)
            for (int k = 0; k + 2 < n; k += 3)
                if (rnd() % 2)
                    std::swap(num[std::size_t(k)], num[std::size_t(k + 2)]);
        if (numeracao == 2)
            std::shuffle(num.begin(), num.end(), rnd);
        auto no = [&](int x, int y) { return num[std::size_t(x * ny + y)]; };
        for (int x = 0; x + 1 < nx; ++x)
            for (int y = 0; y + 1 < ny; ++y) {
                elem.push_back({no(x, y), no(x + 1, y), no(x + 1, y + 1)});
                elem.push_back({no(x, y), no(x + 1, y + 1), no(x, y + 1)});
            }
        std::shuffle(elem.begin(), elem.end(), rnd);
        std::uniform_real_distribution<double> u(-1.0, 1.0);
        for (auto &e : elem) {
            std::shuffle(e.begin(), e.end(), rnd);
            std::array<double, 9> g{}, k{};
            for (double &v : g)
                v = u(rnd);
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    for (int m = 0; m < 3; ++m)
                        k[i * 3 + j] += g[m * 3 + i] * g[m * 3 + j];
                    if (i == j)
                        k[i * 3 + j] += 0.1;
                }
            ke.push_back(k);
        }
    }
    // Adds the upper triangle of each element matrix, as the analyses assemble.
    template <class M> void Monta(M &a) const {
        for (std::size_t e = 0; e < elem.size(); ++e)
            for (int i = 0; i < 3; ++i)
                for (int j = i; j < 3; ++j) {
                    int gi = elem[e][i], gj = elem[e][j];
                    a.Set(gi, gj, a.Get(gi, gj) + ke[e][std::size_t(i * 3 + j)]);
                }
    }
};

void EsperaBits(const TVetor &x, const std::vector<double> &y) {
    ASSERT_EQ(x.GetTamanho(), int(y.size()));
    for (int i = 1; i <= x.GetTamanho(); ++i) {
        double v = x.Get(i);
        ASSERT_EQ(std::memcmp(&v, &y[std::size_t(i - 1)], sizeof v), 0) << i;
    }
}

// Dense elimination with partial pivoting of the symmetric matrix read through Get.
std::vector<double> Denso(const TMatriz &a, int n, std::vector<double> b) {
    auto m = std::vector<std::vector<double>>(std::size_t(n), std::vector<double>(std::size_t(n)));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m[i][j] = a.Get(i + 1, j + 1);
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[p][k]))
                p = i;
        std::swap(m[k], m[p]), std::swap(b[k], b[p]);
        for (int i = k + 1; i < n; ++i) {
            double f = m[i][k] / m[k][k];
            for (int j = k; j < n; ++j)
                m[i][j] -= f * m[k][j];
            b[i] -= f * b[k];
        }
    }
    for (int k = n - 1; k >= 0; --k) {
        for (int j = k + 1; j < n; ++j)
            b[k] -= m[k][j] * b[j];
        b[k] /= m[k][k];
    }
    return b;
}

TVetor Vetor(const std::vector<double> &v) {
    TVetor t(int(v.size()));
    for (std::size_t i = 0; i < v.size(); ++i)
        t.Set(int(i + 1), v[i]);
    return t;
}

std::vector<double> Aleatorio(int n, std::mt19937 &rnd) {
    std::uniform_real_distribution<double> u(-10.0, 10.0);
    std::vector<double> v(static_cast<std::size_t>(n));
    for (double &x : v)
        x = u(rnd);
    return v;
}

} // namespace

namespace {

// Largest difference from the reference over its largest entry.
double DiferencaRelativa(const TVetor &x, const std::vector<double> &ref) {
    double d = 0, m = 0;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        d = std::max(d, std::fabs(x.Get(int(i + 1)) - ref[i]));
        m = std::max(m, std::fabs(ref[i]));
    }
    return d / m;
}

void EsperaMesmaMatriz(const TMatrizSky &a, const TMatrizSky &b) {
    ASSERT_EQ(a.GetLinhas(), b.GetLinhas());
    for (int i = 1; i <= a.GetLinhas(); ++i) {
        ASSERT_EQ(a.TamanhoLinha(i), b.TamanhoLinha(i)) << "row " << i;
        for (int p = 1; p <= a.TamanhoLinha(i); ++p) {
            ASSERT_EQ(a.ColunaNaPosicao(i, p), b.ColunaNaPosicao(i, p));
            double x = a.ValorNaPosicao(i, p), y = b.ValorNaPosicao(i, p);
            ASSERT_EQ(std::memcmp(&x, &y, sizeof x), 0) << i << "," << p;
        }
    }
}

// Rows and columns of the listed nodes become those of the identity, as prescribed values do.
template <class M> void Prescreve(M &a, int n, const std::vector<int> &nos) {
    std::vector<char> p(std::size_t(n + 1), 0);
    for (int k : nos)
        p[std::size_t(k)] = 1;
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j)
            if ((p[std::size_t(i)] || p[std::size_t(j)]) && (i == j || a.Get(i, j) != 0.0))
                a.Set(i, j, i == j ? 1.0 : 0.0);
}

std::string Erro(TGauss &g, TMatrizSky &a, std::vector<double> bv) {
    TVetor b = Vetor(bv), x(1);
    g.DefineSistema(&a, &b, &x);
    try {
        g.Resolve();
    } catch (const EMathError &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

// Mesh-like systems (sweep, locally swapped and shuffled numbering, shuffled elements, some with
// prescribed rows): the solution of the profile elimination and of a dense solve to 1e-10, A left
// as it came in and b holding the solution.
TEST(Gauss, AgreesWithTheProfileEliminationOnMeshLikeSystems) {
    std::mt19937 rnd(7);
    for (int caso = 0; caso < 12; ++caso) {
        SCOPED_TRACE(caso);
        Malha malha(6 + caso % 3 * 4, 14 + caso, caso % 3, rnd);
        TMatrizSky a(malha.n);
        Ref r(malha.n);
        malha.Monta(a), malha.Monta(r);
        if (caso % 2 == 1) {
            std::vector<int> nos;
            for (int k = 1; k <= malha.n; k += 5 + caso % 4)
                nos.push_back(k);
            Prescreve(a, malha.n, nos), Prescreve(r, malha.n, nos);
        }
        const TMatrizSky original = a;
        std::vector<double> bv = Aleatorio(malha.n, rnd);
        TVetor b = Vetor(bv), x(1);
        TGauss g;
        g.DefineSistema(&a, &b, &x);
        g.Resolve();
        EsperaMesmaMatriz(a, original);
        ASSERT_EQ(x.GetTamanho(), malha.n);
        EXPECT_EQ(std::memcmp(x.Dados(), b.Dados(), sizeof(double) * std::size_t(malha.n)), 0);
        EXPECT_LT(DiferencaRelativa(x, r.Gauss(bv)), 1e-10);
        EXPECT_LT(DiferencaRelativa(x, Denso(original, malha.n, bv)), 1e-10);
        EXPECT_GT(g.GetEntradasFator(), malha.n);
    }
}

// The ordering and symbolic analysis once per pattern, the numeric factorisation once per
// distinct matrix, and every reused factor giving bitwise what a new solver gives.
TEST(Gauss, OneAnalysisPerPatternAndOneFactorisationPerMatrix) {
    std::mt19937 rnd(11);
    Malha malha(12, 25, 2, rnd);
    TMatrizSky a(malha.n);
    TVetor b(malha.n), x(malha.n);
    TGauss g;
    int mexe = 0;        // when set, entry (mexe, mexe + 1) is moved by one ulp after assembly
    double escala = 1.0; // every value multiplied by it
    auto passo = [&](const std::vector<double> &bv) {
        a.Zera();
        malha.Monta(a);
        if (escala != 1.0)
            a.MultEscalar(escala);
        if (mexe > 0) {
            const int c = a.ColunaNaPosicao(mexe, a.TamanhoLinha(mexe));
            a.Set(mexe, c, std::nextafter(a.Get(mexe, c), 1e300));
        }
        TMatrizSky copia = a;
        b = Vetor(bv);
        TVetor bc = b, xc(1);
        g.DefineSistema(&a, &b, &x);
        g.Resolve();
        TGauss novo;
        novo.DefineSistema(&copia, &bc, &xc);
        novo.Resolve();
        EsperaBits(x, std::vector<double>(xc.Dados(), xc.Dados() + xc.GetTamanho()));
    };
    std::vector<double> b1 = Aleatorio(malha.n, rnd), b2 = Aleatorio(malha.n, rnd);
    passo(b1);
    passo(b1);
    passo(b2); // only the right-hand side changed
    EXPECT_EQ(g.GetAnalises(), 1);
    EXPECT_EQ(g.GetEliminacoes(), 1);
    mexe = 40;
    passo(b2); // one ulp: factorised again on the same analysis
    passo(b1);
    EXPECT_EQ(g.GetAnalises(), 1);
    EXPECT_EQ(g.GetEliminacoes(), 2);
    escala = 3.0;
    passo(b1);
    EXPECT_EQ(g.GetAnalises(), 1);
    EXPECT_EQ(g.GetEliminacoes(), 3);

    // The factor is reused only for the last factorised matrix.
    TVetor b3 = Vetor(b2), x3(1);
    g.DefineSistema(&a, &b3, &x3);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 3);
    TMatrizSky c = a;
    TVetor bc = Vetor(b2), xc(1);
    TGauss novo;
    novo.DefineSistema(&c, &bc, &xc);
    novo.Resolve();
    EsperaBits(x3, std::vector<double>(xc.Dados(), xc.Dados() + xc.GetTamanho()));
    c.Set(5, 5, c.Get(5, 5) * 2);
    b3 = Vetor(b2);
    g.DefineSistema(&c, &b3, &x3);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 4);
    c.SomaNaPosicao(7, 1, 0.5); // a change through a remembered position
    b3 = Vetor(b2);
    g.Resolve();
    EXPECT_EQ(g.GetEliminacoes(), 5);
    TMatrizSky c2 = c;
    bc = Vetor(b2);
    novo.DefineSistema(&c2, &bc, &xc);
    novo.Resolve();
    EsperaBits(x3, std::vector<double>(xc.Dados(), xc.Dados() + xc.GetTamanho()));

    // Same values with one row's entries in another order, then a new entry: new patterns.
    TMatrizSky trocada(malha.n);
    for (int i = 1; i <= malha.n; ++i)
        for (int p = a.TamanhoLinha(i); p >= 1; --p)
            trocada.Set(i, a.ColunaNaPosicao(i, p), a.ValorNaPosicao(i, p));
    TVetor bt = Vetor(b1), xt(1);
    g.DefineSistema(&trocada, &bt, &xt);
    g.Resolve();
    EXPECT_EQ(g.GetAnalises(), 2);
    EXPECT_LT(DiferencaRelativa(xt, std::vector<double>(x.Dados(), x.Dados() + malha.n)), 1e-12);
    trocada.Set(1, malha.n, 1e-3);
    bt = Vetor(b1);
    g.Resolve();
    EXPECT_EQ(g.GetAnalises(), 3);
    EXPECT_EQ(g.GetEliminacoes(), 7);

    // A next solver on a pattern whose solver is gone takes its analysis.
    TVetor bh = Vetor(b1), xh(1);
    auto primeiro = std::make_unique<TGauss>();
    primeiro->DefineSistema(&a, &bh, &xh);
    primeiro->Resolve();
    primeiro.reset();
    TGauss h;
    bh = Vetor(b1);
    h.DefineSistema(&a, &bh, &xh);
    h.Resolve();
    EXPECT_EQ(h.GetAnalises(), 0);
    EXPECT_LT(DiferencaRelativa(xh, Denso(a, malha.n, b1)), 1e-10);
}

// Scattered patterns that no mesh produces (rows assembled off-diagonal first, wide gaps,
// entries added between solves): positive definite ones agree with the profile elimination;
// made indefinite, they raise the division error, and the same solver goes on afterwards.
TEST(Gauss, ScatteredPatternsAgreeWithTheProfileEliminationOrRaiseTheError) {
    std::mt19937 rnd(21);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    int erros = 0;
    for (int caso = 0; caso < 200; ++caso) {
        SCOPED_TRACE(caso);
        const int n = 1 + int(rnd() % (caso % 3 == 0 ? 90 : 30));
        const double densidade = 0.05 + 0.5 * (u(rnd) + 1.0) / 2.0;
        std::vector<std::array<double, 3>> termos; // i, j, value
        std::vector<double> soma(std::size_t(n + 1), 0.0);
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if ((u(rnd) + 1.0) / 2.0 < densidade) {
                    const double v = u(rnd);
                    termos.push_back({double(j), double(i), v});
                    soma[std::size_t(i)] += std::fabs(v), soma[std::size_t(j)] += std::fabs(v);
                }
        for (int i = 1; i <= n; ++i) // diagonally dominant: positive definite
            termos.push_back({double(i), double(i), soma[std::size_t(i)] + 0.01 + (u(rnd) + 1)});
        std::shuffle(termos.begin(), termos.end(), rnd);
        TMatrizSky a(n);
        Ref r(n);
        TGauss g;
        for (int vez = 0; vez < 4; ++vez) {
            a.Zera();
            for (auto &linha : r.l)
                for (Ref::E &e : linha)
                    e.v *= 0.0;
            if (vez == 2) { // a new entry anywhere: the pattern grows
                const int i = 1 + int(rnd() % unsigned(n)), j = 1 + int(rnd() % unsigned(n));
                termos.push_back({double(i), double(j), i == j ? 1.0 : 0.0});
            }
            const bool indefinida = vez == 1 && caso % 2 == 0;
            const int k = 1 + int(rnd() % unsigned(n));
            for (const auto &t : termos) {
                const int i = int(t[0]), j = int(t[1]);
                const double v = indefinida && i == k && j == k ? -t[2] : t[2];
                a.Set(i, j, a.Get(i, j) + v);
                r.Set(i, j, r.Get(i, j) + v);
            }
            std::vector<double> bv = Aleatorio(n, rnd);
            if (indefinida) {
                ASSERT_EQ(Erro(g, a, bv), EZeroDivide::kMensagem);
                ++erros;
                continue;
            }
            TVetor b = Vetor(bv), x(1);
            g.DefineSistema(&a, &b, &x);
            g.Resolve();
            ASSERT_LT(DiferencaRelativa(x, r.Gauss(bv)), 1e-10);
        }
    }
    EXPECT_EQ(erros, 100);
}

TEST(Gauss, MatricesThatAreNotPositiveDefiniteRaiseTheMathErrors) {
    const std::string zero = EZeroDivide::kMensagem;
    TGauss g;
    TMatrizSky a(3); // zero first pivot
    a.Set(1, 1, 0), a.Set(1, 3, 0), a.Set(1, 2, 5), a.Set(2, 2, 1), a.Set(3, 3, 1);
    EXPECT_EQ(Erro(g, a, {1, 1, 1}), zero);
    TMatrizSky d(2); // singular
    d.Set(1, 1, 1), d.Set(1, 2, 1), d.Set(2, 2, 1);
    EXPECT_EQ(Erro(g, d, {1, 2}), zero);
    EXPECT_EQ(Erro(g, d, {1, 1}), zero);
    TMatrizSky c(2); // indefinite, though invertible
    c.Set(1, 1, 1), c.Set(1, 2, 2), c.Set(2, 2, 1);
    EXPECT_EQ(Erro(g, c, {1, 1}), zero);
    TMatrizSky e(2); // a row without its diagonal
    e.Set(1, 1, 1);
    EXPECT_EQ(Erro(g, e, {1, 1}), zero);
    TMatrizSky f(2); // negative definite
    f.Set(1, 1, -2), f.Set(2, 2, -3);
    EXPECT_EQ(Erro(g, f, {1, 1}), zero);
    // Values that are not finite.
    c.Set(1, 2, std::nan(""));
    EXPECT_EQ(Erro(g, c, {1, 1}), EInvalidOp::kMensagem);
    c.Set(1, 2, HUGE_VAL);
    EXPECT_EQ(Erro(g, c, {1, 1}), EOverflow::kMensagem);
    // The same solver then solves a good matrix of the last pattern.
    c.Set(1, 2, 0.5);
    TVetor b = Vetor({3, 3}), x(1);
    g.DefineSistema(&c, &b, &x);
    g.Resolve();
    EXPECT_NEAR(x.Get(1), 2.0, 1e-14);
    EXPECT_NEAR(x.Get(2), 2.0, 1e-14);
    // An empty system: nothing to solve.
    TMatrizSky vazia(0);
    TVetor bv(0), xv(3);
    g.DefineSistema(&vazia, &bv, &xv);
    g.Resolve();
    EXPECT_EQ(xv.GetTamanho(), 0);
}

// A direct solve in a process limited to 1 GiB of address space ends with its process: no
// thread pool of the numeric libraries may take the address space or keep the process alive.
// The test runs itself again in a child process under the limit.
TEST(Gauss, ASolveUnderAMemoryLimitEndsItsProcess) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit";
#endif
#endif
    if (std::getenv("DARV_SOLVE_LIMITADO")) { // the child: a 40 x 40 grid, solution all ones
        const int lado = 40, n = lado * lado;
        TMatrizSky a(n);
        for (int i = 1; i <= n; ++i) {
            a.Set(i, i, 4.5);
            if (i % lado != 0)
                a.Set(i, i + 1, -1.0);
            if (i + lado <= n)
                a.Set(i, i + lado, -1.0);
        }
        TVetor um(n), b(n), x(n);
        for (int i = 1; i <= n; ++i)
            um[i] = 1.0;
        a.MultVetor(b, um);
        TGauss g;
        g.DefineSistema(&a, &b, &x);
        g.Resolve();
        for (int i = 1; i <= n; ++i)
            ASSERT_NEAR(x[i], 1.0, 1e-12);
        // Whether a pool's threads take the address space first is a matter of timing; the
        // process must hold no thread besides its own.
        const std::filesystem::directory_iterator tarefas("/proc/self/task");
        EXPECT_EQ(std::distance(std::filesystem::begin(tarefas), std::filesystem::end(tarefas)), 1);
        return;
    }
    const std::string filtro = "--gtest_filter=Gauss.ASolveUnderAMemoryLimitEndsItsProcess";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const rlimit limite{1L << 30, 1L << 30};
        ::setrlimit(RLIMIT_AS, &limite);
        ::setenv("DARV_SOLVE_LIMITADO", "1", 1);
        ::execl("/proc/self/exe", "tests_engine", filtro.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    pid_t fim = 0;
    for (int i = 0; i < 1200 && fim == 0; ++i) { // 60 s
        fim = ::waitpid(pid, &status, WNOHANG);
        if (fim == 0)
            ::usleep(50000);
    }
    if (fim == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        FAIL() << "the process under the memory limit did not end";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

namespace {
// A lado x lado grid of the 5-point stencil with 4.5 on the diagonal, scaled by escala; b holds
// A times all ones, so the solution is all ones.
void Grade(TMatrizSky &a, TVetor &b, int lado, double escala) {
    const int n = lado * lado;
    for (int i = 1; i <= n; ++i) {
        a.Set(i, i, 4.5 * escala);
        if (i % lado != 0)
            a.Set(i, i + 1, -escala);
        if (i + lado <= n)
            a.Set(i, i + lado, -escala);
    }
    TVetor um(n);
    for (int i = 1; i <= n; ++i)
        um[i] = 1.0;
    a.MultVetor(b, um);
}

double MaiorErroDeUm(const TVetor &x) {
    double e = 0.0;
    for (int i = 1; i <= x.GetTamanho(); ++i)
        e = std::max(e, std::abs(x[i] - 1.0));
    return e;
}

long Tarefas() {
    const std::filesystem::directory_iterator tarefas("/proc/self/task");
    return long(std::distance(std::filesystem::begin(tarefas), std::filesystem::end(tarefas)));
}
} // namespace

// The solver's parallel regions run on the calling thread, those of everyone else in the
// runtime's team. The factorisation comes first: no region has started the runtime's threads yet.
TEST(Gauss, OnlyTheSolverRunsItsParallelRegionsOnTheCallingThread) {
    {
        const int lado = 300, n = lado * lado;
        TMatrizSky a(n);
        TVetor b(n), x(n);
        Grade(a, b, lado, 1.0);
        const TVetor b0 = b; // b takes the solution
        const long antes = Tarefas();
        TGauss g;
        g.DefineSistema(&a, &b, &x);
        g.Resolve();
        a.MultEscalar(2.0); // the same pattern: a refactorisation
        b0.MultEscalar(b, 2.0);
        g.Resolve();
        EXPECT_EQ(g.GetEliminacoes(), 2);
        EXPECT_LT(MaiorErroDeUm(x), 1e-10);
        EXPECT_EQ(Tarefas(), antes) << "the factorisation started threads";
    }
    struct Caso {
        const char *nome;
        int equipe;
        bool resolve; // each thread of the team also solves a system of its own
    };
    const Caso casos[] = {
        {"a team of four", 4, false},
        {"a team of three", 3, false},
        {"solves inside a team of four", 4, true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const int faixa = 1200, parte = faixa / c.equipe;
        std::vector<int> vezes(faixa, 0);
        std::vector<std::array<int, 3>> visto(std::size_t(c.equipe), {0, 0, 0});
        std::vector<double> erro(std::size_t(c.equipe), -1.0);
#pragma omp parallel num_threads(c.equipe)
        {
            const int t = omp_get_thread_num(), nt = omp_get_num_threads();
            if (t < c.equipe)
                visto[std::size_t(t)] = {nt, omp_in_parallel(), omp_get_level()};
            for (int i = t * parte; i < (t + 1) * parte && i < faixa; ++i)
                ++vezes[std::size_t(i)]; // split by the team size asked for
            if (c.resolve && t < c.equipe) {
                const int lado = 60, n = lado * lado;
                TMatrizSky a(n);
                TVetor b(n), x(n);
                Grade(a, b, lado, 1.0 + t);
                // One solve at a time: the serial BLAS is not safe across threads.
#pragma omp critical
                try {
                    TGauss g;
                    g.DefineSistema(&a, &b, &x);
                    g.Resolve();
                    erro[std::size_t(t)] = MaiorErroDeUm(x);
                } catch (...) { // a partial factor: a zero pivot
                    erro[std::size_t(t)] = HUGE_VAL;
                }
            }
        }
        for (int t = 0; t < c.equipe; ++t) {
            EXPECT_EQ(visto[std::size_t(t)][0], c.equipe) << "thread " << t;
            EXPECT_EQ(visto[std::size_t(t)][1], 1) << "thread " << t;
            EXPECT_EQ(visto[std::size_t(t)][2], 1) << "thread " << t;
            if (c.resolve) {
                EXPECT_GE(erro[std::size_t(t)], 0.0) << "thread " << t;
                EXPECT_LT(erro[std::size_t(t)], 1e-10) << "thread " << t;
            }
        }
        EXPECT_EQ(std::count(vezes.begin(), vezes.end(), 1), faixa);
    }
}
