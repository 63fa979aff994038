// Thermal-stress analysis of one domain: reads the temperature step files of the thermal run
// back and, step by step, solves the plane system for the displacement increments (thermal
// strain, age-dependent modulus, creep, self-weight, supports, prescribed displacements and
// distributed edge loads), turns them into strain and stress increments, accumulates them and
// writes the deformation and stress step files.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EntradasExecucao.h"
#include "fem/Dominio.h"
#include "fem/MatrizesLocais.h"
#include "fem/TensoesPrincipais.h"
#include "matematica/Gradiente.h"
#include "matematica/MatrizSky.h"
#include "matematica/Vetor.h"

class TFluencia;
class TForcaTensional;
class TMaterial;
class TRetracao;
class TTempo;

class TAnaliseTensional {
public:
    using TEventoInteiro = std::function<void(int)>;
    using TEventoPasso = std::function<void(TTempo &)>;

    // Domain of triangles over the mesh (not owned) with a default material, the default time
    // axis and no solver yet (the run makes a TGauss when none was handed over).
    explicit TAnaliseTensional(TMalha *malha);
    virtual ~TAnaliseTensional();
    TAnaliseTensional(const TAnaliseTensional &) = delete;
    TAnaliseTensional &operator=(const TAnaliseTensional &) = delete;

    void SetOnInicio(TEventoInteiro e) { OnInicio = std::move(e); }
    void SetOnElemento(TEventoInteiro e) { OnElemento = std::move(e); }
    // Fired after each step, once its files are written.
    void SetOnPasso(TEventoPasso e) { OnPasso = std::move(e); }
    // Free memory (MB) before and after a release of the per-step memory check.
    void SetOnMemoria(TEventoInteiro e) { OnMemoria = std::move(e); }

    // Supports of stage `etapa`: with umaDirecao each node restrains its y (emY, value valorY)
    // or its x degree of freedom (valorX); otherwise both. Entries are appended to the stage's
    // list.
    void AdicionaApoios(const TVetorInteiro &nos, bool umaDirecao, int etapa, bool emY,
                        double valorY, double valorX);
    // Prescribed displacements of the listed nodes (dy at 2k, dx at 2k - 1). The run imposes
    // them in its first step and holds those degrees of freedom in the later ones.
    void DefineDeslocamentos(const TVetorInteiro &nos, double dy, double dx);
    const TPrescricoes *GetApoios(int etapa) const;
    // The degrees of freedom DefineDeslocamentos prescribed, in order, and the value of one.
    const std::vector<int> &GetGrausPrescritos() const { return GrausPrescritos; }
    double GetDeslocamentoPrescrito(int g) const {
        return DeslocamentosPrescritos ? (*DeslocamentosPrescritos)[g] : 0.0;
    }

    void CriaSolver();
    void LiberaSolver() { Solver.reset(); }
    void SetSolver(std::unique_ptr<TGradiente> solver) { Solver = std::move(solver); }
    TGradiente *GetSolver() const { return Solver.get(); }

    TTempo &GetTempo() const { return *Tempo; }
    void SetTempo(std::unique_ptr<TTempo> tempo);
    TDominio &GetDominio() const { return *Dominio; }

    // The user's subdomains (not owned): material, creep law and placement time of the elements
    // whose centroid they hold. Writing beyond the end lengthens the list by one.
    void SetSubDominio(int k, TDominio *d);
    // Empties the subdomain list (the objects are not owned).
    void LiberaSubDominios() { SubDominios.clear(); }
    TDominio *GetSubDominio(int k) const { return SubDominios[std::size_t(k - 1)]; }
    int GetNumSubDominios() const { return int(SubDominios.size()); }

    int GetNumPassos() const { return PassosFeitos; }
    TElementoTriangular *GetElemento(int i) const { return Dominio->GetElemento(i); }

    // The front end's run entry: the run with the inputs of the engine-facing state; the
    // maximum tensile stress and its element are written back to it (also when the run fails).
    void Executa();
    // The run with its inputs as values; the maximum is left in GetTensaoMaxima.
    void Executa(const TEntradasExecucao &entradas);
    double GetTensaoMaxima() const { return TensaoMaxima; }
    int GetElementoTensaoMaxima() const { return ElementoTensaoMaxima; }
    // Frees the system, the work vectors and the per-stage supports; the front end's
    // placement and initial temperature references are cleared and its memory tool dropped.
    void Libera();

    // Values of the deformation or stress file of the step that holds time t (as written,
    // with the sign changed). Reading deformations widens the displacement extremes.
    void LeDeformacoes(std::unique_ptr<TVetor> &v, double t);
    void LeTensoes(std::unique_ptr<TVetor> &v, double t);
    // Stress file value at (x, y) and time t of the element of the current mesh that holds the
    // point: componente 0, 1, 2 for its x, y, xy entry. False when no element holds it.
    bool ValorNoPonto(double &valor, double x, double y, double t, int componente = 0);
    // Principal stresses of (sx, sy, tau); the results stay in Principais.
    void TensoesPrincipais(double sx, double sy, double tau) { Principais.Calcula(sx, sy, tau); }
    TTensoesPrincipais Principais;

    double GetDeslocamentoMaximo() const { return DeslocamentoMaximo; }
    double GetDeslocamentoMinimo() const { return DeslocamentoMinimo; }
    // Running totals of the last step (3 entries per element: x, y, xy).
    const TVetor &GetTensoes() const { return Tensoes; }
    const TVetor &GetDeformacoes() const { return Deformacoes; }

    // Creep and shrinkage laws of each layer (owned); a null entry means none.
    void SetNumCamadasLeis(int n);
    void SetFluenciaCamada(int i, std::unique_ptr<TFluencia> f);
    void SetRetracaoCamada(int i, std::unique_ptr<TRetracao> r);
    TFluencia *GetFluenciaCamada(int i) const;
    TRetracao *GetRetracaoCamada(int i) const;

protected:
    // Per-element data fixed for a mesh: global degrees of freedom, strain-displacement blocks,
    // area and centroid, subdomain (0 for none).
    struct TDadosElemento {
        std::array<int, 6> gl{};
        std::array<TBlocoB, 3> B{};
        double area = 0.0, xc = 0.0, yc = 0.0, detJ = 0.0;
        int subdominio = 0;
        double distanciaContorno = -1.0; // to the boundary, computed when first needed
    };

    // The run proper (the layered analysis starts it at its first stage).
    virtual void Roda();
    virtual void CalculaTensoes();
    // One step's system: the start of the step, equivalent ages, reference temperatures of a
    // first step, then every element's arrays assembled; the layered analysis extends it
    // through the four hooks below.
    virtual void MontaSistema();
    // Start of a step; true when it is the first step of the domain in force.
    virtual bool InicioDoPasso();
    // The mesh the previous step was computed on, for the reference temperatures of a first
    // step (none: the placement temperatures).
    virtual const TMalha *MalhaDoPassoAnterior();
    // Per-element laws before the element's arrays: nothing here.
    virtual void LeisDoElemento(int) {}
    // Memory check after each element's assembly: nothing here.
    virtual void VerificaMemoriaElemento() {}
    virtual void PosPasso(int i);
    virtual void DeslocamentosIniciais();
    virtual void Prepara();
    // Material (and subdomain) of element e; the material is left in MaterialAtual.
    virtual void MaterialDoElemento(int e);
    virtual bool PontoNoSubDominio(int k, double x, double y) const;
    virtual int SubDominioDoPonto(double x, double y) const;
    // Looks the current mesh's nodes up in the previous stage's strain file; nothing here.
    virtual void LeDeformacoesEtapaAnterior() {}

    // Creep law of element e when creep is on for it, with its loading time set.
    virtual TFluencia *FluenciaDoElemento(int e);
    // Element stiffness and nodal forces of element e into Ke and Fe: those of
    // TElementoTriangular::MatrizRigidez, through the same routine, from the element's
    // strain-displacement blocks kept for the mesh.
    void RigidezElemento(int e, TMaterial &m, TFluencia *f, double nascimento, double phi);
    // The element's constitutive matrix (TElementoTriangular::MatrizD) with the ACI creep
    // coefficient phi as an effective modulus; the stiffness and the recovery share it.
    void MatrizDElemento(TMaterial &m, TFluencia *f, double s, double nascimento, double phi,
                         TMaterial::TMatrizD &D) const;
    // Whether a distributed load acts on element e's sides in this step: in its birth step.
    virtual bool CargaNoPasso(const TForcaTensional &forca, int e, bool primeiroPasso) const;
    // Stage changes due by the current time, before the step's temperatures are read: none.
    virtual void AvancaEtapas() {}
    // Adds the element arrays into the assembly buffer (matrix) and the right-hand side.
    void MontaElemento(int e);
    // Writes the assembled entries into the system matrix, row by row in the order the
    // elements first touched them, and clears the buffer.
    void TransfereMatriz();
    // The distributed loads on element e's sides that act in this step.
    void CargasDeContorno(int e, bool primeiroPasso);
    void GravaDeformacoes(int i);
    void GravaTensoes(int i);
    void AlocaLocais();
    void LimpaSistema();
    void VerificaMemoria();
    // The support list of a stage, or none.
    TPrescricoes *GetApoiosEtapa(int etapa) const;
    // Allocates the system and the result vectors for the current domain and rebuilds the
    // per-element data.
    void AlocaSistema();
    void MontaDadosElementos();
    // Supports and prescribed displacements on the assembled system.
    void ImpoeApoios();
    // Refuses a step with loads whose stiffness is singular: restraints that leave a rigid-body
    // motion free, or a degree of freedom without stiffness (modulus zero or negative in every
    // element around its node).
    void VerificaRigidez() const;
    // What VerificaRigidez checks of the mesh and the restraints alone: every piece of the mesh
    // joined by element sides is held. Checked once per allocated system.
    void VerificaPartes() const;
    mutable bool PartesVerificadas = false;
    // "A matriz de rigidez do passo N (tempo t h) é singular: " for the current step.
    std::string RigidezSingular() const;
    void Resolve();
    // Strain increments from the displacement increments less the shrinkage increment; then
    // total strains += increments.
    void CalculaDeformacoes();
    // Total stresses += increments; the run's maximum tensile stress and its element. True
    // when the maximum grew.
    bool AtualizaMaximos();
    void AtualizaExtremos(const TVetor &v);
    // Reads the temperatures of step s into TemperaturasAtuais; a failure is shown and ends
    // the run with the I/O error.
    void LeTemperaturasPasso(int s);
    // Nodal thermal strains of element e (both entries of each node), with the reference
    // temperatures of the step; its mean is stored in DeformacoesTermicas.
    void DeformacaoTermicaElemento(int e, bool primeiroPasso, const TMaterial &m);
    // Reference temperatures of the first step of the domain, for every node.
    void TemperaturasReferenciaPrimeiroPasso(const TMalha *malhaAnterior);
    // Placement temperature of the current stage; without per-layer temperatures, the initial
    // temperature of node `no` as given to the thermal analysis (0 when none was given).
    double TemperaturaColocacao(int no) const;
    // Whether some material takes its modulus from a strength at an equivalent age.
    virtual bool UsaMaturidade() const;
    // Advances every node's equivalent age over the current step.
    void AtualizaMaturidade(bool primeiroPasso);
    // Strengths of element e's nodes for the maturity mode: the strength law of the element's
    // material at each node's equivalent age.
    void PreencheResistencias(int e);
    // The strength of the element's constitutive matrix: in maturity mode the mean of its
    // nodes' strengths (PreencheResistencias), else 1.
    double ResistenciaMedia(const TMaterial &m) const {
        return m.GetMaturidade() ? (Resistencias[1] + Resistencias[2] + Resistencias[3]) / 3.0
                                 : 1.0;
    }
    // Perimeter of the domain's outline (edges that are not interior).
    double PerimetroDominio() const;
    // Creep coefficient (ACI law) and shrinkage increment of element e in this step, from the
    // section's area and perimeter of the step; f is the element's creep law, or none.
    virtual void LeisDeformacao(int e, TFluencia *f, double &phi, double &retracao);
    // Whether some element may have a creep coefficient or a shrinkage increment in this run.
    virtual bool TemLeisDeformacao() const { return Entradas.FluenciaAtiva; }
    int PassoDoArquivo(double t) const;

    // Events.
    TEventoInteiro OnInicio, OnElemento, OnMemoria;
    TEventoPasso OnPasso;

    // Element work arrays.
    TMatrizRigidezElemento Ke{6};
    TVetorForcasElemento Fe{6};
    TVetorForcasElemento DeformacaoTermicaNos{6};
    TVetorElemento Resistencias{3};

    TVetor TemperaturasAnteriores, TemperaturasAtuais;
    // Reference temperatures of a first step, per node (filled when that step comes).
    TVetor TemperaturasReferencia;
    int EtapaAtual = 1;
    std::string ArquivoPassoAtual;
    int GrausLiberdade = 0;
    double DeslocamentoMaximo = -1e100, DeslocamentoMinimo = 1e100;
    std::unique_ptr<TVetor> DeslocamentosPrescritos; // absent until DefineDeslocamentos
    std::vector<int> GrausPrescritos;                // degrees of freedom it prescribes
    int PassosFeitos = 0;
    // Steps of this run whose iterative solve stopped at its limit.
    int PassosSemConvergencia = 0;
    std::vector<TDominio *> SubDominios;
    TVetor TemperaturasMediasElementos;
    // Per element, this step's ACI creep coefficient and shrinkage increment.
    TVetor FatoresFluencia, IncrementosRetracao;
    TVetor IdadesEquivalentes; // per node, hours (maturity mode)
    std::unique_ptr<TMatrizSky> K;
    TVetor b, Deslocamentos;
    TPrescricoes *ApoiosAtuais = nullptr; // owned by ApoiosPorEtapa
    std::unique_ptr<TTempo> Tempo;
    TVetor Tensoes, IncrementosTensoes, Deformacoes, IncrementosDeformacoes, DeformacoesTermicas;
    std::unique_ptr<TDominio> DominioProprio;
    TDominio *Dominio = nullptr; // the domain in force: own, or a stage's
    std::unique_ptr<TGradiente> Solver;
    TVetor IdadesElementos;
    std::vector<std::unique_ptr<TPrescricoes>> ApoiosPorEtapa;
    std::vector<std::unique_ptr<TFluencia>> FluenciasCamadas;
    std::vector<std::unique_ptr<TRetracao>> RetracoesCamadas;
    // Inputs of the run in progress; whether this run set its maximum.
    TEntradasExecucao Entradas;
    bool MaximoDaExecucao = false;
    // Writes the maximum this run set to the engine-facing state.
    void PublicaMaximo() const;
    double TensaoMaxima = 0.0; // MPa; 0 until some tensile stress exceeds it
    int ElementoTensaoMaxima = 0;
    double XTensaoMaxima = 0.0, YTensaoMaxima = 0.0;

    // Work state of the run.
    TMaterial *MaterialAtual = nullptr;
    int SubDominioAtual = 0;
    double AreaTotal = 0.0, Perimetro = 0.0;
    bool PrimeiroPassoDoRun = false;
    std::vector<TDadosElemento> DadosElementos;
    std::vector<std::vector<int>> VizinhosNos; // nodes sharing an element with each node
    // Assembly buffer: the upper-triangle entries of each row (columns in first-touch order),
    // their sums, and the buffer position of each element's entries.
    std::vector<int> InicioLinha, ColunasMontagem, PosicoesElementos;
    std::vector<int> PosicoesK; // 1-based position of each buffer entry in K's row, 0 unknown
    std::vector<double> ValoresMontagem;
    std::vector<double> ValorImposto;    // per degree of freedom, 0-based
    std::vector<unsigned char> Restrito; // per degree of freedom, 0-based
    std::string Buffer;
    TVetor ForcasLado{6};
};
