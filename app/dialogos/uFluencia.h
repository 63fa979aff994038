// Creep dialogs: the chooser asks for the law, its OK opens the law's own dialog, and that
// dialog's OK hands the finished law over through the chooser's event. Cancel hands over none.
#pragma once

#include "ApoioDialogos.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFluencia;

// The law handed over, or none ("no law here").
using TEventoFluencia = std::function<void(const TFluencia *)>;

// A creep model dialog: builds its own law on OK and fires it; Cancel fires none.
class TfrmModeloFluencia : public QDialog {
    Q_OBJECT
public:
    explicit TfrmModeloFluencia(QWidget *pai = nullptr);
    ~TfrmModeloFluencia() override;

    void SetOnConfirmar(TEventoFluencia e) { OnConfirmar = std::move(e); }
    // OK: a new law from the fields, fired; the dialog closes. A malformed number throws
    // before anything is fired.
    void Aplica();
    // Cancel: fires none and closes.
    void Cancela();
    const TFluencia *GetFluencia() const { return FFluencia.get(); }

    QPushButton *btnOk, *btnCancela;

protected:
    virtual std::unique_ptr<TFluencia> LeCampos() const = 0;
    void FechaComBotoes(class QVBoxLayout *v);
    void showEvent(QShowEvent *e) override;
    void reject() override;

private:
    TEventoFluencia OnConfirmar;
    std::unique_ptr<TFluencia> FFluencia;
    TMemoriaCampos FMemoria;
};

// Effective modulus (kind 0).
class TfrmEEfetivo : public TfrmModeloFluencia {
    Q_OBJECT
public:
    explicit TfrmEEfetivo(QWidget *pai = nullptr);
    QLineEdit *edCoefFluencia, *edTempo;
    QLabel *lbTempo;

protected:
    std::unique_ptr<TFluencia> LeCampos() const override;
    void showEvent(QShowEvent *e) override;
};

// Bureau of Reclamation logarithmic law (kind 1). Its coefficients are per day.
class TfrmFuncaoBureauReclamation : public TfrmModeloFluencia {
    Q_OBJECT
public:
    explicit TfrmFuncaoBureauReclamation(QWidget *pai = nullptr);
    QLineEdit *edA, *edB;
    QLabel *lbUnidade, *lbUnidade2;

protected:
    std::unique_ptr<TFluencia> LeCampos() const override;
    void showEvent(QShowEvent *e) override;
};

// ACI 209 creep coefficient (kind 7).
class TfrmCoefFluenciaACI : public TfrmModeloFluencia {
    Q_OBJECT
public:
    explicit TfrmCoefFluenciaACI(QWidget *pai = nullptr);
    QRadioButton *rbUmida, *rbVapor;
    QLineEdit *edRH, *edAbatimento, *edAGm, *edTeorAr;

protected:
    std::unique_ptr<TFluencia> LeCampos() const override;
};

// The chooser.
class TfrmFluencia : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFluencia(QWidget *pai = nullptr);

    void SetOnConfirmar(TEventoFluencia e) { OnConfirmar = std::move(e); }
    // Fired with none at every showing.
    void SetOnMostrar(TEventoFluencia e) { OnMostrar = std::move(e); }
    // The model dialogs the chooser opens (not owned).
    void SetModelos(TfrmEEfetivo *ef, TfrmFuncaoBureauReclamation *br, TfrmCoefFluenciaACI *aci);

    std::uint8_t GetTipo() const { return FTipo; }
    // OK: the chooser closes and the chosen law's dialog runs modally.
    void Aplica();
    // Cancel: fires none and closes.
    void Cancela();

    QRadioButton *rbEEfetivo, *rbBurealReclamation, *rbACI;
    QPushButton *btnOk, *btnCancela;

protected:
    void showEvent(QShowEvent *e) override;

private:
    TfrmModeloFluencia *Modelo() const;

    TEventoFluencia OnConfirmar, OnMostrar;
    std::uint8_t FTipo = 1;
    TfrmEEfetivo *FEEfetivo = nullptr;
    TfrmFuncaoBureauReclamation *FBureau = nullptr;
    TfrmCoefFluenciaACI *FACI = nullptr;
};

extern TfrmFluencia *frmFluencia;
extern TfrmEEfetivo *frmEEfetivo;
extern TfrmFuncaoBureauReclamation *frmFuncaoBureauReclamation;
extern TfrmCoefFluenciaACI *frmCoefFluenciaACI;
