// The progress window of runs and mesh generations: an element (or mesh-step) bar, a time-step
// pie gauge and two texts. Element and step calls only note what changed; the window shows the
// latest element, position, time and gauge at most about 30 times a second, when a call finds
// the interval passed.
#pragma once

#include "Progresso.h"

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;

// Pie gauge: the share of the range done, as a filled sector with its percentage.
class TMedidorPizza : public QWidget {
    Q_OBJECT
public:
    explicit TMedidorPizza(QWidget *pai = nullptr);
    void DefineMaximo(int maximo);
    void DefineMinimo(int minimo);
    void DefineProgresso(int progresso);
    int Minimo() const { return minimo_; }
    int Maximo() const { return maximo_; }
    int Progresso() const { return progresso_; }
    int Percentual() const;
    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int minimo_ = 0, maximo_ = 1000, progresso_ = 0;
};

class TfrmMensagemFEM : public QDialog, public IProgresso {
    Q_OBJECT
public:
    explicit TfrmMensagemFEM(QWidget *pai = nullptr);
    ~TfrmMensagemFEM() override;

    // IProgresso
    void DefineFaixaElementos(int n) override;
    void DefineFaixaPassos(int n) override;
    void MostraTempo(double t) override;
    void MostraMemoria(int mb) override;

    void DefineTitulo(const QString &texto);
    void DefineTexto(const QString &texto);
    void MostraPainel(bool mostra);

    // Shows the latest element, bar position, time and gauge now and lets pending window events
    // run.
    void Atualiza() override;

    // Refreshes made so far (tests and benchmarks).
    int NumAtualizacoes() const { return atualizacoes_; }

    // The clock of the windows created from now on (tests); an empty one restores the real one.
    static void DefineRelogio(TRelogio relogio);

    QProgressBar *pgbMedidor;
    QFrame *plProcesso;
    TMedidorPizza *pgbMedidorTempo;
    QLabel *stxElementos;
    QLabel *stxTempo;

private:
    double tempo_ = 0.0;
    int passosPendentes_ = 0; // gauge steps not shown yet
    bool tempoPendente_ = false;
    int atualizacoes_ = 0;
};

extern TfrmMensagemFEM *frmMensagemFEM;

// A new progress window, shown at once: it becomes frmMensagemFEM and the engine's progress
// window. With `painel` the time panel shows and the element bar's range is 0..numElementos.
TfrmMensagemFEM *AbreProgresso(bool painel, const QString &titulo, int numElementos);
// Hides and frees the window AbreProgresso made (nothing when there is none).
void FechaProgresso();
