// Convection, time, solver, initial-temperature and prescription dialogs, offscreen.
#include "DialogosTeste.h"
#include "uCondicoesIniciais.h"
#include "uForcaExterna.h"
#include "uGradienteConjugados.h"
#include "uPrescricoes.h"
#include "uTempo.h"
#include "uUsuario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include <memory>
#include <tuple>

TEST(DialogoConveccao, PadraoCicloDiarioFormulaECura) {
    for (char s : {',', '.'}) {
        SCOPED_TRACE(s);
        TSeparador sep(s);
        TPerguntadorLigado g;
        TfrmForcaExterna dlg;
        TfrmUsuario usu;
        frmUsuario = &usu;
        int disparos = 0;
        std::unique_ptr<TForcaExterna> c;
        dlg.SetOnConfirmar([&](const TForcaExterna &f) {
            ++disparos;
            c = TForcaExterna::CreateCopia(f);
        });
        Abre(g.P, dlg, [](QDialog &d) {
            EXPECT_FALSE(Filho<QLineEdit>(d, "edConvecCura")->isEnabled());
            EXPECT_FALSE(Filho<QWidget>(d, "edTMax")->isEnabled());
        });
        ASSERT_EQ(disparos, 1);
        EXPECT_EQ(c->GetTipo(), TForcaExterna::kConstante);
        EXPECT_DOUBLE_EQ(c->GetCoefConveccao(), 10);
        EXPECT_DOUBLE_EQ(c->GetTemperaturaAmbiente(), 20);
        EXPECT_FALSE(c->GetUsaJanela());
        EXPECT_DOUBLE_EQ(
            c->GetEmissividadeFonte() + c->GetEmissividadeSuperficie() + c->GetFatorForma(), 0);

        Abre(g.P, dlg, [](QDialog &d) {
            Clica(d, "rbDefinida");
            EXPECT_TRUE(Filho<QWidget>(d, "edTMax")->isEnabled());
            EXPECT_FALSE(Filho<QWidget>(d, "edTAmbiente")->isEnabled());
            Clica(d, "ckbCura");
            EXPECT_TRUE(Filho<QLineEdit>(d, "edConvecCura")->isEnabled());
        });
        EXPECT_EQ(c->GetTipo(), TForcaExterna::kSenoidal);
        EXPECT_DOUBLE_EQ(c->GetTemperaturaMaxima(), 38);
        EXPECT_DOUBLE_EQ(c->GetHoraTMax(), 12);
        EXPECT_DOUBLE_EQ(c->GetTemperaturaMinima(), 22);
        EXPECT_DOUBLE_EQ(c->GetHoraTMin(), 0);
        EXPECT_TRUE(c->GetUsaJanela());
        EXPECT_DOUBLE_EQ(c->GetCoefConveccaoJanela(), 50);
        EXPECT_DOUBLE_EQ(c->GetFimJanela(), 72);
        EXPECT_DOUBLE_EQ(c->TemperaturaAmbienteEm(12), 38);

        // Formula: from the formula dialog, then typed straight into the edit.
        Roteiro(g.P, [](QDialog &d) {
            EXPECT_FALSE(Filho<QCheckBox>(d, "ckbCura")->isChecked());
            Clica(d, "rbUsuario");
        });
        Roteiro(g.P, [](QDialog &d) { Digita(d, "edExpressao", "25+X"); });
        Perguntador().ExecutaModal(dlg);
        EXPECT_EQ(c->GetTipo(), TForcaExterna::kFormula);
        EXPECT_DOUBLE_EQ(c->TemperaturaAmbienteEm(2), 27);
        Abre(g.P, dlg, [](QDialog &d) {
            Filho<QRadioButton>(d, "rbUsuario")->setChecked(true);
            Digita(d, "edExpressao", "30");
        });
        EXPECT_DOUBLE_EQ(c->TemperaturaAmbienteEm(2), 30);
        // A malformed coefficient fires nothing.
        Abre(g.P, dlg, [&](QDialog &d) {
            Digita(d, "edConveccao", "1x");
            Clica(d, "btnOk");
            EXPECT_TRUE(d.isVisible());
            Clica(d, "btnCancelar");
        });
        EXPECT_EQ(disparos, 4);
        EXPECT_EQ(Texto(dlg, "edConveccao"), "10");
        EXPECT_TRUE(g.P.Esgotado());
        frmUsuario = nullptr;
    }
}

TEST(DialogoTempo, PadraoQuadraticoEDoisReceptores) {
    for (char s : {',', '.'}) {
        SCOPED_TRACE(s);
        TSeparador sep(s);
        TPerguntadorLigado g;
        TfrmTempo dlg;
        std::vector<const TTempo *> recebidos;
        std::unique_ptr<TTempo> termica, tensional;
        dlg.SetOnConfirmar([&](const TTempo &t) {
            recebidos.push_back(&t);
            termica = TTempo::CreateCopia(t);
        });
        dlg.SetOnConfirmarTensional([&](const TTempo &t) {
            recebidos.push_back(&t);
            tensional = TTempo::CreateCopia(t);
        });
        Abre(g.P, dlg, nullptr);
        ASSERT_EQ(recebidos.size(), 2u);
        EXPECT_EQ(recebidos[0], recebidos[1]);
        EXPECT_EQ(termica->GetNumPassos(), 240);
        EXPECT_DOUBLE_EQ(termica->GetTempoFinal(), 1440);
        EXPECT_DOUBLE_EQ(termica->GetTheta(), 0.6667);
        EXPECT_TRUE(termica->GetPassoUniforme());
        EXPECT_EQ(tensional->GetNumPassos(), 240);

        Abre(g.P, dlg, [&](QDialog &d) {
            Clica(d, "rbQuadratico");
            auto *teta = Filho<QComboBox>(d, "cbxTeta");
            teta->setCurrentIndex(2);
            EXPECT_EQ(teta->currentText(), s == ',' ? "0,5000" : "0.5000");
            Digita(d, "edTf", s == ',' ? "100,5" : "100.5");
            Digita(d, "edDt", s == ',' ? "0,5" : "0.5");
        });
        EXPECT_FALSE(termica->GetPassoUniforme());
        EXPECT_DOUBLE_EQ(termica->GetTheta(), 0.5);
        EXPECT_EQ(termica->GetNumPassos(), 201);
        // Reopened: the axis written back in the user's notation.
        Abre(
            g.P, dlg,
            [&](QDialog &d) {
                EXPECT_EQ(Texto(d, "edTf"), s == ',' ? "100,5" : "100.5");
                EXPECT_EQ(Texto(d, "edDt"), s == ',' ? "0,5" : "0.5");
                EXPECT_EQ(Filho<QComboBox>(d, "cbxTeta")->currentIndex(), 2);
                EXPECT_TRUE(Filho<QRadioButton>(d, "rbQuadratico")->isChecked());
            },
            "btnCancelar");
        EXPECT_EQ(recebidos.size(), 4u);
    }
}

TEST(DialogoTempo, RecusasLevamOFocoAoCampo) {
    TSeparador sep('.');
    TPerguntadorLigado g;
    TfrmTempo dlg;
    int disparos = 0;
    dlg.SetOnConfirmar([&](const TTempo &) { ++disparos; });
    for (auto [campo, texto, foco] :
         {std::tuple{"edDt", "0", "edDt"}, std::tuple{"edDt", "-6", "edDt"},
          std::tuple{"edTf", "0", "edTf"}, std::tuple{"edTi", "abc", "edTi"},
          std::tuple{"edDt", "5000", "edDt"}, std::tuple{"edTf", "1,5", "edTf"}}) {
        SCOPED_TRACE(campo + std::string(" ") + texto);
        Abre(
            g.P, dlg,
            [&](QDialog &d) {
                Digita(d, campo, texto);
                Clica(d, "btnOk");
                EXPECT_TRUE(d.isVisible());
                EXPECT_EQ(d.focusWidget(), Filho<QWidget>(d, foco));
            },
            "btnCancelar");
    }
    EXPECT_EQ(disparos, 0);
    EXPECT_EQ(dlg.GetTempo(), nullptr);
    EXPECT_TRUE(g.P.Erros.empty());
}

TEST(DialogoGradiente, PadraoGaussEPrecisaoRuim) {
    TSeparador sep(',');
    TPerguntadorLigado g;
    TfrmGradienteConjugados dlg;
    int iter = 0;
    double tol = 0;
    bool usa = false;
    int disparos = 0;
    dlg.SetOnConfirmar([&](const TGradiente &gr, bool u) {
        ++disparos;
        iter = gr.GetMaxIteracoes();
        tol = gr.GetTolerancia();
        usa = u;
    });
    Abre(g.P, dlg, nullptr);
    EXPECT_EQ(iter, 100);
    EXPECT_DOUBLE_EQ(tol, 0.001);
    EXPECT_TRUE(usa);
    Abre(g.P, dlg, [](QDialog &d) {
        Clica(d, "chkGauss");
        Filho<QSpinBox>(d, "seIteMax")->setValue(500);
        Digita(d, "edPrecisao", "1E-6");
    });
    EXPECT_FALSE(usa);
    EXPECT_EQ(iter, 500);
    EXPECT_DOUBLE_EQ(tol, 1e-6);
    Abre(
        g.P, dlg,
        [](QDialog &d) {
            Digita(d, "edPrecisao", "0.001");
            Clica(d, "btnOk");
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), Filho<QWidget>(d, "edPrecisao"));
        },
        "btnCancelar");
    EXPECT_EQ(disparos, 2);
    EXPECT_DOUBLE_EQ(dlg.GetGradiente().GetTolerancia(), 1e-6);
    EXPECT_FALSE(dlg.GetUsaGradiente());
}

TEST(DialogoCondicoesIniciais, ContaNosDisparaERecusaEmSilencio) {
    TSeparador sep(',');
    TPerguntadorLigado g;
    TfrmCondicoesIniciais dlg;
    int nos = 0;
    std::vector<double> recebidas;
    dlg.SetContaNos([&] { return nos; });
    dlg.SetOnConfirmar([&](double t) { recebidas.push_back(t); });
    Abre(g.P, dlg, [](QDialog &d) {
        EXPECT_EQ(static_cast<TfrmCondicoesIniciais &>(d).GetStatus(2), "0 nós capturados");
    });
    nos = 3;
    Abre(g.P, dlg, [](QDialog &d) {
        EXPECT_EQ(static_cast<TfrmCondicoesIniciais &>(d).GetStatus(2), "3 nós capturados");
        Digita(d, "edTemperatura", "20.5");
        Clica(d, "btnOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), Filho<QWidget>(d, "edTemperatura"));
        Digita(d, "edTemperatura", "20,5");
    });
    EXPECT_EQ(recebidas, (std::vector<double>{20, 20.5}));
    EXPECT_DOUBLE_EQ(TemperaturaInicial, 20.5);
    EXPECT_TRUE(g.P.Erros.empty());
}

TEST(DialogoPrescricoes, CasosDeTempo) {
    TSeparador sep(',');
    TPerguntadorLigado g;
    TfrmPrescricoes dlg;
    std::vector<std::tuple<double, double, double>> recebidas;
    dlg.SetOnConfirmar([&](double t, double ti, double tf) { recebidas.emplace_back(t, ti, tf); });
    auto abre = [&](const char *ti, const char *tf) {
        Abre(g.P, dlg, [&](QDialog &d) {
            Digita(d, "edTempoInicial", ti);
            Digita(d, "edTempoFinal", tf);
        });
        EXPECT_FALSE(dlg.isVisible());
    };
    abre("-1", "10");
    ASSERT_EQ(g.P.Informacoes.size(), 1);
    EXPECT_EQ(g.P.Informacoes.back(), "Não existe tempo NEGATIVO.");
    abre("100", "50");
    ASSERT_EQ(g.P.Informacoes.size(), 2);
    EXPECT_EQ(g.P.Informacoes.back(), "O tempo inicial não pode ser maior que o tempo final.");
    EXPECT_TRUE(recebidas.empty());
    // Reopened, the times are in order; OK then fires them.
    Abre(g.P, dlg, [](QDialog &d) {
        EXPECT_EQ(Texto(d, "edTempoInicial"), "50");
        EXPECT_EQ(Texto(d, "edTempoFinal"), "100");
    });
    abre("7", "7");
    abre("-10", "-5");
    ASSERT_EQ(recebidas.size(), 3u);
    EXPECT_EQ(recebidas[0], std::make_tuple(24.0, 50.0, 100.0));
    EXPECT_EQ(recebidas[1], std::make_tuple(24.0, 7.0, 7.0));
    EXPECT_EQ(recebidas[2], std::make_tuple(24.0, -10.0, -5.0));
    // A malformed temperature: focus, no message, still open.
    Abre(
        g.P, dlg,
        [](QDialog &d) {
            Digita(d, "edTodoDominio", "24.0");
            Clica(d, "btnOk");
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), Filho<QWidget>(d, "edTodoDominio"));
        },
        "btnCancelar");
    EXPECT_EQ(recebidas.size(), 3u);
    EXPECT_TRUE(g.P.Erros.empty());
    EXPECT_EQ(g.P.Informacoes.size(), 2);
}

TEST(DialogosPadrao, AceitamOsPadroesNasDuasConvencoes) {
    for (char s : {',', '.'}) {
        SCOPED_TRACE(s);
        TSeparador sep(s);
        TPerguntadorLigado g;
        int disparos = 0;
        TfrmGradienteConjugados gradiente;
        gradiente.SetOnConfirmar([&](const TGradiente &, bool) { ++disparos; });
        TfrmCondicoesIniciais iniciais;
        iniciais.SetOnConfirmar([&](double t) { disparos += t == 20; });
        TfrmPrescricoes prescricoes;
        prescricoes.SetOnConfirmar(
            [&](double t, double, double tf) { disparos += t == 24 && tf == 2400; });
        TfrmUsuario usuario;
        usuario.SetOnConfirmar([&](const TfrmUsuario &) { ++disparos; });
        for (QDialog *d :
             std::initializer_list<QDialog *>{&gradiente, &iniciais, &prescricoes, &usuario})
            EXPECT_EQ(Abre(g.P, *d, nullptr), QDialog::Accepted) << d->windowTitle().toStdString();
        EXPECT_EQ(disparos, 4);
        EXPECT_TRUE(g.P.Erros.empty());
    }
}
