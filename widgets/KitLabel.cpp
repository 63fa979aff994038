#include "KitLabel.h"

#include "KitUtils.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFocusRect>

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
    if (FHover.Update(isEnabled(), FDragging))
        FHover.Fire(OnMouseEnter, OnMouseLeave);
}

void TKitCustomLabel::enterEvent(QEnterEvent *) {
    FHover.SetUnderMouse(true);
    UpdateTracking();
}

void TKitCustomLabel::leaveEvent(QEvent *) {
    FHover.SetUnderMouse(false);
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
