// Bitmap, drawing and message helpers of the widget kit (the Qt side; memory and string helpers
// are in KitMemoria.h, StrUtils.h and MaxMin.h).
#pragma once

#include "KitErros.h"
#include "KitMemoria.h"
#include "KitSistema.h"
#include "MaxMin.h"
#include "StrUtils.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QWidget;

// A bitmap with its transparent colour: the one set, else its lower-left pixel.
struct TKitBitmap {
    QImage Imagem;
    std::optional<QRgb> Transparente;

    bool Vazio() const { return Imagem.isNull() || Imagem.width() < 1 || Imagem.height() < 1; }
    int Largura() const { return Imagem.width(); }
    int Altura() const { return Imagem.height(); }
    QRgb TransparentColor() const;
};

// Images of one size, drawn with their transparency.
class TKitImageList {
public:
    TKitImageList(int largura, int altura) : FLargura(largura), FAltura(altura) {}
    int Width() const { return FLargura; }
    int Height() const { return FAltura; }
    int Count() const { return int(FImagens.size()); }
    // Adds an image (scaled to the list's size when it differs) and returns its index.
    int Add(const QImage &img);
    void Replace(int indice, const QImage &img);
    const QImage &Image(int indice) const { return FImagens[std::size_t(indice)]; }
    void Draw(QPainter &p, int x, int y, int indice) const;

private:
    int FLargura, FAltura;
    std::vector<QImage> FImagens;
};

// Raises EKitResourceNotFound "Resource <name> not found" (the number for a numeric one).
[[noreturn]] void RaiseMissingResource(const QString &nome);
[[noreturn]] void RaiseMissingResource(int numero);
// A bitmap resource of a module (an empty module: the kit's own resources).
TKitBitmap LoadModuleBitmap(const QString &modulo, const QString &recurso);
TKitBitmap LoadModuleBitmap(const QString &modulo, int recurso);

// Cuts cell `indice` of a picture divided into colunas x linhas cells into `destino`; a bitmap's
// transparent colour passes on. Nothing happens when either side is missing.
void CopyBitmapCell(const TKitBitmap *origem, TKitBitmap *destino, int colunas, int linhas,
                    int indice);
// Any other picture: drawn shifted onto silver.
void CopyBitmapCell(const QPixmap *origem, TKitBitmap *destino, int colunas, int linhas,
                    int indice);

// Paints what lies under a control at its place: the parent's background and painting, then
// every visible sibling before it in z-order that overlaps it. While it runs, KitCopyPainting()
// is true (a transparent control then paints no copy of its own).
void PaintParentBackground(QWidget *controle, QPainter &p);
bool KitCopyPainting();

// Draws part `origem` of an image stretched into `destino`, leaving `transparente` out.
void StretchWithoutColour(QPainter &p, const QRect &destino, const QImage &img, const QRect &origem,
                          QRgb transparente);
// clKitNone: opaque; clKitDefault: the lower-left pixel (white for a monochrome bitmap) is left
// out; any other colour is left out.
void DrawBitmapPartKeyed(QPainter &p, const QPoint &pos, const TKitBitmap &bmp,
                         TKitColor transparente, const QRect &parte);
void DrawBitmapKeyed(QPainter &p, const QPoint &pos, const TKitBitmap &bmp, TKitColor transparente);

// The engraved disabled look: back colour, the shape (pixels unlike `contorno`) in the
// highlight colour one pixel right and down (when asked), then in the shadow colour in place.
QImage MakeEngravedBitmapWith(const QImage &img, QRgb contorno, const QColor &fundo,
                              const QColor &realce, const QColor &sombra, bool comRealce);
QImage MakeEngravedBitmap(const QImage &img, QRgb contorno);
// The same look for an image of a list (its opaque pixels), drawn on the painter.
void DrawImageEngraved(const TKitImageList &lista, QPainter &p, int x, int y, int indice,
                       const QColor &realce, const QColor &cinza, bool comRealce);
// Every pixel that is neither `transparente` nor `face` turned to its grey level.
QImage GrayedImage(const QImage &img, QRgb transparente, QRgb face);
// The image with the pixels of `transparente` see-through.
QImage KeyedImage(const QImage &img, QRgb transparente);

// Resets the cursor, shows "Function not yet implemented" and aborts silently (EKitAbort).
[[noreturn]] void ReportUnavailable();

// Drops one pending event of a kind for an object: the first that reaches it before every event
// now queued has been delivered. A pending quit request is left as it is.
void DropPendingMessage(QObject *janela, QEvent::Type tipo);

// The text, or while it is wider than `largura`, cut by one more character at each step
// (starting with its last two) and followed by "..."; "..." alone at worst.
QString FitWithEllipsis(const QString &texto, const QFontMetrics &fm, int largura);

inline QString ResourceText(const QString &s) {
    return s;
}
// True when the active window belongs to this program.
bool AppIsForeground();
