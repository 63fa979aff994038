// GiD geometry reader on arbitrary bytes: it must convert or throw EInOutError; a conversion
// names only points it read and writes one vertex line per point and one edge line per line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "GeometriaGid.h"
#include "uPlataforma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho) {
    TGeometriaGid g;
    try {
        g = LeGeometriaGid(std::string_view(reinterpret_cast<const char *>(dados), tamanho));
    } catch (const EInOutError &) {
        return 0;
    }
    const int n = g.NumPontos();
    if (n < 1 || g.NumLinhas() < 1 || g.Linhas.size() % 2 != 0)
        __builtin_trap();
    for (std::int32_t p : g.Linhas)
        if (p < 1 || p > n)
            __builtin_trap();
    const std::string texto = TextoDominioGid(g);
    std::size_t linhas = 0;
    for (char c : texto)
        linhas += c == '\n';
    if (linhas != std::size_t(4 + n + g.NumLinhas()))
        __builtin_trap();
    return 0;
}
