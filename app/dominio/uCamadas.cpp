#include "uCamadas.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "uDeformInicial.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

TfrmCamadas *frmCamadas = nullptr;

namespace {

// Rows "Aplicar" may add at once.
constexpr double kMaxCamadasGeradas = 10000;

} // namespace

TfrmCamadas::TfrmCamadas(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Configuração - Camadas"), pai) {
    setObjectName("frmCamadas");

    sgdCamadas = new QTableWidget(0, 3);
    sgdCamadas->setHorizontalHeaderLabels(
        {QStringLiteral("ELEVAÇÃO"), QStringLiteral("INSTANTE"), QStringLiteral("TEMPERATURA")});
    sgdCamadas->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgdCamadas->verticalHeader()->hide();
    sgdCamadas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgdCamadas->setMinimumWidth(360);
    sgdCamadas->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgdCamadas->setSelectionMode(QAbstractItemView::SingleSelection);

    edElevacao = new QLineEdit(TextoPadrao("0,5"));
    edInstante = new QLineEdit(TextoPadrao("0,0"));
    edTemperaturaInicial = new QLineEdit(TextoPadrao("20,0"));
    lbElevacao = new QLabel;
    lbInstante = new QLabel;
    lbTemperatura = new QLabel;
    auto *g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Elevação:")), 0, 0);
    g->addWidget(edElevacao, 0, 1);
    g->addWidget(lbElevacao, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Criar no instante:")), 1, 0);
    g->addWidget(edInstante, 1, 1);
    g->addWidget(lbInstante, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Temperatura Inicial:")), 2, 0);
    g->addWidget(edTemperaturaInicial, 2, 1);
    g->addWidget(lbTemperatura, 2, 2);

    btnAdicionar = new QPushButton(QStringLiteral("Adicionar"));
    btnExcluir = new QPushButton(QStringLiteral("Excluir"));
    auto *hb = new QHBoxLayout;
    hb->addWidget(btnAdicionar);
    hb->addWidget(btnExcluir);

    auto *velocidade = new QGroupBox(QStringLiteral("Velocidade"));
    edVelocidadeM = new QLineEdit;
    edVelocidadeT = new QLineEdit;
    edElevacaoFinal = new QLineEdit;
    btnAplicar = new QPushButton(QStringLiteral("Aplicar"));
    auto *gv = new QGridLayout(velocidade);
    gv->addWidget(edVelocidadeM, 0, 0);
    gv->addWidget(new QLabel(QStringLiteral("/")), 0, 1);
    gv->addWidget(edVelocidadeT, 0, 2);
    gv->addWidget(new QLabel(QStringLiteral("Elevacao Final")), 1, 0);
    gv->addWidget(edElevacaoFinal, 1, 2);
    gv->addWidget(btnAplicar, 2, 2);

    auto *esquerda = new QVBoxLayout;
    esquerda->addLayout(g);
    esquerda->addLayout(hb);
    esquerda->addWidget(velocidade);
    esquerda->addStretch();
    auto *corpo = new QHBoxLayout;
    corpo->addLayout(esquerda);
    corpo->addWidget(sgdCamadas, 1);
    auto *v = new QVBoxLayout(this);
    v->addLayout(corpo);
    CriaBotoes(v, btnOk, btnCancela, TEnter::Focado);
    resize(640, 320);

    connect(btnAdicionar, &QPushButton::clicked, this, [this] { Protege([this] { Adiciona(); }); });
    connect(btnExcluir, &QPushButton::clicked, this, [this] { Protege([this] { Exclui(); }); });
    connect(btnAplicar, &QPushButton::clicked, this,
            [this] { Protege([this] { AplicaVelocidade(); }); });
}

void TfrmCamadas::showEvent(QShowEvent *e) {
    lbElevacao->setText(SimboloUnidade(TGrandeza::Comprimento));
    lbInstante->setText(SimboloUnidade(TGrandeza::Tempo));
    lbTemperatura->setText(SimboloUnidade(TGrandeza::Temperatura));
    AjustaTamanho(this);
    if (FDeform && !e->spontaneous())
        FMemoriaDeform.Guarda(FDeform);
    TDialogoDados::showEvent(e);
}

void TfrmCamadas::AposRestaurar() {
    if (FDeform)
        FMemoriaDeform.Restaura();
}

int TfrmCamadas::GetNumCamadas() const {
    return sgdCamadas->rowCount();
}

double TfrmCamadas::Le(int i, int coluna) const {
    const QTableWidgetItem *it = sgdCamadas->item(i - 1, coluna);
    return LeReal(it ? it->text() : QString());
}

double TfrmCamadas::GetElevacao(int i) const {
    return Le(i, 0);
}
double TfrmCamadas::GetInstante(int i) const {
    return Le(i, 1);
}
double TfrmCamadas::GetTemperatura(int i) const {
    return Le(i, 2);
}

void TfrmCamadas::AdicionaLinha(const QString &elevacao, const QString &instante,
                                const QString &temperatura) {
    const int r = sgdCamadas->rowCount();
    sgdCamadas->insertRow(r);
    sgdCamadas->setItem(r, 0, new QTableWidgetItem(elevacao));
    sgdCamadas->setItem(r, 1, new QTableWidgetItem(instante));
    sgdCamadas->setItem(r, 2, new QTableWidgetItem(temperatura));
    if (FDeform)
        FDeform->AdicionaCamada(elevacao);
}

void TfrmCamadas::Adiciona() {
    const QString e = edElevacao->text().trimmed(), t = edInstante->text().trimmed(),
                  T = edTemperaturaInicial->text().trimmed();
    LeReal(e);
    LeReal(t);
    LeReal(T);
    AdicionaLinha(e, t, T);
}

void TfrmCamadas::Exclui() {
    const int n = sgdCamadas->rowCount();
    if (n == 0)
        return;
    int r = sgdCamadas->currentRow();
    if (r < 0 || r >= n)
        r = 0;
    sgdCamadas->removeRow(r);
    if (FDeform)
        FDeform->RemoveCamada(r + 1);
}

void TfrmCamadas::AplicaVelocidade() {
    const double t0 = LeReal(edInstante->text());
    const double dt = LeReal(edVelocidadeT->text());
    const double dh = LeReal(edVelocidadeM->text());
    const double e0 = LeReal(edElevacao->text());
    const double ef = LeReal(edElevacaoFinal->text());
    const double T = LeReal(edTemperaturaInicial->text());
    if (!(dh > 0)) {
        Perguntador().Erro(QStringLiteral("A elevação da velocidade deve ser maior que zero."));
        return;
    }
    const double n = std::nearbyint((ef - e0) / dh); // halves to even
    if (n > kMaxCamadasGeradas) {
        Perguntador().Erro(QStringLiteral("Camadas demais: no máximo %1 de uma vez.")
                               .arg(int(kMaxCamadasGeradas)));
        return;
    }
    for (int i = 1; i <= int(n); ++i)
        AdicionaLinha(TextoReal(e0 + i * dh), TextoReal(t0 + (i - 1) * dt), TextoReal(T));
}

bool TfrmCamadas::Confirma() {
    const int n = GetNumCamadas();
    if (n == 0) {
        Perguntador().Erro(QStringLiteral("Nenhuma camada definida."));
        return false;
    }
    std::vector<TCamadaDigitada> camadas;
    for (int i = 1; i <= n; ++i) {
        TCamadaDigitada c;
        if (!TentaLeReal(sgdCamadas->item(i - 1, 0)->text(), c.Elevacao) ||
            !TentaLeReal(sgdCamadas->item(i - 1, 1)->text(), c.Instante) ||
            !TentaLeReal(sgdCamadas->item(i - 1, 2)->text(), c.Temperatura)) {
            Perguntador().Erro(QStringLiteral("Camada %1: valor inválido.").arg(i));
            return false;
        }
        if (c.Instante < 0.0) {
            Perguntador().Erro(
                QStringLiteral("Camada %1: o instante de criação não pode ser negativo.").arg(i));
            return false;
        }
        if (i > 1 && !(c.Elevacao > camadas.back().Elevacao)) {
            Perguntador().Erro(
                QStringLiteral("Camada %1: a elevação deve ser maior que a da camada anterior.")
                    .arg(i));
            return false;
        }
        if (i > 1 && c.Instante < camadas.back().Instante) {
            Perguntador().Erro(
                QStringLiteral("Camada %1: o instante não pode ser anterior ao da camada anterior.")
                    .arg(i));
            return false;
        }
        camadas.push_back(c);
    }
    Entrega(camadas);
    return true;
}
