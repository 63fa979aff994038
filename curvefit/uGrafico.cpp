#include "uGrafico.h"

#include "Ajuste.h"
#include "Numeros.h"
#include "uDialogos.h"
#include "uPontos.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

TfrmGrafico *frmGrafico = nullptr;

TfrmGrafico::TfrmGrafico(const lumacord::TAjusteCurva &ajuste, std::function<QString()> tituloCurva,
                         QWidget *parent)
    : QWidget(parent, Qt::Window), FAjuste(ajuste), FTituloCurva(std::move(tituloCurva)) {
    setWindowTitle(QStringLiteral("Gráfico"));
    auto *coluna = new QVBoxLayout(this);

    chart_ = new QChart;
    chart_->setBackgroundBrush(Qt::white);
    chart_->setBackgroundRoundness(0);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setLocalizeNumbers(true);
    chart_->setPlotAreaBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundVisible(true);
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->legend()->setBackgroundVisible(false);
    eixoX_ = new QValueAxis;
    eixoX_->setTitleText(QStringLiteral("X"));
    eixoY_ = new QValueAxis;
    eixoY_->setTitleText(QStringLiteral("Y"));
    chart_->addAxis(eixoX_, Qt::AlignBottom);
    chart_->addAxis(eixoY_, Qt::AlignLeft);

    cGrafico = new QChartView(chart_, this);
    cGrafico->setFrameShape(QFrame::NoFrame);
    cGrafico->setBackgroundBrush(Qt::white);
    cGrafico->setRenderHint(QPainter::Antialiasing);
    cGrafico->setFixedSize(777, 369);
    bbtnFechar = new QPushButton(QStringLiteral("Fechar"), this);
    coluna->addWidget(cGrafico);
    coluna->addWidget(bbtnFechar, 0, Qt::AlignHCenter);
    coluna->setSizeConstraint(QLayout::SetFixedSize);

    connect(bbtnFechar, &QPushButton::clicked, this,
            [this] { Protege([this] { bbtnFecharClick(); }); });
}

void TfrmGrafico::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Only a real showing fills the chart, not the window system's restoring of a window.
    if (!event->spontaneous())
        FormShow();
}

void TfrmGrafico::bbtnFecharClick() {
    hide();
    GraficoFechado = true;
}

void TfrmGrafico::FormShow() {
    // Whatever fails ends the filling quietly; what was added stays.
    try {
        const bool comPontos = !GraficoFechado;
        if (comPontos) {
            SeriePontos = new QScatterSeries;
            SeriePontos->setName(QStringLiteral("Pontos Discretos"));
            SeriePontos->setColor(Qt::blue);
            SeriePontos->setBorderColor(Qt::blue);
            SeriePontos->setMarkerSize(8);
            chart_->addSeries(SeriePontos);
            SeriePontos->attachAxis(eixoX_);
            SeriePontos->attachAxis(eixoY_);
        }
        SerieCurva = new QLineSeries;
        SerieCurva->setName(FTituloCurva());
        SerieCurva->setColor(Qt::red);
        chart_->addSeries(SerieCurva);
        SerieCurva->attachAxis(eixoX_);
        SerieCurva->attachAxis(eixoY_);

        std::vector<lumacord::TLinhaGrade> linhas;
        const TGradeTexto *g = frmPontos->StgInserirPontos;
        for (int r = 1; r < g->RowCount(); ++r)
            linhas.push_back({g->Cells(0, r).toStdString(), g->Cells(1, r).toStdString()});
        lumacord::TAmostrasGrafico amostras;
        try {
            lumacord::AmostraGrafico(linhas, FAjuste, comPontos, lumacord::DecimalSeparator(),
                                     amostras);
        } catch (...) {
        }
        for (const auto &[x, y] : amostras.Pontos)
            SeriePontos->append(x, y);
        for (const auto &[x, y] : amostras.Curva)
            SerieCurva->append(x, y);
    } catch (...) {
    }
    AjustaEixos();
}

void TfrmGrafico::AjustaEixos() {
    double xMin = std::numeric_limits<double>::max(), xMax = -xMin;
    double yMin = xMin, yMax = xMax;
    for (QAbstractSeries *s : chart_->series())
        for (const QPointF &p : static_cast<QXYSeries *>(s)->points()) {
            xMin = std::min(xMin, p.x());
            xMax = std::max(xMax, p.x());
            yMin = std::min(yMin, p.y());
            yMax = std::max(yMax, p.y());
        }
    if (xMin > xMax)
        return;
    const auto faixa = [](QValueAxis *eixo, double lo, double hi) {
        // A margin keeps the end points off the frame.
        double folga = (hi - lo) * 0.05;
        if (folga <= 1e-12 * std::max(std::abs(lo), std::abs(hi)))
            folga = std::max(1.0, std::abs(hi) * 0.1);
        eixo->setRange(lo - folga, hi + folga);
        eixo->applyNiceNumbers();
    };
    faixa(eixoX_, xMin, xMax);
    faixa(eixoY_, yMin, yMax);
}
