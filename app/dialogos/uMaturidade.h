// The maturity dialog of the material dialog: the maturity function and fcj at 28 days.
#pragma once

#include "DialogoDados.h"

class QLabel;
class QLineEdit;

class TfrmMaturidade : public TDialogoDados {
    Q_OBJECT
public:
    explicit TfrmMaturidade(QWidget *pai = nullptr);

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;

private:
    QLineEdit *edFcj28;
    QLabel *stxfcj28;
};

extern TfrmMaturidade *frmMaturidade;
