// The shadowed label.
#pragma once

#include "KitHover.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QShortcut;

enum TKitShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum class TKitTextLayout { Top, Center, Bottom };

// Draws the text twice, first in `sombra` moved by `s` towards `pos`, then in `cor` in place
// (p null: only measures; `r` then takes the text's size from its top-left corner). `r` becomes
// the union of both rectangles; returns the text height plus s (when positive).
int PaintShadowedText(QPainter *p, const QFont &fonte, const QString &texto, QRect &r, int flags,
                      int s, const QColor &sombra, const QColor &cor, TKitShadowPosition pos);

class TKitCustomLabel : public QWidget {
    Q_OBJECT

public:
    explicit TKitCustomLabel(QWidget *pai = nullptr);
    ~TKitCustomLabel() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &s);
    QWidget *FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget *w);
    TKitAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TKitAlignment a);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool b);
    TKitTextLayout Layout() const { return FLayout; }
    void SetLayout(TKitTextLayout l);
    QColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(const QColor &c);
    std::uint8_t ShadowSize() const { return FShadowSize; }
    void SetShadowSize(std::uint8_t s);
    TKitShadowPosition ShadowPos() const { return FShadowPos; }
    void SetShadowPos(TKitShadowPosition p);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool b);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool b);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool b);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool b);
    // The label's own colour (filled unless transparent) and the font's colour.
    QColor Color() const { return FColor; }
    void SetColor(const QColor &c);
    void SetFontColor(const QColor &c);
    void SetFont(const QFont &f);

    bool MouseInControl() const { return FHover.Inside(); }
    std::function<void()> OnMouseEnter, OnMouseLeave;

    // The text's rectangle as painted (shadow included) in client coordinates.
    QRect TextRect() const;
    // A dialog character: gives the focus control the focus when it matches the accelerator.
    bool DialogChar(QChar c);

    virtual QColor TextColor() const;
    virtual QString TextToShow() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void changeEvent(QEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int DrawFlags() const;
    // Draws or measures (p null) the caption in r.
    void DoDrawText(QPainter *p, QRect &r, int flags) const;
    QRect TextArea() const;
    void AdjustBounds();
    void UpdateTracking();
    void UpdateShortcut();

    QString FCaption;
    QPointer<QWidget> FFocusControl;
    TKitAlignment FAlignment = TKitAlignment::LeftJustify;
    bool FAutoSize = true;
    TKitTextLayout FLayout = TKitTextLayout::Top;
    QColor FShadowColor;
    std::uint8_t FShadowSize = 1;
    TKitShadowPosition FShadowPos = spLeftTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FShowFocus = false;
    bool FFocused = false;
    bool FDragging = false;
    TKitHover FHover;
    int FLeftMargin = 0, FRightMargin = 0;
    bool FTransparent = false;
    QColor FColor;
    QShortcut *FShortcut = nullptr;
};

class TKitLabel : public TKitCustomLabel {
    Q_OBJECT

public:
    using TKitCustomLabel::TKitCustomLabel;
};
