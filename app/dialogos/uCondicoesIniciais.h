// The initial-temperature dialog: one temperature for the captured nodes.
#pragma once

#include "DialogoDados.h"

#include <functional>

class QLabel;
class QLineEdit;

class TfrmCondicoesIniciais : public TDialogoDados {
    Q_OBJECT
public:
    explicit TfrmCondicoesIniciais(QWidget *pai = nullptr);

    void SetOnConfirmar(std::function<void(double)> f) { FOnConfirmar = std::move(f); }
    // How many nodes are captured, asked at every show.
    void SetContaNos(std::function<int()> f) { FContaNos = std::move(f); }
    void SetStatus(int painel, const QString &texto);
    QString GetStatus(int painel) const;

    void Aplica();

protected:
    void AoMostrar() override;
    bool Confirma() override;

private:
    std::function<void(double)> FOnConfirmar;
    std::function<int()> FContaNos;
    QString FTextoStatus;
    QLineEdit *edTemperatura;
    QLabel *lbTemperatura;
    QLabel *FPainel[2];
};

// The last value read.
extern double TemperaturaInicial;
extern TfrmCondicoesIniciais *frmCondicoesIniciais;
