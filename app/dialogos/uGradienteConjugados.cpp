#include "uGradienteConjugados.h"

#include "Guarda.h"
#include "NumeroUsuario.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmGradienteConjugados *frmGradienteConjugados = nullptr;

TfrmGradienteConjugados::TfrmGradienteConjugados(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Resolução Matricial"), pai),
      FGradiente(std::make_unique<TGradiente>(100, 0.001)) {
    auto *raiz = new QVBoxLayout(this);
    auto *mgc = new QGroupBox(QStringLiteral("Método dos Gradientes Conjugados ( M.G.C. )"), this);
    auto *g = new QGridLayout(mgc);
    seIteMax = new QSpinBox(mgc);
    seIteMax->setObjectName(QStringLiteral("seIteMax"));
    seIteMax->setRange(1, 10000);
    seIteMax->setValue(100);
    edPrecisao = CriaEdit(mgc, "edPrecisao", QStringLiteral("1E-3"));
    Linha(g, 0, QStringLiteral("Nº Máximo de Iterações"), seIteMax);
    Linha(g, 1, QStringLiteral("Precisão"), edPrecisao);
    raiz->addWidget(mgc);
    chkGauss = new QCheckBox(QStringLiteral("Eliminação de Gauss - SkyLine"), this);
    chkGauss->setObjectName(QStringLiteral("chkGauss"));
    raiz->addWidget(chkGauss);
    CriaBotoes(raiz);
}

bool TfrmGradienteConjugados::Confirma() {
    double precisao = 0;
    if (!TentaLeReal(edPrecisao->text(), precisao)) {
        // The previous solver stays.
        edPrecisao->setFocus();
        return false;
    }
    FUsaGradiente = !chkGauss->isChecked();
    FGradiente = std::make_unique<TGradiente>(seIteMax->value(), precisao);
    Entrega(*FGradiente, FUsaGradiente);
    return true;
}
