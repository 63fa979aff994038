#include "fem/Fluencia.h"

#include <cmath>

#include "fem/Material.h"
#include "fem/Potencia.h"
#include "uPlataforma.h"

void TFluencia::AplicaAoMaterial(TMaterial &material, double t) {
    const double x = t - T0 / 24.0; // days since loading
    const double e = material.GetE();
    if (Tipo == kModuloEfetivo) {
        const double tf = TempoFluencia / 24.0;
        double phi = CoefFluencia;
        if (x < 0.0)
            phi = 0.0;
        else if (x < tf)
            phi = CoefFluencia * x / tf; // grows from 0 at loading to the final value at tf
        const double eEf = Divide(e * 1000.0, 1.0 + phi);
        Flexibilidade = eEf == 0.0 ? 0.0 : 1.0 / eEf;
        material.SetE(eEf);
    } else if (Tipo == kBureauReclamation) {
        if (e == 0.0) {
            Flexibilidade = 0.0;
            return;
        }
        // A and B are entered in 1e-6/MPa.
        const double fl = x > 0.0 ? (B / x + A) * 1e-6 * std::log(x + 1.0) : 0.0;
        Flexibilidade = Divide(1.0, e * 1000.0) + fl;
        material.SetE(Divide(1.0, Flexibilidade));
    }
}

void TFluencia::CoeficienteACI(double vs, double t) {
    double x = (t - T0) / 24.0;
    if (x < 0.0)
        x = 0.0; // not loaded yet
    const double phiU = CoeficienteUltimoACI(vs);
    const double p = Potencia(x, 0.6);
    Phi = phiU * p / (10.0 + p);
}

double TFluencia::CoeficienteUltimoACI(double vs) {
    const double tla = (T0 + 1.0) / 24.0;
    GamaLa = CuraUmida == 1 ? 1.25 * Potencia(tla, -0.118) : 1.13 * Potencia(tla, -0.095);
    GamaLambda = Umidade <= 40.0 ? 1.0 : 1.27 - 0.006 * Umidade;
    GamaVs = (2.0 / 3.0) * (1.0 + 1.13 * std::exp(-0.0213 * vs));
    GamaS = 0.82 + 0.00264 * Abatimento;
    GamaPsi = 0.88 + 0.0024 * Finos;
    GamaAlfa = 0.46 + 0.09 * Ar;
    return GamaLa * GamaLambda * GamaVs * GamaS * GamaPsi * GamaAlfa;
}
