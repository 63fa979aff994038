#include "fem/Dominio.h"

#include <array>
#include <stdexcept>
#include <string>

#include "fem/Fluencia.h"
#include "fem/ForcaExterna.h"
#include "fem/ForcaInterna.h"
#include "fem/ForcaTensional.h"
#include "fem/Material.h"
#include "matematica/UTMath.h"

TDominio::TDominio() {
    IniciaPadroes();
}

TDominio::TDominio(TMalha *malha, TClasseElemento classe) : Malha(malha) {
    CriaElementos(classe);
    IniciaPadroes();
}

TDominio::~TDominio() = default;

std::unique_ptr<TDominio> TDominio::CreateMalha(std::span<const TNo> pontos) {
    auto d = std::make_unique<TDominio>();
    d->SetMalha(TMalha::CreatePoligono(pontos));
    return d;
}

void TDominio::IniciaPadroes() {
    Layer = TLayer::CreatePadrao();
    Fixo = true;
    Fonte = std::make_unique<TForcaInterna>(0.0);
}

void TDominio::CriaElementos(TClasseElemento classe) {
    Elementos.clear();
    if (!Malha)
        return;
    const int n = Malha->GetNumElementos();
    const int nos = classe == TClasseElemento::Triangular ? 3 : 4;
    Elementos.reserve(std::size_t(n));
    std::array<TNo *, kMaxNosElemento> p{};
    for (int i = 1; i <= n; ++i) {
        const TElemento *m = Malha->GetElemento(i);
        if (m->GetN() < nos)
            throw std::invalid_argument("Mesh element " + std::to_string(m->Numero) + " has " +
                                        std::to_string(m->GetN()) +
                                        " nodes; the element class "
                                        "needs " +
                                        std::to_string(nos));
        for (int k = 1; k <= nos; ++k)
            p[std::size_t(k - 1)] = m->GetNo(k);
        std::unique_ptr<TElementoTriangular> e;
        if (classe == TClasseElemento::Triangular)
            e = std::make_unique<TElementoTriangular>(p.data(), nos - 1);
        else
            e = std::make_unique<TElementoRetangular>(p.data(), nos - 1);
        e->SetNumero(m->Numero);
        Elementos.push_back(std::move(e));
    }
}

void TDominio::SetMalha(TMalha *malha) {
    if (malhaPropria_ && malhaPropria_.get() != malha)
        malhaPropria_.reset();
    Malha = malha;
    fixaAcima_.clear();
}

void TDominio::SetMalha(std::unique_ptr<TMalha> malha) {
    malhaPropria_ = std::move(malha);
    Malha = malhaPropria_.get();
    fixaAcima_.clear();
}

void TDominio::SetMaterial(std::unique_ptr<TMaterial> material) {
    Material = std::move(material);
}

void TDominio::SetFonte(std::unique_ptr<TForcaInterna> fonte) {
    Fonte = std::move(fonte);
}

void TDominio::SetFluencia(std::unique_ptr<TFluencia> fluencia) {
    Fluencia = std::move(fluencia);
}

void TDominio::AdicionaForcaExterna(const TForcaExterna &forca) {
    ForcasExternas.push_back(TForcaExterna::CreateCopia(forca));
}

void TDominio::AdicionaForcaExternaArestas(const TForcaExterna &forca,
                                           const TVetorInteiro &arestas) {
    ForcasExternas.push_back(TForcaExterna::CreateCopiaArestas(forca, arestas));
}

void TDominio::AdicionaForcaTensional(const TForcaTensional &forca) {
    ForcasTensionais.push_back(TForcaTensional::CreateCopia(forca));
}

// ---------------------------------------------------------------------------------------------
// Cutting at an elevation
// ---------------------------------------------------------------------------------------------

void TDominio::DivideNaElevacao(double y) {
    if (!Malha)
        return;
    const double yMin = Malha->GetYMin(), yMax = Malha->GetYMax();
    if (y < yMin || y > yMax || TUT_Math::IgualComTolerancia(y, yMin) ||
        TUT_Math::IgualComTolerancia(y, yMax))
        return;
    DivideArestasNaElevacao(y);
    AdicionaArestasNaElevacao(y);
}

void TDominio::DivideArestasNaElevacao(double y) {
    if (!Malha)
        return;
    for (int i = 1; i <= Malha->GetNumArestas(); ++i) {
        TAresta *a = Malha->GetAresta(i);
        const double x1 = a->No1->X, y1 = a->No1->Y;
        const double x2 = a->No2->X, y2 = a->No2->Y;
        if (y1 == y2)
            continue;
        const double x = (y - y1) * (x1 - x2) / (y1 - y2) + x1;
        if (Malha->ExisteVertice(x, y) || !TUT_Math::Entre(y, y1, y2) ||
            TUT_Math::IgualComTolerancia(y, y1) || TUT_Math::IgualComTolerancia(y, y2))
            continue;
        Malha->AdicionaVertice(x, y);
        const int novo = Malha->GetNumVertices();
        Malha->AdicionaAresta(novo, a->No2->Numero, a->Interna);
        a->No2 = Malha->GetVertice(novo);
    }
}

void TDominio::AdicionaArestasNaElevacao(double y) {
    if (!Malha)
        return;
    std::vector<int> naCota;
    for (int i = 1; i <= Malha->GetNumVertices(); ++i)
        if (TUT_Math::IgualComTolerancia(y, Malha->GetVertice(i)->Y))
            naCota.push_back(i);
    for (std::size_t k = 0; k + 1 < naCota.size(); ++k) {
        const int p = naCota[k], q = naCota[k + 1];
        if (Malha->ExisteAresta(*Malha->GetVertice(p), *Malha->GetVertice(q)))
            continue;
        const int na = Malha->GetNumArestas();
        const bool interna = na > 0 && Malha->GetAresta(na)->Interna;
        Malha->AdicionaAresta(p, q, interna);
        TAresta *nova = Malha->GetAresta(na + 1);
        nova->SetInterna(true);
        if (!Fixo)
            nova->SetIgnorada(true);
    }
}

// ---------------------------------------------------------------------------------------------
// Stage boundary from a zone
// ---------------------------------------------------------------------------------------------

void TDominio::CopiaArestas(const TDominio &zona, int kTopo, int kZona, double yTopo,
                            double yEtapa) {
    if (!Malha)
        SetMalha(std::make_unique<TMalha>(2, 2));
    if (!zona.Malha)
        return;
    const TMalha &zm = *zona.Malha;
    // A zone lying wholly above the stage elevation has no material in the stage (unless it
    // is fixed: existing ground is there whole in every stage): its edges at the elevation
    // neither bound the stage nor make the edges of the zone below interior.
    const bool acima = zm.GetYMin() > yEtapa || TUT_Math::IgualComTolerancia(zm.GetYMin(), yEtapa);
    const bool presente = zona.Fixo || !acima;
    for (int i = 1; i <= zm.GetNumArestas(); ++i) {
        const TAresta *e = zm.GetAresta(i);
        const double ym = e->YMedio();
        int existente = 0;
        const bool existe = Malha->ProcuraAresta(*e->No1, *e->No2, existente);
        if (ym - 1e-10 <= yEtapa) {
            if (!presente)
                continue;
            if (existe) {
                // An edge shared by two zones lies inside the stage.
                Malha->GetAresta(existente)->SetInterna(true);
                continue;
            }
            Malha->AdicionaArestaPontos(*e->No1, *e->No2);
            if (zona.Fixo || !TUT_Math::IgualComTolerancia(ym, yEtapa))
                Malha->GetAresta(Malha->GetNumArestas())->SetInterna(e->Interna);
            continue;
        }
        bool adiciona;
        if (zona.Fixo)
            adiciona = (ym <= yTopo && !e->Ignorada) || e->Interna;
        else
            adiciona = ym <= yTopo && kZona != kTopo && !e->Ignorada && zm.ConsideraInternas;
        if (existe) {
            // Above the elevation only fixed zones are there: an edge two of them share lies
            // inside the stage.
            if (zona.Fixo && adiciona && existente <= int(fixaAcima_.size()) &&
                fixaAcima_[std::size_t(existente - 1)])
                Malha->GetAresta(existente)->SetInterna(true);
            continue;
        }
        if (adiciona) {
            Malha->AdicionaArestaPontos(*e->No1, *e->No2);
            MarcaFixaAcima(Malha->GetNumArestas(), zona.Fixo);
        }
    }
}
