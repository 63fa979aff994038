// Small stress-analysis cases: a folder for the step files, a recorder of messages, a structured
// rectangle mesh and the temperature step files of a thermal run given directly.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "PastaTeste.h"

class TGravadorMensagens : public IMensagens {
public:
    bool Mostra(TTipoMensagem tipo, const std::string &texto) override {
        Tipos.push_back(tipo);
        Textos.push_back(texto);
        return true;
    }
    std::vector<TTipoMensagem> Tipos;
    std::vector<std::string> Textos;
};

class CasoTensional : public TesteComPasta {
protected:
    void SetUp() override {
        DefineNomesArquivos(Estado().Configuracoes);
        DefineMensagens(&mensagens_);
    }
    void TearDown() override { DefineMensagens(nullptr); }

    // Rectangle [0, w] x [0, h] with edges bottom (1), right (2), top (3), left (4); nodes on an
    // (nx + 1) x (ny + 1) grid, row by row from the bottom; two triangles per cell.
    static std::unique_ptr<TMalha> Retangulo(double w, double h, int nx, int ny) {
        auto m = std::make_unique<TMalha>(2, 2);
        m->AdicionaVertice(0, 0);
        m->AdicionaVertice(w, 0);
        m->AdicionaVertice(w, h);
        m->AdicionaVertice(0, h);
        for (int i = 1; i <= 4; ++i)
            m->AdicionaArestaNos(i, i % 4 + 1);
        for (int j = 0; j <= ny; ++j)
            for (int i = 0; i <= nx; ++i)
                m->AdicionaNo(w * i / nx, h * j / ny);
        auto no = [nx](int i, int j) { return j * (nx + 1) + i + 1; };
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                m->AdicionaElemento(no(i, j), no(i + 1, j), no(i + 1, j + 1));
                m->AdicionaElemento(no(i, j), no(i + 1, j + 1), no(i, j + 1));
            }
        return m;
    }

    // Nodes with x (or y) equal to the given coordinate.
    static TVetorInteiro NosEmX(const TMalha &m, double x) {
        TVetorInteiro v;
        for (int k = 1; k <= m.GetNumNos(); ++k)
            if (m.GetNo(k)->X == x)
                v.Adiciona(k);
        return v;
    }
    static TVetorInteiro NosEmY(const TMalha &m, double y) {
        TVetorInteiro v;
        for (int k = 1; k <= m.GetNumNos(); ++k)
            if (m.GetNo(k)->Y == y)
                v.Adiciona(k);
        return v;
    }
    static TVetorInteiro Nos(std::initializer_list<int> l) {
        TVetorInteiro v;
        for (int k : l)
            v.Adiciona(k);
        return v;
    }

    // Concrete of modulus e (GPa, constant unless an age law is given), Poisson nu, expansion
    // alfa (1/degree).
    static std::unique_ptr<TMaterial> Concreto(double e, double nu, double alfa, bool epd) {
        auto m = std::make_unique<TMaterial>(2.0, 2.0, 2400.0, 1000.0, e, 0.08609, 0.04225, true,
                                             alfa, nu, 9.81, TMaterial::kModeloJCI, false, 20.0,
                                             false, 1.408, 0.1931, false, 0.0, epd);
        m->SetEConstanteValor(e);
        return m;
    }

    // The temperature step file of step s with one value for every node.
    static void GravaTemperaturas(int s, int n, double t) {
        TVetor v(n);
        for (int k = 1; k <= n; ++k)
            v[k] = t;
        std::string buffer;
        GravaArquivoPasso(ArquivoTemperatura(s), v, buffer);
    }

    TGravadorMensagens mensagens_;
};
