#include "GeometriaGid.h"

#include <cmath>
#include <map>
#include <string>

#include "LinhasTexto.h"
#include "uPlataforma.h"

namespace {

[[noreturn]] void Falha() {
    throw EInOutError("Erro ao abrir arquivo");
}

[[noreturn]] void Falha(int linha) {
    throw EInOutError("Erro ao abrir arquivo - linha " + std::to_string(linha));
}

// The token at the 1-based column (empty past the line's end).
std::string_view Token(std::string_view linha, int coluna) {
    const int n = TamanhoToken(linha, coluna);
    if (n == 0)
        return {};
    return linha.substr(std::size_t(coluna - 1), std::size_t(n));
}

double Numero(std::string_view token, int linha) {
    double v = 0.0;
    if (token.empty() || !TryStrToFloat(token, v, '.') || !std::isfinite(v))
        Falha(linha);
    return v;
}

// A point number: a whole number from 1 on.
std::int64_t NumeroDePonto(std::string_view token, int linha) {
    const double v = Numero(token, linha);
    if (v != std::floor(v) || v < 1 || v > 2147483647.0)
        Falha(linha);
    return std::int64_t(v);
}

bool Comeca(std::string_view linha, std::string_view prefixo) {
    return linha.substr(0, prefixo.size()) == prefixo;
}

// Two numbers: the token at the column and the one after exactly one blank.
void Par(std::string_view linha, int coluna, int numero, double &a, double &b) {
    const std::string_view t1 = Token(linha, coluna);
    a = Numero(t1, numero);
    b = Numero(Token(linha, coluna + int(t1.size()) + 1), numero);
}

} // namespace

int TamanhoToken(std::string_view linha, int coluna) {
    if (coluna < 1 || std::size_t(coluna) > linha.size())
        return 0;
    std::size_t i = std::size_t(coluna - 1), n = 0;
    while (i + n < linha.size() && linha[i + n] != ' ')
        ++n;
    return int(n);
}

TGeometriaGid LeGeometriaGid(std::string_view texto) {
    TGeometriaGid g;
    // The dump's own point numbers and the vertex each became; with no "Num: " line among the
    // points they are numbered in file order.
    std::map<std::int64_t, std::int32_t> vertices;
    bool numerados = false;
    int pontoPendente = 0; // line of a point's "Num: " still waiting for its "Coord"
    std::int64_t numeroPendente = 0;
    int entidadePendente = 0; // line of a line's "Num: " still waiting for its "Points"
    bool pontos = true;
    int entidade = 0, numero = 0;
    std::size_t pos = 0;
    std::string_view linha;
    while (ProximaLinha(texto, pos, linha)) {
        ++numero;
        if (!linha.empty() && linha.back() == '\r')
            linha.remove_suffix(1);
        if (numero == 1)
            continue;
        if (linha == "NURBSURFACE")
            break;
        if (pontos) {
            if (linha == "STLINE") {
                if (pontoPendente)
                    Falha(pontoPendente);
                pontos = false;
            } else if (Comeca(linha, "Num: ")) {
                if (pontoPendente)
                    Falha(pontoPendente);
                if (!numerados && !g.Pontos.empty())
                    Falha(numero);
                numerados = true;
                numeroPendente = NumeroDePonto(Token(linha, 6), numero);
                if (vertices.count(numeroPendente))
                    Falha(numero);
                pontoPendente = numero;
            } else if (Comeca(linha, "Coord")) {
                if (numerados && !pontoPendente)
                    Falha(numero);
                double x, y;
                Par(linha, 8, numero, x, y);
                g.Pontos.push_back(x);
                g.Pontos.push_back(y);
                const std::int32_t v = std::int32_t(g.NumPontos());
                vertices[numerados ? numeroPendente : v] = v;
                pontoPendente = 0;
            }
            continue;
        }
        if (Comeca(linha, "Num: ")) {
            if (entidadePendente)
                Falha(entidadePendente);
            entidadePendente = numero;
            ++entidade;
            const int coluna = TamanhoToken(linha, 6) + 21;
            if (std::size_t(coluna) <= linha.size() && linha[std::size_t(coluna - 1)] == '2')
                g.Interiores.push_back(entidade);
        } else if (Comeca(linha, "Points")) {
            if (!entidadePendente)
                Falha(numero);
            double a, b;
            Par(linha, 9, numero, a, b);
            for (double p : {a, b}) {
                if (p != std::floor(p) || p < 1 || p > 2147483647.0)
                    Falha(numero);
                const auto v = vertices.find(std::int64_t(p));
                if (v == vertices.end())
                    Falha(numero);
                g.Linhas.push_back(v->second);
            }
            entidadePendente = 0;
        }
    }
    if (pontoPendente)
        Falha(pontoPendente);
    if (entidadePendente)
        Falha(entidadePendente);
    if (g.NumPontos() == 0 || g.Linhas.empty())
        Falha();
    return g;
}

TGeometriaGid LeGeometriaGidArquivo(const std::string &arquivo) {
    TLeitorTexto leitor(arquivo);
    std::string texto;
    std::string_view linha;
    while (leitor.LeLinha(linha)) {
        texto.append(linha);
        texto.push_back('\n');
    }
    return LeGeometriaGid(texto);
}

std::string TextoDominioGid(const TGeometriaGid &g) {
    std::string s;
    s.reserve(32 + 24 * g.Pontos.size() + 12 * g.Linhas.size());
    s += "[coordenadas de vertices]\n";
    AppendInteiro(s, g.NumPontos());
    s += '\n';
    for (std::size_t i = 0; i + 1 < g.Pontos.size(); i += 2) {
        AppendFixo(s, g.Pontos[i], 10, 5);
        s += "  ";
        AppendFixo(s, g.Pontos[i + 1], 10, 5);
        s += '\n';
    }
    s += "[conectividade arestas]\n";
    AppendInteiro(s, g.NumLinhas());
    s += '\n';
    std::size_t proxima = 0;
    for (int i = 1; i <= g.NumLinhas(); ++i) {
        AppendInteiro(s, g.Linhas[std::size_t(2 * i - 2)]);
        s += "  ";
        AppendInteiro(s, g.Linhas[std::size_t(2 * i - 1)]);
        s += "  ";
        const bool interior = proxima < g.Interiores.size() && g.Interiores[proxima] == i;
        if (interior)
            ++proxima;
        s += interior ? '1' : '0';
        s += '\n';
    }
    return s;
}

void GravaDominioGid(const TGeometriaGid &g, const std::string &arquivo) {
    SalvaArquivo(arquivo, TextoDominioGid(g));
}
