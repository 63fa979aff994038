// The input-data report of a single-domain and a layered model entered in other units: values
// come back as typed, each zone and load prints its own data, the stress sections appear once a
// stress receiver installed data, and the file is replaced only by a whole report.
#include "Relatorio.h"
#include "support_modelo.h"
#include "uLibUnidades.h"
#include "uRelatorio.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Linhas(const std::string &texto) {
    std::vector<std::string> r;
    std::istringstream in(texto);
    std::string l;
    while (std::getline(in, l))
        r.push_back(l);
    return r;
}

bool Tem(const std::vector<std::string> &linhas, const std::string &l) {
    return std::find(linhas.begin(), linhas.end(), l) != linhas.end();
}

int Indice(const std::vector<std::string> &linhas, const std::string &l) {
    auto it = std::find(linhas.begin(), linhas.end(), l);
    return it == linhas.end() ? -1 : int(it - linhas.begin());
}

class RelatorioTeste : public ModeloTeste {
protected:
    RelatorioTeste() {
        unidades.SetTemperatura(std::make_unique<TTempFahrenheit>());
        unidades.SetTempo(std::make_unique<TTempoDia>());
        unidades.SetComprimento(std::make_unique<TCompCentimetro>());
        TUnidadesSI si;
        modelo->AtualizaFatoresUnidades(CalculaFatores(unidades, si));
        cabecalho.Titulo = "Bloco";
        cabecalho.Data = "08/12/2026";
        cabecalho.Hora = "10:00";
    }
    std::vector<std::string> Relatorio() {
        return Linhas(TextoRelatorio(*modelo, unidades, cabecalho));
    }
    TUnidades unidades;
    TCabecalhoRelatorio cabecalho;
};

} // namespace

TEST_F(RelatorioTeste, DominioUnicoComoUmaCamada) {
    const std::string arquivo = (std::filesystem::temp_directory_path() / "dom.txt").string();
    {
        std::ofstream f(arquivo);
        f << "[VERTICES]\n4\n1 0 0\n2 4 0\n3 4 2\n4 0 2\n[ARESTAS]\n4\n1 1 2 0\n2 2 3 0\n3 3 4 0\n"
             "4 4 1 0\n";
    }
    CriaRetangulo();
    modelo->AplicaMaterial(*Concreto());
    modelo->AplicaForcaInterna(TForcaInterna(5.0));
    modelo->FNosSelecionados = Lista({1, 2, 3});
    modelo->AplicaCondicoesIniciais(68.0);
    modelo->AplicaPrescricoes(30.0, 0.0, 2.0);
    modelo->FNosSelecionados = Lista({4});
    modelo->AplicaPrescricoes(40.0, 0.0, 2.0);
    modelo->AplicaTempo(TTempo(0, 10, 1, 0.5));

    SetDecimalSeparator('.');
    auto l = Relatorio();
    EXPECT_EQ(l[0], std::string(39, ' ') + "********* Bloco *********");
    EXPECT_EQ(l[4], "Data: 08/12/2026 , 10:00");
    EXPECT_TRUE(Tem(l, "Diretório do Domínio: ")); // typed, not read
    EXPECT_TRUE(Tem(l, "Subdomínios Fixos (Materiais)= Nenhum"));
    EXPECT_TRUE(Tem(l, "Total de Camadas= 1"));
    const std::string T = unidades.GetTemperatura().GetSimbolo();
    const std::string t = unidades.GetTempo().GetSimbolo();
    // Typed in degrees Fahrenheit, kept in Celsius, printed as typed.
    EXPECT_TRUE(Tem(l, " Material 1 (Camada 1) = 68.00" + T));
    // 30, 30, 30, 40: two runs, the first with three nodes and the "Nós" label.
    const int t30 = Indice(l, "  Temperatura= 30.00 " + T);
    ASSERT_GE(t30, 0);
    EXPECT_EQ(l[std::size_t(t30 + 1)], "  Nós= 1 2 3 ");
    EXPECT_EQ(l[std::size_t(t30 + 2)], "  Temperatura= 40.00 " + T);
    EXPECT_EQ(l[std::size_t(t30 + 3)], "4 ");
    EXPECT_TRUE(Tem(l, "  Tempo de permanência: Tinicial= 0 " + t + "; Tfinal= 2 " + t));
    EXPECT_TRUE(Tem(l, " Tempo final: 10 " + t));
    // No stress data: three empty lines, then the processing data.
    const int contorno = Indice(l, "  ======> CONDIÇÕES DE CONTORNO DO PROBLEMA TÉRMICO:");
    const int processamento = Indice(l, "  ======> DADOS DE PROCESSAMENTO:");
    ASSERT_GT(processamento, contorno);
    EXPECT_EQ(l[std::size_t(processamento - 1)], "");
    EXPECT_EQ(l[std::size_t(processamento - 2)], "");
    EXPECT_EQ(l[std::size_t(processamento - 3)], "");
    EXPECT_EQ(Indice(l, "  ======> FLUÊNCIA: "), -1);

    // One stress receiver brings all four stress sections.
    TFluencia f;
    f.Tipo = TFluencia::kModuloEfetivo;
    f.SetCoefFluencia(2.0);
    f.SetTempoFluencia(5.0);
    modelo->AplicaFluencia(&f);
    SetDecimalSeparator(',');
    l = Relatorio();
    for (const char *s :
         {"  ======> CONDIÇÕES INICIAIS DO PROBLEMA TENSIONAL:", "  ======> FLUÊNCIA: ",
          "  ======> RETRAÇÃO: ", "  ======> DEFORMAÇÕES DE APOIO IMPOSTAS (PRESCRITAS): "})
        EXPECT_GE(Indice(l, s), 0) << s;
    EXPECT_TRUE(Tem(l, "  Tempo = 5")); // typed in days, kept in hours, printed in days
    EXPECT_TRUE(Tem(l, "  Temperatura= 30,00 " + T));
    SetDecimalSeparator('.');

    // Opened from a file: its name is the domain's folder line; a new model drops the data.
    modelo->AbreDominio(arquivo);
    modelo->RefazMalha();
    l = Relatorio();
    EXPECT_TRUE(Tem(l, "Diretório do Domínio: " + arquivo));
    EXPECT_EQ(Indice(l, "  ======> FLUÊNCIA: "), -1);
}

TEST_F(RelatorioTeste, FontesECargasDeCadaZonaEEscritaSegura) {
    CriaRetangulo();
    // Two subdomains with their own constant sources; two loads with their own formulas.
    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    modelo->AplicaForcaInterna(TForcaInterna(3.0));
    ASSERT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
    modelo->AplicaForcaInterna(TForcaInterna(7.0));
    modelo->FArestasSelecionadas = Lista({1});
    TForcaExterna a;
    a.SetTipo(TForcaExterna::kFormula);
    a.GetFormula().SetExpressao("20+X");
    modelo->AplicaForcaExterna(a);
    modelo->FArestasSelecionadas = Lista({2});
    TForcaExterna b;
    b.SetTipo(TForcaExterna::kFormula);
    b.GetFormula().SetExpressao("30*X");
    modelo->AplicaForcaExterna(b);
    const auto l = Relatorio();
    const std::string g = unidades.GetEnergia().GetSimbolo() + "/(m³·h)";
    EXPECT_TRUE(Tem(l, "Carga Interna Tipo: Constante= 3 " + g));
    EXPECT_TRUE(Tem(l, "Carga Interna Tipo: Constante= 7 " + g));
    EXPECT_TRUE(Tem(l, "   Usuario ( 20+X )"));
    EXPECT_TRUE(Tem(l, "   Usuario ( 30*X )"));

    // A report that cannot be written leaves the previous file and no temporary.
    const auto pasta = std::filesystem::temp_directory_path() / "rel";
    std::filesystem::create_directories(pasta);
    const auto arquivo = pasta / "r.txt";
    EscreveRelatorio(arquivo.string(), *modelo, unidades, cabecalho);
    std::ifstream in(arquivo);
    std::stringstream antes;
    antes << in.rdbuf();
    EXPECT_EQ(antes.str(), TextoRelatorio(*modelo, unidades, cabecalho));
    EXPECT_THROW(EscreveRelatorio((pasta / "nao" / "r.txt").string(), *modelo, unidades, cabecalho),
                 EInOutError);
    int arquivos = 0;
    for (const auto &e : std::filesystem::directory_iterator(pasta)) {
        (void)e;
        ++arquivos;
    }
    EXPECT_EQ(arquivos, 1);
}

namespace {

class JanelaRelatorio : public JanelasTeste {};

} // namespace

TEST_F(JanelaRelatorio, CriarEscreveOuFechaSemEscrever) {
    AbreEMalha();
    ASSERT_FALSE(frmMalha->Relatrio1->isEnabled());
    Estado().HabilitaRelatorio();
    frmMalha->AtualizaComandos();
    ASSERT_TRUE(frmMalha->Relatrio1->isEnabled());

    const QString arquivo = QString::fromStdString(pasta.Arquivo("Bloco.txt"));
    roteiro.P.Arquivos.push_back(arquivo);
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &r = static_cast<TfrmRelatorio &>(d);
        EXPECT_FALSE(r.edData->text().isEmpty());
        EXPECT_EQ(r.edResponsavel->text(), "XXXX");
        r.edTitulo->setText("Bloco");
        r.btnOk->click();
        EXPECT_TRUE(r.isVisible()); // the window stays open after writing
        if (const char *png = std::getenv("DARV_PNG_DIR"))
            r.grab().save(QString::fromLocal8Bit(png) + "/relatorio.png");
        r.reject();
        return r.result();
    });
    frmMalha->Relatrio1->trigger();
    std::ifstream in(arquivo.toStdString());
    std::string primeira;
    ASSERT_TRUE(std::getline(in, primeira));
    EXPECT_EQ(primeira, std::string(39, ' ') + "********* Bloco *********");
    EXPECT_TRUE(roteiro.P.Erros.isEmpty());

    // Cancelling the file name closes the window unwritten.
    std::filesystem::remove(arquivo.toStdString());
    roteiro.P.Modais.push_back([](QDialog &d) {
        auto &r = static_cast<TfrmRelatorio &>(d);
        r.btnOk->click();
        EXPECT_EQ(r.result(), QDialog::Rejected);
        return r.result();
    });
    frmMalha->Relatrio1->trigger();
    EXPECT_FALSE(std::filesystem::exists(arquivo.toStdString()));
}

TEST_F(RelatorioTeste, ModeloEmCamadas) {
    CriaRetangulo();
    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
    modelo->GetSubDominio(1)->SetFixo(false);
    modelo->GetSubDominio(2)->SetFixo(false);
    // Placement temperatures 77 and 71.6 °F (25 and 22 °C); the second layer at day 2.
    ASSERT_TRUE(modelo->CriaCamadas({{1.0, 0.0, 25.0}, {2.0, 48.0, 22.0}}));
    modelo->FMaterialAtual = 2;
    modelo->AplicaForcaInterna(TForcaInterna(4.0));
    TRetracao r(TRetracao::kBazant);
    modelo->AplicaRetracao(&r);
    const auto l = Relatorio();
    const std::string T = unidades.GetTemperatura().GetSimbolo();
    EXPECT_TRUE(Tem(l, "Total de Camadas= 2"));
    EXPECT_TRUE(Tem(l, "Total de Subdomínios (Materiais)= 2"));
    EXPECT_TRUE(Tem(l, "Subdomínios Fixos (Materiais)= Nenhum"));
    EXPECT_TRUE(Tem(l, " Material 2 (Camada 1) = 77.00" + T));
    EXPECT_TRUE(Tem(l, " Material 2 (Camada 2) = 71.60" + T));
    EXPECT_TRUE(Tem(l, " * Camada 1"));
    EXPECT_TRUE(Tem(l, " * Camada 2"));
    // Shrinkage was installed for layer 2: the stress sections are there, with its law.
    const int retracao = Indice(l, "  ======> RETRAÇÃO: ");
    ASSERT_GE(retracao, 0);
    EXPECT_EQ(l[std::size_t(retracao + 2)], "Material 1:");
    EXPECT_EQ(l[std::size_t(retracao + 3)], " Não foi considerado a retração.");
    EXPECT_EQ(l[std::size_t(retracao + 5)], " Bazant");
    EXPECT_TRUE(Tem(l, "Camada 2:Em X= 0; Em Y= 0"));
}
