// The abstract drawing canvas, its colours, pens, brushes and fonts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Colour as the platform stores it: 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor RGBCor(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsBDiagonal,
    bsFDiagonal,
    bsCross,
    bsHorizontal,
    bsVertical,
    bsDiagCross
};

struct TPonto {
    int X = 0, Y = 0;
    bool operator==(const TPonto &) const = default;
};

struct TCaneta {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TPincel {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TFonte {
    std::string Name = "Arial";
    int Size = 8;
    TColor Color = clBlack;
};

// A picture's canvas in device pixels (y down). The program implements it on QPainter; tests
// record the calls. Drawing calls use the current Pen, Brush and Font.
class TCanvas {
public:
    virtual ~TCanvas() = default;
    TCaneta Pen;
    TPincel Brush;
    TFonte Font;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polygon(const std::vector<TPonto> &pontos) = 0;
    virtual void Polyline(const std::vector<TPonto> &pontos) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void TextOut(int x, int y, const std::string &texto) = 0;
    virtual int TextWidth(const std::string &texto) = 0;
    virtual int TextHeight(const std::string &texto) = 0;
    virtual TColor GetPixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor c) = 0;
    virtual int Largura() const = 0;
    virtual int Altura() const = 0;
};
