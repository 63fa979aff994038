// Domain and mesh file readers on arbitrary bytes: each must read the file or throw
// EInOutError; a mesh file that reads is written back and its nodes and elements must read
// again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

namespace {

class TSilencio : public IMensagens {
public:
    bool Mostra(TTipoMensagem, const std::string &) override { return true; }
};

std::string Arquivo(const char *sufixo) {
    return (std::filesystem::temp_directory_path() /
            ("fuzz_malha_" + std::to_string(getpid()) + sufixo))
        .string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho) {
    static TSilencio silencio;
    DefineMensagens(&silencio);
    static const std::string entrada = Arquivo(".txt"), saida = Arquivo("_out.txt");
    EscreveArquivo(entrada, std::string_view(reinterpret_cast<const char *>(dados), tamanho));
    ReiniciaEstado();

    TMalha dominio;
    dominio.NomeArquivo = entrada;
    try {
        dominio.LeGeometria();
    } catch (const EInOutError &) {
    }

    TMalha malha;
    TConfiguracaoMalha cfg;
    bool lida = true;
    try {
        malha.LeMalhaCompleta(entrada, cfg);
    } catch (const EInOutError &) {
        lida = false;
    }
    if (lida) {
        malha.SalvaMalha(saida, cfg);
        TMalha outra;
        outra.LeMalha(saida);
        if (outra.GetNumNos() != malha.GetNumNos() ||
            outra.GetNumElementos() != malha.GetNumElementos())
            __builtin_trap();
    }

    try {
        dominio.LeMalha(entrada);
    } catch (const EInOutError &) {
    }
    return 0;
}
