#include "AniFile.h"

#include "BitmapBM.h"
#include "ErrosFormato.h"
#include "KitBitmap.h"
#include "KitGraph.h"

#include <QFile>
#include <QPainter>

const TIconFrame &TAnimatedCursorImage::Frames(int i) const {
    if (i < 0 || i >= Count())
        throw EListError(i);
    return *FQuadros[std::size_t(i)];
}

void TAnimatedCursorImage::Clear() {
    FCabecalho = {};
    FTitulo.clear();
    FAutor.clear();
    FQuadros.clear();
    FCores = 0;
}

void TAnimatedCursorImage::LoadFromStream(const QByteArray &dados) {
    const TCursorAnimado a = LeCursorAnimado({dados.constData(), std::size_t(dados.size())});
    Clear();
    FCabecalho = a.Cabecalho;
    FTitulo = a.Titulo;
    FAutor = a.Autor;
    FCores = a.Cores;
    for (const auto &q : a.Quadros) {
        auto f = std::make_unique<TIconFrame>();
        f->FIcone.LoadFromStream(
            QByteArray(reinterpret_cast<const char *>(q.Icone.data()), qsizetype(q.Icone.size())));
        f->Width = q.Largura;
        f->Height = q.Altura;
        f->BitsPerPixel = q.Bits;
        f->Rate = q.Taxa;
        f->IconIndex = q.IndiceIcone;
        FQuadros.push_back(std::move(f));
    }
}

void TAnimatedCursorImage::LoadFromFile(const QString &arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw EReadError();
    LoadFromStream(f.readAll());
}

void TAnimatedCursorImage::ReadData(const QByteArray &bloco) {
    if (bloco.size() < 4)
        throw EReadError();
    quint32 n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | quint8(bloco[i]);
    if (n > quint32(bloco.size() - 4))
        throw EReadError();
    LoadFromStream(bloco.mid(4, int(n)));
}

void TAnimatedCursorImage::SaveToStream(QByteArray &) const {
    throw EInvalidOperation("Cannot save an animated cursor");
}

void TAnimatedCursorImage::AssignTo(TIcon &icone) const {
    if (FQuadros.empty())
        icone.LoadFromStream(QByteArray());
    else
        icone.Assign(FQuadros.front()->Icon());
}

QImage TAnimatedCursorImage::Strip(bool vertical, const QColor &fundo, bool reduz) const {
    if (FQuadros.empty())
        return QImage();
    const int w = FQuadros.front()->Width, h = FQuadros.front()->Height, n = Count();
    const std::int64_t largura = vertical ? w : std::int64_t(w) * n;
    const std::int64_t altura = vertical ? std::int64_t(h) * n : h;
    if (w <= 0 || h <= 0 || largura * altura > kMaxPixels)
        throw EReadError();
    QImage img(int(largura), int(altura), QImage::Format_RGB32);
    img.fill(fundo);
    {
        QPainter p(&img);
        for (int i = 0; i < n; ++i) {
            const QRect lugar = vertical ? QRect(0, i * h, w, h) : QRect(i * w, 0, w, h);
            FQuadros[std::size_t(i)]->Icon().Draw(p, lugar);
        }
    }
    if (!reduz)
        return img;
    const int cores = std::max(FCores > 0 ? FCores : 256, 16);
    return ImagemDoBitmap(ConverteBitmapPorCores(BitmapDaImagem(img), cores));
}
