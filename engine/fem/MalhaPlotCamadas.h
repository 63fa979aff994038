// Drawing of the layered model: the mesh of a stage plus the legends of zones and stages.
#pragma once

#include <string>

#include "malhas/MalhaPlot.h"

class TCamadas;
class TDominio;

class TMalhaPlotCamadas : public TMalhaPlot {
public:
    // Draws the last stage's mesh; the zones and stages stay the layered model's (not owned).
    TMalhaPlotCamadas(TCanvas *imagem, const TCamadas *camadas);

    // "MATERIAL i " at zone i's centroid in the zone's style, then the zone's edges; the plot
    // then draws the zone's mesh.
    void DesenhaLegendaMateriais(int i);
    // The same for stage k with "ETAPA k ".
    void DesenhaLegendaEtapas(int k);

private:
    void DesenhaLegenda(const TDominio &dominio, const std::string &texto);

    const TCamadas *camadas_;
};
