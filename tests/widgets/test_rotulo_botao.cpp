// The shadowed label and the speed button, offscreen.
#include "KitBase.h"
#include "KitCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

QFont FonteFixa() {
    QFont f;
    f.setPixelSize(13);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// A 16 x 16 glyph: a black square inside a magenta key, with a red corner pixel.
TKitBitmap Glyph16(int celulas = 1) {
    TKitBitmap b;
    b.Imagem = QImage(16 * celulas, 16, QImage::Format_RGB32);
    b.Imagem.fill(qRgb(255, 0, 255));
    for (int c = 0; c < celulas; ++c) {
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                b.Imagem.setPixel(16 * c + x, y, qRgb(40 * c, 0, 0));
        b.Imagem.setPixel(16 * c + 4, 4, qRgb(200, 100, 50));
    }
    return b;
}

// The size the platform measures for a text laid out with `flags`.
QSize Medida(const QString &t, int flags = Qt::AlignLeft) {
    return QFontMetrics(FonteFixa()).boundingRect(QRect(0, 0, 10000, 10000), flags, t).size();
}

void Entra(QWidget &w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&w, &e);
}
void Sai(QWidget &w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST(KitRotulo, TextoComSombraEmCadaPosicao) {
    const QFont f = FonteFixa();
    const QFontMetrics fm(f);
    const QString t = QStringLiteral("Sombra");
    const QRect medido(QPoint(10, 20), Medida(t));
    struct {
        TKitShadowPosition pos;
        QRect uniao;
    } casos[] = {
        {spLeftTop, medido.adjusted(-2, -2, 0, 0)},
        {spLeftBottom, medido.adjusted(-2, 0, 0, 2)},
        {spRightBottom, medido.adjusted(0, 0, 2, 2)},
        {spRightTop, medido.adjusted(0, -2, 2, 0)},
    };
    for (const auto &c : casos) {
        QRect r(10, 20, 200, 50);
        const int h = PaintShadowedText(nullptr, f, t, r, Qt::AlignLeft | Qt::AlignTop, 2,
                                        Qt::white, Qt::black, c.pos);
        EXPECT_EQ(h, medido.height() + 2) << c.pos;
        EXPECT_EQ(r, c.uniao) << c.pos;
    }
    QRect r(0, 0, 100, 50);
    EXPECT_EQ(PaintShadowedText(nullptr, f, t, r, 0, 0, Qt::white, Qt::black, spRightTop),
              medido.height());
}

TEST(KitRotulo, TamanhoAutomaticoComSombra) {
    TKitLabel a, b;
    EXPECT_TRUE(a.AutoSize());
    EXPECT_EQ(a.ShadowSize(), 1);
    for (TKitLabel *l : {&a, &b}) {
        l->SetFont(FonteFixa());
        l->SetCaption(QStringLiteral("Análise"));
    }
    a.SetShadowSize(0);
    b.SetShadowSize(3);
    EXPECT_EQ(b.width() - a.width(), 3);
    EXPECT_EQ(b.height() - a.height(), 3);
    EXPECT_EQ(a.size(), Medida(QStringLiteral("Análise")) + QSize(2, 0));

    // A right-aligned label keeps its right edge; an empty caption measures as a blank.
    TKitLabel d;
    d.SetFont(FonteFixa());
    d.SetAutoSize(false);
    d.setGeometry(100, 10, 200, 20);
    d.SetAlignment(TKitAlignment::RightJustify);
    d.SetCaption(QStringLiteral("Texto"));
    d.SetAutoSize(true);
    EXPECT_EQ(d.x() + d.width(), 300);
    TKitLabel vazio;
    vazio.SetFont(FonteFixa());
    vazio.SetCaption(QStringLiteral("&"));
    EXPECT_GT(vazio.width(), 2);
    EXPECT_GT(vazio.height(), 0);
}

TEST(KitRotulo, DesabilitadoSempreGravado) {
    TKitLabel l;
    l.SetFont(FonteFixa());
    l.SetShadowSize(0);
    l.SetColor(Qt::blue);
    l.SetCaption(QStringLiteral("IIII"));
    l.SetAutoSize(false);
    l.resize(60, 20);
    l.setEnabled(false);
    const QImage img = l.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb cinza = KitSysColor(TKitSysColor::GrayText).rgb() | 0xFF000000u,
               realce = KitSysColor(TKitSysColor::BtnHighlight).rgb() | 0xFF000000u;
    int texto = 0, sombra = 0, deslocada = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            if (img.pixel(x, y) == cinza) {
                ++texto;
                const QRgb d = img.pixel(x + 1, y + 1);
                deslocada += (d == realce || d == cinza);
            }
            sombra += img.pixel(x, y) == realce;
        }
    EXPECT_GT(texto, 0);
    EXPECT_GT(sombra, 0);
    EXPECT_EQ(deslocada, texto); // the shadow lies one pixel right and down

    // Enabled with ShadowSize 0: no shadow at all.
    l.setEnabled(true);
    l.SetShadowColor(Qt::red);
    const QImage sem = l.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int vermelhos = 0;
    for (int y = 0; y < sem.height(); ++y)
        for (int x = 0; x < sem.width(); ++x)
            vermelhos += sem.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(vermelhos, 0);
}

TEST(KitRotulo, LayoutAceleradorEMouse) {
    QWidget janela;
    janela.resize(300, 100);
    TKitLabel l(&janela);
    l.SetFont(FonteFixa());
    l.SetAutoSize(false);
    l.setGeometry(0, 0, 100, 40);
    l.SetShadowSize(0);
    l.SetCaption(QStringLiteral("&Nome"));
    const int th = Medida(QStringLiteral("&Nome")).height();
    EXPECT_EQ(l.TextRect().top(), 0);
    l.SetLayout(TKitTextLayout::Center);
    EXPECT_EQ(l.TextRect().top(), (40 - th) / 2);
    l.SetLayout(TKitTextLayout::Bottom);
    EXPECT_EQ(l.TextRect().top(), 40 - th);

    auto *edit = new QLineEdit(&janela);
    edit->move(0, 50);
    janela.show();
    QApplication::setActiveWindow(&janela);
    EXPECT_FALSE(l.DialogChar(QLatin1Char('n'))); // no focus control yet
    l.SetFocusControl(edit);
    EXPECT_FALSE(l.DialogChar(QLatin1Char('x')));
    EXPECT_TRUE(l.DialogChar(QLatin1Char('n')));
    EXPECT_TRUE(edit->hasFocus());
    l.SetShowAccelChar(false);
    EXPECT_FALSE(l.DialogChar(QLatin1Char('n')));
    delete edit;
    EXPECT_EQ(l.FocusControl(), nullptr);

    int entradas = 0, saidas = 0;
    l.OnMouseEnter = [&] { ++entradas; };
    l.OnMouseLeave = [&] { ++saidas; };
    Entra(l);
    EXPECT_TRUE(l.MouseInControl());
    Sai(l);
    l.setEnabled(false);
    Entra(l); // a disabled label does not track the mouse
    EXPECT_EQ(entradas, 1);
    EXPECT_EQ(saidas, 1);
}

// ---------------------------------------------------------------------------------------------

TEST(KitBotao, PadroesEValoresRecusados) {
    TKitSpeedButton b;
    EXPECT_EQ(b.size(), QSize(25, 25));
    EXPECT_EQ(b.Layout(), blGlyphTop);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 1);
    EXPECT_EQ(b.InitPause(), 500);
    EXPECT_EQ(b.RepeatInterval(), 100);
    b.SetMargin(-2);
    EXPECT_EQ(b.Margin(), -1);
    b.SetMargin(3);
    b.SetMargin(-5);
    EXPECT_EQ(b.Margin(), 3);
    b.SetNumGlyphs(7);
    EXPECT_EQ(b.NumGlyphs(), 5);

    // A glyph picture sets its count when its width is an exact multiple of its height.
    b.SetGlyph(Glyph16(4));
    EXPECT_EQ(b.NumGlyphs(), 4);
    b.SetGlyph(Glyph16(7));
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetNumGlyphs(3);
    TKitBitmap vazio;
    vazio.Imagem = QImage(0, 16, QImage::Format_RGB32);
    b.SetGlyph(vazio);
    EXPECT_EQ(b.NumGlyphs(), 3);
    const int vivos = TKitSpeedButton::LiveButtons();
    {
        TKitSpeedButton outro;
        EXPECT_EQ(TKitSpeedButton::LiveButtons(), vivos + 1);
    }
    EXPECT_EQ(TKitSpeedButton::LiveButtons(), vivos);
}

TEST(KitBotao, LugaresDeGlyphELegenda) {
    TKitSpeedButton b;
    b.setFont(FonteFixa());
    b.resize(60, 40); // new style, not flat: face 54 x 34 from (3, 3)
    EXPECT_EQ(b.FaceRect(false), QRect(3, 3, 54, 34));
    b.SetGlyph(Glyph16());

    // Glyph only, Margin -1: centred; Spacing counts as 0 without a caption.
    TKitButtonPlaces p = b.Places();
    EXPECT_EQ(p.Glyph, QRect(3 + 19, 3 + 9, 16, 16));

    // Margin and Spacing set, caption of measured size (tw, th).
    b.SetCaption(QStringLiteral("Ab"));
    const QSize medida = Medida(QStringLiteral("Ab"), Qt::TextShowMnemonic);
    const int tw = medida.width(), th = medida.height();
    b.SetMargin(4);
    b.SetSpacing(2);
    b.SetLayout(blGlyphLeft);
    p = b.Places();
    EXPECT_EQ(p.Glyph.topLeft(), QPoint(3 + 4, 3 + 34 / 2 - 8));
    EXPECT_EQ(p.Caption, QRect(3 + 4 + 16 + 2, 3 + 34 / 2 - th / 2, tw, th));
    b.SetLayout(blGlyphRight);
    p = b.Places();
    EXPECT_EQ(p.Glyph.left(), 3 + 54 - 4 - 16);
    EXPECT_EQ(p.Caption.left(), 3 + 54 - 4 - 16 - 2 - tw);
    b.SetLayout(blGlyphTop);
    b.resize(60, 60); // face 54 x 54
    p = b.Places();
    EXPECT_EQ(p.Glyph.topLeft(), QPoint(3 + 27 - 8, 3 + 4));
    EXPECT_EQ(p.Caption.topLeft(), QPoint(3 + 27 - tw / 2, 3 + 4 + 16 + 2));
    b.SetLayout(blGlyphBottom);
    p = b.Places();
    EXPECT_EQ(p.Glyph.top(), 3 + 54 - 4 - 16);
    EXPECT_EQ(p.Caption.top(), 3 + 54 - 4 - 16 - 2 - th);

    // Both -1: margin = spacing = (H - gh - th) div 3.
    b.SetMargin(-1);
    b.SetSpacing(-1);
    b.SetLayout(blGlyphTop);
    p = b.Places();
    const int m = (54 - 16 - th) / 3;
    EXPECT_EQ(p.Glyph.top(), 3 + m);
    EXPECT_EQ(p.Caption.top(), 3 + m + 16 + m);
    // Spacing -1 only: spacing = (W - margin - gw) div 2 - tw div 2.
    b.SetMargin(5);
    b.SetLayout(blGlyphLeft);
    p = b.Places();
    EXPECT_EQ(p.Caption.left(), 3 + 5 + 16 + ((54 - 5 - 16) / 2 - tw / 2));
    // Margin -1 only: margin = W div 2 - (gw + spacing + tw) div 2.
    b.SetMargin(-1);
    b.SetSpacing(3);
    p = b.Places();
    EXPECT_EQ(p.Glyph.left(), 3 + 54 / 2 - (16 + 3 + tw) / 2);

    // A drop-down mark: glyph top widens the glyph by 6, the mark right of it.
    QMenu menu;
    b.SetDropDownMenu(&menu);
    b.SetCaption(QString());
    b.SetLayout(blGlyphTop);
    p = b.Places();
    ASSERT_TRUE(p.HasMark);
    EXPECT_EQ(p.Glyph.left(), 3 + 27 - 22 / 2);
    EXPECT_EQ(p.Mark, QPoint(p.Glyph.left() + 17, p.Glyph.top() + 8));
    // Glyph left: the caption widens by 9 and the mark follows it.
    b.SetCaption(QStringLiteral("Ab"));
    b.SetLayout(blGlyphLeft);
    b.SetMargin(2);
    b.SetSpacing(2);
    p = b.Places();
    EXPECT_EQ(p.Caption.left(), 3 + 2 + 16 + 2);
    EXPECT_EQ(p.Mark, QPoint(p.Caption.left() + tw + 3, p.Caption.top() + th / 2));
    // Glyph left without a caption: the mark goes in the room kept after the glyph, not over
    // the glyph.
    b.SetCaption(QString());
    p = b.Places();
    EXPECT_EQ(p.Mark, QPoint(3 + 2 + 16 + 2 + 1, p.Glyph.top() + 8));
    // No glyph, no caption: the mark is centred in the face.
    TKitSpeedButton s;
    s.resize(25, 25);
    s.SetDropDownMenu(&menu);
    p = s.Places();
    EXPECT_EQ(p.Mark.x(), (3 + 3 + 19 - 7) / 2);
    s.SetMarkDropDown(false);
    EXPECT_FALSE(s.Places().HasMark);

    // A caption wider than the room is cut with "...".
    TKitSpeedButton longo;
    longo.setFont(FonteFixa());
    longo.resize(40, 22);
    longo.SetCaption(QStringLiteral("Temperaturas"));
    p = longo.Places();
    EXPECT_TRUE(p.Text.endsWith(QLatin1String("...")));
    EXPECT_LE(p.Caption.width(), 34);
}

TEST(KitBotao, SoltarNaBordaEGrupos) {
    QWidget pai;
    TKitSpeedButton b(&pai);
    int cliques = 0;
    b.OnClick = [&] { ++cliques; };
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.State(), StateDown);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(b.width(), 5));
    EXPECT_EQ(cliques, 0);
    EXPECT_EQ(b.State(), StateUp);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, b.height()));
    EXPECT_EQ(cliques, 1);
    // Dragging out shows it up, back in down.
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&b, QPoint(40, 5));
    QMouseEvent fora(QEvent::MouseMove, QPointF(40, 5), b.mapToGlobal(QPointF(40, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &fora);
    EXPECT_EQ(b.State(), StateUp);
    QMouseEvent dentro(QEvent::MouseMove, QPointF(3, 3), b.mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &dentro);
    EXPECT_EQ(b.State(), StateDown);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(cliques, 2);

    // Down needs a group.
    b.SetDown(true);
    EXPECT_FALSE(b.Down());

    TKitSpeedButton g1(&pai), g2(&pai), g3(&pai);
    for (auto *g : {&g1, &g2, &g3})
        g->SetGroupIndex(1);
    g3.SetGroupIndex(2);
    g3.SetDown(true);
    QTest::mouseClick(&g1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(g1.Down());
    EXPECT_EQ(g1.State(), StateExclusive);
    QTest::mouseClick(&g2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(g2.Down());
    EXPECT_FALSE(g1.Down());
    EXPECT_TRUE(g3.Down()); // another group
    QTest::mouseClick(&g2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(g2.Down()); // no AllowAllUp: stays down
    EXPECT_EQ(g2.State(), StateExclusive);
    g2.SetAllowAllUp(true); // passed to the group
    EXPECT_TRUE(g1.AllowAllUp());
    EXPECT_FALSE(g3.AllowAllUp());
    QTest::mouseClick(&g2, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(g2.Down());

    // A programmatic click in a group toggles Down and clicks once.
    int c1 = 0;
    g1.OnClick = [&] { ++c1; };
    TKitTemporizador::DefineTempoReal(false);
    g1.ButtonClick();
    EXPECT_TRUE(g1.Down());
    EXPECT_EQ(c1, 1);
    b.ButtonClick();
    EXPECT_EQ(cliques, 3);
    EXPECT_EQ(b.State(), StateUp);
    b.setEnabled(false);
    EXPECT_EQ(b.State(), StateDisabled);
    b.ButtonClick();
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(cliques, 3);
    b.setEnabled(true);
    EXPECT_EQ(b.State(), StateUp);
    TKitTemporizador::DefineTempoReal(true);
}

TEST(KitBotao, RepeticaoMenuEDialogo) {
    TKitTemporizador::DefineTempoReal(false);
    QDialog d;
    TKitSpeedButton b(&d);
    b.move(10, 10);
    int cliques = 0;
    b.OnClick = [&] { ++cliques; };
    b.SetAllowTimer(true);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(b.RepeatTimer().Ativo());
    EXPECT_EQ(b.RepeatTimer().Intervalo(), 500);
    b.TimerExpired();
    b.TimerExpired();
    EXPECT_EQ(cliques, 2);
    EXPECT_EQ(b.RepeatTimer().Intervalo(), 100);
    QMouseEvent fora(QEvent::MouseMove, QPointF(40, 5), b.mapToGlobal(QPointF(40, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &fora);
    b.TimerExpired(); // shown up while dragged out: no click
    EXPECT_EQ(cliques, 2);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_FALSE(b.RepeatTimer().Ativo());
    EXPECT_EQ(cliques, 2);

    // The menu pops up at the described points; its button does not click.
    QMenu menu;
    b.SetAllowTimer(false);
    b.SetDropDownMenu(&menu);
    QPoint onde;
    int menus = 0;
    DefineKitMenu([&](QMenu &m, const QPoint &p) {
        EXPECT_EQ(&m, &menu);
        onde = b.mapFromGlobal(p);
        ++menus;
    });
    b.resize(30, 20);
    struct {
        TKitDropDownMenuPos pos;
        TKitMenuAlignment al;
        QPoint esperado;
    } casos[] = {
        {dmpBottom, TKitMenuAlignment::Left, {-1, 20}},
        {dmpBottom, TKitMenuAlignment::Right, {31, 20}},
        {dmpBottom, TKitMenuAlignment::Center, {15, 20}},
        {dmpRight, TKitMenuAlignment::Left, {30, -1}},
        {dmpRight, TKitMenuAlignment::Right, {-1, -1}},
        {dmpRight, TKitMenuAlignment::Center, {15, 20}},
    };
    for (const auto &c : casos) {
        b.SetMenuPosition(c.pos);
        b.SetMenuAlignment(c.al);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(onde, c.esperado);
    }
    EXPECT_EQ(menus, 6);
    EXPECT_EQ(cliques, 2);
    EXPECT_EQ(b.State(), StateUp);
    b.ButtonClick(); // ignored with a menu
    EXPECT_EQ(cliques, 2);
    DefineKitMenu(nullptr);

    // A click sets the dialog's result.
    b.SetDropDownMenu(nullptr);
    b.SetModalResult(QDialog::Accepted);
    d.show();
    b.ButtonClick();
    EXPECT_EQ(d.result(), int(QDialog::Accepted));
    EXPECT_FALSE(d.isVisible());
    TKitTemporizador::DefineTempoReal(true);
}

TEST(KitBotao, EntradaSaidaEPlano) {
    QWidget janela;
    janela.resize(100, 100);
    TKitSpeedButton b(&janela);
    b.SetFlat(true);
    int entra = 0, sai = 0;
    b.OnMouseEnter = [&] { ++entra; };
    b.OnMouseLeave = [&] { ++sai; };
    janela.show();
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(AppIsForeground());
    Entra(b);
    EXPECT_TRUE(b.MouseInControl());
    // Leaving while the left button drags does not count.
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    Sai(b);
    EXPECT_EQ(sai, 0);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(sai, 1); // re-checked after mouse up
    EXPECT_EQ(entra, 1);
}

TEST(KitBotao, ImagensPorEstadoECache) {
    const int listas = TKitButtonGlyph::CachedLists();
    {
        TKitSpeedButton a, b;
        a.SetGlyph(Glyph16());
        b.SetGlyph(Glyph16());
        TKitButtonGlyph &g = a.ButtonGlyph();
        const QImage up = g.StateImage(StateUp);
        EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0); // the key colour is see-through
        EXPECT_EQ(up.pixel(5, 5) & 0xFFFFFF, 0u);
        const QImage inativo = g.StateImage(StateInactive);
        const int nivel = (77 * 200 + 150 * 100 + 29 * 50) / 256;
        EXPECT_EQ(inativo.pixel(4, 4) & 0xFFFFFF, qRgb(nivel, nivel, nivel) & 0xFFFFFF);
        const QImage off = g.StateImage(StateDisabled);
        EXPECT_EQ(off.pixel(5, 5) & 0xFFFFFF,
                  KitSysColor(TKitSysColor::BtnShadow).rgb() & 0xFFFFFF);
        EXPECT_EQ(off.pixel(12, 12) & 0xFFFFFF,
                  KitSysColor(TKitSysColor::BtnHighlight).rgb() & 0xFFFFFF);
        EXPECT_EQ(qAlpha(off.pixel(0, 0)), 0);
        EXPECT_EQ(g.StateImage(StateDown), up);
        b.ButtonGlyph().StateImage(StateUp);
        EXPECT_EQ(TKitButtonGlyph::CachedLists(), listas + 1); // one list per size
        EXPECT_TRUE(g.Cached(StateUp));
        a.SetNumGlyphs(2);
        EXPECT_FALSE(g.Cached(StateUp)); // a new count drops the images

        // Five cells: each state takes its own.
        TKitSpeedButton c;
        c.SetGlyph(Glyph16(5));
        ASSERT_EQ(c.NumGlyphs(), 5);
        for (int s = StateUp; s <= StateInactive; ++s)
            EXPECT_EQ(qRed(c.ButtonGlyph().StateImage(TKitButtonState(s)).pixel(6, 6)), 40 * s);
    }
    EXPECT_EQ(TKitButtonGlyph::CachedLists(), 0);
}

TEST(KitBotao, AcaoEDuploClique) {
    QWidget pai;
    TKitSpeedButton b(&pai);
    b.SetGroupIndex(3);
    b.SetAllowAllUp(true);
    QAction acao(QStringLiteral("Nós"));
    acao.setCheckable(true);
    QPixmap icone(16, 16);
    icone.fill(QColor(0, 128, 0));
    acao.setIcon(QIcon(icone));
    b.SetAction(&acao);
    EXPECT_EQ(b.Glyph().Imagem.size(), QSize(16, 16)); // an empty glyph takes the icon
    EXPECT_EQ(b.Glyph().Imagem.pixel(8, 8) & 0xFFFFFF, 0x008000u);
    EXPECT_EQ(b.Glyph().TransparentColor(), qRgb(255, 0, 255));
    acao.setChecked(true);
    EXPECT_TRUE(b.Down());
    acao.setChecked(false);
    EXPECT_FALSE(b.Down());
    acao.setEnabled(false);
    EXPECT_FALSE(b.isEnabled());
    acao.setEnabled(true);

    // A double click counts only on a down button.
    int duplos = 0;
    b.OnDblClick = [&] { ++duplos; };
    QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    const int primeiro = duplos;
    b.SetDown(true);
    QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(duplos, primeiro + 1);
}
