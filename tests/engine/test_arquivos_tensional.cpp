#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "fem/ArquivosTensional.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "PastaTeste.h"

namespace {

class ArquivosTensional : public TesteComPasta {
protected:
    std::string Arquivo(const char *nome) const { return (pasta_ / nome).string(); }
    static std::string Conteudo(const std::string &arquivo) {
        std::ifstream f(arquivo, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
};

TEST_F(ArquivosTensional, StepFilesHoldTheNegatedValuesInTheirFixedWidths) {
    TVetor v(6);
    v.Set(1, 1.5), v.Set(2, -2.26e-4), v.Set(3, 0.0), v.Set(4, 12345.678901);
    v.Set(5, -3.0), v.Set(6, 1e-12);
    std::string buffer;
    const std::string tens = Arquivo("PassoTensao1.res"), def = Arquivo("PassoDeform1.res");
    GravaArquivoTensoes(tens, v, buffer);
    GravaArquivoDeformacoes(def, v, buffer);
    EXPECT_EQ(Conteudo(tens), " -1.50000\n  0.00023\n  0.00000\n-12345.67890\n  3.00000\n"
                              " -0.00000\n");
    EXPECT_EQ(Conteudo(def), "-1.500000000\n 0.000226000\n 0.000000000\n-12345.678901000\n"
                             " 3.000000000\n-0.000000000\n");

    TVetor lido(2);
    LeArquivoValores(def, lido);
    ASSERT_EQ(lido.GetTamanho(), 6);
    for (int i = 1; i <= 6; ++i)
        EXPECT_NEAR(lido[i], -v[i], 1e-9) << i;
}

// The plain reference: correctly rounded fixed notation, right-aligned.
std::string Referencia(double v, int largura, int decimais) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimais);
    std::string s(buf, r.ptr);
    if (int(s.size()) < largura)
        s.insert(0, std::size_t(largura - int(s.size())), ' ');
    return s;
}

TEST_F(ArquivosTensional, StepFileTextMatchesCorrectlyRoundedFixedNotation) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> exp10(-14.0, 16.0), unif(-1.0, 1.0);
    TVetor v;
    for (int i = 0; i < 20000; ++i)
        v.Adiciona(unif(rng) * std::pow(10.0, exp10(rng)));
    // Values next to the rounding boundaries of both formats.
    for (int d : {5, 9})
        for (int i = 0; i < 2000; ++i) {
            const double meio =
                (double(std::int64_t(rng() % 2000000)) - 1e6 + 0.5) / std::pow(10.0, d);
            v.Adiciona(meio);
            v.Adiciona(std::nextafter(meio, 1e300));
            v.Adiciona(std::nextafter(meio, -1e300));
        }
    for (double x : {0.0, -0.0, 1e-300, -1e-300, 5e-6, -5e-10, 4e5, 3.9999999e6, 4e6, 1e10, -1e15,
                     123456789.987654321, 1e300})
        v.Adiciona(x);
    std::string buffer;
    const std::string tens = Arquivo("t.res"), def = Arquivo("d.res");
    GravaArquivoTensoes(tens, v, buffer);
    GravaArquivoDeformacoes(def, v, buffer);
    std::string et, ed;
    for (int i = 1; i <= v.GetTamanho(); ++i) {
        const double w = v[i] == 0.0 ? 0.0 : -v[i];
        et += Referencia(w, 9, 5) + "\n";
        ed += Referencia(w, 12, 9) + "\n";
    }
    EXPECT_EQ(Conteudo(tens), et);
    EXPECT_EQ(Conteudo(def), ed);
}

TEST_F(ArquivosTensional, ANonFiniteValueIsRaisedAndNothingIsWritten) {
    TVetor v(3);
    v.Set(2, std::numeric_limits<double>::quiet_NaN());
    std::string buffer;
    const std::string arq = Arquivo("PassoTensao2.res");
    EXPECT_THROW(GravaArquivoTensoes(arq, v, buffer), EInvalidOp);
    v.Set(2, std::numeric_limits<double>::infinity());
    EXPECT_THROW(GravaArquivoDeformacoes(arq, v, buffer), EOverflow);
    EXPECT_FALSE(std::filesystem::exists(arq));
}

TEST_F(ArquivosTensional, ReadingRejectsAMissingFileAndATextLine) {
    TVetor lido;
    EXPECT_THROW(LeArquivoValores(Arquivo("nao_existe.res"), lido), EInOutError);
    const std::string arq = Arquivo("ruim.res");
    EscreveArquivo(arq, " 1.00000\r\n 2.5 resto\r\nabc\n");
    try {
        LeArquivoValores(arq, lido);
        FAIL() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("linha 3"), std::string::npos) << e.what();
    }
    EscreveArquivo(arq, " 1.00000\r\n 2.5 resto\r\n");
    LeArquivoValores(arq, lido);
    ASSERT_EQ(lido.GetTamanho(), 2);
    EXPECT_EQ(lido[2], 2.5);
}

TEST_F(ArquivosTensional, StageStrainFileRepeatsTheElementStrainsOnEachNodeLine) {
    TMalha malha;
    malha.AdicionaNo(0, 0);
    malha.AdicionaNo(2, 0);
    malha.AdicionaNo(0, 1.5);
    malha.AdicionaNo(2, 1.5);
    malha.AdicionaElemento(1, 2, 3);
    malha.AdicionaElemento(2, 4, 3);
    ASSERT_EQ(malha.GetNumElementos(), 2);
    TVetor d(6);
    for (int i = 1; i <= 6; ++i)
        d.Set(i, i * 1e-5 * (i % 2 ? 1 : -1));
    const std::string arq = Arquivo("ElementosEtapaDeform1.res");
    GravaElementosEtapaDeform(arq, malha, d);

    std::string esperado;
    for (int e = 1; e <= 2; ++e) {
        for (int k = 1; k <= 3; ++k) {
            const TNo *no = malha.GetElemento(e)->GetNo(k);
            for (int c = 0; c < 3; ++c)
                esperado += FormatFixo(d[3 * e - 2 + c], 15, 9);
            esperado += FormatFixo(no->X, 10, 4) + FormatFixo(no->Y, 10, 4) + "\n";
        }
        esperado += "\n";
    }
    EXPECT_EQ(Conteudo(arq), esperado);
    // The first node line of element 1, spelled out.
    EXPECT_EQ(Conteudo(arq).substr(0, 66), "    0.000010000   -0.000020000    0.000030000"
                                           "    0.0000    0.0000\n");

    TVetor curto(5);
    EXPECT_THROW(GravaElementosEtapaDeform(arq, malha, curto), EInOutError);
}

} // namespace
