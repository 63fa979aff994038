// The picture of the main window (imMalha): an image the engine draws on through its canvas,
// shown as it is. A resize makes a new image of the new size and asks for a redraw; mouse
// events go to whoever the window binds (the editing tools).
#pragma once

#include "CanvasQt.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QMouseEvent;

class TVisaoMalha : public QWidget {
    Q_OBJECT
public:
    explicit TVisaoMalha(QWidget *pai = nullptr);

    TCanvasQt &Canvas() { return canvas_; }
    // The image with every pending drawing call done.
    const QImage &Imagem();
    // Fills the whole picture with a colour.
    void Limpa(TColor cor);

    // Fired after a resize has replaced the image, so the owner draws it again.
    std::function<void()> OnRedimensiona;
    std::function<void(QMouseEvent *)> OnMousePress, OnMouseMove, OnMouseRelease;

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QImage imagem_;
    TCanvasQt canvas_;
};
