#include "StrUtils.h"

std::string ReplaceAll(const std::string &texto, const std::string &procura,
                       const std::string &troca) {
    if (procura.empty())
        return texto;
    std::string r;
    r.reserve(texto.size());
    std::size_t i = 0;
    for (;;) {
        const std::size_t p = texto.find(procura, i);
        if (p == std::string::npos)
            break;
        r.append(texto, i, p - i);
        r += troca;
        i = p + procura.size();
    }
    r.append(texto, i, std::string::npos);
    return r;
}

std::string RemoveChar(const std::string &texto, char c) {
    std::string r;
    r.reserve(texto.size());
    for (char x : texto)
        if (x != c)
            r += x;
    return r;
}

std::string TrimLeftSpaces(const std::string &texto) {
    const std::size_t a = texto.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : texto.substr(a);
}

std::string TrimRightSpaces(const std::string &texto) {
    const std::size_t b = texto.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : texto.substr(0, b + 1);
}

std::string TrimSpaces(const std::string &texto) {
    return TrimLeftSpaces(TrimRightSpaces(texto));
}

std::string RepeatChar(char c, int n) {
    return n < 1 ? std::string() : std::string(std::size_t(n), c);
}
