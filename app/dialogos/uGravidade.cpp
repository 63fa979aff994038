#include "uGravidade.h"

#include "Guarda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGravidade *frmGravidade = nullptr;

TfrmGravidade::TfrmGravidade(QWidget *pai) : TDialogoEvento(QStringLiteral("Peso Próprio"), pai) {
    setObjectName("frmGravidade");
    btnSim = new QPushButton(QStringLiteral("Sim"));
    btnNao = new QPushButton(QStringLiteral("Não"));
    btnNao->setDefault(true);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnSim);
    botoes->addWidget(btnNao);
    botoes->addStretch();
    auto *v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Considerar Peso Próprio no Cálculo Tensional ?")));
    v->addLayout(botoes);
    connect(btnSim, &QPushButton::clicked, this, [this] { Protege([this] { Sim(); }); });
    connect(btnNao, &QPushButton::clicked, this, [this] { Protege([this] { Nao(); }); });
}

bool TfrmGravidade::Confirma() {
    Entrega(true);
    return true;
}

void TfrmGravidade::Sim() {
    if (Confirma())
        done(QDialog::Accepted);
}

void TfrmGravidade::Nao() {
    Entrega(false);
    done(QDialog::Rejected);
}
