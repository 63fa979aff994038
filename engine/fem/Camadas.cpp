#include "fem/Camadas.h"

#include <string>

#include "EntradasExecucao.h"
#include "fem/ArquivosPasso.h"
#include "fem/ForcaExterna.h"
#include "fem/ForcaTensional.h"
#include "fem/Tempo.h"
#include "matematica/UTMath.h"
#include "uPlataforma.h"

TCamadas::TCamadas(const TMalha &malha, const TVetor &elevacoes)
    : Ny(malha.Ny), Nx(malha.Nx), NumEtapas(elevacoes.GetTamanho()), Elevacoes(elevacoes) {
    auto copia = TMalha::CreateCopia(malha);
    copia->Nx = malha.Nx;
    copia->Ny = malha.Ny;
    SetMalha(std::move(copia));
}

void TCamadas::SetNx(int n) {
    Nx = n;
    for (auto &e : Etapas)
        if (e->GetMalha())
            e->GetMalha()->Nx = n;
}

void TCamadas::SetNy(int n) {
    Ny = n;
    for (auto &e : Etapas)
        if (e->GetMalha())
            e->GetMalha()->Ny = n;
}

void TCamadas::DefineCamadas(const std::vector<TDominio *> &subdominios) {
    NumZonas = int(subdominios.size());
    Zonas.clear();
    Etapas.clear();
    if (OnInicio)
        OnInicio(NumZonas + 2 * NumEtapas);
    for (int i = 1; i <= NumZonas; ++i) {
        Progresso();
        CriaZona(*subdominios[std::size_t(i - 1)]);
    }
    for (int k = 1; k <= NumEtapas; ++k) {
        Progresso();
        CriaEtapa(k);
    }
    for (int k = 1; k <= NumEtapas; ++k) {
        Progresso();
        ContornoEtapa(k);
    }
}

void TCamadas::CriaZona(const TDominio &sub) {
    const TMalha &ms = *sub.GetMalha();
    std::vector<TNo> pontos;
    pontos.reserve(std::size_t(ms.GetNumVertices()));
    for (int v = 1; v <= ms.GetNumVertices(); ++v)
        pontos.emplace_back(v, ms.GetVertice(v)->X, ms.GetVertice(v)->Y);
    auto zona = TDominio::CreateMalha(pontos);
    TMalha &mz = *zona->GetMalha();
    const int n = std::min(mz.GetNumArestas(), ms.GetNumArestas());
    for (int j = 1; j <= n; ++j)
        mz.GetAresta(j)->SetInterna(ms.GetAresta(j)->Interna);
    zona->SetFixo(sub.Fixo);
    mz.SetConsideraInternas(ms.ConsideraInternas);
    for (int k = 1; k <= Elevacoes.GetTamanho(); ++k)
        zona->DivideNaElevacao(Elevacoes.Get(k));
    Zonas.push_back(std::move(zona));
}

void TCamadas::CriaEtapa(int k) {
    auto etapa = std::make_unique<TDominio>();
    etapa->SetMalha(std::make_unique<TMalha>());
    double topo = 0.0;
    int kTopo = 0;
    for (int z = 1; z <= NumZonas; ++z) {
        const double y = Zonas[std::size_t(z - 1)]->GetMalha()->GetYMax();
        if (z == 1 || y > topo) {
            topo = y;
            kTopo = z;
        }
    }
    const double e = Elevacoes.Get(k);
    for (int z = 1; z <= NumZonas; ++z)
        etapa->CopiaArestas(*Zonas[std::size_t(z - 1)], kTopo, z, topo, e);
    Etapas.push_back(std::move(etapa));
}

void TCamadas::ContornoEtapa(int k) {
    TDominio &etapa = *Etapas[std::size_t(k - 1)];
    const TMalha &m = *etapa.GetMalha();
    TMalha contorno;
    for (int a = 1; a <= m.GetNumArestas(); ++a) {
        const TAresta *ar = m.GetAresta(a);
        if (!ar->Interna)
            contorno.AdicionaArestaPontos(*ar->No1, *ar->No2);
    }
    etapa.SetMalha(TMalha::CreateCopia(contorno));
}

std::filesystem::path TCamadas::ArquivoMalhaEtapa(int k) {
    return PastaPadrao() / (kNomeMalhaEtapa + std::to_string(k) + kTerminacaoEtapa);
}

void TCamadas::SalvaMalhaEtapa(int k, const TConfiguracaoMalha &c) {
    TDominio &etapa = *Etapas[std::size_t(k - 1)];
    TMalha &m = *etapa.GetMalha();
    m.LimpaMalha();
    etapa.CriaElementos(); // no element may outlive the nodes it shares
    m.Nx = Nx;
    m.Ny = Ny;
    m.GeraMalha(c);
    m.SalvaMalha(ArquivoMalhaEtapa(k).string(), c);
    etapa.CriaElementos();
}

void TCamadas::LeMalhaArquivo(int k) {
    TDominio &etapa = *Etapas[std::size_t(k - 1)];
    TMalha &m = *etapa.GetMalha();
    m.Nx = Nx;
    m.Ny = Ny;
    m.LimpaMalha();
    etapa.CriaElementos();
    m.LeMalha(ArquivoMalhaEtapa(k).string());
    etapa.CriaElementos();
}

void TCamadas::CarregaMalhaEtapa(int k) {
    for (auto &e : Etapas) {
        e->GetMalha()->LimpaMalha();
        e->CriaElementos();
    }
    LeMalhaArquivo(k);
}

void TCamadas::LeMalhaEtapa(int k) {
    LeMalhaArquivo(k);
}

int TCamadas::EtapaDoTempo(double t, const TTempo &tempo) const {
    if (NumEtapas < 1)
        return 1;
    GetEtapa(NumEtapas)->SetInstanteFinal(tempo.GetTempoFinal());
    for (int k = 1; k <= NumEtapas; ++k) {
        const TDominio *e = GetEtapa(k);
        if (e->InstanteInicial <= t && !tempo.Passou(t, e->InstanteFinal))
            return k;
    }
    return 1;
}

int TCamadas::CamadaDaElevacao(double y) const {
    if (NumEtapas < 1 || y <= Elevacoes.Get(1) + 1e-10)
        return 1;
    for (int k = 1; k <= NumEtapas - 1; ++k)
        if (TUT_Math::Entre(y, Elevacoes.Get(k), Elevacoes.Get(k + 1)))
            return k + 1;
    return 1;
}

TVetorInteiro TCamadas::ArestasSelecionadas(const TMalha &m, bool porJanela, double x1, double y1,
                                            double x2, double y2) const {
    return porJanela ? m.ArestasNoRetangulo(x1, y1, x2, y2) : m.ArestasCruzadas(x1, y1, x2, y2);
}

void TCamadas::AdicionaForcaExternaEtapas(const TForcaExterna &forca, bool porJanela, double x1,
                                          double y1, double x2, double y2) {
    for (auto &e : Etapas)
        e->AdicionaForcaExternaArestas(
            forca, ArestasSelecionadas(*e->GetMalha(), porJanela, x1, y1, x2, y2));
}

void TCamadas::AdicionaForcaTensionalEtapas(const TForcaTensional &forca, bool porJanela, double x1,
                                            double y1, double x2, double y2) {
    for (auto &e : Etapas) {
        auto copia = TForcaTensional::CreateCopia(forca);
        copia->SetArestas(ArestasSelecionadas(*e->GetMalha(), porJanela, x1, y1, x2, y2));
        copia->SetPorEtapas(true);
        e->AdicionaForcaTensional(*copia);
    }
}
