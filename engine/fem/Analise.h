// Transient thermal analysis of one mesh: assembly of each time step's system with the theta
// scheme, prescribed temperatures, the time loop with one result file per step, and the
// queries that read the temperatures back from those files.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EntradasExecucao.h"
#include "fem/Dominio.h"
#include "fem/MatrizesLocais.h"
#include "fem/Tempo.h"
#include "matematica/Gradiente.h"
#include "matematica/MatrizSky.h"
#include "matematica/Vetor.h"

class EFormulaCarga;
class TForcaExterna;
class TForcaInterna;
class TLado;
class TMalha;
class TMaterial;

inline constexpr const char *kSemResultados = "Não há resultados calculados para este instante.";
inline constexpr const char *kSemPassos = "O eixo do tempo não tem passos.";
// Step of the time t (from ti) when the current run wrote it (steps 1..feitos); otherwise
// raises kSemResultados.
int PassoCalculado(const TTempo &tempo, double t, int feitos);
// Refuses a time axis with no step (kSemPassos).
void VerificaPassos(const TTempo &tempo);
// Tells the user, once per run, how many steps the iterative solver left at its limit.
void AvisaSemConvergencia(int passos);
// The solve of every analysis: x := 0 when b is all zero, without consulting the solver;
// otherwise the solver's solution of K x = b from x as the starting guess (a TGauss is made
// when there is no solver). False when an iterative solve stopped at its limit.
bool ResolveSistema(std::unique_ptr<TGradiente> &solver, TMatrizSky &K, TVetor &b, TVetor &x);

class TAnalise {
public:
    using TEventoPasso = std::function<void(TTempo &)>;
    using TEventoInteiro = std::function<void(int)>;

    // Domain of triangles on the mesh (not owned) with a default material and a zero heat
    // source; time axis 0 to 1 by 0.1 with theta 2/3; no solver until one is handed over.
    explicit TAnalise(TMalha *malha);
    virtual ~TAnalise();
    TAnalise(const TAnalise &) = delete;
    TAnalise &operator=(const TAnalise &) = delete;

    // One step's element loop: element arrays, convection, theta scheme, assembly. The layered
    // analysis extends it with its stage changes and per-element laws.
    virtual void MontaSistema();
    // Whether elements take the material and source of their subdomain (MaterialDoElemento,
    // FonteDoElemento) rather than the domain's own.
    virtual bool LeisPorElemento() const { return !SubDominios.empty(); }
    // Adds the element arrays into K (upper triangle) and b.
    virtual void MontaElemento(int e);
    // Writes the step file of step i.
    virtual void GravaPasso(int i);
    // Step file, prescribed values kept in T, system cleared, OnPasso, extremes, step count.
    virtual void PosPasso(int i);
    // T := initial temperatures; TMaxima and TMinima := their extremes.
    virtual void TemperaturasIniciais();
    // Start of a run: file names, OnInicio, new system, initial temperatures, element arrays.
    virtual void Prepara();
    // A new K, b and T of NumNos (the solver lets the old ones go).
    void NovoSistema();
    virtual void AlocaLocais();
    virtual void LiberaLocais();
    // K and b set to zero; K keeps its pattern.
    virtual void LimpaSistema();
    // Material and heat source of the subdomain holding the element's centroid (the domain's
    // own when none holds it). FonteDoElemento also sets the source's start time to the
    // subdomain's start.
    virtual TMaterial *MaterialDoElemento(int e);
    virtual TForcaInterna *FonteDoElemento(int e);
    // (x, y) inside subdomain k's boundary or on one of its vertices.
    virtual bool PontoNoSubDominio(int k, double x, double y);
    // Index (1-based) of the subdomain holding the point, the innermost of nested ones; 0 when
    // none does.
    virtual int SubDominioDoPonto(double x, double y);
    // Convection of the domain's loads on the element's sides at time t into Ke and Fe.
    virtual void CargasDeContorno(int e, double t);
    // Rethrow a failed load formula with the load and where it acts named.
    [[noreturn]] void ErroFormulaFonte(int e, const TForcaInterna &fonte,
                                       const EFormulaCarga &erro);
    [[noreturn]] void ErroFormulaConveccao(const TForcaExterna &forca, const EFormulaCarga &erro);
    // Where the domain's convection loads were placed, for messages ("" for the whole domain).
    virtual std::string LocalDasCargas() const { return {}; }
    // Appends one entry to the current set.
    virtual void AdicionaPrescricao(int no, double valor);
    virtual int GetNumPassos() const { return PassosFeitos; }
    // (C + theta dt K) on Ke and dt F + (C - (1 - theta) dt K) Te on Fe.
    virtual void EsquemaTheta(int e);
    // Te(i) := T(global number of element node i).
    virtual void ColetaValoresElemento(int e);
    // The per-step memory check of the run's memory tool, its texts through OnMemoria.
    virtual void VerificaMemoria();
    // Whether a step may form an element's share of b from its arrays kept since they last came
    // out (same material values, convection coefficients, theta and dt), bypassing
    // ColetaValoresElemento, CargasDeContorno, EsquemaTheta and MontaElemento; the material and
    // source hooks and OnElemento are still called. An analysis that observes or alters those
    // per-element hooks returns false.
    virtual bool TermoDosArranjosMantidos() const { return true; }
    // The front end's run entry: the run with the inputs of the engine-facing state; the
    // maxima are written back to it (also when the run fails), then the memory tool is dropped
    // and the report command enabled.
    void Executa();
    // The run with its inputs as values; the maxima are left in GetMaximos.
    void Executa(const TEntradasExecucao &entradas);
    // After Prepara: the steps and the maxima.
    void LacoDoTempo();
    const TMaximosTermicos &GetMaximos() const { return Maximos; }
    // Temperatures of the step holding time t (measured from the initial time).
    virtual void LeResultados(TVetor &saida, double t);
    // Initial temperature of the node followed by its value at every step done.
    virtual void HistoricoNo(TVetor &historico, int no);
    // Values at up to 101 points of the segment at time t, with their abscissas (x, or y on a
    // vertical segment); points outside the mesh are left out.
    virtual void PerfilNaLinha(TVetor &valores, TVetor &abscissas, double x1, double y1, double x2,
                               double y2, double t);
    // Initial temperature T0 at every listed node, and as the domain's initial temperature.
    virtual void AplicaTemperaturaInicial(const TVetorInteiro &nos, double T0);
    // Set k gets one entry per listed node with the value; a new set takes the window, an
    // existing one keeps its own and its entries come first.
    virtual void AdicionaPrescricoes(const TVetorInteiro &nos, int k, double valor, double inicio,
                                     double fim);
    virtual TElementoTriangular *GetElemento(int i, double t);
    // Frees the system and every prescription set; no current set remains.
    virtual void Libera();

    void SetOnInicio(TEventoInteiro e) { OnInicio = std::move(e); }
    void SetOnPasso(TEventoPasso e) { OnPasso = std::move(e); }
    void SetOnElemento(TEventoInteiro e) { OnElemento = std::move(e); }
    // Free memory (MB) before and after a release of the per-step memory check.
    void SetOnMemoria(TEventoInteiro e) { OnMemoria = std::move(e); }

    // Subdomains (not owned), 1-based; writing beyond the end appends one.
    TDominio *GetSubDominio(int k) const { return SubDominios[std::size_t(k - 1)]; }
    void SetSubDominio(int k, TDominio *dominio);
    // Empties the subdomain list (the objects are not owned).
    void LiberaSubDominios();
    int GetNumSubDominios() const { return int(SubDominios.size()); }

    // Current set := set k, or none when it does not exist.
    void SelecionaPrescricao(int k);
    // Imposes the current set on K and b when the current time lies in its window.
    void ImpoePrescricoes();
    // T := 0 when b is all zero, else the solver's solution from T as starting guess.
    void Resolve();

    // Value at (x, y) of the step holding time t, interpolated in the first element that holds
    // the point; false (value unchanged) when none does.
    bool ValorNoPonto(double &valor, double x, double y, double t);
    // Where element i's linear field of the current temperatures equals `nivel`.
    bool SegmentoIsolinha(int i, double &x1, double &y1, double &x2, double &y2, double nivel);

    TDominio *GetDominio() const { return Dominio.get(); }
    TTempo *GetTempo() const { return Tempo.get(); }
    // Takes ownership of a time axis or of a solver.
    void SetTempo(std::unique_ptr<TTempo> tempo);
    void SetSolver(std::unique_ptr<TGradiente> solver);
    TGradiente *GetSolver() const { return Solver.get(); }
    TMatrizSky *GetMatriz() const { return K.get(); }
    TVetor *GetTermoIndependente() const { return b.get(); }
    TVetor *GetTemperaturas() const { return T.get(); }
    TVetor &GetVetorTemperaturasIniciais() { return VetorTemperaturasIniciais; }
    int GetNumNos() const { return NumNos; }
    int GetNumPrescricoes() const { return int(Prescricoes.size()); }
    TPrescricoes *GetPrescricao(int k) const;
    TPrescricoes *GetPrescricaoAtual() const { return PrescricaoAtual; }
    double GetTMaxima() const { return TMaxima; }
    double GetTMinima() const { return TMinima; }

protected:
    // The time loop (the layered analysis runs it over its stages).
    virtual void Roda();
    // Start of a run: the maxima := 0.
    void ZeraMaximos();

    // Inputs of the run in progress; its maxima, and whether this run set them.
    TEntradasExecucao Entradas;
    TMaximosTermicos Maximos;
    bool MaximosDaExecucao = false;

    // Per-run look-ups: subdomain of each element and the convection sides of each element.
    void InvalidaIndices();
    void PreparaIndices();
    // Reads the step file of the step holding t (n values).
    void LeArquivoDoTempo(double t, TVetor &valores);
    // First element holding the point, 0 when none.
    int ElementoDoPonto(double x, double y) const;
    void AlargaExtremos(const double *v, int n);

    TMatrizElemento Ke, Ce;
    TVetorElemento Fe, Te;
    int NumNos = 0;
    TEventoPasso OnPasso;
    TEventoInteiro OnElemento;
    double TMaxima = -1e100, TMinima = 1e100;
    TEventoInteiro OnInicio;
    TEventoInteiro OnMemoria;
    int PassosFeitos = 0;
    // Steps of this run whose iterative solve stopped at its limit.
    int PassosSemConvergencia = 0;
    std::vector<TDominio *> SubDominios;
    std::unique_ptr<TMatrizSky> K;
    std::unique_ptr<TVetor> b;
    std::unique_ptr<TVetor> T;
    TPrescricoes *PrescricaoAtual = nullptr;
    std::unique_ptr<TTempo> Tempo;
    std::unique_ptr<TDominio> Dominio;
    std::unique_ptr<TGradiente> Solver;
    std::vector<std::unique_ptr<TPrescricoes>> Prescricoes;
    TVetor VetorTemperaturasIniciais;

private:
    // The set that is current before the first selection.
    std::unique_ptr<TPrescricoes> prescricaoInicial_;

    // Look-ups valid for one run (built by the first assembly after Prepara).
    bool indicesProntos_ = false;
    std::vector<std::int32_t> subDominioDoElemento_; // 0 = none
    std::vector<std::int32_t> ladosInicio_;          // element -> first entry (size E + 1)
    struct TLadoCarregado {
        TForcaExterna *forca;
        const TLado *lado;
    };
    std::vector<TLadoCarregado> lados_;
    // Global node numbers of each element (nosPorElemento_ each) and the positions in K of the
    // entries of its upper triangle (0 until found; checked before use).
    int nosPorElemento_ = 0;
    std::vector<std::int32_t> nosElemento_;
    std::vector<std::int32_t> posicaoK_;
    // Conduction and capacity arrays of the triangles (9 + 9 values each), which depend only
    // on the geometry and the material's Kx, Ky, density and specific heat: kept with the
    // index of the material values they were made with (-1 before the first step).
    struct TValoresMaterial {
        double kx, ky, densidade, calor;
    };
    std::vector<TValoresMaterial> valoresMaterial_;
    std::vector<std::int32_t> materialDoArranjo_;
    std::vector<double> arranjos_;
    std::vector<double> fatorIntegracao_;
    // Heat rates of this step's sources: the rate depends on the source, the material and the
    // time only, so each pair is evaluated once per step.
    struct TValorFonte {
        TForcaInterna *fonte;
        const TMaterial *material;
        double inicio, valor;
    };
    std::vector<TValorFonte> valoresFonte_;
    std::size_t ultimoValorFonte_ = 0; // neighbouring elements mostly share their entry
    double ValorFonte(TForcaInterna &fonte, const TMaterial &material);
    // The triangle's arrays, from the kept ones when the material's values did not change.
    void ArranjosTriangulo(int e, TElementoTriangular *el, TForcaInterna &fonte,
                           TMaterial &material);
    TMatriz mAresta_{3, 3};
    TVetor fAresta_{3};

    // b from kept arrays. EsquemaTheta keeps each triangle's (C - (1 - theta) dt K), convection
    // included; a step whose theta, dt and convection coefficients equal those the kept arrays
    // were made with forms b from them, for every element whose material values are unchanged,
    // with the arithmetic of the element path (so b is bitwise the same).
    struct TChaveTheta {
        double a = 0, c = 0;
        std::vector<double> coeficientes;
        bool operator==(const TChaveTheta &) const = default;
    };
    // False (and every kept array dropped) when this step's key differs from the kept one.
    bool ChaveThetaMantida();
    // The element's share of b from its kept array; false when the array is not usable.
    bool TermoDoArranjoMantido(int e, TForcaInterna &fonte, const TMaterial &material, double t);
    TChaveTheta chaveTheta_, chaveAtual_;
    std::vector<double> thetaElemento_;     // 9 per element
    std::vector<std::uint8_t> thetaValido_; // per element

    // Prescription work: flag and value per node, contributions to free rows.
    std::vector<std::uint8_t> prescrito_;
    std::vector<double> valorPrescrito_;
    std::vector<std::int32_t> entradaEfetiva_;
    struct TContribuicao {
        std::int32_t linha, entrada;
        double coeficiente;
    };
    std::vector<TContribuicao> contribuicoes_;

    // K kept between steps. Each element's system array (upper triangle, row by row) of the last
    // assembly is kept; when a step's arrays all come out bitwise equal to the kept ones, K,
    // which still holds that assembly with the prescriptions imposed on it, is left as it is and
    // only b is assembled. Any difference rebuilds K from the kept arrays in element order, so
    // every entry sums the same terms in the same order as a full assembly.
    void SomaElementoK(int e);
    void ReconstroiK();
    // Gathers contribuicoes_ from the assembled K and the prescribed-node marks.
    void GuardaContribuicoes();
    std::vector<double> arranjosK_;
    bool kMantida_ = false;    // LimpaSistema left K holding the last complete assembly
    bool mantendo_ = false;    // this assembly has found every array unchanged so far
    bool kInalterada_ = false; // the last assembly left K as it was
    bool montada_ = false;     // K holds exactly the last assembly of the kept arrays
    bool kZerada_ = true;      // K was cleared and nothing was added since
    // The prescriptions imposed on K since its last assembly (none when Imposta is null).
    const TPrescricoes *prescricaoImposta_ = nullptr;
    std::vector<int> nosImpostos_;

    std::string buffer_; // step-file text
    TVetor leitura_;     // values read back by the queries
};
