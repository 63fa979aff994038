// What the three result chart windows share: the chart with its curves and axes, the colour
// boxes, the menus, the text export of the last curve and the metafile export of the chart.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "CurvasResultados.h"

class QAction;
class QChart;
class QChartView;
class TColorComboBox;
class QHBoxLayout;
class QLabel;
class QLineSeries;
class QMenu;
class QValueAxis;

class TGraficoXY : public QDialog {
public:
    explicit TGraficoXY(QWidget *pai = nullptr);
    ~TGraficoXY() override;

    // Adds a curve in one batch and keeps it as the last curve.
    void AdicionaCurva(const TCurva &curva);
    // "Limpar": every curve removed (the last curve stays for the export).
    void Limpa();
    // "Salvar Ponto...": the last curve as text; only the header before any plot.
    void SalvaPontos();
    // "Salvar...": the chart as a Windows metafile.
    void SalvaMetafile();
    void SalvaMetafile(const std::string &arquivo);
    void SetTitulos(const QString &esquerdo, const QString &inferior);
    // Axes fitted to every curve on the chart.
    void AjustaEixos();

    int NumCurvas() const;
    const TCurva *UltimaCurva() const { return ultima_.get(); }
    QChart *Grafico() const { return chrGraficoXY; }
    QChartView *Vista() const { return vista_; }
    QValueAxis *EixoX() const { return eixoX_; }
    QValueAxis *EixoY() const { return eixoY_; }

    QChart *chrGraficoXY;
    TColorComboBox *kcbxFundo, *kcbxTela;
    QMenu *Arquivo1, *Grafico1;
    QAction *SalvarPonto1, *Sair1, *Plotar1, *Salvar1, *Limpar1;

protected:
    // The controls beside the chart go here.
    QHBoxLayout *Controles() const { return controles_; }
    // Column titles of the text export and the default file name.
    virtual std::string TituloX() const = 0;
    virtual std::string TituloY() const = 0;
    // File name the text export proposes.
    virtual QString NomePontos() const { return QStringLiteral("Ponto"); }
    void LiberaUltima() { ultima_.reset(); }

private:
    QChartView *vista_;
    QValueAxis *eixoX_, *eixoY_;
    QHBoxLayout *controles_;
    std::unique_ptr<TCurva> ultima_;
};

// The temperature charts: a labelled control beside the chart, "Plotar" bound to Plota and the
// temperature, in the user's unit, on the left axis.
class TGraficoTemperatura : public TGraficoXY {
public:
    // "Plotar".
    virtual void Plota() = 0;

protected:
    TGraficoTemperatura(const QString &titulo, QWidget *pai);
    // The control and its caption, first beside the chart; returns the caption.
    QLabel *Controle(const QString &rotulo, QWidget *controle);
    void showEvent(QShowEvent *e) override;
    // The bottom axis' title in the user's units.
    virtual QString TituloInferior(const TUnidadesResultados &u) const = 0;
    std::string TituloY() const override { return "Temperatura"; }
};
