// Mesh model: nodes, edges, element sides on edges, elements, and TMalha (domain and mesh).
//   malhas/No.h                TNo
//   malhas/Aresta.h            TAresta, TLado
//   malhas/Contorno.h          TContorno
//   malhas/Elemento.h          TElemento
//   malhas/Malha.h             TMalha (generator in Gerador.cpp and Delaunay*.cpp, file
//                              in ArquivoMalha.cpp)
//   malhas/Layer.h             TLayer (drawing style)
//   malhas/MalhaPlot.h         TMalhaPlot (mesh drawing; the layered one is in fem/)
#pragma once

#include "malhas/Aresta.h"
#include "malhas/Contorno.h"
#include "malhas/Elemento.h"
#include "malhas/Malha.h"
#include "malhas/MalhaPlot.h"
#include "malhas/No.h"
