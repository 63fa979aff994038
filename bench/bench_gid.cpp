// GiD geometry conversion: a dump file of 100k points and 100k lines read, turned into the
// domain file's text and written. Options: --smoke (tiny case).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "GeometriaGid.h"
#include "uPlataforma.h"

namespace {

double Agora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A polygon of n points on a circle, each joined to the next; every tenth line interior.
std::string Dump(int n) {
    std::string s = "dump\n";
    char linha[128];
    for (int i = 1; i <= n; ++i) {
        std::snprintf(linha, sizeof linha,
                      "POINT\nNum: %d HigherEntity: 2 conditions: 0 material: 0\nLAYER: Layer0\n"
                      "Coord: %.6f %.6f 0.0\nEND POINT\n",
                      i, 1000.0 * i / n, 37.5 * (i % 7));
        s += linha;
    }
    for (int i = 1; i <= n; ++i) {
        std::snprintf(linha, sizeof linha,
                      "STLINE\nNum: %d HigherEntity: %d conditions: 0 material: 0\n"
                      "LAYER: Layer0\nPoints: %d %d\nEND STLINE\n",
                      i, i % 10 == 0 ? 2 : 1, i, i % n + 1);
        s += linha;
    }
    return s + "NURBSURFACE\n";
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 100 : 100000;
    const std::string dump = Dump(n);
    const std::filesystem::path arquivo =
        std::filesystem::temp_directory_path() / ("bench_gid_" + std::to_string(::getpid()));
    const std::filesystem::path entrada = arquivo.string() + ".gid";
    int rc = 0;
    try {
        EscreveArquivo(entrada, dump);
        double melhor = 1e100, leitura = 0;
        for (int vez = 0; vez < 3; ++vez) {
            const double t0 = Agora();
            const TGeometriaGid g = LeGeometriaGidArquivo(entrada.string());
            const double t1 = Agora();
            GravaDominioGid(g, arquivo.string());
            const double t = Agora() - t0;
            if (t < melhor) {
                melhor = t;
                leitura = t1 - t0;
            }
            if (g.NumPontos() != n || g.NumLinhas() != n || int(g.Interiores.size()) != n / 10)
                rc = 1;
        }
        std::printf("name=gid_convert n=%d seconds=%.4f read_seconds=%.4f dump_mb=%.1f\n", n,
                    melhor, leitura, dump.size() / 1e6);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_gid: %s\n", e.what());
        rc = 1;
    }
    std::filesystem::remove(arquivo);
    std::filesystem::remove(entrada);
    return rc;
}
