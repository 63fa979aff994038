#include "Ajuda.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<QTextBrowser> gAjuda;
}

// The pages live in a static library, whose resources are registered by hand.
static void RegistraRecursos() {
    static const bool feito = [] {
        Q_INIT_RESOURCE(recursos);
        return true;
    }();
    (void)feito;
}

void MostraAjuda(QWidget *pai) {
    RegistraRecursos();
    if (!gAjuda) {
        gAjuda = new QTextBrowser(pai);
        gAjuda->setWindowFlags(Qt::Window);
        gAjuda->setObjectName(QStringLiteral("Ajuda"));
        gAjuda->setWindowTitle(QStringLiteral("Ajuda - ZOK-2D"));
        gAjuda->setOpenLinks(true);
        gAjuda->resize(700, 560);
    }
    gAjuda->setSource(QUrl(QStringLiteral("qrc:/ajuda/index.html")));
    gAjuda->show();
    gAjuda->raise();
}

QTextBrowser *JanelaAjuda() {
    return gAjuda.data();
}
