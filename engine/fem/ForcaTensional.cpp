#include "fem/ForcaTensional.h"

#include <cmath>
#include <numbers>

#include "uLibraryMalhas.h"
#include "uPlataforma.h"

std::unique_ptr<TForcaTensional> TForcaTensional::CreateCopia(const TForcaTensional &origem) {
    auto c = std::make_unique<TForcaTensional>();
    c->Qy1 = origem.Qy1;
    c->Qy2 = origem.Qy2;
    c->Qx1 = origem.Qx1;
    c->Qx2 = origem.Qx2;
    c->Arestas = origem.Arestas;
    c->PorEtapas = origem.PorEtapas;
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

double TForcaTensional::AnguloAresta(const TAresta &aresta) const {
    const double dx = aresta.No2->X - aresta.No1->X;
    const double dy = aresta.No2->Y - aresta.No1->Y;
    if (dx == 0.0) {
        if (dy == 0.0)
            return 0.0; // no direction
        return dy > 0.0 ? std::numbers::pi / 2.0 : -std::numbers::pi / 2.0;
    }
    return std::atan(dy / dx);
}

void TForcaTensional::ForcasDistribuidas(TVetor &forcas, const TLado &lado) const {
    int p1 = 0, p2 = 0;
    lado.Elemento->PosicoesDaAresta(lado, p1, p2);
    if (p1 == 0 || p2 == 0)
        return; // not a side of its element
    const double h = -lado.Comprimento() / 2.0;
    // Linear load q1..q2: the consistent nodal shares (2 q1 + q2) / 3 and (q1 + 2 q2) / 3.
    const double ax = (2.0 * Qx1 + Qx2) / 3.0, bx = (Qx1 + 2.0 * Qx2) / 3.0;
    const double ay = (2.0 * Qy1 + Qy2) / 3.0, by = (Qy1 + 2.0 * Qy2) / 3.0;
    forcas.Set(2 * p1, 1e-6 * h * ay);
    forcas.Set(2 * p1 - 1, 1e-6 * h * ax);
    forcas.Set(2 * p2, 1e-6 * h * by);
    forcas.Set(2 * p2 - 1, 1e-6 * h * bx);
}
