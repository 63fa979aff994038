#include "fem/Analise.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "fem/ForcaExterna.h"
#include "fem/ForcaInterna.h"
#include "fem/Material.h"
#include "fem/SubDominios.h"
#include "malhas/Malha.h"

namespace {
// The material dialog's defaults.
std::unique_ptr<TMaterial> MaterialPadrao() {
    auto m = std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, 20.0, 0.08609, 0.04225, false,
                                         12.5e-6, 0.2, 9.819, TMaterial::kModeloJCI, false, 20.0,
                                         false, 1.408, 0.1931, true, 0.0, true);
    m->SetEConstanteValor(20.0);
    return m;
}
} // namespace

TAnalise::TAnalise(TMalha *malha) {
    Dominio = std::make_unique<TDominio>(malha, TClasseElemento::Triangular);
    Dominio->SetMaterial(MaterialPadrao());
    Dominio->SetFonte(std::make_unique<TForcaInterna>(0.0));
    Tempo = std::make_unique<TTempo>(TTempo::Padrao());
    NumNos = malha->GetNumNos();
    prescricaoInicial_ = std::make_unique<TPrescricoes>(0);
    PrescricaoAtual = prescricaoInicial_.get();
    VetorTemperaturasIniciais = TVetor(NumNos);
}

TAnalise::~TAnalise() {
    OnPasso = nullptr;
}

void TAnalise::SetTempo(std::unique_ptr<TTempo> tempo) {
    Tempo = std::move(tempo);
}

void TAnalise::SetSolver(std::unique_ptr<TGradiente> solver) {
    Solver = std::move(solver);
}

// ---------------------------------------------------------------------------------------------
// Subdomains

void TAnalise::SetSubDominio(int k, TDominio *dominio) {
    if (k >= 1 && k <= int(SubDominios.size()))
        SubDominios[std::size_t(k - 1)] = dominio;
    else
        SubDominios.push_back(dominio);
    indicesProntos_ = false;
}

void TAnalise::LiberaSubDominios() {
    SubDominios.clear();
    indicesProntos_ = false;
}

bool TAnalise::PontoNoSubDominio(int k, double x, double y) {
    return PontoNoContorno(GetSubDominio(k)->GetMalha(), x, y);
}

int TAnalise::SubDominioDoPonto(double x, double y) {
    return DominioDoPonto(
        GetNumSubDominios(), [this](int k) { return GetSubDominio(k)->GetMalha(); },
        [&](int k) { return PontoNoSubDominio(k, x, y); });
}

TMaterial *TAnalise::MaterialDoElemento(int e) {
    PreparaIndices();
    const int k = subDominioDoElemento_[std::size_t(e - 1)];
    TMaterial *m = k ? GetSubDominio(k)->GetMaterial() : nullptr;
    return m ? m : Dominio->GetMaterial();
}

TForcaInterna *TAnalise::FonteDoElemento(int e) {
    PreparaIndices();
    const int k = subDominioDoElemento_[std::size_t(e - 1)];
    if (k) {
        TDominio *sub = GetSubDominio(k);
        if (TForcaInterna *f = sub->GetFonte()) {
            f->SetInstanteInicial(sub->InstanteInicial);
            return f;
        }
    }
    return Dominio->GetFonte();
}

// ---------------------------------------------------------------------------------------------
// Per-run look-ups

void TAnalise::InvalidaIndices() {
    indicesProntos_ = false;
    kMantida_ = false;
}

void TAnalise::PreparaIndices() {
    if (indicesProntos_)
        return;
    const int ne = Dominio->GetNumElementos();

    // Node numbers of the elements, when they all have the same node count.
    nosPorElemento_ = ne > 0 ? Dominio->GetElemento(1)->GetN() : 0;
    for (int e = 1; e <= ne && nosPorElemento_; ++e)
        if (Dominio->GetElemento(e)->GetN() != nosPorElemento_)
            nosPorElemento_ = 0;
    nosElemento_.resize(std::size_t(ne) * std::size_t(nosPorElemento_));
    for (int e = 1; e <= ne && nosPorElemento_; ++e)
        for (int i = 1; i <= nosPorElemento_; ++i)
            nosElemento_[std::size_t(e - 1) * std::size_t(nosPorElemento_) + std::size_t(i - 1)] =
                Dominio->GetElemento(e)->GetNo(i)->Numero;
    posicaoK_.assign(std::size_t(ne) * std::size_t(nosPorElemento_ * (nosPorElemento_ + 1) / 2), 0);
    arranjosK_.assign(posicaoK_.size(), 0.0);
    kMantida_ = false;

    // Kept arrays: for the linear triangles only (other elements use their previous
    // temperatures in their arrays).
    valoresMaterial_.clear();
    materialDoArranjo_.assign(std::size_t(ne), -1);
    for (int e = 1; e <= ne; ++e)
        if (typeid(*Dominio->GetElemento(e)) != typeid(TElementoTriangular))
            materialDoArranjo_[std::size_t(e - 1)] = -2;
    arranjos_.resize(std::size_t(ne) * 18);
    fatorIntegracao_.resize(std::size_t(ne));
    thetaElemento_.resize(std::size_t(ne) * 9);
    thetaValido_.assign(std::size_t(ne), 0);

    // Subdomain of each element's centroid; the geometry does not change during a run.
    subDominioDoElemento_.assign(std::size_t(ne), 0);
    if (!SubDominios.empty())
        for (int e = 1; e <= ne; ++e) {
            const TElementoTriangular *el = Dominio->GetElemento(e);
            subDominioDoElemento_[std::size_t(e - 1)] =
                SubDominioDoPonto(el->XCentro(), el->YCentro());
        }

    // Convection sides of each element, in the order of loads and of their edge lists: for each
    // load and edge, the first side of the edge that belongs to the element. Edges flagged
    // interior carry no boundary load.
    struct TItem {
        std::int32_t elemento;
        TLadoCarregado lado;
    };
    std::vector<TItem> itens;
    std::vector<std::int32_t> visto(std::size_t(ne) + 1, -1);
    std::int32_t marca = 0;
    const TMalha *malha = Dominio->GetMalha();
    const int numArestas = malha ? malha->GetNumArestas() : 0;
    for (int l = 1; l <= Dominio->GetNumForcasExternas(); ++l) {
        TForcaExterna *forca = Dominio->GetForcaExterna(l);
        const TVetorInteiro &arestas = forca->GetArestas();
        for (int i = 1; i <= arestas.GetTamanho(); ++i, ++marca) {
            const int a = arestas[i];
            if (a < 1 || a > numArestas || malha->GetAresta(a)->Interna)
                continue;
            const TContorno *c = Dominio->GetContorno(a);
            for (int s = 1; s <= c->GetNumLados(); ++s) {
                const TLado *lado = c->GetLado(s);
                const int e = lado->Elemento ? lado->Elemento->Numero : 0;
                if (e < 1 || e > ne || visto[std::size_t(e)] == marca)
                    continue;
                visto[std::size_t(e)] = marca;
                itens.push_back({e, {forca, lado}});
            }
        }
    }
    // Element e's sides are lados_[ladosInicio_[e - 1] .. ladosInicio_[e] - 1].
    ladosInicio_.assign(std::size_t(ne) + 1, 0);
    for (const TItem &it : itens)
        ++ladosInicio_[std::size_t(it.elemento)];
    for (int e = 1; e <= ne; ++e)
        ladosInicio_[std::size_t(e)] += ladosInicio_[std::size_t(e - 1)];
    std::vector<std::int32_t> proximo(ladosInicio_.begin(), ladosInicio_.end() - 1);
    lados_.resize(itens.size());
    for (const TItem &it : itens)
        lados_[std::size_t(proximo[std::size_t(it.elemento - 1)]++)] = it.lado;
    indicesProntos_ = true;
}

// ---------------------------------------------------------------------------------------------
// Element arrays and assembly

void TAnalise::AlocaLocais() {
    const int ne = Dominio->GetNumElementos() > 0 ? Dominio->GetElemento(1)->GetN() : 3;
    Ke.Redimensiona(ne);
    Ce.Redimensiona(ne);
    Fe.Redimensiona(ne);
    Te.Redimensiona(ne);
    mAresta_ = TMatriz(ne, ne);
    fAresta_ = TVetor(ne);
    InvalidaIndices();
}

void TAnalise::LiberaLocais() {
    Ke.Redimensiona(0);
    Ce.Redimensiona(0);
    Fe.Redimensiona(0);
    Te.Redimensiona(0);
}

void TAnalise::ColetaValoresElemento(int e) {
    PreparaIndices();
    const double *t = T->Dados();
    if (nosPorElemento_) {
        const std::int32_t *g = &nosElemento_[std::size_t(e - 1) * std::size_t(nosPorElemento_)];
        for (int i = 1; i <= nosPorElemento_; ++i)
            Te[i] = t[g[i - 1] - 1];
        return;
    }
    const TElementoTriangular *el = Dominio->GetElemento(e);
    for (int i = 1; i <= el->GetN(); ++i)
        Te[i] = t[el->GetNo(i)->Numero - 1];
}

void TAnalise::ErroFormulaFonte(int e, const TForcaInterna &fonte, const EFormulaCarga &erro) {
    const TElementoTriangular *el = Dominio->GetElemento(e);
    const int k = LeisPorElemento() ? SubDominioDoPonto(el->XCentro(), el->YCentro()) : 0;
    const std::string onde = k ? "do subdomínio " + std::to_string(k) : "do domínio";
    throw Exception("A fórmula \"" + fonte.GetFormula()->GetExpressao() + "\" da fonte de calor " +
                    onde + " não pôde ser calculada: " + erro.what());
}

void TAnalise::ErroFormulaConveccao(const TForcaExterna &forca, const EFormulaCarga &erro) {
    int l = 1;
    while (l < Dominio->GetNumForcasExternas() && Dominio->GetForcaExterna(l) != &forca)
        ++l;
    throw Exception("A fórmula \"" + forca.GetFormula().GetExpressao() +
                    "\" da temperatura ambiente da carga de convecção " + std::to_string(l) +
                    LocalDasCargas() + " não pôde ser calculada: " + erro.what());
}

void TAnalise::CargasDeContorno(int e, double t) {
    PreparaIndices();
    const int n = Ke.GetLinhas();
    for (std::int32_t k = ladosInicio_[std::size_t(e - 1)]; k < ladosInicio_[std::size_t(e)]; ++k) {
        const TLadoCarregado &lc = lados_[std::size_t(k)];
        lc.forca->MatrizAresta(*lc.lado, mAresta_, t);
        try {
            lc.forca->CargaAresta(*lc.lado, fAresta_, t);
        } catch (const EFormulaCarga &erro) {
            ErroFormulaConveccao(*lc.forca, erro);
        }
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                Ke(i, j) += mAresta_.Get(i, j);
            Fe[i] += fAresta_[i];
        }
    }
}

namespace {
// The theta scheme on element arrays of order n (a compile-time order lets the loops unroll;
// the arithmetic is the same for every order).
template <int N>
void Theta(TMatrizElemento &Ke, const TMatrizElemento &Ce, TVetorElemento &Fe,
           const TVetorElemento &Te, double a, double c, int n) {
    const int m = N > 0 ? N : n;
    for (int i = 1; i <= m; ++i) {
        double s = 0.0;
        for (int j = 1; j <= m; ++j)
            s += (Ce(i, j) - a * Ke(i, j)) * Te[j];
        for (int j = 1; j <= m; ++j)
            Ke(i, j) = Ce(i, j) + c * Ke(i, j);
        Fe[i] = (a + c) * Fe[i] + s;
    }
}
} // namespace

void TAnalise::EsquemaTheta(int e) {
    const double theta = Tempo->GetTheta(), dt = Tempo->GetDtPasso();
    const double a = (1.0 - theta) * dt, c = theta * dt;
    const int n = Ke.GetLinhas();
    if (n == 3) {
        if (nosPorElemento_ == 3 && e >= 1 && std::size_t(e) <= thetaValido_.size()) {
            double *m = &thetaElemento_[std::size_t(e - 1) * 9];
            for (int i = 1; i <= 3; ++i)
                for (int j = 1; j <= 3; ++j)
                    m[3 * (i - 1) + (j - 1)] = Ce(i, j) - a * Ke(i, j);
            thetaValido_[std::size_t(e - 1)] = 1;
        }
        Theta<3>(Ke, Ce, Fe, Te, a, c, n);
    } else
        Theta<0>(Ke, Ce, Fe, Te, a, c, n);
}

void TAnalise::MontaElemento(int e) {
    PreparaIndices();
    double *bb = b->Dados();
    if (!nosPorElemento_) {
        kZerada_ = false;
        const TElementoTriangular *el = Dominio->GetElemento(e);
        for (int i = 1; i <= el->GetN(); ++i) {
            const int gi = el->GetNo(i)->Numero;
            bb[gi - 1] += Fe[i];
            for (int j = i; j <= el->GetN(); ++j) {
                const int gj = el->GetNo(j)->Numero;
                K->Set(gi, gj, K->Get(gi, gj) + Ke(i, j));
            }
        }
        return;
    }
    const int n = nosPorElemento_;
    const std::size_t m = std::size_t(n * (n + 1) / 2);
    const std::int32_t *g = &nosElemento_[std::size_t(e - 1) * std::size_t(n)];
    double *ke = &arranjosK_[std::size_t(e - 1) * m];
    bool igual = mantendo_;
    for (int i = 1, q = 0; i <= n; ++i) {
        bb[g[i - 1] - 1] += Fe[i];
        for (int j = i; j <= n; ++j, ++q) {
            const double v = Ke(i, j);
            igual = igual && std::memcmp(&ke[q], &v, sizeof v) == 0;
            ke[q] = v;
        }
    }
    if (igual)
        return;
    if (mantendo_) { // the first changed array: K is assembled afresh up to here
        mantendo_ = false;
        prescricaoImposta_ = nullptr;
        K->Zera();
        for (int f = 1; f < e; ++f)
            SomaElementoK(f);
    }
    SomaElementoK(e);
}

// K(min, max) += the element's kept array through each entry's remembered position; a position
// that no longer holds that column (new pattern, reordered row) is looked up again, and a pair
// not stored yet is appended first.
void TAnalise::SomaElementoK(int e) {
    kZerada_ = false;
    const int n = nosPorElemento_;
    const std::int32_t *g = &nosElemento_[std::size_t(e - 1) * std::size_t(n)];
    const std::size_t m = std::size_t(n * (n + 1) / 2);
    std::int32_t *pos = &posicaoK_[std::size_t(e - 1) * m];
    const double *ke = &arranjosK_[std::size_t(e - 1) * m];
    for (int i = 1; i <= n; ++i) {
        const int gi = g[i - 1];
        for (int j = i; j <= n; ++j, ++pos, ++ke) {
            const int gj = g[j - 1];
            const int linha = std::min(gi, gj), coluna = std::max(gi, gj);
            int p = *pos;
            if (p < 1 || p > K->TamanhoLinha(linha) || K->ColunaNaPosicao(linha, p) != coluna) {
                double v;
                if (!K->ProcuraNaLinha(linha, coluna, v, p)) {
                    K->Set(linha, coluna, 0.0);
                    p = K->TamanhoLinha(linha);
                }
                *pos = p;
            }
            K->SomaNaPosicao(linha, p, *ke);
        }
    }
}

void TAnalise::ReconstroiK() {
    prescricaoImposta_ = nullptr;
    K->Zera();
    for (int e = 1; e <= Dominio->GetNumElementos(); ++e)
        SomaElementoK(e);
}

void TAnalise::ArranjosTriangulo(int e, TElementoTriangular *el, TForcaInterna &fonte,
                                 TMaterial &material) {
    const TValoresMaterial v{material.GetKx(), material.GetKy(), material.GetDensidade(),
                             material.GetCalorEspecifico()};
    std::int32_t &k = materialDoArranjo_[std::size_t(e - 1)];
    double *a = &arranjos_[std::size_t(e - 1) * 18];
    if (k >= 0) {
        const TValoresMaterial &u = valoresMaterial_[std::size_t(k)];
        if (u.kx == v.kx && u.ky == v.ky && u.densidade == v.densidade && u.calor == v.calor) {
            for (int i = 1; i <= 3; ++i)
                for (int j = 1; j <= 3; ++j) {
                    Ke(i, j) = a[3 * (i - 1) + (j - 1)];
                    Ce(i, j) = a[9 + 3 * (i - 1) + (j - 1)];
                }
            TElementoTriangular::AdicionaFonte(fatorIntegracao_[std::size_t(e - 1)],
                                               ValorFonte(fonte, material), Fe);
            return;
        }
    }
    el->MatrizesTermicas(fonte, *Tempo, material, Ke, Ce, Fe, Te);
    fatorIntegracao_[std::size_t(e - 1)] = el->FatorIntegracao();
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            a[3 * (i - 1) + (j - 1)] = Ke(i, j);
            a[9 + 3 * (i - 1) + (j - 1)] = Ce(i, j);
        }
    k = -1;
    for (std::size_t m = 0; m < valoresMaterial_.size() && k < 0; ++m) {
        const TValoresMaterial &u = valoresMaterial_[m];
        if (u.kx == v.kx && u.ky == v.ky && u.densidade == v.densidade && u.calor == v.calor)
            k = std::int32_t(m);
    }
    if (k < 0) {
        k = std::int32_t(valoresMaterial_.size());
        valoresMaterial_.push_back(v);
    }
}

double TAnalise::ValorFonte(TForcaInterna &fonte, const TMaterial &material) {
    auto igual = [&](const TValorFonte &v) {
        return v.fonte == &fonte && v.material == &material &&
               v.inicio == fonte.GetInstanteInicial();
    };
    if (ultimoValorFonte_ < valoresFonte_.size() && igual(valoresFonte_[ultimoValorFonte_]))
        return valoresFonte_[ultimoValorFonte_].valor;
    for (std::size_t i = 0; i < valoresFonte_.size(); ++i)
        if (igual(valoresFonte_[i])) {
            ultimoValorFonte_ = i;
            return valoresFonte_[i].valor;
        }
    const double q = fonte.Valor(nullptr, material, Tempo->GetTempoAtual());
    ultimoValorFonte_ = valoresFonte_.size();
    valoresFonte_.push_back({&fonte, &material, fonte.GetInstanteInicial(), q});
    return q;
}

bool TAnalise::ChaveThetaMantida() {
    const double theta = Tempo->GetTheta(), dt = Tempo->GetDtPasso();
    const double t = Tempo->GetTempoAtual();
    chaveAtual_.a = (1.0 - theta) * dt;
    chaveAtual_.c = theta * dt;
    chaveAtual_.coeficientes.clear();
    for (int l = 1; l <= Dominio->GetNumForcasExternas(); ++l)
        chaveAtual_.coeficientes.push_back(Dominio->GetForcaExterna(l)->CoeficienteEm(t));
    if (chaveAtual_ == chaveTheta_)
        return true;
    std::swap(chaveTheta_, chaveAtual_);
    std::fill(thetaValido_.begin(), thetaValido_.end(), std::uint8_t(0));
    return false;
}

bool TAnalise::TermoDoArranjoMantido(int e, TForcaInterna &fonte, const TMaterial &material,
                                     double t) {
    const std::int32_t k = materialDoArranjo_[std::size_t(e - 1)];
    if (!thetaValido_[std::size_t(e - 1)] || k < 0)
        return false;
    const TValoresMaterial &u = valoresMaterial_[std::size_t(k)];
    if (u.kx != material.GetKx() || u.ky != material.GetKy() ||
        u.densidade != material.GetDensidade() || u.calor != material.GetCalorEspecifico())
        return false;
    // Source, then convection loads, then the theta scheme and the sums into b, as the
    // element path does them.
    TVetorElemento f(3);
    TElementoTriangular::AdicionaFonte(fatorIntegracao_[std::size_t(e - 1)],
                                       ValorFonte(fonte, material), f);
    for (std::int32_t l = ladosInicio_[std::size_t(e - 1)]; l < ladosInicio_[std::size_t(e)]; ++l) {
        const TLadoCarregado &lc = lados_[std::size_t(l)];
        lc.forca->CargaAresta(*lc.lado, fAresta_, t);
        for (int i = 1; i <= 3; ++i)
            f[i] += fAresta_[i];
    }
    const double a = chaveTheta_.a, c = chaveTheta_.c;
    const double *m = &thetaElemento_[std::size_t(e - 1) * 9];
    const std::int32_t *g = &nosElemento_[std::size_t(e - 1) * 3];
    const double *tt = T->Dados();
    const double te[3] = {tt[g[0] - 1], tt[g[1] - 1], tt[g[2] - 1]};
    double *bb = b->Dados();
    for (int i = 0; i < 3; ++i) {
        double s = 0.0;
        for (int j = 0; j < 3; ++j)
            s += m[3 * i + j] * te[j];
        bb[g[i] - 1] += (a + c) * f[i + 1] + s;
    }
    // The element's system array is the kept one.
    if (!mantendo_)
        SomaElementoK(e);
    return true;
}

void TAnalise::MontaSistema() {
    PreparaIndices();
    mantendo_ = kMantida_ && nosPorElemento_ > 0;
    const bool limpa = kMantida_ || kZerada_;
    kMantida_ = false;
    kInalterada_ = false;
    const int ne = Dominio->GetNumElementos();
    const double t = Tempo->GetTempoAtual();
    const bool porElemento = LeisPorElemento();
    const bool mantidos = nosPorElemento_ == 3 && ChaveThetaMantida() && TermoDosArranjosMantidos();
    valoresFonte_.clear();
    for (int e = 1; e <= ne; ++e) {
        TForcaInterna *fonte = Dominio->GetFonte();
        TMaterial *material = Dominio->GetMaterial();
        if (porElemento) {
            fonte = FonteDoElemento(e);
            material = MaterialDoElemento(e);
        }
        if (mantidos && TermoDoArranjoMantido(e, *fonte, *material, t)) {
            if (OnElemento)
                OnElemento(e);
            continue;
        }
        ColetaValoresElemento(e);
        TElementoTriangular *el = Dominio->GetElemento(e);
        try {
            if (materialDoArranjo_[std::size_t(e - 1)] != -2)
                ArranjosTriangulo(e, el, *fonte, *material);
            else
                el->MatrizesTermicas(*fonte, *Tempo, *material, Ke, Ce, Fe, Te);
        } catch (const EFormulaCarga &erro) {
            ErroFormulaFonte(e, *fonte, erro);
        }
        CargasDeContorno(e, t);
        EsquemaTheta(e);
        MontaElemento(e);
        if (OnElemento)
            OnElemento(e);
        Ke.Zera();
        Ce.Zera();
        Fe.Zera();
        Te.Zera();
    }
    kInalterada_ = mantendo_;
    mantendo_ = false;
    montada_ = limpa && nosPorElemento_ > 0;
}

void TAnalise::LimpaSistema() {
    // After a complete assembly K is kept for the next one to compare with; otherwise cleared.
    kMantida_ = montada_ && K;
    montada_ = false;
    if (K && !kMantida_) {
        K->Zera();
        kZerada_ = true;
        kInalterada_ = false;
        prescricaoImposta_ = nullptr;
    }
    if (b)
        b->Zera();
}

// ---------------------------------------------------------------------------------------------
// Initial and prescribed temperatures

void TAnalise::TemperaturasIniciais() {
    T->Copia(VetorTemperaturasIniciais);
    T->Redimensiona(NumNos);
    TMaxima = -1e100;
    TMinima = 1e100;
    AlargaExtremos(T->Dados(), T->GetTamanho());
}

void TAnalise::AlargaExtremos(const double *v, int n) {
    for (int i = 0; i < n; ++i) {
        TMaxima = std::max(TMaxima, v[i]);
        TMinima = std::min(TMinima, v[i]);
    }
}

void TAnalise::AplicaTemperaturaInicial(const TVetorInteiro &nos, double T0) {
    for (int i = 1; i <= nos.GetTamanho(); ++i)
        if (nos[i] >= 1 && nos[i] <= VetorTemperaturasIniciais.GetTamanho())
            VetorTemperaturasIniciais[nos[i]] = T0;
    Dominio->SetTemperaturaInicial(T0);
}

TPrescricoes *TAnalise::GetPrescricao(int k) const {
    if (k < 1 || k > int(Prescricoes.size()))
        return nullptr;
    return Prescricoes[std::size_t(k - 1)].get();
}

void TAnalise::SelecionaPrescricao(int k) {
    PrescricaoAtual = GetPrescricao(k);
}

void TAnalise::AdicionaPrescricao(int no, double valor) {
    if (!PrescricaoAtual)
        return;
    PrescricaoAtual->Nos.Adiciona(no);
    PrescricaoAtual->Valores.Adiciona(valor);
}

void TAnalise::AdicionaPrescricoes(const TVetorInteiro &nos, int k, double valor, double inicio,
                                   double fim) {
    if (k < 1)
        return;
    if (int(Prescricoes.size()) < k)
        Prescricoes.resize(std::size_t(k));
    std::unique_ptr<TPrescricoes> &p = Prescricoes[std::size_t(k - 1)];
    if (!p) {
        p = std::make_unique<TPrescricoes>(0);
        p->Inicio = inicio;
        p->Fim = fim;
    }
    // An existing set keeps its window and its entries; the new ones follow.
    for (int i = 1; i <= nos.GetTamanho(); ++i) {
        p->Nos.Adiciona(nos[i]);
        p->Valores.Adiciona(valor);
    }
}

void TAnalise::ImpoePrescricoes() {
    TPrescricoes *p = PrescricaoAtual;
    const double t = Tempo->GetTempoAtual();
    const bool ativa = p && p->Inicio <= t && t <= p->Fim && p->Nos.GetTamanho() > 0;
    // A kept K carries the prescriptions imposed on it last: the same ones are not imposed again,
    // other ones (or none) need the assembled K back.
    bool mesmas = false;
    if (kInalterada_ && prescricaoImposta_) {
        mesmas = ativa && p == prescricaoImposta_ &&
                 std::size_t(p->Nos.GetTamanho()) == nosImpostos_.size() &&
                 std::equal(nosImpostos_.begin(), nosImpostos_.end(), p->Nos.Dados());
        if (!mesmas)
            ReconstroiK();
    }
    if (!ativa)
        return;
    const int m = p->Nos.GetTamanho();
    const int n = NumNos;
    prescrito_.assign(std::size_t(n) + 1, 0);
    valorPrescrito_.assign(std::size_t(n) + 1, 0.0);
    entradaEfetiva_.assign(std::size_t(n) + 1, 0);
    // A node listed twice takes its last value, as T does after the step.
    for (int k = 1; k <= m; ++k) {
        const int no = p->Nos[k];
        if (no < 1 || no > n)
            continue;
        prescrito_[std::size_t(no)] = 1;
        valorPrescrito_[std::size_t(no)] = p->Valores[k];
        entradaEfetiva_[std::size_t(no)] = k;
    }

    // Known values to the right-hand side of the free rows, in the order of the set's entries,
    // from the coefficients as assembled (those of a kept K were gathered when it was imposed).
    if (!mesmas)
        GuardaContribuicoes();
    double *bb = b->Dados();
    for (const TContribuicao &c : contribuicoes_)
        bb[c.linha - 1] -= p->Valores[c.entrada] * c.coeficiente;
    // The iterative solver starts from the prescribed values.
    double *tt = T->Dados();
    for (int no = 1; no <= n; ++no)
        if (prescrito_[std::size_t(no)])
            bb[no - 1] = tt[no - 1] = valorPrescrito_[std::size_t(no)];
    if (mesmas)
        return;

    // Prescribed rows and columns become those of the identity.
    for (int r = 1; r <= n; ++r) {
        const int tam = K->TamanhoLinha(r);
        for (int pos = 1; pos <= tam; ++pos) {
            const int c = K->ColunaNaPosicao(r, pos);
            if (prescrito_[std::size_t(r)] || prescrito_[std::size_t(c)])
                K->Set(r, c, c == r ? 1.0 : 0.0);
        }
    }
    // A node in no element has no stored diagonal: its row of the identity is added.
    for (int no = 1; no <= n; ++no) {
        double v;
        int pos;
        if (prescrito_[std::size_t(no)] && !K->ProcuraNaLinha(no, no, v, pos))
            K->Set(no, no, 1.0);
    }
    kZerada_ = false;
    prescricaoImposta_ = p;
    nosImpostos_.assign(p->Nos.Dados(), p->Nos.Dados() + m);
}

void TAnalise::GuardaContribuicoes() {
    const int n = NumNos;
    contribuicoes_.clear();
    for (int r = 1; r <= n; ++r) {
        const int tam = K->TamanhoLinha(r);
        for (int pos = 1; pos <= tam; ++pos) {
            const int c = K->ColunaNaPosicao(r, pos);
            if (c == r || prescrito_[std::size_t(r)] == prescrito_[std::size_t(c)])
                continue;
            const double v = K->ValorNaPosicao(r, pos);
            if (prescrito_[std::size_t(c)])
                contribuicoes_.push_back({r, entradaEfetiva_[std::size_t(c)], v});
            else
                contribuicoes_.push_back({c, entradaEfetiva_[std::size_t(r)], v});
        }
    }
    std::sort(contribuicoes_.begin(), contribuicoes_.end(),
              [](const TContribuicao &x, const TContribuicao &y) {
                  return x.linha != y.linha ? x.linha < y.linha : x.entrada < y.entrada;
              });
}

// ---------------------------------------------------------------------------------------------
// Solution

void TAnalise::Resolve() {
    if (!ResolveSistema(Solver, *K, *b, *T))
        ++PassosSemConvergencia;
}

void TAnalise::VerificaMemoria() {
    ConfereMemoria(Entradas.Memoria, OnMemoria);
}

TElementoTriangular *TAnalise::GetElemento(int i, double) {
    return Dominio->GetElemento(i);
}

void TAnalise::Libera() {
    if (Solver)
        Solver->DefineSistema(nullptr, nullptr, nullptr);
    K.reset();
    b.reset();
    T.reset();
    Prescricoes.clear();
    PrescricaoAtual = nullptr;
}
