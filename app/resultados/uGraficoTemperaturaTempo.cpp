#include "uGraficoTemperaturaTempo.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QSpinBox>

#include "Guarda.h"
#include "uLibFEM.h"

TfrmGraficoTemperaturaTempo *frmGraficoTemperaturaTempo = nullptr;

TfrmGraficoTemperaturaTempo::TfrmGraficoTemperaturaTempo(QWidget *pai) : TGraficoXY(pai) {
    setWindowTitle("Gráfico - Temperatura X Tempo");
    sedNo = new QSpinBox;
    sedNo->setRange(1, 1);
    sedNo->setValue(1);
    Controles()->insertWidget(0, new QLabel(" Nó: "));
    Controles()->insertWidget(1, sedNo);
    connect(Plotar1, &QAction::triggered, this, [this] { Protege([this] { Plota(); }); });
}

TfrmGraficoTemperaturaTempo::~TfrmGraficoTemperaturaTempo() {
    if (frmGraficoTemperaturaTempo == this)
        frmGraficoTemperaturaTempo = nullptr;
}

void TfrmGraficoTemperaturaTempo::showEvent(QShowEvent *e) {
    IFonteResultados *f = FonteResultados();
    const TUnidadesResultados u = f ? f->Unidades() : TUnidadesResultados{};
    if (TAnalise *a = f ? f->AnaliseTermica() : nullptr)
        sedNo->setMaximum(std::max(1, NumeroDeNos(*a)));
    if (f && f->NoCapturado() > 0)
        sedNo->setValue(f->NoCapturado());
    SetTitulos(QString::fromStdString("Temperatura " + u.Temperatura),
               QString::fromStdString("Tempo " + u.Tempo));
    TGraficoXY::showEvent(e);
}

void TfrmGraficoTemperaturaTempo::hideEvent(QHideEvent *e) {
    // A minimised window keeps it.
    if (!e->spontaneous())
        LiberaUltima();
    TGraficoXY::hideEvent(e);
}

void TfrmGraficoTemperaturaTempo::Plota() {
    IFonteResultados *f = FonteResultados();
    TAnalise *a = f ? f->AnaliseTermica() : nullptr;
    if (!a)
        return;
    sedNo->setMaximum(std::max(1, NumeroDeNos(*a)));
    AdicionaCurva(CurvaTemperaturaTempo(*a, sedNo->value(), f->NoCursor(), f->Unidades()));
}
