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

// The memory tool's release rule: off until confirmed; per step, a fixed amount whenever less
// is free, or else the upper amount whenever less than the free limit is free (MB).
struct TRegraMemoria {
    bool Aplicado = false;
    bool PorEtapa = false;
    int LimitePorEtapa = 100, LimiteLivre = 20, LimiteSuperior = 100;
};
