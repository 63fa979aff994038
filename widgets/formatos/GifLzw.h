// The GIF variable-length LZW codec over the pixel rows of a 1-, 4- or 8-bit TBitmapBM.
#pragma once

#include "BitmapBM.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Percentage done, 0 to 100; called at the start, now and then, and at the end.
using TProgressoGIF = std::function<void(int)>;

// Row order of a frame: top to bottom, or the four interlaced passes (rows 0, 8, ...; 4, 12,
// ...; 2, 6, ...; 1, 3, ...), skipping passes whose first row lies beyond the picture.
std::vector<int> OrdemLinhas(int altura, bool entrelacado);

// Decodes a frame's stored data (code-size byte, sub-blocks, terminator) into the rows of
// `bmp`, whose width, height and bits are set. `bitsCor` (1..8) masks each pixel written.
// Returns true when the data was found corrupted: with `tolerante` the pixels decoded until
// then are kept; without it the error is thrown ("GIF code size not in range 2 to 9", "GIF
// encoded data is corrupt", "Stream read error").
bool DecodificaLZW(std::string_view dados, TBitmapBM &bmp, bool entrelacado, int bitsCor,
                   bool tolerante, const TProgressoGIF &progresso = {});

// Encodes the rows of a 1-, 4- or 8-bit picture: the code-size byte, the sub-blocks and the
// terminator. Other depths throw "GIF image encoding error".
std::vector<std::uint8_t> CodificaLZW(const TBitmapBM &bmp, bool entrelacado,
                                      const TProgressoGIF &progresso = {});
