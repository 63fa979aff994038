// Points window: the grid in which the points are typed, and its confirmation.
#pragma once

#include "uGrade.h"

#include <QWidget>

namespace lumacord {
class TAjusteCurva;
}
class QPushButton;

class TfrmPontos : public QWidget {
    Q_OBJECT
public:
    // Confirmed points go to `ajuste`, the main window's fit.
    explicit TfrmPontos(lumacord::TAjusteCurva &ajuste, QWidget *parent = nullptr);

    TGradeTexto *StgInserirPontos;
    QPushButton *btnConfirmar, *btnCancelar, *btnApagar, *btnDuvida;

    void StgInserirPontosKeyUp(int tecla);
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnApagarClick() { ApagaPontos(); }
    void btnDuvidaClick();

    // One row more, as Down or Tab past the last cell ask, up to the table's 30 points.
    void AcrescentaLinha();
    // Empties both cells of every row below the header.
    void ApagaPontos();

private:
    lumacord::TAjusteCurva &FAjuste;
};

extern TfrmPontos *frmPontos;
