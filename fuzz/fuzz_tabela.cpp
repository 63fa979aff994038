// Tabulated-function file reader on arbitrary bytes: it must return pairs or throw EInOutError;
// what it reads orders into a table of strictly increasing x that a function takes whole.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ArquivoTabela.h"
#include "matematica/FuncaoDiscreta.h"
#include "uPlataforma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho) {
    std::vector<TPar> pares;
    try {
        pares = LeTabela(std::string_view(reinterpret_cast<const char *>(dados), tamanho));
    } catch (const EInOutError &) {
        return 0;
    }
    if (pares.size() > kMaiorTabela)
        __builtin_trap();
    const auto tabela = Ordena(pares);
    for (std::size_t i = 1; i < tabela.size(); ++i)
        if (!(tabela[i - 1].x < tabela[i].x))
            __builtin_trap();
    TFuncaoDiscreta f;
    PreencheFuncao(f, tabela);
    if (f.GetNumPontos() != static_cast<int>(tabela.size()))
        __builtin_trap();
    return 0;
}
