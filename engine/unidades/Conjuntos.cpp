#include "unidades/Conjuntos.h"

#include <stdexcept>
#include <utility>

namespace {
template <class T> void Troca(std::unique_ptr<T> &campo, std::unique_ptr<T> u) {
    if (!u)
        throw std::invalid_argument("a set of units needs every unit");
    campo = std::move(u);
}
} // namespace

TUnidades::TUnidades()
    : comprimento_(std::make_unique<TCompMetro>()), densidade_(std::make_unique<TDensidade>()),
      energia_(std::make_unique<TPotencia>()), temperatura_(std::make_unique<TTempCelsius>()),
      tempo_(std::make_unique<TTempoHora>()), forca_(std::make_unique<TForcaNewton>()),
      tensao_(std::make_unique<TTensao>()), modulo_(std::make_unique<TModuloElast>()),
      dilatacao_(std::make_unique<TCoefDilatacao>()),
      calorEspecifico_(std::make_unique<TCalorEspecifico>()),
      condutividade_(std::make_unique<TCondutividade>()),
      conveccao_(std::make_unique<TConveccao>()), poisson_(std::make_unique<TCoefPoisson>()),
      gravidade_(std::make_unique<TGravidade>()) {}

void TUnidades::SetComprimento(std::unique_ptr<TCompMetro> u) {
    Troca(comprimento_, std::move(u));
}
void TUnidades::SetEnergia(std::unique_ptr<TEnergiaCaloria> u) {
    Troca(energia_, std::move(u));
}
void TUnidades::SetForca(std::unique_ptr<TForcaNewton> u) {
    Troca(forca_, std::move(u));
}
void TUnidades::SetTemperatura(std::unique_ptr<TTempCelsius> u) {
    Troca(temperatura_, std::move(u));
}
void TUnidades::SetTempo(std::unique_ptr<TTempoSegundo> u) {
    Troca(tempo_, std::move(u));
}

TUnidade *TUnidades::Unidade(int posicao) const {
    switch (posicao) {
    case 1:
        return comprimento_.get();
    case 2:
        return densidade_.get();
    case 3:
        return energia_.get();
    case 4:
        return temperatura_.get();
    case 5:
        return tempo_.get();
    case 6:
        return forca_.get();
    case 7:
        return tensao_.get();
    case 8:
        return modulo_.get();
    case 9:
        return dilatacao_.get();
    case 10:
        return calorEspecifico_.get();
    case 11:
        return condutividade_.get();
    case 12:
        return conveccao_.get();
    case 14:
        return poisson_.get();
    case 15:
        return gravidade_.get();
    default:
        return nullptr;
    }
}

TUnidadesSI::TUnidadesSI() {
    SetEnergia(std::make_unique<TEnergiaCaloria>());
    GetCalorEspecifico().SetEnergia(std::make_unique<TEnergiaCaloria>());
    GetCondutividade().SetPotencia(std::make_unique<TEnergiaCaloria>());
    GetConveccao().SetPotencia(std::make_unique<TEnergiaCaloria>());
}
