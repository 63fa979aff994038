// The user's language in what Qt itself shows and in the numbers of the charts.
#include "support_janelas.h"

#include "CurvasResultados.h"
#include "GraficoXY.h"
#include "NumeroUsuario.h"
#include "TraducoesQt.h"

#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QRegularExpression>

TEST(Idioma, QtsOwnTextsFollowAPortugueseLocale) {
    const struct {
        QLocale locale;
        bool portugues;
    } casos[] = {{QLocale(QLocale::Portuguese, QLocale::Brazil), true},
                 {QLocale(QLocale::Portuguese, QLocale::Portugal), true},
                 {QLocale::c(), false},
                 {QLocale(QLocale::English, QLocale::UnitedStates), false}};
    for (const auto &c : casos) {
        EXPECT_EQ(InstalaTraducoesQt(c.locale), c.portugues) << c.locale.name().toStdString();
        for (const auto &[contexto, texto] :
             {std::pair{"QFileDialog", "Look in:"}, std::pair{"QPlatformTheme", "Cancel"},
              std::pair{"QPlatformTheme", "Save"}}) {
            const QString t = QCoreApplication::translate(contexto, texto);
            EXPECT_EQ(t != QLatin1String(texto), c.portugues) << texto << " " << t.toStdString();
        }
    }
    InstalaTraducoesQt(QLocale::c());
}

namespace {
class TGrafico : public TGraficoXY {
    std::string TituloX() const override { return "x"; }
    std::string TituloY() const override { return "y"; }
};
} // namespace

TEST(Idioma, ChartAxesUseTheUsersDecimalSeparator) {
    for (const char separador : {',', '.'}) {
        SetDecimalSeparator(separador);
        TGrafico g;
        g.AdicionaCurva(TCurva{{0.0, 0.5, 1.0}, {120.2, 127.8, 124.1}});
        g.show();
        QCoreApplication::processEvents();
        QStringList rotulos;
        for (QGraphicsItem *i : g.findChild<QChartView *>()->scene()->items())
            if (auto *t = dynamic_cast<QGraphicsTextItem *>(i))
                if (t->isVisible() && !t->toPlainText().isEmpty())
                    rotulos << t->toPlainText();
        const QString outro = separador == ',' ? QStringLiteral(".") : QStringLiteral(",");
        const QRegularExpression comSeparador(
            QStringLiteral("^-?\\d+") + QRegularExpression::escape(QString(QChar(separador))) +
            QStringLiteral("\\d+$"));
        EXPECT_FALSE(rotulos.filter(comSeparador).isEmpty()) << rotulos.join(' ').toStdString();
        EXPECT_TRUE(rotulos.filter(outro).isEmpty()) << rotulos.join(' ').toStdString();
        g.hide();
    }
    SetDecimalSeparator('.');
}
