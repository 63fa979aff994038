// The solver dialog: iteration limit and precision of the conjugate-gradient solver, or direct
// Gauss elimination; hands over a new TGradiente and whether it is wanted.
#pragma once

#include "DialogoDados.h"
#include "matematica/Gradiente.h"

#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// usaGradiente: false asks for Gauss elimination instead.
class TfrmGradienteConjugados : public TDialogoEvento<void(const TGradiente &, bool usaGradiente)> {
    Q_OBJECT
public:
    explicit TfrmGradienteConjugados(QWidget *pai = nullptr);

    const TGradiente &GetGradiente() const { return *FGradiente; }
    bool GetUsaGradiente() const { return FUsaGradiente; }

protected:
    bool Confirma() override;

private:
    std::unique_ptr<TGradiente> FGradiente;
    bool FUsaGradiente = true;
    QSpinBox *seIteMax;
    QLineEdit *edPrecisao;
    QCheckBox *chkGauss;
};

extern TfrmGradienteConjugados *frmGradienteConjugados;
