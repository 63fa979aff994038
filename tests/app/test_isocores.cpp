// Isocolour drawing: the colour ramp and its readout, the map painted pixel by pixel against
// one polygon per sub-triangle, outlines, the scale and its labels.
#include "CanvasQt.h"
#include "PixelsImagem.h"
#include "uIsoCores.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <random>

namespace {

int R(TColor c) {
    return int(c & 0xFF);
}
int G(TColor c) {
    return int((c >> 8) & 0xFF);
}
int B(TColor c) {
    return int((c >> 16) & 0xFF);
}

QImage Imagem(int w, int h) {
    QImage im(w, h, QImage::Format_RGB32);
    im.fill(Qt::black);
    return im;
}

struct Triangulo {
    TPontoValor p[3];
};

// A drawing kept with its canvas, for the readout after painting.
struct Desenho {
    std::unique_ptr<TCanvasQt> c;
    std::unique_ptr<TIsoCores> iso;
};

// Paints the triangles with the window and value range of their points.
Desenho Pinta(QImage &im, const std::vector<Triangulo> &ts, int divisoes, bool rapido,
              bool cores = true, bool contorno = false) {
    Desenho d;
    d.c = std::make_unique<TCanvasQt>(&im);
    d.iso = std::make_unique<TIsoCores>(d.c.get());
    TPontoValor mn = ts[0].p[0], mx = ts[0].p[0];
    for (const auto &t : ts)
        for (const auto &p : t.p) {
            mn = {std::min(mn.X, p.X), std::min(mn.Y, p.Y), std::min(mn.Z, p.Z)};
            mx = {std::max(mx.X, p.X), std::max(mx.Y, p.Y), std::max(mx.Z, p.Z)};
        }
    d.iso->SetMinimo(mn);
    d.iso->SetMaximo(mx);
    d.iso->SetDivisoes(divisoes);
    d.iso->SetCores(cores);
    d.iso->SetContorno(contorno);
    if (rapido)
        d.iso->SetPixels(PixelsDaImagem(*d.c));
    for (const auto &t : ts)
        d.iso->DesenhaElemento(t.p[0], t.p[1], t.p[2]);
    d.c->Termina();
    return d;
}

// Two triangles of the square [0, 10] x [0, 10] with a field z = 10 + 2x + 3y at the corners.
std::vector<Triangulo> DoisTriangulos() {
    auto z = [](double x, double y) { return 10 + 2 * x + 3 * y; };
    auto p = [&](double x, double y) { return TPontoValor{x, y, z(x, y)}; };
    return {{{p(0, 0), p(10, 0), p(10, 10)}}, {{p(0, 0), p(10, 10), p(0, 10)}}};
}

} // namespace

TEST(Rampa, BandasLeituraECoresForaDaRampa) {
    EXPECT_EQ(CorDaRampa(0, 0, 1), RGBCor(0, 0, 255));
    EXPECT_EQ(CorDaRampa(0.25, 0, 1), RGBCor(0, 255, 255));
    EXPECT_EQ(CorDaRampa(0.5, 0, 1), RGBCor(0, 255, 0));
    EXPECT_EQ(CorDaRampa(0.75, 0, 1), RGBCor(255, 255, 0));
    EXPECT_EQ(CorDaRampa(1, 0, 1), RGBCor(255, 0, 0));
    EXPECT_EQ(CorDaRampa(0.125, 0, 1), RGBCor(0, 128, 255)); // 127.5 to even
    // A uniform field paints the bottom colour and reads back its value.
    EXPECT_EQ(CorDaRampa(7, 7, 7), RGBCor(0, 0, 255));
    double v = -1;
    ASSERT_TRUE(ValorDaCor(CorDaRampa(7, 7, 7), 7, 7, v));
    EXPECT_EQ(v, 7);

    // 1024 values across the ramp read back within half a colour step.
    const double zmin = -12.5, zmax = 61.0, passo = (zmax - zmin) / (4 * 255.0);
    for (int i = 0; i < 1024; ++i) {
        const double z = zmin + (zmax - zmin) * i / 1023.0;
        double lido = 0;
        ASSERT_TRUE(ValorDaCor(CorDaRampa(z, zmin, zmax), zmin, zmax, lido)) << i;
        EXPECT_LE(std::fabs(lido - z), passo / 2 + 1e-9) << i;
    }
    // Background, outline, contour and label colours are not ramp colours.
    for (TColor c : {clBlack, clWhite, clGray, clSilver, clFuchsia, RGBCor(254, 0, 0),
                     RGBCor(255, 10, 3), RGBCor(3, 255, 7)})
        EXPECT_FALSE(ValorDaCor(c, zmin, zmax, v)) << std::hex << c;
}

TEST(Mapa, CentroidesDosSubtriangulosMostramACorDoCampo) {
    const auto ts = DoisTriangulos();
    for (int n : {1, 2, 7, 20})
        for (bool rapido : {false, true}) {
            QImage im = Imagem(420, 420);
            Desenho d = Pinta(im, ts, n, rapido);
            TIsoCores *iso = d.iso.get();
            const double zmin = 10, zmax = 60;
            int verificados = 0;
            for (const auto &t : ts)
                for (int i = 0; i < n; ++i)
                    for (int j = 0; i + j < n; ++j)
                        for (int sup = 0; sup < 2; ++sup) {
                            if (sup && i + j > n - 2)
                                continue;
                            const double s = sup ? 2.0 / 3 : 1.0 / 3;
                            const double u = (i + s) / n, w = (j + s) / n;
                            const double x =
                                t.p[0].X + u * (t.p[1].X - t.p[0].X) + w * (t.p[2].X - t.p[0].X);
                            const double y =
                                t.p[0].Y + u * (t.p[1].Y - t.p[0].Y) + w * (t.p[2].Y - t.p[0].Y);
                            const double z = 10 + 2 * x + 3 * y;
                            const TPonto px = iso->ParaPixel(x, y);
                            const TColor esperado = CorDaRampa(z, zmin, zmax);
                            const TColor lido = im.pixel(px.X, px.Y) & 0xFFFFFF;
                            EXPECT_EQ(CorPlataforma(QColor::fromRgb(lido)), esperado)
                                << "n=" << n << " rapido=" << rapido << " i=" << i << " j=" << j;
                            ++verificados;
                        }
            EXPECT_EQ(verificados, 2 * n * n);
            // The readout of a centroid gives its world point and value.
            double x, y, z;
            bool tem;
            iso->PontoDoPixel(iso->ParaPixel(5, 5).X, iso->ParaPixel(5, 5).Y, x, y, z, tem);
            EXPECT_NEAR(x, 5, 0.1);
            EXPECT_NEAR(y, 5, 0.1);
        }
}

TEST(Mapa, GradeEmBrancoESemCoresTudoBranco) {
    const auto ts = DoisTriangulos();
    QImage im = Imagem(300, 300);
    Desenho d = Pinta(im, ts, 7, true, true, true);
    TIsoCores *iso = d.iso.get();
    // The diagonal and the edges are outlined in white.
    for (double f : {0.3, 0.5, 0.7}) {
        const TPonto d = iso->ParaPixel(10 * f, 10 * f), b = iso->ParaPixel(10 * f, 0);
        EXPECT_EQ(im.pixel(d.X, d.Y) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(im.pixel(b.X, b.Y) & 0xFFFFFF, 0xFFFFFFu);
    }
    QImage branco = Imagem(300, 300);
    Desenho db = Pinta(branco, ts, 20, true, false, false);
    iso = db.iso.get();
    const TPonto a = iso->ParaPixel(0.5, 0.2), b = iso->ParaPixel(9.5, 9.8);
    int brancos = 0, total = 0;
    for (int y = std::min(a.Y, b.Y); y <= std::max(a.Y, b.Y); ++y)
        for (int x = a.X; x <= b.X; ++x, ++total)
            brancos += (branco.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
    EXPECT_EQ(brancos, total);
    // Off-ramp colours read back as a position without a value.
    double x, y, z;
    bool tem = true;
    iso->PontoDoPixel(a.X, a.Y, x, y, z, tem);
    EXPECT_FALSE(tem);
}

namespace {

// A graded mesh (cells shrinking geometrically) or a fan of thin triangles, with a smooth field.
std::vector<Triangulo> Malha(bool fina, unsigned semente) {
    std::mt19937 g(semente);
    std::uniform_real_distribution<double> r(-1, 1);
    auto z = [](double x, double y) { return 20 + 15 * std::sin(x / 3) + 0.4 * x * y; };
    std::vector<Triangulo> ts;
    if (!fina) {
        std::vector<double> xs{0};
        for (int i = 0; i < 14; ++i)
            xs.push_back(xs.back() + 0.2 * std::pow(1.3, i));
        const int ny = 9;
        for (std::size_t i = 0; i + 1 < xs.size(); ++i)
            for (int j = 0; j < ny; ++j) {
                auto p = [&](double x, double y) { return TPontoValor{x, y, z(x, y)}; };
                const double y0 = 12.0 * j / ny, y1 = 12.0 * (j + 1) / ny;
                ts.push_back({{p(xs[i], y0), p(xs[i + 1], y0), p(xs[i + 1], y1)}});
                ts.push_back({{p(xs[i], y0), p(xs[i + 1], y1), p(xs[i], y1)}});
            }
    } else {
        for (int k = 0; k < 60; ++k) {
            const double a0 = k * 0.05, a1 = (k + 1) * 0.05;
            auto p = [&](double x, double y) { return TPontoValor{x, y, z(x, y) + r(g)}; };
            ts.push_back({{p(0, 0), p(30 * std::cos(a0), 30 * std::sin(a0)),
                           p(30 * std::cos(a1), 30 * std::sin(a1))}});
        }
    }
    return ts;
}

} // namespace

TEST(Mapa, PreenchimentoRapidoDifereSoNasArestasDosSubtriangulos) {
    for (bool fina : {false, true})
        for (int n : {2, 7, 20}) {
            const auto ts = Malha(fina, 7);
            QImage lento = Imagem(640, 400), rapido = Imagem(640, 400);
            Desenho d = Pinta(lento, ts, n, false);
            TIsoCores *iso = d.iso.get();
            Pinta(rapido, ts, n, true);
            // The edges of every sub-triangle as the plain drawing places them, one pixel wide,
            // widened by one pixel.
            QImage arestas(640, 400, QImage::Format_RGB32);
            arestas.fill(Qt::black);
            {
                QPainter p(&arestas);
                p.setPen(QPen(Qt::white, 3));
                for (const auto &t : ts) {
                    for (int i = 0; i <= n; ++i) {
                        // Lines of constant u, v and u + v through the subdivision points.
                        auto pt = [&](double u, double v) {
                            const double x =
                                t.p[0].X + u * (t.p[1].X - t.p[0].X) + v * (t.p[2].X - t.p[0].X);
                            const double y =
                                t.p[0].Y + u * (t.p[1].Y - t.p[0].Y) + v * (t.p[2].Y - t.p[0].Y);
                            const TPonto q = iso->ParaPixel(x, y);
                            return QPoint(q.X, q.Y);
                        };
                        const double a = double(i) / n, b = 1.0 - a;
                        p.drawLine(pt(a, 0), pt(a, b));
                        p.drawLine(pt(0, a), pt(b, a));
                        p.drawLine(pt(a, 0), pt(0, a));
                    }
                }
            }
            int diferentes = 0, pintados = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 640; ++x) {
                    const QRgb a = lento.pixel(x, y), b = rapido.pixel(x, y);
                    pintados += (a & 0xFFFFFF) != 0;
                    if (a == b)
                        continue;
                    ++diferentes;
                    EXPECT_EQ(arestas.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu)
                        << "fina=" << fina << " n=" << n << " at " << x << "," << y;
                }
            EXPECT_GT(pintados, 10000);
            if (!fina && n == 2) {
                EXPECT_LT(diferentes, pintados / 10);
            }
        }
}

TEST(Escala, CoresPorLinhaERotulos) {
    QImage im = Imagem(20, 256);
    TCanvasQt c(&im);
    TIsoCores iso(&c);
    iso.SetMinimo({0, 0, 12});
    iso.SetMaximo({1, 1, 30});
    iso.SetNumRotulos(10);
    iso.DesenhaEscala(c, 100, 40);
    c.Termina();
    auto cor = [&](int y) { return CorPlataforma(QColor::fromRgb(im.pixel(10, y))); };
    EXPECT_EQ(cor(0), RGBCor(255, 0, 0));
    EXPECT_EQ(cor(64), RGBCor(255, 255, 0));
    EXPECT_EQ(cor(128), RGBCor(0, 255, 0));
    EXPECT_EQ(cor(192), RGBCor(0, 255, 255));
    EXPECT_EQ(R(cor(255)), 0);
    EXPECT_EQ(B(cor(255)), 255);
    EXPECT_LE(G(cor(255)), 5);
    const auto &r = iso.GetRotulos();
    ASSERT_EQ(r.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(r[i].Esquerda, 120);
        EXPECT_EQ(r[i].Topo, 40 - 6 + 28 * i);
    }
    EXPECT_EQ(r[0].Texto, "<<     30");
    EXPECT_EQ(r[1].Texto, "<<     28");
    EXPECT_EQ(r[9].Texto, "<<     12");
    iso.SetNumRotulos(4);
    iso.DesenhaEscala(c, 100, 40);
    EXPECT_EQ(iso.GetRotulos().size(), 4u);
    EXPECT_EQ(iso.GetRotulos()[3].Texto, "<<     12");
}
