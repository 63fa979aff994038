#include "CalcNucleo.h"

#include "KitNumeros.h"
#include "StrUtils.h"

#include <cmath>
#include <string_view>

namespace {

struct TLugar {
    int dx, dy, px, py; // dialog and popup positions; px < 0: not in the popup
};

// Indexed by kind.
constexpr TLugar kLugares[kCalcBtnKinds] = {
    {0, 0, -1, -1},                                           // KeyNone
    {47, 104, 6, 75},                                         // 0
    {47, 80, 6, 52},    {85, 80, 29, 52},  {123, 80, 52, 52}, // 1-3
    {47, 56, 6, 29},    {85, 56, 29, 29},  {123, 56, 52, 29}, // 4-6
    {47, 32, 6, 6},     {85, 32, 29, 6},   {123, 32, 52, 6},  // 7-9
    {85, 104, 52, 75},                                        // sign
    {123, 104, 29, 75},                                       // decimal
    {161, 32, 75, 6},   {161, 56, 75, 29}, {161, 80, 75, 52}, // / * -
    {161, 104, 75, 75},                                       // +
    {199, 32, -1, -1},  {199, 56, -1, -1}, {199, 80, -1, -1}, // sqrt % 1/x
    {199, 104, 52, 98},                                       // =
    {145, 6, 29, 98},   {191, 6, 6, 98},                      // <- C
    {5, 104, -1, -1},   {5, 80, -1, -1},   {5, 56, -1, -1},   // MP MS MR
    {5, 32, -1, -1},                                          // MC
    {47, 6, -1, -1},    {85, 6, -1, -1},                      // OK Cancel
};

const char *const kLegendas[kCalcBtnKinds] = {
    "",  "0", "1",    "2", "3",   "4", "5",  "6", "7",  "8",  "9",  "\u00b1", ",", "/", "*",
    "-", "+", "sqrt", "%", "1/x", "=", "<-", "C", "MP", "MS", "MR", "MC",     "",  ""};

constexpr std::string_view kTeclas = "0123456789_./*-+Q%R=\bC";

char Maiuscula(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Without leading and trailing blanks and control characters.
std::string_view Apara(std::string_view s) {
    auto fora = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!s.empty() && fora(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && fora(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool CalcKeyPlace(TCalcBtnKind kind, TCalcPanelLayout layout, TKitRect &r) {
    if (kind <= KeyNone || kind >= kCalcBtnKinds)
        return false;
    const TLugar &l = kLugares[kind];
    int w, h;
    if (layout == DialogLayout) {
        w = (kind == KeyBackspace || kind == KeyClear) ? 44 : 36;
        h = 22;
        r = {l.dx, l.dy, l.dx + w, l.dy + h};
        return true;
    }
    if (l.px < 0)
        return false;
    w = kind == KeyEquals ? 44 : 21;
    h = 21;
    r = {l.px, l.py, l.px + w, l.py + h};
    return true;
}

std::string CalcKeyCaption(TCalcBtnKind kind) {
    if (kind < KeyNone || kind >= kCalcBtnKinds)
        return {};
    return kLegendas[kind];
}

int CalcKeyGlyphCell(TCalcBtnKind kind) {
    switch (kind) {
    case KeyCancel:
        return 0;
    case KeyOk:
        return 1;
    case KeySign:
        return 2;
    case KeyMultiply:
        return 3;
    case KeySubtract:
        return 4;
    case KeyAdd:
        return 5;
    default:
        return -1;
    }
}

TKitColor CalcKeyColor(TCalcBtnKind kind, TKitColor textoBotao) {
    switch (kind) {
    case KeySqrt:
    case KeyPercent:
    case KeyReciprocal:
    case KeyMemoryPlus:
    case KeyMemoryStore:
    case KeyMemoryRecall:
    case KeyMemoryClear:
        return 0x800000; // navy
    case KeyDivide:
    case KeyMultiply:
    case KeySubtract:
    case KeyAdd:
    case KeyEquals:
        return 0x800080; // purple
    case KeyBackspace:
    case KeyClear:
        return 0x000080; // maroon
    default:
        return textoBotao;
    }
}

int CalcKeyTag(TCalcBtnKind kind) {
    return (kind >= Digit0 && kind <= KeyClear) ? int(kind) - 1 : -1;
}

int CalcTagForKey(char key) {
    if (key == KitDecimalSeparator() || key == ',')
        key = '.';
    else if (key == 13)
        key = '=';
    else if (key == 27)
        key = 'C';
    key = Maiuscula(key);
    if (key == 0)
        return -1;
    const std::size_t p = kTeclas.find(key);
    return p == std::string_view::npos ? -1 : int(p);
}

TCalculatorCore::TCalculatorCore() = default;

int TCalculatorCore::LengthLimit() const {
    return Precision < 2 ? 2 : Precision;
}

void TCalculatorCore::BeepIfAsked() {
    if (BeepOnError)
        Beep();
}

void TCalculatorCore::SetDisplayText(const std::string &texto) {
    if (texto == DisplayText)
        return;
    DisplayText = texto;
    DisplayTextChanged();
}

void TCalculatorCore::DisplayTextChanged() {
    if (OnTextUpdate)
        OnTextUpdate();
}

void TCalculatorCore::ShowValue(double v) {
    const std::string t = KitFormataGeral(v, LengthLimit());
    if (t != DisplayText) {
        SetDisplayText(t);
        if (OnValueShown)
            OnValueShown();
    }
}

void TCalculatorCore::ShowResult(double v) {
    if (std::isfinite(v))
        ShowValue(v);
    else
        SignalError();
}

double TCalculatorCore::DisplayedValue() const {
    if (State == EntryState::Failed)
        return 0;
    double v = 0;
    return KitLeReal(Apara(DisplayText), v) ? v : 0;
}

void TCalculatorCore::StartEntry() {
    if (State == EntryState::NewNumber) {
        State = EntryState::Typing;
        SetDisplayText("0");
    }
}

void TCalculatorCore::SignalError() {
    State = EntryState::Failed;
    SetDisplayText("Error");
    BeepIfAsked();
    if (OnCalcError)
        OnCalcError();
}

void TCalculatorCore::ClearAll() {
    State = EntryState::NewNumber;
    ShowValue(0);
    PendingOperator = '=';
}

void TCalculatorCore::CopyDisplay() {
    SetClipboardText(DisplayText);
}

void TCalculatorCore::PasteDisplay() {
    if (State == EntryState::Failed)
        return;
    std::string texto;
    if (!ClipboardText(texto))
        return;
    texto = std::string(Apara(ReplaceAll(texto, KitCurrencyString(), "")));
    double v = 0;
    if (KitLeReal(texto, v))
        ShowValue(v);
    else
        SetDisplayText("0");
}

void TCalculatorCore::PressKey(char key) {
    key = Maiuscula(key);
    if (State == EntryState::Failed && key != 'C')
        key = 0;
    if (OnKeyFilter)
        OnKeyFilter(key);
    const char sep = KitDecimalSeparator();
    if (key == 0)
        return;
    if (key == sep || key == '.' || key == ',') {
        StartEntry();
        if (DisplayText.find(sep) == std::string::npos)
            SetDisplayText(DisplayText + sep);
        return;
    }
    if (key >= '0' && key <= '9') {
        StartEntry();
        std::string t = DisplayText == "0" ? std::string() : DisplayText;
        if (t.find('E') == std::string::npos) {
            const int limite = LengthLimit() + (t.find('-') != std::string::npos ? 1 : 0);
            if (int(t.size()) < limite)
                t += key;
            else
                BeepIfAsked();
        }
        SetDisplayText(t);
        return;
    }
    switch (key) {
    case 8: {
        StartEntry();
        const std::string &t = DisplayText;
        if (t.size() == 1 || (t.size() == 2 && t[0] == '-'))
            SetDisplayText("0");
        else if (!t.empty())
            SetDisplayText(t.substr(0, t.size() - 1));
        break;
    }
    case '_':
        ShowValue(-DisplayedValue());
        break;
    case 'Q':
        if (State != EntryState::Failed) {
            State = EntryState::NewNumber;
            const double v = DisplayedValue();
            if (v < 0)
                SignalError();
            else
                ShowValue(std::sqrt(v));
        }
        break;
    case 'R':
        if (State != EntryState::Failed) {
            State = EntryState::NewNumber;
            const double v = DisplayedValue();
            if (v == 0)
                SignalError();
            else
                ShowResult(1 / v);
        }
        break;
    case 'C':
    case 27:
        ClearAll();
        break;
    case 3:
        CopyDisplay();
        break;
    case 22:
        PasteDisplay();
        break;
    case '+':
    case '-':
    case '*':
    case '/':
    case '%':
    case '=':
    case 13:
        OperatorStep(key);
        break;
    default:
        break;
    }
}

void TCalculatorCore::OperatorStep(char k) {
    if (State == EntryState::Typing) {
        State = EntryState::NewNumber;
        double r = DisplayedValue();
        if (k == '%') {
            if (PendingOperator == '+' || PendingOperator == '-')
                r = LeftOperand * r / 100;
            else if (PendingOperator == '*' || PendingOperator == '/')
                r = r / 100;
        }
        switch (PendingOperator) {
        case '+':
            ShowResult(LeftOperand + r);
            break;
        case '-':
            ShowResult(LeftOperand - r);
            break;
        case '*':
            ShowResult(LeftOperand * r);
            break;
        case '/':
            if (r == 0)
                SignalError();
            else
                ShowResult(LeftOperand / r);
            break;
        default:
            break;
        }
    }
    PendingOperator = k;
    LeftOperand = DisplayedValue();
    if (k == 13 || k == '%' || k == '=')
        if (OnResultKey)
            OnResultKey();
}

void TCalculatorCore::PressButtonKind(TCalcBtnKind kind) {
    const bool falhou = State == EntryState::Failed;
    switch (kind) {
    case KeyMemoryPlus:
        if (!falhou) {
            State = EntryState::NewNumber;
            const double m = MemoryValue + DisplayedValue();
            if (!std::isfinite(m)) {
                SignalError();
                return;
            }
            MemoryValue = m;
            UpdateMemoryMark();
        }
        return;
    case KeyMemoryStore:
        if (!falhou) {
            State = EntryState::NewNumber;
            MemoryValue = DisplayedValue();
            UpdateMemoryMark();
        }
        return;
    case KeyMemoryRecall:
        if (!falhou) {
            State = EntryState::NewNumber;
            StartEntry();
            ShowValue(MemoryValue);
        }
        return;
    case KeyMemoryClear:
        MemoryValue = 0;
        UpdateMemoryMark();
        return;
    case KeyOk:
        if (falhou) {
            BeepIfAsked();
            return;
        }
        ShowValue(DisplayedValue());
        if (OnConfirm)
            OnConfirm();
        return;
    case KeyCancel:
        if (OnAbandon)
            OnAbandon();
        return;
    default:
        break;
    }
    char c = 0;
    if (kind >= Digit0 && kind <= Digit9)
        c = char('0' + CalcKeyTag(kind));
    else
        switch (kind) {
        case KeySign:
            c = '_';
            break;
        case KeyDecimal:
            c = KitDecimalSeparator();
            break;
        case KeyDivide:
            c = '/';
            break;
        case KeyMultiply:
            c = '*';
            break;
        case KeySubtract:
            c = '-';
            break;
        case KeyAdd:
            c = '+';
            break;
        case KeySqrt:
            c = 'Q';
            break;
        case KeyPercent:
            c = '%';
            break;
        case KeyReciprocal:
            c = 'R';
            break;
        case KeyEquals:
            c = '=';
            break;
        case KeyBackspace:
            c = 8;
            break;
        case KeyClear:
            c = 'C';
            break;
        default:
            return;
        }
    PressKey(c);
}
