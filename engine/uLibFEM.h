// Materials, time axis, elements, loads, domains, analyses, layers and laws of the engine.
#pragma once

#include "fem/Analise.h"
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
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/Tempo.h"
#include "fem/TensoesPrincipais.h"
