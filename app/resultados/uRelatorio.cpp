#include "uRelatorio.h"

#include "Guarda.h"
#include "Perguntador.h"

#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmRelatorio *frmRelatorio = nullptr;

TfrmRelatorio::TfrmRelatorio(QWidget *pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmRelatorio"));
    setWindowTitle(QStringLiteral("Relatório de Dados de Entrada"));
    auto *raiz = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *arquivo = menu->addMenu(QStringLiteral("Arquivo"));
    arquivo->addAction(QStringLiteral("Criar..."), this, [this] { btnOkClick(); });
    arquivo->addAction(QStringLiteral("Sair"), this, &QDialog::reject);
    raiz->setMenuBar(menu);

    auto *campos = new QFormLayout;
    edTitulo = new QLineEdit(this);
    edTitulo->setObjectName(QStringLiteral("edTitulo"));
    edResponsavel = new QLineEdit(QStringLiteral("XXXX"), this);
    edResponsavel->setObjectName(QStringLiteral("edResponsavel"));
    edData = new QLineEdit(this);
    edData->setObjectName(QStringLiteral("edData"));
    edData->setReadOnly(true);
    campos->addRow(QStringLiteral("Nome da Análise:"), edTitulo);
    campos->addRow(QStringLiteral("Responsável pela Análise:"), edResponsavel);
    campos->addRow(QStringLiteral("Data:"), edData);
    raiz->addLayout(campos);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    btnOk = new QPushButton(QStringLiteral("Criar..."), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancelar);
    raiz->addLayout(botoes);
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 170);
}

void TfrmRelatorio::DefineData() {
    const QDateTime agora = QDateTime::currentDateTime();
    const QLocale l;
    FData = l.toString(agora.date(), QLocale::ShortFormat);
    FHora = l.toString(agora.time(), QLocale::ShortFormat);
    edData->setText(FData + QStringLiteral(" ") + FHora);
}

void TfrmRelatorio::btnOkClick() {
    Protege([this] {
        const QString nome = Perguntador().ArquivoSalvarComo(
            this, QStringLiteral("Criar Relatório"), QStringLiteral("Texto (*.txt *.TXT)"),
            QStringLiteral("txt"), edTitulo->text());
        if (nome.isEmpty()) {
            reject();
            return;
        }
        if (FData.isEmpty())
            DefineData();
        TCabecalhoRelatorio c;
        c.Titulo = edTitulo->text().toStdString();
        c.Responsavel = edResponsavel->text().toStdString();
        c.Data = FData.toStdString();
        c.Hora = FHora.toStdString();
        if (FOnCriar)
            FOnCriar(nome.toStdString(), c);
    });
}
