#include "DispositivoWmf.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "uPlataforma.h"

namespace {

// Record functions.
enum : std::uint16_t {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETTEXTALIGN = 0x012E,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_RECTANGLE = 0x041B,
    META_TEXTOUT = 0x0521,
    META_STRETCHDIB = 0x0F43,
};

std::uint32_t CorRef(const QColor &c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
           (std::uint32_t(c.blue()) << 16);
}

std::int16_t Coord(double v) {
    return std::int16_t(std::clamp(std::lround(v), -32768L, 32767L));
}

// One record's words.
class TRegistro {
public:
    explicit TRegistro(std::uint16_t funcao) : funcao_(funcao) {}
    TRegistro &Palavra(int w) {
        p_.push_back(std::uint16_t(w & 0xFFFF));
        return *this;
    }
    TRegistro &Dupla(std::uint32_t d) {
        p_.push_back(std::uint16_t(d & 0xFFFF));
        p_.push_back(std::uint16_t(d >> 16));
        return *this;
    }
    TRegistro &Bytes(const std::string &b) {
        for (std::size_t i = 0; i < b.size(); i += 2) {
            const unsigned lo = (unsigned char)b[i];
            const unsigned hi = i + 1 < b.size() ? (unsigned char)b[i + 1] : 0u;
            p_.push_back(std::uint16_t(lo | (hi << 8)));
        }
        return *this;
    }
    std::uint16_t funcao_;
    std::vector<std::uint16_t> p_;
};

} // namespace

class TMotorWmf : public QPaintEngine {
public:
    TMotorWmf() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *dev) override {
        dispositivo_ = dev;
        if (!iniciado_) {
            iniciado_ = true;
            Grava(TRegistro(META_SETMAPMODE).Palavra(8)); // anisotropic
            Grava(TRegistro(META_SETWINDOWORG).Palavra(0).Palavra(0));
            Grava(TRegistro(META_SETWINDOWEXT).Palavra(dev->height()).Palavra(dev->width()));
            Grava(TRegistro(META_SETBKMODE).Palavra(1));       // transparent
            Grava(TRegistro(META_SETTEXTALIGN).Palavra(24));   // baseline, left
            Grava(TRegistro(META_SETPOLYFILLMODE).Palavra(1)); // alternate
        }
        setActive(true);
        return true;
    }

    bool end() override {
        Descarrega();
        setActive(false);
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &s) override {
        const DirtyFlags f = s.state();
        if (f & DirtyPen)
            caneta_ = s.pen();
        if (f & DirtyBrush)
            pincel_ = s.brush();
        if (f & DirtyTransform)
            transformacao_ = s.transform();
        if (f & DirtyFont)
            fonte_ = s.font();
    }

    void drawPath(const QPainterPath &caminho) override {
        if (pincel_.style() != Qt::NoBrush) {
            const auto poligonos = caminho.toFillPolygons(transformacao_);
            for (const QPolygonF &p : poligonos)
                Poligono(p, false);
        }
        if (caneta_.style() != Qt::NoPen) {
            const auto partes = caminho.toSubpathPolygons(transformacao_);
            for (const QPolygonF &p : partes)
                Polilinha(p);
        }
    }

    void drawPolygon(const QPointF *pontos, int n, PolygonDrawMode modo) override {
        QPolygonF p;
        p.reserve(n);
        for (int i = 0; i < n; ++i)
            p << transformacao_.map(pontos[i]);
        if (modo == PolylineMode) {
            if (caneta_.style() != Qt::NoPen)
                Polilinha(p);
        } else {
            Poligono(p, true);
        }
    }

    void drawLines(const QLineF *linhas, int n) override {
        if (caneta_.style() == Qt::NoPen)
            return;
        for (int i = 0; i < n; ++i)
            Polilinha(
                QPolygonF{transformacao_.map(linhas[i].p1()), transformacao_.map(linhas[i].p2())});
    }

    void drawPoints(const QPointF *pontos, int n) override {
        for (int i = 0; i < n; ++i) {
            const QPointF p = transformacao_.map(pontos[i]);
            Polilinha(QPolygonF{p, p + QPointF(1, 0)});
        }
    }

    void drawRects(const QRectF *r, int n) override {
        for (int i = 0; i < n; ++i) {
            if (transformacao_.type() <= QTransform::TxScale) {
                const QRectF m = transformacao_.mapRect(r[i]);
                SelecionaCaneta();
                SelecionaPincel();
                Grava(TRegistro(META_RECTANGLE)
                          .Palavra(Coord(m.bottom()))
                          .Palavra(Coord(m.right()))
                          .Palavra(Coord(m.top()))
                          .Palavra(Coord(m.left())));
            } else {
                Poligono(transformacao_.map(QPolygonF(r[i])), true);
            }
        }
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override {
        const QString texto = item.text();
        if (texto.isEmpty())
            return;
        const QPointF q = transformacao_.map(p);
        const double angulo =
            std::atan2(transformacao_.m12(), transformacao_.m11()) * 180.0 / 3.14159265358979;
        SelecionaFonte(item.font(), int(std::lround(-angulo * 10.0)));
        const std::uint32_t cor = CorRef(caneta_.color());
        if (cor != corTexto_) {
            Grava(TRegistro(META_SETTEXTCOLOR).Dupla(cor));
            corTexto_ = cor;
        }
        const QByteArray l = texto.toLatin1();
        const std::string bytes(l.constData(), std::size_t(l.size()));
        Grava(TRegistro(META_TEXTOUT)
                  .Palavra(int(bytes.size()))
                  .Bytes(bytes)
                  .Palavra(Coord(q.y()))
                  .Palavra(Coord(q.x())));
    }

    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) override {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF &r, const QImage &imagem, const QRectF &sr,
                   Qt::ImageConversionFlags) override {
        const QImage parte = imagem.copy(sr.toAlignedRect()).convertToFormat(QImage::Format_RGB888);
        if (parte.isNull())
            return;
        const QRectF destino = transformacao_.mapRect(r);
        const int w = parte.width(), h = parte.height();
        const int linha = (w * 3 + 3) & ~3;
        std::string dib(40 + std::size_t(linha) * std::size_t(h), '\0');
        auto poe32 = [&](std::size_t at, std::uint32_t v) {
            for (int k = 0; k < 4; ++k)
                dib[at + std::size_t(k)] = char((v >> (8 * k)) & 0xFF);
        };
        auto poe16 = [&](std::size_t at, std::uint16_t v) {
            dib[at] = char(v & 0xFF);
            dib[at + 1] = char(v >> 8);
        };
        poe32(0, 40);
        poe32(4, std::uint32_t(w));
        poe32(8, std::uint32_t(h));
        poe16(12, 1);
        poe16(14, 24);
        poe32(20, std::uint32_t(linha * h));
        for (int y = 0; y < h; ++y) {
            const uchar *s = parte.constScanLine(h - 1 - y);
            char *d = dib.data() + 40 + std::size_t(y) * std::size_t(linha);
            for (int x = 0; x < w; ++x) {
                d[3 * x] = char(s[3 * x + 2]);
                d[3 * x + 1] = char(s[3 * x + 1]);
                d[3 * x + 2] = char(s[3 * x]);
            }
        }
        Grava(TRegistro(META_STRETCHDIB)
                  .Dupla(0x00CC0020) // source copy
                  .Palavra(0)        // RGB colours
                  .Palavra(h)
                  .Palavra(w)
                  .Palavra(0)
                  .Palavra(0)
                  .Palavra(Coord(destino.height()))
                  .Palavra(Coord(destino.width()))
                  .Palavra(Coord(destino.top()))
                  .Palavra(Coord(destino.left()))
                  .Bytes(dib));
    }

    void drawTiledPixmap(const QRectF &r, const QPixmap &pm, const QPointF &s) override {
        QImage ladrilhos(r.size().toSize(), QImage::Format_RGB32);
        if (ladrilhos.isNull())
            return;
        QPainter p(&ladrilhos);
        p.drawTiledPixmap(ladrilhos.rect(), pm, s);
        p.end();
        drawImage(r, ladrilhos, ladrilhos.rect(), Qt::AutoColor);
    }

    // The records and the largest object count, closed by deleting the objects in use.
    std::string Registros(std::uint16_t &objetos, std::uint32_t &maior) const {
        std::string r = corpo_;
        maior = maiorRegistro_;
        for (int h : {caneta_h_, pincel_h_, fonte_h_})
            if (h >= 0) {
                TRegistro d(META_DELETEOBJECT);
                d.Palavra(h);
                Anexa(r, d, maior);
            }
        TRegistro fim(META_EOF);
        Anexa(r, fim, maior);
        objetos = std::uint16_t(slots_.size());
        return r;
    }

private:
    static void Anexa(std::string &saida, const TRegistro &reg, std::uint32_t &maior) {
        const std::uint32_t palavras = 3 + std::uint32_t(reg.p_.size());
        maior = std::max(maior, palavras);
        auto w16 = [&](std::uint16_t v) {
            saida += char(v & 0xFF);
            saida += char(v >> 8);
        };
        w16(std::uint16_t(palavras & 0xFFFF));
        w16(std::uint16_t(palavras >> 16));
        w16(reg.funcao_);
        for (std::uint16_t w : reg.p_)
            w16(w);
    }
    void Grava(const TRegistro &reg) {
        Descarrega();
        Anexa(corpo_, reg, maiorRegistro_);
    }

    int NovoObjeto(const TRegistro &criacao) {
        Grava(criacao);
        auto livre = std::find(slots_.begin(), slots_.end(), false);
        const int h = int(livre - slots_.begin());
        if (livre == slots_.end())
            slots_.push_back(true);
        else
            *livre = true;
        Grava(TRegistro(META_SELECTOBJECT).Palavra(h));
        return h;
    }
    void Apaga(int h) {
        if (h < 0)
            return;
        Grava(TRegistro(META_DELETEOBJECT).Palavra(h));
        slots_[std::size_t(h)] = false;
    }
    // New object selected, then the one it replaces deleted.
    void Troca(int &h, std::string &chave, const std::string &nova, const TRegistro &criacao) {
        if (h >= 0 && chave == nova)
            return;
        const int antigo = h;
        h = NovoObjeto(criacao);
        Apaga(antigo);
        chave = nova;
    }

    void SelecionaCaneta(bool nula = false) {
        int estilo = 0;
        switch (nula ? Qt::NoPen : caneta_.style()) {
        case Qt::NoPen:
            estilo = 5;
            break;
        case Qt::DashLine:
            estilo = 1;
            break;
        case Qt::DotLine:
            estilo = 2;
            break;
        case Qt::DashDotLine:
            estilo = 3;
            break;
        case Qt::DashDotDotLine:
            estilo = 4;
            break;
        default:
            estilo = 0;
        }
        double escala = std::sqrt(std::fabs(transformacao_.determinant()));
        if (caneta_.isCosmetic() || !(escala > 0))
            escala = 1;
        const int largura = std::max(1, int(std::lround(caneta_.widthF() * escala)));
        const std::uint32_t cor = CorRef(caneta_.color());
        const std::string chave =
            std::to_string(estilo) + "/" + std::to_string(largura) + "/" + std::to_string(cor);
        TRegistro r(META_CREATEPENINDIRECT);
        r.Palavra(estilo).Palavra(largura).Palavra(0).Dupla(cor);
        Troca(caneta_h_, chaveCaneta_, chave, r);
    }

    void SelecionaPincel(bool nulo = false) {
        int estilo = 0, hachura = 0;
        QColor cor = pincel_.color();
        const Qt::BrushStyle s = nulo ? Qt::NoBrush : pincel_.style();
        switch (s) {
        case Qt::NoBrush:
            estilo = 1;
            break;
        case Qt::SolidPattern:
            break;
        case Qt::HorPattern:
        case Qt::VerPattern:
        case Qt::FDiagPattern:
        case Qt::BDiagPattern:
        case Qt::CrossPattern:
        case Qt::DiagCrossPattern:
            estilo = 2;
            hachura = s == Qt::HorPattern     ? 0
                      : s == Qt::VerPattern   ? 1
                      : s == Qt::FDiagPattern ? 2
                      : s == Qt::BDiagPattern ? 3
                      : s == Qt::CrossPattern ? 4
                                              : 5;
            break;
        default:
            // Gradients and textures: the first colour, solid.
            if (const QGradient *g = pincel_.gradient(); g && !g->stops().isEmpty())
                cor = g->stops().first().second;
        }
        const std::uint32_t ref = CorRef(cor);
        const std::string chave =
            std::to_string(estilo) + "/" + std::to_string(hachura) + "/" + std::to_string(ref);
        TRegistro r(META_CREATEBRUSHINDIRECT);
        r.Palavra(estilo).Dupla(ref).Palavra(hachura);
        Troca(pincel_h_, chavePincel_, chave, r);
    }

    void SelecionaFonte(const QFont &f, int escapamento) {
        double px =
            f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * TDispositivoWmf::kPolegada / 72.0;
        double escala = std::sqrt(std::fabs(transformacao_.determinant()));
        if (escala > 0)
            px *= escala;
        const int altura = -std::max(1, int(std::lround(px)));
        QByteArray nome = f.family().toLatin1().left(31);
        nome.append('\0');
        const std::string face(nome.constData(), std::size_t(nome.size()));
        const int peso = std::clamp(int(f.weight()), 100, 900);
        const std::string chave = face + "/" + std::to_string(altura) + "/" + std::to_string(peso) +
                                  "/" + std::to_string(f.italic()) + std::to_string(f.underline()) +
                                  std::to_string(f.strikeOut()) + "/" + std::to_string(escapamento);
        std::string logfont;
        auto b = [&](int v) { logfont += char(v & 0xFF); };
        auto w = [&](int v) {
            b(v);
            b(v >> 8);
        };
        w(altura);
        w(0);
        w(escapamento);
        w(escapamento);
        w(peso);
        b(f.italic());
        b(f.underline());
        b(f.strikeOut());
        b(0); // ANSI character set
        b(0);
        b(0);
        b(0);
        b(0);
        logfont += face;
        TRegistro r(META_CREATEFONTINDIRECT);
        r.Bytes(logfont);
        Troca(fonte_h_, chaveFonte_, chave, r);
    }

    // Lines go out as polylines; a line that starts where the last one ended, in the same pen,
    // continues it (charts draw their curves segment by segment).
    void Polilinha(const QPolygonF &p) {
        if (p.size() < 2)
            return;
        SelecionaCaneta();
        std::size_t inicio = 0;
        const std::pair<std::int16_t, std::int16_t> primeiro{Coord(p[0].x()), Coord(p[0].y())};
        if (pendente_.empty() || pendente_.back() != primeiro)
            Descarrega();
        else
            inicio = 1;
        for (qsizetype i = qsizetype(inicio); i < p.size(); ++i)
            pendente_.push_back({Coord(p[i].x()), Coord(p[i].y())});
    }

    // Writes the pending polyline, in pieces under the record's 16-bit count, each starting
    // where the previous one ended.
    void Descarrega() {
        if (pendente_.empty())
            return;
        std::vector<std::pair<std::int16_t, std::int16_t>> pontos;
        pontos.swap(pendente_);
        for (std::size_t inicio = 0; inicio + 1 < pontos.size();) {
            const std::size_t n =
                std::min<std::size_t>(TDispositivoWmf::kMaxPontos, pontos.size() - inicio);
            TRegistro r(META_POLYLINE);
            r.Palavra(int(n));
            for (std::size_t i = inicio; i < inicio + n; ++i)
                r.Palavra(pontos[i].first).Palavra(pontos[i].second);
            Anexa(corpo_, r, maiorRegistro_);
            inicio += n - 1;
        }
    }

    void Poligono(const QPolygonF &p, bool comCaneta) {
        if (p.size() < 2)
            return;
        if (pincel_.style() != Qt::NoBrush && p.size() <= TDispositivoWmf::kMaxPontos) {
            SelecionaCaneta(!comCaneta);
            SelecionaPincel();
            TRegistro r(META_POLYGON);
            r.Palavra(int(p.size()));
            for (const QPointF &q : p)
                r.Palavra(Coord(q.x())).Palavra(Coord(q.y()));
            Grava(r);
            return;
        }
        if (comCaneta && caneta_.style() != Qt::NoPen) {
            QPolygonF fechado = p;
            if (fechado.first() != fechado.last())
                fechado << fechado.first();
            Polilinha(fechado);
        }
    }

    QPaintDevice *dispositivo_ = nullptr;
    bool iniciado_ = false;
    QPen caneta_;
    QBrush pincel_;
    QFont fonte_;
    QTransform transformacao_;
    std::string corpo_;
    std::uint32_t maiorRegistro_ = 0;
    std::vector<bool> slots_;
    int caneta_h_ = -1, pincel_h_ = -1, fonte_h_ = -1;
    std::string chaveCaneta_, chavePincel_, chaveFonte_;
    std::uint32_t corTexto_ = 0xFFFFFFFFu;
    std::vector<std::pair<std::int16_t, std::int16_t>> pendente_;
};

TDispositivoWmf::TDispositivoWmf(int largura, int altura)
    : largura_(std::clamp(largura, 1, 32767)), altura_(std::clamp(altura, 1, 32767)),
      motor_(std::make_unique<TMotorWmf>()) {}

TDispositivoWmf::~TDispositivoWmf() = default;

QPaintEngine *TDispositivoWmf::paintEngine() const {
    return motor_.get();
}

int TDispositivoWmf::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmWidth:
        return largura_;
    case PdmHeight:
        return altura_;
    case PdmWidthMM:
        return int(std::lround(largura_ * 25.4 / kPolegada));
    case PdmHeightMM:
        return int(std::lround(altura_ * 25.4 / kPolegada));
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kPolegada;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

std::string TDispositivoWmf::Arquivo() const {
    std::uint16_t objetos = 0;
    std::uint32_t maior = 0;
    const std::string registros = motor_->Registros(objetos, maior);
    std::string r;
    auto w16 = [&](unsigned v) {
        r += char(v & 0xFF);
        r += char((v >> 8) & 0xFF);
    };
    auto w32 = [&](std::uint32_t v) {
        w16(v & 0xFFFF);
        w16(v >> 16);
    };
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    w32(0x9AC6CDD7u);
    w16(0);
    w16(0);
    w16(0);
    w16(unsigned(largura_));
    w16(unsigned(altura_));
    w16(kPolegada);
    w32(0);
    unsigned soma = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        soma ^= unsigned((unsigned char)r[i]) | (unsigned((unsigned char)r[i + 1]) << 8);
    w16(soma);
    // Standard header: type, header size, version, file size in words, objects, largest
    // record, parameters.
    w16(1);
    w16(9);
    w16(0x0300);
    w32(std::uint32_t(9 + registros.size() / 2));
    w16(objetos);
    w32(maior);
    w16(0);
    r += registros;
    return r;
}

void TDispositivoWmf::Salva(const std::string &arquivo) const {
    EscreveArquivo(arquivo, Arquivo());
}
