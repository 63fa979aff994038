#include "Guarda.h"

#include "KitErros.h"
#include "Perguntador.h"

#include <exception>
#include <new>

namespace {

bool Executa(const std::function<void()> &comando, const std::string *mensagem) {
    auto erro = [&](const char *texto) {
        Perguntador().Erro(QString::fromUtf8(mensagem ? mensagem->c_str() : texto));
    };
    try {
        comando();
        return true;
    } catch (const EAbortSilencioso &) {
    } catch (const EKitAbort &) {
    } catch (const std::bad_alloc &) {
        erro("Out of memory");
    } catch (const std::exception &e) {
        erro(e.what());
    } catch (...) {
        erro("Erro desconhecido.");
    }
    return false;
}

} // namespace

bool Protege(const std::function<void()> &comando) {
    return Executa(comando, nullptr);
}

bool Protege(const std::function<void()> &comando, const std::string &mensagem) {
    return Executa(comando, &mensagem);
}
