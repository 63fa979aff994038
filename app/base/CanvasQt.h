// The engine's canvas on a QImage: drawing calls go through one QPainter that stays open
// between calls (opening one per call would make large meshes slow) and is closed before the
// image is read, shown or resized.
#pragma once

#include "uPlataforma.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <memory>

QColor CorQt(TColor c);
TColor CorPlataforma(const QColor &c);

class TCanvasQt : public TCanvas {
public:
    // The image is not owned and must outlive the canvas.
    explicit TCanvasQt(QImage *imagem);
    ~TCanvasQt() override;

    // Ends the open painter, so the image can be shown, copied or replaced.
    void Termina();
    QImage *Imagem() const { return imagem_; }
    // Replaces the image drawn on (not owned).
    void SetImagem(QImage *imagem);

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
    int Largura() const override;
    int Altura() const override;

private:
    QPainter &Pintor();
    void AplicaCaneta();
    void AplicaPincel();
    void AplicaFonte();

    QImage *imagem_;
    std::unique_ptr<QPainter> pintor_;
    int x_ = 0, y_ = 0; // pen position
    // What the painter was last given, so unchanged settings are not sent again.
    TCaneta caneta_;
    TPincel pincel_;
    TFonte fonte_;
    bool canetaValida_ = false, pincelValido_ = false, fonteValida_ = false;
};
