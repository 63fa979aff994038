#include "fem/AnaliseCamadas.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "fem/ArquivosPasso.h"
#include "fem/ElementosEtapa.h"
#include "fem/ForcaInterna.h"
#include "fem/Material.h"
#include "fem/SubDominios.h"
#include "uPlataforma.h"

namespace {

double Segundos(std::chrono::steady_clock::time_point desde) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - desde).count();
}

} // namespace

TAnaliseCamadas::TAnaliseCamadas(TCamadas *camadas)
    : TAnalise(camadas->GetMalha()), Camadas(camadas),
      TemperaturasCamadas(camadas->GetNumEtapas()) {
    TMaxima = -1e100;
    TMinima = 1e100;
    // The domain the base built keeps the default material and source; the analysis' domain
    // is from now on always a stage of the layered model, which owns it.
    dominioPadrao_ = std::move(Dominio);
    if (Camadas->GetNumEtapas() > 0)
        Dominio.reset(Camadas->GetEtapa(1));
}

TAnaliseCamadas::~TAnaliseCamadas() {
    (void)Dominio.release();
}

void TAnaliseCamadas::UsaEtapa(int k) {
    (void)Dominio.release();
    Dominio.reset(Camadas->GetEtapa(k));
    NumNos = Dominio->GetMalha()->GetNumNos();
    InvalidaIndices();
    zonaDoElemento_.clear();
}

TDominio *TAnaliseCamadas::SetTemperaturaInicialSubDominio(int i, double t) {
    TDominio *z = Camadas->GetSubDominio(i);
    if (z->Fixo)
        z->SetTemperaturaInicial(t);
    return z;
}

int TAnaliseCamadas::EtapaDoTempo(double t) {
    return Camadas->EtapaDoTempo(t, *Tempo);
}

void TAnaliseCamadas::CarregaMalhaEtapa(int k) {
    if (k != EtapaAtual || Camadas->GetEtapa(k)->GetMalha()->GetNumNos() == 0) {
        EtapaAtual = k;
        Camadas->CarregaMalhaEtapa(k);
    }
    UsaEtapa(k);
}

double TAnaliseCamadas::InstanteColocacaoNoPonto(double, double y) const {
    return Camadas->GetEtapa(Camadas->CamadaDaElevacao(y))->InstanteInicial;
}

void TAnaliseCamadas::HistoricoNoPonto(TVetor &tempos, TVetor &valores, double x, double y) {
    tempos.Limpa();
    valores.Limpa();
    for (int s = 1; s <= PassosFeitos; ++s) {
        const double t = Tempo->GetTempoInicial() + Tempo->TempoDoPasso(s);
        // The mesh the step was computed on: a step past several stage ends is still on the
        // stage after the one it left.
        CarregaMalhaEtapa(s <= int(etapaDoPasso_.size()) ? etapaDoPasso_[std::size_t(s - 1)]
                                                         : EtapaDoTempo(t));
        LeArquivoPasso(ArquivoTemperatura(s), NumNos, leitura_);
        const int e = ElementoDoPonto(x, y);
        if (e == 0)
            continue; // the point's layer is not in place yet
        TElementoTriangular *el = Dominio->GetElemento(e);
        double v[3];
        for (int i = 1; i <= 3; ++i)
            v[i - 1] = leitura_.Get(el->GetNo(i)->Numero);
        tempos.Adiciona(t);
        valores.Adiciona(el->Interpola(v, x, y));
    }
}

// ---------------------------------------------------------------------------------------------
// Zones

bool TAnaliseCamadas::PontoNoSubDominio(int k, double x, double y) {
    return PontoNoContorno(Camadas->GetSubDominio(k)->GetMalha(), x, y);
}

int TAnaliseCamadas::SubDominioDoPonto(double x, double y) {
    return DominioDoPonto(
        Camadas->GetNumZonas(), [this](int k) { return Camadas->GetSubDominio(k)->GetMalha(); },
        [&](int k) { return PontoNoSubDominio(k, x, y); });
}

void TAnaliseCamadas::CalculaZonas() {
    const int ne = Dominio->GetNumElementos();
    zonaDoElemento_.assign(std::size_t(ne), 0);
    camadaDoElemento_.assign(std::size_t(ne), 1);
    // Every zone's outline indexed once for all the elements.
    const int nz = Camadas->GetNumZonas();
    std::vector<std::unique_ptr<TLocalizadorContorno>> contornos(static_cast<std::size_t>(nz));
    for (int k = 1; k <= nz; ++k)
        if (const TMalha *m = Camadas->GetSubDominio(k)->GetMalha())
            contornos[std::size_t(k - 1)] = std::make_unique<TLocalizadorContorno>(*m);
    const auto malha = [this](int k) { return Camadas->GetSubDominio(k)->GetMalha(); };
    for (int e = 1; e <= ne; ++e) {
        const TElementoTriangular *el = Dominio->GetElemento(e);
        const double x = el->XCentro(), y = el->YCentro();
        zonaDoElemento_[std::size_t(e - 1)] = DominioDoPonto(nz, malha, [&](int k) {
            const TLocalizadorContorno *c = contornos[std::size_t(k - 1)].get();
            return c && (!c->PontoFora(x, y) || malha(k)->ExisteVertice(x, y));
        });
        camadaDoElemento_[std::size_t(e - 1)] = Camadas->CamadaDaElevacao(el->YCentro());
    }
}

TDominio *TAnaliseCamadas::ZonaDoElemento(int e) const {
    const int z = zonaDoElemento_[std::size_t(e - 1)];
    return z ? Camadas->GetSubDominio(z) : nullptr;
}

TMaterial *TAnaliseCamadas::MaterialDoElemento(int e) {
    if (zonaDoElemento_.size() != std::size_t(Dominio->GetNumElementos()))
        CalculaZonas();
    const TDominio *z = ZonaDoElemento(e);
    TMaterial *m = z ? z->GetMaterial() : nullptr;
    return m ? m : dominioPadrao_->GetMaterial();
}

TForcaInterna *TAnaliseCamadas::FonteDoElemento(int e) {
    if (zonaDoElemento_.size() != std::size_t(Dominio->GetNumElementos()))
        CalculaZonas();
    if (const TDominio *z = ZonaDoElemento(e))
        if (TForcaInterna *f = z->GetFonte()) {
            // A fixed zone heats from its own start; the rest from the placement of the layer
            // that holds the element.
            f->SetInstanteInicial(
                z->Fixo
                    ? z->InstanteInicial
                    : Camadas->GetEtapa(camadaDoElemento_[std::size_t(e - 1)])->InstanteInicial);
            return f;
        }
    return dominioPadrao_->GetFonte();
}

// ---------------------------------------------------------------------------------------------
// Run

void TAnaliseCamadas::Roda() {
    if (!Solver)
        throw Exception("Nenhum método de solução foi definido para a análise: use "
                        "\"Configurações\" > \"Análise\".");
    const int n = Camadas->GetNumEtapas();
    if (n < 1)
        throw Exception("O modelo em camadas não tem etapas.");
    etapaEmMemoria_ = 0;
    PassosFeitos = 0;
    VerificaPassos(*Tempo);
    DefineNomesArquivos(Entradas.Arquivos);
    TTravaPasta trava(PastaDoArquivo(ArquivoTemperatura(1)));
    ZeraMaximos();
    temposMudancas_.clear();
    etapaDoPasso_.clear();

    EtapaAtual = 1;
    PassosFeitos = 0;
    // Stage 1's mesh as generated; when a previous run or query left it empty, from its file.
    // The other stages are read from their files when their turn comes: the meshes generated
    // for them are freed here, before the time loop, so that no stage change pays for the
    // release (and the allocator's later merging) of every stage's nodes and elements.
    if (Camadas->GetEtapa(1)->GetMalha()->GetNumNos() == 0)
        Camadas->CarregaMalhaEtapa(1);
    else
        EsvaziaEtapas(1);
    UsaEtapa(1);
    Camadas->GetEtapa(1)->SetInstanteInicial(Tempo->GetTempoInicial());
    Camadas->GetEtapa(n)->SetInstanteFinal(Tempo->GetTempoFinal());

    Prepara();
    LacoDoTempo();
}

void TAnaliseCamadas::Prepara() {
    DefineNomesArquivos(Entradas.Arquivos);
    UsaEtapa(EtapaAtual);
    Dominio->GetMalha()->SalvaMalha(TCamadas::ArquivoMalhaEtapa(EtapaAtual).string(),
                                    Entradas.Malha);
    TAnalise::Prepara();
}

void TAnaliseCamadas::MontaSistema() {
    const double t = Tempo->GetTempoAtual();
    // Every stage that ended by now is left, in order, also several within one step.
    while (EtapaAtual < Camadas->GetNumEtapas() &&
           Tempo->Passou(t, Camadas->GetEtapa(EtapaAtual)->InstanteFinal) &&
           !Tempo->Passou(t, Tempo->GetTempoFinal()))
        MudaEtapa();
    // Every element takes the material and source of its zone.
    if (zonaDoElemento_.size() != std::size_t(Dominio->GetNumElementos()))
        CalculaZonas();
    TAnalise::MontaSistema();
}

void TAnaliseCamadas::EsvaziaEtapas(int exceto) {
    for (int j = 1; j <= Camadas->GetNumEtapas(); ++j) {
        TDominio *e = Camadas->GetEtapa(j);
        if (j != exceto && (e->GetMalha()->GetNumNos() > 0 || e->GetNumElementos() > 0)) {
            e->GetMalha()->LimpaMalha();
            e->CriaElementos();
        }
    }
}

void TAnaliseCamadas::MudaEtapa() {
    TTempoMudanca tempos;
    const int k = EtapaAtual;
    auto t0 = std::chrono::steady_clock::now();
    GravaElementosEtapa(k, true);
    tempos.ArquivoElementos = Segundos(t0);

    // The old stage's mesh is emptied (the others were at the start of the run); then the new
    // stage's is read from its file.
    t0 = std::chrono::steady_clock::now();
    EsvaziaEtapas(0);
    tempos.Liberacao = Segundos(t0);
    t0 = std::chrono::steady_clock::now();
    EtapaAtual = k + 1;
    Camadas->CarregaMalhaEtapa(EtapaAtual);
    UsaEtapa(EtapaAtual);
    tempos.MalhaEtapa = Segundos(t0);

    t0 = std::chrono::steady_clock::now();
    SelecionaPrescricao(EtapaAtual);
    NovoSistema();
    AlocaLocais();
    tempos.Realocacao = Segundos(t0);

    t0 = std::chrono::steady_clock::now();
    TemperaturasIniciais();
    tempos.Transporte = Segundos(t0);
    etapaEmMemoria_ = 0;
    tempos.Etapa = EtapaAtual;
    tempos.Nos = NumNos;
    temposMudancas_.push_back(tempos);
}

void TAnaliseCamadas::TemperaturasIniciais() {
    T->Redimensiona(NumNos);
    T->Zera();
    CalculaZonas();
    double *t = T->Dados();
    const int ne = Dominio->GetNumElementos();
    for (int e = 1; e <= ne; ++e) {
        const TDominio *z = ZonaDoElemento(e);
        if (!z)
            continue;
        const TElementoTriangular *el = Dominio->GetElemento(e);
        const double v = z->Fixo
                             ? z->TemperaturaInicial
                             : TemperaturasCamadas.Get(Camadas->CamadaDaElevacao(el->YCentro()));
        for (int i = 1; i <= el->GetN(); ++i)
            t[el->GetNo(i)->Numero - 1] = v;
    }
    if (PassosFeitos >= 1 && EtapaAtual > 1)
        TransportaTemperaturas(EtapaAtual - 1);
    TMaxima = -1e100;
    TMinima = 1e100;
    AlargaExtremos(t, NumNos);
}

void TAnaliseCamadas::TransportaTemperaturas(int k) {
    TElementosEtapa lidos;
    if (etapaEmMemoria_ != k) {
        lidos.Le(TElementosEtapa::NomeArquivo(k));
    }
    const TElementosEtapa &anteriores = etapaEmMemoria_ == k ? emMemoria_ : lidos;
    const TMalha *m = Dominio->GetMalha();
    double *t = T->Dados();
    for (int i = 1; i <= NumNos; ++i) {
        const TNo *no = m->GetNo(i);
        int e = anteriores.Procura(no->X, no->Y);
        if (e < 0) {
            // A node on the old boundary that the file's five decimals leave just outside it.
            const double tol = 1e-5 + 1e-12 * (std::fabs(no->X) + std::fabs(no->Y));
            e = anteriores.ProcuraProximo(no->X, no->Y, tol);
        }
        if (e >= 0)
            t[i - 1] = anteriores.Interpola(e, no->X, no->Y);
    }
}

void TAnaliseCamadas::GravaElementosEtapa(int k, bool guardaValores) {
    const TMalha *m = Dominio->GetMalha();
    const double *t = T->Dados();
    const std::size_t ne = std::size_t(m->GetNumElementos());
    etapaEmMemoria_ = 0;
    buffer_.clear();
    buffer_.reserve(ne * 97);
    // At a stage change the carry-over takes the values as they read back, without parsing
    // the text again.
    std::vector<double> valores, xs, ys;
    bool lidos = guardaValores;
    if (lidos) {
        valores.resize(3 * ne);
        xs.resize(3 * ne);
        ys.resize(3 * ne);
    }
    for (std::size_t e = 0; e < ne; ++e) {
        const TElemento *el = m->GetElemento(int(e) + 1);
        double v[3], x[3], y[3];
        for (int i = 0; i < 3; ++i) {
            const TNo *no = el->GetNo(i + 1);
            v[i] = t[no->Numero - 1];
            x[i] = no->X;
            y[i] = no->Y;
            const std::size_t j = 3 * e + std::size_t(i);
            lidos = lidos && TElementosEtapa::ValorLido(v[i], valores[j]) &&
                    TElementosEtapa::ValorLido(x[i], xs[j]) &&
                    TElementosEtapa::ValorLido(y[i], ys[j]);
        }
        TElementosEtapa::AppendLinha(buffer_, v, x, y);
    }
    EscreveArquivo(TElementosEtapa::NomeArquivo(k), buffer_);
    if (lidos) {
        emMemoria_.Define(std::move(valores), std::move(xs), std::move(ys));
        etapaEmMemoria_ = k;
    }
}

void TAnaliseCamadas::PosPasso(int i) {
    if (i == Tempo->GetNumPassos())
        GravaElementosEtapa(EtapaAtual);
    etapaDoPasso_.resize(std::size_t(i), EtapaAtual);
    TAnalise::PosPasso(i);
}
