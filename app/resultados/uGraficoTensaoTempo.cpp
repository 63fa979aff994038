#include "uGraficoTensaoTempo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Guarda.h"
#include "Perguntador.h"
#include "uLibFEM.h"

TfrmGraficoTensaoTempo *frmGraficoTensaoTempo = nullptr;
TfrmTensaoPrincipal *frmTensaoPrincipal = nullptr;

TfrmGraficoTensaoTempo::TfrmGraficoTensaoTempo(QWidget *pai) : TGraficoXY(pai) {
    setWindowTitle("Gráfico - Tensao X Tempo");
    sedNo = new QSpinBox;
    sedNo->setRange(1, 1);
    cbxTensao = new QComboBox;
    cbxTensao->addItems({"Normal X / Deform X", "Normal Y / Deform Y", "Cisalhante / Angular XY",
                         "Normal Máx 1", "Normal Máx 2", "Cisalhante Máx "});
    Controles()->insertWidget(0, new QLabel(" Elemento:"));
    Controles()->insertWidget(1, sedNo);
    Controles()->insertWidget(2, new QLabel(" Tipo: "));
    Controles()->insertWidget(3, cbxTensao);

    // This window's "Gráfico" menu: Deformação, Tensão, Plotar, Limpar; no metafile.
    Grafico1->clear();
    Deformacao1 = Grafico1->addAction("&Deformação");
    Deformacao1->setShortcut(QKeySequence("Ctrl+D"));
    Tensao1 = Grafico1->addAction("&Tensão");
    Tensao1->setShortcut(QKeySequence("Ctrl+T"));
    Plotar1 = Grafico1->addAction("&Plotar");
    Plotar1->setShortcut(QKeySequence("Ctrl+P"));
    Limpar1 = Grafico1->addAction("&Limpar");
    Limpar1->setShortcut(QKeySequence("Ctrl+L"));
    Salvar1 = nullptr;
    SalvarPonto1->setShortcut(QKeySequence("Ctrl+S"));
    connect(Limpar1, &QAction::triggered, this, [this] { Limpa(); });
    connect(Plotar1, &QAction::triggered, this, [this] { Protege([this] { Plota(); }); });
    connect(Tensao1, &QAction::triggered, this, [this] { ModoTensao(); });
    connect(Deformacao1, &QAction::triggered, this, [this] { ModoDeformacao(); });
    connect(cbxTensao, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!ajustando_)
            MudaComponente(i);
    });
    connect(sedNo, &QSpinBox::valueChanged, this, [this](int v) { elemento_ = v; });
}

TfrmGraficoTensaoTempo::~TfrmGraficoTensaoTempo() {
    if (frmGraficoTensaoTempo == this)
        frmGraficoTensaoTempo = nullptr;
}

void TfrmGraficoTensaoTempo::showEvent(QShowEvent *e) {
    IFonteResultados *f = FonteResultados();
    if (TAnaliseTensional *a = f ? f->AnaliseTensional() : nullptr)
        sedNo->setMaximum(std::max(1, NumeroDeElementos(*a)));
    if (f && f->ElementoCapturado() > 0)
        sedNo->setValue(f->ElementoCapturado());
    tensao_ = true;
    ajustando_ = true;
    cbxTensao->setCurrentIndex(0);
    ajustando_ = false;
    elemento_ = sedNo->value();
    componente_ = cbxTensao->currentIndex();
    TitulosTensao();
    TGraficoXY::showEvent(e);
}

void TfrmGraficoTensaoTempo::ModoTensao() {
    tensao_ = true;
    setWindowTitle("Gráfico: Tensao X Tempo");
    Limpa();
    TitulosTensao();
}

void TfrmGraficoTensaoTempo::TitulosTensao() {
    const TUnidadesResultados u = UnidadesResultados();
    SetTitulos(QString::fromStdString("Tensão " + u.Tensao),
               QString::fromStdString("Tempo " + u.Tempo));
}

void TfrmGraficoTensaoTempo::ModoDeformacao() {
    if (cbxTensao->currentIndex() > 2) {
        ajustando_ = true;
        cbxTensao->setCurrentIndex(cbxTensao->currentIndex() - 3);
        ajustando_ = false;
        componente_ = cbxTensao->currentIndex();
    }
    tensao_ = false;
    setWindowTitle("Gráfico: Deformação X Tempo");
    Limpa();
    const TUnidadesResultados u = UnidadesResultados();
    SetTitulos("Deformação [10^-6]", QString::fromStdString("Tempo " + u.Tempo));
}

void TfrmGraficoTensaoTempo::MudaComponente(int indice) {
    if (!tensao_ && indice > 2) {
        Perguntador().Informa("O item selecionado não vale para a deformação");
        ajustando_ = true;
        cbxTensao->setCurrentIndex(indice - 3);
        ajustando_ = false;
        componente_ = indice - 3;
        return;
    }
    componente_ = indice;
}

void TfrmGraficoTensaoTempo::Plota() {
    IFonteResultados *f = FonteResultados();
    TAnaliseTensional *a = f ? f->AnaliseTensional() : nullptr;
    if (!a)
        return;
    sedNo->setMaximum(std::max(1, NumeroDeElementos(*a)));
    elemento_ = sedNo->value();
    AdicionaCurva(CurvaTensaoTempo(*a, elemento_, tensao_, componente_, f->Unidades()));
}

TfrmTensaoPrincipal::TfrmTensaoPrincipal(QWidget *pai) : TDialogoDados(QString(), pai) {
    auto *l = new QVBoxLayout(this);
    cbxNormaisMaximas = new QCheckBox("Normais Máximas");
    cbxCisalhanteMaxima = new QCheckBox("Cisalhante Máxima");
    l->addWidget(cbxNormaisMaximas);
    l->addWidget(cbxCisalhanteMaxima);
    CriaBotoes(l);
}

QString TfrmGraficoTensaoTempo::NomePontos() const {
    return QStringLiteral("Elemento ") + sedNo->text();
}
