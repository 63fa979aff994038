#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "uLibUnidades.h"
#include "uPlataforma.h"

namespace {

// Size of one degree of the chosen scale in degrees Celsius: the temperature argument of the
// compound conversions.
double Grau(const TTempCelsius &t) {
    return 1 / t.Intervalo(1);
}

TEST(Unidades, SimpleUnitsConvertFromTheirBase) {
    EXPECT_EQ(TTempoDia().DaBase(86400), 1);
    EXPECT_EQ(TTempoHora().DaBase(TTempoDia().GetFator()), 24);
    EXPECT_DOUBLE_EQ(TCompPe().DaBase(0.3048 * 10), 10);
    EXPECT_DOUBLE_EQ(TEnergiaJoule().DaBase(1), 1 / 0.2388458966);
    EXPECT_EQ(TPotencia().GetFator(), 859.84522);
    EXPECT_EQ(TPotencia().GetEnergia().GetNome(), "Caloria");
    EXPECT_EQ(TPotencia().GetTempo().GetNome(), "Segundo");
    EXPECT_EQ(TEnergiaKilocal().GetSimbolo(), "[kcal] ");
    EXPECT_EQ(TCoefPoisson().GetSimbolo(), "");

    TCompMetro m;
    m.SetFator(0);
    EXPECT_THROW(m.DaBase(1), EZeroDivide);
    m.SetNome(std::string(99, 'a') + "ééé");
    EXPECT_EQ(m.GetNome(), std::string(99, 'a') + "é"); // 100 characters, whole code points
}

TEST(Unidades, TemperatureScales) {
    EXPECT_DOUBLE_EQ(TTempKelvin().DaBase(0), 273.15);
    EXPECT_DOUBLE_EQ(TTempFahrenheit().ParaCelsius(212), 100);
    EXPECT_DOUBLE_EQ(TTempFahrenheit().DaBase(100), 212);
    EXPECT_DOUBLE_EQ(TTempRankine().DaBase(0), 491.67);
    EXPECT_EQ(TTempRankine().Intervalo(1), 1.8);
    EXPECT_EQ(TTempFahrenheit().Intervalo(1), 1.8);
    EXPECT_EQ(TTempKelvin().Intervalo(1), 1);
    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<TTempCelsius> t = CriaUnidadeTemperatura(i);
        // Fator is the Celsius reading of one unit of the scale.
        EXPECT_NEAR(t->GetFator(), t->ParaCelsius(1), 1e-12) << t->GetNome();
        for (double c : {-40.0, 0.0, 25.0, 1000.0}) {
            EXPECT_NEAR(t->ParaCelsius(t->DaBase(c)), c, 1e-9) << t->GetNome();
            EXPECT_NEAR(t->DaBase(c + 10) - t->DaBase(c), t->Intervalo(10), 1e-9);
        }
    }
    EXPECT_EQ(CriaUnidadeTemperatura(0)->GetNome(), "Celsius");
    EXPECT_EQ(CriaUnidadeTemperatura(1)->GetNome(), "Fahrenheit");
    EXPECT_EQ(CriaUnidadeTemperatura(2)->GetNome(), "Kelvin");
    EXPECT_EQ(CriaUnidadeTemperatura(3)->GetNome(), "Rankine");
    EXPECT_EQ(CriaUnidadeTemperatura(-1)->GetNome(), "Celsius");
    EXPECT_EQ(CriaUnidadeTemperatura(4)->GetNome(), "Celsius");
}

TEST(Unidades, CompoundNamesFollowTheirComponents) {
    TDensidade d;
    EXPECT_EQ(d.GetSimbolo(), "[kg/m³]");
    d.SetMassa(std::make_unique<TMassaGrama>());
    EXPECT_EQ(d.GetSimbolo(), "[g]/[m]³");
    EXPECT_EQ(d.GetNome(), "GramaporMetrocúbico");

    TCalorEspecifico c;
    EXPECT_EQ(c.GetSimbolo(), "[J]/ ([kg][°C])");
    c.SetEnergia(std::make_unique<TEnergiaBTU>());
    c.SetMassa(std::make_unique<TMassaPound>());
    c.SetTemperatura(std::make_unique<TTempFahrenheit>());
    EXPECT_EQ(c.GetSimbolo(), "[Btu]/ ([lb][°F])");
    EXPECT_EQ(c.GetNome(), "Btupor (PoundFahrenheit)");

    TCondutividade k;
    EXPECT_EQ(k.GetSimbolo(), "[W * h]/([h][m][°C])");
    k.SetComprimento(std::make_unique<TCompPe>());
    EXPECT_EQ(k.GetNome(), "Watt*Hora por Hora por Foot por Celsius");

    TConveccao h;
    h.SetTempo(std::make_unique<TTempoSegundo>());
    EXPECT_EQ(h.GetSimbolo(), "[W * h]/[s][m]²[°C]");
    EXPECT_EQ(h.GetNome(), "Watt*Hora por Segundo por Metro ² *Celsius");

    TTensao s;
    EXPECT_EQ(s.GetSimbolo(), "[MPa]");
    s.SetForca(std::make_unique<TForcaKilogramaforca>());
    s.SetComprimento(std::make_unique<TCompCentimetro>());
    EXPECT_EQ(s.GetSimbolo(), "[kgf]/[cm]²");
    EXPECT_EQ(s.GetNome(), "Kilogramaforça por Centímetroquadrado");
    TModuloElast e;
    EXPECT_EQ(e.GetSimbolo(), "[GPa]");
    EXPECT_EQ(e.GetForca().GetNome(), "GigaNewton");

    TCoefDilatacao a;
    EXPECT_EQ(a.GetSimbolo(), "[10^-6/ºC]");
    a.SetTemperatura(std::make_unique<TTempFahrenheit>());
    EXPECT_EQ(a.GetSimbolo(), "10^-6/[°F]");
    EXPECT_EQ(a.GetNome(), "Fahrenheit elevado a menos um");

    TGravidade g;
    EXPECT_EQ(g.GetSimbolo(), "[m/s²]");
    g.SetComprimento(std::make_unique<TCompPe>());
    EXPECT_EQ(g.GetSimbolo(), "[ft]/[s]²");
    EXPECT_THROW(g.SetTempo(nullptr), std::invalid_argument);
    EXPECT_EQ(g.GetTempo().GetNome(), "Segundo");
}

TEST(Unidades, ReferenceConversionsOfChosenUnits) {
    TUnidadesSI si;
    EXPECT_DOUBLE_EQ(
        si.GetDensidade().Converte(TMassaGrama().GetFator(), TCompCentimetro().GetFator()), 1000);
    // 1 kgf/cm² is 0.098 MPa with the kilogram-force taken as 9.8 N.
    EXPECT_DOUBLE_EQ(si.GetTensao().Converte(9.8, 0.01), 0.098);
    EXPECT_DOUBLE_EQ(si.GetModulo().Converte(TForcaMegaNewton().GetFator(), 1), 0.001);
    EXPECT_DOUBLE_EQ(si.GetGravidade().Converte(0.3048, 1), 0.3048);
    EXPECT_DOUBLE_EQ(si.GetGravidade().Converte(1, 60), 1 / 3600.0);
    // J/(kg·°F) and Btu/(h·ft·°F) in calories, hours, metres and degrees Celsius.
    EXPECT_DOUBLE_EQ(si.GetCalorEspecifico().Converte(0.2388458966, 1000, Grau(TTempFahrenheit())),
                     0.2388458966 * 1.8);
    EXPECT_DOUBLE_EQ(
        si.GetCondutividade().Converte(251.9957611, 3600, 0.3048, Grau(TTempRankine())),
        251.9957611 * 1.8 / 0.3048);
    EXPECT_DOUBLE_EQ(si.GetConveccao().Converte(251.9957611, 3600, 0.3048, Grau(TTempKelvin())),
                     251.9957611 / (0.3048 * 0.3048));
    EXPECT_THROW(si.GetConveccao().Converte(1, 0, 1, 1), EZeroDivide);
}

TEST(Unidades, DefaultSetsGiveTheStartingFactors) {
    TUnidades u;
    TUnidadesSI si;
    const TCondutividade &k = si.GetCondutividade();
    const double energia = u.GetEnergia().GetFator(), tempo = u.GetTempo().GetFator(),
                 comprimento = u.GetComprimento().GetFator();
    const double grau = Grau(u.GetTemperatura());
    EXPECT_EQ(si.GetTempo().DaBase(tempo), 1);
    EXPECT_EQ(si.GetDensidade().Converte(u.GetDensidade().GetMassa().GetFator(),
                                         u.GetDensidade().GetComprimento().GetFator()),
              1);
    const TCalorEspecifico &c = u.GetCalorEspecifico();
    EXPECT_DOUBLE_EQ(si.GetCalorEspecifico().Converte(c.GetEnergia().GetFator(),
                                                      c.GetMassa().GetFator(),
                                                      Grau(c.GetTemperatura())),
                     0.2388458966);
    EXPECT_DOUBLE_EQ(k.Converte(energia, tempo, comprimento, grau), 859.84522);
    EXPECT_DOUBLE_EQ(si.GetConveccao().Converte(energia, tempo, comprimento, grau), 859.84522);
    EXPECT_DOUBLE_EQ(si.GetEnergia().DaBase(energia), 859.84522);
    EXPECT_EQ(si.GetTemperatura().DaBase(u.GetTemperatura().GetFator()), 1);
    EXPECT_EQ(si.GetModulo().Converte(u.GetModulo().GetForca().GetFator(),
                                      u.GetModulo().GetComprimento().GetFator()),
              1);
    EXPECT_EQ(si.GetTensao().Converte(u.GetTensao().GetForca().GetFator(),
                                      u.GetTensao().GetComprimento().GetFator()),
              1);
    EXPECT_EQ(si.GetGravidade().Converte(u.GetGravidade().GetComprimento().GetFator(),
                                         u.GetGravidade().GetTempo().GetFator()),
              1);
    EXPECT_EQ(si.GetForca().DaBase(u.GetForca().GetFator()), 1);
    EXPECT_EQ(si.GetComprimento().DaBase(u.GetComprimento().GetFator()), 1);

    EXPECT_EQ(si.GetCalorEspecifico().GetSimbolo(), "[cal]/ ([kg][°C])");
    EXPECT_EQ(si.GetConveccao().GetSimbolo(), "[cal]/[h][m]²[°C]");
    EXPECT_EQ(u.GetConveccao().GetSimbolo(), "[W * h]/[h][m]²[°C]");
}

TEST(Unidades, SetReachedByPositionAndReplacedUnits) {
    TUnidades u;
    EXPECT_EQ(u.Unidade(13), nullptr);
    EXPECT_EQ(u.Unidade(0), nullptr);
    EXPECT_EQ(u.Unidade(16), nullptr);
    EXPECT_EQ(u.Unidade(1)->GetSimbolo(), "[m]");
    EXPECT_EQ(u.Unidade(2)->GetSimbolo(), "[kg/m³]");
    EXPECT_EQ(u.Unidade(3)->GetSimbolo(), "[W * h]");
    EXPECT_EQ(u.Unidade(5)->GetSimbolo(), "[h]");
    EXPECT_EQ(u.Unidade(7)->GetSimbolo(), "[MPa]");
    EXPECT_EQ(u.Unidade(8)->GetSimbolo(), "[GPa]");
    EXPECT_EQ(u.Unidade(9)->GetSimbolo(), "[10^-6/ºC]");
    EXPECT_EQ(u.Unidade(10), &u.GetCalorEspecifico());
    EXPECT_EQ(u.Unidade(11), &u.GetCondutividade());
    EXPECT_EQ(u.Unidade(12), &u.GetConveccao());
    EXPECT_EQ(u.Unidade(14)->GetSimbolo(), "");
    EXPECT_EQ(u.Unidade(15)->GetSimbolo(), "[m/s²]");
    u.SetTemperatura(CriaUnidadeTemperatura(1));
    u.SetTempo(std::make_unique<TTempoDia>());
    u.SetForca(std::make_unique<TForcaKiloNewton>());
    u.SetComprimento(std::make_unique<TCompMilimetro>());
    EXPECT_EQ(u.Unidade(4)->GetNome(), "Fahrenheit");
    EXPECT_EQ(u.Unidade(5)->GetNome(), "Dia");
    EXPECT_EQ(u.Unidade(6)->GetSimbolo(), "[kN]");
    EXPECT_EQ(u.Unidade(1)->GetFator(), 0.001);
    EXPECT_DOUBLE_EQ(TUnidadesSI().GetTempo().DaBase(u.GetTempo().GetFator()), 24);
    EXPECT_THROW(u.SetEnergia(nullptr), std::invalid_argument);
}

TEST(Unidades, ExpansionFactorFollowsTheChosenTemperatureUnit) {
    EXPECT_EQ(TCoefDilatacao::FatorTemperatura(-1), 1); // no selection: Celsius
    const double esperado[] = {1, 1.8, 1, 1.8, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(TCoefDilatacao::FatorTemperatura(i), esperado[i]) << i;
}

} // namespace
