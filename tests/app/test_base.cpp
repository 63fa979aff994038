// The Qt glue every window relies on: the slot guard, user numbers in both locales, and the
// scripted modal run.
#include "Guarda.h"
#include "NumeroUsuario.h"
#include "PerguntadorRoteiro.h"
#include "Temporizador.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QDialog>

TEST(Base, GuardaMostraOErroEContinua) {
    TPerguntadorLigado g;
    EXPECT_FALSE(Protege([] { throw EConvertError("'x' não é um número real válido"); }));
    EXPECT_FALSE(Protege([] { throw EAbortSilencioso{}; }));
    EXPECT_TRUE(Protege([] {}));
    EXPECT_FALSE(Protege([] { throw EInOutError("falhou"); }, "Erro ao abrir Malha"));
    ASSERT_EQ(g.P.Erros.size(), 2);
    EXPECT_EQ(g.P.Erros[0], "'x' não é um número real válido");
    EXPECT_EQ(g.P.Erros[1], "Erro ao abrir Malha");
}

TEST(Base, NumerosSeguemOSeparadorDoUsuario) {
    const char antes = DecimalSeparator();
    SetDecimalSeparator(',');
    EXPECT_DOUBLE_EQ(LeReal("0,5"), 0.5);
    EXPECT_THROW(LeReal("1.500"), EConvertError);
    EXPECT_EQ(TextoReal(0.1), "0,1");
    EXPECT_EQ(TextoFixo(61.2375, 2), "61,24");
    SetDecimalSeparator('.');
    EXPECT_DOUBLE_EQ(LeReal(" 2.25 "), 2.25);
    EXPECT_THROW(LeReal("1,5"), EConvertError);
    double v = 7;
    EXPECT_FALSE(TentaLeReal("abc", v));
    EXPECT_EQ(LeInteiro("12"), 12);
    SetDecimalSeparator(antes);
}

TEST(Base, ModalRoteirizadoETemporizadorManual) {
    TPerguntadorLigado g;
    QDialog d;
    g.P.Modais.push_back([](QDialog &dlg) {
        EXPECT_TRUE(dlg.isVisible());
        dlg.accept();
        return dlg.result();
    });
    EXPECT_EQ(g.P.ExecutaModal(d), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(g.P.Esgotado());

    TTemporizador::DefineTempoReal(false);
    int ticks = 0;
    TTemporizador t([&] { ++ticks; });
    t.Inicia(40);
    EXPECT_TRUE(t.Ativo());
    EXPECT_EQ(t.Intervalo(), 40);
    t.Para();
    EXPECT_FALSE(t.Ativo());
    EXPECT_EQ(ticks, 0);
    TTemporizador::DefineTempoReal(true);
}
