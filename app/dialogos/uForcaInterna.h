// The heat-source dialog: a constant rate, the five-parameter hydration law, a formula of time
// or a measured adiabatic temperature rise, handed over as a new TForcaInterna on each OK.
#pragma once

#include "DialogoDados.h"
#include "fem/ForcaInterna.h"

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfrmForcaInterna : public TDialogoEvento<void(const TForcaInterna &)> {
    Q_OBJECT
public:
    explicit TfrmForcaInterna(QWidget *pai = nullptr);

    // The source built by the last OK (none before it).
    const TForcaInterna *GetForca() const { return FForca.get(); }

    void rbUsuarioClick();
    void rbForcaDiscretaClick();

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;

private:
    void AtualizaControles();
    // Checks the button of the kind in force (after a table that was not taken).
    void MarcaTipo();

    std::unique_ptr<TForcaInterna> FForca;
    // Kind the next OK builds and the table taken for it.
    std::uint8_t FTipo = TForcaInterna::kConstante;
    std::unique_ptr<TFuncaoDiscreta> FTabela;

    QRadioButton *rbConstante, *rbDefinida, *rbUsuario, *rbForcaDiscreta;
    QLineEdit *edCargaInternaConstante, *edConsumo, *edE, *edB, *edN, *edTr, *edExpressao;
    QLabel *lbConstante;
    QGroupBox *gbxForcasInternasUsuarios;
};

extern TfrmForcaInterna *frmForcaInterna;
