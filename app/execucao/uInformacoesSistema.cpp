#include "uInformacoesSistema.h"

#include "MemoriaSistema.h"
#include "Temporizador.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <vector>

TfrmInformacoesSistema *frmInformacoesSistema = nullptr;

namespace {

TRAMThread *gThreadRAM = nullptr;
// Windows made by AbreInformacoesSistema that are still alive.
std::vector<TfrmInformacoesSistema *> gJanelas;
// The window whose rule the memory tool holds, and that tool.
TfrmInformacoesSistema *gLigada = nullptr;
TFerramentaMemoria *gFerramenta = nullptr;

QSpinBox *Giratorio(QWidget *pai, const char *nome, int valor) {
    auto *s = new QSpinBox(pai);
    s->setObjectName(nome);
    s->setRange(INT_MIN, INT_MAX);
    s->setValue(valor);
    return s;
}

QString Texto(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

// ---------------------------------------------------------------------------------------------

TRAMThread::TRAMThread(int n, TfrmInformacoesSistema *dono) : n_(n), dono_(dono) {}

void TRAMThread::run() {
    std::lock_guard<std::mutex> trava(SecaoLiberacao());
    emit DesligaTimer();
    const int blocos = BlocosPermitidos(n_, LeEstadoMemoria());
    emit Inicio(blocos);
    TomaELiberaBlocos(blocos, [this](int i) { emit Progresso(i); });
    emit LigaTimer();
    emit Progresso(0);
}

// ---------------------------------------------------------------------------------------------

TfrmInformacoesSistema::TfrmInformacoesSistema(QWidget *pai) : QDialog(pai) {
    setObjectName("frmInformacoesSistema");
    setWindowTitle("Situação do Sistema");
    auto *raiz = new QVBoxLayout(this);

    auto *grpSeletor = new QGroupBox("Selecionar Memória Virtual Livre", this);
    grpSeletor->setToolTip("Select RAM to Free");
    auto *laySeletor = new QVBoxLayout(grpSeletor);
    TrackRAM = new QSlider(Qt::Horizontal, grpSeletor);
    TrackRAM->setObjectName("TrackRAM");
    TrackRAM->setTickPosition(QSlider::TicksBelow);
    labslider = new QLabel("50 Mb memória livre quando otimizado", grpSeletor);
    labslider->setObjectName("labslider");
    laySeletor->addWidget(TrackRAM);
    laySeletor->addWidget(labslider);
    raiz->addWidget(grpSeletor);

    auto *rammon = new QGroupBox("Dados \"on line\" de Memória Virtual Livre", this);
    rammon->setObjectName("rammon");
    rammon->setToolTip("RAM & CPU Usage Monitor");
    auto *layMon = new QVBoxLayout(rammon);
    labCpu = new QLabel(rammon);
    labCpu->setObjectName("labCpu");
    barRAM = new QProgressBar(rammon);
    barRAM->setObjectName("barRAM");
    barRAM->setToolTip("RAM Usage Monitor");
    barRAM->setRange(0, 100);
    barRAM->setTextVisible(false);
    labram = new QLabel(rammon);
    labram->setObjectName("labram");
    for (QLabel *l : {labCpu, labram}) {
        l->setStyleSheet("QLabel { color: #00ff00; background-color: black; padding: 2px; }");
        l->setMinimumWidth(300);
    }
    layMon->addWidget(labCpu);
    layMon->addWidget(barRAM);
    layMon->addWidget(labram);
    raiz->addWidget(rammon);

    cmdOptimize = new QPushButton("&Otimizar Memória Virtual", this);
    cmdOptimize->setObjectName("cmdOptimize");
    cmdOptimize->setToolTip("Optimizes Memory");
    cmdOptimize->setAutoDefault(false);
    barProgress = new QProgressBar(this);
    barProgress->setObjectName("barProgress");
    barProgress->setRange(0, 100);
    barProgress->setValue(0);
    raiz->addWidget(cmdOptimize);
    raiz->addWidget(barProgress);

    auto *grpRegra = new QGroupBox("Liberar Memória Virtual na Análise Quando...", this);
    auto *grade = new QGridLayout(grpRegra);
    rbRAMLivre = new QRadioButton("Atingir :", grpRegra);
    rbRAMLivre->setObjectName("rbRAMLivre");
    rbRAMLivre->setChecked(true);
    seLimiteLivre = Giratorio(grpRegra, "seLimiteLivre", 20);
    seLimiteLivreSuperior = Giratorio(grpRegra, "seLimiteLivreSuperior", 100);
    grade->addWidget(rbRAMLivre, 0, 0);
    grade->addWidget(seLimiteLivre, 0, 1);
    grade->addWidget(new QLabel("Mb Memória Virtual Livre", grpRegra), 0, 2, 1, 2);
    grade->addWidget(new QLabel("até o limite desejável de ", grpRegra), 1, 0);
    grade->addWidget(seLimiteLivreSuperior, 1, 1);
    grade->addWidget(new QLabel("Mb ", grpRegra), 1, 2);
    rbRAMLivrePorEtapa = new QRadioButton("A cada etapa de Construção se atingir :", grpRegra);
    rbRAMLivrePorEtapa->setObjectName("rbRAMLivrePorEtapa");
    seLimiteLivrePorEtapa = Giratorio(grpRegra, "seLimiteLivrePorEtapa", 100);
    grade->addWidget(rbRAMLivrePorEtapa, 2, 0);
    grade->addWidget(seLimiteLivrePorEtapa, 2, 1);
    grade->addWidget(new QLabel("Mb Memória Virtual Livre", grpRegra), 2, 2, 1, 2);
    btnOk = new QPushButton("Ok", grpRegra);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancela = new QPushButton("Cancelar", grpRegra);
    btnCancela->setObjectName("btnCancela");
    btnCancela->setAutoDefault(false);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);
    grade->addLayout(botoes, 3, 0, 1, 4);
    raiz->addWidget(grpRegra);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    raiz->addWidget(StatusBar1);

    Timer1 = std::make_unique<TTemporizador>([this] { Timer1Timer(); });

    connect(TrackRAM, &QSlider::valueChanged, this, [this](int v) { TrackRAMChange(v); });
    connect(cmdOptimize, &QPushButton::clicked, this, [this] { cmdOptimizeClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancela, &QPushButton::clicked, this, [this] { btnCancelaClick(); });
    // The upper limit follows the free limit when that one rises above it; the user may still
    // set the upper limit lower afterwards.
    connect(seLimiteLivre, &QSpinBox::valueChanged, this, [this] { AcoplaLimites(); });

    // Creation: the memory status, the selector's range and the limits.
    const TEstadoMemoria m = LeEstadoMemoria();
    totalKb_ = m.TotalKb();
    livreKb_ = m.DisponivelKb();
    TrackRAM->setRange(0, MaximoSeletor(m));
    TrackRAM->setTickInterval(std::max(1, TrackRAM->maximum() / 20));
    TrackRAM->setValue(50);
    TrackRAMChange(TrackRAM->value());
}

TfrmInformacoesSistema::~TfrmInformacoesSistema() {
    Timer1->Para();
    if (gThreadRAM && gThreadRAM->Dono() == this)
        EncerraTrabalho();
    if (gLigada == this) {
        gLigada = nullptr;
        if (gFerramenta)
            gFerramenta->Desliga();
    }
    if (frmInformacoesSistema == this)
        frmInformacoesSistema = nullptr;
    gJanelas.erase(std::remove(gJanelas.begin(), gJanelas.end(), this), gJanelas.end());
}

void TfrmInformacoesSistema::Dispara(bool aplicado) {
    aplicado_ = aplicado;
    TRegraMemoria r;
    r.Aplicado = aplicado;
    r.PorEtapa = rbRAMLivrePorEtapa->isChecked();
    r.LimitePorEtapa = seLimiteLivrePorEtapa->value();
    r.LimiteLivre = seLimiteLivre->value();
    r.LimiteSuperior = seLimiteLivreSuperior->value();
    if (OnRegra)
        OnRegra(r);
}

bool TfrmInformacoesSistema::TimerAtivo() const {
    return Timer1->Ativo();
}

void TfrmInformacoesSistema::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    rbRAMLivre->setChecked(true);
    Dispara(false);
    pararMonitor_ = false;
    Timer1->Inicia(1000);
}

void TfrmInformacoesSistema::closeEvent(QCloseEvent *e) {
    // The title bar's close hides the window as it is; only "Cancelar" clears the rule.
    e->accept();
}

void TfrmInformacoesSistema::reject() {
    btnCancelaClick();
}

void TfrmInformacoesSistema::Timer1Timer() {
    if (pararMonitor_)
        Timer1->Para();
    TEstadoMemoria m = LeEstadoMemoria();
    // The total is the one read at creation.
    m.TotalBytes = std::uint64_t(totalKb_) << 10;
    const TLeituraMonitor l = LeituraMonitor(m);
    livreKb_ = l.LivreKb;
    percentual_ = l.Percentual;
    barRAM->setRange(0, 100);
    labCpu->setText(Texto(l.TextoLivre));
    barRAM->setValue(l.Percentual);
    textoLabram_ = Texto(l.TextoPercentual);
    labram->setText(textoLabram_);
    StatusBar1->showMessage(Texto(l.TextoStatus));
}

void TfrmInformacoesSistema::TrackRAMChange(int posicao) {
    const QString texto = Texto(TextoSeletor(posicao));
    TrackRAM->setToolTip(texto);
    labslider->setText(texto + " quando otimizado");
}

void TfrmInformacoesSistema::AcoplaLimites() {
    const int superior =
        LimiteSuperiorAcoplado(seLimiteLivre->value(), seLimiteLivreSuperior->value());
    if (superior != seLimiteLivreSuperior->value())
        seLimiteLivreSuperior->setValue(superior);
}

void TfrmInformacoesSistema::cmdOptimizeClick() {
    if (gThreadRAM)
        return;
    const int n = TrackRAM->value();
    auto *t = new TRAMThread(n, this);
    gThreadRAM = t;
    connect(
        t, &TRAMThread::Inicio, this,
        [this](int blocos) {
            if (!aplicado_)
                barProgress->setMaximum(std::max(2 * blocos, 1));
        },
        Qt::QueuedConnection);
    connect(
        t, &TRAMThread::Progresso, this,
        [this](int v) {
            if (!aplicado_)
                barProgress->setValue(v);
        },
        Qt::QueuedConnection);
    connect(
        t, &TRAMThread::DesligaTimer, this, [this] { Timer1->Para(); }, Qt::QueuedConnection);
    connect(
        t, &TRAMThread::LigaTimer, this, [this] { Timer1->Inicia(1000); }, Qt::QueuedConnection);
    connect(
        t, &QThread::finished, this, [this] { HandleThreadTermination(); }, Qt::QueuedConnection);
    t->start(QThread::TimeCriticalPriority);
}

void TfrmInformacoesSistema::HandleThreadTermination() {
    if (gThreadRAM && gThreadRAM->Dono() == this)
        EncerraTrabalho();
}

void TfrmInformacoesSistema::EncerraTrabalho() {
    TRAMThread *t = gThreadRAM;
    gThreadRAM = nullptr;
    t->wait();
    delete t;
}

TRAMThread *TfrmInformacoesSistema::ThreadRAM() {
    return gThreadRAM;
}

void TfrmInformacoesSistema::AguardaTrabalho() {
    if (TRAMThread *t = gThreadRAM) {
        t->wait();
        // Serves the queued progress, timer and termination signals.
        while (gThreadRAM == t)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }
}

void TfrmInformacoesSistema::btnOkClick() {
    Dispara(true);
    pararMonitor_ = true;
    hide();
}

void TfrmInformacoesSistema::btnCancelaClick() {
    Dispara(false);
    hide();
    pararMonitor_ = true;
}

// ---------------------------------------------------------------------------------------------

TfrmInformacoesSistema *AbreInformacoesSistema(TFerramentaMemoria &ferramenta) {
    auto *w = new TfrmInformacoesSistema(nullptr);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    gJanelas.push_back(w);
    frmInformacoesSistema = w;
    gLigada = w;
    gFerramenta = &ferramenta;
    w->SetOnRegra([w, &ferramenta](const TRegraMemoria &r) {
        if (gLigada == w)
            ferramenta.AplicaRegra(r);
    });
    // A run's end lets the tool go: the window goes with it.
    ferramenta.OnLibera = [] { delete gLigada; };
    ferramenta.Liga();
    w->show();
    return w;
}

void LiberaJanelasInformacoesSistema() {
    while (!gJanelas.empty())
        delete gJanelas.back();
    gFerramenta = nullptr;
}
