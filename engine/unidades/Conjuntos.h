// The sets of units: the units the user chose (TUnidades) and the reference set in which the
// engine computes (TUnidadesSI).
#pragma once

#include <memory>

#include "unidades/Compostas.h"

// The quantities a set of units has a unit for.
enum class TGrandeza {
    Comprimento,
    Densidade,
    Energia,
    Temperatura,
    Tempo,
    Forca,
    Tensao,
    Modulo,
    Dilatacao,
    CalorEspecifico,
    Condutividade,
    Conveccao,
    Poisson,
    Gravidade
};

class TUnidades {
public:
    // Metre, kg/m³, watt-hour, Celsius, hour, newton, MPa, GPa, 10^-6/ºC, J/(kg·°C),
    // W·h/(h·m·°C), W·h/(h·m²·°C), Poisson and m/s².
    TUnidades();
    virtual ~TUnidades() = default;
    TUnidades(const TUnidades &) = delete;
    TUnidades &operator=(const TUnidades &) = delete;

    void SetComprimento(std::unique_ptr<TCompMetro> u);
    void SetEnergia(std::unique_ptr<TEnergiaCaloria> u);
    void SetForca(std::unique_ptr<TForcaNewton> u);
    void SetTemperatura(std::unique_ptr<TTempCelsius> u);
    void SetTempo(std::unique_ptr<TTempoSegundo> u);

    TCompMetro &GetComprimento() const { return *comprimento_; }
    TDensidade &GetDensidade() const { return *densidade_; }
    TEnergiaCaloria &GetEnergia() const { return *energia_; }
    TTempCelsius &GetTemperatura() const { return *temperatura_; }
    TTempoSegundo &GetTempo() const { return *tempo_; }
    TForcaNewton &GetForca() const { return *forca_; }
    TTensao &GetTensao() const { return *tensao_; }
    TModuloElast &GetModulo() const { return *modulo_; }
    TCoefDilatacao &GetDilatacao() const { return *dilatacao_; }
    TCalorEspecifico &GetCalorEspecifico() const { return *calorEspecifico_; }
    TCondutividade &GetCondutividade() const { return *condutividade_; }
    TConveccao &GetConveccao() const { return *conveccao_; }
    TCoefPoisson &GetPoisson() const { return *poisson_; }
    TGravidade &GetGravidade() const { return *gravidade_; }

    // The unit at a position, as the windows reach it: 1 length, 2 density, 3 energy,
    // 4 temperature, 5 time, 6 force, 7 stress, 8 modulus, 9 expansion, 10 specific heat,
    // 11 conductivity, 12 convection, 14 Poisson, 15 gravity; nullptr for 13 and outside 1..15.
    TUnidade *Unidade(int posicao) const;
    TUnidade &Unidade(TGrandeza g) const;

private:
    std::unique_ptr<TCompMetro> comprimento_;
    std::unique_ptr<TDensidade> densidade_;
    std::unique_ptr<TEnergiaCaloria> energia_;
    std::unique_ptr<TTempCelsius> temperatura_;
    std::unique_ptr<TTempoSegundo> tempo_;
    std::unique_ptr<TForcaNewton> forca_;
    std::unique_ptr<TTensao> tensao_;
    std::unique_ptr<TModuloElast> modulo_;
    std::unique_ptr<TCoefDilatacao> dilatacao_;
    std::unique_ptr<TCalorEspecifico> calorEspecifico_;
    std::unique_ptr<TCondutividade> condutividade_;
    std::unique_ptr<TConveccao> conveccao_;
    std::unique_ptr<TCoefPoisson> poisson_;
    std::unique_ptr<TGravidade> gravidade_;
};

// The reference units: metre, kg/m³, calorie, Celsius, hour, newton, MPa, GPa, 10^-6/ºC, m/s²,
// cal/(kg·°C), cal/(h·m·°C) and cal/(h·m²·°C).
class TUnidadesSI : public TUnidades {
public:
    TUnidadesSI();
};
