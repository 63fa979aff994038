#include "ArquivoIcone.h"

#include "ErrosFormato.h"

#include <cstring>

namespace {

unsigned U16(std::string_view d, std::size_t p) {
    return std::uint8_t(d[p]) | (unsigned(std::uint8_t(d[p + 1])) << 8);
}

std::uint32_t U32(std::string_view d, std::size_t p) {
    return U16(d, p) | (std::uint32_t(U16(d, p + 2)) << 16);
}

std::uint32_t U32BigEndian(std::string_view d, std::size_t p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | std::uint8_t(d[p + std::size_t(i)]);
    return v;
}

} // namespace

int CoresDaProfundidade(int bits) {
    return bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
}

TArquivoIcone LeArquivoIcone(std::string_view d) {
    if (d.size() < 6 || U16(d, 0) != 0)
        throw EReadError();
    TArquivoIcone a;
    a.Tipo = int(U16(d, 2));
    const std::size_t n = U16(d, 4);
    if ((a.Tipo != 1 && a.Tipo != 2) || n == 0 || d.size() < 6 + 16 * n)
        throw EReadError();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t e = 6 + 16 * i;
        TImagemIcone im;
        im.Tamanho = U32(d, e + 8);
        im.Deslocamento = U32(d, e + 12);
        if (im.Deslocamento > d.size() || im.Tamanho > d.size() - im.Deslocamento)
            throw EReadError();
        const std::string_view img = d.substr(im.Deslocamento, im.Tamanho);
        static const char kPng[] = "\x89PNG\r\n\x1a\n";
        if (img.size() >= 24 && std::memcmp(img.data(), kPng, 8) == 0) {
            // PNG: the IHDR chunk follows the signature.
            if (img.size() < 26)
                throw EReadError();
            im.Largura = int(U32BigEndian(img, 16));
            im.Altura = int(U32BigEndian(img, 20));
            const int profundidade = std::uint8_t(img[24]), tipoCor = std::uint8_t(img[25]);
            const int canais = tipoCor == 2 ? 3 : tipoCor == 4 ? 2 : tipoCor == 6 ? 4 : 1;
            im.Bits = profundidade * canais;
        } else {
            if (img.size() < 40 || U32(img, 0) < 40)
                throw EReadError();
            im.Largura = int(std::int32_t(U32(img, 4)));
            im.Altura = int(std::int32_t(U32(img, 8))) / 2;
            im.Bits = int(U16(img, 14));
        }
        a.Imagens.push_back(im);
    }
    return a;
}

std::vector<std::uint8_t> ComoIcone(std::string_view d) {
    const TArquivoIcone a = LeArquivoIcone(d);
    std::vector<std::uint8_t> r(d.begin(), d.end());
    if (a.Tipo == 2) {
        r[2] = 1;
        r[3] = 0;
        for (std::size_t i = 0; i < a.Imagens.size(); ++i) {
            const std::size_t e = 6 + 16 * i;
            r[e + 4] = 1;
            r[e + 5] = 0;
            r[e + 6] = std::uint8_t(a.Imagens[i].Bits);
            r[e + 7] = std::uint8_t(a.Imagens[i].Bits >> 8);
        }
    }
    return r;
}
