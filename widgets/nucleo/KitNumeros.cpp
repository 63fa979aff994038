#include "KitNumeros.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {
TFormataGeral gFormata = nullptr;
TLeReal gLe = nullptr;
TSeparadorDecimal gSeparador = nullptr;
char gDecimal = '.';
std::string gMilhar = ",";
std::string gMoeda = "$";
} // namespace

void DefineConversoesReais(TFormataGeral formata, TLeReal le, TSeparadorDecimal separador) {
    gFormata = formata;
    gLe = le;
    gSeparador = separador;
}

std::string KitFormataGeral(double v, int digitos) {
    return (gFormata ? gFormata : KitFormataGeralPadrao)(v, digitos, KitDecimalSeparator());
}

bool KitLeReal(std::string_view texto, double &v) {
    return (gLe ? gLe : KitLeRealPadrao)(texto, v, KitDecimalSeparator());
}

char KitDecimalSeparator() {
    return gSeparador ? gSeparador() : gDecimal;
}
std::string KitThousandSeparator() {
    return gMilhar;
}
std::string KitCurrencyString() {
    return gMoeda;
}
void DefineKitDecimalSeparator(char c) {
    gDecimal = c;
}
void DefineKitThousandSeparator(const std::string &s) {
    gMilhar = s;
}
void DefineKitCurrencyString(const std::string &s) {
    gMoeda = s;
}

std::string KitFormataGeralPadrao(double v, int digitos, char separador) {
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    if (digitos < 1)
        digitos = 1;
    if (digitos > 17)
        digitos = 17;
    if (v == 0)
        return "0";
    // d.ddddde±x with `digitos` significant digits, then the digits without trailing zeros.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digitos - 1);
    std::string_view t(buf, std::size_t(res.ptr - buf));
    const bool negativo = t[0] == '-';
    if (negativo)
        t.remove_prefix(1);
    const std::size_t pe = t.find('e');
    std::string dig;
    for (char c : t.substr(0, pe))
        if (c != '.')
            dig += c;
    while (dig.size() > 1 && dig.back() == '0')
        dig.pop_back();
    const int e = std::atoi(std::string(t.substr(pe + 1)).c_str()) + 1; // v = 0.ddd * 10^e
    const int n = int(dig.size());
    std::string r = negativo ? "-" : "";
    if (e > digitos || e < -3) {
        r += dig[0];
        if (n > 1) {
            r += separador;
            r.append(dig, 1, std::string::npos);
        }
        r += 'E';
        r += std::to_string(e - 1);
        return r;
    }
    if (e <= 0) {
        r += '0';
        r += separador;
        r.append(std::size_t(-e), '0');
        r += dig;
    } else if (n <= e) {
        r += dig;
        r.append(std::size_t(e - n), '0');
    } else {
        r.append(dig, 0, std::size_t(e));
        r += separador;
        r.append(dig, std::size_t(e), std::string::npos);
    }
    return r;
}

bool KitLeRealPadrao(std::string_view texto, double &v, char separador) {
    auto branco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!texto.empty() && branco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && branco(texto.back()))
        texto.remove_suffix(1);
    // Sign, digits with at most one separator, an optional exponent with digits.
    std::string t;
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        if (texto[i++] == '-')
            t += '-';
    bool digitos = false, ponto = false;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c >= '0' && c <= '9') {
            digitos = true;
            t += c;
        } else if (c == separador && !ponto) {
            ponto = true;
            t += '.';
        } else
            break;
    }
    if (!digitos)
        return false;
    if (i < texto.size()) {
        if (texto[i] != 'e' && texto[i] != 'E')
            return false;
        t += 'e';
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
            t += texto[i++];
        if (t.back() == '+')
            t.pop_back();
        if (i == texto.size())
            return false;
        for (; i < texto.size(); ++i) {
            if (texto[i] < '0' || texto[i] > '9')
                return false;
            t += texto[i];
        }
    }
    double r = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), r);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(r))
        return false;
    v = r;
    return true;
}
