#include "KitCombos.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <iterator>

// ---------------------------------------------------------------------------------------------
// TOwnerDrawComboBox

class TOwnerDrawComboBox::TDelegado : public QStyledItemDelegate {
public:
    explicit TDelegado(TOwnerDrawComboBox *c) : QStyledItemDelegate(c), FCombo(c) {}
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override {
        const bool sel = o.state & QStyle::State_Selected;
        p->save();
        p->setFont(FCombo->font());
        FCombo->DrawItem(*p, i.row(), o.rect, sel);
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
        return QSize(FCombo->width(), FCombo->ItemHeight());
    }

private:
    TOwnerDrawComboBox *FCombo;
};

TOwnerDrawComboBox::TOwnerDrawComboBox(QWidget *pai) : QComboBox(pai) {
    setItemDelegate(new TDelegado(this));
    setInsertPolicy(QComboBox::NoInsert);
}

TOwnerDrawComboBox::~TOwnerDrawComboBox() = default;

void TOwnerDrawComboBox::SetStyle(TOwnerDrawComboStyle s) {
    if (s == FStyle)
        return;
    FStyle = s;
    setEditable(s != csDropDownList);
    RecreateWnd();
}

int TOwnerDrawComboBox::CalcItemHeight() const {
    return std::max(QFontMetrics(font()).height() + 1, 9);
}

void TOwnerDrawComboBox::HandleNeeded() {
    if (!FCriada) {
        FCriada = true;
        CreateWnd();
    }
}

void TOwnerDrawComboBox::RecreateWnd() {
    if (FCriada && !FMudandoAltura)
        CreateWnd();
}

void TOwnerDrawComboBox::CreateWnd() {
    AjustaAlturaItem();
}

void TOwnerDrawComboBox::AjustaAlturaItem() {
    FMudandoAltura = true;
    FItemHeight = CalcItemHeight();
    view()->doItemsLayout();
    FMudandoAltura = false;
}

void TOwnerDrawComboBox::showEvent(QShowEvent *e) {
    HandleNeeded();
    QComboBox::showEvent(e);
}

void TOwnerDrawComboBox::changeEvent(QEvent *e) {
    QComboBox::changeEvent(e);
    if (e->type() == QEvent::FontChange && FCriada) {
        AjustaAlturaItem();
        RecreateWnd();
    }
}

void TOwnerDrawComboBox::paintEvent(QPaintEvent *e) {
    if (isEditable()) {
        QComboBox::paintEvent(e);
        return;
    }
    // The closed list style shows the selected item as the list draws it.
    QStylePainter p(this);
    QStyleOptionComboBox o;
    initStyleOption(&o);
    o.currentText.clear();
    o.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, o);
    const QRect r =
        style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) {
        p.save();
        p.setClipRect(r);
        DrawItem(p, currentIndex(), r, hasFocus());
        p.restore();
    }
}

// ---------------------------------------------------------------------------------------------
// Colour names

namespace {

struct TCorNome {
    TKitColor cor;
    const char *nome;
};

// The sixteen basic colours in item order (blue-green-red values).
constexpr TCorNome kBasicas[16] = {
    {0x000000, "clBlack"},  {0x000080, "clMaroon"},  {0x008000, "clGreen"}, {0x008080, "clOlive"},
    {0x800000, "clNavy"},   {0x800080, "clPurple"},  {0x808000, "clTeal"},  {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"},     {0x00FF00, "clLime"},  {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},   {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"},  {0xFFFFFF, "clWhite"},
};

constexpr const char *kSistema[] = {
    "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
    "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
    "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
    "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
    "clInfoBk",
};

QString NomeSemCl(TKitColor c) {
    QString s = KitColorToString(c);
    if (s.startsWith(QLatin1String("cl")))
        s.remove(0, 2);
    return s;
}

} // namespace

QString KitColorToString(TKitColor c) {
    for (const auto &b : kBasicas)
        if (b.cor == c)
            return QString::fromLatin1(b.nome);
    if ((c & 0xFF000000u) == 0x80000000u && (c & 0x00FFFFFFu) < std::size(kSistema))
        return QString::fromLatin1(kSistema[c & 0xFF]);
    if (c == clKitNone)
        return QStringLiteral("clNone");
    if (c == clKitDefault)
        return QStringLiteral("clDefault");
    return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

bool KitIntToColor(const QString &texto, TKitColor &cor) {
    const QString t = texto.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1Char('$'))) {
        const QString h = t.mid(1);
        if (h.isEmpty() || h.size() > 8)
            return false;
        const uint v = h.toUInt(&ok, 16);
        if (ok)
            cor = TKitColor(v);
        return ok;
    }
    const int v = t.toInt(&ok, 10);
    if (ok)
        cor = TKitColor(v);
    return ok;
}

// ---------------------------------------------------------------------------------------------
// TColorComboBox

TColorComboBox::TColorComboBox(QWidget *pai) : TOwnerDrawComboBox(pai) {
    connect(this, &QComboBox::activated, this, &TColorComboBox::Clique);
    connect(this, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (lineEdit() && lineEdit()->isModified())
            TextoEditado(t);
    });
}

void TColorComboBox::Change() {
    if (OnChange)
        OnChange();
}

void TColorComboBox::CreateWnd() {
    TOwnerDrawComboBox::CreateWnd();
    FillItems();
    const TKitColor c = FColorValue;
    FColorValue = ~c; // force the selection below
    SetColorValue(c);
}

void TColorComboBox::FillItems() {
    const QSignalBlocker b(this);
    clear();
    for (int i = 0; i < 16; ++i) {
        const QString nome = i < FColorNames.size() && !FColorNames[i].isEmpty()
                                 ? FColorNames[i]
                                 : QString::fromLatin1(kBasicas[i].nome + 2);
        addItem(nome, QVariant::fromValue(uint(kBasicas[i].cor)));
    }
    setCurrentIndex(-1);
}

TKitColor TColorComboBox::ColorValue() const {
    if (Style() != csDropDownList && currentIndex() < 0) {
        const QString t = currentText();
        for (int i = 0; i < count(); ++i)
            if (itemText(i).compare(t, Qt::CaseInsensitive) == 0)
                return TKitColor(itemData(i).toUInt());
        TKitColor c;
        if (KitIntToColor(t, c))
            return c;
    }
    return FColorValue;
}

void TColorComboBox::SetColorValue(TKitColor c) {
    if (currentIndex() >= 0 && c == FColorValue)
        return;
    FColorValue = c;
    const int i = findData(QVariant::fromValue(uint(c)));
    {
        const QSignalBlocker b(this);
        if (i >= 0) {
            if (currentIndex() != i)
                setCurrentIndex(i);
        } else if (Style() != csDropDownList) {
            setCurrentIndex(-1);
            setEditText(NomeSemCl(c));
        } else {
            setCurrentIndex(-1);
        }
    }
    update();
    Change();
}

void TColorComboBox::SetColorNames(const QStringList &nomes) {
    if (nomes == FColorNames)
        return;
    FColorValue = ColorValue();
    FColorNames = nomes;
    RecreateWnd();
}

void TColorComboBox::SetDisplayNames(bool v) {
    if (v == FDisplayNames)
        return;
    FDisplayNames = v;
    update();
    view()->viewport()->update();
}

void TColorComboBox::Clique(int indice) {
    if (indice >= 0)
        SetColorValue(TKitColor(itemData(indice).toUInt()));
    if (OnClick)
        OnClick();
}

void TColorComboBox::TextoEditado(const QString &t) {
    if (FEditando)
        return;
    // Typing leaves no item selected; the text stays as typed.
    FEditando = true;
    if (currentIndex() >= 0) {
        const int pos = lineEdit()->cursorPosition();
        const QSignalBlocker b(this);
        setCurrentIndex(-1);
        setEditText(t);
        lineEdit()->setCursorPosition(pos);
    }
    FEditando = false;
    const TKitColor c = ColorValue();
    if (c != FColorValue) {
        FColorValue = c;
        Change();
    }
}

void TColorComboBox::DrawItem(QPainter &p, int indice, const QRect &r, bool selecionado) {
    const QPalette pal = palette();
    p.fillRect(r, selecionado ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    // Swatch: R inset by 2 at the top, bottom and left.
    QRect s;
    s.setLeft(r.left() + 2);
    s.setTop(r.top() + 2);
    s.setBottom(r.bottom() - 2);
    s.setRight(FDisplayNames ? s.left() + 21 : r.right() - 3);
    p.setPen(KitSysColor(TKitSysColor::WindowText));
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.adjusted(0, 0, -1, -1));
    p.fillRect(s.adjusted(1, 1, -1, -1), KitColor(TKitColor(itemData(indice).toUInt())));
    if (FDisplayNames) {
        p.setPen(selecionado ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
        const Qt::Alignment lado =
            layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        p.drawText(r.adjusted(28, 0, 0, 0), int(lado | Qt::AlignVCenter | Qt::TextSingleLine),
                   itemText(indice));
    }
}

// ---------------------------------------------------------------------------------------------
// Font enumeration

namespace {

class TFontesQt : public IKitFontes {
public:
    std::vector<TKitFamiliaFonte> Tela() override {
        std::vector<TKitFamiliaFonte> r;
        for (const QString &f : QFontDatabase::families()) {
            TKitFamiliaFonte x;
            x.Nome = f;
            x.Tipo = QFontDatabase::isSmoothlyScalable(f) ? kFonteTrueType : kFonteRaster;
            const auto ws = QFontDatabase::writingSystems(f);
            if (ws.size() == 1 && ws.front() == QFontDatabase::Symbol)
                x.CharSet = TKitFamiliaFonte::Symbol;
            else if (ws.contains(QFontDatabase::Latin))
                x.CharSet = TKitFamiliaFonte::Ansi;
            else
                x.CharSet = TKitFamiliaFonte::Outro;
            x.FixedPitch = QFontDatabase::isFixedPitch(f);
            r.push_back(x);
        }
        return r;
    }
    // The printer lists the screen's families.
    std::vector<TKitFamiliaFonte> Impressora() override { return Tela(); }
};

std::shared_ptr<IKitFontes> &FontesAtuais() {
    static std::shared_ptr<IKitFontes> f = std::make_shared<TFontesQt>();
    return f;
}

// The two marks, drawn on a magenta key: two overlapping T's, and a small printer.
QImage MarcaTT() {
    QImage m(18, 12, QImage::Format_RGB32);
    m.fill(qRgb(255, 0, 255));
    QPainter p(&m);
    p.fillRect(1, 1, 8, 2, QColor(128, 128, 128));
    p.fillRect(4, 3, 2, 7, QColor(128, 128, 128));
    p.fillRect(7, 3, 9, 2, QColor(0, 0, 0));
    p.fillRect(10, 5, 3, 7, QColor(0, 0, 0));
    return m;
}

QImage MarcaDispositivo() {
    QImage m(18, 12, QImage::Format_RGB32);
    m.fill(qRgb(255, 0, 255));
    QPainter p(&m);
    p.setPen(Qt::black);
    p.fillRect(5, 1, 8, 4, Qt::white);
    p.drawRect(5, 1, 7, 3);
    p.fillRect(2, 5, 14, 5, QColor(128, 128, 128));
    p.drawRect(2, 5, 13, 4);
    p.fillRect(12, 7, 2, 1, QColor(0, 255, 0));
    return m;
}

bool TemOpcao(TFontListOptions o, TFontListOption x) {
    return (o >> x) & 1u;
}

} // namespace

IKitFontes &KitFontes() {
    return *FontesAtuais();
}

void DefineKitFontes(std::shared_ptr<IKitFontes> f) {
    FontesAtuais() = f ? std::move(f) : std::make_shared<TFontesQt>();
}

// ---------------------------------------------------------------------------------------------
// TFontComboBox

TFontComboBox::TFontComboBox(QWidget *pai)
    : TOwnerDrawComboBox(pai), FTrueType(MarcaTT()), FDevice_(MarcaDispositivo()) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (OnClick)
            OnClick();
        Change();
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString &t) {
        if (lineEdit() && lineEdit()->isModified())
            TextoEditado(t);
    });
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &TFontComboBox::FontesMudaram);
}

void TFontComboBox::Change() {
    if (!FUpdating && OnChange)
        OnChange();
}

int TFontComboBox::CalcItemHeight() const {
    return std::max(TOwnerDrawComboBox::CalcItemHeight(), FTrueType.height() - 1);
}

void TFontComboBox::FillItems() {
    const QSignalBlocker b(this);
    clear();
    std::vector<TKitFamiliaFonte> fs;
    if (FDevice == fdScreen || FDevice == fdBoth)
        fs = KitFontes().Tela();
    if (FDevice == fdPrinter || FDevice == fdBoth) {
        try {
            auto imp = KitFontes().Impressora();
            fs.insert(fs.end(), imp.begin(), imp.end());
        } catch (...) {
        }
    }
    QStringList nomes;
    std::vector<int> tipos;
    for (const auto &f : fs) {
        if (nomes.contains(f.Nome))
            continue;
        using C = TKitFamiliaFonte;
        if (TemOpcao(FOptions, foAnsiOnly) && f.CharSet != C::Ansi)
            continue;
        if (TemOpcao(FOptions, foTrueTypeOnly) && !(f.Tipo & kFonteTrueType))
            continue;
        if (TemOpcao(FOptions, foFixedPitchOnly) && !f.FixedPitch)
            continue;
        if (TemOpcao(FOptions, foOEMFontsOnly) && f.CharSet != C::Oem)
            continue;
        if (TemOpcao(FOptions, foNoOEMFonts) && f.CharSet == C::Oem)
            continue;
        if (TemOpcao(FOptions, foNoSymbolFonts) && f.CharSet == C::Symbol)
            continue;
        if (TemOpcao(FOptions, foScalableOnly) && (f.Tipo & kFonteRaster))
            continue;
        nomes.push_back(f.Nome);
        tipos.push_back(f.Tipo + (f.CharSet != C::Symbol ? kFonteNaoSimbolo : 0));
    }
    std::vector<int> ordem(nomes.size());
    for (int i = 0; i < int(ordem.size()); ++i)
        ordem[i] = i;
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        return QString::localeAwareCompare(nomes[a], nomes[b]) < 0;
    });
    for (int i : ordem)
        addItem(nomes[i], tipos[i]);
    setCurrentIndex(-1);
}

void TFontComboBox::Reset() {
    if (!HandleAllocated())
        return;
    const QString antigo = FontName();
    FUpdating = true;
    FillItems();
    SetFontName(antigo);
    FUpdating = false;
    if (FontName() != antigo)
        Change();
}

void TFontComboBox::CreateWnd() {
    TOwnerDrawComboBox::CreateWnd();
    const QString antigo = FontName();
    {
        const QSignalBlocker b(this);
        setCurrentIndex(-1);
        if (isEditable())
            setEditText(QString());
    }
    FUpdating = true;
    FillItems();
    SetFontName(antigo);
    FUpdating = false;
    if (FontName().compare(antigo, Qt::CaseInsensitive) != 0)
        Change();
}

void TFontComboBox::FontesMudaram() {
    Reset();
}

void TFontComboBox::SetFontName(const QString &nome) {
    if (nome == FontName())
        return;
    HandleNeeded();
    int achado = -1;
    for (int i = 0; i < count() && achado < 0; ++i)
        if (itemText(i).compare(nome, Qt::CaseInsensitive) == 0)
            achado = i;
    {
        const QSignalBlocker b(this);
        if (achado >= 0)
            setCurrentIndex(achado);
        else if (Style() != csDropDownList) {
            setCurrentIndex(-1);
            setEditText(nome);
        } else
            setCurrentIndex(-1);
    }
    update();
    Change();
}

void TFontComboBox::SetOptions(TFontListOptions o) {
    if (o == FOptions)
        return;
    FOptions = o;
    Reset();
}

void TFontComboBox::SetTrueTypeOnly(bool v) {
    SetOptions(v ? FOptions | (1u << foTrueTypeOnly) : FOptions & ~(1u << foTrueTypeOnly));
}

void TFontComboBox::SetDevice(TFontDevice d) {
    if (d == FDevice)
        return;
    FDevice = d;
    Reset();
}

void TFontComboBox::SetUseFonts(bool v) {
    if (v == FUseFonts)
        return;
    FUseFonts = v;
    update();
    view()->viewport()->update();
}

void TFontComboBox::TextoEditado(const QString &t) {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(t, Qt::CaseInsensitive) == 0) {
            if (i != currentIndex()) {
                const QSignalBlocker b(this);
                const int pos = lineEdit()->cursorPosition();
                setCurrentIndex(i);
                setEditText(t);
                lineEdit()->setCursorPosition(pos);
                Change();
            }
            return;
        }
}

void TFontComboBox::DrawItem(QPainter &p, int indice, const QRect &r, bool selecionado) {
    const QPalette pal = palette();
    p.fillRect(r, selecionado ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    const int tipo = itemData(indice).toInt();
    const QImage *marca = (tipo & kFonteTrueType) ? &FTrueType
                          : (tipo & kFonteDevice) ? &FDevice_
                                                  : nullptr;
    const int largura = marca ? marca->width() : 20;
    if (marca) {
        QImage m = marca->convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x)
                if ((m.pixel(x, y) & 0xFFFFFF) == 0xFF00FF)
                    m.setPixel(x, y, 0);
        p.drawImage(QPoint(r.left() + 2, (r.top() + r.bottom() + 1 - m.height()) / 2), m);
    }
    QFont f = font();
    if (FUseFonts && (tipo & kFonteNaoSimbolo))
        f.setFamily(itemText(indice));
    p.setFont(f);
    p.setPen(selecionado ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    p.drawText(r.adjusted(largura + 6, 0, 0, 0),
               int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), itemText(indice));
}
