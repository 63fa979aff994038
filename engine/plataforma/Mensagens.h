// The sink of the messages the engine shows to the user.
#pragma once

#include <string>

enum class TTipoMensagem { Informacao, Aviso, Erro, Confirmacao };

// Where the engine's messages go; the program binds message boxes, tests bind a recorder.
class IMensagens {
public:
    virtual ~IMensagens() = default;
    // For Confirmacao the answer is true for Yes/OK; other kinds return true.
    virtual bool Mostra(TTipoMensagem tipo, const std::string &texto) = 0;
};

// Binds the sink (not owned; nullptr restores the default, which writes to standard error).
void DefineMensagens(IMensagens *m);
IMensagens *Mensagens();
bool MostraMensagem(TTipoMensagem tipo, const std::string &texto);
inline void ShowMessage(const std::string &texto) {
    MostraMensagem(TTipoMensagem::Informacao, texto);
}
inline void MostraErro(const std::string &texto) {
    MostraMensagem(TTipoMensagem::Erro, texto);
}
