// The colour and font combo boxes, offscreen.
#include "KitCombos.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace {

constexpr TKitColor kGray = 0x808080, kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(ColorCombo, SelectionNamesAndTypedText) {
    TColorComboBox c;
    int mudancas = 0;
    c.OnChange = [&] { ++mudancas; };
    c.SetColorValue(kGray); // stored before the items exist
    c.HandleNeeded();
    EXPECT_EQ(c.count(), 16);
    EXPECT_EQ(c.currentIndex(), 7);
    EXPECT_EQ(c.currentText(), QStringLiteral("Gray"));
    EXPECT_EQ(c.itemText(15), QStringLiteral("White"));
    EXPECT_EQ(c.itemData(9).toUInt(), kRed);

    // Unchanged value on a selected item: no notification.
    mudancas = 0;
    c.SetColorValue(kGray);
    EXPECT_EQ(mudancas, 0);

    // A colour outside the sixteen, list style: nothing selected, value kept.
    c.SetColorValue(0x123456);
    EXPECT_EQ(c.currentIndex(), -1);
    EXPECT_EQ(c.ColorValue(), 0x123456u);
    EXPECT_EQ(mudancas, 1);

    // Edit style: the hexadecimal form shows and reads back.
    c.SetStyle(csDropDown);
    c.SetColorValue(0x00ABCDEF);
    EXPECT_EQ(c.currentText(), QStringLiteral("$00ABCDEF"));
    EXPECT_EQ(c.ColorValue(), 0x00ABCDEFu);
    c.SetColorValue(kBlue);
    EXPECT_EQ(c.currentIndex(), 12);

    // Typed names in any case, decimal numbers, and text that is neither.
    c.lineEdit()->selectAll();
    mudancas = 0;
    QTest::keyClicks(c.lineEdit(), QStringLiteral("fUcHsIa"));
    EXPECT_EQ(c.currentIndex(), -1);
    EXPECT_EQ(c.ColorValue(), 0xFF00FFu);
    EXPECT_GE(mudancas, 1);
    c.lineEdit()->selectAll();
    QTest::keyClicks(c.lineEdit(), QStringLiteral("255"));
    EXPECT_EQ(c.ColorValue(), kRed);
    c.lineEdit()->selectAll();
    QTest::keyClicks(c.lineEdit(), QStringLiteral("nada"));
    EXPECT_EQ(c.ColorValue(), kRed);

    // Choosing an item from the list.
    int cliques = 0;
    c.OnClick = [&] { ++cliques; };
    c.setCurrentIndex(3);
    emit c.activated(3);
    EXPECT_EQ(c.ColorValue(), 0x008080u);
    EXPECT_EQ(cliques, 1);
}

TEST(ColorCombo, ColorTextsAndNamesList) {
    EXPECT_EQ(KitColorToString(kRed), QStringLiteral("clRed"));
    EXPECT_EQ(KitColorToString(0x8000000F), QStringLiteral("clBtnFace"));
    EXPECT_EQ(KitColorToString(0x01020304), QStringLiteral("$01020304"));
    TKitColor c = 0;
    EXPECT_TRUE(KitIntToColor(QStringLiteral("$FF"), c));
    EXPECT_EQ(c, 0xFFu);
    EXPECT_FALSE(KitIntToColor(QStringLiteral("$"), c));
    EXPECT_FALSE(KitIntToColor(QStringLiteral("12x"), c));

    TColorComboBox cb;
    cb.SetColorValue(kGray);
    cb.HandleNeeded();
    cb.SetColorNames({QStringLiteral("Preto"), QString(), QStringLiteral("Verde")});
    EXPECT_EQ(cb.itemText(0), QStringLiteral("Preto"));
    EXPECT_EQ(cb.itemText(1), QStringLiteral("Maroon"));
    EXPECT_EQ(cb.itemText(2), QStringLiteral("Verde"));
    EXPECT_EQ(cb.itemText(3), QStringLiteral("Olive"));
    EXPECT_EQ(cb.currentIndex(), 7); // the rebuilt list keeps the colour
}

TEST(ColorCombo, SwatchPixels) {
    TColorComboBox c;
    c.HandleNeeded();
    QImage img(60, 16, QImage::Format_RGB32);
    img.fill(Qt::white);
    const TKitColor janela = KitColorValue(KitSysColor(TKitSysColor::WindowText));
    {
        QPainter p(&img);
        c.SetDisplayNames(false);
        c.DrawItem(p, 9, QRect(0, 0, 60, 16), false);
    }
    // Swatch from x 2 to 56 (the width less 5), y 2 to 13; red inside the outline.
    EXPECT_EQ(KitColorValue(img.pixelColor(2, 5)), janela);
    EXPECT_EQ(KitColorValue(img.pixelColor(56, 5)), janela);
    EXPECT_EQ(KitColorValue(img.pixelColor(57, 5)), 0xFFFFFFu);
    EXPECT_EQ(KitColorValue(img.pixelColor(10, 2)), janela);
    EXPECT_EQ(KitColorValue(img.pixelColor(10, 13)), janela);
    EXPECT_EQ(KitColorValue(img.pixelColor(3, 3)), kRed);
    EXPECT_EQ(KitColorValue(img.pixelColor(55, 12)), kRed);

    // With names the swatch is 22 wide and the name starts at 28.
    img.fill(Qt::white);
    {
        QPainter p(&img);
        c.SetDisplayNames(true);
        c.DrawItem(p, 9, QRect(0, 0, 60, 16), false);
    }
    EXPECT_EQ(KitColorValue(img.pixelColor(23, 5)), janela);
    EXPECT_EQ(KitColorValue(img.pixelColor(22, 5)), kRed);
    bool texto = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 28; x < 60; ++x)
            texto |= img.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(texto);
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(img.pixelColor(26, y), QColor(Qt::white)) << y;
}

class TFontesFalsas : public IKitFontes {
public:
    std::vector<TKitFamiliaFonte> lista;
    bool falhaImpressora = true;
    std::vector<TKitFamiliaFonte> Tela() override { return lista; }
    std::vector<TKitFamiliaFonte> Impressora() override {
        if (falhaImpressora)
            throw 1;
        return {{QStringLiteral("Impressora"), kFonteDevice, TKitFamiliaFonte::Ansi, false}};
    }
};

struct FonteComboTeste : ::testing::Test {
    std::shared_ptr<TFontesFalsas> f = std::make_shared<TFontesFalsas>();
    void SetUp() override {
        using C = TKitFamiliaFonte;
        f->lista = {{QStringLiteral("Zeta"), kFonteTrueType, C::Ansi, false},
                    {QStringLiteral("Mono"), kFonteTrueType, C::Ansi, true},
                    {QStringLiteral("Bitmap"), kFonteRaster, C::Ansi, false},
                    {QStringLiteral("Simbolos"), kFonteTrueType, C::Symbol, false},
                    {QStringLiteral("Dos"), kFonteRaster, C::Oem, true},
                    {QStringLiteral("Cirilico"), kFonteTrueType, C::Outro, false},
                    {QStringLiteral("Mono"), kFonteTrueType, C::Ansi, true}};
        DefineKitFontes(f);
    }
    void TearDown() override { DefineKitFontes(nullptr); }
    static QStringList Itens(const TFontComboBox &c) {
        QStringList r;
        for (int i = 0; i < c.count(); ++i)
            r << c.itemText(i);
        return r;
    }
};

TEST_F(FonteComboTeste, OptionsFilterTheList) {
    TFontComboBox c;
    c.HandleNeeded();
    EXPECT_EQ(Itens(c), QStringList({"Bitmap", "Cirilico", "Dos", "Mono", "Simbolos", "Zeta"}));
    EXPECT_EQ(c.itemData(4).toInt(), kFonteTrueType);
    EXPECT_EQ(c.itemData(5).toInt(), kFonteTrueType + kFonteNaoSimbolo);
    const std::pair<TFontListOption, QStringList> casos[] = {
        {foAnsiOnly, {"Bitmap", "Mono", "Zeta"}},
        {foTrueTypeOnly, {"Cirilico", "Mono", "Simbolos", "Zeta"}},
        {foFixedPitchOnly, {"Dos", "Mono"}},
        {foNoOEMFonts, {"Bitmap", "Cirilico", "Mono", "Simbolos", "Zeta"}},
        {foOEMFontsOnly, {"Dos"}},
        {foScalableOnly, {"Cirilico", "Mono", "Simbolos", "Zeta"}},
        {foNoSymbolFonts, {"Bitmap", "Cirilico", "Dos", "Mono", "Zeta"}},
    };
    for (const auto &[o, esperado] : casos) {
        c.SetOptions(1u << o);
        EXPECT_EQ(Itens(c), esperado) << int(o);
    }
    c.SetOptions(0);
    c.SetTrueTypeOnly(true);
    EXPECT_EQ(c.Options(), 1u << foTrueTypeOnly);
    EXPECT_EQ(c.count(), 4);

    // A failing printer enumeration is swallowed; a working one adds its families.
    c.SetTrueTypeOnly(false);
    c.SetDevice(fdBoth);
    EXPECT_EQ(c.count(), 6);
    f->falhaImpressora = false;
    c.SetDevice(fdPrinter);
    EXPECT_EQ(Itens(c), QStringList({"Impressora"}));
}

TEST_F(FonteComboTeste, FontNameAndVanishedFamily) {
    TFontComboBox c;
    int mudancas = 0;
    c.OnChange = [&] { ++mudancas; };
    c.SetFontName(QStringLiteral("mono"));
    EXPECT_EQ(c.FontName(), QStringLiteral("Mono"));
    EXPECT_EQ(mudancas, 1);
    c.SetFontName(QStringLiteral("Inexistente")); // list style: nothing selected
    EXPECT_EQ(c.currentIndex(), -1);
    EXPECT_EQ(mudancas, 2);

    c.SetFontName(QStringLiteral("Zeta"));
    mudancas = 0;
    f->lista.erase(f->lista.begin()); // Zeta leaves the system
    c.FontesMudaram();
    EXPECT_EQ(mudancas, 1);
    EXPECT_EQ(c.currentIndex(), -1);
    c.FontesMudaram(); // nothing further vanished
    EXPECT_EQ(mudancas, 1);

    c.SetStyle(csDropDown);
    c.SetFontName(QStringLiteral("Livre"));
    EXPECT_EQ(c.FontName(), QStringLiteral("Livre"));
    c.lineEdit()->selectAll();
    QTest::keyClicks(c.lineEdit(), QStringLiteral("BITMAP"));
    EXPECT_EQ(c.currentIndex(), 0);
}

TEST_F(FonteComboTeste, MarksAndItemHeight) {
    TFontComboBox c;
    c.HandleNeeded();
    EXPECT_GE(c.ItemHeight(), c.MarcaTrueType().height() - 1);
    EXPECT_GE(c.ItemHeight(), 9);
    // The TrueType item carries its mark at x 2; a raster item has none and its text at 26.
    auto desenha = [&](const QString &nome) {
        QImage img(120, 20, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        c.DrawItem(p, c.findText(nome), QRect(0, 0, 120, 20), false);
        return img;
    };
    const QImage tt = desenha(QStringLiteral("Zeta")), rb = desenha(QStringLiteral("Bitmap"));
    auto escuros = [](const QImage &img, int x0, int x1) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = x0; x < x1; ++x)
                n += qGray(img.pixel(x, y)) < 160;
        return n;
    };
    EXPECT_GT(escuros(tt, 2, 20), 10);
    EXPECT_EQ(escuros(rb, 0, 24), 0);
    EXPECT_GT(escuros(rb, 26, 120), 0);
    // The key colour never reaches the canvas.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x)
            EXPECT_NE(tt.pixel(x, y) & 0xFFFFFF, 0xFF00FFu);
}

} // namespace
