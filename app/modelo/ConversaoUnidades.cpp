#include "ConversaoUnidades.h"

#include "uLibFEM.h"
#include "uLibUnidades.h"

namespace {

// Size of one degree of the unit in degrees Celsius.
double TamanhoDoGrau(const TTempCelsius &t) {
    return 1.0 / t.Intervalo(1.0);
}

} // namespace

TEscalaTemperatura EscalaDe(const TTempCelsius &unidade) {
    if (dynamic_cast<const TTempFahrenheit *>(&unidade))
        return TEscalaTemperatura::Fahrenheit;
    if (dynamic_cast<const TTempKelvin *>(&unidade))
        return TEscalaTemperatura::Kelvin;
    if (dynamic_cast<const TTempRankine *>(&unidade))
        return TEscalaTemperatura::Rankine;
    return TEscalaTemperatura::Celsius;
}

const TTempCelsius &UnidadeDaEscala(TEscalaTemperatura escala) {
    static const TTempCelsius celsius;
    static const TTempFahrenheit fahrenheit;
    static const TTempKelvin kelvin;
    static const TTempRankine rankine;
    switch (escala) {
    case TEscalaTemperatura::Fahrenheit:
        return fahrenheit;
    case TEscalaTemperatura::Kelvin:
        return kelvin;
    case TEscalaTemperatura::Rankine:
        return rankine;
    default:
        return celsius;
    }
}

TFatoresUnidades CalculaFatores(const TUnidades &e, const TUnidadesSI &r) {
    TFatoresUnidades f;
    f.Tempo = r.GetTempo().DaBase(e.GetTempo().GetFator());
    const TDensidade &dens = e.GetDensidade();
    f.Densidade =
        r.GetDensidade().Converte(dens.GetMassa().GetFator(), dens.GetComprimento().GetFator());
    const TCalorEspecifico &ce = e.GetCalorEspecifico();
    f.CalorEspecifico = r.GetCalorEspecifico().Converte(
        ce.GetEnergia().GetFator(), ce.GetMassa().GetFator(), TamanhoDoGrau(ce.GetTemperatura()));
    const TCondutividade &k = e.GetCondutividade();
    f.Condutividade = r.GetCondutividade().Converte(
        k.GetPotencia().GetFator(), k.GetTempo().GetFator(), k.GetComprimento().GetFator(),
        TamanhoDoGrau(k.GetTemperatura()));
    f.Energia = r.GetEnergia().DaBase(e.GetEnergia().GetFator());
    f.Temperatura = r.GetTemperatura().DaBase(e.GetTemperatura().GetFator());
    const TConveccao &h = e.GetConveccao();
    f.Conveccao =
        r.GetConveccao().Converte(h.GetPotencia().GetFator(), h.GetTempo().GetFator(),
                                  h.GetComprimento().GetFator(), TamanhoDoGrau(h.GetTemperatura()));
    const TModuloElast &mod = e.GetModulo();
    f.Modulo = r.GetModulo().Converte(mod.GetForca().GetFator(), mod.GetComprimento().GetFator());
    f.Dilatacao = e.GetDilatacao().GetTemperatura().Intervalo(1.0);
    f.Forca = r.GetForca().DaBase(e.GetForca().GetFator());
    f.Comprimento = r.GetComprimento().DaBase(e.GetComprimento().GetFator());
    const TTensao &ten = e.GetTensao();
    f.Tensao = r.GetTensao().Converte(ten.GetForca().GetFator(), ten.GetComprimento().GetFator());
    const TGravidade &g = e.GetGravidade();
    f.Gravidade = r.GetGravidade().Converte(g.GetComprimento().GetFator(), g.GetTempo().GetFator());
    f.Escala = EscalaDe(e.GetTemperatura());
    return f;
}

void ConverteMaterial(TMaterial &m, const TFatoresUnidades &f) {
    m.ConverteUnidades(f.Condutividade, f.Densidade, f.CalorEspecifico, f.Modulo, f.Dilatacao,
                       f.Gravidade);
    // E(t) = t / (a + b t): a and b are per modulus unit.
    m.SetEa(m.GetEa() / f.Modulo);
    m.SetEb(m.GetEb() / f.Modulo);
    m.SetEConstanteValor(m.GetEConstanteValor() * f.Modulo);
    m.SetFcj28(m.GetFcj28() * f.Tensao);
    // ft(t) = t / (a + b t), per stress unit; the constant ft arrives as b = 1 / ft.
    m.SetFTa(m.GetFTa() / f.Tensao);
    m.SetFTb(m.GetFTb() / f.Tensao);
}

void ConverteForcaInterna(TForcaInterna &fi, const TFatoresUnidades &f) {
    fi.ConverteUnidades(f.Energia);
}

void ConverteForcaExterna(TForcaExterna &fe, const TFatoresUnidades &f) {
    // The engine would multiply the ambient reading by a factor; readings go through the scale.
    fe.ConverteUnidades(1.0, f.Conveccao);
    fe.SetTemperaturaAmbiente(TemperaturaParaCelsius(f, fe.GetTemperaturaAmbiente()));
    fe.SetTemperaturaMaxima(TemperaturaParaCelsius(f, fe.GetTemperaturaMaxima()));
    fe.SetTemperaturaMinima(TemperaturaParaCelsius(f, fe.GetTemperaturaMinima()));
    fe.SetHoraTMax(TempoParaHoras(f, fe.GetHoraTMax()));
    fe.SetHoraTMin(TempoParaHoras(f, fe.GetHoraTMin()));
    fe.SetInicioJanela(TempoParaHoras(f, fe.GetInicioJanela()));
    fe.SetFimJanela(TempoParaHoras(f, fe.GetFimJanela()));
}

void ConverteTempo(TTempo &t, const TFatoresUnidades &f) {
    t.ConverteUnidades(f.Tempo);
}

void ConverteForcaTensional(TForcaTensional &ft, const TFatoresUnidades &f) {
    ft.ConverteUnidades(f.Forca, f.Comprimento);
}

void ConverteFluencia(TFluencia &fl, const TFatoresUnidades &f) {
    fl.SetTempoFluencia(TempoParaHoras(f, fl.GetTempoFluencia()));
    // Compliances per stress unit; B, over the loading age, also per time unit: the law takes
    // that age in days.
    fl.A = fl.A / f.Tensao;
    fl.B = fl.B / f.Tensao * DiasPorUnidadeTempo(f);
}

void ConverteRetracao(TRetracao &r, const TFatoresUnidades &f) {
    r.SetFcm28(TensaoParaMPa(f, r.Fcm28));
}

double TemperaturaParaCelsius(const TFatoresUnidades &f, double leitura) {
    return UnidadeDaEscala(f.Escala).ParaCelsius(leitura);
}

double TemperaturaDeCelsius(const TFatoresUnidades &f, double celsius) {
    return UnidadeDaEscala(f.Escala).DaBase(celsius);
}

double ComprimentoParaMetros(const TFatoresUnidades &f, double x) {
    return x * f.Comprimento;
}

double ComprimentoDeMetros(const TFatoresUnidades &f, double metros) {
    return metros / f.Comprimento;
}

double TempoParaHoras(const TFatoresUnidades &f, double t) {
    return t * f.Tempo;
}

double TempoDeHoras(const TFatoresUnidades &f, double horas) {
    return horas / f.Tempo;
}

double DiasPorUnidadeTempo(const TFatoresUnidades &f) {
    return f.Tempo / 24.0;
}

double TensaoParaMPa(const TFatoresUnidades &f, double s) {
    return s * f.Tensao;
}

double TensaoDeMPa(const TFatoresUnidades &f, double mpa) {
    return mpa / f.Tensao;
}
