// The runs through the main window's commands, offscreen and scripted: maxima messages in both
// locales, the commands' states through runs, new analyses and model changes, the step files
// under the configured names and equal on a second run, a failing run that leaves nothing
// behind, commands and closing refused while a run lets events through, the stage meshes and
// the layered runs, the memory tool freed by the run.
#include "support_janelas.h"

#include "Execucao.h"
#include "VisaoMalha.h"
#include "uInformacoesSistema.h"
#include "uMensagemFEM.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Conteudo(const std::string &arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TVetorInteiro Todos(int n) {
    TVetorInteiro v;
    for (int k = 1; k <= n; ++k)
        v.Adiciona(k);
    return v;
}

// Titles of the progress windows shown, in order.
class TTitulosProgresso : public QObject {
public:
    TTitulosProgresso() { qApp->installEventFilter(this); }
    ~TTitulosProgresso() override { qApp->removeEventFilter(this); }
    QStringList Titulos;

protected:
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Show)
            if (auto *w = qobject_cast<TfrmMensagemFEM *>(o))
                Titulos << w->windowTitle();
        return false;
    }
};

class Execucao : public JanelasTeste {
protected:
    void SetUp() override {
        JanelasTeste::SetUp();
        // The report command with a target, as its window will give it.
        frmMalha->DefineComando(
            frmMalha->Relatrio1, [] {}, TRequisito::Relatorio);
    }

    // The state of Rodar1, Rodar2, "Nova Análise Térmica", "Nova Análise Tensional",
    // "Relatório", as a string of 0 and 1.
    std::string Menus() const {
        std::string s;
        for (QAction *a : {frmMalha->Rodar1, frmMalha->Rodar2, frmMalha->NovaAnliseTrmica1,
                           frmMalha->NovaAnliseTensional1, frmMalha->Relatrio1})
            s += a->isEnabled() ? '1' : '0';
        return s;
    }

    // The example block meshed, with its thermal and stress data given through the receivers:
    // hydration source, convection on every edge, 20 degrees at the start, two steps of 12 h,
    // direct solver, every node held (unless told not to hold them).
    void DadosBloco(double fonte = 800.0, bool apoios = true) {
        AbreEMalha();
        TModelo &m = M();
        const int n = m.FMalha->GetNumNos();
        Material();
        m.AplicaForcaInterna(TForcaInterna(fonte));
        TForcaExterna conv;
        conv.SetTipo(TForcaExterna::kConstante);
        conv.SetTemperaturaAmbiente(20.0);
        conv.SetCoefConveccao(10.0);
        m.FArestasSelecionadas = Todos(4);
        m.AplicaForcaExterna(conv);
        m.FNosSelecionados = Todos(n);
        m.AplicaCondicoesIniciais(20.0);
        m.AplicaTempo(TTempo(0.0, 24.0, 12.0, 2.0 / 3.0));
        m.AplicaTempoTensional(TTempo(0.0, 24.0, 12.0, 2.0 / 3.0));
        m.AplicaSolver(TGauss(), false);
        if (apoios)
            m.AplicaVinculos(false, false, false, 0.0, 0.0);
    }

    // A concrete for the domain, the current subdomain or the current layer.
    void Material() {
        M().AplicaMaterial(TMaterial(2.0, 2.0, 2400.0, 1000.0, 30.0, 0.08609, 0.04225, true, 1e-5,
                                     0.2, 9.81, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                     0.1931, false, 0.0, true));
    }

    // Result files under names of our own.
    void ConfiguraArquivos(const fs::path &pasta) {
        TConfiguracoes &c = Estado().Configuracoes;
        c.EnderecoTemp = c.EnderecoDeform = c.EnderecoTensao = (pasta / "").string();
        c.NomeTemp = "T";
        c.NomeDeform = "D";
        c.NomeTensao = "S";
        c.TerminacaoTemp = c.TerminacaoDeform = c.TerminacaoTensao = ".txt";
        c.FAplicado = true;
    }

    void RodaTermica() {
        roteiro.P.Respostas.push_back(true);
        frmMalha->Rodar1->trigger();
    }
    void RodaTensional() {
        roteiro.P.Respostas.push_back(true);
        frmMalha->Rodar2->trigger();
    }

    // A block placed in two layers, its stage meshes generated and a thermal run ended on them.
    void CamadasComTermica() {
        AbreEMalha();
        TModelo &m = M();
        ASSERT_EQ(m.AdicionaSubDominio({1, 2, 3, 4}), 1);
        m.GetSubDominio(1)->Fixo = false; // placed layer by layer
        frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
        ASSERT_TRUE(m.Camadas());
        Material();
        m.AplicaTempo(TTempo(0.0, 36.0, 12.0, 2.0 / 3.0));
        m.AplicaTempoTensional(TTempo(0.0, 36.0, 12.0, 2.0 / 3.0));
        m.AplicaSolver(TGauss(), false);
        frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
        RodaTermica();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    }

    // Mesh settings confirmed with these divisions.
    // Meshes by divisions alone (the maximum element size is off).
    void Divisoes(int nx, int ny) {
        TAjustesMalha a = M().AjustesMalha();
        a.PorDmax = false;
        a.Nx = nx;
        a.Ny = ny;
        frmMalha->LeConfiguracaoMalha(a, M().Desenho);
    }

    // Every file the two runs wrote, by name.
    std::map<std::string, std::string> Arquivos(const fs::path &pasta) {
        std::map<std::string, std::string> r;
        for (const auto &e : fs::directory_iterator(pasta))
            if (e.path().filename() != ".darv_2d.instancia") // this instance's hold
                r[e.path().filename().string()] = Conteudo(e.path().string());
        return r;
    }
};

} // namespace

TEST(MensagensMaximos, SeguemOSeparadorDoUsuario) {
    ReiniciaEstado();
    Estado().TemperaturaMaxima = 61.237;
    Estado().IdadeTemperaturaMaxima = 36.5;
    Estado().NoTemperaturaMaxima = 412;
    Estado().TensaoMaximaTracao = 1.5;
    Estado().ElementoTensaoMaxima = 7;
    SetDecimalSeparator(',');
    EXPECT_EQ(MensagemTemperaturaMaxima(),
              "Temperatura Máxima= 61,24°C na idade de: 36,5horas, e no Nó: 412");
    EXPECT_EQ(MensagemTensaoMaxima(), "Tensão Máxima de Tração= 1,50MPa no Elemento: 7");
    SetDecimalSeparator('.');
    EXPECT_EQ(MensagemTemperaturaMaxima(),
              "Temperatura Máxima= 61.24°C na idade de: 36.5horas, e no Nó: 412");
    Estado().TemperaturaMaxima = -3.005;
    Estado().IdadeTemperaturaMaxima = 1.0 / 3.0;
    EXPECT_EQ(MensagemTemperaturaMaxima(),
              "Temperatura Máxima= -3.00°C na idade de: 0.333333333333333horas, e no Nó: 412");
    ReiniciaEstado();
}

TEST_F(Execucao, MenusAcompanhamCorridasNovasAnalisesEMudancasDoModelo) {
    // The result views with a command, as their windows will give them.
    for (QAction *a : {frmMalha->Isocores1, frmMalha->Trmica1})
        frmMalha->DefineComando(
            a, [] {}, TRequisito::TermicaConcluida);
    EXPECT_EQ(Menus(), "00000");
    DadosBloco();
    EXPECT_EQ(Menus(), "10000");

    RodaTermica();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    EXPECT_EQ(roteiro.P.Perguntas.last(), "Confirma o início da análise térmica?");
    ASSERT_EQ(roteiro.P.Informacoes.size(), 1);
    EXPECT_EQ(roteiro.P.Informacoes[0].toStdString(), MensagemTemperaturaMaxima());
    EXPECT_GT(Estado().TemperaturaMaxima, 20.0);
    EXPECT_EQ(Menus(), "11101");
    EXPECT_TRUE(frmMalha->Isocores1->isEnabled());
    EXPECT_TRUE(frmMalha->Trmica1->isEnabled());
    EXPECT_EQ(frmMensagemFEM, nullptr);
    EXPECT_EQ(Estado().MensagemFEM, nullptr);

    RodaTensional();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    ASSERT_EQ(roteiro.P.Informacoes.size(), 2);
    EXPECT_EQ(roteiro.P.Informacoes[1].toStdString(), MensagemTensaoMaxima());
    EXPECT_EQ(Menus(), "11111");

    // Answering No leaves everything as it was.
    roteiro.P.Respostas.push_back(false);
    frmMalha->Rodar1->trigger();
    EXPECT_EQ(roteiro.P.Informacoes.size(), 2);
    EXPECT_EQ(Menus(), "11111");

    frmMalha->NovaAnliseTensional1->trigger();
    EXPECT_EQ(roteiro.P.Informacoes.last(), "Programa pronto para nova análise tensional.");
    EXPECT_EQ(Menus(), "11111");
    frmMalha->NovaAnliseTrmica1->trigger();
    EXPECT_EQ(roteiro.P.Informacoes.last(), "Programa pronto para nova análise térmica.");
    EXPECT_EQ(Menus(), "10111");

    // A thermal run again, then a re-mesh: back to the start state.
    RodaTermica();
    EXPECT_EQ(Menus(), "11111");
    roteiro.P.Respostas.push_back(true);
    frmMalha->acaoBotao("toolbReMesh")->trigger();
    EXPECT_EQ(Menus(), "10000");
    EXPECT_FALSE(frmMalha->Isocores1->isEnabled());

    // Opening a domain: no analysis until it is meshed. (Re-meshing discarded the data.)
    Material();
    M().AplicaSolver(TGauss(), false);
    M().AplicaTempo(TTempo(0.0, 24.0, 12.0, 2.0 / 3.0));
    RodaTermica();
    EXPECT_EQ(Menus(), "11101");
    roteiro.P.Arquivos.push_back(Exemplo("bloco.txt"));
    frmMalha->AbrirDominio->trigger();
    EXPECT_EQ(Menus(), "00000");
    EXPECT_FALSE(frmMalha->Trmica1->isEnabled());
    EXPECT_TRUE(roteiro.P.Esgotado());
}

TEST_F(Execucao, ArquivosDosPassosComOsNomesConfiguradosEIguaisNaSegundaCorrida) {
    const fs::path saida = pasta.Pasta / "resultados";
    fs::create_directories(saida);
    ConfiguraArquivos(saida);
    DadosBloco();
    RodaTermica();
    RodaTensional();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    for (const char *nome : {"T1.txt", "T2.txt", "D1.txt", "D2.txt", "S1.txt", "S2.txt"})
        EXPECT_TRUE(fs::exists(saida / nome)) << nome;
    const auto primeira = Arquivos(saida);
    EXPECT_EQ(primeira.size(), 6u);

    RodaTermica();
    RodaTensional();
    EXPECT_EQ(Arquivos(saida), primeira);
    ASSERT_EQ(roteiro.P.Informacoes.size(), 4);
    EXPECT_EQ(roteiro.P.Informacoes[2], roteiro.P.Informacoes[0]);
    EXPECT_EQ(roteiro.P.Informacoes[3], roteiro.P.Informacoes[1]);
}

TEST_F(Execucao, BlocoMantidoA20GrausNaoTemTensaoNemDepoisDeNovaAnalise) {
    DadosBloco(0.0);
    TModelo &m = M();
    m.FNosSelecionados = Todos(m.FMalha->GetNumNos());
    m.AplicaPrescricoes(20.0, 0.0, 24.0);
    for (int vez = 0; vez < 2; ++vez) {
        RodaTermica();
        RodaTensional();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        const TVetor &s = m.FAnaliseTensional->GetTensoes();
        ASSERT_GT(s.GetTamanho(), 0);
        for (int i = 1; i <= s.GetTamanho(); ++i)
            ASSERT_NEAR(s[i], 0.0, 1e-9) << i;
        frmMalha->NovaAnliseTensional1->trigger(); // clears the reference; the next run sets it
        m.AplicaVinculos(false, false, false, 0.0, 0.0); // the supports went with the analysis
    }
}

TEST_F(Execucao, CorridaQueFalhaNaoDeixaJanelaNemEstadoEAProximaFunciona) {
    DadosBloco();
    RodaTermica();
    ASSERT_EQ(Menus(), "11101");
    // A folder under a file cannot be made, even by root.
    const fs::path arquivo = pasta.Pasta / "arquivo";
    std::ofstream(arquivo) << "x";
    ConfiguraArquivos(arquivo / "sub");
    RodaTermica();
    ASSERT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_EQ(roteiro.P.Informacoes.size(), 1); // no maxima message
    EXPECT_EQ(frmMensagemFEM, nullptr);
    EXPECT_EQ(Estado().MensagemFEM, nullptr);
    EXPECT_FALSE(ExecucaoEmCurso());
    // Step files of two runs are not read as one: no stress run, no result views.
    EXPECT_FALSE(frmMalha->Rodar2->isEnabled());
    EXPECT_FALSE(frmMalha->Isocores1->isEnabled());

    ConfiguraArquivos(pasta.Pasta);
    RodaTermica();
    EXPECT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_EQ(roteiro.P.Informacoes.size(), 2);
    EXPECT_EQ(Menus(), "11101");
    // A failing stress run (a step file it reads is gone): its message, no window.
    fs::remove(pasta.Pasta / "T2.txt");
    RodaTensional();
    EXPECT_EQ(roteiro.P.Erros.size(), 2);
    EXPECT_EQ(roteiro.P.Informacoes.size(), 2);
    EXPECT_EQ(frmMensagemFEM, nullptr);
    EXPECT_EQ(Menus(), "11101");
}

TEST_F(Execucao, ComandosEFechamentoRecusadosDuranteACorrida) {
    const fs::path saida = pasta.Pasta / "resultados";
    fs::create_directories(saida);
    ConfiguraArquivos(saida);
    DadosBloco();
    RodaTermica();
    RodaTensional();
    const auto intactos = Arquivos(saida);
    const int perguntas = int(roteiro.P.Perguntas.size());

    // During the next runs, at every event round: menus, open, re-mesh, a click on the open
    // button, closing the main window; and the memory tool's Ok, which must work.
    TfrmInformacoesSistema *memoria = AbreInformacoesSistema(M().FerramentaMemoria);
    int rodadas = 0;
    bool okAceito = false;
    // Calls still queued when the test ends go with this object.
    QObject alvo;
    std::function<void()> perturba = [&] {
        if (!ExecucaoEmCurso())
            return;
        ++rodadas;
        frmMalha->Rodar1->trigger();
        frmMalha->AbrirDominio->trigger();
        frmMalha->acaoBotao("toolbReMesh")->trigger();
        frmMalha->NovaAnliseTrmica1->trigger();
        QTest::mouseClick(frmMalha->Botao("toolbAbrir"), Qt::LeftButton);
        frmMalha->close();
        if (rodadas == 1) {
            QTest::mouseClick(memoria->btnOk, Qt::LeftButton);
            okAceito = M().FerramentaMemoria.Regra().Aplicado && !memoria->isVisible();
        }
        // A picture of the progress window in the middle of the run, when asked for.
        if (rodadas == 3 && frmMensagemFEM)
            if (const char *pasta = std::getenv("DARV_CAPTURAS"))
                frmMensagemFEM->grab().save(QString(pasta) + "/progresso_corrida.png");
        if (rodadas < 20)
            QMetaObject::invokeMethod(&alvo, perturba, Qt::QueuedConnection);
    };
    roteiro.P.Arquivos.push_back(Exemplo("bloco.txt")); // must stay unused
    QMetaObject::invokeMethod(&alvo, perturba, Qt::QueuedConnection);
    RodaTermica();
    EXPECT_GE(rodadas, 1);
    QMetaObject::invokeMethod(&alvo, perturba, Qt::QueuedConnection);
    RodaTensional();
    EXPECT_GE(rodadas, 2);

    EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    EXPECT_EQ(int(roteiro.P.Perguntas.size()), perguntas + 2); // only the runs' questions
    EXPECT_EQ(roteiro.P.Arquivos.size(), 1u);
    roteiro.P.Arquivos.clear();
    EXPECT_TRUE(frmMalha->isVisible());
    EXPECT_EQ(saidas, 0);
    EXPECT_EQ(Arquivos(saida), intactos);
    // The memory window took its Ok and was freed at the thermal run's end.
    EXPECT_TRUE(okAceito);
    EXPECT_EQ(frmInformacoesSistema, nullptr);
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
}

TEST_F(Execucao, FerramentaDeMemoriaAbertaPeloBotaoELiberadaPelaCorrida) {
    DadosBloco();
    frmMalha->acaoBotao("ToolButton14")->trigger();
    TfrmInformacoesSistema *w = frmInformacoesSistema;
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(M().FerramentaMemoria.Ligada());
    RodaTermica();
    EXPECT_EQ(frmInformacoesSistema, nullptr);
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
    // The stress analysis' release lets go of a newer one as well.
    frmMalha->acaoBotao("ToolButton14")->trigger();
    ASSERT_NE(frmInformacoesSistema, nullptr);
    RodaTensional();
    frmMalha->NovaAnliseTensional1->trigger();
    EXPECT_EQ(frmInformacoesSistema, nullptr);
}

TEST_F(Execucao, CamadasMalhasDasEtapasECorridasComecamNaEtapa1) {
    AbreEMalha();
    TModelo &m = M();
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
    M().GetSubDominio(1)->Fixo = false; // placed layer by layer
    frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
    ASSERT_TRUE(m.Camadas());
    EXPECT_EQ(Menus(), "10000");
    Material();
    m.AplicaTempo(TTempo(0.0, 36.0, 12.0, 2.0 / 3.0));
    m.AplicaTempoTensional(TTempo(0.0, 36.0, 12.0, 2.0 / 3.0));
    m.AplicaSolver(TGauss(), false);

    TTitulosProgresso titulos;
    frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
    EXPECT_EQ(titulos.Titulos, QStringList({"Gerando Etapa 1 ...", "Gerando Etapa 2 ..."}));
    for (int k = 1; k <= 2; ++k)
        EXPECT_TRUE(fs::exists(TCamadas::ArquivoMalhaEtapa(k))) << k;
    const TMalha *etapa2 = m.FCamadas->GetEtapa(2)->GetMalha();
    EXPECT_EQ(m.FMalha, etapa2);
    EXPECT_EQ(frmMalha->windowTitle().toStdString(),
              "ZOK-2D - NEM = " + std::to_string(etapa2->GetNumElementos()) +
                  "; NN = " + std::to_string(etapa2->GetNumNos()));

    // Supports on every node of each stage mesh, loaded with "Gera malha".
    for (int k = 1; k <= 2; ++k) {
        m.FEtapaAtual = k;
        frmMalha->acaoBotao("toolbElementosDominio")->trigger();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        ASSERT_EQ(m.FMalha, m.FCamadas->GetEtapa(k)->GetMalha());
        ASSERT_GT(m.FMalha->GetNumNos(), 0);
        m.FNosSelecionados = Todos(m.FMalha->GetNumNos());
        m.AplicaVinculos(false, false, false, 0.0, 0.0);
    }
    EXPECT_EQ(titulos.Titulos.mid(2), QStringList({"Gerando Etapa 1 ...", "Gerando Etapa 2 ..."}));

    // Stage 2 is shown; the run starts at stage 1.
    titulos.Titulos.clear();
    RodaTermica();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    EXPECT_EQ(titulos.Titulos, QStringList({"Gerando Etapa 1 ...", "Fase de Processamento..."}));
    EXPECT_EQ(m.FEtapaAtual, 1);
    EXPECT_EQ(Menus(), "11101");
    EXPECT_EQ(roteiro.P.Informacoes.last().toStdString(), MensagemTemperaturaMaxima());

    m.FEtapaAtual = 2;
    titulos.Titulos.clear();
    RodaTensional();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    EXPECT_EQ(titulos.Titulos, QStringList({"Gerando Etapa 1 ...", "Fase de Processamento..."}));
    EXPECT_EQ(m.FEtapaAtual, 1);
    EXPECT_EQ(Menus(), "11111");
    EXPECT_EQ(roteiro.P.Informacoes.last().toStdString(), MensagemTensaoMaxima());

    // "Nova Análise Térmica" empties every stage's convection loads.
    TForcaExterna conv;
    m.FCamadas->GetEtapa(1)->AdicionaForcaExterna(conv);
    frmMalha->NovaAnliseTrmica1->trigger();
    EXPECT_EQ(m.FCamadas->GetEtapa(1)->GetNumForcasExternas(), 0);
    EXPECT_EQ(Menus(), "10111");
    // The next run works without the freed loads.
    RodaTermica();
    EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    EXPECT_EQ(Menus(), "11111");
}

TEST_F(Execucao, MalhasDeEtapasDeOutroModeloNaoSaoLidas) {
    AbreEMalha();
    TModelo &m = M();
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
    M().GetSubDominio(1)->Fixo = false; // placed layer by layer
    frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
    frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
    ASSERT_GT(m.FCamadas->GetEtapa(1)->GetMalha()->GetNumNos(), 0);
    // A new layers model with other elevations: its stage files are written again before use.
    frmMalha->CriaCamadas({{1.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
    m.FEtapaAtual = 1;
    frmMalha->acaoBotao("toolbElementosDominio")->trigger();
    ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
    double topo = 0.0;
    for (int k = 1; k <= m.FMalha->GetNumNos(); ++k)
        topo = std::max(topo, m.FMalha->GetNo(k)->Y);
    EXPECT_DOUBLE_EQ(topo, 1.0);
    EXPECT_EQ(m.FMalha, m.FCamadas->GetEtapa(1)->GetMalha());
}

TEST_F(Execucao, FalhaAoGerarMalhaDeEtapaFechaAJanela) {
    AbreEMalha();
    ASSERT_EQ(M().AdicionaSubDominio({1, 2, 3, 4}), 1);
    M().GetSubDominio(1)->Fixo = false; // placed layer by layer
    frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
    const fs::path arquivo = pasta.Pasta / "arquivo";
    std::ofstream(arquivo) << "x";
    DefinePastaPadrao(arquivo / "sub");
    frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
    EXPECT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_EQ(frmMensagemFEM, nullptr);
    EXPECT_FALSE(ExecucaoEmCurso());
    DefinePastaPadrao(pasta.Pasta);
    frmMalha->acaoBotao("toolbGerarMalhasDominio")->trigger();
    EXPECT_EQ(roteiro.P.Erros.size(), 1);
    EXPECT_TRUE(fs::exists(TCamadas::ArquivoMalhaEtapa(2)));
}

TEST_F(Execucao, MalhasDeEtapasReescritasVoltamCorridasEVistasAoInicio) {
    struct Caso {
        const char *comando;
        int nx, ny;
        bool reescreve;
    };
    const Caso casos[] = {
        {"toolbElementosDominio", 6, 6, true},   {"toolbElementosDominio", 1, 1, true},
        {"toolbGerarMalhasDominio", 6, 6, true}, {"toolbGerarMalhasDominio", 1, 1, true},
        {"toolbElementosDominio", 2, 2, false}, // the divisions it was meshed with: only loaded
    };
    // The result views with a command, as their windows will give them.
    for (QAction *a : {frmMalha->Isocores1, frmMalha->Trmica1, frmMalha->Eixo})
        frmMalha->DefineComando(
            a, [] {}, TRequisito::TermicaConcluida);
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.comando) + " " + std::to_string(c.nx) + "x" +
                     std::to_string(c.ny));
        Estado().ConfiguracaoMalha.Nx = Estado().ConfiguracaoMalha.Ny = 2;
        CamadasComTermica();
        ASSERT_EQ(Menus(), "11101");
        TModelo &m = M();
        m.FEtapaAtual = 2;
        const std::string antes = Conteudo(TCamadas::ArquivoMalhaEtapa(2).string());

        Divisoes(c.nx, c.ny);
        frmMalha->acaoBotao(c.comando)->trigger();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        EXPECT_EQ(m.FMalha, m.FCamadas->GetEtapa(2)->GetMalha());
        EXPECT_EQ(Conteudo(TCamadas::ArquivoMalhaEtapa(2).string()) != antes, c.reescreve);
        EXPECT_EQ(Menus(), c.reescreve ? "10000" : "11101");
        for (QAction *a : {frmMalha->Rodar2, frmMalha->Isocores1, frmMalha->Trmica1,
                           frmMalha->Tensional1, frmMalha->Eixo, frmMalha->Relatrio1})
            EXPECT_EQ(a->isEnabled(), !c.reescreve) << a->objectName().toStdString();
    }
}

TEST_F(Execucao, MalhaRecusadaPeloGeradorGuardaMalhaDesenhoAnalisesEResultados) {
    struct Caso {
        bool camadas;
        const char *comando;
    };
    const Caso casos[] = {
        {false, "toolbReMesh"},
        {true, "toolbReMesh"},
        {true, "toolbElementosDominio"},
        {true, "toolbGerarMalhasDominio"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.camadas ? "camadas " : "domínio ") + c.comando);
        Estado().ConfiguracaoMalha.Nx = Estado().ConfiguracaoMalha.Ny = 2;
        if (c.camadas) {
            CamadasComTermica();
            frmMalha->acaoBotao("toolbElementosDominio")->trigger(); // stage 1 shown
        } else {
            DadosBloco();
            RodaTermica();
        }
        ASSERT_EQ(Menus(), "11101");
        TModelo &m = M();
        const TMalha *malha = m.FMalha;
        const int nos = malha->GetNumNos(), elementos = malha->GetNumElementos();
        const TAnalise *analise = m.FAnalise.get();
        const std::string etapa =
            c.camadas ? Conteudo(TCamadas::ArquivoMalhaEtapa(m.FEtapaAtual).string()) : "";
        Divisoes(200000, 2); // stored; the picture is drawn again as it was
        const QImage desenho = frmMalha->imMalha->Imagem().copy();
        mensagens.Textos.clear();
        if (std::string(c.comando) == "toolbReMesh")
            roteiro.P.Respostas.push_back(true); // "Deseja refazer a malha?"
        frmMalha->acaoBotao(c.comando)->trigger();
        EXPECT_TRUE(roteiro.P.Esgotado());
        ASSERT_FALSE(mensagens.Textos.empty());
        EXPECT_EQ(mensagens.Textos.front(), "Erro : Divisões demais para gerar a malha.");
        EXPECT_EQ(m.FMalha, malha);
        EXPECT_EQ(m.FMalha->GetNumNos(), nos);
        EXPECT_EQ(m.FMalha->GetNumElementos(), elementos);
        EXPECT_EQ(m.FAnalise.get(), analise);
        if (c.camadas) {
            EXPECT_EQ(Conteudo(TCamadas::ArquivoMalhaEtapa(m.FEtapaAtual).string()), etapa);
        }
        EXPECT_TRUE(frmMalha->imMalha->Imagem() == desenho);
        EXPECT_EQ(Menus(), "11101");
    }
}

// "Salvar Malha..." writes the mesh shown, also after a layered run has released the shown
// stage's mesh; with no node to write it refuses before asking a name and leaves the file.
TEST_F(Execucao, SalvarMalhaGravaAMalhaMostradaOuRecusa) {
    struct Caso {
        const char *nome;
        std::function<void()> prepara;
        int etapa; // stage whose mesh file holds the mesh shown; 0: no mesh to write
    };
    const Caso casos[] = {
        {"staged run", [this] { CamadasComTermica(); }, 1},
        {"staged run, stage 2 shown",
         [this] {
             CamadasComTermica();
             frmMalha->acaoBotao("toobSetaDireita")->trigger();
         },
         2},
        {"domain not meshed",
         [this] {
             roteiro.P.Arquivos.push_back(Exemplo("bloco.txt"));
             frmMalha->AbrirDominio->trigger();
         },
         0},
    };
    const std::string destino = pasta.Arquivo("malha.txt");
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        c.prepara();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        { std::ofstream(destino) << "anterior\n"; }
        if (c.etapa)
            roteiro.P.Arquivos.push_back(QString::fromStdString(destino));
        frmMalha->Salvar1->trigger();
        EXPECT_TRUE(roteiro.P.Esgotado());
        if (!c.etapa) {
            EXPECT_EQ(roteiro.P.Erros,
                      QStringList{"A malha mostrada não tem nós: nada foi salvo."});
            EXPECT_EQ(Conteudo(destino), "anterior\n");
            roteiro.P.Erros.clear();
            continue;
        }
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        TMalha salva, etapa;
        salva.LeMalha(destino);
        etapa.LeMalha(TCamadas::ArquivoMalhaEtapa(c.etapa).string());
        EXPECT_GT(salva.GetNumNos(), 0);
        EXPECT_EQ(salva.GetNumNos(), etapa.GetNumNos());
        EXPECT_EQ(salva.GetNumElementos(), etapa.GetNumElementos());
        for (int k = 1; k <= std::min(salva.GetNumNos(), etapa.GetNumNos()); ++k) {
            ASSERT_EQ(salva.GetNo(k)->X, etapa.GetNo(k)->X) << k;
            ASSERT_EQ(salva.GetNo(k)->Y, etapa.GetNo(k)->Y) << k;
        }
    }
}

TEST_F(Execucao, EtapaMostradaVoltaAoDesenhoDepoisDaCorridaEmCamadas) {
    // The staged run ends on stage 2 and empties stage 1's mesh, the one shown; a redraw (a
    // resize) or the next stage shown draws it again.
    struct Caso {
        const char *nome;
        std::function<void()> depois;
        int etapa;
    };
    const Caso casos[] = {
        {"resize", [this] { frmMalha->resize(frmMalha->width() - 40, frmMalha->height()); }, 1},
        {"next stage", [this] { frmMalha->acaoBotao("toobSetaDireita")->trigger(); }, 2},
        {"redraw", [this] { frmMalha->acaoBotao("toobRefresh")->trigger(); }, 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        CamadasComTermica();
        TModelo &m = M();
        c.depois();
        QCoreApplication::processEvents();
        ASSERT_EQ(m.FEtapaAtual, c.etapa);
        TMalha arquivo;
        arquivo.LeMalha(TCamadas::ArquivoMalhaEtapa(c.etapa).string());
        EXPECT_EQ(m.FMalha, m.FCamadas->GetEtapa(c.etapa)->GetMalha());
        EXPECT_GT(m.FMalha->GetNumNos(), 0);
        EXPECT_EQ(m.FMalha->GetNumNos(), arquivo.GetNumNos());
        EXPECT_EQ(m.FMalha->GetNumElementos(), arquivo.GetNumElementos());
    }
}

TEST_F(Execucao, CorridaSemDadosIndispensaveisDizQualComandoUsar) {
    // What each case gives before its run (a stress run follows a thermal one), and the
    // refusal expected (none: the run goes through).
    struct TCaso {
        const char *nome;
        std::function<void()> dados;
        bool tensional;
        std::string erro;
    };
    TModelo &m = M();
    const std::string material = " e use \"Configurações\" > \"Material\".",
                      captura = "capture os nós a apoiar com \"Captura nós\" (página \"Nós\") e "
                                "use \"Vínculos\" (página \"Tensão\").";
    const TTempo tempo(0.0, 24.0, 12.0, 2.0 / 3.0);
    const std::vector<TCaso> casos = {
        {"nada", [&] { AbreEMalha(); }, false,
         "Falta o tempo da análise: use \"Configurações\" > \"Tempo\"."},
        {"sem material",
         [&] {
             AbreEMalha();
             m.AplicaTempo(tempo);
         },
         false, "Falta o material: use \"Configurações\" > \"Material\"."},
        {"subdomínio sem material",
         [&] {
             AbreEMalha("bloco_fundacao.txt");
             ASSERT_EQ(m.AdicionaSubDominio({1, 2, 3, 4, 7, 8}), 1);
             ASSERT_EQ(m.AdicionaSubDominio({7, 4, 5, 6}), 2);
             Material(); // the domain and subdomain 2
             m.AplicaTempo(tempo);
         },
         false,
         "Falta o material do subdomínio 1: escolha-o com \"SubDomínio Anterior\" ou "
         "\"SubDomínio Posterior\" (página \"Domínio\")" +
             material},
        {"camada sem material",
         [&] {
             AbreEMalha();
             ASSERT_EQ(m.AdicionaSubDominio({1, 2, 3, 4}), 1);
             frmMalha->CriaCamadas({{2.0, 0.0, 20.0}, {4.0, 12.0, 25.0}});
             m.AplicaTempo(tempo);
         },
         false,
         "Falta o material do subdomínio 1: escolha-o com os botões \"Material\" da página "
         "\"Camadas\"" +
             material},
        {"sem vínculos",
         [&] {
             DadosBloco(800.0, false);
             RodaTermica();
         },
         true, "Faltam os vínculos: " + captura},
        {"etapa sem vínculos",
         [&] {
             CamadasComTermica();
             m.FEtapaAtual = 1;
             frmMalha->acaoBotao("toolbElementosDominio")->trigger();
             m.FNosSelecionados = Todos(m.FMalha->GetNumNos());
             m.AplicaVinculos(false, false, false, 0.0, 0.0);
         },
         true,
         "Faltam os vínculos da etapa 2: mostre-a com \"Etapa anterior\" ou \"Etapa posterior\" "
         "(página \"Camadas\"), " +
             captura},
        {"tudo dado",
         [&] {
             DadosBloco();
             RodaTermica();
         },
         true, ""},
    };
    for (const TCaso &c : casos) {
        SCOPED_TRACE(c.nome);
        c.dados();
        ASSERT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
        const qsizetype informacoes = roteiro.P.Informacoes.size();
        const std::string menus = Menus();
        if (c.tensional)
            RodaTensional();
        else
            RodaTermica();
        if (c.erro.empty()) {
            EXPECT_TRUE(roteiro.P.Erros.isEmpty()) << roteiro.P.Erros.join('|').toStdString();
            EXPECT_EQ(roteiro.P.Informacoes.size(), informacoes + 1);
            continue;
        }
        ASSERT_EQ(roteiro.P.Erros.size(), 1) << roteiro.P.Erros.join('|').toStdString();
        EXPECT_EQ(roteiro.P.Erros[0].toStdString(), c.erro);
        EXPECT_EQ(roteiro.P.Informacoes.size(), informacoes); // no maximum
        EXPECT_EQ(Menus(), menus);
        roteiro.P.Erros.clear();
    }
}
