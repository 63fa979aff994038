// What the creep and shrinkage dialogs share: a chooser asks for the law kind, its OK opens that
// law's own dialog, and that dialog's OK hands the finished law over through the chooser's event.
#pragma once

#include "ApoioDialogos.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QRadioButton;
class QVBoxLayout;

// A law's dialog: its fields over an Ok and Cancela row; Cancel puts the fields back.
class TfrmModeloLeiBase : public QDialog {
    Q_OBJECT
public:
    explicit TfrmModeloLeiBase(QWidget *pai = nullptr);
    ~TfrmModeloLeiBase() override;

    // OK: a new law from the fields, fired; the dialog closes. A malformed number throws
    // before anything is fired.
    virtual void Aplica() = 0;
    virtual void Cancela() = 0;

    QPushButton *btnOk, *btnCancela;

protected:
    // The Ok and Cancela row, closing `v`.
    void FechaComBotoes(QVBoxLayout *v);
    void showEvent(QShowEvent *e) override;
    void reject() override;

private:
    TMemoriaCampos FMemoria;
};

template <class TLei> class TfrmModeloLei : public TfrmModeloLeiBase {
public:
    // The law handed over, or none ("no law here").
    using TEvento = std::function<void(const TLei *)>;

    using TfrmModeloLeiBase::TfrmModeloLeiBase;

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    void Aplica() override {
        FLei = LeCampos();
        Dispara(FLei.get());
        accept();
    }
    // Fires none and closes.
    void Cancela() override {
        Dispara(nullptr);
        reject();
    }
    const TLei *GetLei() const { return FLei.get(); }

protected:
    virtual std::unique_ptr<TLei> LeCampos() const = 0;
    void Dispara(const TLei *lei) {
        if (OnConfirmar)
            OnConfirmar(lei);
    }

private:
    TEvento OnConfirmar;
    std::unique_ptr<TLei> FLei;
};

// The chooser: a radio button per law under "Modelo", then Ok and Cancela. Cancel fires none.
class TEscolhaLeiBase : public QDialog {
    Q_OBJECT
public:
    struct TOpcao {
        QString Rotulo;
        std::uint8_t Tipo;
    };

    // Kind of the checked button.
    std::uint8_t GetTipo() const;
    // OK: the chooser closes and the chosen law's dialog runs modally.
    void Aplica();
    // Cancel: fires none and closes.
    void Cancela();

    QPushButton *btnOk, *btnCancela;

protected:
    // Button `padrao` starts checked. With `voltaAoPadrao` every showing checks it again;
    // otherwise Cancel puts the choice back.
    TEscolhaLeiBase(const char *nome, const QString &titulo, std::vector<TOpcao> opcoes, int padrao,
                    bool voltaAoPadrao, QWidget *pai);
    QRadioButton *Opcao(int i) const { return FBotoes[i]; }
    void showEvent(QShowEvent *e) override;
    void reject() override;
    // Runs the law dialog modally.
    static void Executa(QDialog &modelo);

private:
    virtual void Escolhida(std::uint8_t tipo) = 0;
    virtual void DisparaNenhuma() = 0;
    virtual void Mostrando() = 0;

    std::vector<TOpcao> FOpcoes;
    std::vector<QRadioButton *> FBotoes;
    int FPadrao;
    bool FVoltaAoPadrao;
    TMemoriaCampos FMemoria;
};

template <class TLei> class TEscolhaLei : public TEscolhaLeiBase {
public:
    using TEvento = typename TfrmModeloLei<TLei>::TEvento;

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    // Fired with none at every showing.
    void SetOnMostrar(TEvento e) { OnMostrar = std::move(e); }

protected:
    using TEscolhaLeiBase::TEscolhaLeiBase;
    // The dialog of a law kind.
    virtual TfrmModeloLei<TLei> *Modelo(std::uint8_t tipo) const = 0;

private:
    void Escolhida(std::uint8_t tipo) override {
        if (TfrmModeloLei<TLei> *m = Modelo(tipo)) {
            m->SetOnConfirmar([this](const TLei *lei) {
                if (OnConfirmar)
                    OnConfirmar(lei);
            });
            Executa(*m);
        }
    }
    void DisparaNenhuma() override {
        if (OnConfirmar)
            OnConfirmar(nullptr);
    }
    void Mostrando() override {
        if (OnMostrar)
            OnMostrar(nullptr);
    }

    TEvento OnConfirmar, OnMostrar;
};
