// Mechanical loads of the stress pass: a distributed load on boundary edges and the own weight.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "matematica/Vetor.h"

class TAresta;
class TLado;

class TForcaTensional {
public:
    // Empty load: every value 0, inactive, no edges.
    TForcaTensional() = default;
    // The four end values and the edge numbers; the copy starts inactive.
    static std::unique_ptr<TForcaTensional> CreateCopia(const TForcaTensional &origem);

    void SetQx1(double q) { Qx1 = q; }
    void SetQx2(double q) { Qx2 = q; }
    void SetQy1(double q) { Qy1 = q; }
    void SetQy2(double q) { Qy2 = q; }
    void SetAtiva(std::uint8_t a) { Ativa = a; }
    void SetArestas(const TVetorInteiro &arestas) { Arestas = arestas; }
    double GetQx1() const { return Qx1; }
    double GetQx2() const { return Qx2; }
    double GetQy1() const { return Qy1; }
    double GetQy2() const { return Qy2; }
    std::uint8_t GetAtiva() const { return Ativa; }
    const TVetorInteiro &GetArestas() const { return Arestas; }
    // A copy placed on every stage, each on its own stage mesh's edges: it acts on a side when
    // the side's element is placed. Any other stage load acts once, in its stage's first step.
    void SetPorEtapas(bool b) { PorEtapas = b; }
    bool GetPorEtapas() const { return PorEtapas; }

    // Each value := value x fatorForca / fatorComprimento.
    void ConverteUnidades(double fatorForca, double fatorComprimento);

    // Own-weight force (MN) at each of a triangle's three nodes: (0, -rho g area / 3) x 1e-6
    // when active, (0, 0) otherwise.
    std::array<double, 2> ForcasPesoProprio(double area, double densidade, double gravidade) const;

    // Direction of the edge from its first to its second node, between -pi/2 and pi/2; a
    // vertical edge gives pi/2 with the sign of y2 - y1.
    double AnguloAresta(const TAresta &aresta) const;
    // Overwrites the x and y entries of the side's two nodes in an element load vector (two
    // degrees of freedom per node, x first) with the nodal forces (MN) of the load on the side.
    // Each direction is split so that the two nodal forces add up to the load's resultant.
    void ForcasDistribuidas(TVetor &forcas, const TLado &lado) const;

private:
    double Qy1 = 0.0, Qy2 = 0.0; // N/m at the edge's first and second end
    std::uint8_t Ativa = 0;
    double Qx1 = 0.0, Qx2 = 0.0;
    TVetorInteiro Arestas;
    bool PorEtapas = false;
};
