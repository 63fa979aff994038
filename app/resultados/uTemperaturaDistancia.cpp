#include "uTemperaturaDistancia.h"

#include <QLineEdit>

#include "NumeroUsuario.h"
#include "uLibFEM.h"

TfrmTemperaturaDistancia *frmTemperaturaDistancia = nullptr;

TfrmTemperaturaDistancia::TfrmTemperaturaDistancia(QWidget *pai)
    : TGraficoTemperatura("Temperatura x Distancia", pai) {
    edTempo = new QLineEdit(TextoFixo(0.0, 1));
    edTempo->setMaximumWidth(100);
    Controle("Tempo:", edTempo);
    Salvar1->setVisible(true);
}

TfrmTemperaturaDistancia::~TfrmTemperaturaDistancia() {
    if (frmTemperaturaDistancia == this)
        frmTemperaturaDistancia = nullptr;
}

QString TfrmTemperaturaDistancia::TituloInferior(const TUnidadesResultados &u) const {
    return QString::fromStdString("Distância " + u.Comprimento);
}

void TfrmTemperaturaDistancia::Plota() {
    IFonteResultados *f = FonteResultados();
    const TUnidadesResultados u = UnidadesResultados();
    const double t = u.Horas(LeReal(edTempo->text()));
    LiberaUltima();
    TAnalise *a = f ? f->AnaliseTermica() : nullptr;
    TPontoReal p1, p2;
    if (!a || !f->Reta(p1, p2))
        return;
    AdicionaCurva(CurvaTemperaturaDistancia(*a, t, p1, p2, u));
}
