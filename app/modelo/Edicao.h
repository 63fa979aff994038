// What the mouse tools of the main window do to the model, in pixels of the picture: pick a
// node, capture nodes and edges in a rectangle, identify an element, collect the vertices of a
// new subdomain, draw the line, step through subdomains, stages and layers. No Qt: the tools
// turn mouse events into these calls.
#pragma once

#include "Modelo.h"

#include <vector>

// A pixel rectangle, left <= right and top <= bottom once normalised.
struct TRetangulo {
    int Esquerda = 0, Topo = 0, Direita = 0, Base = 0;
    bool operator==(const TRetangulo &) const = default;
};

// The rectangle with corners a and b, whatever their order.
TRetangulo Normaliza(TPonto a, TPonto b);

// Half side, in pixels, of the square searched around a click.
constexpr int kRaioCaptura = 5;

// The world point of a pixel, in the current drawing; (0, 0) without one.
TPontoReal PontoMundo(const TModelo &m, TPonto p);
// The first element of the current mesh (in order) that contains the world point of p; 0 for
// none.
int ElementoSobCursor(const TModelo &m, TPonto p);

// One node: FNoCursor takes the world point, FNoCapturado the first node within the square
// around p (0 for none); a node found gives FNoCursor its number and place and is drawn
// highlighted. Returns FNoCapturado.
int CapturaNo(TModelo &m, TPonto p);
// The captured nodes become those inside the rectangle, each drawn highlighted. Returns how
// many.
int CapturaNos(TModelo &m, const TRetangulo &r);
// The selected edges become the current mesh's edges inside the rectangle (interior edges left
// out), drawn highlighted. Returns how many.
int CapturaArestas(TModelo &m, const TRetangulo &r);
// FElementoCapturado := the element under p (0 for none). Returns it.
int IdentificaElemento(TModelo &m, TPonto p);

// The domain vertex within the square around p is drawn highlighted and appended to
// `vertices` unless already there. Returns its number, 0 when no vertex is there.
int AdicionaVerticeSubDominio(TModelo &m, std::vector<int> &vertices, TPonto p);
// Closes the subdomain through `vertices`; on success the list is emptied. Returns the new
// subdomain's number, 0 when nothing was added (fewer than three vertices, no mesh).
int FechaSubDominio(TModelo &m, std::vector<int> &vertices);

// The line: its ends are kept as world points from the pick on, so a redraw at another size
// leaves them in place. Its start with a yellow disc; its end, vertical or horizontal when asked
// (vertical wins), with the disc and a yellow line from the start.
void IniciaReta(TModelo &m, TPonto p);
TPontoReal FimReta(TPontoReal inicio, TPontoReal p, bool vertical, bool horizontal);
void TerminaReta(TModelo &m, TPonto p, bool vertical, bool horizontal);
// Draws the ended line again (discs at its ends) while a line tool is down, after the picture
// was redrawn.
void DesenhaReta(TModelo &m);

// Previous (-1) or next (+1) subdomain, wrapping; with subdomains the picture shows the
// current one's edges on the domain. Returns the current one's fixed flag (true without one).
bool SubDominioVizinho(TModelo &m, int passo);
// The current subdomain's fixed flag, with at least one subdomain.
void FixaSubDominio(TModelo &m, bool fixo);
// Previous or next stage of the layered model, wrapping; the picture shows its legend and the
// current mesh becomes that stage's.
void EtapaVizinha(TModelo &m, int passo);
// Stage k becomes current and is shown.
void MostraEtapa(TModelo &m, int k);
// Previous or next layer, wrapping over the zones; the picture shows its legend.
void CamadaVizinha(TModelo &m, int passo);
