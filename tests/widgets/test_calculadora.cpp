// The calculator driven by key scripts on its keypad, and the dialog run by its component.
#include "KitBase.h"
#include "KitCalc.h"
#include "KitNumeros.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <cmath>
#include <string>

namespace {

class Calculadora : public ::testing::Test {
protected:
    void SetUp() override {
        TKitTemporizador::DefineTempoReal(false);
        DefineKitBeep([] {});
        DefineKitDecimalSeparator('.');
        DefineKitCurrencyString("$");
        painel.SetDisplayControl(&visor);
        painel.OnCalcError = [this] { ++erros; };
        painel.OnValueShown = [this] { ++mostrados; };
        painel.OnResultKey = [this] { ++resultados; };
    }
    void TearDown() override {
        TKitTemporizador::DefineTempoReal(true);
        DefineKitBeep(nullptr);
        DefineKitDecimalSeparator('.');
        DefineKitCurrencyString("$");
    }
    // Each character through the engine.
    void Teclas(const std::string &s) {
        for (char c : s)
            painel.PressKey(c);
    }
    // Each character as typed on the keyboard.
    void Digita(TCalculatorPanel &p, const std::string &s) {
        for (char c : s) {
            char k = c;
            p.HandleKeyPress(k);
        }
    }
    void Botao(TCalcBtnKind k) { painel.Button(k)->ButtonClick(); }
    int Bips() const { return KitBeepCount() - bips0; }

    TCalculatorPanel painel{nullptr, DialogLayout};
    QLabel visor;
    int erros = 0, mostrados = 0, resultados = 0;
    int bips0 = KitBeepCount();
};

} // namespace

TEST_F(Calculadora, CadeiasEPercentagem) {
    Teclas("7+3=");
    EXPECT_EQ(painel.DisplayText, "10");
    EXPECT_EQ(visor.text(), QStringLiteral("10"));
    EXPECT_EQ(resultados, 1);
    Teclas("*2=");
    EXPECT_EQ(painel.DisplayText, "20");
    Teclas("5");
    EXPECT_EQ(painel.DisplayText, "5");
    EXPECT_EQ(painel.State, EntryState::Typing);

    Teclas("C50+10%");
    EXPECT_EQ(painel.DisplayText, "55");
    Teclas("C50*10%");
    EXPECT_EQ(painel.DisplayText, "5");
    Teclas("C50-10%");
    EXPECT_EQ(painel.DisplayText, "45");
    Teclas("C50/10%");
    EXPECT_EQ(painel.DisplayText, "500");

    // A second operator in a row only replaces the pending one.
    Teclas("C5--2=");
    EXPECT_EQ(painel.DisplayText, "3");
    Teclas("C9+*2=");
    EXPECT_EQ(painel.DisplayText, "18");
    // Enter counts as '='.
    Teclas("C4*4");
    painel.PressKey(13);
    EXPECT_EQ(painel.DisplayText, "16");
    // Decimal separators: the locale's, '.' and ','; one per number.
    Teclas("C1,5.5+1=");
    EXPECT_EQ(painel.DisplayText, "2.55");
    Teclas("C4Q");
    EXPECT_EQ(painel.DisplayText, "2");
    Teclas("C4R");
    EXPECT_EQ(painel.DisplayText, "0.25");
    Teclas("C3_");
    EXPECT_EQ(painel.DisplayText, "-3");
    EXPECT_EQ(erros, 0);
}

TEST_F(Calculadora, ErrosSoSaemComC) {
    Teclas("8/0=");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(painel.State, EntryState::Failed);
    EXPECT_EQ(erros, 1);
    EXPECT_EQ(Bips(), 1);
    EXPECT_EQ(painel.DisplayedValue(), 0);
    Teclas("5+_Q");
    painel.PressKey(27); // Escape reaches the engine as itself: ignored while failed
    EXPECT_EQ(painel.DisplayText, "Error");
    Botao(KeyMemoryStore);
    Botao(KeyOk); // beeps, confirms nothing
    EXPECT_EQ(Bips(), 2);
    Teclas("c");
    EXPECT_EQ(painel.DisplayText, "0");
    EXPECT_EQ(painel.State, EntryState::NewNumber);
    EXPECT_EQ(painel.PendingOperator, '=');

    Teclas("4_Q");
    EXPECT_EQ(painel.DisplayText, "Error");
    Teclas("C0R");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(erros, 3);

    painel.BeepOnError = false;
    Teclas("C1/0=");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(Bips(), 4); // no beep for the last error
}

TEST_F(Calculadora, Transbordamento) {
    painel.MemoryValue = 1e300;
    Botao(KeyMemoryRecall);
    EXPECT_EQ(painel.DisplayText, "1E300");
    Teclas("*");
    Botao(KeyMemoryRecall);
    Teclas("=");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(erros, 1);
    EXPECT_EQ(Bips(), 1);

    // A quotient beyond the range.
    Teclas("C");
    Botao(KeyMemoryRecall);
    Teclas("/");
    painel.MemoryValue = 1e-300;
    Botao(KeyMemoryRecall);
    Teclas("=");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(erros, 2);

    // Memory plus beyond the range: error, memory unchanged.
    Teclas("C");
    painel.MemoryValue = 1.7e308;
    Botao(KeyMemoryRecall);
    Botao(KeyMemoryPlus);
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(painel.MemoryValue, 1.7e308);

    // The reciprocal of a tiny number.
    Teclas("C");
    painel.MemoryValue = 1e-310;
    Botao(KeyMemoryRecall);
    Teclas("R");
    EXPECT_EQ(painel.DisplayText, "Error");
    EXPECT_EQ(erros, 4);
}

TEST_F(Calculadora, LimitesDePrecisao) {
    Teclas("123456789012345");
    EXPECT_EQ(painel.DisplayText, "123456789012345");
    EXPECT_EQ(Bips(), 0);
    Teclas("6");
    EXPECT_EQ(painel.DisplayText, "123456789012345");
    EXPECT_EQ(Bips(), 1);

    // A negative number takes one character more.
    Teclas("C12345678901234_");
    EXPECT_EQ(painel.DisplayText, "-12345678901234");
    Teclas("5");
    EXPECT_EQ(painel.DisplayText, "-123456789012345");
    Teclas("6");
    EXPECT_EQ(painel.DisplayText, "-123456789012345");
    EXPECT_EQ(Bips(), 2);

    // The decimal separator counts.
    Teclas("C1.2345678901234");
    EXPECT_EQ(painel.DisplayText.size(), 15u);
    Teclas("5");
    EXPECT_EQ(Bips(), 3);

    // Precision 1 behaves as 2, also in the results.
    painel.Precision = 1;
    Teclas("C123");
    EXPECT_EQ(painel.DisplayText, "12");
    EXPECT_EQ(Bips(), 4);
    Teclas("/7=");
    EXPECT_EQ(painel.DisplayText, "1.7");

    // No digit is added to a number in exponent notation.
    painel.Precision = 15;
    painel.MemoryValue = 2e20;
    Teclas("C");
    Botao(KeyMemoryRecall);
    Teclas("7");
    EXPECT_EQ(painel.DisplayText, "2E20");
}

TEST_F(Calculadora, RetrocessoEMemoria) {
    Teclas("7_");
    painel.PressKey(8);
    EXPECT_EQ(painel.DisplayText, "0");
    painel.PressKey(8);
    EXPECT_EQ(painel.DisplayText, "0");
    Teclas("123");
    painel.PressKey(8);
    EXPECT_EQ(painel.DisplayText, "12");

    // The mark follows the memory.
    Teclas("C");
    Botao(KeyMemoryStore);
    EXPECT_EQ(painel.MemoryMark()->text(), QString());
    Teclas("5");
    Botao(KeyMemoryPlus);
    EXPECT_EQ(painel.MemoryMark()->text(), QStringLiteral("M"));
    EXPECT_EQ(painel.MemoryValue, 5);
    Teclas("0");
    Botao(KeyMemoryStore);
    EXPECT_EQ(painel.MemoryMark()->text(), QString());

    Teclas("12");
    Botao(KeyMemoryStore);
    Teclas("C");
    Botao(KeyMemoryRecall);
    Teclas("3");
    EXPECT_EQ(painel.DisplayText, "123");
    Teclas("1/0=");
    Botao(KeyMemoryClear); // works while failed
    EXPECT_EQ(painel.MemoryValue, 0);
    EXPECT_EQ(painel.MemoryMark()->text(), QString());

    // Typing mirrors the display without "value shown"; computed values fire it.
    Teclas("C");
    mostrados = 0;
    Teclas("42");
    EXPECT_EQ(mostrados, 0);
    EXPECT_EQ(visor.text(), QStringLiteral("42"));
    Teclas("+1=");
    EXPECT_EQ(mostrados, 1);
}

TEST_F(Calculadora, ColarECopiar) {
    QClipboard *cb = QApplication::clipboard();
    DefineKitDecimalSeparator(',');
    DefineKitCurrencyString("R$");
    cb->setText(QStringLiteral(" R$ 12,5 \t"));
    painel.PressKey(22);
    EXPECT_EQ(painel.DisplayText, "12,5");
    cb->setText(QStringLiteral("R$1.5"));
    painel.PasteDisplay();
    EXPECT_EQ(painel.DisplayText, "0");
    DefineKitDecimalSeparator('.');
    DefineKitCurrencyString("$");
    cb->setText(QStringLiteral("$3.25"));
    painel.PasteDisplay();
    EXPECT_EQ(painel.DisplayText, "3.25");
    cb->setText(QStringLiteral("abc"));
    painel.PasteDisplay();
    EXPECT_EQ(painel.DisplayText, "0");
    cb->setText(QStringLiteral("1E999"));
    painel.PasteDisplay();
    EXPECT_EQ(painel.DisplayText, "0");

    // An empty currency symbol removes nothing.
    DefineKitCurrencyString("");
    cb->setText(QStringLiteral("8"));
    painel.PasteDisplay();
    EXPECT_EQ(painel.DisplayText, "8");

    Teclas("C6*7=");
    painel.PressKey(3);
    EXPECT_EQ(cb->text(), QStringLiteral("42"));

    // Nothing is pasted over "Error".
    Teclas("1/0=");
    cb->setText(QStringLiteral("9"));
    painel.PasteDisplay();
    painel.PressKey(22);
    EXPECT_EQ(painel.DisplayText, "Error");
}

TEST_F(Calculadora, TeclasAlcancamBotoesPeloTag) {
    EXPECT_EQ(painel.Button(Digit0)->Tag(), 0);
    EXPECT_EQ(painel.Button(KeySign)->Tag(), 10);
    EXPECT_EQ(painel.Button(KeyDecimal)->Tag(), 11);
    EXPECT_EQ(painel.Button(KeyClear)->Tag(), 21);
    EXPECT_EQ(painel.Button(KeyOk)->Tag(), -1);
    EXPECT_EQ(painel.Button(KeyMemoryPlus)->Tag(), -1);

    int cliques = 0;
    auto *sete = painel.Button(Digit7);
    auto antes = sete->OnClick;
    sete->OnClick = [&] {
        ++cliques;
        antes();
    };
    const int esperas = KitEsperasPedidas();
    Digita(painel, "7+2");
    char enter = 13;
    painel.HandleKeyPress(enter);
    EXPECT_EQ(painel.DisplayText, "9");
    EXPECT_EQ(cliques, 1);
    EXPECT_EQ(KitEsperasPedidas() - esperas, 4); // every key went through a button
    char esc = 27;
    painel.HandleKeyPress(esc);
    EXPECT_EQ(painel.DisplayText, "0");
    Digita(painel, "1,5");
    EXPECT_EQ(painel.DisplayText, "1.5");
    char bs = 8;
    painel.HandleKeyPress(bs);
    EXPECT_EQ(painel.DisplayText, "1.");

    // The popup keypad has no square root, percent, reciprocal or memory keys: the keyboard
    // still reaches them.
    TLocCalculator popup(nullptr);
    EXPECT_EQ(popup.size(), QSize(98, 124));
    EXPECT_EQ(popup.ButtonWithTag(CalcKeyTag(KeySqrt)), nullptr);
    EXPECT_EQ(popup.Button(KeyMemoryPlus), nullptr);
    EXPECT_EQ(popup.Button(KeyOk), nullptr);
    EXPECT_EQ(popup.MemoryMark(), nullptr);
    const int e0 = KitEsperasPedidas();
    Digita(popup, "9q");
    EXPECT_EQ(popup.DisplayText, "3");
    EXPECT_EQ(KitEsperasPedidas() - e0, 1); // only the 9 had a button
    Digita(popup, "50+10%");
    EXPECT_EQ(popup.DisplayText, "55");
    Digita(popup, "4r");
    EXPECT_EQ(popup.DisplayText, "0.25");
    popup.UpdateMemoryMark(); // no mark: nothing happens
}

TEST_F(Calculadora, TecladoDosDoisLayouts) {
    int dialogo = 0;
    for (QObject *o : painel.children())
        dialogo += dynamic_cast<TCalcButton *>(o) != nullptr;
    EXPECT_EQ(dialogo, 28);
    EXPECT_EQ(painel.size(), QSize(240, 129));
    EXPECT_EQ(painel.Button(KeyBackspace)->geometry(), QRect(145, 6, 44, 22));
    EXPECT_EQ(painel.Button(KeyClear)->geometry(), QRect(191, 6, 44, 22));
    EXPECT_EQ(painel.Button(KeyMemoryClear)->geometry(), QRect(5, 32, 36, 22));
    EXPECT_EQ(painel.MemoryBox()->geometry(), QRect(6, 7, 34, 20));
    EXPECT_EQ(painel.Button(KeyOk)->Caption(), QString());
    EXPECT_EQ(painel.Button(KeyOk)->Glyph().Imagem.size(), QSize(14, 13));
    EXPECT_EQ(painel.Button(KeyAdd)->Caption(), QString());
    EXPECT_EQ(painel.Button(KeyDivide)->Caption(), QStringLiteral("/"));
    EXPECT_EQ(painel.Button(KeyReciprocal)->Caption(), QStringLiteral("1/x"));
    EXPECT_EQ(painel.Button(KeyDivide)->FontColor(), QColor(128, 0, 128));
    EXPECT_EQ(painel.Button(KeySqrt)->FontColor(), QColor(0, 0, 128));
    EXPECT_EQ(painel.Button(KeyClear)->FontColor(), QColor(128, 0, 0));
    EXPECT_EQ(painel.Button(Digit5)->FontColor(), KitSysColor(TKitSysColor::BtnText));
    EXPECT_EQ(painel.Button(Digit5)->Style(), bsNew);
    EXPECT_TRUE(painel.font().bold());
    EXPECT_FALSE(painel.MemoryMark()->font().bold());
    painel.SetCtl3D(false);
    EXPECT_EQ(painel.Button(Digit5)->Style(), bsWin31);

    TLocCalculator popup(nullptr);
    int n = 0;
    for (QObject *o : popup.children())
        n += dynamic_cast<TCalcButton *>(o) != nullptr;
    EXPECT_EQ(n, 19);
    EXPECT_EQ(popup.Button(KeyEquals)->geometry(), QRect(52, 98, 44, 21));
    EXPECT_EQ(popup.Button(KeyClear)->geometry(), QRect(6, 98, 21, 21));
    EXPECT_EQ(popup.Button(KeySign)->Caption(), QString::fromUtf8("\u00b1"));

    DefineKitDecimalSeparator(',');
    TLocCalculator virgula(nullptr);
    EXPECT_EQ(virgula.Button(KeyDecimal)->Caption(), QStringLiteral(","));
}

// ---------------------------------------------------------------------------------------------
// The component and its dialog

namespace {
class Componente : public ::testing::Test {
protected:
    void SetUp() override {
        TKitTemporizador::DefineTempoReal(false);
        DefineKitBeep([] {});
        DefineKitDecimalSeparator('.');
        calc.OnChange = [this] { ++mudancas; };
    }
    void TearDown() override {
        DefineKitModal(nullptr);
        TKitTemporizador::DefineTempoReal(true);
        DefineKitBeep(nullptr);
    }
    // The next run types `teclas` on the dialog, then presses OK or Cancel.
    void Roteiro(const char *teclas, bool ok) {
        DefineKitModal([this, teclas, ok](QDialog &d) {
            auto &f = dynamic_cast<TKitCalculatorForm &>(d);
            abertura = f.DisplayLabel()->text();
            pendente = f.CalcPanel()->PendingOperator;
            titulo = f.windowTitle();
            for (const char *c = teclas; *c; ++c)
                QTest::keyClick(&f, *c);
            f.CalcPanel()->Button(ok ? KeyOk : KeyCancel)->ButtonClick();
            return f.result();
        });
    }
    TKitCalculator calc;
    int mudancas = 0;
    QString abertura, titulo;
    char pendente = 1;
};
} // namespace

TEST_F(Componente, OkECancelar) {
    Roteiro("12+3=", true);
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(abertura, QStringLiteral("0"));
    EXPECT_EQ(pendente, 0);
    EXPECT_EQ(titulo, QStringLiteral("Calculator"));
    EXPECT_EQ(calc.Value, 15);
    EXPECT_EQ(mudancas, 1);
    EXPECT_EQ(calc.Dialog(), nullptr);

    // A non-zero value opens shown, with '=' pending: a digit starts a new number.
    calc.Title = QStringLiteral("Calculadora");
    Roteiro("", true);
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(abertura, QStringLiteral("15"));
    EXPECT_EQ(pendente, '=');
    EXPECT_EQ(titulo, QStringLiteral("Calculadora"));
    EXPECT_EQ(mudancas, 1); // unchanged display: no change notice

    Roteiro("7", false);
    EXPECT_FALSE(calc.Execute());
    EXPECT_EQ(calc.Value, 15);
    EXPECT_EQ(mudancas, 1);

    // Memory persists through OK, not through Cancel.
    DefineKitModal([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        f.CalcPanel()->Button(KeyMemoryStore)->ButtonClick();
        f.CalcPanel()->Button(KeyCancel)->ButtonClick();
        return f.result();
    });
    calc.Execute();
    EXPECT_EQ(calc.MemoryValue, 0);
    DefineKitModal([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        EXPECT_EQ(f.CalcPanel()->MemoryMark()->text(), QString());
        f.CalcPanel()->Button(KeyMemoryStore)->ButtonClick();
        f.CalcPanel()->Button(KeyOk)->ButtonClick();
        return f.result();
    });
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(calc.MemoryValue, 15);
    Roteiro("", false);
    DefineKitModal([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        EXPECT_EQ(f.CalcPanel()->MemoryMark()->text(), QStringLiteral("M"));
        f.CalcPanel()->Button(KeyCancel)->ButtonClick();
        return f.result();
    });
    calc.Execute();

    // OK on "Error" only beeps; the dialog stays until Cancel.
    const int b = KitBeepCount();
    DefineKitModal([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        for (char c : std::string("1/0="))
            QTest::keyClick(&f, c);
        f.CalcPanel()->Button(KeyOk)->ButtonClick();
        EXPECT_EQ(f.result(), 0);
        f.CalcPanel()->Button(KeyCancel)->ButtonClick();
        return f.result();
    });
    EXPECT_FALSE(calc.Execute());
    EXPECT_EQ(KitBeepCount() - b, 2);
    EXPECT_EQ(calc.Value, 15);
}

TEST_F(Componente, EventosDeTeclaEVisor) {
    int visor = 0;
    std::string vistas;
    calc.OnDisplayChange = [&] { ++visor; };
    calc.OnCalcKey = [&](char &k) {
        vistas += k;
        if (k == '9')
            k = '8'; // a filter may change the key
    };
    calc.Precision = 1;
    Roteiro("9+1=", true);
    calc.Execute();
    EXPECT_EQ(calc.Value, 9);
    EXPECT_EQ(vistas, "9+1=");
    EXPECT_EQ(visor, 1); // the sum; OK's normalised "9" is no change

    // Keyboard: Escape clears through its button, Enter is '=', Backspace drops a digit.
    calc.Precision = 15;
    DefineKitModal([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        QTest::keyClick(&f, '5');
        QTest::keyClick(&f, Qt::Key_Escape);
        for (char c : std::string("21*2"))
            QTest::keyClick(&f, c);
        QTest::keyClick(&f, Qt::Key_Backspace);
        QTest::keyClick(&f, '3');
        QTest::keyClick(&f, Qt::Key_Return);
        EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("63"));
        f.CalcPanel()->Button(KeyOk)->ButtonClick();
        return f.result();
    });
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(calc.Value, 63);
}

TEST_F(Componente, MenuCopiarEColar) {
    QClipboard *cb = QApplication::clipboard();
    TKitCalculatorForm f(nullptr);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Calculator"));
    EXPECT_EQ(f.size(), QSize(242, 159));
    EXPECT_EQ(f.PopupMenu()->objectName(), QStringLiteral("PopupMenu"));
    EXPECT_EQ(f.CopyItem()->text(), QStringLiteral("&Copy"));
    EXPECT_EQ(f.CopyItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    EXPECT_EQ(f.PasteItem()->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    cb->clear();
    f.UpdatePasteItem();
    EXPECT_FALSE(f.PasteItem()->isEnabled());
    cb->setText(QStringLiteral("2.5"));
    f.UpdatePasteItem();
    EXPECT_TRUE(f.PasteItem()->isEnabled());
    f.PasteItem()->trigger();
    EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("2.5"));
    for (char c : std::string("*4="))
        QTest::keyClick(&f, c);
    f.CopyItem()->trigger();
    EXPECT_EQ(cb->text(), QStringLiteral("10"));
    // Ctrl+V and Ctrl+C reach the engine as characters 22 and 3.
    cb->setText(QStringLiteral("7"));
    QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("7"));
    for (char c : std::string("1/0="))
        QTest::keyClick(&f, c);
    f.PasteItem()->trigger();
    EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("Error"));

    // The popup menu is offered where the user asks for it.
    QPoint onde;
    DefineKitMenu([&](QMenu &m, const QPoint &p) {
        EXPECT_EQ(&m, f.PopupMenu());
        onde = p;
    });
    emit f.MainPanel()->customContextMenuRequested(QPoint(20, 40));
    DefineKitMenu(nullptr);
    EXPECT_EQ(onde, f.MainPanel()->mapToGlobal(QPoint(20, 40)));
}
