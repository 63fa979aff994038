// The element sides lying on one domain edge.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "malhas/Aresta.h"

class TContorno {
public:
    explicit TContorno(TAresta *aresta) : Numero(aresta->Numero), Aresta(aresta) {}

    std::int32_t Numero; // the edge's number
    TAresta *Aresta;     // not owned

    int GetNumLados() const { return int(lados_.size()); }
    TLado *GetLado(int i) const { return lados_[std::size_t(i - 1)].get(); }
    // Appends a side numbered by its position.
    TLado *AdicionaLado(TNo *na, TNo *nb, TElemento *elemento) {
        lados_.push_back(
            std::make_unique<TLado>(na, nb, std::int32_t(lados_.size() + 1), elemento));
        return lados_.back().get();
    }
    void Limpa() { lados_.clear(); }

private:
    std::vector<std::unique_ptr<TLado>> lados_;
};
