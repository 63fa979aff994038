// Mesh settings: divisions, grading, division by a maximum element size, and the drawing
// colours. The divisions and grading live in the engine-facing mesh settings record, which
// the mesh file reader also writes; the window shows what it reads.
#pragma once

#include "ConfiguracaoDesenho.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TColorComboBox;

class TfrmConfiguracaoMalha : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConfiguracaoMalha(QWidget *pai = nullptr);
    ~TfrmConfiguracaoMalha() override;

    void SetNx(int n);
    void SetNy(int n);
    void SetOnConfirmar(std::function<void(const TfrmConfiguracaoMalha &)> e) {
        OnConfirmar = std::move(e);
    }
    // Symbol of the current length unit shown beside the maximum size.
    void SetUnidadeComprimento(const QString &simbolo);

    // Drawing styles of the last confirmation (or of the start).
    const TConfiguracaoDesenho &Desenho() const { return FDesenho; }

    // Reads divisions and colours into the record.
    void LeConfiguracao();
    // Shows the record in the controls (after the mesh file reader changed it); the record
    // keeps the maximum size in metres, the edit in the current length unit.
    void MostraConfiguracao();

    void btnOkClick();
    // Cancel and the close box: the controls show the settings in force again.
    void reject() override;
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
    // The maximum size in the current length unit, with its symbol.
    void showEvent(QShowEvent *e) override;

private:
    TConfiguracaoDesenho FDesenho;
    std::function<void(const TfrmConfiguracaoMalha &)> OnConfirmar;
};

extern TfrmConfiguracaoMalha *frmConfiguracaoMalha;
