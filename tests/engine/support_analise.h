// Meshes, values and a private result folder for the tests of the thermal analysis.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "fem/Analise.h"
#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

inline std::unique_ptr<TMaterial> MaterialTermico(double k, double rho, double c) {
    return std::make_unique<TMaterial>(k, k, rho, c, 20.0, 0.08609, 0.04225, false, 1.25e-5, 0.2,
                                       9.819, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                       0.1931, true, 0.0, true);
}

// Rectangle [0, xs.back()] x [0, H] with domain edges 1 bottom, 2 right, 3 top, 4 left; a node
// at every abscissa of xs and ny + 1 heights, numbered up each column; two triangles per cell.
inline std::unique_ptr<TMalha> Retangulo(const std::vector<double> &xs, double H, int ny) {
    auto m = std::make_unique<TMalha>();
    const double W = xs.back();
    m->AdicionaVertice(0, 0);
    m->AdicionaVertice(W, 0);
    m->AdicionaVertice(W, H);
    m->AdicionaVertice(0, H);
    for (int i = 1; i <= 4; ++i)
        m->AdicionaAresta(i, i % 4 + 1, false);
    for (double x : xs)
        for (int j = 0; j <= ny; ++j)
            m->AdicionaNo(x, H * j / ny);
    auto no = [ny](int i, int j) { return i * (ny + 1) + j + 1; };
    for (int i = 0; i + 1 < int(xs.size()); ++i)
        for (int j = 0; j < ny; ++j) {
            m->AdicionaElemento(no(i, j), no(i + 1, j), no(i + 1, j + 1));
            m->AdicionaElemento(no(i, j), no(i + 1, j + 1), no(i, j + 1));
        }
    return m;
}

inline std::vector<double> Uniforme(double L, int n) {
    std::vector<double> xs;
    for (int i = 0; i <= n; ++i)
        xs.push_back(L * i / n);
    return xs;
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

// A private default folder for the step files and a fresh engine-facing state.
struct PastaResultados {
    std::filesystem::path pasta;
    PastaResultados() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        pasta = std::filesystem::temp_directory_path() /
                ("thermal_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(pasta);
        std::filesystem::create_directories(pasta);
        DefinePastaPadrao(pasta);
        ReiniciaEstado();
    }
    ~PastaResultados() {
        ReiniciaEstado();
        DefinePastaPadrao({});
        std::filesystem::remove_all(pasta);
    }
    std::string Passo(int i) const {
        return (pasta / ("Passo" + std::to_string(i) + ".res")).string();
    }
};
