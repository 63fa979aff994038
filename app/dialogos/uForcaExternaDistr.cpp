#include "uForcaExternaDistr.h"

#include "NumeroUsuario.h"
#include "uLibFEM.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmForcaExternaDistr *frmForcaExternaDistr = nullptr;

namespace {

void Seta(QPainter &p, QPointF de, QPointF ate) {
    p.drawLine(de, ate);
    const QPointF d = ate - de;
    const double n = std::hypot(d.x(), d.y());
    const QPointF u = d / n, w(-u.y(), u.x());
    p.drawPolygon(QPolygonF{ate, ate - 7 * u + 4 * w, ate - 7 * u - 4 * w});
}

// A face from its first end (left) to its second (right) with the four end values: positive
// values push towards negative x and negative y.
QPixmap ConvencaoSinais() {
    QPixmap pm(260, 150);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(50, 95, 160, 40));
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(50, 95), QPointF(210, 95));
    p.setPen(QPen(Qt::darkBlue, 1.5));
    p.setBrush(Qt::darkBlue);
    Seta(p, {60, 40}, {60, 90});
    Seta(p, {200, 40}, {200, 90});
    Seta(p, {120, 70}, {75, 70});
    Seta(p, {245, 70}, {200, 70});
    p.setPen(Qt::black);
    p.drawText(QPointF(45, 32), QStringLiteral("Qy1"));
    p.drawText(QPointF(190, 32), QStringLiteral("Qy2"));
    p.drawText(QPointF(88, 64), QStringLiteral("Qx1"));
    p.drawText(QPointF(212, 64), QStringLiteral("Qx2"));
    p.drawText(QPointF(40, 110), QStringLiteral("1"));
    p.drawText(QPointF(214, 110), QStringLiteral("2"));
    return pm;
}

} // namespace

TfrmForcaExternaDistr::TfrmForcaExternaDistr(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Força Externa Distribuída"), pai) {
    setObjectName("frmForcaExternaDistr");

    edQy1 = new QLineEdit(QStringLiteral("0"));
    edQy2 = new QLineEdit(QStringLiteral("0"));
    edQx1 = new QLineEdit(QStringLiteral("0"));
    edQx2 = new QLineEdit(QStringLiteral("0"));
    edQy1->setToolTip(
        QStringLiteral("Carregamento Distribuído na direção Y (à esquerda da face selecioanda)"));
    edQy2->setToolTip(
        QStringLiteral("Carregamento Distribuído na direção Y (à direita da face selecioanda)"));
    edQx1->setToolTip(
        QStringLiteral("Carregamento Distribuído na direção X (acima da face selecioanda)"));
    edQx2->setToolTip(
        QStringLiteral("Carregamento Distribuído na direção X (abaixo da face selecioanda)"));

    auto *g = new QGridLayout;
    const char *nomes[4] = {"Qy1", "Qy2", "Qx1", "Qx2"};
    QLineEdit *eds[4] = {edQy1, edQy2, edQx1, edQx2};
    for (int i = 0; i < 4; ++i) {
        lbUnidade[i] = new QLabel;
        g->addWidget(new QLabel(QString::fromLatin1(nomes[i])), i, 0);
        g->addWidget(eds[i], i, 1);
        g->addWidget(lbUnidade[i], i, 2);
    }

    auto *grupo = new QGroupBox(QStringLiteral("Convenção de Sinais para carregamento"));
    auto *fig = new QLabel;
    fig->setPixmap(ConvencaoSinais());
    (new QVBoxLayout(grupo))->addWidget(fig);

    auto *corpo = new QHBoxLayout;
    corpo->addLayout(g);
    corpo->addWidget(grupo);
    auto *v = new QVBoxLayout(this);
    v->addLayout(corpo);
    CriaBotoes(v, btnOk, btnCancela, TEnter::OkOuCancela);
}

TfrmForcaExternaDistr::~TfrmForcaExternaDistr() = default;

void TfrmForcaExternaDistr::showEvent(QShowEvent *e) {
    const QString u = QStringLiteral("k") + SimboloUnidade(TGrandeza::Forca) + QStringLiteral("/") +
                      SimboloUnidade(TGrandeza::Comprimento);
    for (QLabel *l : lbUnidade)
        l->setText(u);
    AjustaTamanho(this);
    TDialogoDados::showEvent(e);
}

bool TfrmForcaExternaDistr::Confirma() {
    auto f = std::make_unique<TForcaTensional>();
    f->SetQy1(LeReal(edQy1->text()) * 1000);
    f->SetQy2(LeReal(edQy2->text()) * 1000);
    f->SetQx1(LeReal(edQx1->text()) * 1000);
    f->SetQx2(LeReal(edQx2->text()) * 1000);
    FForca = std::move(f);
    Entrega(*FForca);
    return true;
}
