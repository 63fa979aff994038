#include "MapaIsocores.h"

#include <algorithm>
#include <cmath>

#include "uLibFEM.h"
#include "uLibraryMalhas.h"

int NumeroDeNiveis(double maior, double l0, double delta) {
    if (!(delta > 0.0))
        return 0;
    return std::max(0, Round((maior - l0) / delta));
}

std::vector<int> PontosRotulados(int quantidade, int espacamento) {
    std::vector<int> r;
    for (int i = 1; i <= quantidade; ++i)
        if ((espacamento != 0 && i % espacamento == 0) ||
            (quantidade == espacamento - 4 && i == quantidade))
            r.push_back(i);
    return r;
}

std::vector<TSegmentoNivel> SegmentosDosNiveis(TAnalise &analise, double t, const TVetor &valores,
                                               double l0, double delta, int niveis) {
    std::vector<TSegmentoNivel> r;
    if (!(delta > 0.0) || niveis < 1)
        return r;
    const int ne = analise.GetDominio()->GetNumElementos();
    const int nv = valores.GetTamanho();
    for (int e = 1; e <= ne; ++e) {
        TElementoTriangular *el = analise.GetElemento(e, t);
        const int n1 = el->GetNo(1)->Numero, n2 = el->GetNo(2)->Numero, n3 = el->GetNo(3)->Numero;
        if (n1 < 1 || n2 < 1 || n3 < 1 || n1 > nv || n2 > nv || n3 > nv)
            throw EInOutError("Resultado sem o nó " + std::to_string(std::max({n1, n2, n3})));
        const double f1 = valores[n1], f2 = valores[n2], f3 = valores[n3];
        const double lo = std::min({f1, f2, f3}), hi = std::max({f1, f2, f3});
        // Levels near the element's range; the crossing test decides.
        const double k0 = std::floor((lo - l0) / delta), k1 = std::ceil((hi - l0) / delta);
        const int kmin = int(std::max(1.0, k0));
        const int kmax = int(std::min(double(niveis), k1 + 2.0));
        for (int k = kmin; k <= kmax; ++k) {
            const double L = l0 + (k - 1) * delta;
            if (!TUT_Math::Entre(L, f1, f2) && !TUT_Math::Entre(L, f2, f3) &&
                !TUT_Math::Entre(L, f1, f3))
                continue;
            TPontoReal p, q;
            if (!TElemento::SegmentoIsolinha(L, f1, f2, f3, p, q))
                continue;
            r.push_back({k, el->PontoGlobal(p.X, p.Y), el->PontoGlobal(q.X, q.Y)});
        }
    }
    // Level by level, each level's segments in element order.
    std::stable_sort(r.begin(), r.end(), [](const TSegmentoNivel &a, const TSegmentoNivel &b) {
        return a.Nivel < b.Nivel;
    });
    return r;
}

void TMapaIsocores::Prepara(TAnalise &analise, double t, TCanvas &mapa, const TOpcoesIsocores &op,
                            const TUnidadesResultados &u) {
    desenho_ = std::make_unique<TIsoCores>(&mapa);
    desenho_->SetDivisoes(op.Divisoes);
    desenho_->SetContorno(op.Grade);
    desenho_->SetCores(op.Cores);
    desenho_->SetFonte(op.Fonte, op.TamanhoFonte);
    op_ = op;
    u_ = u;
    tempo_ = t;
    analise_ = &analise;
    if (auto *camadas = dynamic_cast<TAnaliseCamadas *>(&analise))
        camadas->CarregaMalhaEtapa(camadas->EtapaDoTempo(t));
    analise.LeResultados(valores_, t);
    for (int i = 1; i <= valores_.GetTamanho(); ++i)
        valores_[i] = u.Temp(valores_[i]);
    malha_ = analise.GetDominio()->GetMalha();
    zmin_ = u.Temp(analise.GetTMinima());
    zmax_ = u.Temp(analise.GetTMaxima());
}

int TMapaIsocores::TotalProgresso() const {
    if (!analise_)
        return 0;
    return std::max(1, op_.Divisoes) * analise_->GetDominio()->GetNumElementos();
}

void TMapaIsocores::Desenha(TCanvas &mapa, const TBufferPixels &pixels, TCanvas &escala,
                            int escalaEsquerda, int escalaTopo, TEventoProgresso progresso) {
    if (!analise_ || !desenho_)
        return;
    TDominio *dom = analise_->GetDominio();
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    const int ne = dom->GetNumElementos();
    const int nv = valores_.GetTamanho();
    // One walk over the elements' nodes gathers the corners and the window.
    cantos_.resize(std::size_t(ne) * 3);
    TPontoValor *canto = cantos_.data();
    for (int e = 1; e <= ne; ++e) {
        TElementoTriangular *el = analise_->GetElemento(e, tempo_);
        for (int k = 1; k <= el->GetN(); ++k) {
            const TNo *no = el->GetNo(k);
            if (e == 1 && k == 1) {
                xmin = xmax = no->X;
                ymin = ymax = no->Y;
            }
            xmin = std::min(xmin, no->X);
            xmax = std::max(xmax, no->X);
            ymin = std::min(ymin, no->Y);
            ymax = std::max(ymax, no->Y);
            if (k > 3)
                continue;
            if (no->Numero < 1 || no->Numero > nv)
                throw EInOutError("Resultado sem o nó " + std::to_string(no->Numero));
            *canto++ = {no->X, no->Y, valores_[no->Numero]};
        }
    }
    desenho_->SetMinimo({xmin, ymin, zmin_});
    desenho_->SetMaximo({xmax, ymax, zmax_});
    desenho_->SetDivisoes(op_.Divisoes);
    desenho_->SetContorno(op_.Grade);

    // Both pictures cleared: the map to the background, the scale to black.
    mapa.Brush.Color = op_.Fundo;
    mapa.Brush.Style = TBrushStyle::bsSolid;
    mapa.FillRect(0, 0, mapa.Largura(), mapa.Altura());
    escala.Brush.Color = clBlack;
    escala.Brush.Style = TBrushStyle::bsSolid;
    escala.FillRect(0, 0, escala.Largura(), escala.Altura());

    desenho_->SetPixels(pixels);
    desenho_->SetOnProgresso(std::move(progresso));
    desenho_->DesenhaElementos(cantos_.data(), std::size_t(ne));
    desenho_->TerminaProgresso();
    desenho_->SetOnProgresso(nullptr);
    desenho_->SetPixels({});
    desenho_->SetNumRotulos(op_.Rotulos);
    desenho_->DesenhaEscala(escala, escalaEsquerda, escalaTopo);
    if (op_.CurvasNivel)
        DesenhaCurvasDeNivel();
}

void TMapaIsocores::DesenhaCurvasDeNivel() {
    if (!analise_ || !desenho_)
        return;
    const double l0 = op_.ValorNivel, delta = op_.Incremento;
    pontosRotulo_.clear();
    if (!(delta > 0.0))
        return;
    const int n = NumeroDeNiveis(zmax_, l0, delta);
    const std::vector<TSegmentoNivel> segs =
        SegmentosDosNiveis(*analise_, tempo_, valores_, l0, delta, n);
    std::size_t i = 0;
    std::vector<TPontoReal> pontos;
    for (int k = 1; k <= n; ++k) {
        const double L = l0 + (k - 1) * delta;
        pontos.clear();
        for (; i < segs.size() && segs[i].Nivel == k; ++i) {
            desenho_->DesenhaSegmento("", segs[i].P, segs[i].Q);
            if (op_.RotulosCurva)
                pontos.push_back(
                    {(segs[i].P.X + segs[i].Q.X) / 2.0, (segs[i].P.Y + segs[i].Q.Y) / 2.0});
        }
        if (!op_.RotulosCurva || pontos.empty())
            continue;
        std::stable_sort(pontos.begin(), pontos.end(),
                         [](const TPontoReal &a, const TPontoReal &b) { return a.X < b.X; });
        const int s = k % 2 == 1 ? op_.Espacamento + 2 : op_.Espacamento;
        const std::string texto = FormatFixo(L, 3, 0, DecimalSeparator());
        pontosRotulo_.clear();
        for (int pos : PontosRotulados(int(pontos.size()), s)) {
            desenho_->DesenhaTexto(texto, pontos[std::size_t(pos - 1)]);
            pontosRotulo_.push_back(pontos[std::size_t(pos - 1)]);
        }
    }
}
