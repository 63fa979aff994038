#include "uCondicoesIniciais.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "UnidadesEscolhidas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

double TemperaturaInicial = 0.0;
TfrmCondicoesIniciais *frmCondicoesIniciais = nullptr;

TfrmCondicoesIniciais::TfrmCondicoesIniciais(QWidget *pai)
    : TDialogoNos(QStringLiteral("Condições Iniciais"), pai) {
    auto *g = new QGridLayout;
    edTemperatura = CriaEdit(this, "edTemperatura", QStringLiteral("20"),
                             QStringLiteral("Entre com a temperatura para o nó"));
    lbTemperatura = CriaRotulo(this, "lbTemperatura");
    g->addWidget(new QLabel(QStringLiteral("Temperatura"), this), 0, 0);
    g->addWidget(edTemperatura, 0, 1);
    g->addWidget(lbTemperatura, 0, 2);
    Monta(g);
}

void TfrmCondicoesIniciais::AoMostrar() {
    TDialogoNos::AoMostrar();
    lbTemperatura->setText(SimboloUnidade(TGrandeza::Temperatura));
}

void TfrmCondicoesIniciais::Aplica() {
    double t = 0;
    if (!TentaLeReal(edTemperatura->text(), t)) {
        edTemperatura->setFocus();
        throw EAbortSilencioso{};
    }
    TemperaturaInicial = t;
    if (FOnConfirmar)
        FOnConfirmar(t);
}

bool TfrmCondicoesIniciais::Confirma() {
    Aplica();
    return true;
}
