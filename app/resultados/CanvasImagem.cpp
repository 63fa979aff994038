#include "CanvasImagem.h"

#include <QFontMetrics>
#include <QPolygon>

QColor CorQt(TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor CorDoQt(const QColor &c) {
    return RGBCor(c.red(), c.green(), c.blue());
}

TCanvasImagem::TCanvasImagem(QImage &imagem) : imagem_(imagem) {}

TCanvasImagem::~TCanvasImagem() {
    Termina();
}

QPainter &TCanvasImagem::Pintor() {
    if (!pintor_) {
        pintor_ = std::make_unique<QPainter>(&imagem_);
        pintor_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *pintor_;
}

void TCanvasImagem::Termina() {
    if (pintor_) {
        pintor_->end();
        pintor_.reset();
    }
}

TBufferPixels TCanvasImagem::Pixels() {
    Termina();
    TBufferPixels b;
    if (imagem_.isNull() || imagem_.format() != QImage::Format_RGB32)
        return b;
    b.Pixels = reinterpret_cast<std::uint32_t *>(imagem_.bits());
    b.Largura = imagem_.width();
    b.Altura = imagem_.height();
    b.Passo = int(imagem_.bytesPerLine() / 4);
    return b;
}

void TCanvasImagem::AplicaCaneta(QPainter &p) {
    if (Pen.Style == TPenStyle::psClear) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen caneta(CorQt(Pen.Color));
    caneta.setWidth(Pen.Width);
    switch (Pen.Style) {
    case TPenStyle::psDash:
        caneta.setStyle(Qt::DashLine);
        break;
    case TPenStyle::psDot:
        caneta.setStyle(Qt::DotLine);
        break;
    case TPenStyle::psDashDot:
        caneta.setStyle(Qt::DashDotLine);
        break;
    case TPenStyle::psDashDotDot:
        caneta.setStyle(Qt::DashDotDotLine);
        break;
    default:
        caneta.setStyle(Qt::SolidLine);
    }
    p.setPen(caneta);
}

void TCanvasImagem::AplicaPincel(QPainter &p) {
    switch (Brush.Style) {
    case TBrushStyle::bsClear:
        p.setBrush(Qt::NoBrush);
        break;
    case TBrushStyle::bsBDiagonal:
        p.setBrush(QBrush(CorQt(Brush.Color), Qt::BDiagPattern));
        break;
    case TBrushStyle::bsFDiagonal:
        p.setBrush(QBrush(CorQt(Brush.Color), Qt::FDiagPattern));
        break;
    default:
        p.setBrush(QBrush(CorQt(Brush.Color)));
    }
}

void TCanvasImagem::MoveTo(int x, int y) {
    posicao_ = {x, y};
}

void TCanvasImagem::LineTo(int x, int y) {
    QPainter &p = Pintor();
    AplicaCaneta(p);
    p.drawLine(posicao_.X, posicao_.Y, x, y);
    posicao_ = {x, y};
}

void TCanvasImagem::Polygon(const std::vector<TPonto> &pontos) {
    QPainter &p = Pintor();
    AplicaCaneta(p);
    AplicaPincel(p);
    QPolygon pol(int(pontos.size()));
    for (std::size_t i = 0; i < pontos.size(); ++i)
        pol.setPoint(int(i), pontos[i].X, pontos[i].Y);
    p.drawPolygon(pol);
}

void TCanvasImagem::Polyline(const std::vector<TPonto> &pontos) {
    QPainter &p = Pintor();
    AplicaCaneta(p);
    QPolygon pol(int(pontos.size()));
    for (std::size_t i = 0; i < pontos.size(); ++i)
        pol.setPoint(int(i), pontos[i].X, pontos[i].Y);
    p.drawPolyline(pol);
    if (!pontos.empty())
        posicao_ = pontos.back();
}

void TCanvasImagem::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter &p = Pintor();
    AplicaCaneta(p);
    AplicaPincel(p);
    p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void TCanvasImagem::FillRect(int x1, int y1, int x2, int y2) {
    Pintor().fillRect(x1, y1, x2 - x1, y2 - y1, CorQt(Brush.Color));
}

void TCanvasImagem::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter &p = Pintor();
    AplicaCaneta(p);
    AplicaPincel(p);
    p.drawEllipse(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void TCanvasImagem::TextOut(int x, int y, const std::string &texto) {
    QPainter &p = Pintor();
    QFont f(QString::fromStdString(Font.Name));
    f.setPointSize(std::max(1, Font.Size));
    p.setFont(f);
    const QString t = QString::fromStdString(texto);
    const QFontMetrics m(f);
    const QRect r(x, y, m.horizontalAdvance(t) + 2, m.height());
    if (Brush.Style != TBrushStyle::bsClear)
        p.fillRect(r, CorQt(Brush.Color));
    p.setPen(CorQt(Font.Color));
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, t);
}

int TCanvasImagem::TextWidth(const std::string &texto) {
    QFont f(QString::fromStdString(Font.Name));
    f.setPointSize(std::max(1, Font.Size));
    return QFontMetrics(f).horizontalAdvance(QString::fromStdString(texto));
}

int TCanvasImagem::TextHeight(const std::string &) {
    QFont f(QString::fromStdString(Font.Name));
    f.setPointSize(std::max(1, Font.Size));
    return QFontMetrics(f).height();
}

TColor TCanvasImagem::GetPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= imagem_.width() || y >= imagem_.height())
        return clBlack;
    const auto *linha = reinterpret_cast<const QRgb *>(imagem_.constScanLine(y));
    return CorDoQt(QColor::fromRgb(linha[x]));
}

void TCanvasImagem::SetPixel(int x, int y, TColor c) {
    if (x < 0 || y < 0 || x >= imagem_.width() || y >= imagem_.height())
        return;
    Termina();
    imagem_.setPixel(x, y, ArgbDaCor(c));
}
