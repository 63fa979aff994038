// Step-file and stage-element-file readers on arbitrary bytes: each reads or throws
// EInOutError; what reads is finite, and a step file read is written and read back equal.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "fem/ArquivosPasso.h"
#include "fem/ElementosEtapa.h"
#include "uPlataforma.h"

namespace {
std::string Arquivo(const char *sufixo) {
    return (std::filesystem::temp_directory_path() /
            ("fuzz_passo_" + std::to_string(getpid()) + sufixo))
        .string();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho) {
    static const std::string entrada = Arquivo(".res"), saida = Arquivo("_out.res");
    EscreveArquivo(entrada, std::string_view(reinterpret_cast<const char *>(dados), tamanho));
    // The node count comes from the first byte, as a mesh would give it.
    const int n = tamanho > 0 ? dados[0] % 64 : 0;
    TVetor v;
    try {
        LeArquivoPasso(entrada, n, v);
        std::string buffer;
        for (int i = 1; i <= n; ++i)
            if (!std::isfinite(v[i]))
                std::abort();
        try {
            GravaArquivoPasso(saida, v, buffer);
            TVetor w;
            LeArquivoPasso(saida, n, w);
            for (int i = 1; i <= n; ++i)
                if (std::fabs(w[i] - v[i]) > 1e-4 * (1 + std::fabs(v[i])))
                    std::abort();
        } catch (const EMathError &) {
        }
    } catch (const EInOutError &) {
    }
    try {
        (void)LeLinhaArquivoPasso(entrada, 1 + n % 7);
    } catch (const EInOutError &) {
    }

    TElementosEtapa etapa;
    try {
        etapa.Le(entrada);
        for (int e = 0; e < etapa.NumElementos(); ++e) {
            const int achado = etapa.Procura(0.5, 0.5);
            if (achado >= etapa.NumElementos())
                std::abort();
            if (achado >= 0)
                (void)etapa.Interpola(achado, 0.5, 0.5);
            (void)etapa.ProcuraProximo(1.0, -1.0, 1e-3);
            break;
        }
    } catch (const EInOutError &) {
    } catch (const EMathError &) {
    }
    return 0;
}
