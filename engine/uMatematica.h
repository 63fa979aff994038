// Vectors, matrices, solvers, tabulated functions and the geometric utilities of the engine.
#pragma once

#include "matematica/FuncaoDiscreta.h"
#include "matematica/Gauss.h"
#include "matematica/MatrizSky.h"
#include "matematica/UTMath.h"
#include "matematica/Vetor.h"
