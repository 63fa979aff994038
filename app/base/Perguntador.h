// The one seam between the windows and everything that waits for the user: message boxes, file
// and colour dialogs, modal runs of dialogs. The program shows real dialogs; tests set a
// prompter that scripts the answers, so every window can be driven offscreen.
#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QWidget;

class IPerguntador {
public:
    virtual ~IPerguntador() = default;

    // Confirmation with Sim and Não; true for Sim.
    virtual bool Confirma(const QString &texto) = 0;
    // Confirmation with OK and Cancelar; true for OK.
    virtual bool ConfirmaOk(const QString &texto) = 0;
    // Information, warning and error boxes with OK.
    virtual void Informa(const QString &texto) = 0;
    virtual void Avisa(const QString &texto) = 0;
    virtual void Erro(const QString &texto) = 0;

    // File names; an empty text when the user cancels. `filtro` is in Qt's filter syntax.
    virtual QString ArquivoAbrir(QWidget *pai, const QString &titulo, const QString &filtro) = 0;
    virtual QString ArquivoSalvar(QWidget *pai, const QString &titulo, const QString &filtro,
                                  const QString &extensaoPadrao) = 0;
    // The same with a file name proposed; by default the name is not proposed.
    virtual QString ArquivoSalvarComo(QWidget *pai, const QString &titulo, const QString &filtro,
                                      const QString &extensaoPadrao, const QString &nomeInicial) {
        (void)nomeInicial;
        return ArquivoSalvar(pai, titulo, filtro, extensaoPadrao);
    }
    // Colour dialog; false when cancelled.
    virtual bool EscolheCor(QWidget *pai, QColor &cor) = 0;

    // Runs a dialog modally and returns its result code (QDialog::Accepted or Rejected).
    virtual int ExecutaModal(QDialog &dialogo) = 0;
};

// The prompter in use: real dialogs unless another one was set.
IPerguntador &Perguntador();
// nullptr restores the real dialogs. Not owned.
void DefinePerguntador(IPerguntador *p);

// Title of the program's message boxes.
QString TituloAplicacao();
