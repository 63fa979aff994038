// The GIF picture: reads and writes GIF 87a and 89a files with any number of frames, decodes
// a frame on demand, draws the current frame, takes pictures from QImage, and moves through the
// clipboard as the "GIF Image" format with the first frame's image beside it.
#pragma once

#include "Figuras.h"
#include "GifDados.h"

#include <QImage>

class TAnimatedCursorImage;

// The clipboard format of GIF data: a 32-bit size followed by the GIF file image.
inline const QString kFormatoClipboardGIF = QStringLiteral("GIF Image");

class TGIFImage : public TGraphic {
public:
    TGIFImage() = default;

    bool Empty() const override { return FConteudo.Frames.empty(); }
    int Width() const override;
    int Height() const override;
    // Refused: "Cannot change the Size of a GIF image".
    void SetWidth(int w) override;
    void SetHeight(int h) override;
    void Draw(QPainter &p, const QRect &destino) const override;

    void LoadFromStream(const QByteArray &dados) override;
    QByteArray SaveToStream() const override;
    void LoadFromFile(const QString &arquivo);
    void SaveToFile(const QString &arquivo) const;
    // Form-resource block: a 32-bit size, then that many bytes of GIF data.
    void ReadData(const QByteArray &bloco);
    QByteArray WriteData() const;

    void SaveToClipboard(QMimeData &dados) const override;
    void LoadFromClipboard(const QMimeData &dados) override;

    // Copies the other picture's screen data and frames.
    void Assign(const TGIFImage &outro);
    // Frame `frame` of another picture copied as this picture's only frame.
    void Assign(const TGIFImage &origem, int frame);
    // A picture reduced to at most 256 colours and encoded as one frame.
    void Assign(const QImage &imagem);
    // One frame per cursor frame, each shown for rate x 100 / 6 milliseconds.
    void Assign(const TAnimatedCursorImage &cursor);
    // Adds a picture as a new last frame; returns its index.
    int AddImage(const QImage &imagem);
    void Clear();

    int FrameCount() const { return int(FConteudo.Frames.size()); }
    int FrameIndex() const { return FConteudo.FrameAtual; }
    void SetFrameIndex(int i);
    // Frame i decoded (when not yet) as a QImage; with `recortaTransparente` the pixels of the
    // frame's transparent index get alpha 0.
    QImage FrameImage(int i, bool recortaTransparente = false) const;

    // The model behind the picture (frames, extensions, version, looping).
    TGIFConteudo &Conteudo() { return FConteudo; }
    const TGIFConteudo &Conteudo() const { return FConteudo; }

    // Percentages while decoding and encoding.
    TProgressoGIF OnProgress;

private:
    mutable TGIFConteudo FConteudo;
};

// Start-up registration of the GIF picture: the clipboard format, the "gif" extension as
// "CompuServe GIF Image"; and its removal at shutdown.
void RegistraKitGIF();
void RemoveKitGIF();
