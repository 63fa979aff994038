#include "fem/Material.h"

#include <cmath>

#include "fem/Tempo.h"
#include "matematica/Vetor.h"
#include "uPlataforma.h"

TMaterial::TMaterial(double kx, double ky, double densidade, double calorEspecifico, double e,
                     double ea, double eb, bool eConstante, double alfa, double poisson,
                     double gravidade, std::uint8_t modeloE, bool maturidade, double fcj28,
                     bool eDaResistencia, double fta, double ftb, bool resistenciaFuncaoIdade,
                     double resistencia, bool epd)
    : ModeloE(modeloE), ResistenciaFuncaoIdade(resistenciaFuncaoIdade), Kx(kx), Ky(ky),
      Densidade(densidade), CalorEspecifico(calorEspecifico), E(e), Ea(ea), Eb(eb),
      EConstante(eConstante), Poisson(poisson), Alfa(alfa), Gravidade(gravidade),
      Maturidade(maturidade), Fcj28(fcj28), EDaResistencia(eDaResistencia), FTa(fta), FTb(ftb),
      Resistencia(resistencia), EPD(epd) {}

TMaterial::~TMaterial() = default;

std::unique_ptr<TMaterial> TMaterial::CreateCopia(const TMaterial &m) {
    auto c = std::make_unique<TMaterial>(
        m.GetKx(), m.GetKy(), m.Densidade, m.GetCalorEspecifico(), m.E, m.Ea, m.Eb, m.EConstante,
        m.Alfa, m.Poisson, m.Gravidade, m.ModeloE, m.Maturidade, m.Fcj28, m.EDaResistencia, m.FTa,
        m.FTb, m.ResistenciaFuncaoIdade, m.Resistencia, m.EPD);
    c->EConstanteValor = m.EConstanteValor;
    if (m.FuncaoCondutividade)
        c->FuncaoCondutividade = TFuncaoDiscreta::CreateCopia(*m.FuncaoCondutividade);
    if (m.FuncaoCalorEspecifico)
        c->FuncaoCalorEspecifico = TFuncaoDiscreta::CreateCopia(*m.FuncaoCalorEspecifico);
    return c;
}

void TMaterial::ConverteUnidades(double fK, double fDens, double fCalor, double fE, double fAlfa,
                                 double fG) {
    FatorK = fK;
    FatorDensidade = fDens;
    FatorCalor = fCalor;
    FatorE = fE;
    FatorAlfa = fAlfa;
    FatorGravidade = fG;
    Kx = Kx * fK;
    Ky = GetKy() * fK;
    Densidade = Densidade * fDens;
    CalorEspecifico = CalorEspecifico * fCalor;
    E = E * fE;
    Alfa = Alfa * fAlfa;
    Gravidade = Gravidade * fG;
}

double TMaterial::GetKx() const {
    return FuncaoCondutividade ? FuncaoCondutividade->Valor(Argumento) * FatorK : Kx;
}

double TMaterial::GetKy() const {
    return FuncaoCondutividade ? FuncaoCondutividade->Valor(Argumento) * FatorK : Ky;
}

double TMaterial::GetCalorEspecifico() const {
    return FuncaoCalorEspecifico ? FuncaoCalorEspecifico->Valor(Argumento) * FatorCalor
                                 : CalorEspecifico;
}

void TMaterial::SetFuncaoCondutividade(std::unique_ptr<TFuncaoDiscreta> f) {
    FuncaoCondutividade = std::move(f);
}

void TMaterial::SetFuncaoCalorEspecifico(std::unique_ptr<TFuncaoDiscreta> f) {
    FuncaoCalorEspecifico = std::move(f);
}

void TMaterial::CalculaEIdade(double t) {
    E = EConstante ? EConstanteValor : Divide(t, Ea + Eb * t);
}

void TMaterial::CalculaResistenciaIdade(double t) {
    Resistencia = Divide(t, FTa + FTb * t);
}

void TMaterial::EJCI(double s) {
    if (EConstante) {
        E = EConstanteValor;
    } else if (s > 0.0) {
        // kgf/cm2 law, then kgf/cm2 to GPa.
        E = 15300.0 * RaizQuadrada(s / 0.0980665);
        E = E * 9.80665e-5;
    }
}

void TMaterial::EByfors(double s) {
    if (EConstante) {
        E = EConstanteValor;
    } else if (s > 0.0) {
        // The law gives MPa; the modulus is kept in GPa.
        E = VerificaFinito(9930.0 * std::pow(s, 2.675) / (1.0 + 1.37 * std::pow(s, 2.204))) /
            1000.0;
    }
}

void TMaterial::EACI(double s) {
    E = EConstante ? EConstanteValor : 3.32 * RaizQuadrada(s) + 6.9;
}

void TMaterial::AplicaModeloE(double s) {
    switch (ModeloE) {
    case kModeloJCI:
        EJCI(s);
        break;
    case kModeloByfors:
        EByfors(s);
        break;
    case kModeloACI:
        EACI(s);
        break;
    default:
        break;
    }
}

void TMaterial::MatrizDEPD(TMatrizD &D, const TTempo &tempo, double t0, double s) {
    if (!EDaResistencia) {
        CalculaEIdade((tempo.GetTempoAtual() - t0) / 24.0);
    } else if (!Maturidade) {
        CalculaResistenciaIdade((tempo.GetTempoAtual() - t0) / 24.0);
        AplicaModeloE(Resistencia);
    } else {
        AplicaModeloE(s);
    }
    const double e = 1000.0 * E;
    const double v = Poisson;
    const double c = Divide(e * (1.0 - v), (1.0 + v) * (1.0 - 2.0 * v));
    const double a = Divide(v, 1.0 - v);
    const double g = Divide(1.0 - 2.0 * v, 2.0 * (1.0 - v));
    D = {{{c, c * a, 0.0}, {c * a, c, 0.0}, {0.0, 0.0, c * g}}};
}

void TMaterial::MatrizDEPT(TMatrizD &D, double t) {
    CalculaEIdade(t);
    const double v = Poisson;
    const double c = Divide(1000.0 * E, 1.0 - v * v);
    D = {{{c, c * v, 0.0}, {c * v, c, 0.0}, {0.0, 0.0, c * (1.0 - v) / 2.0}}};
}

namespace {

void Copia(const TMaterial::TMatrizD &d, TMatriz &D) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            D.Set(i + 1, j + 1, d[std::size_t(i)][std::size_t(j)]);
}

} // namespace

void TMaterial::MatrizDEPD(TMatriz &D, const TTempo &tempo, double t0, double s) {
    TMatrizD d;
    MatrizDEPD(d, tempo, t0, s);
    Copia(d, D);
}

void TMaterial::MatrizDEPT(TMatriz &D, double t) {
    TMatrizD d;
    MatrizDEPT(d, t);
    Copia(d, D);
}
