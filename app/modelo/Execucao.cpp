#include "Execucao.h"

#include "Modelo.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

#include <cstdio>

namespace {

bool gEmCurso = false;

std::string Formata(const char *formato, int a) {
    char texto[64];
    std::snprintf(texto, sizeof texto, formato, a);
    return texto;
}

std::string Formata(const char *formato, int a, int b) {
    char texto[64];
    std::snprintf(texto, sizeof texto, formato, a, b);
    return texto;
}

// Closes the progress window on every path.
class TProgressoAberto {
public:
    TProgressoAberto(IJanelasExecucao &j, bool painel, const std::string &titulo, int n)
        : janelas_(j), progresso_(j.AbreProgresso(painel, titulo, n)) {}
    ~TProgressoAberto() { janelas_.FechaProgresso(); }
    TProgressoAberto(const TProgressoAberto &) = delete;
    TProgressoAberto &operator=(const TProgressoAberto &) = delete;
    IProgresso &operator*() { return progresso_; }

private:
    IJanelasExecucao &janelas_;
    IProgresso &progresso_;
};

// Binds a mesh's progress events to the progress window for its lifetime.
class TEventosMalha {
public:
    TEventosMalha(TMalha *malha, IProgresso &p) : malha_(malha) {
        if (!malha_)
            return;
        malha_->SetOnProgresso([&p](TMalha *) { p.Avanca(); });
        malha_->SetOnDivisoes([&p](TMalha *, int n) { p.DefineFaixaElementos(n); });
    }
    ~TEventosMalha() {
        if (!malha_)
            return;
        malha_->SetOnProgresso(nullptr);
        malha_->SetOnDivisoes(nullptr);
    }
    TEventosMalha(const TEventosMalha &) = delete;
    TEventosMalha &operator=(const TEventosMalha &) = delete;

private:
    TMalha *malha_;
};

} // namespace

bool ExecucaoEmCurso() {
    return gEmCurso;
}

TExecucaoEmCurso::TExecucaoEmCurso() : anterior_(gEmCurso) {
    gEmCurso = true;
}

TExecucaoEmCurso::~TExecucaoEmCurso() {
    gEmCurso = anterior_;
}

std::string MensagemTemperaturaMaxima() {
    const TEstadoInterface &e = Estado();
    const char sep = DecimalSeparator();
    return "Temperatura Máxima= " + FormatFixo(e.TemperaturaMaxima, 0, 2, sep) +
           "°C na idade de: " + FloatToStr(e.IdadeTemperaturaMaxima, sep) +
           "horas, e no Nó: " + std::to_string(e.NoTemperaturaMaxima);
}

std::string MensagemTensaoMaxima() {
    const TEstadoInterface &e = Estado();
    return "Tensão Máxima de Tração= " +
           FormatFixo(e.TensaoMaximaTracao, 0, 2, DecimalSeparator()) +
           "MPa no Elemento: " + std::to_string(e.ElementoTensaoMaxima);
}

// ---------------------------------------------------------------------------------------------

TExecucao::TExecucao(TModelo &modelo, IJanelasExecucao &janelas)
    : modelo_(modelo), janelas_(janelas) {}

TExecucao::~TExecucao() {
    if (temperaturasCamadas_ && Estado().FTemperaturasCamadas == temperaturasCamadas_.get())
        Estado().FTemperaturasCamadas = nullptr;
}

void TExecucao::ModeloAlterado() {
    termicaConcluida_ = tensionalConcluida_ = tensionalPermitida_ = false;
    etapasGeradas_.clear();
    if (temperaturasCamadas_ && Estado().FTemperaturasCamadas == temperaturasCamadas_.get())
        Estado().FTemperaturasCamadas = nullptr;
    temperaturasCamadas_.reset();
    janelas_.EstadoAlterado();
}

void TExecucao::DescartaResultados() {
    termicaConcluida_ = tensionalConcluida_ = tensionalPermitida_ = false;
    janelas_.ResultadosDescartados();
    janelas_.EstadoAlterado();
}

template <class TAnaliseT> void TExecucao::Executa(TAnaliseT &analise) {
    TAnalise &termica = *modelo_.FAnalise;
    TProgressoAberto progresso(janelas_, true, "Fase de Processamento...",
                               termica.GetDominio()->GetNumElementos());
    IProgresso &p = *progresso;
    analise.SetOnInicio([&p](int n) { p.DefineFaixaPassos(n); });
    analise.SetOnPasso([&p](TTempo &t) { p.MostraTempo(t.GetTempoAtual()); });
    analise.SetOnElemento([&p](int e) { p.MostraElemento(e); });
    analise.SetOnMemoria([&p](int mb) { p.MostraMemoria(mb); });
    struct TDesliga {
        TAnaliseT &a;
        ~TDesliga() {
            a.SetOnInicio(nullptr);
            a.SetOnPasso(nullptr);
            a.SetOnElemento(nullptr);
            a.SetOnMemoria(nullptr);
        }
    } desliga{analise};
    analise.Executa();
}

void TExecucao::IniciaAnaliseTermica() {
    if (ExecucaoEmCurso() || !modelo_.FAnalise)
        return;
    if (!janelas_.Confirma("Confirma o início da análise térmica?"))
        return;
    if (const std::string falta = modelo_.DadoFaltanteTermica(); !falta.empty()) {
        janelas_.Erro(falta);
        return;
    }
    TExecucaoEmCurso emCurso;
    // A run that fails leaves step files of two runs behind: nothing may read them.
    termicaConcluida_ = tensionalPermitida_ = false;
    janelas_.EstadoAlterado();
    if (modelo_.FModo == 1 && modelo_.FCamadas) {
        modelo_.FEtapaAtual = 1;
        GeraMalhaEtapa();
    }
    Executa(*modelo_.FAnalise);
    janelas_.Informa(MensagemTemperaturaMaxima());
    termicaConcluida_ = tensionalPermitida_ = true;
    janelas_.EstadoAlterado();
}

void TExecucao::IniciaAnaliseTensional() {
    if (ExecucaoEmCurso() || !modelo_.FAnalise || !tensionalPermitida_)
        return;
    if (!janelas_.Confirma("Confirma o início da análise tensional?"))
        return;
    if (!modelo_.FAnaliseTensional) {
        janelas_.Erro("Favor inserir dados antes de iniciar Análise Tensional.");
        return;
    }
    if (const std::string falta = modelo_.DadoFaltanteTensional(); !falta.empty()) {
        janelas_.Erro(falta);
        return;
    }
    TExecucaoEmCurso emCurso;
    tensionalConcluida_ = false;
    janelas_.EstadoAlterado();
    TEstadoInterface &estado = Estado();
    if (modelo_.FModo == 1 && modelo_.FCamadas) {
        modelo_.FEtapaAtual = 1;
        GeraMalhaEtapa();
        const int n = modelo_.FCamadas->GetNumEtapas();
        auto temperaturas = std::make_unique<TVetor>(n);
        if (auto *camadas = dynamic_cast<TAnaliseCamadas *>(modelo_.FAnalise.get()))
            for (int i = 1; i <= n; ++i)
                (*temperaturas)[i] = camadas->GetTemperaturaCamada(i);
        temperaturasCamadas_ = std::move(temperaturas);
        estado.FTemperaturasCamadas = temperaturasCamadas_.get();
    } else {
        // The first step measures thermal strain from the thermal run's initial temperatures.
        estado.FTemperaturasIniciais = &modelo_.FAnalise->GetVetorTemperaturasIniciais();
    }
    Executa(*modelo_.FAnaliseTensional);
    janelas_.Informa(MensagemTensaoMaxima());
    tensionalConcluida_ = true;
    janelas_.EstadoAlterado();
}

void TExecucao::NovaAnaliseTermica() {
    if (ExecucaoEmCurso() || !modelo_.FAnalise)
        return;
    modelo_.FAnalise->Libera();
    if (modelo_.FModo == 1 && modelo_.FCamadas)
        for (int k = 1; k <= modelo_.FCamadas->GetNumEtapas(); ++k)
            modelo_.FCamadas->GetEtapa(k)->ForcasExternas.clear();
    janelas_.Informa("Programa pronto para nova análise térmica.");
    tensionalPermitida_ = false;
    janelas_.EstadoAlterado();
}

void TExecucao::NovaAnaliseTensional() {
    if (ExecucaoEmCurso() || !modelo_.FAnaliseTensional)
        return;
    modelo_.FAnaliseTensional->Libera();
    if (temperaturasCamadas_ && Estado().FTemperaturasCamadas == temperaturasCamadas_.get())
        Estado().FTemperaturasCamadas = nullptr;
    temperaturasCamadas_.reset();
    janelas_.Informa("Programa pronto para nova análise tensional.");
    janelas_.EstadoAlterado();
}

// ---------------------------------------------------------------------------------------------
// Stage meshes

void TExecucao::MostraMalhaEtapa(int k) {
    TMalha *malha = modelo_.FCamadas->GetEtapa(k)->GetMalha();
    modelo_.FMalha = malha;
    if (modelo_.FPlotCamadas)
        modelo_.FPlotCamadas->SetMalha(malha);
    janelas_.Redesenha();
    janelas_.Titulo(Formata("NEM = %d; NN = %d", malha->GetNumElementos(), malha->GetNumNos()));
}

TExecucao::TGeracaoEtapa TExecucao::GeracaoAtual() const {
    const TAjustesMalha c = modelo_.AjustesMalha();
    return {true, c.Nx, c.Ny, c.Exponencial, c.PorDmax, c.Dmax};
}

bool TExecucao::SalvaMalhaEtapa(int k) {
    TCamadas &camadas = *modelo_.FCamadas;
    TProgressoAberto progresso(janelas_, false, Formata("Gerando Etapa %d ...", k), 0);
    IProgresso &p = *progresso;
    const TGeracaoEtapa geracao = GeracaoAtual();
    std::unique_ptr<TMalha> nova = modelo_.GeraMalhaEtapa(
        k, [&p](TMalha *) { p.Avanca(); }, [&p](TMalha *, int n) { p.DefineFaixaElementos(n); });
    if (!nova)
        return false;
    // The step files of the runs belong to the mesh being replaced.
    DescartaResultados();
    modelo_.InstalaMalhaEtapa(k, *nova);
    if (etapasGeradas_.size() < std::size_t(camadas.GetNumEtapas()))
        etapasGeradas_.resize(std::size_t(camadas.GetNumEtapas()));
    etapasGeradas_[std::size_t(k - 1)] = geracao;
    MostraMalhaEtapa(k);
    return true;
}

void TExecucao::RecarregaEtapaMostrada() {
    if (ExecucaoEmCurso() || modelo_.FModo != 1 || !modelo_.FCamadas)
        return;
    const int k = modelo_.FEtapaAtual;
    if (k < 1 || k > modelo_.FCamadas->GetNumEtapas() || std::size_t(k) > etapasGeradas_.size() ||
        !etapasGeradas_[std::size_t(k - 1)].Gerada)
        return;
    TDominio &etapa = *modelo_.FCamadas->GetEtapa(k);
    if (etapa.GetMalha()->GetNumNos() > 0)
        return;
    try {
        modelo_.FCamadas->LeMalhaEtapa(k);
    } catch (const std::exception &) {
        // Nothing to show: the outline alone is drawn, and a run reports the file.
        etapa.GetMalha()->LimpaMalha();
        etapa.CriaElementos();
    }
}

void TExecucao::GaranteMalhasEtapas() {
    const int n = modelo_.FCamadas->GetNumEtapas();
    for (int k = 1; k <= n; ++k)
        if (std::size_t(k) > etapasGeradas_.size() || !etapasGeradas_[std::size_t(k - 1)].Gerada)
            if (!SalvaMalhaEtapa(k))
                throw Exception(Formata("A malha da etapa %d não pôde ser gerada.", k));
}

void TExecucao::GeraMalhaEtapa() {
    // A stage file left by another model (or none at all) must not be read as this one's.
    GaranteMalhasEtapas();
    const int k = modelo_.FEtapaAtual;
    TCamadas &camadas = *modelo_.FCamadas;
    {
        TProgressoAberto progresso(janelas_, false, Formata("Gerando Etapa %d ...", k), 0);
        TEventosMalha eventos(camadas.GetEtapa(k)->GetMalha(), *progresso);
        camadas.CarregaMalhaEtapa(k);
    }
    MostraMalhaEtapa(k);
}

void TExecucao::GeraMalhaEtapaAtual() {
    if (ExecucaoEmCurso() || modelo_.FModo != 1 || !modelo_.FCamadas)
        return;
    const int k = modelo_.FEtapaAtual;
    if (k < 1 || k > modelo_.FCamadas->GetNumEtapas())
        return;
    TExecucaoEmCurso emCurso;
    const TAjustesMalha ajustes = modelo_.AjustesMalha();
    modelo_.FCamadas->SetNx(ajustes.Nx);
    modelo_.FCamadas->SetNy(ajustes.Ny);
    // A stage meshed with other settings is meshed again; a refusal keeps its file.
    if (std::size_t(k) <= etapasGeradas_.size() && etapasGeradas_[std::size_t(k - 1)].Gerada &&
        !(etapasGeradas_[std::size_t(k - 1)] == GeracaoAtual()))
        SalvaMalhaEtapa(k);
    GeraMalhaEtapa();
}

void TExecucao::GeraMalhasEtapas() {
    if (ExecucaoEmCurso() || modelo_.FModo != 1 || !modelo_.FCamadas)
        return;
    TExecucaoEmCurso emCurso;
    const int n = modelo_.FCamadas->GetNumEtapas();
    for (int k = 1; k <= n; ++k)
        if (!SalvaMalhaEtapa(k))
            break;
    if (modelo_.FAnaliseTensional)
        modelo_.FAnaliseTensional->SetNumCamadasLeis(modelo_.FCamadas->GetNumZonas());
}
