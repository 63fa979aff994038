// Materials, time axis, elements, loads, domains, analyses, layers and laws of the engine.
//   fem/Analise.h                  TAnalise (thermal analysis: assembly; its time loop, step
//                                  files and result queries in AnaliseResultados.cpp)
//   fem/AnaliseCamadas.h           TAnaliseCamadas (staged thermal analysis)
//   fem/AnaliseTensional.h         TAnaliseTensional (stress analysis; strains, stresses, step
//                                  files and queries in ResultadosTensional.cpp)
//   fem/AnaliseCamadasTensional.h  TAnaliseCamadasTensional (staged stress analysis)
//   fem/ArquivosPasso.h            TNomesArquivos, thermal step files
//   fem/ArquivosTensional.h        deformation and stress step files
//   fem/Camadas.h                  TCamadas (layers and construction stages)
//   fem/Dominio.h                  TDominio, TPrescricoes
//   fem/Elementos.h                TElementoTriangular, TElementoRetangular, TRegraIntegracao
//   fem/ElementosEtapa.h           TElementosEtapa (stage element files)
//   fem/Fluencia.h                 TFluencia (creep laws)
//   fem/ForcaExterna.h             TForcaExterna (convection boundary)
//   fem/ForcaInterna.h             TForcaInterna (heat source)
//   fem/ForcaTensional.h           TForcaTensional (mechanical loads)
//   fem/MalhaPlotCamadas.h         TMalhaPlotCamadas (mesh drawing by layers and stages)
//   fem/Material.h                 TMaterial
//   fem/MatrizesLocais.h           TMatrizFixa, TMatrizLocal, TVetorLocal (element arrays)
//   fem/Potencia.h                 Potencia (real powers)
//   fem/Retracao.h                 TRetracao (shrinkage laws)
//   fem/SubDominios.h              DominioDoPonto, PontoNoContorno
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
#include "fem/Dominio.h"
#include "fem/Elementos.h"
#include "fem/Fluencia.h"
#include "fem/ForcaExterna.h"
#include "fem/ForcaInterna.h"
#include "fem/ForcaTensional.h"
#include "fem/MalhaPlotCamadas.h"
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/Tempo.h"
#include "fem/TensoesPrincipais.h"
#include "matematica/Gauss.h"
