// Icon and cursor file images: the 6-byte header, the 16-byte directory entries and each
// image's own header (a bitmap information header or a PNG), read without decoding pixels.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct TImagemIcone {
    int Largura = 0, Altura = 0; // from the image's own header (a bitmap's height without mask)
    int Bits = 0;                // bits per pixel from the image's own header
    std::uint32_t Deslocamento = 0, Tamanho = 0;
};

struct TArquivoIcone {
    int Tipo = 1; // 1 icon, 2 cursor
    std::vector<TImagemIcone> Imagens;
};

// Reads the structure; a header that is not an icon or cursor, no image, or a directory entry
// that points outside the bytes is EReadError.
TArquivoIcone LeArquivoIcone(std::string_view dados);

// The same bytes as an icon file image: a cursor's type becomes 1 and each directory entry's
// planes and bit count (a cursor's hot spot) become 1 and the image's own depth.
std::vector<std::uint8_t> ComoIcone(std::string_view dados);

// Colours of a depth: 2, 16 or 256 for 1, 4 or 8 bits; 0 otherwise.
int CoresDaProfundidade(int bits);
