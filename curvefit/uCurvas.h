// Curve window: the choice of one of the four curves.
#pragma once

#include <QWidget>

namespace lumacord {
class TAjusteCurva;
}
class QPushButton;
class QRadioButton;

class TfrmCurvas : public QWidget {
    Q_OBJECT
public:
    // The choice goes to `ajuste`, the main window's fit.
    explicit TfrmCurvas(lumacord::TAjusteCurva &ajuste, QWidget *parent = nullptr);

    QRadioButton *rbEquacao1, *rbEquacao2, *rbEquacao3, *rbEquacao4;
    QPushButton *btnConfirmar, *btnCancelar;

    void btnConfirmarClick();
    void btnCancelarClick() { hide(); }

private:
    lumacord::TAjusteCurva &FAjuste;
};

extern TfrmCurvas *frmCurvas;
