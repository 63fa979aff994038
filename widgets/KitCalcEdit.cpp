#include "KitCalcEdit.h"

#include "KitNumeros.h"
#include "NumEdit.h"

#include <QKeyEvent>

TPopupCalculator::TPopupCalculator(QWidget *editor) : TPopupWindow(editor) {
    setFixedSize(104, 127);
    setFont(CalculatorFont());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, KitSysColor(TKitSysColor::BtnFace));
    setPalette(pal);
    FCalc = new TLocCalculator(this);
    FCalc->setFixedSize(contentsRect().size());
    FCalc->move(contentsRect().topLeft());
    FCalc->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FCalc->setLineWidth(1);
    FCalc->Precision = 15;
    FCalc->OnTextUpdate = [this] { InvalidateEditor(); };
    FCalc->OnResultKey = [this] {
        if (FCalc->State != EntryState::Failed)
            FinishPopup(true);
    };
}

QVariant TPopupCalculator::ReadPopupValue() {
    if (FCalc->State == EntryState::Failed) {
        if (FCalc->BeepOnError)
            KitBeep();
        return QVariant(0);
    }
    FCalc->ShowValue(FCalc->DisplayedValue());
    return QVariant(FCalc->DisplayedValue());
}

void TPopupCalculator::WritePopupValue(const QVariant &v) {
    double r = 0;
    if (v.isValid() && !v.isNull()) {
        if (v.typeId() == QMetaType::QString) {
            if (!NumTextToFloat(NormaliseNumberText(v.toString().toStdString()), r))
                r = 0;
        } else {
            r = v.toDouble();
        }
    }
    FCalc->ShowValue(r);
    FCalc->State = EntryState::NewNumber;
    FCalc->PendingOperator = '=';
}

QString TPopupCalculator::PopupDisplayText() const {
    return QString::fromStdString(FCalc->DisplayText);
}

void TPopupCalculator::PopupKeyPress(char &key) {
    FCalc->HandleKeyPress(key);
}

void TPopupCalculator::keyPressEvent(QKeyEvent *e) {
    char c = CalcKeyChar(*e);
    if (c == 0) {
        e->ignore();
        return;
    }
    FCalc->HandleKeyPress(c);
    e->accept();
}

// ---------------------------------------------------------------------------------------------

TKitCustomCalcEdit::TKitCustomCalcEdit(QWidget *pai)
    : TCustomNumEdit(pai), FCalcPopup(new TPopupCalculator(this)) {
    SetPopup(FCalcPopup);
    ConfigurePopup();
}

TKitCustomCalcEdit::~TKitCustomCalcEdit() {
    FCalcPopup->OnPopupFinished = nullptr;
}

void TKitCustomCalcEdit::ConfigurePopup() {
    FCalcPopup->Calculator()->Precision = 15;
    FCalcPopup->Calculator()->BeepOnError = BeepOnError();
}
