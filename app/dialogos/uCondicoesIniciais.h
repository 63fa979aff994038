// The initial-temperature dialog: one temperature for the captured nodes.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QLabel;
class QLineEdit;

class TfrmCondicoesIniciais : public TDialogoNos {
    Q_OBJECT
public:
    explicit TfrmCondicoesIniciais(QWidget *pai = nullptr);

    void SetOnConfirmar(std::function<void(double)> f) { FOnConfirmar = std::move(f); }

    void Aplica();

protected:
    void AoMostrar() override;
    bool Confirma() override;

private:
    std::function<void(double)> FOnConfirmar;
    QLineEdit *edTemperatura;
    QLabel *lbTemperatura;
};

// The last value read.
extern double TemperaturaInicial;
extern TfrmCondicoesIniciais *frmCondicoesIniciais;
