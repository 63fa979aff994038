// Stress or strain of an element against time; and the principal-stress choice window.
#pragma once

#include "DialogoDados.h"
#include "GraficoXY.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

class TfrmGraficoTensaoTempo : public TGraficoXY {
public:
    explicit TfrmGraficoTensaoTempo(QWidget *pai = nullptr);
    ~TfrmGraficoTensaoTempo() override;
    // "&Plotar", "&Tensão", "&Deformação".
    void Plota();
    void ModoTensao();
    void ModoDeformacao();
    bool EmTensao() const { return tensao_; }
    int Componente() const { return componente_; }
    int Elemento() const { return elemento_; }

    QSpinBox *sedNo;
    QComboBox *cbxTensao;
    QAction *Deformacao1, *Tensao1;

protected:
    void showEvent(QShowEvent *e) override;
    std::string TituloX() const override { return "Tempo"; }
    std::string TituloY() const override { return "Tensão"; }
    QString NomePontos() const override;

private:
    void MudaComponente(int indice);
    void TitulosTensao();
    bool tensao_ = true;
    int elemento_ = 1, componente_ = 0;
    bool ajustando_ = false;
};

class TfrmTensaoPrincipal : public TDialogoDados {
public:
    explicit TfrmTensaoPrincipal(QWidget *pai = nullptr);
    QCheckBox *cbxNormaisMaximas, *cbxCisalhanteMaxima;

protected:
    bool Confirma() override { return true; }
};

extern TfrmGraficoTensaoTempo *frmGraficoTensaoTempo;
extern TfrmTensaoPrincipal *frmTensaoPrincipal;
