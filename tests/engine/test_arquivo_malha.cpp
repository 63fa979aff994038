#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "MalhaRetangulo.h"
#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

namespace fs = std::filesystem;

namespace {

class ArquivoMalha : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        SetDecimalSeparator('.');
        pasta_ = fs::temp_directory_path() /
                 ("malha_test_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta_);
    }
    void TearDown() override {
        fs::remove_all(pasta_);
        SetDecimalSeparator('.');
        ReiniciaEstado();
    }
    std::string Caminho(const std::string &nome) const { return (pasta_ / nome).string(); }
    std::string Escreve(const std::string &nome, const std::string &texto) const {
        std::ofstream(Caminho(nome), std::ios::binary) << texto;
        return Caminho(nome);
    }
    static std::string Le(const std::string &caminho) {
        std::ifstream f(caminho, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    fs::path pasta_;
    TConfiguracaoMalha cfg;
};

const char *kDominio = "[coordenadas de vertices]\n"
                       "4\n"
                       "0 0\n"
                       "4.5 0\n"
                       "4.5 3\n"
                       "0 3\n"
                       "[conectividade arestas]\n"
                       "5\n"
                       "1 2 0\n"
                       "2 3 2\n"
                       "3 4 0\n"
                       "4 1 0\n"
                       "1 3 1\n";

// Triangle mesh of the unit square with one interior diagonal edge.
void MalhaQuadrado(TMalha &m) {
    m.AdicionaVertice(0, 0);
    m.AdicionaVertice(1, 0);
    m.AdicionaVertice(1, 1);
    m.AdicionaVertice(0, 1);
    for (int i = 1; i <= 4; ++i)
        m.AdicionaArestaNos(i, i % 4 + 1);
    m.AdicionaAresta(1, 3, true);
    m.AdicionaNo(0, 0);
    m.AdicionaNo(1, 0);
    m.AdicionaNo(1, 1);
    m.AdicionaNo(0, 1.0 / 3.0);
    m.AdicionaElemento(1, 2, 3);
    m.AdicionaElemento(1, 3, 4);
}

} // namespace

TEST_F(ArquivoMalha, DomainFileReadsVerticesEdgesAndFlags) {
    auto m = TMalha::CreateDeArquivo(Escreve("d.txt", kDominio));
    EXPECT_EQ(m->NomeArquivo, Caminho("d.txt"));
    ASSERT_EQ(m->GetNumVertices(), 4);
    ASSERT_EQ(m->GetNumArestas(), 5);
    EXPECT_FALSE(m->GetAresta(2)->Interna); // flag 2 is not interior
    EXPECT_TRUE(m->GetAresta(5)->Interna);
    EXPECT_EQ(m->GetAresta(4)->No2, m->GetVertice(1));
    EXPECT_EQ(m->GetXMax(), 4.5);
    EXPECT_EQ(m->GetYMax(), 3.0);
    EXPECT_EQ(m->GetNumNos(), 0);

    // Windows line ends, Windows-1252 titles and odd spacing read the same.
    std::string w = "[coordenadas de v\xe9rtices]\r\n 4 \r\n0\t0\r\n4.5   0\r\n4.5 3\r\n0 3 "
                    "extra\r\n\xc1restas\r\n4\r\n1 2 0\r\n2 3 0\r\n3 4 0\r\n4 1 0";
    auto mw = TMalha::CreateDeArquivo(Escreve("w.txt", w));
    EXPECT_EQ(mw->GetNumVertices(), 4);
    EXPECT_EQ(mw->GetNumArestas(), 4);
    EXPECT_EQ(mw->GetVertice(2)->X, 4.5);

    // A missing file gives an empty domain.
    auto vazio = TMalha::CreateDeArquivo(Caminho("nao_existe.txt"));
    EXPECT_EQ(vazio->GetNumVertices(), 0);
}

TEST_F(ArquivoMalha, MeshFileLayoutIsExact) {
    TMalha m;
    MalhaQuadrado(m);
    TConfiguracaoMalha &c = cfg;
    c.Exponencial = true;
    c.SetNx(7);
    c.SetNy(3);
    c.PorDmax = false;
    c.Dmax = 0.1;
    SetDecimalSeparator(',');
    m.SalvaMalha(Caminho("m.txt"), cfg);
    const std::string esperado =
        "[ COORDENADAS DOS NÓS ]\n4\n"
        "   0.00000000000000000000     0.00000000000000000000\n"
        "   1.00000000000000000000     0.00000000000000000000\n"
        "   1.00000000000000000000     1.00000000000000000000\n"
        "   0.00000000000000000000     0.33333333333333331483\n"
        "[ CONECTIVIDADES - ELEMENTOS ]\n2\n1  2  3  \n1  3  4  \n"
        "[coordenadas de vertices]\n4\n"
        "   0.00000000000000000000     0.00000000000000000000\n"
        "   1.00000000000000000000     0.00000000000000000000\n"
        "   1.00000000000000000000     1.00000000000000000000\n"
        "   0.00000000000000000000     1.00000000000000000000\n"
        "[conectividade arestas]\n5\n1  2  0\n2  3  0\n3  4  0\n4  1  0\n1  3  1\n"
        "\nConfigurações da Malha\nDivisões Exponenciais:\nTrue\nNx e Ny:\n7 3\n"
        "Divisões por Dmáx:\nFalse\nDimensão máxima:\n0,1\n";
    EXPECT_EQ(Le(Caminho("m.txt")), esperado);
}

TEST_F(ArquivoMalha, MeshFileRoundTrip) {
    TMalha m;
    MalhaQuadrado(m);
    m.AdicionaNo(0.123456789012345, -7.25e3);
    TConfiguracaoMalha &c = cfg;
    c.Exponencial = false;
    c.SetNx(12);
    c.SetNy(5);
    c.PorDmax = true;
    c.Dmax = 0.1 + 0.2; // needs 17 digits
    SetDecimalSeparator(',');
    m.SalvaMalha(Caminho("m.txt"), cfg);

    cfg = TConfiguracaoMalha();
    int avisos = 0;
    cfg.OnAlteracao = [&] { ++avisos; };
    TMalha r(3, 4);
    r.AdicionaVertice(9, 9); // replaced by the file's domain
    r.LeMalhaCompleta(Caminho("m.txt"), cfg);
    ASSERT_EQ(r.GetNumNos(), m.GetNumNos());
    for (int i = 1; i <= m.GetNumNos(); ++i) {
        EXPECT_EQ(r.GetNo(i)->X, m.GetNo(i)->X) << i;
        EXPECT_EQ(r.GetNo(i)->Y, m.GetNo(i)->Y) << i;
    }
    ASSERT_EQ(r.GetNumElementos(), 2);
    for (int e = 1; e <= 2; ++e)
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(r.GetElemento(e)->GetNo(k)->Numero, m.GetElemento(e)->GetNo(k)->Numero);
    ASSERT_EQ(r.GetNumVertices(), 4);
    ASSERT_EQ(r.GetNumArestas(), 5);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(r.GetAresta(i)->No1->Numero, m.GetAresta(i)->No1->Numero);
        EXPECT_EQ(r.GetAresta(i)->No2->Numero, m.GetAresta(i)->No2->Numero);
        EXPECT_EQ(r.GetAresta(i)->Interna, m.GetAresta(i)->Interna);
    }
    // Elements came before the edges: no side is recorded.
    EXPECT_EQ(r.GetContorno(1)->GetNumLados(), 0);
    EXPECT_EQ(r.Nx, 3); // the mesh's own divisions stay
    const TConfiguracaoMalha &l = cfg;
    EXPECT_FALSE(l.Exponencial);
    EXPECT_EQ(l.Nx, 12);
    EXPECT_EQ(l.Ny, 5);
    EXPECT_TRUE(l.PorDmax);
    EXPECT_EQ(l.Dmax, 0.1 + 0.2);
    EXPECT_GE(avisos, 2);

    // Written again, the file is byte for byte the same.
    r.SalvaMalha(Caminho("m2.txt"), cfg);
    EXPECT_EQ(Le(Caminho("m2.txt")), Le(Caminho("m.txt")));

    // LeMalha replaces only nodes and elements; the domain stays and sides are recorded.
    TMalha s;
    MalhaQuadrado(s);
    s.LimpaMalha();
    s.LeMalha(Caminho("m.txt"));
    EXPECT_EQ(s.GetNumNos(), 5);
    EXPECT_EQ(s.GetNumElementos(), 2);
    EXPECT_EQ(s.GetContorno(1)->GetNumLados(), 1);
}

TEST_F(ArquivoMalha, HugeCoordinatesReadBack) {
    // Fixed notation with 20 decimals makes lines of hundreds of characters: the readers take
    // whatever the writer writes.
    TMalha m;
    const double grandes[] = {1e100, -3.5e150, 1.7976931348623157e308, -2.5e307};
    m.AdicionaNo(grandes[0], grandes[1]);
    m.AdicionaNo(grandes[2], grandes[3]);
    m.AdicionaVertice(grandes[1], grandes[2]);
    m.AdicionaVertice(0, grandes[3]);
    m.AdicionaArestaNos(1, 2);
    m.SalvaMalha(Caminho("g.txt"), cfg);

    TMalha r;
    r.LeMalhaCompleta(Caminho("g.txt"), cfg);
    ASSERT_EQ(r.GetNumNos(), 2);
    EXPECT_EQ(r.GetNo(1)->X, grandes[0]);
    EXPECT_EQ(r.GetNo(1)->Y, grandes[1]);
    EXPECT_EQ(r.GetNo(2)->X, grandes[2]);
    EXPECT_EQ(r.GetNo(2)->Y, grandes[3]);
    ASSERT_EQ(r.GetNumVertices(), 2);
    EXPECT_EQ(r.GetVertice(1)->X, grandes[1]);
    EXPECT_EQ(r.GetVertice(2)->Y, grandes[3]);
    EXPECT_EQ(r.GetNumArestas(), 1);

    // The same lines as a domain file.
    std::string t = Le(Caminho("g.txt"));
    TMalha d;
    d.NomeArquivo = Escreve("d.txt", t.substr(t.find("[coordenadas de vertices]")));
    d.LeGeometria();
    ASSERT_EQ(d.GetNumVertices(), 2);
    EXPECT_EQ(d.GetVertice(1)->Y, grandes[2]);
}

TEST_F(ArquivoMalha, SettingsLinesAndEmptyMesh) {
    TMalha m;
    m.AdicionaVertice(0, 0);
    m.SalvaMalha(Caminho("vazia.txt"), cfg);
    std::string t = Le(Caminho("vazia.txt"));
    EXPECT_NE(t.find("[ CONECTIVIDADES - ELEMENTOS ]\n0\n[coordenadas"), std::string::npos);

    std::string texto = "n\n0\ne\n0\nv\n0\na\n0\n\nC\nD\ntrue\nN\n4 6\nP\nTrue\nM\n1.5\n";
    cfg.Exponencial = true;
    TMalha r;
    r.LeMalhaCompleta(Escreve("s.txt", texto), cfg);
    EXPECT_FALSE(cfg.Exponencial); // "true" is not "True"
    EXPECT_TRUE(cfg.PorDmax);
    EXPECT_EQ(cfg.Nx, 4);
    EXPECT_EQ(cfg.Ny, 6);
    EXPECT_EQ(cfg.Dmax, 1.5);
    // The maximum dimension follows the locale's separator when read.
    SetDecimalSeparator(',');
    EXPECT_THROW(r.LeMalhaCompleta(Caminho("s.txt"), cfg), EInOutError);
}

TEST_F(ArquivoMalha, BadInputNamesFileAndLine) {
    auto erro = [&](const std::string &texto) -> std::string {
        std::string c = Escreve("e.txt", texto);
        TMalha m;
        m.NomeArquivo = c;
        try {
            m.LeGeometria();
        } catch (const EInOutError &e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_NE(erro("t\n-1\n").find("e.txt, linha 2"), std::string::npos);
    EXPECT_NE(erro("t\n3\n0 0\n").find("linha 2"), std::string::npos); // more than the file holds
    EXPECT_NE(erro("t\n1000000000\n0 0\n").find("fora do intervalo"), std::string::npos);
    EXPECT_NE(erro("t\nx\n").find("linha 2"), std::string::npos);
    EXPECT_NE(erro("t\n2\n0 0\n1 a\n").find("linha 4: 'a'"), std::string::npos);
    EXPECT_NE(erro("t\n2\n0 0\n1          \n").find("linha 4: esperavam-se dois números"),
              std::string::npos);
    EXPECT_NE(erro("t\n2\n0 0\n1,5 0\n").find("linha 4"), std::string::npos);
    EXPECT_NE(erro("t\n1\n0 0\na\n1\n1 2 0\n").find("linha 6: número de vértice 2"),
              std::string::npos);
    EXPECT_NE(erro("t\n1\n0 0\na\n1\n0 1 0\n").find("linha 6"), std::string::npos);
    EXPECT_NE(erro("t\n1\n0 0\n").find("linha 3: fim inesperado"), std::string::npos);

    // What was read before the error stays.
    TMalha m;
    m.NomeArquivo = Escreve("p.txt", "t\n2\n0 0\n1 0\na\n1\n1 9 0\n");
    EXPECT_THROW(m.LeGeometria(), EInOutError);
    EXPECT_EQ(m.GetNumVertices(), 2);

    TMalha n;
    EXPECT_THROW(n.LeMalhaCompleta(Caminho("nao_existe.txt"), cfg), EInOutError);
    EXPECT_THROW(n.LeMalha(Caminho("nao_existe.txt")), EInOutError);
    // Element lines naming a node outside 1..count.
    EXPECT_THROW(n.LeMalha(Escreve("el.txt", "n\n1\n0 0\ne\n1\n1 1 2\n")), EInOutError);
    EXPECT_EQ(n.GetNumNos(), 1);
    EXPECT_EQ(n.GetNumElementos(), 0);
    // A folder that does not exist cannot take a file.
    EXPECT_THROW(n.SalvaMalha(Caminho("falta/m.txt"), cfg), EInOutError);
}

TEST_F(ArquivoMalha, RepeatedVertexIsRefusedAndAFailedFullReadChangesNothing) {
    // Vertex 3 repeats vertex 2: dropped, it would make edge 2-3 join other corners.
    TMalha d;
    d.NomeArquivo = Escreve("rep.txt", "v\n4\n0 0\n2 0\n2 0\n0 1\na\n4\n1 2 0\n2 3 0\n"
                                       "3 4 0\n4 1 0\n");
    try {
        d.LeGeometria();
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("rep.txt, linha 5: vértice repetido"),
                  std::string::npos)
            << e.what();
    }

    TMalha m;
    MalhaQuadrado(m);
    m.SalvaMalha(Caminho("m.txt"), cfg);
    TConfiguracaoMalha &c = cfg;
    const std::string texto = Le(Caminho("m.txt"));
    TMalha r;
    r.LeMalhaCompleta(Caminho("m.txt"), cfg);
    const int nos = r.GetNumNos(), elementos = r.GetNumElementos(), vertices = r.GetNumVertices();
    c.Dmax = 7.0;
    // One node, no element, the square's vertices and edges, and no settings block.
    const std::size_t v = texto.find("[coord"), fim = texto.find("Configura");
    const std::string cortado = "n\n1\n5 5\ne\n0\n" + texto.substr(v, fim - v);
    EXPECT_THROW(r.LeMalhaCompleta(Escreve("c.txt", cortado), cfg), EInOutError);
    EXPECT_EQ(r.GetNumNos(), nos);
    EXPECT_EQ(r.GetNumElementos(), elementos);
    EXPECT_EQ(r.GetNumVertices(), vertices);
    EXPECT_EQ(c.Dmax, 7.0);
    EXPECT_EQ(r.GetElemento(1)->GetNo(1), r.GetNo(r.GetElemento(1)->GetNo(1)->Numero));
}

TEST_F(ArquivoMalha, FullReadTakesTheLimitsOfTheFileDomain) {
    // A 2 x 1 rectangle read into a fresh mesh and into one that held another domain.
    TMalha m;
    PreencheRetangulo(m, Uniforme(2, 2), 1, 1);
    m.SalvaMalha(Caminho("r.txt"), cfg);
    for (bool outro : {false, true}) {
        TMalha r;
        if (outro) {
            r.AdicionaVertice(-5, 9);
            r.AdicionaVertice(30, 40);
            r.CalculaLimites();
        }
        r.LeMalhaCompleta(Caminho("r.txt"), cfg);
        EXPECT_EQ(r.GetXMin(), 0.0) << outro;
        EXPECT_EQ(r.GetXMax(), 2.0) << outro;
        EXPECT_EQ(r.GetYMin(), 0.0) << outro;
        EXPECT_EQ(r.GetYMax(), 1.0) << outro;
        EXPECT_EQ(r.GetXCentro(), 1.0) << outro;
        EXPECT_EQ(r.GetYCentro(), 0.5) << outro;
        EXPECT_FALSE(r.PontoFora(1.5, 0.5)) << outro;
        EXPECT_TRUE(r.PontoFora(2.5, 0.5)) << outro;
    }
}

TEST_F(ArquivoMalha, EveryTruncationIsReadOrRejected) {
    TMalha m;
    MalhaQuadrado(m);
    m.SalvaMalha(Caminho("m.txt"), cfg);
    const std::string malha = Le(Caminho("m.txt"));
    const std::string dominio = kDominio;
    int completos = 0;
    for (std::size_t n = 0; n <= malha.size(); ++n) {
        std::string c = Escreve("t.txt", malha.substr(0, n));
        TMalha r;
        try {
            r.LeMalhaCompleta(c, cfg);
            ++completos;
            EXPECT_EQ(r.GetNumElementos(), 2);
        } catch (const EInOutError &) {
        }
        TMalha s;
        try {
            s.LeMalha(c);
        } catch (const EInOutError &) {
        }
    }
    // Only cuts inside the last line "0.25" can still read a number there: "0", "0.",
    // "0.2", "0.25" and the whole file.
    EXPECT_EQ(completos, 5);
    for (std::size_t n = 0; n <= dominio.size(); ++n) {
        TMalha r;
        r.NomeArquivo = Escreve("t.txt", dominio.substr(0, n));
        try {
            r.LeGeometria();
            EXPECT_EQ(r.GetNumArestas(), 5);
        } catch (const EInOutError &) {
            EXPECT_LE(r.GetNumArestas(), 5);
        }
    }
}
