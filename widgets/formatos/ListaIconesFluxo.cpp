#include "ListaIconesFluxo.h"

#include "ErrosFormato.h"

namespace {

std::int32_t I32(std::string_view d, std::size_t p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(d[p + std::size_t(i)]);
    return std::int32_t(v);
}

void Poe32(std::vector<std::uint8_t> &o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        o.push_back(std::uint8_t(v >> (8 * i)));
}

} // namespace

void LeListaIcones(std::string_view d, const std::function<void(std::string_view)> &entrada) {
    if (d.size() < 4)
        throw EReadError();
    const std::int32_t n = I32(d, 0);
    std::size_t p = 4;
    // Every entry needs at least its size field.
    if (n < 0 || std::size_t(n) > (d.size() - p) / 4)
        throw EReadError();
    for (std::int32_t i = 0; i < n; ++i) {
        if (d.size() - p < 4)
            throw EReadError();
        const std::int32_t tamanho = I32(d, p);
        p += 4;
        if (tamanho < 1) {
            entrada({});
            continue;
        }
        if (std::size_t(tamanho) > d.size() - p)
            throw EReadError();
        entrada(d.substr(p, std::size_t(tamanho)));
        p += std::size_t(tamanho);
    }
}

std::vector<std::uint8_t> EscreveListaIcones(const std::vector<std::vector<std::uint8_t>> &icones) {
    std::vector<std::uint8_t> o;
    Poe32(o, std::uint32_t(icones.size()));
    for (const auto &i : icones) {
        Poe32(o, std::uint32_t(i.size()));
        o.insert(o.end(), i.begin(), i.end());
    }
    return o;
}
