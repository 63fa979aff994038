// The one-line edit with a button inside its right edge and an optional popup that drops down
// under it, the button, and the base of every popup.
#pragma once

#include "KitCtrls.h"

#include <QFrame>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

enum TPopupAlign { epaRight, epaLeft };
enum TGlyphKind { gkCustom, gkDefault, gkDropDown, gkEllipsis };

// Where a popup of size `popup` opens for an edit at `edit` (screen coordinates) on a screen
// whose available area is `area`: under the edit, or above it when there is no room below,
// never beyond the area's top; right edges aligned (epaRight) unless that leaves the area, or
// left edges aligned (epaLeft) unless that leaves it; then kept inside the area horizontally.
QPoint PopupPlace(const QRect &edit, const QSize &popup, const QRect &area, TPopupAlign align);

// The ellipsis glyph for a button `largura` wide: three 2 x 2 dots in a 4-high bitmap.
TKitBitmap EllipsisGlyph(int largura);
// The drop-down arrow glyph.
TKitBitmap DropDownGlyph();

class TCustomComboEdit;

class TPopupWindow : public QFrame {
    Q_OBJECT

public:
    explicit TPopupWindow(QWidget *editor);

    QWidget *Editor() const { return FEditor; }
    // Fired by FinishPopup with the accept flag.
    std::function<void(TPopupWindow *, bool)> OnPopupFinished;

    virtual QVariant ReadPopupValue() { return {}; }
    virtual void WritePopupValue(const QVariant &) {}
    virtual void FinishPopup(bool accept);
    virtual QString PopupDisplayText() const { return {}; }
    // A character typed in the editor while the popup is open.
    virtual void PopupKeyPress(char &) {}
    // Redraws the editor's text area at once.
    void InvalidateEditor();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QWidget *FEditor;
};

class TEditButton : public TKitSpeedButton {
    Q_OBJECT

public:
    TEditButton(QWidget *pai, TCustomComboEdit *edit);
    void Click() override;
    void DetachEdit() { FEdit = nullptr; }

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    TCustomComboEdit *FEdit;
    bool FNoAction = false;
};

class TCustomComboEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TCustomComboEdit(QWidget *pai = nullptr);
    ~TCustomComboEdit() override;

    QString ButtonHint() const;
    void SetButtonHint(const QString &s);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int w);
    QKeySequence ClickKey() const { return FClickKey; }
    void SetClickKey(const QKeySequence &k) { FClickKey = k; }
    bool DirectInput() const { return FDirectInput; }
    void SetDirectInput(bool b);
    const TKitBitmap &Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TKitBitmap &b);
    TGlyphKind GlyphKind() const { return FGlyphKind; }
    void SetGlyphKind(TGlyphKind k);
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int n);
    TPopupAlign PopupAlign() const { return FPopupAlign; }
    void SetPopupAlign(TPopupAlign a) { FPopupAlign = a; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool b);
    TKitAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TKitAlignment a);
    std::function<void()> OnButtonClick, OnChange;

    bool PopupOpen() const { return FPopupOpen; }
    bool Focused() const { return FFocused; }
    TEditButton *Button() const { return FButton; }
    QWidget *ButtonHolder() const { return FHolder; }
    TPopupWindow *Popup() const { return FPopup; }
    // The button's action (the button, or ClickKey).
    void DoClick();
    void ClosePopup(bool accept);
    // The smallest height the edit takes.
    int MinHeight() const;
    // Whether the text may change (not read-only).
    bool TextMayChange() const { return !FReadOnly; }

protected:
    void SetPopup(TPopupWindow *p);
    // The default glyph (none here).
    virtual TKitBitmap StandardGlyph() { return {}; }
    virtual void OpenPopup(bool disableEdit);
    virtual void PlacePopupAt(const QPoint &p);
    virtual void RemovePopup();
    virtual bool MayAcceptPopupValue(const QVariant &) { return true; }
    virtual void TakePopupValue(const QVariant &v);
    virtual void SendValueToPopup(const QVariant &v);
    virtual QVariant ReadValueFromPopup();
    virtual void TextChangedWhileOpen() {}
    virtual bool IsReadOnly() const { return FReadOnly; }
    // Writes the text a popup value gives.
    virtual void AssignText(const QString &s) { setText(s); }
    // Whether paintEvent draws PaintedText() in place of the edit's own painting.
    virtual bool PaintsOwnText() const { return false; }
    virtual QString PaintedText() const { return text(); }
    virtual TKitAlignment PaintedAlignment() const { return FAlignment; }
    void SetDefaultNumGlyphs(int n) { FDefNumGlyphs = n; }
    void MarkFocused(bool b) { FFocused = b; }
    // Select-all, only with direct input.
    void SelectAllIfDirect();
    // The text changed: OnChange, or TextChangedWhileOpen while the popup is open.
    virtual void Change();

    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    friend class TEditButton;
    void PlaceButton();
    void UpdateMargins();
    void RecreateGlyph();
    void ApplyReadOnly();
    void ButtonMouseDown();
    bool InsideOwnControls(QWidget *w) const;

    TEditButton *FButton;
    QWidget *FHolder;
    QPointer<TPopupWindow> FPopup;
    QKeySequence FClickKey;
    bool FReadOnly = false, FDirectInput = true, FPopupOpen = false, FFocused = false;
    bool FEditDisabled = false, FCreating = true;
    TKitAlignment FAlignment = TKitAlignment::LeftJustify;
    TPopupAlign FPopupAlign = epaRight;
    TGlyphKind FGlyphKind = gkCustom;
    int FButtonWidth = 21;
    int FDefNumGlyphs = 1;
};
