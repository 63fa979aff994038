// The formula dialog: edits and test-plots a formula of X for the heat-source and convection
// dialogs, which bind its result before showing it and read the formula it hands over.
#pragma once

#include "DialogoDados.h"
#include "uRPN.h"

#include <functional>
#include <memory>

class QChartView;
class QLineEdit;

class TfrmUsuario : public TDialogoEvento<void(const TfrmUsuario &)> {
    Q_OBJECT
public:
    explicit TfrmUsuario(QWidget *pai = nullptr);

    // The formula handed over: the one compiled by the last OK or TESTAR ("X" at first).
    const TRPN &GetRPN() const { return *FRPN; }
    QString GetExpressao() const;

    // Plots 100 values of the formula typed; a formula that fails keeps the previous one.
    void Testa();
    void Ajuda();

protected:
    bool Confirma() override;

private:
    // A new formula from the edit; throws EConvertError when it is malformed or names an
    // operand that is neither a number nor X.
    std::unique_ptr<TRPN> Compila() const;

    std::unique_ptr<TRPN> FRPN;
    QLineEdit *edExpressao;
    QChartView *chTeste;
};

extern TfrmUsuario *frmUsuario;

// Runs the expression dialog modally (when it exists); its OK writes the expression into
// `destino`.
void PedeExpressao(QLineEdit *destino);

// The formula compiled and evaluated once; EConvertError when it names something that is not a
// number or X (the error the formula dialog shows at OK).
std::unique_ptr<TRPN> CompilaFormula(const std::string &texto);
