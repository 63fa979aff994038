// The kit bound to the program: numbers in the platform layer's format and separator, the
// kit's modal runs and messages through the prompter, the kit's quiet abort in the slot guard.
#include "Guarda.h"
#include "KitBase.h"
#include "KitCalc.h"
#include "KitConst.h"
#include "KitNumeros.h"
#include "KitSistema.h"
#include "KitUtils.h"
#include "LigacaoKit.h"
#include "PerguntadorRoteiro.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QLabel>

TEST(LigacaoKit, NumerosModaisEAbortoSilencioso) {
    TPerguntadorLigado lig;
    LigaKit();
    SetDecimalSeparator(',');
    EXPECT_EQ(KitDecimalSeparator(), ',');
    EXPECT_EQ(KitFormataGeral(1.0 / 3, 4), "0,3333");
    EXPECT_TRUE(KitCursorRegistered(crKitHand));

    // The kit's "not yet implemented" informs through the prompter and the guard stays quiet.
    EXPECT_FALSE(Protege([] { ReportUnavailable(); }));
    EXPECT_EQ(lig.P.Informacoes, QStringList{QStringLiteral("Function not yet implemented")});
    EXPECT_TRUE(lig.P.Erros.isEmpty());
    KitMostraErro(QStringLiteral("Value must be between 0 and 1"));
    EXPECT_EQ(lig.P.Erros, QStringList{QStringLiteral("Value must be between 0 and 1")});

    // The calculator's dialog is a modal run of the prompter.
    TKitTemporizador::DefineTempoReal(false);
    TKitCalculator calc;
    lig.P.Modais.push_back([](QDialog &d) {
        auto &f = dynamic_cast<TKitCalculatorForm &>(d);
        f.CalcPanel()->PressKey('2');
        f.CalcPanel()->PressKey(',');
        f.CalcPanel()->PressKey('5');
        EXPECT_EQ(f.DisplayLabel()->text(), QStringLiteral("2,5"));
        f.CalcPanel()->Button(KeyOk)->ButtonClick();
        return f.result();
    });
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(calc.Value, 2.5);
    EXPECT_TRUE(lig.P.Esgotado());
    TKitTemporizador::DefineTempoReal(true);
    SetDecimalSeparator('.');
    DefineKitModal(nullptr);
    DefineKitInforma(nullptr);
    DefineKitErro(nullptr);
    DefineConversoesReais(nullptr, nullptr, nullptr);
}
