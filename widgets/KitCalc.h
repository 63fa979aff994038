// The calculator: the keypad with its engine in two layouts, the dialog around it and the
// component that shows the dialog.
#pragma once

#include "CalcNucleo.h"
#include "KitCtrls.h"

#include <QDialog>
#include <QFrame>
#include <QObject>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class TKitCalculator;

// The calculator's font: the system's general font, bold.
QFont CalculatorFont();
// The character a key press stands for (0 when none): control keys as their control
// characters, Ctrl+C and Ctrl+V as 3 and 22, otherwise the typed ASCII character.
char CalcKeyChar(const QKeyEvent &e);

class TCalcButton : public TKitSpeedButton {
    Q_OBJECT

public:
    TCalcButton(QWidget *pai, TCalcBtnKind kind);
    TCalcBtnKind Kind() const { return FKind; }

protected:
    void changeEvent(QEvent *e) override;

private:
    void ApplyKindColor();
    TCalcBtnKind FKind;
    bool FSettingColor = false;
};

class TCalculatorPanel : public QFrame, public TCalculatorCore {
    Q_OBJECT

public:
    TCalculatorPanel(QWidget *owner, TCalcPanelLayout layout);

    TCalcPanelLayout PanelLayout() const { return FLayout; }
    // Keyboard entry: clicks the key's button, else hands the key to the engine.
    void HandleKeyPress(char &key);
    void UpdateMemoryMark() override;
    // The control whose text mirrors the display (not owned).
    void SetDisplayControl(QLabel *l) { FDisplay = l; }
    QLabel *DisplayControl() const { return FDisplay; }
    // The key button carrying a tag (nullptr when the layout has none).
    TKitSpeedButton *ButtonWithTag(int tag) const;
    TCalcButton *Button(TCalcBtnKind kind) const;
    QLabel *MemoryMark() const { return FMemoryMark; }
    QFrame *MemoryBox() const { return FMemoryBox; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool b);

protected:
    void DisplayTextChanged() override;
    void Beep() override;
    bool ClipboardText(std::string &texto) override;
    void SetClipboardText(const std::string &texto) override;

private:
    TCalcPanelLayout FLayout;
    QLabel *FDisplay = nullptr;
    QFrame *FMemoryBox = nullptr;
    QLabel *FMemoryMark = nullptr;
    bool FCtl3D = true;
};

// The keypad of the drop-down calculator.
class TLocCalculator : public TCalculatorPanel {
    Q_OBJECT

public:
    explicit TLocCalculator(QWidget *owner) : TCalculatorPanel(owner, PopupLayout) {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    // The keypad stays usable whatever its enabled state is set to.
    void changeEvent(QEvent *e) override {
        if (e->type() == QEvent::EnabledChange && !isEnabled())
            setEnabled(true);
        TCalculatorPanel::changeEvent(e);
    }
};

class TKitCalculatorForm : public QDialog {
    Q_OBJECT

public:
    // `dono` receives the key and display notices (may be nullptr).
    TKitCalculatorForm(TKitCalculator *dono, QWidget *pai = nullptr);

    TCalculatorPanel *CalcPanel() const { return FPanel; }
    QLabel *DisplayLabel() const { return FDisplayLabel; }
    QFrame *MainPanel() const { return FMainPanel; }
    QFrame *DisplayBox() const { return FDisplayBox; }
    QMenu *PopupMenu() const { return FMenu; }
    QAction *CopyItem() const { return FCopy; }
    QAction *PasteItem() const { return FPaste; }
    void SetCtl3D(bool b);
    // Enables Paste when the clipboard holds text (done each time the menu opens).
    void UpdatePasteItem();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    TCalculatorPanel *FPanel;
    QFrame *FMainPanel, *FDisplayBox;
    QLabel *FDisplayLabel;
    QMenu *FMenu;
    QAction *FCopy, *FPaste;
};

class TKitCalculator : public QObject {
    Q_OBJECT

public:
    explicit TKitCalculator(QObject *dono = nullptr);
    ~TKitCalculator() override;

    double Value = 0;
    double MemoryValue = 0;
    QString Title = QStringLiteral("Calculator");
    bool Ctl3D = true;
    std::uint8_t Precision = 15;
    bool BeepOnError = true;
    int HelpContext = 0;
    std::function<void()> OnChange, OnDisplayChange;
    std::function<void(char &)> OnCalcKey;

    // Shows the dialog modally; true when it was closed with the OK key.
    bool Execute();
    // The dialog while it is open.
    TKitCalculatorForm *Dialog() const { return FDialog; }

    virtual void NotifyChange();
    virtual void NotifyKey(char &key);
    virtual void NotifyDisplay();

private:
    TKitCalculatorForm *FDialog = nullptr;
};
