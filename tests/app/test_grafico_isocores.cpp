// The isocolour window on a real thermal run: the map, scale labels, contours of the shown
// time, level counts and label spacing, readout, the animation by scripted ticks, units.
#include "CanvasQt.h"
#include "PerguntadorRoteiro.h"
#include "PixelsImagem.h"
#include "Temporizador.h"
#include "support_resultados.h"
#include "uGraficoIsocores.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

#include <cmath>
#include <cstdlib>

namespace {

struct Janela {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TfrmIsocores frm;
    Janela() { TTemporizador::DefineTempoReal(false); }
    ~Janela() { TTemporizador::DefineTempoReal(true); }
};

} // namespace

TEST(Niveis, ContagemEEspacamentoDosRotulos) {
    EXPECT_EQ(NumeroDeNiveis(31, 20, 2), 6);
    EXPECT_EQ(NumeroDeNiveis(30.9, 20, 2), 5);
    EXPECT_EQ(NumeroDeNiveis(31, 20, 0), 0);
    EXPECT_EQ(NumeroDeNiveis(31, 20, -1), 0);
    EXPECT_EQ(NumeroDeNiveis(10, 20, 2), 0);
    EXPECT_EQ(PontosRotulados(35, 10), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(PontosRotulados(35, 8), (std::vector<int>{8, 16, 24, 32}));
    EXPECT_EQ(PontosRotulados(6, 10), (std::vector<int>{6})); // exactly s - 4 points
    EXPECT_TRUE(PontosRotulados(5, 10).empty());
}

TEST(Isocores, CurvasDoInstanteMostradoNaoDoUltimo) {
    TCasoTermico caso(4, 6.0, 12, 6);
    TVetor v6, v24;
    caso.analise->LeResultados(v6, 6.0);
    caso.analise->LeResultados(v24, 24.0);
    const double lo = *std::min_element(v6.Dados(), v6.Dados() + v6.GetTamanho());
    const double hi = *std::max_element(v6.Dados(), v6.Dados() + v6.GetTamanho());
    ASSERT_GT(hi - lo, 0.5);
    const double l0 = lo + (hi - lo) * 0.1, delta = (hi - lo) * 0.2;
    const auto segs = SegmentosDosNiveis(*caso.analise, 6.0, v6, l0, delta, 5);
    ASSERT_GT(segs.size(), 10u);
    int niveis[6] = {};
    double maiorDiferencaNoUltimo = 0;
    for (const auto &s : segs) {
        ++niveis[s.Nivel];
        const double L = l0 + (s.Nivel - 1) * delta;
        for (const TPontoReal &p : {s.P, s.Q}) {
            double z = 0, zu = 0;
            ASSERT_TRUE(caso.analise->ValorNoPonto(z, p.X, p.Y, 6.0));
            EXPECT_NEAR(z, L, 1e-6 * (1 + std::fabs(L)));
            ASSERT_TRUE(caso.analise->ValorNoPonto(zu, p.X, p.Y, 24.0));
            maiorDiferencaNoUltimo = std::max(maiorDiferencaNoUltimo, std::fabs(zu - L));
        }
    }
    for (int k = 1; k <= 5; ++k)
        EXPECT_GT(niveis[k], 0) << k;
    EXPECT_GT(maiorDiferencaNoUltimo, 1.0);
    // Each level's segments come in element order after the previous level's.
    for (std::size_t i = 1; i < segs.size(); ++i)
        EXPECT_LE(segs[i - 1].Nivel, segs[i].Nivel);
}

TEST(Isocores, DesenhoRotulosDaEscalaLeituraENovaAnalise) {
    Janela j;
    TCasoTermico caso;
    j.fonte.termica = caso.analise.get();
    j.frm.resize(980, 620);
    j.frm.show();
    j.frm.edTempo->setText("12");
    j.frm.DesenhaIsocores();
    ASSERT_TRUE(j.g.P.Erros.isEmpty()) << j.g.P.Erros.join("|").toStdString();
    EXPECT_EQ(j.frm.Rotulos(), 7);
    EXPECT_EQ(j.frm.Mapa().Tempo(), 12.0);
    j.frm.trkRotulos->setValue(4);
    j.frm.DesenhaIsocores();
    EXPECT_EQ(j.frm.Rotulos(), 4);
    if (const char *pasta = std::getenv("DARV_CAPTURAS"))
        j.frm.grab().save(QString(pasta) + "/isocores.png");
    // Every row of sub-triangles is counted; the bar is updated a few times at most.
    EXPECT_EQ(j.frm.Progresso(), j.frm.Mapa().TotalProgresso());
    EXPECT_EQ(j.frm.Progresso(), 7 * caso.malha->GetNumElementos());
    EXPECT_LE(j.frm.Repinturas(), 30);

    // Readout at the map's centre: a position and a temperature within the field's range.
    const QImage &im = j.frm.imIsocores->Imagem;
    j.frm.LeituraDoPixel(im.width() / 2, im.height() / 2);
    const QString titulo = j.frm.windowTitle();
    EXPECT_TRUE(titulo.startsWith("(X = ")) << titulo.toStdString();
    EXPECT_TRUE(titulo.contains("; Z = ")) << titulo.toStdString();
    // The black background reads as a position only.
    j.frm.LeituraDoPixel(1, 1);
    EXPECT_FALSE(j.frm.windowTitle().contains("Z =")) << j.frm.windowTitle().toStdString();

    // Increment 0: no contours and no error.
    j.frm.edIncremento->setText("0");
    j.frm.DesenhaIsocores();
    EXPECT_TRUE(j.g.P.Erros.isEmpty());

    // "Nova Análise Térmica": the source now holds a fresh analysis with no steps done.
    j.frm.edIncremento->setText("2");
    auto nova = std::make_unique<TAnalise>(caso.malha.get());
    j.fonte.termica = nova.get();
    caso.analise.reset();
    j.frm.tobnDesenhaIsocores->click();
    ASSERT_EQ(j.g.P.Erros.size(), 1); // it has no results to show
    EXPECT_FALSE(j.g.P.Erros[0].isEmpty());
    j.frm.LeituraDoPixel(im.width() / 2, im.height() / 2);
    j.frm.imIsocores->grab();
}

TEST(Isocores, AnimacaoPorTiquesFechamentoEErroUnico) {
    Janela j;
    TCasoTermico caso(4, 6.0); // 0 to 24 by 6
    j.fonte.termica = caso.analise.get();
    j.frm.show();
    j.frm.edTempo->setText("0");
    j.frm.chbAnimacao->setChecked(true);
    EXPECT_TRUE(j.frm.Temporizador().Ativo());
    EXPECT_EQ(j.frm.Temporizador().Intervalo(), 500);
    std::vector<double> desenhados;
    for (int i = 0; i < 4 && j.frm.Temporizador().Ativo(); ++i) {
        j.frm.Tique();
        desenhados.push_back(j.frm.Mapa().Tempo());
    }
    EXPECT_EQ(desenhados, (std::vector<double>{6, 12, 18, 18}));
    EXPECT_EQ(j.frm.edTempo->text(), "24");
    EXPECT_FALSE(j.frm.Temporizador().Ativo());
    EXPECT_FALSE(j.frm.chbAnimacao->isChecked());

    // Hiding the window stops the animation.
    j.frm.edTempo->setText("0");
    j.frm.chbAnimacao->setChecked(true);
    j.frm.hide();
    EXPECT_FALSE(j.frm.Temporizador().Ativo());

    // A time that is not a number: one error and the animation stops.
    j.frm.show();
    j.frm.edTempo->setText("abc");
    j.frm.chbAnimacao->setChecked(true);
    j.frm.Tique();
    EXPECT_FALSE(j.frm.Temporizador().Ativo());
    ASSERT_EQ(j.g.P.Erros.size(), 1);
    EXPECT_EQ(j.g.P.Erros[0], "'abc' não é um número real válido");
}

TEST(Isocores, UnidadesDoUsuarioNaEscalaENoTempo) {
    Janela j;
    TCasoTermico caso(4, 6.0);
    j.fonte.termica = caso.analise.get();
    j.fonte.unidades.Temperatura = "°F";
    j.fonte.unidades.TemperaturaDoMotor = [](double c) { return c * 9 / 5 + 32; };
    j.fonte.unidades.Tempo = "dias";
    j.fonte.unidades.TempoDoMotor = [](double h) { return h / 24; };
    j.fonte.unidades.TempoParaMotor = [](double d) { return d * 24; };
    j.frm.show();
    EXPECT_EQ(j.frm.lbUnidadeTempo->text(), " dias ");
    j.frm.edTempo->setText("0.5"); // 12 h
    j.frm.DesenhaIsocores();
    ASSERT_TRUE(j.g.P.Erros.isEmpty()) << j.g.P.Erros.join("|").toStdString();
    EXPECT_EQ(j.frm.Mapa().Tempo(), 12.0);
    const TIsoCores *d = j.frm.Mapa().Desenho();
    EXPECT_NEAR(d->GetMaximo().Z, caso.analise->GetTMaxima() * 9 / 5 + 32, 1e-9);
    EXPECT_NEAR(d->GetMinimo().Z, caso.analise->GetTMinima() * 9 / 5 + 32, 1e-9);
    TVetor v;
    caso.analise->LeResultados(v, 12.0);
    EXPECT_NEAR(j.frm.Mapa().Valores()[1], v[1] * 9 / 5 + 32, 1e-9);
    // One tick moves a quarter of a day.
    j.frm.Tique();
    EXPECT_EQ(j.frm.edTempo->text(), "0.75");
    EXPECT_EQ(j.frm.Mapa().Tempo(), 18.0);
}
