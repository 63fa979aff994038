// Temperatures along the main window's line at one time.
#pragma once

#include "GraficoXY.h"

class QLineEdit;

class TfrmTemperaturaDistancia : public TGraficoTemperatura {
public:
    explicit TfrmTemperaturaDistancia(QWidget *pai = nullptr);
    ~TfrmTemperaturaDistancia() override;
    void Plota() override;
    QLineEdit *edTempo;

protected:
    std::string TituloX() const override { return "Distância"; }
    QString TituloInferior(const TUnidadesResultados &u) const override;
};

extern TfrmTemperaturaDistancia *frmTemperaturaDistancia;
