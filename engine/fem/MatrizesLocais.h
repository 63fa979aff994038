// Fixed-capacity local arrays of one element: no heap allocation, 1-based access.
#pragma once

#include <array>
#include <cstddef>

// Most nodes an element of the analyses has (the four-node quadrilateral).
inline constexpr int kMaxNosElemento = 4;

// Matrix of fixed size R x C.
template <int R, int C> class TMatrizFixa {
public:
    static constexpr int Linhas = R;
    static constexpr int Colunas = C;

    double operator()(int i, int j) const { return a_[Indice(i, j)]; }
    double &operator()(int i, int j) { return a_[Indice(i, j)]; }
    double Get(int i, int j) const { return a_[Indice(i, j)]; }
    void Set(int i, int j, double v) { a_[Indice(i, j)] = v; }
    void Zera() { a_.fill(0.0); }
    void MultEscalar(double s) {
        for (double &v : a_)
            v *= s;
    }

private:
    static constexpr std::size_t Indice(int i, int j) { return std::size_t((i - 1) * C + (j - 1)); }
    std::array<double, std::size_t(R *C)> a_{};
};

// Square matrix of order n <= Cap with storage for Cap x Cap entries.
template <int Cap> class TMatrizLocal {
public:
    static constexpr int Capacidade = Cap;

    explicit TMatrizLocal(int n = Cap) : n_(n) {}

    int GetLinhas() const { return n_; }
    int GetColunas() const { return n_; }
    // New order; every entry cleared.
    void Redimensiona(int n) {
        n_ = n;
        Zera();
    }
    double operator()(int i, int j) const { return a_[Indice(i, j)]; }
    double &operator()(int i, int j) { return a_[Indice(i, j)]; }
    double Get(int i, int j) const { return a_[Indice(i, j)]; }
    void Set(int i, int j, double v) { a_[Indice(i, j)] = v; }
    void Zera() { a_.fill(0.0); }

private:
    static constexpr std::size_t Indice(int i, int j) {
        return std::size_t((i - 1) * Cap + (j - 1));
    }
    std::array<double, std::size_t(Cap *Cap)> a_{};
    int n_;
};

// Vector of length n <= Cap with storage for Cap entries.
template <int Cap> class TVetorLocal {
public:
    static constexpr int Capacidade = Cap;

    explicit TVetorLocal(int n = Cap) : n_(n) {}

    int GetTamanho() const { return n_; }
    // New length; every entry cleared.
    void Redimensiona(int n) {
        n_ = n;
        Zera();
    }
    double operator[](int i) const { return v_[std::size_t(i - 1)]; }
    double &operator[](int i) { return v_[std::size_t(i - 1)]; }
    double Get(int i) const { return v_[std::size_t(i - 1)]; }
    void Set(int i, double v) { v_[std::size_t(i - 1)] = v; }
    void Zera() { v_.fill(0.0); }
    const double *Dados() const { return v_.data(); }

private:
    std::array<double, std::size_t(Cap)> v_{};
    int n_;
};

// Thermal arrays (n x n and n entries) and nodal values of an element.
using TMatrizElemento = TMatrizLocal<kMaxNosElemento>;
using TVetorElemento = TVetorLocal<kMaxNosElemento>;
// Stiffness (2n x 2n) and nodal forces or strains (2n entries, x then y of each node).
using TMatrizRigidezElemento = TMatrizLocal<2 * kMaxNosElemento>;
using TVetorForcasElemento = TVetorLocal<2 * kMaxNosElemento>;

// Strain-displacement block of a node (3 x 2), Jacobian (2 x 2), local or global derivatives of
// the shape functions (2 x n, n <= 4).
using TBlocoB = TMatrizFixa<3, 2>;
using TJacobiano = TMatrizFixa<2, 2>;
using TDerivadas = TMatrizFixa<2, kMaxNosElemento>;
