#include "fem/AnaliseTensional.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "fem/Analise.h"
#include "fem/ArquivosPasso.h"
#include "fem/ArquivosTensional.h"
#include "fem/ElementosEtapa.h"
#include "fem/Fluencia.h"
#include "fem/ForcaTensional.h"
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/SubDominios.h"
#include "fem/Tempo.h"
#include "matematica/Gauss.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

namespace {
// The material dialog's defaults.
std::unique_ptr<TMaterial> MaterialPadrao() {
    return std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, 20.0, 0.08609, 0.04225, false,
                                       12.5e-6, 0.2, 9.819, TMaterial::kModeloJCI, false, 20.0,
                                       false, 1.408, 0.1931, false, 0.0, true);
}
} // namespace

TAnaliseTensional::TAnaliseTensional(TMalha *malha) {
    Tempo = std::make_unique<TTempo>(TTempo::Padrao());
    DominioProprio = std::make_unique<TDominio>(malha);
    Dominio = DominioProprio.get();
    Dominio->SetMaterial(MaterialPadrao());
    GrausLiberdade = malha ? 2 * malha->GetNumNos() : 0;
}

TAnaliseTensional::~TAnaliseTensional() = default;

void TAnaliseTensional::SetTempo(std::unique_ptr<TTempo> tempo) {
    if (tempo)
        Tempo = std::move(tempo);
}

void TAnaliseTensional::SetSubDominio(int k, TDominio *d) {
    if (k < 1 || k > int(SubDominios.size()) + 1)
        throw std::out_of_range("subdomain " + std::to_string(k));
    if (k == int(SubDominios.size()) + 1)
        SubDominios.push_back(d);
    else
        SubDominios[std::size_t(k - 1)] = d;
}

void TAnaliseTensional::CriaSolver() {
    Solver = std::make_unique<TGauss>();
}

// ---------------------------------------------------------------------------------------------
// Supports and prescribed displacements

void TAnaliseTensional::AdicionaApoios(const TVetorInteiro &nos, bool umaDirecao, int etapa,
                                       bool emY, double valorY, double valorX) {
    if (etapa < 1)
        throw std::out_of_range("stage " + std::to_string(etapa));
    if (int(ApoiosPorEtapa.size()) < etapa)
        ApoiosPorEtapa.resize(std::size_t(etapa));
    auto nova = std::make_unique<TPrescricoes>(0);
    std::unique_ptr<TPrescricoes> &velha = ApoiosPorEtapa[std::size_t(etapa - 1)];
    if (velha) {
        nova->Valores = velha->Valores;
        nova->Nos = velha->Nos;
        nova->Inicio = velha->Inicio;
        nova->Fim = velha->Fim;
    }
    auto adiciona = [&](int gl, double v) {
        nova->Nos.Adiciona(gl);
        nova->Valores.Adiciona(v);
    };
    for (int i = 1; i <= nos.GetTamanho(); ++i) {
        const int k = nos[i];
        if (umaDirecao) {
            if (emY)
                adiciona(2 * k, valorY);
            else
                adiciona(2 * k - 1, valorX);
        } else {
            adiciona(2 * k - 1, valorX);
            adiciona(2 * k, valorY);
        }
    }
    if (ApoiosAtuais == velha.get())
        ApoiosAtuais = nova.get();
    velha = std::move(nova);
}

const TPrescricoes *TAnaliseTensional::GetApoios(int etapa) const {
    return GetApoiosEtapa(etapa);
}

TPrescricoes *TAnaliseTensional::GetApoiosEtapa(int etapa) const {
    if (etapa < 1 || etapa > int(ApoiosPorEtapa.size()))
        return nullptr;
    return ApoiosPorEtapa[std::size_t(etapa - 1)].get();
}

void TAnaliseTensional::DefineDeslocamentos(const TVetorInteiro &nos, double dy, double dx) {
    const int n = GrausLiberdade / 2;
    if (!DeslocamentosPrescritos)
        DeslocamentosPrescritos = std::make_unique<TVetor>(GrausLiberdade);
    for (int i = 1; i <= nos.GetTamanho(); ++i) {
        const int k = nos[i];
        if (k < 1 || k > n)
            throw std::out_of_range("node " + std::to_string(k));
        (*DeslocamentosPrescritos)[2 * k] = dy;
        (*DeslocamentosPrescritos)[2 * k - 1] = dx;
        GrausPrescritos.push_back(2 * k - 1);
        GrausPrescritos.push_back(2 * k);
    }
    Dominio->SetDeslocamentoX(dx);
}

// ---------------------------------------------------------------------------------------------
// The run

void TAnaliseTensional::Executa() {
    MaximoDaExecucao = false;
    try {
        Executa(EntradasDoEstado());
    } catch (...) {
        PublicaMaximo();
        throw;
    }
    PublicaMaximo();
}

void TAnaliseTensional::PublicaMaximo() const {
    if (!MaximoDaExecucao)
        return;
    PublicaTensaoMaxima(TensaoMaxima);
    // The element is named only by a run that found a tensile stress.
    if (TensaoMaxima > 0.0)
        PublicaElementoTensaoMaxima(ElementoTensaoMaxima);
}

void TAnaliseTensional::Executa(const TEntradasExecucao &entradas) {
    MaximoDaExecucao = false;
    Entradas = entradas;
    Roda();
}

void TAnaliseTensional::Roda() {
    if (DominioProprio)
        DominioProprio->SetInstanteInicial(Tempo->GetTempoInicial());
    PassosFeitos = 0; // a new run's history starts at its own first step
    VerificaPassos(*Tempo);
    const std::filesystem::path pastaTensoes = PastaDoArquivo(ArquivoTensao(1)),
                                pastaDeformacoes = PastaDoArquivo(ArquivoDeformacao(1));
    TTravaPasta trava(pastaTensoes);
    std::optional<TTravaPasta> travaDeformacoes;
    if (pastaDeformacoes != pastaTensoes)
        travaDeformacoes.emplace(pastaDeformacoes);
    PassosSemConvergencia = 0;
    Prepara();
    ApoiosAtuais = GetApoiosEtapa(EtapaAtual);
    TensaoMaxima = 0.0;
    MaximoDaExecucao = true;
    const int n = Tempo->GetNumPassos();
    for (int i = 1; i <= n; ++i) {
        Tempo->SetTempoAtual(Tempo->GetTempoInicial() + Tempo->TempoDoPasso(i));
        PrimeiroPassoDoRun = i == 1;
        // The temperatures are read for the mesh the step is solved on.
        AvancaEtapas();
        LeTemperaturasPasso(Tempo->PassoAtual());
        AlocaLocais();
        MontaSistema();
        VerificaMemoria();
        ImpoeApoios();
        Resolve();
        CalculaDeformacoes();
        CalculaTensoes();
        AtualizaMaximos();
        PosPasso(i);
    }
    AvisaSemConvergencia(PassosSemConvergencia);
    // The element of the final mesh nearest to where the maximum occurred.
    if (TensaoMaxima > 0.0) {
        double distancia = 1000.0;
        for (int e = 1; e <= Dominio->GetNumElementos(); ++e) {
            const TElementoTriangular *el = Dominio->GetElemento(e);
            const double d =
                TUT_Math::Distancia(el->XCentro(), el->YCentro(), XTensaoMaxima, YTensaoMaxima);
            if (d < distancia) {
                distancia = d;
                ElementoTensaoMaxima = e;
            }
        }
    }
}

void TAnaliseTensional::Prepara() {
    if (OnInicio)
        OnInicio(Tempo->GetNumPassos());
    AlocaSistema();
    DeslocamentosIniciais();
    AlocaLocais();
}

void TAnaliseTensional::AlocaSistema() {
    const TMalha *malha = Dominio->GetMalha();
    const int n = malha ? malha->GetNumNos() : 0;
    const int ne = Dominio->GetNumElementos();
    GrausLiberdade = 2 * n;
    K.reset();
    K = std::make_unique<TMatrizSky>(GrausLiberdade);
    b = TVetor(GrausLiberdade);
    Deslocamentos = TVetor(GrausLiberdade);
    TemperaturasAnteriores = TVetor(n);
    TemperaturasAtuais = TVetor(n);
    TemperaturasReferencia = TVetor(n);
    IdadesEquivalentes = TVetor(n);
    for (TVetor *v : {&Tensoes, &IncrementosTensoes, &Deformacoes, &IncrementosDeformacoes,
                      &DeformacoesTermicas})
        *v = TVetor(3 * ne);
    IdadesElementos = TVetor(ne);
    TemperaturasMediasElementos = TVetor(ne);
    FatoresFluencia = TVetor(ne);
    IncrementosRetracao = TVetor(ne);
    Restrito.assign(std::size_t(GrausLiberdade), 0);
    PartesVerificadas = false;
    ValorImposto.assign(std::size_t(GrausLiberdade), 0.0);
    MontaDadosElementos();
}

void TAnaliseTensional::MontaDadosElementos() {
    const int ne = Dominio->GetNumElementos();
    const int n = GrausLiberdade / 2;
    DadosElementos.assign(std::size_t(ne), TDadosElemento{});
    VizinhosNos.assign(std::size_t(n), {});
    for (int e = 1; e <= ne; ++e) {
        const TElementoTriangular *el = Dominio->GetElemento(e);
        TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
        for (int k = 1; k <= 3; ++k) {
            const int g = el->GetNo(k)->Numero;
            d.gl[std::size_t(2 * k - 2)] = 2 * g - 1;
            d.gl[std::size_t(2 * k - 1)] = 2 * g;
            d.B[std::size_t(k - 1)] = el->MatrizBNo(k);
            for (int j = 1; j <= 3; ++j)
                VizinhosNos[std::size_t(g - 1)].push_back(el->GetNo(j)->Numero);
        }
        const TJacobiano J = el->Jacobiano();
        d.detJ = J(1, 1) * J(2, 2) - J(1, 2) * J(2, 1);
        d.area = el->Area();
        d.xc = el->XCentro();
        d.yc = el->YCentro();
        d.subdominio = SubDominioDoPonto(d.xc, d.yc);
        const TDominio *sd = d.subdominio && d.subdominio <= int(SubDominios.size())
                                 ? SubDominios[std::size_t(d.subdominio - 1)]
                                 : nullptr;
        IdadesElementos[e] = sd ? sd->InstanteInicial : Dominio->InstanteInicial;
    }
    for (std::vector<int> &v : VizinhosNos) {
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
    }
    // Entries of each row in the order in which element-by-element assembly creates them.
    std::vector<std::vector<int>> colunas;
    colunas.resize(std::size_t(GrausLiberdade));
    std::vector<std::pair<int, int>> locais;
    locais.reserve(std::size_t(21 * ne));
    for (const TDadosElemento &d : DadosElementos)
        for (int ga : d.gl)
            for (int gc : d.gl) {
                if (ga > gc)
                    continue;
                std::vector<int> &linha = colunas[std::size_t(ga - 1)];
                const auto it = std::find(linha.begin(), linha.end(), gc);
                locais.emplace_back(ga, int(it - linha.begin()));
                if (it == linha.end())
                    linha.push_back(gc);
            }
    InicioLinha.assign(std::size_t(GrausLiberdade) + 1, 0);
    for (int r = 0; r < GrausLiberdade; ++r)
        InicioLinha[std::size_t(r + 1)] =
            InicioLinha[std::size_t(r)] + int(colunas[std::size_t(r)].size());
    ColunasMontagem.resize(std::size_t(InicioLinha.back()));
    for (int r = 0; r < GrausLiberdade; ++r)
        std::copy(colunas[std::size_t(r)].begin(), colunas[std::size_t(r)].end(),
                  ColunasMontagem.begin() + InicioLinha[std::size_t(r)]);
    ValoresMontagem.assign(ColunasMontagem.size(), 0.0);
    PosicoesK.assign(ColunasMontagem.size(), 0);
    PosicoesElementos.resize(locais.size());
    for (std::size_t i = 0; i < locais.size(); ++i)
        PosicoesElementos[i] = InicioLinha[std::size_t(locais[i].first - 1)] + locais[i].second;
}

void TAnaliseTensional::DeslocamentosIniciais() {
    if (DeslocamentosPrescritos && DeslocamentosPrescritos->GetTamanho() == GrausLiberdade)
        Deslocamentos.Copia(*DeslocamentosPrescritos);
    else
        DeslocamentosPrescritos.reset();
    AtualizaExtremos(Deslocamentos);
}

void TAnaliseTensional::AlocaLocais() {
    Ke.Redimensiona(6);
    Fe.Redimensiona(6);
    DeformacaoTermicaNos.Redimensiona(6);
    Resistencias.Redimensiona(3);
}

void TAnaliseTensional::LimpaSistema() {
    if (K)
        K->Zera();
    b.Zera();
    Deslocamentos.Zera();
}

void TAnaliseTensional::VerificaMemoria() {
    ConfereMemoria(Entradas.Memoria, OnMemoria);
}

int TAnaliseTensional::PassoDoArquivo(double t) const {
    return PassoCalculado(*Tempo, t, PassosFeitos);
}

void TAnaliseTensional::LeTemperaturasPasso(int s) {
    ArquivoPassoAtual = ArquivoTemperatura(s);
    try {
        LeArquivoPasso(ArquivoPassoAtual, GrausLiberdade / 2, TemperaturasAtuais);
    } catch (const EInOutError &) {
        MostraErro("Erro ao abrir dados das temperaturas.");
        throw;
    }
}

// ---------------------------------------------------------------------------------------------
// Subdomains and laws of an element

bool TAnaliseTensional::PontoNoSubDominio(int k, double x, double y) const {
    return PontoNoContorno(SubDominios[std::size_t(k - 1)]->GetMalha(), x, y);
}

int TAnaliseTensional::SubDominioDoPonto(double x, double y) const {
    return DominioDoPonto(
        int(SubDominios.size()),
        [this](int k) { return SubDominios[std::size_t(k - 1)]->GetMalha(); },
        [&](int k) { return PontoNoSubDominio(k, x, y); });
}

void TAnaliseTensional::MaterialDoElemento(int e) {
    SubDominioAtual = DadosElementos[std::size_t(e - 1)].subdominio;
    const TDominio *sd = SubDominioAtual ? SubDominios[std::size_t(SubDominioAtual - 1)] : nullptr;
    MaterialAtual = sd && sd->GetMaterial() ? sd->GetMaterial() : Dominio->GetMaterial();
    if (!MaterialAtual)
        MaterialAtual = DominioProprio->GetMaterial();
}

TFluencia *TAnaliseTensional::FluenciaDoElemento(int e) {
    if (!Entradas.FluenciaAtiva)
        return nullptr;
    const int k = DadosElementos[std::size_t(e - 1)].subdominio;
    const TDominio *sd = k ? SubDominios[std::size_t(k - 1)] : nullptr;
    TFluencia *f = sd && sd->GetFluencia() ? sd->GetFluencia() : Dominio->GetFluencia();
    if (f)
        f->SetT0(IdadesElementos[e]);
    return f;
}

// ---------------------------------------------------------------------------------------------
// Assembly

bool TAnaliseTensional::UsaMaturidade() const {
    auto usa = [](const TMaterial *m) { return m && m->GetEDaResistencia() && m->GetMaturidade(); };
    if (usa(Dominio->GetMaterial()))
        return true;
    for (const TDominio *sd : SubDominios)
        if (sd && usa(sd->GetMaterial()))
            return true;
    return false;
}

void TAnaliseTensional::AtualizaMaturidade(bool primeiroPasso) {
    const double dt = Tempo->GetDtPasso();
    for (int k = 1; k <= IdadesEquivalentes.GetTamanho(); ++k) {
        const double ref = primeiroPasso ? TemperaturaColocacao(k) : TemperaturasAnteriores[k];
        const double tk = (TemperaturasAtuais[k] + ref) / 2.0 + 273.0;
        const double ea = tk > 293.0 ? 33.5 : 33.5 + 1.47 * (293.0 - tk);
        const double f = VerificaFinito(std::exp(ea / 8.314 * (0.003413 - Divide(1.0, tk))));
        IdadesEquivalentes[k] += f * dt;
    }
}

bool TAnaliseTensional::InicioDoPasso() {
    return Tempo->NasceNoPassoAtual(Dominio->InstanteInicial);
}

const TMalha *TAnaliseTensional::MalhaDoPassoAnterior() {
    return Dominio->GetMalha();
}

void TAnaliseTensional::MontaSistema() {
    const bool primeiro = InicioDoPasso();
    if (UsaMaturidade())
        AtualizaMaturidade(primeiro);
    if (primeiro)
        TemperaturasReferenciaPrimeiroPasso(MalhaDoPassoAnterior());
    // The creep and shrinkage laws take the section's area and perimeter before any element.
    const int ne = Dominio->GetNumElementos();
    AreaTotal = 0.0;
    for (int e = 1; e <= ne; ++e)
        AreaTotal += DadosElementos[std::size_t(e - 1)].area;
    Perimetro = PerimetroDominio();
    const bool leis = TemLeisDeformacao();
    const bool cargas = Dominio->GetNumForcasTensionais() > 0;
    for (int e = 1; e <= ne; ++e) {
        LeisDoElemento(e);
        MaterialDoElemento(e);
        TMaterial &m = *MaterialAtual;
        DeformacaoTermicaElemento(e, primeiro, m);
        PreencheResistencias(e);
        TFluencia *f = FluenciaDoElemento(e);
        // The shrinkage increment is imposed like the thermal strain: loaded here, subtracted
        // in the recovery.
        double phi = 0.0, retracao = 0.0;
        if (leis) {
            LeisDeformacao(e, f, phi, retracao);
            FatoresFluencia[e] = phi;
            IncrementosRetracao[e] = retracao;
        }
        if (retracao != 0.0)
            for (int k = 1; k <= 3; ++k) {
                DeformacaoTermicaNos[2 * k - 1] += retracao;
                DeformacaoTermicaNos[2 * k] += retracao;
            }
        const double idade = IdadesElementos[e];
        RigidezElemento(e, m, f, idade, phi);
        if (cargas)
            CargasDeContorno(e, primeiro);
        MontaElemento(e);
        if (OnElemento)
            OnElemento(e);
        VerificaMemoriaElemento();
        Ke.Zera();
        Fe.Zera();
    }
    TransfereMatriz();
}

bool TAnaliseTensional::CargaNoPasso(const TForcaTensional &, int e, bool) const {
    return Tempo->NasceNoPassoAtual(IdadesElementos[e]);
}

void TAnaliseTensional::PreencheResistencias(int e) {
    const TMaterial &m = *MaterialAtual;
    if (!m.GetMaturidade())
        return;
    const TElementoTriangular *el = Dominio->GetElemento(e);
    for (int k = 1; k <= 3; ++k) {
        const double t = IdadesEquivalentes[el->GetNo(k)->Numero] / 24.0;
        Resistencias[k] = Divide(t, m.GetFTa() + m.GetFTb() * t);
    }
}

void TAnaliseTensional::DeformacaoTermicaElemento(int e, bool primeiroPasso, const TMaterial &m) {
    const double nu = m.GetPoisson(), alfa = m.GetAlfa();
    // In-plane thermal strain: plane strain restrains the thickness direction.
    const double fator = m.GetEPD() ? (1.0 + nu) * alfa : alfa;
    const TVetor &ref = primeiroPasso ? TemperaturasReferencia : TemperaturasAnteriores;
    const std::array<int, 6> &gl = DadosElementos[std::size_t(e - 1)].gl;
    double soma = 0.0;
    for (int k = 1; k <= 3; ++k) {
        const int g = gl[std::size_t(2 * k - 1)] / 2;
        const double eps = fator * (TemperaturasAtuais[g] - ref[g]);
        DeformacaoTermicaNos[2 * k - 1] = eps;
        DeformacaoTermicaNos[2 * k] = eps;
        soma += eps;
    }
    DeformacoesTermicas[3 * e - 2] = soma / 3.0;
    DeformacoesTermicas[3 * e - 1] = soma / 3.0;
    DeformacoesTermicas[3 * e] = 0.0;
}

double TAnaliseTensional::TemperaturaColocacao(int no) const {
    if (const TVetor *camadas = Entradas.TemperaturasCamadas;
        camadas && EtapaAtual <= camadas->GetTamanho())
        return (*camadas)[EtapaAtual];
    if (const TVetor *iniciais = Entradas.TemperaturasIniciais;
        iniciais && no <= iniciais->GetTamanho())
        return (*iniciais)[no];
    return 0.0;
}

void TAnaliseTensional::TemperaturasReferenciaPrimeiroPasso(const TMalha *malhaAnterior) {
    const TMalha *malha = Dominio->GetMalha();
    const int n = malha->GetNumNos();
    TemperaturasReferencia.Redimensiona(n);
    const int s = Tempo->PassoAtual();
    if (s < 2 || !malhaAnterior) {
        for (int k = 1; k <= n; ++k)
            TemperaturasReferencia[k] = TemperaturaColocacao(k);
        return;
    }
    // Temperatures of step s - 1 at each node's position on the previous mesh.
    const std::string arquivo = ArquivoTemperatura(s - 1);
    TVetor anterior;
    LeArquivoValores(arquivo, anterior);
    const int ne = malhaAnterior->GetNumElementos();
    std::vector<double> valores(std::size_t(3 * ne)), xs(valores.size()), ys(valores.size());
    for (int e = 1; e <= ne; ++e) {
        const TElemento *el = malhaAnterior->GetElemento(e);
        for (int k = 1; k <= 3; ++k) {
            const TNo *no = el->GetNo(k);
            if (no->Numero > anterior.GetTamanho())
                throw EInOutError(arquivo + ": Leitura além do fim do arquivo");
            const std::size_t p = std::size_t(3 * (e - 1) + (k - 1));
            valores[p] = anterior[no->Numero];
            xs[p] = no->X;
            ys[p] = no->Y;
        }
    }
    TElementosEtapa grade;
    grade.Define(std::move(valores), std::move(xs), std::move(ys));
    for (int k = 1; k <= n; ++k) {
        const TNo *no = malha->GetNo(k);
        const int e = grade.Procura(no->X, no->Y);
        TemperaturasReferencia[k] =
            e >= 0 ? grade.Interpola(e, no->X, no->Y) : TemperaturaColocacao(k);
    }
}

void TAnaliseTensional::CargasDeContorno(int e, bool primeiroPasso) {
    const TMalha *malha = Dominio->GetMalha();
    const int numero = Dominio->GetElemento(e)->Numero;
    for (int i = 1; i <= Dominio->GetNumForcasTensionais(); ++i) {
        const TForcaTensional &forca = *Dominio->GetForcaTensional(i);
        if (!CargaNoPasso(forca, e, primeiroPasso))
            continue;
        const TVetorInteiro &arestas = forca.GetArestas();
        for (int j = 1; j <= arestas.GetTamanho(); ++j) {
            const int a = arestas[j];
            if (a < 1 || a > malha->GetNumArestas() || malha->GetAresta(a)->Interna)
                continue;
            const TContorno *c = malha->GetContorno(a);
            for (int l = 1; l <= c->GetNumLados(); ++l) {
                const TLado *lado = c->GetLado(l);
                if (lado->Elemento->Numero != numero)
                    continue;
                ForcasLado.Zera();
                forca.ForcasDistribuidas(ForcasLado, *lado);
                for (int p = 1; p <= 6; ++p)
                    Fe[p] += ForcasLado[p];
            }
        }
    }
}

void TAnaliseTensional::MontaElemento(int e) {
    const std::array<int, 6> &gl = DadosElementos[std::size_t(e - 1)].gl;
    const int *pos = PosicoesElementos.data() + 21 * std::size_t(e - 1);
    double *v = ValoresMontagem.data();
    double *bb = b.Dados();
    for (int a = 0; a < 6; ++a) {
        const int ga = gl[std::size_t(a)];
        bb[ga - 1] += Fe[a + 1];
        for (int c = 0; c < 6; ++c)
            if (ga <= gl[std::size_t(c)])
                v[*pos++] += Ke(a + 1, c + 1);
    }
}

void TAnaliseTensional::TransfereMatriz() {
    const int *col = ColunasMontagem.data();
    int *posicao = PosicoesK.data();
    double *v = ValoresMontagem.data();
    for (int r = 1; r <= GrausLiberdade; ++r) {
        const int tamanho = K->TamanhoLinha(r);
        for (int p = InicioLinha[std::size_t(r - 1)]; p < InicioLinha[std::size_t(r)]; ++p) {
            const int q = posicao[p];
            if (q > 0 && q <= tamanho && K->ColunaNaPosicao(r, q) == col[p]) {
                K->SomaNaPosicao(r, q, v[p]); // the entry was cleared after the last step
            } else {
                // First assembly, or the solver moved the row's entries.
                K->Set(r, col[p], v[p]);
                double lido;
                K->ProcuraNaLinha(r, col[p], lido, posicao[p]);
            }
            v[p] = 0.0;
        }
    }
}

void TAnaliseTensional::RigidezElemento(int e, TMaterial &m, TFluencia *f, double nascimento,
                                        double phi) {
    const TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
    // One matrix for the element, the one the stress recovery uses.
    TMaterial::TMatrizD Dm;
    MatrizDElemento(m, f, ResistenciaMedia(m), nascimento, phi, Dm);
    const std::array<const TMaterial::TMatrizD *, 3> D{&Dm, &Dm, &Dm};
    const std::array<double, 2> peso =
        TElementoTriangular::PesoNo(Entradas.PesoProprio, *Tempo, nascimento, d.area, m);
    TElementoTriangular::RigidezTriangulo(3, d.B.data(), d.detJ, d.area, D.data(), peso,
                                          DeformacaoTermicaNos, Ke, Fe);
}

void TAnaliseTensional::MatrizDElemento(TMaterial &m, TFluencia *f, double s, double nascimento,
                                        double phi, TMaterial::TMatrizD &D) const {
    TElementoTriangular::MatrizD(m, f, *Tempo, s, D, nascimento);
    // The ACI creep coefficient acts as an effective modulus E / (1 + phi).
    if (phi != 0.0) {
        const double c = Divide(1.0, 1.0 + phi);
        for (auto &linha : D)
            for (double &v : linha)
                v *= c;
    }
}

double TAnaliseTensional::PerimetroDominio() const {
    const TMalha *m = Dominio->GetMalha();
    double p = 0.0;
    for (int i = 1; i <= m->GetNumArestas(); ++i)
        if (!m->GetAresta(i)->Interna)
            p += m->GetAresta(i)->Comprimento();
    return p;
}

// ---------------------------------------------------------------------------------------------
// Supports and solution

void TAnaliseTensional::ImpoeApoios() {
    std::vector<int> impostos;
    if (ApoiosAtuais)
        for (int i = 1; i <= ApoiosAtuais->Nos.GetTamanho(); ++i) {
            const int g = ApoiosAtuais->Nos[i];
            if (g < 1 || g > GrausLiberdade)
                continue;
            if (!Restrito[std::size_t(g - 1)])
                impostos.push_back(g);
            Restrito[std::size_t(g - 1)] = 1;
            ValorImposto[std::size_t(g - 1)] = 0.0;
        }
    // Prescribed displacements move once, in the run's first step, and are held afterwards.
    if (DeslocamentosPrescritos)
        for (int g : GrausPrescritos) {
            if (Restrito[std::size_t(g - 1)])
                continue;
            impostos.push_back(g);
            Restrito[std::size_t(g - 1)] = 2;
            ValorImposto[std::size_t(g - 1)] =
                PrimeiroPassoDoRun ? (*DeslocamentosPrescritos)[g] : 0.0;
        }
    double *bb = b.Dados();
    for (int g : impostos) {
        const double u = ValorImposto[std::size_t(g - 1)];
        const int no = (g + 1) / 2;
        for (int viz : VizinhosNos[std::size_t(no - 1)])
            for (int j = 2 * viz - 1; j <= 2 * viz; ++j) {
                if (j == g)
                    continue;
                const double v = K->Get(g, j);
                if (v == 0.0)
                    continue;
                if (!Restrito[std::size_t(j - 1)])
                    bb[j - 1] -= v * u;
                K->Set(g, j, 0.0);
            }
    }
    for (int g : impostos) {
        const double u = ValorImposto[std::size_t(g - 1)];
        bb[g - 1] = u == 0.0 ? 0.0 : K->Get(g, g) * u;
        Restrito[std::size_t(g - 1)] = 0;
        ValorImposto[std::size_t(g - 1)] = 0.0;
    }
}

std::string TAnaliseTensional::RigidezSingular() const {
    std::string s = "A matriz de rigidez do passo ";
    AppendInteiro(s, PassosFeitos + 1);
    return s + " (tempo " + FloatToStr(Tempo->GetTempoAtual()) + " h) é singular: ";
}

namespace {
// The pieces of a mesh for the rigid-body check: elements that share a side hold together; pieces
// that meet only at nodes are hinged there. Gives each element's piece (0-based, numbered in
// element order) and the number of pieces.
int PartesPorLado(const std::vector<std::array<int, 3>> &nos, int numNos, std::vector<int> &parte) {
    const std::size_t ne = nos.size();
    std::vector<int> inicio(std::size_t(numNos) + 2, 0), elementos(3 * ne);
    for (const std::array<int, 3> &t : nos)
        for (int k : t)
            ++inicio[std::size_t(k) + 1];
    for (std::size_t k = 1; k < inicio.size(); ++k)
        inicio[k] += inicio[k - 1];
    std::vector<int> livre(inicio.begin(), inicio.end() - 1);
    for (std::size_t e = 0; e < ne; ++e)
        for (int k : nos[e])
            elementos[std::size_t(livre[std::size_t(k)]++)] = int(e);
    std::vector<int> pai(ne);
    for (std::size_t e = 0; e < ne; ++e)
        pai[e] = int(e);
    auto raiz = [&pai](int e) {
        while (pai[std::size_t(e)] != e)
            e = pai[std::size_t(e)] = pai[std::size_t(pai[std::size_t(e)])];
        return e;
    };
    for (std::size_t e = 0; e < ne; ++e)
        for (int i = 0; i < 3; ++i) {
            const int a = nos[e][std::size_t(i)], c = nos[e][std::size_t((i + 1) % 3)];
            for (int q = inicio[std::size_t(a)]; q < inicio[std::size_t(a) + 1]; ++q) {
                const std::array<int, 3> &f = nos[std::size_t(elementos[std::size_t(q)])];
                if (f[0] == c || f[1] == c || f[2] == c)
                    pai[std::size_t(raiz(elementos[std::size_t(q)]))] = raiz(int(e));
            }
        }
    std::vector<int> numero(ne, -1);
    int partes = 0;
    parte.assign(ne, 0);
    for (std::size_t e = 0; e < ne; ++e) {
        int &n = numero[std::size_t(raiz(int(e)))];
        if (n < 0)
            n = partes++;
        parte[e] = n;
    }
    return partes;
}

// What restraints hold of a piece's rigid motions u = a - c y, v = b + c x: a and b once some x and
// some y are restrained, and the rotation c by x restraints at two heights or y restraints at two
// abscissas.
struct TVinculosParte {
    bool temX = false, temY = false, gira = true;
    double yx = 0.0, xy = 0.0; // height of the first x restraint, abscissa of the first y one

    void Restringe(bool emX, const TNo &no) {
        bool &tem = emX ? temX : temY;
        double &primeiro = emX ? yx : xy;
        const double c = emX ? no.Y : no.X;
        if (!tem) {
            tem = true;
            primeiro = c;
        } else if (!IgualComTolerancia(primeiro, c)) {
            gira = false;
        }
    }
    bool Preso() const { return temX && temY && !gira; }
};
} // namespace

void TAnaliseTensional::VerificaRigidez() const {
    const double *bb = b.Dados();
    bool carga = false;
    for (int i = 0; i < GrausLiberdade && !carga; ++i)
        carga = bb[i] != 0.0;
    if (!carga)
        return; // nothing is solved
    if (!PartesVerificadas)
        VerificaPartes();
    for (int g = 1; g <= GrausLiberdade; ++g)
        if (!(K->Get(g, g) > 0.0)) {
            std::string s = RigidezSingular() + "o nó ";
            AppendInteiro(s, (g + 1) / 2);
            throw Exception(s + " não tem rigidez, pois o módulo de elasticidade dos seus "
                                "elementos é nulo (ou negativo) na idade que eles têm neste passo. "
                                "Verifique o módulo do material em \"Configurações\" > "
                                "\"Material\".");
        }
}

void TAnaliseTensional::VerificaPartes() const {
    // Every piece must be held by its own restraints and by the nodes it shares with pieces
    // already held: such a node holds the piece's translation there, not its rotation about it.
    const TMalha &malha = *Dominio->GetMalha();
    const int numNos = GrausLiberdade / 2;
    std::vector<std::array<int, 3>> nos(DadosElementos.size());
    for (std::size_t e = 0; e < nos.size(); ++e)
        for (std::size_t k = 0; k < 3; ++k)
            nos[e][k] = DadosElementos[e].gl[2 * k + 1] / 2;
    std::vector<int> parte;
    const int numPartes = PartesPorLado(nos, numNos, parte);
    // The piece of each node, and every (node, piece) pair of the nodes of several pieces.
    std::vector<int> parteDoNo(std::size_t(numNos) + 1, -1);
    std::vector<std::pair<int, int>> articulacoes;
    for (std::size_t e = 0; e < nos.size(); ++e)
        for (int k : nos[e]) {
            int &p = parteDoNo[std::size_t(k)];
            if (p < 0)
                p = parte[e];
            else if (p != parte[e])
                articulacoes.emplace_back(k, parte[e]);
        }
    for (std::size_t i = 0, n = articulacoes.size(); i < n; ++i) {
        const int k = articulacoes[i].first;
        articulacoes.emplace_back(k, parteDoNo[std::size_t(k)]);
    }
    std::sort(articulacoes.begin(), articulacoes.end());
    articulacoes.erase(std::unique(articulacoes.begin(), articulacoes.end()), articulacoes.end());
    std::vector<char> articulado(std::size_t(numNos) + 1, 0);
    for (const std::pair<int, int> &a : articulacoes)
        articulado[std::size_t(a.first)] = 1;

    std::vector<TVinculosParte> vinculos(static_cast<std::size_t>(numPartes));
    auto restringe = [&](int g) {
        if (g < 1 || g > GrausLiberdade)
            return;
        const int k = (g + 1) / 2;
        const TNo &no = *malha.GetNo(k);
        if (!articulado[std::size_t(k)]) {
            if (parteDoNo[std::size_t(k)] >= 0)
                vinculos[std::size_t(parteDoNo[std::size_t(k)])].Restringe(g % 2 != 0, no);
            return;
        }
        const auto faixa =
            std::equal_range(articulacoes.begin(), articulacoes.end(), std::make_pair(k, 0),
                             [](const auto &x, const auto &y) { return x.first < y.first; });
        for (auto it = faixa.first; it != faixa.second; ++it)
            vinculos[std::size_t(it->second)].Restringe(g % 2 != 0, no);
    };
    if (ApoiosAtuais)
        for (int i = 1; i <= ApoiosAtuais->Nos.GetTamanho(); ++i)
            restringe(ApoiosAtuais->Nos[i]);
    if (DeslocamentosPrescritos)
        for (int g : GrausPrescritos)
            restringe(g);
    std::vector<char> preso(std::size_t(numPartes), 0), fixado(articulacoes.size(), 0);
    for (bool mudou = true; mudou;) {
        mudou = false;
        for (int p = 0; p < numPartes; ++p)
            if (!preso[std::size_t(p)] && vinculos[std::size_t(p)].Preso())
                preso[std::size_t(p)] = 1, mudou = true;
        for (std::size_t i = 0; i < articulacoes.size();) {
            std::size_t fim = i;
            bool seguro = false;
            for (; fim < articulacoes.size() && articulacoes[fim].first == articulacoes[i].first;
                 ++fim)
                seguro = seguro || preso[std::size_t(articulacoes[fim].second)];
            for (; seguro && i < fim; ++i) {
                const int p = articulacoes[i].second;
                if (preso[std::size_t(p)] || fixado[i])
                    continue;
                fixado[i] = 1;
                const TNo &no = *malha.GetNo(articulacoes[i].first);
                vinculos[std::size_t(p)].Restringe(true, no);
                vinculos[std::size_t(p)].Restringe(false, no);
            }
            i = fim;
        }
    }
    for (int p = 0; p < numPartes; ++p) {
        if (preso[std::size_t(p)])
            continue;
        if (numPartes == 1)
            throw Exception(RigidezSingular() +
                            "os vínculos não impedem o movimento de corpo rígido da estrutura. "
                            "Apoie nós em x e em y, de modo que ela não possa girar, com "
                            "\"Vínculos\" na página \"Tensão\" (no modelo em camadas, em cada "
                            "etapa).");
        // The piece's size and its first node of its own (of the hinges, when it has none).
        int elementos = 0, proprio = 0, qualquer = 0;
        for (std::size_t e = 0; e < nos.size(); ++e) {
            if (parte[e] != p)
                continue;
            ++elementos;
            for (int k : nos[e]) {
                if (!qualquer || k < qualquer)
                    qualquer = k;
                if (!articulado[std::size_t(k)] && (!proprio || k < proprio))
                    proprio = k;
            }
        }
        std::string s = RigidezSingular() + "a parte da malha de ";
        AppendInteiro(s, elementos);
        s += elementos == 1 ? " elemento que contém o nó " : " elementos que contém o nó ";
        AppendInteiro(s, proprio ? proprio : qualquer);
        throw Exception(s + " não está presa: ela não tem lado de elemento em comum com o resto "
                            "da malha, e nem os seus vínculos nem os nós que ela divide com partes "
                            "presas impedem o seu movimento de corpo rígido (um nó comum a duas "
                            "partes é uma articulação: não impede o giro em torno dele). Apoie nós "
                            "dessa parte em x e em y, de modo que ela não possa girar, com "
                            "\"Vínculos\" na página \"Tensão\" (no modelo em camadas, em cada "
                            "etapa).");
    }
    // The pieces and their restraints stay as they are until the system is allocated again.
    PartesVerificadas = true;
}

void TAnaliseTensional::Resolve() {
    // Each step's increments start from zero.
    Deslocamentos.Zera();
    VerificaRigidez();
    try {
        if (!ResolveSistema(Solver, *K, b, Deslocamentos))
            ++PassosSemConvergencia;
    } catch (const EZeroDivide &) {
        throw Exception(RigidezSingular() +
                        "a eliminação de Gauss encontrou um pivô nulo. Verifique os vínculos e o "
                        "módulo de elasticidade dos materiais.");
    }
}

void TAnaliseTensional::PosPasso(int i) {
    GravaDeformacoes(i);
    GravaTensoes(i);
    TemperaturasAnteriores.Copia(TemperaturasAtuais);
    AtualizaExtremos(Deslocamentos);
    LimpaSistema();
    if (OnPasso)
        OnPasso(*Tempo);
    ++PassosFeitos;
    if (Solver)
        Solver->DefineSistema(nullptr, nullptr, nullptr);
}

void TAnaliseTensional::AtualizaExtremos(const TVetor &v) {
    const double *p = v.Dados();
    for (int i = 0, n = v.GetTamanho(); i < n; ++i) {
        DeslocamentoMaximo = std::max(DeslocamentoMaximo, p[i]);
        DeslocamentoMinimo = std::min(DeslocamentoMinimo, p[i]);
    }
}

void TAnaliseTensional::Libera() {
    if (Solver)
        Solver->DefineSistema(nullptr, nullptr, nullptr);
    K.reset();
    for (TVetor *v :
         {&b, &Deslocamentos, &TemperaturasAnteriores, &TemperaturasAtuais, &TemperaturasReferencia,
          &IdadesEquivalentes, &Tensoes, &IncrementosTensoes, &Deformacoes, &IncrementosDeformacoes,
          &DeformacoesTermicas, &IdadesElementos, &TemperaturasMediasElementos})
        v->Limpa();
    DadosElementos.clear();
    VizinhosNos.clear();
    InicioLinha.clear();
    ColunasMontagem.clear();
    PosicoesElementos.clear();
    PosicoesK.clear();
    ValoresMontagem.clear();
    ApoiosPorEtapa.clear();
    ApoiosAtuais = nullptr;
    DeslocamentosPrescritos.reset();
    GrausPrescritos.clear();
    PassosFeitos = 0;
    DeslocamentoMaximo = -1e100;
    DeslocamentoMinimo = 1e100;
    if (Dominio->GetMalha())
        GrausLiberdade = 2 * Dominio->GetMalha()->GetNumNos();
    LiberaEntradasTensionais();
}
