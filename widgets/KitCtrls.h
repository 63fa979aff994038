// The shadowed label and the speed button with its glyph painter.
#pragma once

#include "KitUtils.h"

#include <QAction>
#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QShortcut;
class TKitTemporizador;

enum TKitShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum class TKitAlignment { LeftJustify, RightJustify, Center };
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

    bool MouseInControl() const { return FMouseInControl; }
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
    bool FMouseInControl = false;
    bool FDragging = false;
    bool FUnderMouse = false;
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

enum TKitButtonState { StateUp, StateDisabled, StateDown, StateExclusive, StateInactive };
enum TKitButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TKitButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TKitDropDownMenuPos { dmpBottom, dmpRight };
enum class TKitMenuAlignment { Left, Right, Center };

// Where a button's glyph, caption and drop-down mark go (client coordinates, before the
// pressed offset).
struct TKitButtonPlaces {
    QRect Glyph;   // empty size without a glyph
    QRect Caption; // the caption's own rectangle
    QString Text;  // the caption as drawn (shortened with "...")
    QPoint Mark;   // the mark's x and y
    bool HasMark = false;
};

// Shared image lists of the glyph painters, one per glyph size; lives while a painter exists.
class TGlyphList;

class TKitButtonGlyph {
public:
    TKitButtonGlyph();
    ~TKitButtonGlyph();
    TKitButtonGlyph(const TKitButtonGlyph &) = delete;
    TKitButtonGlyph &operator=(const TKitButtonGlyph &) = delete;

    const TKitBitmap &Glyph() const { return FOriginal; }
    void SetGlyph(const TKitBitmap &b);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int n);
    QRgb TransparentColor() const { return FTransparentColor; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool b) { FWordWrap = b; }
    TKitAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TKitAlignment a) { FAlignment = a; }
    // The glyph's cell size (0 x 0 without a glyph).
    QSize GlyphSize() const;

    // The picture drawn for a state (made once and cached; null without a glyph).
    QImage StateImage(TKitButtonState s);
    bool Cached(TKitButtonState s) const { return FIndexes[s] >= 0; }

    TKitButtonPlaces CalcPlaces(const QRect &face, const QFontMetrics &fm, const QString &caption,
                                TKitButtonLayout layout, int margin, int spacing, bool mark) const;
    // Draws glyph, caption and mark; returns the places used.
    TKitButtonPlaces Draw(QPainter &p, const QRect &face, const QPoint &offset,
                          const QString &caption, TKitButtonLayout layout, int margin, int spacing,
                          TKitButtonState state, bool mark, const QColor &corTexto);

    // Number of shared image lists alive (for tests).
    static int CachedLists();

private:
    void Invalidate();
    int CreateButtonGlyph(TKitButtonState s);

    TKitBitmap FOriginal;
    QRgb FTransparentColor;
    int FNumGlyphs = 1;
    bool FWordWrap = false;
    TKitAlignment FAlignment = TKitAlignment::Center;
    std::array<int, 5> FIndexes{{-1, -1, -1, -1, -1}};
    TGlyphList *FList = nullptr;
};

class TKitSpeedButton : public QWidget {
    Q_OBJECT

public:
    explicit TKitSpeedButton(QWidget *pai = nullptr);
    ~TKitSpeedButton() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &s);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool b);
    bool AllowTimer() const { return FAllowTimer; }
    void SetAllowTimer(bool b);
    TKitAlignment Alignment() const { return FGlyph->Alignment(); }
    void SetAlignment(TKitAlignment a);
    bool Down() const { return FDown; }
    void SetDown(bool b);
    QMenu *DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(QMenu *m);
    TKitMenuAlignment MenuAlignment() const { return FMenuAlignment; }
    void SetMenuAlignment(TKitMenuAlignment a) { FMenuAlignment = a; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool b);
    const TKitBitmap &Glyph() const { return FGlyph->Glyph(); }
    void SetGlyph(const TKitBitmap &b);
    bool GrayedInactive() const { return FGrayedInactive; }
    void SetGrayedInactive(bool b);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int g);
    int InitPause() const { return FInitPause; }
    void SetInitPause(int ms) { FInitPause = ms; }
    TKitButtonLayout Layout() const { return FLayout; }
    void SetLayout(TKitButtonLayout l);
    int Margin() const { return FMargin; }
    void SetMargin(int m);
    bool MarkDropDown() const { return FMarkDropDown; }
    void SetMarkDropDown(bool b);
    TKitDropDownMenuPos MenuPosition() const { return FMenuPosition; }
    void SetMenuPosition(TKitDropDownMenuPos p) { FMenuPosition = p; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int r) { FModalResult = r; }
    int NumGlyphs() const { return FGlyph->NumGlyphs(); }
    void SetNumGlyphs(int n);
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int ms) { FRepeatInterval = ms; }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int s);
    TKitButtonStyle Style() const { return FStyle; }
    void SetStyle(TKitButtonStyle s);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool b);
    bool WordWrap() const { return FGlyph->WordWrap(); }
    void SetWordWrap(bool b);
    int Tag() const { return FTag; }
    void SetTag(int t) { FTag = t; }
    // The caption's colour (the system button-text colour unless set).
    QColor FontColor() const;
    void SetFontColor(const QColor &c);
    // A checkable action makes a grouped button follow its checked state; its icon fills an
    // empty glyph.
    void SetAction(QAction *a);

    std::function<void()> OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;

    TKitButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    bool Dragging() const { return FDragging; }
    TKitButtonGlyph &ButtonGlyph() { return *FGlyph; }
    const TKitTemporizador &RepeatTimer() const;

    // Fires the click and sets the dialog's result to ModalResult.
    virtual void Click();
    // Shows the button pressed, waits about 20 ms, clicks and lets it up again.
    void ButtonClick();
    // The repeat timer's tick.
    void TimerExpired();
    // A dialog character: clicks the button when it matches the accelerator.
    bool DialogChar(QChar c);
    // Where the drop-down menu pops up, in client coordinates.
    QPoint MenuPoint() const;
    // Places of glyph, caption and mark for the current state (face rectangle after framing).
    TKitButtonPlaces Places() const;
    // The face rectangle left after the frames of the current style and state.
    QRect FaceRect(bool down) const;

    static int LiveButtons();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void changeEvent(QEvent *) override;
    void showEvent(QShowEvent *) override;
    // Lays out and draws glyph, caption and mark.
    virtual void PaintContent(QPainter &p, const QRect &face, TKitButtonState state, bool drawMark);

private:
    bool NewStyle() const;
    // Draws the frames and returns the rectangle inside them.
    QRect DrawFace(QPainter *p, QRect r, bool down) const;
    void UpdateExclusive();
    void ReceiveExclusive(TKitSpeedButton *remetente);
    void UpdateTracking();
    void PopMenu();
    void UpdateShortcut();

    QString FCaption;
    std::unique_ptr<TKitButtonGlyph> FGlyph;
    std::unique_ptr<TKitTemporizador> FTimer;
    QPointer<QMenu> FDropDownMenu;
    QPointer<QAction> FAction;
    TKitMenuAlignment FMenuAlignment = TKitMenuAlignment::Left;
    TKitButtonState FState = StateUp;
    TKitButtonLayout FLayout = blGlyphTop;
    TKitButtonStyle FStyle = bsAutoDetect;
    TKitDropDownMenuPos FMenuPosition = dmpBottom;
    bool FAllowAllUp = false, FAllowTimer = false, FDown = false, FFlat = false;
    bool FGrayedInactive = true, FMarkDropDown = true, FTransparent = false;
    bool FDragging = false, FMouseInControl = false, FMenuTracking = false, FUnderMouse = false;
    int FGroupIndex = 0, FInitPause = 500, FMargin = -1, FModalResult = 0;
    int FRepeatInterval = 100, FSpacing = 1, FTag = 0;
    QColor FFontColor;
    QShortcut *FShortcut = nullptr;
};
