#include "uCriaDominio.h"

#include "NumeroUsuario.h"
#include "Perguntador.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfrmCriaDominio *frmCriaDominio = nullptr;

namespace {

QTableWidgetItem *Numero(int n) {
    auto *it = new QTableWidgetItem(QString::number(n));
    it->setFlags(Qt::ItemIsEnabled); // neither selectable nor editable
    return it;
}

} // namespace

TfrmCriaDominio::TfrmCriaDominio(QWidget *pai) : TDialogoEvento(QStringLiteral("Dominio"), pai) {
    setObjectName("frmCriaDominio");
    sgdVertices = new QTableWidget(0, 3);
    sgdVertices->setHorizontalHeaderLabels(
        {QStringLiteral("Número"), QStringLiteral("X"), QStringLiteral("Y")});
    sgdVertices->verticalHeader()->hide();
    sgdVertices->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgdVertices->setSelectionMode(QAbstractItemView::SingleSelection);
    sgdVertices->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgdVertices->installEventFilter(this);
    AdicionaLinha();

    auto *grupo = new QGroupBox(QStringLiteral("Vértices"));
    (new QVBoxLayout(grupo))->addWidget(sgdVertices);
    auto *v = new QVBoxLayout(this);
    v->addWidget(grupo);
    CriaBotoes(v, btnOk, btnCancela, TEnter::Focado);
    resize(360, 300);
}

int TfrmCriaDominio::GetNumLinhas() const {
    return sgdVertices->rowCount() + 1;
}

QVariant TfrmCriaDominio::GetCelula(int linha, int coluna) const {
    return TextoCelula(sgdVertices, linha, coluna);
}

void TfrmCriaDominio::SetCelula(int linha, int coluna, const QVariant &valor) {
    if (!EscreveCelula(sgdVertices, linha, coluna, valor.toString()))
        sgdVertices->setItem(linha - 2, coluna - 1, new QTableWidgetItem(valor.toString()));
}

void TfrmCriaDominio::AdicionaLinha() {
    const int r = sgdVertices->rowCount();
    sgdVertices->insertRow(r);
    sgdVertices->setItem(r, 0, Numero(r + 1));
    sgdVertices->setItem(r, 1, new QTableWidgetItem);
    sgdVertices->setItem(r, 2, new QTableWidgetItem);
}

void TfrmCriaDominio::RemoveUltimaLinha() {
    if (sgdVertices->rowCount() > 1)
        sgdVertices->removeRow(sgdVertices->rowCount() - 1);
}

bool TfrmCriaDominio::eventFilter(QObject *o, QEvent *e) {
    if (o == sgdVertices && e->type() == QEvent::KeyRelease) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (tecla == Qt::Key_Down)
            AdicionaLinha();
        else if (tecla == Qt::Key_Delete)
            RemoveUltimaLinha();
    }
    return QDialog::eventFilter(o, e);
}

bool TfrmCriaDominio::Confirma() {
    const int n = sgdVertices->rowCount();
    std::vector<TNo> vertices;
    vertices.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        const double x = LeReal(GetCelula(i + 1, 2).toString());
        const double y = LeReal(GetCelula(i + 1, 3).toString());
        vertices.emplace_back(i, x, y);
    }
    if (n < 3) {
        Perguntador().Erro(QStringLiteral("O domínio precisa de pelo menos 3 vértices."));
        return false;
    }
    FVertices = std::move(vertices);
    return true;
}

void TfrmCriaDominio::AposConfirmar() {
    Entrega(FVertices);
}
