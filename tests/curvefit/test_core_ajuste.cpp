#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Ajuste.h"
#include "Numeros.h"

using namespace lumacord;

namespace {

struct Ajuste : ::testing::Test {
    TAjusteCurva a;
    std::vector<std::string> mensagens;

    void SetUp() override {
        a.OnMensagem = [this](const std::string &m) { mensagens.push_back(m); };
    }
    void Pontos(const std::vector<std::pair<double, double>> &pts) {
        for (std::size_t i = 0; i < pts.size(); ++i)
            a.DefinePonto(int(i) + 1, pts[i].first, pts[i].second);
        a.NumPontos = int(pts.size());
    }
    TResultadoAjuste Ajusta(char sep = '.') {
        TResultadoAjuste r{"antes", "antes", "antes", "antes"};
        a.Ajusta(sep, r);
        return r;
    }
};

void EsperaResultado(const TResultadoAjuste &r, const char *eq, const char *A, const char *B,
                     const char *R2) {
    EXPECT_EQ(r.Equacao, eq);
    EXPECT_EQ(r.A, A);
    EXPECT_EQ(r.B, B);
    EXPECT_EQ(r.R2, R2);
}

} // namespace

TEST_F(Ajuste, FitsEachCurveThroughExactPoints) {
    Pontos({{1, 3}, {2, 5}, {3, 7}});
    a.TipoCurva = 1;
    EsperaResultado(Ajusta(), "y=A+B.x", "1", "2", "1");
    EXPECT_DOUBLE_EQ(a.a11, 3);
    EXPECT_DOUBLE_EQ(a.a22, 14);
    EXPECT_DOUBLE_EQ(a.b2, 34);

    // y = x / (2 + 0.5 x): the line's intercept is B and its slope is A.
    Pontos({{1, 1 / 2.5}, {2, 2 / 3.0}, {4, 1.0}, {8, 8 / 6.0}});
    a.TipoCurva = 3;
    EsperaResultado(Ajusta(','), "y=x/(A+B.x)", "2", "0,5", "1");
    EXPECT_NEAR(a.CoefLinear, 0.5, 1e-12);
    EXPECT_NEAR(a.CoefAngular, 2, 1e-12);
    EXPECT_NEAR(a.Y(4), 1.0, 1e-12);

    Pontos({{0.5, 3 + 4 / 0.5}, {1, 7}, {4, 4}});
    a.TipoCurva = 2;
    EsperaResultado(Ajusta(), "y=A+(B/x)", "3", "4", "1");

    Pontos({{1, 1.5}, {std::exp(1.0), 1.5 - 0.25}, {std::exp(2.0), 1.0}});
    a.TipoCurva = 4;
    EsperaResultado(Ajusta(','), "y=A+B.ln(x)", "1,5", "-0,25", "1");
    EXPECT_TRUE(mensagens.empty());
}

TEST_F(Ajuste, RSquaredIsRegressionOverRegressionPlusResidual) {
    // Worked by hand: the line through (1/x, y) is y = 3 - (12/7)/x, SSreg = 6/7, SSres = 8/7.
    Pontos({{1, 1}, {2, 3}, {4, 2}});
    a.TipoCurva = 2;
    EsperaResultado(Ajusta(','), "y=A+(B/x)", "3", "-1,71428571", "0,42857");
    EXPECT_NEAR(a.CoefR2, 3.0 / 7.0, 1e-12);
    EXPECT_NEAR(a.Media(), 2.0, 1e-15);

    // Before any curve is chosen the code is 0: the logarithmic curve.
    TAjusteCurva b;
    b.DefinePonto(1, 1, 2);
    b.DefinePonto(2, std::exp(1.0), 5);
    b.NumPontos = 2;
    TResultadoAjuste r;
    ASSERT_TRUE(b.Ajusta('.', r));
    EsperaResultado(r, "y=A+B.ln(x)", "2", "3", "1");
}

TEST_F(Ajuste, ConstantYGivesRSquaredOne) {
    for (int tipo : {1, 2, 3, 4}) {
        SCOPED_TRACE(tipo);
        Pontos({{1, 0.1}, {2, 0.1}, {3, 0.1}, {7, 0.1}});
        a.TipoCurva = tipo;
        const auto r = Ajusta(',');
        EXPECT_EQ(r.R2, "1");
        EXPECT_EQ(a.CoefR2, 1.0);
    }
    // Exact zeros: the 0/0 case itself.
    Pontos({{1, 0}, {2, 0}});
    a.TipoCurva = 1;
    EXPECT_EQ(Ajusta().R2, "1");
}

TEST_F(Ajuste, SingularSystemsKeepTheResults) {
    const auto singular = [&](const char *caso) {
        SCOPED_TRACE(caso);
        mensagens.clear();
        a.CoefLinear = 11;
        a.CoefAngular = 22;
        TResultadoAjuste r{"eq", "a", "b", "r2"};
        EXPECT_FALSE(a.Ajusta('.', r));
        ASSERT_EQ(mensagens.size(), 1u);
        EXPECT_EQ(mensagens[0], "Não é possível ajustar uma curva.");
        EXPECT_EQ(a.CoefLinear, 11);
        EXPECT_EQ(a.CoefAngular, 22);
        EXPECT_EQ(r.A, "a");
        EXPECT_EQ(r.R2, "r2");
    };
    a.TipoCurva = 1;
    singular("no points");
    Pontos({{2, 5}});
    singular("one point");

    // Points sharing one x leave a determinant of rounding noise, not an exact zero.
    Pontos({{0.1, 1}, {0.1, 2}, {0.1, 4}, {0.1, 5}, {0.1, 6}});
    a.Linearizacao();
    a.CalculoDosCoeficientes();
    ASSERT_NE(a.a11 * a.a22 - a.a12 * a.a21, 0.0);
    singular("repeated x");
    a.TipoCurva = 3;
    singular("repeated x, curve 3");

    // Two distinct x are enough.
    Pontos({{0.1, 1}, {0.2, 2}});
    a.TipoCurva = 1;
    EXPECT_EQ(Ajusta().B, "10");
}

// The singularity test sits at rounding level: exact data far from the origin fits, points
// sharing one x are refused.
TEST_F(Ajuste, SingularityAtRoundingLevel) {
    struct Caso {
        const char *nome;
        std::vector<std::pair<double, double>> pontos;
        const char *A, *B; // nullptr: refused
    };
    const std::vector<std::pair<double, double>> x07(7, {0.7, 1});
    const std::vector<std::pair<double, double>> longe(7, {1e6 + 0.1, 1});
    const Caso casos[] = {
        {"x near 1e6", {{1e6, 1}, {1e6 + 1, 3}, {1e6 + 2, 5}}, "-1999999", "2"},
        {"x = 0.7 seven times", x07, nullptr, nullptr},
        {"x = 1e6 + 0.1 seven times", longe, nullptr, nullptr},
    };
    a.TipoCurva = 1;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        mensagens.clear();
        Pontos(c.pontos);
        const TResultadoAjuste r = Ajusta();
        if (c.A) {
            EXPECT_TRUE(mensagens.empty());
            EXPECT_EQ(r.A, c.A);
            EXPECT_EQ(r.B, c.B);
            EXPECT_EQ(r.R2, "1");
        } else {
            ASSERT_EQ(mensagens.size(), 1u);
            EXPECT_EQ(mensagens[0], "Não é possível ajustar uma curva.");
            EXPECT_EQ(r.A, "antes");
        }
    }
}

TEST_F(Ajuste, FloatingPointErrorsOfTheLinearisation) {
    struct Caso {
        int tipo;
        double x, y;
        const char *erro;
    };
    const char *div = "Floating point division by zero";
    const char *inv = "Invalid floating point operation";
    for (const Caso &c : {Caso{2, 0, 1, div}, Caso{3, 0, 1, div}, Caso{3, 1, 0, div},
                          Caso{4, 0, 1, div}, Caso{0, 0, 1, div}, Caso{4, -1, 1, inv}}) {
        SCOPED_TRACE(c.tipo);
        Pontos({{2, 2}, {c.x, c.y}, {3, 1}});
        a.TipoCurva = c.tipo;
        a.CoefLinear = 11;
        TResultadoAjuste r{"eq", "a", "b", "r2"};
        try {
            a.Ajusta(',', r);
            ADD_FAILURE();
        } catch (const EMathError &e) {
            EXPECT_STREQ(e.what(), c.erro);
        }
        EXPECT_EQ(a.CoefLinear, 11);
        EXPECT_EQ(r.A, "a");
    }
    // Curve 1 takes x = 0 and y = 0.
    Pontos({{0, 0}, {1, 2}});
    a.TipoCurva = 1;
    EXPECT_EQ(Ajusta().B, "2");
}

TEST_F(Ajuste, CoefficientsTooLargeToRoundAreShownAsTheyAreAndAFailedFitChangesNothing) {
    // B = 1e11 is beyond the 64-bit range of the rounding: shown unrounded.
    Pontos({{1, 1e11}, {2, 2e11}});
    a.TipoCurva = 1;
    TResultadoAjuste r{"eq", "a", "b", "r2"};
    ASSERT_TRUE(a.Ajusta('.', r));
    EXPECT_EQ(r.Equacao, "y=A+B.x");
    EXPECT_EQ(r.A, "0");
    EXPECT_EQ(r.B, "100000000000");
    EXPECT_EQ(r.R2, "1");
    Pontos({{1, 1e11 + 1}, {2, 1e11 + 2}});
    a.TipoCurva = 2;
    ASSERT_TRUE(a.Ajusta(',', r));
    EXPECT_EQ(r.A, "100000000003");
    EXPECT_EQ(r.B, "-2");

    // A fit that fails leaves the coefficients, R2 and the texts of the last good one.
    const double linear = a.CoefLinear, angular = a.CoefAngular, r2 = a.CoefR2;
    const TResultadoAjuste antes = r;
    a.TipoCurva = 1;
    Pontos({{1e200, 1}, {2e200, 2}}); // squares that overflow
    EXPECT_THROW(a.Ajusta('.', r), EOverflow);
    Pontos({{0, 1}, {2, 2}});
    a.TipoCurva = 2; // 1/x at x = 0
    EXPECT_THROW(a.Ajusta('.', r), EZeroDivide);
    EXPECT_EQ(a.CoefLinear, linear);
    EXPECT_EQ(a.CoefAngular, angular);
    EXPECT_EQ(a.CoefR2, r2);
    EXPECT_EQ(r.Equacao, antes.Equacao);
    EXPECT_EQ(r.A, antes.A);
    EXPECT_EQ(r.B, antes.B);
    EXPECT_EQ(r.R2, antes.R2);
}

TEST_F(Ajuste, CurveValuesNeverNaNOrInfinite) {
    a.CoefLinear = 1;
    a.CoefAngular = 2;
    a.TipoCurva = 1;
    EXPECT_DOUBLE_EQ(a.Y(3), 7);
    EXPECT_THROW(a.Y(1e308), EOverflow);

    a.TipoCurva = 2;
    EXPECT_DOUBLE_EQ(a.Y(4), 1.5);
    EXPECT_THROW(a.Y(0), EAbort);
    EXPECT_THROW(a.Y(1e-320), EOverflow);

    a.TipoCurva = 4;
    EXPECT_DOUBLE_EQ(a.Y(1), 1);
    EXPECT_THROW(a.Y(0), EAbort);
    EXPECT_THROW(a.Y(-2), EInvalidOp);
    ASSERT_EQ(mensagens.size(), 2u);
    EXPECT_EQ(mensagens[0], "Não é possível calcular: Divisão por zero.");
    EXPECT_EQ(mensagens[1], "Não é possível calcular: Ln(0).");

    // Curve 3: x / (a x + b), pole at x = -b / a.
    a.TipoCurva = 3;
    EXPECT_DOUBLE_EQ(a.Y(2), 0.5);
    EXPECT_DOUBLE_EQ(a.Y(0), 0);
    EXPECT_THROW(a.Y(-2), EZeroDivide);
    a.CoefAngular = 0;
    EXPECT_THROW(a.Y(0), EInvalidOp);
    EXPECT_EQ(mensagens.size(), 2u);
}

TEST_F(Ajuste, TableHoldsThirtyRows) {
    EXPECT_NO_THROW(a.DefinePonto(30, 1, 2));
    EXPECT_DOUBLE_EQ(a.Ponto(30, 2), 2);
    EXPECT_THROW(a.DefinePonto(31, 1, 2), std::out_of_range);
    EXPECT_THROW(a.DefinePonto(0, 1, 2), std::out_of_range);
}

TEST(ArmazenaPontos, StoresRowsByTheirGridNumber) {
    TAjusteCurva a;
    EXPECT_EQ(ArmazenaPontos({{"1,5", "2"}, {"2", "-3,25"}, {"", ""}, {"", ""}}, ',', a), "");
    EXPECT_EQ(a.NumPontos, 2);
    EXPECT_DOUBLE_EQ(a.Ponto(1, 1), 1.5);
    EXPECT_DOUBLE_EQ(a.Ponto(2, 2), -3.25);

    // An empty grid keeps the table and the count.
    EXPECT_EQ(ArmazenaPontos({{"", ""}, {"", ""}}, ',', a), "");
    EXPECT_EQ(ArmazenaPontos({}, ',', a), "");
    EXPECT_EQ(a.NumPontos, 2);
    EXPECT_DOUBLE_EQ(a.Ponto(1, 1), 1.5);

    // A blank row between points is refused and nothing is stored.
    EXPECT_EQ(ArmazenaPontos({{"7", "7"}, {"", ""}, {"3", "4"}}, ',', a),
              "A linha 2 está vazia entre os pontos.");
    EXPECT_EQ(ArmazenaPontos({{"", ""}, {"3", "4"}}, ',', a),
              "A linha 1 está vazia entre os pontos.");
    EXPECT_EQ(a.NumPontos, 2);
    EXPECT_DOUBLE_EQ(a.Ponto(1, 1), 1.5);

    // A half-filled row is not a number; the rows before it are stored.
    try {
        ArmazenaPontos({{"9", "8"}, {"4", ""}, {"5", "6"}}, ',', a);
        ADD_FAILURE();
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_EQ(a.NumPontos, 1);
    EXPECT_DOUBLE_EQ(a.Ponto(1, 1), 9);

    // Fewer points than before: the count follows the last filled row.
    EXPECT_EQ(ArmazenaPontos({{"1", "1"}, {"2", "2"}, {"3", "3"}}, '.', a), "");
    EXPECT_EQ(a.NumPontos, 3);
}

TEST(ArmazenaPontos, NeverWritesPastTheTable) {
    TAjusteCurva a;
    std::vector<TLinhaGrade> linhas(30, TLinhaGrade{"1", "2"});
    EXPECT_EQ(ArmazenaPontos(linhas, '.', a), "");
    EXPECT_EQ(a.NumPontos, 30);
    linhas = std::vector<TLinhaGrade>(31, TLinhaGrade{"5", "6"});
    EXPECT_THROW(ArmazenaPontos(linhas, '.', a), std::out_of_range);
    EXPECT_DOUBLE_EQ(a.Ponto(1, 1), 1);
    // Blank rows past the table are fine.
    linhas = std::vector<TLinhaGrade>(40, TLinhaGrade{"", ""});
    linhas[0] = {"5", "6"};
    EXPECT_EQ(ArmazenaPontos(linhas, '.', a), "");
    EXPECT_EQ(a.NumPontos, 1);
}

TEST(AmostraGrafico, PointsAndTenSamplesPerInterval) {
    TAjusteCurva a;
    const std::vector<TLinhaGrade> grade{{"1", "3"}, {"2", "5"}, {"3", "7"}, {"", ""}};
    ASSERT_EQ(ArmazenaPontos(grade, '.', a), "");
    a.TipoCurva = 1;
    TResultadoAjuste r;
    ASSERT_TRUE(a.Ajusta('.', r));

    TAmostrasGrafico g;
    // The empty row below the points is not a number and ends the sampling.
    EXPECT_THROW(AmostraGrafico(grade, a, true, '.', g), EConvertError);
    ASSERT_EQ(g.Pontos.size(), 3u);
    EXPECT_EQ(g.Pontos[2], std::make_pair(3.0, 7.0));
    ASSERT_EQ(g.Curva.size(), 21u);
    EXPECT_NEAR(g.Curva[0].first, 1.1, 1e-12);
    EXPECT_NEAR(g.Curva[9].first, 2.0, 1e-12);
    EXPECT_NEAR(g.Curva[20].first, 3.0, 1e-12);
    for (const auto &[x, y] : g.Curva)
        EXPECT_NEAR(y, 1 + 2 * x, 1e-12);

    // Without points only the curve is added.
    TAmostrasGrafico h;
    AmostraGrafico({{"1", "3"}, {"2", "5"}, {"3", "7"}}, a, false, '.', h);
    EXPECT_TRUE(h.Pontos.empty());
    EXPECT_EQ(h.Curva.size(), 21u);
}

TEST(AmostraGrafico, SkipsZeroAndStopsAtTheFirstError) {
    TAjusteCurva a;
    a.TipoCurva = 2;
    a.CoefLinear = 1;
    a.CoefAngular = 1;
    a.NumPontos = 3;
    std::vector<std::string> mensagens;
    a.OnMensagem = [&](const std::string &m) { mensagens.push_back(m); };

    // x = 0 is neither charted nor its interval drawn; a row past the table's count adds one
    // curve sample at its own x.
    TAmostrasGrafico g;
    AmostraGrafico({{"0", "9"}, {"1", "2"}, {"2", "1,5"}, {"4", "1"}}, a, true, ',', g);
    EXPECT_EQ(g.Pontos.size(), 3u);
    EXPECT_EQ(g.Pontos[0].first, 1);
    ASSERT_EQ(g.Curva.size(), 12u);
    EXPECT_NEAR(g.Curva[10].second, 1.5, 1e-12);
    EXPECT_DOUBLE_EQ(g.Curva[11].first, 4);

    // An interval across x = 0 of y = 1 + 1/x: the sample at 0 shows the message and ends it.
    TAmostrasGrafico h;
    EXPECT_THROW(AmostraGrafico({{"-5", "0"}, {"5", "2"}}, a, true, '.', h), EAbort);
    EXPECT_EQ(h.Pontos.size(), 1u);
    EXPECT_EQ(h.Curva.size(), 4u);
    for (const auto &[x, y] : h.Curva)
        EXPECT_TRUE(std::isfinite(y));
    EXPECT_EQ(mensagens.size(), 1u);
}
