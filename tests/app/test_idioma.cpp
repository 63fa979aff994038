// The user's language in what Qt itself shows and in the numbers of the charts.
#include "support_janelas.h"

#include "CurvasResultados.h"
#include "GraficoXY.h"
#include "Guarda.h"
#include "KitGIF.h"
#include "NumeroUsuario.h"
#include "TraducoesQt.h"
#include "uLibraryMalhas.h"

#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>

#include <functional>

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

// File errors of the engine and of the kit's GIF pictures reach the error box in Portuguese.
TEST(Idioma, FileErrorsInTheErrorBoxArePortuguese) {
    TPastaTeste pasta;
    const std::string semPasta = pasta.Arquivo("nao_existe/figura.gif");
    const struct {
        const char *nome;
        std::function<void()> comando;
        std::string mensagem;
    } casos[] = {
        {"domain file that is a device", [] { TMalha::CreateDeArquivo("/dev/null"); },
         "Não foi possível abrir o arquivo /dev/null: não é um arquivo comum"},
        {"GIF that is not there",
         [&] { TGIFImage().LoadFromFile(QString::fromStdString(pasta.Arquivo("nada.gif"))); },
         "Não foi possível abrir o arquivo \"" + pasta.Arquivo("nada.gif") +
             "\". Arquivo ou pasta inexistente"},
        {"GIF saved into no folder",
         [&] {
             TGIFImage g;
             QImage imagem(4, 4, QImage::Format_RGB32);
             imagem.fill(Qt::red);
             g.Assign(imagem);
             g.SaveToFile(QString::fromStdString(semPasta));
         },
         "Não foi possível criar o arquivo \"" + semPasta + "\". Arquivo ou pasta inexistente"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nome);
        TPerguntadorLigado p;
        EXPECT_FALSE(Protege(c.comando));
        EXPECT_EQ(p.P.Erros, QStringList{QString::fromStdString(c.mensagem)});
    }
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
