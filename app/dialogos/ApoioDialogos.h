// What the dialogs with grids share: the memory of the fields that Cancel puts back, grids
// included, and a size that follows longer unit labels. Default texts and unit symbols come
// from DialogoDados.h and UnidadesEscolhidas.h.
#pragma once

#include "DialogoDados.h"
#include "UnidadesEscolhidas.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QAbstractButton;
class QLineEdit;
class QTableWidget;
class QWidget;

// Grows a dialog whose labels got longer texts so that nothing is cut.
void AjustaTamanho(QWidget *dialogo);

// What the edits, check and radio buttons and grids under a widget held when it was shown.
class TMemoriaCampos {
public:
    void Guarda(QWidget *raiz);
    // Puts every remembered field back; widgets deleted since are skipped.
    void Restaura() const;

private:
    struct TEdit {
        QPointer<QLineEdit> Edit;
        QString Texto;
    };
    struct TBotao {
        QPointer<QAbstractButton> Botao;
        bool Marcado;
    };
    struct TGrade {
        QPointer<QTableWidget> Grade;
        int Linhas, Colunas;
        QStringList Textos;      // row by row
        std::vector<int> Marcas; // item flags, row by row
    };
    std::vector<TEdit> FEdits;
    std::vector<TBotao> FBotoes;
    std::vector<TGrade> FGrades;
};
