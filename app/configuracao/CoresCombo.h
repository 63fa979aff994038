// Colour choice among the platform's sixteen named colours (a plain combo box standing for the
// kit's colour combo box).
#pragma once

#include "uPlataforma.h"

#include <QComboBox>

class TComboCor : public QComboBox {
    Q_OBJECT
public:
    explicit TComboCor(TColor inicial, QWidget *pai = nullptr);
    TColor ColorValue() const;
    void SetColorValue(TColor c);
};
