#include "KitMemoria.h"

#include <cstdlib>
#include <cstring>

void *GlobalBlockAlloc(long tamanho) {
    if (tamanho < 1)
        return nullptr;
    return std::calloc(std::size_t(tamanho), 1);
}

void GlobalBlockFree(void *&p) {
    std::free(p);
    p = nullptr;
}

bool SameBytes(const void *a, const void *b, std::size_t n) {
    return n == 0 || std::memcmp(a, b, n) == 0;
}

void CopyBytes(const void *origem, void *destino, std::size_t n) {
    if (n)
        std::memmove(destino, origem, n);
}
