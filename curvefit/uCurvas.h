// Curve window: the choice of one of the four curves.
#pragma once

#include <QWidget>

class QPushButton;
class QRadioButton;

class TfrmCurvas : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCurvas(QWidget *parent = nullptr);

    QRadioButton *rbEquacao1, *rbEquacao2, *rbEquacao3, *rbEquacao4;
    QPushButton *btnConfirmar, *btnCancelar;

    void btnConfirmarClick();
    void btnCancelarClick() { hide(); }
};

extern TfrmCurvas *frmCurvas;
