// Integer maximum and minimum of the widget kit.
#pragma once

#include <cstdint>

inline std::int32_t IntMax(std::int32_t a, std::int32_t b) {
    return b < a ? a : b;
}
inline std::int32_t IntMin(std::int32_t a, std::int32_t b) {
    return a < b ? a : b;
}
