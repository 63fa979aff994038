#include "KitSpeedButton.h"

#include "KitBase.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {
int gBotoes = 0;
} // namespace

TKitSpeedButton::TKitSpeedButton(QWidget *pai)
    : QWidget(pai), FGlyph(std::make_unique<TKitButtonGlyph>()) {
    ++gBotoes;
    resize(25, 25);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoMouseReplay);
    setToolTipDuration(-1);
}

TKitSpeedButton::~TKitSpeedButton() {
    --gBotoes;
}

int TKitSpeedButton::LiveButtons() {
    return gBotoes;
}

const TKitTemporizador &TKitSpeedButton::RepeatTimer() const {
    static const TKitTemporizador parado(nullptr);
    return FTimer ? *FTimer : parado;
}

void TKitSpeedButton::SetCaption(const QString &s) {
    if (s == FCaption)
        return;
    FCaption = s;
    UpdateShortcut();
    update();
}

void TKitSpeedButton::SetAllowAllUp(bool b) {
    if (FAllowAllUp == b)
        return;
    FAllowAllUp = b;
    UpdateExclusive();
}

void TKitSpeedButton::SetAllowTimer(bool b) {
    FAllowTimer = b;
    if (!b && FTimer)
        FTimer->Para();
}

void TKitSpeedButton::SetAlignment(TKitAlignment a) {
    if (FGlyph->Alignment() == a)
        return;
    FGlyph->SetAlignment(a);
    update();
}

void TKitSpeedButton::SetDown(bool b) {
    if (FGroupIndex == 0)
        b = false;
    if (b == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = b;
    if (isEnabled()) {
        if (b) {
            if (FState == StateUp)
                update();
            FState = StateExclusive;
        } else {
            FState = StateUp;
            update();
        }
    }
    if (b)
        UpdateExclusive();
    update();
}

void TKitSpeedButton::SetDropDownMenu(QMenu *m) {
    if (FDropDownMenu == m)
        return;
    FDropDownMenu = m;
    update();
}

void TKitSpeedButton::SetFlat(bool b) {
    if (FFlat == b)
        return;
    FFlat = b;
    update();
}

void TKitSpeedButton::SetGlyph(const TKitBitmap &b) {
    FGlyph->SetGlyph(b);
    update();
}

void TKitSpeedButton::SetGrayedInactive(bool b) {
    if (FGrayedInactive == b)
        return;
    FGrayedInactive = b;
    update();
}

void TKitSpeedButton::SetGroupIndex(int g) {
    if (FGroupIndex == g)
        return;
    FGroupIndex = g;
    UpdateExclusive();
}

void TKitSpeedButton::SetLayout(TKitButtonLayout l) {
    if (FLayout == l)
        return;
    FLayout = l;
    update();
}

void TKitSpeedButton::SetMargin(int m) {
    if (m == FMargin || m < -1)
        return;
    FMargin = m;
    update();
}

void TKitSpeedButton::SetMarkDropDown(bool b) {
    if (FMarkDropDown == b)
        return;
    FMarkDropDown = b;
    update();
}

void TKitSpeedButton::SetNumGlyphs(int n) {
    n = n < 1 ? 1 : (n > 5 ? 5 : n);
    if (n == FGlyph->NumGlyphs())
        return;
    FGlyph->SetNumGlyphs(n);
    update();
}

void TKitSpeedButton::SetSpacing(int s) {
    if (s == FSpacing)
        return;
    FSpacing = s;
    update();
}

void TKitSpeedButton::SetStyle(TKitButtonStyle s) {
    if (s == FStyle)
        return;
    FStyle = s;
    update();
}

void TKitSpeedButton::SetTransparent(bool b) {
    if (b == FTransparent)
        return;
    FTransparent = b;
    setAttribute(Qt::WA_OpaquePaintEvent, !b);
    update();
}

void TKitSpeedButton::SetWordWrap(bool b) {
    if (b == FGlyph->WordWrap())
        return;
    FGlyph->SetWordWrap(b);
    update();
}

QColor TKitSpeedButton::FontColor() const {
    return FFontColor.isValid() ? FFontColor : KitSysColor(TKitSysColor::BtnText);
}

void TKitSpeedButton::SetFontColor(const QColor &c) {
    if (c == FFontColor)
        return;
    FFontColor = c;
    update();
}

void TKitSpeedButton::SetAction(QAction *a) {
    FAction = a;
    if (!a)
        return;
    auto segue = [this] {
        if (!FAction)
            return;
        if (FAction->isCheckable() && FGroupIndex != 0)
            SetDown(FAction->isChecked());
        if (FGlyph->Glyph().Vazio() && !FAction->icon().isNull()) {
            const QSize t(16, 16);
            QImage img(t, QImage::Format_RGB32);
            img.fill(QColor(255, 0, 255));
            QPainter p(&img);
            p.drawPixmap(0, 0, FAction->icon().pixmap(t));
            p.end();
            TKitBitmap b;
            b.Imagem = img;
            b.Transparente = qRgb(255, 0, 255);
            SetGlyph(b);
        }
        setEnabled(FAction->isEnabled());
    };
    QObject::connect(a, &QAction::changed, this, segue);
    segue();
}

bool TKitSpeedButton::NewStyle() const {
    return FStyle != bsWin31;
}

QRect TKitSpeedButton::DrawFace(QPainter *p, QRect r, bool down) const {
    const QColor face = KitSysColor(TKitSysColor::BtnFace),
                 hi = KitSysColor(TKitSysColor::BtnHighlight),
                 sh = KitSysColor(TKitSysColor::BtnShadow),
                 wf = KitSysColor(TKitSysColor::WindowFrame);
    auto moldura = [&](const QColor &tl, const QColor &br) {
        if (p) {
            p->fillRect(r.left(), r.top(), r.width(), 1, tl);
            p->fillRect(r.left(), r.top(), 1, r.height(), tl);
            p->fillRect(r.left(), r.bottom(), r.width(), 1, br);
            p->fillRect(r.right(), r.top(), 1, r.height(), br);
        }
        r.adjust(1, 1, -1, -1);
    };
    if (NewStyle()) {
        if (!FFlat) {
            if (down) {
                moldura(wf, hi);
                moldura(sh, face);
            } else {
                moldura(hi, wf);
                moldura(face, sh);
            }
        } else if (down)
            moldura(wf, hi);
        else
            moldura(hi, sh);
    } else if (!FFlat) {
        moldura(wf, wf);
        if (down) {
            if (p) {
                p->fillRect(r.left(), r.top(), r.width(), 1, sh);
                p->fillRect(r.left(), r.top(), 1, r.height(), sh);
            }
        } else
            moldura(hi, sh);
    } else if (down)
        moldura(wf, hi);
    else
        moldura(hi, wf);
    return r.adjusted(1, 1, -1, -1);
}

QRect TKitSpeedButton::FaceRect(bool down) const {
    return DrawFace(nullptr, rect(), down);
}

void TKitSpeedButton::paintEvent(QPaintEvent *) {
    if (!isEnabled()) {
        FState = StateDisabled;
        FDragging = false;
    } else if (FState == StateDisabled)
        FState = (FDown && FGroupIndex != 0) ? StateExclusive : StateUp;
    const TKitButtonState desenhado = (FFlat && !FHover.Inside()) ? StateInactive : FState;
    const qreal dpr = devicePixelRatioF();
    QPixmap bmp(size() * dpr);
    bmp.setDevicePixelRatio(dpr);
    bmp.fill(KitSysColor(TKitSysColor::BtnFace));
    {
        QPainter p(&bmp);
        p.setFont(font());
        if (FTransparent && !KitCopyPainting())
            PaintParentBackground(this, p);
        const bool baixo = FState == StateDown || FState == StateExclusive;
        QRect r = rect();
        if (!(desenhado == StateInactive && FState != StateExclusive))
            r = DrawFace(&p, r, baixo);
        else
            r.adjust(2, 2, -2, -2);
        if (FState == StateExclusive && !FTransparent && (!FFlat || desenhado == StateInactive)) {
            QBrush xadrez(KitSysColor(TKitSysColor::BtnHighlight), Qt::Dense4Pattern);
            p.fillRect(r, KitSysColor(TKitSysColor::BtnFace));
            p.fillRect(r, xadrez);
        }
        if (baixo)
            r.translate(1, 1);
        const TKitButtonState estadoGlyph = (!isEnabled() || !FGrayedInactive) ? FState : desenhado;
        PaintContent(p, r, estadoGlyph, FMarkDropDown && FDropDownMenu);
    }
    QPainter tela(this);
    tela.drawPixmap(0, 0, bmp);
}

void TKitSpeedButton::PaintContent(QPainter &p, const QRect &face, TKitButtonState state,
                                   bool drawMark) {
    FGlyph->Draw(p, face, QPoint(0, 0), FCaption, FLayout, FMargin, FSpacing, state, drawMark,
                 FontColor());
}

TKitButtonPlaces TKitSpeedButton::Places() const {
    const bool baixo = FState == StateDown || FState == StateExclusive;
    return FGlyph->CalcPlaces(FaceRect(baixo), QFontMetrics(font()), FCaption, FLayout, FMargin,
                              FSpacing, FMarkDropDown && FDropDownMenu);
}

QPoint TKitSpeedButton::MenuPoint() const {
    if (FMenuPosition == dmpBottom) {
        switch (FMenuAlignment) {
        case TKitMenuAlignment::Left:
            return QPoint(-1, height());
        case TKitMenuAlignment::Right:
            return QPoint(width() + 1, height());
        case TKitMenuAlignment::Center:
            return QPoint(width() / 2, height());
        }
    }
    switch (FMenuAlignment) {
    case TKitMenuAlignment::Left:
        return QPoint(width(), -1);
    case TKitMenuAlignment::Right:
        return QPoint(-1, -1);
    case TKitMenuAlignment::Center:
        break;
    }
    return QPoint(width() / 2, height());
}

void TKitSpeedButton::PopMenu() {
    FMenuTracking = true;
    KitPopupMenu(*FDropDownMenu, mapToGlobal(MenuPoint()));
    FMenuTracking = false;
    // The press that closed the menu must not press the button again.
    DropPendingMessage(this, QEvent::MouseButtonPress);
    FDragging = false;
    FState = FDown ? StateExclusive : StateUp;
    update();
}

void TKitSpeedButton::mousePressEvent(QMouseEvent *e) {
    e->accept();
    if (e->button() != Qt::LeftButton) {
        UpdateTracking();
        return;
    }
    if (!isEnabled())
        return;
    if (!FDown) {
        FState = StateDown;
        repaint();
    }
    FDragging = true;
    if (FDropDownMenu) {
        PopMenu();
        return;
    }
    if (FAllowTimer) {
        if (!FTimer)
            FTimer = std::make_unique<TKitTemporizador>([this] { TimerExpired(); });
        FTimer->Inicia(FInitPause);
    }
}

void TKitSpeedButton::mouseMoveEvent(QMouseEvent *e) {
    if (!FDragging)
        return;
    const bool dentro = rect().contains(e->position().toPoint());
    TKitButtonState novo = FDown ? StateExclusive : (dentro ? StateDown : StateUp);
    if (novo != FState) {
        FState = novo;
        update();
    }
}

void TKitSpeedButton::mouseReleaseEvent(QMouseEvent *e) {
    e->accept();
    if (e->button() != Qt::LeftButton) {
        UpdateTracking();
        return;
    }
    if (!FDragging)
        return;
    FDragging = false;
    const QPoint pt = e->position().toPoint();
    const bool conta = pt.x() >= 0 && pt.x() < width() && pt.y() >= 0 && pt.y() <= height();
    if (FGroupIndex == 0) {
        FState = StateUp;
    } else {
        if (conta)
            SetDown(!FDown);
        FState = FDown ? StateExclusive : StateUp;
    }
    update();
    if (FTimer)
        FTimer->Para();
    if (conta && !FMenuTracking)
        Click();
    UpdateTracking();
}

void TKitSpeedButton::mouseDoubleClickEvent(QMouseEvent *e) {
    mousePressEvent(e);
    if (FDown && OnDblClick)
        OnDblClick();
}

void TKitSpeedButton::TimerExpired() {
    if (!FTimer)
        return;
    FTimer->Inicia(FRepeatInterval);
    if (FState == StateDown && FDragging)
        Click();
}

void TKitSpeedButton::Click() {
    if (OnClick)
        OnClick();
    if (FModalResult != 0)
        if (auto *d = qobject_cast<QDialog *>(window()))
            d->done(FModalResult);
}

void TKitSpeedButton::ButtonClick() {
    if (FMenuTracking || !isEnabled() || FDropDownMenu)
        return;
    FState = StateDown;
    repaint();
    KitEsperaAtiva(20);
    if (FGroupIndex == 0) {
        Click();
        FState = StateUp;
        repaint();
    } else {
        SetDown(!FDown);
        FState = FDown ? StateExclusive : StateUp;
        repaint();
        Click();
    }
}

bool TKitSpeedButton::DialogChar(QChar c) {
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty() || !isEnabled() || QKeySequence(Qt::ALT | Qt::Key(c.toUpper().unicode())) != m)
        return false;
    Click();
    return true;
}

void TKitSpeedButton::UpdateShortcut() {
    delete FShortcut;
    FShortcut = nullptr;
    const QKeySequence m = QKeySequence::mnemonic(FCaption);
    if (m.isEmpty())
        return;
    FShortcut = new QShortcut(m, this);
    QObject::connect(FShortcut, &QShortcut::activated, this, [this] {
        if (isEnabled())
            Click();
    });
}

void TKitSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !parentWidget())
        return;
    for (QObject *o : parentWidget()->children())
        if (auto *b = dynamic_cast<TKitSpeedButton *>(o);
            b && b != this && b->FGroupIndex == FGroupIndex)
            b->ReceiveExclusive(this);
}

void TKitSpeedButton::ReceiveExclusive(TKitSpeedButton *remetente) {
    if (remetente->FDown && FDown) {
        FDown = false;
        FState = StateUp;
        update();
    }
    FAllowAllUp = remetente->FAllowAllUp;
}

void TKitSpeedButton::UpdateTracking() {
    if (!FHover.Update(isEnabled(), FDragging))
        return;
    if (FFlat)
        update();
    FHover.Fire(OnMouseEnter, OnMouseLeave);
}

void TKitSpeedButton::enterEvent(QEnterEvent *) {
    FHover.SetUnderMouse(true);
    UpdateTracking();
}

void TKitSpeedButton::leaveEvent(QEvent *) {
    FHover.SetUnderMouse(false);
    UpdateTracking();
}

void TKitSpeedButton::changeEvent(QEvent *e) {
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            FState = StateDisabled;
            FDragging = false;
        } else if (FState == StateDisabled)
            FState = (FDown && FGroupIndex != 0) ? StateExclusive : StateUp;
        UpdateTracking();
        update();
    }
    QWidget::changeEvent(e);
}

void TKitSpeedButton::showEvent(QShowEvent *e) {
    UpdateTracking();
    QWidget::showEvent(e);
}
