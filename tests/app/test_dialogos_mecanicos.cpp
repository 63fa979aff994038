// Support, distributed-load and gravity dialogs driven through the scripted prompter.
#include "PerguntadorRoteiro.h"
#include "uDefInicial.h"
#include "uEstadoInterface.h"
#include "uForcaExternaDistr.h"
#include "uGravidade.h"
#include "uLibFEM.h"
#include "uLibUnidades.h"
#include "uPlataforma.h"
#include "uUnidades.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace {

struct TVinculo {
    bool Valor, UmGrau;
    double X, Y;
    bool EmY;
};

// Runs the dialog through the prompter; `acao` works it while it is shown.
template <class F> int Executa(TPerguntadorRoteiro &p, QDialog &d, F acao) {
    p.Modais.push_back([acao](QDialog &dlg) {
        acao();
        return dlg.isVisible() ? -1 : dlg.result();
    });
    return p.ExecutaModal(d);
}

class Apoios : public ::testing::Test {
protected:
    TPerguntadorLigado g;
    TfrmDefInicial dlg;
    std::vector<TVinculo> disparos;
    int nos = 3;

    void SetUp() override {
        dlg.SetOnConfirmar([this](bool v, bool u, double x, double y, bool emY) {
            disparos.push_back({v, u, x, y, emY});
        });
        dlg.SetContaNosCapturados([this] { return nos; });
    }
    template <class F> int Ok(F antes) {
        return Executa(g.P, dlg, [&, antes] {
            antes();
            dlg.btnOk->click();
        });
    }
};

TEST_F(Apoios, PadroesSemCliqueEModoValor) {
    // No click: one direction, restrained in y, y value 0.
    EXPECT_EQ(Ok([] {}), QDialog::Accepted);
    ASSERT_EQ(disparos.size(), 1u);
    EXPECT_FALSE(disparos[0].Valor);
    EXPECT_TRUE(disparos[0].UmGrau);
    EXPECT_TRUE(disparos[0].EmY);
    EXPECT_EQ(disparos[0].Y, 0.0);
    EXPECT_EQ(dlg.stStatus->text(), "3 nós capturados");

    // Values, then supports with "1° Grau": the previous x stays, y becomes 0.
    Ok([&] {
        dlg.rbValorDefinido->click();
        EXPECT_FALSE(dlg.Panel1->isEnabled());
        EXPECT_TRUE(dlg.Panel2->isEnabled());
        dlg.edX->setText("0.25");
        dlg.edY->setText("-0.5");
    });
    ASSERT_EQ(disparos.size(), 2u);
    EXPECT_TRUE(disparos[1].Valor);
    EXPECT_EQ(disparos[1].X, 0.25);
    EXPECT_EQ(disparos[1].Y, -0.5);
    Ok([&] {
        dlg.rbRestricoes->click();
        dlg.rb1Grau->click();
    });
    ASSERT_EQ(disparos.size(), 3u);
    EXPECT_FALSE(disparos[2].Valor);
    EXPECT_EQ(disparos[2].X, 0.25);
    EXPECT_EQ(disparos[2].Y, 0.0);
}

TEST_F(Apoios, CadaBotaoGuardadoDisparaSuasMarcas) {
    // A choice kept from an earlier showing fires its own flags, not Y's.
    Ok([&] { dlg.rb1GrauX->click(); });
    Ok([] {});
    ASSERT_EQ(disparos.size(), 2u);
    for (const auto &d : disparos) {
        EXPECT_TRUE(d.UmGrau);
        EXPECT_FALSE(d.EmY);
    }
    Ok([&] { dlg.rb2Grau->click(); });
    Ok([] {});
    ASSERT_EQ(disparos.size(), 4u);
    for (int i : {2, 3}) {
        EXPECT_FALSE(disparos[i].UmGrau);
        EXPECT_EQ(disparos[i].X, 0.0);
        EXPECT_EQ(disparos[i].Y, 0.0);
    }
}

TEST_F(Apoios, ValorMalFormadoMoveOFocoENaoDispara) {
    EXPECT_EQ(Ok([&] {
                  dlg.rbValorDefinido->click();
                  dlg.edX->setText("1,x");
              }),
              -1);
    EXPECT_TRUE(disparos.empty());
    EXPECT_TRUE(g.P.Erros.empty()); // no message, only the focus
    Ok([&] {
        dlg.edY->setText("");
        dlg.btnOk->click();
        EXPECT_TRUE(dlg.isVisible());
        dlg.edX->setText("2");
        dlg.edY->setText("3");
    });
    ASSERT_EQ(disparos.size(), 1u);
    EXPECT_EQ(disparos[0].X, 2.0);
    EXPECT_EQ(disparos[0].Y, 3.0);
}

TEST_F(Apoios, CancelarDevolveOsCampos) {
    Executa(g.P, dlg, [&] {
        dlg.rbValorDefinido->click();
        dlg.rb2Grau->click();
        dlg.edX->setText("9");
        dlg.btnCancela->click();
    });
    EXPECT_TRUE(disparos.empty());
    EXPECT_TRUE(dlg.rbRestricoes->isChecked());
    EXPECT_TRUE(dlg.rb1Grau->isChecked());
    EXPECT_EQ(dlg.edX->text(), dlg.edY->text());
    EXPECT_FALSE(dlg.GetValorDefinido());
    EXPECT_TRUE(dlg.GetUmGrau());
}

TEST(ForcaDistribuida, ValoresVezesMilRotulosEReabertura) {
    TPerguntadorLigado g;
    TfrmForcaExternaDistr dlg;
    std::vector<std::array<double, 4>> disparos;
    dlg.SetOnConfirmar([&](const TForcaTensional &f) {
        disparos.push_back({f.GetQy1(), f.GetQy2(), f.GetQx1(), f.GetQx2()});
    });
    auto unidades = std::make_unique<TfrmUnidades>();
    frmUnidades = unidades.get();
    Executa(g.P, *unidades, [&] {
        for (auto [lista, item] : {std::pair{"cbxForca", "KiloNewton"}, {"cbxComprimento", "PÉ"}}) {
            auto *c = unidades->findChild<QComboBox *>(lista);
            c->setCurrentIndex(c->findText(QString::fromUtf8(item)));
        }
        unidades->findChild<QPushButton *>("btnOk")->click();
    });
    Executa(g.P, dlg, [&] {
        EXPECT_EQ(dlg.lbUnidade[0]->text(), "k[kN]/[ft]");
        EXPECT_EQ(dlg.lbUnidade[3]->text(), dlg.lbUnidade[0]->text());
        dlg.edQy1->setText("1");
        dlg.edQx2->setText("-2.5");
        dlg.btnOk->click();
    });
    unidades.reset();
    ASSERT_EQ(disparos.size(), 1u);
    EXPECT_EQ(disparos[0], (std::array<double, 4>{1000, 0, 0, -2500}));
    ASSERT_NE(dlg.GetForca(), nullptr);
    EXPECT_EQ(dlg.GetForca()->GetQy1(), 1000);

    // A malformed value shows the conversion error and keeps the dialog open.
    Executa(g.P, dlg, [&] {
        EXPECT_EQ(dlg.edQy1->text(), "1"); // what was typed
        EXPECT_EQ(dlg.lbUnidade[1]->text(), "k[N]/[m]");
        dlg.edQy2->setText("abc");
        dlg.btnOk->click();
        EXPECT_TRUE(dlg.isVisible());
        dlg.btnCancela->click();
    });
    EXPECT_EQ(disparos.size(), 1u);
    ASSERT_EQ(g.P.Erros.size(), 1);
    EXPECT_TRUE(g.P.Erros[0].contains("abc"));
    EXPECT_EQ(dlg.edQy2->text(), "0"); // Cancel put it back
}

TEST(Gravidade, SimNaoEFechar) {
    TPerguntadorLigado g;
    TfrmGravidade dlg;
    std::vector<bool> respostas;
    dlg.SetOnConfirmar([&](bool considera) { respostas.push_back(considera); });
    EXPECT_EQ(Executa(g.P, dlg, [&] { dlg.btnSim->click(); }), QDialog::Accepted);
    EXPECT_EQ(Executa(g.P, dlg, [&] { dlg.btnNao->click(); }), QDialog::Rejected);
    // The close box answers nothing.
    Executa(g.P, dlg, [&] { dlg.close(); });
    EXPECT_EQ(respostas, (std::vector<bool>{true, false}));
}

} // namespace
