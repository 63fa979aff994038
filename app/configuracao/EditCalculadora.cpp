#include "EditCalculadora.h"

#include <QDoubleSpinBox>

QWidget *CriaEditCalculadora(QWidget *pai) {
    auto *ed = new QDoubleSpinBox(pai);
    ed->setObjectName(QStringLiteral("edCalculadora"));
    ed->setButtonSymbols(QAbstractSpinBox::NoButtons);
    ed->setDecimals(6);
    ed->setRange(-1e15, 1e15);
    return ed;
}
