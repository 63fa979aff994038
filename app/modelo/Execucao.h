// The analysis runs of the main window: thermal and stress runs with their progress display and
// maxima messages, the stage meshes of the layered model, the new-analysis commands, and what
// the run commands' enabling depends on. Runs are synchronous; while one (or a stage-mesh
// generation) is under way every command of the main window is refused.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Progresso.h"
#include "uMatematica.h"

class TModelo;

// What the runs need of the program's windows.
class IJanelasExecucao {
public:
    virtual ~IJanelasExecucao() = default;
    // Confirmation with Sim and Não; true for Sim.
    virtual bool Confirma(const std::string &texto) = 0;
    virtual void Informa(const std::string &texto) = 0;
    virtual void Erro(const std::string &texto) = 0;
    // Opens the progress window (closing any other); it stays valid until FechaProgresso.
    virtual IProgresso &AbreProgresso(bool painel, const std::string &titulo, int numElementos) = 0;
    virtual void FechaProgresso() = 0;
    // The picture shows the current mesh again.
    virtual void Redesenha() = 0;
    // Main window caption: "ZOK-2D - " + text.
    virtual void Titulo(const std::string &texto) = 0;
    // The run state changed: the commands follow it.
    virtual void EstadoAlterado() = 0;
    // A mesh the results were computed on was rewritten: what the window shows of the last
    // runs (the report) goes back to its start state.
    virtual void ResultadosDescartados() = 0;
};

// True while a run or a stage-mesh generation is under way.
bool ExecucaoEmCurso();

// Marks a run under way for its lifetime.
class TExecucaoEmCurso {
public:
    TExecucaoEmCurso();
    ~TExecucaoEmCurso();
    TExecucaoEmCurso(const TExecucaoEmCurso &) = delete;
    TExecucaoEmCurso &operator=(const TExecucaoEmCurso &) = delete;

private:
    bool anterior_;
};

// "Temperatura Máxima= 61,24°C na idade de: 36,5horas, e no Nó: 412" from the state's maxima,
// with the user's decimal separator.
std::string MensagemTemperaturaMaxima();
// "Tensão Máxima de Tração= 1,50MPa no Elemento: 7".
std::string MensagemTensaoMaxima();

class TExecucao {
public:
    TExecucao(TModelo &modelo, IJanelasExecucao &janelas);
    ~TExecucao();
    TExecucao(const TExecucao &) = delete;
    TExecucao &operator=(const TExecucao &) = delete;

    // "Iniciar Análise Térmica" and "Iniciar Análise Tensional". A run that lacks data is
    // refused with a message naming the command that gives it. An error of the analysis
    // closes the progress window and is thrown on; no message follows and the state stays.
    void IniciaAnaliseTermica();
    void IniciaAnaliseTensional();
    // "Nova Análise Térmica" and "Nova Análise Tensional".
    void NovaAnaliseTermica();
    void NovaAnaliseTensional();
    // Layered model: "Gera malha" (the current stage's mesh, generated again when the mesh
    // settings changed since its file was written) and "Gera todas SubMalhas". Rewriting a
    // stage mesh returns the runs to their start state; settings the generator refuses keep
    // the stage's mesh and file (and the runs) as they were.
    void GeraMalhaEtapaAtual();
    void GeraMalhasEtapas();

    // The model was replaced or re-meshed: back to the start state.
    void ModeloAlterado();

    // A thermal run ended on the current model (result views, stress run, new thermal
    // analysis); a stress run ended (new stress analysis).
    bool TermicaConcluida() const { return termicaConcluida_; }
    bool TensionalConcluida() const { return tensionalConcluida_; }
    // Whether the stress run may start: a thermal run ended and no new thermal analysis since.
    bool TensionalPermitida() const { return tensionalPermitida_; }

    // A layered run or result view keeps only the stage it works on in memory: the stage shown,
    // when its mesh was generated for this model and is empty, is read back from its file (not
    // during a run).
    void RecarregaEtapaMostrada();

private:
    // Loads stage FEtapaAtual's mesh from its file (generated first when this layers model has
    // not generated it yet).
    void GeraMalhaEtapa();
    // The settings a stage mesh is generated with.
    struct TGeracaoEtapa {
        bool Gerada = false;
        int Nx = 0, Ny = 0;
        bool Exponencial = false, PorDmax = false;
        double Dmax = 0.0;
        bool operator==(const TGeracaoEtapa &) const = default;
    };
    TGeracaoEtapa GeracaoAtual() const;

    // Generates and stores stage k's mesh; false, with nothing changed, when the generator
    // refused the settings.
    bool SalvaMalhaEtapa(int k);
    void GaranteMalhasEtapas();

    void MostraMalhaEtapa(int k);
    // The runs' results no longer match the meshes: the commands go back to the start state.
    void DescartaResultados();
    template <class TAnaliseT> void Executa(TAnaliseT &analise);

    TModelo &modelo_;
    IJanelasExecucao &janelas_;
    bool termicaConcluida_ = false;
    bool tensionalConcluida_ = false;
    bool tensionalPermitida_ = false;
    // Stages whose mesh file this layers model has written, with the settings used.
    std::vector<TGeracaoEtapa> etapasGeradas_;
    // Placement temperatures handed to the staged stress run.
    std::unique_ptr<TVetor> temperaturasCamadas_;
};
