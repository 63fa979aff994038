// Lumacord's main window, the fit it runs, the about and help windows, and the creation of all
// windows at start-up.
#pragma once

#include "Ajuste.h"

#include <QMainWindow>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmPontos;
class TfrmCurvas;
class TfrmGrafico;

class TfLumacord : public QMainWindow {
    Q_OBJECT
public:
    explicit TfLumacord(QWidget *parent = nullptr);
    ~TfLumacord() override;

    QPushButton *bbtnInserirPontos, *bbtnEscolherCurva, *bbtnAjustar, *btnGrafico;
    QLabel *lbEquacao;
    QLineEdit *edA, *edB, *edR2;
    QAction *mbReiniciar, *mbFechar, *mbInserir, *mbEscolher, *mbAjustar, *mbInformacao, *mbDuvida;

    // The state of the fit: points table, count, curve code and coefficients.
    lumacord::TAjusteCurva Ajuste;

    void bbtnAjustarClick();
    void Linearizacao() { Ajuste.Linearizacao(); }
    void CalculoDosCoeficientes() { Ajuste.CalculoDosCoeficientes(); }
    bool ResolucaoMatricial(double a11, double a12, double a21, double a22, double b1, double b2) {
        return Ajuste.ResolucaoMatricial(a11, a12, a21, a22, b1, b2);
    }
    double Y(double x) const { return Ajuste.Y(x); }
    double Media() const { return Ajuste.Media(); }
    void R2() { Ajuste.R2(); }

    void bbtnInserirPontosClick();
    void bbtnEscolherCurvaClick();
    void btnGraficoClick();
    void mbReiniciarClick();
    void mbFecharClick();
    void mbInserirClick();
    void mbEscolherClick();
    void mbAjustarClick() { bbtnAjustarClick(); }
    void mbInformacaoClick();
    void mbDuvidaClick();

signals:
    // The main window was closed: the program ends.
    void Fechado();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void EscreveCabecalhos();
};

// About window: no code.
class TfrmSobre : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSobre(QWidget *parent = nullptr);
};

// Help window.
class TfrmDuvidas : public QWidget {
    Q_OBJECT
public:
    explicit TfrmDuvidas(QWidget *parent = nullptr);
    QLabel *lbTexto;
    QPushButton *bbtnOk;
    void bbtnOkClick() { hide(); }
};

// Every window of the program, created once in this order; the instance pointers below point
// at them while this object lives.
class TJanelasLumacord {
public:
    TJanelasLumacord();
    ~TJanelasLumacord();
    TJanelasLumacord(const TJanelasLumacord &) = delete;
    TJanelasLumacord &operator=(const TJanelasLumacord &) = delete;

private:
    std::unique_ptr<TfLumacord> lumacord_;
    std::unique_ptr<TfrmPontos> pontos_;
    std::unique_ptr<TfrmCurvas> curvas_;
    std::unique_ptr<TfrmSobre> sobre_;
    std::unique_ptr<TfrmDuvidas> duvidas_;
    std::unique_ptr<TfrmGrafico> grafico_;
};

extern TfLumacord *fLumacord;
extern TfrmSobre *frmSobre;
extern TfrmDuvidas *frmDuvidas;

// Shows a window that lives for the whole run, or brings it forward when already shown.
void MostraJanela(QWidget *janela);
