// Materials, time axis, elements, loads, domains, analyses, layers and laws of the engine.
#pragma once

#include "fem/ArquivosPasso.h"
#include "fem/Fluencia.h"
#include "fem/ForcaTensional.h"
#include "fem/Retracao.h"
#include "fem/Tempo.h"
