#include "EscolhaLei.h"

#include "Guarda.h"
#include "Perguntador.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QHBoxLayout *Botoes(QPushButton *&ok, QPushButton *&cancela) {
    ok = new QPushButton(QStringLiteral("Ok"));
    cancela = new QPushButton(QStringLiteral("Cancela"));
    ok->setDefault(true);
    auto *h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(ok);
    h->addWidget(cancela);
    return h;
}

} // namespace

TfrmModeloLeiBase::TfrmModeloLeiBase(QWidget *pai) : QDialog(pai) {}

TfrmModeloLeiBase::~TfrmModeloLeiBase() = default;

void TfrmModeloLeiBase::FechaComBotoes(QVBoxLayout *v) {
    v->addLayout(Botoes(btnOk, btnCancela));
    connect(btnOk, &QPushButton::clicked, this, [this] { Protege([this] { Aplica(); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] { Protege([this] { Cancela(); }); });
}

void TfrmModeloLeiBase::showEvent(QShowEvent *e) {
    if (!e->spontaneous())
        FMemoria.Guarda(this);
    QDialog::showEvent(e);
}

void TfrmModeloLeiBase::reject() {
    FMemoria.Restaura();
    QDialog::reject();
}

// ---------------------------------------------------------------------------------------------

TEscolhaLeiBase::TEscolhaLeiBase(const char *nome, const QString &titulo,
                                 std::vector<TOpcao> opcoes, int padrao, bool voltaAoPadrao,
                                 QWidget *pai)
    : QDialog(pai), FOpcoes(std::move(opcoes)), FPadrao(padrao), FVoltaAoPadrao(voltaAoPadrao) {
    setObjectName(nome);
    setWindowTitle(titulo);
    for (const TOpcao &o : FOpcoes)
        FBotoes.push_back(new QRadioButton(o.Rotulo));
    FBotoes[padrao]->setChecked(true);
    auto *grupo = new QGroupBox(QStringLiteral("Modelo"));
    auto *vg = new QVBoxLayout(grupo);
    for (QRadioButton *rb : FBotoes)
        vg->addWidget(rb);
    auto *v = new QVBoxLayout(this);
    v->addWidget(grupo);
    v->addLayout(Botoes(btnOk, btnCancela));
    connect(btnOk, &QPushButton::clicked, this, [this] { Protege([this] { Aplica(); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] { Protege([this] { Cancela(); }); });
}

std::uint8_t TEscolhaLeiBase::GetTipo() const {
    for (std::size_t i = 0; i < FBotoes.size(); ++i)
        if (FBotoes[i]->isChecked())
            return FOpcoes[i].Tipo;
    return FOpcoes[FPadrao].Tipo;
}

void TEscolhaLeiBase::showEvent(QShowEvent *e) {
    if (FVoltaAoPadrao)
        FBotoes[FPadrao]->setChecked(true);
    else if (!e->spontaneous())
        FMemoria.Guarda(this);
    Mostrando();
    QDialog::showEvent(e);
}

void TEscolhaLeiBase::reject() {
    FMemoria.Restaura();
    QDialog::reject();
}

void TEscolhaLeiBase::Aplica() {
    const std::uint8_t tipo = GetTipo();
    accept();
    Escolhida(tipo);
}

void TEscolhaLeiBase::Cancela() {
    DisparaNenhuma();
    reject();
}

void TEscolhaLeiBase::Executa(QDialog &modelo) {
    Perguntador().ExecutaModal(modelo);
}
