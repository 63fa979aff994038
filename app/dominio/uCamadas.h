// Layers dialog: for each construction layer its top elevation, placement time and placement
// temperature, in the user's units; rows are added one by one or generated from a rise speed.
// The initial-strains dialog keeps one row per layer alongside.
#pragma once

#include "ApoioDialogos.h"

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TfrmDeformInicial;

// One layer as typed (user's units).
struct TCamadaDigitada {
    double Elevacao = 0.0;
    double Instante = 0.0;
    double Temperatura = 0.0;
};

// OK with valid rows builds the layered model.
class TfrmCamadas : public TDialogoEvento<void(const std::vector<TCamadaDigitada> &)> {
    Q_OBJECT
public:
    explicit TfrmCamadas(QWidget *pai = nullptr);

    // The initial-strains dialog whose rows follow the layers (not owned).
    void SetDeformInicial(TfrmDeformInicial *d) { FDeform = d; }

    int GetNumCamadas() const;
    // Layer i (1-based) as a number; a cell that is not a number throws.
    double GetElevacao(int i) const;
    double GetInstante(int i) const;
    double GetTemperatura(int i) const;

    // "Adicionar": a layer from the three edits, which must hold numbers.
    void Adiciona();
    // "Excluir": the selected layer leaves both grids.
    void Exclui();
    // "Aplicar": layers every dh from the elevation to the final elevation, dt apart in time.
    void AplicaVelocidade();

    QTableWidget *sgdCamadas;
    QLineEdit *edElevacao, *edInstante, *edTemperaturaInicial;
    QLineEdit *edVelocidadeM, *edVelocidadeT, *edElevacaoFinal;
    QLabel *lbElevacao, *lbInstante, *lbTemperatura;
    QPushButton *btnAdicionar, *btnExcluir, *btnAplicar, *btnOk, *btnCancela;

protected:
    void showEvent(QShowEvent *e) override;
    // "Ok": checks every row (at least one layer, times not negative, elevations rising,
    // times not falling), then fires and closes; a bad row is named in an error message and
    // nothing is fired.
    bool Confirma() override;
    // Cancel puts the initial-strains rows back too.
    void AposRestaurar() override;

private:
    void AdicionaLinha(const QString &elevacao, const QString &instante,
                       const QString &temperatura);
    double Le(int i, int coluna) const;

    TfrmDeformInicial *FDeform = nullptr;
    TMemoriaCampos FMemoriaDeform;
};

extern TfrmCamadas *frmCamadas;
