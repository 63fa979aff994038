#include "unidades/Compostas.h"

#include <stdexcept>
#include <utility>

#include "uPlataforma.h"

namespace {
// Replaces a component; a null unit is refused so a compound unit always has its components.
template <class T> void Troca(std::unique_ptr<T> &campo, std::unique_ptr<T> u) {
    if (!u)
        throw std::invalid_argument("a compound unit needs every component");
    campo = std::move(u);
}
} // namespace

// Density -------------------------------------------------------------------------------------

TDensidade::TDensidade()
    : TUnidade(1, "", "[kg/m³]"), comprimento_(std::make_unique<TCompMetro>()),
      massa_(std::make_unique<TMassaKilograma>()) {
    SetNome(massa_->GetNome() + "por" + comprimento_->GetNome() + "cúbico");
}

void TDensidade::SetComprimento(std::unique_ptr<TCompMetro> u) {
    Troca(comprimento_, std::move(u));
    AtualizaNome();
}

void TDensidade::SetMassa(std::unique_ptr<TMassaGrama> u) {
    Troca(massa_, std::move(u));
    AtualizaNome();
}

void TDensidade::AtualizaNome() {
    SetNome(massa_->GetNome() + "por" + comprimento_->GetNome() + "cúbico");
    SetSimbolo(massa_->GetSimbolo() + "/" + comprimento_->GetSimbolo() + "³");
}

double TDensidade::Converte(double a, double b) const {
    const double l = comprimento_->DaBase(b);
    return Divide(massa_->DaBase(a), l * l * l);
}

// Specific heat -------------------------------------------------------------------------------

TCalorEspecifico::TCalorEspecifico()
    : energia_(std::make_unique<TEnergiaJoule>()), temperatura_(std::make_unique<TTempCelsius>()) {
    AtualizaNome();
}

void TCalorEspecifico::SetEnergia(std::unique_ptr<TEnergiaCaloria> u) {
    Troca(energia_, std::move(u));
    AtualizaNome();
}

void TCalorEspecifico::SetTemperatura(std::unique_ptr<TTempCelsius> u) {
    Troca(temperatura_, std::move(u));
    AtualizaNome();
}

void TCalorEspecifico::AtualizaNome() {
    SetNome(energia_->GetNome() + "por (" + massa_->GetNome() + temperatura_->GetNome() + ")");
    SetSimbolo(energia_->GetSimbolo() + "/ (" + massa_->GetSimbolo() + temperatura_->GetSimbolo() +
               ")");
}

double TCalorEspecifico::Converte(double e, double m, double t) const {
    return Divide(energia_->DaBase(e), massa_->DaBase(m) * temperatura_->Intervalo(t));
}

// Conductivity --------------------------------------------------------------------------------

TCondutividade::TCondutividade()
    : potencia_(std::make_unique<TPotencia>()), tempo_(std::make_unique<TTempoHora>()) {
    AtualizaNome();
}

void TCondutividade::SetPotencia(std::unique_ptr<TEnergiaCaloria> u) {
    Troca(potencia_, std::move(u));
    AtualizaNome();
}

void TCondutividade::SetTempo(std::unique_ptr<TTempoSegundo> u) {
    Troca(tempo_, std::move(u));
    AtualizaNome();
}

void TCondutividade::AtualizaNome() {
    SetNome(potencia_->GetNome() + " por " + tempo_->GetNome() + " por " + comprimento_->GetNome() +
            " por " + temperatura_->GetNome());
    SetSimbolo(potencia_->GetSimbolo() + "/(" + tempo_->GetSimbolo() + comprimento_->GetSimbolo() +
               temperatura_->GetSimbolo() + ")");
}

double TCondutividade::Converte(double e, double s, double l, double t) const {
    return Divide(potencia_->DaBase(e),
                  comprimento_->DaBase(l) * tempo_->DaBase(s) * temperatura_->Intervalo(t));
}

// Convection ----------------------------------------------------------------------------------

TConveccao::TConveccao() {
    AtualizaNome();
}

void TConveccao::AtualizaNome() {
    SetNome(potencia_->GetNome() + " por " + tempo_->GetNome() + " por " + comprimento_->GetNome() +
            " ² *" + temperatura_->GetNome());
    SetSimbolo(potencia_->GetSimbolo() + "/" + tempo_->GetSimbolo() + comprimento_->GetSimbolo() +
               "²" + temperatura_->GetSimbolo());
}

double TConveccao::Converte(double e, double s, double l, double t) const {
    const double c = comprimento_->DaBase(l);
    return Divide(potencia_->DaBase(e), tempo_->DaBase(s) * c * c * temperatura_->Intervalo(t));
}

// Stress and modulus --------------------------------------------------------------------------

TTensao::TTensao() : TTensao(std::make_unique<TForcaMegaNewton>(), "[MPa]") {}

TTensao::TTensao(std::unique_ptr<TForcaNewton> forca, std::string_view simbolo)
    : TUnidade(1, "", simbolo), forca_(std::move(forca)),
      comprimento_(std::make_unique<TCompMetro>()) {
    SetNome(forca_->GetNome() + " por " + comprimento_->GetNome() + "quadrado");
}

void TTensao::SetForca(std::unique_ptr<TForcaNewton> u) {
    Troca(forca_, std::move(u));
    AtualizaNome();
}

void TTensao::SetComprimento(std::unique_ptr<TCompMetro> u) {
    Troca(comprimento_, std::move(u));
    AtualizaNome();
}

void TTensao::AtualizaNome() {
    SetNome(forca_->GetNome() + " por " + comprimento_->GetNome() + "quadrado");
    SetSimbolo(forca_->GetSimbolo() + "/" + comprimento_->GetSimbolo() + "²");
}

double TTensao::Converte(double f, double l) const {
    const double c = comprimento_->DaBase(l);
    return Divide(forca_->DaBase(f), c * c);
}

TModuloElast::TModuloElast() : TTensao(std::make_unique<TForcaGigaNewton>(), "[GPa]") {}

// Expansion coefficient -----------------------------------------------------------------------

TCoefDilatacao::TCoefDilatacao()
    : TUnidade(1, "", "[10^-6/ºC]"), temperatura_(std::make_unique<TTempCelsius>()) {
    SetNome(temperatura_->GetNome() + " elevado a menos um");
}

void TCoefDilatacao::SetTemperatura(std::unique_ptr<TTempCelsius> u) {
    Troca(temperatura_, std::move(u));
    AtualizaNome();
}

void TCoefDilatacao::AtualizaNome() {
    SetNome(temperatura_->GetNome() + " elevado a menos um");
    SetSimbolo("10^-6/" + temperatura_->GetSimbolo());
}

double TCoefDilatacao::FatorTemperatura(int posicao) {
    return CriaUnidadeTemperatura(posicao)->Intervalo(1);
}

// Gravity -------------------------------------------------------------------------------------

TGravidade::TGravidade()
    : TUnidade(1, "", "[m/s²]"), comprimento_(std::make_unique<TCompMetro>()),
      tempo_(std::make_unique<TTempoSegundo>()) {
    SetNome(comprimento_->GetNome() + " por " + tempo_->GetNome() + "quadrado");
}

void TGravidade::SetComprimento(std::unique_ptr<TCompMetro> u) {
    Troca(comprimento_, std::move(u));
    AtualizaNome();
}

void TGravidade::SetTempo(std::unique_ptr<TTempoSegundo> u) {
    Troca(tempo_, std::move(u));
    AtualizaNome();
}

void TGravidade::AtualizaNome() {
    SetNome(comprimento_->GetNome() + " por " + tempo_->GetNome() + "quadrado");
    SetSimbolo(comprimento_->GetSimbolo() + "/" + tempo_->GetSimbolo() + "²");
}

double TGravidade::Converte(double l, double s) const {
    const double t = tempo_->DaBase(s);
    return Divide(comprimento_->DaBase(l), t * t);
}
