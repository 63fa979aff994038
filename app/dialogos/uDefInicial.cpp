#include "uDefInicial.h"

#include "NumeroUsuario.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

TfrmDefInicial *frmDefInicial = nullptr;

namespace {

// The support symbol of a restraint: a red triangle with its base line, a second line when the
// support holds one direction only.
QPixmap DesenhoApoio(bool emY, bool umGrau) {
    QPixmap pm(40, 40);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(Qt::red);
    const QPointF c(20, 14);
    if (emY) {
        p.drawPolygon(QPolygonF{c, c + QPointF(9, 12), c + QPointF(-9, 12)});
        p.drawLine(c + QPointF(-13, 12), c + QPointF(13, 12));
        if (umGrau)
            p.drawLine(c + QPointF(-13, 16), c + QPointF(13, 16));
    } else {
        const QPointF d(26, 20);
        p.drawPolygon(QPolygonF{d, d + QPointF(-12, -9), d + QPointF(-12, 9)});
        p.drawLine(d + QPointF(-12, -13), d + QPointF(-12, 13));
        p.drawLine(d + QPointF(-16, -13), d + QPointF(-16, 13));
    }
    return pm;
}

QWidget *ComFigura(QRadioButton *rb, const QPixmap &figura) {
    auto *w = new QWidget;
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    auto *img = new QLabel;
    img->setPixmap(figura);
    h->addWidget(rb);
    h->addWidget(img);
    h->addStretch();
    return w;
}

} // namespace

TfrmDefInicial::TfrmDefInicial(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Tipos de Apoio"), pai) {
    setObjectName("frmDefInicial");

    rbRestricoes = new QRadioButton(QStringLiteral("Restrições"));
    rbValorDefinido = new QRadioButton(QStringLiteral("Valor Definido"));
    rbRestricoes->setChecked(true);

    Panel1 = new QGroupBox;
    rb1Grau = new QRadioButton(QStringLiteral("1° Grau"));
    rb2Grau = new QRadioButton(QStringLiteral("2° Grau"));
    rb1GrauX = new QRadioButton(QStringLiteral("1° Grau"));
    rb1Grau->setChecked(true);
    rb1Grau->setToolTip(QStringLiteral("Direção Y"));
    rb1GrauX->setToolTip(QStringLiteral("Direção X"));
    auto *v1 = new QVBoxLayout(Panel1);
    v1->addWidget(ComFigura(rb1Grau, DesenhoApoio(true, true)));
    v1->addWidget(ComFigura(rb2Grau, DesenhoApoio(true, false)));
    v1->addWidget(ComFigura(rb1GrauX, DesenhoApoio(false, true)));

    Panel2 = new QGroupBox;
    edX = new QLineEdit(TextoPadrao("0,000001"));
    edY = new QLineEdit(TextoPadrao("0,000001"));
    auto *g2 = new QGridLayout(Panel2);
    g2->addWidget(new QLabel(QStringLiteral("Direção X")), 0, 0);
    g2->addWidget(edX, 0, 1);
    g2->addWidget(new QLabel(QStringLiteral("Direção Y")), 1, 0);
    g2->addWidget(edY, 1, 1);
    lbUnidadeX = new QLabel;
    lbUnidadeY = new QLabel;
    g2->addWidget(lbUnidadeX, 0, 2);
    g2->addWidget(lbUnidadeY, 1, 2);

    auto *barra = new QStatusBar;
    barra->setSizeGripEnabled(false);
    stStatus = new QLabel;
    barra->addWidget(stStatus, 1);

    auto *corpo = new QGridLayout;
    corpo->addWidget(rbRestricoes, 0, 0);
    corpo->addWidget(Panel1, 1, 0);
    corpo->addWidget(rbValorDefinido, 0, 1);
    corpo->addWidget(Panel2, 1, 1, Qt::AlignTop);
    auto *v = new QVBoxLayout(this);
    v->addLayout(corpo);
    CriaBotoes(v, btnOk, btnCancela, TEnter::OkOuCancela);
    v->addWidget(barra);

    auto *modo = new QButtonGroup(this);
    modo->addButton(rbRestricoes);
    modo->addButton(rbValorDefinido);
    auto *graus = new QButtonGroup(this);
    for (QRadioButton *rb : {rb1Grau, rb2Grau, rb1GrauX})
        graus->addButton(rb);
    connect(rbRestricoes, &QRadioButton::toggled, this, [this] { AtualizaModo(); });
    connect(rbValorDefinido, &QRadioButton::toggled, this, [this] { AtualizaModo(); });
    for (QRadioButton *rb : {rb1Grau, rb2Grau, rb1GrauX})
        connect(rb, &QRadioButton::toggled, this, [this] { AtualizaGraus(); });
    AtualizaModo();
}

void TfrmDefInicial::AtualizaModo() {
    FValorDefinido = rbValorDefinido->isChecked();
    Panel1->setEnabled(rbRestricoes->isChecked());
    Panel2->setEnabled(rbValorDefinido->isChecked());
}

void TfrmDefInicial::AtualizaGraus() {
    FUmGrau = !rb2Grau->isChecked();
    FRestringeY = !rb1GrauX->isChecked();
}

void TfrmDefInicial::showEvent(QShowEvent *e) {
    AtualizaModo();
    AtualizaGraus();
    stStatus->setText(QStringLiteral("%1 nós capturados").arg(FContaNos ? FContaNos() : 0));
    // Displacements are lengths.
    lbUnidadeX->setText(SimboloUnidade(TGrandeza::Comprimento));
    lbUnidadeY->setText(SimboloUnidade(TGrandeza::Comprimento));
    TDialogoDados::showEvent(e);
}

void TfrmDefInicial::AposRestaurar() {
    AtualizaModo();
    AtualizaGraus();
}

bool TfrmDefInicial::Confirma() {
    AtualizaModo();
    AtualizaGraus();
    if (FValorDefinido) {
        double x = 0, y = 0;
        if (!TentaLeReal(edX->text(), x)) {
            edX->setFocus();
            return false;
        }
        if (!TentaLeReal(edY->text(), y)) {
            edY->setFocus();
            return false;
        }
        FDeslocamentoX = x;
        FDeslocamentoY = y;
    } else if (!FUmGrau) {
        FDeslocamentoX = 0.0;
        FDeslocamentoY = 0.0;
    } else if (FRestringeY) {
        FDeslocamentoY = 0.0;
    } else {
        FDeslocamentoX = 0.0;
    }
    Entrega(FValorDefinido, FUmGrau, FDeslocamentoX, FDeslocamentoY, FRestringeY);
    return true;
}
