// What the creep and shrinkage dialogs share: a chooser asks for the law kind, its OK opens that
// law's own dialog, and that dialog's OK hands the finished law over through the chooser's event.
#pragma once

#include "ApoioDialogos.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// A law's dialog: its fields over an Ok and Cancela row; Cancel puts the fields back.
class TfrmModeloLeiBase : public TDialogoDados {
    Q_OBJECT
public:
    TfrmModeloLeiBase(const char *nome, const QString &titulo, QWidget *pai);
    ~TfrmModeloLeiBase() override;

    QPushButton *btnOk = nullptr, *btnCancela = nullptr;

protected:
    // The Ok and Cancela row, closing `v`.
    void FechaComBotoes(QVBoxLayout *v);
    // A unit label that `texto` writes at every showing; the dialog then grows to fit it.
    QLabel *Unidade(std::function<QString()> texto);
    void AoMostrar() override;

private:
    std::vector<std::pair<QLabel *, std::function<QString()>>> FUnidades;
};

template <class TLei> class TfrmModeloLei : public TfrmModeloLeiBase {
public:
    // The law handed over, or none ("no law here").
    using TEvento = std::function<void(const TLei *)>;

    using TfrmModeloLeiBase::TfrmModeloLeiBase;

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    const TLei *GetLei() const { return FLei.get(); }

protected:
    // OK: a new law from the fields, fired; the dialog closes. A malformed number throws
    // before anything is fired.
    bool Confirma() override {
        FLei = LeCampos();
        Dispara(FLei.get());
        return true;
    }
    // Cancel fires none.
    void AoCancelar() override { Dispara(nullptr); }
    virtual std::unique_ptr<TLei> LeCampos() const = 0;
    void Dispara(const TLei *lei) {
        if (OnConfirmar)
            OnConfirmar(lei);
    }

private:
    TEvento OnConfirmar;
    std::unique_ptr<TLei> FLei;
};

// The chooser: a radio button per law under "Modelo", then Ok and Cancela. OK closes the chooser
// and runs the chosen law's dialog modally; Cancel fires none.
class TEscolhaLeiBase : public TDialogoDados {
    Q_OBJECT
public:
    struct TOpcao {
        QString Rotulo;
        std::uint8_t Tipo;
    };

    // Kind of the checked button.
    std::uint8_t GetTipo() const;

    QPushButton *btnOk, *btnCancela;

protected:
    // Button `padrao` starts checked. With `voltaAoPadrao` every showing checks it again;
    // otherwise Cancel puts the choice back.
    TEscolhaLeiBase(const char *nome, const QString &titulo, std::vector<TOpcao> opcoes, int padrao,
                    bool voltaAoPadrao, QWidget *pai);
    QRadioButton *Opcao(int i) const { return FBotoes[i]; }
    void showEvent(QShowEvent *e) override;
    bool Confirma() override;
    void AposConfirmar() override;
    void AoCancelar() override { DisparaNenhuma(); }
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
    std::uint8_t FEscolhido = 0;
};

template <class TLei> class TEscolhaLei : public TEscolhaLeiBase {
public:
    using TEvento = typename TfrmModeloLei<TLei>::TEvento;

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    // Fired with none at every showing.
    void SetOnMostrar(TEvento e) { OnMostrar = std::move(e); }

protected:
    using TEscolhaLeiBase::TEscolhaLeiBase;
    // The law dialog of each kind (not owned).
    void DefineModelos(std::vector<std::pair<std::uint8_t, TfrmModeloLei<TLei> *>> modelos) {
        FModelos = std::move(modelos);
    }

private:
    TfrmModeloLei<TLei> *Modelo(std::uint8_t tipo) const {
        for (const auto &[t, m] : FModelos)
            if (t == tipo)
                return m;
        return nullptr;
    }
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
    std::vector<std::pair<std::uint8_t, TfrmModeloLei<TLei> *>> FModelos;
};
