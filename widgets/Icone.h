// The program's icon picture: keeps the icon file image it was loaded from and saves exactly
// those bytes; Qt's icon reader decodes the pixels for drawing.
#pragma once

#include "Figuras.h"

#include <QImage>

// The icon clipboard format: the icon's file image.
inline const QString kFormatoClipboardIcone = QStringLiteral("application/x-darv2d-icon");

class TIcon : public TGraphic {
public:
    bool Empty() const override { return FDados.isEmpty(); }
    int Width() const override;
    int Height() const override;
    // Refused: an icon keeps the sizes of its file image.
    void SetWidth(int w) override;
    void SetHeight(int h) override;
    void Draw(QPainter &p, const QRect &destino) const override;

    // An icon file image (a cursor file image is taken as an icon); empty data clears.
    void LoadFromStream(const QByteArray &dados) override;
    QByteArray SaveToStream() const override { return FDados; }
    // The module's icon resource of that name (":/icones/<name>.ico").
    void LoadFromResource(const QString &nome);

    void SaveToClipboard(QMimeData &dados) const override;
    void LoadFromClipboard(const QMimeData &dados) override;

    void Assign(const TIcon &outro);
    // The first image of the icon, decoded.
    QImage Imagem() const;

private:
    QByteArray FDados;
    mutable QImage FImagem;
};
