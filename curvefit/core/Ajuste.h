// The curve fit: the points table, the linearisation for one of four two-parameter curves, the
// least-squares line by the normal equations, the fitted curve, R2, and the pure parts of the
// points window (storing grid rows) and of the chart (sampling points and curve).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lumacord {

// Most points the table holds.
constexpr int MaxPontos = 30;

// Equation label of a curve code ("y=A+B.x", ...); any code but 1..3 is the logarithmic curve.
std::string EquacaoCurva(int tipoCurva);
// Title of a chart curve built from the shown texts of A and B ("y=1+2.x", ...).
std::string TituloCurva(int tipoCurva, const std::string &a, const std::string &b);

// Texts shown by a fit.
struct TResultadoAjuste {
    std::string Equacao, A, B, R2;
};

class TAjusteCurva {
public:
    // Rows 1..MaxPontos; column 1 is x (X), column 2 is y (Y).
    double Ponto(int linha, int coluna) const;
    void DefinePonto(int linha, double x, double y);
    double Linearizado(int linha, int coluna) const;

    int NumPontos = 0;
    int TipoCurva = 0;
    double a11 = 0, a12 = 0, a21 = 0, a22 = 0, b1 = 0, b2 = 0;
    double CoefLinear = 0, CoefAngular = 0, CoefR2 = 0;

    // Information messages ("Não é possível ...").
    std::function<void(const std::string &)> OnMensagem;

    void Linearizacao();
    void CalculoDosCoeficientes();
    // Solves the normal equations into CoefLinear/CoefAngular; false (after the message) when
    // the system is singular, leaving the coefficients as they were.
    bool ResolucaoMatricial(double a11, double a12, double a21, double a22, double b1, double b2);
    // The fitted curve at x. Where it has no value it shows the message and throws EAbort, or
    // throws the floating-point error; it never returns NaN or an infinity.
    double Y(double x) const;
    double Media() const;
    void R2();

    // The fit command: linearise, solve, then R2 and the texts to show. Returns false when no
    // curve can be fitted (the message was shown). Errors throw, leaving the fit's values and
    // `resultado` as they were.
    bool Ajusta(char separador, TResultadoAjuste &resultado);

private:
    void Mensagem(const std::string &texto) const;

    using Linha = std::array<double, 2>;
    std::array<Linha, MaxPontos> tabelaPontos_{};
    std::array<Linha, MaxPontos> tabelaLinearizada_{};
};

// One grid row: the texts of its x and y cells.
using TLinhaGrade = std::array<std::string, 2>;

// Stores grid rows 1..n (linhas[0] is row 1) into the table: rows with both cells empty are
// skipped, any other row goes to its own table row and NumPontos becomes its number. A blank
// row before a filled one is refused: nothing is stored and the message to show is returned
// (empty when stored). A cell that is not a number throws EConvertError after the rows before it
// were stored. A point past row MaxPontos throws std::out_of_range before anything is stored.
std::string ArmazenaPontos(const std::vector<TLinhaGrade> &linhas, char separador,
                           TAjusteCurva &ajuste);

// What one showing of the chart adds: points in blue and curve samples in red.
struct TAmostrasGrafico {
    std::vector<std::pair<double, double>> Pontos, Curva;
};

// Samples grid rows 1..n (linhas[0] is row 1): rows with x = 0 are skipped; each row adds its
// point (when `comPontos`), then, before row NumPontos, the ten curve samples up to the next
// row's x, or else the curve at its own x. The first error (a cell that is not a number, an
// error of the curve) throws and leaves in `saida` what was added before it.
void AmostraGrafico(const std::vector<TLinhaGrade> &linhas, const TAjusteCurva &ajuste,
                    bool comPontos, char separador, TAmostrasGrafico &saida);

} // namespace lumacord
