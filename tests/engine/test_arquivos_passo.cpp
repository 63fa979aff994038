#include <gtest/gtest.h>

#include <functional>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "fem/ArquivosPasso.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

namespace fs = std::filesystem;

namespace {
std::string Fixo(double v, int largura, int decimais, char sep = '.') {
    std::string s;
    AppendFixo(s, v, largura, decimais, sep);
    return s;
}

// Plain reference: the general conversion, padded.
std::string FixoReferencia(double v, int largura, int decimais, char sep = '.') {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimais);
    std::string s(buf, r.ptr);
    for (char &c : s)
        if (c == '.')
            c = sep;
    if (int(s.size()) < largura)
        s.insert(0, std::size_t(largura) - s.size(), ' ');
    return s;
}

std::string Conteudo(const fs::path &p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

struct PastaTemporaria {
    fs::path p;
    PastaTemporaria() {
        p = fs::temp_directory_path() /
            ("thermal_passo_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(p);
        fs::create_directories(p);
    }
    ~PastaTemporaria() { fs::remove_all(p); }
};
} // namespace

TEST(FixedText, FastPathMatchesTheGeneralConversion) {
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mant(-1.0, 1.0);
    std::uniform_int_distribution<int> expo(-12, 16);
    for (int i = 0; i < 200000; ++i) {
        const double v = mant(rng) * std::pow(10.0, expo(rng));
        const int d = i % 10;
        ASSERT_EQ(Fixo(v, 8, d), FixoReferencia(v, 8, d)) << v << " " << d;
    }
    // Exact ties (odd multiples of 1/32 at 4 decimals, of 1/2 at 0) round to even, as the
    // general conversion does; values next to them round by their true side.
    for (int k = -4001; k <= 4001; k += 2) {
        const double t = k / 32.0;
        ASSERT_EQ(Fixo(t, 8, 4), FixoReferencia(t, 8, 4)) << t;
        ASSERT_EQ(Fixo(std::nextafter(t, 1e9), 8, 4), FixoReferencia(std::nextafter(t, 1e9), 8, 4));
        ASSERT_EQ(Fixo(std::nextafter(t, -1e9), 8, 4),
                  FixoReferencia(std::nextafter(t, -1e9), 8, 4));
        ASSERT_EQ(Fixo(k / 2.0, 0, 0), FixoReferencia(k / 2.0, 0, 0));
    }
    for (double v : {0.0, -0.0, -0.00001, 0.99995, 9.99995, 4.0e15, 3.9e15, 1e300, -1e-300})
        EXPECT_EQ(Fixo(v, 8, 4), FixoReferencia(v, 8, 4)) << v;
    EXPECT_EQ(Fixo(-3.14159, 8, 4, ','), " -3,1416");
    EXPECT_EQ(Fixo(7.0, 3, 0), "  7");
}

TEST(StepFile, OneFixedWidthTemperaturePerLine) {
    PastaTemporaria pasta;
    const std::string arq = (pasta.p / "Passo3.res").string();
    TVetor t(4);
    t[1] = 23.5;
    t[2] = -123.456789;
    t[3] = 12345.5;
    t[4] = 0.0;
    std::string buffer;
    GravaArquivoPasso(arq, t, buffer);
    EXPECT_EQ(Conteudo(arq), " 23.5000\n-123.4568\n12345.5000\n  0.0000\n");

    TVetor lido;
    LeArquivoPasso(arq, 4, lido);
    ASSERT_EQ(lido.GetTamanho(), 4);
    EXPECT_EQ(lido[1], 23.5);
    EXPECT_EQ(lido[2], -123.4568);
    EXPECT_EQ(lido[3], 12345.5);
    EXPECT_EQ(LeLinhaArquivoPasso(arq, 3), 12345.5);
    EXPECT_EQ(LeLinhaArquivoPasso(arq, 1), 23.5);
}

TEST(StepFile, VeryWideNumbersGrowTheBuffer) {
    PastaTemporaria pasta;
    const std::string arq = (pasta.p / "Passo9.res").string();
    TVetor t(60);
    std::string esperado;
    for (int i = 1; i <= 60; ++i) {
        t[i] = (i % 2 ? 1.0 : -3.0) * std::pow(10.0, 250 + i % 50) + i;
        esperado += FixoReferencia(t[i], 8, 4) + "\n";
    }
    std::string buffer = "stale text from an earlier step";
    GravaArquivoPasso(arq, t, buffer);
    EXPECT_EQ(Conteudo(arq), esperado);
    t.Redimensiona(2);
    GravaArquivoPasso(arq, t, buffer); // the kept buffer is larger than the text
    EXPECT_EQ(Conteudo(arq), esperado.substr(0, esperado.find('\n', esperado.find('\n') + 1) + 1));
}

TEST(StepFile, ReaderTakesTheFirstNumberAndAcceptsWindowsLineEnds) {
    PastaTemporaria pasta;
    const fs::path arq = pasta.p / "Passo1.res";
    {
        std::ofstream f(arq, std::ios::binary);
        f << "  1.2500 resto da linha\r\n-2\r\n\t3.5\t9\r\n";
    }
    TVetor v;
    LeArquivoPasso(arq.string(), 3, v);
    EXPECT_EQ(v[1], 1.25);
    EXPECT_EQ(v[2], -2.0);
    EXPECT_EQ(v[3], 3.5);
    EXPECT_EQ(LeLinhaArquivoPasso(arq.string(), 2), -2.0);
}

TEST(StepFile, BadFilesRaiseInOutErrorsNamingTheFile) {
    PastaTemporaria pasta;
    const std::string arq = (pasta.p / "Passo7.res").string();
    auto falha = [&](auto &&f, const std::string &trecho) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const EInOutError &e) {
            EXPECT_NE(std::string(e.what()).find(arq), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(trecho), std::string::npos) << e.what();
        }
    };
    TVetor v;
    falha([&] { LeArquivoPasso(arq, 2, v); }, "Passo7");
    {
        std::ofstream f(arq);
        f << "  1.0000\n";
    }
    falha([&] { LeArquivoPasso(arq, 2, v); }, "linha 1");
    falha([&] { LeLinhaArquivoPasso(arq, 5); }, "linha 1");
    {
        std::ofstream f(arq);
        f << "  1.0000\n\n  2.0000\n";
    }
    falha([&] { LeArquivoPasso(arq, 3, v); }, "linha 2");
    {
        std::ofstream f(arq);
        f << "  1.0000\n  abc\n";
    }
    falha([&] { LeLinhaArquivoPasso(arq, 2); }, "'abc'");

    std::string buffer;
    TVetor t(2);
    const std::string semPasta = (pasta.p / "nao_existe" / "Passo1.res").string();
    try {
        GravaArquivoPasso(semPasta, t, buffer);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find(semPasta), std::string::npos);
    }
}

TEST(StepFile, AFolderOrAFileFarLargerThanTheMeshIsRefused) {
    PastaTemporaria pasta;
    TVetor v;
    const std::string pastaComoArquivo = (pasta.p / "Passo1.res").string();
    std::filesystem::create_directories(pastaComoArquivo);
    for (auto le : {std::function<void()>([&] { LeArquivoPasso(pastaComoArquivo, 2, v); }),
                    std::function<void()>([&] { LeLinhaArquivoPasso(pastaComoArquivo, 1); })})
        try {
            le();
            ADD_FAILURE() << "no error";
        } catch (const EInOutError &e) {
            EXPECT_NE(std::string(e.what()).find("Passo1.res: É uma pasta"), std::string::npos)
                << e.what();
        }
    // Two nodes, and a file of a million lines.
    const std::string grande = (pasta.p / "Passo2.res").string();
    {
        std::ofstream f(grande);
        for (int i = 0; i < 1000000; ++i)
            f << "  1.0000\n";
    }
    try {
        LeArquivoPasso(grande, 2, v);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("Passo2.res: Arquivo grande demais"),
                  std::string::npos)
            << e.what();
    }
    LeArquivoPasso(grande, 1000000, v); // as large as its mesh implies
    EXPECT_EQ(v[1000000], 1.0);
}

TEST(StepFile, AFailedWriteLeavesTheGoodFileInPlace) {
    PastaTemporaria pasta;
    const std::string arq = (pasta.p / "Passo2.res").string();
    std::string buffer;
    TVetor t(3);
    t[1] = 1;
    t[2] = 2;
    t[3] = 3;
    GravaArquivoPasso(arq, t, buffer);
    const std::string bom = Conteudo(arq);
    t[2] = std::nan("");
    EXPECT_THROW(GravaArquivoPasso(arq, t, buffer), EInvalidOp);
    t[2] = HUGE_VAL;
    EXPECT_THROW(GravaArquivoPasso(arq, t, buffer), EOverflow);
    EXPECT_EQ(Conteudo(arq), bom);
    int arquivos = 0;
    for (auto &e : fs::directory_iterator(pasta.p)) {
        (void)e;
        ++arquivos;
    }
    EXPECT_EQ(arquivos, 1); // no temporary left behind
}

TEST(StepFileNames, BuiltInNamesUntilTheSettingsAreConfirmed) {
    PastaTemporaria pasta;
    DefinePastaPadrao(pasta.p);
    ReiniciaEstado();
    DefineNomesArquivos(Estado().Configuracoes);
    const std::string dir = (pasta.p / "").string();
    EXPECT_EQ(ArquivoTemperatura(3), dir + "Passo3.res");
    EXPECT_EQ(ArquivoDeformacao(12), dir + "PassoDeform12.res");
    EXPECT_EQ(ArquivoTensao(240), dir + "PassoTensao240.res");

    // Confirming the unchanged defaults switches to their stems.
    Estado().Configuracoes.FAplicado = true;
    DefineNomesArquivos(Estado().Configuracoes);
    EXPECT_EQ(ArquivoTemperatura(3), dir + "PassoTemp3.res");
    EXPECT_EQ(ArquivoDeformacao(1), dir + "PassoDeform1.res");

    TConfiguracoes &c = Estado().Configuracoes;
    c.EnderecoTemp = "/dados/";
    c.NomeTemp = "T";
    c.TerminacaoTemp = ".txt";
    c.EnderecoTensao = "/outra/";
    c.NomeTensao = "S";
    c.TerminacaoTensao = ".out";
    DefineNomesArquivos(Estado().Configuracoes);
    EXPECT_EQ(ArquivoTemperatura(10), "/dados/T10.txt");
    EXPECT_EQ(ArquivoTensao(7), "/outra/S7.out");

    // Names are taken when a run starts, not at each file.
    c.FAplicado = false;
    EXPECT_EQ(ArquivoTemperatura(10), "/dados/T10.txt");
    DefineNomesArquivos(Estado().Configuracoes);
    EXPECT_EQ(ArquivoTemperatura(10), dir + "Passo10.res");
    ReiniciaEstado();
    DefinePastaPadrao({});
}
