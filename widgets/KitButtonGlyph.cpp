#include "KitButtonGlyph.h"

#include <QPainter>

#include <map>
#include <memory>

// ---------------------------------------------------------------------------------------------
// Glyph cache

class TGlyphList : public TKitImageList {
public:
    using TKitImageList::TKitImageList;
    int Allocate(const QImage &img) {
        for (int i = 0; i < Count(); ++i)
            if (!FUsados[std::size_t(i)]) {
                FUsados[std::size_t(i)] = true;
                Replace(i, img);
                ++FEmUso;
                return i;
            }
        FUsados.push_back(true);
        ++FEmUso;
        return Add(img);
    }
    void Free(int i) {
        if (i >= 0 && i < int(FUsados.size()) && FUsados[std::size_t(i)]) {
            FUsados[std::size_t(i)] = false;
            --FEmUso;
        }
    }
    int InUse() const { return FEmUso; }

private:
    std::vector<bool> FUsados;
    int FEmUso = 0;
};

namespace {

struct TGlyphCache {
    std::map<std::pair<int, int>, std::unique_ptr<TGlyphList>> Listas;
    TGlyphList *Get(int w, int h) {
        auto &l = Listas[{w, h}];
        if (!l)
            l = std::make_unique<TGlyphList>(w, h);
        return l.get();
    }
    void Return(TGlyphList *l) {
        if (!l || l->InUse() > 0)
            return;
        for (auto it = Listas.begin(); it != Listas.end(); ++it)
            if (it->second.get() == l) {
                Listas.erase(it);
                return;
            }
    }
};

TGlyphCache *gCache = nullptr;
int gPintores = 0;

} // namespace

TKitButtonGlyph::TKitButtonGlyph() : FTransparentColor(qRgb(255, 0, 255)) {
    if (gPintores++ == 0)
        gCache = new TGlyphCache;
}

TKitButtonGlyph::~TKitButtonGlyph() {
    Invalidate();
    if (--gPintores == 0) {
        delete gCache;
        gCache = nullptr;
    }
}

int TKitButtonGlyph::CachedLists() {
    return gCache ? int(gCache->Listas.size()) : 0;
}

void TKitButtonGlyph::Invalidate() {
    for (int &i : FIndexes) {
        if (i >= 0 && FList)
            FList->Free(i);
        i = -1;
    }
    if (FList && gCache)
        gCache->Return(FList);
    FList = nullptr;
}

void TKitButtonGlyph::SetGlyph(const TKitBitmap &b) {
    Invalidate();
    FOriginal = b;
    FTransparentColor = b.Vazio() ? qRgb(255, 0, 255) : b.TransparentColor();
    if (!b.Vazio() && b.Largura() % b.Altura() == 0) {
        const int n = b.Largura() / b.Altura();
        FNumGlyphs = n > 5 ? 1 : n;
    }
}

void TKitButtonGlyph::SetNumGlyphs(int n) {
    n = n < 1 ? 1 : (n > 5 ? 5 : n);
    if (n == FNumGlyphs)
        return;
    Invalidate();
    FNumGlyphs = n;
}

QSize TKitButtonGlyph::GlyphSize() const {
    if (FOriginal.Vazio())
        return QSize(0, 0);
    return QSize(FOriginal.Largura() / FNumGlyphs, FOriginal.Altura());
}

int TKitButtonGlyph::CreateButtonGlyph(TKitButtonState s) {
    if (FIndexes[s] >= 0)
        return FIndexes[s];
    const QSize g = GlyphSize();
    if (g.isEmpty())
        return -1;
    auto celula = [&](int i) {
        return FOriginal.Imagem.copy(QRect(i * g.width(), 0, g.width(), g.height()));
    };
    const QRgb face = KitSysColor(TKitSysColor::BtnFace).rgb();
    QImage img;
    switch (s) {
    case StateUp:
        img = KeyedImage(celula(0), FTransparentColor);
        break;
    case StateDisabled:
        if (FNumGlyphs >= 2)
            img = KeyedImage(celula(1), FTransparentColor);
        else
            img = KeyedImage(MakeEngravedBitmap(celula(0), FTransparentColor), face);
        break;
    case StateDown:
        img = KeyedImage(celula(FNumGlyphs >= 3 ? 2 : 0), FTransparentColor);
        break;
    case StateExclusive:
        img = KeyedImage(celula(FNumGlyphs >= 4 ? 3 : 0), FTransparentColor);
        break;
    case StateInactive:
        if (FNumGlyphs == 5)
            img = KeyedImage(celula(4), FTransparentColor);
        else
            img = KeyedImage(GrayedImage(celula(0), FTransparentColor, face), FTransparentColor);
        break;
    }
    if (!FList)
        FList = gCache->Get(g.width(), g.height());
    FIndexes[s] = FList->Allocate(img);
    return FIndexes[s];
}

QImage TKitButtonGlyph::StateImage(TKitButtonState s) {
    const int i = CreateButtonGlyph(s);
    return i < 0 ? QImage() : FList->Image(i);
}

TKitButtonPlaces TKitButtonGlyph::CalcPlaces(const QRect &face, const QFontMetrics &fm,
                                             const QString &caption, TKitButtonLayout layout,
                                             int margin, int spacing, bool mark) const {
    TKitButtonPlaces r;
    const int W = face.width(), H = face.height();
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    QSize g = GlyphSize();
    int gw = g.width(), gh = g.height();
    const bool temGlyph = gw > 0 && gh > 0;

    int larg, alt;
    if (horizontal) {
        larg =
            W - gw - (margin != -1 ? margin : 0) - (spacing != -1 ? spacing : 0) - (mark ? 9 : 0);
        alt = H;
    } else {
        larg = W;
        alt = H - gh - (margin != -1 ? margin : 0) - (spacing != -1 ? spacing : 0);
    }
    larg = IntMax(larg, 0);
    alt = IntMax(alt, 0);

    QString texto = caption.left(255);
    if (!FWordWrap) {
        QStringList linhas = texto.split(QLatin1Char('\n'));
        for (QString &l : linhas) {
            l = FitWithEllipsis(l, fm, larg);
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
        }
        texto = linhas.join(QLatin1Char('\n'));
    }
    int tw = 0, th = 0;
    if (!texto.isEmpty()) {
        // The size does not depend on the alignment; measuring left-aligned avoids the
        // rounding of a centred fractional width.
        const int flags =
            Qt::AlignLeft | Qt::TextShowMnemonic | (FWordWrap ? int(Qt::TextWordWrap) : 0);
        const QRect b = fm.boundingRect(QRect(0, 0, larg, 1 << 20), flags, texto);
        tw = IntMin(b.width(), larg);
        th = IntMin(b.height(), alt);
    }
    r.Text = texto;
    const int twTexto = tw;
    if (mark) {
        if (!temGlyph || layout == blGlyphLeft)
            tw += 9;
        else
            gw += 6;
    }

    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (horizontal) {
        gy = H / 2 - gh / 2;
        ty = H / 2 - th / 2;
    } else {
        gx = W / 2 - gw / 2;
        tx = W / 2 - tw / 2;
    }
    if (tw == 0 || gw == 0)
        spacing = 0;
    const int extG = horizontal ? gw : gh, extT = horizontal ? tw : th, ext = horizontal ? W : H;
    if (margin == -1 && spacing == -1) {
        margin = (ext - extG - extT) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = ext / 2 - (extG + spacing + extT) / 2;
    } else if (spacing == -1) {
        spacing = (ext - margin - extG) / 2 - extT / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        gx = margin;
        tx = margin + gw + spacing;
        break;
    case blGlyphRight:
        gx = W - margin - gw;
        tx = gx - spacing - tw;
        break;
    case blGlyphTop:
        gy = margin;
        ty = margin + gh + spacing;
        break;
    case blGlyphBottom:
        gy = H - margin - gh;
        ty = gy - spacing - th;
        break;
    }
    const QPoint o = face.topLeft();
    r.Glyph = QRect(QPoint(gx, gy) + o, g);
    r.Caption = QRect(QPoint(tx, ty) + o, QSize(twTexto, th));
    r.HasMark = mark;
    if (mark) {
        if (layout != blGlyphLeft && temGlyph)
            r.Mark = QPoint(r.Glyph.left() + g.width() + 1, r.Glyph.top() + g.height() / 2);
        else if (!texto.isEmpty())
            r.Mark = QPoint(r.Caption.left() + twTexto + 3, r.Caption.top() + th / 2);
        else if (temGlyph) // glyph left without caption: in the room kept after the glyph
            r.Mark = QPoint(r.Caption.left() + 1, r.Glyph.top() + g.height() / 2);
        else
            r.Mark = QPoint((face.left() + face.left() + W - 7) / 2, r.Caption.top() + th / 2);
    }
    return r;
}

namespace {
void DesenhaMarca(QPainter &p, QPoint m, const QColor &c) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i)
        p.fillRect(m.x() + i, m.y() - 1 + i, 7 - 2 * i, 1, c);
}
} // namespace

TKitButtonPlaces TKitButtonGlyph::Draw(QPainter &p, const QRect &face, const QPoint &offset,
                                       const QString &caption, TKitButtonLayout layout, int margin,
                                       int spacing, TKitButtonState state, bool mark,
                                       const QColor &corTexto) {
    TKitButtonPlaces r =
        CalcPlaces(face, QFontMetrics(p.font()), caption, layout, margin, spacing, mark);
    r.Glyph.translate(offset);
    r.Caption.translate(offset);
    r.Mark += offset;
    if (!r.Glyph.isEmpty()) {
        const QImage img = StateImage(state);
        if (!img.isNull())
            p.drawImage(r.Glyph.topLeft(), img);
    }
    const QColor realce = KitSysColor(TKitSysColor::BtnHighlight),
                 sombra = KitSysColor(TKitSysColor::BtnShadow);
    if (!r.Text.isEmpty()) {
        int flags =
            Qt::AlignVCenter | Qt::TextShowMnemonic | (FWordWrap ? int(Qt::TextWordWrap) : 0);
        flags |= FAlignment == TKitAlignment::LeftJustify    ? Qt::AlignLeft
                 : FAlignment == TKitAlignment::RightJustify ? Qt::AlignRight
                                                             : Qt::AlignHCenter;
        if (state == StateDisabled) {
            p.setPen(realce);
            p.drawText(r.Caption.translated(1, 1), flags, r.Text);
            p.setPen(sombra);
        } else
            p.setPen(corTexto);
        p.drawText(r.Caption, flags, r.Text);
    }
    if (r.HasMark) {
        if (state == StateDisabled) {
            DesenhaMarca(p, r.Mark + QPoint(1, 1), realce);
            DesenhaMarca(p, r.Mark, sombra);
        } else
            DesenhaMarca(p, r.Mark, KitSysColor(TKitSysColor::BtnText));
    }
    return r;
}
