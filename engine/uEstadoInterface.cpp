#include "uEstadoInterface.h"

#include "uPlataforma.h"

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
    ConfereMemoria(InformacoesSistema, [this](int mb) {
        if (MensagemFEM)
            MensagemFEM->MostraMemoria(mb);
    });
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

TEntradasExecucao EntradasDoEstado() {
    const TEstadoInterface &estado = Estado();
    TEntradasExecucao e;
    e.Arquivos = estado.Configuracoes;
    e.Malha = estado.ConfiguracaoMalha;
    e.Malha.OnAlteracao = nullptr;
    e.Memoria = estado.InformacoesSistema;
    e.PesoProprio = estado.FPesoProprio;
    e.FluenciaAtiva = estado.FluenciaAtiva;
    e.TemperaturasCamadas = estado.FTemperaturasCamadas;
    e.TemperaturasIniciais = estado.FTemperaturasIniciais;
    e.SetTitulo = estado.SetTitulo;
    return e;
}

void PublicaMaximosTermicos(const TMaximosTermicos &m) {
    TEstadoInterface &estado = Estado();
    estado.TemperaturaMaxima = m.Temperatura;
    estado.IdadeTemperaturaMaxima = m.Idade;
    estado.XTemperaturaMaxima = m.X;
    estado.YTemperaturaMaxima = m.Y;
    if (m.No > 0)
        estado.NoTemperaturaMaxima = m.No;
}

void FimExecucaoTermica() {
    TEstadoInterface &estado = Estado();
    estado.LiberaInformacoesSistema();
    if (estado.HabilitaRelatorio)
        estado.HabilitaRelatorio();
}

void PublicaTensaoMaxima(double tensao) {
    Estado().TensaoMaximaTracao = tensao;
}

void PublicaElementoTensaoMaxima(int elemento) {
    Estado().ElementoTensaoMaxima = elemento;
}

void LiberaEntradasTensionais() {
    TEstadoInterface &estado = Estado();
    estado.FTemperaturasCamadas = nullptr;
    estado.FTemperaturasIniciais = nullptr;
    estado.LiberaInformacoesSistema();
}
