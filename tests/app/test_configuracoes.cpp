// The mesh settings and result-file settings windows as the user works them.
#include "support_janelas.h"

#include "KitCombos.h"
#include "uConfiguracaoMalha.h"
#include "uConfiguracoes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

class ConfiguracaoMalha : public ::testing::Test {
protected:
    ConfiguracaoMalha() {
        ReiniciaEstado();
        d = std::make_unique<TfrmConfiguracaoMalha>();
        d->SetOnConfirmar([this](const TAjustesMalha &a, const TConfiguracaoDesenho &) {
            ++confirmacoes;
            c = a;
        });
        d->SetEmVigor([this] { return c; });
    }
    ~ConfiguracaoMalha() override {
        d.reset();
        ReiniciaEstado();
        SetDecimalSeparator('.');
    }
    TPerguntadorLigado roteiro;
    std::unique_ptr<TfrmConfiguracaoMalha> d;
    TAjustesMalha c; // in force: the last fired
    int confirmacoes = 0;
};

TEST_F(ConfiguracaoMalha, StartsFromTheDefaultsAndConfirmsInTheLocalesForm) {
    EXPECT_EQ(d->windowTitle(), "Configuração - Malha");
    EXPECT_EQ(d->seNx->minimum(), 2);
    EXPECT_EQ(d->seNy->minimum(), 1);
    EXPECT_EQ(d->seNx->maximum(), 1000);
    EXPECT_TRUE(d->rbLinear->isChecked());
    EXPECT_TRUE(d->cbxDmax->isChecked());
    EXPECT_EQ(d->edDmax->text(), "0.25");
    c.PorDmax = false;
    d->Dispara(); // what it shows is in force before any Ok
    EXPECT_TRUE(c.PorDmax);
    EXPECT_DOUBLE_EQ(c.Dmax, 0.25);
    EXPECT_EQ(d->Desenho().LayerElementos.Pincel.Color, clSilver);
    EXPECT_EQ(d->Desenho().LayerElementos.Caneta.Color, clGray);
    EXPECT_EQ(d->Desenho().LayerElementos.Fonte.Color, clRed);
    EXPECT_EQ(d->Desenho().LayerNos.Pincel.Color, clAqua);
    EXPECT_EQ(d->Desenho().LayerArestas.Caneta.Color, clYellow);
    EXPECT_EQ(d->Desenho().CorFundo, clWhite);

    SetDecimalSeparator(',');
    d->edDmax->setText("0,5");
    d->seNx->setValue(8);
    d->kcbxCorNos->SetColorValue(clRed);
    d->btnOk->click();
    EXPECT_EQ(confirmacoes, 2);
    EXPECT_DOUBLE_EQ(c.Dmax, 0.5);
    EXPECT_TRUE(c.PorDmax);
    EXPECT_EQ(c.Nx, 8);
    EXPECT_EQ(d->Desenho().LayerNos.Caneta.Color, clRed);

    // Cleared check box: the generator divides every interval into Nx parts.
    d->cbxDmax->setChecked(false);
    d->btnOk->click();
    EXPECT_FALSE(c.PorDmax);
}

TEST_F(ConfiguracaoMalha, RefusedOkChangesNothing) {
    d->seNx->setValue(9);
    d->edDmax->setText("0");
    d->btnOk->click();
    EXPECT_EQ(roteiro.P.Erros, QStringList({"Erro : Configuração da malha inválida."}));
    d->edDmax->setText("-1");
    d->btnOk->click();
    d->edDmax->setText("abc");
    d->btnOk->click(); // the conversion error, through the slot guard
    ASSERT_EQ(roteiro.P.Erros.size(), 3);
    EXPECT_EQ(roteiro.P.Erros[2], "'abc' não é um número real válido");
    EXPECT_EQ(confirmacoes, 0);

    // Zero is fine when the maximum size is not used.
    d->cbxDmax->setChecked(false);
    d->edDmax->setText("0");
    d->btnOk->click();
    EXPECT_EQ(confirmacoes, 1);
    EXPECT_EQ(c.Nx, 9);
}

TEST_F(ConfiguracaoMalha, GradingChoiceShowsOrHidesTheMaximumSizeAndFollowsTheFileReader) {
    d->show();
    d->rbExponencial->click();
    EXPECT_FALSE(d->pDmax->isVisible());
    d->rbLinear->click();
    EXPECT_TRUE(d->pDmax->isVisible());

    // The mesh file reader's values are shown.
    d->Mostra({12, 7, true, true, 1.5});
    EXPECT_EQ(d->seNx->value(), 12);
    EXPECT_EQ(d->seNy->value(), 7);
    EXPECT_TRUE(d->rbExponencial->isChecked());
    EXPECT_FALSE(d->pDmax->isVisible());
    EXPECT_EQ(d->edDmax->text(), "1.5");
    d->Mostra({3, 7, false, true, 1.5});
    EXPECT_TRUE(d->rbLinear->isChecked());
    EXPECT_TRUE(d->pDmax->isVisible());
    d->hide();
}

// Every change waits for Ok; Cancel (or Esc) shows the settings in force again.
TEST_F(ConfiguracaoMalha, ChangesTakeEffectAtOkAndCancelShowsWhatIsInForce) {
    const struct {
        std::function<void()> muda;
        std::function<bool()> mostraOEmVigor;
    } casos[] = {
        {[&] { d->rbExponencial->click(); },
         [&] { return d->rbLinear->isChecked() && d->pDmax->isVisibleTo(d.get()); }},
        {[&] { d->seNx->setValue(7); }, [&] { return d->seNx->value() == 2; }},
        {[&] { d->seNy->setValue(5); }, [&] { return d->seNy->value() == 2; }},
        {[&] { d->cbxDmax->setChecked(false); }, [&] { return d->cbxDmax->isChecked(); }},
        {[&] { d->edDmax->setText("3"); }, [&] { return d->edDmax->text() == "0.25"; }},
        {[&] { d->kcbxCorNos->SetColorValue(clRed); },
         [&] { return d->kcbxCorNos->ColorValue() == clAqua; }},
    };
    for (const bool esc : {false, true})
        for (std::size_t i = 0; i < std::size(casos); ++i) {
            d->show();
            casos[i].muda();
            if (esc)
                QTest::keyClick(d.get(), Qt::Key_Escape);
            else
                d->btnCancela->click();
            EXPECT_FALSE(d->isVisible());
            EXPECT_TRUE(casos[i].mostraOEmVigor()) << i << (esc ? " Esc" : " Cancela");
        }
    EXPECT_EQ(confirmacoes, 0);
    // A later Ok applies only what it shows.
    d->btnOk->click();
    EXPECT_FALSE(c.Exponencial);
    EXPECT_EQ(c.Nx, 2);
    EXPECT_TRUE(c.PorDmax);
    EXPECT_DOUBLE_EQ(c.Dmax, 0.25);
    EXPECT_EQ(d->Desenho().LayerNos.Pincel.Color, clAqua);
    EXPECT_EQ(confirmacoes, 1);
}

class Configuracoes : public ::testing::Test {
protected:
    Configuracoes() {
        ReiniciaEstado();
        d = std::make_unique<TfrmConfiguracoes>();
        d->SetOnConfirmar([this](const TArquivosResultado &a) {
            c = a;
            ++confirmacoes;
        });
    }
    ~Configuracoes() override {
        d.reset();
        ReiniciaEstado();
    }
    void Nomes(const char *t, const char *de, const char *s) {
        d->edNomeTemp->setText(t);
        d->edNomeDeform->setText(de);
        d->edNomeTensao->setText(s);
    }
    TPastaTeste pasta;
    TPerguntadorLigado roteiro;
    std::unique_ptr<TfrmConfiguracoes> d;
    TArquivosResultado c; // in force: the last fired
    int confirmacoes = 0;
};

TEST_F(Configuracoes, DefaultsAndAConfirmedSet) {
    EXPECT_EQ(d->windowTitle(), "Configurações do Programa");
    EXPECT_EQ(d->edNomeTemp->text(), "PassoTemp");
    EXPECT_EQ(d->edNomeDeform->text(), "PassoDeform");
    EXPECT_EQ(d->edNomeTensao->text(), "PassoTensao");
    EXPECT_EQ(d->edTerminacaoTensao->text(), ".res");
    EXPECT_TRUE(d->edEnderecoTemp->text().startsWith(QString::fromStdString(pasta.Pasta.string())));
    // What the window shows is in force before any Ok.
    d->Dispara();
    EXPECT_EQ(c.NomeTemp, "PassoTemp");
    EXPECT_EQ(c.EnderecoTensao, d->edEnderecoTensao->text().toStdString());

    // Case counts: A, B and a differ. Equal folders with different stems are fine.
    Nomes("A", "B", "a");
    d->btnOk->click();
    EXPECT_TRUE(roteiro.P.Erros.isEmpty());
    EXPECT_EQ(confirmacoes, 2);
    EXPECT_EQ(c.NomeTemp, "A");
    EXPECT_EQ(c.NomeTensao, "a");
    EXPECT_EQ(c.EnderecoTemp, d->edEnderecoTemp->text().toStdString());
}

TEST_F(Configuracoes, EqualStemsAreRefusedAndTheConfirmedNamesStay) {
    Nomes("T", "D", "S");
    d->btnOk->click();
    ASSERT_EQ(confirmacoes, 1);

    // Equal stems in different folders are still refused; the fields keep the last good set.
    Nomes("X", "X", "S");
    d->edEnderecoDeform->setText("/outra/pasta/");
    d->btnOk->click();
    EXPECT_EQ(roteiro.P.Erros, QStringList({"O nome dos arquivos não podem ser iguais."}));
    EXPECT_EQ(confirmacoes, 1);
    EXPECT_EQ(c.NomeTemp, "T");
}

TEST_F(Configuracoes, StemsDifferingOnlyByTrailingDigitsShareFilesInOneFolder) {
    Nomes("Passo1", "Passo", "Tensao");
    d->btnOk->click();
    EXPECT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_EQ(confirmacoes, 0);
    // In another folder or with another extension they cannot meet.
    d->edEnderecoDeform->setText(QString::fromStdString((pasta.Pasta / "deform").string()));
    d->btnOk->click();
    EXPECT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_EQ(c.NomeTemp, "Passo1");
    // A folder typed without its final separator still names that folder.
    EXPECT_EQ(c.EnderecoDeform, (pasta.Pasta / "deform").string() + "/");

    EXPECT_TRUE(NomesConflitam("/a/", "P12", ".res", "/a", "P", ".res"));
    EXPECT_FALSE(NomesConflitam("/a/", "P12", ".res", "/a/", "P", ".txt"));
    EXPECT_FALSE(NomesConflitam("/a/", "P1x", ".res", "/a/", "P", ".res"));
    EXPECT_EQ(ComSeparadorFinal("c:\\temp\\"), "c:\\temp\\");
}

// A step file may not take the name of a stage file of the layered model in the default folder
// ("MalhaEtapa" + 1 + ".res" is stage 1's mesh); elsewhere, or with another extension, it may.
TEST_F(Configuracoes, StemsThatWouldNameStageFilesInTheDefaultFolderAreRefused) {
    const std::string padrao = pasta.Pasta.string(), outra = (pasta.Pasta / "outra").string();
    const struct {
        const char *nome, *terminacao;
        std::string pasta;
        bool recusado;
    } casos[] = {
        {"MalhaEtapa", ".res", padrao, true},
        {"ElementosEtapa", ".res", padrao + "/", true},
        {"ElementosEtapaDeform", ".res", padrao, true},
        {"ElementosEtapa1", ".res", padrao, true}, // its step 2 is stage 12's element file
        {"MalhaEtapa", ".txt", padrao, false},
        {"MalhaEtapa", ".res", outra, false},
        {"MalhaEtapa0", ".res", padrao, false}, // no stage number starts with 0
    };
    const struct {
        QLineEdit *endereco, *nome, *terminacao;
    } tipos[] = {{d->edEnderecoTemp, d->edNomeTemp, d->edTerminacaoTemp},
                 {d->edEnderecoDeform, d->edNomeDeform, d->edTerminacaoDeform},
                 {d->edEnderecoTensao, d->edNomeTensao, d->edTerminacaoTensao}};
    for (const auto &t : tipos)
        for (const auto &c : casos) {
            roteiro.P.Erros.clear();
            Nomes("T", "D", "S");
            for (const auto &u : tipos) {
                u.endereco->setText(QString::fromStdString(padrao));
                u.terminacao->setText(".res");
            }
            t.endereco->setText(QString::fromStdString(c.pasta));
            t.nome->setText(c.nome);
            t.terminacao->setText(c.terminacao);
            const int antes = confirmacoes;
            d->btnOk->click();
            EXPECT_EQ(confirmacoes, antes + (c.recusado ? 0 : 1))
                << t.nome->objectName().toStdString() << " " << c.nome << c.terminacao;
            EXPECT_EQ(roteiro.P.Erros.size(), c.recusado ? 1 : 0) << c.nome << c.terminacao;
        }
}

TEST_F(Configuracoes, ClickingAnExtensionWarnsAndCancelRestoresTheNamesInForce) {
    d->Dispara();
    d->show();
    QTest::mouseClick(d->edTerminacaoTemp, Qt::LeftButton);
    EXPECT_EQ(roteiro.P.Informacoes,
              QStringList({"Aconselha-se não modificar a extensão do arquivo de saída."}));
    d->edNomeTemp->setText("Outro");
    d->edEnderecoDeform->setText("/outra/");
    d->btnCancela->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(confirmacoes, 1);
    EXPECT_EQ(d->edNomeTemp->text(), "PassoTemp");
    EXPECT_EQ(d->edEnderecoDeform->text().toStdString(), c.EnderecoDeform);
}

TEST_F(Configuracoes, NamesThatMeetOrLeaveTheirFolderAreRefusedAndAMissingFolderIsMade) {
    namespace fs = std::filesystem;
    const std::string raiz = pasta.Pasta.string() + "/";
    std::ofstream(pasta.Pasta / "arquivo.txt") << "x";
    const struct {
        std::string pasta, nomeT, terminacaoT, nomeD, terminacaoD;
        QString erro; // empty: accepted
    } casos[] = {
        {raiz, "P", "1.res", "P1", ".res", "O nome dos arquivos não podem ser iguais."},
        {raiz, "P", ".res", "P2", "3.res", "O nome dos arquivos não podem ser iguais."},
        {raiz, "P", "X5.res", "P1X", ".res", "O nome dos arquivos não podem ser iguais."},
        {raiz + "a/../", "P12", ".res", "P", ".res", "O nome dos arquivos não podem ser iguais."},
        {raiz, "../", "res", "D", ".res",
         "O nome e a terminação dos arquivos não podem conter \"/\"."},
        {raiz, "T", "/../x.res", "D", ".res",
         "O nome e a terminação dos arquivos não podem conter \"/\"."},
        {"", "T", ".res", "D", ".res", "Informe a pasta dos arquivos de resultados."},
        {"res/", "T", ".res", "D", ".res",
         "A pasta dos arquivos de resultados deve ser um caminho completo, começando por \"/\"."},
        {raiz + "arquivo.txt/", "T", ".res", "D", ".res",
         QString::fromStdString(raiz + "arquivo.txt não é uma pasta.")},
        {raiz, "P", "X.res", "P1", ".res", ""},
        {raiz + "nova/sub/", "T", ".res", "D", ".res", ""},
    };
    for (const auto &c : casos) {
        roteiro.P.Erros.clear();
        const int antes = confirmacoes;
        for (QLineEdit *e : {d->edEnderecoTemp, d->edEnderecoDeform, d->edEnderecoTensao})
            e->setText(QString::fromStdString(c.pasta));
        d->edNomeTemp->setText(QString::fromStdString(c.nomeT));
        d->edTerminacaoTemp->setText(QString::fromStdString(c.terminacaoT));
        d->edNomeDeform->setText(QString::fromStdString(c.nomeD));
        d->edTerminacaoDeform->setText(QString::fromStdString(c.terminacaoD));
        d->edNomeTensao->setText("S");
        d->btnOk->click();
        EXPECT_EQ(roteiro.P.Erros.value(0), c.erro) << c.pasta << c.nomeT << c.terminacaoT;
        EXPECT_EQ(confirmacoes == antes + 1, c.erro.isEmpty()) << c.nomeT;
    }
    // The folders made are the user's alone.
    for (const char *p : {"nova", "nova/sub"})
        EXPECT_EQ(fs::status(pasta.Pasta / p).permissions() & fs::perms::all, fs::perms::owner_all)
            << p;
}

} // namespace

#include <QDir>
#include <QPixmap>

TEST(RenderConfiguracoes, BothSettingsWindowsFitASmallScreen) {
    ReiniciaEstado();
    TPastaTeste pasta;
    TfrmConfiguracaoMalha malha;
    TfrmConfiguracoes arquivos;
    for (QDialog *d : {static_cast<QDialog *>(&malha), static_cast<QDialog *>(&arquivos)}) {
        d->show();
        d->adjustSize();
        const QPixmap p = d->grab();
        d->hide();
        EXPECT_LE(p.width(), 1024);
        EXPECT_LE(p.height(), 740);
        if (const char *dir = std::getenv("DARV_PNG_DIR"))
            p.save(QDir(QString::fromLocal8Bit(dir)).filePath(d->objectName() + ".png"));
    }
    ReiniciaEstado();
}
