// GIF files: the reader (every frame decoded) and, when the input reads, the writer.
#include "ErrosFormato.h"
#include "GifDados.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t n) {
    if (n > 65536)
        return 0;
    TGIFConteudo g;
    try {
        g.Le({reinterpret_cast<const char *>(dados), n});
        for (int i = 1; i < int(g.Frames.size()); ++i)
            g.Decodifica(i);
        if (!g.Frames.empty())
            (void)g.Escreve();
    } catch (const EInvalidGraphic &) {
    }
    return 0;
}
