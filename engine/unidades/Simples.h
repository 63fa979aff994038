// Units of measure: the unit base class, the simple families (length, mass, energy, time, force)
// and the temperature scales.
#pragma once

#include <memory>
#include <string>
#include <string_view>

// A unit knows its name, its symbol and its factor: the value of one of this unit in the base
// unit of its family.
class TUnidade {
public:
    TUnidade(double fator, std::string_view nome, std::string_view simbolo);
    virtual ~TUnidade() = default;

    double GetFator() const { return fator_; }
    const std::string &GetNome() const { return nome_; }
    const std::string &GetSimbolo() const { return simbolo_; }
    void SetFator(double f) { fator_ = f; }
    // Names and symbols keep at most 100 characters.
    void SetNome(std::string_view nome);
    void SetSimbolo(std::string_view simbolo);

    // Recomposes the name and symbol from the component units (compound units only).
    virtual void AtualizaNome() {}
    // The value in this unit of x base units: x / Fator. Throws EZeroDivide when Fator is 0.
    virtual double DaBase(double x) const;

private:
    double fator_;
    std::string nome_;
    std::string simbolo_;
};

// Declares a family base class and the units derived from it.
#define DARV_UNIDADE_BASE(Classe, fator, nome, simbolo)                                            \
    class Classe : public TUnidade {                                                               \
    public:                                                                                        \
        Classe() : TUnidade(fator, nome, simbolo) {}                                               \
                                                                                                   \
    protected:                                                                                     \
        Classe(double f, std::string_view n, std::string_view s) : TUnidade(f, n, s) {}            \
    };
#define DARV_UNIDADE(Classe, Base, fator, nome, simbolo)                                           \
    class Classe : public Base {                                                                   \
    public:                                                                                        \
        Classe() : Base(fator, nome, simbolo) {}                                                   \
    };

DARV_UNIDADE_BASE(TCompMetro, 1, "Metro", "[m]")
DARV_UNIDADE(TCompKilometro, TCompMetro, 1000, "Kilômetro", "[km]")
DARV_UNIDADE(TCompCentimetro, TCompMetro, 0.01, "Centímetro", "[cm]")
DARV_UNIDADE(TCompMilimetro, TCompMetro, 0.001, "Milímetro", "[mm]")
DARV_UNIDADE(TCompDecametro, TCompMetro, 10, "Decâmetro", "[dm]")
DARV_UNIDADE(TCompHectometro, TCompMetro, 100, "Hectômetro", "[hm]")
DARV_UNIDADE(TCompDecimetro, TCompMetro, 0.1, "Decímetro", "[dcm]")
DARV_UNIDADE(TCompPe, TCompMetro, 0.3048, "Foot", "[ft]")
DARV_UNIDADE(TCompPolegada, TCompMetro, 0.0254, "Polegada", "[in]")

DARV_UNIDADE_BASE(TMassaGrama, 1, "Grama", "[g]")
DARV_UNIDADE(TMassaKilograma, TMassaGrama, 1000, "Kilograma", "[kg]")
DARV_UNIDADE(TMassaMiligrama, TMassaGrama, 0.001, "Miligrama", "[mg]")
DARV_UNIDADE(TMassaTonelada, TMassaGrama, 1000000, "Tonelada", "[t]")
DARV_UNIDADE(TMassaPound, TMassaGrama, 453.59237, "Pound", "[lb]")
DARV_UNIDADE(TMassaOunce, TMassaGrama, 28.34952312, "Ounce", "[oz]")

DARV_UNIDADE_BASE(TEnergiaCaloria, 1, "Caloria", "[cal]")
DARV_UNIDADE(TEnergiaBTU, TEnergiaCaloria, 251.9957611, "Btu", "[Btu]")
DARV_UNIDADE(TEnergiaErg, TEnergiaCaloria, 2.388458966e-8, "Erg", "[erg]")
DARV_UNIDADE(TEnergiaKilocal, TEnergiaCaloria, 1000, "KiloCaloria", "[kcal] ")
DARV_UNIDADE(TEnergiaJoule, TEnergiaCaloria, 0.2388458966, "Joule", "[J]")
DARV_UNIDADE(TEnergiaKiloJoule, TEnergiaCaloria, 238.8458966, "KiloJoule", "[kJ]")

DARV_UNIDADE_BASE(TTempoSegundo, 1, "Segundo", "[s]")
DARV_UNIDADE(TTempoMinuto, TTempoSegundo, 60, "Minuto", "[min]")
DARV_UNIDADE(TTempoHora, TTempoSegundo, 3600, "Hora", "[h]")
DARV_UNIDADE(TTempoDia, TTempoSegundo, 86400, "Dia", "[dia]")
DARV_UNIDADE(TTempoMilisegundo, TTempoSegundo, 0.001, "Milisegundo", "[ms]")
DARV_UNIDADE(TTempoMes, TTempoSegundo, 2592000, "Mês(30 dias)", "[mês]")
DARV_UNIDADE(TTempoSemana, TTempoSegundo, 604800, "Semana(7 dias)", "[semana]")
DARV_UNIDADE(TTempoAno, TTempoSegundo, 31536000, "Ano(365 dias)", "[ano]")

DARV_UNIDADE_BASE(TForcaNewton, 1, "Newton", "[N]")
DARV_UNIDADE(TForcaKiloNewton, TForcaNewton, 1000, "KiloNewton", "[kN]")
DARV_UNIDADE(TForcaMegaNewton, TForcaNewton, 1000000, "MegaNewton", "[MN]")
DARV_UNIDADE(TForcaGigaNewton, TForcaNewton, 1000000000, "GigaNewton", "[GN]")
DARV_UNIDADE(TForcaKilogramaforca, TForcaNewton, 9.8, "Kilogramaforça", "[kgf]")

DARV_UNIDADE_BASE(TCoefPoisson, 1, "", "")

#undef DARV_UNIDADE_BASE
#undef DARV_UNIDADE

// Watt-hour, in calories; it keeps the calorie and the second it is made of.
class TPotencia : public TEnergiaCaloria {
public:
    TPotencia();
    ~TPotencia() override;
    const TEnergiaCaloria &GetEnergia() const { return *energia_; }
    const TTempoSegundo &GetTempo() const { return *tempo_; }

private:
    std::unique_ptr<TEnergiaCaloria> energia_;
    std::unique_ptr<TTempoSegundo> tempo_;
};

// Temperature scales. Fator holds the Celsius reading of one unit of the scale; readings convert
// by formula and differences by Intervalo.
class TTempCelsius : public TUnidade {
public:
    TTempCelsius() : TUnidade(1, "Celsius", "[°C]") {}
    // The reading in this scale of c degrees Celsius.
    double DaBase(double c) const override { return c; }
    // The reading x of this scale in degrees Celsius.
    virtual double ParaCelsius(double x) const { return x; }
    // A difference of d degrees Celsius in this scale.
    virtual double Intervalo(double d) const { return d; }

protected:
    TTempCelsius(double f, std::string_view n, std::string_view s) : TUnidade(f, n, s) {}
};

class TTempKelvin : public TTempCelsius {
public:
    TTempKelvin() : TTempCelsius(-272.15, "Kelvin", "[K]") {}
    double DaBase(double c) const override { return c + 273.15; }
    double ParaCelsius(double x) const override { return x - 273.15; }
};

class TTempFahrenheit : public TTempCelsius {
public:
    TTempFahrenheit() : TTempCelsius((1 - 32) / 1.8, "Fahrenheit", "[°F]") {}
    double DaBase(double c) const override { return 1.8 * c + 32; }
    double ParaCelsius(double x) const override { return (x - 32) / 1.8; }
    double Intervalo(double d) const override { return 1.8 * d; }
};

class TTempRankine : public TTempCelsius {
public:
    TTempRankine() : TTempCelsius(1 / 1.8 - 273.15, "Rankine", "[°R]") {}
    double DaBase(double c) const override { return (c + 273.15) * 1.8; }
    double ParaCelsius(double x) const override { return (x - 491.67) / 1.8; }
    double Intervalo(double d) const override { return 1.8 * d; }
};

// A new temperature unit for a position of the units dialog's temperature lists: 0 Celsius,
// 1 Fahrenheit, 2 Kelvin, 3 Rankine; any other position (no selection) gives Celsius.
std::unique_ptr<TTempCelsius> CriaUnidadeTemperatura(int i);
