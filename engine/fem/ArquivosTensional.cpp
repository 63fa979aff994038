#include "fem/ArquivosTensional.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "fem/ArquivosPasso.h"
#include "malhas/Malha.h"
#include "uPlataforma.h"

namespace {
void VerificaValores(const TVetor &valores) {
    const double *v = valores.Dados();
    for (int i = 0, n = valores.GetTamanho(); i < n; ++i)
        if (!std::isfinite(v[i]))
            VerificaFinito(v[i]);
}

constexpr double kPot[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::uint64_t kPotI[] = {1,      10,      100,      1000,      10000,
                                   100000, 1000000, 10000000, 100000000, 1000000000};
// |w| 10^decimais below this is rounded exactly by LinhaFixa and has at most 16 digits.
constexpr double kLimiteRapido = 4.0e15;

constexpr char kPares[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                          "34353637383940414243444546474849505152535455565758596061626364656667"
                          "6869707172737475767778798081828384858687888990919293949596979899";

constexpr char kBrancos[] = "                                ";

// Writes the digits of v backwards, ending at q, in exactly `digitos` places (at least one
// when digitos is 0); returns the first.
char *Digitos(char *q, std::uint64_t v, int digitos) {
    int k = 0;
    while (digitos - k >= 2 || (digitos == 0 && v >= 10)) {
        const std::size_t d = std::size_t(v % 100) * 2;
        v /= 100;
        *--q = kPares[d + 1];
        *--q = kPares[d];
        k += 2;
    }
    if (digitos - k == 1 || (digitos == 0 && (v > 0 || k == 0)))
        *--q = char('0' + v % 10);
    return q;
}

// "%<largura>.<decimais>f" of w and a line end, written at p (returns the end), for
// |w| 10^decimais below kLimiteRapido and largura up to 24; up to 32 bytes from p may be
// written. The value is rounded to nearest, ties to even, from the product and its fma error
// term, which gives the platform's fixed notation.
template <int largura, int decimais> char *LinhaFixa(char *p, double w) {
    static_assert(decimais >= 0 && decimais <= 9 && largura <= 24);
    const double a = std::fabs(w);
    const double x = a * kPot[decimais];
    const double erro = std::fma(a, kPot[decimais], -x); // a 10^d = x + erro exactly
    const double piso = std::floor(x);
    const double s = ((x - piso) - 0.5) + erro;
    auto n = std::uint64_t(piso);
    if (s > 0.0 || (s == 0.0 && (n & 1u)))
        ++n;
    // Written in place, right to left, over a run of blanks.
    const std::uint64_t inteiro = n / kPotI[decimais];
    int tamanho = 1 + (decimais > 0 ? decimais + 1 : 0) + (std::signbit(w) ? 1 : 0);
    for (std::uint64_t t = inteiro; t >= 10; t /= 10)
        ++tamanho;
    tamanho = std::max(largura, tamanho);
    std::memcpy(p, kBrancos, 32);
    char *q = p + tamanho;
    if (decimais > 0) {
        q = Digitos(q, n % kPotI[decimais], decimais);
        *--q = '.';
    }
    q = Digitos(q, inteiro, 0);
    if (std::signbit(w))
        *--q = '-';
    p += tamanho;
    *p++ = '\n';
    return p;
}

// One value per line with its sign changed; an exact zero is written without a sign.
template <int largura, int decimais>
void GravaNegados(const std::string &arquivo, const TVetor &valores, std::string &buffer) {
    VerificaValores(valores);
    VerificaPosse(arquivo);
    const int n = valores.GetTamanho();
    const double *v = valores.Dados();
    const double limite = kLimiteRapido / kPot[decimais];
    const std::size_t linha = std::size_t(std::max(largura, 18)) + 1; // longest fast line
    buffer.resize(std::size_t(n) * linha + 32);
    std::size_t usado = 0;
    std::string aux;
    for (int i = 0; i < n; ++i) {
        const double w = v[i] == 0.0 ? 0.0 : -v[i];
        if (std::fabs(w) < limite) {
            usado =
                std::size_t(LinhaFixa<largura, decimais>(buffer.data() + usado, w) - buffer.data());
            continue;
        }
        aux.clear();
        AppendFixo(aux, w, largura, decimais);
        aux += '\n';
        buffer.resize(
            std::max(buffer.size(), usado + aux.size() + std::size_t(n - i) * linha + 32));
        std::copy(aux.begin(), aux.end(), buffer.begin() + std::ptrdiff_t(usado));
        usado += aux.size();
    }
    buffer.resize(usado);
    EscreveArquivo(arquivo, buffer);
}
} // namespace

void GravaArquivoDeformacoes(const std::string &arquivo, const TVetor &deformacoes,
                             std::string &buffer) {
    GravaNegados<12, 9>(arquivo, deformacoes, buffer);
}

void GravaArquivoTensoes(const std::string &arquivo, const TVetor &tensoes, std::string &buffer) {
    GravaNegados<9, 5>(arquivo, tensoes, buffer);
}

void LeArquivoValores(const std::string &arquivo, TVetor &valores) {
    VerificaPosse(arquivo);
    TLeitorTexto leitor(arquivo);
    valores.Limpa();
    std::string_view linha;
    while (leitor.LeLinha(linha))
        valores.Adiciona(PrimeiroReal(leitor, linha));
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
