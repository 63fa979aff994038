// The model the main window owns: the domain mesh and its drawing, the layered model and its
// drawing, both analyses, the user's subdomains and the selections; its life cycle (new, open,
// import, save, re-mesh, layers, free) and the receivers that install the data the dialogs
// hand over. No Qt: the program binds the canvas, the progress display and the caption.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Ajustes.h"
#include "ConfiguracaoDesenho.h"
#include "ConversaoUnidades.h"
#include "MemoriaSistema.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

// Progress of the long model operations (mesh generation, layers): the program shows a
// progress window; Fecha is called on every path once Abre was.
class IProgressoModelo {
public:
    virtual ~IProgressoModelo() = default;
    virtual void Abre(const std::string &titulo) = 0;
    virtual void DefineFaixa(int n) = 0;
    virtual void Avanca() = 0;
    virtual void Fecha() = 0;
};

// What the drawing shows (the display buttons of the main window).
struct TOpcoesDesenho {
    bool Elementos = true, NumElementos = false, Nos = true, NumNos = false, Arestas = false,
         Contornos = false;
};

// One row of the layers dialog: elevation, placement time and placement temperature.
struct TLinhaCamada {
    double Elevacao = 0.0, Instante = 0.0, Temperatura = 0.0;
};

// Initial strains of one layer (the layers' initial-strain dialog).
struct TDeformacaoInicialCamada {
    bool Tem = false;
    double X = 0.0, Y = 0.0;
};

class TModelo {
public:
    // The canvas of the picture (not owned).
    explicit TModelo(TCanvas *imagem);
    ~TModelo();
    TModelo(const TModelo &) = delete;
    TModelo &operator=(const TModelo &) = delete;

    // ---- Life cycle ------------------------------------------------------------------------
    // Frees the whole model: analyses, layers and drawings, subdomains, selections and the
    // engine-facing state's references to them.
    void LiberaModelo();
    // A new domain through the vertices, meshed, with new analyses. Throws, leaving the model
    // as it was, when the vertices enclose no area.
    void CriaDominio(std::span<const TNo> vertices);
    // Reads a domain file into a new, unmeshed model. A failure throws and leaves the model as
    // it was.
    void AbreDominio(const std::string &arquivo);
    // Reads a mesh file (domain, nodes, elements, mesh settings) into a new model without
    // analyses. A failure throws and leaves the model and the mesh settings as they were.
    void ImportaMalha(const std::string &arquivo);
    // Writes the current mesh to a mesh file. False without a mesh; an empty mesh (no node) is
    // never written: EInOutError with RecusaSalvarMalha's text.
    bool SalvaMalha(const std::string &arquivo) const;
    // Why the mesh shown cannot be saved; empty when it can.
    std::string RecusaSalvarMalha() const;
    // Divisions from the mesh settings, then the current mesh generated into a new mesh
    // (progress "Gerando Malha...") that replaces it, and the caption set to its element and
    // node counts; the analyses, built on the old mesh, are freed. False, with the mesh, its
    // drawing and the analyses as they were, when there is no mesh or the generator refused the
    // settings (it said why).
    bool GeraMalha();
    // GeraMalha, then new analyses of the mode's classes with the subdomains rebuilt, and the
    // drawing in the settings' colours. False, with nothing changed, when GeraMalha was.
    bool RefazMalha();
    // Stage k's mesh generated with the current divisions into a new mesh; none when the
    // generator refused the settings. The stage, its mesh and its file stay as they were.
    std::unique_ptr<TMalha> GeraMalhaEtapa(int k, TMalha::TEventoProgresso progresso,
                                           TMalha::TEventoDivisoes divisoes);
    // Writes a mesh GeraMalhaEtapa gave to stage k's file and reads it into the stage's mesh.
    void InstalaMalhaEtapa(int k, const TMalha &malha);
    // Layered model from the domain mesh and the rows (elevations in order). False without a
    // mesh or without rows. Throws, leaving the model as it was, without subdomains or with a
    // first elevation not above the domain's bottom.
    bool CriaCamadas(const std::vector<TLinhaCamada> &linhas);
    // Closes a subdomain through the listed domain vertices (numbers, in order); it becomes
    // current. The captured nodes stay as they were. Returns its number, 0 when nothing was added
    // (no mesh, fewer than three vertices or a number that is no vertex).
    int AdicionaSubDominio(const std::vector<int> &vertices);
    // Frees every subdomain of the list; the analyses keep none either.
    void LiberaSubDominios();

    // ---- Settings ---------------------------------------------------------------------------
    // Mesh settings confirmed: in force for the generator from now on, divisions to the current
    // mesh (every stage in layered mode), colours to the drawing, redrawn. Without a mesh they
    // are only stored.
    void LeConfiguracaoMalha(const TAjustesMalha &ajustes, const TConfiguracaoDesenho &desenho);
    // The mesh settings in force: the last confirmed, or those a mesh file brought.
    TAjustesMalha AjustesMalha() const;
    // Fired when a mesh file brought its settings in, or a refused one put them back.
    std::function<void(const TAjustesMalha &)> OnAjustesMalha;
    // Result files confirmed: the runs write their steps under these names from now on.
    void AplicaArquivosResultado(const TArquivosResultado &arquivos);
    // Units confirmed: the factors applied from now on.
    void AtualizaFatoresUnidades(const TFatoresUnidades &fatores) { FFatores = fatores; }
    const TFatoresUnidades &Fatores() const { return FFatores; }
    // Position of the expansion coefficient's temperature unit in the units dialog's list
    // (CELSIUS, FAHRENHEIT, KELVIN, RANKINE), for the stress run.
    void AplicaPosicaoTemperaturaDilatacao(int posicao);

    // ---- Receivers ----------------------------------------------------------------------------
    void AplicaMaterial(const TMaterial &material);
    void AplicaForcaInterna(const TForcaInterna &fonte);
    void AplicaForcaExterna(const TForcaExterna &forca);
    void AplicaTempo(const TTempo &tempo);
    void AplicaTempoTensional(const TTempo &tempo);
    // A direct solver unless `gradiente`, with the settings of `solver`.
    void AplicaSolver(const TGradiente &solver, bool gradiente);
    void AplicaCondicoesIniciais(double temperatura);
    void AplicaPrescricoes(double temperatura, double inicio, double fim);
    // The gravity dialog's answer: the own-weight load the stress run obeys is switched on or
    // off. It outlives a new model, as the answer does.
    void AplicaGravidade(bool considera);
    // None: the creep dialog was cancelled.
    void AplicaFluencia(const TFluencia *fluencia);
    void AplicaRetracao(const TRetracao *retracao);
    void AplicaForcaDistribuida(const TForcaTensional &forca);
    void AplicaVinculos(bool prescritos, bool restricao1, bool restricao2, double valor1,
                        double valor2);
    void AplicaDeformacaoInicial(const std::vector<TDeformacaoInicialCamada> &camadas);

    // ---- Data a run cannot do without ---------------------------------------------------------
    // Why the thermal run (the stress run) cannot start for want of data, naming the command
    // that gives it; empty when nothing is missing. Both need the time axis and a material for
    // the domain (for every subdomain when there are several, for every zone of the layers);
    // the stress run also needs supports (on every stage of the layers).
    std::string DadoFaltanteTermica() const;
    std::string DadoFaltanteTensional() const;

    // ---- Drawing ------------------------------------------------------------------------------
    // Clears the picture to the background colour and draws the current mesh as the options
    // say (elements, boundary elements, nodes, edges).
    void DesenhaMalha();
    // Clears the picture to the background colour.
    void LimpaDesenho();
    // The plot in use: the layered one in layered mode, else the mesh's.
    TMalhaPlot *Plot() const;

    // ---- Queries ------------------------------------------------------------------------------
    bool TemMalha() const { return FMalha != nullptr; }
    bool TemAnalise() const { return FAnalise != nullptr; }
    bool Camadas() const { return FModo == 1; }
    TMalha *MalhaDominio() const { return FMalhaDominio.get(); }
    int GetNumSubDominios() const { return int(FSubDominios.size()); }
    // Subdomain i of the list (1-based).
    TDominio *GetSubDominio(int i) const { return FSubDominios[std::size_t(i - 1)].get(); }
    // The thermal analysis' subdomain that receives dialog data, or none.
    TDominio *SubDominioAtual() const;
    // The zone of FMaterialAtual, or none.
    TDominio *CamadaAtual() const;
    // The stage FEtapaAtual, or none.
    TDominio *EtapaAtual() const;
    // The own-weight load, or none before the first answer.
    const TForcaTensional *PesoProprio() const { return FPesoProprio.get(); }

    // ---- State (read by the views, the report, the runs and the tools) ---------------------
    int FModo = 0;            // 0 single domain, 1 layered
    TMalha *FMalha = nullptr; // current mesh: the domain's or the current stage's (not owned)
    std::unique_ptr<TCamadas> FCamadas;
    std::unique_ptr<TMalhaPlotCamadas> FPlotCamadas;
    std::unique_ptr<TAnalise> FAnalise;
    std::unique_ptr<TAnaliseTensional> FAnaliseTensional;
    std::unique_ptr<TMalhaPlot> FPlot;
    TVetorInteiro FNosSelecionados, FArestasSelecionadas;
    int FSubDominioAtual = 1, FEtapaAtual = 1, FNumEtapas = 0, FMaterialAtual = 1;
    TNo FNoCursor{1, 0.0, 0.0};
    int FNoCapturado = 1, FElementoCapturado = 0;
    // Tool modes the receivers consult, and the two ends of the line tool (world points).
    bool FDefineReta = false, FRetanguloArestasEtapas = false;
    TPontoReal FInicioReta, FFimReta;
    // The line was ended (a right release after its start).
    bool FRetaTerminada = false;
    // Placement temperature of every layer, as the layers dialog gave them.
    TVetor FTemperaturasCamadas;
    TConfiguracaoDesenho Desenho;
    TOpcoesDesenho Opcoes;

    // The file the current domain or mesh was read from; empty when it was typed or drawn.
    std::string ArquivoDominio;
    // A stress receiver installed data into the current stress analysis.
    bool DadosTensionais = false;
    // The current analyses got a time axis (thermal, stress) and the domain a material from
    // their dialogs.
    bool TempoDefinido = false, TempoTensionalDefinido = false, MaterialDefinido = false;
    // Single domain: the initial temperature given last (Celsius), its one layer's placement
    // temperature in the report.
    double TemperaturaInicial = 0.0;

    // Bound by the program (none in plain use).
    IProgressoModelo *Progresso = nullptr;
    // The memory tool the runs consult, its rule fired by the memory window.
    TFerramentaMemoria FerramentaMemoria;

private:
    // Opens the progress display and closes it when it goes out of scope.
    class TProgressoAberto;

    void LiberaAnalises();
    void CriaAnalises();
    void AplicaCores();
    // Swaps a read mesh in as the new single-domain model and draws its edges.
    void InstalaMalha(std::unique_ptr<TMalha> malha);
    // Installs a mesh read from `arquivo` and draws it with its edges.
    void InstalaMalhaLida(std::unique_ptr<TMalha> malha, const std::string &arquivo);
    // The analysis-side copy of subdomain i: a new domain through its vertices with its edges'
    // interior flags.
    std::unique_ptr<TDominio> CopiaSubDominio(int i) const;
    void AtualizaFluenciaAtiva();
    // The mesh settings to the engine-facing record the generator and the mesh file read.
    void GuardaAjustesMalha(const TAjustesMalha &ajustes);
    void DesenhaApoio(const TPonto &p, bool restricao1, bool restricao2);
    void DesenhaDeslocamento(const TPonto &p);
    void DesenhaForcaDistribuida(const TForcaTensional &forca);

    TCanvas *FImagem;
    std::unique_ptr<TMalha> FMalhaDominio;
    std::vector<std::unique_ptr<TDominio>> FSubDominios;
    // The separate subdomain objects handed to the analyses (the analyses do not own them).
    std::vector<std::unique_ptr<TDominio>> FSubDominiosAnalise;
    std::unique_ptr<TForcaTensional> FPesoProprio; // bound in the engine-facing state
    // The solver in force (the solver dialog's until it is confirmed) and whether it is the
    // iterative one; every new analysis takes it.
    std::unique_ptr<TGradiente> FSolver = std::make_unique<TGradiente>(100, 0.001);
    bool FUsaGradiente = true;
    void InstalaSolver();
    TFatoresUnidades FFatores;
};
