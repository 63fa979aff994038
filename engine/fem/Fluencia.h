// Creep laws of the stress pass: effective modulus, Bureau of Reclamation logarithmic law and
// the ACI 209 creep coefficient.
#pragma once

#include <cstdint>
#include <memory>

class TMaterial;

class TFluencia {
public:
    static constexpr std::uint8_t kModuloEfetivo = 0;
    static constexpr std::uint8_t kBureauReclamation = 1;
    static constexpr std::uint8_t kACI209 = 7;

    // Every field zero.
    TFluencia() = default;
    static std::unique_ptr<TFluencia> CreateCopia(const TFluencia &origem) {
        return std::make_unique<TFluencia>(origem);
    }

    void SetTipo(std::uint8_t tipo) { Tipo = tipo; }
    void SetCoefFluencia(double c) { CoefFluencia = c; }
    void SetTempoFluencia(double t) { TempoFluencia = t; }
    void SetT0(double t0) { T0 = t0; }
    double GetCoefFluencia() const { return CoefFluencia; }
    double GetTempoFluencia() const { return TempoFluencia; }

    // Kinds 0 and 1 replace the material's modulus by the effective one (MPa) at time t (days);
    // kind 7 leaves the material alone.
    void AplicaAoMaterial(TMaterial &material, double t);
    // ACI 209 creep coefficient at time t (hours) for a volume-to-surface ratio vs (mm),
    // stored in Phi.
    void CoeficienteACI(double vs, double t);
    // Ultimate ACI 209 coefficient: the product of the six correction factors, each stored.
    double CoeficienteUltimoACI(double vs);

    std::uint8_t Tipo = 0;
    double B = 0.0; // Bureau law: coefficient of 1/x in F, 1e-6/MPa times days
    double A = 0.0; // Bureau law: constant term of F, 1e-6/MPa
    double CoefFluencia = 0.0;
    double TempoFluencia = 0.0; // hours
    double Phi = 0.0;
    double Flexibilidade = 0.0; // 1/MPa
    double T0 = 0.0;            // loading time, hours
    double Umidade = 0.0;       // %
    double Abatimento = 0.0;    // mm
    std::uint8_t CuraUmida = 0; // 1 = moist cure, otherwise steam cure
    double Finos = 0.0;         // %
    double Ar = 0.0;            // %
    double GamaLa = 0.0, GamaLambda = 0.0, GamaVs = 0.0, GamaS = 0.0, GamaPsi = 0.0, GamaAlfa = 0.0;
};
