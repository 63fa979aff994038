#include "support_gui.h"

#include "Numeros.h"
#include "uGrafico.h"
#include "uPontos.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>

#include <cmath>

namespace {

QList<QScatterSeries *> SeriesPontos() {
    QList<QScatterSeries *> r;
    for (QAbstractSeries *s : frmGrafico->cGrafico->chart()->series())
        if (auto *p = qobject_cast<QScatterSeries *>(s))
            r << p;
    return r;
}

QList<QLineSeries *> SeriesCurva() {
    QList<QLineSeries *> r;
    for (QAbstractSeries *s : frmGrafico->cGrafico->chart()->series())
        if (s->type() == QAbstractSeries::SeriesTypeLine)
            r << static_cast<QLineSeries *>(s);
    return r;
}

void EsperaFinitos(const QXYSeries *s) {
    for (const QPointF &p : s->points())
        EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
}

} // namespace

TEST_F(JanelasLumacord, ChartShowsThePointsAndTwentyOneCurveSamples) {
    AjustaPontos({{"1", "3"}, {"2", "5"}, {"3", "7"}}, 1);
    ASSERT_EQ(fLumacord->edA->text(), "1");
    fLumacord->btnGrafico->click();
    ASSERT_TRUE(frmGrafico->isVisible());

    ASSERT_EQ(SeriesPontos().size(), 1);
    ASSERT_EQ(SeriesCurva().size(), 1);
    QScatterSeries *pontos = SeriesPontos()[0];
    QLineSeries *curva = SeriesCurva()[0];
    EXPECT_EQ(pontos, frmGrafico->SeriePontos);
    EXPECT_EQ(curva, frmGrafico->SerieCurva);
    EXPECT_EQ(pontos->name(), "Pontos Discretos");
    EXPECT_EQ(pontos->color(), QColor(Qt::blue));
    EXPECT_EQ(pontos->points(), (QList<QPointF>{{1, 3}, {2, 5}, {3, 7}}));
    EXPECT_EQ(curva->name(), "y=1+2.x");
    EXPECT_EQ(curva->color(), QColor(Qt::red));
    ASSERT_EQ(curva->count(), 21);
    EXPECT_NEAR(curva->at(0).x(), 1.1, 1e-12);
    EXPECT_NEAR(curva->at(20).x(), 3.0, 1e-12);
    for (const QPointF &p : curva->points())
        EXPECT_NEAR(p.y(), 1 + 2 * p.x(), 1e-12);

    // Showing a visible window only brings it forward.
    fLumacord->btnGrafico->click();
    EXPECT_EQ(SeriesCurva().size(), 1);

    // After Fechar the chart adds curves only.
    frmGrafico->bbtnFechar->click();
    EXPECT_FALSE(frmGrafico->isVisible());
    EXPECT_TRUE(frmGrafico->GraficoFechado);
    fLumacord->btnGrafico->click();
    EXPECT_EQ(SeriesPontos().size(), 1);
    ASSERT_EQ(SeriesCurva().size(), 2);
    EXPECT_EQ(SeriesCurva()[1]->count(), 21);
    EXPECT_EQ(frmGrafico->SerieCurva, SeriesCurva()[1]);
    EXPECT_TRUE(perguntador.Erros.isEmpty());
}

TEST_F(JanelasLumacord, ClosingTheChartWithItsCloseBoxKeepsAddingPoints) {
    AjustaPontos({{"1", "3"}, {"2", "5"}, {"3", "7"}}, 1);
    fLumacord->btnGrafico->click();
    frmGrafico->close();
    EXPECT_FALSE(frmGrafico->isVisible());
    EXPECT_FALSE(frmGrafico->GraficoFechado);
    fLumacord->btnGrafico->click();
    ASSERT_EQ(SeriesPontos().size(), 2);
    EXPECT_EQ(SeriesPontos()[1]->name(), "Pontos Discretos");
    EXPECT_EQ(SeriesPontos()[1]->count(), 3);
    EXPECT_EQ(SeriesCurva().size(), 2);
}

TEST_F(JanelasLumacord, ChartTitlesFollowTheShownTexts) {
    lumacord::SetDecimalSeparator(',');
    AjustaPontos({{"1", "0,4"}, {"2", "0,666666666666667"}, {"4", "1"}, {"8", "1,33333333333333"}},
                 3);
    fLumacord->btnGrafico->click();
    ASSERT_EQ(SeriesCurva().size(), 1);
    EXPECT_EQ(SeriesCurva()[0]->name(), "y=x/(2+0,5.x)");
    EXPECT_EQ(SeriesCurva()[0]->count(), 31);
    EXPECT_NEAR(SeriesCurva()[0]->points().last().y(), 8 / 6.0, 1e-9);
    frmGrafico->bbtnFechar->click();

    // Reiniciar clears what is shown and the grid, not the table; the title is built from the
    // edits as they read.
    fLumacord->mbReiniciar->trigger();
    EXPECT_EQ(fLumacord->edA->text(), "0");
    EXPECT_EQ(fLumacord->edB->text(), "0");
    EXPECT_EQ(fLumacord->edR2->text(), "0");
    EXPECT_EQ(fLumacord->lbEquacao->text(), "y=x/(A+B.x)");
    EXPECT_EQ(frmPontos->StgInserirPontos->Cells(1, 4), "");
    fLumacord->btnGrafico->click();
    EXPECT_EQ(SeriesCurva().last()->name(), "y=x/(0+0.x)");
    EXPECT_EQ(SeriesCurva().last()->count(), 0);

    const char *titulos[] = {"y=0+0.x", "y=0+(0/x)", "y=x/(0+0.x)", "y=0+0.ln(x)"};
    for (int tipo = 1; tipo <= 4; ++tipo) {
        frmGrafico->bbtnFechar->click();
        fLumacord->Ajuste.TipoCurva = tipo;
        fLumacord->btnGrafico->click();
        EXPECT_EQ(SeriesCurva().last()->name(), titulos[tipo - 1]);
    }
    fLumacord->Ajuste.TipoCurva = 3;
    fLumacord->mbAjustar->trigger();
    EXPECT_EQ(fLumacord->edB->text(), "0,5");
}

TEST_F(JanelasLumacord, ChartSkipsZeroAndStopsQuietlyAtErrors) {
    // y = 1 + 1/x fitted on rows 2..4; row 1 has x = 0.
    AjustaPontos({{"0.5", "3"}, {"1", "2"}, {"2", "1.5"}, {"4", "1.25"}}, 2);
    ASSERT_EQ(fLumacord->edA->text(), "1");
    frmPontos->StgInserirPontos->SetCells(0, 1, "0");
    fLumacord->btnGrafico->click();
    EXPECT_EQ(SeriesPontos()[0]->count(), 3);
    EXPECT_EQ(SeriesPontos()[0]->at(0), QPointF(1, 2));
    EXPECT_EQ(SeriesCurva()[0]->count(), 21);
    EsperaFinitos(SeriesCurva()[0]);
    frmGrafico->bbtnFechar->click();

    // An interval across the pole: the sample at x = 0 shows its message and ends the filling,
    // with no error box.
    frmPontos->StgInserirPontos->SetCells(0, 1, "-5");
    frmPontos->StgInserirPontos->SetCells(0, 2, "5");
    fLumacord->btnGrafico->click();
    EXPECT_EQ(perguntador.Informacoes, QStringList{"Não é possível calcular: Divisão por zero."});
    EXPECT_EQ(SeriesCurva().last()->count(), 4);
    EsperaFinitos(SeriesCurva().last());
    frmGrafico->bbtnFechar->click();

    // A cell that is not a number ends the filling where it stands.
    frmPontos->StgInserirPontos->SetCells(0, 1, "1");
    frmPontos->StgInserirPontos->SetCells(0, 2, "abc");
    fLumacord->btnGrafico->click();
    EXPECT_EQ(SeriesCurva().last()->count(), 0);
    EXPECT_TRUE(perguntador.Erros.isEmpty());
}
