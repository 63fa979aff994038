#include "fem/ArquivosPasso.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "EntradasExecucao.h"
#include "uPlataforma.h"

TNomesArquivos &NomesArquivos() {
    static TNomesArquivos nomes;
    return nomes;
}

namespace {
std::string Nome(const std::string &prefixo, int passo, const std::string &extensao) {
    std::string s = prefixo;
    AppendInteiro(s, passo);
    s += extensao;
    return s;
}

[[noreturn]] void ErroNumero(const TLeitorTexto &leitor, std::string_view campo) {
    std::string msg(1, '\'');
    msg.append(campo);
    msg += "' não é um número real válido";
    leitor.Erro(msg);
}
} // namespace

double PrimeiroReal(TLeitorTexto &leitor, std::string_view linha) {
    std::size_t i = 0;
    while (i < linha.size() && (linha[i] == ' ' || linha[i] == '\t'))
        ++i;
    std::size_t j = i;
    while (j < linha.size() && linha[j] != ' ' && linha[j] != '\t')
        ++j;
    double v = 0;
    if (i == j || !TryStrToFloat(linha.substr(i, j - i), v, '.'))
        ErroNumero(leitor, linha.substr(i, j - i));
    return v;
}

void DefineNomesArquivos(const TConfiguracoes &c) {
    TNomesArquivos novos;
    if (c.FAplicado) {
        novos.PrefixoTemperatura = c.EnderecoTemp + c.NomeTemp;
        novos.PrefixoDeformacao = c.EnderecoDeform + c.NomeDeform;
        novos.PrefixoTensao = c.EnderecoTensao + c.NomeTensao;
        novos.ExtensaoTemperatura = c.TerminacaoTemp;
        novos.ExtensaoDeformacao = c.TerminacaoDeform;
        novos.ExtensaoTensao = c.TerminacaoTensao;
    } else {
        const std::string pasta = (PastaPadrao() / "").string();
        novos.PrefixoTemperatura = pasta + "Passo";
        novos.PrefixoDeformacao = pasta + "PassoDeform";
        novos.PrefixoTensao = pasta + "PassoTensao";
        novos.ExtensaoTemperatura = novos.ExtensaoDeformacao = novos.ExtensaoTensao = ".res";
    }
    // The folders are held before the names change: a folder of another instance leaves the
    // names (and the results they point to) as they were. One that cannot be held yet is held
    // by the run that writes there.
    const std::vector<std::filesystem::path> pastas = {
        PastaDoArquivo(novos.PrefixoTemperatura + "1"),
        PastaDoArquivo(novos.PrefixoDeformacao + "1"), PastaDoArquivo(novos.PrefixoTensao + "1")};
    for (const auto &p : pastas)
        SeguraPasta(p);
    NomesArquivos() = novos;
    std::vector<std::filesystem::path> manter = pastas;
    try {
        manter.push_back(PastaPadrao());
    } catch (const EInOutError &) {
        // no default folder to keep
    }
    LiberaPastas(manter);
}

std::filesystem::path PastaDoArquivo(const std::string &arquivo) {
    const std::filesystem::path p = std::filesystem::path(arquivo).parent_path();
    return p.empty() ? std::filesystem::path(".") : p;
}

std::string ArquivoTemperatura(int passo) {
    const TNomesArquivos &n = NomesArquivos();
    return Nome(n.PrefixoTemperatura, passo, n.ExtensaoTemperatura);
}

std::string ArquivoDeformacao(int passo) {
    const TNomesArquivos &n = NomesArquivos();
    return Nome(n.PrefixoDeformacao, passo, n.ExtensaoDeformacao);
}

std::string ArquivoTensao(int passo) {
    const TNomesArquivos &n = NomesArquivos();
    return Nome(n.PrefixoTensao, passo, n.ExtensaoTensao);
}

void GravaArquivoPasso(const std::string &arquivo, const TVetor &valores, std::string &buffer) {
    VerificaPosse(arquivo);
    const int n = valores.GetTamanho();
    const double *v = valores.Dados();
    // Written in place; the buffer grows when fewer than one widest line's worth is left.
    constexpr std::size_t kLinha = 8 + kMaxFixo + 1;
    buffer.resize(std::max(buffer.size(), std::size_t(n) * 10 + kLinha));
    std::size_t usado = 0;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(v[i]))
            VerificaFinito(v[i]);
        if (buffer.size() - usado < kLinha)
            buffer.resize(2 * buffer.size());
        char *fim = EscreveFixo(buffer.data() + usado, v[i], 8, 4);
        *fim++ = '\n';
        usado = std::size_t(fim - buffer.data());
    }
    EscreveArquivo(arquivo, std::string_view(buffer.data(), usado));
}

// A step file of n nodes holds n lines of at most one widest number each (and whatever a
// hand-edited file adds within reason).
void LeArquivoPasso(const std::string &arquivo, int n, TVetor &valores) {
    VerificaPosse(arquivo);
    TLeitorTexto leitor(arquivo, (std::uintmax_t(std::max(n, 0)) + 16) * 2 * (kMaxFixo + 16));
    valores.Redimensiona(n);
    double *v = valores.Dados();
    std::string_view linha;
    for (int i = 0; i < n; ++i) {
        if (!leitor.LeLinha(linha))
            leitor.Erro("Leitura além do fim do arquivo");
        v[i] = PrimeiroReal(leitor, linha);
    }
}

double LeLinhaArquivoPasso(const std::string &arquivo, int linha) {
    TLeitorTexto leitor(arquivo);
    std::string_view texto;
    for (int i = 1; i <= linha; ++i)
        if (!leitor.LeLinha(texto))
            leitor.Erro("Leitura além do fim do arquivo");
    return PrimeiroReal(leitor, texto);
}
