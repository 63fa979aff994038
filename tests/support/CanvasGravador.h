// A canvas that records every drawing call with the pen, brush and font in force.
#pragma once

#include <string>
#include <vector>

#include "uPlataforma.h"

struct TChamadaCanvas {
    std::string Tipo; // "MoveTo", "LineTo", "Polygon", "Rectangle", "TextOut", ...
    std::vector<TPonto> Pontos;
    std::string Texto;
    TCaneta Pen;
    TPincel Brush;
    TFonte Font;
};

class TCanvasGravador : public TCanvas {
public:
    TCanvasGravador(int largura, int altura) : largura_(largura), altura_(altura) {}

    void MoveTo(int x, int y) override { Grava("MoveTo", {{x, y}}); }
    void LineTo(int x, int y) override { Grava("LineTo", {{x, y}}); }
    void Polygon(const std::vector<TPonto> &p) override { Grava("Polygon", p); }
    void Polyline(const std::vector<TPonto> &p) override { Grava("Polyline", p); }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Grava("Rectangle", {{x1, y1}, {x2, y2}});
    }
    void FillRect(int x1, int y1, int x2, int y2) override {
        Grava("FillRect", {{x1, y1}, {x2, y2}});
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Grava("Ellipse", {{x1, y1}, {x2, y2}});
    }
    void TextOut(int x, int y, const std::string &t) override { Grava("TextOut", {{x, y}}, t); }
    int TextWidth(const std::string &t) override { return 6 * int(t.size()); }
    int TextHeight(const std::string &) override { return 10; }
    TColor GetPixel(int, int) override { return clWhite; }
    void SetPixel(int x, int y, TColor) override { Grava("SetPixel", {{x, y}}); }
    int Largura() const override { return largura_; }
    int Altura() const override { return altura_; }

    std::vector<TChamadaCanvas> Chamadas;

    std::vector<TChamadaCanvas> DoTipo(const std::string &tipo) const {
        std::vector<TChamadaCanvas> r;
        for (const auto &c : Chamadas)
            if (c.Tipo == tipo)
                r.push_back(c);
        return r;
    }

private:
    void Grava(const char *tipo, std::vector<TPonto> pontos, std::string texto = {}) {
        Chamadas.push_back({tipo, std::move(pontos), std::move(texto), Pen, Brush, Font});
    }
    int largura_, altura_;
};
