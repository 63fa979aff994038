#include "ApoioDialogos.h"

#include <QLayout>

#include <algorithm>

void AjustaTamanho(QWidget *dialogo) {
    if (QLayout *l = dialogo->layout())
        l->activate();
    const QSize h = dialogo->sizeHint();
    dialogo->resize(std::max(dialogo->width(), h.width()), std::max(dialogo->height(), h.height()));
}
