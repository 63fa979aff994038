// Drying-shrinkage laws of the stress pass: a Bazant (2000) law and the CEB-FIP Model Code 1990
// law, both driven by the humidity of a drying-front model.
#pragma once

#include <cstdint>
#include <memory>

class TRetracao {
public:
    static constexpr std::uint8_t kCEB = 0;
    static constexpr std::uint8_t kBazant = 1;

    // Default law of the given kind: ambient humidity 75 %, fcm28 20 MPa, pore humidity 100 %,
    // normal cement (5), final Bazant strain 42e-5.
    explicit TRetracao(std::uint8_t tipo = kCEB) : Tipo(tipo) {}
    // Copies the kind, the humidities, BetaSC, Fcm28, the section's area and perimeter and the
    // final strain; the drying start and the results of the last evaluation are not copied.
    static std::unique_ptr<TRetracao> CreateCopia(const TRetracao &origem);

    void SetTipo(std::uint8_t tipo) { Tipo = tipo; }
    void SetUmidadeAmbiente(double h) { UmidadeAmbiente = h; }
    void SetUmidadeInicial(double h) { UmidadeInicial = h; }
    void SetFcm28(double f) { Fcm28 = f; }
    void SetBetaSC(double b) { BetaSC = b; }
    void SetRetracaoFinal(double e) { RetracaoFinal = e; }
    void SetArea(double a) { Area = a; }
    void SetPerimetro(double p) { Perimetro = p; }
    void SetInicioSecagem(double ts) { InicioSecagem = ts; }

    // Humidity (%) at distance x (m) from the drying surface at time t (hours) for drying from
    // ts (hours). Stores S, the front depth, the core humidity and the point humidity.
    double DistribuiUmidade(double x, double ts, double t);
    // Bazant strain from the last DistribuiUmidade; stored in Retracao.
    double RetracaoBazant();
    // MC90 strain at td days of drying from the last DistribuiUmidade; stored in Retracao.
    double RetracaoCEB(double td);
    // Strain of this law at time t for a point at distance x, drying from InicioSecagem.
    double RetracaoNoTempo(double x, double t);
    // Strain increment of a step: the strain at t in the first step, else the strain at t
    // minus the strain at t - dt.
    double IncrementoRetracao(double x, double t, double dt, bool primeiroPasso);

    double UmidadeAmbiente = 75.0; // %
    double Fcm28 = 20.0;           // MPa
    double Area = 0.0;             // m2
    double Perimetro = 0.0;        // m
    double InicioSecagem = 0.0;    // hours
    double Retracao = 0.0;
    double UmidadeInicial = 100.0; // %
    double TermoS = 0.0;
    double Profundidade = 0.0; // m
    double UmidadeNucleo = 0.0;
    double UmidadePonto = 100.0;
    std::uint8_t Tipo = kCEB;
    double BetaSC = 5.0;
    double RetracaoFinal = 42e-5;

private:
    bool umidadeAvaliada_ = false;
};
