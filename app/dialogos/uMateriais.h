// The material dialog: thermal and mechanical properties of the concrete of the current
// subdomain or layer, handed over as the dialog's TMaterial on each OK.
#pragma once

#include "DialogoDados.h"
#include "fem/Material.h"

#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfrmMateriais : public TDialogoEvento<void(const TMaterial &)> {
    Q_OBJECT
public:
    explicit TfrmMateriais(QWidget *pai = nullptr);
    ~TfrmMateriais() override;

    // The material being edited: from show to close, none otherwise.
    const TMaterial *GetMaterial() const { return FMaterial.get(); }
    void SetFcj28Maturidade(double v) { FFcj28Maturidade = v; }
    double GetFcj28Maturidade() const { return FFcj28Maturidade; }

    // Reads every field into the material (asks whether maturity counts).
    void LeCampos();
    void chkCondutividadeClick();
    void chkCeVariavelClick();

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;
    void hideEvent(QHideEvent *e) override;

private:
    void AtualizaCondutividade();
    void ColoreLeiE();
    // Shows the discrete-function dialog; a copy of its table when it was confirmed with two
    // pairs or more, none otherwise.
    std::unique_ptr<TFuncaoDiscreta> PedeTabela();

    std::unique_ptr<TMaterial> FMaterial;
    double FFcj28Maturidade = 0.0;

    QLineEdit *edKx, *edKy, *edDensidade, *edCalorEspecifico, *edEa, *edEb, *edE, *edAlfa,
        *edPoisson, *edGravidade, *edFcj28, *edFTA, *edFTb, *edConstante;
    QCheckBox *chkCondutividade, *chkCeVariavel;
    QGroupBox *gbxCondutividade;
    QRadioButton *RadioButton2, *rbEConstante, *rbMaturidade, *rbJCI, *rbByfors, *rbACI, *rbEPD,
        *RadioButton5, *rbftIdade, *rbftConstante;
    QFrame *pnlLeiTempo, *pnlConstante, *pnlModelos;
    QLabel *stxKx, *stxKy, *stxDensidade, *stxCE, *stxE, *stxEa, *stxEb, *stxAlfa, *stxPoisson,
        *stxGravidade, *stFTConstante, *stxfcj28, *stFTa, *stFTb;
};

extern TfrmMateriais *frmMateriais;
