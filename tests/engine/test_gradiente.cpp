#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "uMatematica.h"
#include "uPlataforma.h"

namespace {

using Denso = std::vector<std::vector<double>>;

// Dense elimination with partial pivoting.
std::vector<double> ResolveDenso(Denso m, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[p][k]))
                p = i;
        std::swap(m[k], m[p]), std::swap(b[k], b[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = m[i][k] / m[k][k];
            for (std::size_t j = k; j < n; ++j)
                m[i][j] -= f * m[k][j];
            b[i] -= f * b[k];
        }
    }
    for (std::size_t k = n; k-- > 0;) {
        for (std::size_t j = k + 1; j < n; ++j)
            b[k] -= m[k][j] * b[j];
        b[k] /= m[k][k];
    }
    return b;
}

// A stiffness-like matrix of a chain of random positive element matrices on a grid of nx x ny
// nodes, with rows scaled by up to `escala` and, for the nodes in `fixos`, identity rows and
// columns as the prescription of temperatures leaves them.
struct Sistema {
    int n;
    Denso m;
    Sistema(int nx, int ny, double escala, const std::vector<int> &fixos, std::mt19937 &rnd)
        : n(nx * ny), m(std::size_t(n), std::vector<double>(std::size_t(n), 0.0)) {
        std::uniform_real_distribution<double> u(0.5, 1.5), s(0.0, std::log10(escala));
        std::vector<double> f(static_cast<std::size_t>(n));
        for (double &v : f)
            v = std::pow(10.0, s(rnd));
        auto liga = [&](int i, int j) {
            const double k = u(rnd) * std::sqrt(f[std::size_t(i)] * f[std::size_t(j)]);
            m[i][i] += k, m[j][j] += k, m[i][j] -= k, m[j][i] -= k;
        };
        for (int x = 0; x < nx; ++x)
            for (int y = 0; y < ny; ++y) {
                const int i = x * ny + y;
                m[i][i] += 0.01 * f[std::size_t(i)];
                if (x + 1 < nx)
                    liga(i, i + ny);
                if (y + 1 < ny)
                    liga(i, i + 1);
            }
        for (int k : fixos) {
            for (int j = 0; j < n; ++j)
                m[std::size_t(k)][std::size_t(j)] = m[std::size_t(j)][std::size_t(k)] = 0.0;
            m[std::size_t(k)][std::size_t(k)] = 1.0;
        }
    }
    // Upper triangle, each row's entries appended from the last column down, so that the
    // diagonal is not first.
    TMatrizSky Esparsa() const {
        TMatrizSky a(n);
        for (int i = 0; i < n; ++i)
            for (int j = n - 1; j >= i; --j)
                if (m[std::size_t(i)][std::size_t(j)] != 0.0 || i == j)
                    a.Set(i + 1, j + 1, m[std::size_t(i)][std::size_t(j)]);
        return a;
    }
};

TVetor Vetor(const std::vector<double> &v) {
    TVetor t(int(v.size()));
    for (std::size_t i = 0; i < v.size(); ++i)
        t.Set(int(i + 1), v[i]);
    return t;
}

double MaiorDiferenca(const TVetor &x, const std::vector<double> &y) {
    double d = 0.0;
    for (int i = 1; i <= x.GetTamanho(); ++i)
        d = std::max(d, std::fabs(x.Get(i) - y[std::size_t(i - 1)]));
    return d;
}

} // namespace

TEST(Gradiente, ReachesTheDenseSolutionOnBadlyScaledRowsBesideIdentityRows) {
    std::mt19937 rnd(5);
    for (double escala : {1.0, 1e4, 1e8}) {
        SCOPED_TRACE(escala);
        Sistema s(12, 10, escala, {0, 5, 37, 119}, rnd);
        TMatrizSky a = s.Esparsa();
        const TMatrizSky original = a;
        // Prescribed rows ask for 100 while the start is 20 everywhere.
        std::vector<double> bv(std::size_t(s.n), 0.0);
        for (int k : {0, 5, 37, 119})
            bv[std::size_t(k)] = 100.0;
        bv[60] = 3.0 * escala;
        const std::vector<double> d = ResolveDenso(s.m, bv);
        TVetor b = Vetor(bv), x = Vetor(std::vector<double>(std::size_t(s.n), 20.0));
        TGradiente g(1000, 1e-12);
        g.DefineSistema(&a, &b, &x);
        g.Resolve();
        EXPECT_TRUE(g.GetConvergiu());
        EXPECT_LT(g.GetIteracoes(), 1000);
        EXPECT_LT(MaiorDiferenca(x, d), 1e-8);
        EXPECT_NEAR(x.Get(38), 100.0, 1e-9);
        // A and b are left as they were, apart from the diagonal standing first.
        for (int i = 1; i <= s.n; ++i) {
            EXPECT_EQ(b.Get(i), bv[std::size_t(i - 1)]);
            EXPECT_EQ(a.ColunaNaPosicao(i, 1), i);
            for (int j = i; j <= s.n; ++j)
                ASSERT_EQ(a.Get(i, j), original.Get(i, j));
        }
    }
}

TEST(Gradiente, LimitCountAndConvergenceFlag) {
    std::mt19937 rnd(9);
    Sistema s(15, 15, 1e3, {}, rnd);
    TMatrizSky a = s.Esparsa();
    std::vector<double> bv(std::size_t(s.n), 1.0);
    TVetor b = Vetor(bv), x(s.n);
    TGradiente base(1, 1e-10);
    auto g = TGradiente::CreateCopia(base);
    g->DefineSistema(&a, &b, &x);
    g->Resolve();
    EXPECT_EQ(g->GetIteracoes(), 2); // the first step and one further pass
    EXPECT_FALSE(g->GetConvergiu());
    EXPECT_EQ(g->GetMaxIteracoes(), 1);
    EXPECT_EQ(g->GetTolerancia(), 1e-10);

    // Given room, the same solver meets the tolerance and says so.
    TGradiente folgado(500, 1e-10);
    folgado.DefineSistema(&a, &b, &x);
    folgado.Resolve();
    EXPECT_TRUE(folgado.GetConvergiu());
    EXPECT_LE(folgado.GetIteracoes(), 500);
    EXPECT_LT(MaiorDiferenca(x, ResolveDenso(s.m, bv)), 1e-7);
}

TEST(Gradiente, NonNegativeFlagKeepsEveryEntryAtZeroOrAbove) {
    std::mt19937 rnd(2);
    Sistema s(8, 8, 10.0, {}, rnd);
    TMatrizSky a = s.Esparsa();
    std::vector<double> bv(std::size_t(s.n));
    for (std::size_t i = 0; i < bv.size(); ++i)
        bv[i] = i < bv.size() / 2 ? -5.0 : 4.0;
    TVetor b = Vetor(bv), x(s.n);
    TGradiente base(200, 1e-9);
    base.SetNaoNegativo(true);
    auto g = TGradiente::CreateCopia(base);
    EXPECT_TRUE(g->GetNaoNegativo());
    g->DefineSistema(&a, &b, &x);
    g->Resolve();
    bool algumZero = false;
    for (int i = 1; i <= s.n; ++i) {
        EXPECT_GE(x.Get(i), 0.0);
        algumZero = algumZero || x.Get(i) == 0.0;
    }
    EXPECT_TRUE(algumZero);
}

TEST(Gradiente, ExactStartReturnsAndZeroDenominatorsRaiseThePlatformErrors) {
    auto resolve = [](TMatrizSky &a, std::vector<double> bv, std::vector<double> xv, bool naoNeg,
                      TVetor *saida = nullptr) -> std::string {
        TVetor b = Vetor(bv), x = Vetor(xv);
        TGradiente g(10, 1e-3);
        g.SetNaoNegativo(naoNeg);
        g.DefineSistema(&a, &b, &x);
        try {
            g.Resolve();
        } catch (const EMathError &e) {
            for (int i = 1; i <= x.GetTamanho(); ++i)
                EXPECT_FALSE(std::isnan(x.Get(i)));
            return e.what();
        }
        if (saida)
            *saida = x;
        return "no error";
    };
    TMatrizSky a(2);
    a.Set(1, 1, 2), a.Set(2, 2, 3);
    TVetor x;
    EXPECT_EQ(resolve(a, {2, 3}, {1, 1}, false, &x), "no error"); // exact start
    EXPECT_EQ(x.Get(1), 1.0);
    EXPECT_EQ(x.Get(2), 1.0);
    TMatrizSky zeros(2); // every row and b zero: x = 0 already solves it
    zeros.Set(1, 1, 0), zeros.Set(2, 2, 0);
    EXPECT_EQ(resolve(zeros, {0, 0}, {0, 0}, false), "no error");
    TMatrizSky s(1);
    s.Set(1, 1, 0);
    EXPECT_EQ(resolve(s, {1}, {0}, false), EZeroDivide::kMensagem); // zero diagonal
    TMatrizSky u(1);
    u.Set(1, 1, 1);
    EXPECT_EQ(resolve(u, {-1}, {0}, true), EZeroDivide::kMensagem); // |x| = 0 when stopping
    // Solved exactly in one step: no further pass divides by zero.
    EXPECT_EQ(resolve(u, {-1}, {0}, false, &x), "no error");
    EXPECT_EQ(x.Get(1), -1.0);
    TMatrizSky ind(2); // indefinite: g.A.g = 0 on the first direction
    ind.Set(1, 1, 1), ind.Set(2, 2, -1);
    EXPECT_EQ(resolve(ind, {1, 1}, {0, 0}, false), EInvalidOp::kMensagem);
}
