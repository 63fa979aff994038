#include "malhas/Elemento.h"

#include <algorithm>
#include <array>
#include <cmath>

TElemento::TElemento(TNo *const *nos, int high) : nos_(nos, nos + (high + 1)) {
    CalculaLimites();
}

TElemento::TElemento(int n) {
    nos_.reserve(std::size_t(n));
    proprios_.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        proprios_.push_back(std::make_unique<TNo>(i, 0.0, 0.0));
        nos_.push_back(proprios_.back().get());
    }
    CalculaLimites();
}

TElemento::TElemento(const TElemento &origem, TCopiaNos) : Numero(origem.Numero) {
    int n = origem.GetN();
    nos_.reserve(std::size_t(n));
    proprios_.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        const TNo *o = origem.GetNo(i);
        proprios_.push_back(std::make_unique<TNo>(o->Numero, o->X, o->Y));
        nos_.push_back(proprios_.back().get());
    }
    CalculaLimites();
}

double TElemento::XCentro() const {
    double s = 0.0;
    for (const TNo *no : nos_)
        s += no->X;
    return s / double(nos_.size());
}

double TElemento::YCentro() const {
    double s = 0.0;
    for (const TNo *no : nos_)
        s += no->Y;
    return s / double(nos_.size());
}

double TElemento::Area() const {
    double a = 0.0;
    std::size_t n = nos_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TNo *p = nos_[i], *q = nos_[(i + 1) % n];
        a += (p->X + q->X) * (q->Y - p->Y) / 2.0;
    }
    return a;
}

void TElemento::CalculaLimites() {
    if (nos_.empty())
        return;
    XMax = XMin = nos_[0]->X;
    YMax = YMin = nos_[0]->Y;
    for (const TNo *no : nos_) {
        XMax = std::max(XMax, no->X);
        XMin = std::min(XMin, no->X);
        YMax = std::max(YMax, no->Y);
        YMin = std::min(YMin, no->Y);
    }
}

bool TElemento::ContemPonto(double x, double y) const {
    if (!(YMin <= y && y <= YMax && XMin <= x && x <= XMax))
        return false;
    std::size_t n = nos_.size();
    std::array<TPontoReal, 8> fixo;
    std::vector<TPontoReal> grande;
    TPontoReal *pts = fixo.data();
    if (n > fixo.size()) {
        grande.resize(n);
        pts = grande.data();
    }
    for (std::size_t i = 0; i < n; ++i)
        pts[i] = nos_[i]->Ponto();
    return TUT_Math::PontoNoPoligono({x, y}, pts, int(n) - 1);
}

void TElemento::PosicoesDaAresta(const TAresta &aresta, int &p1, int &p2) const {
    p1 = p2 = 0;
    for (std::size_t i = 0; i < nos_.size(); ++i) {
        if (p1 == 0 && nos_[i]->Numero == aresta.No1->Numero)
            p1 = int(i) + 1;
        if (p2 == 0 && nos_[i]->Numero == aresta.No2->Numero)
            p2 = int(i) + 1;
    }
}

double TElemento::FuncaoForma(int i, double xi, double eta) {
    switch (i) {
    case 1:
        return 1.0 - xi - eta;
    case 2:
        return xi;
    case 3:
        return eta;
    default:
        return 0.0;
    }
}

TPontoReal TElemento::PontoGlobal(double xi, double eta) const {
    TPontoReal p;
    for (int i = 1; i <= 3 && i <= GetN(); ++i) {
        double n = FuncaoForma(i, xi, eta);
        p.X += n * GetNo(i)->X;
        p.Y += n * GetNo(i)->Y;
    }
    return p;
}

bool TElemento::SegmentoIsolinha(double valor, double f1, double f2, double f3, TPontoReal &p,
                                 TPontoReal &q) {
    int achados = 0;
    auto guarda = [&](double xi, double eta) {
        if (achados == 0)
            p = {xi, eta};
        else if (achados == 1)
            q = {xi, eta};
        ++achados;
    };
    if (TUT_Math::Entre(valor, f1, f2) && f1 != f2)
        guarda(std::fabs((valor - f1) / (f2 - f1)), 0.0);
    if (TUT_Math::Entre(valor, f1, f3) && f1 != f3)
        guarda(0.0, std::fabs((valor - f1) / (f3 - f1)));
    if (TUT_Math::Entre(valor, f3, f2) && f2 != f3) {
        double t = std::fabs((valor - f3) / (f2 - f3));
        guarda(t, 1.0 - t);
    }
    return achados >= 2;
}

void TElemento::LiberaNos() {
    for (TNo *&no : nos_)
        for (const auto &p : proprios_)
            if (p.get() == no)
                no = nullptr;
    proprios_.clear();
}
