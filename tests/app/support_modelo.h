// A model on a picture, for the tests of its life cycle and receivers: a private default
// folder, the engine-facing state reset, the engine's messages kept.
#pragma once

#include "CanvasQt.h"
#include "Modelo.h"
#include "support_janelas.h"

#include <QImage>

class ModeloTeste : public ::testing::Test {
protected:
    ModeloTeste() : imagem(600, 400, QImage::Format_RGB32), canvas(&imagem) {
        ReiniciaEstado();
        DefineMensagens(&mensagens);
        modelo = std::make_unique<TModelo>(&canvas);
    }
    ~ModeloTeste() override {
        modelo.reset();
        DefineMensagens(nullptr);
        ReiniciaEstado();
    }

    // 4 x 2 rectangle with a vertex in the middle of the bottom and top edges, so two
    // subdomains (left: 1 2 5 6, right: 2 3 4 5) can be drawn on its vertices.
    void CriaRetangulo() {
        const std::vector<TNo> v = {{1, 0, 0}, {2, 2, 0}, {3, 4, 0},
                                    {4, 4, 2}, {5, 2, 2}, {6, 0, 2}};
        modelo->CriaDominio(v);
    }

    // Concrete of modulus e (GPa) and expansion alfa (per degree).
    static std::unique_ptr<TMaterial> Concreto(double e = 30.0, double alfa = 1e-5,
                                               double nu = 0.2) {
        auto m = std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, e, 0.08609, 0.04225, true,
                                             alfa, nu, 9.81, TMaterial::kModeloJCI, false, 20.0,
                                             false, 1.408, 0.1931, false, 0.0, true);
        m->SetEConstanteValor(e);
        return m;
    }

    static TVetorInteiro Lista(std::initializer_list<int> l) {
        TVetorInteiro v;
        for (int k : l)
            v.Adiciona(k);
        return v;
    }

    TPastaTeste pasta;
    TMensagensGravadas mensagens;
    QImage imagem;
    TCanvasQt canvas;
    std::unique_ptr<TModelo> modelo;
};
