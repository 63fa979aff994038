#include "uGrade.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

bool TabSimples(const QEvent *evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    const auto *tecla = static_cast<const QKeyEvent *>(evento);
    return tecla->key() == Qt::Key_Tab && !(tecla->modifiers() & Qt::ShiftModifier);
}

// Lets the grid watch the keys of its cell editors, and keeps the editor of the last cell open
// when Tab finds no cell after it.
class TDelegadoGrade : public QStyledItemDelegate {
public:
    explicit TDelegadoGrade(TGradeTexto *grade) : QStyledItemDelegate(grade), grade_(grade) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &opcao,
                          const QModelIndex &indice) const override {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, opcao, indice);
        if (editor)
            editor->installEventFilter(grade_);
        return editor;
    }

protected:
    bool eventFilter(QObject *editor, QEvent *evento) override {
        if (TabSimples(evento) && grade_->TabNoUltimaCelula())
            return true;
        return QStyledItemDelegate::eventFilter(editor, evento);
    }

private:
    TGradeTexto *grade_;
};

} // namespace

TGradeTexto::TGradeTexto(int colunas, int linhas, int fixas, QWidget *parent)
    : QTableWidget(linhas, colunas, parent), fixas_(fixas) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(18);
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new TDelegadoGrade(this));
    AplicaFixas();
    if (linhas > fixas_)
        setCurrentCell(fixas_, 0);
}

void TGradeTexto::SetRowCount(int linhas) {
    if (linhas < 1)
        linhas = 1;
    if (linhas <= fixas_)
        fixas_ = linhas - 1;
    setRowCount(linhas);
    AplicaFixas();
}

QString TGradeTexto::Cells(int coluna, int linha) const {
    const QTableWidgetItem *it = item(linha, coluna);
    return it ? it->text() : QString();
}

void TGradeTexto::SetCells(int coluna, int linha, const QString &texto) {
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= columnCount())
        return;
    QTableWidgetItem *it = item(linha, coluna);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(linha, coluna, it);
        AplicaFixas();
    }
    it->setText(texto);
}

void TGradeTexto::AplicaFixas() {
    const QBrush fundo = palette().button();
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *it = item(r, c);
            if (r < fixas_) {
                if (!it) {
                    it = new QTableWidgetItem;
                    setItem(r, c, it);
                }
                it->setFlags(Qt::ItemIsEnabled);
                it->setBackground(fundo);
            } else if (it && !(it->flags() & Qt::ItemIsEditable)) {
                it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                it->setBackground(QBrush());
            }
        }
}

bool TGradeTexto::TabNoUltimaCelula() {
    const int linha = currentRow();
    if (linha != rowCount() - 1 || currentColumn() != columnCount() - 1)
        return false;
    emit TabNoFim();
    if (rowCount() - 1 <= linha)
        return true; // no row came: stay
    // Left to the editor's own Tab when one is open: it commits the text and moves on.
    if (state() == QAbstractItemView::EditingState)
        return false;
    setCurrentCell(linha + 1, 0);
    return true;
}

void TGradeTexto::keyPressEvent(QKeyEvent *event) {
    // Past the last cell Tab would wrap to a filled cell or leave the grid.
    if (TabSimples(event) && TabNoUltimaCelula()) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TGradeTexto::keyReleaseEvent(QKeyEvent *event) {
    if (!event->isAutoRepeat())
        emit TeclaSolta(event->key());
    QTableWidget::keyReleaseEvent(event);
}

bool TGradeTexto::eventFilter(QObject *objeto, QEvent *evento) {
    // Down in the editor of the last row does not leave the cell: the grid still grows.
    if (objeto != this && evento->type() == QEvent::KeyRelease) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        if (tecla->key() == Qt::Key_Down && !tecla->isAutoRepeat())
            emit TeclaSolta(Qt::Key_Down);
    }
    return QTableWidget::eventFilter(objeto, evento);
}
