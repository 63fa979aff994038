#include "KitCtrls.h"

#include "KitBase.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFocusRect>

#include <map>

// ---------------------------------------------------------------------------------------------
// Shadow text

namespace {

QRect Mede(const QFont &fonte, const QRect &r, int flags, const QString &texto) {
    const QFontMetrics fm(fonte);
    const QRect b = fm.boundingRect(QRect(r.left(), r.top(), r.width(), 1 << 20),
                                    flags & ~(Qt::AlignVertical_Mask), texto);
    return QRect(r.topLeft(), b.size());
}

} // namespace

int PaintShadowedText(QPainter *p, const QFont &fonte, const QString &texto, QRect &r, int flags,
                      int s, const QColor &sombra, const QColor &cor, TKitShadowPosition pos) {
    QRect r2 = r;
    switch (pos) {
    case spLeftTop:
        r2.translate(-s, -s);
        break;
    case spLeftBottom:
        r2.translate(-s, s);
        break;
    case spRightBottom:
        r2.translate(s, s);
        break;
    case spRightTop:
        r2.translate(s, -s);
        break;
    }
    int altura;
    if (p) {
        p->setFont(fonte);
        p->setPen(sombra);
        p->drawText(r2, flags, texto);
        altura = Mede(fonte, r2, flags, texto).height();
        p->setPen(cor);
        p->drawText(r, flags, texto);
    } else {
        r2 = Mede(fonte, r2, flags, texto);
        altura = r2.height();
        r = Mede(fonte, r, flags, texto);
    }
    r = r.united(r2);
    return s > 0 ? altura + s : altura;
}

// ---------------------------------------------------------------------------------------------
// Label

TKitCustomLabel::TKitCustomLabel(QWidget *pai) : QWidget(pai) {
    resize(65, 17);
    FShadowColor = KitSysColor(TKitSysColor::BtnHighlight);
    FColor = pai ? pai->palette().color(QPalette::Window)
                 : QApplication::palette().color(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);
}

TKitCustomLabel::~TKitCustomLabel() = default;

QColor TKitCustomLabel::TextColor() const {
    return palette().color(QPalette::WindowText);
}

QString TKitCustomLabel::TextToShow() const {
    return FCaption;
}

void TKitCustomLabel::SetCaption(const QString &s) {
    if (s == FCaption)
        return;
    FCaption = s;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TKitCustomLabel::SetFocusControl(QWidget *w) {
    if (FFocusControl == w)
        return;
    if (FFocusControl)
        FFocusControl->removeEventFilter(this);
    FFocusControl = w;
    FFocused = w && w->hasFocus();
    if (w)
        w->installEventFilter(this);
    update();
}

bool TKitCustomLabel::eventFilter(QObject *o, QEvent *e) {
    if (o == FFocusControl && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        FFocused = e->type() == QEvent::FocusIn;
        if (FShowFocus)
            update();
    }
    return false;
}

#define KIT_SETTER(Nome, Tipo, Campo, Ajusta)                                                      \
    void TKitCustomLabel::Set##Nome(Tipo v) {                                                      \
        if (Campo == v)                                                                            \
            return;                                                                                \
        Campo = v;                                                                                 \
        if (Ajusta)                                                                                \
            AdjustBounds();                                                                        \
        update();                                                                                  \
    }
KIT_SETTER(Alignment, TKitAlignment, FAlignment, false)
KIT_SETTER(Layout, TKitTextLayout, FLayout, false)
KIT_SETTER(ShadowColor, const QColor &, FShadowColor, false)
KIT_SETTER(ShadowSize, std::uint8_t, FShadowSize, true)
KIT_SETTER(ShadowPos, TKitShadowPosition, FShadowPos, false)
KIT_SETTER(WordWrap, bool, FWordWrap, true)
KIT_SETTER(ShowFocus, bool, FShowFocus, false)
KIT_SETTER(Transparent, bool, FTransparent, false)
KIT_SETTER(Color, const QColor &, FColor, false)
#undef KIT_SETTER

void TKitCustomLabel::SetAutoSize(bool b) {
    if (FAutoSize == b)
        return;
    FAutoSize = b;
    AdjustBounds();
}

void TKitCustomLabel::SetShowAccelChar(bool b) {
    if (FShowAccelChar == b)
        return;
    FShowAccelChar = b;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TKitCustomLabel::SetFontColor(const QColor &c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
    update();
}

void TKitCustomLabel::SetFont(const QFont &f) {
    setFont(f);
    AdjustBounds();
    update();
}

int TKitCustomLabel::DrawFlags() const {
    int f = Qt::TextExpandTabs | Qt::AlignTop;
    if (FWordWrap)
        f |= Qt::TextWordWrap;
    if (FShowAccelChar)
        f |= Qt::TextShowMnemonic;
    switch (FAlignment) {
    case TKitAlignment::LeftJustify:
        f |= Qt::AlignLeft;
        break;
    case TKitAlignment::RightJustify:
        f |= Qt::AlignRight;
        break;
    case TKitAlignment::Center:
        f |= Qt::AlignHCenter;
        break;
    }
    return f;
}

void TKitCustomLabel::DoDrawText(QPainter *p, QRect &r, int flags) const {
    QString texto = TextToShow();
    if (!p && (texto.isEmpty() || (FShowAccelChar && texto == QLatin1String("&"))))
        texto += QLatin1Char(' ');
    QColor cor = TextColor(), sombra = FShadowColor;
    int s = FShadowSize;
    TKitShadowPosition pos = FShadowPos;
    if (!isEnabled()) {
        cor = KitSysColor(TKitSysColor::GrayText);
        sombra = KitSysColor(TKitSysColor::BtnHighlight);
        if (s == 0) {
            s = 1;
            pos = spRightBottom;
        }
    }
    PaintShadowedText(p, font(), texto, r, flags, s, sombra, cor, pos);
}

QRect TKitCustomLabel::TextArea() const {
    QRect r = rect();
    r.setLeft(r.left() + FLeftMargin);
    r.setRight(r.right() - FRightMargin);
    return r.adjusted(1, 0, -1, 0);
}

QRect TKitCustomLabel::TextRect() const {
    QRect r = TextArea();
    DoDrawText(nullptr, r, DrawFlags());
    if (FLayout != TKitTextLayout::Top) {
        const int livre = height() - (r.bottom() + 1);
        r.translate(0, FLayout == TKitTextLayout::Center ? livre / 2 : livre);
    }
    return r;
}

void TKitCustomLabel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!FTransparent)
        p.fillRect(rect(), FColor);
    QRect r = TextArea();
    const int flags = DrawFlags();
    if (FLayout != TKitTextLayout::Top) {
        QRect m = r;
        DoDrawText(nullptr, m, flags);
        const int livre = height() - (m.bottom() + 1);
        r.translate(0, FLayout == TKitTextLayout::Center ? livre / 2 : livre);
    }
    QRect desenho = r;
    DoDrawText(&p, desenho, flags);
    if (FShowFocus && FFocusControl && FFocused) {
        QRect f = r;
        DoDrawText(nullptr, f, flags);
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = f.adjusted(-1, 0, 1, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

void TKitCustomLabel::AdjustBounds() {
    if (!FAutoSize)
        return;
    QRect r = rect();
    r.setLeft(FLeftMargin);
    r.setRight(r.right() - FRightMargin);
    r.adjust(1, 0, -1, 0);
    DoDrawText(nullptr, r, DrawFlags());
    const int w = r.width() + 2 + FLeftMargin + FRightMargin, h = r.height();
    int x = this->x();
    if ((FAlignment == TKitAlignment::RightJustify) != (layoutDirection() == Qt::RightToLeft))
        x = this->x() + width() - w;
    setGeometry(x, y(), w, h);
}

void TKitCustomLabel::UpdateTracking() {
    const bool dentro = isEnabled() && FUnderMouse && AppIsForeground();
    if (dentro == FMouseInControl)
        return;
    if (!dentro && FDragging)
        return;
    FMouseInControl = dentro;
    if (dentro) {
        if (OnMouseEnter)
            OnMouseEnter();
    } else if (OnMouseLeave)
        OnMouseLeave();
}

void TKitCustomLabel::enterEvent(QEnterEvent *) {
    FUnderMouse = true;
    UpdateTracking();
}

void TKitCustomLabel::leaveEvent(QEvent *) {
    FUnderMouse = false;
    UpdateTracking();
}

void TKitCustomLabel::changeEvent(QEvent *e) {
    if (e->type() == QEvent::EnabledChange) {
        UpdateTracking();
        update();
    } else if (e->type() == QEvent::FontChange) {
        AdjustBounds();
    }
    QWidget::changeEvent(e);
}

void TKitCustomLabel::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        FDragging = true;
    QWidget::mousePressEvent(e);
}

void TKitCustomLabel::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        FDragging = false;
    UpdateTracking();
    QWidget::mouseReleaseEvent(e);
}

bool TKitCustomLabel::DialogChar(QChar c) {
    if (!FShowAccelChar || !isEnabled() || !FFocusControl)
        return false;
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty() || QKeySequence(Qt::ALT | Qt::Key(c.toUpper().unicode())) != m)
        return false;
    if (!FFocusControl->isEnabled() || !FFocusControl->isVisible() ||
        FFocusControl->focusPolicy() == Qt::NoFocus)
        return false;
    FFocusControl->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TKitCustomLabel::UpdateShortcut() {
    delete FShortcut;
    FShortcut = nullptr;
    if (!FShowAccelChar)
        return;
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty())
        return;
    FShortcut = new QShortcut(m, this);
    QObject::connect(FShortcut, &QShortcut::activated, this, [this] {
        const QString t = QKeySequence::mnemonic(FCaption).toString();
        if (!t.isEmpty())
            DialogChar(t.back());
    });
}

// ---------------------------------------------------------------------------------------------
// Glyph cache

class TGlyphList : public TKitImageList {
public:
    using TKitImageList::TKitImageList;
    int Allocate(const QImage &img) {
        for (int i = 0; i < Count(); ++i)
            if (!FUsados[std::size_t(i)]) {
                FUsados[std::size_t(i)] = true;
                Replace(i, img);
                ++FEmUso;
                return i;
            }
        FUsados.push_back(true);
        ++FEmUso;
        return Add(img);
    }
    void Free(int i) {
        if (i >= 0 && i < int(FUsados.size()) && FUsados[std::size_t(i)]) {
            FUsados[std::size_t(i)] = false;
            --FEmUso;
        }
    }
    int InUse() const { return FEmUso; }

private:
    std::vector<bool> FUsados;
    int FEmUso = 0;
};

namespace {

struct TGlyphCache {
    std::map<std::pair<int, int>, std::unique_ptr<TGlyphList>> Listas;
    TGlyphList *Get(int w, int h) {
        auto &l = Listas[{w, h}];
        if (!l)
            l = std::make_unique<TGlyphList>(w, h);
        return l.get();
    }
    void Return(TGlyphList *l) {
        if (!l || l->InUse() > 0)
            return;
        for (auto it = Listas.begin(); it != Listas.end(); ++it)
            if (it->second.get() == l) {
                Listas.erase(it);
                return;
            }
    }
};

TGlyphCache *gCache = nullptr;
int gPintores = 0;
int gBotoes = 0;

} // namespace

TKitButtonGlyph::TKitButtonGlyph() : FTransparentColor(qRgb(255, 0, 255)) {
    if (gPintores++ == 0)
        gCache = new TGlyphCache;
}

TKitButtonGlyph::~TKitButtonGlyph() {
    Invalidate();
    if (--gPintores == 0) {
        delete gCache;
        gCache = nullptr;
    }
}

int TKitButtonGlyph::CachedLists() {
    return gCache ? int(gCache->Listas.size()) : 0;
}

void TKitButtonGlyph::Invalidate() {
    for (int &i : FIndexes) {
        if (i >= 0 && FList)
            FList->Free(i);
        i = -1;
    }
    if (FList && gCache)
        gCache->Return(FList);
    FList = nullptr;
}

void TKitButtonGlyph::SetGlyph(const TKitBitmap &b) {
    Invalidate();
    FOriginal = b;
    FTransparentColor = b.Vazio() ? qRgb(255, 0, 255) : b.TransparentColor();
    if (!b.Vazio() && b.Largura() % b.Altura() == 0) {
        const int n = b.Largura() / b.Altura();
        FNumGlyphs = n > 5 ? 1 : n;
    }
}

void TKitButtonGlyph::SetNumGlyphs(int n) {
    n = n < 1 ? 1 : (n > 5 ? 5 : n);
    if (n == FNumGlyphs)
        return;
    Invalidate();
    FNumGlyphs = n;
}

QSize TKitButtonGlyph::GlyphSize() const {
    if (FOriginal.Vazio())
        return QSize(0, 0);
    return QSize(FOriginal.Largura() / FNumGlyphs, FOriginal.Altura());
}

int TKitButtonGlyph::CreateButtonGlyph(TKitButtonState s) {
    if (FIndexes[s] >= 0)
        return FIndexes[s];
    const QSize g = GlyphSize();
    if (g.isEmpty())
        return -1;
    auto celula = [&](int i) {
        return FOriginal.Imagem.copy(QRect(i * g.width(), 0, g.width(), g.height()));
    };
    const QRgb face = KitSysColor(TKitSysColor::BtnFace).rgb();
    QImage img;
    switch (s) {
    case StateUp:
        img = KeyedImage(celula(0), FTransparentColor);
        break;
    case StateDisabled:
        if (FNumGlyphs >= 2)
            img = KeyedImage(celula(1), FTransparentColor);
        else
            img = KeyedImage(MakeEngravedBitmap(celula(0), FTransparentColor), face);
        break;
    case StateDown:
        img = KeyedImage(celula(FNumGlyphs >= 3 ? 2 : 0), FTransparentColor);
        break;
    case StateExclusive:
        img = KeyedImage(celula(FNumGlyphs >= 4 ? 3 : 0), FTransparentColor);
        break;
    case StateInactive:
        if (FNumGlyphs == 5)
            img = KeyedImage(celula(4), FTransparentColor);
        else
            img = KeyedImage(GrayedImage(celula(0), FTransparentColor, face), FTransparentColor);
        break;
    }
    if (!FList)
        FList = gCache->Get(g.width(), g.height());
    FIndexes[s] = FList->Allocate(img);
    return FIndexes[s];
}

QImage TKitButtonGlyph::StateImage(TKitButtonState s) {
    const int i = CreateButtonGlyph(s);
    return i < 0 ? QImage() : FList->Image(i);
}

TKitButtonPlaces TKitButtonGlyph::CalcPlaces(const QRect &face, const QFontMetrics &fm,
                                             const QString &caption, TKitButtonLayout layout,
                                             int margin, int spacing, bool mark) const {
    TKitButtonPlaces r;
    const int W = face.width(), H = face.height();
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    QSize g = GlyphSize();
    int gw = g.width(), gh = g.height();
    const bool temGlyph = gw > 0 && gh > 0;

    int larg, alt;
    if (horizontal) {
        larg =
            W - gw - (margin != -1 ? margin : 0) - (spacing != -1 ? spacing : 0) - (mark ? 9 : 0);
        alt = H;
    } else {
        larg = W;
        alt = H - gh - (margin != -1 ? margin : 0) - (spacing != -1 ? spacing : 0);
    }
    larg = IntMax(larg, 0);
    alt = IntMax(alt, 0);

    QString texto = caption.left(255);
    if (!FWordWrap) {
        QStringList linhas = texto.split(QLatin1Char('\n'));
        for (QString &l : linhas) {
            l = FitWithEllipsis(l, fm, larg);
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
        }
        texto = linhas.join(QLatin1Char('\n'));
    }
    int tw = 0, th = 0;
    if (!texto.isEmpty()) {
        // The size does not depend on the alignment; measuring left-aligned avoids the
        // rounding of a centred fractional width.
        const int flags =
            Qt::AlignLeft | Qt::TextShowMnemonic | (FWordWrap ? int(Qt::TextWordWrap) : 0);
        const QRect b = fm.boundingRect(QRect(0, 0, larg, 1 << 20), flags, texto);
        tw = IntMin(b.width(), larg);
        th = IntMin(b.height(), alt);
    }
    r.Text = texto;
    const int twTexto = tw;
    if (mark) {
        if (!temGlyph || layout == blGlyphLeft)
            tw += 9;
        else
            gw += 6;
    }

    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (horizontal) {
        gy = H / 2 - gh / 2;
        ty = H / 2 - th / 2;
    } else {
        gx = W / 2 - gw / 2;
        tx = W / 2 - tw / 2;
    }
    if (tw == 0 || gw == 0)
        spacing = 0;
    const int extG = horizontal ? gw : gh, extT = horizontal ? tw : th, ext = horizontal ? W : H;
    if (margin == -1 && spacing == -1) {
        margin = (ext - extG - extT) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = ext / 2 - (extG + spacing + extT) / 2;
    } else if (spacing == -1) {
        spacing = (ext - margin - extG) / 2 - extT / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        gx = margin;
        tx = margin + gw + spacing;
        break;
    case blGlyphRight:
        gx = W - margin - gw;
        tx = gx - spacing - tw;
        break;
    case blGlyphTop:
        gy = margin;
        ty = margin + gh + spacing;
        break;
    case blGlyphBottom:
        gy = H - margin - gh;
        ty = gy - spacing - th;
        break;
    }
    const QPoint o = face.topLeft();
    r.Glyph = QRect(QPoint(gx, gy) + o, g);
    r.Caption = QRect(QPoint(tx, ty) + o, QSize(twTexto, th));
    r.HasMark = mark;
    if (mark) {
        if (layout != blGlyphLeft && temGlyph)
            r.Mark = QPoint(r.Glyph.left() + g.width() + 1, r.Glyph.top() + g.height() / 2);
        else if (!texto.isEmpty())
            r.Mark = QPoint(r.Caption.left() + twTexto + 3, r.Caption.top() + th / 2);
        else if (temGlyph) // glyph left without caption: in the room kept after the glyph
            r.Mark = QPoint(r.Caption.left() + 1, r.Glyph.top() + g.height() / 2);
        else
            r.Mark = QPoint((face.left() + face.left() + W - 7) / 2, r.Caption.top() + th / 2);
    }
    return r;
}

namespace {
void DesenhaMarca(QPainter &p, QPoint m, const QColor &c) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i)
        p.fillRect(m.x() + i, m.y() - 1 + i, 7 - 2 * i, 1, c);
}
} // namespace

TKitButtonPlaces TKitButtonGlyph::Draw(QPainter &p, const QRect &face, const QPoint &offset,
                                       const QString &caption, TKitButtonLayout layout, int margin,
                                       int spacing, TKitButtonState state, bool mark,
                                       const QColor &corTexto) {
    TKitButtonPlaces r =
        CalcPlaces(face, QFontMetrics(p.font()), caption, layout, margin, spacing, mark);
    r.Glyph.translate(offset);
    r.Caption.translate(offset);
    r.Mark += offset;
    if (!r.Glyph.isEmpty()) {
        const QImage img = StateImage(state);
        if (!img.isNull())
            p.drawImage(r.Glyph.topLeft(), img);
    }
    const QColor realce = KitSysColor(TKitSysColor::BtnHighlight),
                 sombra = KitSysColor(TKitSysColor::BtnShadow);
    if (!r.Text.isEmpty()) {
        int flags =
            Qt::AlignVCenter | Qt::TextShowMnemonic | (FWordWrap ? int(Qt::TextWordWrap) : 0);
        flags |= FAlignment == TKitAlignment::LeftJustify    ? Qt::AlignLeft
                 : FAlignment == TKitAlignment::RightJustify ? Qt::AlignRight
                                                             : Qt::AlignHCenter;
        if (state == StateDisabled) {
            p.setPen(realce);
            p.drawText(r.Caption.translated(1, 1), flags, r.Text);
            p.setPen(sombra);
        } else
            p.setPen(corTexto);
        p.drawText(r.Caption, flags, r.Text);
    }
    if (r.HasMark) {
        if (state == StateDisabled) {
            DesenhaMarca(p, r.Mark + QPoint(1, 1), realce);
            DesenhaMarca(p, r.Mark, sombra);
        } else
            DesenhaMarca(p, r.Mark, KitSysColor(TKitSysColor::BtnText));
    }
    return r;
}

// ---------------------------------------------------------------------------------------------
// Speed button

TKitSpeedButton::TKitSpeedButton(QWidget *pai)
    : QWidget(pai), FGlyph(std::make_unique<TKitButtonGlyph>()) {
    ++gBotoes;
    resize(25, 25);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMouseReplay);
    setToolTipDuration(-1);
}

TKitSpeedButton::~TKitSpeedButton() {
    --gBotoes;
}

int TKitSpeedButton::LiveButtons() {
    return gBotoes;
}

const TKitTemporizador &TKitSpeedButton::RepeatTimer() const {
    static const TKitTemporizador parado(nullptr);
    return FTimer ? *FTimer : parado;
}

void TKitSpeedButton::SetCaption(const QString &s) {
    if (s == FCaption)
        return;
    FCaption = s;
    UpdateShortcut();
    update();
}

void TKitSpeedButton::SetAllowAllUp(bool b) {
    if (FAllowAllUp == b)
        return;
    FAllowAllUp = b;
    UpdateExclusive();
}

void TKitSpeedButton::SetAllowTimer(bool b) {
    FAllowTimer = b;
    if (!b && FTimer)
        FTimer->Para();
}

void TKitSpeedButton::SetAlignment(TKitAlignment a) {
    if (FGlyph->Alignment() == a)
        return;
    FGlyph->SetAlignment(a);
    update();
}

void TKitSpeedButton::SetDown(bool b) {
    if (FGroupIndex == 0)
        b = false;
    if (b == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = b;
    if (isEnabled()) {
        if (b) {
            if (FState == StateUp)
                update();
            FState = StateExclusive;
        } else {
            FState = StateUp;
            update();
        }
    }
    if (b)
        UpdateExclusive();
    update();
}

void TKitSpeedButton::SetDropDownMenu(QMenu *m) {
    if (FDropDownMenu == m)
        return;
    FDropDownMenu = m;
    update();
}

void TKitSpeedButton::SetFlat(bool b) {
    if (FFlat == b)
        return;
    FFlat = b;
    update();
}

void TKitSpeedButton::SetGlyph(const TKitBitmap &b) {
    FGlyph->SetGlyph(b);
    update();
}

void TKitSpeedButton::SetGrayedInactive(bool b) {
    if (FGrayedInactive == b)
        return;
    FGrayedInactive = b;
    update();
}

void TKitSpeedButton::SetGroupIndex(int g) {
    if (FGroupIndex == g)
        return;
    FGroupIndex = g;
    UpdateExclusive();
}

void TKitSpeedButton::SetLayout(TKitButtonLayout l) {
    if (FLayout == l)
        return;
    FLayout = l;
    update();
}

void TKitSpeedButton::SetMargin(int m) {
    if (m == FMargin || m < -1)
        return;
    FMargin = m;
    update();
}

void TKitSpeedButton::SetMarkDropDown(bool b) {
    if (FMarkDropDown == b)
        return;
    FMarkDropDown = b;
    update();
}

void TKitSpeedButton::SetNumGlyphs(int n) {
    n = n < 1 ? 1 : (n > 5 ? 5 : n);
    if (n == FGlyph->NumGlyphs())
        return;
    FGlyph->SetNumGlyphs(n);
    update();
}

void TKitSpeedButton::SetSpacing(int s) {
    if (s == FSpacing)
        return;
    FSpacing = s;
    update();
}

void TKitSpeedButton::SetStyle(TKitButtonStyle s) {
    if (s == FStyle)
        return;
    FStyle = s;
    update();
}

void TKitSpeedButton::SetTransparent(bool b) {
    if (b == FTransparent)
        return;
    FTransparent = b;
    setAttribute(Qt::WA_OpaquePaintEvent, !b);
    update();
}

void TKitSpeedButton::SetWordWrap(bool b) {
    if (b == FGlyph->WordWrap())
        return;
    FGlyph->SetWordWrap(b);
    update();
}

QColor TKitSpeedButton::FontColor() const {
    return FFontColor.isValid() ? FFontColor : KitSysColor(TKitSysColor::BtnText);
}

void TKitSpeedButton::SetFontColor(const QColor &c) {
    if (c == FFontColor)
        return;
    FFontColor = c;
    update();
}

void TKitSpeedButton::SetAction(QAction *a) {
    FAction = a;
    if (!a)
        return;
    auto segue = [this] {
        if (!FAction)
            return;
        if (FAction->isCheckable() && FGroupIndex != 0)
            SetDown(FAction->isChecked());
        if (FGlyph->Glyph().Vazio() && !FAction->icon().isNull()) {
            const QSize t(16, 16);
            QImage img(t, QImage::Format_RGB32);
            img.fill(QColor(255, 0, 255));
            QPainter p(&img);
            p.drawPixmap(0, 0, FAction->icon().pixmap(t));
            p.end();
            TKitBitmap b;
            b.Imagem = img;
            b.Transparente = qRgb(255, 0, 255);
            SetGlyph(b);
        }
        setEnabled(FAction->isEnabled());
    };
    QObject::connect(a, &QAction::changed, this, segue);
    segue();
}

bool TKitSpeedButton::NewStyle() const {
    return FStyle != bsWin31;
}

QRect TKitSpeedButton::DrawFace(QPainter *p, QRect r, bool down) const {
    const QColor face = KitSysColor(TKitSysColor::BtnFace),
                 hi = KitSysColor(TKitSysColor::BtnHighlight),
                 sh = KitSysColor(TKitSysColor::BtnShadow),
                 wf = KitSysColor(TKitSysColor::WindowFrame);
    auto moldura = [&](const QColor &tl, const QColor &br) {
        if (p) {
            p->fillRect(r.left(), r.top(), r.width(), 1, tl);
            p->fillRect(r.left(), r.top(), 1, r.height(), tl);
            p->fillRect(r.left(), r.bottom(), r.width(), 1, br);
            p->fillRect(r.right(), r.top(), 1, r.height(), br);
        }
        r.adjust(1, 1, -1, -1);
    };
    if (NewStyle()) {
        if (!FFlat) {
            if (down) {
                moldura(wf, hi);
                moldura(sh, face);
            } else {
                moldura(hi, wf);
                moldura(face, sh);
            }
        } else if (down)
            moldura(wf, hi);
        else
            moldura(hi, sh);
    } else if (!FFlat) {
        moldura(wf, wf);
        if (down) {
            if (p) {
                p->fillRect(r.left(), r.top(), r.width(), 1, sh);
                p->fillRect(r.left(), r.top(), 1, r.height(), sh);
            }
        } else
            moldura(hi, sh);
    } else if (down)
        moldura(wf, hi);
    else
        moldura(hi, wf);
    return r.adjusted(1, 1, -1, -1);
}

QRect TKitSpeedButton::FaceRect(bool down) const {
    return DrawFace(nullptr, rect(), down);
}

void TKitSpeedButton::paintEvent(QPaintEvent *) {
    if (!isEnabled()) {
        FState = StateDisabled;
        FDragging = false;
    } else if (FState == StateDisabled)
        FState = (FDown && FGroupIndex != 0) ? StateExclusive : StateUp;
    const TKitButtonState desenhado = (FFlat && !FMouseInControl) ? StateInactive : FState;
    const qreal dpr = devicePixelRatioF();
    QPixmap bmp(size() * dpr);
    bmp.setDevicePixelRatio(dpr);
    bmp.fill(KitSysColor(TKitSysColor::BtnFace));
    {
        QPainter p(&bmp);
        p.setFont(font());
        if (FTransparent && !KitCopyPainting())
            PaintParentBackground(this, p);
        const bool baixo = FState == StateDown || FState == StateExclusive;
        QRect r = rect();
        if (!(desenhado == StateInactive && FState != StateExclusive))
            r = DrawFace(&p, r, baixo);
        else
            r.adjust(2, 2, -2, -2);
        if (FState == StateExclusive && !FTransparent && (!FFlat || desenhado == StateInactive)) {
            QBrush xadrez(KitSysColor(TKitSysColor::BtnHighlight), Qt::Dense4Pattern);
            p.fillRect(r, KitSysColor(TKitSysColor::BtnFace));
            p.fillRect(r, xadrez);
        }
        if (baixo)
            r.translate(1, 1);
        const TKitButtonState estadoGlyph = (!isEnabled() || !FGrayedInactive) ? FState : desenhado;
        PaintContent(p, r, estadoGlyph, FMarkDropDown && FDropDownMenu);
    }
    QPainter tela(this);
    tela.drawPixmap(0, 0, bmp);
}

void TKitSpeedButton::PaintContent(QPainter &p, const QRect &face, TKitButtonState state,
                                   bool drawMark) {
    FGlyph->Draw(p, face, QPoint(0, 0), FCaption, FLayout, FMargin, FSpacing, state, drawMark,
                 FontColor());
}

TKitButtonPlaces TKitSpeedButton::Places() const {
    const bool baixo = FState == StateDown || FState == StateExclusive;
    return FGlyph->CalcPlaces(FaceRect(baixo), QFontMetrics(font()), FCaption, FLayout, FMargin,
                              FSpacing, FMarkDropDown && FDropDownMenu);
}

QPoint TKitSpeedButton::MenuPoint() const {
    if (FMenuPosition == dmpBottom) {
        switch (FMenuAlignment) {
        case TKitMenuAlignment::Left:
            return QPoint(-1, height());
        case TKitMenuAlignment::Right:
            return QPoint(width() + 1, height());
        case TKitMenuAlignment::Center:
            return QPoint(width() / 2, height());
        }
    }
    switch (FMenuAlignment) {
    case TKitMenuAlignment::Left:
        return QPoint(width(), -1);
    case TKitMenuAlignment::Right:
        return QPoint(-1, -1);
    case TKitMenuAlignment::Center:
        break;
    }
    return QPoint(width() / 2, height());
}

void TKitSpeedButton::PopMenu() {
    FMenuTracking = true;
    KitPopupMenu(*FDropDownMenu, mapToGlobal(MenuPoint()));
    FMenuTracking = false;
    // The press that closed the menu must not press the button again.
    DropPendingMessage(this, QEvent::MouseButtonPress);
    FDragging = false;
    FState = FDown ? StateExclusive : StateUp;
    update();
}

void TKitSpeedButton::mousePressEvent(QMouseEvent *e) {
    e->accept();
    if (e->button() != Qt::LeftButton) {
        UpdateTracking();
        return;
    }
    if (!isEnabled())
        return;
    if (!FDown) {
        FState = StateDown;
        repaint();
    }
    FDragging = true;
    if (FDropDownMenu) {
        PopMenu();
        return;
    }
    if (FAllowTimer) {
        if (!FTimer)
            FTimer = std::make_unique<TKitTemporizador>([this] { TimerExpired(); });
        FTimer->Inicia(FInitPause);
    }
}

void TKitSpeedButton::mouseMoveEvent(QMouseEvent *e) {
    if (!FDragging)
        return;
    const bool dentro = rect().contains(e->position().toPoint());
    TKitButtonState novo = FDown ? StateExclusive : (dentro ? StateDown : StateUp);
    if (novo != FState) {
        FState = novo;
        update();
    }
}

void TKitSpeedButton::mouseReleaseEvent(QMouseEvent *e) {
    e->accept();
    if (e->button() != Qt::LeftButton) {
        UpdateTracking();
        return;
    }
    if (!FDragging)
        return;
    FDragging = false;
    const QPoint pt = e->position().toPoint();
    const bool conta = pt.x() >= 0 && pt.x() < width() && pt.y() >= 0 && pt.y() <= height();
    if (FGroupIndex == 0) {
        FState = StateUp;
    } else {
        if (conta)
            SetDown(!FDown);
        FState = FDown ? StateExclusive : StateUp;
    }
    update();
    if (FTimer)
        FTimer->Para();
    if (conta && !FMenuTracking)
        Click();
    UpdateTracking();
}

void TKitSpeedButton::mouseDoubleClickEvent(QMouseEvent *e) {
    mousePressEvent(e);
    if (FDown && OnDblClick)
        OnDblClick();
}

void TKitSpeedButton::TimerExpired() {
    if (!FTimer)
        return;
    FTimer->Inicia(FRepeatInterval);
    if (FState == StateDown && FDragging)
        Click();
}

void TKitSpeedButton::Click() {
    if (OnClick)
        OnClick();
    if (FModalResult != 0)
        if (auto *d = qobject_cast<QDialog *>(window()))
            d->done(FModalResult);
}

void TKitSpeedButton::ButtonClick() {
    if (FMenuTracking || !isEnabled() || FDropDownMenu)
        return;
    FState = StateDown;
    repaint();
    KitEsperaAtiva(20);
    if (FGroupIndex == 0) {
        Click();
        FState = StateUp;
        repaint();
    } else {
        SetDown(!FDown);
        FState = FDown ? StateExclusive : StateUp;
        repaint();
        Click();
    }
}

bool TKitSpeedButton::DialogChar(QChar c) {
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty() || !isEnabled() || QKeySequence(Qt::ALT | Qt::Key(c.toUpper().unicode())) != m)
        return false;
    Click();
    return true;
}

void TKitSpeedButton::UpdateShortcut() {
    delete FShortcut;
    FShortcut = nullptr;
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty())
        return;
    FShortcut = new QShortcut(m, this);
    QObject::connect(FShortcut, &QShortcut::activated, this, [this] {
        if (isEnabled())
            Click();
    });
}

void TKitSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !parentWidget())
        return;
    for (QObject *o : parentWidget()->children())
        if (auto *b = dynamic_cast<TKitSpeedButton *>(o);
            b && b != this && b->FGroupIndex == FGroupIndex)
            b->ReceiveExclusive(this);
}

void TKitSpeedButton::ReceiveExclusive(TKitSpeedButton *remetente) {
    if (remetente->FDown && FDown) {
        FDown = false;
        FState = StateUp;
        update();
    }
    FAllowAllUp = remetente->FAllowAllUp;
}

void TKitSpeedButton::UpdateTracking() {
    const bool dentro = isEnabled() && FUnderMouse && AppIsForeground();
    if (dentro == FMouseInControl)
        return;
    if (!dentro && FDragging)
        return;
    FMouseInControl = dentro;
    if (FFlat)
        update();
    if (dentro) {
        if (OnMouseEnter)
            OnMouseEnter();
    } else if (OnMouseLeave)
        OnMouseLeave();
}

void TKitSpeedButton::enterEvent(QEnterEvent *) {
    FUnderMouse = true;
    UpdateTracking();
}

void TKitSpeedButton::leaveEvent(QEvent *) {
    FUnderMouse = false;
    UpdateTracking();
}

void TKitSpeedButton::changeEvent(QEvent *e) {
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            FState = StateDisabled;
            FDragging = false;
        } else if (FState == StateDisabled)
            FState = (FDown && FGroupIndex != 0) ? StateExclusive : StateUp;
        UpdateTracking();
        update();
    }
    QWidget::changeEvent(e);
}

void TKitSpeedButton::showEvent(QShowEvent *e) {
    UpdateTracking();
    QWidget::showEvent(e);
}
