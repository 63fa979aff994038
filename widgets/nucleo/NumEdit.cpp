#include "NumEdit.h"

#include "KitNumeros.h"
#include "StrUtils.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

std::string Agrupa(const std::string &digitos) {
    const std::string m = KitThousandSeparator();
    std::string r;
    const std::size_t n = digitos.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += m;
        r += digitos[i];
    }
    return r;
}

// |v| rounded half away from zero to `casas` decimals, as integer digits (no leading zeros,
// empty for 0) and exactly `casas` fraction digits.
void Arredonda(double v, unsigned casas, std::string &inteiro, std::string &fracao) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed);
    std::string t(buf, res.ec == std::errc() ? std::size_t(res.ptr - buf) : 0);
    const std::size_t p = t.find('.');
    inteiro = t.substr(0, p);
    fracao = p == std::string::npos ? std::string() : t.substr(p + 1);
    bool sobe = fracao.size() > casas && fracao[casas] >= '5';
    fracao.resize(casas, '0');
    for (std::size_t i = fracao.size(); sobe && i-- > 0;) {
        sobe = fracao[i] == '9';
        fracao[i] = sobe ? '0' : char(fracao[i] + 1);
    }
    for (std::size_t i = inteiro.size(); sobe && i-- > 0;) {
        sobe = inteiro[i] == '9';
        inteiro[i] = sobe ? '0' : char(inteiro[i] + 1);
    }
    if (sobe)
        inteiro.insert(inteiro.begin(), '1');
    const std::size_t nz = inteiro.find_first_not_of('0');
    inteiro.erase(0, nz == std::string::npos ? inteiro.size() : nz);
}

std::string Fixo(double v, unsigned casas) {
    std::string i, f;
    Arredonda(v, casas, i, f);
    const bool zero = i.empty() && f.find_first_not_of('0') == std::string::npos;
    std::string r = (v < 0 && !zero) ? "-" : "";
    r += i.empty() ? "0" : i;
    if (casas > 0)
        r += KitDecimalSeparator() + f;
    return r;
}

std::vector<std::string> Secoes(const std::string &picture) {
    std::vector<std::string> s(1);
    char aspa = 0;
    for (char c : picture) {
        if (aspa) {
            if (c == aspa)
                aspa = 0;
        } else if (c == '"' || c == '\'') {
            aspa = c;
        } else if (c == ';') {
            s.emplace_back();
            continue;
        }
        s.back() += c;
    }
    return s;
}

} // namespace

std::string NormaliseNumberText(const std::string &texto) {
    const char d = KitDecimalSeparator();
    const std::string m = KitThousandSeparator();
    std::string t = TrimSpaces(texto);
    if (!m.empty() && m != std::string(1, d))
        t = ReplaceAll(t, m, "");
    for (char s : {'.', ','})
        if (d != s && m != std::string(1, s))
            for (char &c : t)
                if (c == s)
                    c = d;
    if (t.empty())
        return "0";
    if (t == "-")
        return "-0";
    return t;
}

bool NumTextToFloat(const std::string &texto, double &v) {
    const char d = KitDecimalSeparator();
    const std::size_t n = texto.size();
    std::size_t i = 0;
    bool negativo = false;
    if (i < n && (texto[i] == '+' || texto[i] == '-'))
        negativo = texto[i++] == '-';
    std::string inteiro, fracao;
    while (i < n && Digito(texto[i]))
        inteiro += texto[i++];
    if (i < n && texto[i] == d)
        for (++i; i < n && Digito(texto[i]);)
            fracao += texto[i++];
    long expoente = 0;
    if (i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        bool expNeg = false;
        if (i < n && (texto[i] == '+' || texto[i] == '-'))
            expNeg = texto[i++] == '-';
        for (; i < n && Digito(texto[i]); ++i)
            if (expoente < 100000)
                expoente = expoente * 10 + (texto[i] - '0');
        if (expNeg)
            expoente = -expoente;
    }
    if (i != n)
        return false;
    // Decimal magnitude: the value lies in [10^(mag-1), 10^mag).
    const std::size_t nz = inteiro.find_first_not_of('0');
    long mag;
    if (nz != std::string::npos) {
        mag = long(inteiro.size() - nz) + expoente;
    } else {
        const std::size_t fz = fracao.find_first_not_of('0');
        if (fz == std::string::npos) {
            v = negativo ? -0.0 : 0.0;
            return true;
        }
        mag = expoente - long(fz);
    }
    if (mag > 310)
        return false;
    if (mag < -330) {
        v = negativo ? -0.0 : 0.0;
        return true;
    }
    const std::string t = std::string(negativo ? "-" : "") + (inteiro.empty() ? "0" : inteiro) +
                          "." + (fracao.empty() ? "0" : fracao) + "e" + std::to_string(expoente);
    double r = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), r);
    if (res.ec == std::errc::result_out_of_range && mag <= 0)
        r = negativo ? -0.0 : 0.0;
    else if (res.ec != std::errc() || !std::isfinite(r))
        return false;
    v = r;
    return true;
}

bool ParseNumberText(const std::string &texto, double &v) {
    const char d = KitDecimalSeparator();
    for (char c : texto)
        if (!(Digito(c) || c == '+' || c == '-' || c == 'E' || c == 'e' || c == d))
            return false;
    return NumTextToFloat(texto.substr(0, 63), v);
}

double ClampNumber(double v, double minimo, double maximo) {
    if (minimo < maximo) {
        if (v < minimo)
            return minimo;
        if (v > maximo)
            return maximo;
    } else if (minimo > maximo) {
        if (maximo == 0) {
            if (v < minimo)
                return minimo;
        } else if (minimo == 0) {
            if (v > maximo)
                return maximo;
        }
    }
    return v;
}

std::string RangeErrorText(double minimo, double maximo, unsigned decimais) {
    return "Value must be between " + Fixo(minimo, decimais) + " and " + Fixo(maximo, decimais);
}

bool AcceptsNumberText(const std::string &texto, unsigned decimais, double minimo, double maximo) {
    const std::string t = NormaliseNumberText(texto);
    const std::size_t d = t.find(KitDecimalSeparator());
    if (d != std::string::npos) {
        std::size_t e = t.find_first_of("Ee");
        const std::size_t casas = (e != std::string::npos && d < e) ? e - d - 1 : t.size() - d - 1;
        if (casas > decimais)
            return false;
    }
    double v = 0;
    if (!ParseNumberText(t, v))
        return false;
    return !(minimo >= 0 && maximo > 0 && v < 0);
}

std::string FormatFloatPicture(double v, const std::string &picture) {
    if (!std::isfinite(v))
        return KitFormataGeral(v, 15);
    const std::vector<std::string> s = Secoes(picture);
    std::string secao = s[0];
    bool sinal = v < 0;
    if (v < 0 && s.size() >= 2 && !s[1].empty()) {
        secao = s[1];
        sinal = false;
    } else if (v == 0 && s.size() >= 3 && !s[2].empty()) {
        secao = s[2];
    }

    // Digit places of the integer part (from its first '0' on), of the fraction, grouping.
    unsigned minInt = 0, maxDec = 0, minDec = 0;
    bool ponto = false, grupos = false, zeroVisto = false;
    char aspa = 0;
    for (char c : secao) {
        if (aspa) {
            if (c == aspa)
                aspa = 0;
        } else if (c == '"' || c == '\'') {
            aspa = c;
        } else if (c == '0' || c == '#') {
            if (ponto) {
                ++maxDec;
                if (c == '0')
                    minDec = maxDec;
            } else {
                zeroVisto = zeroVisto || c == '0';
                minInt += zeroVisto ? 1 : 0;
            }
        } else if (c == '.') {
            ponto = true;
        } else if (c == ',') {
            grupos = true;
        }
    }

    std::string inteiro, fracao;
    Arredonda(v, maxDec, inteiro, fracao);
    const bool zero = inteiro.empty() && fracao.find_first_not_of('0') == std::string::npos;
    while (fracao.size() > minDec && fracao.back() == '0')
        fracao.pop_back();
    if (inteiro.size() < minInt)
        inteiro.insert(0, minInt - inteiro.size(), '0');
    if (grupos)
        inteiro = Agrupa(inteiro);

    std::string r = (sinal && !zero) ? "-" : "";
    bool inteiroPosto = false, pontoVisto = false;
    std::size_t k = 0;
    aspa = 0;
    for (char c : secao) {
        if (aspa) {
            if (c == aspa)
                aspa = 0;
            else
                r += c;
        } else if (c == '"' || c == '\'') {
            aspa = c;
        } else if ((c == '0' || c == '#') && !pontoVisto) {
            if (!inteiroPosto)
                r += inteiro;
            inteiroPosto = true;
        } else if (c == '0' || c == '#') {
            if (k < fracao.size())
                r += fracao[k];
            ++k;
        } else if (c == '.' && !pontoVisto) {
            pontoVisto = true;
            if (!inteiroPosto)
                r += inteiro;
            inteiroPosto = true;
            if (!fracao.empty())
                r += KitDecimalSeparator();
        } else if (c != ',') {
            r += c;
        }
    }
    return r;
}

std::string NumEditText(double v, unsigned decimais, bool zeroVazio) {
    if (v == 0 && zeroVazio)
        return {};
    std::string picture = "0";
    if (decimais > 0) {
        picture += '.';
        picture.append(decimais, '#');
    }
    return FormatFloatPicture(v, picture);
}

std::string NumDisplayText(double v, const std::string &formato) {
    return formato.empty() ? KitFormataGeral(v, 15) : FormatFloatPicture(v, formato);
}

std::string RegroupNumberText(const std::string &texto, bool agrupa) {
    if (texto.empty() || texto == "-")
        return texto;
    std::string t = NormaliseNumberText(texto);
    if (!agrupa)
        return t;
    std::string sinal;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        sinal = t.substr(0, 1);
        t.erase(0, 1);
    }
    const std::size_t fim = t.find_first_of(std::string("Ee") + KitDecimalSeparator());
    const std::string inteiro = t.substr(0, fim);
    const std::string resto = fim == std::string::npos ? std::string() : t.substr(fim);
    for (char c : inteiro)
        if (!Digito(c))
            return sinal + t;
    return sinal + Agrupa(inteiro) + resto;
}
