// What the result windows read from the main window: the analyses, the picked node, element,
// point and line, and the user's units. Qt-free, so the windows can be tested without the main
// window; the window set binds the main window's implementation.
#pragma once

#include <functional>
#include <string>

#include "uMatematica.h"

class TAnalise;
class TAnaliseTensional;

// The user's units for the result views: symbols and conversions of engine values (°C, hours,
// metres, MPa). An empty conversion is the identity.
struct TUnidadesResultados {
    std::string Temperatura = "°C", Tempo = "h", Comprimento = "m", Tensao = "MPa";
    std::function<double(double)> TemperaturaDoMotor, TempoDoMotor, TempoParaMotor,
        ComprimentoDoMotor, TensaoDoMotor;

    double Temp(double v) const { return TemperaturaDoMotor ? TemperaturaDoMotor(v) : v; }
    double TempoUsuario(double horas) const { return TempoDoMotor ? TempoDoMotor(horas) : horas; }
    double Horas(double t) const { return TempoParaMotor ? TempoParaMotor(t) : t; }
    double ComprimentoUsuario(double v) const {
        return ComprimentoDoMotor ? ComprimentoDoMotor(v) : v;
    }
    double TensaoUsuario(double v) const { return TensaoDoMotor ? TensaoDoMotor(v) : v; }
};

class IFonteResultados {
public:
    virtual ~IFonteResultados() = default;
    // The thermal and the stress analysis (nullptr when none); layered ones are the derived
    // classes.
    virtual TAnalise *AnaliseTermica() = 0;
    virtual TAnaliseTensional *AnaliseTensional() = 0;
    // Node and element picked with the mouse (0 when none).
    virtual int NoCapturado() { return 0; }
    virtual int ElementoCapturado() { return 0; }
    // World point picked on a layered model.
    virtual TPontoReal NoCursor() { return {}; }
    // The line's ends in world coordinates; false when no line was drawn.
    virtual bool Reta(TPontoReal &, TPontoReal &) { return false; }
    virtual TUnidadesResultados Unidades() { return {}; }
};

// The source the result windows use (not owned; nullptr when none is bound).
IFonteResultados *FonteResultados();
void DefineFonteResultados(IFonteResultados *fonte);
// The units of the bound source; the defaults when none is bound.
TUnidadesResultados UnidadesResultados();
