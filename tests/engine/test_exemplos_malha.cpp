// The example domain files: read, meshed, queried, saved and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "TesteMalha.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExemplos = DARV_EXEMPLOS;

std::string Le(const fs::path &p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A sound mesh of the domain: counter-clockwise elements inside it that cover its area, and
// boundary sides that cover every edge (interior edges from both sides).
void VerificaMalha(const TMalha &m, const std::string &caso) {
    ASSERT_GT(m.GetNumElementos(), 0) << caso;
    double area = 0;
    for (int e = 1; e <= m.GetNumElementos(); ++e) {
        const TElemento *el = m.GetElemento(e);
        ASSERT_GT(el->Area(), 1e-12) << caso << " element " << e;
        EXPECT_FALSE(m.PontoFora(el->XCentro(), el->YCentro())) << caso << " element " << e;
        area += el->Area();
    }
    EXPECT_NEAR(area, AreaContorno(m), 1e-9 * AreaContorno(m)) << caso;
    for (int i = 1; i <= m.GetNumArestas(); ++i) {
        const TContorno *c = m.GetContorno(i);
        double l = 0;
        for (int k = 1; k <= c->GetNumLados(); ++k)
            l += c->GetLado(k)->Comprimento();
        const double esperado = m.GetAresta(i)->Comprimento() * (m.GetAresta(i)->Interna ? 2 : 1);
        EXPECT_NEAR(l, esperado, 1e-9 * esperado) << caso << " edge " << i;
    }
}

class Exemplos : public TesteMalha {
protected:
    void SetUp() override {
        TesteMalha::SetUp();
        SetDecimalSeparator('.');
        saida_ = fs::temp_directory_path() / ("exemplos_malha_" + std::to_string(getpid()));
        fs::create_directories(saida_);
    }
    void TearDown() override {
        fs::remove_all(saida_);
        SetDecimalSeparator('.');
        TesteMalha::TearDown();
    }
    fs::path saida_;
};

} // namespace

TEST_F(Exemplos, EveryExampleReadsAndMeshes) {
    int arquivos = 0;
    TConfiguracaoMalha cfg;
    for (const auto &entrada : fs::directory_iterator(kExemplos)) {
        const std::string nome = entrada.path().string();
        auto m = TMalha::CreateDeArquivo(nome);
        ASSERT_GE(m->GetNumArestas(), 3) << nome;
        for (int n : {1, 2, 5}) {
            m->Nx = m->Ny = n;
            cfg.PorDmax = false;
            cfg.Exponencial = false;
            m->GeraMalha(cfg);
            VerificaMalha(*m, nome + " Nx=Ny=" + std::to_string(n));
            cfg.Exponencial = true;
            m->GeraMalha(cfg);
            VerificaMalha(*m, nome + " graded " + std::to_string(n));
        }
        cfg.Exponencial = false;
        cfg.PorDmax = true;
        for (double dmax : {2.0, 0.5}) {
            cfg.Dmax = dmax;
            m->GeraMalha(cfg);
            VerificaMalha(*m, nome + " Dmax " + std::to_string(dmax));
        }
        ++arquivos;
    }
    EXPECT_EQ(arquivos, 3);
}

TEST_F(Exemplos, BlockOnFoundationFromFileToMeshFile) {
    auto m = TMalha::CreateDeArquivo((kExemplos / "bloco_fundacao.txt").string());
    ASSERT_EQ(m->GetNumVertices(), 8);
    ASSERT_TRUE(m->GetAresta(9)->Interna);
    TConfiguracaoMalha c;
    c.PorDmax = true;
    c.Dmax = 1.0;
    c.SetNx(3);
    c.SetNy(4);
    m->GeraMalha(c);
    VerificaMalha(*m, "foundation");
    EXPECT_EQ(m->Ny, 1);

    // No element straddles the interface between block and foundation.
    for (int e = 1; e <= m->GetNumElementos(); ++e) {
        const TElemento *el = m->GetElemento(e);
        EXPECT_TRUE(el->YMax <= 5 || el->YMin >= 5) << e;
    }
    // Point outside: beside the block, inside the foundation, inside the block.
    EXPECT_TRUE(m->PontoFora(3, 10));
    EXPECT_TRUE(m->PontoFora(17, 5.5));
    EXPECT_FALSE(m->PontoFora(3, 4));
    EXPECT_FALSE(m->PontoFora(10, 5.2));
    EXPECT_FALSE(m->PontoFora(10, 4.8));
    // Selection by rectangle: the nodes of the block's top, the block's top edge.
    TVetorInteiro topo = m->NosNoRetangulo(5.5, 15.5, 14.5, 14.5);
    EXPECT_EQ(topo.GetTamanho(), 9);
    for (int i = 1; i <= topo.GetTamanho(); ++i)
        EXPECT_EQ(m->GetNo(topo[i])->Y, 15.0);
    TVetorInteiro arestas = m->ArestasNoRetangulo(5.5, 15.5, 14.5, 4.5);
    std::vector<int> lista;
    for (int i = 1; i <= arestas.GetTamanho(); ++i)
        lista.push_back(arestas[i]);
    EXPECT_EQ(lista, (std::vector<int>{4, 5, 6})); // the interface (edge 9) is left out
    // Element at a point, and the point is in that element.
    const int e = m->ElementoNoPonto(10.3, 7.7);
    ASSERT_GT(e, 0);
    EXPECT_TRUE(m->GetElemento(e)->ContemPonto(10.3, 7.7));
    EXPECT_EQ(m->ElementoNoPonto(3, 10), 0);
    // A vertical cut through the block crosses its top, the foundation's bottom only.
    TVetorInteiro cruzadas = m->ArestasCruzadas(10, -1, 10, 20);
    ASSERT_EQ(cruzadas.GetTamanho(), 2);
    EXPECT_EQ(cruzadas[1], 1);
    EXPECT_EQ(cruzadas[2], 5);
    // Boundary sides on the block's top edge: one per metre.
    EXPECT_EQ(m->GetContorno(5)->GetNumLados(), 8);
    EXPECT_EQ(m->DistanciaAoContorno(m->GetContorno(5)->GetLado(1)->Elemento->Numero), 0.0);

    // Saved with a comma locale, read back identically.
    SetDecimalSeparator(',');
    const std::string arquivo = (saida_ / "bloco.msh").string();
    m->SalvaMalha(arquivo, c);
    TConfiguracaoMalha lida;
    TMalha r;
    r.LeMalhaCompleta(arquivo, lida);
    ASSERT_EQ(r.GetNumNos(), m->GetNumNos());
    for (int i = 1; i <= r.GetNumNos(); ++i) {
        EXPECT_EQ(r.GetNo(i)->X, m->GetNo(i)->X);
        EXPECT_EQ(r.GetNo(i)->Y, m->GetNo(i)->Y);
    }
    ASSERT_EQ(r.GetNumElementos(), m->GetNumElementos());
    for (int i = 1; i <= r.GetNumElementos(); ++i)
        for (int k = 1; k <= 3; ++k)
            ASSERT_EQ(r.GetElemento(i)->GetNo(k)->Numero, m->GetElemento(i)->GetNo(k)->Numero);
    ASSERT_EQ(r.GetNumArestas(), 9);
    EXPECT_TRUE(r.GetAresta(9)->Interna);
    EXPECT_EQ(lida.Nx, 3);
    EXPECT_EQ(lida.Ny, 4);
    EXPECT_TRUE(lida.PorDmax);
    EXPECT_EQ(lida.Dmax, 1.0);
    const std::string copia = (saida_ / "copia.msh").string();
    r.SalvaMalha(copia, lida);
    EXPECT_EQ(Le(copia), Le(arquivo));
}
