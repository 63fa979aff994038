// The LZW codec: a known encoding, round trips over depths, widths and interlacing, a full
// table, and the decoder's rules on hand-made code streams.
#include "ErrosFormato.h"
#include "GifLzw.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string_view Vista(const std::vector<std::uint8_t> &v) {
    return {reinterpret_cast<const char *>(v.data()), v.size()};
}

TBitmapBM Aleatorio(int largura, int altura, int bits, unsigned semente, int cores = 0) {
    TBitmapBM b(largura, altura, bits);
    std::mt19937 gerador(semente);
    const int n = cores > 0 ? cores : 1 << bits;
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            b.DefineIndice(x, y, int(gerador() % unsigned(n)));
    return b;
}

bool MesmosIndices(const TBitmapBM &a, const TBitmapBM &b) {
    if (a.Largura() != b.Largura() || a.Altura() != b.Altura())
        return false;
    for (int y = 0; y < a.Altura(); ++y)
        for (int x = 0; x < a.Largura(); ++x)
            if (a.Indice(x, y) != b.Indice(x, y))
                return false;
    return true;
}

// Packs codes of the given widths least significant bit first into one sub-block stream.
std::vector<std::uint8_t> Codigos(int tamanho, const std::vector<std::pair<int, int>> &codigos) {
    std::vector<std::uint8_t> bytes;
    std::uint64_t acc = 0;
    int n = 0;
    for (auto [c, w] : codigos) {
        acc |= std::uint64_t(c) << n;
        n += w;
        while (n >= 8) {
            bytes.push_back(std::uint8_t(acc));
            acc >>= 8;
            n -= 8;
        }
    }
    if (n > 0)
        bytes.push_back(std::uint8_t(acc));
    std::vector<std::uint8_t> r = {std::uint8_t(tamanho)};
    for (std::size_t i = 0; i < bytes.size(); i += 255) {
        const std::size_t k = std::min<std::size_t>(255, bytes.size() - i);
        r.push_back(std::uint8_t(k));
        r.insert(r.end(), bytes.begin() + std::ptrdiff_t(i), bytes.begin() + std::ptrdiff_t(i + k));
    }
    r.push_back(0);
    return r;
}

// Reads back the code stream of an encoding, simulating a decoder's width, and returns the
// positions (in codes) of the clear codes after the first.
std::vector<int> ClearsNoMeio(const std::vector<std::uint8_t> &dados) {
    const int s = dados[0];
    std::vector<std::uint8_t> bytes;
    for (std::size_t p = 1; p < dados.size() && dados[p] != 0; p += 1 + dados[p])
        bytes.insert(bytes.end(), dados.begin() + std::ptrdiff_t(p + 1),
                     dados.begin() + std::ptrdiff_t(p + 1 + dados[p]));
    const int clear = 1 << s;
    int w = s + 1, livre = clear + 2, velho = -1, i = 0;
    std::size_t bit = 0;
    std::vector<int> r;
    while (bit + std::size_t(w) <= bytes.size() * 8) {
        int c = 0;
        for (int k = 0; k < w; ++k, ++bit)
            c |= ((bytes[bit / 8] >> (bit % 8)) & 1) << k;
        if (c == clear) {
            if (i > 0)
                r.push_back(i);
            w = s + 1;
            livre = clear + 2;
            velho = -1;
        } else if (c == clear + 1) {
            break;
        } else {
            if (velho >= 0 && livre < 4096 && ++livre == (1 << w) && w < 12)
                ++w;
            velho = c;
        }
        ++i;
    }
    return r;
}

} // namespace

TEST(GifLzw, CodificacaoConhecidaEOrdemEntrelacada) {
    TBitmapBM b(4, 1, 1);
    b.DefineIndice(1, 0, 1);
    b.DefineIndice(3, 0, 1);
    EXPECT_EQ(CodificaLZW(b, false), (std::vector<std::uint8_t>{0x02, 0x02, 0x44, 0x5C, 0x00}));

    EXPECT_EQ(OrdemLinhas(10, true), (std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
    EXPECT_EQ(OrdemLinhas(1, true), (std::vector<int>{0}));
    EXPECT_EQ(OrdemLinhas(3, false), (std::vector<int>{0, 1, 2}));

    TBitmapBM b24(2, 2, 24);
    EXPECT_THROW(CodificaLZW(b24, false), EInvalidGraphic);
}

TEST(GifLzw, IdaEVoltaEmTodasAsProfundidades) {
    unsigned semente = 1;
    for (int bits : {1, 4, 8})
        for (int largura : {1, 3, 7, 33, 130})
            for (int altura : {1, 2, 10, 17})
                for (bool entrelacado : {false, true}) {
                    const TBitmapBM b = Aleatorio(largura, altura, bits, semente++);
                    const auto dados = CodificaLZW(b, entrelacado);
                    TBitmapBM d(largura, altura, bits);
                    EXPECT_FALSE(DecodificaLZW(Vista(dados), d, entrelacado, bits, false));
                    EXPECT_TRUE(MesmosIndices(b, d))
                        << bits << " bits " << largura << "x" << altura << " " << entrelacado;
                }
}

TEST(GifLzw, TabelaCheiaEmiteClearEm4094) {
    // Noise of 256 colours fills the table quickly.
    const TBitmapBM b = Aleatorio(300, 200, 8, 7);
    const auto dados = CodificaLZW(b, false);
    const auto clears = ClearsNoMeio(dados);
    ASSERT_FALSE(clears.empty());
    // Codes 1 to 3836 define entries 258..4093; the pending single pixel is code 3837 and the
    // clear code 3838.
    EXPECT_EQ(clears[0], 3838);
    TBitmapBM d(300, 200, 8);
    EXPECT_FALSE(DecodificaLZW(Vista(dados), d, false, 8, false));
    EXPECT_TRUE(MesmosIndices(b, d));
    // A flat picture never fills the table quickly and grows long strings.
    TBitmapBM plano(1000, 1000, 8);
    const auto p = CodificaLZW(plano, true);
    EXPECT_LT(p.size(), 6000u);
    TBitmapBM dp(1000, 1000, 8);
    dp.Pixels().assign(dp.Pixels().size(), 9);
    EXPECT_FALSE(DecodificaLZW(Vista(p), dp, true, 8, false));
    EXPECT_TRUE(MesmosIndices(plano, dp));
}

TEST(GifLzw, RegrasDoDecodificador) {
    // 2x2, code size 2: clear 4, end 5, width 3.
    auto decodifica = [](const std::vector<std::uint8_t> &d, bool tolerante, TBitmapBM &b) {
        b = TBitmapBM(2, 2, 8);
        b.Pixels().assign(b.Pixels().size(), 9);
        return DecodificaLZW(Vista(d), b, false, 2, tolerante);
    };
    TBitmapBM b;
    // No clear at the start; a second clear after a clear is skipped.
    EXPECT_FALSE(
        decodifica(Codigos(2, {{1, 3}, {4, 3}, {4, 3}, {2, 3}, {3, 3}, {0, 3}, {5, 3}}), true, b));
    EXPECT_EQ(b.Indice(0, 0), 1);
    EXPECT_EQ(b.Indice(1, 0), 2);
    EXPECT_EQ(b.Indice(0, 1), 3);
    EXPECT_EQ(b.Indice(1, 1), 0);
    // The code being defined (KwKwK): 1, then 6 = "1 1", then 2; entry 7 widens the end code.
    EXPECT_FALSE(decodifica(Codigos(2, {{4, 3}, {1, 3}, {6, 3}, {2, 3}, {5, 4}}), true, b));
    EXPECT_EQ(b.Indice(0, 0), 1);
    EXPECT_EQ(b.Indice(1, 0), 1);
    EXPECT_EQ(b.Indice(0, 1), 1);
    EXPECT_EQ(b.Indice(1, 1), 2);
    // An end code before the last pixel leaves the frame corrupted.
    EXPECT_TRUE(decodifica(Codigos(2, {{4, 3}, {1, 3}, {6, 3}, {5, 4}}), true, b));
    EXPECT_EQ(b.Indice(1, 1), 9);
    // A table code right after a clear, a code above free, free with no previous code.
    EXPECT_TRUE(decodifica(Codigos(2, {{4, 3}, {6, 3}, {5, 3}}), true, b));
    EXPECT_EQ(b.Indice(0, 0), 9);
    EXPECT_TRUE(decodifica(Codigos(2, {{4, 3}, {1, 3}, {7, 3}, {5, 3}}), true, b));
    EXPECT_EQ(b.Indice(0, 0), 1);
    EXPECT_EQ(b.Indice(1, 0), 9);
    EXPECT_THROW(decodifica(Codigos(2, {{4, 3}, {1, 3}, {7, 3}}), false, b), EInvalidGraphic);
    // Data ending before the last row.
    EXPECT_TRUE(decodifica(Codigos(2, {{4, 3}, {1, 3}}), true, b));
    EXPECT_EQ(b.Indice(0, 0), 1);
    EXPECT_EQ(b.Indice(1, 0), 9);
    try {
        decodifica(Codigos(2, {{4, 3}, {1, 3}}), false, b);
        ADD_FAILURE();
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    // Codes past the last row are not read; no corruption.
    EXPECT_FALSE(decodifica(Codigos(2, {{4, 3}, {1, 3}, {1, 3}, {1, 3}, {1, 4}, {15, 4}, {15, 4}}),
                            false, b));
    EXPECT_EQ(b.Indice(1, 1), 1);
    // The colour bits mask what is written, not which codes are roots.
    b = TBitmapBM(2, 1, 8);
    EXPECT_FALSE(
        DecodificaLZW(Vista(Codigos(2, {{4, 3}, {3, 3}, {2, 3}, {5, 3}})), b, false, 1, false));
    EXPECT_EQ(b.Indice(0, 0), 1);
    EXPECT_EQ(b.Indice(1, 0), 0);
}

TEST(GifLzw, TamanhoDeCodigoForaDaFaixa) {
    // Code size 12: taken as 9 (clear 512) with tolerance; decoding ends at the first code that
    // is not a clear.
    TBitmapBM b(2, 1, 8);
    b.Pixels().assign(b.Pixels().size(), 9);
    EXPECT_TRUE(DecodificaLZW(Vista(Codigos(12, {{512, 10}, {512, 10}, {1, 10}, {2, 10}})), b,
                              false, 8, true));
    EXPECT_EQ(b.Indice(0, 0), 9);
    try {
        DecodificaLZW(Vista(Codigos(12, {{512, 10}})), b, false, 8, false);
        ADD_FAILURE();
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "GIF code size not in range 2 to 9");
    }
    // Every truncation of a good stream decodes or reports, never reads outside.
    const TBitmapBM origem = Aleatorio(37, 11, 8, 3);
    const auto dados = CodificaLZW(origem, true);
    for (std::size_t n = 0; n < dados.size(); ++n) {
        TBitmapBM d(37, 11, 8);
        const bool corrompido = DecodificaLZW(Vista(dados).substr(0, n), d, true, 8, true);
        if (n < dados.size() / 2) {
            EXPECT_TRUE(corrompido) << n;
        }
        if (!corrompido) {
            EXPECT_TRUE(MesmosIndices(origem, d)) << n;
        }
    }
}
