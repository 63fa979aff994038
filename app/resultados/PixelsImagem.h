// The pixels of a picture drawn through the engine canvas, for the isocolour fill.
#pragma once

#include <QImage>

#include "CanvasQt.h"
#include "uIsoCores.h"

// Ends the canvas' painter and gives the image's pixels (none unless the image is RGB32).
inline TBufferPixels PixelsDaImagem(TCanvasQt &canvas) {
    canvas.Termina();
    TBufferPixels b;
    QImage *im = canvas.Imagem();
    if (!im || im->isNull() || im->format() != QImage::Format_RGB32)
        return b;
    b.Pixels = reinterpret_cast<std::uint32_t *>(im->bits());
    b.Largura = im->width();
    b.Altura = im->height();
    b.Passo = int(im->bytesPerLine() / 4);
    return b;
}
