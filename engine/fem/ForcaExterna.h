// Convection boundaries: heat exchange between the concrete surface and the air on a set of mesh
// edges, with a constant, daily or formula ambient temperature and an optional curing window.
#pragma once

#include <cstdint>
#include <memory>

#include "matematica/Vetor.h"
#include "uRPN.h"

class TLado;

class TForcaExterna {
public:
    static constexpr std::uint8_t kConstante = 0;
    static constexpr std::uint8_t kSenoidal = 1;
    static constexpr std::uint8_t kFormula = 2;

    // Formula kind with the formula "X" and no edges.
    TForcaExterna();
    ~TForcaExterna();
    TForcaExterna(const TForcaExterna &) = delete;
    TForcaExterna &operator=(const TForcaExterna &) = delete;

    static std::unique_ptr<TForcaExterna> CreateCopia(const TForcaExterna &origem);
    // The same without the radiation values, acting on the given edges.
    static std::unique_ptr<TForcaExterna> CreateCopiaArestas(const TForcaExterna &origem,
                                                             const TVetorInteiro &arestas);

    void SetTipo(std::uint8_t tipo) { Tipo = tipo; }
    void SetTemperaturaMaxima(double t) { TMax = t; }
    void SetTemperaturaMinima(double t) { TMin = t; }
    void SetHoraTMax(double h) { HoraTMax = h; }
    void SetHoraTMin(double h) { HoraTMin = h; }
    void SetTemperaturaAmbiente(double t) { TemperaturaAmbiente = t; }
    void SetCoefConveccao(double h) { CoefConveccao = h; }
    void SetUsaJanela(bool b) { UsaJanela = b; }
    void SetCoefConveccaoJanela(double h) { CoefConveccaoJanela = h; }
    void SetInicioJanela(double t) { InicioJanela = t; }
    void SetFimJanela(double t) { FimJanela = t; }
    // Takes ownership.
    void SetFormula(std::unique_ptr<TRPN> formula);
    void SetEmissividadeFonte(double v) { EmissividadeFonte = v; }
    void SetEmissividadeSuperficie(double v) { EmissividadeSuperficie = v; }
    void SetFatorForma(double v) { FatorForma = v; }
    void SetArestas(const TVetorInteiro &arestas) { Arestas = arestas; }

    std::uint8_t GetTipo() const { return Tipo; }
    double GetTemperaturaMaxima() const { return TMax; }
    double GetTemperaturaMinima() const { return TMin; }
    double GetHoraTMax() const { return HoraTMax; }
    double GetHoraTMin() const { return HoraTMin; }
    double GetTemperaturaAmbiente() const { return TemperaturaAmbiente; }
    double GetCoefConveccao() const { return CoefConveccao; }
    bool GetUsaJanela() const { return UsaJanela; }
    double GetCoefConveccaoJanela() const { return CoefConveccaoJanela; }
    double GetInicioJanela() const { return InicioJanela; }
    double GetFimJanela() const { return FimJanela; }
    TRPN &GetFormula() { return *Formula; }
    const TRPN &GetFormula() const { return *Formula; }
    double GetEmissividadeFonte() const { return EmissividadeFonte; }
    double GetEmissividadeSuperficie() const { return EmissividadeSuperficie; }
    double GetFatorForma() const { return FatorForma; }
    const TVetorInteiro &GetArestas() const { return Arestas; }

    // Constant ambient temperature by fTemperatura, both film coefficients by fCoeficiente.
    void ConverteUnidades(double fTemperatura, double fCoeficiente);

    double TemperaturaAmbienteEm(double t);
    // Film coefficient at t: the curing one inside the window (ends included).
    double CoeficienteEm(double t) const;
    // Convection matrix of an element side, sized like its element; M is cleared first.
    void MatrizAresta(const TLado &lado, TMatriz &M, double t) const;
    // Load vector of an element side; F is cleared first.
    void CargaAresta(const TLado &lado, TVetor &F, double t);

private:
    std::uint8_t Tipo = kFormula;
    double TMax = 0.0, TMin = 0.0;
    double HoraTMin = 0.0, HoraTMax = 0.0;
    double TemperaturaAmbiente = 0.0;
    double CoefConveccao = 0.0;
    bool UsaJanela = false;
    double CoefConveccaoJanela = 0.0;
    double InicioJanela = 0.0, FimJanela = 0.0;
    std::unique_ptr<TRPN> Formula;
    double EmissividadeFonte = 0.0, EmissividadeSuperficie = 0.0, FatorForma = 0.0;
    TVetorInteiro Arestas;
};
