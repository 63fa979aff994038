// What a run or a mesh generation shows while it works: the progress window's texts, its bar
// and the clock that limits how often a window is refreshed during the element loop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// "Montando Matrizes do Elemento: <n> " (with its trailing blank).
std::string TextoElemento(int elemento);
// "Tentando Liberar Memória... ( <mb>Mb)".
std::string TextoMemoria(int mb);
// "Tempo: " and t as "%6.2g" with the user's decimal separator.
std::string TextoTempo(double t);

// A progress bar's range and position; a step past the maximum goes back to the minimum.
struct TBarraProgresso {
    int Minimo = 0;
    int Maximo = 100;
    int Posicao = 0;

    void DefineFaixa(int minimo, int maximo);
    void Avanca() { Posicao = Posicao >= Maximo ? Minimo : Posicao + 1; }
};

// Milliseconds of a monotonic clock.
using TRelogio = std::function<std::int64_t()>;
TRelogio RelogioPadrao();

// Says when a refresh is due: at most once per interval of the clock. Called once per element,
// it reads the clock only about once a millisecond, whatever the call rate.
class TLimitador {
public:
    explicit TLimitador(TRelogio relogio, std::int64_t intervaloMs = 33)
        : relogio_(std::move(relogio)), intervalo_(intervaloMs) {}
    // True when the interval has passed since the last refresh (which this call then is).
    // Meant for calls many times a millisecond: most return without reading the clock.
    bool Vez() { return --contagem_ > 0 ? false : VezLida(); }
    // The same for rare calls (a step's end): reads the clock every time, and the next call of
    // Vez reads it too (the next loop may run at another pace).
    bool VezAgora();
    // Clock readings so far.
    long long Leituras() const { return leituras_; }

private:
    bool VezLida();

    TRelogio relogio_;
    std::int64_t intervalo_;
    std::int64_t ultimo_ = INT64_MIN / 2;
    std::int64_t leitura_ = INT64_MIN / 2;
    int passo_ = 1, contagem_ = 0;
    long long leituras_ = 0;
};

// The progress window as the runs and mesh generations see it. Element and mesh-step calls come
// many times a millisecond: they only note what changed, inline, and the window's `Atualiza`
// runs when the limiter finds the interval passed.
class IProgresso {
public:
    explicit IProgresso(TRelogio relogio) : limitador_(std::move(relogio)) {}
    virtual ~IProgresso() = default;
    // Element or mesh-step bar: range 0..n, and one step (back to 0 past the end).
    virtual void DefineFaixaElementos(int n) = 0;
    void Avanca() {
        barra_.Avanca();
        barraPendente_ = true;
        if (limitador_.Vez())
            Atualiza();
    }
    // Time-step gauge: range 0..n.
    virtual void DefineFaixaPassos(int n) = 0;
    // Element text, then one step of the bar.
    void MostraElemento(int elemento) {
        elemento_ = elemento;
        elementoPendente_ = true;
        Avanca();
    }
    // Time text, one step of the gauge, pending window events.
    virtual void MostraTempo(double t) = 0;
    // Free memory text of the per-step memory check.
    virtual void MostraMemoria(int mb) = 0;
    // Shows what is pending now.
    virtual void Atualiza() = 0;

protected:
    TBarraProgresso barra_;
    TLimitador limitador_;
    int elemento_ = 0;
    bool elementoPendente_ = false;
    bool barraPendente_ = false;
};
