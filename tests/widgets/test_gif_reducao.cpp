// Colour reduction: the fixed palettes byte for byte, exact colours kept by the frequency
// method, the median cut's boxes, and the nearest basic colours for 1 and 4 bits.
#include "ErrosFormato.h"
#include "KitGraph.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

TBitmapBM Rgb(std::initializer_list<TCorBGR> pixels, int largura) {
    const int altura = int(pixels.size()) / largura;
    TBitmapBM b(largura, altura, 24);
    int i = 0;
    for (TCorBGR c : pixels) {
        std::uint8_t *p = b.Linha(i / largura) + 3 * (i % largura);
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
        ++i;
    }
    return b;
}

const TCorBGR kVermelho = CorRGB(255, 0, 0), kBranco = CorRGB(255, 255, 255),
              kVerde = CorRGB(0, 255, 0), kPreto = CorRGB(0, 0, 0);

} // namespace

TEST(Reducao, PaletasFixas) {
    const TBitmapBM b = Rgb({kVermelho, kBranco, kVerde, CorRGB(100, 150, 200)}, 2);
    const TBitmapBM m3 = ConverteBitmap(b, 8, 3);
    EXPECT_EQ(m3.Indice(0, 0), 180);
    EXPECT_EQ(m3.Indice(1, 0), 215);
    EXPECT_EQ(m3.Paleta[180], kVermelho);
    EXPECT_EQ(m3.Paleta[216], CorRGB(128, 128, 128));
    EXPECT_EQ(m3.CoresUsadas, 216u);
    // 100 -> level 2 (102), 150 -> 3 (153), 200 -> 4 (204).
    EXPECT_EQ(m3.Indice(1, 1), 2 * 36 + 3 * 6 + 4);

    const TBitmapBM m5 = ConverteBitmap(b, 8, 5);
    EXPECT_EQ(m5.Indice(0, 1), 149);
    EXPECT_EQ(m5.Indice(0, 0), 76);
    EXPECT_EQ(m5.Paleta[149], CorRGB(149, 149, 149));

    const TBitmapBM m2 = ConverteBitmap(b, 8, 2);
    EXPECT_EQ(m2.Indice(0, 0), (6 * 8 + 0) * 4 + 0);
    EXPECT_EQ(m2.Indice(1, 0), 223);
    EXPECT_EQ(m2.CoresUsadas, 224u);
    // 100 -> 7 levels: 85 (2); 150 -> 8 levels: 146 (4); 200 -> 4 levels: 170 (2).
    EXPECT_EQ(m2.Indice(1, 1), (2 * 8 + 4) * 4 + 2);

    // Method 4 shows red, green, blue by (x + y) mod 3.
    const TBitmapBM m4 = ConverteBitmap(b, 8, 4);
    EXPECT_EQ(m4.Indice(0, 0), 255 >> 2);
    EXPECT_EQ(m4.Indice(1, 0), (255 >> 2) + 64);
    EXPECT_EQ(m4.Indice(0, 1), (255 >> 2) + 64);
    EXPECT_EQ(m4.Indice(1, 1), (200 >> 2) + 128);

    // Ties in the level tables go to the lower level.
    EXPECT_EQ(NivelMaisProximo(4)[42], 0);
    EXPECT_EQ(NivelMaisProximo(4)[43], 1);
    EXPECT_THROW(ConverteBitmap(b, 16, 0), EInvalidOperation);
}

TEST(Reducao, FrequenciaGuardaAsCoresExatas) {
    std::mt19937 g(5);
    std::vector<TCorBGR> cores(200);
    for (auto &c : cores)
        c = CorRGB(int(g() % 256), int(g() % 256), int(g() % 256));
    TBitmapBM b(64, 64, 24);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const TCorBGR c = cores[std::size_t(g() % cores.size())];
            std::uint8_t *p = b.Linha(y) + 3 * x;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    const TBitmapBM r = ConverteBitmap(b, 8, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(r.Cor(x, y), b.Cor(x, y));
    // The most frequent colour comes first.
    TBitmapBM dois = Rgb({kVerde, kVermelho, kVermelho, kVerde, kVermelho, kBranco}, 3);
    const TBitmapBM r2 = ConverteBitmap(dois, 8, 0);
    EXPECT_EQ(r2.Paleta[0], kVermelho);
    EXPECT_EQ(r2.Paleta[1], kVerde);
    EXPECT_EQ(r2.Paleta[3], CorRGB(128, 128, 128));

    // Over 2049 colours the masks coarsen; every pixel still maps to a near colour.
    TBitmapBM ruido(128, 128, 24);
    for (auto &v : ruido.Pixels())
        v = std::uint8_t(g());
    const TBitmapBM rr = ConverteBitmap(ruido, 8, 0);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const TCorBGR a = ruido.Cor(x, y), c = rr.Cor(x, y);
            ASSERT_LE(std::abs(a.r - c.r) + std::abs(a.g - c.g) + std::abs(a.b - c.b), 3 * 96);
        }
}

TEST(Reducao, CorteMedianoEPoucasCores) {
    // Two colours: two boxes, each colour from its 4-bit key.
    const TBitmapBM b = Rgb({kVermelho, kVermelho, kBranco, kPreto}, 2);
    const TBitmapBM r = ConverteBitmap(b, 8, 1);
    EXPECT_EQ(r.CoresUsadas, 3u);
    std::set<int> indices = {r.Indice(0, 0), r.Indice(0, 1), r.Indice(1, 1)};
    EXPECT_EQ(indices.size(), 3u);
    EXPECT_EQ(r.Indice(0, 0), r.Indice(1, 0));
    // Per channel (key x 16 + 15) div keys: red's zero channels become 15; black stays black.
    EXPECT_EQ(r.Cor(0, 0), CorRGB(255, 15, 15));
    EXPECT_EQ(r.Cor(0, 1), kBranco);
    EXPECT_EQ(r.Cor(1, 1), kPreto);
    // Deterministic on a photo-like picture.
    TBitmapBM foto(90, 60, 24);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) {
            std::uint8_t *p = foto.Linha(y) + 3 * x;
            p[0] = std::uint8_t(x * 2);
            p[1] = std::uint8_t(y * 4);
            p[2] = std::uint8_t((x * y) % 256);
        }
    const TBitmapBM f1 = ConverteBitmap(foto, 8, 1), f2 = ConverteBitmap(foto, 8, 1);
    EXPECT_EQ(f1.Serializa(), f2.Serializa());
    EXPECT_EQ(f1.CoresUsadas, 256u);

    // 1 and 4 bits: nearest of black and white, or of the 16 basic colours.
    const TBitmapBM p = Rgb(
        {CorRGB(200, 200, 200), CorRGB(60, 60, 60), CorRGB(250, 10, 10), CorRGB(120, 130, 125)}, 2);
    const TBitmapBM p1 = ConverteBitmap(p, 1, 0);
    EXPECT_EQ(p1.Cor(0, 0), kBranco);
    EXPECT_EQ(p1.Cor(1, 0), kPreto);
    const TBitmapBM p4 = ConverteBitmap(p, 4, 0);
    EXPECT_EQ(p4.Cor(0, 0), CorRGB(192, 192, 192));
    EXPECT_EQ(p4.Cor(0, 1), kVermelho);
    EXPECT_EQ(p4.Cor(1, 1), CorRGB(128, 128, 128));
    // 24 bits is the true-colour copy; the same format is kept as it is.
    EXPECT_EQ(ConverteBitmap(p4, 24, 0).Cor(0, 1), kVermelho);
    EXPECT_EQ(ConverteBitmap(p4, 4, 0).Serializa(), p4.Serializa());
    // The file image reads back.
    EXPECT_EQ(TBitmapBM::Le(
                  {reinterpret_cast<const char *>(p4.Serializa().data()), p4.Serializa().size()})
                  .Serializa(),
              p4.Serializa());
}
