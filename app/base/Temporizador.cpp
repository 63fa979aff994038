#include "Temporizador.h"

#include <QTimer>

namespace {
bool gTempoReal = true;
}

TTemporizador::TTemporizador(std::function<void()> tick) : FTick(std::move(tick)) {}

TTemporizador::~TTemporizador() = default;

void TTemporizador::Inicia(int intervaloMs) {
    FAtivo = true;
    FIntervalo = intervaloMs;
    if (!gTempoReal)
        return;
    if (!FTimer) {
        FTimer = std::make_unique<QTimer>();
        QObject::connect(FTimer.get(), &QTimer::timeout, [this] {
            if (FTick)
                FTick();
        });
    }
    FTimer->start(intervaloMs);
}

void TTemporizador::Para() {
    FAtivo = false;
    if (FTimer)
        FTimer->stop();
}

void TTemporizador::DefineTempoReal(bool real) {
    gTempoReal = real;
}
