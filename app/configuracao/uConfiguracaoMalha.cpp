#include "uConfiguracaoMalha.h"

#include "KitCombos.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

TColorComboBox *ComboCor(TColor inicial, QWidget *pai, const char *nome) {
    auto *c = new TColorComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->SetColorValue(inicial);
    return c;
}

} // namespace

TfrmConfiguracaoMalha *frmConfiguracaoMalha = nullptr;

TfrmConfiguracaoMalha::TfrmConfiguracaoMalha(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Configuração - Malha"), pai) {
    setObjectName(QStringLiteral("frmConfiguracaoMalha"));

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
    kcbxcolorLinha = ComboCor(clGray, desenho, "kcbxcolorLinha");
    kcbxCorFundo = ComboCor(clSilver, desenho, "kcbxCorFundo");
    kcbxCorTexto = ComboCor(clRed, desenho, "kcbxCorTexto");
    kcbxCorNos = ComboCor(clAqua, desenho, "kcbxCorNos");
    kcbxCorAresta = ComboCor(clYellow, desenho, "kcbxCorAresta");
    kcbxAreaDeDesenho = ComboCor(clWhite, desenho, "kcbxAreaDeDesenho");
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

    auto *l = new QVBoxLayout(this);
    l->addWidget(divisoes);
    l->addWidget(desenho);
    CriaBotoes(l, QStringLiteral("Ok"), QStringLiteral("Cancela"));
    btnOk = BotaoOk();
    btnCancela = findChild<QPushButton *>(QStringLiteral("btnCancelar"));
    btnCancela->setObjectName(QStringLiteral("btnCancela"));

    connect(rbLinear, &QRadioButton::clicked, this, [this] { rbLinearClick(); });
    connect(rbExponencial, &QRadioButton::clicked, this, [this] { rbExponencialClick(); });

    edDmax->setText(TextoReal(TAjustesMalha().Dmax));
    LeDesenho();
}

TfrmConfiguracaoMalha::~TfrmConfiguracaoMalha() {
    if (frmConfiguracaoMalha == this)
        frmConfiguracaoMalha = nullptr;
}

TAjustesMalha TfrmConfiguracaoMalha::Ajustes(double dmax) const {
    TAjustesMalha a;
    a.Nx = seNx->value();
    a.Ny = seNy->value();
    a.Exponencial = rbExponencial->isChecked();
    a.PorDmax = cbxDmax->isChecked();
    a.Dmax = dmax * FatorComprimento();
    return a;
}

void TfrmConfiguracaoMalha::LeDesenho() {
    FDesenho.LayerElementos = TLayer(kcbxCorFundo->ColorValue(), kcbxcolorLinha->ColorValue(),
                                     kcbxCorTexto->ColorValue());
    const TColor nos = kcbxCorNos->ColorValue(), arestas = kcbxCorAresta->ColorValue();
    FDesenho.LayerNos = TLayer(nos, nos, nos);
    FDesenho.LayerArestas = TLayer(arestas, arestas, arestas);
    FDesenho.CorFundo = kcbxAreaDeDesenho->ColorValue();
}

void TfrmConfiguracaoMalha::Dispara() {
    LeDesenho();
    Entrega(Ajustes(LeReal(edDmax->text())), FDesenho);
}

void TfrmConfiguracaoMalha::Mostra(const TAjustesMalha &a) {
    seNx->setValue(a.Nx);
    seNy->setValue(a.Ny);
    rbExponencial->setChecked(a.Exponencial);
    rbLinear->setChecked(!a.Exponencial);
    pDmax->setVisible(!a.Exponencial);
    cbxDmax->setChecked(a.PorDmax);
    edDmax->setText(TextoReal(a.Dmax / FatorComprimento()));
}

void TfrmConfiguracaoMalha::AoMostrar() {
    lbUnidade->setText(SimboloUnidade(TGrandeza::Comprimento));
    if (EmVigor)
        Mostra(EmVigor());
}

bool TfrmConfiguracaoMalha::Confirma() {
    // Everything is read and checked before anything is fired, so a refused Ok changes nothing.
    const double dmax = LeReal(edDmax->text());
    if (cbxDmax->isChecked() && !(dmax > 0.0)) {
        Perguntador().Erro(QStringLiteral("Erro : Configuração da malha inválida."));
        return false;
    }
    LeDesenho();
    Entrega(Ajustes(dmax), FDesenho);
    return true;
}

// The grading takes effect at Ok.
void TfrmConfiguracaoMalha::rbLinearClick() {
    pDmax->setVisible(true);
}

void TfrmConfiguracaoMalha::rbExponencialClick() {
    pDmax->setVisible(false);
}

void TfrmConfiguracaoMalha::AposRestaurar() {
    pDmax->setVisible(!rbExponencial->isChecked());
    kcbxCorFundo->SetColorValue(FDesenho.LayerElementos.Pincel.Color);
    kcbxcolorLinha->SetColorValue(FDesenho.LayerElementos.Caneta.Color);
    kcbxCorTexto->SetColorValue(FDesenho.LayerElementos.Fonte.Color);
    kcbxCorNos->SetColorValue(FDesenho.LayerNos.Pincel.Color);
    kcbxCorAresta->SetColorValue(FDesenho.LayerArestas.Pincel.Color);
    kcbxAreaDeDesenho->SetColorValue(FDesenho.CorFundo);
}
