// Straight edge between two nodes, and an element side lying on a domain edge.
#pragma once

#include <cstdint>

#include "malhas/No.h"

class TElemento;

class TAresta {
public:
    // Neither node is owned.
    TAresta(TNo *no1, TNo *no2, std::int32_t numero) : No1(no1), No2(no2), Numero(numero) {}

    TNo *No1, *No2;
    std::int32_t Numero;
    // Interior edge (layer interface, subdomain boundary): left out of the point-outside test
    // unless the mesh says otherwise, of edge selection and of boundary loads.
    bool Interna = false;
    // Skipped by the second point-outside test.
    bool Ignorada = false;

    double Comprimento() const { return TUT_Math::Distancia(No1->X, No1->Y, No2->X, No2->Y); }
    double YMedio() const { return (No1->Y + No2->Y) / 2.0; }
    void SetInterna(bool b) { Interna = b; }
    void SetIgnorada(bool b) { Ignorada = b; }
};

// Side of an element on a domain edge; Numero is its position in its TContorno.
class TLado : public TAresta {
public:
    TLado(TNo *no1, TNo *no2, std::int32_t numero, TElemento *elemento)
        : TAresta(no1, no2, numero), Elemento(elemento) {}

    TElemento *Elemento; // not owned
};
