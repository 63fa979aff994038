// The kit's one seam for what waits or ticks: timers, modal runs, popup menus, the information
// box and the short busy wait of a programmatic click. The program binds the modal run and the
// information box to its own prompter at start-up; tests bind scripts and drive the timers.
#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QMenu;
class QTimer;

// A timer whose tick is a public method of its owner. With real time off (tests) nothing runs;
// Ativo() and Intervalo() still tell what a real timer would do.
class TKitTemporizador {
public:
    explicit TKitTemporizador(std::function<void()> tick);
    ~TKitTemporizador();
    TKitTemporizador(const TKitTemporizador &) = delete;
    TKitTemporizador &operator=(const TKitTemporizador &) = delete;

    void Inicia(int intervaloMs);
    void Para();
    bool Ativo() const { return FAtivo; }
    int Intervalo() const { return FIntervalo; }

    static void DefineTempoReal(bool real);
    static bool TempoReal();

private:
    std::function<void()> FTick;
    std::unique_ptr<QTimer> FTimer;
    bool FAtivo = false;
    int FIntervalo = 0;
};

// Runs a dialog modally; returns its result code.
using TKitModal = std::function<int(QDialog &)>;
void DefineKitModal(TKitModal f); // empty restores QDialog's own loop
int KitExecutaModal(QDialog &dialogo);

// Information box with OK.
using TKitInforma = std::function<void(const QString &)>;
void DefineKitInforma(TKitInforma f);
void KitInforma(const QString &texto);

// Error box with OK (what the program's slot guard shows for an error).
using TKitErro = std::function<void(const QString &)>;
void DefineKitErro(TKitErro f);
void KitMostraErro(const QString &texto);

// Pops a menu up at a screen point and returns when it closes.
using TKitMenu = std::function<void(QMenu &, const QPoint &)>;
void DefineKitMenu(TKitMenu f);
void KitPopupMenu(QMenu &menu, const QPoint &global);

// Waits at least `ms` milliseconds on the tick counter (no event is processed). With real time
// off it returns at once; the waits asked for are counted.
void KitEsperaAtiva(int ms);
int KitEsperasPedidas();
