#include <gtest/gtest.h>

#include <cmath>

#include "fem/TensoesPrincipais.h"

namespace {

void Espera(double sx, double sy, double tau, double s1, double s2, double ang, double tmax,
            double angTau) {
    TTensoesPrincipais p;
    p.Calcula(sx, sy, tau);
    EXPECT_NEAR(p.Sigma1, s1, 1e-12) << sx << " " << sy << " " << tau;
    EXPECT_NEAR(p.Sigma2, s2, 1e-12) << sx << " " << sy << " " << tau;
    EXPECT_NEAR(p.Angulo, ang, 1e-9) << sx << " " << sy << " " << tau;
    EXPECT_NEAR(p.TauMax, tmax, 1e-12) << sx << " " << sy << " " << tau;
    EXPECT_NEAR(p.AnguloTauMax, angTau, 1e-9) << sx << " " << sy << " " << tau;
}

TEST(TensoesPrincipais, SpecialStates) {
    Espera(0, 0, 0, 0, 0, 45, 0, 90);
    Espera(0, 0, -3, 3, -3, 45, 3, 90); // pure shear overrides the shear-free case
    Espera(10, 2, 0, 10, 2, 0, 4, 45);
    Espera(2, 10, 0, 2, 10, 0, 4, 45); // no ordering without shear
    Espera(3, 3, 4, 7, -1, 45, 4, 90);
    Espera(3, 3, -4, 7, -1, -45, 4, -90);
}

TEST(TensoesPrincipais, GeneralStateMatchesTheMohrCircle) {
    // sx = 4, sy = -2, tau = 4: centre 1, radius 5.
    TTensoesPrincipais p;
    p.Calcula(4, -2, 4);
    EXPECT_NEAR(p.Sigma1, 6, 1e-12);
    EXPECT_NEAR(p.Sigma2, -4, 1e-12);
    EXPECT_NEAR(p.TauMax, 5, 1e-12);
    const double ang = std::atan(8.0 / 6.0) * 90.0 / M_PI;
    EXPECT_NEAR(p.Angulo, ang, 1e-12);
    EXPECT_NEAR(p.AnguloTauMax, ang + 45, 1e-12);
    // The angle is the direction of Sigma1: rotating the state by it leaves no shear.
    const double t = p.Angulo * M_PI / 180.0;
    const double sn = 4 * std::cos(t) * std::cos(t) - 2 * std::sin(t) * std::sin(t) +
                      2 * 4 * std::sin(t) * std::cos(t);
    EXPECT_NEAR(sn, p.Sigma1, 1e-12);

    // A negative angle shifts the shear angle the other way.
    p.Calcula(4, -2, -4);
    EXPECT_NEAR(p.Angulo, -ang, 1e-12);
    EXPECT_NEAR(p.AnguloTauMax, -ang - 45, 1e-12);
}

} // namespace
