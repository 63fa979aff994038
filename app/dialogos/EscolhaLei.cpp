#include "EscolhaLei.h"

#include "Perguntador.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmModeloLeiBase::TfrmModeloLeiBase(const char *nome, const QString &titulo, QWidget *pai)
    : TDialogoDados(titulo, pai) {
    setObjectName(nome);
}

TfrmModeloLeiBase::~TfrmModeloLeiBase() = default;

void TfrmModeloLeiBase::FechaComBotoes(QVBoxLayout *v) {
    CriaBotoes(v, btnOk, btnCancela, TEnter::OkOuCancela);
}

QLabel *TfrmModeloLeiBase::Unidade(std::function<QString()> texto) {
    auto *l = new QLabel;
    FUnidades.emplace_back(l, std::move(texto));
    return l;
}

void TfrmModeloLeiBase::AoMostrar() {
    if (FUnidades.empty())
        return;
    for (const auto &[rotulo, texto] : FUnidades)
        rotulo->setText(texto());
    AjustaTamanho(this);
}

// ---------------------------------------------------------------------------------------------

TEscolhaLeiBase::TEscolhaLeiBase(const char *nome, const QString &titulo,
                                 std::vector<TOpcao> opcoes, int padrao, bool voltaAoPadrao,
                                 QWidget *pai)
    : TDialogoDados(titulo, pai), FOpcoes(std::move(opcoes)), FPadrao(padrao),
      FVoltaAoPadrao(voltaAoPadrao) {
    setObjectName(nome);
    for (const TOpcao &o : FOpcoes)
        FBotoes.push_back(new QRadioButton(o.Rotulo));
    FBotoes[padrao]->setChecked(true);
    auto *grupo = new QGroupBox(QStringLiteral("Modelo"));
    auto *vg = new QVBoxLayout(grupo);
    for (QRadioButton *rb : FBotoes)
        vg->addWidget(rb);
    auto *v = new QVBoxLayout(this);
    v->addWidget(grupo);
    CriaBotoes(v, btnOk, btnCancela, TEnter::OkOuCancela);
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
    Mostrando();
    TDialogoDados::showEvent(e);
}

bool TEscolhaLeiBase::Confirma() {
    FEscolhido = GetTipo();
    return true;
}

void TEscolhaLeiBase::AposConfirmar() {
    Escolhida(FEscolhido);
}

void TEscolhaLeiBase::Executa(QDialog &modelo) {
    Perguntador().ExecutaModal(modelo);
}
