#include "DialogoDados.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "uPlataforma.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

TDialogoDados::TDialogoDados(const QString &titulo, QWidget *pai) : QDialog(pai) {
    setWindowTitle(titulo);
}

void TDialogoDados::CriaBotoes(QBoxLayout *layout, const QString &ok, const QString &cancela,
                               TEnter enter) {
    auto *linha = new QHBoxLayout;
    linha->addStretch();
    FOk = new QPushButton(ok, this);
    FOk->setObjectName(QStringLiteral("btnOk"));
    if (enter != TEnter::Focado)
        FOk->setDefault(true);
    FCancela = new QPushButton(cancela, this);
    FCancela->setObjectName(QStringLiteral("btnCancelar"));
    if (enter == TEnter::Ok)
        FCancela->setAutoDefault(false);
    linha->addWidget(FOk);
    linha->addWidget(FCancela);
    layout->addLayout(linha);
    connect(FOk, &QPushButton::clicked, this, [this] { OkClicado(); });
    connect(FCancela, &QPushButton::clicked, this, [this] {
        Protege([this] {
            AoCancelar();
            reject();
        });
    });
}

void TDialogoDados::CriaBotoes(QBoxLayout *layout, QPushButton *&ok, QPushButton *&cancela,
                               TEnter enter) {
    CriaBotoes(layout, QStringLiteral("Ok"), QStringLiteral("Cancela"), enter);
    ok = FOk;
    cancela = FCancela;
}

void TDialogoDados::OkClicado() {
    bool fecha = false;
    Protege([&] { fecha = Confirma(); });
    if (!fecha)
        return;
    accept();
    Protege([this] { AposConfirmar(); });
}

void TDialogoDados::showEvent(QShowEvent *e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    Protege([this] { AoMostrar(); });
    FMemoria.Guarda(this);
}

void TDialogoDados::reject() {
    FMemoria.Restaura();
    Protege([this] { AposRestaurar(); });
    QDialog::reject();
}

void TMemoriaCampos::Guarda(QWidget *raiz) {
    FTextos.clear();
    FMarcas.clear();
    FListas.clear();
    FGiros.clear();
    FGrades.clear();
    for (QLineEdit *ed : raiz->findChildren<QLineEdit *>())
        if (!qobject_cast<QAbstractSpinBox *>(ed->parent()) &&
            !qobject_cast<QComboBox *>(ed->parent()))
            FTextos.emplace_back(ed, ed->text());
    for (QAbstractButton *b : raiz->findChildren<QAbstractButton *>())
        if (b->isCheckable())
            FMarcas.emplace_back(b, b->isChecked());
    for (QComboBox *c : raiz->findChildren<QComboBox *>())
        FListas.emplace_back(c, c->currentIndex());
    for (QSpinBox *s : raiz->findChildren<QSpinBox *>())
        FGiros.emplace_back(s, s->value());
    for (QTableWidget *g : raiz->findChildren<QTableWidget *>()) {
        TGrade m{g, g->rowCount(), g->columnCount(), {}, {}};
        for (int l = 0; l < m.Linhas; ++l)
            for (int c = 0; c < m.Colunas; ++c) {
                const QTableWidgetItem *it = g->item(l, c);
                m.Textos << (it ? it->text() : QString());
                m.Marcas.push_back(it ? int(it->flags()) : int(QTableWidgetItem().flags()));
            }
        FGrades.push_back(std::move(m));
    }
}

void TMemoriaCampos::Restaura() const {
    for (const auto &[c, i] : FListas)
        if (c) {
            QSignalBlocker b(c);
            c->setCurrentIndex(i);
        }
    for (const auto &[s, v] : FGiros)
        if (s) {
            QSignalBlocker b(s);
            s->setValue(v);
        }
    for (const auto &[ed, t] : FTextos)
        if (ed) {
            QSignalBlocker b(ed);
            ed->setText(t);
        }
    // Checked buttons first, so exclusive groups end as they were; then the cleared check boxes.
    for (const auto &[bt, m] : FMarcas)
        if (bt && m) {
            QSignalBlocker b(bt);
            bt->setChecked(true);
        }
    for (const auto &[bt, m] : FMarcas)
        if (bt && !m && !bt->autoExclusive()) {
            QSignalBlocker b(bt);
            bt->setChecked(false);
        }
    for (const TGrade &g : FGrades) {
        if (!g.Grade)
            continue;
        QSignalBlocker b(g.Grade);
        g.Grade->setRowCount(g.Linhas);
        g.Grade->setColumnCount(g.Colunas);
        for (int l = 0; l < g.Linhas; ++l)
            for (int c = 0; c < g.Colunas; ++c) {
                const int k = l * g.Colunas + c;
                QTableWidgetItem *it = g.Grade->item(l, c);
                if (!it) {
                    it = new QTableWidgetItem;
                    g.Grade->setItem(l, c, it);
                }
                it->setText(g.Textos[k]);
                it->setFlags(Qt::ItemFlags(g.Marcas[std::size_t(k)]));
            }
    }
}

QString TextoPadrao(const char *texto) {
    QString t = QString::fromUtf8(texto);
    t.replace(QLatin1Char(','), QLatin1Char(DecimalSeparator()));
    return t;
}

QLineEdit *CriaEdit(QWidget *pai, const char *nome, const QString &texto, const QString &dica) {
    auto *ed = new QLineEdit(texto, pai);
    ed->setObjectName(QString::fromLatin1(nome));
    if (!dica.isEmpty())
        ed->setToolTip(dica);
    return ed;
}

QLabel *CriaRotulo(QWidget *pai, const char *nome, const QString &texto) {
    auto *l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

QLineEdit *LinhaCampo(QGridLayout *g, int linha, QWidget *pai, const QString &rotulo,
                      const char *nome, const QString &texto, QLabel *&unidade,
                      const char *nomeUnidade) {
    QLineEdit *ed = CriaEdit(pai, nome, texto);
    unidade = CriaRotulo(pai, nomeUnidade);
    Linha(g, linha, rotulo, ed, unidade);
    return ed;
}

QRadioButton *CriaRadio(QWidget *pai, const char *nome, const QString &texto) {
    auto *r = new QRadioButton(texto, pai);
    r->setObjectName(QString::fromLatin1(nome));
    return r;
}

QCheckBox *CriaMarca(QWidget *pai, const char *nome, const QString &texto) {
    auto *c = new QCheckBox(texto, pai);
    c->setObjectName(QString::fromLatin1(nome));
    return c;
}

double LeCampo(const QLineEdit *ed) {
    return LeReal(ed->text());
}

void EscreveCampo(QLineEdit *ed, double v) {
    ed->setText(TextoReal(v));
}

void ReservaUnidade(QLabel *unidade) {
    unidade->setMinimumWidth(
        unidade->fontMetrics().horizontalAdvance(QStringLiteral("[W * h]/([h][m] ² *[°C])")));
}

void Linha(QGridLayout *g, int linha, const QString &rotulo, QWidget *ed, QLabel *unidade) {
    QWidget *pai = g->parentWidget();
    g->addWidget(new QLabel(rotulo, pai), linha, 0);
    g->addWidget(ed, linha, 1);
    if (unidade) {
        ReservaUnidade(unidade);
        g->addWidget(unidade, linha, 2);
    }
}

void TDialogoNos::Monta(QLayout *campos) {
    auto *raiz = new QVBoxLayout(this);
    raiz->addLayout(campos);
    CriaBotoes(raiz);
    auto *linha = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        FPainel[i] = CriaRotulo(this, i == 0 ? "plStatus1" : "plStatus2");
        FPainel[i]->setFrameShape(QFrame::Panel);
        FPainel[i]->setFrameShadow(QFrame::Sunken);
        linha->addWidget(FPainel[i], i == 0 ? 0 : 1);
    }
    raiz->addLayout(linha);
}

void TDialogoNos::SetStatus(int painel, const QString &texto) {
    if (painel >= 1 && painel <= 2)
        FPainel[painel - 1]->setText(texto);
}

QString TDialogoNos::GetStatus(int painel) const {
    return painel >= 1 && painel <= 2 ? FPainel[painel - 1]->text() : QString();
}

void TDialogoNos::AoMostrar() {
    SetStatus(2, QStringLiteral("%1 nós capturados").arg(FContaNos ? FContaNos() : 0));
}
