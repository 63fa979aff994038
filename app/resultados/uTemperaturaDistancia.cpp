#include "uTemperaturaDistancia.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "uLibFEM.h"

TfrmTemperaturaDistancia *frmTemperaturaDistancia = nullptr;

TfrmTemperaturaDistancia::TfrmTemperaturaDistancia(QWidget *pai) : TGraficoXY(pai) {
    setWindowTitle("Temperatura x Distancia");
    edTempo = new QLineEdit(TextoFixo(0.0, 1));
    edTempo->setMaximumWidth(100);
    Controles()->insertWidget(0, new QLabel("Tempo:"));
    Controles()->insertWidget(1, edTempo);
    Salvar1->setVisible(true);
    connect(Plotar1, &QAction::triggered, this, [this] { Protege([this] { Plota(); }); });
}

TfrmTemperaturaDistancia::~TfrmTemperaturaDistancia() {
    if (frmTemperaturaDistancia == this)
        frmTemperaturaDistancia = nullptr;
}

void TfrmTemperaturaDistancia::showEvent(QShowEvent *e) {
    IFonteResultados *f = FonteResultados();
    const TUnidadesResultados u = f ? f->Unidades() : TUnidadesResultados{};
    SetTitulos(QString::fromStdString("Temperatura " + u.Temperatura),
               QString::fromStdString("Distância " + u.Comprimento));
    TGraficoXY::showEvent(e);
}

void TfrmTemperaturaDistancia::Plota() {
    IFonteResultados *f = FonteResultados();
    const TUnidadesResultados u = f ? f->Unidades() : TUnidadesResultados{};
    const double t = u.Horas(LeReal(edTempo->text()));
    LiberaUltima();
    TAnalise *a = f ? f->AnaliseTermica() : nullptr;
    TPontoReal p1, p2;
    if (!a || !f->Reta(p1, p2))
        return;
    AdicionaCurva(CurvaTemperaturaDistancia(*a, t, p1, p2, u));
}
