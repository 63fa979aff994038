// The data-entry dialog every window of the kind follows: created once, shown modally and hidden
// again; its fields keep what the user typed between showings. OK reads the fields, builds a new
// value object and fires the result (an error that escapes shows its box and keeps the dialog
// open); Cancel and the close box put the fields back as they were at show.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// What the edits, check and radio buttons, combos, spin boxes and grids under a widget held when
// it was remembered. Putting them back sends no change signals.
class TMemoriaCampos {
public:
    void Guarda(QWidget *raiz);
    // Puts every remembered field back; widgets deleted since are skipped.
    void Restaura() const;

private:
    struct TGrade {
        QPointer<QTableWidget> Grade;
        int Linhas, Colunas;
        QStringList Textos;      // row by row
        std::vector<int> Marcas; // item flags, row by row
    };
    std::vector<std::pair<QPointer<QLineEdit>, QString>> FTextos;
    std::vector<std::pair<QPointer<QAbstractButton>, bool>> FMarcas;
    std::vector<std::pair<QPointer<QComboBox>, int>> FListas;
    std::vector<std::pair<QPointer<QSpinBox>, int>> FGiros;
    std::vector<TGrade> FGrades;
};

class TDialogoDados : public QDialog {
    Q_OBJECT
public:
    explicit TDialogoDados(const QString &titulo, QWidget *pai = nullptr);

protected:
    // Show: unit labels and what the window sets each time it opens.
    virtual void AoMostrar() {}
    // OK: read, build, fire; false keeps the dialog open.
    virtual bool Confirma() = 0;
    // After OK closed the dialog (what runs once it is hidden).
    virtual void AposConfirmar() {}
    // The Cancel button, before the fields are put back.
    virtual void AoCancelar() {}
    // The fields were put back (enable states follow them here).
    virtual void AposRestaurar() {}

    // Which button the Enter key presses.
    enum class TEnter {
        Ok,          // OK, wherever the focus is
        OkOuCancela, // a focused Cancel, otherwise OK
        Focado,      // no default button: the focused push button
    };
    // A row with the OK ("btnOk") and Cancel ("btnCancelar") buttons, added to `layout`.
    void CriaBotoes(QBoxLayout *layout, const QString &ok = QStringLiteral("OK"),
                    const QString &cancela = QStringLiteral("Cancelar"), TEnter enter = TEnter::Ok);
    // The same row captioned "Ok" and "Cancela", its buttons handed back.
    void CriaBotoes(QBoxLayout *layout, QPushButton *&ok, QPushButton *&cancela, TEnter enter);
    QPushButton *BotaoOk() const { return FOk; }

    void showEvent(QShowEvent *e) override;

public:
    void reject() override;

private:
    void OkClicado();

    QPushButton *FOk = nullptr, *FCancela = nullptr;
    TMemoriaCampos FMemoria;
};

// A data dialog whose OK fires its result through an event of signature `F`.
template <class F> class TDialogoEvento : public TDialogoDados {
public:
    using TEvento = std::function<F>;
    using TDialogoDados::TDialogoDados;

    void SetOnConfirmar(TEvento e) { FOnConfirmar = std::move(e); }

protected:
    template <class... A> void Entrega(A &&...a) const {
        if (FOnConfirmar)
            FOnConfirmar(std::forward<A>(a)...);
    }

private:
    TEvento FOnConfirmar;
};

// A data dialog on the captured nodes: two status panels ("plStatus1", "plStatus2") at its
// foot, the second telling at every showing how many nodes are captured.
class TDialogoNos : public TDialogoDados {
    Q_OBJECT
public:
    using TDialogoDados::TDialogoDados;

    // How many nodes are captured, asked at every show.
    void SetContaNos(std::function<int()> f) { FContaNos = std::move(f); }
    void SetStatus(int painel, const QString &texto);
    QString GetStatus(int painel) const;

protected:
    // The dialog's column: `campos`, the OK and Cancel row, the status panels.
    void Monta(QLayout *campos);
    void AoMostrar() override;

private:
    std::function<int()> FContaNos;
    QLabel *FPainel[2] = {};
};

// A default text written with a decimal comma ("2,0"), returned with the user's decimal
// separator.
QString TextoPadrao(const char *texto);
// An edit with an object name, a text and an optional hint.
QLineEdit *CriaEdit(QWidget *pai, const char *nome, const QString &texto,
                    const QString &dica = QString());
// A label with an object name (unit labels are found by it).
QLabel *CriaRotulo(QWidget *pai, const char *nome, const QString &texto = QString());
// Radio and check buttons with an object name and a caption.
QRadioButton *CriaRadio(QWidget *pai, const char *nome, const QString &texto);
QCheckBox *CriaMarca(QWidget *pai, const char *nome, const QString &texto);
// Room for the longest unit symbol in a unit label (its text is set only when the dialog opens).
void ReservaUnidade(QLabel *unidade);
// A grid row: caption, edit and, when given, the unit label.
void Linha(QGridLayout *g, int linha, const QString &rotulo, QWidget *ed,
           QLabel *unidade = nullptr);
// A grid row: caption, a new edit and a new unit label, both under `pai`; the label is handed
// back in `unidade`.
QLineEdit *LinhaCampo(QGridLayout *g, int linha, QWidget *pai, const QString &rotulo,
                      const char *nome, const QString &texto, QLabel *&unidade,
                      const char *nomeUnidade);
// The user's number in an edit (EConvertError when it is none) and its shortest text.
double LeCampo(const QLineEdit *ed);
void EscreveCampo(QLineEdit *ed, double v);
