#include "uGraficoTemperaturaTempo.h"

#include <QChart>
#include <QHideEvent>
#include <QLabel>
#include <QSpinBox>

#include "uLibFEM.h"

TfrmGraficoTemperaturaTempo *frmGraficoTemperaturaTempo = nullptr;

TfrmGraficoTemperaturaTempo::TfrmGraficoTemperaturaTempo(QWidget *pai)
    : TGraficoTemperatura("Gráfico - Temperatura X Tempo", pai) {
    sedNo = new QSpinBox;
    sedNo->setRange(1, 1);
    sedNo->setValue(1);
    lblNo = Controle(" Nó: ", sedNo);
}

TfrmGraficoTemperaturaTempo::~TfrmGraficoTemperaturaTempo() {
    if (frmGraficoTemperaturaTempo == this)
        frmGraficoTemperaturaTempo = nullptr;
}

void TfrmGraficoTemperaturaTempo::AtualizaModo() {
    IFonteResultados *f = FonteResultados();
    TAnalise *a = f ? f->AnaliseTermica() : nullptr;
    const bool camadas = dynamic_cast<TAnaliseCamadas *>(a) != nullptr;
    sedNo->setEnabled(!camadas);
    lblNo->setEnabled(!camadas);
}

void TfrmGraficoTemperaturaTempo::showEvent(QShowEvent *e) {
    IFonteResultados *f = FonteResultados();
    if (TAnalise *a = f ? f->AnaliseTermica() : nullptr)
        sedNo->setMaximum(std::max(1, NumeroDeNos(*a)));
    if (f && f->NoCapturado() > 0)
        sedNo->setValue(f->NoCapturado());
    AtualizaModo();
    TGraficoTemperatura::showEvent(e);
}

QString TfrmGraficoTemperaturaTempo::TituloInferior(const TUnidadesResultados &u) const {
    return QString::fromStdString("Tempo " + u.Tempo);
}

void TfrmGraficoTemperaturaTempo::hideEvent(QHideEvent *e) {
    // A minimised window keeps it.
    if (!e->spontaneous())
        LiberaUltima();
    TGraficoTemperatura::hideEvent(e);
}

void TfrmGraficoTemperaturaTempo::Plota() {
    IFonteResultados *f = FonteResultados();
    TAnalise *a = f ? f->AnaliseTermica() : nullptr;
    if (!a)
        return;
    sedNo->setMaximum(std::max(1, NumeroDeNos(*a)));
    AtualizaModo();
    const TUnidadesResultados u = f->Unidades();
    AdicionaCurva(CurvaTemperaturaTempo(*a, sedNo->value(), f->NoCursor(), u));
    // The chart names the point a layered curve follows.
    chrGraficoXY->setTitle(dynamic_cast<TAnaliseCamadas *>(a)
                               ? QString::fromStdString(TituloPontoCamadas(f->NoCursor(), u))
                               : QString());
}
