// The material dialog and its maturity dialog, offscreen, in both decimal separators.
#include "DialogosTeste.h"
#include "uFuncaoDiscreta.h"
#include "uLibUnidades.h"
#include "uMateriais.h"
#include "uMaturidade.h"
#include "uUnidades.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <memory>
#include <optional>

namespace {

struct TDisparado {
    double kx, ky, dens, ce, e, ea, eb, alfa, poisson, g, fcj28, fta, ftb, eConstValor;
    bool epd, maturidade, eConstante, eDaResistencia;
    int modelo;
    bool temFuncaoK, temFuncaoCe;
    double kxFuncao;
};

class DialogoMateriais : public ::testing::Test {
protected:
    void Cria(char separador) {
        sep = std::make_unique<TSeparador>(separador);
        dlg = std::make_unique<TfrmMateriais>();
        mat = std::make_unique<TfrmMaturidade>();
        fd = std::make_unique<TfrmFuncaoDiscreta>();
        frmMateriais = dlg.get();
        frmMaturidade = mat.get();
        frmFuncaoDiscreta = fd.get();
        dlg->SetOnConfirmar([this](const TMaterial &m) {
            ++disparos;
            // The receiver works on a copy; read what it would copy.
            auto c = TMaterial::CreateCopia(m);
            ultimo =
                TDisparado{c->GetKx(),
                           c->GetKy(),
                           c->GetDensidade(),
                           c->GetCalorEspecifico(),
                           c->GetE(),
                           c->GetEa(),
                           c->GetEb(),
                           c->GetAlfa(),
                           c->GetPoisson(),
                           c->GetGravidade(),
                           c->GetFcj28(),
                           c->GetFTa(),
                           c->GetFTb(),
                           c->GetEConstanteValor(),
                           c->GetEPD(),
                           c->GetMaturidade(),
                           c->GetEConstante(),
                           c->GetEDaResistencia(),
                           m.ModeloE,
                           m.GetFuncaoCondutividade() != nullptr,
                           m.GetFuncaoCalorEspecifico() != nullptr,
                           m.GetFuncaoCondutividade() ? m.GetFuncaoCondutividade()->Valor(0) : 0.0};
        });
    }
    void TearDown() override {
        frmMateriais = nullptr;
        frmMaturidade = nullptr;
        frmFuncaoDiscreta = nullptr;
    }
    // OK answering the maturity question with `maturidade`.
    void AbreEConfirma(std::function<void(QDialog &)> passos, bool maturidade = false) {
        g.P.Respostas.push_back(maturidade);
        Abre(g.P, *dlg, std::move(passos));
    }

    TPerguntadorLigado g;
    std::unique_ptr<TSeparador> sep;
    std::unique_ptr<TfrmMateriais> dlg;
    std::unique_ptr<TfrmMaturidade> mat;
    std::unique_ptr<TfrmFuncaoDiscreta> fd;
    int disparos = 0;
    std::optional<TDisparado> ultimo;
};

} // namespace

TEST_F(DialogoMateriais, PadraoNasDuasConvencoesDeNumero) {
    for (char s : {',', '.'}) {
        SCOPED_TRACE(s);
        Cria(s);
        disparos = 0;
        AbreEConfirma(nullptr);
        ASSERT_EQ(disparos, 1);
        const TDisparado &m = *ultimo;
        EXPECT_DOUBLE_EQ(m.kx, 2);
        EXPECT_DOUBLE_EQ(m.ky, 2);
        EXPECT_DOUBLE_EQ(m.dens, 2400);
        EXPECT_DOUBLE_EQ(m.ce, 1000);
        EXPECT_DOUBLE_EQ(m.e, 20);
        EXPECT_DOUBLE_EQ(m.eConstValor, 20);
        EXPECT_DOUBLE_EQ(m.ea, 0.08609);
        EXPECT_DOUBLE_EQ(m.eb, 0.04225);
        EXPECT_DOUBLE_EQ(m.alfa, 1.25e-5);
        EXPECT_DOUBLE_EQ(m.poisson, 0.2);
        EXPECT_DOUBLE_EQ(m.g, 9.819);
        EXPECT_DOUBLE_EQ(m.fcj28, 20);
        EXPECT_DOUBLE_EQ(m.fta, 1.408);
        EXPECT_DOUBLE_EQ(m.ftb, 0.1931);
        EXPECT_TRUE(m.epd);
        EXPECT_FALSE(m.maturidade);
        EXPECT_FALSE(m.eConstante);
        EXPECT_FALSE(m.eDaResistencia);
        EXPECT_EQ(m.modelo, 0);
        EXPECT_EQ(g.P.Perguntas.back(), "Deseja Considerar a Maturidade do Concreto?");
        // Closed, the dialog holds no material.
        EXPECT_EQ(dlg->GetMaterial(), nullptr);
        EXPECT_TRUE(g.P.Esgotado());
    }
}

TEST_F(DialogoMateriais, NumeroMalFormadoNaoDisparaEMantemAberto) {
    Cria(',');
    g.P.Respostas.push_back(false);
    Abre(
        g.P, *dlg,
        [&](QDialog &d) {
            Digita(d, "edDensidade", "1.500");
            Clica(d, "btnOk");
            EXPECT_TRUE(d.isVisible());
            ASSERT_EQ(g.P.Erros.size(), 1);
            EXPECT_EQ(g.P.Erros[0], "'1.500' não é um número real válido");
            Digita(d, "edDensidade", "1500");
        },
        "btnOk");
    ASSERT_EQ(disparos, 1);
    EXPECT_DOUBLE_EQ(ultimo->dens, 1500);
}

TEST_F(DialogoMateriais, ResistenciaConstanteEModelosELeiDeE) {
    Cria(',');
    AbreEConfirma([](QDialog &d) {
        Clica(d, "rbftConstante");
        Clica(d, "rbMaturidade");
        Clica(d, "rbByfors");
        Clica(d, "RadioButton5");
    });
    ASSERT_EQ(disparos, 1);
    EXPECT_DOUBLE_EQ(ultimo->fta, 0);
    EXPECT_DOUBLE_EQ(ultimo->ftb, 0.2);
    EXPECT_EQ(ultimo->modelo, 1);
    EXPECT_TRUE(ultimo->eDaResistencia);
    EXPECT_FALSE(ultimo->epd);
    // The edits keep the rewritten law, in the user's notation.
    EXPECT_EQ(Texto(*dlg, "edFTA"), "0");
    EXPECT_EQ(Texto(*dlg, "edFTb"), "0,2");
    // Showing again selects the JCI model and the age law.
    AbreEConfirma([](QDialog &d) {
        EXPECT_TRUE(Filho<QRadioButton>(d, "rbJCI")->isChecked());
        EXPECT_TRUE(Filho<QRadioButton>(d, "RadioButton2")->isChecked());
        Clica(d, "rbEConstante");
        Digita(d, "edConstante", "0");
        Clica(d, "rbftIdade");
    });
    EXPECT_EQ(ultimo->modelo, 0);
    EXPECT_TRUE(ultimo->eConstante);
    // A zero constant ft is refused with the division error.
    AbreEConfirma([&](QDialog &d) {
        Clica(d, "rbftConstante");
        Clica(d, "btnOk");
        EXPECT_TRUE(d.isVisible());
        Clica(d, "btnCancelar");
    });
    EXPECT_EQ(disparos, 2);
    ASSERT_FALSE(g.P.Erros.empty());
}

TEST_F(DialogoMateriais, MaturidadeAbreODialogoEGuardaFcj) {
    Cria('.');
    AbreEConfirma([](QDialog &d) { Digita(d, "edFcj28", "25"); }, true);
    EXPECT_TRUE(ultimo->maturidade);
    EXPECT_DOUBLE_EQ(ultimo->fcj28, 25);
    EXPECT_TRUE(mat->isVisible());
    Digita(*mat, "edFcj28", "31.5");
    Clica(*mat, "btnOk");
    EXPECT_FALSE(mat->isVisible());
    EXPECT_DOUBLE_EQ(dlg->GetFcj28Maturidade(), 31.5);
}

TEST_F(DialogoMateriais, CondutividadeTabeladaSoComDoisPares) {
    Cria('.');
    // Two pairs confirmed: the material takes the table, the edits are disabled.
    g.P.Respostas.push_back(false);
    Roteiro(g.P, [](QDialog &d) {
        Clica(d, "chkCondutividade");
        EXPECT_TRUE(Filho<QCheckBox>(d, "chkCondutividade")->isChecked());
        EXPECT_FALSE(Filho<QLineEdit>(d, "edKx")->isEnabled());
    });
    Roteiro(g.P, [](QDialog &d) {
        for (auto [x, y] : {std::pair{"0", "1.5"}, std::pair{"10", "2.5"}}) {
            Digita(d, "edX", x);
            Digita(d, "edY", y);
            Clica(d, "btnAdicionar");
        }
    });
    Perguntador().ExecutaModal(*dlg);
    ASSERT_EQ(disparos, 1);
    EXPECT_TRUE(ultimo->temFuncaoK);
    EXPECT_DOUBLE_EQ(ultimo->kxFuncao, 1.5);

    // One pair, or a cancelled table: nothing taken, the box clears and the edits come back.
    g.P.Respostas.push_back(false);
    Roteiro(g.P, [](QDialog &d) {
        Clica(d, "chkCondutividade");
        EXPECT_FALSE(Filho<QCheckBox>(d, "chkCondutividade")->isChecked());
        EXPECT_TRUE(Filho<QLineEdit>(d, "edKx")->isEnabled());
        Clica(d, "chkCeVariavel");
        EXPECT_FALSE(Filho<QCheckBox>(d, "chkCeVariavel")->isChecked());
    });
    Roteiro(g.P, [](QDialog &d) { Clica(d, "btnAdicionar"); });
    Roteiro(
        g.P,
        [](QDialog &d) {
            Clica(d, "btnAdicionar");
            Digita(d, "edX", "1");
            Clica(d, "btnAdicionar");
        },
        "btnCancelar");
    Perguntador().ExecutaModal(*dlg);
    ASSERT_EQ(disparos, 2);
    EXPECT_FALSE(ultimo->temFuncaoK);
    EXPECT_FALSE(ultimo->temFuncaoCe);
    EXPECT_TRUE(g.P.Esgotado());
}

TEST_F(DialogoMateriais, CancelarRestauraOsCamposEOkOsGuarda) {
    Cria(',');
    Abre(
        g.P, *dlg,
        [](QDialog &d) {
            Digita(d, "edKx", "3,5");
            Clica(d, "rbEConstante");
        },
        "btnCancelar");
    EXPECT_EQ(disparos, 0);
    EXPECT_EQ(Texto(*dlg, "edKx"), "2,0");
    EXPECT_FALSE(Filho<QRadioButton>(*dlg, "rbEConstante")->isChecked());
    AbreEConfirma([](QDialog &d) { Digita(d, "edKx", "3,5"); });
    AbreEConfirma([](QDialog &d) { EXPECT_EQ(Texto(d, "edKx"), "3,5"); });
    EXPECT_DOUBLE_EQ(ultimo->kx, 3.5);
}

TEST_F(DialogoMateriais, RotulosComAsUnidadesEscolhidas) {
    Cria('.');
    TfrmUnidades unidades;
    frmUnidades = &unidades;
    // MPa for the modulus, kgf/cm² for stresses, chosen through the units dialog.
    Abre(g.P, unidades, [](QDialog &d) {
        auto escolhe = [&](const char *lista, const char *item) {
            auto *c = Filho<QComboBox>(d, lista);
            c->setCurrentIndex(c->findText(QString::fromUtf8(item)));
        };
        escolhe("cbxForcaModulo", "MegaNewton");
        escolhe("cbxForcaTensao", "Kilograma força");
        escolhe("cbxCompTensao", "CENTÍMETRO");
    });
    AbreEConfirma([](QDialog &d) {
        EXPECT_EQ(Filho<QLabel>(d, "stxE")->text(), "[MN]/[m]²");
        EXPECT_EQ(Filho<QLabel>(d, "stxEa")->text(), "[dia]/[MN]/[m]²");
        EXPECT_EQ(Filho<QLabel>(d, "stxEb")->text(), "1/[MN]/[m]²");
        EXPECT_EQ(Filho<QLabel>(d, "stFTa")->text(), "[dia]/[kgf]/[cm]²");
        EXPECT_EQ(Filho<QLabel>(d, "stxfcj28")->text(), "[kgf]/[cm]²");
        EXPECT_EQ(Filho<QLabel>(d, "stxKx")->text(),
                  QString::fromStdString(TUnidades().GetCondutividade().GetSimbolo()));
    });
    frmUnidades = nullptr;
}
