#include "Modelo.h"

#include "uEstadoInterface.h"

#include <cstdio>

// Opens the progress display for the life of a scope, so it closes on every path.
class TModelo::TProgressoAberto {
public:
    TProgressoAberto(IProgressoModelo *p, const std::string &titulo) : p_(p) {
        if (p_)
            p_->Abre(titulo);
    }
    ~TProgressoAberto() {
        if (p_)
            p_->Fecha();
    }
    TProgressoAberto(const TProgressoAberto &) = delete;
    TProgressoAberto &operator=(const TProgressoAberto &) = delete;

private:
    IProgressoModelo *p_;
};

namespace {

// The domain encloses an area the drawing can map: three vertices and an extent in x and y.
bool DominioValido(TMalha &m) {
    if (m.GetNumVertices() < 3 || m.GetNumArestas() < 3)
        return false;
    m.CalculaLimites();
    return m.GetXMax() > m.GetXMin() && m.GetYMax() > m.GetYMin();
}

void Titulo(const std::string &texto) {
    if (Estado().SetTitulo)
        Estado().SetTitulo(texto);
}

} // namespace

TModelo::TModelo(TCanvas *imagem) : FImagem(imagem) {
    // The mesh file reader writes the settings it brings into the engine-facing record.
    Estado().ConfiguracaoMalha.OnAlteracao = [this] {
        if (OnAjustesMalha)
            OnAjustesMalha(AjustesMalha());
    };
}

TModelo::~TModelo() {
    LiberaModelo();
    Estado().ConfiguracaoMalha.OnAlteracao = nullptr;
    if (FPesoProprio && Estado().FPesoProprio == FPesoProprio.get())
        Estado().FPesoProprio = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void TModelo::LiberaAnalises() {
    // The analyses refer to the subdomain copies and to the meshes: they go first.
    FAnaliseTensional.reset();
    FAnalise.reset();
    FSubDominiosAnalise.clear();
    DadosTensionais = false;
    TempoDefinido = TempoTensionalDefinido = MaterialDefinido = false;
    TemperaturaInicial = 0.0;
    TEstadoInterface &e = Estado();
    e.FTemperaturasIniciais = nullptr;
    if (e.FTemperaturasCamadas == &FTemperaturasCamadas)
        e.FTemperaturasCamadas = nullptr;
    e.FluenciaAtiva = false;
}

void TModelo::LiberaModelo() {
    LiberaAnalises();
    FPlotCamadas.reset();
    FPlot.reset();
    FCamadas.reset();
    FSubDominios.clear();
    FMalha = nullptr;
    FMalhaDominio.reset();
    FNosSelecionados = TVetorInteiro();
    FArestasSelecionadas = TVetorInteiro();
    FTemperaturasCamadas = TVetor();
    FModo = 0;
    FSubDominioAtual = 1;
    FEtapaAtual = 1;
    FNumEtapas = 0;
    FMaterialAtual = 1;
    FNoCapturado = 1;
    FElementoCapturado = 0;
    FNoCursor = TNo(1, 0.0, 0.0);
    ArquivoDominio.clear();
}

void TModelo::InstalaMalha(std::unique_ptr<TMalha> malha) {
    LiberaModelo();
    FMalhaDominio = std::move(malha);
    FMalha = FMalhaDominio.get();
    FPlot = std::make_unique<TMalhaPlot>(FImagem, FMalha);
    FPlot->SetLayerArestas(Desenho.LayerArestas);
    FPlot->SetLayerElementos(Desenho.LayerElementos);
    FPlot->SetLayerNos(Desenho.LayerNos);
    FModo = 0;
}

void TModelo::CriaDominio(std::span<const TNo> vertices) {
    auto malha = TMalha::CreatePoligono(vertices);
    if (!DominioValido(*malha))
        throw Exception("Domínio inválido: os vértices não delimitam uma área.");
    InstalaMalha(std::move(malha));
    RefazMalha();
}

void TModelo::InstalaMalhaLida(std::unique_ptr<TMalha> malha, const std::string &arquivo) {
    InstalaMalha(std::move(malha));
    ArquivoDominio = arquivo;
    LimpaDesenho();
    FPlot->Desenha();
    for (int i = 1; i <= FMalha->GetNumArestas(); ++i)
        FPlot->DesenhaAresta(i, false);
}

void TModelo::AbreDominio(const std::string &arquivo) {
    std::unique_ptr<TMalha> malha = TMalha::CreateDeArquivo(arquivo);
    if (!DominioValido(*malha))
        throw EInOutError(arquivo + ": não é um arquivo de domínio");
    InstalaMalhaLida(std::move(malha), arquivo);
}

void TModelo::ImportaMalha(const std::string &arquivo) {
    const TAjustesMalha antes = AjustesMalha();
    auto malha = std::make_unique<TMalha>(2, 2);
    try {
        malha->LeMalhaCompleta(arquivo, Estado().ConfiguracaoMalha);
        if (!DominioValido(*malha))
            throw EInOutError(arquivo + ": não é um arquivo de malha");
    } catch (...) {
        GuardaAjustesMalha(antes);
        if (OnAjustesMalha)
            OnAjustesMalha(antes);
        throw;
    }
    InstalaMalhaLida(std::move(malha), arquivo);
}

namespace {

const char *const kMalhaVazia = "A malha mostrada não tem nós: nada foi salvo.";

} // namespace

std::string TModelo::RecusaSalvarMalha() const {
    return FMalha && FMalha->GetNumNos() == 0 ? kMalhaVazia : std::string();
}

bool TModelo::SalvaMalha(const std::string &arquivo) const {
    if (!FMalha)
        return false;
    if (FMalha->GetNumNos() == 0)
        throw EInOutError(kMalhaVazia);
    FMalha->SalvaMalha(arquivo, Estado().ConfiguracaoMalha);
    return true;
}

bool TModelo::GeraMalha() {
    if (!FMalha)
        return false;
    const TAjustesMalha ajustes = AjustesMalha();
    TProgressoAberto progresso(Progresso, "Gerando Malha...");
    auto avanca = [this](TMalha *) {
        if (Progresso)
            Progresso->Avanca();
    };
    auto faixa = [this](TMalha *, int n) {
        if (Progresso)
            Progresso->DefineFaixa(n);
    };
    if (FModo == 1 && FCamadas && EtapaAtual()) {
        std::unique_ptr<TMalha> nova = GeraMalhaEtapa(FEtapaAtual, avanca, faixa);
        if (!nova)
            return false;
        // The analyses refer to the stage meshes being replaced: they go first.
        LiberaAnalises();
        InstalaMalhaEtapa(FEtapaAtual, *nova);
        FMalha = EtapaAtual()->GetMalha();
        if (FPlotCamadas)
            FPlotCamadas->SetMalha(FMalha);
    } else {
        if (FMalha != FMalhaDominio.get())
            return false;
        // Generated beside the current mesh, which stays when the generator refuses.
        auto nova = TMalha::CreateCopia(*FMalha);
        for (int a = 1; a <= nova->GetNumArestas(); ++a)
            nova->GetAresta(a)->SetIgnorada(FMalha->GetAresta(a)->Ignorada);
        nova->NomeArquivo = FMalha->NomeArquivo;
        nova->ConsideraInternas = FMalha->ConsideraInternas;
        nova->Nx = ajustes.Nx;
        nova->Ny = ajustes.Ny;
        nova->SetOnProgresso(avanca);
        nova->SetOnDivisoes(faixa);
        nova->GeraMalha(Estado().ConfiguracaoMalha);
        nova->SetOnProgresso(nullptr);
        nova->SetOnDivisoes(nullptr);
        if (nova->GetNumElementos() == 0)
            return false;
        LiberaAnalises();
        FMalhaDominio = std::move(nova);
        FMalha = FMalhaDominio.get();
        if (FPlot)
            FPlot->SetMalha(FMalha);
    }
    char texto[96];
    std::snprintf(texto, sizeof texto, "%d  Elementos    %d  Nós", FMalha->GetNumElementos(),
                  FMalha->GetNumNos());
    Titulo(texto);
    return true;
}

std::unique_ptr<TMalha> TModelo::GeraMalhaEtapa(int k, TMalha::TEventoProgresso progresso,
                                                TMalha::TEventoDivisoes divisoes) {
    if (!FCamadas || k < 1 || k > FCamadas->GetNumEtapas())
        return nullptr;
    const TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    FCamadas->SetNx(c.Nx);
    FCamadas->SetNy(c.Ny);
    auto nova = TMalha::CreateCopia(*FCamadas->GetEtapa(k)->GetMalha());
    nova->Nx = c.Nx;
    nova->Ny = c.Ny;
    nova->SetOnProgresso(std::move(progresso));
    nova->SetOnDivisoes(std::move(divisoes));
    nova->GeraMalha(c);
    nova->SetOnProgresso(nullptr);
    nova->SetOnDivisoes(nullptr);
    if (nova->GetNumElementos() == 0)
        return nullptr;
    return nova;
}

void TModelo::InstalaMalhaEtapa(int k, const TMalha &malha) {
    malha.SalvaMalha(TCamadas::ArquivoMalhaEtapa(k).string(), Estado().ConfiguracaoMalha);
    FCamadas->LeMalhaEtapa(k);
}

std::unique_ptr<TDominio> TModelo::CopiaSubDominio(int i) const {
    const TMalha &m = *FSubDominios[std::size_t(i - 1)]->GetMalha();
    std::vector<TNo> pontos;
    for (int v = 1; v <= m.GetNumVertices(); ++v)
        pontos.emplace_back(v, m.GetVertice(v)->X, m.GetVertice(v)->Y);
    auto d = TDominio::CreateMalha(pontos);
    TMalha &c = *d->GetMalha();
    for (int a = 1; a <= m.GetNumArestas() && a <= c.GetNumArestas(); ++a)
        c.GetAresta(a)->SetInterna(m.GetAresta(a)->Interna);
    c.SetConsideraInternas(m.ConsideraInternas);
    return d;
}

void TModelo::CriaAnalises() {
    LiberaAnalises();
    if (FModo == 1 && FCamadas) {
        auto termica = std::make_unique<TAnaliseCamadas>(FCamadas.get());
        for (int i = 1; i <= FTemperaturasCamadas.GetTamanho(); ++i)
            termica->SetTemperaturaCamada(i, FTemperaturasCamadas[i]);
        FAnalise = std::move(termica);
        FAnaliseTensional = std::make_unique<TAnaliseCamadasTensional>(FCamadas.get());
        FAnaliseTensional->SetNumCamadasLeis(FCamadas->GetNumZonas());
    } else {
        FAnalise = std::make_unique<TAnalise>(FMalha);
        FAnaliseTensional = std::make_unique<TAnaliseTensional>(FMalha);
        Estado().FTemperaturasIniciais = &FAnalise->GetVetorTemperaturasIniciais();
    }
    InstalaSolver();
    for (int i = 1; i <= GetNumSubDominios(); ++i) {
        FSubDominiosAnalise.push_back(CopiaSubDominio(i));
        FAnalise->SetSubDominio(i, FSubDominiosAnalise.back().get());
        FAnaliseTensional->SetSubDominio(i, FSubDominiosAnalise.back().get());
    }
}

bool TModelo::RefazMalha() {
    if (!GeraMalha())
        return false;
    CriaAnalises();
    AplicaCores();
    return true;
}

void TModelo::AplicaCores() {
    for (TMalhaPlot *p :
         {static_cast<TMalhaPlot *>(FPlot.get()), static_cast<TMalhaPlot *>(FPlotCamadas.get())})
        if (p) {
            p->SetLayerArestas(Desenho.LayerArestas);
            p->SetLayerElementos(Desenho.LayerElementos);
            p->SetLayerNos(Desenho.LayerNos);
        }
    DesenhaMalha();
}

bool TModelo::CriaCamadas(const std::vector<TLinhaCamada> &linhas) {
    if (!FMalhaDominio || linhas.empty())
        return false;
    // Layers that cannot give a stage are refused before anything changes.
    if (FSubDominios.empty())
        throw Exception("Não há subdomínios: desenhe ao menos um subdomínio antes de criar as "
                        "camadas.");
    FMalhaDominio->CalculaLimites();
    if (!(linhas.front().Elevacao > FMalhaDominio->GetYMin()))
        throw Exception("A elevação da primeira camada deve ficar acima da base do domínio.");
    const int n = int(linhas.size());
    TVetor elevacoes(n);
    for (int i = 1; i <= n; ++i)
        elevacoes[i] = linhas[std::size_t(i - 1)].Elevacao;

    // The previous layered model and everything built on it go first.
    LiberaAnalises();
    FPlotCamadas.reset();
    FCamadas.reset();
    FMalha = FMalhaDominio.get();
    if (FPlot)
        FPlot->SetMalha(FMalha);

    FCamadas = std::make_unique<TCamadas>(*FMalhaDominio, elevacoes);
    {
        TProgressoAberto progresso(Progresso, "Gerando Subdomínios...");
        FCamadas->SetOnInicio([this](int k) {
            if (Progresso)
                Progresso->DefineFaixa(k);
        });
        FCamadas->SetOnProgresso([this](TCamadas *) {
            if (Progresso)
                Progresso->Avanca();
        });
        std::vector<TDominio *> subs;
        for (auto &s : FSubDominios)
            subs.push_back(s.get());
        FCamadas->DefineCamadas(subs);
        FCamadas->SetOnInicio(nullptr);
        FCamadas->SetOnProgresso(nullptr);
    }
    FPlotCamadas = std::make_unique<TMalhaPlotCamadas>(FImagem, FCamadas.get());
    for (int i = 1; i <= n; ++i)
        FCamadas->GetEtapa(i)->SetInstanteInicial(linhas[std::size_t(i - 1)].Instante);
    for (int i = 1; i < n; ++i)
        FCamadas->GetEtapa(i)->SetInstanteFinal(FCamadas->GetEtapa(i + 1)->InstanteInicial);
    FNumEtapas = n;
    FEtapaAtual = 1;
    FMaterialAtual = 1;
    FTemperaturasCamadas = TVetor(n);
    for (int i = 1; i <= n; ++i)
        FTemperaturasCamadas[i] = linhas[std::size_t(i - 1)].Temperatura;
    FModo = 1;
    CriaAnalises();
    for (auto &s : FSubDominios)
        for (int i = 1; i <= n; ++i)
            s->DivideNaElevacao(elevacoes[i]);
    AplicaCores();
    return true;
}

int TModelo::AdicionaSubDominio(const std::vector<int> &vertices) {
    if (!FMalhaDominio || vertices.size() < 3)
        return 0;
    const TMalha &dominio = *FMalhaDominio;
    std::vector<TNo> pontos;
    for (int v : vertices) {
        if (v < 1 || v > dominio.GetNumVertices())
            return 0;
        pontos.emplace_back(int(pontos.size()) + 1, dominio.GetVertice(v)->X,
                            dominio.GetVertice(v)->Y);
    }
    auto sub = TDominio::CreateMalha(pontos);
    TMalha &ms = *sub->GetMalha();
    int internas = 0;
    for (int a = 1; a <= ms.GetNumArestas(); ++a) {
        const TAresta &s = *ms.GetAresta(a);
        for (int d = 1; d <= dominio.GetNumArestas(); ++d) {
            const TAresta &e = *dominio.GetAresta(d);
            if (e.No1->X == s.No1->X && e.No1->Y == s.No1->Y && e.No2->X == s.No2->X &&
                e.No2->Y == s.No2->Y) {
                ms.GetAresta(a)->SetInterna(e.Interna);
                break;
            }
        }
        if (ms.GetAresta(a)->Interna)
            ++internas;
    }
    if (internas == ms.GetNumArestas())
        ms.SetConsideraInternas(true);
    FSubDominios.push_back(std::move(sub));
    const int k = GetNumSubDominios();
    if (!FAnalise) {
        RefazMalha(); // makes the analyses with every subdomain, this one included
    } else {
        FSubDominiosAnalise.push_back(CopiaSubDominio(k));
        FAnalise->SetSubDominio(k, FSubDominiosAnalise.back().get());
        FAnaliseTensional->SetSubDominio(k, FSubDominiosAnalise.back().get());
    }
    FSubDominioAtual = k;
    if (TMalhaPlot *p = Plot())
        p->DesenhaPoligono(pontos);
    return k;
}

void TModelo::LiberaSubDominios() {
    // The analyses' lists go too: their elements fall back on the domain.
    if (FAnalise)
        FAnalise->LiberaSubDominios();
    if (FAnaliseTensional)
        FAnaliseTensional->LiberaSubDominios();
    FSubDominiosAnalise.clear();
    FSubDominios.clear();
    FSubDominioAtual = 1;
    AtualizaFluenciaAtiva();
}

// ---------------------------------------------------------------------------------------------
// Settings

TAjustesMalha TModelo::AjustesMalha() const {
    const TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    return {c.Nx, c.Ny, c.Exponencial, c.PorDmax, c.Dmax};
}

void TModelo::GuardaAjustesMalha(const TAjustesMalha &ajustes) {
    TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    c.Nx = ajustes.Nx;
    c.Ny = ajustes.Ny;
    c.Exponencial = ajustes.Exponencial;
    c.PorDmax = ajustes.PorDmax;
    c.Dmax = ajustes.Dmax;
}

void TModelo::LeConfiguracaoMalha(const TAjustesMalha &ajustes,
                                  const TConfiguracaoDesenho &desenho) {
    GuardaAjustesMalha(ajustes);
    const TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    Desenho = desenho;
    if (!FMalha)
        return;
    if (FModo == 1 && FCamadas) {
        FCamadas->SetNx(c.Nx);
        FCamadas->SetNy(c.Ny);
        if (TDominio *e = EtapaAtual(); e && e->GetMalha() && e->GetMalha()->GetNumNos() > 0)
            FMalha = e->GetMalha();
    } else {
        FMalha->Nx = c.Nx;
        FMalha->Ny = c.Ny;
    }
    if (FPlot && FModo == 0)
        FPlot->SetMalha(FMalha);
    AplicaCores();
}

// ---------------------------------------------------------------------------------------------
// Drawing

TMalhaPlot *TModelo::Plot() const {
    if (FModo == 1 && FPlotCamadas)
        return FPlotCamadas.get();
    return FPlot.get();
}

void TModelo::LimpaDesenho() {
    if (!FImagem)
        return;
    FImagem->Brush.Color = Desenho.CorFundo;
    FImagem->Brush.Style = TBrushStyle::bsSolid;
    FImagem->FillRect(0, 0, FImagem->Largura(), FImagem->Altura());
}

void TModelo::DesenhaMalha() {
    LimpaDesenho();
    TMalhaPlot *p = Plot();
    if (!p || !FMalha)
        return;
    p->SetMalha(FMalha);
    FMalha->CalculaLimites();
    if (!(FMalha->GetXMax() > FMalha->GetXMin() && FMalha->GetYMax() > FMalha->GetYMin()))
        return; // nothing with an extent to draw
    p->Desenha();
    p->SetMostraElementos(Opcoes.Elementos);
    p->SetMostraNumElementos(Opcoes.Elementos && Opcoes.NumElementos);
    p->DesenhaElementos();
    p->SetMostraContornos(Opcoes.Contornos);
    p->DesenhaContornos();
    p->SetMostraNos(Opcoes.Nos);
    p->SetMostraNumNos(Opcoes.Nos && Opcoes.NumNos);
    p->DesenhaNos();
    // An unmeshed domain shows its edges.
    p->SetMostraArestas(Opcoes.Arestas || FMalha->GetNumElementos() == 0);
    p->DesenhaTodasArestas();
}

// ---------------------------------------------------------------------------------------------
// Queries

TDominio *TModelo::SubDominioAtual() const {
    if (!FAnalise || FSubDominioAtual < 1 || FSubDominioAtual > GetNumSubDominios() ||
        FSubDominioAtual > FAnalise->GetNumSubDominios())
        return nullptr;
    return FAnalise->GetSubDominio(FSubDominioAtual);
}

TDominio *TModelo::CamadaAtual() const {
    if (!FCamadas || FMaterialAtual < 1 || FMaterialAtual > FCamadas->GetNumZonas())
        return nullptr;
    return FCamadas->GetSubDominio(FMaterialAtual);
}

TDominio *TModelo::EtapaAtual() const {
    if (!FCamadas || FEtapaAtual < 1 || FEtapaAtual > FCamadas->GetNumEtapas())
        return nullptr;
    return FCamadas->GetEtapa(FEtapaAtual);
}

// ---------------------------------------------------------------------------------------------
// Data a run cannot do without

std::string TModelo::DadoFaltanteTermica() const {
    if (!FAnalise)
        return {};
    if (!TempoDefinido)
        return "Falta o tempo da análise: use \"Configurações\" > \"Tempo\".";
    const std::string material = "\" > \"Material\".";
    if (FModo == 1 && FCamadas) {
        for (int z = 1; z <= FCamadas->GetNumZonas(); ++z)
            if (!FCamadas->GetSubDominio(z)->GetMaterial())
                return "Falta o material do subdomínio " + std::to_string(z) +
                       ": escolha-o com os botões \"Material\" da página \"Camadas\" e use "
                       "\"Configurações" +
                       material;
        return {};
    }
    if (!MaterialDefinido)
        return "Falta o material: use \"Configurações" + material;
    // With one subdomain the domain's material serves it.
    if (FSubDominiosAnalise.size() >= 2)
        for (std::size_t i = 0; i < FSubDominiosAnalise.size(); ++i)
            if (!FSubDominiosAnalise[i]->GetMaterial())
                return "Falta o material do subdomínio " + std::to_string(i + 1) +
                       ": escolha-o com \"SubDomínio Anterior\" ou \"SubDomínio Posterior\" "
                       "(página \"Domínio\") e use \"Configurações" +
                       material;
    return {};
}

std::string TModelo::DadoFaltanteTensional() const {
    if (!FAnaliseTensional)
        return {};
    if (std::string falta = DadoFaltanteTermica(); !falta.empty())
        return falta;
    if (!TempoTensionalDefinido)
        return "Falta o tempo da análise: use \"Configurações\" > \"Tempo\".";
    const std::string captura = "capture os nós a apoiar com \"Captura nós\" (página \"Nós\") e "
                                "use \"Vínculos\" (página \"Tensão\").";
    auto temApoios = [this](int etapa) {
        const TPrescricoes *p = FAnaliseTensional->GetApoios(etapa);
        return p && p->Nos.GetTamanho() > 0;
    };
    if (FModo == 1 && FCamadas) {
        for (int k = 1; k <= FCamadas->GetNumEtapas(); ++k)
            if (!temApoios(k))
                return "Faltam os vínculos da etapa " + std::to_string(k) +
                       ": mostre-a com \"Etapa anterior\" ou \"Etapa posterior\" (página "
                       "\"Camadas\"), " +
                       captura;
        return {};
    }
    if (!temApoios(1) && FAnaliseTensional->GetGrausPrescritos().empty())
        return "Faltam os vínculos: " + captura;
    return {};
}
