#include "KitGraph.h"

#include "ErrosFormato.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

int gMetodo = 0;

constexpr std::uint8_t kNiveis4[4] = {0, 85, 170, 255};
constexpr std::uint8_t kNiveis6[6] = {0, 51, 102, 153, 204, 255};
constexpr std::uint8_t kNiveis7[7] = {0, 43, 85, 128, 170, 213, 255};
constexpr std::uint8_t kNiveis8[8] = {0, 36, 73, 109, 146, 182, 219, 255};

std::array<std::uint8_t, 256> TabelaNiveis(const std::uint8_t *niveis, int n) {
    std::array<std::uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) {
        int melhor = 0;
        for (int i = 1; i < n; ++i)
            if (std::abs(v - niveis[i]) < std::abs(v - niveis[melhor]))
                melhor = i;
        t[v] = std::uint8_t(melhor);
    }
    return t;
}

const TCorBGR kCinza = CorRGB(128, 128, 128);

// Method 0: most frequent colours after masking, in a fixed-size hash table.
class TContagemCores {
public:
    static constexpr int kSlots = 5191;
    static constexpr int kMaxCores = 2049;

    struct TEntrada {
        std::uint8_t r, g, b;
        bool usada = false;
        std::uint32_t contagem = 0;
    };

    void Limpa() {
        for (auto &e : FSlots)
            e = TEntrada{};
        FN = 0;
    }
    static int Hash(int r, int g, int b) { return ((r + g) * (g + b) * (b + r)) % kSlots; }
    // Counts a masked colour; false when it would be colour number kMaxCores + 1.
    bool Conta(int r, int g, int b) {
        int h = Hash(r, g, b);
        while (FSlots[h].usada) {
            TEntrada &e = FSlots[h];
            if (e.r == r && e.g == g && e.b == b) {
                ++e.contagem;
                return true;
            }
            h = h + 1 == kSlots ? 0 : h + 1;
        }
        if (FN == kMaxCores)
            return false;
        FSlots[h] = {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b), true, 1};
        ++FN;
        return true;
    }
    int Slot(int r, int g, int b) const {
        int h = Hash(r, g, b);
        while (FSlots[h].usada) {
            const TEntrada &e = FSlots[h];
            if (e.r == r && e.g == g && e.b == b)
                return h;
            h = h + 1 == kSlots ? 0 : h + 1;
        }
        return -1;
    }
    std::array<TEntrada, kSlots> &Slots() { return FSlots; }

private:
    std::array<TEntrada, kSlots> FSlots{};
    int FN = 0;
};

void Metodo0(const TBitmapBM &rgb, TBitmapBM &d, int n) {
    auto contagem = std::make_unique<TContagemCores>();
    int mr = 0xFF, mg = 0xFF, mb = 0xFF;
    for (;;) {
        contagem->Limpa();
        bool cabe = true;
        for (int y = 0; y < rgb.Altura() && cabe; ++y) {
            const std::uint8_t *p = rgb.Linha(y);
            for (int x = 0; x < rgb.Largura(); ++x, p += 3)
                if (!contagem->Conta(p[2] & mr, p[1] & mg, p[0] & mb)) {
                    cabe = false;
                    break;
                }
        }
        if (cabe)
            break;
        // Shorten one mask by its lowest remaining bit: blue, red, green, blue, ...
        if (mr < mg)
            mg = (mg << 1) & 0xFF;
        else if (mr <= mb)
            mb = (mb << 1) & 0xFF;
        else
            mr = (mr << 1) & 0xFF;
    }
    auto &slots = contagem->Slots();
    std::vector<int> restantes(TContagemCores::kSlots, 0);
    for (int i = 0; i < TContagemCores::kSlots; ++i)
        restantes[i] = slots[i].usada ? int(slots[i].contagem) : 0;
    std::vector<int> paleta; // slots chosen, in palette order
    for (int k = 0; k < n; ++k) {
        int melhor = -1;
        for (int i = 0; i < TContagemCores::kSlots; ++i)
            if (restantes[i] > 0 && (melhor < 0 || restantes[i] > restantes[melhor]))
                melhor = i;
        if (melhor < 0)
            break;
        paleta.push_back(melhor);
        restantes[melhor] = 0;
    }
    d.Paleta.assign(256, kCinza);
    for (std::size_t k = 0; k < paleta.size(); ++k) {
        const auto &e = slots[paleta[k]];
        d.Paleta[k] = CorRGB(e.r, e.g, e.b);
    }
    // Each counted colour's palette entry: its own, or the nearest (first on a tie).
    std::vector<std::uint8_t> indice(TContagemCores::kSlots, 0);
    for (std::size_t k = 0; k < paleta.size(); ++k)
        indice[paleta[k]] = std::uint8_t(k);
    for (int i = 0; i < TContagemCores::kSlots; ++i) {
        if (!slots[i].usada || std::find(paleta.begin(), paleta.end(), i) != paleta.end())
            continue;
        long melhor = -1;
        for (std::size_t k = 0; k < paleta.size(); ++k) {
            const auto &e = slots[paleta[k]];
            const long dr = long(e.r) - slots[i].r, dg = long(e.g) - slots[i].g,
                       db = long(e.b) - slots[i].b;
            const long dist = dr * dr + dg * dg + db * db;
            if (melhor < 0 || dist < melhor) {
                melhor = dist;
                indice[i] = std::uint8_t(k);
            }
        }
    }
    for (int y = 0; y < rgb.Altura(); ++y) {
        const std::uint8_t *p = rgb.Linha(y);
        std::uint8_t *q = d.Linha(y);
        int ultimaCor = -1, ultimoIndice = 0;
        for (int x = 0; x < rgb.Largura(); ++x, p += 3) {
            const int cor = ((p[2] & mr) << 16) | ((p[1] & mg) << 8) | (p[0] & mb);
            if (cor != ultimaCor) {
                ultimaCor = cor;
                ultimoIndice = indice[contagem->Slot(p[2] & mr, p[1] & mg, p[0] & mb)];
            }
            q[x] = std::uint8_t(ultimoIndice);
        }
    }
}

// Method 1: median cut over 4-bit-per-channel keys.
struct TCaixa {
    int inferior[3] = {0, 0, 0};
    int extensao[3] = {256, 256, 256};
    std::vector<int> chaves;
    long pixels = 0;
};

int Canal(int chave, int c) {
    return (chave >> (8 - 4 * c)) & 0x0F; // c: 0 red, 1 green, 2 blue
}

void Metodo1(const TBitmapBM &rgb, TBitmapBM &d) {
    std::vector<long> histograma(4096, 0);
    for (int y = 0; y < rgb.Altura(); ++y) {
        const std::uint8_t *p = rgb.Linha(y);
        for (int x = 0; x < rgb.Largura(); ++x, p += 3)
            ++histograma[((p[2] >> 4) << 8) | ((p[1] >> 4) << 4) | (p[0] >> 4)];
    }
    std::vector<TCaixa> caixas(1);
    for (int k = 0; k < 4096; ++k)
        if (histograma[k] > 0) {
            caixas[0].chaves.push_back(k);
            caixas[0].pixels += histograma[k];
        }
    while (caixas.size() < 256) {
        int melhorCaixa = -1, melhorCanal = 0, melhorExtensao = -1;
        for (std::size_t i = 0; i < caixas.size(); ++i) {
            if (caixas[i].chaves.size() < 2)
                continue;
            for (int c = 0; c < 3; ++c)
                if (caixas[i].extensao[c] > melhorExtensao) {
                    melhorExtensao = caixas[i].extensao[c];
                    melhorCaixa = int(i);
                    melhorCanal = c;
                }
        }
        if (melhorCaixa < 0)
            break;
        TCaixa &cx = caixas[melhorCaixa];
        const int c = melhorCanal;
        std::sort(cx.chaves.begin(), cx.chaves.end(), [c](int a, int b) {
            const int va = Canal(a, c), vb = Canal(b, c);
            return va != vb ? va < vb : a < b;
        });
        long soma = 0;
        std::size_t corte = 1;
        for (std::size_t i = 0; i < cx.chaves.size(); ++i) {
            soma += histograma[cx.chaves[i]];
            if (2 * soma <= cx.pixels)
                corte = i + 1;
        }
        corte = std::clamp<std::size_t>(corte, 1, cx.chaves.size() - 1);
        TCaixa nova;
        nova.chaves.assign(cx.chaves.begin() + std::ptrdiff_t(corte), cx.chaves.end());
        cx.chaves.resize(corte);
        for (int k : nova.chaves)
            nova.pixels += histograma[k];
        cx.pixels -= nova.pixels;
        for (int q = 0; q < 3; ++q) {
            nova.inferior[q] = cx.inferior[q];
            nova.extensao[q] = cx.extensao[q];
        }
        const int limite = Canal(nova.chaves.front(), c) * 16;
        nova.inferior[c] = limite;
        nova.extensao[c] = cx.inferior[c] + cx.extensao[c] - limite;
        cx.extensao[c] = limite - cx.inferior[c];
        caixas.push_back(std::move(nova));
    }
    d.Paleta.assign(256, TCorBGR{});
    std::vector<std::uint8_t> caixaDe(4096, 0);
    for (std::size_t i = 0; i < caixas.size(); ++i) {
        const auto &cx = caixas[i];
        if (cx.chaves.empty())
            continue;
        int soma[3] = {0, 0, 0};
        for (int k : cx.chaves) {
            for (int q = 0; q < 3; ++q)
                soma[q] += Canal(k, q);
            caixaDe[k] = std::uint8_t(i);
        }
        const int n = int(cx.chaves.size());
        int cor[3];
        for (int q = 0; q < 3; ++q)
            cor[q] = (soma[q] * 16 + 15) / n;
        if (cor[0] <= 16 && cor[1] <= 16 && cor[2] <= 16)
            cor[0] = cor[1] = cor[2] = 0;
        d.Paleta[i] = CorRGB(cor[0], cor[1], cor[2]);
    }
    d.CoresUsadas = std::uint32_t(caixas[0].chaves.empty() ? 0 : caixas.size());
    for (int y = 0; y < rgb.Altura(); ++y) {
        const std::uint8_t *p = rgb.Linha(y);
        std::uint8_t *q = d.Linha(y);
        for (int x = 0; x < rgb.Largura(); ++x, p += 3)
            q[x] = caixaDe[((p[2] >> 4) << 8) | ((p[1] >> 4) << 4) | (p[0] >> 4)];
    }
}

void MetodoFixo(const TBitmapBM &rgb, TBitmapBM &d, int metodo) {
    d.Paleta.assign(256, TCorBGR{});
    if (metodo == 2) {
        for (int r = 0; r < 7; ++r)
            for (int g = 0; g < 8; ++g)
                for (int b = 0; b < 4; ++b)
                    d.Paleta[(r * 8 + g) * 4 + b] = CorRGB(kNiveis7[r], kNiveis8[g], kNiveis4[b]);
        for (int i = 224; i < 256; ++i)
            d.Paleta[i] = kCinza;
        d.CoresUsadas = 224;
    } else if (metodo == 3) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    d.Paleta[r * 36 + g * 6 + b] = CorRGB(kNiveis6[r], kNiveis6[g], kNiveis6[b]);
        for (int i = 216; i < 256; ++i)
            d.Paleta[i] = kCinza;
        d.CoresUsadas = 216;
    } else if (metodo == 4) {
        for (int i = 0; i < 64; ++i) {
            d.Paleta[i] = CorRGB(4 * i, 0, 0);
            d.Paleta[64 + i] = CorRGB(0, 4 * i, 0);
            d.Paleta[128 + i] = CorRGB(0, 0, 4 * i);
        }
    } else {
        for (int i = 0; i < 256; ++i)
            d.Paleta[i] = CorRGB(i, i, i);
    }
    const auto &n4 = NivelMaisProximo(4), &n6 = NivelMaisProximo(6), &n7 = NivelMaisProximo(7),
               &n8 = NivelMaisProximo(8);
    for (int y = 0; y < rgb.Altura(); ++y) {
        const std::uint8_t *p = rgb.Linha(y);
        std::uint8_t *q = d.Linha(y);
        const int largura = rgb.Largura();
        switch (metodo) {
        case 2:
            for (int x = 0; x < largura; ++x, p += 3)
                q[x] = std::uint8_t((n7[p[2]] * 8 + n8[p[1]]) * 4 + n4[p[0]]);
            break;
        case 3:
            for (int x = 0; x < largura; ++x, p += 3)
                q[x] = std::uint8_t(n6[p[2]] * 36 + n6[p[1]] * 6 + n6[p[0]]);
            break;
        case 4:
            for (int x = 0; x < largura; ++x, p += 3) {
                const int fase = (x + y) % 3;
                q[x] = std::uint8_t(fase == 0   ? p[2] >> 2
                                    : fase == 1 ? (p[1] >> 2) + 64
                                                : (p[0] >> 2) + 128);
            }
            break;
        default:
            for (int x = 0; x < largura; ++x, p += 3)
                q[x] = std::uint8_t((77 * p[2] + 150 * p[1] + 29 * p[0]) >> 8);
            break;
        }
    }
}

// 1 and 4 bits: each pixel's nearest colour among the first `n` of the basic palette for 4
// bits, or black and white for 1 bit.
TBitmapBM ParaPoucasCores(const TBitmapBM &rgb, int bits) {
    TBitmapBM d(rgb.Largura(), rgb.Altura(), bits);
    std::vector<TCorBGR> cores;
    if (bits == 1)
        cores = {CorRGB(0, 0, 0), CorRGB(255, 255, 255)};
    else
        cores.assign(CoresBasicas().begin(), CoresBasicas().end());
    std::copy(cores.begin(), cores.end(), d.Paleta.begin());
    int ultimaCor = -1, ultimo = 0;
    for (int y = 0; y < rgb.Altura(); ++y) {
        const std::uint8_t *p = rgb.Linha(y);
        for (int x = 0; x < rgb.Largura(); ++x, p += 3) {
            const int cor = (p[2] << 16) | (p[1] << 8) | p[0];
            if (cor != ultimaCor) {
                ultimaCor = cor;
                long melhor = -1;
                for (std::size_t k = 0; k < cores.size(); ++k) {
                    const long dr = long(cores[k].r) - p[2], dg = long(cores[k].g) - p[1],
                               db = long(cores[k].b) - p[0];
                    const long dist = dr * dr + dg * dg + db * db;
                    if (melhor < 0 || dist < melhor) {
                        melhor = dist;
                        ultimo = int(k);
                    }
                }
            }
            d.DefineIndice(x, y, ultimo);
        }
    }
    return d;
}

} // namespace

int MetodoReducaoPadrao() {
    return gMetodo;
}

void DefineMetodoReducaoPadrao(int metodo) {
    if (metodo < 0 || metodo > 5)
        throw EInvalidOperation("Invalid reduction method");
    gMetodo = metodo;
}

const std::array<TCorBGR, 16> &CoresBasicas() {
    static const std::array<TCorBGR, 16> cores = {
        CorRGB(0, 0, 0),       CorRGB(128, 0, 0),   CorRGB(0, 128, 0),   CorRGB(128, 128, 0),
        CorRGB(0, 0, 128),     CorRGB(128, 0, 128), CorRGB(0, 128, 128), CorRGB(192, 192, 192),
        CorRGB(128, 128, 128), CorRGB(255, 0, 0),   CorRGB(0, 255, 0),   CorRGB(255, 255, 0),
        CorRGB(0, 0, 255),     CorRGB(255, 0, 255), CorRGB(0, 255, 255), CorRGB(255, 255, 255)};
    return cores;
}

const std::array<std::uint8_t, 256> &NivelMaisProximo(int niveis) {
    static const auto t4 = TabelaNiveis(kNiveis4, 4), t6 = TabelaNiveis(kNiveis6, 6),
                      t7 = TabelaNiveis(kNiveis7, 7), t8 = TabelaNiveis(kNiveis8, 8);
    switch (niveis) {
    case 4:
        return t4;
    case 6:
        return t6;
    case 7:
        return t7;
    case 8:
        return t8;
    default:
        throw EInvalidOperation("Invalid level count");
    }
}

TBitmapBM Copia24(const TBitmapBM &origem) {
    if (origem.Bits() == 24)
        return origem;
    TBitmapBM d(origem.Largura(), origem.Altura(), 24);
    for (int y = 0; y < origem.Altura(); ++y) {
        std::uint8_t *q = d.Linha(y);
        for (int x = 0; x < origem.Largura(); ++x, q += 3) {
            const TCorBGR c = origem.Cor(x, y);
            q[0] = c.b;
            q[1] = c.g;
            q[2] = c.r;
        }
    }
    return d;
}

TBitmapBM ConverteBitmap(const TBitmapBM &origem, int bits, int metodo) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        throw EInvalidOperation("Invalid pixel format");
    if (metodo < 0 || metodo > 5)
        throw EInvalidOperation("Invalid reduction method");
    if (origem.Bits() == bits && metodo != 5)
        return origem;
    const TBitmapBM rgb = Copia24(origem);
    if (bits == 24)
        return rgb;
    if (bits < 8)
        return ParaPoucasCores(rgb, bits);
    TBitmapBM d(rgb.Largura(), rgb.Altura(), 8);
    if (metodo == 0)
        Metodo0(rgb, d, 256);
    else if (metodo == 1)
        Metodo1(rgb, d);
    else
        MetodoFixo(rgb, d, metodo);
    return d;
}

TBitmapBM ConverteBitmapPorCores(const TBitmapBM &origem, int cores) {
    const int bits = cores <= 2 ? 1 : cores <= 16 ? 4 : cores <= 256 ? 8 : 24;
    return ConverteBitmap(origem, bits, MetodoReducaoPadrao());
}
