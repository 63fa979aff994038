// Bitmaps of the picture formats as QImage and back.
#pragma once

#include "BitmapBM.h"

#include <QImage>

// 1-, 4- or 8-bit picture as QImage (indexed), and any QImage as a bitmap file image: indexed
// images of up to 256 colours keep their indexes (8 bits), others become 24 bits.
QImage ImagemDoBitmap(const TBitmapBM &bmp);
TBitmapBM BitmapDaImagem(const QImage &imagem);
