#include "Janelas.h"

#include "uConfiguracaoMalha.h"
#include "uConfiguracoes.h"
#include "uDARV_2D.h"
#include "uTela.h"
#include "uUnidades.h"

// Start-up order. A window not built yet keeps its place as a comment; its commands stay
// disabled until a line here creates and registers it.
void TJanelas::Cria() {
    frmMalha = new TfrmMalha;
    TfrmMalha &m = *frmMalha;
    frmUnidades = new TfrmUnidades(&m);
    m.DefineJanela(TJanela::Unidades, frmUnidades);
    // frmCamadas
    // frmCondicoesIniciais
    frmConfiguracaoMalha = new TfrmConfiguracaoMalha(&m);
    m.DefineJanela(TJanela::ConfiguracaoMalha, frmConfiguracaoMalha);
    // frmCriaDominio
    // frmDefInicial
    // frmDeformInicial
    // frmEEfetivo
    // frmForcaExterna
    // frmForcaExternaDistr
    // frmForcaInterna
    // frmUsuario
    // frmFuncaoDiscreta
    // frmFluencia
    // frmGradienteConjugados
    // frmIsocores
    // frmGraficoTemperaturaTempo
    // frmGraficoTensaoTempo
    // frmInformacoesSistema
    // frmMateriais
    // frmMaturidade
    // frmMensagemFEM
    // frmNovoModelo
    // frmPrescricoes
    // frmRelatorio
    // frmTemperaturaDistancia
    // frmTempo
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
    });
    frmUnidades->DisparaMudanca();
    frmConfiguracaoMalha->SetOnConfirmar(
        [&m](const TfrmConfiguracaoMalha &d) { m.LeConfiguracaoMalha(d.Desenho()); });
}

TJanelas::TJanelas() {
    Cria();
    frmMalha->OnPrimeiraExibicao = [this] { Liga(); };
}

TJanelas::~TJanelas() {
    // The dialogs are children of the main window and go with it.
    delete frmMalha;
    frmMalha = nullptr;
    frmConfiguracaoMalha = nullptr;
    frmConfiguracoes = nullptr;
    frmAjudaDARV2DAT = nullptr;
    frmUnidades = nullptr;
}

TfrmMalha &TJanelas::Principal() const {
    return *frmMalha;
}
