#include "KitBitmap.h"

#include "ErrosFormato.h"

#include <cstring>

QImage ImagemDoBitmap(const TBitmapBM &bmp) {
    if (bmp.Vazio())
        return QImage();
    if (bmp.Bits() == 24) {
        QImage img(bmp.Largura(), bmp.Altura(), QImage::Format_RGB32);
        for (int y = 0; y < bmp.Altura(); ++y) {
            auto *q = reinterpret_cast<QRgb *>(img.scanLine(y));
            const std::uint8_t *p = bmp.Linha(y);
            for (int x = 0; x < bmp.Largura(); ++x, p += 3)
                q[x] = qRgb(p[2], p[1], p[0]);
        }
        return img;
    }
    QImage img(bmp.Largura(), bmp.Altura(), QImage::Format_Indexed8);
    QList<QRgb> tabela;
    for (const TCorBGR &c : bmp.Paleta)
        tabela << qRgb(c.r, c.g, c.b);
    img.setColorTable(tabela);
    for (int y = 0; y < bmp.Altura(); ++y) {
        uchar *q = img.scanLine(y);
        if (bmp.Bits() == 8) {
            std::memcpy(q, bmp.Linha(y), std::size_t(bmp.Largura()));
        } else {
            for (int x = 0; x < bmp.Largura(); ++x)
                q[x] = uchar(bmp.Indice(x, y));
        }
    }
    return img;
}

TBitmapBM BitmapDaImagem(const QImage &imagem) {
    if (imagem.isNull())
        throw EInvalidGraphic("Invalid image");
    if (std::int64_t(imagem.width()) * imagem.height() > kMaxPixels)
        throw EInvalidGraphic(textos_gif::kLeitura);
    if (imagem.format() == QImage::Format_Indexed8 && imagem.colorCount() <= 256) {
        TBitmapBM b(imagem.width(), imagem.height(), 8);
        const QList<QRgb> t = imagem.colorTable();
        for (int k = 0; k < t.size(); ++k)
            b.Paleta[std::size_t(k)] = CorRGB(qRed(t[k]), qGreen(t[k]), qBlue(t[k]));
        b.CoresUsadas = std::uint32_t(t.size() < 256 ? t.size() : 0);
        for (int y = 0; y < imagem.height(); ++y)
            std::memcpy(b.Linha(y), imagem.constScanLine(y), std::size_t(imagem.width()));
        return b;
    }
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
    TBitmapBM b(rgb.width(), rgb.height(), 24);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        std::uint8_t *q = b.Linha(y);
        for (int x = 0; x < rgb.width(); ++x, q += 3) {
            q[0] = std::uint8_t(qBlue(p[x]));
            q[1] = std::uint8_t(qGreen(p[x]));
            q[2] = std::uint8_t(qRed(p[x]));
        }
    }
    return b;
}
