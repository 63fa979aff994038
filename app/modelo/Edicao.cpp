#include "Edicao.h"

#include <algorithm>

namespace {

// Steps i by passo within 1..n, wrapping.
int Circula(int i, int passo, int n) {
    i += passo;
    if (i < 1)
        return n;
    if (i > n)
        return 1;
    return i;
}

// The world corners (left-top, right-bottom) of a screen rectangle, as the mesh searches take
// them.
struct TCaixaMundo {
    TPontoReal a, b;
};

TCaixaMundo CaixaMundo(const TMalhaPlot &plot, const TRetangulo &r) {
    return {plot.TelaParaMundo(r.Esquerda, r.Topo), plot.TelaParaMundo(r.Direita, r.Base)};
}

// The capture square around a screen point.
TRetangulo Vizinhanca(TPonto p) {
    return {p.X - kRaioCaptura, p.Y - kRaioCaptura, p.X + kRaioCaptura, p.Y + kRaioCaptura};
}

void Disco(TCanvas &c, TPonto p) {
    c.Pen.Color = clYellow;
    c.Pen.Style = TPenStyle::psSolid;
    c.Pen.Width = 1;
    c.Brush.Color = clYellow;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Ellipse(p.X - 2, p.Y - 2, p.X + 2, p.Y + 2);
}

} // namespace

TRetangulo Normaliza(TPonto a, TPonto b) {
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TPontoReal PontoMundo(const TModelo &m, TPonto p) {
    const TMalhaPlot *plot = m.Plot();
    return plot ? plot->TelaParaMundo(p.X, p.Y) : TPontoReal{};
}

int ElementoSobCursor(const TModelo &m, TPonto p) {
    if (!m.FMalha || !m.Plot())
        return 0;
    const TPontoReal w = PontoMundo(m, p);
    for (int e = 1; e <= m.FMalha->GetNumElementos(); ++e)
        if (m.FMalha->GetElemento(e)->ContemPonto(w.X, w.Y))
            return e;
    return 0;
}

int CapturaNo(TModelo &m, TPonto p) {
    TMalhaPlot *plot = m.Plot();
    if (!m.FMalha || !plot)
        return m.FNoCapturado;
    const TPontoReal w = plot->TelaParaMundo(p.X, p.Y);
    m.FNoCursor.X = w.X;
    m.FNoCursor.Y = w.Y;
    const auto [a, b] = CaixaMundo(*plot, Vizinhanca(p));
    m.FNoCapturado = m.FMalha->NoNoRetangulo(a.X, a.Y, b.X, b.Y);
    if (m.FNoCapturado > 0) {
        const TNo &no = *m.FMalha->GetNo(m.FNoCapturado);
        m.FNoCursor = TNo(no.Numero, no.X, no.Y);
        plot->DesenhaNo(no, true);
    }
    return m.FNoCapturado;
}

int CapturaNos(TModelo &m, const TRetangulo &r) {
    TMalhaPlot *plot = m.Plot();
    if (!m.FMalha || !plot)
        return 0;
    const auto [a, b] = CaixaMundo(*plot, r);
    m.FNosSelecionados = m.FMalha->NosNoRetangulo(a.X, a.Y, b.X, b.Y);
    for (int i = 1; i <= m.FNosSelecionados.GetTamanho(); ++i)
        plot->DesenhaNo(*m.FMalha->GetNo(m.FNosSelecionados[i]), true);
    return m.FNosSelecionados.GetTamanho();
}

int CapturaArestas(TModelo &m, const TRetangulo &r) {
    TMalhaPlot *plot = m.Plot();
    if (!m.FMalha || !plot)
        return 0;
    const auto [a, b] = CaixaMundo(*plot, r);
    m.FArestasSelecionadas = m.FMalha->ArestasNoRetangulo(a.X, a.Y, b.X, b.Y);
    // The drawing may be on another mesh (a subdomain shown): highlight on the current one.
    plot->SetMalha(m.FMalha);
    plot->DesenhaArestas(m.FArestasSelecionadas);
    return m.FArestasSelecionadas.GetTamanho();
}

int IdentificaElemento(TModelo &m, TPonto p) {
    m.FElementoCapturado = 0;
    if (!m.FMalha || !m.Plot())
        return 0;
    const TPontoReal w = PontoMundo(m, p);
    m.FElementoCapturado = m.FMalha->ElementoNoPonto(w.X, w.Y);
    return m.FElementoCapturado;
}

int AdicionaVerticeSubDominio(TModelo &m, std::vector<int> &vertices, TPonto p) {
    TMalhaPlot *plot = m.Plot();
    TMalha *dominio = m.MalhaDominio();
    if (!m.FMalha || !plot || !dominio)
        return 0;
    const auto [a, b] = CaixaMundo(*plot, Vizinhanca(p));
    const int v = dominio->VerticeNoRetangulo(a.X, a.Y, b.X, b.Y);
    if (v == 0)
        return 0;
    const TNo &no = *dominio->GetVertice(v);
    m.FNoCursor = TNo(no.Numero, no.X, no.Y);
    plot->DesenhaNo(no, true);
    if (std::find(vertices.begin(), vertices.end(), v) == vertices.end())
        vertices.push_back(v);
    return v;
}

int FechaSubDominio(TModelo &m, std::vector<int> &vertices) {
    if (!m.FMalha || vertices.size() < 3)
        return 0;
    const int k = m.AdicionaSubDominio(vertices);
    if (k > 0)
        vertices.clear();
    return k;
}

void IniciaReta(TModelo &m, TPonto p) {
    m.FInicioReta = PontoMundo(m, p);
    m.FRetaTerminada = false;
    if (TMalhaPlot *plot = m.Plot())
        Disco(*plot->GetImagem(), p);
}

TPontoReal FimReta(TPontoReal inicio, TPontoReal p, bool vertical, bool horizontal) {
    TPontoReal f = p;
    if (vertical)
        f.X = inicio.X;
    else if (horizontal)
        f.Y = inicio.Y;
    return f;
}

namespace {

void LinhaReta(TModelo &m, TMalhaPlot &plot) {
    TCanvas &c = *plot.GetImagem();
    c.Pen.Color = clYellow;
    const TPonto a = plot.MundoParaTela(m.FInicioReta.X, m.FInicioReta.Y);
    const TPonto b = plot.MundoParaTela(m.FFimReta.X, m.FFimReta.Y);
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
}

} // namespace

void TerminaReta(TModelo &m, TPonto p, bool vertical, bool horizontal) {
    m.FFimReta = FimReta(m.FInicioReta, PontoMundo(m, p), vertical, horizontal);
    m.FRetaTerminada = true;
    TMalhaPlot *plot = m.Plot();
    if (!plot)
        return;
    Disco(*plot->GetImagem(), p);
    LinhaReta(m, *plot);
}

void DesenhaReta(TModelo &m) {
    TMalhaPlot *plot = m.Plot();
    if (!m.FDefineReta || !m.FRetaTerminada || !plot)
        return;
    for (const TPontoReal &w : {m.FInicioReta, m.FFimReta})
        Disco(*plot->GetImagem(), plot->MundoParaTela(w.X, w.Y));
    LinhaReta(m, *plot);
}

bool SubDominioVizinho(TModelo &m, int passo) {
    const int n = m.GetNumSubDominios();
    m.FSubDominioAtual = Circula(m.FSubDominioAtual, passo, std::max(n, 1));
    if (n == 0)
        return true;
    TDominio &s = *m.GetSubDominio(m.FSubDominioAtual);
    TMalhaPlot *plot = m.Plot();
    if (plot && m.FMalha) {
        // The subdomain in the frame of the whole mesh, so clicks keep their places.
        m.LimpaDesenho();
        plot->SetMalha(m.FMalha);
        plot->Desenha();
        plot->SetMalha(s.GetMalha());
        plot->SetMostraArestas(true);
        plot->DesenhaElementos();
        plot->DesenhaTodasArestas();
        plot->SetMalha(m.FMalha);
    }
    return s.Fixo;
}

void FixaSubDominio(TModelo &m, bool fixo) {
    const int n = m.GetNumSubDominios();
    if (n > 0 && m.FSubDominioAtual >= 1 && m.FSubDominioAtual <= n)
        m.GetSubDominio(m.FSubDominioAtual)->SetFixo(fixo);
}

void MostraEtapa(TModelo &m, int k) {
    if (!m.FCamadas || k < 1 || k > m.FCamadas->GetNumEtapas())
        return;
    m.FEtapaAtual = k;
    m.LimpaDesenho();
    TMalha *malha = m.FCamadas->GetEtapa(k)->GetMalha();
    const TAjustesMalha ajustes = m.AjustesMalha();
    malha->Nx = ajustes.Nx;
    malha->Ny = ajustes.Ny;
    m.FMalha = malha;
    if (m.FPlotCamadas) {
        // Drawn in the frame of the stage shown, as a redraw of it would be.
        malha->CalculaLimites();
        m.FPlotCamadas->SetMalha(malha);
        m.FPlotCamadas->CalculaTransformacao();
        m.FPlotCamadas->DesenhaLegendaEtapas(k);
    }
}

void EtapaVizinha(TModelo &m, int passo) {
    if (m.FNumEtapas < 1)
        return;
    MostraEtapa(m, Circula(m.FEtapaAtual, passo, m.FNumEtapas));
}

void CamadaVizinha(TModelo &m, int passo) {
    const int n = m.GetNumSubDominios();
    m.FMaterialAtual = Circula(m.FMaterialAtual, passo, std::max(n, 1));
    if (!m.FCamadas || m.FMaterialAtual > m.FCamadas->GetNumZonas())
        return;
    m.LimpaDesenho();
    if (m.FPlotCamadas)
        m.FPlotCamadas->DesenhaLegendaMateriais(m.FMaterialAtual);
}
