#include "uGravidade.h"

#include "Guarda.h"
#include "uEstadoInterface.h"
#include "uLibFEM.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGravidade *frmGravidade = nullptr;

TfrmGravidade::TfrmGravidade(QWidget *pai) : QDialog(pai) {
    setObjectName("frmGravidade");
    setWindowTitle(QStringLiteral("Peso Próprio"));
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

TfrmGravidade::~TfrmGravidade() {
    if (FPesoProprio && Estado().FPesoProprio == FPesoProprio.get())
        Estado().FPesoProprio = nullptr;
}

std::unique_ptr<TForcaTensional> TfrmGravidade::CriaPesoProprio() {
    auto f = std::make_unique<TForcaTensional>();
    f->SetAtiva(1);
    return f;
}

void TfrmGravidade::Responde(bool considera) {
    if (FPesoProprio && Estado().FPesoProprio == FPesoProprio.get())
        Estado().FPesoProprio = nullptr;
    FPesoProprio = CriaPesoProprio();
    Estado().FPesoProprio = FPesoProprio.get();
    if (OnConfirmar)
        OnConfirmar(*FPesoProprio);
    FPesoProprio->SetAtiva(considera ? 1 : 0);
    done(considera ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmGravidade::Sim() {
    Responde(true);
}
void TfrmGravidade::Nao() {
    Responde(false);
}
