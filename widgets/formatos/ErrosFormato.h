// Errors of the picture formats, with the texts the picture classes show.
#pragma once

#include <stdexcept>
#include <string>

// A picture that cannot be read or written in its format.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An operation the picture does not support.
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace textos_gif {
inline constexpr const char *kVersao = "Unknown GIF version";
inline constexpr const char *kCodificacao = "GIF image encoding error";
inline constexpr const char *kCorrompido = "GIF encoded data is corrupt";
inline constexpr const char *kTamanhoCodigo = "GIF code size not in range 2 to 9";
inline constexpr const char *kNumeroCores = "Wrong number of colors; must be a power of 2";
inline constexpr const char *kSemDados = "No GIF Data to write";
inline constexpr const char *kTamanho = "Cannot change the Size of a GIF image";
inline constexpr const char *kLeitura = "Stream read error";
inline constexpr const char *kDescricao = "CompuServe GIF Image";
std::string ExtensaoDesconhecida(unsigned rotulo); // "Unrecognized extension block: %.2x"
} // namespace textos_gif

// A stream whose structure cannot be read ("Stream read error").
class EReadError : public std::runtime_error {
public:
    EReadError() : std::runtime_error("Stream read error") {}
};

// An index outside a list ("List index out of bounds (%d)").
class EListError : public std::runtime_error {
public:
    explicit EListError(long long indice)
        : std::runtime_error("List index out of bounds (" + std::to_string(indice) + ")") {}
};
