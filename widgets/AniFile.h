// Animated cursors read into frames of icons with their rates; the frames as one strip
// bitmap. Writing is not supported.
#pragma once

#include "CursorAnimado.h"
#include "Icone.h"

#include <QColor>
#include <QImage>

#include <memory>
#include <vector>

class TIconFrame {
public:
    TIcon &Icon() { return FIcone; }
    const TIcon &Icon() const { return FIcone; }
    int Width = 0, Height = 0, BitsPerPixel = 0;
    std::uint32_t Rate = 0; // sixtieths of a second
    int IconIndex = 0;      // -1: an icon no sequence names

private:
    friend class TAnimatedCursorImage;
    TIcon FIcone;
};

class TAnimatedCursorImage {
public:
    const TCabecalhoAni &Header() const { return FCabecalho; }
    const std::string &Title() const { return FTitulo; }
    const std::string &Creator() const { return FAutor; }
    int Count() const { return int(FQuadros.size()); }
    const TIconFrame &Frames(int i) const;
    const TIcon &Icons(int i) const { return Frames(i).Icon(); }
    // Colour count of the icons' images (2, 16 or 256; 0 when none is palette-based).
    int ColorCount() const { return FCores; }

    void LoadFromStream(const QByteArray &dados);
    void LoadFromFile(const QString &arquivo);
    // Form-resource block: a 32-bit size, then the file image.
    void ReadData(const QByteArray &bloco);
    // Refused: writing is not supported.
    void SaveToStream(QByteArray &) const;
    void Clear();

    // The first frame's icon (an empty icon without frames).
    void AssignTo(TIcon &icone) const;
    // The frames side by side (or one above the other) on `fundo`, reduced to the cursor's
    // colour count but never below 16 colours when `reduz`.
    QImage Strip(bool vertical, const QColor &fundo, bool reduz) const;

private:
    TCabecalhoAni FCabecalho;
    std::string FTitulo, FAutor;
    std::vector<std::unique_ptr<TIconFrame>> FQuadros;
    int FCores = 0;
};
