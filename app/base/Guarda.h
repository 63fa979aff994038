// Exceptions never cross the event loop: every slot runs its body through Protege, which shows
// the error box for what escaped it and lets the program carry on.
#pragma once

#include <functional>
#include <string>

// A quiet abort: Protege swallows it without a message.
struct EAbortSilencioso {};

// Runs `comando`; an exception shows its message in the error box (EAbortSilencioso shows
// nothing). Returns false when the command ended by an exception.
bool Protege(const std::function<void()> &comando);

// The same, with `mensagem` shown in place of the exception's own text.
bool Protege(const std::function<void()> &comando, const std::string &mensagem);
