// A Windows bitmap held in memory as the pieces of its file image: the palette and the pixel
// rows of 1, 4, 8 or 24 bits per pixel, each row padded to a multiple of 4 bytes, bottom row
// first. Serialises to and parses from the "BM" file image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Palette entry as the file stores it: blue, green, red, 0.
struct TCorBGR {
    std::uint8_t b = 0, g = 0, r = 0, x = 0;
    friend bool operator==(const TCorBGR &, const TCorBGR &) = default;
};

inline TCorBGR CorRGB(int r, int g, int b) {
    return {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), 0};
}

// Largest picture the formats accept (pixels); beyond it reading is "Stream read error".
inline constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

class TBitmapBM {
public:
    TBitmapBM() = default;
    // A zero-filled picture; the palette gets 2^bits entries for 1, 4 and 8 bits.
    TBitmapBM(int largura, int altura, int bits);

    int Largura() const { return FLargura; }
    int Altura() const { return FAltura; }
    int Bits() const { return FBits; }
    bool Vazio() const { return FLargura <= 0 || FAltura <= 0; }

    // Bytes per row: (width x bits + 31) div 32 x 4.
    static std::size_t BytesPorLinha(int largura, int bits);
    std::size_t BytesPorLinha() const { return BytesPorLinha(FLargura, FBits); }

    // Row y of the image (0 = top), stored bottom-up.
    std::uint8_t *Linha(int y) {
        return FPixels.data() + std::size_t(FAltura - 1 - y) * BytesPorLinha();
    }
    const std::uint8_t *Linha(int y) const {
        return FPixels.data() + std::size_t(FAltura - 1 - y) * BytesPorLinha();
    }
    std::vector<std::uint8_t> &Pixels() { return FPixels; }
    const std::vector<std::uint8_t> &Pixels() const { return FPixels; }

    // Palette index (1, 4, 8 bits) of pixel (x, y).
    int Indice(int x, int y) const;
    void DefineIndice(int x, int y, int indice);
    // Colour of pixel (x, y) through the palette, or straight for 24 bits.
    TCorBGR Cor(int x, int y) const;

    std::vector<TCorBGR> Paleta;
    // The information header's count of used colours (0: all of 2^bits).
    std::uint32_t CoresUsadas = 0;

    // Number of colours the palette really offers: CoresUsadas when set, else 2^bits (0 for 24).
    int NumCores() const;

    // The complete file image: file header (14 bytes), information header (40), colour table
    // (4 x 2^bits bytes for up to 8 bits), pixel rows.
    std::vector<std::uint8_t> Serializa() const;
    // Reads a file image of 1, 4, 8 or 24 bits per pixel without compression (a top-down one is
    // turned bottom-up). Throws EInvalidGraphic for anything else.
    static TBitmapBM Le(std::string_view dados);

private:
    int FLargura = 0, FAltura = 0, FBits = 8;
    std::vector<std::uint8_t> FPixels;
};
