#include "uFuncaoDiscreta.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>

TfrmFuncaoDiscreta *frmFuncaoDiscreta = nullptr;

TfrmFuncaoDiscreta::TfrmFuncaoDiscreta(QWidget *pai)
    : TDialogoDados(QStringLiteral("Função Discreta"), pai) {
    auto *raiz = new QVBoxLayout(this);
    chGrafico = new QChartView(this);
    chGrafico->setObjectName(QStringLiteral("chGrafico"));
    chGrafico->chart()->legend()->hide();
    LocalizaNumeros(chGrafico->chart());
    chGrafico->setMinimumSize(420, 260);
    raiz->addWidget(chGrafico);

    auto *g = new QGridLayout;
    edX = CriaEdit(this, "edX", TextoPadrao("0,0"));
    edY = CriaEdit(this, "edY", TextoPadrao("0,0"));
    g->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
    g->addWidget(edX, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Y"), this), 1, 0);
    g->addWidget(edY, 1, 1);
    auto botao = [this](const char *nome, const QString &texto, void (TfrmFuncaoDiscreta::*f)()) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, f] { Protege([&] { (this->*f)(); }); });
        return b;
    };
    g->addWidget(
        botao("btnAdicionar", QStringLiteral("Adicionar"), &TfrmFuncaoDiscreta::AdicionaPar), 0, 2);
    g->addWidget(botao("btnExcluir", QStringLiteral("Excluir"), &TfrmFuncaoDiscreta::ExcluiUltimo),
                 1, 2);
    g->addWidget(botao("btnAnterior", QStringLiteral("<"), &TfrmFuncaoDiscreta::Anterior), 0, 3);
    g->addWidget(botao("btnProximo", QStringLiteral(">"), &TfrmFuncaoDiscreta::Proximo), 1, 3);
    g->addWidget(botao("btnImportar", QStringLiteral("Importar dados ..."),
                       &TfrmFuncaoDiscreta::ImportaArquivo),
                 0, 4);
    raiz->addLayout(g);
    CriaBotoes(raiz, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TfrmFuncaoDiscreta::AoMostrar() {
    Limpa();
}

void TfrmFuncaoDiscreta::AposRestaurar() {
    Limpa();
}

void TfrmFuncaoDiscreta::Limpa() {
    FTabela.clear();
    FIndice = 0;
    FOrigem.clear();
    Atualiza();
}

void TfrmFuncaoDiscreta::Atualiza() {
    PreencheFuncao(FFuncao, FTabela);
    FFuncao.Origem = FOrigem;
    Desenha();
}

void TfrmFuncaoDiscreta::AdicionaPar() {
    const double x = LeCampo(edX);
    const double y = LeCampo(edY);
    if (!InserePar(FTabela, x, y))
        Perguntador().Informa(QStringLiteral("Já Existe o Par Ordenado"));
    Atualiza();
}

void TfrmFuncaoDiscreta::ExcluiUltimo() {
    if (!FTabela.empty()) {
        EscreveCampo(edX, FTabela.back().x);
        EscreveCampo(edY, FTabela.back().y);
        FTabela.pop_back();
        if (FIndice > GetNumPares())
            FIndice = GetNumPares();
    }
    Atualiza();
}

void TfrmFuncaoDiscreta::Anterior() {
    if (FTabela.empty())
        return;
    if (--FIndice < 1)
        FIndice = GetNumPares();
    MostraPar();
}

void TfrmFuncaoDiscreta::Proximo() {
    if (FTabela.empty())
        return;
    if (++FIndice > GetNumPares())
        FIndice = 1;
    MostraPar();
}

void TfrmFuncaoDiscreta::MostraPar() {
    EscreveCampo(edX, FTabela[FIndice - 1].x);
    EscreveCampo(edY, FTabela[FIndice - 1].y);
}

void TfrmFuncaoDiscreta::ImportaArquivo() {
    const QString nome = Perguntador().ArquivoAbrir(this, QStringLiteral("Importar dados"),
                                                    QStringLiteral("Text files (*.txt *.TXT)"));
    if (nome.isEmpty())
        return;
    // Read whole first: a bad line leaves the table as it was.
    std::vector<TPar> lidos = LeArquivoTabela(nome.toStdString());
    FTabela = Ordena(lidos);
    FIndice = 0;
    FOrigem = nome.toStdString();
    Atualiza();
}

void TfrmFuncaoDiscreta::Desenha() {
    QChart *c = chGrafico->chart();
    c->removeAllSeries();
    auto *s = new QLineSeries;
    s->setColor(Qt::red);
    QList<QPointF> pontos;
    pontos.reserve(FFuncao.GetNumPontos());
    for (int i = 1; i <= FFuncao.GetNumPontos(); ++i)
        pontos.append(QPointF(FFuncao.GetX(i), FFuncao.GetY(i)));
    s->replace(pontos);
    c->addSeries(s);
    c->createDefaultAxes();
}
