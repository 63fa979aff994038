#include "uMaturidade.h"

#include "UnidadesEscolhidas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmMaturidade *frmMaturidade = nullptr;

TfrmMaturidade::TfrmMaturidade(QWidget *pai) : TDialogoEvento(QStringLiteral("Maturidade"), pai) {
    auto *raiz = new QVBoxLayout(this);
    auto *mat = new QGroupBox(QStringLiteral("Maturidade"), this);
    auto *lm = new QVBoxLayout(mat);
    auto *rbArrhenius = new QRadioButton(QStringLiteral("Arrhenius"), mat);
    rbArrhenius->setObjectName(QStringLiteral("rbArrhenius"));
    rbArrhenius->setChecked(true);
    lm->addWidget(rbArrhenius);
    raiz->addWidget(mat);
    auto *res = new QGroupBox(QStringLiteral("Resistência em Função da Maturidade"), this);
    auto *g = new QGridLayout(res);
    g->addWidget(new QLabel(QStringLiteral("Plowman (1956)"), res), 0, 0, 1, 3);
    edFcj28 = CriaEdit(res, "edFcj28", QStringLiteral("20"));
    stxfcj28 = CriaRotulo(res, "stxfcj28");
    Linha(g, 1, QStringLiteral("fcj aos 28 dias"), edFcj28, stxfcj28);
    raiz->addWidget(res);
    CriaBotoes(raiz);
}

void TfrmMaturidade::AoMostrar() {
    stxfcj28->setText(SimboloUnidade(TGrandeza::Tensao));
}

bool TfrmMaturidade::Confirma() {
    const double v = LeCampo(edFcj28);
    Entrega(v);
    return true;
}

void TfrmMaturidade::AposRestaurar() {
    if (FOnRestaurar)
        FOnRestaurar();
}
