// Principal stresses of a plane stress state, with their angles, as the stress histories use
// them.
#pragma once

struct TTensoesPrincipais {
    double Sigma1 = 0.0, Sigma2 = 0.0; // MPa
    double Angulo = 0.0;               // degrees
    double TauMax = 0.0;               // MPa
    double AnguloTauMax = 0.0;         // degrees

    // Principal values of (sx, sy, tau). A state without shear keeps sx and sy as they are
    // (unordered); a state with sx = sy = 0 is pure shear at 45 degrees.
    void Calcula(double sx, double sy, double tau);
};
