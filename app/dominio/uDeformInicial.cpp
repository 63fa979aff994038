#include "uDeformInicial.h"

#include "NumeroUsuario.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfrmDeformInicial *frmDeformInicial = nullptr;

TfrmDeformInicial::TfrmDeformInicial(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Deslocamento Inicial por Camada"), pai) {
    setObjectName("frmDeformInicial");
    sgdCamadas = new QTableWidget(0, 3);
    sgdCamadas->setHorizontalHeaderLabels({QStringLiteral("Elevação"),
                                           QStringLiteral("Deformação em X"),
                                           QStringLiteral("Deformação em Y")});
    sgdCamadas->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgdCamadas->verticalHeader()->hide();
    auto *v = new QVBoxLayout(this);
    v->addWidget(sgdCamadas);
    CriaBotoes(v, btnOk, btnCancela, TEnter::Focado);
    resize(420, 260);
}

QVariant TfrmDeformInicial::GetCelula(int linha, int coluna) const {
    return TextoCelula(sgdCamadas, linha, coluna);
}

void TfrmDeformInicial::SetCelula(int linha, int coluna, const QVariant &valor) {
    while (linha > 1 && sgdCamadas->rowCount() < linha - 1)
        AdicionaCamada(QString());
    EscreveCelula(sgdCamadas, linha, coluna, valor.toString());
}

int TfrmDeformInicial::GetNumCamadas() const {
    return sgdCamadas->rowCount();
}

void TfrmDeformInicial::AdicionaCamada(const QString &elevacao) {
    const int r = sgdCamadas->rowCount();
    sgdCamadas->insertRow(r);
    auto *el = new QTableWidgetItem(elevacao);
    el->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    sgdCamadas->setItem(r, 0, el);
    sgdCamadas->setItem(r, 1, new QTableWidgetItem);
    sgdCamadas->setItem(r, 2, new QTableWidgetItem);
}

void TfrmDeformInicial::RemoveCamada(int i) {
    if (i >= 1 && i <= sgdCamadas->rowCount())
        sgdCamadas->removeRow(i - 1);
}

double TfrmDeformInicial::Le(int i, int coluna) const {
    const QString t = GetCelula(i + 1, coluna).toString().trimmed();
    return t.isEmpty() ? 0.0 : LeReal(t);
}

double TfrmDeformInicial::GetDeformacaoX(int i) const {
    return Le(i, 2);
}
double TfrmDeformInicial::GetDeformacaoY(int i) const {
    return Le(i, 3);
}

std::vector<TDeformacaoCamada> TfrmDeformInicial::LeDeformacoes() const {
    std::vector<TDeformacaoCamada> r;
    for (int i = 1; i <= GetNumCamadas(); ++i) {
        TDeformacaoCamada d;
        d.X = GetDeformacaoX(i);
        d.Y = GetDeformacaoY(i);
        d.Tem = d.X != 0.0 || d.Y != 0.0;
        r.push_back(d);
    }
    return r;
}

bool TfrmDeformInicial::Confirma() {
    const auto d = LeDeformacoes();
    Entrega(d);
    return true;
}
