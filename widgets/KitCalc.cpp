#include "KitCalc.h"

#include "KitBase.h"
#include "KitNumeros.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>

QFont CalculatorFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setBold(true);
    return f;
}

char CalcKeyChar(const QKeyEvent &e) {
    const bool ctrl = e.modifiers() & Qt::ControlModifier;
    switch (e.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_C:
        if (ctrl)
            return 3;
        break;
    case Qt::Key_V:
        if (ctrl)
            return 22;
        break;
    default:
        break;
    }
    if (ctrl)
        return 0;
    const QString t = e.text();
    if (t.size() == 1 && t[0].unicode() > 0 && t[0].unicode() < 128)
        return char(t[0].unicode());
    return 0;
}

// ---------------------------------------------------------------------------------------------

TCalcButton::TCalcButton(QWidget *pai, TCalcBtnKind kind) : TKitSpeedButton(pai), FKind(kind) {
    SetTag(CalcKeyTag(kind));
    ApplyKindColor();
}

void TCalcButton::ApplyKindColor() {
    if (FSettingColor)
        return;
    FSettingColor = true;
    SetFontColor(KitColor(CalcKeyColor(FKind, KitColorValue(KitSysColor(TKitSysColor::BtnText)))));
    FSettingColor = false;
}

void TCalcButton::changeEvent(QEvent *e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange)
        ApplyKindColor();
    TKitSpeedButton::changeEvent(e);
}

// ---------------------------------------------------------------------------------------------

TCalculatorPanel::TCalculatorPanel(QWidget *owner, TCalcPanelLayout layout)
    : QFrame(owner), FLayout(layout) {
    if (layout == PopupLayout)
        setFixedSize(98, 124);
    else
        setFixedSize(240, 129);
    setFrameShape(QFrame::NoFrame);
    setFont(CalculatorFont());

    TKitBitmap celulas;
    if (layout == DialogLayout)
        celulas = LoadModuleBitmap(QString(), QStringLiteral("CALCBTNS"));
    for (int k = Digit0; k <= KeyCancel; ++k) {
        const auto kind = TCalcBtnKind(k);
        TKitRect lugar;
        if (!CalcKeyPlace(kind, layout, lugar))
            continue;
        auto *b = new TCalcButton(this, kind);
        QString legenda = QString::fromUtf8(CalcKeyCaption(kind).c_str());
        if (kind == KeyDecimal)
            legenda = QString(QLatin1Char(KitDecimalSeparator()));
        b->SetCaption(legenda);
        b->setGeometry(lugar.Left, lugar.Top, WidthOf(lugar), HeightOf(lugar));
        b->SetStyle(bsNew);
        b->OnClick = [this, kind] { PressButtonKind(kind); };
        const int celula = CalcKeyGlyphCell(kind);
        if (layout == DialogLayout && celula >= 0) {
            TKitBitmap g;
            CopyBitmapCell(&celulas, &g, 6, 1, celula);
            b->SetGlyph(g);
            b->SetCaption(QString());
        }
    }
    if (layout == DialogLayout) {
        FMemoryBox = new QFrame(this);
        FMemoryBox->setGeometry(6, 7, 34, 20);
        FMemoryBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        FMemoryBox->setLineWidth(1);
        FMemoryMark = new QLabel(FMemoryBox);
        FMemoryMark->setGeometry(3, 3, 26, 14);
        FMemoryMark->setAlignment(Qt::AlignCenter);
        QFont f = font();
        f.setBold(false);
        FMemoryMark->setFont(f);
    }
    // The engine starts with "0" on the display.
    MemoryValue = 0;
    Precision = 15;
    BeepOnError = true;
}

TKitSpeedButton *TCalculatorPanel::ButtonWithTag(int tag) const {
    for (QObject *o : children())
        if (auto *b = dynamic_cast<TKitSpeedButton *>(o); b && b->Tag() == tag)
            return b;
    return nullptr;
}

TCalcButton *TCalculatorPanel::Button(TCalcBtnKind kind) const {
    for (QObject *o : children())
        if (auto *b = dynamic_cast<TCalcButton *>(o); b && b->Kind() == kind)
            return b;
    return nullptr;
}

void TCalculatorPanel::HandleKeyPress(char &key) {
    const int tag = CalcTagForKey(key);
    if (tag >= 0)
        if (TKitSpeedButton *b = ButtonWithTag(tag)) {
            b->ButtonClick();
            return;
        }
    PressKey(key);
}

void TCalculatorPanel::UpdateMemoryMark() {
    if (FMemoryMark)
        FMemoryMark->setText(MemoryValue != 0 ? QStringLiteral("M") : QString());
}

void TCalculatorPanel::DisplayTextChanged() {
    if (FDisplay)
        FDisplay->setText(QString::fromUtf8(DisplayText.c_str()));
    TCalculatorCore::DisplayTextChanged();
}

void TCalculatorPanel::Beep() {
    KitBeep();
}

bool TCalculatorPanel::ClipboardText(std::string &texto) {
    const QMimeData *m = QApplication::clipboard()->mimeData();
    if (!m || !m->hasText())
        return false;
    texto = m->text().toStdString();
    return true;
}

void TCalculatorPanel::SetClipboardText(const std::string &texto) {
    QApplication::clipboard()->setText(QString::fromUtf8(texto.c_str()));
}

void TCalculatorPanel::SetCtl3D(bool b) {
    if (FCtl3D == b)
        return;
    FCtl3D = b;
    for (QObject *o : children())
        if (auto *k = dynamic_cast<TCalcButton *>(o))
            k->SetStyle(b ? bsNew : bsWin31);
    if (FMemoryBox)
        FMemoryBox->setFrameStyle(b ? (QFrame::Panel | QFrame::Sunken)
                                    : (QFrame::Box | QFrame::Plain));
}

// ---------------------------------------------------------------------------------------------

TKitCalculatorForm::TKitCalculatorForm(TKitCalculator *dono, QWidget *pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Calculator"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(242, 159);
    setFont(CalculatorFont());

    FMainPanel = new QFrame(this);
    FMainPanel->setGeometry(0, 0, 242, 159);
    FMainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FMainPanel->setLineWidth(1);
    FMenu = new QMenu(FMainPanel);
    FMenu->setObjectName(QStringLiteral("PopupMenu"));
    FCopy = FMenu->addAction(QStringLiteral("&Copy"));
    FCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    FPaste = FMenu->addAction(QStringLiteral("&Paste"));
    FPaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    addAction(FCopy);
    addAction(FPaste);
    QObject::connect(FMenu, &QMenu::aboutToShow, this, [this] { UpdatePasteItem(); });
    FMainPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(FMainPanel, &QWidget::customContextMenuRequested, this,
                     [this](const QPoint &p) {
                         UpdatePasteItem();
                         KitPopupMenu(*FMenu, FMainPanel->mapToGlobal(p));
                     });

    FDisplayBox = new QFrame(FMainPanel);
    FDisplayBox->setGeometry(6, 6, 230, 23);
    FDisplayBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FDisplayBox->setLineWidth(1);
    FDisplayBox->setAutoFillBackground(true);
    QPalette pal = FDisplayBox->palette();
    pal.setColor(QPalette::Window, KitSysColor(TKitSysColor::Window));
    FDisplayBox->setPalette(pal);
    auto *interno = new QFrame(FDisplayBox);
    interno->setGeometry(1, 1, 228, 21);
    interno->setFrameStyle(QFrame::Box | QFrame::Plain);
    interno->setLineWidth(1);
    FDisplayLabel = new QLabel(QStringLiteral("0"), interno);
    FDisplayLabel->setGeometry(5, 2, 217, 15);
    FDisplayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    FPanel = new TCalculatorPanel(FMainPanel, DialogLayout);
    FPanel->move(1, 159 - 1 - FPanel->height());
    FPanel->SetDisplayControl(FDisplayLabel);
    FPanel->OnConfirm = [this] { done(QDialog::Accepted); };
    FPanel->OnAbandon = [this] { done(QDialog::Rejected); };
    if (dono) {
        FPanel->OnKeyFilter = [dono](char &k) { dono->NotifyKey(k); };
        FPanel->OnValueShown = [dono] { dono->NotifyDisplay(); };
    }
    QObject::connect(FCopy, &QAction::triggered, this, [this] { FPanel->CopyDisplay(); });
    QObject::connect(FPaste, &QAction::triggered, this, [this] { FPanel->PasteDisplay(); });

    if (QScreen *s = QApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TKitCalculatorForm::UpdatePasteItem() {
    const QMimeData *m = QApplication::clipboard()->mimeData();
    FPaste->setEnabled(m && m->hasText());
}

void TKitCalculatorForm::SetCtl3D(bool b) {
    const int estilo = b ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame;
    FMainPanel->setFrameStyle(estilo);
    FDisplayBox->setFrameStyle(estilo);
    FPanel->SetCtl3D(b);
}

void TKitCalculatorForm::keyPressEvent(QKeyEvent *e) {
    char c = CalcKeyChar(*e);
    if (c == 0) {
        e->ignore();
        return;
    }
    FPanel->HandleKeyPress(c);
    e->accept();
}

// ---------------------------------------------------------------------------------------------

TKitCalculator::TKitCalculator(QObject *dono) : QObject(dono) {}

TKitCalculator::~TKitCalculator() {
    OnChange = nullptr;
    OnDisplayChange = nullptr;
}

void TKitCalculator::NotifyChange() {
    if (OnChange)
        OnChange();
}

void TKitCalculator::NotifyKey(char &key) {
    if (OnCalcKey)
        OnCalcKey(key);
}

void TKitCalculator::NotifyDisplay() {
    if (OnDisplayChange)
        OnDisplayChange();
}

bool TKitCalculator::Execute() {
    QWidget *janela = nullptr;
    if (auto *w = qobject_cast<QWidget *>(parent()))
        janela = w->window();
    auto dialogo = std::make_unique<TKitCalculatorForm>(this, janela);
    struct TLimpa {
        TKitCalculatorForm *&d;
        ~TLimpa() { d = nullptr; }
    } limpa{FDialog};
    FDialog = dialogo.get();
    if (HelpContext != 0) {
        dialogo->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
        dialogo->setProperty("HelpContext", HelpContext);
    }
    dialogo->SetCtl3D(Ctl3D);
    dialogo->setWindowTitle(Title);
    TCalculatorPanel *painel = dialogo->CalcPanel();
    painel->MemoryValue = MemoryValue;
    painel->UpdateMemoryMark();
    painel->Precision = Precision < 2 ? 2 : Precision;
    painel->BeepOnError = BeepOnError;
    if (Value != 0) {
        painel->ShowValue(Value);
        painel->State = EntryState::NewNumber;
        painel->PendingOperator = '=';
    }
    const bool ok = KitExecutaModal(*dialogo) == QDialog::Accepted;
    if (ok) {
        MemoryValue = painel->MemoryValue;
        const double v = painel->DisplayedValue();
        if (v != Value) {
            Value = v;
            NotifyChange();
        }
    }
    return ok;
}
