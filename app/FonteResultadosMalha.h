// The main window as the result windows' source: its analyses, picks, line and the user's units.
#pragma once

class TfrmMalha;

// Binds the result windows to the main window (nullptr unbinds).
void LigaFonteResultados(TfrmMalha *malha);
