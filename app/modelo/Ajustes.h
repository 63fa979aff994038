// The program settings the settings windows fire to the model, as values.
#pragma once

#include <string>

// Mesh generation: divisions, grading and division by a maximum element size (metres).
struct TAjustesMalha {
    int Nx = 2, Ny = 2;
    bool Exponencial = false;
    bool PorDmax = true;
    double Dmax = 0.25;
};

// The step result files: folder (with its final separator), stem and extension of the
// temperature, deformation and stress steps.
struct TArquivosResultado {
    std::string EnderecoTemp, EnderecoDeform, EnderecoTensao;
    std::string NomeTemp, NomeDeform, NomeTensao;
    std::string TerminacaoTemp, TerminacaoDeform, TerminacaoTensao;
};
