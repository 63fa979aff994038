#include "uFluencia.h"

#include "NumeroUsuario.h"
#include "uLibFEM.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmFluencia *frmFluencia = nullptr;
TfrmEEfetivo *frmEEfetivo = nullptr;
TfrmFuncaoBureauReclamation *frmFuncaoBureauReclamation = nullptr;
TfrmCoefFluenciaACI *frmCoefFluenciaACI = nullptr;

namespace {

void Linha(QGridLayout *g, int l, const QString &rotulo, QLineEdit *ed, QLabel *unidade) {
    g->addWidget(new QLabel(rotulo), l, 0);
    g->addWidget(ed, l, 1);
    if (unidade)
        g->addWidget(unidade, l, 2);
}

} // namespace

// ---------------------------------------------------------------------------------------------

TfrmModeloFluencia::TfrmModeloFluencia(const char *nome, const QString &titulo, QWidget *pai)
    : TfrmModeloLei<TFluencia>(nome, titulo, pai) {}

TfrmModeloFluencia::~TfrmModeloFluencia() = default;

void TfrmModeloFluencia::Monta(QWidget *topo, QLayout *campos) {
    auto *v = new QVBoxLayout(this);
    if (topo)
        v->addWidget(topo);
    v->addLayout(campos);
    FechaComBotoes(v);
}

// ---------------------------------------------------------------------------------------------

TfrmEEfetivo::TfrmEEfetivo(QWidget *pai)
    : TfrmModeloFluencia("frmEEfetivo", QStringLiteral("Método do Módulo Efetivo"), pai) {
    edCoefFluencia = new QLineEdit(TextoPadrao("0,6"));
    edTempo = new QLineEdit(QStringLiteral("120"));
    lbTempo = Unidade([] { return SimboloUnidade(TGrandeza::Tempo); });
    auto *g = new QGridLayout;
    Linha(g, 0, QStringLiteral("Coef. de Fluência Final "), edCoefFluencia, nullptr);
    Linha(g, 1, QStringLiteral("Tempo"), edTempo, lbTempo);
    Monta(nullptr, g);
}

std::unique_ptr<TFluencia> TfrmEEfetivo::LeCampos() const {
    auto f = std::make_unique<TFluencia>();
    f->SetTipo(TFluencia::kModuloEfetivo);
    f->SetCoefFluencia(LeReal(edCoefFluencia->text()));
    f->SetTempoFluencia(LeReal(edTempo->text()));
    return f;
}

// ---------------------------------------------------------------------------------------------

TfrmFuncaoBureauReclamation::TfrmFuncaoBureauReclamation(QWidget *pai)
    : TfrmModeloFluencia("frmFuncaoBureauReclamation",
                         QStringLiteral("Função de Fluência (Bureau of Reclamation)"), pai) {
    edA = new QLineEdit(TextoPadrao("6,1"));
    edB = new QLineEdit(TextoPadrao("105,2"));
    // The law runs in days whatever the user's time unit.
    lbUnidade = Unidade(
        [] { return QStringLiteral("10-6.[dia]/ln([dia]).") + SimboloUnidade(TGrandeza::Tensao); });
    lbUnidade2 = Unidade(
        [] { return QStringLiteral("10-6/ln([dia]).") + SimboloUnidade(TGrandeza::Tensao); });
    auto *formula = new QLabel(QStringLiteral("f(t,t') = ( 1/E(t') ) + F(t').ln( t - t' + 1)"));
    auto *g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("F(t') = ")), 0, 0, 2, 1);
    g->addWidget(edA, 0, 1);
    g->addWidget(lbUnidade2, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("+")), 0, 3);
    g->addWidget(edB, 0, 4);
    g->addWidget(lbUnidade, 0, 5);
    auto *traco = new QFrame;
    traco->setFrameShape(QFrame::HLine);
    g->addWidget(traco, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("t' ")), 2, 4, Qt::AlignHCenter);
    Monta(formula, g);
}

std::unique_ptr<TFluencia> TfrmFuncaoBureauReclamation::LeCampos() const {
    auto f = std::make_unique<TFluencia>();
    f->SetTipo(TFluencia::kBureauReclamation);
    f->A = LeReal(edA->text());
    f->B = LeReal(edB->text());
    return f;
}

// ---------------------------------------------------------------------------------------------

TfrmCoefFluenciaACI::TfrmCoefFluenciaACI(QWidget *pai)
    : TfrmModeloFluencia("frmCoefFluenciaACI", QStringLiteral("Coeficiente de Fluência do ACI"),
                         pai) {
    auto *cura = new QGroupBox(QStringLiteral("Tipo de Cura"));
    rbUmida = new QRadioButton(QStringLiteral("Úmida"));
    rbVapor = new QRadioButton(QStringLiteral("à Vapor"));
    rbUmida->setChecked(true);
    auto *hc = new QHBoxLayout(cura);
    hc->addWidget(rbUmida);
    hc->addWidget(rbVapor);
    edRH = new QLineEdit(QStringLiteral("70"));
    edAbatimento = new QLineEdit(QStringLiteral("20"));
    edAGm = new QLineEdit(QStringLiteral("60"));
    edAGm->setToolTip(QStringLiteral("Relação entre Agregado miúdo e Agregado total"));
    edTeorAr = new QLineEdit(QStringLiteral("7"));
    auto *g = new QGridLayout;
    Linha(g, 0, QStringLiteral("Umidade Relativa Ambiente"), edRH, new QLabel("%"));
    Linha(g, 1, QStringLiteral("Abatimento Tronco de Cone"), edAbatimento, new QLabel("mm"));
    Linha(g, 2, QStringLiteral("Agm / Agt"), edAGm, new QLabel("%"));
    Linha(g, 3, QStringLiteral("Teor de Ar Incorporado"), edTeorAr, new QLabel("%"));
    Monta(cura, g);
}

std::unique_ptr<TFluencia> TfrmCoefFluenciaACI::LeCampos() const {
    auto f = std::make_unique<TFluencia>();
    f->SetTipo(TFluencia::kACI209);
    f->CuraUmida = rbUmida->isChecked() ? 1 : 0;
    f->Umidade = LeReal(edRH->text());
    f->Abatimento = LeReal(edAbatimento->text());
    f->Finos = LeReal(edAGm->text());
    f->Ar = LeReal(edTeorAr->text());
    return f;
}

// ---------------------------------------------------------------------------------------------

TfrmFluencia::TfrmFluencia(QWidget *pai)
    : TEscolhaLei<TFluencia>(
          "frmFluencia", QStringLiteral("Fluência"),
          {{QStringLiteral("Método do Módulo Efetivo (Eef)"), TFluencia::kModuloEfetivo},
           {QStringLiteral("Função de Fluência (Bureal of Reclamation)"),
            TFluencia::kBureauReclamation},
           {QStringLiteral("Coef. de Fluência (ACI 209R-92)"), TFluencia::kACI209}},
          1, true, pai),
      rbEEfetivo(Opcao(0)), rbBurealReclamation(Opcao(1)), rbACI(Opcao(2)) {}

void TfrmFluencia::SetModelos(TfrmEEfetivo *ef, TfrmFuncaoBureauReclamation *br,
                              TfrmCoefFluenciaACI *aci) {
    DefineModelos({{TFluencia::kModuloEfetivo, ef},
                   {TFluencia::kBureauReclamation, br},
                   {TFluencia::kACI209, aci}});
}
