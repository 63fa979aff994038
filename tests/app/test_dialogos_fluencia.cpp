// Creep and shrinkage choosers and their law dialogs, driven through the scripted prompter.
#include "PerguntadorRoteiro.h"
#include "uFluencia.h"
#include "uGerentedeRetracao.h"
#include "uLibFEM.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// Works the shown dialog, then tells the prompter how it ended (-1 while still open).
template <class F> std::function<int(QDialog &)> Roteiro(F acao) {
    return [acao](QDialog &d) {
        acao();
        return d.isVisible() ? -1 : d.result();
    };
}

class Fluencia : public ::testing::Test {
protected:
    TPerguntadorLigado g;
    TfrmEEfetivo ef;
    TfrmFuncaoBureauReclamation br;
    TfrmCoefFluenciaACI aci;
    TfrmFluencia ch;
    // Copies of what was handed over; an empty optional is "none".
    std::vector<std::optional<TFluencia>> leis;

    void SetUp() override {
        ch.SetModelos(&ef, &br, &aci);
        ch.SetOnConfirmar([this](const TFluencia *f) {
            leis.push_back(f ? std::optional<TFluencia>(*f) : std::nullopt);
        });
    }
    // Chooser: `escolha` picks a law and clicks OK; then `modelo` works the law's dialog.
    template <class F, class G> void Entra(F escolha, G modelo) {
        g.P.Modais.push_back(Roteiro([this, escolha] {
            escolha();
            ch.btnOk->click();
        }));
        g.P.Modais.push_back(Roteiro(modelo));
        g.P.ExecutaModal(ch);
    }
};

TEST_F(Fluencia, PadraoEhBureauComAeBEFlexibilidadeComUmMicro) {
    QString unidade;
    Entra([] {},
          [&] {
              EXPECT_TRUE(br.isVisible());
              unidade = br.lbUnidade->text();
              br.btnOk->click();
          });
    EXPECT_TRUE(g.P.Esgotado());
    EXPECT_EQ(unidade, "10-6.[dia]/ln([dia]).[MPa]");
    EXPECT_EQ(br.lbUnidade2->text(), "10-6/ln([dia]).[MPa]");
    ASSERT_EQ(leis.size(), 1u);
    ASSERT_TRUE(leis[0]);
    TFluencia f = *leis[0];
    EXPECT_EQ(f.Tipo, 1);
    EXPECT_DOUBLE_EQ(f.A, 6.1);
    EXPECT_DOUBLE_EQ(f.B, 105.2);

    // E 20 GPa, loaded at 2 days, read at 9: J = 1/(E 1000) + (B/x + A) 1e-6 ln(x + 1).
    TMaterial m(2, 2, 2400, 1000, 20, 0.08609, 0.04225, true, 1.25e-5, 0.2, 9.819, 0, false, 20,
                false, 1.408, 0.1931, true, 5, true);
    f.SetT0(48);
    f.AplicaAoMaterial(m, 9);
    const double x = 7;
    const double j = 1 / 20000.0 + (105.2 / x + 6.1) * 1e-6 * std::log(x + 1);
    EXPECT_NEAR(f.Flexibilidade, j, 1e-15);
    EXPECT_NEAR(m.GetE(), 1 / j, 1e-6);
}

TEST_F(Fluencia, ModuloEfetivoEACI) {
    Entra([&] { ch.rbEEfetivo->click(); },
          [&] {
              EXPECT_TRUE(ef.isVisible());
              EXPECT_EQ(ef.lbTempo->text(), "[h]");
              ef.edTempo->setText("5");
              ef.btnOk->click();
          });
    Entra([&] { ch.rbACI->click(); },
          [&] {
              EXPECT_TRUE(aci.isVisible());
              aci.rbVapor->click();
              aci.btnOk->click();
          });
    ASSERT_EQ(leis.size(), 2u);
    ASSERT_TRUE(leis[0] && leis[1]);
    EXPECT_EQ(leis[0]->Tipo, 0);
    EXPECT_DOUBLE_EQ(leis[0]->CoefFluencia, 0.6);
    EXPECT_DOUBLE_EQ(leis[0]->TempoFluencia, 5);
    EXPECT_EQ(leis[1]->Tipo, 7);
    EXPECT_EQ(leis[1]->CuraUmida, 0);
    EXPECT_EQ(leis[1]->Umidade, 70);
    EXPECT_EQ(leis[1]->Abatimento, 20);
    EXPECT_EQ(leis[1]->Finos, 60);
    EXPECT_EQ(leis[1]->Ar, 7);
    // The dialog's defaults give these ACI correction factors.
    TFluencia l = *leis[1];
    l.CoeficienteUltimoACI(50);
    EXPECT_NEAR(l.GamaLambda, 0.85, 1e-12);
    EXPECT_NEAR(l.GamaS, 0.8728, 1e-12);
    EXPECT_NEAR(l.GamaPsi, 1.024, 1e-12);
    EXPECT_NEAR(l.GamaAlfa, 1.09, 1e-12);

    // Reopened, each dialog shows what was typed; the chooser starts again at Bureau.
    Entra(
        [&] {
            EXPECT_TRUE(ch.rbBurealReclamation->isChecked());
            ch.rbEEfetivo->click();
        },
        [&] {
            EXPECT_EQ(ef.edTempo->text(), "5");
            ef.btnOk->click();
        });
    EXPECT_EQ(leis.size(), 3u);
}

TEST_F(Fluencia, CancelarEntregaNenhumaEONumeroRuimNada) {
    g.P.Modais.push_back(Roteiro([&] { ch.btnCancela->click(); }));
    g.P.ExecutaModal(ch);
    Entra([] {},
          [&] {
              br.edA->setText("7");
              br.btnCancela->click();
          });
    ASSERT_EQ(leis.size(), 2u);
    EXPECT_FALSE(leis[0]);
    EXPECT_FALSE(leis[1]);
    EXPECT_EQ(br.edA->text(), TextoPadrao("6,1")); // Cancel put it back

    // A malformed number: the error shows, nothing is fired, the dialog stays open.
    Entra([] {},
          [&] {
              br.edB->setText("1O5");
              br.btnOk->click();
              EXPECT_TRUE(br.isVisible());
              br.close();
          });
    EXPECT_EQ(leis.size(), 2u);
    ASSERT_EQ(g.P.Erros.size(), 1);
    EXPECT_TRUE(g.P.Erros[0].contains("1O5"));

    // The chooser still works after all that.
    Entra([] {}, [&] { br.btnOk->click(); });
    ASSERT_EQ(leis.size(), 3u);
    ASSERT_TRUE(leis[2]);
    EXPECT_DOUBLE_EQ(leis[2]->B, 105.2);
}

TEST(FluenciaLocal, SeparadorVirgulaNosPadroes) {
    TPerguntadorLigado g;
    const char antes = DecimalSeparator();
    SetDecimalSeparator(',');
    TfrmFuncaoBureauReclamation br;
    TfrmEEfetivo ef;
    std::vector<double> v;
    br.SetOnConfirmar([&](const TFluencia *f) { v.push_back(f->A); });
    ef.SetOnConfirmar([&](const TFluencia *f) { v.push_back(f->CoefFluencia); });
    g.P.Modais.push_back(Roteiro([&] { br.btnOk->click(); }));
    g.P.Modais.push_back(Roteiro([&] { ef.btnOk->click(); }));
    g.P.ExecutaModal(br);
    g.P.ExecutaModal(ef);
    SetDecimalSeparator(antes);
    EXPECT_EQ(br.edA->text(), "6,1");
    EXPECT_EQ(v, (std::vector<double>{6.1, 0.6}));
}

class Retracao : public ::testing::Test {
protected:
    TPerguntadorLigado g;
    TfrmRetracaoCEB ceb;
    TfrmRetracaoBazant bz;
    TfrmGerentedeRetracao ch;
    std::vector<std::optional<TRetracao>> leis;

    void SetUp() override {
        ch.SetModelos(&ceb, &bz);
        ch.SetOnConfirmar([this](const TRetracao *r) {
            leis.push_back(r ? std::optional<TRetracao>(*r) : std::nullopt);
        });
    }
    template <class F, class G> void Entra(F escolha, G modelo) {
        g.P.Modais.push_back(Roteiro([this, escolha] {
            escolha();
            ch.btnOk->click();
        }));
        g.P.Modais.push_back(Roteiro(modelo));
        g.P.ExecutaModal(ch);
    }
};

TEST_F(Retracao, NBRAbreBazantECEBGuardaOCimento) {
    Entra([&] { ch.rbNBR6118->click(); },
          [&] {
              EXPECT_TRUE(bz.isVisible());
              EXPECT_EQ(bz.stfc28->text(), "[MPa]");
              bz.btnOk->click();
          });
    ASSERT_EQ(leis.size(), 1u);
    ASSERT_TRUE(leis[0]);
    EXPECT_EQ(leis[0]->Tipo, 1);
    EXPECT_NEAR(leis[0]->RetracaoFinal, 4.2e-4, 1e-18);
    EXPECT_EQ(leis[0]->UmidadeAmbiente, 75);
    EXPECT_EQ(leis[0]->UmidadeInicial, 100);
    EXPECT_EQ(leis[0]->Fcm28, 20);

    Entra(
        [&] {
            EXPECT_TRUE(ch.rbNBR6118->isChecked());
            ch.rbCEB->click();
        },
        [&] {
            EXPECT_TRUE(ceb.isVisible());
            EXPECT_EQ(ceb.GetBetaSC(), 5.0);
            ceb.rbRapido->click();
            ceb.edfc28->setText("30");
            ceb.btnOk->click();
        });
    Entra([] {}, [&] { ceb.btnOk->click(); });
    ASSERT_EQ(leis.size(), 3u);
    for (int i : {1, 2}) {
        ASSERT_TRUE(leis[i]);
        EXPECT_EQ(leis[i]->Tipo, 0);
        EXPECT_EQ(leis[i]->BetaSC, 8.0);
        EXPECT_EQ(leis[i]->Fcm28, 30);
    }
    EXPECT_TRUE(ceb.rbRapido->isChecked());
}

TEST_F(Retracao, CancelamentosComoCadaDialogoDiz) {
    // Chooser: none. CEB: none. Bazant: nothing at all.
    g.P.Modais.push_back(Roteiro([&] {
        ch.rbBazant->click();
        ch.btnCancela->click();
    }));
    g.P.ExecutaModal(ch);
    EXPECT_TRUE(ch.rbCEB->isChecked()); // Cancel changed nothing
    Entra([] {},
          [&] {
              ceb.rbLento->click();
              ceb.btnCancela->click();
          });
    EXPECT_TRUE(ceb.rbNormal->isChecked());
    Entra([&] { ch.rbBazant->click(); }, [&] { bz.btnCancela->click(); });
    ASSERT_EQ(leis.size(), 2u);
    EXPECT_FALSE(leis[0]);
    EXPECT_FALSE(leis[1]);
}

} // namespace
