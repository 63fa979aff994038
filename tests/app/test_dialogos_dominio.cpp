// Vertex dialog, layers dialog and initial layer strains, driven through the scripted prompter.
#include "PerguntadorRoteiro.h"
#include "uCamadas.h"
#include "uCriaDominio.h"
#include "uDeformInicial.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

template <class F> std::function<int(QDialog &)> Roteiro(F acao) {
    return [acao](QDialog &d) {
        acao();
        return d.isVisible() ? -1 : d.result();
    };
}

class SeparadorVirgula {
public:
    SeparadorVirgula() : antes_(DecimalSeparator()) { SetDecimalSeparator(','); }
    ~SeparadorVirgula() { SetDecimalSeparator(antes_); }

private:
    char antes_;
};

QStringList Coluna(const QTableWidget *g, int c) {
    QStringList r;
    for (int l = 0; l < g->rowCount(); ++l)
        r << (g->item(l, c) ? g->item(l, c)->text() : QString());
    return r;
}

TEST(CriaDominio, SetaParaBaixoEDeleteNumeramAsLinhas) {
    TfrmCriaDominio d;
    EXPECT_EQ(d.GetNumLinhas(), 2);
    EXPECT_EQ(d.GetCelula(1, 1).toString(), "Número");
    EXPECT_EQ(d.GetCelula(2, 1).toString(), "1");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(d.sgdVertices, Qt::Key_Down);
    EXPECT_EQ(Coluna(d.sgdVertices, 0), (QStringList{"1", "2", "3", "4"}));
    QTest::keyClick(d.sgdVertices, Qt::Key_Down);
    QTest::keyClick(d.sgdVertices, Qt::Key_Delete);
    EXPECT_EQ(Coluna(d.sgdVertices, 0), (QStringList{"1", "2", "3", "4"}));
    // The numbers cannot be selected or edited.
    const Qt::ItemFlags f = d.sgdVertices->item(0, 0)->flags();
    EXPECT_FALSE(f & Qt::ItemIsEditable);
    EXPECT_FALSE(f & Qt::ItemIsSelectable);
    EXPECT_TRUE(d.sgdVertices->item(0, 1)->flags() & Qt::ItemIsEditable);
    // One row always stays.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(d.sgdVertices, Qt::Key_Delete);
    EXPECT_EQ(d.GetNumLinhas(), 2);
}

TEST(CriaDominio, QuadradoDeQuatroLinhasERecusas) {
    SeparadorVirgula virgula;
    TPerguntadorLigado g;
    TfrmCriaDominio d;
    std::vector<std::vector<TNo>> disparos;
    d.SetOnConfirmar([&](const std::vector<TNo> &v) { disparos.push_back(v); });
    const double xy[4][2] = {{0, 0}, {2, 0}, {2, 1.5}, {0, 1.5}};

    // Two vertices are refused; then a malformed cell; then the square.
    g.P.Modais.push_back(Roteiro([&] {
        d.AdicionaLinha();
        d.SetCelula(2, 2, "0");
        d.SetCelula(2, 3, "0");
        d.SetCelula(3, 2, "2");
        d.SetCelula(3, 3, "0");
        d.btnOk->click();
        EXPECT_TRUE(d.isVisible());
        d.AdicionaLinha();
        d.AdicionaLinha();
        for (int i = 0; i < 4; ++i) {
            d.SetCelula(i + 2, 2, QString::number(xy[i][0]).replace('.', ','));
            d.SetCelula(i + 2, 3, QString::number(xy[i][1]).replace('.', ','));
        }
        d.SetCelula(5, 3, "1.5");
        d.btnOk->click();
        EXPECT_TRUE(d.isVisible());
        d.SetCelula(5, 3, "1,5");
        d.btnOk->click();
    }));
    EXPECT_EQ(g.P.ExecutaModal(d), QDialog::Accepted);
    ASSERT_EQ(g.P.Erros.size(), 2);
    EXPECT_TRUE(g.P.Erros[1].contains("1.5"));
    ASSERT_EQ(disparos.size(), 1u);
    const auto &v = disparos[0];
    ASSERT_EQ(v.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v[i].Numero, i + 1);
        EXPECT_EQ(v[i].X, xy[i][0]);
        EXPECT_EQ(v[i].Y, xy[i][1]);
    }
    auto m = TMalha::CreatePoligono(v);
    EXPECT_EQ(m->GetNumVertices(), 4);
    ASSERT_EQ(m->GetNumArestas(), 4);
    EXPECT_EQ(m->GetAresta(4)->No1->Numero, 4);
    EXPECT_EQ(m->GetAresta(4)->No2->Numero, 1);

    // Reopened it shows the square; Cancel puts back what was there at show.
    g.P.Modais.push_back(Roteiro([&] {
        EXPECT_EQ(d.GetCelula(4, 2).toString(), "2");
        d.AdicionaLinha();
        d.SetCelula(3, 2, "99");
        d.btnCancela->click();
    }));
    g.P.ExecutaModal(d);
    EXPECT_EQ(d.GetNumLinhas(), 5);
    EXPECT_EQ(d.GetCelula(3, 2).toString(), "2");
    EXPECT_FALSE(d.sgdVertices->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(disparos.size(), 1u);
}

class Camadas : public ::testing::Test {
protected:
    SeparadorVirgula virgula;
    TPerguntadorLigado g;
    TfrmDeformInicial def;
    TfrmCamadas cam;
    std::vector<std::vector<TCamadaDigitada>> disparos;

    void SetUp() override {
        cam.SetDeformInicial(&def);
        cam.SetOnConfirmar(
            [this](const std::vector<TCamadaDigitada> &c) { disparos.push_back(c); });
    }
    void Velocidade(const char *e0, const char *ef, const char *dh, const char *t0,
                    const char *dt) {
        cam.edElevacao->setText(e0);
        cam.edElevacaoFinal->setText(ef);
        cam.edVelocidadeM->setText(dh);
        cam.edInstante->setText(t0);
        cam.edVelocidadeT->setText(dt);
        cam.btnAplicar->click();
    }
};

TEST_F(Camadas, AplicarGeraAsCamadasDaVelocidade) {
    EXPECT_EQ(cam.edElevacao->text(), "0,5");
    Velocidade("0", "2", "0,5", "0", "24");
    EXPECT_EQ(Coluna(cam.sgdCamadas, 0), (QStringList{"0,5", "1", "1,5", "2"}));
    EXPECT_EQ(Coluna(cam.sgdCamadas, 1), (QStringList{"0", "24", "48", "72"}));
    EXPECT_EQ(Coluna(cam.sgdCamadas, 2), (QStringList{"20", "20", "20", "20"}));
    EXPECT_EQ(Coluna(def.sgdCamadas, 0), Coluna(cam.sgdCamadas, 0));
    EXPECT_EQ(cam.GetElevacao(3), 1.5);
    EXPECT_EQ(cam.GetInstante(4), 72);

    // 2.5 rounds to 2: the new layers follow the old ones.
    Velocidade("2", "3,25", "0,5", "96", "24");
    EXPECT_EQ(cam.GetNumCamadas(), 6);
    EXPECT_EQ(cam.GetElevacao(6), 3);
    EXPECT_EQ(cam.GetInstante(6), 120);
    EXPECT_EQ(def.GetNumCamadas(), 6);

    // Nothing for n <= 0; dh <= 0 and too many rows are refused.
    Velocidade("3", "1", "0,5", "0", "1");
    Velocidade("0", "1", "0", "0", "1");
    Velocidade("0", "1", "-1", "0", "1");
    Velocidade("0", "1e9", "1", "0", "1");
    Velocidade("0", "1", "0,5", "0", "x");
    EXPECT_EQ(cam.GetNumCamadas(), 6);
    EXPECT_EQ(g.P.Erros.size(), 4);
}

TEST_F(Camadas, ExcluirMantemAsGradesAlinhadasEOkConfereTudo) {
    Velocidade("0", "3", "1", "0", "10");
    def.SetCelula(2, 2, "1e-4");
    def.SetCelula(3, 3, "2e-4");
    def.SetCelula(4, 2, "3e-4");
    cam.sgdCamadas->setCurrentCell(1, 0);
    cam.btnExcluir->click();
    EXPECT_EQ(Coluna(cam.sgdCamadas, 0), (QStringList{"1", "3"}));
    EXPECT_EQ(Coluna(def.sgdCamadas, 0), (QStringList{"1", "3"}));
    EXPECT_EQ(Coluna(def.sgdCamadas, 1), (QStringList{"1e-4", "3e-4"}));

    // Bad rows: named, nothing fired.
    cam.sgdCamadas->item(1, 0)->setText("0,5");
    g.P.Modais.push_back(Roteiro([&] { cam.btnOk->click(); }));
    EXPECT_EQ(g.P.ExecutaModal(cam), -1);
    cam.sgdCamadas->item(1, 0)->setText("3");
    cam.sgdCamadas->item(1, 1)->setText("-5");
    g.P.Modais.push_back(Roteiro([&] { cam.btnOk->click(); }));
    EXPECT_EQ(g.P.ExecutaModal(cam), -1);
    EXPECT_TRUE(disparos.empty());
    ASSERT_EQ(g.P.Erros.size(), 2);
    EXPECT_TRUE(g.P.Erros[0].startsWith("Camada 2"));
    EXPECT_TRUE(g.P.Erros[1].startsWith("Camada 2"));

    cam.sgdCamadas->item(1, 1)->setText("20");
    g.P.Modais.push_back(Roteiro([&] { cam.btnOk->click(); }));
    EXPECT_EQ(g.P.ExecutaModal(cam), QDialog::Accepted);
    ASSERT_EQ(disparos.size(), 1u);
    ASSERT_EQ(disparos[0].size(), 2u);
    EXPECT_EQ(disparos[0][1].Elevacao, 3);
    EXPECT_EQ(disparos[0][1].Instante, 20);
    EXPECT_EQ(disparos[0][1].Temperatura, 20);

    // No layer at all is refused too.
    cam.btnExcluir->click();
    cam.btnExcluir->click();
    cam.btnExcluir->click();
    g.P.Modais.push_back(Roteiro([&] { cam.btnOk->click(); }));
    EXPECT_EQ(g.P.ExecutaModal(cam), -1);
    EXPECT_EQ(disparos.size(), 1u);
}

TEST_F(Camadas, AdicionarSoNumerosECancelarDevolveAsDuasGrades) {
    cam.btnAdicionar->click();
    cam.edElevacao->setText("1,0");
    cam.edInstante->setText("12");
    cam.btnAdicionar->click();
    EXPECT_EQ(Coluna(cam.sgdCamadas, 0), (QStringList{"0,5", "1,0"}));
    EXPECT_EQ(Coluna(cam.sgdCamadas, 1), (QStringList{"0,0", "12"}));
    cam.edTemperaturaInicial->setText("vinte");
    cam.btnAdicionar->click();
    EXPECT_EQ(cam.GetNumCamadas(), 2);
    EXPECT_EQ(g.P.Erros.size(), 1);

    g.P.Modais.push_back(Roteiro([&] {
        cam.edElevacao->setText("2");
        cam.edTemperaturaInicial->setText("25");
        cam.btnAdicionar->click();
        cam.sgdCamadas->setCurrentCell(0, 0);
        cam.btnExcluir->click();
        EXPECT_EQ(def.GetNumCamadas(), 2);
        cam.btnCancela->click();
    }));
    g.P.ExecutaModal(cam);
    EXPECT_EQ(Coluna(cam.sgdCamadas, 0), (QStringList{"0,5", "1,0"}));
    EXPECT_EQ(Coluna(def.sgdCamadas, 0), (QStringList{"0,5", "1,0"}));
    EXPECT_EQ(cam.edTemperaturaInicial->text(), "vinte");
    EXPECT_TRUE(disparos.empty());
}

TEST(DeformInicial, SoYContaVazioEZeroENumeroRuimNaoDispara) {
    SeparadorVirgula virgula;
    TPerguntadorLigado g;
    TfrmDeformInicial d;
    std::vector<std::vector<TDeformacaoCamada>> disparos;
    d.SetOnConfirmar([&](const std::vector<TDeformacaoCamada> &v) { disparos.push_back(v); });
    for (const char *e : {"1", "2", "3"})
        d.AdicionaCamada(e);
    EXPECT_EQ(d.GetCelula(1, 2).toString(), "Deformação em X");
    d.SetCelula(2, 3, "-1,5e-4");
    d.SetCelula(3, 2, "0");
    d.SetCelula(4, 2, "2e-4");
    d.SetCelula(4, 3, "x");
    g.P.Modais.push_back(Roteiro([&] {
        d.btnOk->click();
        EXPECT_TRUE(d.isVisible());
        d.SetCelula(4, 3, "");
        d.btnOk->click();
    }));
    EXPECT_EQ(g.P.ExecutaModal(d), QDialog::Accepted);
    ASSERT_EQ(g.P.Erros.size(), 1);
    ASSERT_EQ(disparos.size(), 1u);
    const auto &v = disparos[0];
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(v[0].Tem);
    EXPECT_EQ(v[0].X, 0.0);
    EXPECT_EQ(v[0].Y, -1.5e-4);
    EXPECT_FALSE(v[1].Tem);
    EXPECT_TRUE(v[2].Tem);
    EXPECT_EQ(v[2].X, 2e-4);
    EXPECT_EQ(v[2].Y, 0.0);
}

} // namespace
