// The discrete-function dialog: a table of (x, y) pairs, typed or imported from a text file,
// used as a measured adiabatic temperature rise and as variable conductivity or specific heat.
// The table is kept in increasing x; every showing starts empty; Cancel discards it.
#pragma once

#include "ArquivoTabela.h"
#include "DialogoDados.h"
#include "matematica/FuncaoDiscreta.h"

#include <vector>

class QChartView;
class QLineEdit;

class TfrmFuncaoDiscreta : public TDialogoDados {
    Q_OBJECT
public:
    explicit TfrmFuncaoDiscreta(QWidget *pai = nullptr);

    // The table as a function; the callers copy it.
    const TFuncaoDiscreta &GetFuncao() const { return FFuncao; }
    int GetNumPares() const { return static_cast<int>(FTabela.size()); }
    int GetIndice() const { return FIndice; }

    void Limpa();
    void AdicionaPar();
    void ExcluiUltimo();
    void Anterior();
    void Proximo();
    void ImportaArquivo();

protected:
    void AoMostrar() override;
    bool Confirma() override { return true; }
    void AposRestaurar() override;

private:
    void Desenha();
    void MostraPar();
    void Atualiza();

    std::vector<TPar> FTabela;
    TFuncaoDiscreta FFuncao;
    std::string FOrigem; // file of the last import, recorded with the function
    int FIndice = 0;
    QChartView *chGrafico;
    QLineEdit *edX, *edY;
};

extern TfrmFuncaoDiscreta *frmFuncaoDiscreta;
