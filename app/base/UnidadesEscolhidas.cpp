#include "UnidadesEscolhidas.h"

namespace {
const TUnidades *ligadas = nullptr;
}

void LigaUnidades(const TUnidades *u) {
    ligadas = u;
}

const TUnidades &UnidadesEscolhidas() {
    static const TUnidades padrao;
    return ligadas ? *ligadas : padrao;
}

QString SimboloUnidade(TGrandeza g) {
    return QString::fromStdString(UnidadesEscolhidas().Unidade(g).GetSimbolo());
}

double FatorComprimento() {
    static const TUnidadesSI referencia;
    return referencia.GetComprimento().DaBase(UnidadesEscolhidas().GetComprimento().GetFator());
}
