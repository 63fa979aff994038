// The speed button.
#pragma once

#include "KitButtonGlyph.h"
#include "KitHover.h"

#include <QAction>
#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QShortcut;
class TKitTemporizador;

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
    bool MouseInControl() const { return FHover.Inside(); }
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
    bool FDragging = false, FMenuTracking = false;
    TKitHover FHover;
    int FGroupIndex = 0, FInitPause = 500, FMargin = -1, FModalResult = 0;
    int FRepeatInterval = 100, FSpacing = 1, FTag = 0;
    QColor FFontColor;
    QShortcut *FShortcut = nullptr;
};
