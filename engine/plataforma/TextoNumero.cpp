#include "plataforma/TextoNumero.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "plataforma/Erros.h"

namespace {
std::atomic<char> gSeparador{'.'};

std::string Aspas(std::string_view s) {
    std::string r(1, '\'');
    r.append(s);
    r += '\'';
    return r;
}

// Checks the characters of a real in plain or scientific notation and copies it with a
// decimal point into buf. Returns the length, or 0 when the text is not a number.
std::size_t NormalizaReal(std::string_view s, char separador, char *buf, std::size_t cap) {
    if (s.empty() || s.size() >= cap)
        return 0;
    std::size_t i = 0, n = 0;
    if (s[i] == '+' || s[i] == '-') {
        if (s[i] == '-')
            buf[n++] = '-';
        ++i;
    }
    bool digitos = false, ponto = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            digitos = true;
            buf[n++] = c;
        } else if (c == separador && !ponto) {
            ponto = true;
            buf[n++] = '.';
        } else
            break;
    }
    if (!digitos)
        return 0;
    if (i < s.size()) {
        if (s[i] != 'e' && s[i] != 'E')
            return 0;
        buf[n++] = 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-')
                buf[n++] = '-';
            ++i;
        }
        bool expDig = false;
        for (; i < s.size(); ++i) {
            char c = s[i];
            if (c < '0' || c > '9')
                return 0;
            expDig = true;
            buf[n++] = c;
        }
        if (!expDig)
            return 0;
    }
    return n;
}
} // namespace

char DecimalSeparator() {
    return gSeparador.load();
}
void SetDecimalSeparator(char c) {
    gSeparador.store(c);
}

std::string_view Apara(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r' || s[a] == '\n'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r' || s[b - 1] == '\n'))
        --b;
    return s.substr(a, b - a);
}

bool TryStrToFloat(std::string_view s, double &v, char separador) {
    std::string_view t = Apara(s);
    // Fixed notation of a large value (as "%.20f" writes it) runs to hundreds of characters.
    char fixo[128];
    std::string longo;
    char *buf = fixo;
    std::size_t cap = sizeof fixo;
    if (t.size() >= cap) {
        longo.resize(t.size() + 1);
        buf = longo.data();
        cap = longo.size();
    }
    std::size_t n = NormalizaReal(t, separador, buf, cap);
    if (n == 0)
        return false;
    double r = 0;
    auto res = std::from_chars(buf, buf + n, r);
    if (res.ec != std::errc() || res.ptr != buf + n)
        return false;
    if (!std::isfinite(r))
        return false;
    v = r;
    return true;
}

double StrToFloat(std::string_view s, char separador) {
    double v = 0;
    if (!TryStrToFloat(s, v, separador))
        throw EConvertError(Aspas(s) + " não é um número real válido");
    return v;
}

bool TryStrToInt(std::string_view s, int &v) {
    std::string_view t = Apara(s);
    if (!t.empty() && t[0] == '+')
        t.remove_prefix(1);
    if (t.empty() || t[0] == '+')
        return false;
    int r = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), r);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size())
        return false;
    v = r;
    return true;
}

int StrToInt(std::string_view s) {
    int v = 0;
    if (!TryStrToInt(s, v))
        throw EConvertError(Aspas(s) + " não é um número inteiro válido");
    return v;
}

namespace {
// Significant digits (trailing zeros removed) and the exponent e with v = 0.d1d2... * 10^e.
struct Decimal {
    bool negativo = false;
    std::string digitos; // empty for zero
    int expoente = 0;
};

Decimal Decompoe(double v, int precisao) {
    Decimal d;
    d.negativo = std::signbit(v) && v != 0.0;
    if (v == 0.0)
        return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                             precisao - 1);
    std::string_view s(buf, res.ptr - buf);
    std::size_t e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            d.digitos.push_back(s[i]);
    int exp10 = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp10);
    while (!d.digitos.empty() && d.digitos.back() == '0')
        d.digitos.pop_back();
    d.expoente = exp10 + 1;
    return d;
}

std::string Geral(double v, int precisao, char separador) {
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    Decimal d = Decompoe(v, precisao);
    if (d.digitos.empty())
        return "0";
    std::string r = d.negativo ? "-" : "";
    int e = d.expoente;
    int n = int(d.digitos.size());
    if (e > precisao || e < -3) {
        r += d.digitos[0];
        if (n > 1) {
            r += separador;
            r.append(d.digitos, 1, std::string::npos);
        }
        r += 'E';
        int x = e - 1;
        if (x < 0) {
            r += '-';
            x = -x;
        }
        r += std::to_string(x);
        return r;
    }
    if (e <= 0) {
        r += '0';
        r += separador;
        r.append(std::size_t(-e), '0');
        r += d.digitos;
    } else if (n <= e) {
        r += d.digitos;
        r.append(std::size_t(e - n), '0');
    } else {
        r.append(d.digitos, 0, std::size_t(e));
        r += separador;
        r.append(d.digitos, std::size_t(e), std::string::npos);
    }
    return r;
}
} // namespace

std::string FloatToStr(double v, char separador) {
    return Geral(v, 15, separador);
}
std::string FloatToStr(double v) {
    return Geral(v, 15, DecimalSeparator());
}
std::string FormatG(double v, int precisao, char separador) {
    return Geral(v, precisao < 1 ? 1 : precisao, separador);
}

namespace {
// Fixed notation for moderate magnitudes without the general conversion: |v|·10^D is rounded to
// the nearest integer (ties to even) exactly, using the error term of an fma. Returns nullptr
// when the value is out of the fast range; the text equals std::to_chars' fixed form.
template <int D> char *FixoRapido(char *dest, double v, int largura, char separador) {
    constexpr std::uint64_t potI = [] {
        std::uint64_t p = 1;
        for (int k = 0; k < D; ++k)
            p *= 10;
        return p;
    }();
    constexpr double pot = double(potI);
    const double a = std::fabs(v);
    const double p = a * pot;
    if (!(p < 4.0e15)) // also rejects NaN and infinities
        return nullptr;
    const double e = std::fma(a, pot, -p); // a·pot = p + e exactly
    const double f = std::floor(p);
    const double d = (p - f) - 0.5; // exact
    const double s = d + e;         // sign decides; |e| is below the spacing of d when d != 0
    auto n = std::uint64_t(f);
    if (s > 0.0 || (s == 0.0 && (n & 1u)))
        ++n;
    // Digits two at a time, from the right.
    static constexpr char kPares[] =
        "00010203040506070809101112131415161718192021222324252627282930"
        "31323334353637383940414243444546474849505152535455565758596061"
        "62636465666768697071727374757677787980818283848586878889909192"
        "93949596979899";
    char buf[48];
    char *fim = buf + sizeof buf;
    char *q = fim;
    std::uint64_t inteiro = n / potI, fracao = n % potI;
    int k = 0;
    for (; k + 1 < D; k += 2) {
        const unsigned par = unsigned(fracao % 100);
        fracao /= 100;
        q -= 2;
        q[0] = kPares[2 * par];
        q[1] = kPares[2 * par + 1];
    }
    if (k < D)
        *--q = char('0' + fracao % 10);
    if (D > 0)
        *--q = separador;
    while (inteiro >= 100) {
        const unsigned par = unsigned(inteiro % 100);
        inteiro /= 100;
        q -= 2;
        q[0] = kPares[2 * par];
        q[1] = kPares[2 * par + 1];
    }
    if (inteiro >= 10) {
        q -= 2;
        q[0] = kPares[2 * inteiro];
        q[1] = kPares[2 * inteiro + 1];
    } else {
        *--q = char('0' + inteiro);
    }
    if (std::signbit(v))
        *--q = '-';
    const std::ptrdiff_t tam = fim - q;
    for (std::ptrdiff_t b = tam; b < largura; ++b)
        *dest++ = ' ';
    std::memcpy(dest, q, std::size_t(tam));
    return dest + tam;
}

char *FixoRapidoEm(char *dest, double v, int largura, int decimais, char separador) {
    switch (decimais) {
    case 0:
        return FixoRapido<0>(dest, v, largura, separador);
    case 1:
        return FixoRapido<1>(dest, v, largura, separador);
    case 2:
        return FixoRapido<2>(dest, v, largura, separador);
    case 3:
        return FixoRapido<3>(dest, v, largura, separador);
    case 4:
        return FixoRapido<4>(dest, v, largura, separador);
    case 5:
        return FixoRapido<5>(dest, v, largura, separador);
    case 6:
        return FixoRapido<6>(dest, v, largura, separador);
    case 7:
        return FixoRapido<7>(dest, v, largura, separador);
    case 8:
        return FixoRapido<8>(dest, v, largura, separador);
    case 9:
        return FixoRapido<9>(dest, v, largura, separador);
    default:
        return nullptr;
    }
}
} // namespace

char *EscreveFixo(char *dest, double v, int largura, int decimais, char separador) {
    if (char *fim = FixoRapidoEm(dest, v, largura, decimais, separador))
        return fim;
    char buf[400];
    char *fim;
    if (std::isnan(v)) {
        const char *t = "NAN";
        fim = std::copy(t, t + 3, buf);
    } else if (std::isinf(v)) {
        const char *t = v > 0 ? "INF" : "-INF";
        fim = std::copy(t, t + (v > 0 ? 3 : 4), buf);
    } else {
        auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimais);
        fim = res.ptr;
        if (separador != '.')
            for (char *p = buf; p != fim; ++p)
                if (*p == '.')
                    *p = separador;
    }
    for (std::ptrdiff_t b = fim - buf; b < largura; ++b)
        *dest++ = ' ';
    return std::copy(buf, fim, dest);
}

void AppendFixo(std::string &out, double v, int largura, int decimais, char separador) {
    char buf[kMaxFixo];
    char *fim = EscreveFixo(buf, v, 0, decimais, separador);
    const std::ptrdiff_t n = fim - buf;
    if (n < largura)
        out.append(std::size_t(largura - n), ' ');
    out.append(buf, fim);
}

std::string FormatFixo(double v, int largura, int decimais, char separador) {
    std::string s;
    AppendFixo(s, v, largura, decimais, separador);
    return s;
}

std::string FloatToStrExato(double v, char separador) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, res.ptr);
    if (separador != '.')
        for (char &c : s)
            if (c == '.')
                c = separador;
    return s;
}

void AppendInteiro(std::string &out, long long v, int largura) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    int n = int(res.ptr - buf);
    if (n < largura)
        out.append(std::size_t(largura - n), ' ');
    out.append(buf, res.ptr);
}

std::vector<std::string_view> Campos(std::string_view linha) {
    std::vector<std::string_view> r;
    std::size_t i = 0, n = linha.size();
    while (i < n) {
        while (i < n && (linha[i] == ' ' || linha[i] == '\t' || linha[i] == '\r'))
            ++i;
        std::size_t a = i;
        while (i < n && linha[i] != ' ' && linha[i] != '\t' && linha[i] != '\r')
            ++i;
        if (i > a)
            r.push_back(linha.substr(a, i - a));
    }
    return r;
}
