// What the dialogs share beside their base: a size that follows longer unit labels. Default texts
// and unit symbols come from DialogoDados.h and UnidadesEscolhidas.h.
#pragma once

#include "DialogoDados.h"
#include "UnidadesEscolhidas.h"

class QWidget;

// Grows a dialog whose labels got longer texts so that nothing is cut.
void AjustaTamanho(QWidget *dialogo);
