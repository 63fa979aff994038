// Mesh-generation tests: a fresh engine-facing state, any message shown is a failure, and the area
// a domain's outline encloses.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "uEstadoInterface.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

// Area enclosed by the edges that are not interior (they form one closed outline).
inline double AreaContorno(const TMalha &m) {
    double s = 0;
    for (int i = 1; i <= m.GetNumArestas(); ++i) {
        const TAresta *a = m.GetAresta(i);
        if (!a->Interna)
            s += (a->No1->X * a->No2->Y - a->No2->X * a->No1->Y) / 2;
    }
    return std::fabs(s);
}

class TesteMalha : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        DefineMensagens(&silencio_);
    }
    void TearDown() override {
        DefineMensagens(nullptr);
        ReiniciaEstado();
    }
    struct TSilencio : IMensagens {
        bool Mostra(TTipoMensagem, const std::string &t) override {
            ADD_FAILURE() << "message: " << t;
            return true;
        }
    } silencio_;
};
