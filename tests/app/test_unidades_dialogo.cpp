// The units dialog driven offscreen: pages, the factor line, OK, Cancel and the lists found by
// the unit's class.
#include "ConversaoUnidades.h"
#include "KitBase.h"
#include "KitCalcEdit.h"
#include "PerguntadorRoteiro.h"
#include "UnidadesEscolhidas.h"
#include "uEstadoInterface.h"
#include "uLibUnidades.h"
#include "uUnidades.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdlib>
#include <optional>

namespace {

class UnidadesDialogo : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        frmUnidades = &dlg;
        dlg.SetOnMudanca([this](const TUnidades &e, const TUnidadesSI &r) {
            ++disparos;
            fatores = CalculaFatores(e, r);
        });
        dlg.SetOnDilatacao([this](int p) { posicaoDilatacao = p; });
    }
    void TearDown() override {
        frmUnidades = nullptr;
        ReiniciaEstado();
    }
    // Opens the dialog, runs `passos` on it and presses OK (or Cancel).
    void Abre(const std::function<void()> &passos, bool ok = true) {
        g.P.Modais.push_back([&, passos, ok](QDialog &d) {
            passos();
            d.findChild<QPushButton *>(ok ? "btnOk" : "btnCancelar")->click();
            return d.result();
        });
        Perguntador().ExecutaModal(dlg);
    }
    QComboBox *Lista(const char *nome) { return dlg.findChild<QComboBox *>(nome); }
    void Escolhe(const char *lista, const QString &item) {
        QComboBox *c = Lista(lista);
        ASSERT_NE(c->findText(item), -1) << item.toStdString();
        c->setCurrentIndex(c->findText(item));
    }
    QString ValorSI() { return dlg.findChild<QLineEdit *>("edValorSI")->text(); }

    TPerguntadorLigado g;
    TfrmUnidades dlg;
    int disparos = 0;
    std::optional<TFatoresUnidades> fatores;
    int posicaoDilatacao = -1;
};

} // namespace

TEST_F(UnidadesDialogo, FatoresPadraoNaPartida) {
    dlg.DisparaMudanca();
    ASSERT_TRUE(fatores);
    EXPECT_NEAR(fatores->Condutividade, 859.84522, 1e-9);
    EXPECT_NEAR(fatores->CalorEspecifico, 0.2388458966, 1e-12);
    EXPECT_DOUBLE_EQ(fatores->Tempo, 1.0);
    EXPECT_EQ(SimboloUnidade(TGrandeza::Comprimento), "[m]");
    EXPECT_EQ(SimboloUnidade(TGrandeza::Tempo), "[h]");
    // Every list shows the default unit.
    EXPECT_EQ(Lista("cbxComprimento")->currentText(), "METRO");
    EXPECT_EQ(Lista("cbxEnergia")->currentText(), "WATT*HORA");
    EXPECT_EQ(Lista("cbxTempo")->currentText(), "HORA");
    EXPECT_EQ(Lista("cbxMassaCE")->currentText(), "KILOGRAMA");
    EXPECT_EQ(Lista("cbxForcaModulo")->currentText(), "GigaNewton");
    EXPECT_EQ(Lista("cbxTempoGravidade")->currentText(), "SEGUNDO");
}

TEST_F(UnidadesDialogo, DiaEDensidadeEmGramaPorCentimetroCubico) {
    Abre([&] {
        Escolhe("cbxTempo", "DIA");
        EXPECT_EQ(ValorSI(), "24");
        Escolhe("cbxMassa", "GRAMA");
        Escolhe("cbxComprimento3", "CENTÍMETRO");
        EXPECT_EQ(ValorSI(), "1000");
        EXPECT_EQ(dlg.findChild<QLabel *>("lbSimbolo")->text(), "[g]/[cm]³");
        EXPECT_EQ(dlg.findChild<QLabel *>("lbSISimbolo")->text(), "[kg/m³]");
    });
    ASSERT_EQ(disparos, 1);
    EXPECT_DOUBLE_EQ(fatores->Tempo, 24.0);
    EXPECT_NEAR(fatores->Densidade, 1000.0, 1e-9);
    EXPECT_EQ(SimboloUnidade(TGrandeza::Tempo), "[dia]");
    EXPECT_TRUE(g.P.Esgotado());
}

TEST_F(UnidadesDialogo, CancelarNaoMudaNada) {
    Abre(
        [&] {
            Escolhe("cbxComprimento", "PÉ");
            Escolhe("cbxTemperCoefDilatacao", "RANKINE");
        },
        false);
    EXPECT_EQ(disparos, 0);
    EXPECT_EQ(SimboloUnidade(TGrandeza::Comprimento), "[m]");
    EXPECT_EQ(posicaoDilatacao, -1);
    EXPECT_EQ(Lista("cbxComprimento")->currentText(), "METRO");
    // The next OK hands over the set as it was, not the cancelled choice.
    Abre([] {});
    EXPECT_DOUBLE_EQ(fatores->Comprimento, 1.0);
    EXPECT_DOUBLE_EQ(fatores->Dilatacao, 1.0);
}

TEST_F(UnidadesDialogo, ListasAchamAUnidadePelaClasse) {
    Abre([&] {
        Escolhe("cbxComprimento", "PÉ");
        Escolhe("cbxMassa", "ONCE");
        Escolhe("cbxTempo", "MÊS");
        Escolhe("cbxForca", "Kilograma força");
        Escolhe("cbxTemperatura", "FAHRENHEIT");
    });
    // Reopened, the lists show those units, and a change on another page keeps them.
    Abre([&] {
        EXPECT_EQ(Lista("cbxComprimento")->currentText(), "PÉ");
        EXPECT_EQ(Lista("cbxMassa")->currentText(), "ONCE");
        EXPECT_EQ(Lista("cbxTempo")->currentText(), "MÊS");
        EXPECT_EQ(Lista("cbxForca")->currentText(), "Kilograma força");
        Escolhe("cbxEnergia", "JOULE");
    });
    EXPECT_DOUBLE_EQ(fatores->Comprimento, 0.3048);
    EXPECT_DOUBLE_EQ(fatores->Tempo, 720.0);
    EXPECT_DOUBLE_EQ(fatores->Forca, 9.8);
    EXPECT_NEAR(fatores->Energia, 0.2388458966, 1e-12);
    EXPECT_EQ(fatores->Escala, TEscalaTemperatura::Fahrenheit);
    EXPECT_EQ(SimboloUnidade(TGrandeza::Comprimento), "[ft]");
    EXPECT_EQ(SimboloUnidade(TGrandeza::Forca), "[kgf]");
}

TEST_F(UnidadesDialogo, CondutividadeEDilatacaoPelasSuasPaginas) {
    Abre([&] {
        Escolhe("cbxEnergiaK", "BTU");
        Escolhe("cbxTempoK", "HORA");
        Escolhe("cbxComprimentoK", "PÉ");
        Escolhe("cbxTemperaturaK", "FAHRENHEIT");
        EXPECT_EQ(ValorSI().left(9), "1488.1639");
        // The main energy page changes neither conductivity nor convection.
        Escolhe("cbxEnergia", "BTU");
        Escolhe("cbxTemperCoefDilatacao", "RANKINE");
        EXPECT_EQ(ValorSI(), "1.8");
    });
    EXPECT_NEAR(fatores->Condutividade, 1488.1639, 1e-4);
    EXPECT_NEAR(fatores->Conveccao, 859.84522, 1e-9);
    EXPECT_DOUBLE_EQ(fatores->Dilatacao, 1.8);
    EXPECT_EQ(posicaoDilatacao, 3);
    EXPECT_DOUBLE_EQ(TCoefDilatacao::FatorTemperatura(posicaoDilatacao), 1.8);
    EXPECT_EQ(SimboloUnidade(TGrandeza::Condutividade),
              QString::fromStdString(frmUnidades->GetUnidades().GetCondutividade().GetSimbolo()));
}

TEST_F(UnidadesDialogo, ListaSemSelecaoUsaOPadraoDaPagina) {
    Abre([&] {
        Lista("cbxTempo")->setCurrentIndex(-1);
        Lista("cbxEnergia")->setCurrentIndex(-1);
    });
    EXPECT_DOUBLE_EQ(fatores->Tempo, 1.0 / 3600.0);
    EXPECT_DOUBLE_EQ(fatores->Energia, 1.0);
}

TEST_F(UnidadesDialogo, CalculadoraLivreForaDaConversao) {
    TKitTemporizador::DefineTempoReal(false);
    Abre([&] {
        auto *calc = dlg.findChild<TKitCalcEdit *>("kitCalculadora");
        ASSERT_NE(calc, nullptr);
        auto *grupo = qobject_cast<QGroupBox *>(calc->parentWidget());
        ASSERT_NE(grupo, nullptr);
        EXPECT_EQ(grupo->title(), QStringLiteral("Calculadora"));
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        EXPECT_EQ(calc->size(), QSize(87, 21));
        EXPECT_EQ(calc->NumGlyphs(), 2);
        calc->setFocus();
        QTest::keyClick(calc, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(calc->PopupOpen());
        QTest::keyClicks(calc, QStringLiteral("12*3"));

        // The drop-down touches the edit, above or below, inside the edit's screen.
        TPopupCalculator *popup = calc->PopupCalculator();
        const QRect edit(calc->mapToGlobal(QPoint(0, 0)), calc->size());
        const QRect r = popup->geometry();
        EXPECT_TRUE(r.top() == edit.bottom() + 1 || r.bottom() + 1 == edit.top());
        EXPECT_TRUE(calc->screen()->availableGeometry().contains(r));

        // The dialog with the drop-down over it, for the eye.
        const QPixmap fundo = dlg.grab(), sobre = popup->grab();
        const QPoint onde = r.topLeft() - dlg.mapToGlobal(QPoint(0, 0));
        const QRect tudo = QRect(QPoint(0, 0), fundo.size()).united(QRect(onde, sobre.size()));
        QPixmap quadro(tudo.size());
        quadro.fill(Qt::darkGray);
        {
            QPainter p(&quadro);
            p.drawPixmap(-tudo.topLeft(), fundo);
            p.drawPixmap(onde - tudo.topLeft(), sobre);
        }
        if (const char *pasta = std::getenv("DARV_PNG_DIR"))
            quadro.save(QDir(QString::fromLocal8Bit(pasta)).filePath("unidades_calculadora.png"));

        QTest::keyClick(calc, Qt::Key_Return); // closes the calculator, not the dialog
        EXPECT_FALSE(calc->PopupOpen());
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(calc->Value(), 36);
        EXPECT_EQ(ValorSI(), QStringLiteral("1"));
    });
    TKitTemporizador::DefineTempoReal(true);
    EXPECT_EQ(disparos, 1);
    EXPECT_DOUBLE_EQ(fatores->Comprimento, 1.0);
    EXPECT_DOUBLE_EQ(fatores->Tempo, 1.0);
    EXPECT_TRUE(g.P.Esgotado());
}
