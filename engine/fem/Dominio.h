// The unit of model data of the engine: a piece of the cross-section with its mesh, analysis
// elements, material, heat source, creep law, boundary and mechanical loads, time interval and
// initial temperature; and a set of prescribed nodal values with its time window.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "fem/Elementos.h"
#include "malhas/Layer.h"
#include "malhas/Malha.h"
#include "matematica/Vetor.h"

class TFluencia;
class TForcaExterna;
class TForcaInterna;
class TForcaTensional;
class TMaterial;

// Element class a domain builds on its mesh.
enum class TClasseElemento { Triangular, Retangular };

class TDominio {
public:
    // Defaults only: no mesh, no elements.
    TDominio();
    // Keeps the mesh (not owned) and builds one element per mesh element.
    explicit TDominio(TMalha *malha, TClasseElemento classe = TClasseElemento::Triangular);
    ~TDominio();
    TDominio(const TDominio &) = delete;
    TDominio &operator=(const TDominio &) = delete;

    static std::unique_ptr<TDominio> CreateVazio() { return std::make_unique<TDominio>(); }
    // Defaults, then a polygon mesh (owned by the domain) through the points.
    static std::unique_ptr<TDominio> CreateMalha(std::span<const TNo> pontos);

    // Replaces the elements by one per element of the mesh: a triangle on nodes 1-3, or a
    // quadrilateral on nodes 1-4, numbered like the mesh element. No mesh, no elements.
    void CriaElementos(TClasseElemento classe = TClasseElemento::Triangular);

    TMalha *GetMalha() const { return Malha; }
    // The mesh of the domain, not owned.
    void SetMalha(TMalha *malha);
    // The mesh of the domain, owned from now on.
    void SetMalha(std::unique_ptr<TMalha> malha);

    int GetNumElementos() const { return int(Elementos.size()); }
    TElementoTriangular *GetElemento(int i) const { return Elementos[std::size_t(i - 1)].get(); }

    TMaterial *GetMaterial() const { return Material.get(); }
    void SetMaterial(std::unique_ptr<TMaterial> material);
    TForcaInterna *GetFonte() const { return Fonte.get(); }
    void SetFonte(std::unique_ptr<TForcaInterna> fonte);
    TFluencia *GetFluencia() const { return Fluencia.get(); }
    void SetFluencia(std::unique_ptr<TFluencia> fluencia);

    void SetFixo(bool b) { Fixo = b; }
    void SetLayer(const TLayer &layer) { Layer = layer; }
    void SetInstanteInicial(double t) { InstanteInicial = t; }
    void SetInstanteFinal(double t) { InstanteFinal = t; }
    void SetTemperaturaInicial(double t) { TemperaturaInicial = t; }
    void SetDeslocamentoX(double d) { DeslocamentoX = d; }

    // Side list of mesh edge i.
    TContorno *GetContorno(int i) const { return Malha->GetContorno(i); }

    int GetNumForcasExternas() const { return int(ForcasExternas.size()); }
    TForcaExterna *GetForcaExterna(int i) const { return ForcasExternas[std::size_t(i - 1)].get(); }
    int GetNumForcasTensionais() const { return int(ForcasTensionais.size()); }
    TForcaTensional *GetForcaTensional(int i) const {
        return ForcasTensionais[std::size_t(i - 1)].get();
    }

    // Appends a copy of the convection load.
    void AdicionaForcaExterna(const TForcaExterna &forca);
    // Appends a copy of the convection load acting on the given edges instead of its own.
    void AdicionaForcaExternaArestas(const TForcaExterna &forca, const TVetorInteiro &arestas);
    // Appends a copy of the mechanical load.
    void AdicionaForcaTensional(const TForcaTensional &forca);

    // Cuts the domain's edges at the elevation y and joins the cut points with interior edges
    // (also ignored unless the domain is fixed). Nothing happens unless y lies strictly inside
    // the mesh's Y range.
    void DivideNaElevacao(double y);
    // Splits every edge that crosses y at a new vertex; new edges are visited too.
    void DivideArestasNaElevacao(double y);
    // Joins consecutive vertices (in vertex order) lying at y with new interior edges.
    void AdicionaArestasNaElevacao(double y);

    // Merges the edges of a zone into this stage's boundary at the stage elevation yEtapa;
    // kTopo is the number of the zone with the largest top yTopo, kZona that of this zone.
    // A zone wholly above yEtapa (other than the tallest fixed zone) adds no edge at yEtapa.
    // Makes an empty mesh (owned) first when the stage has none.
    void CopiaArestas(const TDominio &zona, int kTopo, int kZona, double yTopo, double yEtapa);

    TMalha *Malha = nullptr;
    std::vector<std::unique_ptr<TElementoTriangular>> Elementos;
    std::vector<std::unique_ptr<TForcaTensional>> ForcasTensionais;
    std::unique_ptr<TForcaInterna> Fonte;
    std::unique_ptr<TMaterial> Material;
    TLayer Layer;
    double InstanteInicial = 0.0, InstanteFinal = 0.0; // hours
    bool Fixo = true;
    double TemperaturaInicial = 0.0;
    double DeslocamentoX = 0.0;
    std::unique_ptr<TFluencia> Fluencia;
    std::vector<std::unique_ptr<TForcaExterna>> ForcasExternas;

private:
    void IniciaPadroes();

    std::unique_ptr<TMalha> malhaPropria_;
    // Stage composition: edges added above the stage elevation for a fixed zone, by number.
    std::vector<char> fixaAcima_;
    void MarcaFixaAcima(int aresta, bool fixa) {
        fixaAcima_.resize(std::size_t(aresta), 0);
        fixaAcima_[std::size_t(aresta - 1)] = fixa;
    }
};

// Prescribed nodal values (entry k of Valores belongs to node Nos[k]) acting from Inicio to
// Fim, both included (hours).
class TPrescricoes {
public:
    explicit TPrescricoes(int n = 0) : Valores(n), Nos(n) {}

    TVetor Valores;
    TVetorInteiro Nos;
    double Inicio = 0.0, Fim = 0.0;
};
