// A grid of text cells addressed (column, row) from 0, whose first rows can be fixed header rows
// (grey, not editable). Reports every key release to its owner.
#pragma once

#include <QTableWidget>

class TGradeTexto : public QTableWidget {
    Q_OBJECT
public:
    TGradeTexto(int colunas, int linhas, int fixas, QWidget *parent = nullptr);

    int RowCount() const { return rowCount(); }
    // At least one row stays; when rows fall to the number of fixed rows, one fixed row fewer
    // remains (a single row is then an ordinary row).
    void SetRowCount(int linhas);
    int FixedRows() const { return fixas_; }

    QString Cells(int coluna, int linha) const;
    void SetCells(int coluna, int linha, const QString &texto);

    // Tab on the last cell of the last row: asks for a row (TabNoFim), then goes to its first
    // cell, or stays where it is (the cell's editor too) when no row came.
    bool TabNoUltimaCelula();

signals:
    // A key released in the grid (auto-repeat excluded). Of the keys released in a cell's
    // editor only Down is reported: the others belong to the text.
    void TeclaSolta(int tecla);
    // Tab was pressed on the last cell: the owner may add a row now.
    void TabNoFim();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void AplicaFixas();
    int fixas_;
};
