#include "Ajuste.h"

#include "Numeros.h"

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>

namespace lumacord {

namespace {
// A determinant within this many units of rounding of its two products is rounding noise: the
// X values coincide. Exact data far from the origin stays well above it.
constexpr double kToleranciaSingular = 32 * std::numeric_limits<double>::epsilon();

void VerificaLinha(int linha) {
    if (linha < 1 || linha > MaxPontos)
        throw std::out_of_range("Lumacord: linha " + std::to_string(linha) +
                                " fora da tabela de pontos");
}

bool Vazia(const TLinhaGrade &l) {
    return l[0].empty() && l[1].empty();
}
} // namespace

std::string EquacaoCurva(int tipoCurva) {
    switch (tipoCurva) {
    case 1:
        return "y=A+B.x";
    case 2:
        return "y=A+(B/x)";
    case 3:
        return "y=x/(A+B.x)";
    default:
        return "y=A+B.ln(x)";
    }
}

std::string TituloCurva(int tipoCurva, const std::string &a, const std::string &b) {
    switch (tipoCurva) {
    case 1:
        return "y=" + a + "+" + b + ".x";
    case 2:
        return "y=" + a + "+(" + b + "/x)";
    case 3:
        return "y=x/(" + a + "+" + b + ".x)";
    default:
        return "y=" + a + "+" + b + ".ln(x)";
    }
}

double TAjusteCurva::Ponto(int linha, int coluna) const {
    VerificaLinha(linha);
    return tabelaPontos_[std::size_t(linha - 1)][coluna == 1 ? 0 : 1];
}

void TAjusteCurva::DefinePonto(int linha, double x, double y) {
    VerificaLinha(linha);
    tabelaPontos_[std::size_t(linha - 1)] = {x, y};
}

double TAjusteCurva::Linearizado(int linha, int coluna) const {
    VerificaLinha(linha);
    return tabelaLinearizada_[std::size_t(linha - 1)][coluna == 1 ? 0 : 1];
}

void TAjusteCurva::Mensagem(const std::string &texto) const {
    if (OnMensagem)
        OnMensagem(texto);
}

void TAjusteCurva::Linearizacao() {
    for (int r = 1; r <= NumPontos; ++r) {
        const double x = tabelaPontos_[std::size_t(r - 1)][0];
        const double y = tabelaPontos_[std::size_t(r - 1)][1];
        double X, Y;
        switch (TipoCurva) {
        case 1:
            X = x;
            Y = y;
            break;
        case 2:
            if (x == 0)
                throw EZeroDivide();
            X = Finito(1.0 / x);
            Y = y;
            break;
        case 3:
            if (x == 0 || y == 0)
                throw EZeroDivide();
            X = Finito(1.0 / x);
            Y = Finito(1.0 / y);
            break;
        default:
            if (x == 0)
                throw EZeroDivide();
            if (x < 0)
                throw EInvalidOp();
            X = std::log(x);
            Y = y;
            break;
        }
        tabelaLinearizada_[std::size_t(r - 1)] = {X, Y};
    }
}

void TAjusteCurva::CalculoDosCoeficientes() {
    // Row 1 seeds the sums whatever the number of points.
    const double X1 = tabelaLinearizada_[0][0], Y1 = tabelaLinearizada_[0][1];
    a11 = 1.0;
    a12 = X1;
    a21 = a12;
    a22 = X1 * X1;
    b1 = Y1;
    b2 = X1 * Y1;
    for (int r = 2; r <= NumPontos; ++r) {
        const double X = tabelaLinearizada_[std::size_t(r - 1)][0];
        const double Y = tabelaLinearizada_[std::size_t(r - 1)][1];
        a11 += 1.0;
        a12 += X;
        a21 = a12;
        a22 += X * X;
        b1 += Y;
        b2 += X * Y;
    }
    for (double v : {a12, a22, b1, b2})
        Finito(v);
}

bool TAjusteCurva::ResolucaoMatricial(double a11, double a12, double a21, double a22, double b1,
                                      double b2) {
    const double det = Finito(a11 * a22 - a12 * a21);
    if (std::abs(det) <= kToleranciaSingular * (std::abs(a11 * a22) + std::abs(a12 * a21))) {
        Mensagem("Não é possível ajustar uma curva.");
        return false;
    }
    const double linear = Finito(Finito(b1 * a22 - a12 * b2) / det);
    const double angular = Finito(Finito(a11 * b2 - b1 * a21) / det);
    CoefLinear = linear;
    CoefAngular = angular;
    return true;
}

double TAjusteCurva::Y(double x) const {
    const double a = CoefLinear, b = CoefAngular;
    switch (TipoCurva) {
    case 1:
        return Finito(a + b * x);
    case 2:
        if (x == 0) {
            Mensagem("Não é possível calcular: Divisão por zero.");
            throw EAbort();
        }
        return Finito(a + Finito(b / x));
    case 3: {
        const double den = Finito(a * x + b);
        if (den == 0) {
            if (x == 0)
                throw EInvalidOp();
            throw EZeroDivide();
        }
        return Finito(x / den);
    }
    default:
        if (x == 0) {
            Mensagem("Não é possível calcular: Ln(0).");
            throw EAbort();
        }
        if (x < 0)
            throw EInvalidOp();
        return Finito(a + b * std::log(x));
    }
}

double TAjusteCurva::Media() const {
    if (NumPontos <= 0)
        throw EInvalidOp();
    double soma = 0;
    for (int r = 1; r <= NumPontos; ++r)
        soma += tabelaPontos_[std::size_t(r - 1)][1];
    return Finito(soma) / NumPontos;
}

void TAjusteCurva::R2() {
    const double m = Media();
    double ssRes = 0, ssReg = 0;
    bool yConstante = true;
    for (int r = 1; r <= NumPontos; ++r) {
        const double x = tabelaPontos_[std::size_t(r - 1)][0];
        const double y = tabelaPontos_[std::size_t(r - 1)][1];
        const double yc = Y(x);
        ssRes += (yc - y) * (yc - y);
        ssReg += (yc - m) * (yc - m);
        yConstante = yConstante && y == tabelaPontos_[0][1];
    }
    const double total = Finito(ssReg + ssRes);
    // Points of one constant y lie on the fitted line: both sums vanish up to rounding.
    if (total == 0 || yConstante)
        CoefR2 = 1;
    else
        CoefR2 = Finito(ssReg / total);
}

bool TAjusteCurva::Ajusta(char separador, TResultadoAjuste &resultado) {
    // A fit that fails leaves every value as it was: no mix of old and new.
    const auto antes = std::make_unique<TAjusteCurva>(*this);
    try {
        Linearizacao();
        CalculoDosCoeficientes();
        if (!ResolucaoMatricial(a11, a12, a21, a22, b1, b2))
            return false;
        TResultadoAjuste novo;
        novo.Equacao = EquacaoCurva(TipoCurva);
        // For y = x / (A + B x) the line is 1/y = B + A (1/x): A is its slope.
        const double A = TipoCurva == 3 ? CoefAngular : CoefLinear;
        const double B = TipoCurva == 3 ? CoefLinear : CoefAngular;
        novo.A = TextoArredondado(A, 8, separador);
        novo.B = TextoArredondado(B, 8, separador);
        R2();
        novo.R2 = TextoArredondado(CoefR2, 5, separador);
        resultado = std::move(novo);
        return true;
    } catch (...) {
        *this = *antes;
        throw;
    }
}

std::string ArmazenaPontos(const std::vector<TLinhaGrade> &linhas, char separador,
                           TAjusteCurva &ajuste) {
    int ultima = 0;
    for (std::size_t i = 0; i < linhas.size(); ++i)
        if (!Vazia(linhas[i]))
            ultima = int(i) + 1;
    if (ultima > MaxPontos)
        throw std::out_of_range("Lumacord: mais de " + std::to_string(MaxPontos) + " pontos");
    for (int r = 1; r < ultima; ++r)
        if (Vazia(linhas[std::size_t(r - 1)]))
            return "A linha " + std::to_string(r) + " está vazia entre os pontos.";

    for (int r = 1; r <= ultima; ++r) {
        const TLinhaGrade &l = linhas[std::size_t(r - 1)];
        const double x = StrToFloat(l[0], separador);
        const double y = StrToFloat(l[1], separador);
        ajuste.DefinePonto(r, x, y);
        ajuste.NumPontos = r;
    }
    return {};
}

void AmostraGrafico(const std::vector<TLinhaGrade> &linhas, const TAjusteCurva &ajuste,
                    bool comPontos, char separador, TAmostrasGrafico &saida) {
    const auto celula = [&](std::size_t r, int c) -> const std::string & {
        static const std::string vazio;
        return r >= 1 && r <= linhas.size() ? linhas[r - 1][std::size_t(c)] : vazio;
    };
    for (std::size_t r = 1; r <= linhas.size(); ++r) {
        double x = StrToFloat(celula(r, 0), separador);
        if (x == 0)
            continue;
        if (comPontos)
            saida.Pontos.emplace_back(x, StrToFloat(celula(r, 1), separador));
        if (int(r) < ajuste.NumPontos) {
            const double proximo = StrToFloat(celula(r + 1, 0), separador);
            const double dx = Finito((proximo - x) / 10);
            for (int i = 0; i < 10; ++i) {
                x = Finito(x + dx);
                saida.Curva.emplace_back(x, ajuste.Y(x));
            }
        } else {
            saida.Curva.emplace_back(x, ajuste.Y(x));
        }
    }
}

} // namespace lumacord
