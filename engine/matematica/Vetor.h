// Vectors and the dense matrix of the engine. Public indices are 1-based.
#pragma once

#include <cstdint>
#include <vector>

class TVetor {
public:
    explicit TVetor(int n = 0) : v_(std::size_t(n > 0 ? n : 0), 0.0) {}
    virtual ~TVetor() = default;
    TVetor(const TVetor &) = default;
    TVetor &operator=(const TVetor &) = default;

    int GetTamanho() const { return int(v_.size()); }
    double Get(int i) const { return v_[std::size_t(i - 1)]; }
    void Set(int i, double v) { v_[std::size_t(i - 1)] = v; }
    double &operator[](int i) { return v_[std::size_t(i - 1)]; }
    double operator[](int i) const { return v_[std::size_t(i - 1)]; }
    // Raw 0-based storage for hot loops.
    double *Dados() { return v_.data(); }
    const double *Dados() const { return v_.data(); }
    // Resizes keeping the leading entries; new entries are 0.
    void Redimensiona(int n) { v_.resize(std::size_t(n > 0 ? n : 0), 0.0); }

    virtual void Adiciona(double v) { v_.push_back(v); }
    void RemoveUltimo() {
        if (!v_.empty())
            v_.pop_back();
    }
    void Limpa() { v_.clear(); }
    virtual void Copia(const TVetor &w) { v_ = w.v_; }
    virtual void Zera();
    // Ascending exchange sort.
    virtual void Ordena();
    // True when some entry equals v under the engine's equality (v first, entry second).
    virtual bool Contem(double v) const;
    // result[i] := self[i] + w[i] (result may be this vector).
    virtual void Soma(TVetor &result, const TVetor &w) const;
    virtual void Subtrai(TVetor &result, const TVetor &w) const;
    void MultEscalar(TVetor &result, double s) const;
    double Escalar(const TVetor &w) const;
    double Norma() const;
    double ProdutoVetorial(const TVetor &w) const { return Get(1) * w.Get(2) - Get(2) * w.Get(1); }

private:
    std::vector<double> v_;
};

// Vector of 32-bit integers (node and edge lists).
class TVetorInteiro {
public:
    explicit TVetorInteiro(int n = 0) : v_(std::size_t(n > 0 ? n : 0), 0) {}

    int GetTamanho() const { return int(v_.size()); }
    std::int32_t Get(int i) const { return v_[std::size_t(i - 1)]; }
    void Set(int i, std::int32_t v) { v_[std::size_t(i - 1)] = v; }
    std::int32_t &operator[](int i) { return v_[std::size_t(i - 1)]; }
    std::int32_t operator[](int i) const { return v_[std::size_t(i - 1)]; }
    std::int32_t *Dados() { return v_.data(); }
    const std::int32_t *Dados() const { return v_.data(); }
    void Adiciona(std::int32_t v) { v_.push_back(v); }
    void RemoveUltimo() {
        if (!v_.empty())
            v_.pop_back();
    }
    void Limpa() { v_.clear(); }
    void Redimensiona(int n) { v_.resize(std::size_t(n > 0 ? n : 0), 0); }
    // Copies entries 1..own count from w; the own count does not change.
    void Copia(const TVetorInteiro &w);
    bool Contem(double v) const;
    void Ordena();
    void Zera();

private:
    std::vector<std::int32_t> v_;
};

class TVetorBooleano {
public:
    explicit TVetorBooleano(int n = 0) : v_(std::size_t(n > 0 ? n : 0), 0) {}
    int GetTamanho() const { return int(v_.size()); }
    bool Get(int i) const { return v_[std::size_t(i - 1)] != 0; }
    void Set(int i, bool b) { v_[std::size_t(i - 1)] = b ? 1 : 0; }

private:
    std::vector<std::uint8_t> v_;
};

// Dense matrix of doubles, the base of the sparse system matrix.
class TMatriz {
public:
    TMatriz(int linhas, int colunas);
    virtual ~TMatriz() = default;
    TMatriz(const TMatriz &) = default;
    TMatriz &operator=(const TMatriz &) = default;

    int GetLinhas() const { return linhas_; }
    virtual int GetColunas() const { return colunas_; }
    virtual double Get(int i, int j) const;
    virtual void Set(int i, int j, double v);
    virtual void Zera();
    void AumentaLinha();
    virtual void AdicionaLinha(int j, double v);
    double Determinante2x2() const;
    // Inverts the upper-left 2x2 block in place; a singular block is left unchanged, an inverse
    // beyond the range of doubles raises EOverflow.
    void Inverte2x2();
    // result[i] := sum_j a(i,j) v[j], i and j over the length of result.
    virtual void MultVetor(TVetor &result, const TVetor &v) const;
    virtual void MultEscalar(double s);
    void MultMatriz(TMatriz &result, const TMatriz &b) const;
    void Soma(TMatriz &result, const TMatriz &b) const;
    void CopiaPara(TMatriz &m) const;
    void Transposta(TMatriz &m) const;
    // result[i] := v[i] / a(i,i) over the length of v; a zero diagonal entry raises EZeroDivide.
    virtual void PrecondDiagonal(TVetor &result, const TVetor &v) const;
    void OrdenaLinhasPelaColuna1();

protected:
    // Sizes the storage for linhas_ x colunas_; subclasses keep their own storage.
    virtual void Aloca();
    // For subclasses whose Aloca is virtual-dispatched after their own construction.
    struct SemAlocacao {};
    TMatriz(int linhas, int colunas, SemAlocacao) : linhas_(linhas), colunas_(colunas) {}
    int linhas_ = 0, colunas_ = 0;

private:
    std::vector<std::vector<double>> a_;
};
