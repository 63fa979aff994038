#include "KitUtils.h"

#include <limits>

#include "KitBase.h"

#include <QApplication>
#include <QBitmap>
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

static void CarregaRecursosKit() {
    Q_INIT_RESOURCE(kit);
}

namespace {
int gCopiando = 0;
}

QRgb TKitBitmap::TransparentColor() const {
    if (Transparente)
        return *Transparente;
    if (Vazio())
        return qRgb(255, 0, 255);
    return Imagem.pixel(0, Imagem.height() - 1) | 0xFF000000u;
}

int TKitImageList::Add(const QImage &img) {
    FImagens.push_back(QImage());
    Replace(Count() - 1, img);
    return Count() - 1;
}

void TKitImageList::Replace(int indice, const QImage &img) {
    QImage i = img.convertToFormat(QImage::Format_ARGB32);
    if (i.width() != FLargura || i.height() != FAltura) {
        QImage n(FLargura, FAltura, QImage::Format_ARGB32);
        n.fill(Qt::transparent);
        QPainter p(&n);
        p.drawImage(0, 0, i);
        i = n;
    }
    FImagens[std::size_t(indice)] = i;
}

void TKitImageList::Draw(QPainter &p, int x, int y, int indice) const {
    if (indice >= 0 && indice < Count())
        p.drawImage(x, y, FImagens[std::size_t(indice)]);
}

void RaiseMissingResource(const QString &nome) {
    throw EKitResourceNotFound(nome.toStdString());
}

void RaiseMissingResource(int numero) {
    throw EKitResourceNotFound(std::to_string(numero));
}

namespace {
TKitBitmap Carrega(const QString &modulo, const QString &nome) {
    CarregaRecursosKit();
    const QString pasta = modulo.isEmpty() ? QStringLiteral(":/kit/") : ":/" + modulo + "/";
    TKitBitmap b;
    for (const char *ext : {".xpm", ".png", ".bmp"}) {
        b.Imagem = QImage(pasta + nome + QLatin1String(ext));
        if (!b.Imagem.isNull())
            break;
    }
    return b;
}
} // namespace

TKitBitmap LoadModuleBitmap(const QString &modulo, const QString &recurso) {
    TKitBitmap b = Carrega(modulo, recurso);
    if (b.Vazio())
        RaiseMissingResource(recurso);
    return b;
}

TKitBitmap LoadModuleBitmap(const QString &modulo, int recurso) {
    TKitBitmap b = Carrega(modulo, QString::number(recurso));
    if (b.Vazio())
        RaiseMissingResource(recurso);
    return b;
}

namespace {
QRect Celula(QSize tamanho, int &colunas, int &linhas, int indice) {
    colunas = IntMax(colunas, 1);
    linhas = IntMax(linhas, 1);
    indice = IntMax(indice, 0);
    const int w = tamanho.width() / colunas, h = tamanho.height() / linhas;
    return QRect((indice % colunas) * w, (indice / colunas) * h, w, h);
}
} // namespace

void CopyBitmapCell(const TKitBitmap *origem, TKitBitmap *destino, int colunas, int linhas,
                    int indice) {
    if (!origem || !destino)
        return;
    const QRect c = Celula(origem->Imagem.size(), colunas, linhas, indice);
    destino->Imagem = origem->Imagem.copy(c); // keeps the format and the colour table
    destino->Transparente = origem->TransparentColor();
}

void CopyBitmapCell(const QPixmap *origem, TKitBitmap *destino, int colunas, int linhas,
                    int indice) {
    if (!origem || !destino)
        return;
    const QRect c = Celula(origem->size(), colunas, linhas, indice);
    QImage img(c.size(), QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    p.drawPixmap(-c.left(), -c.top(), *origem);
    p.end();
    destino->Imagem = img;
    destino->Transparente.reset();
}

bool KitCopyPainting() {
    return gCopiando > 0;
}

void PaintParentBackground(QWidget *controle, QPainter &p) {
    QWidget *pai = controle ? controle->parentWidget() : nullptr;
    if (!pai)
        return;
    ++gCopiando;
    const QRect r = controle->geometry();
    p.save();
    // A rendered region's top-left corner lands on the target offset.
    pai->render(&p, QPoint(0, 0), QRegion(r), QWidget::DrawWindowBackground);
    for (QObject *o : pai->children()) {
        if (o == controle)
            break;
        auto *irmao = qobject_cast<QWidget *>(o);
        if (!irmao || !irmao->isVisible() || irmao->isWindow())
            continue;
        const QRect g = irmao->geometry() & r;
        if (g.isEmpty())
            continue;
        irmao->render(&p, g.topLeft() - r.topLeft(), QRegion(g.translated(-irmao->pos())),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    p.restore();
    --gCopiando;
}

QImage KeyedImage(const QImage &img, QRgb transparente) {
    QImage r = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb chave = transparente & 0x00FFFFFFu;
    for (int y = 0; y < r.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(r.scanLine(y));
        for (int x = 0; x < r.width(); ++x)
            if ((l[x] & 0x00FFFFFFu) == chave)
                l[x] = 0;
    }
    return r;
}

void StretchWithoutColour(QPainter &p, const QRect &destino, const QImage &img, const QRect &origem,
                          QRgb transparente) {
    p.drawImage(destino, KeyedImage(img.copy(origem), transparente));
}

void DrawBitmapPartKeyed(QPainter &p, const QPoint &pos, const TKitBitmap &bmp,
                         TKitColor transparente, const QRect &parte) {
    if (bmp.Vazio())
        return;
    const QRect destino(pos, parte.size());
    if (transparente == clKitNone) {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(destino, bmp.Imagem, parte);
        p.restore();
        return;
    }
    QRgb chave;
    if (transparente == clKitDefault)
        chave = bmp.Imagem.depth() == 1 ? qRgb(255, 255, 255)
                                        : bmp.Imagem.pixel(0, bmp.Imagem.height() - 1);
    else
        chave = KitColor(transparente).rgb();
    StretchWithoutColour(p, destino, bmp.Imagem, parte, chave);
}

void DrawBitmapKeyed(QPainter &p, const QPoint &pos, const TKitBitmap &bmp,
                     TKitColor transparente) {
    DrawBitmapPartKeyed(p, pos, bmp, transparente, bmp.Imagem.rect());
}

QImage MakeEngravedBitmapWith(const QImage &img, QRgb contorno, const QColor &fundo,
                              const QColor &realce, const QColor &sombra, bool comRealce) {
    const QImage s = img.convertToFormat(QImage::Format_RGB32);
    QImage r(s.size(), QImage::Format_RGB32);
    r.fill(fundo);
    const QRgb chave = contorno & 0x00FFFFFFu;
    auto forma = [&](int x, int y) { return (s.pixel(x, y) & 0x00FFFFFFu) != chave; };
    if (comRealce)
        for (int y = 0; y + 1 < s.height(); ++y)
            for (int x = 0; x + 1 < s.width(); ++x)
                if (forma(x, y))
                    r.setPixel(x + 1, y + 1, realce.rgb());
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (forma(x, y))
                r.setPixel(x, y, sombra.rgb());
    return r;
}

QImage MakeEngravedBitmap(const QImage &img, QRgb contorno) {
    return MakeEngravedBitmapWith(img, contorno, KitSysColor(TKitSysColor::BtnFace),
                                  KitSysColor(TKitSysColor::BtnHighlight),
                                  KitSysColor(TKitSysColor::BtnShadow), true);
}

void DrawImageEngraved(const TKitImageList &lista, QPainter &p, int x, int y, int indice,
                       const QColor &realce, const QColor &cinza, bool comRealce) {
    if (indice < 0 || indice >= lista.Count())
        return;
    const QImage &img = lista.Image(indice);
    QImage r(img.size() + QSize(1, 1), QImage::Format_ARGB32);
    r.fill(Qt::transparent);
    auto pinta = [&](int dx, int dy, const QColor &c) {
        for (int j = 0; j < img.height(); ++j)
            for (int i = 0; i < img.width(); ++i)
                if (qAlpha(img.pixel(i, j)) > 0)
                    r.setPixel(i + dx, j + dy, c.rgba());
    };
    if (comRealce)
        pinta(1, 1, realce);
    pinta(0, 0, cinza);
    const QBrush pincel = p.brush();
    p.drawImage(x, y, r);
    p.setBrush(pincel);
}

QImage GrayedImage(const QImage &img, QRgb transparente, QRgb face) {
    QImage r = img.convertToFormat(QImage::Format_RGB32);
    const QRgb t = transparente & 0x00FFFFFFu, f = face & 0x00FFFFFFu;
    for (int y = 0; y < r.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(r.scanLine(y));
        for (int x = 0; x < r.width(); ++x) {
            const QRgb c = l[x] & 0x00FFFFFFu;
            if (c == t || c == f)
                continue;
            const int g = (77 * qRed(c) + 150 * qGreen(c) + 29 * qBlue(c)) / 256;
            l[x] = qRgb(g, g, g);
        }
    }
    return r;
}

void ReportUnavailable() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    KitInforma(QStringLiteral("Function not yet implemented"));
    throw EKitAbort{};
}

namespace {

// Swallows the first posted (not spontaneous) event of one kind that reaches its object before
// the marker it posts behind every pending event comes round; then it goes.
class TDescartaUm : public QObject {
public:
    TDescartaUm(QObject *alvo, QEvent::Type tipo) : QObject(alvo), FTipo(tipo) {
        alvo->installEventFilter(this);
        QCoreApplication::postEvent(alvo, new QEvent(kMarca), std::numeric_limits<int>::min());
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override {
        if (o != parent())
            return false;
        if (e->type() == kMarca) {
            o->removeEventFilter(this);
            deleteLater();
            return true;
        }
        if (e->type() != FTipo || e->spontaneous() || FFeito)
            return false;
        FFeito = true;
        return true;
    }

private:
    static inline const QEvent::Type kMarca = QEvent::Type(QEvent::registerEventType());
    QEvent::Type FTipo;
    bool FFeito = false;
};

} // namespace

void DropPendingMessage(QObject *janela, QEvent::Type tipo) {
    // A pending quit request stays where it is; none is made up.
    if (!janela || tipo == QEvent::Quit)
        return;
    new TDescartaUm(janela, tipo);
}

QString FitWithEllipsis(const QString &texto, const QFontMetrics &fm, int largura) {
    QString r = texto;
    for (int i = 1; i < texto.size() && fm.horizontalAdvance(r) > largura;) {
        ++i;
        r = texto.left(IntMax(0, int(texto.size()) - i)) + QStringLiteral("...");
    }
    return r;
}

bool AppIsForeground() {
    return QApplication::activeWindow() != nullptr;
}
