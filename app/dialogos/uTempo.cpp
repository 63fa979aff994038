#include "uTempo.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "UnidadesEscolhidas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

TfrmTempo *frmTempo = nullptr;

TfrmTempo::TfrmTempo(QWidget *pai) : TDialogoDados(QStringLiteral("Análise Transiente"), pai) {
    auto *raiz = new QVBoxLayout(this);
    auto *tempos = new QGroupBox(this);
    auto *g = new QGridLayout(tempos);
    edTi = CriaEdit(tempos, "edTi", QStringLiteral("0"));
    edTf = CriaEdit(tempos, "edTf", QStringLiteral("1440"));
    edDt = CriaEdit(tempos, "edDt", QStringLiteral("6"));
    const char *nomes[] = {"lbUnidadeTi", "lbUnidadeTf", "lbUnidadeDt"};
    for (int i = 0; i < 3; ++i)
        lbUnidade[i] = CriaRotulo(tempos, nomes[i]);
    Linha(g, 0, QStringLiteral("Tempo Inicial:"), edTi, lbUnidade[0]);
    Linha(g, 1, QStringLiteral("Tempo Final:"), edTf, lbUnidade[1]);
    Linha(g, 2, QStringLiteral("Incremento:"), edDt, lbUnidade[2]);
    cbxTeta = new QComboBox(tempos);
    cbxTeta->setObjectName(QStringLiteral("cbxTeta"));
    for (const char *t : {"0,6667", "0,3333", "0,5000", "0,0000", "1,0000"})
        cbxTeta->addItem(TextoPadrao(t));
    cbxTeta->setCurrentIndex(0);
    Linha(g, 3, QStringLiteral("Parâmetros:"), cbxTeta);
    raiz->addWidget(tempos);
    auto *lei = new QGroupBox(this);
    auto *gl = new QVBoxLayout(lei);
    rbLinear = new QRadioButton(QStringLiteral("Linear"), lei);
    rbLinear->setObjectName(QStringLiteral("rbLinear"));
    rbLinear->setChecked(true);
    rbQuadratico = new QRadioButton(QStringLiteral("Quadrático"), lei);
    rbQuadratico->setObjectName(QStringLiteral("rbQuadratico"));
    gl->addWidget(rbLinear);
    gl->addWidget(rbQuadratico);
    raiz->addWidget(lei);
    CriaBotoes(raiz);

    connect(cbxTeta, &QComboBox::currentIndexChanged, this, [this] {
        double t = 0;
        if (TentaLeReal(cbxTeta->currentText(), t))
            FTeta = t;
    });
    connect(rbLinear, &QRadioButton::clicked, this, [this] { FLinear = true; });
    connect(rbQuadratico, &QRadioButton::clicked, this, [this] { FLinear = false; });
}

void TfrmTempo::AoMostrar() {
    if (FTempo) {
        EscreveCampo(edTi, FTempo->GetTempoInicial());
        EscreveCampo(edTf, FTempo->GetTempoFinal());
        EscreveCampo(edDt, FTempo->GetDt());
        // The item showing theta to four decimals, when there is one.
        const int i = cbxTeta->findText(TextoFixo(FTempo->GetTheta(), 4));
        if (i >= 0)
            cbxTeta->setCurrentIndex(i);
        (FTempo->GetPassoUniforme() ? rbLinear : rbQuadratico)->setChecked(true);
    }
    for (QLabel *l : lbUnidade)
        l->setText(SimboloUnidade(TGrandeza::Tempo));
}

void TfrmTempo::LeCampos() {
    auto le = [](QLineEdit *ed) {
        double v = 0;
        if (!TentaLeReal(ed->text(), v)) {
            ed->setFocus();
            throw EAbortSilencioso{};
        }
        return v;
    };
    const double ti = le(edTi);
    const double tf = le(edTf);
    const double dt = le(edDt);
    double teta = 0;
    if (!TentaLeReal(cbxTeta->currentText(), teta)) {
        cbxTeta->setFocus();
        throw EAbortSilencioso{};
    }
    if (!(dt > 0)) {
        edDt->setFocus();
        throw EAbortSilencioso{};
    }
    if (!(tf > ti)) {
        edTf->setFocus();
        throw EAbortSilencioso{};
    }
    const double passos = std::nearbyint((tf - ti) / dt);
    if (!(passos >= 1) || passos > 1e9) {
        edDt->setFocus();
        throw EAbortSilencioso{};
    }
    FTempoInicial = ti;
    FTempoFinal = tf;
    FIncremento = dt;
    FTeta = teta;
    FNumPassos = static_cast<int>(passos);
    FLinear = rbLinear->isChecked();
}

bool TfrmTempo::Confirma() {
    LeCampos();
    FTempo = std::make_unique<TTempo>(FTempoInicial, FTempoFinal, FIncremento, FTeta);
    FTempo->SetPassoUniforme(false);
    FTempo->SetPassoUniforme(FLinear);
    if (FOnConfirmar)
        FOnConfirmar(*FTempo);
    if (FOnConfirmarTensional)
        FOnConfirmarTensional(*FTempo);
    return true;
}
