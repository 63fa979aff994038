// The units dialog: the unit in which each kind of value is typed into the other dialogs. It
// keeps the chosen set (bound for the other windows' labels) and the reference set and hands both
// over on OK (and once at start-up, through DisparaMudanca). The pages edit a working set: Cancel
// leaves the chosen set alone.
#pragma once

#include "DialogoDados.h"

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TCompMetro;
class TEnergiaCaloria;
class TForcaNewton;
class TKitCalcEdit;
class TMassaGrama;
class TTempCelsius;
class TTempoSegundo;
class TUnidades;
class TUnidadesSI;

class TfrmUnidades : public TDialogoDados {
    Q_OBJECT
public:
    using TOnMudanca = std::function<void(const TUnidades &, const TUnidadesSI &)>;

    explicit TfrmUnidades(QWidget *pai = nullptr);
    ~TfrmUnidades() override;

    void SetOnMudanca(TOnMudanca f) { FOnMudanca = std::move(f); }
    // OK also fires the position of the expansion coefficient's temperature unit in its list.
    void SetOnDilatacao(std::function<void(int posicao)> f) { FOnDilatacao = std::move(f); }
    // Fires the change event with the chosen and reference sets, when bound.
    void DisparaMudanca();

    const TUnidades &GetUnidades() const { return *FUnidades; }
    const TUnidadesSI &GetUnidadesSI() const { return *FSI; }

    // Units for a list position; nullptr outside the list (temperature: Celsius).
    static std::unique_ptr<TCompMetro> CriaUnidadeComprimento(int i);
    static std::unique_ptr<TTempCelsius> CriaUnidadeTemperatura(int i);
    static std::unique_ptr<TMassaGrama> CriaUnidadeMassa(int i);
    static std::unique_ptr<TEnergiaCaloria> CriaUnidadeEnergia(int i);
    static std::unique_ptr<TTempoSegundo> CriaUnidadeTempo(int i);
    static std::unique_ptr<TForcaNewton> CriaUnidadeForca(int i);

protected:
    void AoMostrar() override;
    bool Confirma() override;
    void AposRestaurar() override;

private:
    enum TPagina {
        pgComprimento,
        pgTemperatura,
        pgDensidade,
        pgEnergia,
        pgTempo,
        pgCalorEspecifico,
        pgCondutividade,
        pgConveccao,
        pgForca,
        pgTensao,
        pgModulo,
        pgDilatacao,
        pgGravidade
    };
    QComboBox *Lista(QWidget *pagina, const char *nome, const QString &rotulo, int tipo, TPagina p);
    // Every list to the position of the chosen unit of its kind.
    void SelecionaCombos();
    // The working set as the lists stand.
    std::unique_ptr<TUnidades> Monta() const;
    void Muda(TPagina p);
    void MostraLinha(TPagina p);

    std::unique_ptr<TUnidades> FUnidades, FEdicao;
    std::unique_ptr<TUnidadesSI> FSI;
    TOnMudanca FOnMudanca;
    std::function<void(int)> FOnDilatacao;
    QString FUltimoSimbolo, FUltimoSISimbolo;
    double FUltimoFator = 1.0;
    TPagina FUltimaPagina = pgComprimento;

    QTabWidget *pclUnidades;
    QComboBox *cbxComprimento, *cbxTemperatura, *cbxMassa, *cbxComprimento3, *cbxEnergia, *cbxTempo,
        *cbxEnergiaCE, *cbxMassaCE, *cbxTemperaturaCE, *cbxEnergiaK, *cbxTempoK, *cbxComprimentoK,
        *cbxTemperaturaK, *cbxEnergiaConv, *cbxTempoConv, *cbxComprimentoConv, *cbxTemperaturaConv,
        *cbxForca, *cbxCompTensao, *cbxForcaTensao, *cbxForcaModulo, *cbxCompModulo,
        *cbxTemperCoefDilatacao, *cbxCompGravidade, *cbxTempoGravidade;
    QLineEdit *edValorSI;
    TKitCalcEdit *kitCalculadora;
    QLabel *lbSimbolo, *lbSISimbolo;
};

extern TfrmUnidades *frmUnidades;
