// Materials, time axis, elements, loads, domains, analyses, layers and laws of the engine.
//   fem/Analise.h                  TAnalise (thermal analysis: assembly, time loop)
//   fem/AnaliseResultados.cpp      TAnalise's time loop, step files and result queries
//   fem/AnaliseCamadas.h           TAnaliseCamadas (staged thermal analysis)
//   fem/AnaliseTensional.h         TAnaliseTensional (stress analysis)
//   fem/AnaliseCamadasTensional.h  TAnaliseCamadasTensional (staged stress analysis)
//   fem/ArquivosPasso.h            TNomesArquivos, TLeitorTexto, thermal step files
//   fem/ArquivosTensional.h        deformation and stress step files
//   fem/Camadas.h                  TCamadas (layers and construction stages)
//   fem/Conveccao.h                TForcaExterna (convection boundary)
//   fem/Dominio.h                  TDominio, TPrescricoes
//   fem/Elementos.h                TElementoTriangular, TElementoRetangular, TRegraIntegracao
//   fem/ElementosEtapa.h           TElementosEtapa (stage element files)
//   fem/Fluencia.h                 TFluencia (creep laws)
//   fem/FontesCalor.h              TForcaInterna (heat source)
//   fem/ForcaTensional.h           TForcaTensional (mechanical loads)
//   fem/MalhaPlotCamadas.h         TMalhaPlotCamadas (mesh drawing by layers and stages)
//   fem/Material.h                 TMaterial
//   fem/Retracao.h                 TRetracao (shrinkage laws)
//   fem/Tempo.h                    TTempo (time axis)
//   fem/TensoesPrincipais.h        TTensoesPrincipais
//   matematica/Gauss.h             TGauss (direct solver the analyses are handed)
#pragma once

#include "fem/Analise.h"
#include "fem/AnaliseCamadas.h"
#include "fem/AnaliseCamadasTensional.h"
#include "fem/AnaliseTensional.h"
#include "fem/ArquivosPasso.h"
#include "fem/ArquivosTensional.h"
#include "fem/Camadas.h"
#include "fem/Conveccao.h"
#include "fem/Dominio.h"
#include "fem/Elementos.h"
#include "fem/Fluencia.h"
#include "fem/FontesCalor.h"
#include "fem/ForcaTensional.h"
#include "fem/MalhaPlotCamadas.h"
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/Tempo.h"
#include "fem/TensoesPrincipais.h"
#include "matematica/Gauss.h"
