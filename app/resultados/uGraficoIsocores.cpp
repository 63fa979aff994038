#include "uGraficoIsocores.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "CanvasQt.h"
#include "Guarda.h"
#include "KitCombos.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "PixelsImagem.h"
#include "Temporizador.h"
#include "uLibFEM.h"

TfrmIsocores *frmIsocores = nullptr;

namespace {

QSlider *Trilha(int min, int max, int pos, const QString &dica) {
    auto *t = new QSlider(Qt::Horizontal);
    t->setRange(min, max);
    t->setValue(pos);
    t->setToolTip(dica);
    t->setTickPosition(QSlider::TicksBelow);
    return t;
}

QSpinBox *Giro(int min, int max, int valor, int passo) {
    auto *s = new QSpinBox;
    s->setRange(min, max);
    s->setValue(valor);
    s->setSingleStep(passo);
    return s;
}

double Segundos() {
    static QElapsedTimer relogio;
    if (!relogio.isValid())
        relogio.start();
    return relogio.nsecsElapsed() * 1e-9;
}

} // namespace

TImagemIsocores::TImagemIsocores(QWidget *pai) : QWidget(pai) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImagemIsocores::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!Imagem.isNull())
        p.drawImage(0, 0, Imagem);
}

void TImagemIsocores::mouseMoveEvent(QMouseEvent *e) {
    if (AoMoverMouse)
        AoMoverMouse(int(e->position().x()), int(e->position().y()));
}

TfrmIsocores::TfrmIsocores(QWidget *pai) : QDialog(pai) {
    setWindowTitle("ISOCORES");
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(2, 2, 2, 2);

    auto *menu = new QMenuBar;
    auto *arquivo = menu->addMenu("Arquivo");
    GerarCores1 = arquivo->addAction("Gerar Cores");
    Sair1 = arquivo->addAction("Sair");
    principal->setMenuBar(menu);

    auto *barra = new QToolBar;
    tobnDesenhaIsocores = new QToolButton;
    tobnDesenhaIsocores->setText("Desenha");
    tobnDesenhaIsocores->setToolTip("Desenha");
    barra->addWidget(tobnDesenhaIsocores);
    barra->addWidget(new QLabel("Tempo : "));
    edTempo = new QLineEdit("0");
    edTempo->setStatusTip("Instante para visualização");
    edTempo->setMaximumWidth(90);
    barra->addWidget(edTempo);
    lbUnidadeTempo = new QLabel;
    barra->addWidget(lbUnidadeTempo);
    chbAnimacao = new QCheckBox("Animação em intervalos de: ");
    barra->addWidget(chbAnimacao);
    seFotos = Giro(1, 1000, 500, 100);
    seFotos->setToolTip("Velocidade da Animação");
    barra->addWidget(seFotos);
    barra->addWidget(new QLabel("[ms]"));
    chkLinhas = new QCheckBox("Grade");
    barra->addWidget(chkLinhas);
    ToolButton4 = new QToolButton;
    ToolButton4->setText("Fundo");
    ToolButton4->setToolTip("Mudar Cor de Fundo");
    barra->addWidget(ToolButton4);
    principal->addWidget(barra);

    auto *meio = new QHBoxLayout;
    imIsocores = new TImagemIsocores;
    imIsocores->setMinimumSize(560, 420);
    imIsocores->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    meio->addWidget(imIsocores, 1);

    // The scale and its labels, which stand right of it in the same panel.
    painelEscala_ = new QWidget;
    painelEscala_->setFixedWidth(110);
    imEscala = new TImagemIsocores(painelEscala_);
    imEscala->setGeometry(8, 20, 20, 256);
    meio->addWidget(painelEscala_);

    auto *lado = new QVBoxLayout;
    auto *grupoMapa = new QGroupBox("Mapa de Cores");
    auto *gm = new QVBoxLayout(grupoMapa);
    gm->addWidget(new QLabel("Quantidade de Escala"));
    trkRotulos = Trilha(3, 15, 7, "Rótulos");
    trkRotulos->setStatusTip("Quantidade de Rótulos na Legenda");
    gm->addWidget(trkRotulos);
    gm->addWidget(new QLabel("Grau de Definição"));
    trkDivisoes = Trilha(2, 20, 7, "Discretização");
    trkDivisoes->setStatusTip("Grau de definição da imagem gerada pelas isocores");
    gm->addWidget(trkDivisoes);
    lado->addWidget(grupoMapa);

    auto *grupoCurvas = new QGroupBox("Curvas de Nível");
    auto *gc = new QVBoxLayout(grupoCurvas);
    auto *linhaValor = new QHBoxLayout;
    linhaValor->addWidget(new QLabel("Valor Inicial:"));
    edValorNivel = new QLineEdit("20");
    linhaValor->addWidget(edValorNivel);
    gc->addLayout(linhaValor);
    auto *linhaInc = new QHBoxLayout;
    linhaInc->addWidget(new QLabel("Incremento:"));
    edIncremento = new QLineEdit("2");
    linhaInc->addWidget(edIncremento);
    gc->addLayout(linhaInc);
    chkRotulos = new QCheckBox("Rótulos");
    chkRotulos->setChecked(true);
    gc->addWidget(chkRotulos);
    auto *grupoFonte = new QGroupBox("Fonte");
    auto *gf = new QVBoxLayout(grupoFonte);
    auto *linhaTipo = new QHBoxLayout;
    linhaTipo->addWidget(new QLabel("Tipo :"));
    cbFonte = new TFontComboBox;
    cbFonte->setMaximumWidth(150);
    linhaTipo->addWidget(cbFonte);
    gf->addLayout(linhaTipo);
    auto *linhaTam = new QHBoxLayout;
    linhaTam->addWidget(new QLabel("Tamanho :"));
    seSizeFonte = Giro(4, 25, 10, 1);
    linhaTam->addWidget(seSizeFonte);
    gf->addLayout(linhaTam);
    stxFonte = new QLabel("fonte");
    gf->addWidget(stxFonte);
    gc->addWidget(grupoFonte);
    gc->addWidget(new QLabel("Qtdade de rótulos"));
    tckEspacamento = Trilha(2, 40, 8, "Espaçamento entre rótulos");
    gc->addWidget(tckEspacamento);
    lado->addWidget(grupoCurvas);
    chkCurvaNivel = new QCheckBox("Curvas de Nível");
    chkCurvaNivel->setChecked(true);
    lado->addWidget(chkCurvaNivel);
    chkCores = new QCheckBox("Mapa de Cores");
    chkCores->setChecked(true);
    lado->addWidget(chkCores);
    shpCor = new QFrame;
    shpCor->setFixedSize(60, 24);
    shpCor->setFrameShape(QFrame::StyledPanel);
    shpCor->setAutoFillBackground(true);
    lado->addWidget(shpCor);
    lado->addStretch();
    meio->addLayout(lado);
    principal->addLayout(meio, 1);

    pgbMedidorIsocores = new QProgressBar;
    pgbMedidorIsocores->setTextVisible(false);
    pgbMedidorIsocores->setValue(0);
    principal->addWidget(pgbMedidorIsocores);
    barraStatus = new QStatusBar;
    principal->addWidget(barraStatus);

    tAnimacao = std::make_unique<TTemporizador>([this] { Tique(); });
    cbFonte->HandleNeeded();
    cbFonte->setCurrentIndex(0);
    MostraFonte();

    imIsocores->AoMoverMouse = [this](int x, int y) { LeituraDoPixel(x, y); };
    connect(tobnDesenhaIsocores, &QToolButton::clicked, this,
            [this] { Protege([this] { DesenhaIsocores(); }); });
    connect(GerarCores1, &QAction::triggered, this,
            [this] { Protege([this] { DesenhaIsocores(); }); });
    connect(Sair1, &QAction::triggered, this, [this] { close(); });
    connect(ToolButton4, &QToolButton::clicked, this,
            [this] { Protege([this] { MudaCorDeFundo(); }); });
    connect(chbAnimacao, &QCheckBox::toggled, this, [this](bool b) { Anima(b); });
    cbFonte->OnChange = [this] { MostraFonte(); };
    connect(seSizeFonte, &QSpinBox::valueChanged, this, [this] { MostraFonte(); });
    resize(980, 620);
}

TfrmIsocores::~TfrmIsocores() {
    tAnimacao->Para();
    if (frmIsocores == this)
        frmIsocores = nullptr;
}

void TfrmIsocores::showEvent(QShowEvent *e) {
    const TUnidadesResultados u =
        FonteResultados() ? FonteResultados()->Unidades() : TUnidadesResultados{};
    lbUnidadeTempo->setText(QString::fromStdString(" " + u.Tempo + " "));
    fundo_ = clBlack;
    QDialog::showEvent(e);
}

void TfrmIsocores::hideEvent(QHideEvent *e) {
    // No tick may draw while the window is away (the analysis may be replaced meanwhile).
    chbAnimacao->setChecked(false);
    tAnimacao->Para();
    QDialog::hideEvent(e);
}

void TfrmIsocores::MostraFonte() {
    QFont f = stxFonte->font();
    f.setFamily(cbFonte->FontName());
    f.setPointSize(seSizeFonte->value());
    stxFonte->setFont(f);
}

void TfrmIsocores::Anima(bool ligada) {
    if (ligada)
        tAnimacao->Inicia(seFotos->value());
    else
        tAnimacao->Para();
}

void TfrmIsocores::MudaCorDeFundo() {
    QColor c = CorQt(fundo_);
    if (Perguntador().EscolheCor(this, c))
        fundo_ = CorPlataforma(c);
}

void TfrmIsocores::IniciaProgresso(int n) {
    pgbMedidorIsocores->setRange(0, std::max(1, n));
    pgbMedidorIsocores->setValue(0);
    inicioDesenho_ = Segundos();
    progresso_ = 0;
    ultimaRepintura_ = -1.0;
    repinturas_ = 0;
}

void TfrmIsocores::PassoProgresso(int passos) {
    // The count is kept here; the bar (which repaints itself on every visible change) takes it
    // at most about 30 times a second, and only once the drawing lasts long enough to watch.
    progresso_ += passos;
    const double agora = Segundos();
    if (agora - inicioDesenho_ >= 0.1 && agora - ultimaRepintura_ >= 1.0 / 30) {
        ultimaRepintura_ = agora;
        ++repinturas_;
        pgbMedidorIsocores->setValue(std::min(pgbMedidorIsocores->maximum(), progresso_));
    }
}

void TfrmIsocores::LimpaRotulos() {
    for (QLabel *l : rotulosEscala_)
        delete l;
    rotulosEscala_.clear();
}

void TfrmIsocores::PreparaIsocores() {
    IFonteResultados *fonte = FonteResultados();
    TAnalise *analise = fonte ? fonte->AnaliseTermica() : nullptr;
    if (!analise)
        throw EAbortSilencioso{};
    const TUnidadesResultados u = fonte->Unidades();
    const double t = u.Horas(LeReal(edTempo->text()));
    TOpcoesIsocores op;
    op.Divisoes = trkDivisoes->value();
    op.Grade = chkLinhas->isChecked();
    op.Cores = chkCores->isChecked();
    op.Rotulos = trkRotulos->value();
    op.Fonte = cbFonte->FontName().toStdString();
    op.TamanhoFonte = seSizeFonte->value();
    op.CurvasNivel = chkCurvaNivel->isChecked();
    if (op.CurvasNivel) {
        op.ValorNivel = LeReal(edValorNivel->text());
        op.Incremento = LeReal(edIncremento->text());
    }
    op.RotulosCurva = chkRotulos->isChecked();
    op.Espacamento = tckEspacamento->value();
    op.Fundo = fundo_;

    // A new picture for each drawing, sized as the map and the scale are now.
    const QSize tm = imIsocores->size().expandedTo(QSize(100, 100));
    canvasMapa_.reset();
    canvasEscala_.reset();
    imIsocores->Imagem = QImage(tm, QImage::Format_RGB32);
    imEscala->Imagem = QImage(imEscala->size().expandedTo(QSize(4, 16)), QImage::Format_RGB32);
    canvasMapa_ = std::make_unique<TCanvasQt>(&imIsocores->Imagem);
    canvasEscala_ = std::make_unique<TCanvasQt>(&imEscala->Imagem);
    mapa_.Prepara(*analise, t, *canvasMapa_, op, u);
}

void TfrmIsocores::DesenhaIsocores() {
    PreparaIsocores();
    IniciaProgresso(mapa_.TotalProgresso());
    const TBufferPixels pixels = PixelsDaImagem(*canvasMapa_);
    mapa_.Desenha(*canvasMapa_, pixels, *canvasEscala_, imEscala->x(), imEscala->y(),
                  [this](int n) { PassoProgresso(n); });
    canvasMapa_->Termina();
    canvasEscala_->Termina();
    // The scale's labels: as many as the drawing made, the ones already there reused.
    const auto &rotulos = mapa_.Desenho()->GetRotulos();
    while (rotulosEscala_.size() > rotulos.size()) {
        delete rotulosEscala_.back();
        rotulosEscala_.pop_back();
    }
    while (rotulosEscala_.size() < rotulos.size()) {
        auto *l = new QLabel(painelEscala_);
        QFont f("Arial");
        f.setPointSize(7);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
        rotulosEscala_.push_back(l);
    }
    for (std::size_t i = 0; i < rotulos.size(); ++i) {
        QLabel *l = rotulosEscala_[i];
        l->setText(QString::fromStdString(rotulos[i].Texto));
        l->move(rotulos[i].Esquerda, rotulos[i].Topo);
        l->adjustSize();
        l->show();
    }
    pgbMedidorIsocores->setValue(0);
    imIsocores->update();
    imEscala->update();
}

void TfrmIsocores::LeituraDoPixel(int x, int y) {
    TIsoCores *d = mapa_.Desenho();
    if (!d || !canvasMapa_)
        return;
    Protege([&] {
        double wx, wy, z = 0;
        bool temValor = false;
        d->PontoDoPixel(x, y, wx, wy, z, temValor);
        const TUnidadesResultados u =
            FonteResultados() ? FonteResultados()->Unidades() : TUnidadesResultados{};
        const char sep = DecimalSeparator();
        std::string t = "(X = " + FormatG(u.ComprimentoUsuario(wx), 15, sep) +
                        "; Y = " + FormatG(u.ComprimentoUsuario(wy), 15, sep);
        if (temValor) {
            std::string zs = FormatG(z, 4, sep);
            if (zs.size() < 6)
                zs.insert(0, 6 - zs.size(), ' ');
            t += "; Z = " + zs;
        }
        t += ")";
        setWindowTitle(QString::fromStdString(t));
        QPalette p = shpCor->palette();
        p.setColor(QPalette::Window, CorQt(canvasMapa_->GetPixel(x, y)));
        shpCor->setPalette(p);
    });
}

void TfrmIsocores::Tique() {
    Protege([this] {
        try {
            IFonteResultados *fonte = FonteResultados();
            TAnalise *analise = fonte ? fonte->AnaliseTermica() : nullptr;
            if (!analise)
                throw EAbortSilencioso{};
            const TUnidadesResultados u = fonte->Unidades();
            const TTempo *tempo = analise->GetTempo();
            const double t = u.Horas(LeReal(edTempo->text())) + tempo->GetDt();
            edTempo->setText(TextoReal(u.TempoUsuario(t)));
            // The axis ends: that time is not drawn.
            if (tempo->GetTempoFinal() <= t + 1e-9 * std::fabs(tempo->GetDt())) {
                chbAnimacao->setChecked(false);
                tAnimacao->Para();
                return;
            }
            DesenhaIsocores();
            imIsocores->repaint();
        } catch (...) {
            // Stopped before the error shows: one box, not one per tick.
            chbAnimacao->setChecked(false);
            tAnimacao->Para();
            throw;
        }
    });
}
