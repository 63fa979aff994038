// Internal heat sources: the heat released by the hydration of the cement per unit volume and
// time, as a function of the time since placement.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "matematica/FuncaoDiscreta.h"
#include "plataforma/Erros.h"
#include "uRPN.h"

// A load's formula failed to evaluate during a run; the message is the evaluator's. The analysis
// turns it into a message that names the load and where it acts.
class EFormulaCarga : public Exception {
public:
    using Exception::Exception;
};

class TElemento;
class TMaterial;

class TForcaInterna {
public:
    static constexpr std::uint8_t kConstante = 0;
    static constexpr std::uint8_t kModelo = 1;
    static constexpr std::uint8_t kFormula = 2;
    static constexpr std::uint8_t kFuncao = 3;

    // Constant source.
    explicit TForcaInterna(double valor);
    ~TForcaInterna();
    TForcaInterna(const TForcaInterna &) = delete;
    TForcaInterna &operator=(const TForcaInterna &) = delete;

    // Five-parameter law: b, n, heat of hydration E (cal/g), cement content C (kg/m3) and the
    // reference value Tr.
    static std::unique_ptr<TForcaInterna> CreateModelo(double b, double n, double e, double c,
                                                       double tr);
    // Formula of the time since placement, in the variable X; compiled here, once.
    static std::unique_ptr<TForcaInterna> CreateFormula(const std::string &texto);
    // Measured adiabatic temperature rise against time (copied).
    static std::unique_ptr<TForcaInterna> CreateFuncao(const TFuncaoDiscreta &funcao);
    // Same kind and parameters; the start time is not copied.
    static std::unique_ptr<TForcaInterna> CreateCopia(const TForcaInterna &origem);

    // Only the constant rate is converted.
    void ConverteUnidades(double fator) { ValorConstante = ValorConstante * fator; }
    void SetTipo(std::uint8_t tipo) { Tipo = tipo; }
    void SetInstanteInicial(double t0) { InstanteInicial = t0; }

    // Heat rate at time t (hours); the element is not used, the material only by the
    // adiabatic-rise kind.
    double Valor(const TElemento *elemento, const TMaterial &material, double t);
    // Law of five parameters at x hours after placement; 0 until placement.
    double ValorModelo(double x) const;
    // Equivalent age of x hours at the reference value Tr.
    double IdadeEquivalente(double x) const;

    std::uint8_t GetTipo() const { return Tipo; }
    double GetValor() const { return ValorConstante; }
    double Getb() const { return b; }
    double Getn() const { return n; }
    double GetE() const { return E; }
    double GetC() const { return C; }
    double GetTr() const { return Tr; }
    double GetInstanteInicial() const { return InstanteInicial; }
    const TRPN *GetFormula() const { return Formula.get(); }
    const TFuncaoDiscreta *GetFuncao() const { return Funcao.get(); }

private:
    double ValorConstante = 0.0;
    std::uint8_t Tipo = kConstante;
    double b = 0.0, n = 0.0, E = 0.0, C = 0.0, Tr = 0.0;
    std::unique_ptr<TRPN> Formula;
    double InstanteInicial = 0.0;
    std::unique_ptr<TFuncaoDiscreta> Funcao;
};
