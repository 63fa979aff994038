#include "BarraPagina.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int kEspaco = 2;
}

TBarraPagina::TBarraPagina(QWidget *pai) : QWidget(pai) {
    extensao_ = new QToolButton(this);
    extensao_->setObjectName(QStringLiteral("Extensao"));
    extensao_->setText(QStringLiteral("»"));
    extensao_->setToolTip(QStringLiteral("Mais comandos"));
    extensao_->setAutoRaise(true);
    extensao_->hide();
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("MenuExtensao"));
    connect(extensao_, &QToolButton::clicked, this, [this] { MostraExtensao(); });
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TBarraPagina::Adiciona(QWidget *w) {
    w->setParent(this);
    itens_.append(w);
    updateGeometry();
    Distribui();
}

QSize TBarraPagina::sizeHint() const {
    int largura = 0, altura = extensao_->sizeHint().height();
    for (const QWidget *w : itens_) {
        const QSize s = w->sizeHint();
        largura += s.width() + kEspaco;
        altura = std::max(altura, s.height());
    }
    return {largura, altura};
}

QSize TBarraPagina::minimumSizeHint() const {
    return {extensao_->sizeHint().width(), sizeHint().height()};
}

QList<QWidget *> TBarraPagina::Ocultos() const {
    QList<QWidget *> r;
    for (QWidget *w : itens_)
        if (w->isHidden())
            r.append(w);
    return r;
}

void TBarraPagina::Distribui() {
    const int altura = height() > 0 ? height() : sizeHint().height();
    int total = 0;
    for (const QWidget *w : itens_)
        total += w->sizeHint().width() + kEspaco;
    const bool sobra = total - kEspaco > width();
    const int larguraExtensao = extensao_->sizeHint().width();
    const int limite = sobra ? width() - larguraExtensao - kEspaco : width();
    int x = 0;
    bool cabe = true;
    for (QWidget *w : itens_) {
        const int l = w->sizeHint().width();
        // The order is kept: once one does not fit, the rest go to the menu too.
        cabe = cabe && x + l <= limite;
        if (cabe) {
            w->setGeometry(x, (altura - w->sizeHint().height()) / 2, l, w->sizeHint().height());
            x += l + kEspaco;
        }
        w->setVisible(cabe);
    }
    extensao_->setVisible(sobra);
    if (sobra) {
        extensao_->setGeometry(width() - larguraExtensao, 0, larguraExtensao, altura);
        extensao_->raise();
    }
}

void TBarraPagina::PreencheMenu() {
    menu_->clear();
    for (QWidget *w : Ocultos()) {
        auto *b = qobject_cast<QAbstractButton *>(w);
        if (!b)
            continue;
        auto *t = qobject_cast<QToolButton *>(b);
        if (t && t->defaultAction()) {
            menu_->addAction(t->defaultAction());
            continue;
        }
        // A plain button (the check box): an entry that shows its state and clicks it.
        QAction *a = menu_->addAction(b->text());
        a->setToolTip(b->toolTip());
        a->setCheckable(b->isCheckable());
        a->setChecked(b->isChecked());
        a->setEnabled(b->isEnabled());
        connect(a, &QAction::triggered, b, [b] { b->click(); });
    }
}

void TBarraPagina::MostraExtensao() {
    PreencheMenu();
    menu_->popup(extensao_->mapToGlobal(QPoint(0, extensao_->height())));
}

void TBarraPagina::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    Distribui();
}

void TBarraPagina::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    Distribui();
}

bool TBarraPagina::event(QEvent *e) {
    // A button's text or font changed its size.
    if (e->type() == QEvent::LayoutRequest)
        Distribui();
    return QWidget::event(e);
}
