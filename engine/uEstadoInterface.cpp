#include "uEstadoInterface.h"

#include <new>

#include "uPlataforma.h"

void TConfiguracaoMalha::SetNx(int n) {
    Nx = n;
    if (OnAlteracao)
        OnAlteracao();
}

void TConfiguracaoMalha::SetNy(int n) {
    Ny = n;
    if (OnAlteracao)
        OnAlteracao();
}

TEstadoInterface::TEstadoInterface() {
    // The default folder, with its final separator so that directory + stem names a file in it.
    std::string pasta;
    try {
        pasta = (PastaPadrao() / "").string();
    } catch (const EInOutError &) {
        // No usable default folder: the user has to type a directory before confirming.
    }
    Configuracoes.EnderecoTemp = Configuracoes.EnderecoDeform = Configuracoes.EnderecoTensao =
        pasta;
}

void TEstadoInterface::VerificaMemoria() {
    IInformacoesSistema *info = InformacoesSistema;
    if (!info || !info->FAplicado)
        return;
    const int limite = info->FPorEtapa ? info->FLimitePorEtapa : info->FLimiteLivre;
    const int liberar = info->FPorEtapa ? info->FLimitePorEtapa : info->FLimiteSuperior;
    const int livre = info->MemoriaLivreMb();
    if (livre >= limite)
        return;
    if (MensagemFEM)
        MensagemFEM->MostraMemoria(livre);
    try {
        info->LiberarMemoria(liberar);
    } catch (const std::bad_alloc &) {
        // Not enough memory to take: the run goes on with what is free.
    }
    const int depois = info->MemoriaLivreMb();
    if (MensagemFEM)
        MensagemFEM->MostraMemoria(depois);
}

void TEstadoInterface::LiberaInformacoesSistema() {
    IInformacoesSistema *info = InformacoesSistema;
    if (!info)
        return;
    InformacoesSistema = nullptr;
    if (OnLiberaInformacoesSistema)
        OnLiberaInformacoesSistema(info);
}

TEstadoInterface &Estado() {
    static TEstadoInterface estado;
    return estado;
}

void ReiniciaEstado() {
    Estado() = TEstadoInterface();
}
