// The time dialog: initial and final time, step, theta and step law of both analyses, handed to
// the thermal and then the stress receiver as one new TTempo.
#pragma once

#include "DialogoDados.h"
#include "fem/Tempo.h"

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfrmTempo : public TDialogoDados {
    Q_OBJECT
public:
    explicit TfrmTempo(QWidget *pai = nullptr);

    void SetOnConfirmar(std::function<void(const TTempo &)> f) { FOnConfirmar = std::move(f); }
    void SetOnConfirmarTensional(std::function<void(const TTempo &)> f) {
        FOnConfirmarTensional = std::move(f);
    }
    const TTempo *GetTempo() const { return FTempo.get(); }
    int GetNumPassos() const { return FNumPassos; }

protected:
    void AoMostrar() override;
    bool Confirma() override;

private:
    // Reads the fields; on a bad one moves the focus to it and throws EAbortSilencioso.
    void LeCampos();

    double FTempoInicial = 0, FTempoFinal = 0, FIncremento = 0, FTeta = 0;
    int FNumPassos = 0;
    bool FLinear = true;
    std::unique_ptr<TTempo> FTempo;
    std::function<void(const TTempo &)> FOnConfirmar, FOnConfirmarTensional;

    QLineEdit *edTi, *edTf, *edDt;
    QComboBox *cbxTeta;
    QRadioButton *rbLinear, *rbQuadratico;
    QLabel *lbUnidade[3];
};

extern TfrmTempo *frmTempo;
