// A small model that the instance tests run both in the test process and in a second process
// (instancia_auxiliar), so that two instances of the program work side by side.
#pragma once

#include <memory>

#include "support_analise.h"

// A 2 x 1 block at a uniform temperature, insulated and without heat: every step file holds T0.
struct TInstanciaTermica {
    std::unique_ptr<TMalha> malha;
    std::unique_ptr<TAnalise> analise;
    explicit TInstanciaTermica(double T0) : malha(Retangulo(Uniforme(2.0, 4), 1.0, 2)) {
        analise = std::make_unique<TAnalise>(malha.get());
        analise->SetSolver(std::make_unique<TGauss>());
        analise->GetDominio()->SetMaterial(MaterialTermico(2.0, 2400.0, 1000.0));
        analise->SetTempo(std::make_unique<TTempo>(0.0, 24.0, 6.0, 1.0));
        analise->AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), T0);
    }
};

// A 2 x 3 block in three layers whose stage meshes are generated with n x n divisions.
struct TInstanciaCamadas {
    std::unique_ptr<TDominio> sub;
    std::unique_ptr<TCamadas> camadas;
    explicit TInstanciaCamadas(int n) {
        std::vector<TNo> nos{{1, 0, 0}, {2, 2, 0}, {3, 2, 3}, {4, 0, 3}};
        sub = TDominio::CreateMalha(nos);
        sub->SetFixo(false);
        TVetor elevacoes;
        for (double e : {1.0, 2.0, 3.0})
            elevacoes.Adiciona(e);
        camadas = std::make_unique<TCamadas>(*sub->GetMalha(), elevacoes);
        camadas->DefineCamadas({sub.get()});
        camadas->SetNx(n);
        camadas->SetNy(n);
        for (int k = 1; k <= camadas->GetNumEtapas(); ++k)
            camadas->SalvaMalhaEtapa(k, TConfiguracaoMalha());
    }
};
