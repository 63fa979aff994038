// The speed button's glyph painter: the glyph's state pictures and the places of glyph, caption
// and drop-down mark on the button's face.
#pragma once

#include "KitHover.h"
#include "KitUtils.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

class QFontMetrics;
class QPainter;

enum TKitButtonState { StateUp, StateDisabled, StateDown, StateExclusive, StateInactive };
enum TKitButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TKitButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TKitDropDownMenuPos { dmpBottom, dmpRight };
enum class TKitMenuAlignment { Left, Right, Center };

// Where a button's glyph, caption and drop-down mark go (client coordinates, before the
// pressed offset).
struct TKitButtonPlaces {
    QRect Glyph;   // empty size without a glyph
    QRect Caption; // the caption's own rectangle
    QString Text;  // the caption as drawn (shortened with "...")
    QPoint Mark;   // the mark's x and y
    bool HasMark = false;
};

// Shared image lists of the glyph painters, one per glyph size; lives while a painter exists.
class TGlyphList;

class TKitButtonGlyph {
public:
    TKitButtonGlyph();
    ~TKitButtonGlyph();
    TKitButtonGlyph(const TKitButtonGlyph &) = delete;
    TKitButtonGlyph &operator=(const TKitButtonGlyph &) = delete;

    const TKitBitmap &Glyph() const { return FOriginal; }
    void SetGlyph(const TKitBitmap &b);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int n);
    QRgb TransparentColor() const { return FTransparentColor; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool b) { FWordWrap = b; }
    TKitAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TKitAlignment a) { FAlignment = a; }
    // The glyph's cell size (0 x 0 without a glyph).
    QSize GlyphSize() const;

    // The picture drawn for a state (made once and cached; null without a glyph).
    QImage StateImage(TKitButtonState s);
    bool Cached(TKitButtonState s) const { return FIndexes[s] >= 0; }

    TKitButtonPlaces CalcPlaces(const QRect &face, const QFontMetrics &fm, const QString &caption,
                                TKitButtonLayout layout, int margin, int spacing, bool mark) const;
    // Draws glyph, caption and mark; returns the places used.
    TKitButtonPlaces Draw(QPainter &p, const QRect &face, const QPoint &offset,
                          const QString &caption, TKitButtonLayout layout, int margin, int spacing,
                          TKitButtonState state, bool mark, const QColor &corTexto);

    // Number of shared image lists alive (for tests).
    static int CachedLists();

private:
    void Invalidate();
    int CreateButtonGlyph(TKitButtonState s);

    TKitBitmap FOriginal;
    QRgb FTransparentColor;
    int FNumGlyphs = 1;
    bool FWordWrap = false;
    TKitAlignment FAlignment = TKitAlignment::Center;
    std::array<int, 5> FIndexes{{-1, -1, -1, -1, -1}};
    TGlyphList *FList = nullptr;
};
