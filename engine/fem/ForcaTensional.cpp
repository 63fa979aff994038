#include "fem/ForcaTensional.h"

#include "uPlataforma.h"

std::unique_ptr<TForcaTensional> TForcaTensional::CreateCopia(const TForcaTensional &origem) {
    auto c = std::make_unique<TForcaTensional>();
    c->Qy1 = origem.Qy1;
    c->Qy2 = origem.Qy2;
    c->Qx1 = origem.Qx1;
    c->Qx2 = origem.Qx2;
    c->Arestas = origem.Arestas;
    return c;
}

void TForcaTensional::ConverteUnidades(double fatorForca, double fatorComprimento) {
    for (double *q : {&Qy1, &Qy2, &Qx1, &Qx2}) {
        *q = *q * fatorForca;
        *q = Divide(*q, fatorComprimento);
    }
}

std::array<double, 2> TForcaTensional::ForcasPesoProprio(double area, double densidade,
                                                         double gravidade) const {
    const double fy = Ativa == 1 ? -(densidade * gravidade) * area / 3.0 : 0.0;
    return {0.0, fy * 1e-6};
}
