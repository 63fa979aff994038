#include "fem/AnaliseCamadasTensional.h"

#include <cmath>
#include <stdexcept>

#include "fem/ArquivosPasso.h"
#include "fem/ArquivosTensional.h"
#include "fem/Camadas.h"
#include "fem/ElementosEtapa.h"
#include "fem/Fluencia.h"
#include "fem/ForcaTensional.h"
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/SubDominios.h"
#include "fem/Tempo.h"
#include "uPlataforma.h"

TAnaliseCamadasTensional::TAnaliseCamadasTensional(TCamadas *camadas)
    : TAnaliseTensional(nullptr), Camadas(camadas) {
    const int n = camadas->GetNumEtapas();
    DeformacaoInicialX = TVetor(n);
    DeformacaoInicialY = TVetor(n);
    TemDeformacaoInicial = TVetorBooleano(n);
    if (n >= 1)
        Dominio = camadas->GetEtapa(1);
}

std::string TAnaliseCamadasTensional::ArquivoElementosEtapaDeform(int k) {
    return (PastaPadrao() / (kNomeElementosEtapaDeform + std::to_string(k) + kTerminacaoEtapa))
        .string();
}

void TAnaliseCamadasTensional::VerificaCamada(int i) const {
    if (i < 1 || i > DeformacaoInicialX.GetTamanho())
        throw std::out_of_range("layer " + std::to_string(i));
}

double TAnaliseCamadasTensional::GetDeformacaoInicialX(int i) const {
    VerificaCamada(i);
    return DeformacaoInicialX[i];
}
double TAnaliseCamadasTensional::GetDeformacaoInicialY(int i) const {
    VerificaCamada(i);
    return DeformacaoInicialY[i];
}
bool TAnaliseCamadasTensional::GetTemDeformacaoInicial(int i) const {
    VerificaCamada(i);
    return TemDeformacaoInicial.Get(i);
}
void TAnaliseCamadasTensional::SetDeformacaoInicialX(int i, double d) {
    VerificaCamada(i);
    DeformacaoInicialX[i] = d;
}
void TAnaliseCamadasTensional::SetDeformacaoInicialY(int i, double d) {
    VerificaCamada(i);
    DeformacaoInicialY[i] = d;
}
void TAnaliseCamadasTensional::SetTemDeformacaoInicial(int i, bool b) {
    VerificaCamada(i);
    TemDeformacaoInicial.Set(i, b);
}

double TAnaliseCamadasTensional::InicioCamada(double y) const {
    return Camadas->GetEtapa(Camadas->CamadaDaElevacao(y))->InstanteInicial;
}

double TAnaliseCamadasTensional::InstanteColocacaoElemento(int i) const {
    return InicioCamada(Dominio->GetElemento(i)->YCentro());
}

int TAnaliseCamadasTensional::EtapaDoTempo(double t) {
    return Camadas->EtapaDoTempo(t, *Tempo);
}

void TAnaliseCamadasTensional::CarregaMalhaEtapa(int k) {
    // Loading another stage elsewhere (the thermal pass shares the layers) empties this one.
    if (k == EtapaAtual && Dominio == Camadas->GetEtapa(k) && Dominio->GetMalha()->GetNumNos() > 0)
        return;
    EtapaAtual = k;
    Camadas->CarregaMalhaEtapa(k);
    Dominio = Camadas->GetEtapa(k);
}

// ---------------------------------------------------------------------------------------------
// Zones and laws

bool TAnaliseCamadasTensional::PontoNoSubDominio(int k, double x, double y) const {
    return PontoNoContorno(Camadas->GetSubDominio(k)->GetMalha(), x, y);
}

int TAnaliseCamadasTensional::SubDominioDoPonto(double x, double y) const {
    return DominioDoPonto(
        Camadas->GetNumZonas(), [this](int k) { return Camadas->GetSubDominio(k)->GetMalha(); },
        [&](int k) { return PontoNoSubDominio(k, x, y); });
}

int TAnaliseCamadasTensional::ZonaComLeis(int e) {
    const TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
    const double origem = InicioCamada(d.yc);
    if (TFluencia *f = GetFluenciaCamada(d.subdominio))
        f->SetT0(origem);
    if (TRetracao *r = GetRetracaoCamada(d.subdominio))
        r->SetInicioSecagem(origem);
    IdadesElementos[e] = origem;
    return d.subdominio;
}

void TAnaliseCamadasTensional::MaterialDoElemento(int e) {
    SubDominioAtual = DadosElementos[std::size_t(e - 1)].subdominio;
    const TDominio *z = SubDominioAtual ? Camadas->GetSubDominio(SubDominioAtual) : nullptr;
    MaterialAtual = z && z->GetMaterial() ? z->GetMaterial() : DominioProprio->GetMaterial();
}

TFluencia *TAnaliseCamadasTensional::FluenciaDoElemento(int e) {
    return GetFluenciaCamada(ZonaComLeis(e));
}

void TAnaliseCamadasTensional::LeisDeformacao(int e, TFluencia *f, double &phi, double &retracao) {
    TAnaliseTensional::LeisDeformacao(e, f, phi, retracao);
    TRetracao *r = GetRetracaoCamada(DadosElementos[std::size_t(e - 1)].subdominio);
    if (!r)
        return;
    TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
    if (d.distanciaContorno < 0.0)
        d.distanciaContorno = Dominio->GetMalha()->DistanciaAoContorno(e);
    r->SetArea(AreaTotal);
    r->SetPerimetro(Perimetro);
    // Nothing shrinks before its placement: in the element's first step the increment is the
    // whole strain, also when the placement falls inside the step.
    const bool primeiro = PrimeiroPassoDoRun || Tempo->NasceNoPassoAtual(IdadesElementos[e]);
    retracao = r->IncrementoRetracao(d.distanciaContorno, Tempo->GetTempoAtual(),
                                     Tempo->GetDtPasso(), primeiro);
}

bool TAnaliseCamadasTensional::TemLeisDeformacao() const {
    for (const auto &f : FluenciasCamadas)
        if (f)
            return true;
    for (const auto &r : RetracoesCamadas)
        if (r)
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------------
// The run

void TAnaliseCamadasTensional::Roda() {
    const int n = Camadas->GetNumEtapas();
    if (n < 1)
        throw std::invalid_argument("layered model without stages");
    EtapaAtual = 1;
    PassosFeitos = 0;
    Dominio = Camadas->GetEtapa(1);
    Dominio->SetInstanteInicial(Tempo->GetTempoInicial());
    Camadas->GetEtapa(n)->SetInstanteFinal(Tempo->GetTempoFinal());
    GrausLiberdade = 2 * Dominio->GetMalha()->GetNumNos();
    MalhaAnterior.reset();
    TAnaliseTensional::Roda();
}

void TAnaliseCamadasTensional::Prepara() {
    Dominio = Camadas->GetEtapa(EtapaAtual);
    if (Dominio->GetMalha()->GetNumNos() == 0)
        Camadas->CarregaMalhaEtapa(EtapaAtual);
    TAnaliseTensional::Prepara();
}

void TAnaliseCamadasTensional::DeslocamentosIniciais() {
    if (EtapaAtual <= TemDeformacaoInicial.GetTamanho() && TemDeformacaoInicial.Get(EtapaAtual)) {
        for (int e = 1; e <= Dominio->GetNumElementos(); ++e) {
            const TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
            const TDominio *z = d.subdominio ? Camadas->GetSubDominio(d.subdominio) : nullptr;
            double dx, dy;
            if (z && z->Fixo) {
                dx = dy = z->DeslocamentoX;
            } else {
                const int camada = Camadas->CamadaDaElevacao(d.yc);
                dx = DeformacaoInicialX[camada];
                dy = DeformacaoInicialY[camada];
            }
            for (std::size_t k = 0; k < 3; ++k) {
                Deslocamentos[d.gl[2 * k]] = dx;
                Deslocamentos[d.gl[2 * k + 1]] = dy;
            }
        }
    }
    AtualizaExtremos(Deslocamentos);
}

bool TAnaliseCamadasTensional::UsaMaturidade() const {
    auto usa = [](const TMaterial *m) { return m && m->GetEDaResistencia() && m->GetMaturidade(); };
    if (usa(DominioProprio->GetMaterial()))
        return true;
    for (int z = 1; z <= Camadas->GetNumZonas(); ++z)
        if (usa(Camadas->GetSubDominio(z)->GetMaterial()))
            return true;
    return false;
}

void TAnaliseCamadasTensional::AvancaEtapas() {
    const double t = Tempo->GetTempoAtual();
    MudouEtapa = false;
    // Every stage that ended by now is left, in order, also several within one step.
    EtapaAnterior = EtapaAtual;
    while (EtapaAtual < Camadas->GetNumEtapas() && Tempo->Passou(t, Dominio->InstanteFinal) &&
           !Tempo->Passou(t, Tempo->GetTempoFinal())) {
        MudaEtapa();
        MudouEtapa = true;
    }
}

bool TAnaliseCamadasTensional::InicioDoPasso() {
    // A stage change always starts the stage: the previous temperatures belong to the old mesh.
    return Tempo->NasceNoPassoAtual(Dominio->InstanteInicial) || MudouEtapa;
}

bool TAnaliseCamadasTensional::CargaNoPasso(const TForcaTensional &forca, int e,
                                            bool primeiroPasso) const {
    // A load placed on every stage follows the construction; a stage's own load acts on all
    // its edges in the stage's first step, whatever the age of the elements they bound.
    return forca.GetPorEtapas() ? TAnaliseTensional::CargaNoPasso(forca, e, primeiroPasso)
                                : primeiroPasso;
}

const TMalha *TAnaliseCamadasTensional::MalhaDoPassoAnterior() {
    MalhaAnterior.reset();
    if (Tempo->PassoAtual() >= 2 && EtapaAtual >= 2) {
        MalhaAnterior = std::make_unique<TMalha>(2, 2);
        // The mesh the previous step was computed on.
        const int k = MudouEtapa ? EtapaAnterior : EtapaAtual - 1;
        MalhaAnterior->LeMalha(TCamadas::ArquivoMalhaEtapa(k).string());
    }
    return MalhaAnterior.get();
}

void TAnaliseCamadasTensional::MudaEtapa() {
    const int k = EtapaAtual;
    const TMalha &velha = *Dominio->GetMalha();
    GravaElementosEtapaDeform(ArquivoElementosEtapaDeform(k), velha, Deformacoes);

    // The old elements with their nodal equivalent ages, for the look-ups.
    const int nv = velha.GetNumElementos();
    std::vector<double> valores(std::size_t(3 * nv)), xs(valores.size()), ys(valores.size());
    for (int e = 1; e <= nv; ++e)
        for (int j = 1; j <= 3; ++j) {
            const TNo *no = velha.GetElemento(e)->GetNo(j);
            const std::size_t p = std::size_t(3 * (e - 1) + (j - 1));
            valores[p] = IdadesEquivalentes[no->Numero];
            xs[p] = no->X;
            ys[p] = no->Y;
        }
    TElementosEtapa grade;
    grade.Define(std::move(valores), std::move(xs), std::move(ys));
    const TVetor tensoes = Tensoes, deformacoes = Deformacoes;

    Camadas->LeMalhaEtapa(k + 1);
    EtapaAtual = k + 1;
    Dominio = Camadas->GetEtapa(k + 1);
    const TMalha &nova = *Dominio->GetMalha();
    GrausLiberdade = 2 * nova.GetNumNos();

    // Stresses and strains of the old element holding each new centroid; none for a new layer.
    const int ne = nova.GetNumElementos();
    TVetor ts(3 * ne), ds(3 * ne), idades(nova.GetNumNos());
    for (int e = 1; e <= ne; ++e) {
        const TElemento *el = nova.GetElemento(e);
        const int o = grade.Procura(el->XCentro(), el->YCentro());
        if (o < 0)
            continue;
        for (int c = 0; c < 3; ++c) {
            ts[3 * e - 2 + c] = tensoes[3 * o + 1 + c];
            ds[3 * e - 2 + c] = deformacoes[3 * o + 1 + c];
        }
    }
    const bool maturidade = UsaMaturidade();
    if (maturidade)
        for (int i = 1; i <= nova.GetNumNos(); ++i) {
            const TNo *no = nova.GetNo(i);
            const int o = grade.Procura(no->X, no->Y);
            idades[i] = o >= 0 ? grade.Interpola(o, no->X, no->Y) : 0.0;
        }

    ApoiosAtuais = GetApoiosEtapa(EtapaAtual);
    AlocaSistema();
    DeslocamentosIniciais();
    Tensoes = ts;
    Deformacoes = ds;
    if (maturidade)
        IdadesEquivalentes = idades;

    Camadas->CarregaMalhaEtapa(EtapaAtual);
    Dominio = Camadas->GetEtapa(EtapaAtual);
    if (Entradas.SetTitulo) {
        std::string titulo;
        AppendInteiro(titulo, Dominio->GetNumElementos());
        titulo += "  Elementos    ";
        AppendInteiro(titulo, Dominio->GetMalha()->GetNumNos());
        titulo += "  Nós";
        Entradas.SetTitulo(titulo);
    }
}

void TAnaliseCamadasTensional::PosPasso(int i) {
    if (i == Tempo->GetNumPassos())
        GravaElementosEtapaDeform(ArquivoElementosEtapaDeform(EtapaAtual), *Dominio->GetMalha(),
                                  Deformacoes);
    TAnaliseTensional::PosPasso(i);
}

void TAnaliseCamadasTensional::HistoricoNoPonto(double x, double y, bool tensao, int componente,
                                                TVetor &tempos, TVetor &valores) {
    if (componente < 0 || componente > 5)
        throw std::invalid_argument("component " + std::to_string(componente));
    tempos.Limpa();
    valores.Limpa();
    TVetor v;
    for (int s = 1; s <= PassosFeitos; ++s) {
        const double t = Tempo->GetTempoInicial() + Tempo->TempoDoPasso(s);
        CarregaMalhaEtapa(EtapaDoTempo(t));
        const std::string arquivo = tensao ? ArquivoTensao(s) : ArquivoDeformacao(s);
        LeArquivoValores(arquivo, v);
        int e = 0;
        for (int i = 1; i <= Dominio->GetNumElementos() && e == 0; ++i)
            if (Dominio->GetElemento(i)->ContemPonto(x, y))
                e = i;
        if (e == 0)
            continue;
        if (3 * e > v.GetTamanho())
            throw EInOutError(arquivo + ": Leitura além do fim do arquivo");
        const double sx = v[3 * e - 2], sy = v[3 * e - 1], txy = v[3 * e];
        double valor;
        if (componente <= 2) {
            valor = v[3 * e - 2 + componente];
        } else {
            TensoesPrincipais(sx, sy, txy);
            valor = componente == 3   ? Principais.Sigma1
                    : componente == 4 ? Principais.Sigma2
                                      : Principais.TauMax;
        }
        tempos.Adiciona(t);
        valores.Adiciona(valor);
    }
}
