// Vectors, matrices, solvers, tabulated functions and the geometric utilities of the engine.
//   matematica/Vetor.h           TVetor, TVetorInteiro, TVetorBooleano, TMatriz
//   matematica/MatrizSky.h       TMatrizSky (sparse symmetric matrix)
//   matematica/Gradiente.h       TGradiente (conjugate-gradient solver)
//   matematica/Gauss.h           TGauss (sparse Cholesky factorisation)
//   matematica/FuncaoDiscreta.h  TFuncaoDiscreta (tabulated function)
//   matematica/UTMath.h          TUT_Math, TPontoReal, TEscalaTela
#pragma once

#include "matematica/FuncaoDiscreta.h"
#include "matematica/Gauss.h"
#include "matematica/Gradiente.h"
#include "matematica/MatrizSky.h"
#include "matematica/UTMath.h"
#include "matematica/Vetor.h"
