// Animated cursor files: the RIFF walker, the header, sequence and rate chunks and the icons.
#include "CursorAnimado.h"
#include "ErrosFormato.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t n) {
    if (n > 65536)
        return 0;
    try {
        (void)LeCursorAnimado({reinterpret_cast<const char *>(dados), n});
    } catch (const EReadError &) {
    }
    return 0;
}
