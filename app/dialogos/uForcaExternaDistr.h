// Distributed-load dialog: the four end values of a linearly varying load on the selected
// edges, typed in k(force)/(length) and kept as (force)/(length).
#pragma once

#include "ApoioDialogos.h"

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class TForcaTensional;

class TfrmForcaExternaDistr : public TDialogoEvento<void(const TForcaTensional &)> {
    Q_OBJECT
public:
    explicit TfrmForcaExternaDistr(QWidget *pai = nullptr);
    ~TfrmForcaExternaDistr() override;

    // The load built on the last OK, or none.
    const TForcaTensional *GetForca() const { return FForca.get(); }

    QLineEdit *edQy1, *edQy2, *edQx1, *edQx2;
    QLabel *lbUnidade[4];
    QPushButton *btnOk, *btnCancela;

protected:
    void showEvent(QShowEvent *e) override;
    // OK: a new load from the edits (each value x 1000), fired; then the dialog closes.
    bool Confirma() override;

private:
    std::unique_ptr<TForcaTensional> FForca;
};

extern TfrmForcaExternaDistr *frmForcaExternaDistr;
