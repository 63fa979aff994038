// Units of measure: simple and compound units and the chosen and reference sets.
//   unidades/Simples.h    TUnidade, TPotencia, TTempCelsius, TTempKelvin, TTempFahrenheit,
//                         TTempRankine
//   unidades/Compostas.h  TDensidade, TCalorEspecifico, TCondutividade, TConveccao, TTensao,
//                         TModuloElast, TCoefDilatacao, TGravidade
//   unidades/Conjuntos.h  TUnidades, TUnidadesSI
#pragma once

#include "unidades/Compostas.h"
#include "unidades/Conjuntos.h"
#include "unidades/Simples.h"
