// Gravity dialog: switches self-weight on or off. Each answer fires at its click whether the own
// weight counts in the stress pass; the close box answers nothing.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QPushButton;

class TfrmGravidade : public TDialogoEvento<void(bool considera)> {
    Q_OBJECT
public:
    explicit TfrmGravidade(QWidget *pai = nullptr);

    // The answers.
    void Sim();
    void Nao();

    QPushButton *btnSim, *btnNao;

protected:
    // "Sim".
    bool Confirma() override;
};

extern TfrmGravidade *frmGravidade;
