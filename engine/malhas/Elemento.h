// Polygon element of a mesh (three nodes for every element the mesh builds).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "malhas/Aresta.h"

class TElemento {
public:
    // Tag of the copying constructor.
    struct TCopiaNos {};

    // Shares the nodes nos[0..high] (not owned) and computes the bounding box.
    TElemento(TNo *const *nos, int high);
    // n own nodes numbered 1..n at (0, 0).
    explicit TElemento(int n);
    // Own nodes copying the number and position of each node of the source.
    TElemento(const TElemento &origem, TCopiaNos);
    virtual ~TElemento() = default;
    TElemento(const TElemento &) = delete;
    TElemento &operator=(const TElemento &) = delete;

    static std::unique_ptr<TElemento> CreateN(int n) { return std::make_unique<TElemento>(n); }
    static std::unique_ptr<TElemento> CreateCopia(const TElemento &origem) {
        return std::make_unique<TElemento>(origem, TCopiaNos{});
    }

    std::int32_t Numero = 0;
    double XMax = 0.0, YMin = 0.0, XMin = 0.0, YMax = 0.0;

    int GetN() const { return int(nos_.size()); }
    TNo *GetNo(int i) const { return nos_[std::size_t(i - 1)]; }
    void SetNumero(std::int32_t n) { Numero = n; }

    double XCentro() const;
    double YCentro() const;
    // Signed area, positive when the nodes run counter-clockwise.
    double Area() const;
    void CalculaLimites();
    // Bounding box (bounds included), then the convex-polygon test.
    bool ContemPonto(double x, double y) const;
    // Local positions (1..n) of the nodes numbered like the edge's ends; 0 when absent.
    void PosicoesDaAresta(const TAresta &aresta, int &p1, int &p2) const;
    static double FuncaoForma(int i, double xi, double eta);
    TPontoReal PontoGlobal(double xi, double eta) const;
    // Local points (X = xi, Y = eta) where the linear field f1, f2, f3 equals valor; true when
    // two were found.
    static bool SegmentoIsolinha(double valor, double f1, double f2, double f3, TPontoReal &p,
                                 TPontoReal &q);
    // Frees the element's own nodes (those of CreateN and CreateCopia).
    void LiberaNos();

private:
    std::vector<TNo *> nos_;
    std::vector<std::unique_ptr<TNo>> proprios_;
};
