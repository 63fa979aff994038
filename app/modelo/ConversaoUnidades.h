// Conversion of the values the user types, in the units chosen in the units dialog, to the
// engine's reference units (and back, for what is shown). A value typed in the chosen unit
// times its factor is the value in the reference unit. This is the one place where units are
// converted: the receivers call one function per value object on their own copy.
#pragma once

class TForcaExterna;
class TForcaInterna;
class TForcaTensional;
class TFluencia;
class TMaterial;
class TRetracao;
class TTempCelsius;
class TTempo;
class TUnidades;
class TUnidadesSI;

// Temperature scales, by their position in the units dialog's temperature lists.
enum class TEscalaTemperatura { Celsius = 0, Fahrenheit = 1, Kelvin = 2, Rankine = 3 };

struct TFatoresUnidades {
    double Tempo = 1.0;           // hours per chosen time unit
    double Densidade = 1.0;       // kg/m³
    double CalorEspecifico = 1.0; // cal/(kg·°C)
    double Condutividade = 1.0;   // cal/(h·m·°C)
    double Energia = 1.0;         // cal
    // The Celsius reading of one chosen degree (the chosen scale's Fator). Readings are never
    // multiplied by it: they convert with the scale (TemperaturaParaCelsius).
    double Temperatura = 1.0;
    double Conveccao = 1.0;   // cal/(h·m²·°C)
    double Modulo = 1.0;      // GPa
    double Dilatacao = 1.0;   // per °C
    double Forca = 1.0;       // N
    double Comprimento = 1.0; // m
    double Tensao = 1.0;      // MPa
    double Gravidade = 1.0;   // m/s²
    // Scale of absolute temperatures (ambient, initial, prescribed).
    TEscalaTemperatura Escala = TEscalaTemperatura::Celsius;
};

// The factors of a chosen set against the reference set. Inside compound units a temperature
// counts as the size of its degree; conductivity and convection come from their own units.
TFatoresUnidades CalculaFatores(const TUnidades &escolhidas, const TUnidadesSI &referencia);

// Scale of a temperature unit, found by its class.
TEscalaTemperatura EscalaDe(const TTempCelsius &unidade);
// The unit of a scale (a shared instance).
const TTempCelsius &UnidadeDaEscala(TEscalaTemperatura escala);

// Value objects, converted in place: call on the receiver's own copy, once.
// Material: the engine's conversion (conductivity, density, specific heat, E, expansion,
// gravity), then the age-law coefficients and constant E with the modulus factor and fcj28 and
// the strength-law coefficients with the stress factor.
void ConverteMaterial(TMaterial &m, const TFatoresUnidades &f);
// Heat source: the constant rate with the energy factor.
void ConverteForcaInterna(TForcaInterna &fi, const TFatoresUnidades &f);
// Convection: film coefficients with the convection factor, ambient temperatures with the
// scale, the hours of the daily cycle and the curing window with the time factor.
void ConverteForcaExterna(TForcaExterna &fe, const TFatoresUnidades &f);
// Time axis: times with the time factor.
void ConverteTempo(TTempo &t, const TFatoresUnidades &f);
// Distributed load: with the force and length factors.
void ConverteForcaTensional(TForcaTensional &ft, const TFatoresUnidades &f);
// Creep law: the effective-modulus time with the time factor, the logarithmic law's A and B
// (per stress) with the stress factor, B (over the loading age, taken in days) also with the
// time unit in days.
void ConverteFluencia(TFluencia &fl, const TFatoresUnidades &f);
// Shrinkage law: fcm28 with the stress factor.
void ConverteRetracao(TRetracao &r, const TFatoresUnidades &f);

// Scalars, to the reference unit and back.
double TemperaturaParaCelsius(const TFatoresUnidades &f, double leitura);
double TemperaturaDeCelsius(const TFatoresUnidades &f, double celsius);
double ComprimentoParaMetros(const TFatoresUnidades &f, double x);
double ComprimentoDeMetros(const TFatoresUnidades &f, double metros);
double TempoParaHoras(const TFatoresUnidades &f, double t);
double TempoDeHoras(const TFatoresUnidades &f, double horas);
// Days in one chosen time unit.
double DiasPorUnidadeTempo(const TFatoresUnidades &f);
double TensaoParaMPa(const TFatoresUnidades &f, double s);
double TensaoDeMPa(const TFatoresUnidades &f, double mpa);
