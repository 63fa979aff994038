#include "uCurvas.h"

#include "Ajuste.h"
#include "uDialogos.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmCurvas *frmCurvas = nullptr;

TfrmCurvas::TfrmCurvas(lumacord::TAjusteCurva &ajuste, QWidget *parent)
    : QWidget(parent, Qt::Window), FAjuste(ajuste) {
    setWindowTitle(QStringLiteral("Escolher Curva"));
    auto *grade = new QGridLayout(this);

    auto *painel = new QFrame(this);
    painel->setFrameShape(QFrame::StyledPanel);
    painel->setFrameShadow(QFrame::Raised);
    auto *coluna = new QVBoxLayout(painel);
    QFont fonte = QApplication::font();
    fonte.setPointSize(12);
    const auto opcao = [&](const QString &texto) {
        auto *rb = new QRadioButton(texto, painel);
        rb->setFont(fonte);
        coluna->addWidget(rb);
        return rb;
    };
    rbEquacao1 = opcao(QStringLiteral("y = A +  B . x "));
    rbEquacao2 = opcao(QStringLiteral("y = A + ( B / x )"));
    rbEquacao3 = opcao(QStringLiteral("y = x / (A + B . x )"));
    rbEquacao4 = opcao(QStringLiteral("y = A + B . ln(x)"));
    rbEquacao2->setChecked(true);

    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    grade->addWidget(painel, 0, 0, 1, 2);
    grade->addWidget(btnConfirmar, 1, 0);
    grade->addWidget(btnCancelar, 1, 1);
    grade->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnConfirmar, &QPushButton::clicked, this,
            [this] { Protege([this] { btnConfirmarClick(); }); });
    connect(btnCancelar, &QPushButton::clicked, this,
            [this] { Protege([this] { btnCancelarClick(); }); });
}

void TfrmCurvas::btnConfirmarClick() {
    int tipo = 4;
    if (rbEquacao1->isChecked())
        tipo = 1;
    else if (rbEquacao2->isChecked())
        tipo = 2;
    else if (rbEquacao3->isChecked())
        tipo = 3;
    FAjuste.TipoCurva = tipo;
    hide();
}
