// Mesh settings: divisions, grading, division by a maximum element size, and the drawing
// colours. OK fires them as a value; the window shows the settings in force when it opens and
// whenever a mesh file brings others.
#pragma once

#include "Ajustes.h"
#include "ConfiguracaoDesenho.h"
#include "DialogoDados.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TColorComboBox;

class TfrmConfiguracaoMalha
    : public TDialogoEvento<void(const TAjustesMalha &, const TConfiguracaoDesenho &)> {
    Q_OBJECT
public:
    explicit TfrmConfiguracaoMalha(QWidget *pai = nullptr);
    ~TfrmConfiguracaoMalha() override;

    // The settings in force, shown each time the window opens.
    void SetEmVigor(std::function<TAjustesMalha()> e) { EmVigor = std::move(e); }
    // Fires what the window shows, unchecked: what it shows is in force from the start.
    void Dispara();
    // Shows the settings (the maximum size, in metres, in the current length unit).
    void Mostra(const TAjustesMalha &ajustes);

    // Drawing styles of the last confirmation (or of the start).
    const TConfiguracaoDesenho &Desenho() const { return FDesenho; }

    void rbLinearClick();
    void rbExponencialClick();

    QSpinBox *seNx, *seNy;
    QRadioButton *rbLinear, *rbExponencial;
    QWidget *pDmax;
    QCheckBox *cbxDmax;
    QLineEdit *edDmax;
    QLabel *lbUnidade;
    TColorComboBox *kcbxcolorLinha, *kcbxCorFundo, *kcbxCorTexto, *kcbxCorNos, *kcbxCorAresta,
        *kcbxAreaDeDesenho;
    QPushButton *btnOk, *btnCancela;

protected:
    // The unit symbol and the settings in force.
    void AoMostrar() override;
    bool Confirma() override;
    // Colours and the maximum size's row as in force.
    void AposRestaurar() override;

private:
    // The settings the controls show; the maximum size as typed (length unit).
    TAjustesMalha Ajustes(double dmax) const;
    void LeDesenho();

    TConfiguracaoDesenho FDesenho;
    std::function<TAjustesMalha()> EmVigor;
};

extern TfrmConfiguracaoMalha *frmConfiguracaoMalha;
