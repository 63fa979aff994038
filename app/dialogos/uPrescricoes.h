// The prescription dialog: a temperature prescribed on the captured nodes over a time interval.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QLabel;
class QLineEdit;

class TfrmPrescricoes : public TDialogoDados {
    Q_OBJECT
public:
    // Temperature, initial time, final time.
    using TOnConfirmar = std::function<void(double, double, double)>;

    explicit TfrmPrescricoes(QWidget *pai = nullptr);

    void SetOnConfirmar(TOnConfirmar f) { FOnConfirmar = std::move(f); }
    void SetContaNos(std::function<int()> f) { FContaNos = std::move(f); }
    void SetStatus(int painel, const QString &texto);
    QString GetStatus(int painel) const;

    void Aplica();

protected:
    void AoMostrar() override;
    bool Confirma() override;

private:
    TOnConfirmar FOnConfirmar;
    std::function<int()> FContaNos;
    QString FTextoStatus;
    QLineEdit *edTodoDominio, *edTempoInicial, *edTempoFinal;
    QLabel *stxTemperatura, *stxTempoI, *stxTempoF;
    QLabel *FPainel[2];
};

extern TfrmPrescricoes *frmPrescricoes;
