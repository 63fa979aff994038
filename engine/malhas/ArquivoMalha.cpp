// Domain and mesh text files.
#include <array>
#include <filesystem>

#include "EntradasExecucao.h"
#include "malhas/Malha.h"
#include "uPlataforma.h"

namespace {

// Line-oriented reader of the sections "title, count, entries".
class TLeitorSecoes {
    // The first fields of a line as Campos splits it, without allocating; returns how many of
    // them were found (at most the array's size).
    static int PrimeirosCampos(std::string_view linha, std::array<std::string_view, 3> &c) {
        int n = 0;
        std::size_t i = 0;
        const std::size_t fim = linha.size();
        while (i < fim && n < int(c.size())) {
            while (i < fim && (linha[i] == ' ' || linha[i] == '\t' || linha[i] == '\r'))
                ++i;
            const std::size_t a = i;
            while (i < fim && linha[i] != ' ' && linha[i] != '\t' && linha[i] != '\r')
                ++i;
            if (i > a)
                c[std::size_t(n++)] = linha.substr(a, i - a);
        }
        return n;
    }

public:
    explicit TLeitorSecoes(const std::string &nome) : leitor_(nome) {}

    std::string_view Linha() {
        std::string_view l;
        if (!leitor_.LeLinha(l))
            leitor_.Erro("fim inesperado do arquivo");
        return l;
    }
    void Pula(int n = 1) {
        for (int i = 0; i < n; ++i)
            Linha();
    }
    // Count of entries whose lines hold at least `campos` numbers.
    int Contagem(int campos) {
        int n = Inteiros(Linha(), 1)[0];
        // Shortest entry line: one digit per field, blanks between, and a line end.
        std::size_t minimo = std::size_t(2 * campos);
        if (n < 0 || std::size_t(n) > (leitor_.BytesRestantes() + 1) / minimo)
            leitor_.Erro("contagem " + std::to_string(n) + " fora do intervalo");
        return n;
    }
    std::array<double, 2> Reais(std::string_view linha) {
        std::array<std::string_view, 3> c;
        if (PrimeirosCampos(linha, c) < 2)
            leitor_.Erro("esperavam-se dois números");
        std::array<double, 2> r{};
        for (int i = 0; i < 2; ++i)
            if (!TryStrToFloat(c[std::size_t(i)], r[std::size_t(i)], '.'))
                NaoNumero(c[std::size_t(i)], "real");
        return r;
    }
    std::array<int, 3> Inteiros(std::string_view linha, int n) {
        std::array<std::string_view, 3> c;
        if (PrimeirosCampos(linha, c) < n)
            leitor_.Erro(std::to_string(n) + (n == 1 ? " integer" : " integers") + " expected");
        std::array<int, 3> r{};
        for (int i = 0; i < n; ++i)
            if (!TryStrToInt(c[std::size_t(i)], r[std::size_t(i)]))
                NaoNumero(c[std::size_t(i)], "inteiro");
        return r;
    }
    void Verifica(int numero, int contagem, const char *oque) {
        if (numero < 1 || numero > contagem)
            leitor_.Erro("número de " + std::string(oque) + " " + std::to_string(numero) +
                         " fora do intervalo 1.." + std::to_string(contagem));
    }
    [[noreturn]] void Falha(const std::string &oque) const { leitor_.Erro(oque); }
    double Real(std::string_view linha, char separador) {
        double v;
        if (!TryStrToFloat(linha, v, separador))
            NaoNumero(linha, "real");
        return v;
    }

private:
    [[noreturn]] void NaoNumero(std::string_view campo, const char *tipo) const {
        std::string m(1, '\'');
        m.append(campo);
        m.append("' não é um número ");
        m.append(tipo);
        m.append(" válido");
        leitor_.Erro(m);
    }

    TLeitorTexto leitor_;
};

} // namespace

std::unique_ptr<TMalha> TMalha::CreateDeArquivo(const std::string &nome) {
    auto m = std::make_unique<TMalha>();
    m->NomeArquivo = nome;
    std::error_code ec;
    if (std::filesystem::exists(nome, ec))
        m->LeGeometria();
    return m;
}

namespace {
// The vertex and edge sections: "x y" lines, then "a b interior" lines.
void LeVerticesArestas(TMalha &m, TLeitorSecoes &f) {
    f.Pula();
    int nv = f.Contagem(2);
    for (int i = 0; i < nv; ++i) {
        auto p = f.Reais(f.Linha());
        // A repeated position would be dropped and renumber the vertices after it.
        const int antes = m.GetNumVertices();
        m.AdicionaVertice(p[0], p[1]);
        if (m.GetNumVertices() == antes)
            f.Falha("vértice repetido");
    }
    f.Pula();
    int na = f.Contagem(3);
    for (int i = 0; i < na; ++i) {
        auto a = f.Inteiros(f.Linha(), 3);
        f.Verifica(a[0], m.GetNumVertices(), "vértice");
        f.Verifica(a[1], m.GetNumVertices(), "vértice");
        m.AdicionaAresta(a[0], a[1], a[2] == 1);
    }
}
} // namespace

void TMalha::LeGeometria() {
    TLeitorSecoes f(NomeArquivo);
    LeVerticesArestas(*this, f);
    CalculaLimites();
}

namespace {
void LeNosElementos(TMalha &m, TLeitorSecoes &f) {
    f.Pula();
    int n = f.Contagem(2);
    for (int i = 0; i < n; ++i) {
        auto p = f.Reais(f.Linha());
        m.AdicionaNo(p[0], p[1]);
    }
    f.Pula();
    int e = f.Contagem(3);
    for (int i = 0; i < e; ++i) {
        auto a = f.Inteiros(f.Linha(), 3);
        for (int k = 0; k < 3; ++k)
            f.Verifica(a[std::size_t(k)], m.GetNumNos(), "nó");
        m.AdicionaElemento(a[0], a[1], a[2]);
    }
}
} // namespace

void TMalha::LeMalha(const std::string &nome) {
    TLeitorSecoes f(nome);
    LimpaMalha();
    LeNosElementos(*this, f);
}

// Read whole into a new mesh; the mesh and the settings change only when all of it was read.
void TMalha::LeMalhaCompleta(const std::string &nome, TConfiguracaoMalha &c) {
    TLeitorSecoes f(nome);
    TMalha nova(Nx, Ny);
    LeNosElementos(nova, f);
    LeVerticesArestas(nova, f);
    f.Pula(3);
    const bool exponencial = f.Linha() == "True";
    f.Pula();
    auto nxy = f.Inteiros(f.Linha(), 2);
    f.Pula();
    const bool porDmax = f.Linha() == "True";
    f.Pula();
    const double dmax = f.Real(f.Linha(), DecimalSeparator());

    LimpaVertices();
    LimpaMalha();
    vertices_.swap(nova.vertices_);
    arestas_.swap(nova.arestas_);
    contornos_.swap(nova.contornos_);
    nos_.swap(nova.nos_);
    elementos_.swap(nova.elementos_);
    CalculaLimites();
    c.Exponencial = exponencial;
    c.SetNx(nxy[0]);
    c.SetNy(nxy[1]);
    c.PorDmax = porDmax;
    c.Dmax = dmax;
    if (c.OnAlteracao)
        c.OnAlteracao();
}

void TMalha::SalvaMalha(const std::string &nome, const TConfiguracaoMalha &c) const {
    std::string s;
    s.reserve(64 * (nos_.size() + vertices_.size()) + 16 * (elementos_.size() + arestas_.size()));
    auto coordenadas = [&s](const TNo &n) {
        AppendFixo(s, n.X, 25, 20);
        s += "  ";
        AppendFixo(s, n.Y, 25, 20);
        s += '\n';
    };
    s += "[ COORDENADAS DOS NÓS ]\n";
    AppendInteiro(s, GetNumNos());
    s += '\n';
    for (const auto &n : nos_)
        coordenadas(*n);
    s += "[ CONECTIVIDADES - ELEMENTOS ]\n";
    AppendInteiro(s, GetNumElementos());
    s += '\n';
    for (const auto &e : elementos_) {
        for (int i = 1; i <= e->GetN(); ++i) {
            AppendInteiro(s, e->GetNo(i)->Numero);
            s += "  ";
        }
        s += '\n';
    }
    s += "[coordenadas de vertices]\n";
    AppendInteiro(s, GetNumVertices());
    s += '\n';
    for (const auto &v : vertices_)
        coordenadas(*v);
    s += "[conectividade arestas]\n";
    AppendInteiro(s, GetNumArestas());
    s += '\n';
    for (const auto &a : arestas_) {
        AppendInteiro(s, a->No1->Numero);
        s += "  ";
        AppendInteiro(s, a->No2->Numero);
        s += a->Interna ? "  1\n" : "  0\n";
    }
    s += "\nConfigurações da Malha\nDivisões Exponenciais:\n";
    s += c.Exponencial ? "True\n" : "False\n";
    s += "Nx e Ny:\n";
    AppendInteiro(s, c.Nx);
    s += ' ';
    AppendInteiro(s, c.Ny);
    s += "\nDivisões por Dmáx:\n";
    s += c.PorDmax ? "True\n" : "False\n";
    s += "Dimensão máxima:\n";
    s += FloatToStrExato(c.Dmax, DecimalSeparator());
    s += '\n';
    SalvaArquivo(nome, s);
}
