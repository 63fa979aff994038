#include "plataforma/Mensagens.h"

#include <iostream>

namespace {
class TMensagensPadrao : public IMensagens {
public:
    bool Mostra(TTipoMensagem, const std::string &texto) override {
        std::cerr << texto << '\n';
        return true;
    }
};
TMensagensPadrao gMensagensPadrao;
IMensagens *gMensagens = nullptr;
} // namespace

void DefineMensagens(IMensagens *m) {
    gMensagens = m;
}
IMensagens *Mensagens() {
    return gMensagens ? gMensagens : &gMensagensPadrao;
}
bool MostraMensagem(TTipoMensagem tipo, const std::string &texto) {
    return Mensagens()->Mostra(tipo, texto);
}
