// Error types with the platform's messages, and arithmetic that raises them instead of producing
// infinities or NaN.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &msg) : std::runtime_error(msg) {}
};

class EInOutError : public Exception {
public:
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Divisão por zero em ponto flutuante";
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Operação de ponto flutuante inválida";
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Estouro em ponto flutuante";
};

[[noreturn]] void ErroDivisaoPorZero();
[[noreturn]] void ErroOperacaoInvalida();
[[noreturn]] void ErroEstouro();

// Division and square root that raise the platform's floating-point errors instead of
// producing infinities or NaN.
double Divide(double a, double b);
double RaizQuadrada(double x);
// Throws EInvalidOp for NaN and EOverflow for an infinity; returns x otherwise.
double VerificaFinito(double x);
// Nearest integer, halves to even. Throws EInvalidOp when x is NaN or outside the 32-bit range.
int Round(double x);
