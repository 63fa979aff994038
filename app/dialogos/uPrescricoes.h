// The prescription dialog: a temperature prescribed on the captured nodes over a time interval.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QLabel;
class QLineEdit;

class TfrmPrescricoes : public TDialogoNos {
    Q_OBJECT
public:
    // Temperature, initial time, final time.
    using TOnConfirmar = std::function<void(double, double, double)>;

    explicit TfrmPrescricoes(QWidget *pai = nullptr);

    void SetOnConfirmar(TOnConfirmar f) { FOnConfirmar = std::move(f); }

    void Aplica();

protected:
    void AoMostrar() override;
    bool Confirma() override;

private:
    TOnConfirmar FOnConfirmar;
    QLineEdit *edTodoDominio, *edTempoInicial, *edTempoFinal;
    QLabel *stxTemperatura, *stxTempoI, *stxTempoF;
};

extern TfrmPrescricoes *frmPrescricoes;
