#include "malhas/Malha.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

TMalha::TMalha(int nx, int ny) : Nx(nx), Ny(ny) {}

namespace {

// Segment c d lies outside the box lo hi widened by folga.
bool ForaDaCaixa(const TPontoReal &lo, const TPontoReal &hi, double folga, const TPontoReal &c,
                 const TPontoReal &d) {
    return std::max(c.X, d.X) < lo.X - folga || std::min(c.X, d.X) > hi.X + folga ||
           std::max(c.Y, d.Y) < lo.Y - folga || std::min(c.Y, d.Y) > hi.Y + folga;
}

// The boxes of segments a b and c d lie apart by more than rounding: the segments cannot
// cross, and the orientation test is skipped.
bool CaixasSeparadas(const TPontoReal &a, const TPontoReal &b, const TPontoReal &c,
                     const TPontoReal &d) {
    const double folga =
        1e-9 * (std::fabs(a.X) + std::fabs(a.Y) + std::fabs(b.X - a.X) + std::fabs(b.Y - a.Y));
    return ForaDaCaixa({std::min(a.X, b.X), std::min(a.Y, b.Y)},
                       {std::max(a.X, b.X), std::max(a.Y, b.Y)}, folga, c, d);
}

} // namespace

TMalha::~TMalha() = default;

std::unique_ptr<TMalha> TMalha::CreateCopia(const TMalha &origem) {
    auto m = std::make_unique<TMalha>();
    for (const auto &v : origem.vertices_)
        m->vertices_.push_back(std::make_unique<TNo>(*v));
    for (const auto &a : origem.arestas_) {
        m->AdicionaAresta(a->No1->Numero, a->No2->Numero, a->Interna);
    }
    m->CalculaLimites();
    return m;
}

std::unique_ptr<TMalha> TMalha::CreatePoligono(std::span<const TNo> pontos) {
    auto m = std::make_unique<TMalha>();
    for (const TNo &p : pontos)
        m->AdicionaVerticeNo(p);
    std::size_t n = pontos.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        m->AdicionaArestaNos(pontos[i].Numero, pontos[i + 1].Numero);
    if (n > 0)
        m->AdicionaArestaNos(pontos[n - 1].Numero, pontos[0].Numero);
    m->CalculaLimites();
    return m;
}

// ---------------------------------------------------------------------------------------------
// Domain

void TMalha::AdicionaVertice(double x, double y) {
    if (ExisteVertice(x, y))
        return;
    vertices_.push_back(std::make_unique<TNo>(std::int32_t(vertices_.size() + 1), x, y));
    CalculaLimites();
}

void TMalha::AdicionaAresta(int a, int b, bool interna) {
    int nv = GetNumVertices();
    if (a < 1 || a > nv || b < 1 || b > nv)
        throw std::out_of_range("Vertex number out of range in an edge: " + std::to_string(a) +
                                ", " + std::to_string(b));
    arestas_.push_back(
        std::make_unique<TAresta>(GetVertice(a), GetVertice(b), std::int32_t(arestas_.size() + 1)));
    arestas_.back()->Interna = interna;
    contornos_.push_back(std::make_unique<TContorno>(arestas_.back().get()));
}

void TMalha::AdicionaArestaPontos(const TNo &p1, const TNo &p2) {
    int a = 0, b = 0;
    if (!ProcuraVertice(a, p1.X, p1.Y)) {
        AdicionaVertice(p1.X, p1.Y);
        a = GetNumVertices();
    }
    if (!ProcuraVertice(b, p2.X, p2.Y)) {
        AdicionaVertice(p2.X, p2.Y);
        b = GetNumVertices();
    }
    AdicionaArestaNos(a, b);
}

void TMalha::SetVertice(int i, const TNo &no) {
    GetVertice(i)->X = no.X;
    GetVertice(i)->Y = no.Y;
}

void TMalha::SetAresta(int i, int a, int b) {
    GetAresta(i)->No1 = GetVertice(a);
    GetAresta(i)->No2 = GetVertice(b);
}

void TMalha::LimpaVertices() {
    contornos_.clear();
    arestas_.clear();
    vertices_.clear();
}

void TMalha::CalculaLimites() {
    if (vertices_.empty()) {
        XMax_ = YMax_ = XMin_ = YMin_ = XCentro_ = YCentro_ = 0.0;
        return;
    }
    double sx = 0.0, sy = 0.0;
    XMax_ = XMin_ = vertices_[0]->X;
    YMax_ = YMin_ = vertices_[0]->Y;
    for (const auto &v : vertices_) {
        sx += v->X;
        sy += v->Y;
        XMax_ = std::max(XMax_, v->X);
        XMin_ = std::min(XMin_, v->X);
        YMax_ = std::max(YMax_, v->Y);
        YMin_ = std::min(YMin_, v->Y);
    }
    XCentro_ = sx / double(vertices_.size());
    YCentro_ = sy / double(vertices_.size());
}

// ---------------------------------------------------------------------------------------------
// Mesh

TNo *TMalha::NovoNo() {
    return AdicionaNo(0.0, 0.0);
}

TNo *TMalha::AdicionaNo(double x, double y) {
    nos_.push_back(std::make_unique<TNo>(std::int32_t(nos_.size() + 1), x, y));
    return nos_.back().get();
}

void TMalha::OrientaTriangulo(int &a, int &b, int &c) const {
    const TNo *pa = GetNo(a), *pb = GetNo(b), *pc = GetNo(c);
    double ux = pb->X - pa->X, uy = pb->Y - pa->Y;
    double vx = pc->X - pb->X, vy = pc->Y - pb->Y;
    if (ux * vy - uy * vx < 0.0)
        std::swap(b, c);
}

void TMalha::AdicionaElemento(int a, int b, int c) {
    OrientaTriangulo(a, b, c);
    TNo *nos[3] = {GetNo(a), GetNo(b), GetNo(c)};
    elementos_.push_back(std::make_unique<TElemento>(nos, 2));
    TElemento *e = elementos_.back().get();
    e->Numero = std::int32_t(elementos_.size());
    VerificaElemento(e);
}

void TMalha::VerificaElemento(TElemento *e) {
    const TPontoReal c{e->XCentro(), e->YCentro()};
    int n = e->GetN();
    // Probe segment of side k: from the centroid to just past the side's middle.
    auto sonda = [&](int k) {
        const TNo *na = e->GetNo(k), *nb = e->GetNo(k % n + 1);
        double mx = (na->X + nb->X) / 2.0, my = (na->Y + nb->Y) / 2.0;
        double d = TUT_Math::Distancia(c.X, c.Y, mx, my) / 20.0;
        return TPontoReal{mx * (1.0 + d) - c.X * d, my * (1.0 + d) - c.Y * d};
    };
    // Most elements lie away from every edge: one box around all probes settles them.
    TPontoReal lo = c, hi = c;
    for (int k = 1; k <= n; ++k) {
        const TPontoReal r = sonda(k);
        lo = {std::min(lo.X, r.X), std::min(lo.Y, r.Y)};
        hi = {std::max(hi.X, r.X), std::max(hi.Y, r.Y)};
    }
    // Its margin is at least that of every probe's own box (CaixasSeparadas).
    const double folga =
        1e-9 * (std::fabs(c.X) + std::fabs(c.Y) + 2.0 * ((hi.X - lo.X) + (hi.Y - lo.Y)));
    bool perto = false;
    for (const auto &a : arestas_)
        if (!ForaDaCaixa(lo, hi, folga, a->No2->Ponto(), a->No1->Ponto())) {
            perto = true;
            break;
        }
    if (!perto)
        return;
    for (int k = 1; k <= n; ++k) {
        TNo *na = e->GetNo(k), *nb = e->GetNo(k % n + 1);
        const TPontoReal r = sonda(k);
        for (const auto &a : arestas_) {
            if (CaixasSeparadas(r, c, a->No2->Ponto(), a->No1->Ponto()))
                continue;
            if (TUT_Math::SegmentosCruzam(a->No2->Ponto(), a->No1->Ponto(), r, c)) {
                AdicionaLado(na, nb, a.get(), e);
                break;
            }
        }
    }
}

void TMalha::AdicionaLado(TNo *na, TNo *nb, TAresta *aresta, TElemento *elemento) {
    contornos_[std::size_t(aresta->Numero - 1)]->AdicionaLado(na, nb, elemento);
}

void TMalha::LimpaMalha() {
    for (auto &c : contornos_)
        c->Limpa();
    elementos_.clear();
    nos_.clear();
    divisoesX_.reset();
    divisoesY_.reset();
}

// ---------------------------------------------------------------------------------------------
// Queries

bool TMalha::ExisteNo(double x, double y) const {
    for (const auto &n : nos_)
        if (n->MesmaPosicao(x, y))
            return true;
    return false;
}

bool TMalha::ExisteVertice(double x, double y) const {
    int n;
    return ProcuraVertice(n, x, y);
}

bool TMalha::ProcuraVertice(int &n, double x, double y) const {
    for (const auto &v : vertices_)
        if (v->MesmaPosicao(x, y)) {
            n = v->Numero;
            return true;
        }
    n = 0;
    return false;
}

bool TMalha::ExisteAresta(const TNo &p1, const TNo &p2) const {
    int n;
    return ProcuraAresta(p1, p2, n);
}

bool TMalha::ProcuraAresta(const TNo &p1, const TNo &p2, int &n) const {
    for (const auto &a : arestas_) {
        if ((a->No1->MesmaPosicao(p1.X, p1.Y) && a->No2->MesmaPosicao(p2.X, p2.Y)) ||
            (a->No1->MesmaPosicao(p2.X, p2.Y) && a->No2->MesmaPosicao(p1.X, p1.Y))) {
            n = a->Numero;
            return true;
        }
    }
    n = 0;
    return false;
}

bool TMalha::PontoNaAresta(double x, double y) const {
    for (const auto &a : arestas_)
        if (TUT_Math::IgualComTolerancia(x, a->No1->X) &&
            TUT_Math::IgualComTolerancia(x, a->No2->X) && TUT_Math::Entre(y, a->No1->Y, a->No2->Y))
            return true;
    return false;
}

TVetorInteiro TMalha::NosNoRetangulo(double x1, double y1, double x2, double y2) const {
    auto r = TUT_Math::Retangulo(x1, y1, x2, y2);
    TVetorInteiro v;
    for (const auto &n : nos_)
        if (TUT_Math::PontoNoPoligono(n->Ponto(), r.data(), 3))
            v.Adiciona(n->Numero);
    return v;
}

int TMalha::NoNoRetangulo(double x1, double y1, double x2, double y2) const {
    auto r = TUT_Math::Retangulo(x1, y1, x2, y2);
    for (const auto &n : nos_)
        if (TUT_Math::PontoNoPoligono(n->Ponto(), r.data(), 3))
            return n->Numero;
    return 0;
}

int TMalha::VerticeNoRetangulo(double x1, double y1, double x2, double y2) const {
    auto r = TUT_Math::Retangulo(x1, y1, x2, y2);
    for (const auto &n : vertices_)
        if (TUT_Math::PontoNoPoligono(n->Ponto(), r.data(), 3))
            return n->Numero;
    return 0;
}

TVetorInteiro TMalha::ArestasNoRetangulo(double x1, double y1, double x2, double y2) const {
    auto r = TUT_Math::Retangulo(x1, y1, x2, y2);
    TVetorInteiro v;
    for (const auto &a : arestas_)
        if (!a->Interna && TUT_Math::PontoNoPoligono(a->No1->Ponto(), r.data(), 3) &&
            TUT_Math::PontoNoPoligono(a->No2->Ponto(), r.data(), 3))
            v.Adiciona(a->Numero);
    return v;
}

TVetorInteiro TMalha::ArestasCruzadas(double x1, double y1, double x2, double y2) const {
    TVetorInteiro v;
    for (const auto &a : arestas_)
        if (!a->Interna &&
            TUT_Math::SegmentosCruzam({x1, y1}, {x2, y2}, a->No1->Ponto(), a->No2->Ponto()))
            v.Adiciona(a->Numero);
    return v;
}

int TMalha::ElementoNoPonto(double x, double y) const {
    for (const auto &e : elementos_) {
        if (e->GetN() < 3)
            continue;
        TPontoReal t[3] = {e->GetNo(1)->Ponto(), e->GetNo(2)->Ponto(), e->GetNo(3)->Ponto()};
        if (TUT_Math::PontoNoPoligono({x, y}, t, 2))
            return e->Numero;
    }
    return 0;
}

double TMalha::DistanciaCentros(int i, int j) const {
    const TElemento *a = GetElemento(i), *b = GetElemento(j);
    return TUT_Math::Distancia(a->XCentro(), a->YCentro(), b->XCentro(), b->YCentro());
}

double TMalha::DistanciaAoContorno(int i) const {
    double d = 1e10;
    for (const auto &c : contornos_)
        for (int k = 1; k <= c->GetNumLados(); ++k)
            d = std::min(d, DistanciaCentros(i, c->GetLado(k)->Elemento->Numero));
    return d;
}

// ---------------------------------------------------------------------------------------------
// Point outside the domain

template <class Pula> bool TMalha::TestaRaio(double x, double y, Pula pula) const {
    const double l = std::fabs((XMax_ - XMin_) + (YMax_ - YMin_));
    const TPontoReal p{x, y};
    int conta = 0;
    for (double t = 0.0; t <= 6.283185307179586; t += 0.017453292519943295) {
        const double dx = l * std::cos(t), dy = l * std::sin(t);
        const TPontoReal q{x + dx, y + dy};
        conta = 0;
        bool abandona = false;
        for (const auto &a : arestas_) {
            if (pula(*a))
                continue;
            double c1 = (a->No1->X - x) * dy - (a->No1->Y - y) * dx;
            double c2 = (a->No2->X - x) * dy - (a->No2->Y - y) * dx;
            if (TUT_Math::IgualComTolerancia(0.0, c1) || TUT_Math::IgualComTolerancia(0.0, c2)) {
                abandona = true;
                break;
            }
            if (!CaixasSeparadas(p, q, a->No2->Ponto(), a->No1->Ponto()) &&
                TUT_Math::SegmentosCruzam(p, q, a->No2->Ponto(), a->No1->Ponto()))
                ++conta;
        }
        if (!abandona)
            break;
    }
    return conta % 2 == 0;
}

bool TMalha::PontoFora(double x, double y) const {
    return TestaRaio(x, y, [this](const TAresta &a) { return a.Interna && !ConsideraInternas; });
}

bool TMalha::PontoFora2(double x, double y) const {
    return TestaRaio(x, y, [](const TAresta &a) { return a.Ignorada; });
}

TLocalizadorContorno::TLocalizadorContorno(const TMalha &m) : malha_(m) {
    std::vector<const TAresta *> arestas;
    for (int i = 1; i <= m.GetNumArestas(); ++i) {
        const TAresta *a = m.GetAresta(i);
        if (a->Interna && !m.ConsideraInternas)
            continue;
        for (const TNo *v : {a->No1, a->No2}) {
            if (!std::isfinite(v->X) || !std::isfinite(v->Y))
                return;
            alturas_.push_back(v->Y);
        }
        arestas.push_back(a);
    }
    l_ = std::fabs((m.GetXMax() - m.GetXMin()) + (m.GetYMax() - m.GetYMin()));
    if (!(l_ > 0.0) || !std::isfinite(l_))
        return;
    std::sort(alturas_.begin(), alturas_.end());
    nb_ = std::max<int>(1, int(arestas.size()));
    if (!alturas_.empty()) {
        y0_ = alturas_.front();
        const double h = alturas_.back() - y0_;
        fy_ = h > 0.0 ? nb_ / h : 0.0;
    }
    // Two passes: count the edges of every bucket, then fill them.
    inicio_.assign(std::size_t(nb_) + 1, 0);
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<int> cursor;
        if (pass == 1) {
            for (std::size_t b = 1; b < inicio_.size(); ++b)
                inicio_[b] += inicio_[b - 1];
            lista_.assign(std::size_t(inicio_.back()), nullptr);
            cursor.assign(inicio_.begin(), inicio_.end() - 1);
        }
        for (const TAresta *a : arestas) {
            const int b0 = Balde(std::min(a->No1->Y, a->No2->Y));
            const int b1 = Balde(std::max(a->No1->Y, a->No2->Y));
            for (int b = b0; b <= b1; ++b) {
                if (pass == 0)
                    ++inicio_[std::size_t(b) + 1];
                else
                    lista_[std::size_t(cursor[std::size_t(b)]++)] = a;
            }
        }
    }
    valido_ = true;
}

// Monotonic in y, so an edge spanning a height is in that height's bucket.
int TLocalizadorContorno::Balde(double y) const {
    const double c = (y - y0_) * fy_;
    return !(c > 0.0) ? 0 : c >= nb_ - 1 ? nb_ - 1 : int(c);
}

bool TLocalizadorContorno::PontoFora(double x, double y) const {
    if (!valido_ || !std::isfinite(x) || !std::isfinite(y))
        return malha_.PontoFora(x, y);
    // The first ray of the mesh's test: from the point towards +x, with its length.
    const double dx = l_ * std::cos(0.0), dy = l_ * std::sin(0.0);
    const TPontoReal p{x, y}, q{x + dx, y + dy};
    if (!(q.X > p.X))
        return malha_.PontoFora(x, y);
    // An endpoint on the ray's line abandons the ray; only endpoints this near can be.
    const double w = 1e-9 / l_ + 1e-12 * std::fabs(y);
    for (auto it = std::lower_bound(alturas_.begin(), alturas_.end(), y - w);
         it != alturas_.end() && *it <= y + w; ++it)
        if (TUT_Math::IgualComTolerancia(0.0, (x - x) * dy - (*it - y) * dx))
            return malha_.PontoFora(x, y);
    // With no endpoint on the line, an edge with both ends on one side of it cannot cross.
    int conta = 0;
    const int b = Balde(y);
    for (int k = inicio_[std::size_t(b)]; k < inicio_[std::size_t(b) + 1]; ++k) {
        const TAresta *a = lista_[std::size_t(k)];
        if (std::min(a->No1->Y, a->No2->Y) > y || std::max(a->No1->Y, a->No2->Y) < y)
            continue;
        if (!CaixasSeparadas(p, q, a->No2->Ponto(), a->No1->Ponto()) &&
            TUT_Math::SegmentosCruzam(p, q, a->No2->Ponto(), a->No1->Ponto()))
            ++conta;
    }
    return conta % 2 == 0;
}
