// Meshes, values and a private result folder for the tests of the thermal analysis.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "fem/Analise.h"
#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "MalhaRetangulo.h"
#include "PastaTeste.h"

// An analysis that shows each element's own arrays just before the theta scheme, in every step.
template <class TBase> struct TEspiaTheta : TBase {
    using TBase::TBase;
    bool TermoDosArranjosMantidos() const override { return false; }
    std::function<void(int, const TMatrizElemento &, const TMatrizElemento &,
                       const TVetorElemento &)>
        ver;
    void EsquemaTheta(int e) override {
        ver(e, this->Ke, this->Ce, this->Fe);
        TBase::EsquemaTheta(e);
    }
};

inline std::unique_ptr<TMaterial> MaterialTermico(double k, double rho, double c) {
    return std::make_unique<TMaterial>(k, k, rho, c, 20.0, 0.08609, 0.04225, false, 1.25e-5, 0.2,
                                       9.819, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                       0.1931, true, 0.0, true);
}

inline std::unique_ptr<TForcaExterna> Conveccao(double h, double ambiente,
                                                std::initializer_list<int> arestas) {
    auto f = std::make_unique<TForcaExterna>();
    f->SetTipo(TForcaExterna::kConstante);
    f->SetTemperaturaAmbiente(ambiente);
    f->SetCoefConveccao(h);
    TVetorInteiro a;
    for (int i : arestas)
        a.Adiciona(i);
    f->SetArestas(a);
    return f;
}

// A zone with the given vertices, fixed or not.
inline std::unique_ptr<TDominio> Poligono(std::initializer_list<std::pair<double, double>> pts,
                                   bool fixo) {
    std::vector<TNo> nos;
    for (auto [x, y] : pts)
        nos.emplace_back(int(nos.size()) + 1, x, y);
    auto d = TDominio::CreateMalha(nos);
    d->SetFixo(fixo);
    return d;
}

inline TVetorInteiro Nos(std::initializer_list<int> nos) {
    TVetorInteiro v;
    for (int i : nos)
        v.Adiciona(i);
    return v;
}

inline TVetorInteiro TodosOsNos(int n) {
    TVetorInteiro v(n);
    for (int i = 1; i <= n; ++i)
        v[i] = i;
    return v;
}
