// Vectors, matrices, solvers, tabulated functions and the geometric utilities of the engine.
#pragma once

#include "matematica/UTMath.h"
#include "matematica/Vetor.h"
