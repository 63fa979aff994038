// Isocolour drawing: the colour ramp and its readout, the map painted pixel by pixel against
// one polygon per sub-triangle, outlines, the scale and its labels.
#include "CanvasQt.h"
#include "PixelsImagem.h"
#include "uIsoCores.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
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
// The world window is the points' unless `janela` gives its lower-left and upper-right corners.
Desenho Pinta(QImage &im, const std::vector<Triangulo> &ts, int divisoes, bool rapido,
              bool cores = true, bool contorno = false, const TPontoReal *janela = nullptr) {
    Desenho d;
    d.c = std::make_unique<TCanvasQt>(&im);
    d.iso = std::make_unique<TIsoCores>(d.c.get());
    TPontoValor mn = ts[0].p[0], mx = ts[0].p[0];
    for (const auto &t : ts)
        for (const auto &p : t.p) {
            mn = {std::min(mn.X, p.X), std::min(mn.Y, p.Y), std::min(mn.Z, p.Z)};
            mx = {std::max(mx.X, p.X), std::max(mx.Y, p.Y), std::max(mx.Z, p.Z)};
        }
    if (janela) {
        mn.X = janela[0].X;
        mn.Y = janela[0].Y;
        mx.X = janela[1].X;
        mx.Y = janela[1].Y;
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

enum class TipoMalha { Graduada, Leque, Fina, Torta };

// Meshes with a smooth field: cells shrinking geometrically, a fan of thin triangles, a block of
// cells a few pixels wide (as large meshes give), and a jittered grid with random diagonals.
std::vector<Triangulo> Malha(TipoMalha tipo, unsigned semente) {
    std::mt19937 g(semente);
    std::uniform_real_distribution<double> r(-1, 1);
    auto z = [](double x, double y) { return 20 + 15 * std::sin(x / 3) + 0.4 * x * y; };
    auto p = [&](double x, double y) { return TPontoValor{x, y, z(x, y)}; };
    std::vector<Triangulo> ts;
    auto grade = [&](const std::vector<double> &xs, int ny, double altura, double ruido,
                     bool diagonaisAoAcaso) {
        std::vector<std::vector<TPontoValor>> nos(xs.size(), std::vector<TPontoValor>(ny + 1));
        for (std::size_t i = 0; i < xs.size(); ++i)
            for (int j = 0; j <= ny; ++j) {
                const bool borda = i == 0 || i + 1 == xs.size() || j == 0 || j == ny;
                const double d = borda ? 0.0 : ruido;
                nos[i][std::size_t(j)] = p(xs[i] + d * r(g), altura * j / ny + d * r(g));
            }
        for (std::size_t i = 0; i + 1 < xs.size(); ++i)
            for (std::size_t j = 0; j < std::size_t(ny); ++j) {
                const TPontoValor &a = nos[i][j], &b = nos[i + 1][j], &c = nos[i + 1][j + 1],
                                  &d = nos[i][j + 1];
                if (diagonaisAoAcaso && r(g) < 0) {
                    ts.push_back({{a, b, d}});
                    ts.push_back({{b, c, d}});
                } else {
                    ts.push_back({{a, b, c}});
                    ts.push_back({{a, c, d}});
                }
            }
    };
    switch (tipo) {
    case TipoMalha::Graduada: {
        std::vector<double> xs{0};
        for (int i = 0; i < 14; ++i)
            xs.push_back(xs.back() + 0.2 * std::pow(1.3, i));
        grade(xs, 9, 12.0, 0.0, false);
        break;
    }
    case TipoMalha::Leque:
        for (int k = 0; k < 60; ++k) {
            const double a0 = k * 0.05, a1 = (k + 1) * 0.05;
            auto q = [&](double x, double y) { return TPontoValor{x, y, z(x, y) + r(g)}; };
            ts.push_back({{q(0, 0), q(30 * std::cos(a0), 30 * std::sin(a0)),
                           q(30 * std::cos(a1), 30 * std::sin(a1))}});
        }
        break;
    case TipoMalha::Fina: {
        std::vector<double> xs;
        for (int i = 0; i <= 100; ++i)
            xs.push_back(0.1 * i);
        grade(xs, 50, 5.0, 0.0, false);
        break;
    }
    case TipoMalha::Torta: {
        std::vector<double> xs;
        for (int i = 0; i <= 16; ++i)
            xs.push_back(i);
        grade(xs, 10, 10.0, 0.3, true);
        break;
    }
    }
    return ts;
}

} // namespace

namespace {

// Distance from point p to the closed triangle abc (pixels).
double DistanciaAoTriangulo(QPointF p, QPointF a, QPointF b, QPointF c) {
    auto cruz = [](QPointF o, QPointF u, QPointF v) {
        return (u.x() - o.x()) * (v.y() - o.y()) - (u.y() - o.y()) * (v.x() - o.x());
    };
    const double s1 = cruz(a, b, p), s2 = cruz(b, c, p), s3 = cruz(c, a, p);
    if ((s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0))
        return 0.0;
    auto segmento = [&](QPointF u, QPointF v) {
        const QPointF d = v - u;
        const double l2 = QPointF::dotProduct(d, d);
        const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - u, d) / l2, 0.0, 1.0) : 0.0;
        const QPointF q = u + t * d - p;
        return std::sqrt(QPointF::dotProduct(q, q));
    };
    return std::min({segmento(a, b), segmento(b, c), segmento(c, a)});
}

} // namespace

// The span fill against the plain one (one polygon per sub-triangle, each corner rounded to a
// pixel on its own) on a corpus of meshes, whole or seen through a window that cuts elements at
// the picture's edges. The span fill subdivides the triangle between the element's rounded
// corners, so its sub-triangle corners sit up to one pixel (in x and in y) from the plain ones:
// a pixel may differ only by showing the colour of a sub-triangle whose plain outline passes
// within 1.5 pixels of its centre, or by staying background within 1.5 pixels of the mesh's
// outer boundary. Anything else (a wrong colour, a gap inside the mesh) is a fault.
TEST(Mapa, PreenchimentoRapidoIgualAoDePoligonosSalvoJuntoAsArestas) {
    struct Caso {
        TipoMalha tipo;
        int divisoes;
        bool recorte; // window on the middle of the mesh
    };
    const Caso casos[] = {
        {TipoMalha::Graduada, 2, false},  {TipoMalha::Graduada, 7, false},
        {TipoMalha::Graduada, 20, false}, {TipoMalha::Leque, 2, false},
        {TipoMalha::Leque, 7, false},     {TipoMalha::Leque, 20, false},
        {TipoMalha::Fina, 7, false},      {TipoMalha::Fina, 20, false},
        {TipoMalha::Torta, 1, false},     {TipoMalha::Torta, 7, false},
        {TipoMalha::Graduada, 7, true},   {TipoMalha::Torta, 3, true},
    };
    constexpr int W = 640, H = 400;
    constexpr double kAlcance = 1.5;
    for (const Caso &c : casos) {
        const auto ts = Malha(c.tipo, 7);
        const std::string nome = "malha " + std::to_string(int(c.tipo)) +
                                 " n=" + std::to_string(c.divisoes) +
                                 (c.recorte ? " recortada" : "");
        TPontoValor mn = ts[0].p[0], mx = ts[0].p[0];
        for (const auto &t : ts)
            for (const auto &q : t.p) {
                mn = {std::min(mn.X, q.X), std::min(mn.Y, q.Y), std::min(mn.Z, q.Z)};
                mx = {std::max(mx.X, q.X), std::max(mx.Y, q.Y), std::max(mx.Z, q.Z)};
            }
        const TPontoReal janela[2] = {{mn.X + 0.3 * (mx.X - mn.X), mn.Y + 0.3 * (mx.Y - mn.Y)},
                                      {mn.X + 0.7 * (mx.X - mn.X), mn.Y + 0.7 * (mx.Y - mn.Y)}};
        const TPontoReal *j = c.recorte ? janela : nullptr;
        QImage lento = Imagem(W, H), rapido = Imagem(W, H);
        Desenho d = Pinta(lento, ts, c.divisoes, false, true, false, j);
        TIsoCores *iso = d.iso.get();
        Pinta(rapido, ts, c.divisoes, true, true, false, j);

        // Differing pixels, explained ones cleared as the sub-triangles are walked.
        std::vector<char> pendente(std::size_t(W) * H, 0);
        int diferentes = 0, pintados = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                pintados += (lento.pixel(x, y) & 0xFFFFFF) != 0;
                if (lento.pixel(x, y) != rapido.pixel(x, y)) {
                    pendente[std::size_t(y) * W + x] = 1;
                    ++diferentes;
                }
            }
        auto pixel = [&](double x, double y) {
            const TPonto q = iso->ParaPixel(x, y);
            return QPointF(q.X, q.Y);
        };
        // Pixels near the triangle abc (pixel space) that `aceita` explains are cleared.
        auto perto = [&](QPointF a, QPointF b, QPointF cc,
                         const std::function<bool(QRgb)> &aceita) {
            const int x0 = std::max(0, int(std::floor(std::min({a.x(), b.x(), cc.x()}) - 2)));
            const int x1 = std::min(W - 1, int(std::ceil(std::max({a.x(), b.x(), cc.x()}) + 2)));
            const int y0 = std::max(0, int(std::floor(std::min({a.y(), b.y(), cc.y()}) - 2)));
            const int y1 = std::min(H - 1, int(std::ceil(std::max({a.y(), b.y(), cc.y()}) + 2)));
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    char &p = pendente[std::size_t(y) * W + x];
                    if (p && aceita(rapido.pixel(x, y)) &&
                        DistanciaAoTriangulo(QPointF(x + 0.5, y + 0.5), a, b, cc) <= kAlcance)
                        p = 0;
                }
        };
        const int n = c.divisoes;
        std::map<std::pair<long long, long long>, int> usoAresta; // mesh edges, by their ends
        auto chave = [](const TPontoValor &p) {
            return (long long)std::llround(p.X * 1e6) * 1000003LL + std::llround(p.Y * 1e6);
        };
        for (const auto &t : ts) {
            for (int k = 0; k < 3; ++k) {
                const long long a = chave(t.p[k]), b = chave(t.p[(k + 1) % 3]);
                ++usoAresta[{std::min(a, b), std::max(a, b)}];
            }
            auto mundo = [&](double u, double v) {
                return TPontoReal{t.p[0].X + u * (t.p[1].X - t.p[0].X) + v * (t.p[2].X - t.p[0].X),
                                  t.p[0].Y + u * (t.p[1].Y - t.p[0].Y) + v * (t.p[2].Y - t.p[0].Y)};
            };
            for (int i = 0; i < n; ++i)
                for (int jj = 0; i + jj < n; ++jj)
                    for (int sup = 0; sup < 2; ++sup) {
                        if (sup && i + jj > n - 2)
                            continue;
                        // Corners (u, v) in subdivision units, and the value at the centroid.
                        const int cu[3][2] = {{i + sup, jj}, {i + 1, jj + sup}, {i, jj + 1}};
                        QPointF q[3];
                        double gx = 0, gy = 0;
                        for (int k = 0; k < 3; ++k) {
                            const TPontoReal w = mundo(double(cu[k][0]) / n, double(cu[k][1]) / n);
                            q[k] = pixel(w.X, w.Y);
                            gx += w.X / 3;
                            gy += w.Y / 3;
                        }
                        // The field is linear on the element: its value at the centroid.
                        const double A2 = (t.p[1].Y - t.p[2].Y) * t.p[0].X +
                                          (t.p[2].Y - t.p[0].Y) * t.p[1].X +
                                          (t.p[0].Y - t.p[1].Y) * t.p[2].X;
                        const double N1 =
                            ((t.p[1].X * t.p[2].Y - t.p[2].X * t.p[1].Y) +
                             (t.p[1].Y - t.p[2].Y) * gx + (t.p[2].X - t.p[1].X) * gy) /
                            A2;
                        const double N2 =
                            ((t.p[2].X * t.p[0].Y - t.p[0].X * t.p[2].Y) +
                             (t.p[2].Y - t.p[0].Y) * gx + (t.p[0].X - t.p[2].X) * gy) /
                            A2;
                        const double z = N1 * t.p[0].Z + N2 * t.p[1].Z + (1 - N1 - N2) * t.p[2].Z;
                        const QRgb cor =
                            0xFF000000u | (CorQt(CorDaRampa(z, mn.Z, mx.Z)).rgb() & 0xFFFFFF);
                        perto(q[0], q[1], q[2], [cor](QRgb r) { return r == cor; });
                    }
        }
        // Background left by the span fill next to the mesh's outer boundary.
        for (const auto &t : ts)
            for (int k = 0; k < 3; ++k) {
                const TPontoValor &a = t.p[k], &b = t.p[(k + 1) % 3];
                const long long ka = chave(a), kb = chave(b);
                if (usoAresta[{std::min(ka, kb), std::max(ka, kb)}] != 1)
                    continue;
                const QPointF pa = pixel(a.X, a.Y), pb = pixel(b.X, b.Y);
                perto(pa, pb, pb, [](QRgb r) { return (r & 0xFFFFFF) == 0; });
            }
        int falhas = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (pendente[std::size_t(y) * W + x] && ++falhas <= 5)
                    ADD_FAILURE() << nome << ": pixel " << x << "," << y << std::hex << " plain "
                                  << lento.pixel(x, y) << " span " << rapido.pixel(x, y);
        EXPECT_EQ(falhas, 0) << nome;
        EXPECT_GT(pintados, 20000) << nome;
        RecordProperty(nome, diferentes);
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

// Bands of rows filled at once give the picture and the progress of the single walk: shared
// edges keep the later element's colour, with the window cut or not, ramp or white, a uniform
// field, and band counts that do not divide the rows.
TEST(Mapa, FaixasIguaisAoPercursoUnico) {
    auto ts = Malha(TipoMalha::Fina, 3); // 10,000 triangles a few pixels wide
    auto uniforme = ts;
    for (auto &t : uniforme)
        for (auto &q : t.p)
            q.Z = 12.5;
    struct Caso {
        const std::vector<Triangulo> *malha;
        int divisoes, faixas;
        bool cores, recorte;
    };
    const Caso casos[] = {{&ts, 7, 4, true, false},       {&ts, 20, 3, true, true},
                          {&ts, 1, 2, true, false},       {&ts, 7, 3, false, false},
                          {&uniforme, 7, 4, true, false}, {&ts, 2, 4, true, true}};
    const TPontoReal janela[2] = {{2.5, 1.2}, {7.5, 3.9}};
    constexpr int W = 677, H = 413;
    for (const Caso &c : casos) {
        QImage imagens[2] = {Imagem(W, H), Imagem(W, H)};
        int progresso[2] = {0, 0};
        for (int k = 0; k < 2; ++k) {
            TCanvasQt canvas(&imagens[k]);
            TIsoCores iso(&canvas);
            TPontoValor mn = (*c.malha)[0].p[0], mx = mn;
            std::vector<TPontoValor> cantos;
            for (const auto &t : *c.malha)
                for (const auto &q : t.p) {
                    mn = {std::min(mn.X, q.X), std::min(mn.Y, q.Y), std::min(mn.Z, q.Z)};
                    mx = {std::max(mx.X, q.X), std::max(mx.Y, q.Y), std::max(mx.Z, q.Z)};
                    cantos.push_back(q);
                }
            if (c.recorte) {
                mn.X = janela[0].X, mn.Y = janela[0].Y;
                mx.X = janela[1].X, mx.Y = janela[1].Y;
            }
            iso.SetMinimo(mn);
            iso.SetMaximo(mx);
            iso.SetDivisoes(c.divisoes);
            iso.SetCores(c.cores);
            iso.SetContorno(false);
            iso.SetFaixas(c.faixas);
            iso.SetPixels(PixelsDaImagem(canvas));
            iso.SetOnProgresso([&, k](int n) { progresso[k] += n; });
            if (k == 0)
                for (const auto &t : *c.malha)
                    iso.DesenhaElemento(t.p[0], t.p[1], t.p[2]);
            else
                iso.DesenhaElementos(cantos.data(), c.malha->size());
            iso.TerminaProgresso();
            canvas.Termina();
        }
        const std::string nome = "n=" + std::to_string(c.divisoes) +
                                 " faixas=" + std::to_string(c.faixas) +
                                 (c.cores ? "" : " sem cores") + (c.recorte ? " recortada" : "");
        EXPECT_TRUE(imagens[0] == imagens[1]) << nome;
        EXPECT_EQ(progresso[0], progresso[1]) << nome;
        int pintados = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                pintados += (imagens[1].pixel(x, y) & 0xFFFFFF) != 0;
        EXPECT_GT(pintados, W * H / 3) << nome;
    }
}
