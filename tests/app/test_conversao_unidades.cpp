// Unit factors of a chosen set and the conversion of every value object a dialog hands over.
#include "ConversaoUnidades.h"
#include "uLibFEM.h"
#include "uLibUnidades.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TFatoresUnidades Fatores(const TUnidades &e) {
    TUnidadesSI si;
    return CalculaFatores(e, si);
}

std::unique_ptr<TMaterial> MaterialDigitado() {
    auto m = std::make_unique<TMaterial>(2.0, 3.0, 2400, 1000, 20000, 0.08609, 0.04225, false,
                                         12.5e-6, 0.2, 9.819, 0, false, 20, false, 1.408, 0.1931,
                                         true, 0.0, true);
    m->SetEConstanteValor(20000);
    return m;
}

} // namespace

TEST(FatoresUnidades, PadraoDoConjuntoEscolhido) {
    TUnidades e;
    const TFatoresUnidades f = Fatores(e);
    EXPECT_DOUBLE_EQ(f.Tempo, 1.0);
    EXPECT_DOUBLE_EQ(f.Densidade, 1.0);
    EXPECT_NEAR(f.CalorEspecifico, 0.2388458966, 1e-12);
    EXPECT_NEAR(f.Condutividade, 859.84522, 1e-9);
    EXPECT_NEAR(f.Energia, 859.84522, 1e-9);
    EXPECT_DOUBLE_EQ(f.Temperatura, 1.0);
    EXPECT_NEAR(f.Conveccao, 859.84522, 1e-9);
    EXPECT_DOUBLE_EQ(f.Modulo, 1.0);
    EXPECT_DOUBLE_EQ(f.Dilatacao, 1.0);
    EXPECT_DOUBLE_EQ(f.Forca, 1.0);
    EXPECT_DOUBLE_EQ(f.Comprimento, 1.0);
    EXPECT_DOUBLE_EQ(f.Tensao, 1.0);
    EXPECT_DOUBLE_EQ(f.Gravidade, 1.0);
    EXPECT_EQ(f.Escala, TEscalaTemperatura::Celsius);
    // The identity a front end starts with before the units dialog speaks.
    const TFatoresUnidades id;
    EXPECT_DOUBLE_EQ(id.Condutividade, 1.0);
    EXPECT_EQ(id.Escala, TEscalaTemperatura::Celsius);
}

TEST(FatoresUnidades, UnidadesImperiaisEGrausDeOutrasEscalas) {
    TUnidades e;
    auto &k = e.GetCondutividade();
    k.SetPotencia(std::make_unique<TEnergiaBTU>());
    k.SetTempo(std::make_unique<TTempoHora>());
    k.SetComprimento(std::make_unique<TCompPe>());
    k.SetTemperatura(std::make_unique<TTempFahrenheit>());
    auto &ce = e.GetCalorEspecifico();
    ce.SetEnergia(std::make_unique<TEnergiaBTU>());
    ce.SetMassa(std::make_unique<TMassaPound>());
    ce.SetTemperatura(std::make_unique<TTempFahrenheit>());
    auto &d = e.GetDensidade();
    d.SetMassa(std::make_unique<TMassaPound>());
    d.SetComprimento(std::make_unique<TCompPe>());
    TFatoresUnidades f = Fatores(e);
    EXPECT_NEAR(f.Condutividade, 1488.1639, 1e-4);
    EXPECT_NEAR(f.CalorEspecifico, 1000.0, 1e-6);
    EXPECT_NEAR(f.Densidade, 16.01846, 1e-5);

    // A Kelvin degree is a Celsius degree; a Rankine degree is 1/1.8 of one.
    ce.SetEnergia(std::make_unique<TEnergiaJoule>());
    ce.SetMassa(std::make_unique<TMassaKilograma>());
    ce.SetTemperatura(std::make_unique<TTempKelvin>());
    EXPECT_NEAR(Fatores(e).CalorEspecifico, 0.2388458966, 1e-12);
    ce.SetTemperatura(std::make_unique<TTempRankine>());
    EXPECT_NEAR(Fatores(e).CalorEspecifico, 0.2388458966 * 1.8, 1e-12);
    auto &h = e.GetConveccao();
    h.SetTemperatura(std::make_unique<TTempKelvin>());
    EXPECT_NEAR(Fatores(e).Conveccao, 859.84522, 1e-9);
    h.SetTemperatura(std::make_unique<TTempRankine>());
    EXPECT_NEAR(Fatores(e).Conveccao, 859.84522 * 1.8, 1e-9);
    e.GetDilatacao().SetTemperatura(std::make_unique<TTempRankine>());
    EXPECT_DOUBLE_EQ(Fatores(e).Dilatacao, 1.8);
}

TEST(FatoresUnidades, PaginasSimplesECompostas) {
    TUnidades e;
    e.SetTempo(std::make_unique<TTempoDia>());
    e.SetComprimento(std::make_unique<TCompPe>());
    e.SetForca(std::make_unique<TForcaKiloNewton>());
    e.SetEnergia(std::make_unique<TEnergiaBTU>());
    e.SetTemperatura(std::make_unique<TTempFahrenheit>());
    e.GetDensidade().SetMassa(std::make_unique<TMassaGrama>());
    e.GetDensidade().SetComprimento(std::make_unique<TCompCentimetro>());
    e.GetModulo().SetForca(std::make_unique<TForcaMegaNewton>());
    e.GetTensao().SetForca(std::make_unique<TForcaKilogramaforca>());
    e.GetTensao().SetComprimento(std::make_unique<TCompCentimetro>());
    e.GetGravidade().SetComprimento(std::make_unique<TCompPe>());
    const TFatoresUnidades f = Fatores(e);
    EXPECT_DOUBLE_EQ(f.Tempo, 24.0);
    EXPECT_DOUBLE_EQ(f.Comprimento, 0.3048);
    EXPECT_DOUBLE_EQ(f.Forca, 1000.0);
    EXPECT_DOUBLE_EQ(f.Energia, 251.9957611);
    EXPECT_NEAR(f.Temperatura, (1 - 32) / 1.8, 1e-12);
    EXPECT_EQ(f.Escala, TEscalaTemperatura::Fahrenheit);
    EXPECT_NEAR(f.Densidade, 1000.0, 1e-9);
    EXPECT_NEAR(f.Modulo, 0.001, 1e-15);
    EXPECT_NEAR(f.Tensao, 0.098, 1e-12);
    EXPECT_NEAR(f.Gravidade, 0.3048, 1e-12);
    // The main pages do not touch conductivity and convection.
    EXPECT_NEAR(f.Condutividade, 859.84522, 1e-9);
    EXPECT_NEAR(f.Conveccao, 859.84522, 1e-9);
}

TEST(FatoresUnidades, TemperaturasAbsolutasEEscalares) {
    TFatoresUnidades f;
    for (auto [escala, leitura, celsius] : {std::tuple{TEscalaTemperatura::Fahrenheit, 68.0, 20.0},
                                            std::tuple{TEscalaTemperatura::Fahrenheit, 100.4, 38.0},
                                            std::tuple{TEscalaTemperatura::Fahrenheit, 71.6, 22.0},
                                            std::tuple{TEscalaTemperatura::Kelvin, 293.15, 20.0},
                                            std::tuple{TEscalaTemperatura::Rankine, 491.67, 0.0},
                                            std::tuple{TEscalaTemperatura::Celsius, -5.0, -5.0}}) {
        f.Escala = escala;
        EXPECT_NEAR(TemperaturaParaCelsius(f, leitura), celsius, 1e-9);
        EXPECT_NEAR(TemperaturaDeCelsius(f, celsius), leitura, 1e-9);
    }
    EXPECT_EQ(EscalaDe(TTempKelvin()), TEscalaTemperatura::Kelvin);
    EXPECT_EQ(EscalaDe(TTempRankine()), TEscalaTemperatura::Rankine);
    EXPECT_EQ(EscalaDe(TTempCelsius()), TEscalaTemperatura::Celsius);
    f.Comprimento = 0.3048;
    f.Tempo = 24;
    f.Tensao = 0.098;
    EXPECT_DOUBLE_EQ(ComprimentoParaMetros(f, 10), 3.048);
    EXPECT_DOUBLE_EQ(ComprimentoDeMetros(f, 3.048), 10);
    EXPECT_DOUBLE_EQ(TempoParaHoras(f, 60), 1440);
    EXPECT_DOUBLE_EQ(TempoDeHoras(f, 1440), 60);
    EXPECT_NEAR(TensaoParaMPa(f, 250), 24.5, 1e-12);
    EXPECT_NEAR(TensaoDeMPa(f, 24.5), 250, 1e-12);
}

TEST(ConversaoUnidades, MaterialEmMPaEKgfCm2) {
    TFatoresUnidades f;
    f.Modulo = 0.001; // MPa
    f.Tensao = 0.098; // kgf/cm²
    f.Condutividade = 2;
    f.Densidade = 3;
    f.CalorEspecifico = 4;
    f.Dilatacao = 1.8;
    f.Gravidade = 0.3048;
    auto m = MaterialDigitado();
    ConverteMaterial(*m, f);
    EXPECT_DOUBLE_EQ(m->GetKx(), 4.0);
    EXPECT_DOUBLE_EQ(m->GetKy(), 6.0);
    EXPECT_DOUBLE_EQ(m->GetDensidade(), 7200);
    EXPECT_DOUBLE_EQ(m->GetCalorEspecifico(), 4000);
    EXPECT_DOUBLE_EQ(m->GetE(), 20.0);
    EXPECT_DOUBLE_EQ(m->GetEConstanteValor(), 20.0);
    EXPECT_DOUBLE_EQ(m->GetAlfa(), 12.5e-6 * 1.8);
    EXPECT_DOUBLE_EQ(m->GetGravidade(), 9.819 * 0.3048);
    EXPECT_NEAR(m->GetFcj28(), 1.96, 1e-12);
    // The age laws give the same modulus and strength, now in GPa and MPa.
    m->CalculaEIdade(28);
    EXPECT_NEAR(m->GetE(), 28.0 / (0.08609 + 0.04225 * 28) * 0.001, 1e-12);
    m->CalculaResistenciaIdade(28);
    EXPECT_NEAR(m->GetResistencia(), 28.0 / (1.408 + 0.1931 * 28) * 0.098, 1e-12);
    m->SetEConstante(true);
    m->CalculaEIdade(3);
    EXPECT_DOUBLE_EQ(m->GetE(), 20.0);
}

TEST(ConversaoUnidades, MaterialTabeladoUsaOFatorDaCopia) {
    auto m = MaterialDigitado();
    auto tab = std::make_unique<TFuncaoDiscreta>();
    tab->AdicionaPonto(0, 2);
    tab->AdicionaPonto(10, 4);
    m->SetFuncaoCondutividade(std::move(tab));
    auto copia = TMaterial::CreateCopia(*m);
    TFatoresUnidades f;
    f.Condutividade = 859.84522;
    ConverteMaterial(*copia, f);
    EXPECT_NEAR(copia->GetKx(), 2 * 859.84522, 1e-9);
    // The dialog's object is untouched.
    EXPECT_DOUBLE_EQ(m->GetEa(), 0.08609);
    EXPECT_DOUBLE_EQ(m->GetDensidade(), 2400);
}

TEST(ConversaoUnidades, ConveccaoFonteTempoCargaFluenciaRetracao) {
    TFatoresUnidades f;
    f.Escala = TEscalaTemperatura::Fahrenheit;
    f.Temperatura = (1 - 32) / 1.8;
    f.Tempo = 24;
    f.Conveccao = 2;
    f.Energia = 251.9957611;
    f.Forca = 1000;
    f.Comprimento = 0.3048;
    f.Tensao = 0.098;

    TForcaExterna fe;
    fe.SetTemperaturaAmbiente(68);
    fe.SetTemperaturaMaxima(100.4);
    fe.SetTemperaturaMinima(71.6);
    fe.SetHoraTMax(0.5);
    fe.SetHoraTMin(0.25);
    fe.SetCoefConveccao(10);
    fe.SetCoefConveccaoJanela(50);
    fe.SetInicioJanela(0);
    fe.SetFimJanela(3);
    ConverteForcaExterna(fe, f);
    EXPECT_NEAR(fe.GetTemperaturaAmbiente(), 20, 1e-9);
    EXPECT_NEAR(fe.GetTemperaturaMaxima(), 38, 1e-9);
    EXPECT_NEAR(fe.GetTemperaturaMinima(), 22, 1e-9);
    EXPECT_DOUBLE_EQ(fe.GetHoraTMax(), 12);
    EXPECT_DOUBLE_EQ(fe.GetHoraTMin(), 6);
    EXPECT_DOUBLE_EQ(fe.GetCoefConveccao(), 20);
    EXPECT_DOUBLE_EQ(fe.GetCoefConveccaoJanela(), 100);
    EXPECT_DOUBLE_EQ(fe.GetFimJanela(), 72);

    TForcaInterna constante(2);
    ConverteForcaInterna(constante, f);
    EXPECT_DOUBLE_EQ(constante.GetValor(), 2 * 251.9957611);
    auto lei = TForcaInterna::CreateModelo(4, 0.45, 85, 250, 0);
    ConverteForcaInterna(*lei, f);
    EXPECT_DOUBLE_EQ(lei->GetC(), 250);
    EXPECT_DOUBLE_EQ(lei->GetE(), 85);

    TTempo t(0, 60, 0.25, 2.0 / 3.0);
    ConverteTempo(t, f);
    EXPECT_DOUBLE_EQ(t.GetTempoInicial(), 0);
    EXPECT_DOUBLE_EQ(t.GetTempoFinal(), 1440);
    EXPECT_DOUBLE_EQ(t.GetDt(), 6);
    EXPECT_EQ(t.GetNumPassos(), 240);

    TForcaTensional q;
    q.SetQy1(1000);
    ConverteForcaTensional(q, f);
    EXPECT_NEAR(q.GetQy1(), 3280839.9, 0.05);

    TFluencia fl;
    fl.A = 6.1;
    fl.B = 105.2;
    fl.SetTempoFluencia(5);
    ConverteFluencia(fl, f);
    EXPECT_NEAR(fl.A, 6.1 / 0.098, 1e-9);
    EXPECT_NEAR(fl.B, 105.2 / 0.098, 1e-9);
    EXPECT_DOUBLE_EQ(fl.GetTempoFluencia(), 120);

    TRetracao r;
    r.SetFcm28(250);
    ConverteRetracao(r, f);
    EXPECT_NEAR(r.Fcm28, 24.5, 1e-12);
}
