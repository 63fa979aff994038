// Message boxes of Lumacord behind one interface (tests script the answers) and the guard that
// keeps exceptions from crossing the event loop.
#pragma once

#include <QString>

#include <functional>

class QWidget;

class IPerguntador {
public:
    virtual ~IPerguntador() = default;
    // Confirmation with Sim and Não; true for Sim.
    virtual bool Confirma(const QString &texto) = 0;
    // Information with OK.
    virtual void Informa(const QString &texto) = 0;
    // The application's error box (title "Lumacord", OK).
    virtual void Erro(const QString &texto) = 0;
};

// The prompter in use: message boxes unless another one was set.
IPerguntador &Perguntador();
// nullptr restores the message boxes. Not owned.
void DefinePerguntador(IPerguntador *p);

// Runs one command of the user; any exception shows the error box with its message (a quiet
// abort shows nothing) and the program carries on.
void Protege(const std::function<void()> &comando);
