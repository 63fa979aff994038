#include "uGerentedeRetracao.h"

#include "NumeroUsuario.h"
#include "uLibFEM.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmGerentedeRetracao *frmGerentedeRetracao = nullptr;
TfrmRetracaoCEB *frmRetracaoCEB = nullptr;
TfrmRetracaoBazant *frmRetracaoBazant = nullptr;

// ---------------------------------------------------------------------------------------------

TfrmModeloRetracao::TfrmModeloRetracao(const char *nome, const QString &titulo, QWidget *pai)
    : TfrmModeloLei<TRetracao>(nome, titulo, pai) {
    edUmidade = new QLineEdit(QStringLiteral("75"));
    edh0 = new QLineEdit(QStringLiteral("100"));
    edfc28 = new QLineEdit(QStringLiteral("20"));
    stfc28 = Unidade([] { return SimboloUnidade(TGrandeza::Tensao); });
}

TfrmModeloRetracao::~TfrmModeloRetracao() = default;

void TfrmModeloRetracao::Monta(QWidget *extra) {
    auto *umidade = new QGroupBox(QStringLiteral("Distribuição de Umidade (BAZANT,2000)"));
    auto *g = new QGridLayout(umidade);
    g->addWidget(new QLabel(QStringLiteral("Umidade relativa atmosférica")), 0, 0);
    g->addWidget(edUmidade, 0, 1);
    g->addWidget(new QLabel("%"), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Umidade relativa inicial dos poros")), 1, 0);
    g->addWidget(edh0, 1, 1);
    g->addWidget(new QLabel("%"), 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Resistência Média à Compressão aos 28 dias")), 2, 0);
    g->addWidget(edfc28, 2, 1);
    g->addWidget(stfc28, 2, 2);
    auto *v = new QVBoxLayout(this);
    v->addWidget(umidade);
    if (extra)
        v->addWidget(extra);
    FechaComBotoes(v);
}

std::unique_ptr<TRetracao> TfrmModeloRetracao::LeComuns(std::uint8_t tipo) const {
    auto r = std::make_unique<TRetracao>(tipo);
    r->SetUmidadeAmbiente(LeReal(edUmidade->text()));
    r->SetFcm28(LeReal(edfc28->text()));
    r->SetUmidadeInicial(LeReal(edh0->text()));
    return r;
}

// ---------------------------------------------------------------------------------------------

TfrmRetracaoCEB::TfrmRetracaoCEB(QWidget *pai)
    : TfrmModeloRetracao("frmRetracaoCEB", QStringLiteral("Retração - CEB"), pai) {
    auto *cimento = new QGroupBox(QStringLiteral("Tipo de Cimento"));
    rbLento = new QRadioButton(QStringLiteral("Endurecimento Lento"));
    rbNormal = new QRadioButton(QStringLiteral("Endurecimento Normal (CCV ou CCR)"));
    rbRapido = new QRadioButton(QStringLiteral("Endurecimento Rápido (CAD)"));
    rbNormal->setChecked(true);
    auto *v = new QVBoxLayout(cimento);
    v->addWidget(rbLento);
    v->addWidget(rbNormal);
    v->addWidget(rbRapido);
    Monta(cimento);
}

double TfrmRetracaoCEB::GetBetaSC() const {
    return rbLento->isChecked() ? 4.0 : rbRapido->isChecked() ? 8.0 : 5.0;
}

std::unique_ptr<TRetracao> TfrmRetracaoCEB::LeCampos() const {
    auto r = LeComuns(TRetracao::kCEB);
    r->SetBetaSC(GetBetaSC());
    return r;
}

// ---------------------------------------------------------------------------------------------

TfrmRetracaoBazant::TfrmRetracaoBazant(QWidget *pai)
    : TfrmModeloRetracao("frmRetracaoBazant", QStringLiteral("Retração Bazant (2000)"), pai) {
    auto *final_ = new QGroupBox(QStringLiteral("Retração final "));
    edEfinal = new QLineEdit(QStringLiteral("42"));
    auto *h = new QHBoxLayout(final_);
    h->addWidget(edEfinal);
    h->addWidget(new QLabel(QStringLiteral("x10<sup>-5</sup>")));
    h->addStretch();
    Monta(final_);
}

std::unique_ptr<TRetracao> TfrmRetracaoBazant::LeCampos() const {
    auto r = LeComuns(TRetracao::kBazant);
    r->SetRetracaoFinal(LeReal(edEfinal->text()) * 1e-5);
    return r;
}

// ---------------------------------------------------------------------------------------------

TfrmGerentedeRetracao::TfrmGerentedeRetracao(QWidget *pai)
    : TEscolhaLei<TRetracao>("frmGerentedeRetracao", QStringLiteral("Retração por Secagem"),
                             {{QStringLiteral("CEB (1990)"), TRetracao::kCEB},
                              {QStringLiteral("Modelo Bazant (2000)"), TRetracao::kBazant},
                              {QStringLiteral("NBR 6118 (2014)"), TRetracao::kBazant}},
                             0, false, pai),
      rbCEB(Opcao(0)), rbBazant(Opcao(1)), rbNBR6118(Opcao(2)) {}

void TfrmGerentedeRetracao::SetModelos(TfrmRetracaoCEB *ceb, TfrmRetracaoBazant *bazant) {
    DefineModelos({{TRetracao::kCEB, ceb}, {TRetracao::kBazant, bazant}});
}
