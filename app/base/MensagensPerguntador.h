// The engine's message sink bound to the prompter: its information, warnings, errors and
// confirmations appear as the program's message boxes (and tests script them).
#pragma once

#include "uPlataforma.h"

class TMensagensPerguntador : public IMensagens {
public:
    bool Mostra(TTipoMensagem tipo, const std::string &texto) override;
};
