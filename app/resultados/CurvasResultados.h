// The result charts' curves, without Qt: a node's temperature history, the temperatures along
// a line at a time and an element's stress or strain history, in the user's units; and the
// text export of a curve.
#pragma once

#include <string>
#include <vector>

#include "FonteResultados.h"

class TAnalise;
class TAnaliseTensional;

struct TCurva {
    std::vector<double> X, Y;
};

// Temperature against time: single mode, node `no` from the initial time, one point per step
// done plus the start; layered mode, the history at the picked point with the engine's times.
TCurva CurvaTemperaturaTempo(TAnalise &analise, int no, const TPontoReal &cursor,
                             const TUnidadesResultados &u);
// Title of the layered temperature chart: the picked point it plots, in the user's length unit
// and decimal separator ("Ponto (10; 6,5) [m]").
std::string TituloPontoCamadas(const TPontoReal &ponto, const TUnidadesResultados &u);
// Temperatures along the segment p1-p2 at time t (hours) against the abscissa (x, or y on a
// vertical segment); in layered mode the stage mesh of that time is loaded first.
TCurva CurvaTemperaturaDistancia(TAnalise &analise, double t, const TPontoReal &p1,
                                 const TPontoReal &p2, const TUnidadesResultados &u);
// Stress (or strain, in 10^-6) of element `elemento` against time: componente 0, 1, 2 for x, y,
// xy, 3, 4, 5 for the two principal stresses and the largest shear. Layered mode reads the
// history at the element's centroid on the shown stage mesh; single mode reads the element's
// entries of every step file done.
TCurva CurvaTensaoTempo(TAnaliseTensional &analise, int elemento, bool tensao, int componente,
                        const TUnidadesResultados &u);
// Header "<titulo x>     <titulo y>" and one line per point, x with 3 decimals, y with 5, in
// the user's decimal separator.
std::string TextoCurva(const std::string &tituloX, const std::string &tituloY, const TCurva *curva);
// Nodes and elements of the mesh a chart reads (the current stage's in a layered run).
int NumeroDeNos(TAnalise &analise);
int NumeroDeElementos(TAnaliseTensional &analise);
