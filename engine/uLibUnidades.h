// Units of measure: simple and compound units and the chosen and reference sets.
#pragma once

#include "unidades/Compostas.h"
#include "unidades/Conjuntos.h"
#include "unidades/Simples.h"
