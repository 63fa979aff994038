// The GIF picture on the Qt side: what we write decodes in Qt's own GIF reader to our pixels,
// drawing with transparency, the clipboard block, registration, assignment and versions.
#include "ErrosFormato.h"
#include "KitGIF.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

namespace {

QImage Listras(int largura, int altura) {
    QImage img(largura, altura, QImage::Format_RGB32);
    const QRgb cores[4] = {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200),
                           qRgb(250, 250, 250)};
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            img.setPixel(x, y, cores[(x / 3 + y) % 4]);
    return img;
}

} // namespace

TEST(GifImagem, QtLeOQueEscrevemos) {
    TGIFImage g;
    const QImage origem = Listras(37, 23);
    g.Assign(origem);
    g.Conteudo().Frames[0].Entrelacado = true;
    g.Conteudo().Frames[0].Item->Dados.clear(); // re-encode interlaced
    const QByteArray dados = g.SaveToStream();
    EXPECT_TRUE(dados.startsWith("GIF87a"));
    QImage lida;
    ASSERT_TRUE(lida.loadFromData(dados, "GIF"));
    ASSERT_EQ(lida.size(), origem.size());
    for (int y = 0; y < origem.height(); ++y)
        for (int x = 0; x < origem.width(); ++x)
            ASSERT_EQ(lida.pixel(x, y) & 0xFFFFFF, origem.pixel(x, y) & 0xFFFFFF) << x << "," << y;
    // A second frame makes the file 89a; Qt reads both.
    g.AddImage(Listras(37, 23).mirrored());
    const QByteArray dois = g.SaveToStream();
    EXPECT_TRUE(dois.startsWith("GIF89a"));
    QBuffer buffer;
    buffer.setData(dois);
    QImageReader leitor(&buffer, "GIF");
    EXPECT_EQ(leitor.imageCount(), 2);

    EXPECT_EQ(g.Width(), 37);
    try {
        g.SetWidth(10);
        ADD_FAILURE();
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "Cannot change the Size of a GIF image");
    }
}

TEST(GifImagem, DesenhoDeixaDeForaSoOIndiceTransparente) {
    // Two table entries of the same colour; only index 1 is transparent.
    QImage img(4, 1, QImage::Format_Indexed8);
    img.setColorTable({qRgb(10, 10, 10), qRgb(10, 10, 10), qRgb(0, 0, 255), qRgb(0, 255, 0)});
    for (int x = 0; x < 4; ++x)
        img.setPixel(x, 0, uint(x));
    TGIFImage g;
    g.Assign(img);
    g.Conteudo().Frames[0].CorTransparente = CorGIF(10, 10, 10);
    g.Conteudo().Frames[0].IndiceTransparente = 1;
    TGIFImage lida;
    lida.LoadFromStream(g.SaveToStream());
    EXPECT_EQ(lida.Conteudo().Frames[0].IndiceTransparente, 1);
    lida.SetTransparent(true);
    QImage tela(4, 1, QImage::Format_RGB32);
    tela.fill(qRgb(255, 0, 0));
    {
        QPainter p(&tela);
        lida.Draw(p, tela.rect());
    }
    EXPECT_EQ(tela.pixel(0, 0) & 0xFFFFFF, 0x0A0A0Au);
    EXPECT_EQ(tela.pixel(1, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(tela.pixel(2, 0) & 0xFFFFFF, 0x0000FFu);
    // Without the picture's transparent flag everything is drawn.
    lida.SetTransparent(false);
    {
        QPainter p(&tela);
        lida.Draw(p, tela.rect());
    }
    EXPECT_EQ(tela.pixel(1, 0) & 0xFFFFFF, 0x0A0A0Au);
}

TEST(GifImagem, ClipboardRegistroEAtribuicao) {
    RegistraKitGIF();
    EXPECT_TRUE(FiltroFormatos().contains("CompuServe GIF Image (*.gif)"));
    auto nova = CriaFiguraPorExtensao("/x/FOTO.GIF");
    ASSERT_TRUE(nova);
    EXPECT_NE(dynamic_cast<TGIFImage *>(nova.get()), nullptr);

    TGIFImage g;
    QMimeData vazio;
    g.SaveToClipboard(vazio);
    EXPECT_TRUE(vazio.formats().isEmpty());

    g.Assign(Listras(9, 5));
    QMimeData dados;
    g.SaveToClipboard(dados);
    ASSERT_TRUE(dados.hasFormat(kFormatoClipboardGIF));
    EXPECT_TRUE(dados.hasImage());
    const QByteArray bloco = dados.data(kFormatoClipboardGIF);
    EXPECT_EQ(quint32(quint8(bloco[0]) | quint8(bloco[1]) << 8), quint32(bloco.size() - 4));
    auto volta = FiguraDoClipboard(dados);
    ASSERT_TRUE(volta);
    auto *gv = dynamic_cast<TGIFImage *>(volta.get());
    ASSERT_NE(gv, nullptr);
    EXPECT_EQ(gv->SaveToStream(), g.SaveToStream());
    EXPECT_EQ(gv->FrameImage(0).pixel(4, 2), Listras(9, 5).pixel(4, 2));

    // Through the application's clipboard.
    auto *m = new QMimeData;
    g.SaveToClipboard(*m);
    QGuiApplication::clipboard()->setMimeData(m);
    const QMimeData *lido = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(lido, nullptr);
    TGIFImage doClipboard;
    doClipboard.LoadFromClipboard(*lido);
    EXPECT_EQ(doClipboard.SaveToStream(), g.SaveToStream());

    // A bitmap alone is encoded as one frame.
    QMimeData soImagem;
    soImagem.setImageData(Listras(6, 6));
    TGIFImage deImagem;
    deImagem.LoadFromClipboard(soImagem);
    EXPECT_EQ(deImagem.FrameCount(), 1);

    // One frame of another picture, with the colours it decodes with.
    TGIFImage dois;
    dois.Assign(Listras(9, 5));
    dois.AddImage(Listras(9, 5).mirrored(true, false));
    TGIFImage um;
    um.Assign(dois, 1);
    EXPECT_EQ(um.FrameCount(), 1);
    EXPECT_EQ(um.FrameImage(0).pixel(0, 0), Listras(9, 5).mirrored(true, false).pixel(0, 0));

    // The form-resource block refuses a size beyond its bytes.
    QByteArray recurso = g.WriteData();
    TGIFImage r;
    r.ReadData(recurso);
    EXPECT_EQ(r.FrameCount(), 1);
    recurso.chop(1);
    EXPECT_THROW(r.ReadData(recurso), EInvalidGraphic);
    RemoveKitGIF();
    EXPECT_FALSE(CriaFiguraPorExtensao("a.gif"));
}

// An assigned picture is a copy: a frame added to either leaves the other's size and frames.
TEST(GifImagem, AtribuicaoCopiaATela) {
    for (const bool naCopia : {true, false}) {
        SCOPED_TRACE(naCopia);
        TGIFImage origem;
        origem.Assign(Listras(9, 5));
        TGIFImage copia;
        copia.Assign(origem);
        TGIFImage &escrita = naCopia ? copia : origem;
        const TGIFImage &outra = naCopia ? origem : copia;
        escrita.AddImage(Listras(20, 12));
        EXPECT_EQ(escrita.Width(), 20);
        EXPECT_EQ(outra.Width(), 9);
        EXPECT_EQ(outra.Height(), 5);
        EXPECT_EQ(outra.FrameCount(), 1);
        EXPECT_EQ(outra.FrameImage(0).pixel(4, 2), Listras(9, 5).pixel(4, 2));
    }
}
