#include "ApoioDialogos.h"

#include <QLayout>
#include <QTableWidget>

#include <algorithm>

void AjustaTamanho(QWidget *dialogo) {
    if (QLayout *l = dialogo->layout())
        l->activate();
    const QSize h = dialogo->sizeHint();
    dialogo->resize(std::max(dialogo->width(), h.width()), std::max(dialogo->height(), h.height()));
}

QString TextoCelula(const QTableWidget *g, int linha, int coluna) {
    if (linha == 1)
        return g->horizontalHeaderItem(coluna - 1)->text();
    const QTableWidgetItem *it = g->item(linha - 2, coluna - 1);
    return it ? it->text() : QString();
}

bool EscreveCelula(QTableWidget *g, int linha, int coluna, const QString &texto) {
    QTableWidgetItem *it =
        linha == 1 ? g->horizontalHeaderItem(coluna - 1) : g->item(linha - 2, coluna - 1);
    if (it)
        it->setText(texto);
    return it != nullptr;
}
