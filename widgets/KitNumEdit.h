// The numeric edit: a combo edit that holds a real number.
#pragma once

#include "KitComboEdit.h"

#include <QClipboard>

class TCustomNumEdit : public TCustomComboEdit {
    Q_OBJECT

public:
    explicit TCustomNumEdit(QWidget *pai = nullptr);

    TKitAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TKitAlignment a);
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool b);
    bool CheckOnExit() const { return FCheckOnExit; }
    void SetCheckOnExit(bool b) { FCheckOnExit = b; }
    unsigned DecimalPlaces() const { return FDecimalPlaces; }
    void SetDecimalPlaces(unsigned n);
    QString DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const QString &f);
    bool FormatOnEditing() const { return FFormatOnEditing; }
    void SetFormatOnEditing(bool b);
    double MinValue() const { return FMinValue; }
    void SetMinValue(double v);
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double v);
    bool ZeroEmpty() const { return FZeroEmpty; }
    void SetZeroEmpty(bool b);
    // The edit text parsed and clamped; raises EKitConvertError when it is no number.
    double Value() const;
    void SetValue(double v);
    QString Text() const { return text(); }
    // Normalised, converted (EKitConvertError leaves the value alone) and clamped.
    void SetText(const QString &s);
    void Clear() { SetText(QString()); }
    double CurrentValue() const { return FValue; }
    // Pastes the clipboard's text; text that is no number is refused with a beep.
    void PasteText(QClipboard::Mode modo = QClipboard::Clipboard);
    virtual QString FormattedDisplayText() const;

    std::function<void()> OnExit;

protected:
    virtual void RefreshEditText();
    virtual QString StandardDisplayFormat() const { return QStringLiteral(",0.##"); }
    virtual bool AcceptsKey(char key) const;
    virtual void ConfigurePopup() {}
    TKitBitmap StandardGlyph() override;
    void AssignText(const QString &s) override { SetText(s); }
    bool PaintsOwnText() const override { return !(Focused() && !PopupOpen()); }
    QString PaintedText() const override;
    TKitAlignment PaintedAlignment() const override { return FAlignment; }
    void Change() override;

    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    // The value clamped; with `avisa`, a value out of range raises EKitRangeError.
    double Clamp(double v, bool avisa) const;
    void SetEditText(const QString &s);
    void ApplyEditAlignment();
    void Reformat();

    double FValue = 0, FMinValue = 0, FMaxValue = 0;
    unsigned FDecimalPlaces = 2;
    bool FBeepOnError = true, FCheckOnExit = false, FZeroEmpty = true;
    bool FFormatOnEditing = false, FReformatting = false;
    TKitAlignment FAlignment = TKitAlignment::RightJustify;
    QString FDisplayFormat = QStringLiteral(",0.##");
};
