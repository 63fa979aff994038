#include "ArquivoTabela.h"

#include "matematica/FuncaoDiscreta.h"
#include "matematica/UTMath.h"
#include "uPlataforma.h"

#include <algorithm>
#include <filesystem>

namespace {

// Room for kMaiorTabela pairs written with full precision.
constexpr std::uintmax_t kMaiorArquivo = std::uintmax_t(128) << 20;

bool Branco(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The blank-separated words of a line, up to three (three means too many).
int Palavras(std::string_view linha, std::string_view (&p)[3]) {
    int n = 0;
    std::size_t i = 0;
    while (i < linha.size()) {
        while (i < linha.size() && Branco(linha[i]))
            ++i;
        if (i == linha.size())
            break;
        const std::size_t ini = i;
        while (i < linha.size() && !Branco(linha[i]))
            ++i;
        if (n == 3)
            return 3;
        p[n++] = linha.substr(ini, i - ini);
    }
    return n;
}

bool MesmoX(double a, double b) {
    return TUT_Math::IgualComTolerancia(a, b);
}

} // namespace

std::vector<TPar> LeTabela(std::string_view texto) {
    std::vector<TPar> r;
    int numero = 0;
    while (!texto.empty()) {
        const std::size_t fim = texto.find('\n');
        const std::string_view linha = texto.substr(0, fim);
        texto = fim == std::string_view::npos ? std::string_view() : texto.substr(fim + 1);
        ++numero;
        std::string_view p[3];
        const int n = Palavras(linha, p);
        if (n == 0)
            continue;
        TPar par{};
        if (n != 2 || !TryStrToFloat(p[0], par.x, '.') || !TryStrToFloat(p[1], par.y, '.'))
            throw EInOutError("Erro ao abrir arquivo - linha " + std::to_string(numero));
        if (r.size() == kMaiorTabela)
            throw EInOutError("Tabela com mais de " + std::to_string(kMaiorTabela) +
                              " pares - linha " + std::to_string(numero));
        r.push_back(par);
    }
    return r;
}

std::vector<TPar> LeArquivoTabela(const std::string &caminho) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(caminho, ec) &&
        std::filesystem::file_size(caminho, ec) > kMaiorArquivo && !ec)
        throw EInOutError("Arquivo com mais de " + std::to_string(kMaiorArquivo >> 20) +
                          " MB: tabela grande demais");
    std::string texto;
    try {
        texto = LeArquivoComum(caminho, kMaiorArquivo);
    } catch (const EInOutError &) {
        throw EInOutError("Erro ao abrir arquivo");
    }
    return LeTabela(texto);
}

bool InserePar(std::vector<TPar> &tabela, double x, double y) {
    auto pos = std::lower_bound(tabela.begin(), tabela.end(), x,
                                [](const TPar &p, double v) { return p.x < v; });
    if ((pos != tabela.end() && MesmoX(pos->x, x)) ||
        (pos != tabela.begin() && MesmoX(std::prev(pos)->x, x)))
        return false;
    tabela.insert(pos, TPar{x, y});
    return true;
}

std::vector<TPar> Ordena(const std::vector<TPar> &pares) {
    std::vector<TPar> todos = pares;
    std::stable_sort(todos.begin(), todos.end(),
                     [](const TPar &a, const TPar &b) { return a.x < b.x; });
    std::vector<TPar> t;
    for (const TPar &p : todos)
        if (t.empty() || !MesmoX(t.back().x, p.x))
            t.push_back(p);
    return t;
}

void PreencheFuncao(TFuncaoDiscreta &f, const std::vector<TPar> &tabela) {
    std::vector<double> x, y;
    x.reserve(tabela.size());
    y.reserve(tabela.size());
    for (const TPar &p : tabela) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    f.DefinePontos(x, y);
}
