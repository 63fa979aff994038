// Mesh model: nodes, edges, element sides on edges, elements, and TMalha (domain and mesh).
#pragma once

#include "malhas/Aresta.h"
#include "malhas/Contorno.h"
#include "malhas/Elemento.h"
#include "malhas/Malha.h"
#include "malhas/MalhaPlot.h"
#include "malhas/MalhaPlotCamadas.h"
#include "malhas/No.h"
