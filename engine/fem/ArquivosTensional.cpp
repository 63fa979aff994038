#include "fem/ArquivosTensional.h"

#include <cmath>
#include <string_view>

#include "malhas/Malha.h"
#include "uPlataforma.h"

namespace {
void VerificaValores(const TVetor &valores) {
    const double *v = valores.Dados();
    for (int i = 0, n = valores.GetTamanho(); i < n; ++i)
        if (!std::isfinite(v[i]))
            VerificaFinito(v[i]);
}

// One value per line with its sign changed; an exact zero is written without a sign.
void GravaNegados(const std::string &arquivo, const TVetor &valores, int largura, int decimais,
                  std::string &buffer) {
    VerificaValores(valores);
    const int n = valores.GetTamanho();
    const double *v = valores.Dados();
    buffer.clear();
    buffer.reserve(std::size_t(n) * std::size_t(largura + 2));
    for (int i = 0; i < n; ++i) {
        const double w = v[i] == 0.0 ? 0.0 : -v[i];
        AppendFixo(buffer, w, largura, decimais);
        buffer += '\n';
    }
    EscreveArquivo(arquivo, buffer);
}
} // namespace

void GravaArquivoDeformacoes(const std::string &arquivo, const TVetor &deformacoes,
                             std::string &buffer) {
    GravaNegados(arquivo, deformacoes, 12, 9, buffer);
}

void GravaArquivoTensoes(const std::string &arquivo, const TVetor &tensoes, std::string &buffer) {
    GravaNegados(arquivo, tensoes, 9, 5, buffer);
}

void LeArquivoValores(const std::string &arquivo, TVetor &valores) {
    TLeitorTexto leitor(arquivo);
    valores.Limpa();
    std::string_view linha;
    while (leitor.LeLinha(linha)) {
        std::size_t i = 0;
        while (i < linha.size() && (linha[i] == ' ' || linha[i] == '\t'))
            ++i;
        std::size_t j = i;
        while (j < linha.size() && linha[j] != ' ' && linha[j] != '\t')
            ++j;
        double v = 0.0;
        if (i == j || !TryStrToFloat(linha.substr(i, j - i), v, '.')) {
            std::string msg(1, '\'');
            msg.append(linha.substr(i, j - i));
            msg += "' is not a valid floating point value";
            leitor.Erro(msg);
        }
        valores.Adiciona(v);
    }
}

void GravaElementosEtapaDeform(const std::string &arquivo, const TMalha &malha,
                               const TVetor &deformacoes) {
    const int ne = malha.GetNumElementos();
    if (deformacoes.GetTamanho() < 3 * ne)
        throw EInOutError(arquivo + ": fewer strains than elements");
    VerificaValores(deformacoes);
    std::string buffer;
    buffer.reserve(std::size_t(ne) * 3 * 68);
    for (int e = 1; e <= ne; ++e) {
        const TElemento *el = malha.GetElemento(e);
        const double ex = deformacoes[3 * e - 2], ey = deformacoes[3 * e - 1],
                     exy = deformacoes[3 * e];
        for (int k = 1; k <= el->GetN(); ++k) {
            const TNo *no = el->GetNo(k);
            AppendFixo(buffer, ex, 15, 9);
            AppendFixo(buffer, ey, 15, 9);
            AppendFixo(buffer, exy, 15, 9);
            AppendFixo(buffer, no->X, 10, 4);
            AppendFixo(buffer, no->Y, 10, 4);
            buffer += '\n';
        }
        buffer += '\n';
    }
    EscreveArquivo(arquivo, buffer);
}
