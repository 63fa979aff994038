#include "KitNumEdit.h"

#include "KitCalc.h"

#include "KitBase.h"
#include "KitNumeros.h"
#include "NumEdit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <cctype>
#include <cstring>

namespace {

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

std::string S(const QString &s) {
    return s.toStdString();
}

} // namespace

TCustomNumEdit::TCustomNumEdit(QWidget *pai) : TCustomComboEdit(pai) {
    SetDefaultNumGlyphs(2);
    SetGlyphKind(gkDefault);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ApplyEditAlignment();
    RefreshEditText();
}

TKitBitmap TCustomNumEdit::StandardGlyph() {
    static const TKitBitmap glifo = LoadModuleBitmap(QString(), QStringLiteral("CEDITBMP"));
    return glifo;
}

double TCustomNumEdit::Clamp(double v, bool avisa) const {
    const double r = ClampNumber(v, FMinValue, FMaxValue);
    if (avisa && r != v)
        throw EKitRangeError(RangeErrorText(FMinValue, FMaxValue, FDecimalPlaces));
    return r;
}

double TCustomNumEdit::Value() const {
    double v = 0;
    if (!ParseNumberText(NormaliseNumberText(S(text())), v))
        throw EKitConvertError(S(text()));
    return Clamp(v, false);
}

void TCustomNumEdit::SetValue(double v) {
    FValue = Clamp(v, false);
    RefreshEditText();
    update();
}

void TCustomNumEdit::SetText(const QString &s) {
    double v = 0;
    if (!ParseNumberText(NormaliseNumberText(S(s)), v))
        throw EKitConvertError(S(s));
    SetValue(v);
}

void TCustomNumEdit::SetMinValue(double v) {
    if (v == FMinValue)
        return;
    FMinValue = v;
    SetValue(FValue);
}

void TCustomNumEdit::SetMaxValue(double v) {
    if (v == FMaxValue)
        return;
    FMaxValue = v;
    SetValue(FValue);
}

void TCustomNumEdit::SetDecimalPlaces(unsigned n) {
    if (n == FDecimalPlaces)
        return;
    FDecimalPlaces = n;
    RefreshEditText();
    update();
}

void TCustomNumEdit::SetZeroEmpty(bool b) {
    if (b == FZeroEmpty)
        return;
    FZeroEmpty = b;
    RefreshEditText();
    update();
}

void TCustomNumEdit::SetDisplayFormat(const QString &f) {
    if (f == FDisplayFormat)
        return;
    FDisplayFormat = f;
    RefreshEditText();
    update();
}

void TCustomNumEdit::SetAlignment(TKitAlignment a) {
    if (a == FAlignment)
        return;
    FAlignment = a;
    ApplyEditAlignment();
    update();
}

void TCustomNumEdit::SetBeepOnError(bool b) {
    if (b == FBeepOnError)
        return;
    FBeepOnError = b;
    ConfigurePopup();
}

void TCustomNumEdit::SetFormatOnEditing(bool b) {
    if (b == FFormatOnEditing)
        return;
    FFormatOnEditing = b;
    ApplyEditAlignment();
    if (Focused())
        RefreshEditText();
}

void TCustomNumEdit::ApplyEditAlignment() {
    TCustomComboEdit::SetAlignment(FFormatOnEditing ? FAlignment : TKitAlignment::LeftJustify);
}

void TCustomNumEdit::SetEditText(const QString &s) {
    FReformatting = true;
    setText(s);
    FReformatting = false;
}

void TCustomNumEdit::RefreshEditText() {
    SetEditText(Q(NumEditText(FValue, FDecimalPlaces, FZeroEmpty)));
    if (FFormatOnEditing && Focused())
        Reformat();
}

void TCustomNumEdit::Reformat() {
    const QString t = text();
    const QString novo = Q(RegroupNumberText(S(t), FDisplayFormat.contains(QLatin1Char(','))));
    if (novo == t)
        return;
    const int doFim = int(t.size()) - cursorPosition();
    const QSignalBlocker b(this);
    FReformatting = true;
    setText(novo);
    setCursorPosition(std::max(0, int(novo.size()) - doFim));
    FReformatting = false;
}

void TCustomNumEdit::Change() {
    if (FFormatOnEditing && !FReformatting && Focused())
        Reformat();
    TCustomComboEdit::Change();
}

QString TCustomNumEdit::FormattedDisplayText() const {
    return Q(NumDisplayText(FValue, S(FDisplayFormat)));
}

QString TCustomNumEdit::PaintedText() const {
    if (PopupOpen() && Popup())
        return Popup()->PopupDisplayText();
    return FormattedDisplayText();
}

bool TCustomNumEdit::AcceptsKey(char key) const {
    QString t = text();
    const int inicio = hasSelectedText() ? selectionStart() : cursorPosition();
    t.replace(inicio, int(selectedText().size()), QChar(QLatin1Char(key)));
    return AcceptsNumberText(S(t), FDecimalPlaces, FMinValue, FMaxValue);
}

void TCustomNumEdit::keyPressEvent(QKeyEvent *e) {
    if (e->matches(QKeySequence::Paste)) {
        PasteText();
        e->accept();
        return;
    }
    char key = CalcKeyChar(*e);
    if (key != 0 && PopupOpen() && Popup()) {
        const char k = char(std::toupper(static_cast<unsigned char>(key)));
        if ((k != 0 && std::strchr("\b\r%*+,-./0123456789=CQR_", k)) ||
            k == KitDecimalSeparator()) {
            Popup()->PopupKeyPress(key);
            e->accept();
            return;
        }
    }
    QString texto = e->text();
    if (key == '.' || key == ',') {
        key = KitDecimalSeparator();
        texto = QString(QLatin1Char(key));
    }
    if (key == 13 || key == 27) {
        const bool aberto = PopupOpen();
        TCustomComboEdit::keyPressEvent(e);
        if (key == 27 && !aberto) {
            RefreshEditText();
            SelectAllIfDirect();
        }
        return;
    }
    const bool imprimivel = !texto.isEmpty() && texto[0].isPrint() &&
                            !(e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (imprimivel && (static_cast<unsigned char>(key) < 32 || !AcceptsKey(key))) {
        if (FBeepOnError)
            KitBeep();
        e->accept();
        return;
    }
    if (texto != e->text()) {
        QKeyEvent novo(e->type(), e->key(), e->modifiers(), texto, e->isAutoRepeat(),
                       ushort(e->count()));
        TCustomComboEdit::keyPressEvent(&novo);
        e->setAccepted(novo.isAccepted());
        return;
    }
    TCustomComboEdit::keyPressEvent(e);
}

void TCustomNumEdit::PasteText(QClipboard::Mode modo) {
    if (!DirectInput() || ReadOnly() || isReadOnly())
        return;
    const QString antes = text();
    insert(QApplication::clipboard()->text(modo));
    try {
        (void)Value();
    } catch (const std::exception &) {
        setText(antes);
        selectAll();
        if (isEnabled() && !hasFocus())
            setFocus(Qt::OtherFocusReason);
        if (FBeepOnError)
            KitBeep();
    }
}

void TCustomNumEdit::mouseReleaseEvent(QMouseEvent *e) {
    if (e->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        PasteText(QClipboard::Selection);
        e->accept();
        return;
    }
    TCustomComboEdit::mouseReleaseEvent(e);
}

void TCustomNumEdit::contextMenuEvent(QContextMenuEvent *e) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction *a : menu->actions())
        if (a->objectName() == QLatin1String("edit-paste")) {
            a->disconnect();
            connect(a, &QAction::triggered, this, [this] { PasteText(); });
        }
    KitPopupMenu(*menu, e->globalPos());
    e->accept();
}

void TCustomNumEdit::focusInEvent(QFocusEvent *e) {
    if (!Focused()) {
        MarkFocused(true);
        RefreshEditText();
    }
    TCustomComboEdit::focusInEvent(e);
}

void TCustomNumEdit::focusOutEvent(QFocusEvent *e) {
    TCustomComboEdit::focusOutEvent(e);
    if (Focused())
        return; // the window lost the activation, not the edit its focus
    try {
        if (FCheckOnExit) {
            double v = 0;
            if (!ParseNumberText(NormaliseNumberText(S(text())), v))
                throw EKitConvertError(S(text()));
            Clamp(v, true);
        }
        FValue = Value();
        RefreshEditText();
        setCursorPosition(0);
        update();
        if (OnExit)
            OnExit();
    } catch (const std::exception &x) {
        selectAll();
        MarkFocused(true);
        if (isEnabled())
            setFocus(Qt::OtherFocusReason);
        KitMostraErro(QString::fromUtf8(x.what()));
    }
}

void TCustomNumEdit::changeEvent(QEvent *e) {
    if ((e->type() == QEvent::EnabledChange && !hasFocus()) || e->type() == QEvent::FontChange)
        update();
    TCustomComboEdit::changeEvent(e);
}
