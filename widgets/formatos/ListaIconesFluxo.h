// The stream layout of an icon list: a 32-bit count, then per entry a 32-bit size and that
// many bytes of the icon's file image (size 0: an empty entry). Integers little-endian.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Reads the entries in order, handing each to `entrada` (an empty view for an empty entry).
// A negative count, or a count or size larger than the rest of the stream, is EReadError;
// entries handed over before the error stay with the caller.
void LeListaIcones(std::string_view dados,
                   const std::function<void(std::string_view icone)> &entrada);

// Writes the entries (an empty one as size 0).
std::vector<std::uint8_t> EscreveListaIcones(const std::vector<std::vector<std::uint8_t>> &icones);
