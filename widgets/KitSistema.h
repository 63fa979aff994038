// The kit's view of the platform: blue-green-red colours and the system colours, the locale's
// texts, the beep and the screen's cursor table.
#pragma once

#include "KitMemoria.h"

#include <QColor>
#include <QCursor>
#include <QLocale>

#include <functional>

// Blue-green-red colour values.
constexpr TKitColor clKitBlack = 0x000000, clKitMaroon = 0x000080, clKitNavy = 0x800000,
                    clKitPurple = 0x800080, clKitSilver = 0xC0C0C0, clKitWhite = 0xFFFFFF,
                    clKitMagenta = 0xFF00FF;
// "No colour" and "the default colour" markers.
constexpr TKitColor clKitNone = 0x1FFFFFFF, clKitDefault = 0x20000000;

QColor KitColor(TKitColor c);
TKitColor KitColorValue(const QColor &c);

// The system colours the kit's drawing names, from the application palette.
enum class TKitSysColor {
    BtnFace,
    BtnHighlight,
    BtnShadow,
    BtnText,
    Highlight,
    GrayText,
    Window,
    WindowText,
    WindowFrame
};
QColor KitSysColor(TKitSysColor c);

// Takes the decimal and thousands separators and the currency symbol from a locale (the
// decimal one only while the platform layer's is not bound).
void KitAplicaLocale(const QLocale &locale);

// The message beep: counted, then the hook (default: the system beep).
void KitBeep();
int KitBeepCount();
void DefineKitBeep(std::function<void()> f);

// The screen's cursor table: numbered cursors registered at start-up.
void KitRegisterCursor(int numero, const QCursor &cursor);
// The registered cursor, or the arrow.
QCursor KitCursor(int numero);
bool KitCursorRegistered(int numero);
