// The maturity dialog of the material dialog: the maturity function and fcj at 28 days.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QLabel;
class QLineEdit;

class TfrmMaturidade : public TDialogoEvento<void(double)> {
    Q_OBJECT
public:
    explicit TfrmMaturidade(QWidget *pai = nullptr);

    // Bound by the dialog that opens this one: fcj at 28 days on OK, and the return to it
    // after the fields were put back.
    void SetOnRestaurar(std::function<void()> f) { FOnRestaurar = std::move(f); }

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;

private:
    std::function<void()> FOnRestaurar;
    QLineEdit *edFcj28;
    QLabel *stxfcj28;
};

extern TfrmMaturidade *frmMaturidade;
