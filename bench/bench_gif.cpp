// GIF codec and colour reduction: decoding and encoding in megapixels per second on
// photo-like 256-colour pictures and a flat drawing, beside Qt's GIF reader (and its PNG writer
// for encoding); each reduction method on a photo-like picture beside Qt's conversion to an
// 8-bit indexed image.
#include "GifDados.h"
#include "GifLzw.h"
#include "KitBitmap.h"
#include "KitGraph.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>

namespace {

double Segundos(const std::function<void()> &f, int repeticoes) {
    double melhor = 1e30;
    for (int r = 0; r < repeticoes; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        melhor = std::min(
            melhor, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return melhor;
}

// Smooth colour fields with grain: what a photograph looks like to a palette.
TBitmapBM FotoRgb(int largura, int altura, unsigned semente) {
    TBitmapBM b(largura, altura, 24);
    std::mt19937 g(semente);
    std::uniform_int_distribution<int> grao(-6, 6);
    for (int y = 0; y < altura; ++y) {
        std::uint8_t *p = b.Linha(y);
        for (int x = 0; x < largura; ++x, p += 3) {
            const double u = double(x) / largura, v = double(y) / altura;
            auto canal = [&](double c) {
                return std::uint8_t(std::clamp(int(c) + grao(g), 0, 255));
            };
            p[2] = canal(128 + 110 * std::sin(6 * u + 2 * v));
            p[1] = canal(128 + 100 * std::cos(5 * v - 3 * u));
            p[0] = canal(128 + 90 * std::sin(4 * (u + v)));
        }
    }
    return b;
}

TBitmapBM Desenho(int largura, int altura) {
    TBitmapBM b(largura, altura, 8);
    for (int k = 0; k < 8; ++k)
        b.Paleta[std::size_t(k)] = CorRGB(k * 30, 255 - k * 30, 128);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            b.Linha(y)[x] = std::uint8_t(((x / 97) + (y / 61)) % 8);
    return b;
}

QByteArray Gif(const TBitmapBM &b) {
    TGIFConteudo c;
    c.AdicionaBitmap(b);
    const auto bytes = c.Escreve();
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void Codec(const char *nome, const TBitmapBM &b, int repeticoes) {
    const double mp = double(b.Largura()) * b.Altura() / 1e6;
    const QByteArray gif = Gif(b);
    const double dec = Segundos(
        [&] {
            TGIFConteudo c;
            c.Le({gif.constData(), std::size_t(gif.size())});
        },
        repeticoes);
    const double decQt = Segundos(
        [&] {
            QImage img;
            img.loadFromData(gif, "GIF");
        },
        repeticoes);
    const double enc = Segundos([&] { (void)CodificaLZW(b, false); }, repeticoes);
    const QImage img = ImagemDoBitmap(b);
    const double encPng = Segundos(
        [&] {
            QBuffer buf;
            buf.open(QIODevice::WriteOnly);
            img.save(&buf, "PNG");
        },
        repeticoes);
    std::printf("name=gif_decode_%s n=%.2fMP seconds=%.4f mp_per_s=%.1f qt_seconds=%.4f "
                "qt_mp_per_s=%.1f ratio_qt_over_ours=%.2f\n",
                nome, mp, dec, mp / dec, decQt, mp / decQt, decQt / dec);
    std::printf("name=gif_encode_%s n=%.2fMP seconds=%.4f mp_per_s=%.1f qt_png_seconds=%.4f "
                "bytes=%lld\n",
                nome, mp, enc, mp / enc, encPng, static_cast<long long>(gif.size()));
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const int lado1 = smoke ? 64 : 1000;
    const int repeticoes = smoke ? 1 : 3;
    const TBitmapBM foto = FotoRgb(lado1, lado1, 1);
    const TBitmapBM foto8 = ConverteBitmap(foto, 8, 1);
    Codec("photo_1mp", foto8, repeticoes);
    if (!smoke) {
        const TBitmapBM grande = ConverteBitmap(FotoRgb(4000, 4000, 2), 8, 1);
        Codec("photo_16mp", grande, 1);
    }
    Codec("flat_drawing", Desenho(lado1, lado1), repeticoes);

    const double mp = double(lado1) * lado1 / 1e6;
    for (int metodo = 0; metodo <= 5; ++metodo) {
        const double s = Segundos([&] { (void)ConverteBitmap(foto, 8, metodo); }, repeticoes);
        std::printf("name=reduce_method_%d n=%.2fMP seconds=%.4f\n", metodo, mp, s);
    }
    const QImage qimg = ImagemDoBitmap(foto);
    const double sq =
        Segundos([&] { (void)qimg.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither); },
                 repeticoes);
    std::printf("name=reduce_qt_indexed8 n=%.2fMP seconds=%.4f\n", mp, sq);
    return 0;
}
