#include "ApoioDialogos.h"

#include <QAbstractButton>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>

void AjustaTamanho(QWidget *dialogo) {
    if (QLayout *l = dialogo->layout())
        l->activate();
    const QSize h = dialogo->sizeHint();
    dialogo->resize(std::max(dialogo->width(), h.width()), std::max(dialogo->height(), h.height()));
}

void TMemoriaCampos::Guarda(QWidget *raiz) {
    FEdits.clear();
    FBotoes.clear();
    FGrades.clear();
    for (QLineEdit *e : raiz->findChildren<QLineEdit *>())
        if (e->objectName() != QLatin1String("qt_spinbox_lineedit"))
            FEdits.push_back({e, e->text()});
    for (QAbstractButton *b : raiz->findChildren<QAbstractButton *>())
        if (b->isCheckable())
            FBotoes.push_back({b, b->isChecked()});
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
    for (const auto &e : FEdits)
        if (e.Edit)
            e.Edit->setText(e.Texto);
    // A radio button is switched on, never off: its group switches the others off.
    for (const auto &b : FBotoes)
        if (b.Botao && (b.Marcado || !qobject_cast<QRadioButton *>(b.Botao.data())))
            b.Botao->setChecked(b.Marcado);
    for (const auto &g : FGrades) {
        if (!g.Grade)
            continue;
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
