// Temperatures along the main window's line at one time.
#pragma once

#include "GraficoXY.h"

class QLineEdit;

class TfrmTemperaturaDistancia : public TGraficoXY {
public:
    explicit TfrmTemperaturaDistancia(QWidget *pai = nullptr);
    ~TfrmTemperaturaDistancia() override;
    // "Plotar".
    void Plota();
    QLineEdit *edTempo;

protected:
    void showEvent(QShowEvent *e) override;
    std::string TituloX() const override { return "Distância"; }
    std::string TituloY() const override { return "Temperatura"; }
};

extern TfrmTemperaturaDistancia *frmTemperaturaDistancia;
