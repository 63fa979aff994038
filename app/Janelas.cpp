#include "Janelas.h"

#include "FonteResultadosMalha.h"

#include "uCamadas.h"
#include "uCondicoesIniciais.h"
#include "uConfiguracaoMalha.h"
#include "uConfiguracoes.h"
#include "uConversorGid.h"
#include "uCriaDominio.h"
#include "uDARV_2D.h"
#include "uDefInicial.h"
#include "uDeformInicial.h"
#include "uFluencia.h"
#include "uForcaExterna.h"
#include "uForcaExternaDistr.h"
#include "uForcaInterna.h"
#include "uFuncaoDiscreta.h"
#include "uGerentedeRetracao.h"
#include "uGradienteConjugados.h"
#include "uGraficoIsocores.h"
#include "uGraficoTemperaturaTempo.h"
#include "uGraficoTensaoTempo.h"
#include "uGravidade.h"
#include "uInformacoesSistema.h"
#include "uMateriais.h"
#include "uMaturidade.h"
#include "uMensagemFEM.h"
#include "uPrescricoes.h"
#include "uRelatorio.h"
#include "uTela.h"
#include "uTemperaturaDistancia.h"
#include "uTempo.h"
#include "uUnidades.h"
#include "uUsuario.h"

namespace {

// Creates a window into its global and registers it for the commands that open it.
template <class T> void CriaJanela(T *&janela, TfrmMalha &m, TJanela j) {
    janela = new T(&m);
    m.DefineJanela(j, janela);
}

// Creates a result view into its global; `acao` shows it once a thermal run has ended.
template <class T> void CriaVista(T *&janela, TfrmMalha &m, QAction *acao) {
    janela = new T(&m);
    m.DefineComando(
        acao, [&m, &janela] { m.MostraModal(janela); }, TRequisito::TermicaConcluida);
}

} // namespace

// Start-up order. A window not built yet keeps its place as a comment; its commands stay
// disabled until a line here creates and registers it.
void TJanelas::Cria() {
    frmMalha = new TfrmMalha;
    TfrmMalha &m = *frmMalha;
    CriaJanela(frmUnidades, m, TJanela::Unidades);
    CriaJanela(frmCamadas, m, TJanela::Camadas);
    CriaJanela(frmCondicoesIniciais, m, TJanela::CondicoesIniciais);
    CriaJanela(frmConfiguracaoMalha, m, TJanela::ConfiguracaoMalha);
    CriaJanela(frmCriaDominio, m, TJanela::CriaDominio);
    CriaJanela(frmDefInicial, m, TJanela::DefInicial);
    CriaJanela(frmDeformInicial, m, TJanela::DeformInicial);
    frmEEfetivo = new TfrmEEfetivo(&m);
    CriaJanela(frmForcaExterna, m, TJanela::ForcaExterna);
    CriaJanela(frmForcaExternaDistr, m, TJanela::ForcaExternaDistr);
    CriaJanela(frmForcaInterna, m, TJanela::ForcaInterna);
    frmUsuario = new TfrmUsuario(&m);
    frmFuncaoDiscreta = new TfrmFuncaoDiscreta(&m);
    CriaJanela(frmFluencia, m, TJanela::Fluencia);
    CriaJanela(frmGradienteConjugados, m, TJanela::GradienteConjugados);
    CriaVista(frmIsocores, m, m.Isocores1);
    CriaVista(frmGraficoTemperaturaTempo, m, m.Trmica1);
    CriaVista(frmGraficoTensaoTempo, m, m.Tensional1);
    frmInformacoesSistema = new TfrmInformacoesSistema(&m);
    CriaJanela(frmMateriais, m, TJanela::Materiais);
    frmMaturidade = new TfrmMaturidade(&m);
    frmMensagemFEM = new TfrmMensagemFEM(&m); // never shown: each run makes its own
    // frmNovoModelo
    CriaJanela(frmPrescricoes, m, TJanela::Prescricoes);
    frmRelatorio = new TfrmRelatorio(&m);
    frmRelatorio->SetOnCriar([&m](const std::string &arquivo, const TCabecalhoRelatorio &c) {
        EscreveRelatorio(arquivo, m.Modelo(), frmUnidades->GetUnidades(), c);
    });
    m.DefineComando(
        m.Relatrio1,
        [&m] {
            if (!m.Modelo().TemAnalise())
                return;
            frmRelatorio->DefineData();
            m.MostraModal(frmRelatorio);
        },
        TRequisito::Relatorio);
    CriaVista(frmTemperaturaDistancia, m, m.Eixo);
    CriaJanela(frmTempo, m, TJanela::Tempo);
    // Form1: the GiD converter is a command of the main window.
    m.DefineComando(
        m.GidDARV2D1, [&m] { ConverteGidParaZok(&m); }, TRequisito::Nenhum);
    frmTensaoPrincipal = new TfrmTensaoPrincipal(&m);
    LigaFonteResultados(&m);
    CriaJanela(frmAjudaDARV2DAT, m, TJanela::AjudaDARV2DAT);
    frmFuncaoBureauReclamation = new TfrmFuncaoBureauReclamation(&m);
    CriaJanela(frmGravidade, m, TJanela::Gravidade);
    CriaJanela(frmGerentedeRetracao, m, TJanela::GerentedeRetracao);
    frmRetracaoCEB = new TfrmRetracaoCEB(&m);
    frmRetracaoBazant = new TfrmRetracaoBazant(&m);
    frmCoefFluenciaACI = new TfrmCoefFluenciaACI(&m);
    CriaJanela(frmConfiguracoes, m, TJanela::Configuracoes);
}

namespace {

// The vertex, support, load, gravity, creep, shrinkage, layer and initial-strain dialogs to
// their receivers. Layer rows arrive in the user's units and are converted here, once.
void LigaEdicao(TfrmMalha &m) {
    frmCriaDominio->SetOnConfirmar([&m](const std::vector<TNo> &v) { m.CriaDominio(v); });
    frmDefInicial->SetContaNosCapturados([&m] { return m.Modelo().FNosSelecionados.GetTamanho(); });
    frmDefInicial->SetOnConfirmar(
        [&m](bool valorDefinido, bool umGrau, double dx, double dy, bool emY) {
            m.Recebe([&] { m.Modelo().AplicaVinculos(valorDefinido, umGrau, emY, dy, dx); });
        });
    frmForcaExternaDistr->SetOnConfirmar([&m](const TForcaTensional &f) {
        m.Recebe([&] { m.Modelo().AplicaForcaDistribuida(f); });
    });
    frmGravidade->SetOnConfirmar(
        [&m](bool considera) { m.Recebe([&] { m.Modelo().AplicaGravidade(considera); }); });
    frmFluencia->SetModelos(frmEEfetivo, frmFuncaoBureauReclamation, frmCoefFluenciaACI);
    frmFluencia->SetOnConfirmar(
        [&m](const TFluencia *f) { m.Recebe([&] { m.Modelo().AplicaFluencia(f); }); });
    frmGerentedeRetracao->SetModelos(frmRetracaoCEB, frmRetracaoBazant);
    frmGerentedeRetracao->SetOnConfirmar(
        [&m](const TRetracao *r) { m.Recebe([&] { m.Modelo().AplicaRetracao(r); }); });
    frmCamadas->SetDeformInicial(frmDeformInicial);
    frmCamadas->SetOnConfirmar([&m](const std::vector<TCamadaDigitada> &camadas) {
        const TFatoresUnidades &f = m.Modelo().Fatores();
        std::vector<TLinhaCamada> linhas;
        for (const TCamadaDigitada &c : camadas)
            linhas.push_back({ComprimentoParaMetros(f, c.Elevacao), TempoParaHoras(f, c.Instante),
                              TemperaturaParaCelsius(f, c.Temperatura)});
        m.CriaCamadas(linhas);
    });
    frmDeformInicial->SetOnConfirmar([&m](const std::vector<TDeformacaoCamada> &camadas) {
        std::vector<TDeformacaoInicialCamada> d;
        for (const TDeformacaoCamada &c : camadas)
            d.push_back({c.Tem, c.X, c.Y});
        m.AplicaDeformacaoInicial(d);
    });
}

} // namespace

void TJanelas::Liga() {
    TfrmMalha &m = *frmMalha;
    frmUnidades->SetOnMudanca([&m](const TUnidades &escolhidas, const TUnidadesSI &referencia) {
        m.Modelo().AtualizaFatoresUnidades(CalculaFatores(escolhidas, referencia));
    });
    frmUnidades->SetOnDilatacao([&m](int p) { m.Modelo().AplicaPosicaoTemperaturaDilatacao(p); });
    frmUnidades->DisparaMudanca();
    frmForcaExterna->SetOnConfirmar(
        [&m](const TForcaExterna &f) { m.Modelo().AplicaForcaExterna(f); });
    frmForcaInterna->SetOnConfirmar(
        [&m](const TForcaInterna &f) { m.Modelo().AplicaForcaInterna(f); });
    frmMateriais->SetOnConfirmar([&m](const TMaterial &mat) { m.Modelo().AplicaMaterial(mat); });
    frmTempo->SetOnConfirmar([&m](const TTempo &t) { m.Modelo().AplicaTempo(t); });
    frmTempo->SetOnConfirmarTensional(
        [&m](const TTempo &t) { m.Modelo().AplicaTempoTensional(t); });
    frmGradienteConjugados->SetOnConfirmar(
        [&m](const TGradiente &g, bool gradiente) { m.Modelo().AplicaSolver(g, gradiente); });
    auto contaNos = [&m] { return m.Modelo().FNosSelecionados.GetTamanho(); };
    frmCondicoesIniciais->SetOnConfirmar([&m](double t) { m.Modelo().AplicaCondicoesIniciais(t); });
    frmCondicoesIniciais->SetContaNos(contaNos);
    frmPrescricoes->SetOnConfirmar(
        [&m](double t, double ti, double tf) { m.Modelo().AplicaPrescricoes(t, ti, tf); });
    frmPrescricoes->SetContaNos(contaNos);
    frmConfiguracaoMalha->SetOnConfirmar(
        [&m](const TAjustesMalha &a, const TConfiguracaoDesenho &d) {
            m.LeConfiguracaoMalha(a, d);
        });
    frmConfiguracaoMalha->SetEmVigor([&m] { return m.Modelo().AjustesMalha(); });
    m.Modelo().OnAjustesMalha = [](const TAjustesMalha &a) { frmConfiguracaoMalha->Mostra(a); };
    frmConfiguracaoMalha->Dispara();
    frmConfiguracoes->SetOnConfirmar(
        [&m](const TArquivosResultado &a) { m.Modelo().AplicaArquivosResultado(a); });
    frmConfiguracoes->Dispara();
    LigaEdicao(m);
}

TJanelas::TJanelas() {
    Cria();
    frmMalha->OnPrimeiraExibicao = [this] { Liga(); };
}

TJanelas::~TJanelas() {
    // Memory windows opened by the user (their workers joined) and a progress window left open.
    LiberaJanelasInformacoesSistema();
    FechaProgresso();
    LigaFonteResultados(nullptr);
    // The dialogs are children of the main window and go with it.
    delete frmMalha;
    frmMalha = nullptr;
    frmConfiguracaoMalha = nullptr;
    frmConfiguracoes = nullptr;
    frmAjudaDARV2DAT = nullptr;
    frmUnidades = nullptr;
    frmCondicoesIniciais = nullptr;
    frmForcaExterna = nullptr;
    frmForcaInterna = nullptr;
    frmUsuario = nullptr;
    frmFuncaoDiscreta = nullptr;
    frmGradienteConjugados = nullptr;
    frmMateriais = nullptr;
    frmMaturidade = nullptr;
    frmPrescricoes = nullptr;
    frmTempo = nullptr;
    frmCamadas = nullptr;
    frmCriaDominio = nullptr;
    frmDefInicial = nullptr;
    frmDeformInicial = nullptr;
    frmEEfetivo = nullptr;
    frmForcaExternaDistr = nullptr;
    frmFluencia = nullptr;
    frmFuncaoBureauReclamation = nullptr;
    frmGravidade = nullptr;
    frmGerentedeRetracao = nullptr;
    frmRetracaoCEB = nullptr;
    frmRetracaoBazant = nullptr;
    frmCoefFluenciaACI = nullptr;
    frmIsocores = nullptr;
    frmGraficoTemperaturaTempo = nullptr;
    frmGraficoTensaoTempo = nullptr;
    frmTemperaturaDistancia = nullptr;
    frmTensaoPrincipal = nullptr;
}

TfrmMalha &TJanelas::Principal() const {
    return *frmMalha;
}
