// Vertex dialog: the user types the vertices of a new polygonal domain, one row each.
#pragma once

#include "ApoioDialogos.h"
#include "uLibraryMalhas.h"

#include <QVariant>

#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

// The vertices, numbered 1..n in row order.
class TfrmCriaDominio : public TDialogoEvento<void(const std::vector<TNo> &)> {
    Q_OBJECT
public:
    explicit TfrmCriaDominio(QWidget *pai = nullptr);

    // 1-based cell access; row 1 is the header ("Número", "X", "Y").
    QVariant GetCelula(int linha, int coluna) const;
    void SetCelula(int linha, int coluna, const QVariant &valor);
    // Rows counting the header.
    int GetNumLinhas() const;

    // A row at the end, numbered; the last row goes (one row always stays).
    void AdicionaLinha();
    void RemoveUltimaLinha();

    const std::vector<TNo> &GetVertices() const { return FVertices; }

    QTableWidget *sgdVertices;
    QPushButton *btnOk, *btnCancela;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    // OK: the vertices from the rows; fewer than three are refused with a message; a cell that
    // is not a number throws. Then the dialog closes and fires.
    bool Confirma() override;
    void AposConfirmar() override;

private:
    std::vector<TNo> FVertices;
};

extern TfrmCriaDominio *frmCriaDominio;
