#include "KitComboEdit.h"

#include "KitNumeros.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

QPoint PopupPlace(const QRect &edit, const QSize &popup, const QRect &area, TPopupAlign align) {
    const int direita = area.x() + area.width();
    const int base = area.y() + area.height();
    int y = edit.y() + edit.height();
    if (y + popup.height() > base)
        y = edit.y() - popup.height();
    y = std::max(area.y(), std::min(y, base - popup.height()));
    int x = edit.x();
    if (align == epaRight) {
        x -= popup.width() - edit.width();
        if (x < area.x())
            x = edit.x();
    } else if (x + popup.width() > direita) {
        x -= popup.width() - edit.width();
    }
    if (x + popup.width() > direita)
        x = direita - popup.width();
    if (x < area.x())
        x = area.x();
    return {x, y};
}

TKitBitmap EllipsisGlyph(int largura) {
    const int w = std::max(1, largura - 6);
    QImage img(w, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int s = std::min(std::max(1, (w - 6) / 2), 3);
    const int x0 = (w - 6 - 2 * s) / 2;
    for (int x : {x0, x0 + s + 2, x0 + 2 * s + 4})
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 1; dy < 3; ++dy)
                if (x + dx >= 0 && x + dx < w)
                    img.setPixel(x + dx, dy, qRgb(0, 0, 0));
    TKitBitmap b;
    b.Imagem = img;
    return b;
}

TKitBitmap DropDownGlyph() {
    QImage img(7, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < 4; ++y)
        for (int x = y; x < 7 - y; ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));
    TKitBitmap b;
    b.Imagem = img;
    return b;
}

// ---------------------------------------------------------------------------------------------

TPopupWindow::TPopupWindow(QWidget *editor)
    : QFrame(editor, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      FEditor(editor) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TPopupWindow::FinishPopup(bool accept) {
    if (OnPopupFinished)
        OnPopupFinished(this, accept);
}

void TPopupWindow::InvalidateEditor() {
    if (FEditor)
        FEditor->repaint();
}

void TPopupWindow::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        FinishPopup(contentsRect().contains(e->position().toPoint()));
    QFrame::mouseReleaseEvent(e);
}

// ---------------------------------------------------------------------------------------------

TEditButton::TEditButton(QWidget *pai, TCustomComboEdit *edit)
    : TKitSpeedButton(pai), FEdit(edit) {}

void TEditButton::Click() {
    if (FNoAction) {
        FNoAction = false;
        return;
    }
    TKitSpeedButton::Click();
}

void TEditButton::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && FEdit) {
        FNoAction = FEdit->PopupOpen();
        FEdit->ButtonMouseDown();
    }
    TKitSpeedButton::mousePressEvent(e);
}

void TEditButton::paintEvent(QPaintEvent *e) {
    TKitSpeedButton::paintEvent(e);
    if (State() == StateDown)
        return;
    QPainter p(this);
    p.setPen(KitSysColor(TKitSysColor::BtnFace));
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(KitSysColor(TKitSysColor::BtnHighlight));
    p.drawLine(1, 1, 1, height() - 2);
}

// ---------------------------------------------------------------------------------------------

TCustomComboEdit::TCustomComboEdit(QWidget *pai)
    : QLineEdit(pai), FClickKey(QKeySequence(Qt::ALT | Qt::Key_Down)) {
    FHolder = new QWidget(this);
    FHolder->setGeometry(0, 0, 21, 17);
    FButton = new TEditButton(FHolder, this);
    FButton->setGeometry(0, 0, 21, 17);
    FButton->OnClick = [this] { DoClick(); };
    setMinimumHeight(MinHeight());
    resize(width(), 21);
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
    FCreating = false;
    PlaceButton();
}

TCustomComboEdit::~TCustomComboEdit() {
    FButton->OnClick = nullptr;
    FButton->DetachEdit();
    if (FPopupOpen)
        qApp->removeEventFilter(this);
}

int TCustomComboEdit::MinHeight() const {
    const int sistema = QFontMetrics(QApplication::font()).height();
    return std::min(sistema, fontMetrics().height()) + 4 + 1;
}

QString TCustomComboEdit::ButtonHint() const {
    return FButton->toolTip();
}

void TCustomComboEdit::SetButtonHint(const QString &s) {
    FButton->setToolTip(s);
}

void TCustomComboEdit::PlaceButton() {
    const int w = FButtonWidth;
    if (hasFrame())
        FHolder->setGeometry(width() - w - 2, 2, w, height() - 4);
    else
        FHolder->setGeometry(width() - w, 0, w, height());
    FButton->setGeometry(0, 0, w, FHolder->height());
    FHolder->setVisible(w >= 2);
    UpdateMargins();
}

void TCustomComboEdit::UpdateMargins() {
    setTextMargins(0, 0, FHolder->width() + 2, 0);
}

void TCustomComboEdit::SetButtonWidth(int w) {
    if (w == FButtonWidth || w < 0)
        return;
    if (!FCreating && w >= width() && width() > 0)
        return;
    FButtonWidth = w;
    PlaceButton();
    if (!FCreating)
        RecreateGlyph();
}

void TCustomComboEdit::SetGlyph(const TKitBitmap &b) {
    FGlyphKind = gkCustom;
    FButton->SetGlyph(b);
}

void TCustomComboEdit::SetGlyphKind(TGlyphKind k) {
    if (k == FGlyphKind)
        return;
    FGlyphKind = k;
    RecreateGlyph();
}

void TCustomComboEdit::SetNumGlyphs(int n) {
    if (FGlyphKind == gkDropDown || FGlyphKind == gkEllipsis)
        n = 1;
    else if (FGlyphKind == gkDefault)
        n = FDefNumGlyphs;
    FButton->SetNumGlyphs(n);
}

void TCustomComboEdit::RecreateGlyph() {
    switch (FGlyphKind) {
    case gkDefault: {
        const TKitBitmap b = StandardGlyph();
        FButton->SetGlyph(b);
        FButton->SetNumGlyphs(FDefNumGlyphs);
        if (!b.Vazio())
            SetButtonWidth(std::max(FButtonWidth, b.Largura() / FDefNumGlyphs + 6));
        break;
    }
    case gkDropDown:
        FButton->SetGlyph(DropDownGlyph());
        FButton->SetNumGlyphs(1);
        SetButtonWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
        break;
    case gkEllipsis:
        FButton->SetGlyph(EllipsisGlyph(FButtonWidth));
        FButton->SetNumGlyphs(1);
        break;
    case gkCustom:
        break;
    }
}

void TCustomComboEdit::SetReadOnly(bool b) {
    if (b == FReadOnly)
        return;
    FReadOnly = b;
    ApplyReadOnly();
}

void TCustomComboEdit::SetDirectInput(bool b) {
    FDirectInput = b;
    ApplyReadOnly();
}

void TCustomComboEdit::ApplyReadOnly() {
    setReadOnly(FReadOnly || !FDirectInput || FEditDisabled);
}

void TCustomComboEdit::SetAlignment(TKitAlignment a) {
    FAlignment = a;
    setAlignment(a == TKitAlignment::LeftJustify    ? Qt::AlignLeft
                 : a == TKitAlignment::RightJustify ? Qt::AlignRight
                                                    : Qt::AlignHCenter);
    update();
}

void TCustomComboEdit::SetPopup(TPopupWindow *p) {
    FPopup = p;
    if (p)
        p->OnPopupFinished = [this](TPopupWindow *, bool accept) { ClosePopup(accept); };
}

void TCustomComboEdit::SelectAllIfDirect() {
    if (FDirectInput)
        selectAll();
}

void TCustomComboEdit::Change() {
    if (FPopupOpen)
        TextChangedWhileOpen();
    else if (OnChange)
        OnChange();
}

void TCustomComboEdit::DoClick() {
    if (FReadOnly)
        return;
    if (OnButtonClick)
        OnButtonClick();
    if (!FPopup)
        return;
    if (!FPopupOpen)
        OpenPopup(true);
    else
        ClosePopup(true);
}

void TCustomComboEdit::ButtonMouseDown() {
    if (FPopupOpen)
        ClosePopup(true);
    else if ((focusPolicy() & Qt::TabFocus) && isEnabled() && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TCustomComboEdit::OpenPopup(bool disableEdit) {
    if (!FPopup || IsReadOnly() || FPopupOpen)
        return;
    const QRect edit(mapToGlobal(QPoint(0, 0)), size());
    QScreen *tela = screen() ? screen() : QApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    const QPoint p = PopupPlace(edit, FPopup->size(), area, FPopupAlign);
    SendValueToPopup(text().isEmpty() ? QVariant() : QVariant(text()));
    if (isEnabled() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
    PlacePopupAt(p);
    FPopupOpen = true;
    qApp->installEventFilter(this);
    if (disableEdit) {
        FEditDisabled = true;
        ApplyReadOnly();
    }
    update();
}

void TCustomComboEdit::PlacePopupAt(const QPoint &p) {
    FPopup->move(p);
    FPopup->show();
}

void TCustomComboEdit::RemovePopup() {
    FPopup->hide();
}

void TCustomComboEdit::SendValueToPopup(const QVariant &v) {
    FPopup->WritePopupValue(v);
}

QVariant TCustomComboEdit::ReadValueFromPopup() {
    return FPopup->ReadPopupValue();
}

void TCustomComboEdit::ClosePopup(bool accept) {
    if (!FPopup || !FPopupOpen)
        return;
    struct TFecha {
        TCustomComboEdit *e;
        ~TFecha() {
            e->FPopupOpen = false;
            qApp->removeEventFilter(e);
        }
    } fecha{this};
    if (QWidget *g = QWidget::mouseGrabber())
        g->releaseMouse();
    const QVariant v = ReadValueFromPopup();
    RemovePopup();
    if (isEnabled() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
    FEditDisabled = false;
    ApplyReadOnly();
    update();
    if (accept && MayAcceptPopupValue(v) && TextMayChange()) {
        TakePopupValue(v);
        if (hasFocus())
            SelectAllIfDirect();
    }
}

void TCustomComboEdit::TakePopupValue(const QVariant &v) {
    const QString s = v.typeId() == QMetaType::Double
                          ? QString::fromStdString(KitFormataGeral(v.toDouble(), 15))
                          : v.toString();
    if (text() == s)
        return;
    FPopupOpen = FPopup && FPopup->isVisible();
    int mudancas = 0;
    const auto conta = connect(this, &QLineEdit::textChanged, this, [&] { ++mudancas; });
    AssignText(s);
    disconnect(conta);
    setModified(true);
    if (mudancas == 0)
        Change();
}

bool TCustomComboEdit::InsideOwnControls(QWidget *w) const {
    for (; w; w = w->parentWidget())
        if (w == this || w == FPopup)
            return true;
    return false;
}

bool TCustomComboEdit::eventFilter(QObject *o, QEvent *e) {
    if (FPopupOpen && e->type() == QEvent::MouseButtonPress && o->isWidgetType() &&
        !InsideOwnControls(static_cast<QWidget *>(o)))
        ClosePopup(false);
    return QLineEdit::eventFilter(o, e);
}

void TCustomComboEdit::keyPressEvent(QKeyEvent *e) {
    const int k = e->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) &&
        !(e->modifiers() & ~Qt::KeypadModifier)) {
        if (FPopupOpen) {
            ClosePopup(k != Qt::Key_Escape);
            e->accept();
            return;
        }
        // Left ignored, the key reaches the dialog's default or cancel button.
        QLineEdit::keyPressEvent(e);
        e->ignore();
        return;
    }
    QLineEdit::keyPressEvent(e);
    const QKeySequence tecla(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(k)));
    if (!FClickKey.isEmpty() && tecla == FClickKey && FButtonWidth > 0) {
        FButton->Click();
        e->accept();
    }
}

void TCustomComboEdit::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton && FPopup) {
        if (isEnabled() && !hasFocus())
            setFocus(Qt::MouseFocusReason);
        if (!hasFocus())
            return;
        if (FPopupOpen)
            ClosePopup(false);
    }
    QLineEdit::mousePressEvent(e);
}

void TCustomComboEdit::focusInEvent(QFocusEvent *e) {
    FFocused = true;
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) {
        if (!FDirectInput)
            deselect();
        else if (!(QApplication::mouseButtons() & Qt::LeftButton))
            selectAll();
    }
}

void TCustomComboEdit::focusOutEvent(QFocusEvent *e) {
    // A window that loses the activation keeps its focused control.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        FFocused = false;
    if (!(FPopup && QApplication::activeWindow() == FPopup))
        ClosePopup(false);
    QLineEdit::focusOutEvent(e);
}

void TCustomComboEdit::resizeEvent(QResizeEvent *e) {
    QLineEdit::resizeEvent(e);
    PlaceButton();
}

void TCustomComboEdit::changeEvent(QEvent *e) {
    if (e->type() == QEvent::FontChange) {
        setMinimumHeight(MinHeight());
        UpdateMargins();
    } else if (e->type() == QEvent::EnabledChange) {
        FButton->setEnabled(isEnabled());
    } else if (e->type() == QEvent::LayoutDirectionChange && FPopup) {
        FPopup->setLayoutDirection(layoutDirection());
    }
    QLineEdit::changeEvent(e);
}

void TCustomComboEdit::hideEvent(QHideEvent *e) {
    ClosePopup(false);
    QLineEdit::hideEvent(e);
}

void TCustomComboEdit::paintEvent(QPaintEvent *e) {
    if (!PaintsOwnText()) {
        QLineEdit::paintEvent(e);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame op;
    initStyleOption(&op);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &op, &p, this);
    QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &op, this);
    r = r.marginsRemoved(textMargins());
    const QString t = PaintedText();
    const QFontMetrics fm = fontMetrics();
    const int w = fm.horizontalAdvance(t) + (FButtonWidth > 0 ? 1 : 0);
    const int margem = 2;
    int x = r.x() + margem;
    if (!FPopupOpen) {
        if (PaintedAlignment() == TKitAlignment::RightJustify)
            x = r.right() + 1 - w - margem;
        else if (PaintedAlignment() == TKitAlignment::Center)
            x = r.x() + (r.width() - w) / 2;
    }
    QColor cor = palette().color(QPalette::Text);
    if (!isEnabled() && palette().color(QPalette::Base) != KitSysColor(TKitSysColor::GrayText))
        cor = KitSysColor(TKitSysColor::GrayText);
    p.setPen(cor);
    p.setClipRect(r);
    const int y = r.y() + (r.height() - fm.height() + 1) / 2;
    p.drawText(x, y + fm.ascent(), t);
}
