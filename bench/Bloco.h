// The benchmarks' 10 m x 5 m block.
#pragma once

#include "MalhaRetangulo.h"
#include "uLibFEM.h"

// nx x ny squares, each cut into two triangles; nodes numbered up each column, as the generator
// numbers them; domain edges bottom, right, top, left.
inline std::unique_ptr<TMalha> Bloco(int nx, int ny) {
    auto m = std::make_unique<TMalha>(nx, ny);
    PreencheRetangulo(*m, Uniforme(10, nx), 5, ny);
    return m;
}

// The thermal case on the block: hydration source 2000, convection h = 8600 to 20 degrees on the
// four faces, 15 degrees at the start, `passos` steps of 6 h, theta 2/3.
inline void CasoTermico(TAnalise &a, int passos) {
    TDominio *d = a.GetDominio();
    d->SetMaterial(std::make_unique<TMaterial>(
        1720.0, 1720.0, 2400.0, 230.0, 20.0, 0.08609, 0.04225, false, 1.25e-5, 0.2, 9.819,
        TMaterial::kModeloJCI, false, 20.0, false, 1.408, 0.1931, true, 0.0, true));
    d->SetFonte(std::make_unique<TForcaInterna>(2000.0));
    TForcaExterna conv;
    conv.SetTipo(TForcaExterna::kConstante);
    conv.SetTemperaturaAmbiente(20.0);
    conv.SetCoefConveccao(8600.0);
    TVetorInteiro arestas(4);
    for (int i = 1; i <= 4; ++i)
        arestas[i] = i;
    conv.SetArestas(arestas);
    d->AdicionaForcaExterna(conv);
    a.SetTempo(std::make_unique<TTempo>(0.0, 6.0 * passos, 6.0, 2.0 / 3.0));
    TVetorInteiro todos(d->GetMalha()->GetNumNos());
    for (int i = 1; i <= todos.GetTamanho(); ++i)
        todos[i] = i;
    a.AplicaTemperaturaInicial(todos, 15.0);
}
