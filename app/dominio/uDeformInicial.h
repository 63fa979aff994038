// Initial strains per layer: for each layer of the layers dialog, an initial strain in x and in
// y that the staged stress analysis applies when the layer is placed.
#pragma once

#include "ApoioDialogos.h"

#include <QVariant>

#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

// One layer's initial strains; Tem is false when both are zero.
struct TDeformacaoCamada {
    bool Tem = false;
    double X = 0.0, Y = 0.0;
};

class TfrmDeformInicial : public TDialogoEvento<void(const std::vector<TDeformacaoCamada> &)> {
    Q_OBJECT
public:
    explicit TfrmDeformInicial(QWidget *pai = nullptr);

    // 1-based cell access; row 1 is the header ("Elevação", "Deformação em X", "Deformação
    // em Y"). Writing row n + 2 adds it.
    QVariant GetCelula(int linha, int coluna) const;
    void SetCelula(int linha, int coluna, const QVariant &valor);
    int GetNumCamadas() const;
    // Layer i's strains (1-based); an empty cell counts 0, other text that is not a number
    // throws.
    double GetDeformacaoX(int i) const;
    double GetDeformacaoY(int i) const;
    // Every layer's strains.
    std::vector<TDeformacaoCamada> LeDeformacoes() const;

    // The layers dialog keeps the rows: a row with the elevation's text, a row removed, all.
    void AdicionaCamada(const QString &elevacao);
    void RemoveCamada(int i);

    QTableWidget *sgdCamadas;
    QPushButton *btnOk, *btnCancela;

protected:
    // OK: reads every layer, fires and closes.
    bool Confirma() override;

private:
    double Le(int i, int coluna) const;
};

extern TfrmDeformInicial *frmDeformInicial;
