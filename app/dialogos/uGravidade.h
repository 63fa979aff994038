// Gravity dialog: switches self-weight on or off. Each answer fires at its click whether the own
// weight counts in the stress pass; the close box answers nothing.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QPushButton;

class TfrmGravidade : public TDialogoDados {
    Q_OBJECT
public:
    using TEvento = std::function<void(bool considera)>;

    explicit TfrmGravidade(QWidget *pai = nullptr);

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    // The answers.
    void Sim();
    void Nao();

    QPushButton *btnSim, *btnNao;

protected:
    // "Sim".
    bool Confirma() override;

private:
    void Dispara(bool considera);

    TEvento OnConfirmar;
};

extern TfrmGravidade *frmGravidade;
