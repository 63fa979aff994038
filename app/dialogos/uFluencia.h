// Creep dialogs: the chooser of the creep law and the laws' own dialogs.
#pragma once

#include "EscolhaLei.h"

#include <memory>

class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;
class TFluencia;

// A creep law's dialog. Cancel hands over none.
class TfrmModeloFluencia : public TfrmModeloLei<TFluencia> {
    Q_OBJECT
public:
    TfrmModeloFluencia(const char *nome, const QString &titulo, QWidget *pai);
    ~TfrmModeloFluencia() override;

protected:
    // The dialog's column: `topo` (when given) over `campos`, then the Ok and Cancela row.
    void Monta(QWidget *topo, QLayout *campos);
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

// The chooser; every showing starts again at Bureau of Reclamation.
class TfrmFluencia : public TEscolhaLei<TFluencia> {
    Q_OBJECT
public:
    explicit TfrmFluencia(QWidget *pai = nullptr);

    // The law dialogs the chooser opens (not owned).
    void SetModelos(TfrmEEfetivo *ef, TfrmFuncaoBureauReclamation *br, TfrmCoefFluenciaACI *aci);

    QRadioButton *rbEEfetivo, *rbBurealReclamation, *rbACI;
};

extern TfrmFluencia *frmFluencia;
extern TfrmEEfetivo *frmEEfetivo;
extern TfrmFuncaoBureauReclamation *frmFuncaoBureauReclamation;
extern TfrmCoefFluenciaACI *frmCoefFluenciaACI;
