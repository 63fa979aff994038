// The result windows reached from the main window's "Resultados" menu after a thermal run on
// the example block: the map, the node history at the picked node and the line profile, in
// the user's units.
#include "support_janelas.h"

#include "uGraficoIsocores.h"
#include "uGraficoTemperaturaTempo.h"
#include "uGraficoTensaoTempo.h"
#include "uTemperaturaDistancia.h"

#include <QChart>
#include <QLineEdit>
#include <QSpinBox>
#include <QValueAxis>

#include <cstdlib>

namespace {

class ResultadosJanelas : public JanelasTeste {
protected:
    void RodaTermica() {
        AbreEMalha();
        TModelo &m = M();
        const int n = m.FMalha->GetNumNos();
        m.AplicaMaterial(TMaterial(2.0, 2.0, 2400.0, 1000.0, 30.0, 0.08609, 0.04225, true, 1e-5,
                                   0.2, 9.81, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                   0.1931, false, 0.0, true));
        m.AplicaForcaInterna(TForcaInterna(800.0));
        TForcaExterna conv;
        conv.SetTipo(TForcaExterna::kConstante);
        conv.SetTemperaturaAmbiente(20.0);
        conv.SetCoefConveccao(10.0);
        m.FArestasSelecionadas = TVetorInteiro();
        for (int i = 1; i <= 4; ++i)
            m.FArestasSelecionadas.Adiciona(i);
        m.AplicaForcaExterna(conv);
        m.FNosSelecionados = TVetorInteiro();
        for (int k = 1; k <= n; ++k)
            m.FNosSelecionados.Adiciona(k);
        m.AplicaCondicoesIniciais(20.0);
        m.AplicaTempo(TTempo(0.0, 24.0, 12.0, 2.0 / 3.0));
        m.AplicaSolver(TGauss(), false);
        roteiro.P.Respostas.push_back(true);
        frmMalha->Rodar1->trigger();
        roteiro.P.Informacoes.clear();
    }
};

} // namespace

TEST_F(ResultadosJanelas, MenuResultadosAbreMapaHistoricoEPerfil) {
    EXPECT_FALSE(frmMalha->Isocores1->isEnabled());
    RodaTermica();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join("|").toStdString();
    ASSERT_TRUE(frmMalha->Isocores1->isEnabled());
    ASSERT_TRUE(frmMalha->Trmica1->isEnabled());
    ASSERT_TRUE(frmMalha->Eixo->isEnabled());

    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &frm = dynamic_cast<TfrmIsocores &>(d);
        frm.edTempo->setText("24");
        frm.DesenhaIsocores();
        EXPECT_EQ(frm.Mapa().Tempo(), 24.0);
        EXPECT_GT(frm.Rotulos(), 0);
        if (const char *pasta = std::getenv("DARV_CAPTURAS"))
            frm.grab().save(QString(pasta) + "/isocores_bloco.png");
        d.reject();
        return int(QDialog::Rejected);
    });
    frmMalha->Isocores1->trigger();

    M().FNoCapturado = 3;
    roteiro.P.Modais.push_back([this](QDialog &d) {
        auto &frm = dynamic_cast<TfrmGraficoTemperaturaTempo &>(d);
        EXPECT_EQ(frm.sedNo->value(), 3);
        frm.Plota();
        EXPECT_EQ(frm.UltimaCurva()->X.size(), 3u); // 2 steps and the start
        EXPECT_EQ(frm.UltimaCurva()->Y[0], 20.0);
        EXPECT_EQ(frm.sedNo->maximum(), M().FMalha->GetNumNos());
        d.reject();
        return int(QDialog::Rejected);
    });
    frmMalha->Trmica1->trigger();

    // A line across the mesh, as the line tool keeps it.
    M().FInicioReta = {M().FMalha->GetXMin(), M().FMalha->GetYCentro()};
    M().FFimReta = {M().FMalha->GetXMax(), M().FMalha->GetYCentro()};
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &frm = dynamic_cast<TfrmTemperaturaDistancia &>(d);
        frm.edTempo->setText("12");
        frm.Plota();
        EXPECT_GT(frm.UltimaCurva()->X.size(), 90u);
        d.reject();
        return int(QDialog::Rejected);
    });
    frmMalha->Eixo->trigger();
    EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join("|").toStdString();
    EXPECT_TRUE(roteiro.P.Esgotado());
}

// "Evolução > Térmica": a single-domain curve follows the node typed; a layered one the point
// picked in the main window, so its node field is greyed out and the chart names that point.
TEST_F(ResultadosJanelas, TermicaEmCamadasNomeiaOPontoPlotado) {
    struct Caso {
        bool camadas;
        QString titulo;
    };
    for (const Caso &c : {Caso{false, ""}, Caso{true, "Ponto (6,5; 1,5) [m]"}}) {
        SCOPED_TRACE(c.camadas);
        if (c.camadas) {
            AbreEMalha();
            TModelo &m = M();
            ASSERT_EQ(m.AdicionaSubDominio({1, 2, 3, 4}), 1);
            m.GetSubDominio(1)->Fixo = false; // placed layer by layer
            frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
            m.AplicaMaterial(TMaterial(2.0, 2.0, 2400.0, 1000.0, 30.0, 0.08609, 0.04225, true, 1e-5,
                                       0.2, 9.81, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                       0.1931, false, 0.0, true));
            m.AplicaTempo(TTempo(0.0, 36.0, 12.0, 2.0 / 3.0));
            m.AplicaSolver(TGauss(), false);
            frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
            roteiro.P.Respostas.push_back(true);
            frmMalha->Rodar1->trigger();
        } else {
            RodaTermica();
        }
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join("|").toStdString();
        M().FNoCursor = TNo(0, 6.5, 1.5);
        M().FNoCapturado = 3;
        SetDecimalSeparator(',');
        roteiro.P.Modais.push_back([&c, this](QDialog &d) {
            auto &frm = dynamic_cast<TfrmGraficoTemperaturaTempo &>(d);
            EXPECT_EQ(frm.sedNo->isEnabled(), !c.camadas);
            frm.sedNo->setValue(7);
            frm.Plota();
            EXPECT_EQ(frm.Grafico()->title(), c.titulo);
            EXPECT_EQ(frm.sedNo->isEnabled(), !c.camadas);
            const TCurva esperada =
                CurvaTemperaturaTempo(*M().FAnalise, 7, {6.5, 1.5}, TUnidadesResultados());
            EXPECT_GT(esperada.X.size(), 1u);
            EXPECT_EQ(frm.UltimaCurva()->Y, esperada.Y);
            d.reject();
            return int(QDialog::Rejected);
        });
        frmMalha->Trmica1->trigger();
        SetDecimalSeparator('.');
        EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join("|").toStdString();
        EXPECT_TRUE(roteiro.P.Esgotado());
    }
}
