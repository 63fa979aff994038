// The numeric edit's text rules and the edit itself offscreen, under a ',' and a '.' locale.
#include "KitBase.h"
#include "KitCalcEdit.h"
#include "KitNumeros.h"
#include "KitSistema.h"
#include "NumEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

struct TLocale {
    char Decimal;
    const char *Milhar;
};

class EdicaoNumerica : public ::testing::TestWithParam<TLocale> {
protected:
    void SetUp() override {
        DefineKitDecimalSeparator(GetParam().Decimal);
        DefineKitThousandSeparator(GetParam().Milhar);
        DefineKitBeep([] {});
        DefineKitErro([this](const QString &t) { Erros << t; });
    }
    void TearDown() override {
        DefineKitDecimalSeparator('.');
        DefineKitThousandSeparator(",");
        DefineKitBeep(nullptr);
        DefineKitErro(nullptr);
    }
    // A text written for the ',' locale, in the locale under test.
    static std::string L(std::string s) {
        if (GetParam().Decimal == '.')
            for (char &c : s)
                c = c == ',' ? '.' : c == '.' ? ',' : c;
        return s;
    }
    static QString QL(const std::string &s) { return QString::fromStdString(L(s)); }
    QStringList Erros;
};

TEST_P(EdicaoNumerica, NormalisingAndLenientConversion) {
    EXPECT_EQ(NormaliseNumberText(L(" 1.234,5 ")), L("1234,5"));
    EXPECT_EQ(NormaliseNumberText(""), "0");
    EXPECT_EQ(NormaliseNumberText("-"), "-0");

    struct {
        const char *texto;
        bool ok;
        double v;
    } casos[] = {
        {"12,", true, 12},      {",", true, 0},      {"+", true, 0},
        {"1E", true, 1},        {"1E-", true, 1},    {"1,5E-3", true, 0.0015},
        {"-2,25", true, -2.25}, {"1E400", false, 0}, {"0,001E-400", true, 0},
        {"1,2,3", false, 0},    {"abc", false, 0},   {"1E5,5", false, 0},
        {"--1", false, 0},
    };
    for (const auto &c : casos) {
        double v = -99;
        EXPECT_EQ(NumTextToFloat(L(c.texto), v), c.ok) << c.texto;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.v) << c.texto;
        }
    }
    double v = 0;
    EXPECT_TRUE(ParseNumberText("-0", v));
    EXPECT_TRUE(std::signbit(v));
    EXPECT_FALSE(ParseNumberText(L("1 5"), v));
}

TEST_P(EdicaoNumerica, TypedTextsAndBounds) {
    struct {
        const char *texto;
        unsigned decimais;
        double min, max;
        bool aceito;
    } casos[] = {
        {"1,25", 2, 0, 0, true},   {"1,255", 2, 0, 0, false}, {"1,25E3", 2, 0, 0, true},
        {"1,25E-", 2, 0, 0, true}, {"1,", 0, 0, 0, true},     {"1,5", 0, 0, 0, false},
        {"-", 2, 0, 100, true},    {"-5", 2, 0, 100, false},  {"-5", 2, 0, 0, true},
        {"-5", 2, -10, 100, true}, {"1x", 2, 0, 0, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(AcceptsNumberText(L(c.texto), c.decimais, c.min, c.max), c.aceito) << c.texto;

    struct {
        double v, min, max, r;
    } limites[] = {
        {-5, 0, 100, 0}, {150, 0, 100, 100}, {50, 0, 100, 50}, {5, 10, 0, 10},   {1e9, 10, 0, 1e9},
        {3, 0, -5, -5},  {-9, 0, -5, -9},    {1, 5, 5, 1},     {99, 10, -5, 99},
    };
    for (const auto &c : limites)
        EXPECT_EQ(ClampNumber(c.v, c.min, c.max), c.r) << c.v << " " << c.min << " " << c.max;
    EXPECT_EQ(RangeErrorText(0, 100, 2), L("Value must be between 0,00 and 100,00"));
}

TEST_P(EdicaoNumerica, PicturesAndRegrouping) {
    struct {
        double v;
        const char *picture, *texto;
    } casos[] = {
        {1234567.891, ",0.##", "1.234.567,89"},
        {1234567.891, "0.##", "1234567,89"},
        {0, ",0.##", "0"},
        {-0.004, "0.##", "0"},
        {2.675, "0.##", "2,68"},
        {1234.5, "0", "1235"},
        {0.5, "#.##", ",5"},
        {1.5, "0.00", "1,50"},
        {-3, "0;(0);'zero'", "(3)"},
        {0, "0;(0);'zero'", "zero"},
        {-1234.5, ",0.0", "-1.234,5"},
        {9.999, "0.##", "10"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(FormatFloatPicture(c.v, c.picture), L(c.texto)) << c.v << " " << c.picture;
    EXPECT_EQ(NumEditText(0, 2, true), "");
    EXPECT_EQ(NumEditText(0, 2, false), "0");
    EXPECT_EQ(NumEditText(1234567.891, 2, true), L("1234567,89"));
    EXPECT_EQ(NumEditText(1234567.891, 0, true), "1234568");

    EXPECT_EQ(RegroupNumberText(L("1234567,5"), true), L("1.234.567,5"));
    EXPECT_EQ(RegroupNumberText(L("-12345E3"), true), L("-12.345E3"));
    EXPECT_EQ(RegroupNumberText(L("1.234"), false), "1234");
    EXPECT_EQ(RegroupNumberText("", true), "");
    EXPECT_EQ(RegroupNumberText("-", true), "-");
}

// The edit in an active window beside a plain edit that takes the focus on exit.
template <class TEdit = TCustomNumEdit> struct TJanela {
    QWidget w;
    TEdit *ed = new TEdit(&w);
    QLineEdit *outro = new QLineEdit(&w);
    TJanela() {
        auto *l = new QVBoxLayout(&w);
        l->addWidget(ed);
        l->addWidget(outro);
        w.show();
        QApplication::setActiveWindow(&w);
        ed->setFocus();
    }
    void Digita(const std::string &s) { QTest::keyClicks(ed, QString::fromStdString(s)); }
    void Sai() { outro->setFocus(); }
};

TEST_P(EdicaoNumerica, TypingKeepsANumber) {
    TJanela<> j;
    const int bipes = KitBeepCount();
    j.Digita("12.345"); // '.' and ',' both type the decimal separator
    EXPECT_EQ(j.ed->text(), QL("12,34"));
    j.ed->clear();
    j.Digita("12,3x");
    EXPECT_EQ(j.ed->text(), QL("12,3"));
    EXPECT_EQ(KitBeepCount() - bipes, 2);

    j.ed->SetDecimalPlaces(0);
    j.ed->clear();
    j.Digita("1.5");
    EXPECT_EQ(j.ed->text(), QL("1,"));
    j.ed->SetDecimalPlaces(2);

    // An exponent after a full set of decimals.
    j.ed->clear();
    j.Digita("1,25E-3");
    EXPECT_EQ(j.ed->text(), QL("1,25E-3"));
    EXPECT_DOUBLE_EQ(j.ed->Value(), 0.00125);

    // With bounds 0..100 a lone '-' reads as -0; no digit after it, no '-' in front.
    j.ed->SetMinValue(0);
    j.ed->SetMaxValue(100);
    j.ed->clear();
    j.Digita("-5");
    EXPECT_EQ(j.ed->text(), QStringLiteral("-"));
    EXPECT_EQ(j.ed->Value(), 0);
    j.ed->clear();
    j.Digita("5");
    QTest::keyClick(j.ed, Qt::Key_Home);
    j.Digita("-");
    EXPECT_EQ(j.ed->text(), QStringLiteral("5"));
}

TEST_P(EdicaoNumerica, ExitClampsOrReports) {
    TJanela<> j;
    j.ed->SetMinValue(0);
    j.ed->SetMaxValue(100);
    int saidas = 0;
    j.ed->OnExit = [&] { ++saidas; };
    j.Digita("150");
    j.Sai();
    EXPECT_EQ(j.ed->CurrentValue(), 100);
    EXPECT_EQ(j.ed->text(), QStringLiteral("100"));
    EXPECT_EQ(j.ed->FormattedDisplayText(), QStringLiteral("100"));
    EXPECT_EQ(saidas, 1);
    EXPECT_TRUE(Erros.isEmpty());

    j.ed->SetCheckOnExit(true);
    j.ed->setFocus();
    j.ed->selectAll();
    j.Digita("150");
    j.Sai();
    EXPECT_EQ(Erros, QStringList{QL("Value must be between 0,00 and 100,00")});
    EXPECT_TRUE(j.ed->hasFocus());
    EXPECT_EQ(j.ed->selectedText(), QStringLiteral("150"));
    EXPECT_EQ(j.ed->CurrentValue(), 100);
    EXPECT_EQ(saidas, 1);
    j.Digita("42");
    j.Sai();
    EXPECT_EQ(j.ed->CurrentValue(), 42);
    EXPECT_EQ(saidas, 2);

    // Other bounds on writing a value.
    j.ed->SetCheckOnExit(false);
    j.ed->SetMaxValue(0);
    j.ed->SetMinValue(10);
    j.ed->SetValue(5);
    EXPECT_EQ(j.ed->CurrentValue(), 10);
    j.ed->SetValue(1e6);
    EXPECT_EQ(j.ed->CurrentValue(), 1e6);
    j.ed->SetMinValue(0);
    j.ed->SetMaxValue(-5);
    EXPECT_EQ(j.ed->CurrentValue(), -5);
}

TEST_P(EdicaoNumerica, EditAndDisplayTexts) {
    TJanela<> j;
    j.Sai();
    j.ed->SetValue(0);
    EXPECT_EQ(j.ed->text(), QString());
    EXPECT_EQ(j.ed->FormattedDisplayText(), QStringLiteral("0"));
    j.ed->SetValue(1234567.891);
    EXPECT_EQ(j.ed->text(), QL("1234567,89"));
    EXPECT_EQ(j.ed->FormattedDisplayText(), QL("1.234.567,89"));
    j.ed->SetText(QL("2,5"));
    EXPECT_EQ(j.ed->CurrentValue(), 2.5);
    EXPECT_THROW(j.ed->SetText(QStringLiteral("abc")), EKitConvertError);
    EXPECT_EQ(j.ed->CurrentValue(), 2.5);

    // Escape restores the edit text from the value.
    j.ed->setFocus();
    j.ed->selectAll();
    j.Digita("7");
    QTest::keyClick(j.ed, Qt::Key_Escape);
    EXPECT_EQ(j.ed->text(), QL("2,5"));
}

TEST_P(EdicaoNumerica, Paste) {
    TJanela<> j;
    j.ed->SetValue(3);
    j.ed->setFocus();
    j.ed->selectAll();
    const int bipes = KitBeepCount();
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(j.ed, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j.ed->text(), QStringLiteral("3"));
    EXPECT_EQ(j.ed->selectedText(), QStringLiteral("3"));
    EXPECT_EQ(KitBeepCount() - bipes, 1);
    QApplication::clipboard()->setText(QString::fromStdString(L("1.234,5")));
    j.ed->PasteText();
    EXPECT_EQ(j.ed->Value(), 1234.5);
    j.ed->SetDirectInput(false);
    j.ed->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("9"));
    j.ed->PasteText();
    EXPECT_EQ(j.ed->Value(), 1234.5);
}

TEST_P(EdicaoNumerica, RegroupingWhileEditing) {
    TJanela<> j;
    j.ed->SetFormatOnEditing(true);
    EXPECT_EQ(j.ed->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    j.Digita("123456");
    EXPECT_EQ(j.ed->text(), QL("123.456"));
    QTest::keyClick(j.ed, Qt::Key_Home);
    QTest::keyClick(j.ed, Qt::Key_Right);
    j.Digita("9"); // the caret keeps its distance from the end
    EXPECT_EQ(j.ed->text(), QL("1.923.456"));
    EXPECT_EQ(j.ed->cursorPosition(), 3);
    QTest::keyClick(j.ed, Qt::Key_End);
    j.Digita(",5");
    EXPECT_EQ(j.ed->text(), QL("1.923.456,5"));
    EXPECT_EQ(j.ed->Value(), 1923456.5);
}

TEST_P(EdicaoNumerica, CalculatorDropDown) {
    TKitTemporizador::DefineTempoReal(false);
    TJanela<TKitCalcEdit> j;
    EXPECT_EQ(j.ed->GlyphKind(), gkDefault);
    EXPECT_EQ(j.ed->NumGlyphs(), 2);
    EXPECT_EQ(j.ed->ButtonWidth(), 21);
    TLocCalculator *calc = j.ed->PopupCalculator()->Calculator();
    EXPECT_EQ(j.ed->PopupCalculator()->size(), QSize(104, 127));
    int mudancas = 0;
    j.ed->OnChange = [&] { ++mudancas; };
    auto abre = [&] {
        QTest::keyClick(j.ed, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(j.ed->PopupOpen());
    };

    abre(); // an empty edit opens on 0
    EXPECT_EQ(calc->DisplayText, "0");
    j.Digita("12*3");
    EXPECT_EQ(j.ed->PopupCalculator()->PopupDisplayText(), QStringLiteral("3"));
    QTest::keyClick(j.ed, Qt::Key_Return);
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->Value(), 36);
    EXPECT_EQ(j.ed->text(), QStringLiteral("36"));
    EXPECT_TRUE(j.ed->isModified());
    EXPECT_EQ(mudancas, 1);

    abre();
    EXPECT_EQ(calc->DisplayText, "36");
    j.Digita("5");
    QTest::keyClick(j.ed, Qt::Key_Escape);
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->Value(), 36);
    EXPECT_EQ(mudancas, 1);

    abre();
    j.Digita("1.5=");
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(j.ed->Value(), 1.5);

    // "Error": Enter leaves it open; the button closes it with a beep and 0.
    abre();
    j.Digita("1/0=");
    EXPECT_EQ(calc->State, EntryState::Failed);
    QTest::keyClick(j.ed, Qt::Key_Return);
    EXPECT_TRUE(j.ed->PopupOpen());
    const int bipes = KitBeepCount();
    QTest::mouseClick(j.ed->Button(), Qt::LeftButton);
    EXPECT_FALSE(j.ed->PopupOpen());
    EXPECT_EQ(KitBeepCount() - bipes, 1);
    EXPECT_EQ(j.ed->Value(), 0);

    // Grouped edit text opens the calculator on its number.
    j.ed->SetFormatOnEditing(true);
    j.ed->SetValue(1234567);
    EXPECT_EQ(j.ed->text(), QL("1.234.567"));
    abre();
    EXPECT_EQ(calc->DisplayText, "1234567");
    QTest::keyClick(j.ed, Qt::Key_Escape);
    TKitTemporizador::DefineTempoReal(true);
}

INSTANTIATE_TEST_SUITE_P(Locales, EdicaoNumerica,
                         ::testing::Values(TLocale{',', "."}, TLocale{'.', ","}),
                         [](const auto &i) {
                             return i.param.Decimal == ',' ? "Virgula" : "Ponto";
                         });

} // namespace
