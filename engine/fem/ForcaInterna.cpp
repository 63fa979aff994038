#include "fem/ForcaInterna.h"

#include <cmath>

#include "fem/Material.h"
#include "uPlataforma.h"

TForcaInterna::TForcaInterna(double valor) : ValorConstante(valor) {}

TForcaInterna::~TForcaInterna() = default;

std::unique_ptr<TForcaInterna> TForcaInterna::CreateModelo(double b, double n, double e, double c,
                                                           double tr) {
    auto f = std::make_unique<TForcaInterna>(0.0);
    f->Tipo = kModelo;
    f->b = b;
    f->n = n;
    f->E = e;
    f->C = c;
    f->Tr = tr;
    return f;
}

std::unique_ptr<TForcaInterna> TForcaInterna::CreateFormula(const std::string &texto) {
    auto f = std::make_unique<TForcaInterna>(0.0);
    f->Tipo = kFormula;
    f->Formula = std::make_unique<TRPN>(texto);
    return f;
}

std::unique_ptr<TForcaInterna> TForcaInterna::CreateFuncao(const TFuncaoDiscreta &funcao) {
    auto f = std::make_unique<TForcaInterna>(0.0);
    f->Tipo = kFuncao;
    f->Funcao = TFuncaoDiscreta::CreateCopia(funcao);
    return f;
}

std::unique_ptr<TForcaInterna> TForcaInterna::CreateCopia(const TForcaInterna &origem) {
    auto f = std::make_unique<TForcaInterna>(0.0);
    f->Tipo = origem.Tipo;
    switch (origem.Tipo) {
    case kConstante:
        f->ValorConstante = origem.ValorConstante;
        break;
    case kModelo:
        f->b = origem.b;
        f->n = origem.n;
        f->E = origem.E;
        f->C = origem.C;
        f->Tr = origem.Tr;
        break;
    case kFormula:
        if (origem.Formula)
            f->Formula = std::make_unique<TRPN>(origem.Formula->GetExpressao());
        break;
    case kFuncao:
        if (origem.Funcao)
            f->Funcao = TFuncaoDiscreta::CreateCopia(*origem.Funcao);
        break;
    default:
        break;
    }
    return f;
}

double TForcaInterna::IdadeEquivalente(double x) const {
    const double ln2 = std::log(2.0);
    return (10.0 / ln2) * std::exp(-Tr / 10.0 * ln2) * std::expm1(x / 10.0 * ln2);
}

double TForcaInterna::ValorModelo(double x) const {
    if (x <= 0.0)
        return 0.0;
    const double ln2 = std::log(2.0);
    const double te = IdadeEquivalente(x);
    if (!(te > 0.0))
        return 0.0; // x below the resolution of doubles
    // ln te; beyond the range of doubles 2^(x/10) - 1 is 2^(x/10) itself.
    const double lnTe =
        std::isfinite(te) ? std::log(te) : std::log(10.0 / ln2) - Tr / 10.0 * ln2 + x / 10.0 * ln2;
    // te^(-1-n) exp(-b te^-n) 2^((x-Tr)/10) as one exponential, so that neither the growth of
    // 2^(x/10) nor the decay of te^(-1-n) leaves the range of doubles on its own.
    const double expoente = (-1.0 - n) * lnTe - b * std::exp(-n * lnTe) + (x - Tr) / 10.0 * ln2;
    return VerificaFinito(1000.0 * b * n * E * C * std::exp(expoente));
}

double TForcaInterna::Valor(const TElemento * /*elemento*/, const TMaterial &material, double t) {
    const double x = t - InstanteInicial;
    switch (Tipo) {
    case kConstante:
        return ValorConstante;
    case kModelo:
        return ValorModelo(x);
    case kFormula:
        if (!Formula)
            return 0.0;
        Formula->SetX(x);
        try {
            return Formula->Calcula();
        } catch (const Exception &e) {
            throw EFormulaCarga(e.what());
        }
    case kFuncao:
        if (!Funcao)
            return 0.0;
        return material.GetDensidade() * material.GetCalorEspecifico() * Funcao->Derivada(x);
    default:
        return 0.0;
    }
}
