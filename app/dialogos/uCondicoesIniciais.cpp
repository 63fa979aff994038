#include "uCondicoesIniciais.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "UnidadesEscolhidas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

double TemperaturaInicial = 0.0;
TfrmCondicoesIniciais *frmCondicoesIniciais = nullptr;

TfrmCondicoesIniciais::TfrmCondicoesIniciais(QWidget *pai)
    : TDialogoDados(QStringLiteral("Condições Iniciais"), pai) {
    auto *raiz = new QVBoxLayout(this);
    auto *g = new QGridLayout;
    edTemperatura = CriaEdit(this, "edTemperatura", QStringLiteral("20"),
                             QStringLiteral("Entre com a temperatura para o nó"));
    lbTemperatura = CriaRotulo(this, "lbTemperatura");
    g->addWidget(new QLabel(QStringLiteral("Temperatura"), this), 0, 0);
    g->addWidget(edTemperatura, 0, 1);
    g->addWidget(lbTemperatura, 0, 2);
    raiz->addLayout(g);
    CriaBotoes(raiz);
    CriaPaineisStatus(this, raiz, FPainel);
}

void TfrmCondicoesIniciais::SetStatus(int painel, const QString &texto) {
    FTextoStatus = texto;
    if (painel >= 1 && painel <= 2)
        FPainel[painel - 1]->setText(texto);
}

QString TfrmCondicoesIniciais::GetStatus(int painel) const {
    return painel >= 1 && painel <= 2 ? FPainel[painel - 1]->text() : QString();
}

void TfrmCondicoesIniciais::AoMostrar() {
    SetStatus(2, QStringLiteral("%1 nós capturados").arg(FContaNos ? FContaNos() : 0));
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
