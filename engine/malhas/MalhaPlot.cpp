#include "malhas/MalhaPlot.h"

#include <string>
#include <vector>

TMalhaPlot::TMalhaPlot(TCanvas *imagem, TMalha *malha) : Imagem(imagem), Malha(malha) {
    Inicializa();
}

void TMalhaPlot::Inicializa() {
    Imagem->Font.Name = "Arial";
    Imagem->Font.Size = 7;
    Imagem->Pen.Color = clBlack;
    Imagem->Pen.Width = 1;
    MostraNos = true;
    MostraElementos = true;
    MostraNumNos = false;
    MostraNumElementos = false;
    RaioNo = 2;
    Margem = 15;
    LayerArestas = TLayer::CreatePadrao();
    LayerNos = TLayer::CreatePadrao();
    LayerElementos = TLayer::CreatePadrao();
    CalculaTransformacao();
}

void TMalhaPlot::CalculaTransformacao() {
    double xMin = Malha->GetXMin(), xMax = Malha->GetXMax();
    double yMin = Malha->GetYMin(), yMax = Malha->GetYMax();
    // A domain without extent in one direction is given the other one (a point, a unit box),
    // so the transform stays finite.
    double lx = xMax - xMin, ly = yMax - yMin;
    if (!(lx > 0.0) && !(ly > 0.0))
        lx = ly = 1.0;
    else if (!(lx > 0.0))
        lx = ly;
    else if (!(ly > 0.0))
        ly = lx;
    xMax = xMin + lx;
    yMax = yMin + ly;

    int w = Imagem->Largura(), h = Imagem->Altura();
    const double r = lx / ly;
    if (r >= 1.0)
        h = Round(h / r);
    else
        w = Round(w * r);

    const double m = Margem;
    const double wd = w - m, hd = h - m;
    Origem = {Margem, int(hd)};
    EscalaTela.X = (wd - m) / lx;
    DeslocamentoTela.X = (m * xMax - wd * xMin) / lx;
    EscalaTela.Y = (m - hd) / ly;
    DeslocamentoTela.Y = (hd * yMax - m * yMin) / ly;
    EscalaMundo.X = lx / (wd - m);
    DeslocamentoMundo.X = (wd * xMin - m * xMax) / (wd - m);
    EscalaMundo.Y = ly / (m - hd);
    DeslocamentoMundo.Y = (m * yMin - hd * yMax) / (m - hd);
}

TPonto TMalhaPlot::MundoParaTela(double x, double y) const {
    return {Round(EscalaTela.X * x + DeslocamentoTela.X),
            Round(EscalaTela.Y * y + DeslocamentoTela.Y)};
}

TPontoReal TMalhaPlot::TelaParaMundo(int px, int py) const {
    return {EscalaMundo.X * px + DeslocamentoMundo.X, EscalaMundo.Y * py + DeslocamentoMundo.Y};
}

void TMalhaPlot::Desenha() {
    if (!Imagem || !Malha)
        return;
    CalculaTransformacao();
    DesenhaEixos();
}

void TMalhaPlot::DesenhaElementos() {
    if (!MostraElementos)
        return;
    for (int i = 1; i <= Malha->GetNumElementos(); ++i)
        DesenhaElemento(i);
}

void TMalhaPlot::DesenhaElemento(int i) {
    const TElemento *e = Malha->GetElemento(i);
    TCanvas &c = *Imagem;
    c.Brush.Color = LayerElementos.Pincel.Color;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Pen.Color = LayerElementos.Caneta.Color;
    c.Pen.Width = LayerElementos.Caneta.Width;
    c.Pen.Style = LayerElementos.Caneta.Style;
    const int n = e->GetN() >= 4 ? 4 : 3;
    pontos_.clear();
    for (int k = 1; k <= n; ++k)
        pontos_.push_back(MundoParaTela(e->GetNo(k)->X, e->GetNo(k)->Y));
    c.Polygon(pontos_);
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Color = LayerElementos.Fonte.Color;
    if (MostraNumElementos) {
        const TPonto p = MundoParaTela(e->XCentro(), e->YCentro());
        c.TextOut(p.X, p.Y, std::to_string(e->Numero));
    }
}

void TMalhaPlot::DesenhaNos() {
    if (!MostraNos)
        return;
    for (int i = 1; i <= Malha->GetNumNos(); ++i)
        DesenhaNo(*Malha->GetNo(i), false);
}

void TMalhaPlot::DesenhaNo(const TNo &no, bool destacado) {
    TCanvas &c = *Imagem;
    c.Brush.Color = destacado ? clYellow : LayerNos.Pincel.Color;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Pen.Color = LayerNos.Caneta.Color;
    c.Pen.Width = LayerNos.Caneta.Width;
    c.Pen.Style = LayerNos.Caneta.Style;
    const TPonto p = MundoParaTela(no.X, no.Y);
    c.Rectangle(p.X - RaioNo, p.Y - RaioNo, p.X + RaioNo, p.Y + RaioNo);
    c.Font.Color = LayerNos.Fonte.Color;
    c.Brush.Style = TBrushStyle::bsClear;
    if (MostraNumNos)
        c.TextOut(p.X, p.Y, std::to_string(no.Numero));
}

void TMalhaPlot::DesenhaAresta(int i, bool destacada) {
    const TAresta *a = Malha->GetAresta(i);
    TCanvas &c = *Imagem;
    c.Pen.Width = 1;
    c.Pen.Color = destacada ? clRed : clBlue;
    c.Pen.Style = destacada ? TPenStyle::psDashDotDot : TPenStyle::psSolid;
    const TPonto p1 = MundoParaTela(a->No1->X, a->No1->Y);
    const TPonto p2 = MundoParaTela(a->No2->X, a->No2->Y);
    c.MoveTo(p1.X, p1.Y);
    c.LineTo(p2.X, p2.Y);
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Color = c.Pen.Color;
    c.TextOut((p1.X + p2.X) / 2, (p1.Y + p2.Y) / 2, std::to_string(a->Numero));
}

void TMalhaPlot::DesenhaArestas(const TVetorInteiro &lista) {
    for (int k = 1; k <= lista.GetTamanho(); ++k)
        DesenhaAresta(lista.Get(k), true);
}

void TMalhaPlot::DesenhaTodasArestas() {
    if (!MostraArestas)
        return;
    for (int i = 1; i <= Malha->GetNumArestas(); ++i)
        DesenhaAresta(i, false);
}

void TMalhaPlot::DesenhaContornos() {
    if (!MostraContornos)
        return;
    for (int i = 1; i <= Malha->GetNumArestas(); ++i) {
        DesenhaAresta(i, false);
        const TContorno *contorno = Malha->GetContorno(i);
        for (int k = 1; k <= contorno->GetNumLados(); ++k)
            DesenhaElemento(contorno->GetLado(k)->Elemento->Numero);
    }
}

void TMalhaPlot::DesenhaEixos() {
    TCanvas &c = *Imagem;
    const TColor cor = c.Pen.Color;
    const int largura = c.Pen.Width;
    c.Pen.Color = clLime;
    c.Pen.Width = 3;
    c.MoveTo(Origem.X, Origem.Y);
    c.LineTo(Origem.X, Origem.Y - 45);
    c.MoveTo(Origem.X, Origem.Y);
    c.LineTo(Origem.X + 45, Origem.Y);
    c.Pen.Width = largura;
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(Origem.X + 45, Origem.Y, "X");
    c.TextOut(Origem.X, Origem.Y - 45, "Y");
    c.Pen.Color = cor;
}

void TMalhaPlot::DesenhaPoligono(std::span<const TNo> pontos) {
    pontos_.clear();
    for (const TNo &p : pontos)
        pontos_.push_back(MundoParaTela(p.X, p.Y));
    TCanvas &c = *Imagem;
    c.Brush.Color = clLime;
    c.Brush.Style = TBrushStyle::bsBDiagonal;
    c.Polygon(pontos_);
    c.Brush.Style = TBrushStyle::bsSolid;
}
