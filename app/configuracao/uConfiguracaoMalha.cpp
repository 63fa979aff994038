#include "uConfiguracaoMalha.h"

#include "Guarda.h"
#include "KitCombos.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "uEstadoInterface.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

TColorComboBox *ComboCor(TColor inicial, QWidget *pai) {
    auto *c = new TColorComboBox(pai);
    c->SetColorValue(inicial);
    return c;
}

} // namespace

TfrmConfiguracaoMalha *frmConfiguracaoMalha = nullptr;

TfrmConfiguracaoMalha::TfrmConfiguracaoMalha(QWidget *pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmConfiguracaoMalha"));
    setWindowTitle(QStringLiteral("Configuração - Malha"));

    auto *divisoes = new QGroupBox(QStringLiteral("Divisões"), this);
    seNx = new QSpinBox(divisoes);
    seNx->setObjectName(QStringLiteral("seNx"));
    seNx->setRange(2, 1000);
    seNx->setValue(2);
    seNy = new QSpinBox(divisoes);
    seNy->setObjectName(QStringLiteral("seNy"));
    seNy->setRange(1, 1000);
    seNy->setValue(2);
    rbLinear = new QRadioButton(QStringLiteral("Lineares"), divisoes);
    rbLinear->setObjectName(QStringLiteral("rbLinear"));
    rbLinear->setChecked(true);
    rbExponencial = new QRadioButton(QStringLiteral("Exponenciais"), divisoes);
    rbExponencial->setObjectName(QStringLiteral("rbExponencial"));
    pDmax = new QWidget(divisoes);
    pDmax->setObjectName(QStringLiteral("pDmax"));
    cbxDmax = new QCheckBox(QStringLiteral("Dimensão Máxima do Elemento"), pDmax);
    cbxDmax->setObjectName(QStringLiteral("cbxDmax"));
    cbxDmax->setChecked(true);
    edDmax = new QLineEdit(pDmax);
    edDmax->setObjectName(QStringLiteral("edDmax"));
    lbUnidade = new QLabel(QStringLiteral("m"), pDmax);
    lbUnidade->setObjectName(QStringLiteral("lbUnidade"));
    lbUnidade->setMinimumWidth(40);
    auto *ld = new QHBoxLayout(pDmax);
    ld->setContentsMargins(0, 0, 0, 0);
    ld->addWidget(cbxDmax);
    ld->addWidget(edDmax);
    ld->addWidget(lbUnidade);
    auto *gd = new QGridLayout(divisoes);
    gd->addWidget(new QLabel(QStringLiteral("Nx"), divisoes), 0, 0);
    gd->addWidget(seNx, 0, 1);
    gd->addWidget(new QLabel(QStringLiteral("Ny"), divisoes), 0, 2);
    gd->addWidget(seNy, 0, 3);
    gd->addWidget(rbLinear, 1, 0, 1, 2);
    gd->addWidget(rbExponencial, 1, 2, 1, 2);
    gd->addWidget(pDmax, 2, 0, 1, 4);

    auto *desenho = new QGroupBox(QStringLiteral("Desenho"), this);
    kcbxcolorLinha = ComboCor(clGray, desenho);
    kcbxcolorLinha->setObjectName(QStringLiteral("kcbxcolorLinha"));
    kcbxCorFundo = ComboCor(clSilver, desenho);
    kcbxCorFundo->setObjectName(QStringLiteral("kcbxCorFundo"));
    kcbxCorTexto = ComboCor(clRed, desenho);
    kcbxCorTexto->setObjectName(QStringLiteral("kcbxCorTexto"));
    kcbxCorNos = ComboCor(clAqua, desenho);
    kcbxCorNos->setObjectName(QStringLiteral("kcbxCorNos"));
    kcbxCorAresta = ComboCor(clYellow, desenho);
    kcbxCorAresta->setObjectName(QStringLiteral("kcbxCorAresta"));
    kcbxAreaDeDesenho = ComboCor(clWhite, desenho);
    kcbxAreaDeDesenho->setObjectName(QStringLiteral("kcbxAreaDeDesenho"));
    auto *elementos = new QGroupBox(QStringLiteral("Elementos"), desenho);
    auto *fe = new QFormLayout(elementos);
    fe->addRow(QStringLiteral("Cor de Linha"), kcbxcolorLinha);
    fe->addRow(QStringLiteral("Cor de Fundo"), kcbxCorFundo);
    fe->addRow(QStringLiteral("Cor de Texto"), kcbxCorTexto);
    auto *fd = new QFormLayout;
    fd->addRow(QStringLiteral("Nós"), kcbxCorNos);
    fd->addRow(QStringLiteral("Arestas"), kcbxCorAresta);
    fd->addRow(QStringLiteral("Área de Desenho"), kcbxAreaDeDesenho);
    auto *ld2 = new QVBoxLayout(desenho);
    ld2->addWidget(elementos);
    ld2->addLayout(fd);

    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancela = new QPushButton(QStringLiteral("Cancela"), this);
    btnCancela->setObjectName(QStringLiteral("btnCancela"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);

    auto *l = new QVBoxLayout(this);
    l->addWidget(divisoes);
    l->addWidget(desenho);
    l->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, [this] { Protege([this] { btnOkClick(); }); });
    connect(btnCancela, &QPushButton::clicked, this, [this] { reject(); });
    connect(rbLinear, &QRadioButton::clicked, this, [this] { rbLinearClick(); });
    connect(rbExponencial, &QRadioButton::clicked, this, [this] { rbExponencialClick(); });

    // What the window shows is in force from the start: linear grading, division by the
    // maximum size of 0.25 as checked, the divisions and colours read.
    TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    c.Dmax = 0.25;
    c.Exponencial = false;
    c.PorDmax = cbxDmax->isChecked();
    edDmax->setText(TextoReal(c.Dmax));
    LeConfiguracao();
    pDmax->setVisible(true);
    c.OnAlteracao = [this] { MostraConfiguracao(); };
}

TfrmConfiguracaoMalha::~TfrmConfiguracaoMalha() {
    Estado().ConfiguracaoMalha.OnAlteracao = nullptr;
    if (frmConfiguracaoMalha == this)
        frmConfiguracaoMalha = nullptr;
}

void TfrmConfiguracaoMalha::SetNx(int n) {
    Estado().ConfiguracaoMalha.SetNx(n);
}

void TfrmConfiguracaoMalha::SetNy(int n) {
    Estado().ConfiguracaoMalha.SetNy(n);
}

void TfrmConfiguracaoMalha::SetUnidadeComprimento(const QString &simbolo) {
    lbUnidade->setText(simbolo);
}

void TfrmConfiguracaoMalha::LeConfiguracao() {
    TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    c.Nx = seNx->value();
    c.Ny = seNy->value();
    FDesenho.LayerElementos = TLayer(kcbxCorFundo->ColorValue(), kcbxcolorLinha->ColorValue(),
                                     kcbxCorTexto->ColorValue());
    const TColor nos = kcbxCorNos->ColorValue(), arestas = kcbxCorAresta->ColorValue();
    FDesenho.LayerNos = TLayer(nos, nos, nos);
    FDesenho.LayerArestas = TLayer(arestas, arestas, arestas);
    FDesenho.CorFundo = kcbxAreaDeDesenho->ColorValue();
}

void TfrmConfiguracaoMalha::MostraConfiguracao() {
    const TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    seNx->setValue(c.Nx);
    seNy->setValue(c.Ny);
    rbExponencial->setChecked(c.Exponencial);
    rbLinear->setChecked(!c.Exponencial);
    pDmax->setVisible(!c.Exponencial);
    cbxDmax->setChecked(c.PorDmax);
    edDmax->setText(TextoReal(c.Dmax / FatorComprimento()));
}

void TfrmConfiguracaoMalha::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // The size in the current unit.
    SetUnidadeComprimento(SimboloUnidade(TGrandeza::Comprimento));
    edDmax->setText(TextoReal(Estado().ConfiguracaoMalha.Dmax / FatorComprimento()));
}

void TfrmConfiguracaoMalha::btnOkClick() {
    // Everything is read and checked before the record changes, so a refused Ok keeps it.
    const bool porDmax = cbxDmax->isChecked();
    const double dmax = LeReal(edDmax->text());
    if (porDmax && !(dmax > 0.0)) {
        Perguntador().Erro(QStringLiteral("Erro : Configuração da malha inválida."));
        return;
    }
    LeConfiguracao();
    TConfiguracaoMalha &c = Estado().ConfiguracaoMalha;
    c.Exponencial = rbExponencial->isChecked();
    c.PorDmax = porDmax;
    c.Dmax = dmax * FatorComprimento();
    if (OnConfirmar)
        OnConfirmar(*this);
    accept();
}

// The grading takes effect at Ok.
void TfrmConfiguracaoMalha::rbLinearClick() {
    pDmax->setVisible(true);
}

void TfrmConfiguracaoMalha::rbExponencialClick() {
    pDmax->setVisible(false);
}

void TfrmConfiguracaoMalha::reject() {
    MostraConfiguracao();
    kcbxCorFundo->SetColorValue(FDesenho.LayerElementos.Pincel.Color);
    kcbxcolorLinha->SetColorValue(FDesenho.LayerElementos.Caneta.Color);
    kcbxCorTexto->SetColorValue(FDesenho.LayerElementos.Fonte.Color);
    kcbxCorNos->SetColorValue(FDesenho.LayerNos.Pincel.Color);
    kcbxCorAresta->SetColorValue(FDesenho.LayerArestas.Pincel.Color);
    kcbxAreaDeDesenho->SetColorValue(FDesenho.CorFundo);
    QDialog::reject();
}
