// Support dialog: restrains the captured nodes in one or both directions, or prescribes their
// displacements.
#pragma once

#include "ApoioDialogos.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// valorDefinido: displacements instead of supports; umGrau: one direction restrained;
// restringeY: that direction is y.
class TfrmDefInicial
    : public TDialogoEvento<void(bool valorDefinido, bool umGrau, double deslocamentoX,
                                 double deslocamentoY, bool restringeY)> {
    Q_OBJECT
public:
    explicit TfrmDefInicial(QWidget *pai = nullptr);

    // How many nodes are captured, for the status bar.
    void SetContaNosCapturados(std::function<int()> f) { FContaNos = std::move(f); }

    bool GetValorDefinido() const { return FValorDefinido; }
    bool GetUmGrau() const { return FUmGrau; }
    bool GetRestringeY() const { return FRestringeY; }
    double GetDeslocamentoX() const { return FDeslocamentoX; }
    double GetDeslocamentoY() const { return FDeslocamentoY; }

    QRadioButton *rbRestricoes, *rbValorDefinido;
    QRadioButton *rb1Grau, *rb2Grau, *rb1GrauX;
    QWidget *Panel1, *Panel2;
    QLineEdit *edX, *edY;
    QLabel *lbUnidadeX, *lbUnidadeY;
    QLabel *stStatus;
    QPushButton *btnOk, *btnCancela;

protected:
    void showEvent(QShowEvent *e) override;
    // OK: reads the values, fires and closes; a malformed value moves the focus to its edit.
    bool Confirma() override;
    void AposRestaurar() override;

private:
    void AtualizaModo();
    void AtualizaGraus();

    std::function<int()> FContaNos;
    bool FValorDefinido = false;
    bool FUmGrau = true;
    bool FRestringeY = true;
    double FDeslocamentoX = 0.0;
    double FDeslocamentoY = 0.0;
};

extern TfrmDefInicial *frmDefInicial;
