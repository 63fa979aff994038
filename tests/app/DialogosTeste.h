// Helpers of the dialog suites: find a named control, type, click, and open a dialog through
// the scripted prompter with the steps a user would take.
#pragma once

#include "PerguntadorRoteiro.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>

#include <functional>

template <class T> T *Filho(QWidget &w, const char *nome) {
    T *c = w.findChild<T *>(QString::fromLatin1(nome));
    if (!c)
        ADD_FAILURE() << "no control " << nome;
    return c;
}

inline QString Texto(QWidget &w, const char *edit) {
    return Filho<QLineEdit>(w, edit)->text();
}

inline void Digita(QWidget &w, const char *edit, const QString &texto) {
    Filho<QLineEdit>(w, edit)->setText(texto);
}

inline void Clica(QWidget &w, const char *botao) {
    Filho<QAbstractButton>(w, botao)->click();
}

// Queues a modal run of a dialog: `passos`, then `botao` when the dialog is still open.
inline void Roteiro(TPerguntadorRoteiro &p, std::function<void(QDialog &)> passos,
                    const char *botao = "btnOk") {
    p.Modais.push_back([passos, botao](QDialog &d) {
        if (passos)
            passos(d);
        if (d.isVisible() && botao)
            Clica(d, botao);
        return d.result();
    });
}

// Opens `d` modally through the prompter with the given steps; returns its result.
inline int Abre(TPerguntadorRoteiro &p, QDialog &d, std::function<void(QDialog &)> passos,
                const char *botao = "btnOk") {
    Roteiro(p, std::move(passos), botao);
    return Perguntador().ExecutaModal(d);
}

// The decimal separator for the life of a test.
class TSeparador {
public:
    explicit TSeparador(char c) : FAntes(DecimalSeparator()) { SetDecimalSeparator(c); }
    ~TSeparador() { SetDecimalSeparator(FAntes); }

private:
    char FAntes;
};
