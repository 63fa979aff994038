#include "KitSistema.h"

#include "KitNumeros.h"

#include <QApplication>
#include <QPalette>

#include <map>

namespace {
int gBeeps = 0;
std::function<void()> gBeep;
std::map<int, QCursor> &Cursores() {
    static std::map<int, QCursor> m;
    return m;
}
} // namespace

QColor KitColor(TKitColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TKitColor KitColorValue(const QColor &c) {
    return TKitColor(c.red()) | (TKitColor(c.green()) << 8) | (TKitColor(c.blue()) << 16);
}

QColor KitSysColor(TKitSysColor c) {
    const QPalette p = QApplication::palette();
    switch (c) {
    case TKitSysColor::BtnFace:
        return p.color(QPalette::Active, QPalette::Button);
    case TKitSysColor::BtnHighlight:
        return p.color(QPalette::Active, QPalette::Light);
    case TKitSysColor::BtnShadow:
        return p.color(QPalette::Active, QPalette::Mid);
    case TKitSysColor::BtnText:
        return p.color(QPalette::Active, QPalette::ButtonText);
    case TKitSysColor::Highlight:
        return p.color(QPalette::Active, QPalette::Highlight);
    case TKitSysColor::GrayText:
        return p.color(QPalette::Disabled, QPalette::Text);
    case TKitSysColor::Window:
        return p.color(QPalette::Active, QPalette::Base);
    case TKitSysColor::WindowText:
        return p.color(QPalette::Active, QPalette::WindowText);
    case TKitSysColor::WindowFrame:
        return p.color(QPalette::Active, QPalette::Shadow);
    }
    return Qt::black;
}

void KitAplicaLocale(const QLocale &locale) {
    const QString d = locale.decimalPoint();
    if (d.size() == 1 && d[0].unicode() < 128)
        DefineKitDecimalSeparator(char(d[0].unicode()));
    DefineKitThousandSeparator(locale.groupSeparator().toStdString());
    DefineKitCurrencyString(locale.currencySymbol().toStdString());
}

void KitBeep() {
    ++gBeeps;
    if (gBeep)
        gBeep();
    else
        QApplication::beep();
}

int KitBeepCount() {
    return gBeeps;
}

void DefineKitBeep(std::function<void()> f) {
    gBeep = std::move(f);
}

void KitRegisterCursor(int numero, const QCursor &cursor) {
    Cursores()[numero] = cursor;
}

QCursor KitCursor(int numero) {
    auto it = Cursores().find(numero);
    return it == Cursores().end() ? QCursor(Qt::ArrowCursor) : it->second;
}

bool KitCursorRegistered(int numero) {
    return Cursores().count(numero) != 0;
}
