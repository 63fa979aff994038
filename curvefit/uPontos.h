// Points window: the grid in which the points are typed, and its confirmation.
#pragma once

#include "uGrade.h"

#include <QWidget>

class QPushButton;

class TfrmPontos : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPontos(QWidget *parent = nullptr);

    TGradeTexto *StgInserirPontos;
    QPushButton *btnConfirmar, *btnCancelar, *btnApagar, *btnDuvida;

    void StgInserirPontosKeyUp(int tecla);
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnApagarClick() { ApagaPontos(); }
    void btnDuvidaClick();

    // Empties both cells of every row below the header.
    void ApagaPontos();
};

extern TfrmPontos *frmPontos;
