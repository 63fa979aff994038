// The LZW decoder alone: the first four bytes give the picture's width, height, depth and
// flags, the rest is the frame's stored data.
#include "ErrosFormato.h"
#include "GifLzw.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t n) {
    if (n < 4 || n > 65536)
        return 0;
    const int largura = 1 + dados[0] % 64, altura = 1 + dados[1] % 64;
    const int bits = dados[2] % 3 == 0 ? 1 : dados[2] % 3 == 1 ? 4 : 8;
    const bool entrelacado = dados[3] & 1, tolerante = dados[3] & 2;
    const int bitsCor = 1 + (dados[3] >> 2) % 8;
    TBitmapBM bmp(largura, altura, bits);
    try {
        DecodificaLZW({reinterpret_cast<const char *>(dados + 4), n - 4}, bmp, entrelacado, bitsCor,
                      tolerante);
    } catch (const EInvalidGraphic &) {
    }
    return 0;
}
