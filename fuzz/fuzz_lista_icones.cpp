// Icon-list streams: the entries and each icon file image's structure.
#include "ArquivoIcone.h"
#include "ErrosFormato.h"
#include "ListaIconesFluxo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t n) {
    if (n > 65536)
        return 0;
    try {
        LeListaIcones({reinterpret_cast<const char *>(dados), n}, [](std::string_view icone) {
            if (icone.empty())
                return;
            try {
                (void)ComoIcone(icone);
            } catch (const EReadError &) {
            }
        });
    } catch (const EReadError &) {
    }
    return 0;
}
