#include "MensagensPerguntador.h"

#include "Perguntador.h"

bool TMensagensPerguntador::Mostra(TTipoMensagem tipo, const std::string &texto) {
    const QString t = QString::fromStdString(texto);
    switch (tipo) {
    case TTipoMensagem::Informacao:
        Perguntador().Informa(t);
        return true;
    case TTipoMensagem::Aviso:
        Perguntador().Avisa(t);
        return true;
    case TTipoMensagem::Erro:
        Perguntador().Erro(t);
        return true;
    case TTipoMensagem::Confirmacao:
        return Perguntador().ConfirmaOk(t);
    }
    return true;
}
