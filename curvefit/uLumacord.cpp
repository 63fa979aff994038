#include "uLumacord.h"

#include "Numeros.h"
#include "uCurvas.h"
#include "uDialogos.h"
#include "uGrafico.h"
#include "uPontos.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TfLumacord *fLumacord = nullptr;
TfrmSobre *frmSobre = nullptr;
TfrmDuvidas *frmDuvidas = nullptr;

namespace {

QFont Fonte(int pontos, bool negrito = false) {
    QFont f = QApplication::font();
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

// Connects a button or menu command to a handler run through the guard.
template <class Emissor, class Sinal, class Janela>
void Liga(Emissor *emissor, Sinal sinal, Janela *janela, void (Janela::*metodo)()) {
    QObject::connect(emissor, sinal, janela,
                     [janela, metodo] { Protege([&] { (janela->*metodo)(); }); });
}

} // namespace

void MostraJanela(QWidget *janela) {
    if (!janela->isVisible())
        janela->show();
    janela->raise();
    janela->activateWindow();
}

// ---------------------------------------------------------------------------------------------
// Main window

TfLumacord::TfLumacord(QWidget *parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Lumacord"));

    auto *central = new QWidget(this);
    auto *coluna = new QVBoxLayout(central);
    bbtnInserirPontos = new QPushButton(QStringLiteral("&Inserir Pontos"), central);
    bbtnEscolherCurva = new QPushButton(QStringLiteral("&Escolher Curva"), central);
    bbtnAjustar = new QPushButton(QStringLiteral("&Ajustar"), central);
    for (QPushButton *b : {bbtnInserirPontos, bbtnEscolherCurva, bbtnAjustar}) {
        b->setMinimumHeight(30);
        coluna->addWidget(b);
    }

    auto *grupo = new QGroupBox(QStringLiteral("RESULTADO"), central);
    auto *grade = new QGridLayout(grupo);
    const QFont grande = Fonte(12);
    const auto rotulo = [&](const QString &texto) {
        auto *l = new QLabel(texto, grupo);
        l->setFont(grande);
        return l;
    };
    lbEquacao = rotulo(QString());
    edA = new QLineEdit(QStringLiteral("0"), grupo);
    edB = new QLineEdit(QStringLiteral("0"), grupo);
    edR2 = new QLineEdit(QStringLiteral("0,00000"), grupo);
    grade->addWidget(rotulo(QStringLiteral("Equação:")), 0, 0);
    grade->addWidget(lbEquacao, 0, 1);
    grade->addWidget(rotulo(QStringLiteral("A=")), 1, 0, Qt::AlignRight);
    grade->addWidget(edA, 1, 1);
    grade->addWidget(rotulo(QStringLiteral("B=")), 2, 0, Qt::AlignRight);
    grade->addWidget(edB, 2, 1);
    auto *r2 = rotulo(QStringLiteral("R<sup>2</sup>="));
    r2->setTextFormat(Qt::RichText);
    grade->addWidget(r2, 3, 0, Qt::AlignRight);
    grade->addWidget(edR2, 3, 1);
    coluna->addWidget(grupo);

    btnGrafico = new QPushButton(QStringLiteral("&Visualiza Gráfico"), central);
    btnGrafico->setMinimumHeight(30);
    coluna->addStretch();
    coluna->addWidget(btnGrafico);
    central->setMinimumSize(249, 287);
    setCentralWidget(central);

    Liga(bbtnInserirPontos, &QPushButton::clicked, this, &TfLumacord::bbtnInserirPontosClick);
    Liga(bbtnEscolherCurva, &QPushButton::clicked, this, &TfLumacord::bbtnEscolherCurvaClick);
    Liga(bbtnAjustar, &QPushButton::clicked, this, &TfLumacord::bbtnAjustarClick);
    Liga(btnGrafico, &QPushButton::clicked, this, &TfLumacord::btnGraficoClick);

    // Main menu; its shortcuts work from every window of the program.
    const auto item = [&](QMenu *menu, const QString &texto, const QKeySequence &atalho,
                          void (TfLumacord::*metodo)()) {
        QAction *a = menu->addAction(texto);
        a->setShortcut(atalho);
        a->setShortcutContext(Qt::ApplicationShortcut);
        Liga(a, &QAction::triggered, this, metodo);
        return a;
    };
    QMenu *geral = menuBar()->addMenu(QStringLiteral("Geral"));
    mbReiniciar = item(geral, QStringLiteral("Reiniciar"), QKeySequence(Qt::CTRL | Qt::Key_R),
                       &TfLumacord::mbReiniciarClick);
    mbFechar = item(geral, QStringLiteral("Fechar"), QKeySequence(Qt::CTRL | Qt::Key_F),
                    &TfLumacord::mbFecharClick);
    mbInserir = item(menuBar()->addMenu(QStringLiteral("Pontos")), QStringLiteral("Inserir"),
                     QKeySequence(Qt::CTRL | Qt::Key_I), &TfLumacord::mbInserirClick);
    mbEscolher = item(menuBar()->addMenu(QStringLiteral("Curvas")), QStringLiteral("Escolher"),
                      QKeySequence(Qt::CTRL | Qt::Key_E), &TfLumacord::mbEscolherClick);
    mbAjustar = item(menuBar()->addMenu(QStringLiteral("Ajustar")), QStringLiteral("Ajustar"),
                     QKeySequence(Qt::CTRL | Qt::Key_A), &TfLumacord::mbAjustarClick);
    QMenu *sobre = menuBar()->addMenu(QStringLiteral("Sobre"));
    mbInformacao =
        item(sobre, QStringLiteral("Informações"), QKeySequence(), &TfLumacord::mbInformacaoClick);
    mbDuvida = item(sobre, QStringLiteral("Dúvidas"), QKeySequence(), &TfLumacord::mbDuvidaClick);

    // Wide enough for every menu title on one line.
    central->setMinimumWidth(std::max(249, menuBar()->sizeHint().width()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Ajuste.OnMensagem = [](const std::string &m) {
        Perguntador().Informa(QString::fromStdString(m));
    };
    qApp->installEventFilter(this);
}

TfLumacord::~TfLumacord() {
    qApp->removeEventFilter(this);
}

bool TfLumacord::eventFilter(QObject *objeto, QEvent *evento) {
    // Cell editors and grids claim Ctrl+letter keys (select all...); the menu's keys win.
    if (evento->type() == QEvent::ShortcutOverride) {
        const QKeySequence tecla(static_cast<QKeyEvent *>(evento)->keyCombination());
        for (QAction *a : {mbReiniciar, mbFechar, mbInserir, mbEscolher, mbAjustar})
            if (a->shortcut() == tecla) {
                evento->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void TfLumacord::closeEvent(QCloseEvent *event) {
    event->accept();
    emit Fechado();
}

void TfLumacord::bbtnAjustarClick() {
    lumacord::TResultadoAjuste r{lbEquacao->text().toStdString(), edA->text().toStdString(),
                                 edB->text().toStdString(), edR2->text().toStdString()};
    const auto mostra = [&] {
        lbEquacao->setText(QString::fromStdString(r.Equacao));
        edA->setText(QString::fromStdString(r.A));
        edB->setText(QString::fromStdString(r.B));
        edR2->setText(QString::fromStdString(r.R2));
    };
    // A failing fit throws before anything is shown.
    if (!Ajuste.Ajusta(lumacord::DecimalSeparator(), r))
        return;
    mostra();
}

void TfLumacord::EscreveCabecalhos() {
    frmPontos->StgInserirPontos->SetCells(0, 0, QStringLiteral("x"));
    frmPontos->StgInserirPontos->SetCells(1, 0, QStringLiteral("y"));
}

void TfLumacord::bbtnInserirPontosClick() {
    MostraJanela(frmPontos);
    EscreveCabecalhos();
}

void TfLumacord::bbtnEscolherCurvaClick() {
    MostraJanela(frmCurvas);
}

void TfLumacord::btnGraficoClick() {
    MostraJanela(frmGrafico);
}

void TfLumacord::mbReiniciarClick() {
    edA->setText(QStringLiteral("0"));
    edB->setText(QStringLiteral("0"));
    edR2->setText(QStringLiteral("0"));
    frmPontos->ApagaPontos();
}

void TfLumacord::mbFecharClick() {
    if (Perguntador().Confirma(QStringLiteral("Deseja finalizar?")))
        close();
}

void TfLumacord::mbInserirClick() {
    EscreveCabecalhos();
    MostraJanela(frmPontos);
}

void TfLumacord::mbEscolherClick() {
    MostraJanela(frmCurvas);
}

void TfLumacord::mbInformacaoClick() {
    MostraJanela(frmSobre);
}

void TfLumacord::mbDuvidaClick() {
    MostraJanela(frmDuvidas);
}

// ---------------------------------------------------------------------------------------------
// About and help windows

namespace {
// A few points and the curve through them.
QPixmap Figura() {
    QPixmap p(48, 48);
    p.fill(Qt::white);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::black);
    g.drawLine(6, 42, 44, 42);
    g.drawLine(6, 42, 6, 4);
    g.setPen(QPen(Qt::red, 2));
    QPainterPath curva(QPointF(8, 40));
    curva.cubicTo(16, 14, 28, 10, 44, 8);
    g.drawPath(curva);
    g.setPen(Qt::blue);
    g.setBrush(Qt::blue);
    for (const QPointF c : {QPointF(11, 30), QPointF(18, 20), QPointF(28, 14), QPointF(40, 10)})
        g.drawEllipse(c, 2.5, 2.5);
    return p;
}
} // namespace

TfrmSobre::TfrmSobre(QWidget *parent) : QWidget(parent, Qt::Window) {
    auto *coluna = new QVBoxLayout(this);
    auto *linha = new QHBoxLayout;
    auto *nome = new QLabel(QStringLiteral("<span style='color:#ff0000'>Luma</span>"
                                           "<span style='color:#0000ff'>cord</span>"),
                            this);
    nome->setTextFormat(Qt::RichText);
    nome->setFont(Fonte(28, true));
    auto *figura = new QLabel(this);
    figura->setPixmap(Figura());
    linha->addWidget(nome);
    linha->addStretch();
    linha->addWidget(figura);
    coluna->addLayout(linha);
    coluna->addWidget(new QLabel(
        QStringLiteral("Software de ajuste de curvas a partir de pontos discretos."), this));
    coluna->addWidget(new QLabel(QStringLiteral("V2.R0 - 2017"), this));
    coluna->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmDuvidas::TfrmDuvidas(QWidget *parent) : QWidget(parent, Qt::Window) {
    auto *coluna = new QVBoxLayout(this);
    lbTexto = new QLabel(
        QStringLiteral("* Informações Gerais:\n"
                       "Este programa foi desenvolvido para ajuste de curvas predefinidas\n"
                       "a partir de um número pontos (x,y) discretos.\n"
                       "\n"
                       "*Entrada de Dados:\n"
                       "Os pontos precisam necessariamente serem inseridos em ordem cres_\n"
                       "cente de valores de x."),
        this);
    lbTexto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bbtnOk = new QPushButton(QStringLiteral("OK"), this);
    coluna->addWidget(lbTexto, 1);
    coluna->addWidget(bbtnOk);
    Liga(bbtnOk, &QPushButton::clicked, this, &TfrmDuvidas::bbtnOkClick);
    setFixedSize(coluna->sizeHint().expandedTo(QSize(440, 0)));
}

// ---------------------------------------------------------------------------------------------
// Start-up

TJanelasLumacord::TJanelasLumacord() {
    lumacord_ = std::make_unique<TfLumacord>();
    fLumacord = lumacord_.get();
    pontos_ = std::make_unique<TfrmPontos>(fLumacord->Ajuste, fLumacord);
    frmPontos = pontos_.get();
    curvas_ = std::make_unique<TfrmCurvas>(fLumacord->Ajuste, fLumacord);
    frmCurvas = curvas_.get();
    sobre_ = std::make_unique<TfrmSobre>(fLumacord);
    frmSobre = sobre_.get();
    duvidas_ = std::make_unique<TfrmDuvidas>(fLumacord);
    frmDuvidas = duvidas_.get();
    grafico_ = std::make_unique<TfrmGrafico>(
        fLumacord->Ajuste,
        [l = fLumacord] {
            return QString::fromStdString(lumacord::TituloCurva(
                l->Ajuste.TipoCurva, l->edA->text().toStdString(), l->edB->text().toStdString()));
        },
        fLumacord);
    frmGrafico = grafico_.get();
}

TJanelasLumacord::~TJanelasLumacord() {
    grafico_.reset();
    frmGrafico = nullptr;
    duvidas_.reset();
    frmDuvidas = nullptr;
    sobre_.reset();
    frmSobre = nullptr;
    curvas_.reset();
    frmCurvas = nullptr;
    pontos_.reset();
    frmPontos = nullptr;
    lumacord_.reset();
    fLumacord = nullptr;
}
