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
    if (posicao < 1 || posicao > 15 || posicao == 13)
        return nullptr;
    return &Unidade(static_cast<TGrandeza>(posicao < 13 ? posicao - 1 : posicao - 2));
}

TUnidade &TUnidades::Unidade(TGrandeza g) const {
    switch (g) {
    case TGrandeza::Comprimento:
        return *comprimento_;
    case TGrandeza::Densidade:
        return *densidade_;
    case TGrandeza::Energia:
        return *energia_;
    case TGrandeza::Temperatura:
        return *temperatura_;
    case TGrandeza::Tempo:
        return *tempo_;
    case TGrandeza::Forca:
        return *forca_;
    case TGrandeza::Tensao:
        return *tensao_;
    case TGrandeza::Modulo:
        return *modulo_;
    case TGrandeza::Dilatacao:
        return *dilatacao_;
    case TGrandeza::CalorEspecifico:
        return *calorEspecifico_;
    case TGrandeza::Condutividade:
        return *condutividade_;
    case TGrandeza::Conveccao:
        return *conveccao_;
    case TGrandeza::Poisson:
        return *poisson_;
    case TGrandeza::Gravidade:
        return *gravidade_;
    }
    throw std::invalid_argument("unknown quantity");
}

TUnidadesSI::TUnidadesSI() {
    SetEnergia(std::make_unique<TEnergiaCaloria>());
    GetCalorEspecifico().SetEnergia(std::make_unique<TEnergiaCaloria>());
    GetCondutividade().SetPotencia(std::make_unique<TEnergiaCaloria>());
    GetConveccao().SetPotencia(std::make_unique<TEnergiaCaloria>());
}
