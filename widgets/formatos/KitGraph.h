// Conversion of a bitmap into a Windows bitmap of 1, 4, 8 or 24 bits per pixel, reducing
// true-colour pictures to at most 256 colours by one of six methods:
//   0 most frequent colours after masking low bits, 1 median cut, 2 fixed 7x8x4 levels,
//   3 fixed 6x6x6 cube, 4 one channel per pixel in turn (64 levels each), 5 grey ramp.
#pragma once

#include "BitmapBM.h"

#include <array>
#include <cstdint>

// The unit-wide reduction method (0 unless changed).
int MetodoReducaoPadrao();
void DefineMetodoReducaoPadrao(int metodo);

// A copy of `origem` in `bits` per pixel (1, 4, 8 or 24; else EInvalidOperation). The same
// format with a method other than 5 is a plain copy. 1 and 4 bits take each pixel's nearest
// colour among black and white, or among the 16 basic colours. 8 bits reduce with `metodo`;
// 24 bits is the true-colour copy.
TBitmapBM ConverteBitmap(const TBitmapBM &origem, int bits, int metodo);
// The same with the bits chosen by colour count (<= 2: 1, <= 16: 4, <= 256: 8, else 24) and
// the unit-wide method.
TBitmapBM ConverteBitmapPorCores(const TBitmapBM &origem, int cores);

// The true-colour copy of any bitmap.
TBitmapBM Copia24(const TBitmapBM &origem);

// The 16 basic colours in palette order (black, maroon, green, olive, navy, purple, teal,
// silver, grey, red, lime, yellow, blue, fuchsia, aqua, white).
const std::array<TCorBGR, 16> &CoresBasicas();

// Index of the nearest level (smallest difference, the lower level on a tie) for every channel
// value, in the level tables of 4, 6, 7 and 8 levels.
const std::array<std::uint8_t, 256> &NivelMaisProximo(int niveis);
