// Temperature of a node against time.
#pragma once

#include "GraficoXY.h"

class QSpinBox;

class TfrmGraficoTemperaturaTempo : public TGraficoTemperatura {
public:
    explicit TfrmGraficoTemperaturaTempo(QWidget *pai = nullptr);
    ~TfrmGraficoTemperaturaTempo() override;
    void Plota() override;
    QSpinBox *sedNo;

protected:
    // Layered analyses plot the point picked in the main window: the node field is greyed out.
    void AtualizaModo();
    void showEvent(QShowEvent *e) override;
    // Hidden by any means (Esc, "Sair", the close button): the last curve is freed.
    void hideEvent(QHideEvent *e) override;
    std::string TituloX() const override { return "Tempo"; }
    QString TituloInferior(const TUnidadesResultados &u) const override;

private:
    QLabel *lblNo;
};

extern TfrmGraficoTemperaturaTempo *frmGraficoTemperaturaTempo;
