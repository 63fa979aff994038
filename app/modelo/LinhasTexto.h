// Walking a text line by line.
#pragma once

#include <cstddef>
#include <string_view>

// The line of `texto` that starts at `pos`, without its '\n', and `pos` moved past it; false at
// the end of the text.
inline bool ProximaLinha(std::string_view texto, std::size_t &pos, std::string_view &linha) {
    if (pos >= texto.size())
        return false;
    std::size_t fim = texto.find('\n', pos);
    if (fim == std::string_view::npos)
        fim = texto.size();
    linha = texto.substr(pos, fim - pos);
    pos = fim + 1;
    return true;
}
