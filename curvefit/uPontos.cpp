#include "uPontos.h"

#include "Ajuste.h"
#include "Numeros.h"
#include "uDialogos.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollBar>

TfrmPontos *frmPontos = nullptr;

namespace {
// Header row plus one row per point of the table.
constexpr int kMaxLinhas = lumacord::MaxPontos + 1;
} // namespace

TfrmPontos::TfrmPontos(lumacord::TAjusteCurva &ajuste, QWidget *parent)
    : QWidget(parent, Qt::Window), FAjuste(ajuste) {
    setWindowTitle(QStringLiteral("Inserir Pontos"));
    auto *grade = new QGridLayout(this);

    StgInserirPontos = new TGradeTexto(2, 4, 1, this);
    StgInserirPontos->setColumnWidth(0, 72);
    StgInserirPontos->setColumnWidth(1, 68);
    StgInserirPontos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StgInserirPontos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette cores = StgInserirPontos->palette();
    cores.setColor(QPalette::Base, QColor(192, 192, 192));
    StgInserirPontos->setPalette(cores);
    StgInserirPontos->setFixedSize(72 + 68 +
                                       StgInserirPontos->verticalScrollBar()->sizeHint().width() +
                                       2 * StgInserirPontos->frameWidth(),
                                   220);
    StgInserirPontos->setToolTip(
        QStringLiteral("Para inserir novas linhas: Pressione \"seta para baixo\"\n"
                       "Para eliminar linhas: Pressione \"Delete\""));

    btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnApagar = new QPushButton(QStringLiteral("Apagar"), this);
    btnDuvida = new QPushButton(QStringLiteral("?"), this);
    QFont negrito = QApplication::font();
    negrito.setPointSize(12);
    negrito.setBold(true);
    btnDuvida->setFont(negrito);
    btnDuvida->setFixedWidth(32);

    grade->addWidget(StgInserirPontos, 0, 0, 1, 3);
    grade->addWidget(btnConfirmar, 1, 0);
    grade->addWidget(btnCancelar, 1, 1);
    grade->addWidget(btnDuvida, 1, 2);
    grade->addWidget(btnApagar, 2, 0, 1, 3);
    grade->setSizeConstraint(QLayout::SetFixedSize);

    connect(StgInserirPontos, &TGradeTexto::TeclaSolta, this,
            [this](int tecla) { Protege([&] { StgInserirPontosKeyUp(tecla); }); });
    connect(StgInserirPontos, &TGradeTexto::TabNoFim, this,
            [this] { Protege([&] { AcrescentaLinha(); }); });
    const auto liga = [this](QPushButton *b, void (TfrmPontos::*metodo)()) {
        connect(b, &QPushButton::clicked, this,
                [this, metodo] { Protege([&] { (this->*metodo)(); }); });
    };
    liga(btnConfirmar, &TfrmPontos::btnConfirmarClick);
    liga(btnCancelar, &TfrmPontos::btnCancelarClick);
    liga(btnApagar, &TfrmPontos::btnApagarClick);
    liga(btnDuvida, &TfrmPontos::btnDuvidaClick);
}

void TfrmPontos::StgInserirPontosKeyUp(int tecla) {
    TGradeTexto *g = StgInserirPontos;
    if (tecla == Qt::Key_Down) {
        AcrescentaLinha();
    } else if (tecla == Qt::Key_Delete) {
        g->SetRowCount(g->RowCount() - 1);
    }
}

void TfrmPontos::AcrescentaLinha() {
    // The table holds 30 points: the grid never grows past them.
    if (StgInserirPontos->RowCount() < kMaxLinhas)
        StgInserirPontos->SetRowCount(StgInserirPontos->RowCount() + 1);
}

void TfrmPontos::btnConfirmarClick() {
    std::vector<lumacord::TLinhaGrade> linhas;
    for (int r = 1; r < StgInserirPontos->RowCount(); ++r)
        linhas.push_back({StgInserirPontos->Cells(0, r).toStdString(),
                          StgInserirPontos->Cells(1, r).toStdString()});
    const std::string recusa =
        lumacord::ArmazenaPontos(linhas, lumacord::DecimalSeparator(), FAjuste);
    if (!recusa.empty()) {
        Perguntador().Informa(QString::fromStdString(recusa));
        return;
    }
    if (Perguntador().Confirma(QStringLiteral("Os dados dos pontos estão corretos?")))
        hide();
}

void TfrmPontos::btnCancelarClick() {
    if (Perguntador().Confirma(QStringLiteral("Deseja sair e apagar os pontos?")))
        ApagaPontos();
    hide();
}

void TfrmPontos::btnDuvidaClick() {
    Perguntador().Informa(
        QStringLiteral("Acrescer linha: seta para baixo / Excluir linha: Delete."));
}

void TfrmPontos::ApagaPontos() {
    for (int r = 1; r < StgInserirPontos->RowCount(); ++r) {
        StgInserirPontos->SetCells(0, r, QString());
        StgInserirPontos->SetCells(1, r, QString());
    }
}
