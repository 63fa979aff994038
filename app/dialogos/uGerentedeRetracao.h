// Drying-shrinkage dialogs: the chooser of the shrinkage law and the laws' own dialogs.
#pragma once

#include "EscolhaLei.h"

#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
class TRetracao;

// What both shrinkage model dialogs share: the humidities and the strength at 28 days.
class TfrmModeloRetracao : public TfrmModeloLei<TRetracao> {
    Q_OBJECT
public:
    TfrmModeloRetracao(const char *nome, const QString &titulo, QWidget *pai);
    ~TfrmModeloRetracao() override;

    QLineEdit *edUmidade, *edh0, *edfc28;
    QLabel *stfc28;

protected:
    // The fields of both laws; `extra` goes below them.
    void Monta(QWidget *extra);
    std::unique_ptr<TRetracao> LeComuns(std::uint8_t tipo) const;
};

// CEB-FIP Model Code 1990 (kind 0). Cancel hands over none.
class TfrmRetracaoCEB : public TfrmModeloRetracao {
    Q_OBJECT
public:
    explicit TfrmRetracaoCEB(QWidget *pai = nullptr);
    // Coefficient of the cement button that is checked: 4, 5 or 8.
    double GetBetaSC() const;

    QRadioButton *rbLento, *rbNormal, *rbRapido;

protected:
    std::unique_ptr<TRetracao> LeCampos() const override;
};

// Bazant (2000) (kind 1). Cancel only closes.
class TfrmRetracaoBazant : public TfrmModeloRetracao {
    Q_OBJECT
public:
    explicit TfrmRetracaoBazant(QWidget *pai = nullptr);

    QLineEdit *edEfinal;

protected:
    std::unique_ptr<TRetracao> LeCampos() const override;
    void AoCancelar() override {}
};

// The chooser; the NBR 6118 button opens the Bazant dialog. Cancel puts the choice back.
class TfrmGerentedeRetracao : public TEscolhaLei<TRetracao> {
    Q_OBJECT
public:
    explicit TfrmGerentedeRetracao(QWidget *pai = nullptr);

    // The law dialogs the chooser opens (not owned).
    void SetModelos(TfrmRetracaoCEB *ceb, TfrmRetracaoBazant *bazant);

    QRadioButton *rbCEB, *rbBazant, *rbNBR6118;
};

extern TfrmGerentedeRetracao *frmGerentedeRetracao;
extern TfrmRetracaoCEB *frmRetracaoCEB;
extern TfrmRetracaoBazant *frmRetracaoBazant;
