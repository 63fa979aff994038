// Sparse symmetric system matrix (the solvers working on it are TGradiente in
// matematica/Gradiente.h and TGauss in matematica/Gauss.h).
#pragma once

#include <cstdint>
#include <vector>

#include "matematica/Vetor.h"

// Symmetric matrix that stores its upper triangle: entry (i, j) lives once, in row min(i, j) at
// column max(i, j); a pair never stored reads as 0. Each row keeps its entries in append order
// (the diagonal stands first after DiagonalPrimeiro). Long rows carry an index ordered by column
// so that look-ups stay cheap once the profile has been filled.
class TMatrizSky : public TMatriz {
public:
    explicit TMatrizSky(int n);

    double Get(int i, int j) const override;
    // Overwrites the stored entry or appends a new one (even for v = 0).
    void Set(int i, int j, double v) override;
    // All values become 0; the entries and their order stay.
    void Zera() override;
    // result := A v with both triangles; result must not be v.
    void MultVetor(TVetor &result, const TVetor &v) const override;
    void MultEscalar(double s) override;
    // result[i] := v[i] / (first value of row i).
    void PrecondDiagonal(TVetor &result, const TVetor &v) const override;

    // Value and 1-based position of the entry with that column in the row; false (value 0) when
    // the row holds no such column.
    bool ProcuraNaLinha(int linha, int coluna, double &valor, int &posicao) const;
    // Largest column of the row (0 for an empty row).
    int MaiorColuna(int linha) const;
    // 1-based position of the smallest column of the row (0 for an empty row).
    int PosicaoMenorColuna(int linha) const;
    // Moves each row's smallest column (its diagonal) to the front; true when something moved.
    bool DiagonalPrimeiro();

    // The stored entries of a row in their order (1-based positions and columns).
    int TamanhoLinha(int linha) const { return int(sky_[std::size_t(linha - 1)].coluna.size()); }
    int ColunaNaPosicao(int linha, int pos) const {
        return sky_[std::size_t(linha - 1)].coluna[std::size_t(pos - 1)] + 1;
    }
    double ValorNaPosicao(int linha, int pos) const {
        return sky_[std::size_t(linha - 1)].valor[std::size_t(pos - 1)];
    }
    // Adds v to the entry at that position (assembly through remembered positions).
    void SomaNaPosicao(int linha, int pos, double v) {
        ++versao_;
        sky_[std::size_t(linha - 1)].valor[std::size_t(pos - 1)] += v;
    }

    // The matrix's state: equal marks mean the same entries in the same order with the same
    // values. Every change moves the version on; every matrix (a copy too) has an identity of its
    // own.
    struct TMarca {
        std::uint64_t identidade, versao;
        bool operator==(const TMarca &) const = default;
    };
    TMarca Marca() const { return {identidade_.valor, versao_}; }

protected:
    void Aloca() override;

private:
    friend class TGauss;

    static constexpr std::uint8_t kSemIndice = 0, kIndiceDenso = 1, kIndiceOrdenado = 2;
    struct Linha {
        std::vector<double> valor;
        std::vector<std::int32_t> coluna; // 0-based
        // Column index of a long row, rebuilt when stale: either the position of every column
        // from `base` on (-1 where absent) or, for scattered columns, the positions in column
        // order.
        mutable std::vector<std::int32_t> indice;
        mutable std::int32_t base = 0;
        mutable std::uint8_t tipoIndice = kSemIndice;
    };

    // 0-based position of column c (0-based) in the row, or -1.
    static std::int32_t Procura(const Linha &l, std::int32_t c);
    static void Reindexa(const Linha &l);
    static void Anexa(Linha &l, std::int32_t c, double v);

    struct TIdentidade {
        std::uint64_t valor = Nova();
        TIdentidade() = default;
        TIdentidade(const TIdentidade &) : valor(Nova()) {}
        TIdentidade &operator=(const TIdentidade &) {
            valor = Nova();
            return *this;
        }
        static std::uint64_t Nova();
    };

    std::vector<Linha> sky_;
    TIdentidade identidade_;
    std::uint64_t versao_ = 0;
};
