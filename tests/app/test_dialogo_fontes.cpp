// Heat-source, formula and discrete-function dialogs, offscreen.
#include "DialogosTeste.h"
#include "fem/Material.h"
#include "uForcaExterna.h"
#include "uForcaInterna.h"
#include "uFuncaoDiscreta.h"
#include "uUsuario.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QRadioButton>

#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

class DialogoFontes : public ::testing::Test {
protected:
    void Cria(char separador) {
        sep = std::make_unique<TSeparador>(separador);
        dlg = std::make_unique<TfrmForcaInterna>();
        usu = std::make_unique<TfrmUsuario>();
        fd = std::make_unique<TfrmFuncaoDiscreta>();
        frmForcaInterna = dlg.get();
        frmUsuario = usu.get();
        frmFuncaoDiscreta = fd.get();
        dlg->SetOnConfirmar([this](const TForcaInterna &f) {
            ++disparos;
            copia = TForcaInterna::CreateCopia(f);
        });
    }
    void TearDown() override {
        frmForcaInterna = nullptr;
        frmUsuario = nullptr;
        frmFuncaoDiscreta = nullptr;
    }
    void Par(QDialog &d, const char *x, const char *y) {
        Digita(d, "edX", x);
        Digita(d, "edY", y);
        Clica(d, "btnAdicionar");
    }
    std::vector<std::pair<double, double>> Pares() const {
        std::vector<std::pair<double, double>> r;
        const TFuncaoDiscreta &f = fd->GetFuncao();
        for (int i = 1; i <= f.GetNumPontos(); ++i)
            r.emplace_back(f.GetX(i), f.GetY(i));
        return r;
    }
    std::string Arquivo(const std::string &conteudo) {
        const auto p =
            std::filesystem::temp_directory_path() /
            ("tabela_" + std::to_string(getpid()) + "_" + std::to_string(++arquivos) + ".txt");
        std::ofstream(p, std::ios::binary) << conteudo;
        criados.push_back(p);
        return p.string();
    }
    ~DialogoFontes() override {
        for (const auto &p : criados)
            std::filesystem::remove(p);
    }

    TPerguntadorLigado g;
    std::unique_ptr<TSeparador> sep;
    std::unique_ptr<TfrmForcaInterna> dlg;
    std::unique_ptr<TfrmUsuario> usu;
    std::unique_ptr<TfrmFuncaoDiscreta> fd;
    int disparos = 0;
    std::unique_ptr<TForcaInterna> copia;
    int arquivos = 0;
    std::vector<std::filesystem::path> criados;
};

} // namespace

TEST_F(DialogoFontes, PadraoELeiDeCincoParametrosNasDuasConvencoes) {
    for (char s : {',', '.'}) {
        SCOPED_TRACE(s);
        Cria(s);
        Abre(g.P, *dlg, [](QDialog &d) {
            EXPECT_TRUE(Filho<QRadioButton>(d, "rbDefinida")->isChecked());
            EXPECT_FALSE(Filho<QLineEdit>(d, "edCargaInternaConstante")->isEnabled());
        });
        ASSERT_EQ(disparos, 1);
        EXPECT_EQ(copia->GetTipo(), TForcaInterna::kModelo);
        EXPECT_DOUBLE_EQ(copia->Getb(), 4);
        EXPECT_DOUBLE_EQ(copia->Getn(), 0.45);
        EXPECT_DOUBLE_EQ(copia->GetE(), 85);
        EXPECT_DOUBLE_EQ(copia->GetC(), 250);
        EXPECT_DOUBLE_EQ(copia->GetTr(), 0);
        disparos = 0;
    }
}

TEST_F(DialogoFontes, ConstanteComSimboloDeEnergia) {
    Cria(',');
    Abre(g.P, *dlg, [](QDialog &d) {
        EXPECT_EQ(Filho<QLabel>(d, "lbConstante")->text(), "[W * h]/(m³·h)");
        Clica(d, "rbConstante");
        EXPECT_TRUE(Filho<QLineEdit>(d, "edCargaInternaConstante")->isEnabled());
        Digita(d, "edCargaInternaConstante", "1,5");
    });
    EXPECT_EQ(copia->GetTipo(), TForcaInterna::kConstante);
    EXPECT_DOUBLE_EQ(copia->GetValor(), 1.5);
    // A malformed number fires nothing and leaves no source.
    Abre(g.P, *dlg, [&](QDialog &d) {
        Clica(d, "rbConstante");
        Digita(d, "edCargaInternaConstante", "1.5");
        Clica(d, "btnOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(dlg->GetForca(), nullptr);
        Clica(d, "btnCancelar");
    });
    EXPECT_EQ(disparos, 1);
}

TEST_F(DialogoFontes, FormulaPeloDialogoDoUsuario) {
    Cria('.');
    Roteiro(g.P, [](QDialog &d) { Clica(d, "rbUsuario"); });
    Roteiro(g.P, [](QDialog &d) {
        EXPECT_EQ(Texto(d, "edExpressao"), "20+345*LOG(480*X+1)");
        Digita(d, "edExpressao", "2*X+1");
    });
    Perguntador().ExecutaModal(*dlg);
    ASSERT_EQ(disparos, 1);
    EXPECT_EQ(copia->GetTipo(), TForcaInterna::kFormula);
    EXPECT_EQ(copia->GetFormula()->GetExpressao(), "2*X+1");
    TMaterial m(2, 2, 2400, 1000, 20, 0.1, 0.1, false, 1e-5, 0.2, 9.8, 0, false, 20, false, 1, 1,
                true, 0, true);
    EXPECT_DOUBLE_EQ(copia->Valor(nullptr, m, 3), 7);
    EXPECT_TRUE(g.P.Esgotado());
}

TEST_F(DialogoFontes, UsuarioTestaOkEAjuda) {
    Cria('.');
    QString recebido;
    usu->SetOnConfirmar([&](const TfrmUsuario &u) { recebido = u.GetExpressao(); });
    Abre(g.P, *usu, [&](QDialog &d) {
        // A failed test keeps the previous formula and draws nothing.
        Digita(d, "edExpressao", "2*(X");
        Clica(d, "btnTestar");
        ASSERT_EQ(g.P.Erros.size(), 1);
        EXPECT_EQ(g.P.Erros[0], "Erro nos dados");
        EXPECT_EQ(usu->GetExpressao(), "X");
        Digita(d, "edExpressao", "X*X");
        Clica(d, "btnTestar");
        auto series = Filho<QChartView>(d, "chTeste")->chart()->series();
        ASSERT_EQ(series.size(), 1);
        auto *s = static_cast<QLineSeries *>(series[0]);
        ASSERT_EQ(s->count(), 100);
        EXPECT_DOUBLE_EQ(s->at(0).x(), -1.43545645555);
        EXPECT_NEAR(s->at(99).x(), 1.43545645555 - 2 * 1.43545645555 / 100, 1e-12);
        EXPECT_NEAR(s->at(0).y(), 1.43545645555 * 1.43545645555, 1e-9);
        Clica(d, "btnAjuda");
        ASSERT_EQ(g.P.Informacoes.size(), 1);
        EXPECT_TRUE(g.P.Informacoes[0].startsWith("-> POTENCIAÇÃO: ^\n-> MULTIPLICAÇÃO:  * \n"));
        // OK hands over the text as it stands; a malformed one keeps the dialog open.
        Digita(d, "edExpressao", "Y+1");
        Clica(d, "btnOk");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(recebido, "");
        Digita(d, "edExpressao", "3+X");
    });
    EXPECT_EQ(recebido, "3+X");
    EXPECT_EQ(usu->GetExpressao(), "3+X");
}

TEST_F(DialogoFontes, TabelaAdiabaticaSoComDoisPares) {
    Cria('.');
    Roteiro(g.P, [](QDialog &d) { Clica(d, "rbForcaDiscreta"); });
    Roteiro(g.P, [&](QDialog &d) {
        Par(d, "0", "0");
        Par(d, "24", "30");
    });
    Perguntador().ExecutaModal(*dlg);
    ASSERT_EQ(disparos, 1);
    EXPECT_EQ(copia->GetTipo(), TForcaInterna::kFuncao);
    ASSERT_NE(copia->GetFuncao(), nullptr);
    EXPECT_EQ(copia->GetFuncao()->GetNumPontos(), 2);

    // One pair: the source keeps its kind (the law selected at show).
    Roteiro(g.P, [](QDialog &d) {
        Clica(d, "rbForcaDiscreta");
        EXPECT_TRUE(Filho<QRadioButton>(d, "rbDefinida")->isChecked());
        EXPECT_TRUE(Filho<QWidget>(d, "gbxForcasInternasUsuarios")->isEnabled());
    });
    Roteiro(g.P, [&](QDialog &d) { Par(d, "1", "1"); });
    Perguntador().ExecutaModal(*dlg);
    EXPECT_EQ(copia->GetTipo(), TForcaInterna::kModelo);
    EXPECT_TRUE(g.P.Esgotado());
}

TEST_F(DialogoFontes, TabelaOrdenadaSemXRepetido) {
    Cria(',');
    Abre(g.P, *fd, [&](QDialog &d) {
        Par(d, "5", "1");
        Par(d, "1", "2");
        Par(d, "3", "3");
        Par(d, "1", "9");
        ASSERT_EQ(g.P.Informacoes.size(), 1);
        EXPECT_EQ(g.P.Informacoes[0], "Já Existe o Par Ordenado");
        EXPECT_EQ(Pares(), (std::vector<std::pair<double, double>>{{1, 2}, {3, 3}, {5, 1}}));
        // Browsing wraps both ways.
        Clica(d, "btnAnterior");
        EXPECT_EQ(fd->GetIndice(), 3);
        Clica(d, "btnProximo");
        EXPECT_EQ(fd->GetIndice(), 1);
        EXPECT_EQ(Texto(d, "edX"), "1");
        Clica(d, "btnProximo");
        EXPECT_EQ(Texto(d, "edY"), "3");
        // "Excluir" hands back the last pair.
        Clica(d, "btnExcluir");
        EXPECT_EQ(Texto(d, "edX"), "5");
        EXPECT_EQ(Texto(d, "edY"), "1");
        EXPECT_EQ(fd->GetNumPares(), 2);
        Clica(d, "btnExcluir");
        Clica(d, "btnExcluir");
        Clica(d, "btnExcluir");
        EXPECT_EQ(fd->GetNumPares(), 0);
        EXPECT_EQ(Texto(d, "edX"), "1");
        Par(d, "2,5", "0,5");
    });
    EXPECT_EQ(fd->GetNumPares(), 1);
    // Reopened: empty; cancelled: discarded.
    Abre(
        g.P, *fd,
        [&](QDialog &d) {
            EXPECT_EQ(fd->GetNumPares(), 0);
            Par(d, "1", "1");
            Par(d, "2", "2");
        },
        "btnCancelar");
    EXPECT_EQ(fd->GetNumPares(), 0);
}

TEST_F(DialogoFontes, ImportacaoOrdenaPulaRepetidosERecusaLinhaRuim) {
    Cria(',');
    g.P.Arquivos.push_back(QString::fromStdString(Arquivo("10 4.5\r\n0 0\r\n\r\n5 2.25\n10 7\n")));
    g.P.Arquivos.push_back(QString::fromStdString(Arquivo("1 1\n2 2\n3,5 1\n4 4\n")));
    g.P.Arquivos.push_back(QString::fromStdString(Arquivo("1 1\n")));
    Abre(g.P, *fd, [&](QDialog &d) {
        Clica(d, "btnImportar");
        EXPECT_EQ(Pares(), (std::vector<std::pair<double, double>>{{0, 0}, {5, 2.25}, {10, 4.5}}));
        // A bad line names itself; the table stays as it was.
        Clica(d, "btnImportar");
        ASSERT_EQ(g.P.Erros.size(), 1);
        EXPECT_EQ(g.P.Erros[0], "Erro ao abrir arquivo - linha 3");
        EXPECT_EQ(fd->GetNumPares(), 3);
        Clica(d, "btnImportar");
        EXPECT_EQ(fd->GetNumPares(), 1);
        // No file chosen: nothing happens.
        Clica(d, "btnImportar");
        EXPECT_EQ(fd->GetNumPares(), 1);
    });
    EXPECT_TRUE(g.P.Esgotado());
}

// A formula typed straight into the heat-source or convection edit is checked at OK as the
// formula dialog checks it: a name that is no number keeps the dialog open and fires nothing.
TEST_F(DialogoFontes, FormulaDigitadaEVerificadaNoOk) {
    Cria('.');
    TfrmForcaExterna conveccao;
    int disparosConveccao = 0;
    conveccao.SetOnConfirmar([&](const TForcaExterna &) { ++disparosConveccao; });
    const struct {
        const char *formula;
        QString erro; // empty: accepted
    } casos[] = {{"20+T", "'20+T' não é um número real válido"},
                 {"2,5*X", "'2,5' não é um número real válido"},
                 {"7+", "'7+' não é uma fórmula válida"},
                 {"20+345*LOG(480*X+1)", ""}};
    for (const auto &c : casos)
        for (QDialog *d : {static_cast<QDialog *>(dlg.get()), static_cast<QDialog *>(&conveccao)}) {
            g.P.Erros.clear();
            const int antes = disparos + disparosConveccao;
            Roteiro(
                g.P,
                [&](QDialog &j) {
                    Clica(j, "rbUsuario");
                    Digita(j, "edExpressao", c.formula);
                    Clica(j, "btnOk");
                    EXPECT_EQ(j.isVisible(), !c.erro.isEmpty()) << c.formula;
                },
                "btnCancelar");
            Roteiro(g.P, nullptr, "btnCancelar"); // the formula dialog opened by the choice
            Perguntador().ExecutaModal(*d);
            EXPECT_EQ(g.P.Erros.value(0), c.erro) << c.formula;
            EXPECT_EQ(disparos + disparosConveccao - antes, c.erro.isEmpty() ? 1 : 0) << c.formula;
        }
    EXPECT_TRUE(g.P.Esgotado());
}
