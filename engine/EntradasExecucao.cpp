#include "EntradasExecucao.h"

#include <new>

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

void ConfereMemoria(IInformacoesSistema *info, const std::function<void(int)> &mostra) {
    if (!info || !info->FAplicado)
        return;
    const int limite = info->FPorEtapa ? info->FLimitePorEtapa : info->FLimiteLivre;
    const int liberar = info->FPorEtapa ? info->FLimitePorEtapa : info->FLimiteSuperior;
    const int livre = info->MemoriaLivreMb();
    if (livre >= limite)
        return;
    if (mostra)
        mostra(livre);
    try {
        info->LiberarMemoria(liberar);
    } catch (const std::bad_alloc &) {
        // Not enough memory to take: the run goes on with what is free.
    }
    const int depois = info->MemoriaLivreMb();
    if (mostra)
        mostra(depois);
}
