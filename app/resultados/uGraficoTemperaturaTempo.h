// Temperature of a node against time.
#pragma once

#include "GraficoXY.h"

class QSpinBox;

class TfrmGraficoTemperaturaTempo : public TGraficoXY {
public:
    explicit TfrmGraficoTemperaturaTempo(QWidget *pai = nullptr);
    ~TfrmGraficoTemperaturaTempo() override;
    // "Plotar".
    void Plota();
    QSpinBox *sedNo;

protected:
    void showEvent(QShowEvent *e) override;
    // Hidden by any means (Esc, "Sair", the close button): the last curve is freed.
    void hideEvent(QHideEvent *e) override;
    std::string TituloX() const override { return "Tempo"; }
    std::string TituloY() const override { return "Temperatura"; }
};

extern TfrmGraficoTemperaturaTempo *frmGraficoTemperaturaTempo;
