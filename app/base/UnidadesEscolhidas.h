// The set of units values are typed in, as the windows reach it for their labels: bound by
// whoever holds the chosen set, the default set while none is.
#pragma once

#include "uLibUnidades.h"

#include <QString>

// Binds the chosen set (not owned); nullptr goes back to the default set.
void LigaUnidades(const TUnidades *u);
const TUnidades &UnidadesEscolhidas();

// Symbol of the chosen unit of a quantity.
QString SimboloUnidade(TGrandeza g);

// Metres per chosen length unit.
double FatorComprimento();
