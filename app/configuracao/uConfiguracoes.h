// Result-file settings: folder, stem and extension of the temperature, deformation and stress
// step files. OK checks them and fires them as a value.
#pragma once

#include "Ajustes.h"
#include "DialogoDados.h"

#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

class TfrmConfiguracoes : public TDialogoEvento<void(const TArquivosResultado &)> {
    Q_OBJECT
public:
    explicit TfrmConfiguracoes(QWidget *pai = nullptr);
    ~TfrmConfiguracoes() override;

    // Fires what the window shows, unchecked: what it shows is in force from the start.
    void Dispara();

    QLineEdit *edEnderecoTemp, *edNomeTemp, *edTerminacaoTemp;
    QLineEdit *edEnderecoDeform, *edNomeDeform, *edTerminacaoDeform;
    QLineEdit *edEnderecoTensao, *edNomeTensao, *edTerminacaoTensao;
    QPushButton *btnOk, *btnCancela;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    bool Confirma() override;

private:
    TArquivosResultado Arquivos() const;
};

extern TfrmConfiguracoes *frmConfiguracoes;

// Two kinds of step files would share names: equal stems, or, in the same folder, a step of one
// named like a step of the other (step 12 of "Passo1" is step 2 of "Passo"; step 1 of "P" with
// extension "1.res" is step 11 of "P1"). Folders are compared as the system resolves them.
bool NomesConflitam(const std::string &diretorioA, const std::string &nomeA,
                    const std::string &terminacaoA, const std::string &diretorioB,
                    const std::string &nomeB, const std::string &terminacaoB);
// The folder with a final separator, so the file names go inside it.
std::string ComSeparadorFinal(const std::string &diretorio);
