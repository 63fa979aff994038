#include "Janelas.h"

#include "uCondicoesIniciais.h"
#include "uConfiguracaoMalha.h"
#include "uConfiguracoes.h"
#include "uDARV_2D.h"
#include "uEstadoInterface.h"
#include "uForcaExterna.h"
#include "uForcaInterna.h"
#include "uFuncaoDiscreta.h"
#include "uGradienteConjugados.h"
#include "uInformacoesSistema.h"
#include "uLibUnidades.h"
#include "uMateriais.h"
#include "uMaturidade.h"
#include "uMensagemFEM.h"
#include "uPrescricoes.h"
#include "uTela.h"
#include "uTempo.h"
#include "uUnidades.h"
#include "uUsuario.h"

// Start-up order. A window not built yet keeps its place as a comment; its commands stay
// disabled until a line here creates and registers it.
void TJanelas::Cria() {
    frmMalha = new TfrmMalha;
    TfrmMalha &m = *frmMalha;
    frmUnidades = new TfrmUnidades(&m);
    m.DefineJanela(TJanela::Unidades, frmUnidades);
    // frmCamadas
    frmCondicoesIniciais = new TfrmCondicoesIniciais(&m);
    m.DefineJanela(TJanela::CondicoesIniciais, frmCondicoesIniciais);
    frmConfiguracaoMalha = new TfrmConfiguracaoMalha(&m);
    m.DefineJanela(TJanela::ConfiguracaoMalha, frmConfiguracaoMalha);
    // frmCriaDominio
    // frmDefInicial
    // frmDeformInicial
    // frmEEfetivo
    frmForcaExterna = new TfrmForcaExterna(&m);
    m.DefineJanela(TJanela::ForcaExterna, frmForcaExterna);
    // frmForcaExternaDistr
    frmForcaInterna = new TfrmForcaInterna(&m);
    m.DefineJanela(TJanela::ForcaInterna, frmForcaInterna);
    frmUsuario = new TfrmUsuario(&m);
    frmFuncaoDiscreta = new TfrmFuncaoDiscreta(&m);
    // frmFluencia
    frmGradienteConjugados = new TfrmGradienteConjugados(&m);
    m.DefineJanela(TJanela::GradienteConjugados, frmGradienteConjugados);
    // frmIsocores
    // frmGraficoTemperaturaTempo
    // frmGraficoTensaoTempo
    frmInformacoesSistema = new TfrmInformacoesSistema(&m);
    frmMateriais = new TfrmMateriais(&m);
    m.DefineJanela(TJanela::Materiais, frmMateriais);
    frmMaturidade = new TfrmMaturidade(&m);
    frmMensagemFEM = new TfrmMensagemFEM(&m); // never shown: each run makes its own
    // frmNovoModelo
    frmPrescricoes = new TfrmPrescricoes(&m);
    m.DefineJanela(TJanela::Prescricoes, frmPrescricoes);
    // frmRelatorio
    // frmTemperaturaDistancia
    frmTempo = new TfrmTempo(&m);
    m.DefineJanela(TJanela::Tempo, frmTempo);
    // Form1 (GiD converter)
    // frmTensaoPrincipal
    frmAjudaDARV2DAT = new TfrmAjudaDARV2DAT(&m);
    m.DefineJanela(TJanela::AjudaDARV2DAT, frmAjudaDARV2DAT);
    // frmFuncaoBureauReclamation
    // frmGravidade
    // frmGerentedeRetracao
    // frmRetracaoCEB
    // frmRetracaoBazant
    // frmCoefFluenciaACI
    frmConfiguracoes = new TfrmConfiguracoes(&m);
    m.DefineJanela(TJanela::Configuracoes, frmConfiguracoes);
}

void TJanelas::Liga() {
    TfrmMalha &m = *frmMalha;
    frmUnidades->SetOnMudanca([&m](const TUnidades &escolhidas, const TUnidadesSI &referencia) {
        m.Modelo().AtualizaFatoresUnidades(CalculaFatores(escolhidas, referencia));
        frmConfiguracaoMalha->SetUnidadeComprimento(
            QString::fromStdString(escolhidas.GetComprimento().GetSimbolo()));
    });
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
        [&m](const TfrmConfiguracaoMalha &d) { m.LeConfiguracaoMalha(d.Desenho()); });
}

TJanelas::TJanelas() {
    Cria();
    // The memory window the engine lets go at the end of a run is freed.
    LigaLiberacaoInformacoesSistema();
    frmMalha->OnPrimeiraExibicao = [this] { Liga(); };
}

TJanelas::~TJanelas() {
    // Memory windows opened by the user (their workers joined) and a progress window left open.
    LiberaJanelasInformacoesSistema();
    FechaProgresso();
    Estado().OnLiberaInformacoesSistema = nullptr;
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
}

TfrmMalha &TJanelas::Principal() const {
    return *frmMalha;
}
