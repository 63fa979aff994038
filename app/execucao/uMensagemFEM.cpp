#include "uMensagemFEM.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

TfrmMensagemFEM *frmMensagemFEM = nullptr;

namespace {

TRelogio &RelogioDasJanelas() {
    static TRelogio relogio;
    return relogio;
}

TfrmMensagemFEM *gProgressoAberto = nullptr;

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void ZeraMetadesAltas() {
    _mm256_zeroupper();
}
#endif

// Qt's painting may return with the upper halves of the AVX registers in use. Until something
// clears them, every SSE instruction of the engine's loops runs far slower (a whole run about
// half again as long), so a refresh clears them before the run resumes.
void LiberaRegistrosVetoriais() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        ZeraMetadesAltas();
#endif
}

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
    // Black figures with a white outline read on both colours. The outline is the text drawn
    // around its place (glyphs come from the cache; outlining the glyph paths is far slower).
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const QString texto = QString::number(pct) + QLatin1Char('%');
    const QFontMetricsF fm(f);
    const QPointF origem(r.center().x() - fm.horizontalAdvance(texto) / 2.0,
                         r.center().y() + (fm.ascent() - fm.descent()) / 2.0);
    p.setPen(Qt::white);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawText(origem + QPointF(dx, dy), texto);
    p.setPen(Qt::black);
    p.drawText(origem, texto);
}

// ---------------------------------------------------------------------------------------------

TfrmMensagemFEM::TfrmMensagemFEM(QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                       Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint),
      IProgresso(RelogioDasJanelas() ? RelogioDasJanelas() : RelogioPadrao()) {
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
    if (tempoPendente_)
        stxTempo->setText(QString::fromStdString(TextoTempo(tempo_)));
    if (passosPendentes_ > 0)
        pgbMedidorTempo->DefineProgresso(pgbMedidorTempo->Progresso() + passosPendentes_);
    elementoPendente_ = barraPendente_ = tempoPendente_ = false;
    passosPendentes_ = 0;
    ++atualizacoes_;
    QCoreApplication::processEvents();
    LiberaRegistrosVetoriais();
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

// Steps may end far more often than a window can usefully show them: a step's end within the
// interval is shown by the next call that finds it passed.
void TfrmMensagemFEM::MostraTempo(double t) {
    ++passosPendentes_;
    tempo_ = t;
    tempoPendente_ = true;
    if (limitador_.VezAgora())
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
    LiberaRegistrosVetoriais();
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
