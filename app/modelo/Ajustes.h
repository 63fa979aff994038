// The program settings the settings windows fire to the model, as values.
#pragma once

// Mesh generation: divisions, grading and division by a maximum element size (metres).
struct TAjustesMalha {
    int Nx = 2, Ny = 2;
    bool Exponencial = false;
    bool PorDmax = true;
    double Dmax = 0.25;
};
