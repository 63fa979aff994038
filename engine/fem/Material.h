// Thermal and mechanical properties of a concrete, its modulus laws and its constitutive
// matrices.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "matematica/FuncaoDiscreta.h"

class TMatriz;
class TTempo;

class TMaterial {
public:
    // 3x3 constitutive matrix, 0-based.
    using TMatrizD = std::array<std::array<double, 3>, 3>;

    static constexpr std::uint8_t kModeloJCI = 0;
    static constexpr std::uint8_t kModeloByfors = 1;
    static constexpr std::uint8_t kModeloACI = 2;

    TMaterial(double kx, double ky, double densidade, double calorEspecifico, double e, double ea,
              double eb, bool eConstante, double alfa, double poisson, double gravidade,
              std::uint8_t modeloE, bool maturidade, double fcj28, bool eDaResistencia, double fta,
              double ftb, bool resistenciaFuncaoIdade, double resistencia, bool epd);
    ~TMaterial();
    TMaterial(const TMaterial &) = delete;
    TMaterial &operator=(const TMaterial &) = delete;

    // Tabulated properties are copied as their current values and their functions deep-copied;
    // the unit factors start at 0.
    static std::unique_ptr<TMaterial> CreateCopia(const TMaterial &m);

    // Stores the factors, then scales conductivity, density, specific heat, E, alpha and
    // gravity.
    void ConverteUnidades(double fK, double fDens, double fCalor, double fE, double fAlfa,
                          double fG);

    double GetKx() const;
    double GetKy() const;
    double GetCalorEspecifico() const;
    double GetDensidade() const { return Densidade; }
    double GetE() const { return E; }
    double GetEa() const { return Ea; }
    double GetEb() const { return Eb; }
    bool GetEConstante() const { return EConstante; }
    double GetEConstanteValor() const { return EConstanteValor; }
    double GetPoisson() const { return Poisson; }
    double GetAlfa() const { return Alfa; }
    double GetGravidade() const { return Gravidade; }
    bool GetMaturidade() const { return Maturidade; }
    double GetFcj28() const { return Fcj28; }
    bool GetEDaResistencia() const { return EDaResistencia; }
    double GetFTa() const { return FTa; }
    double GetFTb() const { return FTb; }
    double GetResistencia() const { return Resistencia; }
    bool GetEPD() const { return EPD; }
    const TFuncaoDiscreta *GetFuncaoCondutividade() const { return FuncaoCondutividade.get(); }
    const TFuncaoDiscreta *GetFuncaoCalorEspecifico() const { return FuncaoCalorEspecifico.get(); }

    void SetKx(double v) { Kx = v; }
    void SetKy(double v) { Ky = v; }
    void SetDensidade(double v) { Densidade = v; }
    void SetCalorEspecifico(double v) { CalorEspecifico = v; }
    // The material takes ownership; nullptr removes the function.
    void SetFuncaoCondutividade(std::unique_ptr<TFuncaoDiscreta> f);
    void SetFuncaoCalorEspecifico(std::unique_ptr<TFuncaoDiscreta> f);
    void SetE(double v) { E = v; }
    void SetEa(double v) { Ea = v; }
    void SetEb(double v) { Eb = v; }
    void SetEConstante(bool b) { EConstante = b; }
    void SetEConstanteValor(double v) { EConstanteValor = v; }
    void SetPoisson(double v) { Poisson = v; }
    void SetAlfa(double v) { Alfa = v; }
    void SetGravidade(double v) { Gravidade = v; }
    void SetModeloE(std::uint8_t m) { ModeloE = m; }
    void SetMaturidade(bool b) { Maturidade = b; }
    void SetFcj28(double v) { Fcj28 = v; }
    void SetEDaResistencia(bool b) { EDaResistencia = b; }
    void SetFTa(double v) { FTa = v; }
    void SetFTb(double v) { FTb = v; }
    void SetResistenciaFuncaoIdade(bool b) { ResistenciaFuncaoIdade = b; }
    void SetResistencia(double v) { Resistencia = v; }
    void SetEPD(bool b) { EPD = b; }

    // E at age t (days) by the age law, or the constant value.
    void CalculaEIdade(double t);
    // Current strength := t / (FTa + FTb t), t in days.
    void CalculaResistenciaIdade(double t);
    // E from a strength s by each model (GPa), or the constant value.
    void EJCI(double s);
    void EByfors(double s);
    void EACI(double s);

    // Plane strain; tempo's current time and t0 are hours, s the strength in maturity mode.
    void MatrizDEPD(TMatrizD &D, const TTempo &tempo, double t0, double s);
    void MatrizDEPD(TMatriz &D, const TTempo &tempo, double t0, double s);
    // Plane stress with the modulus of the age law at t, as passed.
    void MatrizDEPT(TMatrizD &D, double t);
    void MatrizDEPT(TMatriz &D, double t);

    std::uint8_t ModeloE = kModeloJCI;
    bool ResistenciaFuncaoIdade = false;

private:
    void AplicaModeloE(double s);

    double FatorK = 0.0, FatorDensidade = 0.0, FatorCalor = 0.0, FatorE = 0.0, FatorAlfa = 0.0,
           FatorGravidade = 0.0;
    double Kx, Ky;
    double Densidade, CalorEspecifico;
    double E; // GPa
    double Ea, Eb;
    bool EConstante;
    double Poisson, Alfa, Gravidade;
    double Argumento = 0.0;
    std::unique_ptr<TFuncaoDiscreta> FuncaoCondutividade, FuncaoCalorEspecifico;
    bool Maturidade;
    double Fcj28;
    bool EDaResistencia;
    double FTa, FTb;
    double Resistencia;
    double EConstanteValor = 0.0;
    bool EPD;
};
