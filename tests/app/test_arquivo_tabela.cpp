// The tabulated-function text file and the table rule.
#include "ArquivoTabela.h"
#include "matematica/FuncaoDiscreta.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

TEST(ArquivoTabela, LeParesComPontoEmQualquerConvencao) {
    const char antes = DecimalSeparator();
    SetDecimalSeparator(',');
    const auto t = LeTabela("0 0\n\t12.5   30.25 \r\n\n1e1 -2\n");
    SetDecimalSeparator(antes);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_DOUBLE_EQ(t[1].x, 12.5);
    EXPECT_DOUBLE_EQ(t[1].y, 30.25);
    EXPECT_DOUBLE_EQ(t[2].x, 10);
    EXPECT_TRUE(LeTabela("").empty());
    for (const char *ruim : {"1\n", "1 2 3\n", "1,5 2\n", "x 2\n", "1 nan\n", "1 1e999\n"}) {
        SCOPED_TRACE(ruim);
        try {
            LeTabela(std::string("0 0\n") + ruim);
            ADD_FAILURE() << "accepted";
        } catch (const EInOutError &e) {
            EXPECT_STREQ(e.what(), "Erro ao abrir arquivo - linha 2");
        }
    }
    EXPECT_THROW(LeArquivoTabela("/nonexistent/dir/tabela.txt"), EInOutError);
}

TEST(ArquivoTabela, CadaTruncamentoLeUmPrefixoOuRecusa) {
    const std::string bom = "0 0\n6 12.5\n12 21.75\n24 30\n48 36.125\n";
    const auto inteiro = LeTabela(bom);
    ASSERT_EQ(inteiro.size(), 5u);
    int lidos = 0, recusados = 0;
    for (std::size_t n = 0; n <= bom.size(); ++n) {
        SCOPED_TRACE(n);
        std::vector<TPar> t;
        try {
            t = LeTabela(bom.substr(0, n));
            ++lidos;
        } catch (const EInOutError &) {
            ++recusados;
            continue;
        }
        ASSERT_LE(t.size(), inteiro.size());
        // Every pair but a cut last one is the file's.
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            EXPECT_EQ(t[i].x, inteiro[i].x);
            EXPECT_EQ(t[i].y, inteiro[i].y);
        }
    }
    EXPECT_GT(lidos, 5);
    EXPECT_GT(recusados, 5);
}

TEST(ArquivoTabela, OrdemCrescenteSemXRepetido) {
    std::vector<TPar> t;
    EXPECT_TRUE(InserePar(t, 5, 1));
    EXPECT_TRUE(InserePar(t, 1, 2));
    EXPECT_TRUE(InserePar(t, 3, 3));
    EXPECT_FALSE(InserePar(t, 3, 7));
    EXPECT_FALSE(InserePar(t, 1 + 1e-12, 7));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].x, 1);
    EXPECT_EQ(t[2].x, 5);
    const auto o = Ordena({{4, 1}, {2, 2}, {4, 3}, {0, 4}});
    ASSERT_EQ(o.size(), 3u);
    EXPECT_EQ(o[2].y, 1); // the first of the repeated x
    // The function interpolates over the ordered table without zero-width segments.
    TFuncaoDiscreta f;
    PreencheFuncao(f, o);
    EXPECT_DOUBLE_EQ(f.Valor(3), 1.5);
    EXPECT_DOUBLE_EQ(f.Derivada(1), -1);
}

// Logs far longer than a week of readings a minute are read whole from their file; a table past
// the bound is refused naming the line.
TEST(ArquivoTabela, TabelasLongasAteOLimite) {
    const std::filesystem::path arquivo =
        std::filesystem::temp_directory_path() / ("tabela_longa_" + std::to_string(getpid()));
    struct Caso {
        std::size_t pares;
        std::string erro; // empty: read
    };
    const Caso casos[] = {
        {10080, ""},
        {1'000'000, ""},
        {kMaiorTabela + 1,
         "Tabela com mais de 2000000 pares - linha " + std::to_string(kMaiorTabela + 1)},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.pares);
        {
            std::ofstream out(arquivo, std::ios::binary);
            for (std::size_t i = 0; i < c.pares; ++i)
                out << i << ".5 " << 20 + double(i % 1000) / 64 << "\r\n";
        }
        try {
            const auto t = LeArquivoTabela(arquivo.string());
            EXPECT_EQ(c.erro, "");
            ASSERT_EQ(t.size(), c.pares);
            EXPECT_EQ(t.back().x, double(c.pares - 1) + 0.5);
            TFuncaoDiscreta f;
            PreencheFuncao(f, Ordena(t));
            EXPECT_EQ(f.GetNumPontos(), int(c.pares));
            EXPECT_EQ(f.GetXMax(), t.back().x);
        } catch (const EInOutError &e) {
            EXPECT_EQ(e.what(), c.erro);
        }
    }
    std::filesystem::remove(arquivo);
}
