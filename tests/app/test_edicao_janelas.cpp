// The vertex, support, load, gravity, creep, shrinkage and layer dialogs reached from the main
// window: what the user types in the chosen units reaches the model converted once.
#include "support_janelas.h"

#include "uCamadas.h"
#include "uCriaDominio.h"
#include "uDefInicial.h"
#include "uDeformInicial.h"
#include "uFluencia.h"
#include "uForcaExternaDistr.h"
#include "uGerentedeRetracao.h"
#include "uGravidade.h"
#include "uUnidades.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <functional>
#include <utility>
#include <vector>

namespace {

class EdicaoJanelas : public JanelasTeste {
protected:
    // Runs `acao` on the dialog the command opens; -1 when it stayed open.
    void Comando(QAction *a, std::function<void()> acao) {
        roteiro.P.Modais.push_front([acao](QDialog &d) {
            acao();
            return d.isVisible() ? -1 : d.result();
        });
        a->trigger();
    }
    void Comando(const char *botao, std::function<void()> acao) {
        Comando(frmMalha->acaoBotao(botao), std::move(acao));
    }
    // A chooser and the law's dialog its OK opens.
    void Cadeia(const char *botao, std::function<void()> escolha, std::function<void()> lei) {
        roteiro.P.Modais.push_back([lei](QDialog &d) {
            lei();
            return d.isVisible() ? -1 : d.result();
        });
        Comando(botao, std::move(escolha));
    }
    // Picks list items in the units dialog and confirms.
    void Unidades(std::vector<std::pair<const char *, const char *>> escolhas) {
        Comando(frmMalha->Unidades1, [&] {
            for (auto [lista, item] : escolhas) {
                auto *c = frmUnidades->findChild<QComboBox *>(lista);
                ASSERT_NE(c, nullptr) << lista;
                const int i = c->findText(QString::fromUtf8(item));
                ASSERT_NE(i, -1) << item;
                c->setCurrentIndex(i);
            }
            frmUnidades->findChild<QPushButton *>("btnOk")->click();
        });
    }
    static TVetorInteiro Lista(std::initializer_list<int> l) {
        TVetorInteiro v;
        for (int k : l)
            v.Adiciona(k);
        return v;
    }
};

TEST_F(EdicaoJanelas, CargaDistribuidaEmKnPorPeChegaUmaVezEmNPorMetro) {
    Unidades({{"cbxForca", "KiloNewton"}, {"cbxComprimento", "PÉ"}});
    AbreEMalha();
    M().FArestasSelecionadas = Lista({1});
    Comando("ToolButton19", [] {
        EXPECT_EQ(frmForcaExternaDistr->lbUnidade[0]->text(), "k[kN]/[ft]");
        frmForcaExternaDistr->edQy1->setText("1");
        frmForcaExternaDistr->btnOk->click();
    });
    ASSERT_NE(frmForcaExternaDistr->GetForca(), nullptr);
    EXPECT_EQ(frmForcaExternaDistr->GetForca()->GetQy1(), 1000.0);
    const TDominio &d = M().FAnaliseTensional->GetDominio();
    ASSERT_EQ(d.GetNumForcasTensionais(), 1);
    EXPECT_NEAR(d.GetForcaTensional(1)->GetQy1(), 3280839.9, 0.05);
    EXPECT_EQ(d.GetForcaTensional(1)->GetArestas().GetTamanho(), 1);
    // The same OK again: a second load, converted once too.
    Comando("ToolButton19", [] { frmForcaExternaDistr->btnOk->click(); });
    ASSERT_EQ(d.GetNumForcasTensionais(), 2);
    EXPECT_NEAR(d.GetForcaTensional(2)->GetQy1(), 3280839.9, 0.05);
    EXPECT_EQ(frmForcaExternaDistr->GetForca()->GetQy1(), 1000.0);
}

TEST_F(EdicaoJanelas, VinculosEPesoProprioNosNosCapturados) {
    AbreEMalha();
    M().FNosSelecionados = Lista({1, 2});
    Comando("tbDefInicial", [] {
        EXPECT_EQ(frmDefInicial->stStatus->text(), "2 nós capturados");
        EXPECT_EQ(frmDefInicial->lbUnidadeX->text(), "[m]");
        frmDefInicial->rb1GrauX->click();
        frmDefInicial->btnOk->click();
    });
    const TPrescricoes *a = M().FAnaliseTensional->GetApoios(1);
    ASSERT_NE(a, nullptr);
    // One direction, x: degrees of freedom 2k - 1 of nodes 1 and 2.
    ASSERT_EQ(a->Nos.GetTamanho(), 2);
    EXPECT_EQ(a->Nos[1], 1);
    EXPECT_EQ(a->Nos[2], 3);

    // The own weight is the model's one load, which the stress run reads.
    Comando("tbGravidade", [] { frmGravidade->btnSim->click(); });
    ASSERT_NE(M().PesoProprio(), nullptr);
    EXPECT_EQ(Estado().FPesoProprio, M().PesoProprio());
    EXPECT_EQ(Estado().FPesoProprio->ForcasPesoProprio(3, 2400, 10)[1],
              -3 * 2400 * 10 / 3.0 * 1e-6);
    Comando("tbGravidade", [] { frmGravidade->btnNao->click(); });
    EXPECT_EQ(Estado().FPesoProprio, M().PesoProprio());
    EXPECT_EQ(Estado().FPesoProprio->ForcasPesoProprio(3, 2400, 10)[1], 0.0);
}

TEST_F(EdicaoJanelas, FluenciaEmDiasEKgfPorCm2) {
    Unidades({{"cbxTempo", "DIA"},
              {"cbxForcaTensao", "Kilograma força"},
              {"cbxCompTensao", "CENTÍMETRO"}});
    AbreEMalha();
    Cadeia(
        "tbFluencia",
        [] {
            frmFluencia->rbEEfetivo->click();
            frmFluencia->btnOk->click();
        },
        [] {
            EXPECT_EQ(frmEEfetivo->lbTempo->text(), "[dia]");
            frmEEfetivo->edTempo->setText("5");
            frmEEfetivo->btnOk->click();
        });
    const TFluencia *f = M().FAnaliseTensional->GetDominio().GetFluencia();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Tipo, 0);
    EXPECT_DOUBLE_EQ(f->TempoFluencia, 120.0);
    EXPECT_TRUE(Estado().FluenciaAtiva);

    Cadeia(
        "tbFluencia", [] { frmFluencia->btnOk->click(); },
        [] { frmFuncaoBureauReclamation->btnOk->click(); });
    f = M().FAnaliseTensional->GetDominio().GetFluencia();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Tipo, 1);
    const double kgfcm2 = 0.098; // MPa (the kgf is 9.8 N here)
    EXPECT_NEAR(f->A, 6.1 / kgfcm2, 1e-9);
    EXPECT_NEAR(f->B, 105.2 / kgfcm2, 1e-9);

    // Cancel hands over none: creep is off again.
    Comando("tbFluencia", [] { frmFluencia->btnCancela->click(); });
    EXPECT_EQ(M().FAnaliseTensional->GetDominio().GetFluencia(), nullptr);
    EXPECT_FALSE(Estado().FluenciaAtiva);
    EXPECT_TRUE(roteiro.P.Esgotado());
}

TEST_F(EdicaoJanelas, CamadasEmPesDiasEFahrenheitChegamEmMetrosHorasECelsius) {
    Unidades({{"cbxComprimento", "PÉ"},
              {"cbxTempo", "DIA"},
              {"cbxTemperatura", "FAHRENHEIT"},
              {"cbxForcaTensao", "Kilograma força"},
              {"cbxCompTensao", "CENTÍMETRO"}});
    AbreEMalha();
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
    Comando("toobCriaCamada", [] {
        EXPECT_EQ(frmCamadas->lbElevacao->text(), "[ft]");
        frmCamadas->edElevacao->setText("0");
        frmCamadas->edElevacaoFinal->setText("13.12336");
        frmCamadas->edVelocidadeM->setText("6.56168");
        frmCamadas->edInstante->setText("0");
        frmCamadas->edVelocidadeT->setText("1");
        frmCamadas->edTemperaturaInicial->setText("68");
        frmCamadas->btnAplicar->click();
        frmCamadas->btnOk->click();
    });
    ASSERT_TRUE(M().Camadas());
    TCamadas &c = *M().FCamadas;
    // Rows out of order are refused and leave the layered model as it was.
    Comando("toobCriaCamada", [] {
        frmCamadas->sgdCamadas->item(1, 0)->setText("1");
        frmCamadas->btnOk->click();
        frmCamadas->btnCancela->click();
    });
    ASSERT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_TRUE(roteiro.P.Erros[0].startsWith("Camada 2"));
    EXPECT_EQ(M().FCamadas.get(), &c);
    EXPECT_EQ(frmCamadas->sgdCamadas->item(1, 0)->text(), "13.12336");
    ASSERT_EQ(c.GetNumEtapas(), 2);
    EXPECT_NEAR(c.GetEtapa(1)->InstanteInicial, 0.0, 1e-12);
    EXPECT_NEAR(c.GetEtapa(2)->InstanteInicial, 24.0, 1e-12);
    EXPECT_NEAR(c.GetEtapa(1)->InstanteFinal, 24.0, 1e-12);
    auto &t = static_cast<TAnaliseCamadas &>(*M().FAnalise);
    EXPECT_NEAR(t.GetTemperaturaCamada(1), 20.0, 1e-9);
    EXPECT_NEAR(t.GetTemperaturaCamada(2), 20.0, 1e-9);
    EXPECT_EQ(frmDeformInicial->GetNumCamadas(), 2);

    // Shrinkage of the current layer: fcm28 in kgf/cm².
    Cadeia(
        "ToolButton20", [] { frmGerentedeRetracao->btnOk->click(); },
        [] {
            frmRetracaoCEB->edfc28->setText("200");
            frmRetracaoCEB->btnOk->click();
        });
    const TRetracao *r = M().FAnaliseTensional->GetRetracaoCamada(1);
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r->Fcm28, 200 * 0.098, 1e-9);

    // Initial strains: a Y-only strain is kept.
    Comando("tbDefInicialTab", [] {
        frmDeformInicial->SetCelula(3, 3, "-2e-4");
        frmDeformInicial->btnOk->click();
    });
    auto &a = static_cast<TAnaliseCamadasTensional &>(*M().FAnaliseTensional);
    EXPECT_FALSE(a.GetTemDeformacaoInicial(1));
    EXPECT_TRUE(a.GetTemDeformacaoInicial(2));
    EXPECT_EQ(a.GetDeformacaoInicialY(2), -2e-4);
    EXPECT_EQ(a.GetDeformacaoInicialX(2), 0.0);
}

TEST_F(EdicaoJanelas, NovoDominioPelosVerticesERecusaSemMudarOModelo) {
    AbreEMalha();
    TMalha *antes = M().FMalha;
    Comando(frmMalha->Novo1, [] {
        frmCriaDominio->SetCelula(2, 2, "0");
        frmCriaDominio->SetCelula(2, 3, "0");
        frmCriaDominio->btnOk->click();
        frmCriaDominio->btnCancela->click();
    });
    EXPECT_EQ(M().FMalha, antes);
    Comando(frmMalha->Novo1, [] {
        const double xy[4][2] = {{0, 0}, {3, 0}, {3, 2}, {0, 2}};
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                frmCriaDominio->AdicionaLinha();
            frmCriaDominio->SetCelula(i + 2, 2, QString::number(xy[i][0]));
            frmCriaDominio->SetCelula(i + 2, 3, QString::number(xy[i][1]));
        }
        frmCriaDominio->btnOk->click();
    });
    ASSERT_TRUE(M().TemMalha());
    EXPECT_EQ(M().MalhaDominio()->GetNumVertices(), 4);
    EXPECT_GT(M().FMalha->GetNumElementos(), 0);
    EXPECT_TRUE(M().TemAnalise());
}

TEST_F(EdicaoJanelas, CamadasQueNaoPodemDarEtapasSaoRecusadasEOModeloFica) {
    const QString semSubdominios =
        "Não há subdomínios: desenhe ao menos um subdomínio antes de criar as camadas.";
    const QString abaixo = "A elevação da primeira camada deve ficar acima da base do domínio.";
    const QString negativo = "Camada 1: o instante de criação não pode ser negativo.";
    struct Caso {
        bool subdominio, camadasAntes;
        const char *elevacao, *instante;
        QString mensagem;
    };
    const Caso casos[] = {
        {false, false, "2", "0", semSubdominios}, {true, false, "-1", "0", abaixo},
        {true, false, "0", "0", abaixo},          {true, true, "-1", "0", abaixo},
        {true, false, "2", "-5", negativo},       {true, true, "2", "-5", negativo},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.elevacao) + " " + c.instante + " " + c.mensagem.toStdString());
        AbreEMalha(); // the block, from y = 0 to 4
        if (c.subdominio) {
            ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
        }
        if (c.camadasAntes)
            frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 20.0}});
        ASSERT_EQ(M().Camadas(), c.camadasAntes);
        const TCamadas *camadas = M().FCamadas.get();
        const TAnalise *analise = M().FAnalise.get();
        const TMalha *malha = M().FMalha;
        roteiro.P.Erros.clear();

        Comando("toobCriaCamada", [&c] {
            while (frmCamadas->GetNumCamadas() > 0)
                frmCamadas->btnExcluir->click();
            frmCamadas->edElevacao->setText(c.elevacao);
            frmCamadas->edInstante->setText(c.instante);
            frmCamadas->edTemperaturaInicial->setText("20");
            frmCamadas->btnAdicionar->click();
            frmCamadas->btnOk->click();
            if (frmCamadas->isVisible())
                frmCamadas->btnCancela->click();
        });
        EXPECT_EQ(roteiro.P.Erros, QStringList{c.mensagem});
        EXPECT_EQ(M().Camadas(), c.camadasAntes);
        EXPECT_EQ(M().FCamadas.get(), camadas);
        EXPECT_EQ(M().FAnalise.get(), analise);
        EXPECT_EQ(M().FMalha, malha);
    }
}

TEST_F(EdicaoJanelas, RetracaoSoNaAnaliseEmCamadasENuncaDescartadaEmSilencio) {
    for (const bool camadas : {false, true}) {
        SCOPED_TRACE(camadas ? "camadas" : "domínio");
        AbreEMalha();
        if (camadas) {
            ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
            frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 20.0}});
        }
        EXPECT_EQ(frmMalha->acaoBotao("ToolButton20")->isEnabled(), camadas);
        // Both dialogs filled and confirmed, whichever way they were reached.
        roteiro.P.Erros.clear();
        roteiro.P.Modais.push_back([](QDialog &d) {
            frmGerentedeRetracao->btnOk->click();
            return d.result();
        });
        roteiro.P.Modais.push_back([](QDialog &d) {
            frmRetracaoCEB->btnOk->click();
            return d.result();
        });
        frmMalha->MostraModal(frmGerentedeRetracao);
        EXPECT_TRUE(roteiro.P.Esgotado());
        const TRetracao *r = M().FAnaliseTensional->GetRetracaoCamada(1);
        if (camadas) {
            EXPECT_TRUE(roteiro.P.Erros.isEmpty());
            EXPECT_NE(r, nullptr);
        } else {
            EXPECT_EQ(roteiro.P.Erros,
                      QStringList{"A retração por secagem só se aplica à análise em camadas."});
            EXPECT_EQ(r, nullptr);
        }
    }
}

} // namespace
