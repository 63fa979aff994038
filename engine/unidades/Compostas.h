// Compound units built from simple ones: density, specific heat, conductivity, convection
// coefficient, stress, modulus of elasticity, expansion coefficient and gravity. Each owns its
// component units and recomposes its name and symbol when a component is set; its Fator is 1.
// Converte, called on a unit of the reference set with the factors of the components the user
// chose, gives how many reference units one chosen unit is worth. Its temperature argument t is
// the size of the chosen degree in reference degrees (1 for Celsius and Kelvin, 1/1.8 for
// Fahrenheit and Rankine; that is 1 / Intervalo(1) of the chosen scale).
#pragma once

#include <memory>

#include "unidades/Simples.h"

class TDensidade : public TUnidade {
public:
    TDensidade(); // kg/m³
    void SetComprimento(std::unique_ptr<TCompMetro> u);
    void SetMassa(std::unique_ptr<TMassaGrama> u);
    const TCompMetro &GetComprimento() const { return *comprimento_; }
    const TMassaGrama &GetMassa() const { return *massa_; }
    void AtualizaNome() override;
    // mass.DaBase(a) / length.DaBase(b)³
    double Converte(double a, double b) const;

protected:
    std::unique_ptr<TCompMetro> comprimento_;
    std::unique_ptr<TMassaGrama> massa_;
};

class TCalorEspecifico : public TDensidade {
public:
    TCalorEspecifico(); // J/(kg·°C)
    void SetEnergia(std::unique_ptr<TEnergiaCaloria> u);
    void SetTemperatura(std::unique_ptr<TTempCelsius> u);
    const TEnergiaCaloria &GetEnergia() const { return *energia_; }
    const TTempCelsius &GetTemperatura() const { return *temperatura_; }
    void AtualizaNome() override;
    // energy.DaBase(e) / (mass.DaBase(m) · temperature.Intervalo(t))
    double Converte(double e, double m, double t) const;

protected:
    std::unique_ptr<TEnergiaCaloria> energia_;
    std::unique_ptr<TTempCelsius> temperatura_;
};

class TCondutividade : public TCalorEspecifico {
public:
    TCondutividade(); // W·h/(h·m·°C)
    void SetPotencia(std::unique_ptr<TEnergiaCaloria> u);
    void SetTempo(std::unique_ptr<TTempoSegundo> u);
    const TEnergiaCaloria &GetPotencia() const { return *potencia_; }
    const TTempoSegundo &GetTempo() const { return *tempo_; }
    void AtualizaNome() override;
    // power.DaBase(e) / (length.DaBase(l) · time.DaBase(s) · temperature.Intervalo(t))
    double Converte(double e, double s, double l, double t) const;

protected:
    std::unique_ptr<TEnergiaCaloria> potencia_;
    std::unique_ptr<TTempoSegundo> tempo_;
};

class TConveccao : public TCondutividade {
public:
    TConveccao(); // W·h/(h·m²·°C)
    void AtualizaNome() override;
    // power.DaBase(e) / (time.DaBase(s) · length.DaBase(l)² · temperature.Intervalo(t))
    double Converte(double e, double s, double l, double t) const;
};

class TTensao : public TUnidade {
public:
    TTensao(); // MPa
    void SetForca(std::unique_ptr<TForcaNewton> u);
    void SetComprimento(std::unique_ptr<TCompMetro> u);
    const TForcaNewton &GetForca() const { return *forca_; }
    const TCompMetro &GetComprimento() const { return *comprimento_; }
    void AtualizaNome() override;
    // force.DaBase(f) / length.DaBase(l)²
    double Converte(double f, double l) const;

protected:
    TTensao(std::unique_ptr<TForcaNewton> forca, std::string_view simbolo);
    std::unique_ptr<TForcaNewton> forca_;
    std::unique_ptr<TCompMetro> comprimento_;
};

class TModuloElast : public TTensao {
public:
    TModuloElast(); // GPa
};

class TCoefDilatacao : public TUnidade {
public:
    TCoefDilatacao(); // 10^-6/ºC
    void SetTemperatura(std::unique_ptr<TTempCelsius> u);
    const TTempCelsius &GetTemperatura() const { return *temperatura_; }
    void AtualizaNome() override;
    // Intervalo(1) of the temperature unit at `posicao` of the units dialog's temperature list
    // (-1, no selection, counts as Celsius): 1 for Celsius and Kelvin, 1.8 for Fahrenheit and
    // Rankine.
    static double FatorTemperatura(int posicao);

private:
    std::unique_ptr<TTempCelsius> temperatura_;
};

class TGravidade : public TUnidade {
public:
    TGravidade(); // m/s²
    void SetComprimento(std::unique_ptr<TCompMetro> u);
    void SetTempo(std::unique_ptr<TTempoSegundo> u);
    const TCompMetro &GetComprimento() const { return *comprimento_; }
    const TTempoSegundo &GetTempo() const { return *tempo_; }
    void AtualizaNome() override;
    // length.DaBase(l) / time.DaBase(s)²
    double Converte(double l, double s) const;

private:
    std::unique_ptr<TCompMetro> comprimento_;
    std::unique_ptr<TTempoSegundo> tempo_;
};
