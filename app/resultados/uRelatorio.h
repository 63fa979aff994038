// The input-data report window: title, responsible person and date, "Criar..." asks for a file
// and has the report written there.
#pragma once

#include "Relatorio.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

class TfrmRelatorio : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRelatorio(QWidget *pai = nullptr);

    // Writes the report of the current model to the file.
    using TOnCriar = std::function<void(const std::string &arquivo, const TCabecalhoRelatorio &)>;
    void SetOnCriar(TOnCriar f) { FOnCriar = std::move(f); }

    // The date field: the current date and time as text.
    void DefineData();

    // "Criar...": a file name (the title by default); cancelled, the window closes unwritten.
    void btnOkClick();

    QLineEdit *edTitulo, *edResponsavel, *edData;
    QPushButton *btnOk, *btnCancelar;

private:
    TOnCriar FOnCriar;
    QString FData, FHora;
};

extern TfrmRelatorio *frmRelatorio;
