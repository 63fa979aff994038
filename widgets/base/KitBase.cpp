#include "KitBase.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {
bool gTempoReal = true;
TKitModal gModal;
TKitInforma gInforma;
TKitErro gErro;
TKitMenu gMenu;
int gEsperas = 0;
} // namespace

TKitTemporizador::TKitTemporizador(std::function<void()> tick) : FTick(std::move(tick)) {}

TKitTemporizador::~TKitTemporizador() = default;

void TKitTemporizador::Inicia(int intervaloMs) {
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

void TKitTemporizador::Para() {
    FAtivo = false;
    if (FTimer)
        FTimer->stop();
}

void TKitTemporizador::DefineTempoReal(bool real) {
    gTempoReal = real;
}

bool TKitTemporizador::TempoReal() {
    return gTempoReal;
}

void DefineKitModal(TKitModal f) {
    gModal = std::move(f);
}

int KitExecutaModal(QDialog &dialogo) {
    if (gModal)
        return gModal(dialogo);
    return dialogo.exec();
}

void DefineKitInforma(TKitInforma f) {
    gInforma = std::move(f);
}

void KitInforma(const QString &texto) {
    if (gInforma)
        gInforma(texto);
    else
        QMessageBox::information(nullptr, QString(), texto);
}

void DefineKitErro(TKitErro f) {
    gErro = std::move(f);
}

void KitMostraErro(const QString &texto) {
    if (gErro)
        gErro(texto);
    else
        QMessageBox::critical(nullptr, QString(), texto);
}

void DefineKitMenu(TKitMenu f) {
    gMenu = std::move(f);
}

void KitPopupMenu(QMenu &menu, const QPoint &global) {
    if (gMenu)
        gMenu(menu, global);
    else
        menu.exec(global);
}

void KitEsperaAtiva(int ms) {
    ++gEsperas;
    if (!gTempoReal || ms <= 0)
        return;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
    }
}

int KitEsperasPedidas() {
    return gEsperas;
}
