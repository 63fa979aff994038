// Values shared by the tests of materials, heat sources and loads.
#pragma once

#include <memory>

#include "uLibFEM.h"

// The material dialog's defaults: plane strain, modulus by the age law.
inline std::unique_ptr<TMaterial> MaterialPadrao() {
    return std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, 20.0, 0.08609, 0.04225, false,
                                       1.25e-5, 0.2, 9.819, TMaterial::kModeloJCI, false, 20.0,
                                       false, 1.408, 0.1931, true, 0.0, true);
}

#include "uLibraryMalhas.h"

// Right triangle (0,0), (2,0), (0,2) with nodes numbered 1..3.
struct TrianguloTeste {
    TNo n1{1, 0.0, 0.0}, n2{2, 2.0, 0.0}, n3{3, 0.0, 2.0};
    TNo *nos[3] = {&n1, &n2, &n3};
    TElemento elemento{nos, 2};
    TLado Lado(TNo &a, TNo &b) { return TLado(&a, &b, 1, &elemento); }
};
