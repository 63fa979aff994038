// Renders the calculator dialog, both keypads, labels and buttons in every state to PNG files
// (folder DARV_PNG_DIR, else <temp>/darv-kit-png) and checks what they show.
#include "KitBase.h"
#include "KitCalc.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

QString Pasta() {
    QString p = qEnvironmentVariable("DARV_PNG_DIR");
    if (p.isEmpty())
        p = QDir::temp().filePath(QStringLiteral("darv-kit-png"));
    QDir().mkpath(p);
    return p;
}

QImage Grava(QWidget &w, const char *nome) {
    const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(img.save(QDir(Pasta()).filePath(QLatin1String(nome))));
    return img;
}

int Conta(const QImage &img, const QRect &r, QRgb cor) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (cor & 0xFFFFFF);
    return n;
}

TKitBitmap Glyph16() {
    TKitBitmap b;
    b.Imagem = QImage(16, 16, QImage::Format_RGB32);
    b.Imagem.fill(qRgb(255, 0, 255));
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x)
            b.Imagem.setPixel(x, y, (x + y) % 4 ? qRgb(0, 0, 160) : qRgb(230, 40, 40));
    return b;
}

} // namespace

TEST(KitDesenho, DialogoDaCalculadoraETeclados) {
    TKitTemporizador::DefineTempoReal(false);
    TKitCalculatorForm f(nullptr);
    f.setWindowTitle(QStringLiteral("Calculadora"));
    for (char c : std::string("1234.5"))
        QTest::keyClick(&f, c);
    f.CalcPanel()->Button(KeyMemoryStore)->ButtonClick();
    const QImage img = Grava(f, "calculadora_dialogo.png");
    ASSERT_EQ(img.size(), QSize(242, 159));
    EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(f.CalcPanel()->MemoryMark()->text(), QStringLiteral("M"));
    // The keys' glyphs: OK green, Cancel red, each inside its own key.
    const QPoint o = f.CalcPanel()->mapTo(&f, QPoint(0, 0));
    const QRect ok = f.CalcPanel()->Button(KeyOk)->geometry().translated(o);
    const QRect cancela = f.CalcPanel()->Button(KeyCancel)->geometry().translated(o);
    EXPECT_GT(Conta(img, ok, qRgb(0, 128, 0)), 10);
    EXPECT_EQ(Conta(img, ok, qRgb(192, 0, 0)), 0);
    EXPECT_GT(Conta(img, cancela, qRgb(192, 0, 0)), 10);
    EXPECT_EQ(Conta(img, ok, qRgb(255, 0, 255)), 0); // the key colour never shows
    // Operator captions in purple, memory captions in navy.
    const QRect div = f.CalcPanel()->Button(KeyDivide)->geometry().translated(o);
    const QRect mc = f.CalcPanel()->Button(KeyMemoryClear)->geometry().translated(o);
    EXPECT_GT(Conta(img, div, qRgb(128, 0, 128)), 0);
    EXPECT_GT(Conta(img, mc, qRgb(0, 0, 128)), 0);

    for (char c : std::string("/0="))
        QTest::keyClick(&f, c);
    Grava(f, "calculadora_erro.png");
    EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("Error"));

    TCalculatorPanel dialogo(nullptr, DialogLayout);
    EXPECT_EQ(Grava(dialogo, "teclado_dialogo.png").size(), QSize(240, 129));
    TLocCalculator popup(nullptr);
    const QImage p = Grava(popup, "teclado_popup.png");
    EXPECT_EQ(p.size(), QSize(98, 124));
    const QRect igual = popup.Button(KeyEquals)->geometry();
    EXPECT_GT(Conta(p, igual, qRgb(128, 0, 128)), 0);
    TKitTemporizador::DefineTempoReal(true);
}

TEST(KitDesenho, BotoesEmCadaEstadoERotulos) {
    QWidget fundo;
    fundo.resize(9 * 44 + 8, 120);
    fundo.setAutoFillBackground(true);
    QPalette pal = fundo.palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 128));
    fundo.setPalette(pal);
    std::vector<TKitSpeedButton *> b;
    for (int i = 0; i < 9; ++i) {
        auto *s = new TKitSpeedButton(&fundo);
        s->setGeometry(4 + 44 * i, 4, 40, 40);
        s->SetGlyph(Glyph16());
        s->SetCaption(QStringLiteral("B%1").arg(i));
        b.push_back(s);
    }
    // 0 up, 1 pressed, 2 down in a group, 3 disabled, 4 flat away from the mouse,
    // 5 flat under the mouse, 6 drop-down mark, 7 transparent, 8 old style pressed.
    QTest::mousePress(b[1], Qt::LeftButton, {}, QPoint(5, 5));
    b[2]->SetGroupIndex(1);
    b[2]->SetDown(true);
    b[3]->setEnabled(false);
    b[4]->SetFlat(true);
    b[5]->SetFlat(true);
    fundo.show();
    QApplication::setActiveWindow(&fundo);
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), b[5]->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(b[5], &e);
    QMenu menu;
    b[6]->SetDropDownMenu(&menu);
    b[6]->SetLayout(blGlyphLeft);
    b[6]->SetCaption(QString());
    b[7]->SetTransparent(true);
    b[8]->SetStyle(bsWin31);
    QTest::mousePress(b[8], Qt::LeftButton, {}, QPoint(5, 5));

    auto *rotulo = new TKitLabel(&fundo);
    QFont f = rotulo->font();
    f.setPixelSize(28);
    f.setBold(true);
    rotulo->SetFont(f);
    rotulo->SetShadowSize(3);
    rotulo->SetShadowPos(spRightBottom);
    rotulo->SetShadowColor(Qt::black);
    rotulo->SetFontColor(QColor(255, 220, 0));
    rotulo->SetTransparent(true);
    rotulo->SetCaption(QStringLiteral("ZOK-2D"));
    rotulo->move(10, 60);
    auto *apagado = new TKitLabel(&fundo);
    apagado->SetShadowSize(0);
    apagado->SetCaption(QStringLiteral("Desabilitado"));
    apagado->move(200, 70);
    apagado->setEnabled(false);
    rotulo->show();
    apagado->show();

    const QImage img = Grava(fundo, "botoes_e_rotulos.png");
    auto area = [&](int i) { return b[std::size_t(i)]->geometry(); };
    const QRgb azul = qRgb(0, 0, 160), face = KitSysColor(TKitSysColor::BtnFace).rgb(),
               realce = KitSysColor(TKitSysColor::BtnHighlight).rgb(), teal = qRgb(0, 128, 128);
    EXPECT_GT(Conta(img, area(0), azul), 50);
    EXPECT_GT(Conta(img, area(1), azul), 50);
    // Disabled and flat-inactive glyphs lose their colour.
    EXPECT_EQ(Conta(img, area(3), azul), 0);
    EXPECT_EQ(Conta(img, area(4), azul), 0);
    EXPECT_GT(Conta(img, area(5), azul), 50); // the mouse over a flat button shows it in colour
    // Down in a group: the checkered face.
    const QRect dentro = area(2).adjusted(4, 30, -4, -4);
    EXPECT_GT(Conta(img, dentro, realce), 10);
    EXPECT_GT(Conta(img, dentro, face), 10);
    // Pressed content moves one pixel right and down.
    EXPECT_EQ(b[1]->State(), StateDown);
    // Only the transparent button lets the background through.
    EXPECT_GT(Conta(img, area(7), teal), 100);
    EXPECT_EQ(Conta(img, area(0), teal), 0);
    // The label: yellow text over its black shadow on the teal background.
    EXPECT_GT(Conta(img, rotulo->geometry(), qRgb(255, 220, 0)), 30);
    EXPECT_GT(Conta(img, rotulo->geometry(), qRgb(0, 0, 0)), 30);
}
