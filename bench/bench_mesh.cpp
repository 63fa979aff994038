// Mesh generation: triangles per second for rectangles of about 10k, 40k and 160k triangles
// and for a gravity-dam profile and a square divided by a maximum dimension.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"

namespace {

void Mede(const char *nome, const std::vector<std::pair<double, double>> &p, int nx, int ny) {
    auto m = std::make_unique<TMalha>(nx, ny);
    for (auto [x, y] : p)
        m->AdicionaVertice(x, y);
    const int n = int(p.size());
    for (int i = 1; i <= n; ++i)
        m->AdicionaArestaNos(i, i % n + 1);
    auto t0 = std::chrono::steady_clock::now();
    m->GeraMalha(Estado().ConfiguracaoMalha);
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("name=%s n=%d seconds=%.4f nodes=%d triangles_per_s=%.0f us_per_triangle=%.3f\n",
                nome, m->GetNumElementos(), s, m->GetNumNos(), m->GetNumElementos() / s,
                1e6 * s / m->GetNumElementos());
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const std::vector<std::pair<double, double>> retangulo = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    // Gravity-dam profile on its foundation line (metres).
    const std::vector<std::pair<double, double>> barragem = {
        {0, 0}, {42, 0}, {42, 1.5}, {36, 6}, {8, 50}, {0, 50}, {0, 44}, {-2, 40}, {-2, 0.5}};
    if (smoke) {
        Mede("rect_smoke", retangulo, 10, 5);
        return 0;
    }
    Mede("rect_10k", retangulo, 100, 50);
    Mede("rect_40k", retangulo, 200, 100);
    Mede("rect_160k", retangulo, 400, 200);
    TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    c.PorDmax = true;
    for (double dmax : {0.6, 0.3, 0.15}) {
        c.Dmax = dmax;
        char nome[64];
        std::snprintf(nome, sizeof nome, "dam_dmax_%.2f", dmax);
        Mede(nome, barragem, 2, 2);
    }
    // A 25 m square by a maximum dimension whose steps carry rounding.
    c.Dmax = 0.07;
    Mede("square25_dmax_0.07", {{0, 0}, {25, 0}, {25, 25}, {0, 25}}, 2, 2);
    return 0;
}
