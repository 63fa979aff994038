// Per-element value objects: heat-source rates, constitutive matrices, convection and
// distributed-load side arrays. Also counts heap allocations per call (expected 0).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "uLibFEM.h"
#include "uLibraryMalhas.h"

#include "ContaAlocacoes.h"

namespace {

bool semAlocacao = true;

template <class F> void Mede(const char *nome, int n, F &&f) {
    double soma = 0;
    const long a0 = gAlocacoes;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i)
        soma += f(i);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("name=%s n=%d seconds=%.4f allocations_per_call=%.3f checksum=%g\n", nome, n, s,
                double(gAlocacoes - a0) / n, soma);
    semAlocacao = semAlocacao && gAlocacoes == a0;
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 1000 : 5'000'000;

    TMaterial m(2, 2, 2400, 1000, 20, 0.08609, 0.04225, false, 1.25e-5, 0.2, 9.819, 0, false, 20,
                false, 1.408, 0.1931, true, 0, true);
    auto modelo = TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0);
    auto formula = TForcaInterna::CreateFormula("20+345*LOG(480*X+1)");
    TTempo tempo(0, 1e6, 1, 0.5);
    TMaterial::TMatrizD d;
    TForcaExterna conv;
    conv.SetCoefConveccao(10);
    TForcaTensional carga;
    carga.SetQy1(1000);
    carga.SetQy2(3000);
    TNo n1(1, 0, 0), n2(2, 2, 0), n3(3, 0, 2);
    TNo *nos[3] = {&n1, &n2, &n3};
    TElemento el(nos, 2);
    TLado lado(&n1, &n2, 1, &el);
    TMatriz M(3, 3);
    TVetor F(3), forcas(6);

    Mede("fonte_modelo", n, [&](int i) { return modelo->Valor(nullptr, m, 1.0 + i * 1e-3); });
    Mede("fonte_formula", n, [&](int i) { return formula->Valor(nullptr, m, 1.0 + i * 1e-3); });
    Mede("matriz_depd", n, [&](int i) {
        tempo.SetTempoAtual(24.0 + i * 1e-3);
        m.MatrizDEPD(d, tempo, 0, 0);
        return d[0][0];
    });
    Mede("conveccao_aresta", n, [&](int i) {
        conv.MatrizAresta(lado, M, i);
        conv.CargaAresta(lado, F, i);
        return M.Get(1, 1) + F.Get(1);
    });
    Mede("forcas_distribuidas", n, [&](int) {
        carga.ForcasDistribuidas(forcas, lado);
        return forcas.Get(2);
    });
    return semAlocacao ? 0 : 1;
}
