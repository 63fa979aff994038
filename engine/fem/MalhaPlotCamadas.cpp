#include "fem/MalhaPlotCamadas.h"

#include <string>

#include "fem/Camadas.h"

TMalhaPlotCamadas::TMalhaPlotCamadas(TCanvas *imagem, const TCamadas *camadas)
    : TMalhaPlot(imagem, camadas->GetEtapa(camadas->GetNumEtapas())->GetMalha()),
      camadas_(camadas) {
    Desenha();
}

void TMalhaPlotCamadas::DesenhaLegenda(const TDominio &dominio, const std::string &texto) {
    TCanvas &c = *Imagem;
    c.Font = dominio.Layer.Fonte;
    c.Pen = dominio.Layer.Caneta;
    c.Brush = dominio.Layer.Pincel;
    TMalha *m = dominio.GetMalha();
    const TPonto p = MundoParaTela(m->GetXCentro(), m->GetYCentro());
    c.TextOut(p.X, p.Y, texto);
    SetMalha(m);
    SetMostraArestas(true);
    DesenhaTodasArestas();
}

void TMalhaPlotCamadas::DesenhaLegendaMateriais(int i) {
    DesenhaLegenda(*camadas_->GetSubDominio(i), "MATERIAL " + std::to_string(i) + " ");
}

void TMalhaPlotCamadas::DesenhaLegendaEtapas(int k) {
    DesenhaLegenda(*camadas_->GetEtapa(k), "ETAPA " + std::to_string(k) + " ");
}
