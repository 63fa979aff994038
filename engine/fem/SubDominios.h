// Which of several outlined regions holds a point: shared by the thermal and stress analyses.
#pragma once

#include <functional>

class TMalha;

// Inside the outline of m, or at one of its vertices.
bool PontoNoContorno(const TMalha *m, double x, double y);

// Of the n candidates whose outline holds the point (contem), the innermost by bounding box,
// the last of equal boxes; 0 when none.
int DominioDoPonto(int n, const std::function<const TMalha *(int)> &malha,
                   const std::function<bool(int)> &contem);
