#include "uRPN.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "rpn/Arredonda15.h"
#include "uPlataforma.h"

namespace {
constexpr std::string_view kFuncoes[] = {"SEN", "COS",  "TAN",  "LOG", "ABS",
                                         "LN",  "RAIZ", "ASEN", "EXP", "NEG"};
constexpr int kOperando = 60;

std::vector<std::string> Tokeniza(std::string_view s) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        bool funcao = false;
        for (std::size_t n : {4, 3, 2}) {
            std::string_view sub = s.substr(i, n);
            if (TRPN::EhFuncao(sub)) {
                tokens.emplace_back(sub);
                i += sub.size();
                funcao = true;
                break;
            }
        }
        if (funcao)
            continue;
        std::string_view c = s.substr(i, 1);
        if (TRPN::EhOperando(c) && !tokens.empty() && TRPN::EhOperando(tokens.back()))
            tokens.back() += c;
        else
            tokens.emplace_back(c);
        ++i;
    }
    return tokens;
}

// A "-" that starts the formula or follows "(" is unary.
void MarcaNegativos(std::vector<std::string> &tokens) {
    for (std::size_t k = 0; k < tokens.size(); ++k)
        if (tokens[k] == "-" && (k == 0 || tokens[k - 1] == "("))
            tokens[k] = "NEG";
}

// Infix to postfix; an operator pops only the stack tops that rank strictly above it, so equal
// ranks group to the right. False when the parentheses do not balance.
bool ParaPosfixa(const std::vector<std::string> &tokens, std::vector<std::string> &saida) {
    std::vector<std::string> pilha;
    for (const std::string &t : tokens) {
        if (t == ")") {
            while (!pilha.empty() && pilha.back() != "(") {
                saida.push_back(std::move(pilha.back()));
                pilha.pop_back();
            }
            if (pilha.empty())
                return false;
            pilha.pop_back();
        } else if (t == "(") {
            pilha.push_back(t);
        } else if (TRPN::EhOperando(t)) {
            saida.push_back(t);
        } else {
            const int p = TRPN::Precedencia(t);
            while (!pilha.empty() && TRPN::Precedencia(pilha.back()) > p) {
                saida.push_back(std::move(pilha.back()));
                pilha.pop_back();
            }
            pilha.push_back(t);
        }
    }
    while (!pilha.empty()) {
        if (pilha.back() == "(")
            return false;
        saida.push_back(std::move(pilha.back()));
        pilha.pop_back();
    }
    return true;
}
} // namespace

bool TRPN::EhOperador(std::string_view t) {
    return t == "^" || t == "*" || t == "/" || t == "+" || t == "-";
}

bool TRPN::EhFuncao(std::string_view t) {
    for (std::string_view f : kFuncoes)
        if (t == f)
            return true;
    return false;
}

bool TRPN::EhOperando(std::string_view t) {
    return !EhOperador(t) && !EhFuncao(t) && t != "(" && t != ")";
}

int TRPN::Precedencia(std::string_view t) {
    if (t == "NEG")
        return 48;
    if (EhFuncao(t))
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
    return kOperando;
}

TRPN::TRPN(std::string_view expr) {
    SetExpressao(expr);
    constante_ = expr.find('X') == std::string_view::npos;
}

void TRPN::SetExpressao(std::string_view expr) {
    Compila(expr);
}

TRPN::TOp TRPN::OperacaoDe(std::string_view t) {
    static constexpr std::pair<std::string_view, TOp> kTabela[] = {
        {"SEN", TOp::Sen}, {"COS", TOp::Cos}, {"TAN", TOp::Tan},   {"LOG", TOp::Log},
        {"ABS", TOp::Abs}, {"LN", TOp::Ln},   {"RAIZ", TOp::Raiz}, {"ASEN", TOp::Asen},
        {"EXP", TOp::Exp}, {"NEG", TOp::Neg}, {"+", TOp::Soma},    {"-", TOp::Sub},
        {"*", TOp::Mult},  {"/", TOp::Div},   {"^", TOp::Pot},     {"X", TOp::X}};
    for (const auto &[nome, op] : kTabela)
        if (t == nome)
            return op;
    return TOp::Numero;
}

int TRPN::Aridade(TOp op) {
    if (op == TOp::Numero || op == TOp::X)
        return 0;
    return op >= TOp::Soma ? 2 : 1;
}

void TRPN::Compila(std::string_view expr) {
    std::vector<std::string> tokens = Tokeniza(expr);
    MarcaNegativos(tokens);
    std::vector<std::string> posfixa;
    bool valida = ParaPosfixa(tokens, posfixa);

    std::vector<TInstrucao> programa;
    std::vector<std::string> literais;
    int profundidade = 0, maxima = 0;
    for (const std::string &t : posfixa) {
        if (!valida)
            break;
        TInstrucao ins{OperacaoDe(t), 0.0, -1};
        const int aridade = Aridade(ins.op);
        if (aridade == 0) {
            if (ins.op == TOp::Numero) {
                ins.literal = int(literais.size());
                literais.push_back(t);
            }
            maxima = std::max(maxima, ++profundidade);
        } else if (profundidade < aridade) {
            valida = false;
        } else {
            profundidade -= aridade - 1;
        }
        programa.push_back(ins);
    }
    if (!valida || profundidade != 1) {
        // Malformed; a plain signed number ("+5") still stands for itself.
        double v;
        if (!TryStrToFloat(expr, v, DecimalSeparator()))
            throw EConvertError("'" + std::string(expr) + "' não é uma fórmula válida");
        programa.assign(1, TInstrucao{TOp::Numero, 0.0, 0});
        literais.assign(1, std::string(expr));
        maxima = 1;
    }

    comprimento_ = int(expr.size());
    expressao_ = expr;
    tokens_ = std::move(tokens);
    posfixa_ = std::move(posfixa);
    programa_ = std::move(programa);
    literais_ = std::move(literais);
    usaX_ = false;
    for (const TInstrucao &ins : programa_)
        usaX_ = usaX_ || ins.op == TOp::X;
    soX_ = programa_.size() == 1 && programa_[0].op == TOp::X;
    pilha_.assign(std::size_t(maxima), 0.0);
    LeLiterais(DecimalSeparator());
}

// Reads the number operands with the given separator and finds the first operand that does not
// convert, in the order the stack machine converts them (left operand before right).
void TRPN::LeLiterais(char separador) const {
    std::vector<char> valido(literais_.size());
    for (TInstrucao &ins : programa_)
        if (ins.op == TOp::Numero)
            valido[std::size_t(ins.literal)] =
                TryStrToFloat(literais_[std::size_t(ins.literal)], ins.valor, separador);
    constanteValida_ = TryStrToFloat(expressao_, valorConstante_, separador);
    separador_ = separador;

    passoErro_ = literalErro_ = -1;
    std::vector<int> pilha; // literal index of each entry, -1 for X and computed values
    auto falha = [&](int lit, int passo) {
        if (lit < 0 || valido[std::size_t(lit)])
            return false;
        passoErro_ = passo;
        literalErro_ = lit;
        return true;
    };
    for (std::size_t i = 0; i < programa_.size(); ++i) {
        const TInstrucao &ins = programa_[i];
        const int aridade = Aridade(ins.op);
        if (aridade == 0) {
            pilha.push_back(ins.literal);
            continue;
        }
        const int dir = pilha.back();
        pilha.pop_back();
        if (aridade == 2) {
            const int esq = pilha.back();
            pilha.pop_back();
            if (falha(esq, int(i)))
                return;
        }
        if (falha(dir, int(i)))
            return;
        pilha.push_back(-1);
    }
    falha(pilha.front(), int(programa_.size()));
}

double TRPN::AplicaFuncao(TOp op, double a) {
    switch (op) {
    case TOp::Sen:
        return std::sin(a);
    case TOp::Cos:
        return std::cos(a);
    case TOp::Tan:
        return std::tan(a);
    case TOp::Log:
        return a <= 0 ? 0.0 : std::log10(a);
    case TOp::Ln:
        return a <= 0 ? 0.0 : std::log(a);
    case TOp::Abs:
        return std::fabs(a);
    case TOp::Raiz:
        return a < 0 ? 0.0 : std::sqrt(a);
    case TOp::Asen:
        return std::fabs(a) >= 1 ? 0.0 : std::asin(a);
    case TOp::Exp:
        return std::exp(a);
    default:
        return -a;
    }
}

double TRPN::AplicaOperador(TOp op, double esq, double dir) {
    switch (op) {
    case TOp::Soma:
        return esq + dir;
    case TOp::Sub:
        return esq - dir;
    case TOp::Mult:
        return esq * dir;
    case TOp::Div:
        return dir == 0 ? 0.0 : esq / dir;
    default: {
        const double r = std::pow(esq, dir);
        return std::isfinite(r) ? r : 0.0;
    }
    }
}

void TRPN::ErroConversao(const std::string &texto) const {
    throw EConvertError("'" + texto + "' não é um número real válido");
}

double TRPN::Calcula() const {
    const char sep = DecimalSeparator();
    if (sep != separador_)
        LeLiterais(sep);
    if (constante_) {
        if (!constanteValida_)
            ErroConversao(expressao_);
        return valorConstante_;
    }
    if (usaX_ && !std::isfinite(x_))
        ErroConversao(FloatToStr(x_, sep));
    if (soX_)
        return x_;
    const double xr = usaX_ ? Arredonda15Texto(x_) : 0.0;

    const std::size_t fim = passoErro_ >= 0 ? std::size_t(passoErro_) : programa_.size();
    const TInstrucao *ins = programa_.data();
    double *topo = pilha_.data(); // one past the top entry
    for (std::size_t i = 0; i < fim; ++i) {
        const TOp op = ins[i].op;
        if (op == TOp::Numero) {
            *topo++ = ins[i].valor;
        } else if (op == TOp::X) {
            *topo++ = xr;
        } else if (op >= TOp::Soma) {
            const double dir = *--topo;
            topo[-1] = Arredonda15Texto(AplicaOperador(op, topo[-1], dir));
        } else {
            topo[-1] = Arredonda15Texto(AplicaFuncao(op, topo[-1]));
        }
    }
    if (passoErro_ >= 0)
        ErroConversao(literais_[std::size_t(literalErro_)]);
    return pilha_[0];
}
