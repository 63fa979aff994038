#include "GeometriaGid.h"

#include <cmath>

#include "uPlataforma.h"

namespace {

[[noreturn]] void Falha() {
    throw EInOutError("Erro ao abrir arquivo");
}

// The token at the 1-based column (empty past the line's end).
std::string_view Token(std::string_view linha, int coluna) {
    const int n = TamanhoToken(linha, coluna);
    if (n == 0)
        return {};
    return linha.substr(std::size_t(coluna - 1), std::size_t(n));
}

double Numero(std::string_view token) {
    double v = 0.0;
    if (token.empty() || !TryStrToFloat(token, v, '.') || !std::isfinite(v))
        Falha();
    return v;
}

bool Comeca(std::string_view linha, std::string_view prefixo) {
    return linha.substr(0, prefixo.size()) == prefixo;
}

// Two numbers: the token at the column and the one after exactly one blank.
void Par(std::string_view linha, int coluna, double &a, double &b) {
    const std::string_view t1 = Token(linha, coluna);
    a = Numero(t1);
    b = Numero(Token(linha, coluna + int(t1.size()) + 1));
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
    std::vector<double> linhas;
    bool pontos = true;
    int entidade = 0;
    std::size_t pos = 0;
    bool primeira = true;
    while (pos < texto.size()) {
        std::size_t fim = texto.find('\n', pos);
        if (fim == std::string_view::npos)
            fim = texto.size();
        std::string_view linha = texto.substr(pos, fim - pos);
        pos = fim + 1;
        if (!linha.empty() && linha.back() == '\r')
            linha.remove_suffix(1);
        if (primeira) {
            primeira = false;
            continue;
        }
        if (linha == "NURBSURFACE")
            break;
        if (pontos) {
            if (linha == "STLINE") {
                pontos = false;
            } else if (Comeca(linha, "Coord")) {
                double x, y;
                Par(linha, 8, x, y);
                g.Pontos.push_back(x);
                g.Pontos.push_back(y);
            }
            continue;
        }
        if (Comeca(linha, "Num: ")) {
            ++entidade;
            const int coluna = TamanhoToken(linha, 6) + 21;
            if (std::size_t(coluna) <= linha.size() && linha[std::size_t(coluna - 1)] == '2')
                g.Interiores.push_back(entidade);
        } else if (Comeca(linha, "Points")) {
            double a, b;
            Par(linha, 9, a, b);
            linhas.push_back(a);
            linhas.push_back(b);
        }
    }
    const int n = g.NumPontos();
    if (n == 0 || linhas.empty())
        Falha();
    g.Linhas.reserve(linhas.size());
    for (double v : linhas) {
        if (v != std::floor(v) || v < 1 || v > n)
            Falha();
        g.Linhas.push_back(std::int32_t(v));
    }
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
    EscreveArquivo(arquivo, TextoDominioGid(g));
}
