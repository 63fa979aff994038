#include "fem/TensoesPrincipais.h"

#include <cmath>

void TTensoesPrincipais::Calcula(double sx, double sy, double tau) {
    const double meio = (sx - sy) / 2.0;
    const double r = std::sqrt(tau * tau + meio * meio);
    TauMax = r;
    if (sx == 0.0 && sy == 0.0) {
        Sigma1 = r;
        Sigma2 = -r;
        Angulo = 45.0;
        AnguloTauMax = 90.0;
        return;
    }
    if (tau == 0.0) {
        Sigma1 = sx;
        Sigma2 = sy;
        Angulo = 0.0;
        AnguloTauMax = 45.0;
        return;
    }
    const double m = (sx + sy) / 2.0;
    Sigma1 = m + r;
    Sigma2 = m - r;
    if (sx == sy)
        Angulo = tau > 0.0 ? 45.0 : -45.0;
    else
        Angulo = std::atan(2.0 * tau / (sx - sy)) * 28.64788975654116;
    AnguloTauMax = Angulo <= 0.0 ? Angulo - 45.0 : Angulo + 45.0;
}
