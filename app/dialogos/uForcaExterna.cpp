#include "uForcaExterna.h"

#include "Guarda.h"
#include "UnidadesEscolhidas.h"
#include "uUsuario.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmForcaExterna *frmForcaExterna = nullptr;

TfrmForcaExterna::TfrmForcaExterna(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Cargas Externas"), pai) {
    auto *raiz = new QVBoxLayout(this);

    auto *coef = new QGroupBox(QStringLiteral("Coef. Convecção"), this);
    auto *gc = new QGridLayout(coef);
    edConveccao = CriaEdit(coef, "edConveccao", QStringLiteral("10"),
                           QStringLiteral("Convecção entre o ambiente e o Material"));
    stxBeta = CriaRotulo(coef, "stxBeta");
    Linha(gc, 0, QStringLiteral("Constante:"), edConveccao, stxBeta);
    ckbCura = new QCheckBox(QStringLiteral("Efeito da Cura"), coef);
    ckbCura->setObjectName(QStringLiteral("ckbCura"));
    gc->addWidget(ckbCura, 1, 0, 1, 3);
    const QString dicaCura = QStringLiteral("Válido somente para o intervalo de tempo ao lado");
    edConvecCura = CriaEdit(coef, "edConvecCura", QStringLiteral("50"), dicaCura);
    stxBetaC = CriaRotulo(coef, "stxBetaC");
    lbValor = new QLabel(QStringLiteral("Valor:"), coef);
    gc->addWidget(lbValor, 2, 0);
    gc->addWidget(edConvecCura, 2, 1);
    gc->addWidget(stxBetaC, 2, 2);
    edInic = CriaEdit(coef, "edInic", QStringLiteral("0"),
                      QStringLiteral("Tempo absoluto de INÍCIO da cura"));
    edFim = CriaEdit(coef, "edFim", QStringLiteral("72"),
                     QStringLiteral("Tempo absoluto de FIM da cura"));
    lbInicio = new QLabel(QStringLiteral("Início"), coef);
    lbFim = new QLabel(QStringLiteral("Fim"), coef);
    lbTempCura = CriaRotulo(coef, "lbTempCura");
    gc->addWidget(lbInicio, 3, 0);
    gc->addWidget(edInic, 3, 1);
    gc->addWidget(lbFim, 4, 0);
    gc->addWidget(edFim, 4, 1);
    gc->addWidget(lbTempCura, 4, 2);
    raiz->addWidget(coef);

    auto *amb = new QGroupBox(QStringLiteral("Temperatura Ambiente"), this);
    auto *ga = new QGridLayout(amb);
    rbConstante = new QRadioButton(QStringLiteral("Constante"), amb);
    rbConstante->setObjectName(QStringLiteral("rbConstante"));
    rbConstante->setChecked(true);
    edTAmbiente = CriaEdit(amb, "edTAmbiente", TextoPadrao("20,0"));
    lbTemperaturaConstante = CriaRotulo(amb, "lbTemperaturaConstante");
    ReservaUnidade(lbTemperaturaConstante);
    ga->addWidget(rbConstante, 0, 0);
    ga->addWidget(edTAmbiente, 0, 1);
    ga->addWidget(lbTemperaturaConstante, 0, 2);
    rbDefinida = new QRadioButton(QStringLiteral("Definida"), amb);
    rbDefinida->setObjectName(QStringLiteral("rbDefinida"));
    ga->addWidget(rbDefinida, 1, 0);
    gbxDiaria = new QGroupBox(QStringLiteral("Temperaturas Pré-Definadas"), amb);
    auto *gd = new QGridLayout(gbxDiaria);
    edTMax = CriaEdit(gbxDiaria, "edTMax", QStringLiteral("38"),
                      QStringLiteral("Temperatura Máxima Diária"));
    edHTmax = CriaEdit(gbxDiaria, "edHTmax", QStringLiteral("12"),
                       QStringLiteral("Instante em que ocorre a Temperatura Máxima Diária"));
    edTMin = CriaEdit(gbxDiaria, "edTMin", QStringLiteral("22"));
    edHTMin = CriaEdit(gbxDiaria, "edHTMin", QStringLiteral("0"),
                       QStringLiteral("Instante em que ocorre a Temperatura Mínima Diária"));
    lbTemperaturaDiaria = CriaRotulo(gbxDiaria, "lbTemperaturaDiaria");
    lbHora = CriaRotulo(gbxDiaria, "lbHora");
    gd->addWidget(new QLabel(QStringLiteral("TMáx"), gbxDiaria), 0, 0);
    gd->addWidget(edTMax, 0, 1);
    gd->addWidget(new QLabel(QStringLiteral("HMáx"), gbxDiaria), 0, 2);
    gd->addWidget(edHTmax, 0, 3);
    gd->addWidget(new QLabel(QStringLiteral("TMín"), gbxDiaria), 1, 0);
    gd->addWidget(edTMin, 1, 1);
    gd->addWidget(new QLabel(QStringLiteral("HMín"), gbxDiaria), 1, 2);
    gd->addWidget(edHTMin, 1, 3);
    gd->addWidget(lbTemperaturaDiaria, 2, 1);
    gd->addWidget(lbHora, 2, 3);
    ga->addWidget(gbxDiaria, 2, 0, 1, 3);
    rbUsuario = new QRadioButton(QStringLiteral("Usuário ..."), amb);
    rbUsuario->setObjectName(QStringLiteral("rbUsuario"));
    edExpressao = CriaEdit(amb, "edExpressao", QStringLiteral("X"));
    ga->addWidget(rbUsuario, 3, 0);
    ga->addWidget(edExpressao, 3, 1, 1, 2);
    raiz->addWidget(amb);

    auto *rad = new QGroupBox(QStringLiteral("Radiação"), this);
    rad->setObjectName(QStringLiteral("gbxRadiacao"));
    rad->setToolTip(QStringLiteral("Efeito da Radiação Incidente e Emissora"));
    auto *gr = new QGridLayout(rad);
    edEmissividadeFonte = CriaEdit(rad, "edEmissividadeFonte", QStringLiteral("0"));
    edEmissividadeSuperficie = CriaEdit(rad, "edEmissividadeSuperficie", QStringLiteral("0"));
    edFatorForma = CriaEdit(rad, "edFatorForma", QStringLiteral("0"));
    Linha(gr, 0, QStringLiteral("Emissividade Fonte de calor:"), edEmissividadeFonte);
    Linha(gr, 1, QStringLiteral("Emissividade Superfície:"), edEmissividadeSuperficie);
    Linha(gr, 2, QStringLiteral("Fator de Forma:"), edFatorForma);
    raiz->addWidget(rad);
    CriaBotoes(raiz);

    connect(ckbCura, &QCheckBox::clicked, this, [this] { AtualizaCura(); });
    connect(rbConstante, &QRadioButton::clicked, this, [this] { AtualizaControles(); });
    connect(rbDefinida, &QRadioButton::clicked, this, [this] { AtualizaControles(); });
    connect(rbUsuario, &QRadioButton::clicked, this,
            [this] { Protege([this] { rbUsuarioClick(); }); });
    AtualizaControles();
    AtualizaCura();
}

void TfrmForcaExterna::AtualizaControles() {
    edTAmbiente->setEnabled(rbConstante->isChecked());
    gbxDiaria->setEnabled(rbDefinida->isChecked());
}

void TfrmForcaExterna::AtualizaCura() {
    const bool on = ckbCura->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{edConvecCura, edInic, edFim, lbValor,
                                                       lbInicio, lbFim, stxBetaC, lbTempCura})
        w->setEnabled(on);
}

void TfrmForcaExterna::AoMostrar() {
    lbHora->setText(SimboloUnidade(TGrandeza::Tempo));
    lbTempCura->setText(SimboloUnidade(TGrandeza::Tempo));
    lbTemperaturaConstante->setText(SimboloUnidade(TGrandeza::Temperatura));
    lbTemperaturaDiaria->setText(SimboloUnidade(TGrandeza::Temperatura));
    stxBeta->setText(SimboloUnidade(TGrandeza::Conveccao));
    stxBetaC->setText(SimboloUnidade(TGrandeza::Conveccao));
    rbConstante->setChecked(true);
    AtualizaControles();
    ckbCura->setChecked(false);
    AtualizaCura();
}

void TfrmForcaExterna::AposRestaurar() {
    AtualizaControles();
    AtualizaCura();
}

void TfrmForcaExterna::rbUsuarioClick() {
    AtualizaControles();
    PedeExpressao(edExpressao);
}

bool TfrmForcaExterna::Confirma() {
    FForca.reset();
    auto f = std::make_unique<TForcaExterna>();
    const double h = LeCampo(edConveccao);
    const double fonte = LeCampo(edEmissividadeFonte);
    const double superficie = LeCampo(edEmissividadeSuperficie);
    const double forma = LeCampo(edFatorForma);
    const double hCura = LeCampo(edConvecCura);
    const double inicio = LeCampo(edInic);
    const double fim = LeCampo(edFim);
    if (rbConstante->isChecked()) {
        f->SetTemperaturaAmbiente(LeCampo(edTAmbiente));
        f->SetTipo(TForcaExterna::kConstante);
    } else if (rbDefinida->isChecked()) {
        f->SetTemperaturaMaxima(LeCampo(edTMax));
        f->SetTemperaturaMinima(LeCampo(edTMin));
        f->SetHoraTMax(LeCampo(edHTmax));
        f->SetHoraTMin(LeCampo(edHTMin));
        f->SetTipo(TForcaExterna::kSenoidal);
    } else {
        CompilaFormula(edExpressao->text().toStdString());
        f->GetFormula().SetExpressao(edExpressao->text().toStdString());
        f->SetTipo(TForcaExterna::kFormula);
    }
    f->SetCoefConveccao(h);
    f->SetCoefConveccaoJanela(hCura);
    f->SetInicioJanela(inicio);
    f->SetFimJanela(fim);
    f->SetUsaJanela(ckbCura->isChecked());
    f->SetEmissividadeFonte(fonte);
    f->SetEmissividadeSuperficie(superficie);
    f->SetFatorForma(forma);
    FForca = std::move(f);
    Entrega(*FForca);
    return true;
}
