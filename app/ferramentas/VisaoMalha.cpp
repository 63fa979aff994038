#include "VisaoMalha.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

TVisaoMalha::TVisaoMalha(QWidget *pai)
    : QWidget(pai), imagem_(400, 300, QImage::Format_RGB32), canvas_(&imagem_) {
    imagem_.fill(Qt::white);
    setMouseTracking(true);
    setMinimumSize(100, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage &TVisaoMalha::Imagem() {
    canvas_.Termina();
    return imagem_;
}

void TVisaoMalha::Limpa(TColor cor) {
    canvas_.Termina();
    imagem_.fill(CorQt(cor));
    update();
}

void TVisaoMalha::paintEvent(QPaintEvent *) {
    canvas_.Termina();
    QPainter p(this);
    p.drawImage(0, 0, imagem_);
}

void TVisaoMalha::resizeEvent(QResizeEvent *e) {
    const QSize s = e->size();
    if (s.isEmpty() || s == imagem_.size())
        return;
    canvas_.Termina();
    QImage nova(s, QImage::Format_RGB32);
    nova.fill(Qt::white);
    imagem_ = std::move(nova);
    canvas_.SetImagem(&imagem_);
    if (OnRedimensiona)
        OnRedimensiona();
    update();
}

void TVisaoMalha::mousePressEvent(QMouseEvent *e) {
    if (OnMousePress)
        OnMousePress(e);
}

void TVisaoMalha::mouseMoveEvent(QMouseEvent *e) {
    if (OnMouseMove)
        OnMouseMove(e);
}

void TVisaoMalha::mouseReleaseEvent(QMouseEvent *e) {
    if (OnMouseRelease)
        OnMouseRelease(e);
}
