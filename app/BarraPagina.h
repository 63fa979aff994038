// A page's row of tool buttons. The buttons that fit the width are shown in their order; when
// some do not fit, the overflow button at the right end opens a menu with the rest, so every
// command stays in reach on a small screen.
#pragma once

#include <QList>
#include <QWidget>

class QMenu;
class QToolButton;

class TBarraPagina : public QWidget {
    Q_OBJECT
public:
    explicit TBarraPagina(QWidget *pai = nullptr);

    // Appends a button (or any control) to the row; the row owns it.
    void Adiciona(QWidget *w);
    // The controls the width leaves out, in order.
    QList<QWidget *> Ocultos() const;
    QToolButton *Extensao() const { return extensao_; }
    // Opens the overflow menu under its button.
    void MostraExtensao();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;

private:
    void Distribui();
    void PreencheMenu();

    QList<QWidget *> itens_;
    QToolButton *extensao_;
    QMenu *menu_;
};
