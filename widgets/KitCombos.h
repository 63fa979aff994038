// Owner-drawn combo boxes: a picker of the sixteen basic colours and a picker of font families.
#pragma once

#include "KitSistema.h"

#include <QComboBox>
#include <QImage>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

enum TOwnerDrawComboStyle { csDropDown, csSimple, csDropDownList };

// A combo box whose items are painted by DrawItem. The items exist once the control's window
// is created (first shown, or HandleNeeded) and are rebuilt by RecreateWnd.
class TOwnerDrawComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TOwnerDrawComboBox(QWidget *pai = nullptr);
    ~TOwnerDrawComboBox() override;

    TOwnerDrawComboStyle Style() const { return FStyle; }
    void SetStyle(TOwnerDrawComboStyle s);

    bool HandleAllocated() const { return FCriada; }
    void HandleNeeded();
    void RecreateWnd();
    int ItemHeight() const { return FItemHeight; }

    virtual int CalcItemHeight() const;
    virtual void DrawItem(QPainter &p, int indice, const QRect &r, bool selecionado) = 0;

protected:
    virtual void CreateWnd();
    void AjustaAlturaItem();
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    class TDelegado;
    TOwnerDrawComboStyle FStyle = csDropDownList;
    bool FCriada = false;
    bool FMudandoAltura = false;
    int FItemHeight = 9;
};

// The platform's name of a colour ("clRed", "clBtnFace"), or "$" and eight hexadecimal digits.
QString KitColorToString(TKitColor c);
// Colour value from a decimal or "$"-hexadecimal integer text.
bool KitIntToColor(const QString &texto, TKitColor &cor);

class TColorComboBox : public TOwnerDrawComboBox {
    Q_OBJECT
public:
    explicit TColorComboBox(QWidget *pai = nullptr);

    TKitColor ColorValue() const;
    void SetColorValue(TKitColor c);
    const QStringList &ColorNames() const { return FColorNames; }
    void SetColorNames(const QStringList &nomes);
    bool DisplayNames() const { return FDisplayNames; }
    void SetDisplayNames(bool v);

    void DrawItem(QPainter &p, int indice, const QRect &r, bool selecionado) override;
    virtual void FillItems();

    std::function<void()> OnChange, OnClick;

protected:
    void CreateWnd() override;

private:
    void Change();
    void Clique(int indice);
    void TextoEditado(const QString &t);

    TKitColor FColorValue = 0;
    QStringList FColorNames;
    bool FDisplayNames = true;
    bool FEditando = false;
};

enum TFontDevice { fdScreen, fdPrinter, fdBoth };
enum TFontListOption {
    foAnsiOnly,
    foTrueTypeOnly,
    foFixedPitchOnly,
    foNoOEMFonts,
    foOEMFontsOnly,
    foScalableOnly,
    foNoSymbolFonts
};
using TFontListOptions = unsigned; // bit n = option n

constexpr int kFonteRaster = 1, kFonteDevice = 2, kFonteTrueType = 4, kFonteNaoSimbolo = 256;

// One font family as the system lists it.
struct TKitFamiliaFonte {
    enum TCharSet { Ansi, Symbol, Oem, Outro };
    QString Nome;
    int Tipo = 0; // kFonteRaster | kFonteDevice | kFonteTrueType
    TCharSet CharSet = Ansi;
    bool FixedPitch = false;
};

// The system's font enumeration (the default one reads Qt's font database).
class IKitFontes {
public:
    virtual ~IKitFontes() = default;
    virtual std::vector<TKitFamiliaFonte> Tela() = 0;
    virtual std::vector<TKitFamiliaFonte> Impressora() = 0; // may throw
};
IKitFontes &KitFontes();
// Replaces the enumeration (nullptr restores the default one).
void DefineKitFontes(std::shared_ptr<IKitFontes> f);

class TFontComboBox : public TOwnerDrawComboBox {
    Q_OBJECT
public:
    explicit TFontComboBox(QWidget *pai = nullptr);

    TFontDevice Device() const { return FDevice; }
    void SetDevice(TFontDevice d);
    QString FontName() const { return currentText(); }
    void SetFontName(const QString &nome);
    TFontListOptions Options() const { return FOptions; }
    void SetOptions(TFontListOptions o);
    bool TrueTypeOnly() const { return (FOptions >> foTrueTypeOnly) & 1u; }
    void SetTrueTypeOnly(bool v);
    bool UseFonts() const { return FUseFonts; }
    void SetUseFonts(bool v);
    // The system's set of fonts changed.
    void FontesMudaram();

    int CalcItemHeight() const override;
    void DrawItem(QPainter &p, int indice, const QRect &r, bool selecionado) override;
    virtual void FillItems();

    const QImage &MarcaTrueType() const { return FTrueType; }
    const QImage &MarcaDevice() const { return FDevice_; }

    std::function<void()> OnChange, OnClick;

protected:
    void CreateWnd() override;

private:
    void Change();
    void Reset();
    void TextoEditado(const QString &t);

    TFontDevice FDevice = fdScreen;
    TFontListOptions FOptions = 0;
    bool FUseFonts = false;
    bool FUpdating = false;
    QImage FTrueType, FDevice_;
};
