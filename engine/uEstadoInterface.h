// The front end's state that the analyses' run entries read and write: mesh and result-file
// settings, the memory tool and progress window, the result maxima, the layers' placement
// temperatures, the caption and report command, the own-weight load, the creep switch and the
// temperature unit of the expansion coefficient. A run reads its inputs from here once, at its
// start, and its maxima are written back at its end; nothing else in the engine reads it. The
// program binds its windows at start-up; tests bind fakes and call ReiniciaEstado() to restore
// the defaults.
#pragma once

#include <functional>
#include <string>

#include "EntradasExecucao.h"

class TVetor;
class TForcaTensional;

// The progress window's texts.
class IMensagemFEM {
public:
    virtual ~IMensagemFEM() = default;
    virtual void MostraTempo(double t) = 0;
    virtual void MostraMemoria(int mb) = 0;
};

struct TEstadoInterface {
    TEstadoInterface();

    TConfiguracaoMalha ConfiguracaoMalha;
    TConfiguracoes Configuracoes;

    // Memory tool opened last (not owned; none until the user opens the tool).
    IInformacoesSistema *InformacoesSistema = nullptr;
    // Fired by LiberaInformacoesSistema with the tool being dropped, so the program can free it.
    std::function<void(IInformacoesSistema *)> OnLiberaInformacoesSistema;
    // Progress window of the current run (not owned; may be none).
    IMensagemFEM *MensagemFEM = nullptr;

    // Result maxima of the last runs.
    double TemperaturaMaxima = 0.0;      // degrees Celsius
    double IdadeTemperaturaMaxima = 0.0; // hours
    double XTemperaturaMaxima = 0.0;
    double YTemperaturaMaxima = 0.0;
    int NoTemperaturaMaxima = 0;
    double TensaoMaximaTracao = 0.0; // MPa
    int ElementoTensaoMaxima = 0;

    // Placement temperature of each layer (not owned; may be none).
    TVetor *FTemperaturasCamadas = nullptr;
    // Initial temperature of each node as given to the thermal analysis (not owned; may be
    // none): the reference of a single-domain stress run's first step.
    TVetor *FTemperaturasIniciais = nullptr;

    // Main window's caption becomes "ZOK-2D - " + text.
    std::function<void(const std::string &)> SetTitulo;
    // Enables the "Relatório" command.
    std::function<void()> HabilitaRelatorio;

    // Own-weight load (not owned); none means self-weight is off.
    TForcaTensional *FPesoProprio = nullptr;
    // Creep counts in the stress increments.
    bool FluenciaAtiva = false;
    // Position in the units dialog's temperature list (CELSIUS, FAHRENHEIT, KELVIN, RANKINE)
    // of the expansion coefficient's unit; -1 (no selection) counts as Celsius.
    int PosicaoTemperaturaDilatacao = -1;

    // The per-step memory check on the memory tool, its texts to the progress window. Does
    // nothing without a memory tool or while its rule is not confirmed.
    void VerificaMemoria();
    // Drops the memory tool at the end of a run; the checks do nothing until a new one is bound.
    void LiberaInformacoesSistema();
};

TEstadoInterface &Estado();
void ReiniciaEstado();

// The run entries' side of the state: the inputs of a run, and the maxima and end of a run
// written back.
TEntradasExecucao EntradasDoEstado();
void PublicaMaximosTermicos(const TMaximosTermicos &m);
// Drops the memory tool and enables the report command, as a thermal run ends.
void FimExecucaoTermica();
void PublicaTensaoMaxima(double tensao);
void PublicaElementoTensaoMaxima(int elemento);
// Clears the placement and initial temperature references and drops the memory tool, as a
// stress analysis is released.
void LiberaEntradasTensionais();
