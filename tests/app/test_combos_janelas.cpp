// The kit's colour and font combos in the windows: a choice reaches what it sets.
#include "KitCombos.h"
#include "uConfiguracaoMalha.h"
#include "uGraficoIsocores.h"
#include "uGraficoTemperaturaTempo.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QChart>
#include <QLabel>

#include <cstdlib>

namespace {

TEST(CombosJanelas, ChartColoursReachTheChart) {
    TfrmGraficoTemperaturaTempo g;
    g.show();
    EXPECT_EQ(g.kcbxFundo->ColorValue(), clSilver);
    EXPECT_EQ(g.kcbxFundo->currentText(), QStringLiteral("Silver"));
    EXPECT_EQ(g.kcbxTela->currentText(), QStringLiteral("Teal"));
    g.kcbxFundo->SetColorValue(clRed);
    EXPECT_EQ(g.Grafico()->backgroundBrush().color(), QColor(255, 0, 0));
    g.kcbxTela->setCurrentIndex(12);
    emit g.kcbxTela->activated(12);
    EXPECT_EQ(g.Grafico()->plotAreaBackgroundBrush().color(), QColor(0, 0, 255));
    if (const char *d = std::getenv("DARV_PNG_DIR"))
        g.grab().save(QString::fromLocal8Bit(d) + "/grafico_cores.png");
}

TEST(CombosJanelas, MeshSettingsDefaultsAndIsocolourFont) {
    TfrmConfiguracaoMalha c;
    c.show();
    const std::pair<TColorComboBox *, const char *> esperados[] = {
        {c.kcbxcolorLinha, "Gray"}, {c.kcbxCorFundo, "Silver"},  {c.kcbxCorTexto, "Red"},
        {c.kcbxCorNos, "Aqua"},     {c.kcbxCorAresta, "Yellow"}, {c.kcbxAreaDeDesenho, "White"}};
    for (const auto &[cb, nome] : esperados) {
        EXPECT_EQ(cb->count(), 16);
        EXPECT_EQ(cb->currentText(), QString::fromLatin1(nome));
    }
    if (const char *d = std::getenv("DARV_PNG_DIR")) {
        c.grab().save(QString::fromLocal8Bit(d) + "/configuracao_malha.png");
        c.kcbxCorNos->showPopup();
        c.kcbxCorNos->view()->window()->grab().save(QString::fromLocal8Bit(d) +
                                                    "/configuracao_malha_lista.png");
        c.kcbxCorNos->hidePopup();
    }

    TfrmIsocores iso;
    ASSERT_GT(iso.cbFonte->count(), 0);
    EXPECT_EQ(iso.cbFonte->currentIndex(), 0); // first family at creation
    const QString outra = iso.cbFonte->itemText(iso.cbFonte->count() - 1);
    iso.cbFonte->SetFontName(outra);
    EXPECT_EQ(iso.stxFonte->font().family(), QFont(outra).family());
}

} // namespace
