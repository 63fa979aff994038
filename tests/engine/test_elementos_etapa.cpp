#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <random>

#include "fem/ElementosEtapa.h"
#include "matematica/UTMath.h"
#include "uPlataforma.h"

namespace {

class ElementosEtapa : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ =
            std::filesystem::temp_directory_path() /
            ("darv_elementos_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(pasta_);
        DefinePastaPadrao(pasta_);
    }
    void TearDown() override {
        DefinePastaPadrao({});
        std::filesystem::remove_all(pasta_);
    }
    std::filesystem::path pasta_;
};

// The plain reading: every element in order, bounding box then the polygon test.
int ProcuraLinear(const TElementosEtapa &el, double x, double y) {
    for (int e = 0; e < el.NumElementos(); ++e) {
        const double *ex = &el.X[std::size_t(3 * e)], *ey = &el.Y[std::size_t(3 * e)];
        if (!(std::min({ey[0], ey[1], ey[2]}) <= y && y <= std::max({ey[0], ey[1], ey[2]}) &&
              std::min({ex[0], ex[1], ex[2]}) <= x && x <= std::max({ex[0], ex[1], ex[2]})))
            continue;
        const TPontoReal v[3] = {{ex[0], ey[0]}, {ex[1], ey[1]}, {ex[2], ey[2]}};
        if (TUT_Math::PontoNoPoligono({x, y}, v, 2))
            return e;
    }
    return -1;
}

// A structured triangulation of [0, w] x [0, h] (two counter-clockwise triangles per cell),
// followed by some triangles overlapping it.
TElementosEtapa Malha(int nx, int ny, double w, double h, std::mt19937 &rng, int extras) {
    std::vector<double> v, xs, ys;
    auto tri = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
        for (auto [x, y] : {std::pair{x1, y1}, {x2, y2}, {x3, y3}}) {
            xs.push_back(x);
            ys.push_back(y);
            v.push_back(2.0 * x - 3.0 * y + 1.0);
        }
    };
    const double dx = w / nx, dy = h / ny;
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const double x = i * dx, y = j * dy;
            tri(x, y, x + dx, y, x + dx, y + dy);
            tri(x, y, x + dx, y + dy, x, y + dy);
        }
    std::uniform_real_distribution<double> ux(0, w), uy(0, h), r(0.1, 3.0);
    for (int k = 0; k < extras; ++k) {
        const double x = ux(rng), y = uy(rng), s = r(rng) * dx;
        tri(x, y, x + s, y, x, y + s);
    }
    TElementosEtapa el;
    el.Define(v, xs, ys);
    return el;
}

} // namespace

TEST_F(ElementosEtapa, FileNameAndLineLayout) {
    EXPECT_EQ(TElementosEtapa::NomeArquivo(3), pasta_ / "ElementosEtapa3.res");
    std::string s;
    const double t[3] = {20.0, -1.5, 123.456789};
    const double x[3] = {0.0, 1.0, 1000.0};
    const double y[3] = {0.5, 2.25, -3.0};
    TElementosEtapa::AppendLinha(s, t, x, y);
    EXPECT_EQ(s, "  20.00000   0.00000   0.50000  "
                 "  -1.50000   1.00000   2.25000  "
                 " 123.456791000.00000  -3.00000  \n");
    // Numbers past the fast formatting keep their full text, field by field.
    const double grandes[3] = {1e20, -1e300, -0.0};
    std::string g, esperado;
    TElementosEtapa::AppendLinha(g, grandes, t, grandes);
    for (int k = 0; k < 3; ++k) {
        AppendFixo(esperado, grandes[k], 10, 5);
        AppendFixo(esperado, t[k], 10, 5);
        AppendFixo(esperado, grandes[k], 10, 5);
        esperado += "  ";
    }
    EXPECT_EQ(g, esperado + "\n");
}

TEST_F(ElementosEtapa, ReadsBackEvenWhereNumbersTouch) {
    std::string s;
    const double t[3] = {20.0, -12345.5, 7.0};
    const double x[3] = {1000.0, -2000.25, 0.125};
    const double y[3] = {99999.5, 3.0, -0.00001};
    TElementosEtapa::AppendLinha(s, t, x, y);
    TElementosEtapa::AppendLinha(s, x, y, t);
    const std::size_t fim = s.find('\n');
    s = s.substr(0, fim) + "\r" + s.substr(fim); // a Windows line end
    const auto arq = TElementosEtapa::NomeArquivo(1);
    EscreveArquivo(arq, s);
    TElementosEtapa el;
    el.Le(arq);
    ASSERT_EQ(el.NumElementos(), 2);
    EXPECT_EQ(el.Valores, (std::vector<double>{20.0, -12345.5, 7.0, 1000.0, -2000.25, 0.125}));
    EXPECT_EQ(el.X, (std::vector<double>{1000.0, -2000.25, 0.125, 99999.5, 3.0, -0.00001}));
    EXPECT_EQ(el.Y, (std::vector<double>{99999.5, 3.0, -0.00001, 20.0, -12345.5, 7.0}));
}

TEST_F(ElementosEtapa, ValueAsReadBackWithoutTheText) {
    // Written and read back through the file against the value taken without the text: halves
    // of the last decimal, signs and negative zeros, the widest numbers taken, random ones.
    std::vector<double> v = {
        0.0,        -0.0,      1e-6,       -1e-6,    0.000005,        -0.000015,        0.125,
        2.675,      -1.000005, 123.456785, 8.9999e9, 8.99999999999e9, -8.99999999999e9, 1e-300,
        4.999999e-6};
    std::mt19937_64 r(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (int i = 0; i < 30000; ++i)
        v.push_back(u(r) * std::pow(10.0, i % 14 - 4));
    for (int i = 0; i < 3000; ++i) // exact halves of the fifth decimal and their neighbours
        v.push_back(std::nextafter((i * 10 + 5) * 1e-6, i % 3 - 1.0));
    std::string s;
    std::vector<double> esperado;
    for (std::size_t i = 0; i + 3 <= v.size(); i += 3) {
        const double zero[3] = {0, 0, 0};
        TElementosEtapa::AppendLinha(s, &v[i], zero, zero);
    }
    const auto arq = TElementosEtapa::NomeArquivo(1);
    EscreveArquivo(arq, s);
    TElementosEtapa el;
    el.Le(arq);
    ASSERT_EQ(el.Valores.size(), v.size() / 3 * 3);
    for (std::size_t i = 0; i < el.Valores.size(); ++i) {
        double lido = 0.0;
        ASSERT_TRUE(TElementosEtapa::ValorLido(v[i], lido)) << v[i];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(lido), std::bit_cast<std::uint64_t>(el.Valores[i]))
            << std::setprecision(17) << v[i];
    }
    double lido;
    EXPECT_FALSE(TElementosEtapa::ValorLido(1e10, lido));
    EXPECT_FALSE(TElementosEtapa::ValorLido(std::nan(""), lido));
}

TEST_F(ElementosEtapa, BadOrMissingFilesNameTheFile) {
    TElementosEtapa el;
    try {
        el.Le(TElementosEtapa::NomeArquivo(9));
        FAIL();
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("ElementosEtapa9.res"), std::string::npos);
    }
    const auto arq = TElementosEtapa::NomeArquivo(2);
    EscreveArquivo(arq, "  1.00000  0.00000  0.00000  2.00000  1.00000\n");
    try {
        el.Le(arq);
        FAIL();
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("ElementosEtapa2.res, linha 1"), std::string::npos);
    }
    EscreveArquivo(arq, "");
    el.Le(arq);
    EXPECT_EQ(el.NumElementos(), 0);
    EXPECT_EQ(el.Procura(0, 0), -1);
    EXPECT_EQ(el.ProcuraProximo(0, 0, 1.0), -1);
}

TEST_F(ElementosEtapa, GridFindsTheSameElementAsTheScan) {
    std::mt19937 rng(7);
    for (auto [nx, ny, w, h, extras] : {std::tuple{1, 1, 1.0, 1.0, 0},
                                        {7, 3, 14.0, 3.0, 40},
                                        {20, 20, 1.0, 1.0, 300},
                                        {40, 2, 100.0, 0.5, 25}}) {
        const TElementosEtapa el = Malha(nx, ny, w, h, rng, extras);
        std::uniform_real_distribution<double> ux(-0.1 * w, 1.1 * w), uy(-0.1 * h, 1.1 * h);
        int achados = 0;
        for (int k = 0; k < 4000; ++k) {
            const double x = ux(rng), y = uy(rng);
            const int e = el.Procura(x, y);
            ASSERT_EQ(e, ProcuraLinear(el, x, y)) << x << " " << y;
            achados += e >= 0;
        }
        EXPECT_GT(achados, 2000);
        // Grid nodes and edge midpoints: points shared by several elements.
        for (int i = 0; i <= 2 * nx; ++i)
            for (int j = 0; j <= 2 * ny; ++j) {
                const double x = i * w / (2 * nx), y = j * h / (2 * ny);
                ASSERT_EQ(el.Procura(x, y), ProcuraLinear(el, x, y)) << x << " " << y;
            }
    }
}

TEST_F(ElementosEtapa, SharedEdgeGoesToTheFirstElement) {
    // Two triangles sharing the diagonal; listed both ways.
    TElementosEtapa a, b;
    a.Define({1, 1, 1, 2, 2, 2}, {0, 1, 1, 0, 1, 0}, {0, 0, 1, 0, 1, 1});
    b.Define({2, 2, 2, 1, 1, 1}, {0, 1, 0, 0, 1, 1}, {0, 1, 1, 0, 0, 1});
    EXPECT_EQ(a.Procura(0.5, 0.5), 0);
    EXPECT_EQ(b.Procura(0.5, 0.5), 0);
    EXPECT_EQ(a.Interpola(0, 0.5, 0.5), 1.0);
    EXPECT_EQ(b.Interpola(0, 0.5, 0.5), 2.0);
    EXPECT_EQ(a.Procura(0.9, 0.1), 0);
    EXPECT_EQ(a.Procura(0.1, 0.9), 1);
    EXPECT_EQ(a.Procura(1.0 + 1e-9, 0.5), -1);
    // Just outside the rounded boundary: the nearest element within the tolerance.
    EXPECT_EQ(a.ProcuraProximo(1.0 + 1e-6, 0.5, 1e-5), 0);
    EXPECT_EQ(a.ProcuraProximo(-1e-6, 0.9, 1e-5), 1);
    EXPECT_EQ(a.ProcuraProximo(1.1, 0.5, 1e-5), -1);
}

TEST_F(ElementosEtapa, InterpolationOfLinearAndUniformFields) {
    std::mt19937 rng(3);
    const TElementosEtapa el = Malha(5, 4, 2.0, 1.0, rng, 0);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int k = 0; k < 500; ++k) {
        const double x = 2.0 * u(rng), y = u(rng);
        const int e = el.Procura(x, y);
        ASSERT_GE(e, 0);
        EXPECT_NEAR(el.Interpola(e, x, y), 2.0 * x - 3.0 * y + 1.0, 1e-12);
    }
    // At a node, that node's value.
    EXPECT_NEAR(el.Interpola(3, el.X[10], el.Y[10]), el.Valores[10], 1e-14);
    // A uniform field comes back bit for bit.
    TElementosEtapa u20;
    u20.Define({20.3, 20.3, 20.3}, {0.1, 0.7, 0.3}, {0.2, 0.3, 0.9});
    for (int k = 0; k < 200; ++k)
        EXPECT_EQ(u20.Interpola(0, u(rng), u(rng)), 20.3);
}

TEST_F(ElementosEtapa, ExtremeProportionsStillFindTheirElement) {
    // A sliver 1e300 wide and 1e-300 high, and one with an infinite extent.
    for (double largura : {1e300, 1.7e308}) {
        TElementosEtapa g;
        g.Define({1, 2, 3, 4, 5, 6}, {0, largura, 0, 0, largura, largura},
                 {0, 0, 1e-300, 1e-300, 0, 1e-300});
        EXPECT_EQ(g.Procura(1.0, 1e-301), 0) << largura;
        EXPECT_LT(g.Procura(-1.0, 5.0), 0) << largura;
    }
}
