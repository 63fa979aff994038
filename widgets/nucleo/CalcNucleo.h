// The calculator's engine: display text, pending operator and operand, memory register and
// error state, and the keypad's key table. The panel on screen derives from it and supplies the
// beep, the clipboard and the mirrors of the display and the memory mark.
#pragma once

#include "KitMemoria.h"

#include <cstdint>
#include <functional>
#include <string>

enum TCalcBtnKind {
    KeyNone,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    KeySign,
    KeyDecimal,
    KeyDivide,
    KeyMultiply,
    KeySubtract,
    KeyAdd,
    KeySqrt,
    KeyPercent,
    KeyReciprocal,
    KeyEquals,
    KeyBackspace,
    KeyClear,
    KeyMemoryPlus,
    KeyMemoryStore,
    KeyMemoryRecall,
    KeyMemoryClear,
    KeyOk,
    KeyCancel
};
constexpr int kCalcBtnKinds = KeyCancel + 1;

enum TCalcPanelLayout { DialogLayout, PopupLayout };

enum class EntryState : std::uint8_t { NewNumber, Typing, Failed };

// Where a key sits on a keypad; false when the layout has no such key.
bool CalcKeyPlace(TCalcBtnKind kind, TCalcPanelLayout layout, TKitRect &r);
// The key's fixed caption ("" for OK and Cancel; the digit for digits; the decimal key shows
// the locale's separator instead of its ",").
std::string CalcKeyCaption(TCalcBtnKind kind);
// The key's cell in the dialog's glyph picture, -1 when it shows its caption.
int CalcKeyGlyphCell(TCalcBtnKind kind);
// The key's font colour (blue-green-red); `textoBotao` is the system button-text colour.
TKitColor CalcKeyColor(TCalcBtnKind kind, TKitColor textoBotao);
// The tag a key carries: kind - 1 for the kinds 1 to 22, -1 for the others.
int CalcKeyTag(TCalcBtnKind kind);
// The tag of the key a keyboard character reaches (-1 when none).
int CalcTagForKey(char key);

class TCalculatorCore {
public:
    TCalculatorCore();
    virtual ~TCalculatorCore() = default;

    std::string DisplayText = "0";
    EntryState State = EntryState::NewNumber;
    char PendingOperator = 0;
    double LeftOperand = 0;
    double MemoryValue = 0;
    std::uint8_t Precision = 15;
    bool BeepOnError = true;

    std::function<void()> OnCalcError, OnConfirm, OnAbandon, OnResultKey, OnTextUpdate,
        OnValueShown;
    std::function<void(char &)> OnKeyFilter;

    // Every key, from a button or the keyboard.
    void PressKey(char key);
    // A key button's action: memory, OK and Cancel here, every other kind as its character.
    void PressButtonKind(TCalcBtnKind kind);
    void ShowValue(double v);
    double DisplayedValue() const;
    void ClearAll();
    void CopyDisplay();
    void PasteDisplay();
    void SignalError();
    void StartEntry();
    void SetDisplayText(const std::string &texto);

    virtual void UpdateMemoryMark() {}

protected:
    virtual void DisplayTextChanged();
    virtual void Beep() {}
    // The clipboard's text; false when it holds none.
    virtual bool ClipboardText(std::string &) { return false; }
    virtual void SetClipboardText(const std::string &) {}

private:
    int LengthLimit() const;
    // A computed value: shown when finite, else the arithmetic error.
    void ShowResult(double v);
    void OperatorStep(char k);
    void BeepIfAsked();
};
