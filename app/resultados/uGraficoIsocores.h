// The isocolour window: the temperature field at a chosen time as a colour map with its scale
// and labelled contours, the readout under the mouse and the animation in time.
#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "MapaIsocores.h"

class QAction;
class QCheckBox;
class TFontComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;
class QSpinBox;
class QStatusBar;
class QToolButton;
class TCanvasQt;
class TKitTemporizador;
using TTemporizador = TKitTemporizador;

// A picture: an image painted as it is; reports mouse moves in its pixels.
class TImagemIsocores : public QWidget {
public:
    explicit TImagemIsocores(QWidget *pai = nullptr);
    QImage Imagem;
    std::function<void(int, int)> AoMoverMouse;

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
};

class TfrmIsocores : public QDialog {
public:
    explicit TfrmIsocores(QWidget *pai = nullptr);
    ~TfrmIsocores() override;

    // "Desenha" and "Gerar Cores".
    void DesenhaIsocores();
    // The animation's tick: the next step's time, drawn unless the axis ends there.
    void Tique();
    // Mouse readout at a pixel of the map (after a drawing).
    void LeituraDoPixel(int x, int y);
    void MudaCorDeFundo();

    TTemporizador &Temporizador() { return *tAnimacao; }
    const TMapaIsocores &Mapa() const { return mapa_; }
    TColor CorDeFundo() const { return fundo_; }
    int Rotulos() const { return int(rotulosEscala_.size()); }
    // Progress bar updates of the last drawing, and the rows it counted.
    int Progresso() const { return progresso_; }
    int Repinturas() const { return repinturas_; }

    QToolButton *tobnDesenhaIsocores, *ToolButton4;
    QLineEdit *edTempo, *edValorNivel, *edIncremento;
    QLabel *lbUnidadeTempo, *stxFonte;
    QCheckBox *chbAnimacao, *chkLinhas, *chkRotulos, *chkCurvaNivel, *chkCores;
    QSpinBox *seFotos, *seSizeFonte;
    QSlider *trkRotulos, *trkDivisoes, *tckEspacamento;
    TFontComboBox *cbFonte;
    TImagemIsocores *imIsocores, *imEscala;
    QFrame *shpCor;
    QProgressBar *pgbMedidorIsocores;
    QStatusBar *barraStatus;
    QAction *GerarCores1, *Sair1;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    void PreparaIsocores();
    void IniciaProgresso(int n);
    void PassoProgresso(int passos);
    void LimpaRotulos();
    void MostraFonte();
    void Anima(bool ligada);

    QWidget *painelEscala_;
    std::unique_ptr<TTemporizador> tAnimacao;
    TColor fundo_ = clBlack;
    TMapaIsocores mapa_;
    std::unique_ptr<TCanvasQt> canvasMapa_, canvasEscala_;
    std::vector<QLabel *> rotulosEscala_;
    double inicioDesenho_ = 0.0, ultimaRepintura_ = -1.0;
    int repinturas_ = 0, progresso_ = 0;
};

extern TfrmIsocores *frmIsocores;
