// The calculator edit: a numeric edit whose button drops the calculator down.
#pragma once

#include "KitCalc.h"
#include "KitNumEdit.h"

// The keypad of the drop-down calculator.
class TPopupCalculator : public TPopupWindow {
    Q_OBJECT

public:
    explicit TPopupCalculator(QWidget *editor);

    TLocCalculator *Calculator() const { return FCalc; }
    QVariant ReadPopupValue() override;
    void WritePopupValue(const QVariant &v) override;
    QString PopupDisplayText() const override;
    void PopupKeyPress(char &key) override;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    TLocCalculator *FCalc;
};

class TKitCustomCalcEdit : public TCustomNumEdit {
    Q_OBJECT

public:
    explicit TKitCustomCalcEdit(QWidget *pai = nullptr);
    ~TKitCustomCalcEdit() override;

    TPopupCalculator *PopupCalculator() const { return FCalcPopup; }

protected:
    void ConfigurePopup() override;

private:
    TPopupCalculator *FCalcPopup;
};

class TKitCalcEdit : public TKitCustomCalcEdit {
    Q_OBJECT

public:
    using TKitCustomCalcEdit::TKitCustomCalcEdit;
};
