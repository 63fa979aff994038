// Values typed in the user's units reach the model once, through the window set and the main
// window's receivers; Cancel leaves model, factors and fields alone.
#include "DialogosTeste.h"
#include "support_janelas.h"
#include "uCondicoesIniciais.h"
#include "uForcaInterna.h"
#include "uLibFEM.h"
#include "uMateriais.h"
#include "uTempo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

class IdaEVolta : public JanelasTeste {
protected:
    void Escolhe(QDialog &d, const char *lista, const char *item) {
        auto *c = Filho<QComboBox>(d, lista);
        const int i = c->findText(QString::fromUtf8(item));
        ASSERT_GE(i, 0) << item;
        c->setCurrentIndex(i);
    }
    // °F, days, MPa for the modulus and kgf/cm² for stresses.
    void UnidadesDoUsuario() {
        Roteiro(roteiro.P, [this](QDialog &d) {
            Escolhe(d, "cbxTemperatura", "FAHRENHEIT");
            Escolhe(d, "cbxTempo", "DIA");
            Escolhe(d, "cbxForcaModulo", "MegaNewton");
            Escolhe(d, "cbxForcaTensao", "Kilograma força");
            Escolhe(d, "cbxCompTensao", "CENTÍMETRO");
        });
        frmMalha->Unidades1->trigger();
    }
    void Dispara(QAction *a, std::function<void(QDialog &)> passos, const char *botao = "btnOk") {
        ASSERT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        Roteiro(roteiro.P, std::move(passos), botao);
        a->trigger();
    }
};

} // namespace

TEST_F(IdaEVolta, TempoEmDiasChegaEmHorasUmaVezSo) {
    AbreEMalha();
    UnidadesDoUsuario();
    for (int vez = 0; vez < 2; ++vez)
        Dispara(frmMalha->Tempo1, [](QDialog &d) {
            Digita(d, "edTf", "60");
            Digita(d, "edDt", "0.25");
        });
    TTempo *t = M().FAnalise->GetTempo();
    EXPECT_DOUBLE_EQ(t->GetTempoInicial(), 0);
    EXPECT_DOUBLE_EQ(t->GetTempoFinal(), 1440);
    EXPECT_DOUBLE_EQ(t->GetDt(), 6);
    EXPECT_EQ(t->GetNumPassos(), 240);
    EXPECT_DOUBLE_EQ(M().FAnaliseTensional->GetTempo().GetTempoFinal(), 1440);
    // The dialog's own axis is as typed, and so is what it shows again.
    EXPECT_DOUBLE_EQ(frmTempo->GetTempo()->GetTempoFinal(), 60);
    Dispara(
        frmMalha->Tempo1,
        [](QDialog &d) {
            EXPECT_EQ(Texto(d, "edTf"), "60");
            EXPECT_EQ(Filho<QLabel>(d, "lbUnidadeTf")->text(), "[dia]");
        },
        "btnCancelar");
    EXPECT_TRUE(roteiro.P.Esgotado());
}

TEST_F(IdaEVolta, MaterialEmMPaEKgfPorCm2) {
    AbreEMalha();
    UnidadesDoUsuario();
    for (int vez = 0; vez < 2; ++vez) {
        roteiro.P.Respostas.push_back(false);
        Dispara(frmMalha->Material1, [](QDialog &d) {
            Clica(d, "rbEConstante");
            Digita(d, "edE", "20000");
            Digita(d, "edFcj28", "200");
        });
    }
    const TMaterial *m = M().FAnalise->GetDominio()->GetMaterial();
    ASSERT_NE(m, nullptr);
    EXPECT_DOUBLE_EQ(m->GetE(), 20);
    EXPECT_DOUBLE_EQ(m->GetEConstanteValor(), 20);
    EXPECT_NEAR(m->GetFcj28(), 19.6, 1e-12);
    EXPECT_NEAR(m->GetEa(), 0.08609 / 0.001, 1e-9);
    EXPECT_NEAR(m->GetFTb(), 0.1931 / 0.098, 1e-12);
    const TMaterial *mt = M().FAnaliseTensional->GetDominio().GetMaterial();
    ASSERT_NE(mt, nullptr);
    EXPECT_DOUBLE_EQ(mt->GetEConstanteValor(), 20);
    // The conductivity typed with the default units arrives in calories.
    EXPECT_NEAR(m->GetKx(), 2 * 859.84522, 1e-9);

    // Cancel leaves the model and the fields.
    Dispara(
        frmMalha->Material1,
        [](QDialog &d) {
            EXPECT_EQ(Texto(d, "edE"), "20000");
            Digita(d, "edE", "1");
        },
        "btnCancelar");
    EXPECT_DOUBLE_EQ(M().FAnalise->GetDominio()->GetMaterial()->GetEConstanteValor(), 20);
    EXPECT_EQ(Texto(*frmMateriais, "edE"), "20000");
}

TEST_F(IdaEVolta, TemperaturasEmFahrenheitChegamEmCelsius) {
    AbreEMalha();
    UnidadesDoUsuario();
    M().FArestasSelecionadas.Adiciona(1);
    Dispara(frmMalha->Contorno1, [](QDialog &d) { Digita(d, "edTAmbiente", "68"); });
    Dispara(frmMalha->Contorno1, [](QDialog &d) {
        Clica(d, "rbDefinida");
        Digita(d, "edTMax", "100.4");
        Digita(d, "edTMin", "71.6");
        Digita(d, "edHTmax", "0.5");
        Digita(d, "edHTMin", "0");
        Clica(d, "ckbCura");
        Digita(d, "edFim", "3");
    });
    TDominio *dom = M().FAnalise->GetDominio();
    ASSERT_EQ(dom->GetNumForcasExternas(), 2);
    EXPECT_NEAR(dom->GetForcaExterna(1)->GetTemperaturaAmbiente(), 20, 1e-9);
    const TForcaExterna *f = dom->GetForcaExterna(2);
    EXPECT_NEAR(f->GetTemperaturaMaxima(), 38, 1e-9);
    EXPECT_NEAR(f->GetTemperaturaMinima(), 22, 1e-9);
    EXPECT_DOUBLE_EQ(f->GetHoraTMax(), 12);
    EXPECT_DOUBLE_EQ(f->GetFimJanela(), 72);
    // W·h/(h·m²·°C) typed, calories reached: the factor once.
    EXPECT_NEAR(f->GetCoefConveccao(), 10 * 859.84522, 1e-9);
    EXPECT_EQ(f->GetArestas().GetTamanho(), 1);

    M().FNosSelecionados.Adiciona(1);
    M().FNosSelecionados.Adiciona(2);
    Dispara(frmMalha->Iniciais1, [](QDialog &d) {
        EXPECT_EQ(static_cast<TfrmCondicoesIniciais &>(d).GetStatus(2), "2 nós capturados");
        EXPECT_EQ(Filho<QLabel>(d, "lbTemperatura")->text(), "[°F]");
        Digita(d, "edTemperatura", "68");
    });
    EXPECT_NEAR(M().FAnalise->GetVetorTemperaturasIniciais()[2], 20, 1e-9);

    Dispara(frmMalha->Prescricoes1, [](QDialog &d) {
        Digita(d, "edTodoDominio", "100.4");
        Digita(d, "edTempoInicial", "0");
        Digita(d, "edTempoFinal", "2");
    });
    ASSERT_EQ(M().FAnalise->GetNumPrescricoes(), 1);
    const TPrescricoes *p = M().FAnalise->GetPrescricao(1);
    EXPECT_NEAR(p->Valores[1], 38, 1e-9);
    EXPECT_DOUBLE_EQ(p->Inicio, 0);
    EXPECT_DOUBLE_EQ(p->Fim, 48);
}

TEST_F(IdaEVolta, FonteSolverECancelamentoDasUnidades) {
    AbreEMalha();
    // Cancel in the units dialog changes neither factors nor labels.
    Roteiro(
        roteiro.P, [this](QDialog &d) { Escolhe(d, "cbxEnergia", "BTU"); }, "btnCancelar");
    frmMalha->Unidades1->trigger();
    EXPECT_NEAR(M().Fatores().Energia, 859.84522, 1e-9);
    Dispara(frmMalha->acaoBotao("toolbForcaInterna"), [](QDialog &d) {
        EXPECT_EQ(Filho<QLabel>(d, "lbConstante")->text(), "[W * h]/(m³·h)");
        Clica(d, "rbConstante");
        Digita(d, "edCargaInternaConstante", "2");
    });
    const TForcaInterna *fonte = M().FAnalise->GetDominio()->GetFonte();
    ASSERT_NE(fonte, nullptr);
    EXPECT_NEAR(fonte->GetValor(), 2 * 859.84522, 1e-9);
    EXPECT_DOUBLE_EQ(frmForcaInterna->GetForca()->GetValor(), 2);

    Dispara(frmMalha->Analise1, [](QDialog &d) { Clica(d, "chkGauss"); });
    EXPECT_NE(dynamic_cast<TGauss *>(M().FAnalise->GetSolver()), nullptr);
    EXPECT_TRUE(roteiro.P.Esgotado());
}

TEST_F(IdaEVolta, DimensaoMaximaDaMalhaNaUnidadeDeComprimento) {
    Roteiro(roteiro.P, [this](QDialog &d) { Escolhe(d, "cbxComprimento", "PÉ"); });
    frmMalha->Unidades1->trigger();
    Dispara(frmMalha->Malha2, [](QDialog &d) {
        EXPECT_EQ(Filho<QLabel>(d, "lbUnidade")->text(), "[ft]");
        EXPECT_EQ(Texto(d, "edDmax"), QString::number(0.25 / 0.3048, 'g', 15));
        Filho<QCheckBox>(d, "cbxDmax")->setChecked(true);
        Digita(d, "edDmax", "1");
    });
    EXPECT_DOUBLE_EQ(Estado().ConfiguracaoMalha.Dmax, 0.3048);
    EXPECT_TRUE(Estado().ConfiguracaoMalha.PorDmax);
    Dispara(
        frmMalha->Malha2, [](QDialog &d) { EXPECT_EQ(Texto(d, "edDmax"), "1"); }, "btnCancela");
}

TEST_F(IdaEVolta, UnidadeDeTemperaturaDaDilatacaoChegaAoCalculo) {
    EXPECT_EQ(Estado().PosicaoTemperaturaDilatacao, -1);
    Roteiro(roteiro.P, [this](QDialog &d) { Escolhe(d, "cbxTemperCoefDilatacao", "RANKINE"); });
    frmMalha->Unidades1->trigger();
    EXPECT_EQ(Estado().PosicaoTemperaturaDilatacao, 3);
}
