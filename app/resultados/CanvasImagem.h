// The engine canvas on a QImage (RGB32): QPainter for lines, polygons and text, and direct
// access to the pixels for the isocolour fill.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "uIsoCores.h"
#include "uPlataforma.h"

QColor CorQt(TColor c);
TColor CorDoQt(const QColor &c);

class TCanvasImagem : public TCanvas {
public:
    // The image is not owned; it must outlive the canvas.
    explicit TCanvasImagem(QImage &imagem);
    ~TCanvasImagem() override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(const std::vector<TPonto> &pontos) override;
    void Polyline(const std::vector<TPonto> &pontos) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string &texto) override;
    int TextWidth(const std::string &texto) override;
    int TextHeight(const std::string &texto) override;
    TColor GetPixel(int x, int y) override;
    void SetPixel(int x, int y, TColor c) override;
    int Largura() const override { return imagem_.width(); }
    int Altura() const override { return imagem_.height(); }

    // The image's pixels for direct writing (ends the painter first so the data is not shared).
    TBufferPixels Pixels();
    // Ends painting, so the image can be shown or saved.
    void Termina();

private:
    QPainter &Pintor();
    void AplicaCaneta(QPainter &p);
    void AplicaPincel(QPainter &p);
    QImage &imagem_;
    std::unique_ptr<QPainter> pintor_;
    TPonto posicao_;
};
