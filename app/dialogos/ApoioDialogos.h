// What the dialogs share beside their base: a size that follows longer unit labels and grid cells
// counted from 1. Default texts and unit symbols come from DialogoDados.h and
// UnidadesEscolhidas.h.
#pragma once

#include "DialogoDados.h"
#include "UnidadesEscolhidas.h"

class QTableWidget;
class QWidget;

// Grows a dialog whose labels got longer texts so that nothing is cut.
void AjustaTamanho(QWidget *dialogo);

// Grid cells counted from 1, the header being row 1: a cell's text (empty where the row has no
// item), and a cell written (false, nothing written, where the row has no item).
QString TextoCelula(const QTableWidget *g, int linha, int coluna);
bool EscreveCelula(QTableWidget *g, int linha, int coluna, const QString &texto);
