#include "uForcaInterna.h"

#include "Guarda.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "uFuncaoDiscreta.h"
#include "uUsuario.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmForcaInterna *frmForcaInterna = nullptr;

TfrmForcaInterna::TfrmForcaInterna(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Carga Interna"), pai) {
    auto *raiz = new QVBoxLayout(this);
    auto *tipo = new QGroupBox(this);
    auto *g = new QGridLayout(tipo);
    rbConstante = CriaRadio(tipo, "rbConstante", QStringLiteral("Constante"));
    rbConstante->setChecked(true);
    edCargaInternaConstante = CriaEdit(tipo, "edCargaInternaConstante", TextoPadrao("0,0"));
    lbConstante = CriaRotulo(tipo, "lbConstante");
    g->addWidget(rbConstante, 0, 0);
    g->addWidget(edCargaInternaConstante, 0, 1);
    g->addWidget(lbConstante, 0, 2);

    rbDefinida = CriaRadio(tipo, "rbDefinida", QStringLiteral("Definida"));
    g->addWidget(rbDefinida, 1, 0);
    gbxForcasInternasUsuarios = new QGroupBox(QStringLiteral("Funções Pré-Definidas"), tipo);
    gbxForcasInternasUsuarios->setObjectName(QStringLiteral("gbxForcasInternasUsuarios"));
    gbxForcasInternasUsuarios->setToolTip(QStringLiteral("Parâmetro Tr "));
    auto *gl = new QGridLayout(gbxForcasInternasUsuarios);
    gl->addWidget(new QLabel(QStringLiteral("Curva de Calmon (1995)"), gbxForcasInternasUsuarios),
                  0, 0, 1, 2);
    edConsumo = CriaEdit(gbxForcasInternasUsuarios, "edConsumo", TextoPadrao("250,0"));
    edE = CriaEdit(gbxForcasInternasUsuarios, "edE", TextoPadrao("85,0"));
    edB = CriaEdit(gbxForcasInternasUsuarios, "edB", TextoPadrao("4,0"));
    edN = CriaEdit(gbxForcasInternasUsuarios, "edN", TextoPadrao("0,45"));
    edTr = CriaEdit(gbxForcasInternasUsuarios, "edTr", QStringLiteral("0"),
                    QStringLiteral("Temperatura de referência"));
    Linha(gl, 1, QStringLiteral("C [kg/m³]"), edConsumo);
    Linha(gl, 2, QStringLiteral("E [cal/g]"), edE);
    Linha(gl, 3, QStringLiteral("b"), edB);
    Linha(gl, 4, QStringLiteral("n"), edN);
    Linha(gl, 5, QStringLiteral("Tr [ºC]"), edTr);
    g->addWidget(gbxForcasInternasUsuarios, 2, 0, 1, 3);

    rbUsuario = CriaRadio(tipo, "rbUsuario", QStringLiteral("Usuário ..."));
    edExpressao = CriaEdit(tipo, "edExpressao", QString());
    g->addWidget(rbUsuario, 3, 0);
    g->addWidget(edExpressao, 3, 1, 1, 2);
    rbForcaDiscreta = CriaRadio(tipo, "rbForcaDiscreta", QStringLiteral("Calorímetro Adiabático"));
    g->addWidget(rbForcaDiscreta, 4, 0, 1, 3);
    raiz->addWidget(tipo);
    CriaBotoes(raiz);

    connect(rbConstante, &QRadioButton::clicked, this, [this] {
        FTipo = TForcaInterna::kConstante;
        AtualizaControles();
    });
    connect(rbDefinida, &QRadioButton::clicked, this, [this] {
        FTipo = TForcaInterna::kModelo;
        AtualizaControles();
    });
    connect(rbUsuario, &QRadioButton::clicked, this,
            [this] { Protege([this] { rbUsuarioClick(); }); });
    connect(rbForcaDiscreta, &QRadioButton::clicked, this,
            [this] { Protege([this] { rbForcaDiscretaClick(); }); });
    AtualizaControles();
}

void TfrmForcaInterna::AtualizaControles() {
    edCargaInternaConstante->setEnabled(rbConstante->isChecked());
    gbxForcasInternasUsuarios->setEnabled(rbDefinida->isChecked());
}

void TfrmForcaInterna::MarcaTipo() {
    switch (FTipo) {
    case TForcaInterna::kConstante:
        rbConstante->setChecked(true);
        break;
    case TForcaInterna::kModelo:
        rbDefinida->setChecked(true);
        break;
    case TForcaInterna::kFormula:
        rbUsuario->setChecked(true);
        break;
    default:
        rbForcaDiscreta->setChecked(true);
        break;
    }
    AtualizaControles();
}

void TfrmForcaInterna::AoMostrar() {
    lbConstante->setText(SimboloUnidade(TGrandeza::Energia) + QStringLiteral("/(m³·h)"));
    rbDefinida->setChecked(true);
    FTipo = TForcaInterna::kModelo;
    AtualizaControles();
}

void TfrmForcaInterna::AposRestaurar() {
    // Showing selects the law; the fields went back to that.
    FTipo = TForcaInterna::kModelo;
    AtualizaControles();
}

void TfrmForcaInterna::rbUsuarioClick() {
    AtualizaControles();
    PedeExpressao(edExpressao);
    FTipo = TForcaInterna::kFormula;
}

void TfrmForcaInterna::rbForcaDiscretaClick() {
    AtualizaControles();
    if (frmFuncaoDiscreta && Perguntador().ExecutaModal(*frmFuncaoDiscreta) == QDialog::Accepted &&
        frmFuncaoDiscreta->GetNumPares() >= 2) {
        FTabela = TFuncaoDiscreta::CreateCopia(frmFuncaoDiscreta->GetFuncao());
        FTipo = TForcaInterna::kFuncao;
        return;
    }
    // No usable table: the kind in force stays.
    if (FTipo == TForcaInterna::kFuncao && !FTabela)
        FTipo = TForcaInterna::kModelo;
    MarcaTipo();
}

bool TfrmForcaInterna::Confirma() {
    FForca.reset();
    switch (FTipo) {
    case TForcaInterna::kConstante:
        FForca = std::make_unique<TForcaInterna>(LeCampo(edCargaInternaConstante));
        break;
    case TForcaInterna::kModelo: {
        const double c = LeCampo(edConsumo);
        const double e = LeCampo(edE);
        const double tr = LeCampo(edTr);
        const double b = LeCampo(edB);
        const double n = LeCampo(edN);
        FForca = TForcaInterna::CreateModelo(b, n, e, c, tr);
        break;
    }
    case TForcaInterna::kFormula:
        CompilaFormula(edExpressao->text().toStdString());
        FForca = TForcaInterna::CreateFormula(edExpressao->text().toStdString());
        break;
    default:
        FForca = TForcaInterna::CreateFuncao(*FTabela);
        break;
    }
    Entrega(*FForca);
    return true;
}
