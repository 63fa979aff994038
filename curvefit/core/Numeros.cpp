#include "Numeros.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace lumacord {

namespace {
char gSeparador = '.';

[[noreturn]] void ErroConversao(std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
}
} // namespace

double Finito(double v) {
    if (std::isnan(v))
        throw EInvalidOp();
    if (std::isinf(v))
        throw EOverflow();
    return v;
}

char DecimalSeparator() {
    return gSeparador;
}
void SetDecimalSeparator(char c) {
    gSeparador = c;
}

double StrToFloat(std::string_view s, char separador) {
    std::size_t ini = 0, fim = s.size();
    while (ini < fim && s[ini] == ' ')
        ++ini;
    while (fim > ini && s[fim - 1] == ' ')
        --fim;
    if (ini == fim)
        ErroConversao(s);

    // Only sign, digits, one separator and an exponent are accepted; the text is rewritten
    // with a point for from_chars.
    std::string t;
    t.reserve(fim - ini);
    bool digito = false, ponto = false, expoente = false;
    for (std::size_t i = ini; i < fim; ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digito = true;
            t += c;
        } else if (c == separador && !ponto && !expoente) {
            ponto = true;
            t += '.';
        } else if ((c == 'e' || c == 'E') && digito && !expoente) {
            expoente = true;
            t += 'e';
        } else if ((c == '+' || c == '-') &&
                   (i == ini || (expoente && (s[i - 1] == 'e' || s[i - 1] == 'E')))) {
            if (c == '-')
                t += c;
        } else {
            ErroConversao(s);
        }
    }
    if (!digito)
        ErroConversao(s);
    double v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(v))
        ErroConversao(s);
    return v;
}

std::string FloatToStr(double v, char separador) {
    Finito(v);
    if (v == 0.0)
        return "0";
    // 15 significant digits: d.dddddddddddddde<exp>
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    std::string_view txt(buf, std::size_t(res.ptr - buf));
    const std::size_t e = txt.find('e');
    const bool negativo = txt[0] == '-';
    std::string digitos;
    for (char c : txt.substr(0, e))
        if (c >= '0' && c <= '9')
            digitos += c;
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();
    const int expoente = std::atoi(std::string(txt.substr(e + 1)).c_str());

    std::string out;
    if (negativo)
        out += '-';
    if (expoente < -5 || expoente > 14) {
        out += digitos[0];
        if (digitos.size() > 1) {
            out += separador;
            out.append(digitos, 1);
        }
        out += 'E';
        out += std::to_string(expoente);
    } else if (expoente < 0) {
        out += '0';
        out += separador;
        out.append(std::size_t(-expoente - 1), '0');
        out += digitos;
    } else {
        const std::size_t inteiros = std::size_t(expoente) + 1;
        if (digitos.size() <= inteiros) {
            out += digitos;
            out.append(inteiros - digitos.size(), '0');
        } else {
            out.append(digitos, 0, inteiros);
            out += separador;
            out.append(digitos, inteiros);
        }
    }
    return out;
}

double Arredonda(double v, int decimais) {
    const double fator = std::pow(10.0, decimais);
    const double escalado = v * fator;
    // The 64-bit range is [-2^63, 2^63).
    if (!(escalado >= -9223372036854775808.0 && escalado < 9223372036854775808.0))
        throw EInvalidOp();
    const auto inteiro = static_cast<std::int64_t>(std::nearbyint(escalado));
    return static_cast<double>(inteiro) / fator;
}

// A value whose scaled form passes the 64-bit range has no decimals left to round in a double:
// it is shown as it is.
std::string TextoArredondado(double v, int decimais, char separador) {
    const double escalado = v * std::pow(10.0, decimais);
    if (std::isfinite(v) &&
        !(escalado >= -9223372036854775808.0 && escalado < 9223372036854775808.0))
        return FloatToStr(v, separador);
    return FloatToStr(Arredonda(v, decimais), separador);
}

} // namespace lumacord
