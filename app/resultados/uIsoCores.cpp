#include "uIsoCores.h"

#include <algorithm>
#include <cmath>

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
    const int n = Cores ? std::max(1, NumDivisoes) : 1;
    Z1 = p1.Z;
    Z2 = p2.Z;
    Z3 = p3.Z;
    CalculaMapeamento();
    if (Pixels.Pixels)
        PreencheRapido(p1, p2, p3, n);
    else
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

void TIsoCores::PreencheRapido(const TPontoValor &p1, const TPontoValor &p2, const TPontoValor &p3,
                               int n) {
    // The corners' pixels as the mapping rounds them.
    const double ex = Mapa.Escala[1], ey = Mapa.Escala[2], ox = Mapa.Desloc[1], oy = Mapa.Desloc[2];
    const TPonto q1{Rn(ex * p1.X + ox) + Mapa.Dx, Rn(ey * p1.Y + oy) + Mapa.Dy};
    const TPonto q2{Rn(ex * p2.X + ox) + Mapa.Dx, Rn(ey * p2.Y + oy) + Mapa.Dy};
    const TPonto q3{Rn(ex * p3.X + ox) + Mapa.Dx, Rn(ey * p3.Y + oy) + Mapa.Dy};
    // Pixel centre c = q1 + u (q2 - q1) + v (q3 - q1).
    const double ux = q2.X - q1.X, uy = q2.Y - q1.Y, vx = q3.X - q1.X, vy = q3.Y - q1.Y;
    const double det = ux * vy - uy * vx;
    if (det == 0.0)
        return;
    const int xmin = std::max(0, std::min({q1.X, q2.X, q3.X}));
    const int xmax = std::min(Pixels.Largura - 1, std::max({q1.X, q2.X, q3.X}));
    const int ymin = std::max(0, std::min({q1.Y, q2.Y, q3.Y}));
    const int ymax = std::min(Pixels.Altura - 1, std::max({q1.Y, q2.Y, q3.Y}));
    if (xmin > xmax || ymin > ymax)
        return;
    const double inv = 1.0 / det;
    const double zmin = Minimo.Z, faixa = Maximo.Z - Minimo.Z;
    const double dz2 = Z2 - Z1, dz3 = Z3 - Z1;
    const double um3 = 1.0 / 3.0, dois3 = 2.0 / 3.0;
    const double tol = 1e-9;
    // Colours of the last sub-triangle met, to skip the ramp for neighbouring pixels.
    int ultimo = -1;
    const std::uint32_t *tabela = TabelaRampa();
    std::uint32_t corUltima = 0;
    for (int py = ymin; py <= ymax; ++py) {
        const double cy = py + 0.5 - q1.Y, cx0 = xmin + 0.5 - q1.X;
        std::uint32_t *linha = Pixels.Pixels + std::size_t(py) * std::size_t(Pixels.Passo);
        const double du = vy * inv, dv = -uy * inv;
        const double u0 = (cx0 * vy - cy * vx) * inv, v0 = (ux * cy - uy * cx0) * inv;
        // The row's span of pixel centres inside: u >= 0, v >= 0 and u + v <= 1, each linear
        // in the pixel's offset k from xmin.
        double kmin = 0.0, kmax = double(xmax - xmin);
        bool vazio = false;
        auto limita = [&](double f0, double df, double minimo) { // f0 + df k >= minimo
            if (df > 0.0)
                kmin = std::max(kmin, std::ceil((minimo - f0) / df));
            else if (df < 0.0)
                kmax = std::min(kmax, std::floor((minimo - f0) / df));
            else if (f0 < minimo)
                vazio = true;
        };
        limita(u0, du, -tol);
        limita(v0, dv, -tol);
        limita(-(u0 + v0), -(du + dv), -1.0 - tol);
        if (vazio || kmin > kmax)
            continue;
        const int k0 = int(kmin), k1 = int(kmax);
        double u = u0 + du * (k0 - 1), v = v0 + dv * (k0 - 1);
        for (int px = xmin + k0; px <= xmin + k1; ++px) {
            u += du;
            v += dv;
            const double a = u * n, b = v * n;
            int i = std::clamp(int(a), 0, n - 1), j = std::clamp(int(b), 0, n - 1);
            bool superior = (a - i) + (b - j) > 1.0;
            if (i + j > n - 1) {
                // On the triangle's far edge: the lower sub-triangle of the last diagonal.
                i = std::min(i, n - 1 - j);
                superior = false;
            }
            if (superior && i + j > n - 2)
                superior = false;
            const int chave = (j * n + i) * 2 + (superior ? 1 : 0);
            if (chave != ultimo) {
                const double s = superior ? dois3 : um3;
                const double z = Cores ? Z1 + dz2 * ((i + s) / n) + dz3 * ((j + s) / n) : 0.0;
                corUltima = Cores ? ArgbDeT(faixa == 0.0 ? 0.0 : (z - zmin) / faixa, tabela)
                                  : ArgbDaCor(clWhite);
                ultimo = chave;
            }
            linha[px] = corUltima;
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
