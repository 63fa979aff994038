// The GiD converter: the square dump byte for byte, interior marks, points read with a decimal
// point in any locale, CRLF, the output read back by the domain reader, malformed dumps and
// every truncation, and the menu command through the scripted prompter.
#include "GeometriaGid.h"
#include "support_janelas.h"
#include "uLibraryMalhas.h"

#include <QAction>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Le(const fs::path &arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Escreve(const fs::path &arquivo, const std::string &texto) {
    std::ofstream(arquivo, std::ios::binary) << texto;
}

std::string Quadrado() {
    return Le(fs::path(DARV_SOURCE_DIR) / "fuzz/corpus/fuzz_gid/quadrado.txt");
}

const char *const kDominioQuadrado = "[coordenadas de vertices]\n"
                                     "4\n"
                                     "   0.00000     0.00000\n"
                                     "   1.00000     0.00000\n"
                                     "   1.00000     1.00000\n"
                                     "   0.00000     1.00000\n"
                                     "[conectividade arestas]\n"
                                     "4\n"
                                     "1  2  0\n"
                                     "2  3  0\n"
                                     "3  4  1\n"
                                     "4  1  0\n";

// Replaces the first `de` found after `depois`.
std::string Troca(std::string s, const std::string &de, const std::string &para,
                  const std::string &depois = "") {
    const auto i = s.find(de, depois.empty() ? 0 : s.find(depois));
    EXPECT_NE(i, std::string::npos) << de;
    if (i != std::string::npos)
        s.replace(i, de.size(), para);
    return s;
}

// The domain reader of the engine takes the text (or refuses it with an error).
bool DominioLegivel(const std::string &texto, const fs::path &pasta) {
    const fs::path f = pasta / "lido.txt";
    Escreve(f, texto);
    try {
        TMalha::CreateDeArquivo(f.string());
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

class Gid : public ::testing::Test {
protected:
    void TearDown() override { SetDecimalSeparator('.'); }
    TPastaTeste pasta;
};

} // namespace

TEST_F(Gid, QuadradoByteAByteELidoDeVoltaPeloLeitorDeDominios) {
    EXPECT_EQ(TamanhoToken("Coord: 12.5 3", 8), 4);
    EXPECT_EQ(TamanhoToken("Coord: 12.5 3", 14), 0);
    EXPECT_EQ(TamanhoToken("Coord: 12.5 3", 13), 1);

    SetDecimalSeparator(',');
    const TGeometriaGid g = LeGeometriaGid(Quadrado());
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(g.Interiores, (std::vector<std::int32_t>{3}));
    const std::string texto = TextoDominioGid(g);
    EXPECT_EQ(texto, kDominioQuadrado);

    // CRLF reads the same; so does a file.
    std::string crlf;
    for (char c : Quadrado()) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(TextoDominioGid(LeGeometriaGid(crlf)), texto);
    Escreve(pasta.Pasta / "crlf.txt", crlf);
    EXPECT_EQ(TextoDominioGid(LeGeometriaGidArquivo((pasta.Pasta / "crlf.txt").string())), texto);

    // Written and read back by the engine: same vertices, edges and interior flags.
    const fs::path saida = pasta.Pasta / "quadrado.txt";
    GravaDominioGid(g, saida.string());
    EXPECT_EQ(Le(saida), texto);
    SetDecimalSeparator('.');
    auto m = TMalha::CreateDeArquivo(saida.string());
    ASSERT_EQ(m->GetNumVertices(), 4);
    ASSERT_EQ(m->GetNumArestas(), 4);
    const double xy[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int v = 1; v <= 4; ++v) {
        EXPECT_EQ(m->GetVertice(v)->X, xy[v - 1][0]);
        EXPECT_EQ(m->GetVertice(v)->Y, xy[v - 1][1]);
    }
    for (int a = 1; a <= 4; ++a) {
        EXPECT_EQ(m->GetAresta(a)->No1, m->GetVertice(a));
        EXPECT_EQ(m->GetAresta(a)->No2, m->GetVertice(a % 4 + 1));
        EXPECT_EQ(m->GetAresta(a)->Interna, a == 3) << a;
    }
}

TEST_F(Gid, SemMarcasDecimaisComPontoEFimSemNurbs) {
    std::string s = Troca(Quadrado(), "Num: 3 HigherEntity: 2", "Num: 3 HigherEntity: 1", "STLINE");
    s = Troca(s, "Coord: 1.0 1.0 0.0", "Coord: 0.5 1.25e1 0.0");
    SetDecimalSeparator(',');
    TGeometriaGid g = LeGeometriaGid(s);
    EXPECT_TRUE(g.Interiores.empty());
    EXPECT_EQ(g.Pontos[4], 0.5);
    EXPECT_EQ(g.Pontos[5], 12.5);
    const std::string texto = TextoDominioGid(g);
    EXPECT_NE(texto.find("   0.50000    12.50000\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("3  4  0\n"), std::string::npos);
    EXPECT_EQ(texto.find("  1\n"), std::string::npos);

    // Ending before "NURBSURFACE": what was read is converted.
    const std::string sem = Quadrado().substr(0, Quadrado().find("NURBSURFACE"));
    EXPECT_EQ(TextoDominioGid(LeGeometriaGid(sem)), kDominioQuadrado);
    // Line 1 is never read, and a "Coord" after "STLINE" is no point.
    s = Troca(Quadrado(), "GiD Post", "Coord: 9 9");
    s = Troca(s, "Points: 2 3", "Points: 2 3\nCoord: 7.0 7.0");
    EXPECT_EQ(TextoDominioGid(LeGeometriaGid(s)), kDominioQuadrado);
    EXPECT_EQ(DecimalSeparator(), ',');
}

TEST_F(Gid, DumpsMalformados) {
    const std::string q = Quadrado();
    struct Caso {
        const char *nome;
        std::string texto;
        bool converte;
    };
    const std::string antesDasLinhas = q.substr(0, q.find("STLINE") + 7);
    const Caso casos[] = {
        {"Coord curta", Troca(q, "Coord: 1.0 0.0 0.0", "Coord"), false},
        {"Coord sem y", Troca(q, "Coord: 1.0 0.0 0.0", "Coord: 1.0"), false},
        {"dois brancos na Coord", Troca(q, "Coord: 1.0 0.0 0.0", "Coord: 1.0  0.0"), false},
        {"Coord nao numerica", Troca(q, "Coord: 1.0 0.0 0.0", "Coord: 1,0 0.0"), false},
        {"Coord infinita", Troca(q, "Coord: 1.0 0.0 0.0", "Coord: inf 0.0"), false},
        {"Num curta",
         Troca(q, "Num: 3 HigherEntity: 2 conditions: 0 material: 0", "Num: ", "STLINE"), true},
        {"Points curta", Troca(q, "Points: 2 3", "Points"), false},
        {"dois brancos em Points", Troca(q, "Points: 2 3", "Points: 2  3"), false},
        {"ponto 0", Troca(q, "Points: 2 3", "Points: 0 3"), false},
        {"ponto alem da contagem", Troca(q, "Points: 2 3", "Points: 2 5"), false},
        {"ponto 1.5", Troca(q, "Points: 2 3", "Points: 1.5 3"), false},
        {"ponto -1", Troca(q, "Points: 2 3", "Points: -1 3"), false},
        {"ponto 2.0", Troca(q, "Points: 2 3", "Points: 2.0 3"), true},
        {"fim antes das linhas", antesDasLinhas, false},
        {"sem pontos", "titulo\nSTLINE\nNum: 1 HigherEntity: 1\nPoints: 1 2\n", false},
        {"vazio", "", false},
    };
    for (const Caso &c : casos) {
        SetDecimalSeparator(',');
        bool leu = true;
        std::string texto;
        try {
            texto = TextoDominioGid(LeGeometriaGid(c.texto));
        } catch (const EInOutError &e) {
            leu = false;
            EXPECT_EQ(std::string(e.what()).rfind("Erro ao abrir arquivo", 0), 0u) << c.nome;
        }
        EXPECT_EQ(leu, c.converte) << c.nome;
        EXPECT_EQ(DecimalSeparator(), ',') << c.nome;
        SetDecimalSeparator('.');
        if (leu) {
            EXPECT_TRUE(DominioLegivel(texto, pasta.Pasta)) << c.nome;
        }
    }
}

// Lines name points by the dump's own numbers, whatever their order or gaps; "Num: " lines
// that do not pair with a "Coord" or "Points" line, and numbers the dump does not hold, are
// refused naming the line.
TEST_F(Gid, NumerosDosPontosDoProprioDump) {
    const std::string q = Quadrado();
    // Points 3 and 4 in the file in the other order: the same square, its vertices in file
    // order.
    std::string trocados = Troca(q, "Num: 3 HigherEntity: 2", "Num: 9 HigherEntity: 2");
    trocados = Troca(trocados, "Num: 4 HigherEntity: 2", "Num: 3 HigherEntity: 2");
    trocados = Troca(trocados, "Num: 9 HigherEntity: 2", "Num: 4 HigherEntity: 2");
    trocados = Troca(trocados, "Coord: 1.0 1.0 0.0", "Coord: 9");
    trocados = Troca(trocados, "Coord: 0.0 1.0 0.0", "Coord: 1.0 1.0 0.0");
    trocados = Troca(trocados, "Coord: 9", "Coord: 0.0 1.0 0.0");
    const std::string quadradoTrocado = "[coordenadas de vertices]\n4\n"
                                        "   0.00000     0.00000\n"
                                        "   1.00000     0.00000\n"
                                        "   0.00000     1.00000\n"
                                        "   1.00000     1.00000\n"
                                        "[conectividade arestas]\n4\n"
                                        "1  2  0\n2  4  0\n4  3  1\n3  1  0\n";
    std::string comLacunas = Troca(q, "Num: 3 HigherEntity: 2", "Num: 7 HigherEntity: 2");
    comLacunas = Troca(comLacunas, "Num: 4 HigherEntity: 2", "Num: 12 HigherEntity: 2");
    comLacunas = Troca(comLacunas, "Points: 2 3", "Points: 2 7");
    comLacunas = Troca(comLacunas, "Points: 3 4", "Points: 7 12");
    comLacunas = Troca(comLacunas, "Points: 4 1", "Points: 12 1");
    struct Caso {
        const char *nome;
        std::string texto, esperado;
    };
    const Caso casos[] = {
        {"ordem trocada", trocados, quadradoTrocado},
        {"lacunas", comLacunas, kDominioQuadrado},
        {"Num sem Points", Troca(q, "Points: 2 3\n", ""), "Erro ao abrir arquivo - linha 28"},
        {"Points sem Num",
         Troca(q, "Num: 3 HigherEntity: 2 conditions: 0 material: 0\n", "", "STLINE"),
         "Erro ao abrir arquivo - linha 34"},
        {"ultimo Num sem Points", Troca(q, "Points: 4 1\n", ""),
         "Erro ao abrir arquivo - linha 38"},
        {"ponto que o dump nao tem", Troca(q, "Points: 2 3", "Points: 2 5"),
         "Erro ao abrir arquivo - linha 30"},
        {"numero de ponto repetido", Troca(q, "Num: 2 HigherEntity", "Num: 1 HigherEntity"),
         "Erro ao abrir arquivo - linha 8"},
        {"Num sem Coord", Troca(q, "Coord: 1.0 0.0 0.0\n", ""), "Erro ao abrir arquivo - linha 8"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        std::string texto;
        try {
            texto = TextoDominioGid(LeGeometriaGid(c.texto));
        } catch (const EInOutError &e) {
            texto = e.what();
        }
        EXPECT_EQ(texto, c.esperado);
    }
}

TEST_F(Gid, TodaTruncagemDaErroOuUmDominioLegivel) {
    const std::string q = Quadrado();
    int convertidos = 0;
    for (std::size_t n = 0; n <= q.size(); ++n) {
        std::string texto;
        try {
            texto = TextoDominioGid(LeGeometriaGid(q.substr(0, n)));
        } catch (const EInOutError &) {
            continue;
        }
        ++convertidos;
        // The engine reads it or refuses it with its own error; nothing else happens.
        DominioLegivel(texto, pasta.Pasta);
    }
    // Prefixes that end after a complete "Points" line and before the next "Num: " convert.
    EXPECT_GT(convertidos, 150);
}

class ComandoGid : public JanelasTeste {};

TEST_F(ComandoGid, ConverteEAbreOuAvisa) {
    const fs::path dump = pasta.Pasta / "quadrado.gid.TXT";
    Escreve(dump, Quadrado());
    const fs::path saida = pasta.Pasta / "Malha.txt";
    roteiro.P.Arquivos = {QString::fromStdString(dump.string()),
                          QString::fromStdString(saida.string())};
    frmMalha->GidDARV2D1->trigger();
    EXPECT_TRUE(roteiro.P.Avisos.isEmpty());
    EXPECT_EQ(Le(saida), kDominioQuadrado);
    roteiro.P.Arquivos = {QString::fromStdString(saida.string())};
    frmMalha->AbrirDominio->trigger();
    ASSERT_TRUE(M().TemMalha());
    EXPECT_EQ(M().FMalha->GetNumVertices(), 4);

    // Cancelling the save dialog writes nothing; a bad dump gets the warning.
    fs::remove(saida);
    roteiro.P.Arquivos = {QString::fromStdString(dump.string())};
    frmMalha->GidDARV2D1->trigger();
    EXPECT_FALSE(fs::exists(saida));
    Escreve(dump, Troca(Quadrado(), "Points: 2 3", "Points: 2 9"));
    roteiro.P.Arquivos = {QString::fromStdString(dump.string())};
    frmMalha->GidDARV2D1->trigger();
    ASSERT_EQ(roteiro.P.Avisos.size(), 1);
    EXPECT_EQ(roteiro.P.Avisos[0], "Erro ao abrir arquivo - linha 30");
    // An output that cannot be written: the warning, no file.
    Escreve(dump, Quadrado());
    roteiro.P.Arquivos = {QString::fromStdString(dump.string()),
                          QString::fromStdString((pasta.Pasta / "x" / "y.txt").string())};
    frmMalha->GidDARV2D1->trigger();
    EXPECT_EQ(roteiro.P.Avisos.size(), 2);
    EXPECT_FALSE(fs::exists(pasta.Pasta / "x"));
    EXPECT_TRUE(roteiro.P.Esgotado());
}
