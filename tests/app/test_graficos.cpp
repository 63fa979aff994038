// The three result charts on real thermal and stress runs: curves against the step files,
// accumulation and the text export of the last curve, units, the strain mode, and the chart's
// metafile read back.
#include "LeitorWmf.h"
#include "PerguntadorRoteiro.h"
#include "support_resultados.h"
#include "uGraficoTemperaturaTempo.h"
#include "uGraficoTensaoTempo.h"
#include "uTemperaturaDistancia.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLineSeries>
#include <QSpinBox>
#include <QTest>
#include <QValueAxis>

#include <cstdlib>
#include <fstream>
#include <functional>

#include <signal.h>
#include <sys/resource.h>

namespace {

// Line `linha` (1-based) of a step file, read as a number.
double LinhaDoArquivo(const std::string &arquivo, int linha) {
    std::ifstream f(arquivo);
    std::string s;
    for (int i = 0; i < linha; ++i)
        std::getline(f, s);
    return std::stod(s);
}

std::vector<std::string> Linhas(const std::string &arquivo) {
    std::ifstream f(arquivo);
    std::vector<std::string> r;
    for (std::string s; std::getline(f, s);)
        r.push_back(s);
    return r;
}

// A stress run on the thermal case's mesh, restrained at x = 0, from the thermal step files.
struct TCasoTensional {
    TCasoTermico termico;
    std::unique_ptr<TAnaliseTensional> analise;
    TVetor iniciais;
    TCasoTensional() : termico(4, 6.0, 6, 3) {
        TMalha &m = *termico.malha;
        iniciais = TVetor(m.GetNumNos());
        for (int k = 1; k <= m.GetNumNos(); ++k)
            iniciais[k] = 15.0;
        Estado().FTemperaturasIniciais = &iniciais;
        analise = std::make_unique<TAnaliseTensional>(&m);
        auto mat = std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, 30.0, 0.08609, 0.04225,
                                               true, 1e-5, 0.2, 9.81, TMaterial::kModeloJCI, false,
                                               20.0, false, 1.408, 0.1931, false, 0.0, false);
        mat->SetEConstanteValor(30.0);
        analise->GetDominio().SetMaterial(std::move(mat));
        analise->SetTempo(std::make_unique<TTempo>(0.0, 24.0, 6.0, 2.0 / 3.0));
        TVetorInteiro esquerda, baixo;
        for (int k = 1; k <= m.GetNumNos(); ++k) {
            if (m.GetNo(k)->X == 0.0)
                esquerda.Adiciona(k);
            if (m.GetNo(k)->Y == 0.0)
                baixo.Adiciona(k);
        }
        analise->AdicionaApoios(esquerda, true, 1, false, 0, 0);
        analise->AdicionaApoios(baixo, true, 1, true, 0, 0);
        analise->Executa();
    }
    ~TCasoTensional() { Estado().FTemperaturasIniciais = nullptr; }
};

std::string Arquivo(const TCasoTermico &c, const std::string &nome) {
    return (c.pasta.pasta / nome).string();
}

} // namespace

TEST(Graficos, TextoDaUltimaCurvaNoSeparadorDoUsuario) {
    const TCurva c{{6.0}, {20.5}};
    const char antes = DecimalSeparator();
    SetDecimalSeparator(',');
    EXPECT_EQ(TextoCurva("Tempo", "Temperatura", &c),
              "Tempo     Temperatura\n6,000     20,50000\n");
    SetDecimalSeparator('.');
    EXPECT_EQ(TextoCurva("Tempo", "Temperatura", &c),
              "Tempo     Temperatura\n6.000     20.50000\n");
    EXPECT_EQ(TextoCurva("Distância", "Temperatura", nullptr), "Distância     Temperatura\n");
    SetDecimalSeparator(antes);
}

TEST(Graficos, TemperaturaTempoDoisNosEExportacao) {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TCasoTermico caso(4, 6.0);
    fonte.termica = caso.analise.get();
    fonte.no = 7;
    TfrmGraficoTemperaturaTempo frm;
    const std::string txt = Arquivo(caso, "Ponto.txt");
    // Exporting before any plot writes only the header.
    g.P.Arquivos.push_back(QString::fromStdString(txt));
    frm.SalvaPontos();
    EXPECT_EQ(Linhas(txt), (std::vector<std::string>{"Tempo     Temperatura"}));

    frm.show();
    EXPECT_EQ(frm.sedNo->value(), 7);
    EXPECT_EQ(frm.EixoY()->titleText(), "Temperatura °C");
    EXPECT_EQ(frm.EixoX()->titleText(), "Tempo h");
    frm.Plotar1->trigger();
    frm.sedNo->setValue(12);
    frm.Plotar1->trigger();
    ASSERT_TRUE(g.P.Erros.isEmpty()) << g.P.Erros.join("|").toStdString();
    EXPECT_EQ(frm.NumCurvas(), 2);
    const TCurva *c = frm.UltimaCurva();
    ASSERT_EQ(c->X.size(), 5u); // 4 steps and the start
    EXPECT_EQ(c->X, (std::vector<double>{0, 6, 12, 18, 24}));
    EXPECT_EQ(c->Y[0], 15.0);
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(c->Y[std::size_t(s)], LinhaDoArquivo(caso.pasta.Passo(s), 12));
    g.P.Arquivos.push_back(QString::fromStdString(txt));
    frm.SalvarPonto1->trigger();
    const auto linhas = Linhas(txt);
    ASSERT_EQ(linhas.size(), 6u);
    EXPECT_EQ(linhas[2], "6.000     " + FormatFixo(c->Y[1], 0, 5));
    frm.Limpar1->trigger();
    EXPECT_EQ(frm.NumCurvas(), 0);
    // A node beyond the mesh cannot be chosen.
    frm.sedNo->setValue(100000);
    EXPECT_EQ(frm.sedNo->value(), caso.malha->GetNumNos());
}

TEST(Graficos, UnidadesDoUsuarioNasCurvasENosTitulos) {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TCasoTermico caso(4, 6.0);
    fonte.termica = caso.analise.get();
    fonte.unidades.Temperatura = "°F";
    fonte.unidades.TemperaturaDoMotor = [](double c) { return c * 9 / 5 + 32; };
    fonte.unidades.Tempo = "dias";
    fonte.unidades.TempoDoMotor = [](double h) { return h / 24; };
    fonte.unidades.TempoParaMotor = [](double d) { return d * 24; };
    fonte.unidades.Comprimento = "cm";
    fonte.unidades.ComprimentoDoMotor = [](double m) { return m * 100; };
    fonte.temReta = true;
    fonte.inicio = {0.0, 2.5};
    fonte.fim = {10.0, 2.5};

    TfrmGraficoTemperaturaTempo tt;
    tt.show();
    EXPECT_EQ(tt.EixoY()->titleText(), "Temperatura °F");
    EXPECT_EQ(tt.EixoX()->titleText(), "Tempo dias");
    tt.sedNo->setValue(3);
    tt.Plota();
    EXPECT_EQ(tt.UltimaCurva()->X[4], 1.0);
    EXPECT_DOUBLE_EQ(tt.UltimaCurva()->Y[0], 59.0);

    TfrmTemperaturaDistancia td;
    td.show();
    EXPECT_EQ(td.EixoX()->titleText(), "Distância cm");
    td.edTempo->setText("0.5"); // half a day: step 2
    td.Plota();
    ASSERT_TRUE(g.P.Erros.isEmpty()) << g.P.Erros.join("|").toStdString();
    const TCurva *c = td.UltimaCurva();
    ASSERT_EQ(c->X.size(), 101u);
    EXPECT_DOUBLE_EQ(c->X[100], 1000.0);
    double v = 0;
    ASSERT_TRUE(caso.analise->ValorNoPonto(v, 5.0, 2.5, 12.0));
    EXPECT_NEAR(c->Y[50], v * 9 / 5 + 32, 1e-12);
    const std::string txt = Arquivo(caso, "Perfil.txt");
    g.P.Arquivos.push_back(QString::fromStdString(txt));
    td.SalvarPonto1->trigger();
    const auto linhas = Linhas(txt);
    ASSERT_EQ(linhas.size(), 102u);
    EXPECT_EQ(linhas[0], "Distância     Temperatura");
    EXPECT_EQ(linhas[101].substr(0, 13), "1000.000     ");

    // A line that leaves the mesh gives fewer points.
    fonte.fim = {20.0, 2.5};
    td.Plota();
    EXPECT_EQ(td.UltimaCurva()->X.size(), 51u);
    EXPECT_EQ(td.NumCurvas(), 2);
}

TEST(Graficos, TensaoEDeformacaoContraOsArquivos) {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TCasoTensional caso;
    fonte.termica = caso.termico.analise.get();
    fonte.tensional = caso.analise.get();
    fonte.elemento = 5;
    TfrmGraficoTensaoTempo frm;
    frm.show();
    EXPECT_EQ(frm.sedNo->value(), 5);
    EXPECT_TRUE(frm.EmTensao());
    EXPECT_EQ(frm.EixoY()->titleText(), "Tensão MPa");
    frm.cbxTensao->setCurrentIndex(0);
    frm.Plotar1->trigger();
    ASSERT_TRUE(g.P.Erros.isEmpty()) << g.P.Erros.join("|").toStdString();
    const TCurva *c = frm.UltimaCurva();
    ASSERT_EQ(c->X.size(), 4u);
    bool algumNaoNulo = false;
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(c->X[std::size_t(s - 1)], 6.0 * s);
        const double esperado =
            LinhaDoArquivo(Arquivo(caso.termico, "PassoTensao" + std::to_string(s) + ".res"), 13);
        EXPECT_NEAR(c->Y[std::size_t(s - 1)], esperado, 1e-12);
        algumNaoNulo |= esperado != 0.0;
    }
    EXPECT_TRUE(algumNaoNulo);

    // Strain mode: a principal item moves to the matching plain one, with the message.
    frm.Deformacao1->trigger();
    EXPECT_FALSE(frm.EmTensao());
    EXPECT_EQ(frm.NumCurvas(), 0);
    EXPECT_EQ(frm.windowTitle(), "Gráfico: Deformação X Tempo");
    EXPECT_EQ(frm.EixoY()->titleText(), "Deformação [10^-6]");
    frm.cbxTensao->setCurrentIndex(4); // "Normal Máx 2"
    ASSERT_EQ(g.P.Informacoes.size(), 1);
    EXPECT_EQ(g.P.Informacoes[0], "O item selecionado não vale para a deformação");
    EXPECT_EQ(frm.cbxTensao->currentIndex(), 1);
    EXPECT_EQ(frm.Componente(), 1);
    frm.Plotar1->trigger();
    c = frm.UltimaCurva();
    ASSERT_EQ(c->Y.size(), 4u);
    for (int s = 1; s <= 4; ++s) {
        const double lido =
            LinhaDoArquivo(Arquivo(caso.termico, "PassoDeform" + std::to_string(s) + ".res"), 14);
        EXPECT_NEAR(c->Y[std::size_t(s - 1)], lido * 1e6, 1e-6);
    }
    // Principal stresses in stress mode.
    frm.Tensao1->trigger();
    EXPECT_EQ(frm.windowTitle(), "Gráfico: Tensao X Tempo");
    frm.cbxTensao->setCurrentIndex(3);
    frm.Plotar1->trigger();
    const double sx = LinhaDoArquivo(Arquivo(caso.termico, "PassoTensao4.res"), 13),
                 sy = LinhaDoArquivo(Arquivo(caso.termico, "PassoTensao4.res"), 14),
                 t = LinhaDoArquivo(Arquivo(caso.termico, "PassoTensao4.res"), 15);
    const double r = std::sqrt(t * t + (sx - sy) * (sx - sy) / 4);
    EXPECT_NEAR(frm.UltimaCurva()->Y[3], (t == 0 ? std::max(sx, sx) : (sx + sy) / 2 + r), 1e-9);
    if (const char *pasta = std::getenv("DARV_CAPTURAS")) {
        QCoreApplication::processEvents();
        frm.grab().save(QString(pasta) + "/grafico_tensao_tempo.png");
    }
    const std::string txt = Arquivo(caso.termico, "Elemento 5.txt");
    g.P.Arquivos.push_back(QString::fromStdString(txt));
    frm.SalvarPonto1->trigger();
    EXPECT_EQ(Linhas(txt).front(), "Tempo     Tensão");
    EXPECT_EQ(Linhas(txt).size(), 5u);
}

TEST(Graficos, MetafileDoGraficoLidoDeVolta) {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TCasoTermico caso(4, 6.0);
    fonte.termica = caso.analise.get();
    TfrmGraficoTemperaturaTempo frm;
    frm.resize(800, 560);
    frm.show();
    frm.sedNo->setValue(3);
    frm.Plota();
    frm.sedNo->setValue(20);
    frm.Plota();
    const std::string wmf = Arquivo(caso, "Grafico.wmf");
    g.P.Arquivos.push_back(QString::fromStdString(wmf));
    frm.Salvar1->trigger();
    ASSERT_TRUE(g.P.Erros.isEmpty()) << g.P.Erros.join("|").toStdString();
    const TLeituraWmf r = LeWmf(LeArquivoBinario(wmf));
    ASSERT_EQ(r.erro, "");
    EXPECT_EQ(r.polegada, 96);
    EXPECT_GT(r.criados, 0);
    EXPECT_EQ(r.criados, r.apagados);
    // One polyline of 5 points per curve, inside the picture.
    int curvas = 0;
    for (const auto &l : r.polilinhas)
        if (l.size() == 5u) {
            ++curvas;
            for (auto [x, y] : l) {
                EXPECT_GE(x, r.esquerda);
                EXPECT_LE(x, r.direita);
                EXPECT_GE(y, r.topo);
                EXPECT_LE(y, r.base);
            }
        }
    EXPECT_EQ(curvas, 2);
    bool tituloY = false, tituloX = false;
    for (std::size_t i = 0; i < r.textos.size(); ++i) {
        tituloY |= r.textos[i] == "Temperatura \xB0"
                                  "C" &&
                   r.escapamentos[i] == 900;
        tituloX |= r.textos[i] == "Tempo h";
    }
    EXPECT_TRUE(tituloY);
    EXPECT_TRUE(tituloX);
    if (const char *pasta = std::getenv("DARV_CAPTURAS")) {
        frm.grab().save(QString(pasta) + "/grafico_temperatura_tempo.png");
        std::filesystem::copy_file(wmf, std::string(pasta) + "/Grafico.wmf",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // A failing export leaves the previous file.
    const std::string antes = LeArquivoBinario(wmf);
    signal(SIGXFSZ, SIG_IGN);
    rlimit lim{};
    getrlimit(RLIMIT_FSIZE, &lim);
    rlimit baixo = lim;
    baixo.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &baixo);
    g.P.Arquivos.push_back(QString::fromStdString(wmf));
    frm.Salvar1->trigger();
    setrlimit(RLIMIT_FSIZE, &lim);
    EXPECT_EQ(g.P.Erros.size(), 1);
    EXPECT_EQ(LeArquivoBinario(wmf), antes);
}

TEST(Graficos, DialogosDeSalvarPropoemOsNomesDosArquivos) {
    TPerguntadorLigado g;
    TfrmGraficoTemperaturaTempo tt;
    TfrmTemperaturaDistancia td;
    TfrmGraficoTensaoTempo ts;
    ts.sedNo->setRange(1, 20);
    ts.sedNo->setValue(7);
    const struct {
        QAction *acao;
        const char *nome;
    } casos[] = {{tt.SalvarPonto1, "Ponto"},
                 {tt.Salvar1, "Grafico"},
                 {td.SalvarPonto1, "Ponto"},
                 {td.Salvar1, "Grafico"},
                 {ts.SalvarPonto1, "Elemento 7"}};
    for (const auto &c : casos) {
        g.P.NomesPropostos.clear();
        c.acao->trigger(); // cancelled: nothing is written
        EXPECT_EQ(g.P.NomesPropostos, QStringList({c.nome}));
    }
}

// However the temperature-time window is closed, its last curve goes with it: a later export
// writes only the header, not the previous curve.
TEST(Graficos, TemperaturaTempoLiberaAUltimaCurvaAoFechar) {
    TPerguntadorLigado g;
    TFonteTeste fonte;
    TCasoTermico caso(4, 6.0);
    fonte.termica = caso.analise.get();
    TfrmGraficoTemperaturaTempo frm;
    const std::string txt = Arquivo(caso, "Ponto.txt");
    const std::pair<const char *, std::function<void()>> modos[] = {
        {"Esc", [&] { QTest::keyClick(&frm, Qt::Key_Escape); }},
        {"Sair", [&] { frm.Sair1->trigger(); }},
        {"close", [&] { frm.close(); }},
        {"reject", [&] { frm.reject(); }},
    };
    for (const auto &[nome, fecha] : modos) {
        frm.show();
        frm.Plota();
        ASSERT_NE(frm.UltimaCurva(), nullptr) << nome;
        fecha();
        EXPECT_FALSE(frm.isVisible()) << nome;
        EXPECT_EQ(frm.UltimaCurva(), nullptr) << nome;
        frm.show();
        g.P.Arquivos.push_back(QString::fromStdString(txt));
        frm.SalvarPonto1->trigger();
        EXPECT_EQ(Linhas(txt), (std::vector<std::string>{"Tempo     Temperatura"})) << nome;
        frm.hide();
    }
}
