#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "ContaAlocacoes.h"
#include "Referencias.h"
#include "rpn/Arredonda15.h"
#include "uPlataforma.h"
#include "uRPN.h"

namespace {

// Plain reading of the evaluator with a stack of texts, kept as the reference for the compiled
// one. Every value goes through FloatToStr and StrToFloat as the stack machine stores it.
namespace ref {
const std::vector<std::string> kFuncoes = {"SEN", "COS",  "TAN",  "LOG", "ABS",
                                           "LN",  "RAIZ", "ASEN", "EXP", "NEG"};
bool Funcao(const std::string &t) {
    for (const auto &f : kFuncoes)
        if (t == f)
            return true;
    return false;
}
bool Operador(const std::string &t) {
    return t == "^" || t == "*" || t == "/" || t == "+" || t == "-";
}
bool Operando(const std::string &t) {
    return !Operador(t) && !Funcao(t) && t != "(" && t != ")";
}
int Rank(const std::string &t) {
    if (t == "NEG")
        return 48;
    if (Funcao(t))
        return 59;
    if (t == "^")
        return 50;
    if (t == "*" || t == "/")
        return 40;
    if (t == "+" || t == "-")
        return 30;
    if (t == "(")
        return 10;
    if (t == ")")
        return 0;
    return 60;
}

struct Formula {
    std::string texto;
    bool constante = false;
    bool malformada = false;
    std::vector<std::string> posfixa;
};

Formula Compila(const std::string &s) {
    Formula f;
    f.texto = s;
    f.constante = s.find('X') == std::string::npos;
    std::vector<std::string> tk;
    std::size_t i = 1; // 1-based scan
    while (i <= s.size()) {
        bool achou = false;
        for (int n = 4; n >= 2 && !achou; --n) {
            std::string sub = s.substr(i - 1, std::size_t(n));
            if (Funcao(sub)) {
                tk.push_back(sub);
                i += sub.size();
                achou = true;
            }
        }
        if (achou)
            continue;
        std::string c(1, s[i - 1]);
        if (!tk.empty() && Operando(c) && Operando(tk.back()))
            tk.back() += c;
        else
            tk.push_back(c);
        ++i;
    }
    for (std::size_t k = 0; k < tk.size(); ++k)
        if (tk[k] == "-" && (k == 0 || tk[k - 1] == "("))
            tk[k] = "NEG";
    std::vector<std::string> op;
    for (const auto &t : tk) {
        if (t == ")") {
            while (!op.empty() && op.back() != "(") {
                f.posfixa.push_back(op.back());
                op.pop_back();
            }
            if (op.empty())
                f.malformada = true;
            else
                op.pop_back();
        } else if (t == "(") {
            op.push_back(t);
        } else if (Rank(t) == 60) {
            f.posfixa.push_back(t);
        } else {
            while (!op.empty() && Rank(op.back()) > Rank(t)) {
                f.posfixa.push_back(op.back());
                op.pop_back();
            }
            op.push_back(t);
        }
    }
    while (!op.empty()) {
        f.posfixa.push_back(op.back());
        op.pop_back();
    }
    int n = 0;
    for (const auto &t : f.posfixa) {
        int r = Rank(t);
        if (r == 60)
            ++n;
        else if (r == 59 || r == 48)
            f.malformada = f.malformada || n < 1;
        else if (r == 50 || r == 40 || r == 30) {
            f.malformada = f.malformada || n < 2;
            --n;
        } else
            f.malformada = true;
    }
    f.malformada = f.malformada || n != 1;
    return f;
}

std::string Texto(double r) {
    VerificaFinito(r);
    std::string t = FloatToStr(r);
    double v;
    if (!TryStrToFloat(t, v, DecimalSeparator()))
        throw EOverflow(); // the 15-digit form lies beyond the range of doubles
    return t;
}

double Numero(const std::string &e, double x) {
    return StrToFloat(e == "X" ? FloatToStr(x) : e, DecimalSeparator());
}

double Calcula(const Formula &f, double x) {
    if (f.constante)
        return StrToFloat(f.texto, DecimalSeparator());
    if (f.malformada)
        return StrToFloat(f.texto, DecimalSeparator());
    std::vector<std::string> p;
    for (const auto &t : f.posfixa) {
        int r = Rank(t);
        if (r == 60) {
            p.push_back(t);
        } else if (r == 59 || r == 48) {
            double a = Numero(p.back(), x), v;
            if (t == "SEN")
                v = std::sin(a);
            else if (t == "COS")
                v = std::cos(a);
            else if (t == "TAN")
                v = std::tan(a);
            else if (t == "LOG")
                v = a <= 0 ? 0 : std::log10(a);
            else if (t == "LN")
                v = a <= 0 ? 0 : std::log(a);
            else if (t == "NEG")
                v = -a;
            else if (t == "ABS")
                v = std::fabs(a);
            else if (t == "RAIZ")
                v = a < 0 ? 0 : std::sqrt(a);
            else if (t == "ASEN")
                v = std::fabs(a) >= 1 ? 0 : std::asin(a);
            else
                v = std::exp(a);
            p.back() = Texto(v);
        } else {
            double l = Numero(p[p.size() - 2], x);
            double d = Numero(p.back(), x), v;
            if (t == "+")
                v = l + d;
            else if (t == "-")
                v = l - d;
            else if (t == "*")
                v = l * d;
            else if (t == "/")
                v = d == 0 ? 0 : l / d;
            else {
                v = std::pow(l, d);
                if (!std::isfinite(v))
                    v = 0;
            }
            p.pop_back();
            p.back() = Texto(v);
        }
    }
    return p.front() == "X" ? x : StrToFloat(p.front(), DecimalSeparator());
}
} // namespace ref

// Outcome of an evaluation: the value's bits, or the exception kind and message.
struct Resultado {
    std::uint64_t bits = 0;
    std::string erro;
    bool operator==(const Resultado &) const = default;
};

template <class F> Resultado Executa(F f) {
    Resultado r;
    try {
        r.bits = std::bit_cast<std::uint64_t>(f());
    } catch (const EConvertError &e) {
        r.erro = std::string("convert: ") + e.what();
    } catch (const EOverflow &e) {
        r.erro = std::string("overflow: ") + e.what();
    } catch (const EMathError &e) {
        r.erro = std::string("math: ") + e.what();
    }
    return r;
}

double Valor(const std::string &formula, double x) {
    TRPN f(formula);
    f.SetX(x);
    return f.Calcula();
}

std::string ErroConversao(const std::string &formula, double x = 0) {
    try {
        Valor(formula, x);
    } catch (const EConvertError &e) {
        return e.what();
    }
    return "no error";
}

class SeparadorPonto : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
};

using Formula = SeparadorPonto;

TEST_F(Formula, RanksAndRightGrouping) {
    EXPECT_EQ(Valor("-X^2", 3), -9);
    EXPECT_EQ(Valor("SEN(X)^2", 2),
              Arredonda15(Arredonda15(std::sin(2.0)) * Arredonda15(std::sin(2.0))));
    EXPECT_EQ(Valor("8-3-2+X", 0), 7);
    EXPECT_EQ(Valor("(8-3)-2+X", 0), 3);
    EXPECT_EQ(Valor("8/4/2+X", 0), 4);
    EXPECT_EQ(Valor("2^3^2+X", 0), 512);
    EXPECT_EQ(Valor("2+3*X", 4), 14);
    EXPECT_EQ(Valor("(2+3)*X", 4), 20);
    EXPECT_EQ(Valor("2*NEG(X)", 4), -8);
    EXPECT_EQ(Valor("-(X+1)*2", 4), -10);
    EXPECT_EQ(Valor("SENX^2", 2), Valor("SEN(X)^2", 2));
    EXPECT_DOUBLE_EQ(Valor("20+345*LOG(480*X+1)", 0), 20);
    EXPECT_EQ(Valor("20+345*LOG(480*X+1)", 1),
              Arredonda15(20 + Arredonda15(345 * Arredonda15(std::log10(481.0)))));
    EXPECT_DOUBLE_EQ(Valor("EXP(X)", 1), 2.71828182845905);
    EXPECT_DOUBLE_EQ(Valor("RAIZ(X)+ABS(NEG(X))+LN(X)", 4), 2 + 4 + 1.38629436111989);
    EXPECT_DOUBLE_EQ(
        Valor("ASEN(X)+COS(X)+TAN(X)", 0.5),
        Arredonda15(Arredonda15(std::asin(0.5)) +
                    Arredonda15(Arredonda15(std::cos(0.5)) + Arredonda15(std::tan(0.5)))));

    TRPN f("8-3-2+X");
    EXPECT_EQ(f.GetPosfixa(), (std::vector<std::string>{"8", "3", "2", "X", "+", "-", "-"}));
    TRPN g("-2X+480*2.5");
    EXPECT_EQ(g.GetTokens(), (std::vector<std::string>{"NEG", "2X", "+", "480", "*", "2.5"}));
}

TEST_F(Formula, DomainErrorsGiveZero) {
    EXPECT_EQ(Valor("1/(X-1)", 1), 0);
    EXPECT_EQ(Valor("LOG(X)", 0), 0);
    EXPECT_EQ(Valor("LN(X)", -2), 0);
    EXPECT_EQ(Valor("RAIZ(X)", -4), 0);
    EXPECT_EQ(Valor("ASEN(X)", 1), 0);
    EXPECT_EQ(Valor("ASEN(X)", -1), 0);
    EXPECT_EQ(Valor("ASEN(X)", 1.5), 0);
    EXPECT_EQ(Valor("X^(1/3)", -8), 0);
    EXPECT_EQ(Valor("X^(0-1)", 0), 0);
    EXPECT_EQ(Valor("10^X", 400), 0);
    EXPECT_EQ(Valor("X^3", -2), -8);
    EXPECT_EQ(Valor("X^0", 0), 1);
    EXPECT_EQ(Valor("EXP(X)", -1000), 0);
    // A result of zero carries no sign.
    EXPECT_FALSE(std::signbit(Valor("NEG(X)", 0)));
    EXPECT_FALSE(std::signbit(Valor("X*(0-1)", 0)));
}

TEST_F(Formula, IntermediateResultsKeepFifteenDigits) {
    EXPECT_EQ(Valor("X", 0.1 + 0.2), 0.1 + 0.2); // a lone X is returned as it is
    EXPECT_EQ(Valor("X+0", 0.1 + 0.2), 0.3);
    EXPECT_EQ(Valor("(1/3)*3+X", 0), 0.999999999999999);
    EXPECT_EQ(Valor("X/7*7", 1), 0.0204081632653061); // X/(7*7)
    EXPECT_EQ(Valor("X*3", 1.0 / 3), 0.999999999999999);
    EXPECT_EQ(Valor("0.12345678901234567", 0), 0.12345678901234567);
    EXPECT_EQ(Valor("X*1", 123456789.123456789), 123456789.123457);
}

TEST_F(Formula, BadOperandsRaiseConversionErrorsWhenEvaluated) {
    EXPECT_EQ(ErroConversao("2X+1"), "'2X' não é um número real válido");
    EXPECT_EQ(ErroConversao("X+A"), "'A' não é um número real válido");
    EXPECT_EQ(ErroConversao("X + 1"), "'X ' não é um número real válido");
    EXPECT_EQ(ErroConversao("B*X+A"), "'B' não é um número real válido");
    EXPECT_EQ(ErroConversao("(A)+X"), "'A' não é um número real válido");
    EXPECT_EQ(ErroConversao("(A)"), "'(A)' não é um número real válido");
    EXPECT_EQ(ErroConversao("2+3"), "'2+3' não é um número real válido");
    EXPECT_EQ(ErroConversao("sen(X)"), "'sen(X)' não é uma fórmula válida"); // operands left over
    EXPECT_EQ(ErroConversao("2,5*X"), "'2,5' não é um número real válido");
    // The operation that meets the bad operand comes after an overflow: the overflow wins.
    EXPECT_THROW(Valor("EXP(X)+A", 1000), EOverflow);
    // A bad operand does not stop the object from being built or reused.
    TRPN f("X*Y");
    f.SetX(1);
    EXPECT_THROW(f.Calcula(), EConvertError);
    f.SetExpressao("X*2");
    EXPECT_EQ(f.Calcula(), 2);
    EXPECT_EQ(Valor(" 7 ", 0), 7);
    EXPECT_EQ(Valor("X*2 ", 4), 8);
}

TEST_F(Formula, OverflowAndNonFiniteXAreErrors) {
    EXPECT_THROW(Valor("EXP(X)", 1000), EOverflow);
    EXPECT_THROW(Valor("X*X", 1e200), EOverflow);
    EXPECT_THROW(Valor("X+X", 1.7976931348623e308), EOverflow);
    EXPECT_THROW(Valor("X/0.5", 1.7e308), EOverflow);
    EXPECT_THROW(Valor("X", std::nan("")), EConvertError);
    EXPECT_THROW(Valor("X+1", HUGE_VAL), EConvertError);
    EXPECT_EQ(Valor("5", std::nan("")), 5); // X unused
}

TEST_F(Formula, MalformedFormulasAreRejectedWhenSet) {
    for (const char *m : {"", "(", ")", "X+", "*X", "(X", "X)", ")X(", "SEN", "SEN()", "()", "X+()",
                          "2(X+1)", "X^-2", "X*-2", "X(", "(1)(X)", "-", "NEG"}) {
        try {
            TRPN f(m);
            ADD_FAILURE() << m;
        } catch (const EConvertError &e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(m) + "' não é uma fórmula válida");
        }
    }
    TRPN f("X*2");
    f.SetX(3);
    EXPECT_THROW(f.SetExpressao("X*"), EConvertError);
    EXPECT_EQ(f.GetExpressao(), "X*2");
    EXPECT_EQ(f.GetComprimento(), 3);
    EXPECT_EQ(f.Calcula(), 6);
    // A signed number stands for itself even though "+" has one operand only.
    EXPECT_EQ(Valor("+5", 0), 5);
    f.SetExpressao("+2.5");
    EXPECT_EQ(f.Calcula(), 2.5);
}

TEST_F(Formula, ConstantFlagIsFixedAtCreation) {
    TRPN c("25");
    EXPECT_TRUE(c.GetConstante());
    EXPECT_EQ(c.Calcula(), 25);
    c.SetExpressao("X+1"); // still constant: the whole text is read as a number
    EXPECT_THROW(c.Calcula(), EConvertError);

    TRPN x("X");
    EXPECT_FALSE(x.GetConstante());
    x.SetExpressao("-0.123456789012345678");
    EXPECT_FALSE(x.GetConstante());
    EXPECT_EQ(x.Calcula(), -0.123456789012346); // through NEG, rounded
    EXPECT_FALSE(TRPN("EXP(1)").GetConstante());
    EXPECT_DOUBLE_EQ(TRPN("EXP(1)").Calcula(), 2.71828182845905);

    TRPN r("X*2");
    r.SetXMin(-1.5);
    r.SetXMax(1.5);
    EXPECT_EQ(r.GetXMin(), -1.5);
    EXPECT_EQ(r.GetXMax(), 1.5);
    TRPN copia = r;
    copia.SetExpressao("X*3");
    copia.SetX(2);
    r.SetX(2);
    EXPECT_EQ(copia.Calcula(), 6);
    EXPECT_EQ(r.Calcula(), 4);
}

TEST_F(Formula, NumbersFollowTheDecimalSeparator) {
    TRPN f("X*2,5");
    f.SetX(2);
    EXPECT_THROW(f.Calcula(), EConvertError);
    SetDecimalSeparator(',');
    EXPECT_EQ(f.Calcula(), 5);
    TRPN g("X*2.5");
    g.SetX(2);
    EXPECT_THROW(g.Calcula(), EConvertError);
    EXPECT_EQ(TRPN("1,25").Calcula(), 1.25);
    SetDecimalSeparator('.');
    EXPECT_EQ(g.Calcula(), 5);
    EXPECT_THROW(f.Calcula(), EConvertError);
}

TEST_F(Formula, EvaluationAllocatesNothing) {
    TRPN f("SEN(X)+COS(X)*TAN(X/3)-LOG(ABS(X)+1)/LN(X^2+2)+RAIZ(ABS(X))-ASEN(X/100)+EXP(NEG(X))");
    TRPN c("42");
    double s = 0;
    long antes = gAlocacoes.load();
    for (int i = 0; i < 1000; ++i) {
        f.SetX(i * 0.01);
        s += f.Calcula() + c.Calcula();
    }
    EXPECT_EQ(gAlocacoes.load(), antes);
    EXPECT_TRUE(std::isfinite(s));
}

// Random formulas built from the grammar, often broken on purpose, at many X.
std::string Aleatoria(std::mt19937_64 &g, int nivel) {
    static const char *atomos[] = {"X",  "X", "X",   "2",   "0", "1",  "480", "2.5", "0.001",
                                   "10", "3", "345", "1e3", "A", "2X", "x",   ".5"};
    static const char *funcoes[] = {"SEN", "COS",  "TAN",  "LOG", "ABS",
                                    "LN",  "RAIZ", "ASEN", "EXP", "NEG"};
    static const char *ops[] = {"+", "-", "*", "/", "^"};
    auto u = [&](int n) { return int(g() % unsigned(n)); };
    if (nivel <= 0 || u(4) == 0)
        return atomos[u(17)];
    switch (u(6)) {
    case 0:
        return std::string(funcoes[u(10)]) + "(" + Aleatoria(g, nivel - 1) + ")";
    case 1:
        return "(-" + Aleatoria(g, nivel - 1) + ")";
    case 2:
        return "(" + Aleatoria(g, nivel - 1) + ops[u(5)] + Aleatoria(g, nivel - 1) + ")";
    default:
        return Aleatoria(g, nivel - 1) + ops[u(5)] + Aleatoria(g, nivel - 1);
    }
}

std::string Sopa(std::mt19937_64 &g) {
    static const char *pecas[] = {"X",   "1",   "2",   ".",    "+",  "-",  "*", "/", "^", "(", ")",
                                  "SEN", "LOG", "NEG", "RAIZ", "AS", "EN", "L", "N", " ", "9"};
    std::string s;
    int n = int(g() % 12);
    for (int i = 0; i < n; ++i)
        s += pecas[g() % 21];
    return s;
}

void Compara(const std::string &texto, const std::vector<double> &xs, int &validas) {
    ref::Formula r = ref::Compila(texto);
    bool numero = true;
    try {
        StrToFloat(texto, DecimalSeparator());
    } catch (const EConvertError &) {
        numero = false;
    }
    std::unique_ptr<TRPN> f;
    try {
        f = std::make_unique<TRPN>(texto);
    } catch (const EConvertError &e) {
        EXPECT_TRUE(r.malformada && !numero) << texto;
        return;
    }
    ASSERT_TRUE(!r.malformada || numero) << texto;
    EXPECT_EQ(f->GetPosfixa(), r.posfixa) << texto;
    for (double x : xs) {
        f->SetX(x);
        Resultado a = Executa([&] { return f->Calcula(); });
        Resultado b = Executa([&] { return ref::Calcula(r, x); });
        ASSERT_EQ(a, b) << texto << " at X=" << x << " got " << std::bit_cast<double>(a.bits)
                        << " expected " << std::bit_cast<double>(b.bits);
        validas += a.erro.empty();
    }
}

TEST_F(Formula, MatchesTheTextStackOnRandomFormulas) {
    std::mt19937_64 g(20240611);
    std::uniform_real_distribution<double> u(-3, 3);
    int validas = 0;
    for (int i = 0; i < 6000; ++i) {
        std::vector<double> xs = {0,         1,    -1,   0.5,
                                  3,         480,  1e-9, -2.5e7,
                                  0.1 + 0.2, u(g), u(g), std::ldexp(u(g), int(g() % 80) - 40)};
        Compara(i % 4 == 3 ? Sopa(g) : Aleatoria(g, 5), xs, validas);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(validas, 15000); // most evaluations are not errors
}

TEST_F(Formula, MatchesTheTextStackWithDecimalComma) {
    SetDecimalSeparator(',');
    std::mt19937_64 g(7);
    int validas = 0;
    for (int i = 0; i < 300; ++i) {
        std::string s = Aleatoria(g, 4);
        for (char &c : s)
            if (c == '.')
                c = ',';
        Compara(s, {0, 0.25, -7, 1e5}, validas);
    }
    for (const char *s : {"X*2,5", "1,5", "X*2.5"})
        Compara(s, {3}, validas);
    EXPECT_GT(validas, 200);
}

TEST_F(Formula, MatchesTheTextStackOnKnownFormulas) {
    int validas = 0;
    for (const char *s : {"20+345*LOG(480*X+1)",
                          "-X^2",
                          "SEN(X)^2",
                          "8-3-2",
                          "8-3-2+X",
                          "2^3^2+X",
                          "1/(X-1)",
                          "ASENX",
                          "RAIZ(NEG(X))",
                          "EXP(X)",
                          "X^X^X",
                          "LN(X)*LOG(X)/X",
                          "TAN(X)^(1/X)",
                          "(((X)))",
                          "-(-(-X))",
                          "X/3*3",
                          "0",
                          "+5",
                          "1e400",
                          "ABS(X)^0.5-RAIZ(ABS(X))"})
        Compara(s, {0, 1, -1, 2, 1e-12, 1e12, 700, 710, -3.25, 1.0 / 3}, validas);
    EXPECT_GT(validas, 100);
}

TEST(Arredonda15Texto, EqualsTheTextRoundTrip) {
    std::mt19937_64 g(99);
    auto porTexto = [](double v) { return StrToFloat(FloatToStr(v, '.'), '.'); };
    std::vector<double> casos = {1e14 + 0.5,
                                 1e14 + 1.5,
                                 999999999999999.5,
                                 0.1 + 0.2,
                                 1.0 / 3,
                                 2.5,
                                 9.999999999999995,
                                 1e-300,
                                 4.9e-324,
                                 2.2250738585072014e-308,
                                 1e22,
                                 1e23,
                                 1.5e37,
                                 123456789012345678.0,
                                 0.000123456789012345678,
                                 1e-8,
                                 9.99999999999999e-9,
                                 1e308};
    for (int i = 0; i < 300000; ++i) {
        switch (i % 4) {
        case 0: // any finite bit pattern
            casos.push_back(std::bit_cast<double>((g() & ~(std::uint64_t(0x7FF) << 52)) |
                                                  (std::uint64_t(g() % 2046 + 1) << 52)));
            break;
        case 1: // ordinary magnitudes
            casos.push_back(std::ldexp(double(g() >> 11), int(g() % 200) - 150));
            break;
        case 2: { // exact halfway cases at the 15th digit
            double n = double(100000000000000ULL + g() % 900000000000000ULL) + 0.5;
            casos.push_back(std::ldexp(n, 0) / std::pow(10.0, double(g() % 10)));
            casos.push_back(n);
            break;
        }
        default: // sixteen-digit decimals
            casos.push_back(double(1000000000000000ULL + g() % 9000000000000000ULL) *
                            std::pow(10.0, double(int(g() % 40) - 20)));
        }
    }
    int diferentes = 0;
    for (double v : casos) {
        for (double s : {v, -v}) {
            if (std::fabs(s) > 1.797693134862315e308) {
                EXPECT_THROW(Arredonda15Texto(s), EOverflow);
                continue;
            }
            double a = Arredonda15Texto(s), b = porTexto(s);
            if (std::bit_cast<std::uint64_t>(a) != std::bit_cast<std::uint64_t>(b) &&
                ++diferentes < 10)
                ADD_FAILURE() << std::hexfloat << s << " -> " << a << " vs " << b;
        }
    }
    EXPECT_EQ(diferentes, 0);
    EXPECT_FALSE(std::signbit(Arredonda15Texto(-0.0)));
    EXPECT_THROW(Arredonda15Texto(HUGE_VAL), EOverflow);
    EXPECT_THROW(Arredonda15Texto(std::nan("")), EInvalidOp);
}

} // namespace

// The formula dialog's help lists exactly what the evaluator understands.
TEST_F(Formula, OperatorHelpNamesWhatTheEvaluatorUnderstands) {
    std::vector<std::string> linhas;
    std::string_view ajuda = TRPN::kAjudaOperadores;
    for (std::size_t a = 0, b; a <= ajuda.size(); a = b + 1) {
        b = ajuda.find('\r', a);
        if (b == std::string_view::npos)
            b = ajuda.size();
        linhas.emplace_back(ajuda.substr(a, b - a));
    }
    ASSERT_EQ(linhas.size(), 15u);
    EXPECT_EQ(linhas[0], "-> POTENCIAÇÃO: ^");
    EXPECT_EQ(linhas[1], "-> MULTIPLICAÇÃO:  * ");
    EXPECT_EQ(linhas[14], "-> e=(2,718281828)^X: EXP(X)");
    const std::string operadores = "^*/+-";
    for (std::size_t k = 0; k < 5; ++k) {
        std::string_view uso = std::string_view(linhas[k]).substr(linhas[k].rfind(':') + 1);
        EXPECT_EQ(Apara(uso), operadores.substr(k, 1)) << linhas[k];
        EXPECT_TRUE(TRPN::EhOperador(Apara(uso)));
    }
    int funcoes = 0;
    for (std::size_t k = 5; k < linhas.size(); ++k) {
        const std::string &l = linhas[k];
        ASSERT_EQ(l.substr(l.size() - 3), "(X)") << l;
        const std::string uso = l.substr(l.rfind(' ') + 1);
        EXPECT_TRUE(TRPN::EhFuncao(uso.substr(0, uso.size() - 3))) << l;
        EXPECT_NO_THROW(TRPN f(uso)) << l;
        ++funcoes;
    }
    EXPECT_EQ(funcoes, 10);
}
