// Formula of the one variable "X", compiled once to postfix order and evaluated for many X.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Operands are numbers (with the locale's decimal separator) or "X"; operators ^ * / + - with
// unary minus, parentheses and the functions SEN COS TAN LOG ABS LN RAIZ ASEN EXP NEG.
// Binary operators group to the right (8-3-2 is 7). Every intermediate result is rounded to 15
// significant digits. A division by zero, a logarithm of a non-positive number, a root of a
// negative number, an arc sine outside (-1, 1) and a failed power give 0.
class TRPN {
public:
    // Sets the formula; the formula is constant when its text holds no "X".
    explicit TRPN(std::string_view expr);

    // Replaces the text and compiles it; the constant flag keeps its value. A malformed formula
    // (empty, unbalanced parentheses, an operator without its operands, operands left over)
    // throws EConvertError and leaves the object unchanged.
    void SetExpressao(std::string_view expr);
    void SetX(double x) { x_ = x; }
    void SetXMin(double x) { xMin_ = x; }
    void SetXMax(double x) { xMax_ = x; }

    double GetX() const { return x_; }
    double GetXMin() const { return xMin_; }
    double GetXMax() const { return xMax_; }
    const std::string &GetExpressao() const { return expressao_; }
    int GetComprimento() const { return comprimento_; }
    bool GetConstante() const { return constante_; }
    // Tokens in the order typed ("-" that starts the formula or follows "(" becomes "NEG").
    const std::vector<std::string> &GetTokens() const { return tokens_; }
    const std::vector<std::string> &GetPosfixa() const { return posfixa_; }

    // Value at the current X. An operand that is neither a number nor "X" throws EConvertError;
    // a result beyond the range of doubles throws EOverflow. Allocates nothing on success; uses
    // a scratch stack of the object, so one object is not evaluated from two threads at once.
    double Calcula() const;

    // Operator help shown by the formula dialog, one line per operator, lines separated by "\r".
    static constexpr std::string_view kAjudaOperadores = "-> POTENCIAÇÃO: ^\r"
                                                         "-> MULTIPLICAÇÃO:  * \r"
                                                         "-> DIVISÃO: / \r"
                                                         "-> SOMA: + \r"
                                                         "-> SUBTRAÇÃO: -\r"
                                                         "-> SENO: SEN(X)\r"
                                                         "-> COSENO: COS(X)\r"
                                                         "-> TANGENTE: TAN(X)\r"
                                                         "->LOGARITMO NEPERIANO: LN(X)\r"
                                                         "->LOGARITMO (NA BASE 10): LOG(X)\r"
                                                         "->NEGATIVO: NEG(X)\r"
                                                         "-> ABSOLUTO: ABS(X)\r"
                                                         "-> RAIZ QUADRADA: RAIZ(X)\r"
                                                         "-> ARCO SENO: ASEN(X)\r"
                                                         "-> e=(2,718281828)^X: EXP(X)";

    static bool EhOperador(std::string_view t);
    static bool EhFuncao(std::string_view t);
    static bool EhOperando(std::string_view t);
    static int Precedencia(std::string_view t);

private:
    enum class TOp : std::uint8_t {
        Numero,
        X,
        Sen,
        Cos,
        Tan,
        Log,
        Abs,
        Ln,
        Raiz,
        Asen,
        Exp,
        Neg,
        Soma,
        Sub,
        Mult,
        Div,
        Pot
    };
    struct TInstrucao {
        TOp op;
        double valor; // number operands
        int literal;  // index into literais_ for number operands, else -1
    };

    static TOp OperacaoDe(std::string_view t);
    static int Aridade(TOp op);
    static double AplicaFuncao(TOp op, double a);
    static double AplicaOperador(TOp op, double esq, double dir);
    void Compila(std::string_view expr);
    void LeLiterais(char separador) const;
    [[noreturn]] void ErroConversao(const std::string &texto) const;

    int comprimento_ = 0;
    double x_ = 0, xMin_ = 0, xMax_ = 0;
    std::string expressao_;
    bool constante_ = false;
    std::vector<std::string> tokens_;
    std::vector<std::string> posfixa_;

    // Compiled program and the state that depends on the decimal separator.
    mutable std::vector<TInstrucao> programa_;
    std::vector<std::string> literais_;
    bool usaX_ = false;
    bool soX_ = false;
    mutable char separador_ = 0;        // separator the literals were read with (0: not yet)
    mutable double valorConstante_ = 0; // the whole text as a number
    mutable bool constanteValida_ = false;
    mutable int passoErro_ = -1; // instruction at which an operand fails to convert
    mutable int literalErro_ = -1;
    mutable std::vector<double> pilha_;
};
