#include "BitmapBM.h"

#include "ErrosFormato.h"

#include <cstring>

namespace {

void Poe16(std::vector<std::uint8_t> &o, unsigned v) {
    o.push_back(std::uint8_t(v));
    o.push_back(std::uint8_t(v >> 8));
}

void Poe32(std::vector<std::uint8_t> &o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        o.push_back(std::uint8_t(v >> (8 * i)));
}

std::uint32_t Le32(std::string_view d, std::size_t p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(d[p + i]);
    return v;
}

unsigned Le16(std::string_view d, std::size_t p) {
    return std::uint8_t(d[p]) | (unsigned(std::uint8_t(d[p + 1])) << 8);
}

[[noreturn]] void Invalido() {
    throw EInvalidGraphic("Bitmap image is not valid");
}

} // namespace

TBitmapBM::TBitmapBM(int largura, int altura, int bits)
    : FLargura(largura), FAltura(altura), FBits(bits) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        throw EInvalidOperation("Invalid pixel format");
    if (largura < 0 || altura < 0 || std::int64_t(largura) * altura > kMaxPixels)
        throw EInvalidGraphic(textos_gif::kLeitura);
    FPixels.assign(BytesPorLinha() * std::size_t(altura), 0);
    if (bits <= 8)
        Paleta.assign(std::size_t(1) << bits, TCorBGR{});
}

std::size_t TBitmapBM::BytesPorLinha(int largura, int bits) {
    return (std::size_t(largura) * std::size_t(bits) + 31) / 32 * 4;
}

int TBitmapBM::Indice(int x, int y) const {
    const std::uint8_t *l = Linha(y);
    switch (FBits) {
    case 1:
        return (l[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? (l[x >> 1] & 0x0F) : (l[x >> 1] >> 4);
    case 8:
        return l[x];
    default:
        return 0;
    }
}

void TBitmapBM::DefineIndice(int x, int y, int indice) {
    std::uint8_t *l = Linha(y);
    switch (FBits) {
    case 1: {
        const std::uint8_t m = std::uint8_t(0x80 >> (x & 7));
        l[x >> 3] = std::uint8_t(indice & 1 ? (l[x >> 3] | m) : (l[x >> 3] & ~m));
        break;
    }
    case 4:
        if (x & 1)
            l[x >> 1] = std::uint8_t((l[x >> 1] & 0xF0) | (indice & 0x0F));
        else
            l[x >> 1] = std::uint8_t((l[x >> 1] & 0x0F) | ((indice & 0x0F) << 4));
        break;
    case 8:
        l[x] = std::uint8_t(indice);
        break;
    default:
        break;
    }
}

TCorBGR TBitmapBM::Cor(int x, int y) const {
    if (FBits == 24) {
        const std::uint8_t *p = Linha(y) + 3 * std::size_t(x);
        return {p[0], p[1], p[2], 0};
    }
    const int i = Indice(x, y);
    return i < int(Paleta.size()) ? Paleta[i] : TCorBGR{};
}

int TBitmapBM::NumCores() const {
    if (FBits > 8)
        return 0;
    const int total = 1 << FBits;
    return CoresUsadas > 0 && int(CoresUsadas) < total ? int(CoresUsadas) : total;
}

std::vector<std::uint8_t> TBitmapBM::Serializa() const {
    const std::size_t cores = FBits <= 8 ? std::size_t(1) << FBits : 0;
    const std::uint32_t deslocamento = 14 + 40 + std::uint32_t(4 * cores);
    std::vector<std::uint8_t> o;
    o.reserve(deslocamento + FPixels.size());
    o.push_back('B');
    o.push_back('M');
    Poe32(o, deslocamento + std::uint32_t(FPixels.size()));
    Poe32(o, 0);
    Poe32(o, deslocamento);
    Poe32(o, 40);
    Poe32(o, std::uint32_t(FLargura));
    Poe32(o, std::uint32_t(FAltura));
    Poe16(o, 1);
    Poe16(o, unsigned(FBits));
    Poe32(o, 0);
    Poe32(o, std::uint32_t(FPixels.size()));
    Poe32(o, 0);
    Poe32(o, 0);
    Poe32(o, CoresUsadas);
    Poe32(o, 0);
    for (std::size_t i = 0; i < cores; ++i) {
        const TCorBGR c = i < Paleta.size() ? Paleta[i] : TCorBGR{};
        o.push_back(c.b);
        o.push_back(c.g);
        o.push_back(c.r);
        o.push_back(0);
    }
    o.insert(o.end(), FPixels.begin(), FPixels.end());
    return o;
}

TBitmapBM TBitmapBM::Le(std::string_view d) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M')
        Invalido();
    const std::uint32_t deslocamento = Le32(d, 10);
    const std::uint32_t tamCabecalho = Le32(d, 14);
    if (tamCabecalho < 40 || 14 + std::uint64_t(tamCabecalho) > d.size())
        Invalido();
    const std::int32_t largura = std::int32_t(Le32(d, 18));
    std::int32_t altura = std::int32_t(Le32(d, 22));
    const unsigned bits = Le16(d, 28);
    const std::uint32_t compressao = Le32(d, 30);
    const std::uint32_t usadas = Le32(d, 46);
    const bool deCimaParaBaixo = altura < 0;
    if (deCimaParaBaixo) {
        if (altura == INT32_MIN)
            Invalido();
        altura = -altura;
    }
    if (compressao != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24) || largura < 0 ||
        std::int64_t(largura) * altura > kMaxPixels)
        Invalido();
    TBitmapBM bmp(largura, altura, int(bits));
    if (bits <= 8) {
        const std::size_t total = std::size_t(1) << bits;
        const std::size_t n = usadas > 0 && usadas < total ? usadas : total;
        const std::size_t p = 14 + tamCabecalho;
        if (p + 4 * n > d.size())
            Invalido();
        for (std::size_t i = 0; i < n; ++i)
            bmp.Paleta[i] = {std::uint8_t(d[p + 4 * i]), std::uint8_t(d[p + 4 * i + 1]),
                             std::uint8_t(d[p + 4 * i + 2]), 0};
        bmp.CoresUsadas = usadas < total ? usadas : 0;
    }
    const std::size_t linha = bmp.BytesPorLinha();
    if (deslocamento > d.size() || d.size() - deslocamento < linha * std::size_t(altura))
        Invalido();
    for (int y = 0; y < altura; ++y) {
        // File row y counts from the bottom unless the picture is stored top-down.
        const int destino = deCimaParaBaixo ? y : altura - 1 - y;
        std::memcpy(bmp.Linha(destino), d.data() + deslocamento + std::size_t(y) * linha, linha);
    }
    return bmp;
}
