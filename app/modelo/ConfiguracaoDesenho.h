// Drawing styles of the mesh settings: edges, elements, nodes and the background.
#pragma once

#include "uLibraryMalhas.h"

struct TConfiguracaoDesenho {
    TLayer LayerArestas{clYellow, clYellow, clYellow};
    TLayer LayerElementos{clSilver, clGray, clRed};
    TLayer LayerNos{clAqua, clAqua, clAqua};
    TColor CorFundo = clWhite;
};
