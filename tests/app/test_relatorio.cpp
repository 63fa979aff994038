// The input-data report of a single-domain and a layered model entered in °F, days, kJ, cm and
// kN, compared line by line with the expected texts in dados/ under both decimal separators;
// the file is replaced only by a whole report; the window writes it or closes unwritten.
#include "GeometriaGid.h"
#include "Relatorio.h"
#include "support_modelo.h"
#include "uLibUnidades.h"
#include "uRelatorio.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Linhas(const std::string &texto) {
    std::vector<std::string> r;
    std::istringstream in(texto);
    std::string l;
    while (std::getline(in, l))
        r.push_back(l);
    return r;
}

const fs::path kDados = fs::path(DARV_SOURCE_DIR) / "tests/app/dados";

// The expected report dados/<nome>: "@DOMINIO@" stands for the domain file's name; under a
// decimal comma every point between two digits is a comma; without stress data the stress
// sections (from their first heading up to the processing data) are not there.
std::vector<std::string> Esperado(const std::string &nome, const std::string &dominio,
                                  char separador, bool tensional) {
    std::ifstream in(kDados / nome, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    std::vector<std::string> l = Linhas(s.str());
    EXPECT_GT(l.size(), 100u) << nome;
    const std::regex ponto(R"((\d)\.(\d))");
    for (std::string &x : l) {
        if (const auto i = x.find("@DOMINIO@"); i != std::string::npos)
            x.replace(i, 9, dominio);
        else if (separador == ',')
            x = std::regex_replace(x, ponto, "$1,$2");
    }
    if (!tensional) {
        const auto i =
            std::find(l.begin(), l.end(), "  ======> CONDIÇÕES INICIAIS DO PROBLEMA TENSIONAL:");
        const auto j = std::find(l.begin(), l.end(), "  ======> DADOS DE PROCESSAMENTO:");
        EXPECT_TRUE(i < j && j != l.end());
        l.erase(i, j);
    }
    return l;
}

class RelatorioTeste : public ModeloTeste {
protected:
    // °F, days, kJ, cm and kN as chosen in the units dialog: the main units and those inside
    // the compound units the report prints (the expansion coefficient's page apart).
    RelatorioTeste() {
        unidades.SetTemperatura(std::make_unique<TTempFahrenheit>());
        unidades.SetTempo(std::make_unique<TTempoDia>());
        unidades.SetEnergia(std::make_unique<TEnergiaKiloJoule>());
        unidades.SetComprimento(std::make_unique<TCompCentimetro>());
        unidades.SetForca(std::make_unique<TForcaKiloNewton>());
        unidades.GetCalorEspecifico().SetTemperatura(std::make_unique<TTempFahrenheit>());
        for (TCondutividade *k : {static_cast<TCondutividade *>(&unidades.GetCondutividade()),
                                  static_cast<TCondutividade *>(&unidades.GetConveccao())}) {
            k->SetPotencia(std::make_unique<TEnergiaKiloJoule>());
            k->SetTemperatura(std::make_unique<TTempFahrenheit>());
        }
        for (TTensao *t : {static_cast<TTensao *>(&unidades.GetModulo()), &unidades.GetTensao()}) {
            t->SetForca(std::make_unique<TForcaKiloNewton>());
            t->SetComprimento(std::make_unique<TCompCentimetro>());
        }
        // The expansion coefficient per kelvin, its own page's unit, not the main °F.
        unidades.GetDilatacao().SetTemperatura(std::make_unique<TTempKelvin>());
        modelo->AtualizaFatoresUnidades(CalculaFatores(unidades, TUnidadesSI()));
        cabecalho.Titulo = "Bloco";
        cabecalho.Data = "08/12/2026";
        cabecalho.Hora = "10:00";
    }
    ~RelatorioTeste() override { Estado().FPesoProprio = nullptr; }

    // The report under both separators against dados/<nome>.
    void Compara(const std::string &nome, const std::string &dominio, bool tensional) {
        for (char separador : {'.', ','}) {
            SetDecimalSeparator(separador);
            const auto obtido = Linhas(TextoRelatorio(*modelo, unidades, cabecalho));
            const auto esperado = Esperado(nome, dominio, separador, tensional);
            SetDecimalSeparator('.');
            int erros = 0;
            for (std::size_t i = 0; i < std::max(obtido.size(), esperado.size()) && erros < 5;
                 ++i) {
                const std::string a = i < obtido.size() ? obtido[i] : "<fim>";
                const std::string e = i < esperado.size() ? esperado[i] : "<fim>";
                EXPECT_EQ(a, e) << nome << ':' << i + 1 << " '" << separador << "' "
                                << (tensional ? "com" : "sem") << " tensões";
                erros += a != e;
            }
        }
    }

    // Material as the materials dialog hands it: conductivity, specific heat, E, expansion
    // (per 10^-6 degree), fcj28; constant E unless `tipoE` says 1 (from strength) or 2 (of time).
    static std::unique_ptr<TMaterial> Material(double k, double c, double e, double alfa,
                                               double fcj, int tipoE, bool maturidade, bool epd) {
        auto m = std::make_unique<TMaterial>(
            k, k, 2400.0, c, e, 0.08609, 0.04225, tipoE == 0, alfa * 1e-6, 0.2, 9.81,
            TMaterial::kModeloByfors, maturidade, fcj, tipoE == 1, 1.408, 0.1931, false, 0.0, epd);
        m->SetEConstanteValor(e);
        return m;
    }

    void AplicaFormula(const char *texto, double h) {
        TForcaExterna f;
        f.SetTipo(TForcaExterna::kFormula);
        f.GetFormula().SetExpressao(texto);
        f.SetCoefConveccao(h);
        modelo->AplicaForcaExterna(f);
    }

    // Two subdomains with their own material and constant source; two loads with their own
    // formulas and a constant one under curing; 68 °F initially; 30, 30 and 40 °F prescribed
    // for days 0 to 2; 10 days in half days; the conjugate-gradient solver.
    void DadosDominioUnico() {
        ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
        modelo->AplicaMaterial(*Material(5.0, 0.238846, 3000.0, 7.0, 2.5, 0, false, true));
        modelo->AplicaForcaInterna(TForcaInterna(3.0));
        ASSERT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
        modelo->AplicaMaterial(*Material(4.25, 215.4, 2800.0, 6.5, 3.0, 1, true, false));
        modelo->AplicaForcaInterna(TForcaInterna(7.5));
        modelo->FArestasSelecionadas = Lista({1});
        AplicaFormula("20+X", 1.5);
        modelo->FArestasSelecionadas = Lista({2, 3});
        AplicaFormula("30*X", 2.25);
        TForcaExterna c;
        c.SetTipo(TForcaExterna::kConstante);
        c.SetTemperaturaAmbiente(77.0);
        c.SetCoefConveccao(3.0);
        c.SetUsaJanela(true);
        c.SetCoefConveccaoJanela(0.5);
        c.SetInicioJanela(1.0);
        c.SetFimJanela(3.0);
        modelo->FArestasSelecionadas = Lista({4});
        modelo->AplicaForcaExterna(c);
        TVetorInteiro todos;
        for (int i = 1; i <= modelo->FMalha->GetNumNos(); ++i)
            todos.Adiciona(i);
        modelo->FNosSelecionados = todos;
        modelo->AplicaCondicoesIniciais(68.0);
        modelo->FNosSelecionados = Lista({1, 2});
        modelo->AplicaPrescricoes(30.0, 0.0, 2.0);
        modelo->FNosSelecionados = Lista({3});
        modelo->AplicaPrescricoes(40.0, 0.0, 2.0);
        modelo->AplicaTempo(TTempo(0, 10, 0.5, 0.5));
        modelo->AplicaSolver(TGradiente(500, 1e-6), true);
    }

    TUnidades unidades;
    TCabecalhoRelatorio cabecalho;
};

} // namespace

// Typed, then converted from a GiD dump and opened: the same report but for the domain's file.
TEST_F(RelatorioTeste, DominioUnicoDigitadoEConvertidoDoGid) {
    CriaRetangulo();
    DadosDominioUnico();
    Compara("relatorio_dominio_unico.txt", "", false);
    // One stress receiver brings all four stress sections.
    TFluencia f;
    f.Tipo = TFluencia::kModuloEfetivo;
    f.SetCoefFluencia(2.0);
    f.SetTempoFluencia(5.0);
    modelo->AplicaFluencia(&f);
    Compara("relatorio_dominio_unico.txt", "", true);

    const std::string dominio = pasta.Arquivo("retangulo.txt");
    GravaDominioGid(LeGeometriaGidArquivo((kDados / "retangulo_gid.txt").string()), dominio);
    modelo->AbreDominio(dominio);
    ASSERT_TRUE(modelo->RefazMalha());
    DadosDominioUnico();
    Compara("relatorio_dominio_unico.txt", dominio, false); // a new model has no stress data
    modelo->AplicaFluencia(&f);
    Compara("relatorio_dominio_unico.txt", dominio, true);

    // A support restraining node 1 in Y and node 5 displaced by -0.25 cm in X and 0.5 cm in Y:
    // their nodes beside their values.
    modelo->FNosSelecionados = Lista({1});
    modelo->AplicaVinculos(false, true, true, 0.0, 0.0);
    modelo->FNosSelecionados = Lista({5});
    modelo->AplicaVinculos(true, false, false, 0.5, -0.25);
    const auto l = Linhas(TextoRelatorio(*modelo, unidades, cabecalho));
    const auto i =
        std::find(l.begin(), l.end(), "  ======> DEFORMAÇÕES DE APOIO IMPOSTAS (PRESCRITAS): ");
    ASSERT_GE(std::distance(i, l.end()), 5);
    EXPECT_EQ(
        std::vector<std::string>(i + 2, i + 5),
        (std::vector<std::string>{" * Camada 1:", "  Nós: 1 5 5 ", "  Deformações: 0 -0.25 0.5 "}));
}

// Fixed and layered zones side by side, each with its own material and source, each stage with
// its own loads; prescriptions on the second stage only; then the stress data of every kind.
TEST_F(RelatorioTeste, ModeloEmCamadas) {
    TConfiguracaoMalha &cm = Estado().ConfiguracaoMalha;
    cm.PorDmax = true;
    cm.Dmax = ComprimentoParaMetros(modelo->Fatores(), 50.0);
    // 8 x 2 m, four 2 m wide subdomains side by side; the first and third stay fixed.
    const std::vector<TNo> v = {{1, 0, 0}, {2, 2, 0}, {3, 4, 0}, {4, 6, 0}, {5, 8, 0},
                                {6, 8, 2}, {7, 6, 2}, {8, 4, 2}, {9, 2, 2}, {10, 0, 2}};
    modelo->CriaDominio(v);
    const std::vector<std::vector<int>> subs = {
        {1, 2, 9, 10}, {2, 3, 8, 9}, {3, 4, 7, 8}, {4, 5, 6, 7}};
    for (int i = 1; i <= 4; ++i) {
        ASSERT_EQ(modelo->AdicionaSubDominio(subs[std::size_t(i - 1)]), i);
        modelo->GetSubDominio(i)->SetFixo(i % 2 == 1);
    }
    const TFatoresUnidades &u = modelo->Fatores();
    auto camada = [&](double cota, double dia, double f) {
        return TLinhaCamada{ComprimentoParaMetros(u, cota), TempoParaHoras(u, dia),
                            TemperaturaParaCelsius(u, f)};
    };
    ASSERT_TRUE(modelo->CriaCamadas({camada(100, 0, 77), camada(200, 2, 71.6)}));
    ASSERT_EQ(modelo->FCamadas->GetNumZonas(), 4);
    for (int i = 1; i <= 4; ++i) {
        modelo->FMaterialAtual = i;
        modelo->AplicaMaterial(
            *Material(5.0 - i, 230.0 + i, 3000.0 + i, 7.0 + i, 2.5, (i - 1) % 3, i == 2, i != 2));
    }
    // A source of every kind: constant, five-parameter law, formula and imported table.
    modelo->FMaterialAtual = 1;
    modelo->AplicaForcaInterna(TForcaInterna(3.0));
    modelo->FMaterialAtual = 2;
    modelo->AplicaForcaInterna(*TForcaInterna::CreateModelo(1.2, 0.8, 90, 350, 20));
    modelo->FMaterialAtual = 3;
    modelo->AplicaForcaInterna(*TForcaInterna::CreateFormula("100-3*X"));
    TFuncaoDiscreta tabela;
    tabela.AdicionaPonto(0, 0);
    tabela.AdicionaPonto(24, 30);
    tabela.Origem = "adiabatica.txt";
    modelo->FMaterialAtual = 4;
    modelo->AplicaForcaInterna(*TForcaInterna::CreateFuncao(tabela));
    modelo->FMaterialAtual = 3;
    modelo->AplicaCondicoesIniciais(68.0);
    modelo->FMaterialAtual = 1;
    modelo->AplicaCondicoesIniciais(59.0);
    modelo->FEtapaAtual = 2;
    modelo->FNosSelecionados = Lista({4, 5});
    modelo->AplicaPrescricoes(50.0, 2.0, 5.0);
    modelo->FEtapaAtual = 1;
    modelo->FArestasSelecionadas = Lista({1});
    AplicaFormula("20+5*X", 1.5);
    modelo->FEtapaAtual = 2;
    modelo->FArestasSelecionadas = Lista({2, 3});
    TForcaExterna s;
    s.SetTipo(TForcaExterna::kSenoidal);
    s.SetHoraTMax(0.625);
    s.SetTemperaturaMaxima(86.0);
    s.SetHoraTMin(0.25);
    s.SetTemperaturaMinima(50.0);
    s.SetCoefConveccao(2.0);
    modelo->AplicaForcaExterna(s);
    TTempo t(0, 20, 1, 2.0 / 3.0);
    t.SetPassoUniforme(false);
    modelo->AplicaTempo(t);
    Compara("relatorio_camadas.txt", "", false);

    modelo->AplicaDeformacaoInicial({{true, 12.5, -3.25}, {false, 0.0, 0.0}});
    TFluencia b;
    b.Tipo = TFluencia::kBureauReclamation;
    b.A = 0.5;
    b.B = 0.125;
    modelo->FMaterialAtual = 2;
    modelo->AplicaFluencia(&b);
    TRetracao ceb(TRetracao::kCEB);
    ceb.SetBetaSC(8);
    ceb.SetFcm28(3.0);
    ceb.SetUmidadeInicial(95);
    ceb.SetUmidadeAmbiente(60);
    modelo->FMaterialAtual = 1;
    modelo->AplicaRetracao(&ceb);
    TFluencia aci;
    aci.Tipo = TFluencia::kACI209;
    aci.CuraUmida = 1;
    aci.Umidade = 70;
    aci.Abatimento = 75;
    aci.Finos = 50;
    aci.Ar = 6;
    modelo->FMaterialAtual = 4;
    modelo->AplicaFluencia(&aci);
    TRetracao bazant(TRetracao::kBazant);
    bazant.SetFcm28(3.5);
    modelo->FMaterialAtual = 2;
    modelo->AplicaRetracao(&bazant);
    modelo->FEtapaAtual = 1;
    modelo->FNosSelecionados = Lista({1, 2});
    modelo->AplicaVinculos(false, true, true, 0.5, 0.0); // in Y
    modelo->FNosSelecionados = Lista({3});
    modelo->AplicaVinculos(false, false, false, 0.25, -0.1); // in X and Y
    Compara("relatorio_camadas.txt", "", true);
}

// Saving a mesh, a converted GiD domain or a report clears, in the target's folder, the
// temporary files that killed writers left there; other files stay.
TEST_F(RelatorioTeste, SavingAFileClearsTheTemporaryFilesOfDeadWritersBesideIt) {
    CriaRetangulo();
    const TGeometriaGid gid = LeGeometriaGidArquivo((kDados / "retangulo_gid.txt").string());
    const struct {
        const char *nome;
        std::function<void(const std::string &)> salva;
    } casos[] = {
        {"malha", [&](const std::string &a) { ASSERT_TRUE(modelo->SalvaMalha(a)); }},
        {"gid", [&](const std::string &a) { GravaDominioGid(gid, a); }},
        {"relatorio",
         [&](const std::string &a) { EscreveRelatorio(a, *modelo, unidades, cabecalho); }},
    };
    for (const auto &c : casos) {
        const fs::path dir = pasta.Arquivo(c.nome);
        fs::create_directories(dir);
        std::ofstream(dir / "outro.txt") << "x";
        // A writer killed while saving: its temporary file stays.
        const pid_t morto = ::fork();
        if (morto == 0) {
            TArquivoSeguro w(dir / "salvo.txt");
            w.Escreve("parcial");
            ::_exit(0);
        }
        int st = 0;
        ::waitpid(morto, &st, 0);
        ASSERT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2)
            << c.nome;
        c.salva((dir / "salvo.txt").string());
        std::vector<std::string> ficam;
        for (const auto &e : fs::directory_iterator(dir))
            ficam.push_back(e.path().filename().string());
        std::sort(ficam.begin(), ficam.end());
        EXPECT_EQ(ficam, (std::vector<std::string>{"outro.txt", "salvo.txt"})) << c.nome;
    }
}

// A report that cannot be written, from the start or part way, leaves the previous file and no
// temporary.
TEST_F(RelatorioTeste, EscritaSegura) {
    CriaRetangulo();
    const fs::path dir = pasta.Arquivo("rel");
    fs::create_directories(dir);
    const fs::path arquivo = dir / "r.txt";
    auto le = [&] {
        std::ifstream in(arquivo, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    cabecalho.Titulo = "Anterior";
    EscreveRelatorio(arquivo.string(), *modelo, unidades, cabecalho);
    const std::string antes = le();
    EXPECT_EQ(antes, TextoRelatorio(*modelo, unidades, cabecalho));
    cabecalho.Titulo = "Bloco";
    EXPECT_THROW(EscreveRelatorio((dir / "nao" / "r.txt").string(), *modelo, unidades, cabecalho),
                 EInOutError);
    // Files may not grow past 256 bytes: the write fails part way.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    rlimit baixo = limite;
    baixo.rlim_cur = 256;
    setrlimit(RLIMIT_FSIZE, &baixo);
    EXPECT_THROW(EscreveRelatorio(arquivo.string(), *modelo, unidades, cabecalho), EInOutError);
    setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_EQ(le(), antes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
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

// The logarithmic creep law typed with days or hours chosen: B over the loading age follows the
// time unit, so the same law typed in either gives the same modulus, and the report prints
// what was typed.
TEST_F(RelatorioTeste, FluenciaBureauEmDiasOuHoras) {
    struct Caso {
        std::function<std::unique_ptr<TTempoSegundo>()> tempo;
        double b;
        const char *linha;
    };
    const Caso casos[] = {
        {[] { return std::make_unique<TTempoDia>(); }, 105.2, "  a= 6.1 ; b= 105.2"},
        {[] { return std::make_unique<TTempoHora>(); }, 105.2 * 24, "  a= 6.1 ; b= 2524.8"}};
    std::vector<double> modulos;
    for (const Caso &c : casos) {
        unidades.SetTempo(c.tempo());
        modelo->AtualizaFatoresUnidades(CalculaFatores(unidades, TUnidadesSI()));
        CriaRetangulo();
        TFluencia typed;
        typed.Tipo = TFluencia::kBureauReclamation;
        typed.A = 6.1;
        typed.B = c.b;
        modelo->AplicaFluencia(&typed);
        TFluencia *lei = modelo->FAnaliseTensional->GetDominio().GetFluencia();
        ASSERT_NE(lei, nullptr);
        auto concreto = Concreto();
        lei->AplicaAoMaterial(*concreto, 10.0); // 10 days after loading at 0
        modulos.push_back(concreto->GetE());
        const auto linhas = Linhas(TextoRelatorio(*modelo, unidades, cabecalho));
        EXPECT_NE(std::find(linhas.begin(), linhas.end(), c.linha), linhas.end()) << c.linha;
    }
    EXPECT_NEAR(modulos[1], modulos[0], 1e-12 * modulos[0]);
}
