// The kit's support routines: strings, memory, bitmap cells, engraved and grey glyphs, text
// fitting, resources, cursors and the number conversions shared with the platform layer.
#include "KitBase.h"
#include "KitConst.h"
#include "KitNumeros.h"
#include "KitUtils.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <vector>

TEST(KitRotinas, Textos) {
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
    EXPECT_EQ(ReplaceAll("R$ 1.234,50 R$", "R$", ""), " 1.234,50 ");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("xyxyx", "xyx", "-"), "-yx");
    EXPECT_EQ(RemoveChar("1.234.567", '.'), "1234567");
    EXPECT_EQ(TrimLeftSpaces("  a b \t "), "a b \t ");
    EXPECT_EQ(TrimRightSpaces(" \ta b  "), " \ta b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("  x  "), "x");
    EXPECT_EQ(RepeatChar('*', 0), "");
    EXPECT_EQ(RepeatChar('*', -3), "");
    EXPECT_EQ(RepeatChar('*', 3), "***");
    EXPECT_EQ(IntMax(-2, 5), 5);
    EXPECT_EQ(IntMin(-2, 5), -2);
}

TEST(KitRotinas, Memoria) {
    void *p = GlobalBlockAlloc(64);
    ASSERT_NE(p, nullptr);
    const char zeros[64] = {};
    EXPECT_TRUE(SameBytes(p, zeros, 64));
    static_cast<char *>(p)[63] = 1;
    EXPECT_FALSE(SameBytes(p, zeros, 64)); // a difference in the last, partial word
    CopyBytes(zeros, OffsetPointer(p, 60), 4);
    EXPECT_TRUE(SameBytes(p, zeros, 64));
    GlobalBlockFree(p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(GlobalBlockAlloc(0), nullptr);
    EXPECT_EQ(WidthOf(TKitRect{3, 4, 10, 20}), 7);
    EXPECT_EQ(HeightOf(TKitRect{3, 4, 10, 20}), 16);
    EXPECT_EQ(PaletteRelative(0x00123456), 0x02123456u);
}

namespace {
// 84 x 13 picture of six cells, each filled with its own colour, with a magenta key.
TKitBitmap SeisCelulas() {
    TKitBitmap b;
    b.Imagem = QImage(84, 13, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 14; ++x)
                b.Imagem.setPixel(i * 14 + x, y, qRgb(10 * i, 20, 30));
    b.Transparente = qRgb(255, 0, 255);
    return b;
}
} // namespace

TEST(KitRotinas, CelulaDeBitmap) {
    const TKitBitmap fonte = SeisCelulas();
    TKitBitmap c;
    CopyBitmapCell(&fonte, &c, 6, 1, 5);
    ASSERT_EQ(c.Imagem.size(), QSize(14, 13));
    EXPECT_EQ(c.Imagem.pixel(0, 0), qRgb(50, 20, 30)); // the right-most cell
    EXPECT_EQ(c.Imagem.pixel(13, 12), qRgb(50, 20, 30));
    EXPECT_EQ(c.TransparentColor(), qRgb(255, 0, 255));

    CopyBitmapCell(&fonte, &c, 0, 0, -4); // columns and rows 1, index 0: the whole picture
    EXPECT_EQ(c.Imagem.size(), QSize(84, 13));
    CopyBitmapCell(&fonte, &c, 3, 2, 4); // 28 x 6 cells, row 1, column 1
    EXPECT_EQ(c.Imagem.size(), QSize(28, 6));
    EXPECT_EQ(c.Imagem.pixel(0, 0), qRgb(20, 20, 30));

    // Without a transparent colour set, the lower-left pixel is the key, and it passes on.
    TKitBitmap semChave = fonte;
    semChave.Transparente.reset();
    CopyBitmapCell(&semChave, &c, 6, 1, 3);
    EXPECT_EQ(c.TransparentColor(), qRgb(0, 20, 30));

    TKitBitmap intacto = c;
    CopyBitmapCell(static_cast<const TKitBitmap *>(nullptr), &c, 6, 1, 1);
    EXPECT_EQ(c.Imagem, intacto.Imagem);

    // Another picture kind is drawn onto silver.
    QPixmap px(20, 10);
    px.fill(Qt::transparent);
    CopyBitmapCell(&px, &c, 2, 1, 1);
    ASSERT_EQ(c.Imagem.size(), QSize(10, 10));
    EXPECT_EQ(c.Imagem.pixel(5, 5), qRgb(192, 192, 192));
}

TEST(KitRotinas, GravadoECinza) {
    // A 4 x 4 picture with one dark pixel at (1, 1) on the key colour.
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    img.setPixel(1, 1, qRgb(0, 0, 0));
    const QColor fundo(1, 2, 3), realce(250, 250, 250), sombra(90, 90, 90);
    QImage g = MakeEngravedBitmapWith(img, qRgb(255, 0, 255), fundo, realce, sombra, true);
    EXPECT_EQ(g.pixel(1, 1), sombra.rgb());
    EXPECT_EQ(g.pixel(2, 2), realce.rgb());
    EXPECT_EQ(g.pixel(0, 0), fundo.rgb());
    EXPECT_EQ(g.pixel(2, 1), fundo.rgb());
    g = MakeEngravedBitmapWith(img, qRgb(255, 0, 255), fundo, realce, sombra, false);
    EXPECT_EQ(g.pixel(2, 2), fundo.rgb());

    QImage c(3, 1, QImage::Format_RGB32);
    c.setPixel(0, 0, qRgb(255, 0, 255));
    c.setPixel(1, 0, qRgb(192, 192, 192));
    c.setPixel(2, 0, qRgb(200, 100, 50));
    const QImage cinza = GrayedImage(c, qRgb(255, 0, 255), qRgb(192, 192, 192));
    EXPECT_EQ(cinza.pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(cinza.pixel(1, 0), qRgb(192, 192, 192));
    const int nivel = (77 * 200 + 150 * 100 + 29 * 50) / 256; // 124
    EXPECT_EQ(cinza.pixel(2, 0), qRgb(nivel, nivel, nivel));

    // Keyed drawing leaves the key colour out; "none" draws opaquely.
    TKitBitmap b;
    b.Imagem = c;
    QImage tela(3, 1, QImage::Format_RGB32);
    tela.fill(qRgb(0, 0, 255));
    {
        QPainter p(&tela);
        DrawBitmapKeyed(p, QPoint(0, 0), b, clKitMagenta);
    }
    EXPECT_EQ(tela.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(tela.pixel(2, 0), qRgb(200, 100, 50));
    {
        QPainter p(&tela);
        DrawBitmapKeyed(p, QPoint(0, 0), b, clKitNone);
    }
    EXPECT_EQ(tela.pixel(0, 0), qRgb(255, 0, 255));
}

TEST(KitRotinas, ReticenciasQuandoNaoCabe) {
    QFont f;
    f.setPixelSize(12);
    const QFontMetrics fm(f);
    const QString t = QStringLiteral("Temperatura");
    EXPECT_EQ(FitWithEllipsis(t, fm, fm.horizontalAdvance(t)), t);
    const QString curto = FitWithEllipsis(t, fm, fm.horizontalAdvance(t) - 1);
    EXPECT_TRUE(curto.endsWith(QLatin1String("...")));
    EXPECT_LE(fm.horizontalAdvance(curto), fm.horizontalAdvance(t) - 1);
    EXPECT_EQ(curto.size() - 3, t.size() - 2); // the first cut drops two characters
    EXPECT_EQ(FitWithEllipsis(t, fm, 0), QStringLiteral("..."));
    EXPECT_EQ(FitWithEllipsis(t, fm, -50), QStringLiteral("..."));
    EXPECT_EQ(FitWithEllipsis(QString(), fm, 0), QString());
}

TEST(KitRotinas, RecursosCursoresEAviso) {
    const TKitBitmap calc = LoadModuleBitmap(QString(), QStringLiteral("CALCBTNS"));
    EXPECT_EQ(calc.Imagem.size(), QSize(84, 13));
    EXPECT_EQ(calc.TransparentColor() & 0xFFFFFFu, 0xFF00FFu);
    try {
        LoadModuleBitmap(QString(), QStringLiteral("NADA"));
        ADD_FAILURE() << "no error";
    } catch (const EKitResourceNotFound &e) {
        EXPECT_STREQ(e.what(), "Resource NADA not found");
    }
    try {
        RaiseMissingResource(4711);
    } catch (const EKitResourceNotFound &e) {
        EXPECT_STREQ(e.what(), "Resource 4711 not found");
    }

    KitRegisterCursors();
    ASSERT_TRUE(KitCursorRegistered(crKitHand));
    ASSERT_TRUE(KitCursorRegistered(crKitDrag));
    EXPECT_EQ(crKitHand, 14000);
    EXPECT_EQ(crKitDrag, 14001);
    EXPECT_EQ(KitCursor(crKitHand).shape(), Qt::BitmapCursor);
    EXPECT_EQ(KitCursor(crKitHand).pixmap().size(), QSize(32, 32));
    EXPECT_EQ(KitCursor(12345).shape(), Qt::ArrowCursor);

    QStringList avisos;
    DefineKitInforma([&](const QString &t) { avisos << t; });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EXPECT_THROW(ReportUnavailable(), EKitAbort);
    DefineKitInforma(nullptr);
    EXPECT_EQ(avisos, QStringList{QStringLiteral("Function not yet implemented")});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(KitRotinas, NumerosComoOsDaPlataforma) {
    // The kit's own conversions agree with the platform layer's, which the program binds.
    const double valores[] = {0,
                              1,
                              -1,
                              0.1,
                              1.0 / 3,
                              2.0 / 3,
                              1e15,
                              1e16,
                              123456789012345.0,
                              1e-4,
                              1e-5,
                              1.5e-7,
                              -2.5e300,
                              1.7976931348623157e308,
                              4.9e-324,
                              99.95,
                              9.99999,
                              0.000123456,
                              1234.5678,
                              55};
    for (int dig : {2, 3, 6, 15}) {
        for (double v : valores) {
            EXPECT_EQ(KitFormataGeralPadrao(v, dig, ','), FormatG(v, dig, ','))
                << v << " with " << dig;
        }
    }
    const char *textos[] = {"12,5",  " -3,25 ", "1E5", "1e-3", "+7", "abc",  "",
                            "1,2,3", "1E999",   "5,",  ",5",   "1E", "2e+3", "-"};
    for (const char *t : textos) {
        double a = -1, b = -1;
        EXPECT_EQ(KitLeRealPadrao(t, a, ','), TryStrToFloat(t, b, ',')) << t;
        EXPECT_EQ(a, b) << t;
    }

    DefineKitDecimalSeparator(',');
    EXPECT_EQ(KitFormataGeral(2.5, 15), "2,5");
    DefineConversoesReais(&FormatG, &TryStrToFloat, &DecimalSeparator);
    SetDecimalSeparator('.');
    EXPECT_EQ(KitDecimalSeparator(), '.');
    EXPECT_EQ(KitFormataGeral(2.5, 15), "2.5");
    double v = 0;
    EXPECT_TRUE(KitLeReal("7.25", v));
    EXPECT_EQ(v, 7.25);
    DefineConversoesReais(nullptr, nullptr, nullptr);
    DefineKitDecimalSeparator('.');
}

namespace {
const QEvent::Type kOutro = QEvent::Type(QEvent::User + 1);

// Counts the events it gets by kind; quit requests are counted and kept from the application.
class TContaEventos : public QObject {
public:
    int Usuario = 0, Outros = 0, Quit = 0;
    bool event(QEvent *e) override {
        if (e->type() == QEvent::User)
            ++Usuario;
        else if (e->type() == kOutro)
            ++Outros;
        return QObject::event(e);
    }
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() != QEvent::Quit)
            return false;
        ++Quit;
        return true;
    }
};
} // namespace

// One pending event of the kind goes; the others stay, and nothing is posted that was not there.
TEST(KitRotinas, DescartaMensagemPendente) {
    struct Caso {
        std::vector<QEvent::Type> postados;
        QEvent::Type tipo;
        int usuario, outros, quit;
    };
    const Caso casos[] = {
        {{QEvent::User, kOutro, QEvent::User, QEvent::User}, QEvent::User, 2, 1, 0},
        {{kOutro}, QEvent::User, 0, 1, 0},
        {{QEvent::User}, QEvent::Quit, 1, 0, 0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.postados.size());
        TContaEventos o;
        QCoreApplication::instance()->installEventFilter(&o);
        for (QEvent::Type t : c.postados)
            QCoreApplication::postEvent(&o, new QEvent(t));
        DropPendingMessage(&o, c.tipo);
        QCoreApplication::sendPostedEvents(&o);
        QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::Quit);
        // The next event of the kind, posted after all pending ones were delivered, arrives.
        QCoreApplication::postEvent(&o, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&o);
        QCoreApplication::instance()->removeEventFilter(&o);
        EXPECT_EQ(o.Usuario, c.usuario + 1);
        EXPECT_EQ(o.Outros, c.outros);
        EXPECT_EQ(o.Quit, c.quit);
    }
}
