#include "uIsoCores.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

#include <sched.h>

namespace {

// Nearest integer, halves to even (the default rounding mode); adding and taking away 1.5 * 2^52
// rounds in one step for the values a picture needs.
inline int Rn(double x) {
    constexpr double kMagico = 6755399441055744.0;
    if (std::fabs(x) < 1e9) {
        const double r = x + kMagico;
        return int(r - kMagico);
    }
    return int(std::nearbyint(x));
}

inline TColor CorDeT(double t) {
    int r, g, b;
    if (t >= 0.0 && t <= 0.25) {
        r = 0;
        g = Rn(t / 0.25 * 255.0);
        b = 255;
    } else if (t > 0.25 && t <= 0.5) {
        r = 0;
        g = 255;
        b = Rn((1.0 - (t - 0.25) / 0.25) * 255.0);
    } else if (t > 0.5 && t <= 0.75) {
        r = Rn((t - 0.5) * 255.0 / 0.25);
        g = 255;
        b = 0;
    } else {
        // Above the top, and below the bottom too: each component keeps its low 8 bits.
        const double gg = (1.0 - (t - 0.75) / 0.25) * 255.0;
        r = 255;
        g = std::fabs(gg) < 2e9 ? Rn(gg) : 0;
        b = 0;
    }
    return RGBCor(r, g, b);
}

// Rows of progress held back before the event fires.
constexpr int kLoteProgresso = 2048;

std::string Alinha(const std::string &s, int largura) {
    if (int(s.size()) >= largura)
        return s;
    return std::string(std::size_t(largura) - s.size(), ' ') + s;
}

// Ramp colours (0xAARRGGBB) of 2^14 equal bins of t in [0, 1): a bin's colour when both its
// ends give the same one, else 0 and the colour is worked out for the value.
constexpr int kBins = 1 << 14;
const std::uint32_t *TabelaRampa() {
    static const std::vector<std::uint32_t> tabela = [] {
        std::vector<std::uint32_t> t(kBins);
        for (int k = 0; k < kBins; ++k) {
            const double a = double(k) / kBins;
            const double b = std::nextafter(double(k + 1) / kBins, 0.0);
            const TColor ca = CorDeT(a), cb = CorDeT(b);
            t[std::size_t(k)] = ca == cb ? ArgbDaCor(ca) : 0u;
        }
        return t;
    }();
    return tabela.data();
}

inline std::uint32_t ArgbDeT(double t, const std::uint32_t *tabela) {
    if (t >= 0.0 && t < 1.0) {
        const std::uint32_t c = tabela[int(t * kBins)];
        if (c)
            return c;
    }
    return ArgbDaCor(CorDeT(t));
}

// Centres this close outside an edge count as on it.
constexpr double kFolga = 1e-9;

// Ceiling and floor of v clamped to [-1, maximo + 1], without a library call.
inline int Teto(double v, double maximo) {
    v = std::min(std::max(v, -1.0), maximo + 1.0);
    const int k = int(v);
    return k + int(double(k) < v);
}
inline int Piso(double v, double maximo) {
    v = std::min(std::max(v, -1.0), maximo + 1.0);
    const int k = int(v);
    return k - int(v < double(k));
}

// 1 / k, from a table for the small integers a picture's triangles mostly give.
inline double Inverso(int k) {
    constexpr int kTabela = 1024;
    static const std::vector<double> tabela = [] {
        std::vector<double> t(kTabela);
        for (int i = 1; i < kTabela; ++i)
            t[std::size_t(i)] = 1.0 / i;
        return t;
    }();
    if (k > 0 && k < kTabela)
        return tabela[std::size_t(k)];
    if (k < 0 && k > -kTabela)
        return -tabela[std::size_t(-k)];
    return 1.0 / k;
}

} // namespace

TColor CorDaRampa(double v, double zmin, double zmax) {
    return CorDeT(zmax == zmin ? 0.0 : (v - zmin) / (zmax - zmin));
}

bool ValorDaCor(TColor cor, double zmin, double zmax, double &v) {
    const int r = int(cor & 0xFF), g = int((cor >> 8) & 0xFF), b = int((cor >> 16) & 0xFF);
    double t;
    if (r == 0 && b == 255)
        t = g / 255.0 * 0.25;
    else if (r == 0 && g == 255)
        t = 0.25 + (1.0 - b / 255.0) * 0.25;
    else if (b == 0 && g == 255)
        t = 0.5 + r / 255.0 * 0.25;
    else if (r == 255 && b == 0)
        t = 0.75 + (1.0 - g / 255.0) * 0.25;
    else
        return false;
    v = zmin + t * (zmax - zmin);
    return true;
}

TIsoCores::TIsoCores(TCanvas *imagem) : Imagem(imagem) {}

TIsoCores::~TIsoCores() {
    Imagem = nullptr;
    OnProgresso = nullptr;
    Rotulos.clear();
}

void TIsoCores::SetMinimo(const TPontoValor &p) {
    Minimo = p;
    mapaValido_ = false;
}

void TIsoCores::SetMaximo(const TPontoValor &p) {
    Maximo = p;
    mapaValido_ = false;
}

void TIsoCores::SetFonte(const std::string &nome, int tamanho) {
    Fonte.Name = nome;
    Fonte.Size = tamanho;
}

void TIsoCores::CalculaMapeamento() {
    const int w = Imagem->Largura(), h = Imagem->Altura();
    if (mapaValido_ && w == larguraMapa_ && h == alturaMapa_)
        return;
    Mapa = TUT_Math::CalculaEscala({Minimo.X, Minimo.Y}, {Maximo.X, Maximo.Y}, w, h);
    escalaX_ = Mapa.Escala[1];
    escalaY_ = Mapa.Escala[2];
    deslocX_ = Mapa.Desloc[1];
    deslocY_ = Mapa.Desloc[2];
    const double faixa = Maximo.Z - Minimo.Z;
    inversoFaixa_ = faixa != 0.0 ? 1.0 / faixa : 0.0;
    larguraMapa_ = w;
    alturaMapa_ = h;
    mapaValido_ = true;
}

TPonto TIsoCores::ParaPixel(double x, double y) {
    CalculaMapeamento();
    return TUT_Math::ParaTela({x, y}, Mapa.Escala, Mapa.Desloc, Mapa.Dx, Mapa.Dy);
}

void TIsoCores::DefineCor(double v) {
    const TColor c = Cores ? CorDaRampa(v, Minimo.Z, Maximo.Z) : clWhite;
    Imagem->Brush.Color = c;
    Imagem->Brush.Style = TBrushStyle::bsSolid;
    Imagem->Pen.Color = c;
    Imagem->Pen.Style = TPenStyle::psClear;
}

void TIsoCores::Progresso(int linhas) {
    if (!OnProgresso)
        return;
    linhasPendentes_ += linhas;
    if (linhasPendentes_ >= kLoteProgresso)
        TerminaProgresso();
}

void TIsoCores::TerminaProgresso() {
    if (OnProgresso && linhasPendentes_ > 0) {
        const int n = linhasPendentes_;
        linhasPendentes_ = 0;
        OnProgresso(n);
    }
}

void TIsoCores::DesenhaElemento(const TPontoValor &p1, const TPontoValor &p2,
                                const TPontoValor &p3) {
    CalculaMapeamento();
    Desenha(p1, p2, p3);
}

namespace {
// Processors this process may run on.
int Processadores() {
    cpu_set_t conjunto;
    CPU_ZERO(&conjunto);
    if (sched_getaffinity(0, sizeof(conjunto), &conjunto) != 0)
        return 1;
    return std::max(1, CPU_COUNT(&conjunto));
}
} // namespace

void TIsoCores::DesenhaElementos(const TPontoValor *cantos, std::size_t elementos) {
    CalculaMapeamento(); // the picture keeps its size during the walk
    // Large maps without outlines are filled in bands of rows, one thread each. Every row
    // belongs to one band and each band takes the elements in order, so every pixel ends with
    // the colour the single walk gives it. Outlines are painted between the fills, in order, so
    // those drawings take the single walk.
    constexpr std::size_t kMinimoFaixas = 8192;
    static const int processadores = std::min(4, Processadores());
    const int maximo = faixasMaximas_ > 0 ? faixasMaximas_ : processadores;
    const int faixas = Pixels.Pixels && !Contorno && elementos >= kMinimoFaixas
                           ? std::min(maximo, Pixels.Altura / 64)
                           : 1;
    if (faixas <= 1) {
        for (std::size_t e = 0; e < elementos; ++e, cantos += 3)
            Desenha(cantos[0], cantos[1], cantos[2]);
        return;
    }
    const int n = Cores ? std::max(1, NumDivisoes) : 1;
    PreparaDivisoes(n);
    // The tables the fill reads are built here, before any thread starts.
    (void)TabelaRampa();
    (void)Inverso(1);
    auto inicio = [&](int f) { return int(std::int64_t(Pixels.Altura) * f / faixas); };
    auto pinta = [this, cantos, elementos, n](int y0, int y1) {
        for (std::size_t e = 0; e < elementos; ++e)
            PreencheRapido(cantos[3 * e], cantos[3 * e + 1], cantos[3 * e + 2], n, y0, y1);
    };
    std::vector<std::thread> outras;
    std::vector<int> semThread; // bands whose thread could not be started
    struct TJunta {
        std::vector<std::thread> &t;
        ~TJunta() {
            for (std::thread &x : t)
                x.join();
        }
    } junta{outras};
    outras.reserve(std::size_t(faixas - 1));
    for (int f = 1; f < faixas; ++f) {
        try {
            outras.emplace_back(pinta, inicio(f), inicio(f + 1));
        } catch (const std::system_error &) {
            semThread.push_back(f);
        }
    }
    // The first band here, with the progress events.
    const int y1 = inicio(1);
    for (std::size_t e = 0; e < elementos; ++e) {
        const TPontoValor *c = cantos + 3 * e;
        PreencheRapido(c[0], c[1], c[2], n, 0, y1);
        Progresso(n);
    }
    for (int f : semThread)
        pinta(inicio(f), inicio(f + 1));
}

inline void TIsoCores::Desenha(const TPontoValor &p1, const TPontoValor &p2,
                               const TPontoValor &p3) {
    const int n = Cores ? std::max(1, NumDivisoes) : 1;
    Z1 = p1.Z;
    Z2 = p2.Z;
    Z3 = p3.Z;
    if (Pixels.Pixels) {
        PreparaDivisoes(n);
        PreencheRapido(p1, p2, p3, n, 0, Pixels.Altura);
    } else
        PreenchePoligonos(p1, p2, p3, n);
    Progresso(n);
    if (Contorno) {
        Imagem->Pen.Color = clWhite;
        Imagem->Pen.Style = TPenStyle::psSolid;
        Imagem->Pen.Width = 1;
        const TPonto a = ParaPixel(p1.X, p1.Y), b = ParaPixel(p2.X, p2.Y),
                     c = ParaPixel(p3.X, p3.Y);
        Imagem->Polyline({a, b, c, a});
    }
}

void TIsoCores::PreenchePoligonos(const TPontoValor &p1, const TPontoValor &p2,
                                  const TPontoValor &p3, int n) {
    // Linear shape functions of the triangle.
    const double x1 = p1.X, y1 = p1.Y, x2 = p2.X, y2 = p2.Y, x3 = p3.X, y3 = p3.Y;
    const double A2 = (y2 - y3) * x1 + (y3 - y1) * x2 + (y1 - y2) * x3; // twice the area
    const double a1 = x2 * y3 - x3 * y2, b1 = y2 - y3, c1 = x3 - x2;
    const double a2 = x3 * y1 - x1 * y3, b2 = y3 - y1, c2 = x1 - x3;
    auto valor = [&](double x, double y) {
        const double N1 = (a1 + b1 * x + c1 * y) / A2, N2 = (a2 + b2 * x + c2 * y) / A2;
        return N1 * Z1 + N2 * Z2 + (1.0 - N1 - N2) * Z3;
    };
    const double dx = (x2 - x1) / n, dy = (y2 - y1) / n; // along the first edge
    const double ex = (x3 - x1) / n, ey = (y3 - y1) / n; // along the third edge
    poligono_.resize(3);
    for (int r = 1; r <= n; ++r) {
        const double rx = x1 + (r - 1) * ex, ry = y1 + (r - 1) * ey;
        double ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
        const int total = 2 * (n - r) + 1;
        for (int k = 1, m = 0; k <= total; ++k) {
            if (k % 2 == 1) {
                ++m;
                ax = rx + (m - 1) * dx;
                ay = ry + (m - 1) * dy;
                bx = ax + dx;
                by = ay + dy;
                cx = ax + ex;
                cy = ay + ey;
            } else {
                const double nbx = cx + dx, nby = cy + dy;
                ax = bx;
                ay = by;
                bx = nbx;
                by = nby;
            }
            DefineCor(valor((ax + bx + cx) / 3.0, (ay + by + cy) / 3.0));
            poligono_[0] = TUT_Math::ParaTela({ax, ay}, Mapa.Escala, Mapa.Desloc, Mapa.Dx, Mapa.Dy);
            poligono_[1] = TUT_Math::ParaTela({bx, by}, Mapa.Escala, Mapa.Desloc, Mapa.Dx, Mapa.Dy);
            poligono_[2] = TUT_Math::ParaTela({cx, cy}, Mapa.Escala, Mapa.Desloc, Mapa.Dx, Mapa.Dy);
            Imagem->Polygon(poligono_);
        }
    }
}

void TIsoCores::PreparaDivisoes(int n) {
    if (n != nInverso_) {
        nInverso_ = n;
        inversoN_ = 1.0 / n;
    }
}

// Span fill. The triangle between its corners' pixels is walked row by row: each row of pixel
// centres meets its left and right edges at two abscissas, which bound the run of centres
// inside (edges included). Each pixel of the run takes the colour of the sub-triangle that holds
// its centre in that triangle's subdivision.
void TIsoCores::PreencheRapido(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3,
                               int n, int linha0, int linha1) const {
    // The corners' pixels as the mapping rounds them.
    const double ex = escalaX_, ey = escalaY_, ox = deslocX_, oy = deslocY_;
    const int dx = Mapa.Dx, dy = Mapa.Dy;
    const TPonto q1{Rn(ex * p1.X + ox) + dx, Rn(ey * p1.Y + oy) + dy};
    const TPonto q2{Rn(ex * p2.X + ox) + dx, Rn(ey * p2.Y + oy) + dy};
    const TPonto q3{Rn(ex * p3.X + ox) + dx, Rn(ey * p3.Y + oy) + dy};
    // Pixel centre c = q1 + u (q2 - q1) + v (q3 - q1).
    const double ux = q2.X - q1.X, uy = q2.Y - q1.Y, vx = q3.X - q1.X, vy = q3.Y - q1.Y;
    const double det = ux * vy - uy * vx;
    if (det == 0.0)
        return;
    // Corners by row: a on top, b in the middle, c at the bottom.
    const TPonto *a = &q1, *b = &q2, *c = &q3;
    if (b->Y < a->Y)
        std::swap(a, b);
    if (c->Y < a->Y)
        std::swap(a, c);
    if (c->Y < b->Y)
        std::swap(b, c);
    if (c->Y <= linha0 || a->Y >= linha1)
        return;
    const double inv = std::fabs(det) < 1024.0 ? Inverso(int(det)) : 1.0 / det;
    // u and v along a row (per pixel) and down a column (per row).
    const double dux = vy * inv, dvx = -uy * inv, duy = -vx * inv, dvy = ux * inv;
    // Ramp position of sub-triangle (i, j): t0 + ci i + cj j + the lower or upper centroid's share.
    const bool plano = !Cores || inversoFaixa_ == 0.0;
    const double fz = plano ? 0.0 : inversoFaixa_, fzn = fz * inversoN_;
    const double z1 = p1.Z;
    const double t0 = (z1 - Minimo.Z) * fz, ci = (p2.Z - z1) * fzn, cj = (p3.Z - z1) * fzn;
    constexpr double kTerco = 1.0 / 3.0;
    const double tInferior = (ci + cj) * kTerco, tSuperior = 2.0 * tInferior;
    const std::uint32_t *tabela = TabelaRampa();
    const std::uint32_t corPlana = !plano ? 0u : Cores ? ArgbDeT(0.0, tabela) : ArgbDaCor(clWhite);
    const double dn = n;
    const double da = dux * dn, db = dvx * dn;
    // Copies the loop keeps in registers: a store through a pixel pointer may not change them.
    std::uint32_t *const pixels = Pixels.Pixels;
    const std::size_t passo = std::size_t(Pixels.Passo);
    const int ultimo = n - 1;
    const double xMaximo = Pixels.Largura - 1;
    const double x1 = q1.X, y1 = q1.Y;
    // Rows whose centre lies within [a.Y, c.Y]: the long edge a-c on one side, a-b then b-c on
    // the other. A row's edges are x = xe + (yc - ye) me on the left and x = xd + (yc - yd) md
    // on the right, yc being the row's centre.
    const double mAC = (c->X - a->X) * Inverso(c->Y - a->Y);
    const double mAB = b->Y > a->Y ? (b->X - a->X) * Inverso(b->Y - a->Y) : 0.0;
    const double mBC = c->Y > b->Y ? (c->X - b->X) * Inverso(c->Y - b->Y) : 0.0;
    const bool longaAEsquerda =
        double(b->X - a->X) * (c->Y - a->Y) > double(c->X - a->X) * (b->Y - a->Y);
    const int yf = std::min(c->Y - 1, linha1 - 1);
    for (int py = std::max(a->Y, linha0); py <= yf; ++py) {
        const bool acima = py < b->Y; // beside a-b, else beside b-c
        const double xc = acima ? a->X : b->X, yc0 = acima ? a->Y : b->Y, mc = acima ? mAB : mBC;
        const double xe0 = longaAEsquerda ? a->X : xc, ye0 = longaAEsquerda ? a->Y : yc0,
                     me = longaAEsquerda ? mAC : mc;
        const double xd0 = longaAEsquerda ? xc : a->X, yd0 = longaAEsquerda ? yc0 : a->Y,
                     md = longaAEsquerda ? mc : mAC;
        const double yc = py + 0.5;
        // Pixels x with xe <= x + 0.5 <= xd.
        const double xe = xe0 + (yc - ye0) * me, xd = xd0 + (yc - yd0) * md;
        const int k0 = std::max(0, Teto((xe - 0.5) - kFolga, xMaximo));
        const int k1 = std::min(int(xMaximo), Piso((xd - 0.5) + kFolga, xMaximo));
        if (k0 > k1)
            continue;
        std::uint32_t *linha = pixels + std::size_t(py) * passo;
        if (plano) {
            std::fill(linha + k0, linha + k1 + 1, corPlana);
            continue;
        }
        // Sub-triangle coordinates n u and n v of the run's first centre.
        const double cx = k0 + 0.5 - x1, cy = yc - y1;
        double su = (cx * dux + cy * duy) * dn, sv = (cx * dvx + cy * dvy) * dn;
        for (int x = k0; x <= k1; ++x, su += da, sv += db) {
            // Just outside an edge (within rounding) truncation gives 0.
            const int i0 = std::min(int(su), ultimo), j = std::min(int(sv), ultimo);
            // On or past the last diagonal: its lower sub-triangle.
            const bool fora = i0 + j >= ultimo;
            const int i = fora ? ultimo - j : i0;
            const bool superior = !fora && (su - i0) + (sv - j) > 1.0;
            const double t = t0 + ci * i + cj * j + (superior ? tSuperior : tInferior);
            linha[x] = ArgbDeT(t, tabela);
        }
    }
}

void TIsoCores::DesenhaEscala(TCanvas &escala, int esquerda, int topo) {
    const int H = escala.Altura(), W = escala.Largura();
    const double q = H / 4.0, s = q / 255.0;
    escala.Pen.Style = TPenStyle::psSolid;
    escala.Pen.Width = 1;
    for (int i = 0; i <= 255; ++i) {
        const TColor cores[4] = {RGBCor(0, i, 255), RGBCor(0, 255, 255 - i), RGBCor(i, 255, 0),
                                 RGBCor(255, 255 - i, 0)};
        for (int b = 0; b < 4; ++b) {
            const int y = Rn(H - (b * q + i * s));
            escala.Pen.Color = cores[b];
            escala.MoveTo(0, y);
            escala.LineTo(W, y);
        }
    }
    Rotulos.clear();
    const int n = NumRotulos;
    if (n < 1)
        return;
    const int espaco = n > 1 ? Rn(double(H) / (n - 1)) : 0;
    const double dz = n > 1 ? (Maximo.Z - Minimo.Z) / (n - 1) : 0.0;
    Rotulos.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        TRotuloEscala r;
        r.Esquerda = esquerda + W;
        r.Topo = (i - 1) * espaco + topo - 6;
        r.Texto = "<< " + Alinha(FormatG(Maximo.Z - (i - 1) * dz, 4, DecimalSeparator()), 6);
        Rotulos.push_back(std::move(r));
    }
}

void TIsoCores::PontoDoPixel(int px, int py, double &x, double &y, double &z, bool &temValor) {
    CalculaMapeamento();
    const TPontoReal w = TUT_Math::TransformaPonto({px - Mapa.Dx, py - Mapa.Dy}, Mapa.EscalaInversa,
                                                   Mapa.DeslocInverso);
    x = w.X;
    y = w.Y;
    temValor = ValorDaCor(Imagem->GetPixel(px, py), Minimo.Z, Maximo.Z, z);
}

void TIsoCores::EscreveTexto(int x, int y, const std::string &texto) {
    Imagem->Font.Name = Fonte.Name;
    Imagem->Font.Size = Fonte.Size;
    Imagem->Font.Color = clBlack;
    Imagem->Brush.Style = TBrushStyle::bsClear;
    Imagem->TextOut(x, y, texto);
}

void TIsoCores::DesenhaSegmento(const std::string &texto, const TPontoReal &p,
                                const TPontoReal &q) {
    const TPonto a = ParaPixel(p.X, p.Y), b = ParaPixel(q.X, q.Y);
    Imagem->Pen.Color = clBlack;
    Imagem->Pen.Width = 1;
    Imagem->Pen.Style = TPenStyle::psSolid;
    Imagem->MoveTo(a.X, a.Y);
    Imagem->LineTo(b.X, b.Y);
    if (!texto.empty())
        EscreveTexto((a.X + b.X) / 2, (a.Y + b.Y) / 2, texto);
}

void TIsoCores::DesenhaTexto(const std::string &texto, const TPontoReal &p) {
    const TPonto a = ParaPixel(p.X, p.Y);
    EscreveTexto(a.X - 15, a.Y, texto);
}
