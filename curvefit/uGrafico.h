// Chart window: the points and the fitted curves, one more curve at every showing.
#pragma once

#include <QWidget>

#include <functional>

namespace lumacord {
class TAjusteCurva;
}
class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

class TfrmGrafico : public QWidget {
    Q_OBJECT
public:
    // Shows `ajuste`, the main window's fit; `tituloCurva` names its curve as the main window
    // shows it.
    TfrmGrafico(const lumacord::TAjusteCurva &ajuste, std::function<QString()> tituloCurva,
                QWidget *parent = nullptr);

    QChartView *cGrafico;
    QPushButton *bbtnFechar;

    // Set by Fechar, never cleared: later showings add curves only.
    bool GraficoFechado = false;
    // The latest series; the chart owns every series and never removes one.
    QScatterSeries *SeriePontos = nullptr;
    QLineSeries *SerieCurva = nullptr;

    void FormShow();
    void bbtnFecharClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void AjustaEixos();
    const lumacord::TAjusteCurva &FAjuste;
    std::function<QString()> FTituloCurva;
    QChart *chart_;
    QValueAxis *eixoX_, *eixoY_;
};

extern TfrmGrafico *frmGrafico;
