#include "Progresso.h"

#include <chrono>

#include "uPlataforma.h"

std::string TextoElemento(int elemento) {
    return "Montando Matrizes do Elemento: " + std::to_string(elemento) + " ";
}

std::string TextoMemoria(int mb) {
    return "Tentando Liberar Memória... ( " + std::to_string(mb) + "Mb)";
}

std::string TextoTempo(double t) {
    std::string v = FormatG(t, 2, DecimalSeparator());
    if (v.size() < 6)
        v.insert(0, 6 - v.size(), ' ');
    return "Tempo: " + v;
}

void TBarraProgresso::DefineFaixa(int minimo, int maximo) {
    Minimo = minimo;
    Maximo = maximo < minimo ? minimo : maximo;
    if (Posicao < Minimo || Posicao > Maximo)
        Posicao = Minimo;
}

TRelogio RelogioPadrao() {
    return [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
}

bool TLimitador::VezLida() {
    const std::int64_t agora = relogio_();
    ++leituras_;
    // Calls between readings: doubled (up to 64) while readings fall in the same millisecond,
    // back to one when more than two went by.
    const std::int64_t decorrido = agora - leitura_;
    if (decorrido < 1 && passo_ < 64)
        passo_ *= 2;
    else if (decorrido > 2)
        passo_ = 1;
    leitura_ = agora;
    contagem_ = passo_;
    if (agora - ultimo_ < intervalo_)
        return false;
    ultimo_ = agora;
    return true;
}

bool TLimitador::VezAgora() {
    const std::int64_t agora = relogio_();
    ++leituras_;
    leitura_ = agora;
    passo_ = 1;
    contagem_ = 0;
    if (agora - ultimo_ < intervalo_)
        return false;
    ultimo_ = agora;
    return true;
}
