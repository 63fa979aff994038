#include "CanvasQt.h"

#include <QFontMetrics>
#include <QPolygon>

QColor CorQt(TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor CorPlataforma(const QColor &c) {
    return RGBCor(c.red(), c.green(), c.blue());
}

namespace {

Qt::PenStyle EstiloCaneta(TPenStyle s) {
    switch (s) {
    case TPenStyle::psSolid:
        return Qt::SolidLine;
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle EstiloPincel(TBrushStyle s) {
    switch (s) {
    case TBrushStyle::bsSolid:
        return Qt::SolidPattern;
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    case TBrushStyle::bsBDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::bsFDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

bool Iguais(const TCaneta &a, const TCaneta &b) {
    return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}
bool Iguais(const TPincel &a, const TPincel &b) {
    return a.Color == b.Color && a.Style == b.Style;
}
bool Iguais(const TFonte &a, const TFonte &b) {
    return a.Color == b.Color && a.Size == b.Size && a.Name == b.Name;
}

QFont FonteQt(const TFonte &f) {
    QFont q(QString::fromStdString(f.Name));
    q.setPointSize(f.Size > 0 ? f.Size : 8);
    return q;
}

} // namespace

TCanvasQt::TCanvasQt(QImage *imagem) : imagem_(imagem) {}

TCanvasQt::~TCanvasQt() {
    Termina();
}

void TCanvasQt::Termina() {
    if (pintor_) {
        pintor_->end();
        pintor_.reset();
    }
    canetaValida_ = pincelValido_ = fonteValida_ = false;
}

void TCanvasQt::SetImagem(QImage *imagem) {
    Termina();
    imagem_ = imagem;
}

QPainter &TCanvasQt::Pintor() {
    if (!pintor_) {
        pintor_ = std::make_unique<QPainter>(imagem_);
        canetaValida_ = pincelValido_ = fonteValida_ = false;
    }
    return *pintor_;
}

void TCanvasQt::AplicaCaneta() {
    QPainter &p = Pintor();
    if (canetaValida_ && Iguais(caneta_, Pen))
        return;
    caneta_ = Pen;
    canetaValida_ = true;
    if (Pen.Style == TPenStyle::psClear) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen q(CorQt(Pen.Color));
    q.setWidth(Pen.Width < 1 ? 1 : Pen.Width);
    q.setStyle(EstiloCaneta(Pen.Style));
    // Square ends and mitred joins keep thick lines as long as the points they join.
    q.setCapStyle(Qt::SquareCap);
    q.setJoinStyle(Qt::MiterJoin);
    p.setPen(q);
}

void TCanvasQt::AplicaPincel() {
    QPainter &p = Pintor();
    if (pincelValido_ && Iguais(pincel_, Brush))
        return;
    pincel_ = Brush;
    pincelValido_ = true;
    p.setBrush(QBrush(CorQt(Brush.Color), EstiloPincel(Brush.Style)));
}

void TCanvasQt::AplicaFonte() {
    QPainter &p = Pintor();
    if (fonteValida_ && Iguais(fonte_, Font))
        return;
    fonte_ = Font;
    fonteValida_ = true;
    p.setFont(FonteQt(Font));
}

void TCanvasQt::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void TCanvasQt::LineTo(int x, int y) {
    AplicaCaneta();
    Pintor().drawLine(x_, y_, x, y);
    x_ = x;
    y_ = y;
}

void TCanvasQt::Polygon(const std::vector<TPonto> &pontos) {
    if (pontos.empty())
        return;
    AplicaCaneta();
    AplicaPincel();
    QPolygon q(int(pontos.size()));
    for (std::size_t i = 0; i < pontos.size(); ++i)
        q.setPoint(int(i), pontos[i].X, pontos[i].Y);
    Pintor().drawPolygon(q);
}

void TCanvasQt::Polyline(const std::vector<TPonto> &pontos) {
    if (pontos.empty())
        return;
    AplicaCaneta();
    QPolygon q(int(pontos.size()));
    for (std::size_t i = 0; i < pontos.size(); ++i)
        q.setPoint(int(i), pontos[i].X, pontos[i].Y);
    Pintor().drawPolyline(q);
    x_ = pontos.back().X;
    y_ = pontos.back().Y;
}

// The rectangle covers x1..x2-1 and y1..y2-1, as the platform's canvas does.
void TCanvasQt::Rectangle(int x1, int y1, int x2, int y2) {
    AplicaCaneta();
    AplicaPincel();
    Pintor().drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TCanvasQt::FillRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1 || Brush.Style == TBrushStyle::bsClear)
        return;
    Pintor().fillRect(QRect(x1, y1, x2 - x1, y2 - y1),
                      QBrush(CorQt(Brush.Color), EstiloPincel(Brush.Style)));
}

void TCanvasQt::Ellipse(int x1, int y1, int x2, int y2) {
    AplicaCaneta();
    AplicaPincel();
    Pintor().drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// Text with its cell's top-left corner at (x, y); the cell is filled with the brush unless the
// brush is clear.
void TCanvasQt::TextOut(int x, int y, const std::string &texto) {
    AplicaFonte();
    QPainter &p = Pintor();
    const QString t = QString::fromUtf8(texto.data(), qsizetype(texto.size()));
    const QFontMetrics fm(p.font());
    if (Brush.Style != TBrushStyle::bsClear)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), CorQt(Brush.Color));
    const QPen antiga = p.pen();
    p.setPen(CorQt(Font.Color));
    p.drawText(x, y + fm.ascent(), t);
    p.setPen(antiga);
}

int TCanvasQt::TextWidth(const std::string &texto) {
    return QFontMetrics(FonteQt(Font), imagem_)
        .horizontalAdvance(QString::fromUtf8(texto.data(), qsizetype(texto.size())));
}

int TCanvasQt::TextHeight(const std::string &) {
    return QFontMetrics(FonteQt(Font), imagem_).height();
}

TColor TCanvasQt::GetPixel(int x, int y) {
    Termina();
    if (!imagem_->valid(x, y))
        return 0xFFFFFFFFu; // outside the picture (CLR_INVALID)
    return CorPlataforma(imagem_->pixelColor(x, y));
}

void TCanvasQt::SetPixel(int x, int y, TColor c) {
    Termina();
    if (imagem_->valid(x, y))
        imagem_->setPixelColor(x, y, CorQt(c));
}

int TCanvasQt::Largura() const {
    return imagem_->width();
}

int TCanvasQt::Altura() const {
    return imagem_->height();
}
