#include "uMensagemFEM.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TfrmMensagemFEM *frmMensagemFEM = nullptr;

namespace {

TRelogio &RelogioDasJanelas() {
    static TRelogio relogio;
    return relogio;
}

TfrmMensagemFEM *gProgressoAberto = nullptr;

} // namespace

// ---------------------------------------------------------------------------------------------

TMedidorPizza::TMedidorPizza(QWidget *pai) : QWidget(pai) {
    setMinimumSize(56, 56);
}

void TMedidorPizza::DefineMaximo(int maximo) {
    if (maximo == maximo_)
        return;
    maximo_ = maximo;
    update();
}

void TMedidorPizza::DefineMinimo(int minimo) {
    if (minimo == minimo_)
        return;
    minimo_ = minimo;
    update();
}

void TMedidorPizza::DefineProgresso(int progresso) {
    if (progresso == progresso_)
        return;
    progresso_ = progresso;
    update();
}

int TMedidorPizza::Percentual() const {
    if (maximo_ <= minimo_)
        return 0;
    const long long feito = std::clamp<long long>(progresso_, minimo_, maximo_) - minimo_;
    return int(feito * 100 / (static_cast<long long>(maximo_) - minimo_));
}

void TMedidorPizza::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int lado = std::min(width(), height()) - 4;
    const QRectF r((width() - lado) / 2.0, (height() - lado) / 2.0, lado, lado);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(r);
    const int pct = Percentual();
    if (pct > 0) {
        p.setBrush(QColor(0, 0, 128));
        p.drawPie(r, 90 * 16, -pct * 360 * 16 / 100);
    }
    // Black figures with a white outline read on both colours.
    QFont f = font();
    f.setBold(true);
    const QString texto = QString::number(pct) + QLatin1Char('%');
    const QFontMetricsF fm(f);
    const QPointF origem(r.center().x() - fm.horizontalAdvance(texto) / 2.0,
                         r.center().y() + (fm.ascent() - fm.descent()) / 2.0);
    QPainterPath caminho;
    caminho.addText(origem, f, texto);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(caminho);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(caminho);
}

// ---------------------------------------------------------------------------------------------

TfrmMensagemFEM::TfrmMensagemFEM(QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                       Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint),
      limitador_(RelogioDasJanelas() ? RelogioDasJanelas() : RelogioPadrao()) {
    setObjectName("frmMensagemFEM");
    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 6, 6, 6);
    raiz->setSizeConstraint(QLayout::SetFixedSize);

    plProcesso = new QFrame(this);
    plProcesso->setObjectName("plProcesso");
    plProcesso->setFrameShape(QFrame::Panel);
    plProcesso->setFrameShadow(QFrame::Sunken);
    auto *grade = new QGridLayout(plProcesso);
    pgbMedidorTempo = new TMedidorPizza(plProcesso);
    pgbMedidorTempo->setObjectName("pgbMedidorTempo");
    stxElementos = new QLabel(plProcesso);
    stxElementos->setObjectName("stxElementos");
    stxTempo = new QLabel(plProcesso);
    stxTempo->setObjectName("stxTempo");
    for (QLabel *l : {stxElementos, stxTempo}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(260);
    }
    grade->addWidget(pgbMedidorTempo, 0, 0, 2, 1);
    grade->addWidget(stxElementos, 0, 1);
    grade->addWidget(stxTempo, 1, 1);
    raiz->addWidget(plProcesso);

    pgbMedidor = new QProgressBar(this);
    pgbMedidor->setObjectName("pgbMedidor");
    pgbMedidor->setRange(0, 100);
    pgbMedidor->setValue(0);
    pgbMedidor->setMinimumWidth(320);
    raiz->addWidget(pgbMedidor);
}

TfrmMensagemFEM::~TfrmMensagemFEM() {
    if (Estado().MensagemFEM == this)
        Estado().MensagemFEM = nullptr;
    if (frmMensagemFEM == this)
        frmMensagemFEM = nullptr;
    if (gProgressoAberto == this)
        gProgressoAberto = nullptr;
}

void TfrmMensagemFEM::DefineRelogio(TRelogio relogio) {
    RelogioDasJanelas() = std::move(relogio);
}

void TfrmMensagemFEM::Atualiza() {
    if (elementoPendente_)
        stxElementos->setText(QString::fromStdString(TextoElemento(elemento_)));
    if (barraPendente_)
        pgbMedidor->setValue(barra_.Posicao);
    elementoPendente_ = barraPendente_ = false;
    ++atualizacoes_;
    QCoreApplication::processEvents();
}

void TfrmMensagemFEM::RefrescaSeDevido() {
    if (limitador_.Vez())
        Atualiza();
}

void TfrmMensagemFEM::Avanca() {
    barra_.Avanca();
    barraPendente_ = true;
    RefrescaSeDevido();
}

void TfrmMensagemFEM::DefineFaixaElementos(int n) {
    barra_.DefineFaixa(0, n);
    pgbMedidor->setRange(barra_.Minimo, barra_.Maximo);
    pgbMedidor->setValue(barra_.Posicao);
}

void TfrmMensagemFEM::DefineFaixaPassos(int n) {
    pgbMedidorTempo->DefineMinimo(0);
    pgbMedidorTempo->DefineMaximo(n);
}

void TfrmMensagemFEM::MostraElemento(int elemento) {
    elemento_ = elemento;
    elementoPendente_ = true;
    Avanca();
}

void TfrmMensagemFEM::MostraTempo(double t) {
    pgbMedidorTempo->DefineProgresso(pgbMedidorTempo->Progresso() + 1);
    stxTempo->setText(QString::fromStdString(TextoTempo(t)));
    limitador_.Marca();
    Atualiza();
}

void TfrmMensagemFEM::MostraMemoria(int mb) {
    elementoPendente_ = false;
    stxElementos->setText(QString::fromStdString(TextoMemoria(mb)));
}

void TfrmMensagemFEM::DefineTitulo(const QString &texto) {
    setWindowTitle(texto);
}

void TfrmMensagemFEM::DefineTexto(const QString &texto) {
    elementoPendente_ = false;
    stxElementos->setText(texto);
}

void TfrmMensagemFEM::MostraPainel(bool mostra) {
    plProcesso->setVisible(mostra);
    adjustSize();
    update();
}

// ---------------------------------------------------------------------------------------------

TfrmMensagemFEM *AbreProgresso(bool painel, const QString &titulo, int numElementos) {
    FechaProgresso();
    auto *w = new TfrmMensagemFEM(nullptr);
    gProgressoAberto = w;
    frmMensagemFEM = w;
    Estado().MensagemFEM = w;
    w->DefineTitulo(titulo);
    w->MostraPainel(painel);
    if (painel)
        w->DefineFaixaElementos(numElementos);
    w->show();
    if (const QScreen *tela = w->screen()) {
        const QRect area = tela->availableGeometry();
        w->move(area.center() - w->rect().center());
    }
    QCoreApplication::processEvents();
    return w;
}

void FechaProgresso() {
    TfrmMensagemFEM *w = gProgressoAberto;
    if (!w)
        return;
    gProgressoAberto = nullptr;
    w->hide();
    delete w;
}
