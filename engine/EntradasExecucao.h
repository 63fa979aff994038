// What a run takes from the front end (mesh and result-file settings, memory tool, own weight,
// creep switch, placement and initial temperatures), as values read once at its start, and the
// maxima it hands back. The analyses' no-argument Executa is the front end's run entry: it reads
// these inputs from the engine-facing state and writes the maxima back to it at the run's edge.
#pragma once

#include <functional>
#include <string>

class TForcaTensional;
class TVetor;

// Mesh generation settings.
struct TConfiguracaoMalha {
    int Nx = 2;
    int Ny = 2;
    bool Exponencial = false;
    bool PorDmax = false;
    double Dmax = 0.25; // length units

    // Fired by SetNx and SetNy so the program can show the new values.
    std::function<void()> OnAlteracao;

    void SetNx(int n);
    void SetNy(int n);
};

// Confirmed names of the step result files. Until FAplicado is set the analyses use their
// built-in names and ignore the strings.
struct TConfiguracoes {
    std::string EnderecoTemp, EnderecoDeform, EnderecoTensao; // each ends with a separator
    std::string NomeTemp = "PassoTemp", NomeDeform = "PassoDeform", NomeTensao = "PassoTensao";
    std::string TerminacaoTemp = ".res", TerminacaoDeform = ".res", TerminacaoTensao = ".res";
    bool FAplicado = false;
};

// The memory tool: its confirmed release rule and its two operations.
class IInformacoesSistema {
public:
    virtual ~IInformacoesSistema() = default;

    bool FAplicado = false;
    bool FPorEtapa = false;
    int FLimitePorEtapa = 100; // MB
    int FLimiteLivre = 20;     // MB
    int FLimiteSuperior = 100; // MB

    // Available physical memory in MB (10^6 bytes), rounded.
    virtual int MemoriaLivreMb() = 0;
    // Takes n zero-filled blocks of 1 MiB one after the other and frees them all.
    virtual void LiberarMemoria(int n) = 0;
};

struct TEntradasExecucao {
    // Result-file settings the step-file names are taken from.
    TConfiguracoes Arquivos;
    // Mesh settings written into the stage mesh files.
    TConfiguracaoMalha Malha;
    // Memory tool of the per-step check (not owned; none: no check).
    IInformacoesSistema *Memoria = nullptr;
    // Own-weight load (not owned; none: no own weight).
    const TForcaTensional *PesoProprio = nullptr;
    // Creep counts in the stress increments.
    bool FluenciaAtiva = false;
    // Placement temperature of each layer and the thermal run's initial temperature of each
    // node (not owned; none when not given).
    const TVetor *TemperaturasCamadas = nullptr;
    const TVetor *TemperaturasIniciais = nullptr;
    // Main window's caption.
    std::function<void(const std::string &)> SetTitulo;
};

// Maximum temperature of a thermal run, its age (hours), where it occurred and the node nearest
// to there (0: none found by this run).
struct TMaximosTermicos {
    double Temperatura = 0.0;
    double Idade = 0.0;
    double X = 0.0, Y = 0.0;
    int No = 0;
};

// The per-step memory check: with a memory tool whose rule is confirmed, releases memory when
// the free memory is below the rule's limit, showing the free memory before and after.
void ConfereMemoria(IInformacoesSistema *info, const std::function<void(int)> &mostra);
