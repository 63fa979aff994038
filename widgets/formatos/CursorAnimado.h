// Animated cursor files (RIFF form "ACON"): the header record, title and author, and one
// frame per displayed icon with its rate. Reading only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TCabecalhoAni {
    // Header size, frames, steps, width, height, bits per pixel, planes, default rate
    // (sixtieths of a second), flags.
    std::uint32_t Tamanho = 0, Frames = 0, Passos = 0, Largura = 0, Altura = 0, Bits = 0,
                  Planos = 0, Taxa = 0, Flags = 0;
};

struct TQuadroAni {
    std::vector<std::uint8_t> Icone; // icon file image (a cursor retyped as an icon); empty: none
    int Largura = 0, Altura = 0, Bits = 0;
    std::uint32_t Taxa = 0;
    int IndiceIcone = 0; // icon of the file shown; -1 for icons no sequence names
};

struct TCursorAnimado {
    TCabecalhoAni Cabecalho;
    std::string Titulo, Autor;
    std::vector<TQuadroAni> Quadros;
    // Largest colour count (2, 16, 256) of the icons' images; 0 when none is palette-based.
    int Cores = 0;
};

// Most bytes the frames of one cursor may take together, their icons decoded.
inline constexpr std::int64_t kMaiorCursorAnimado = std::int64_t(1) << 26;

// Reads a whole file image; every structural failure, and frames over kMaiorCursorAnimado, is
// EReadError ("Stream read error"); chunks that end early stop the reading.
TCursorAnimado LeCursorAnimado(std::string_view dados);
