// The convection boundary dialog: film coefficient, ambient temperature (constant, daily cycle
// or formula of time), curing window and radiation data, handed over as a new TForcaExterna.
#pragma once

#include "DialogoDados.h"
#include "fem/ForcaExterna.h"

#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfrmForcaExterna : public TDialogoEvento<void(const TForcaExterna &)> {
    Q_OBJECT
public:
    explicit TfrmForcaExterna(QWidget *pai = nullptr);

    const TForcaExterna *GetForca() const { return FForca.get(); }

    void rbUsuarioClick();

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;

private:
    void AtualizaControles();
    void AtualizaCura();

    std::unique_ptr<TForcaExterna> FForca;

    QLineEdit *edConveccao, *edConvecCura, *edInic, *edFim, *edTAmbiente, *edTMax, *edHTmax,
        *edTMin, *edHTMin, *edExpressao, *edEmissividadeFonte, *edEmissividadeSuperficie,
        *edFatorForma;
    QCheckBox *ckbCura;
    QRadioButton *rbConstante, *rbDefinida, *rbUsuario;
    QGroupBox *gbxDiaria;
    QLabel *lbHora, *lbTempCura, *lbTemperaturaConstante, *lbTemperaturaDiaria, *stxBeta, *stxBetaC,
        *lbValor, *lbInicio, *lbFim;
};

extern TfrmForcaExterna *frmForcaExterna;
