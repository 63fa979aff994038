// The program's timers. A window owns a TTemporizador and gives it the public tick method it
// calls; tests switch real timing off and call the tick themselves.
#pragma once

#include <functional>
#include <memory>

class QTimer;

class TTemporizador {
public:
    explicit TTemporizador(std::function<void()> tick);
    ~TTemporizador();
    TTemporizador(const TTemporizador &) = delete;
    TTemporizador &operator=(const TTemporizador &) = delete;

    void Inicia(int intervaloMs);
    void Para();
    bool Ativo() const { return FAtivo; }
    int Intervalo() const { return FIntervalo; }

    // Tests: when false no timer really runs; Ativo() and Intervalo() still tell what a real
    // one would do.
    static void DefineTempoReal(bool real);

private:
    std::function<void()> FTick;
    std::unique_ptr<QTimer> FTimer;
    bool FAtivo = false;
    int FIntervalo = 0;
};
