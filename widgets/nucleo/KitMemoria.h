// Memory and rectangle helpers of the widget kit (no Qt).
#pragma once

#include <cstddef>
#include <cstdint>

// A zero-filled block; nullptr for a size below 1.
void *GlobalBlockAlloc(long tamanho);
// Frees a block from GlobalBlockAlloc and clears the pointer.
void GlobalBlockFree(void *&p);
// True when the two byte ranges are equal.
bool SameBytes(const void *a, const void *b, std::size_t n);
inline void *OffsetPointer(void *p, std::ptrdiff_t deslocamento) {
    return static_cast<char *>(p) + deslocamento;
}
// Block move (the ranges may overlap).
void CopyBytes(const void *origem, void *destino, std::size_t n);

struct TKitRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
inline int WidthOf(const TKitRect &r) {
    return r.Right - r.Left;
}
inline int HeightOf(const TKitRect &r) {
    return r.Bottom - r.Top;
}

// Colours are blue-green-red values (0x00BBGGRR); a palette-relative one has 0x02 in the top byte.
using TKitColor = std::uint32_t;
inline TKitColor PaletteRelative(TKitColor c) {
    return 0x02000000u | (c & 0x00FFFFFFu);
}
