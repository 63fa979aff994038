// Drying-shrinkage dialogs: the chooser asks for the law, its OK opens the law's own dialog,
// and that dialog's OK hands the finished law over through the chooser's event.
#pragma once

#include "ApoioDialogos.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class TRetracao;

// The law handed over, or none ("no law here").
using TEventoRetracao = std::function<void(const TRetracao *)>;

// What both shrinkage model dialogs share: the humidities and the strength at 28 days.
class TfrmModeloRetracao : public QDialog {
    Q_OBJECT
public:
    explicit TfrmModeloRetracao(QWidget *pai = nullptr);
    ~TfrmModeloRetracao() override;

    void SetOnConfirmar(TEventoRetracao e) { OnConfirmar = std::move(e); }
    // OK: a new law from the fields, fired; the dialog closes. A malformed number throws
    // before anything is fired.
    void Aplica();
    virtual void Cancela() = 0;
    const TRetracao *GetRetracao() const { return FRetracao.get(); }

    QLineEdit *edUmidade, *edh0, *edfc28;
    QLabel *stfc28;
    QPushButton *btnOk, *btnCancela;

protected:
    virtual std::unique_ptr<TRetracao> LeCampos() const = 0;
    // The fields of both laws; `extra` goes below them.
    void Monta(QWidget *extra);
    std::unique_ptr<TRetracao> LeComuns(std::uint8_t tipo) const;
    void Dispara(const TRetracao *r);
    void showEvent(QShowEvent *e) override;
    void reject() override;

private:
    TEventoRetracao OnConfirmar;
    std::unique_ptr<TRetracao> FRetracao;
    TMemoriaCampos FMemoria;
};

// CEB-FIP Model Code 1990 (kind 0). Cancel hands over none.
class TfrmRetracaoCEB : public TfrmModeloRetracao {
    Q_OBJECT
public:
    explicit TfrmRetracaoCEB(QWidget *pai = nullptr);
    void Cancela() override;
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
    void Cancela() override;

    QLineEdit *edEfinal;

protected:
    std::unique_ptr<TRetracao> LeCampos() const override;
};

// The chooser.
class TfrmGerentedeRetracao : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGerentedeRetracao(QWidget *pai = nullptr);

    void SetOnConfirmar(TEventoRetracao e) { OnConfirmar = std::move(e); }
    // Fired with none at every showing.
    void SetOnMostrar(TEventoRetracao e) { OnMostrar = std::move(e); }
    // The model dialogs the chooser opens (not owned).
    void SetModelos(TfrmRetracaoCEB *ceb, TfrmRetracaoBazant *bazant);

    std::uint8_t GetTipo() const { return FTipo; }
    // OK: the chooser closes and the chosen law's dialog runs modally.
    void Aplica();
    // Cancel: fires none and closes.
    void Cancela();

    QRadioButton *rbCEB, *rbBazant, *rbNBR6118;
    QPushButton *btnOk, *btnCancela;

protected:
    void showEvent(QShowEvent *e) override;
    void reject() override;

private:
    TfrmModeloRetracao *Modelo() const;
    void AtualizaTipo();

    TEventoRetracao OnConfirmar, OnMostrar;
    std::uint8_t FTipo = 0;
    TfrmRetracaoCEB *FCEB = nullptr;
    TfrmRetracaoBazant *FBazant = nullptr;
    TMemoriaCampos FMemoria;
};

extern TfrmGerentedeRetracao *frmGerentedeRetracao;
extern TfrmRetracaoCEB *frmRetracaoCEB;
extern TfrmRetracaoBazant *frmRetracaoBazant;
