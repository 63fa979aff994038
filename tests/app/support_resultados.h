// Result windows' test support: a small thermal (and stress) run in a private folder and a
// result source standing in for the main window.
#pragma once

#include <memory>

#include "FonteResultados.h"
#include "support_analise.h"
#include "uLibFEM.h"

// The main window's side, as the result windows read it.
class TFonteTeste : public IFonteResultados {
public:
    TAnalise *termica = nullptr;
    TAnaliseTensional *tensional = nullptr;
    int no = 0, elemento = 0;
    TPontoReal cursor;
    bool temReta = false;
    TPontoReal inicio, fim;
    TUnidadesResultados unidades;

    TFonteTeste() { DefineFonteResultados(this); }
    ~TFonteTeste() override { DefineFonteResultados(nullptr); }
    TAnalise *AnaliseTermica() override { return termica; }
    TAnaliseTensional *AnaliseTensional() override { return tensional; }
    int NoCapturado() override { return no; }
    int ElementoCapturado() override { return elemento; }
    TPontoReal NoCursor() override { return cursor; }
    bool Reta(TPontoReal &a, TPontoReal &b) override {
        a = inicio;
        b = fim;
        return temReta;
    }
    TUnidadesResultados Unidades() override { return unidades; }
};

// A 10 m x 5 m block (nx x ny cells) heated by hydration and cooled by convection to 20 degrees
// on its four faces: `passos` steps of dt hours from 15 degrees.
struct TCasoTermico {
    PastaResultados pasta;
    std::unique_ptr<TMalha> malha;
    std::unique_ptr<TAnalise> analise;

    explicit TCasoTermico(int passos = 4, double dt = 6.0, int nx = 8, int ny = 4) {
        malha = Retangulo(Uniforme(10.0, nx), 5.0, ny);
        analise = std::make_unique<TAnalise>(malha.get());
        TDominio *d = analise->GetDominio();
        d->SetMaterial(MaterialTermico(1720.0, 2400.0, 230.0));
        d->SetFonte(std::make_unique<TForcaInterna>(2000.0));
        d->AdicionaForcaExterna(*Conveccao(8600.0, 20.0, {1, 2, 3, 4}));
        analise->SetTempo(std::make_unique<TTempo>(0.0, dt * passos, dt, 2.0 / 3.0));
        analise->AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
        analise->SetSolver(std::make_unique<TGauss>());
        analise->Executa();
    }
};
