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

void TBarraProgresso::Avanca() {
    Posicao = Posicao >= Maximo ? Minimo : Posicao + 1;
}

TRelogio RelogioPadrao() {
    return [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
}

bool TLimitador::Vez() {
    const std::int64_t agora = relogio_();
    if (agora - ultimo_ < intervalo_)
        return false;
    ultimo_ = agora;
    return true;
}

void TLimitador::Marca() {
    ultimo_ = relogio_();
}
