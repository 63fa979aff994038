#include "uTela.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAjudaDARV2DAT *frmAjudaDARV2DAT = nullptr;

namespace {

QLabel *Rotulo(QWidget *pai, const QString &texto, int tamanho, bool negrito) {
    auto *l = new QLabel(texto, pai);
    QFont f = l->font();
    f.setPointSize(tamanho);
    f.setBold(negrito);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void Textos(QWidget *w, QVBoxLayout *l) {
    l->addWidget(Rotulo(w, QStringLiteral("ZOK-2D"), 28, true));
    l->addWidget(Rotulo(w, QStringLiteral("Análise Térmica e Tensional"), 14, false));
    l->addWidget(Rotulo(w,
                        QStringLiteral("Concreto em endurecimento: temperaturas, tensões e "
                                       "deformações em duas dimensões"),
                        10, false));
}

} // namespace

TfrmTela::TfrmTela(QWidget *pai) : QWidget(pai, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmTela"));
    setStyleSheet(QStringLiteral("background:#1f3a5f; color:white;"));
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(30, 30, 30, 30);
    Textos(this, l);
    l->addWidget(Rotulo(this, QStringLiteral("Carregando..."), 9, false));
    resize(460, 220);
}

TfrmAjudaDARV2DAT::TfrmAjudaDARV2DAT(QWidget *pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmAjudaDARV2DAT"));
    setWindowTitle(QStringLiteral("Sobre o ZOK-2D"));
    auto *l = new QVBoxLayout(this);
    Textos(this, l);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    l->addWidget(ok, 0, Qt::AlignCenter);
}
