// The memory tool's window: watches the machine's physical memory, lets the user take a chosen
// amount of memory and give it back at once (worker thread), and fires the release rule that the
// analyses apply at each time step: confirmed by "Ok", off when shown and at "Cancelar".
#pragma once

#include "Ajustes.h"

#include <QDialog>
#include <QThread>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStatusBar;
class TKitTemporizador;
using TTemporizador = TKitTemporizador;
class TfrmInformacoesSistema;
class TFerramentaMemoria;

// Takes and frees N MiB under the program's release lock. It never touches widgets: the window
// that started it gets its progress and the timer switches through queued signals.
class TRAMThread : public QThread {
    Q_OBJECT
public:
    TRAMThread(int n, TfrmInformacoesSistema *dono);
    TfrmInformacoesSistema *Dono() const { return dono_; }
    int Pedido() const { return n_; }

signals:
    void Inicio(int blocos);
    void Progresso(int valor);
    void DesligaTimer();
    void LigaTimer();

protected:
    void run() override;

private:
    int n_;
    TfrmInformacoesSistema *dono_;
};

class TfrmInformacoesSistema : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInformacoesSistema(QWidget *pai = nullptr);
    ~TfrmInformacoesSistema() override;

    void SetOnRegra(std::function<void(const TRegraMemoria &)> e) { OnRegra = std::move(e); }

    // Monitor tick (every second while the timer runs).
    void Timer1Timer();
    // "&Otimizar Memória Virtual": starts a worker unless one is running.
    void cmdOptimizeClick();
    void btnOkClick();
    void btnCancelaClick();

    bool TimerAtivo() const;
    bool PararMonitor() const { return pararMonitor_; }
    std::int64_t LivreKb() const { return livreKb_; }
    std::int64_t TotalKb() const { return totalKb_; }
    int PercentualLivre() const { return percentual_; }

    // The running worker, none when idle (one for the whole program).
    static TRAMThread *ThreadRAM();
    // Waits for the running worker to end and lets its end be handled (tests).
    static void AguardaTrabalho();

    QSlider *TrackRAM;
    QLabel *labslider;
    QLabel *labCpu;
    QProgressBar *barRAM;
    QLabel *labram;
    QPushButton *cmdOptimize;
    QProgressBar *barProgress;
    QRadioButton *rbRAMLivre;
    QSpinBox *seLimiteLivre;
    QSpinBox *seLimiteLivreSuperior;
    QRadioButton *rbRAMLivrePorEtapa;
    QSpinBox *seLimiteLivrePorEtapa;
    QPushButton *btnOk;
    QPushButton *btnCancela;
    QStatusBar *StatusBar1;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

private:
    void TrackRAMChange(int posicao);
    void AcoplaLimites();
    void HandleThreadTermination();
    void EncerraTrabalho();
    // The rule as the controls show it, applied or not.
    void Dispara(bool aplicado);

    std::int64_t livreKb_ = 0, totalKb_ = 0;
    int percentual_ = 0;
    QString textoLabram_;
    bool pararMonitor_ = false;
    // The worker leaves the bar alone while the rule is confirmed.
    bool aplicado_ = false;
    std::unique_ptr<TTemporizador> Timer1;
    std::function<void(const TRegraMemoria &)> OnRegra;
};

extern TfrmInformacoesSistema *frmInformacoesSistema;

// Tool button "Informações do HD": a new memory window with no owner, shown without modality;
// it becomes frmInformacoesSistema and fires its rule to the memory tool, bound for the runs
// until a run ends and frees the window. Earlier windows stay alive, their rules unheard.
TfrmInformacoesSistema *AbreInformacoesSistema(TFerramentaMemoria &ferramenta);
// Frees every window AbreInformacoesSistema made (at exit); the engine's release frees none after.
void LiberaJanelasInformacoesSistema();
