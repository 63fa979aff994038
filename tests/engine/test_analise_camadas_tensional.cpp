#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "CasoTensional.h"

namespace {

// Keeps, for every step, the stage, the sum of the assembled y loads and the reference
// temperatures of the thermal strains.
class TCamadasObservada : public TAnaliseCamadasTensional {
public:
    using TAnaliseCamadasTensional::TAnaliseCamadasTensional;
    std::vector<int> Etapas;
    std::vector<double> SomaCargasY;
    std::vector<std::vector<double>> Referencias;
    std::vector<std::vector<double>> IdadesEquivalentesPasso;

protected:
    void MontaSistema() override {
        TAnaliseCamadasTensional::MontaSistema();
        Etapas.push_back(EtapaAtual);
        double s = 0.0;
        for (int i = 2; i <= GrausLiberdade; i += 2)
            s += b[i];
        SomaCargasY.push_back(s);
        Referencias.emplace_back(TemperaturasReferencia.Dados(),
                                 TemperaturasReferencia.Dados() +
                                     TemperaturasReferencia.GetTamanho());
        IdadesEquivalentesPasso.emplace_back(IdadesEquivalentes.Dados(),
                                             IdadesEquivalentes.Dados() +
                                                 IdadesEquivalentes.GetTamanho());
    }
};

class AnaliseCamadasTensional : public CasoTensional {
protected:
    // A 2 x 2 block built in two layers of 1 m (one zone, not fixed), placed at 0 and at
    // `inicio2` hours at 30 and `colocacao2` degrees; the run goes to 96 hours in steps of 24
    // with supports on the base of each stage.
    void Constroi(double inicio2, double colocacao2) {
        std::vector<TNo> nos = {{1, 0, 0}, {2, 2, 0}, {3, 2, 2}, {4, 0, 2}};
        sub_ = TDominio::CreateMalha(nos);
        sub_->SetFixo(false);
        TVetor elev;
        elev.Adiciona(1.0);
        elev.Adiciona(2.0);
        camadas_ = std::make_unique<TCamadas>(*sub_->GetMalha(), elev);
        camadas_->DefineCamadas({sub_.get()});
        camadas_->GetSubDominio(1)->SetMaterial(Concreto(30.0, 0.2, 1e-5, true));
        camadas_->SetNx(3);
        camadas_->SetNy(3);
        camadas_->GetEtapa(1)->SetInstanteInicial(0.0);
        camadas_->GetEtapa(1)->SetInstanteFinal(inicio2);
        camadas_->GetEtapa(2)->SetInstanteInicial(inicio2);
        camadas_->GetEtapa(2)->SetInstanteFinal(96.0);
        for (int k = 1; k <= 2; ++k)
            camadas_->SalvaMalhaEtapa(k, TConfiguracaoMalha());
        colocacao_ = TVetor(2);
        colocacao_[1] = 30.0;
        colocacao_[2] = colocacao2;
        entradas_.TemperaturasCamadas = &colocacao_;
    }

    // Temperatures f(x) at every node of the stage mesh in force at each step.
    template <class F> void Temperaturas(F f) {
        std::string buffer;
        for (int s = 1; s <= 4; ++s) {
            const TMalha &m = *camadas_->GetEtapa(s <= 2 ? 1 : 2)->GetMalha();
            TVetor v(m.GetNumNos());
            for (int k = 1; k <= m.GetNumNos(); ++k)
                v[k] = f(m.GetNo(k)->X);
            GravaArquivoPasso(ArquivoTemperatura(s), v, buffer);
        }
    }

    template <class T = TAnaliseCamadasTensional> std::unique_ptr<T> Nova() {
        auto a = std::make_unique<T>(camadas_.get());
        a->SetTempo(std::make_unique<TTempo>(0.0, 96.0, 24.0, 2.0 / 3.0));
        for (int k = 1; k <= 2; ++k)
            a->AdicionaApoios(NosEmY(*camadas_->GetEtapa(k)->GetMalha(), 0), false, k, true, 0, 0);
        return a;
    }

    std::unique_ptr<TMalha> MalhaEtapa(int k) {
        auto m = std::make_unique<TMalha>();
        m->LeMalha(TCamadas::ArquivoMalhaEtapa(k).string());
        return m;
    }

    // Area of the stage 2 elements that belong to layer 2 (by their centroid).
    double AreaCamada2() {
        double a = 0.0;
        auto m2 = MalhaEtapa(2);
        for (int e = 1; e <= m2->GetNumElementos(); ++e)
            if (camadas_->CamadaDaElevacao(m2->GetElemento(e)->YCentro()) == 2)
                a += m2->GetElemento(e)->Area();
        return a;
    }

    std::unique_ptr<TDominio> sub_;
    std::unique_ptr<TCamadas> camadas_;
    TVetor colocacao_;
    TEntradasExecucao entradas_;
};

std::vector<std::string> Linhas(const std::string &arquivo) {
    std::ifstream f(arquivo);
    std::vector<std::string> l;
    for (std::string s; std::getline(f, s);)
        l.push_back(s);
    return l;
}

TEST_F(AnaliseCamadasTensional, NewLayerStartsAtZeroAndOldElementsCarryTheirValues) {
    // Layer 1 cools from 30 to 20 in step 1; nothing changes afterwards, so step 3 (the first
    // of stage 2) adds nothing and its totals are the carried values.
    Constroi(48.0, 20.0);
    Temperaturas([](double) { return 20.0; });
    auto m1 = MalhaEtapa(1);
    auto a = Nova();
    std::vector<std::string> titulos;
    entradas_.SetTitulo = [&](const std::string &t) { titulos.push_back(t); };
    a->Executa(entradas_);
    EXPECT_EQ(a->GetEtapaAtual(), 2);
    const TMalha &m2 = *camadas_->GetEtapa(2)->GetMalha();
    ASSERT_EQ(titulos.size(), 1u);
    EXPECT_EQ(titulos[0], std::to_string(m2.GetNumElementos()) + "  Elementos    " +
                              std::to_string(m2.GetNumNos()) + "  Nós");

    std::vector<std::string> s2 = Linhas(ArquivoTensao(2)), s3 = Linhas(ArquivoTensao(3));
    std::vector<std::string> d2 = Linhas(ArquivoDeformacao(2)), d3 = Linhas(ArquivoDeformacao(3));
    ASSERT_EQ(s2.size(), std::size_t(3 * m1->GetNumElementos()));
    ASSERT_EQ(s3.size(), std::size_t(3 * m2.GetNumElementos()));
    ASSERT_EQ(d3.size(), s3.size());
    int novos = 0, tracionados = 0;
    for (int e = 1; e <= m2.GetNumElementos(); ++e) {
        const TElemento *el = m2.GetElemento(e);
        int o = 0;
        for (int i = 1; i <= m1->GetNumElementos() && o == 0; ++i)
            if (m1->GetElemento(i)->ContemPonto(el->XCentro(), el->YCentro()))
                o = i;
        for (int c = 0; c < 3; ++c) {
            const std::size_t n = std::size_t(3 * e - 3 + c);
            if (o == 0) {
                EXPECT_EQ(s3[n], "  0.00000") << e;
                EXPECT_EQ(d3[n], " 0.000000000") << e;
            } else {
                const std::size_t v = std::size_t(3 * o - 3 + c);
                EXPECT_EQ(s3[n], s2[v]) << e;
                EXPECT_EQ(d3[n], d2[v]) << e;
                tracionados += StrToFloat(s2[v], '.') < -0.1;
            }
        }
        novos += o == 0;
        EXPECT_EQ(o == 0, el->YCentro() > 1.0) << e;
    }
    EXPECT_GT(novos, 0);
    EXPECT_GT(tracionados, 0);
}

TEST_F(AnaliseCamadasTensional, ReferenceTemperaturesAtTheStartOfEachStage) {
    // The second case places layer 2 between two steps: the stage change still starts it.
    for (double inicio2 : {48.0, 50.0}) {
        SCOPED_TRACE(inicio2);
        Constroi(inicio2, 25.0);
        Temperaturas([](double x) { return 20.0 + x; });
        auto a = Nova<TCamadasObservada>();
        a->Executa(entradas_);
        ASSERT_EQ(a->Etapas, (std::vector<int>{1, 1, 2, 2}));
        for (double t : a->Referencias[0])
            EXPECT_EQ(t, 30.0);
        const TMalha &m2 = *camadas_->GetEtapa(2)->GetMalha();
        ASSERT_EQ(a->Referencias[2].size(), std::size_t(m2.GetNumNos()));
        int dentro = 0;
        for (int k = 1; k <= m2.GetNumNos(); ++k) {
            const TNo *no = m2.GetNo(k);
            const bool velho = no->Y <= 1.0;
            dentro += velho;
            EXPECT_NEAR(a->Referencias[2][std::size_t(k - 1)], velho ? 20.0 + no->X : 25.0, 6e-5)
                << no->X << " " << no->Y;
        }
        EXPECT_GT(dentro, 0);
    }
}

TEST_F(AnaliseCamadasTensional, OwnWeightActsOnceInEachElementsBirthStep) {
    Constroi(48.0, 20.0);
    Temperaturas([](double) { return 20.0; });
    colocacao_[1] = 20.0;
    TForcaTensional peso;
    peso.SetAtiva(1);
    entradas_.PesoProprio = &peso;
    auto a = Nova<TCamadasObservada>();
    a->Executa(entradas_);
    // Stage 2's mesh does not follow the layer interface: an element belongs to the layer
    // that holds its centroid, and is born with it.
    const double rhoG = -2400 * 9.81 * 1e-6;
    double novos = 0.0;
    auto m2 = MalhaEtapa(2);
    for (int e = 1; e <= m2->GetNumElementos(); ++e)
        if (camadas_->CamadaDaElevacao(m2->GetElemento(e)->YCentro()) == 2)
            novos += m2->GetElemento(e)->Area();
    EXPECT_GT(novos, 1.5);
    ASSERT_EQ(a->SomaCargasY.size(), 4u);
    EXPECT_NEAR(a->SomaCargasY[0], rhoG * 2.0, 1e-15);
    EXPECT_EQ(a->SomaCargasY[1], 0.0);
    EXPECT_NEAR(a->SomaCargasY[2], rhoG * novos, 1e-15);
    EXPECT_EQ(a->SomaCargasY[3], 0.0);
    EXPECT_LT(a->GetTensaoMaxima(), 1.0);
}

TEST_F(AnaliseCamadasTensional, LayerPlacedBetweenStepsGetsItsLoadsOnceInTheStepHoldingIt) {
    // Layer 2 is placed at 50 h, inside the step from 48 to 72 h.
    const double rhoG = -2400 * 9.81 * 1e-6, q = -1000.0 * 2.0 * 1e-6;
    for (bool peso : {true, false}) {
        SCOPED_TRACE(peso);
        Constroi(50.0, 20.0);
        Temperaturas([](double) { return 20.0; });
        colocacao_[1] = 20.0;
        TForcaTensional pp;
        pp.SetAtiva(1);
        entradas_.PesoProprio = peso ? &pp : nullptr;
        if (!peso) {
            // A distributed load on the top edge of stage 2.
            TForcaTensional topo;
            topo.SetQy1(1000.0), topo.SetQy2(1000.0);
            camadas_->AdicionaForcaTensionalEtapas(topo, true, -0.1, 2.1, 2.1, 1.9);
        }
        auto a = Nova<TCamadasObservada>();
        a->Executa(entradas_);
        ASSERT_EQ(a->Etapas, (std::vector<int>{1, 1, 2, 2}));
        const double novos = AreaCamada2();
        ASSERT_EQ(a->SomaCargasY.size(), 4u);
        EXPECT_NEAR(a->SomaCargasY[0], peso ? rhoG * 2.0 : 0.0, 1e-15);
        EXPECT_EQ(a->SomaCargasY[1], 0.0);
        EXPECT_NEAR(a->SomaCargasY[2], peso ? rhoG * novos : q, 1e-15);
        EXPECT_EQ(a->SomaCargasY[3], 0.0);
    }
}

TEST_F(AnaliseCamadasTensional, PlacementOnAStepEndIsNotLostToRounding) {
    // Steps of 0.1 h: 0.2 + 0.1 is not the end of step 3 (0.3), and the end of step 3 of a
    // 0.9 h run rounds above 0.3; either way layer 2 starts in the step after its placement.
    // From 0.1 to 1 h the last step ends just below the final time.
    struct TCaso {
        double ti, tf, inicio2;
        int passosEtapa1;
    };
    const double rhoG = -2400 * 9.81 * 1e-6;
    for (const TCaso &c : {TCaso{0, 1.0, 0.2, 2}, TCaso{0, 0.9, 0.3, 3}, TCaso{0.1, 1.0, 0.5, 4}}) {
        SCOPED_TRACE(c.inicio2);
        Constroi(c.inicio2, 20.0);
        colocacao_[1] = 20.0;
        TForcaTensional pp;
        pp.SetAtiva(1);
        entradas_.PesoProprio = &pp;
        auto a = Nova<TCamadasObservada>();
        a->SetTempo(std::make_unique<TTempo>(c.ti, c.tf, 0.1, 2.0 / 3.0));
        const int n = a->GetTempo().GetNumPassos();
        for (int s = 1; s <= n; ++s)
            GravaTemperaturas(
                s, camadas_->GetEtapa(s <= c.passosEtapa1 ? 1 : 2)->GetMalha()->GetNumNos(), 20.0);
        const std::string arquivoFinal = TAnaliseCamadasTensional::ArquivoElementosEtapaDeform(2);
        std::filesystem::remove(arquivoFinal);
        a->Executa(entradas_);
        EXPECT_TRUE(std::filesystem::exists(arquivoFinal));
        std::vector<int> etapas(std::size_t(n), 2);
        std::fill_n(etapas.begin(), c.passosEtapa1, 1);
        EXPECT_EQ(a->Etapas, etapas);
        ASSERT_EQ(a->SomaCargasY.size(), std::size_t(n));
        const double novos = AreaCamada2();
        for (int s = 1; s <= n; ++s) {
            const double esperado = s == 1                    ? rhoG * 2.0
                                    : s == c.passosEtapa1 + 1 ? rhoG * novos
                                                              : 0.0;
            EXPECT_NEAR(a->SomaCargasY[std::size_t(s - 1)], esperado, 1e-15) << s;
        }
        // The history of a point in layer 2 starts with the stage.
        const TTempo &t = a->GetTempo();
        EXPECT_EQ(a->EtapaDoTempo(c.ti + t.TempoDoPasso(c.passosEtapa1)), 1);
        EXPECT_EQ(a->EtapaDoTempo(c.ti + t.TempoDoPasso(c.passosEtapa1 + 1)), 2);
        TVetor tempos, valores;
        a->HistoricoNoPonto(1.05, 1.5, true, 1, tempos, valores);
        EXPECT_EQ(tempos.GetTamanho(), n - c.passosEtapa1);
    }
}

TEST_F(AnaliseCamadasTensional, StageAndStepFilesOfEveryStage) {
    Constroi(48.0, 20.0);
    Temperaturas([](double x) { return 18.0 + x; });
    auto a = Nova();
    a->Executa(entradas_);
    const int e1 = MalhaEtapa(1)->GetNumElementos(), e2 = MalhaEtapa(2)->GetNumElementos();
    for (int s = 1; s <= 4; ++s) {
        const int ne = s <= 2 ? e1 : e2;
        const std::vector<std::string> t = Linhas(ArquivoTensao(s)),
                                       d = Linhas(ArquivoDeformacao(s));
        ASSERT_EQ(t.size(), std::size_t(3 * ne)) << s;
        ASSERT_EQ(d.size(), std::size_t(3 * ne)) << s;
        for (const std::string &l : t)
            EXPECT_EQ(l.size(), 9u) << l;
        for (const std::string &l : d)
            EXPECT_EQ(l.size(), 12u) << l;
    }
    // Stage files: three node lines per element with the element's strains (not negated),
    // then an empty line; stage 1 at the change, stage 2 at the final step.
    for (int k = 1; k <= 2; ++k) {
        const std::vector<std::string> l =
            Linhas(TAnaliseCamadasTensional::ArquivoElementosEtapaDeform(k));
        const std::vector<std::string> d = Linhas(ArquivoDeformacao(k == 1 ? 2 : 4));
        auto m = MalhaEtapa(k);
        ASSERT_EQ(l.size(), std::size_t(4 * m->GetNumElementos())) << k;
        for (int e = 1; e <= m->GetNumElementos(); ++e) {
            for (int j = 1; j <= 3; ++j) {
                const std::string &linha = l[std::size_t(4 * (e - 1) + j - 1)];
                ASSERT_EQ(linha.size(), 65u) << linha;
                for (int c = 0; c < 3; ++c)
                    EXPECT_NEAR(StrToFloat(linha.substr(std::size_t(15 * c), 15), '.'),
                                -StrToFloat(d[std::size_t(3 * e - 3 + c)], '.'), 1e-9);
                const TNo *no = m->GetElemento(e)->GetNo(j);
                EXPECT_NEAR(StrToFloat(linha.substr(45, 10), '.'), no->X, 5e-5);
                EXPECT_NEAR(StrToFloat(linha.substr(55, 10), '.'), no->Y, 5e-5);
            }
            EXPECT_EQ(l[std::size_t(4 * e - 1)], "");
        }
    }
}

TEST_F(AnaliseCamadasTensional, HistoryAtAPointFollowsTheStages) {
    Constroi(48.0, 20.0);
    Temperaturas([](double x) { return 18.0 + x; });
    auto a = Nova();
    a->Executa(entradas_);
    TVetor tempos, valores;
    a->HistoricoNoPonto(1.05, 1.5, true, 0, tempos, valores); // in layer 2
    ASSERT_EQ(tempos.GetTamanho(), 2);
    EXPECT_EQ(tempos[1], 72.0);
    EXPECT_EQ(tempos[2], 96.0);
    a->HistoricoNoPonto(1.05, 0.4, false, 1, tempos, valores); // in layer 1
    ASSERT_EQ(tempos.GetTamanho(), 4);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(tempos[s], 24.0 * s);
        auto m = MalhaEtapa(s <= 2 ? 1 : 2);
        const int e = m->ElementoNoPonto(1.05, 0.4);
        ASSERT_GT(e, 0);
        TVetor d;
        LeArquivoValores(ArquivoDeformacao(s), d);
        EXPECT_EQ(valores[s], d[3 * e - 1]) << s;
        // Principal stresses of the same element.
        TVetor t;
        LeArquivoValores(ArquivoTensao(s), t);
        TTensoesPrincipais p;
        p.Calcula(t[3 * e - 2], t[3 * e - 1], t[3 * e]);
        TVetor tt, v1, v2;
        a->HistoricoNoPonto(1.05, 0.4, true, 3, tt, v1);
        a->HistoricoNoPonto(1.05, 0.4, true, 5, tt, v2);
        EXPECT_EQ(v1[s], p.Sigma1);
        EXPECT_EQ(v2[s], p.TauMax);
    }
    EXPECT_EQ(a->GetEtapaAtual(), 2);
    const TMalha &m2 = *a->GetDominio().GetMalha();
    const int alto = m2.ElementoNoPonto(1.05, 1.5), baixo = m2.ElementoNoPonto(1.05, 0.4);
    EXPECT_EQ(a->InstanteColocacaoElemento(alto), 48.0);
    EXPECT_EQ(a->InstanteColocacaoElemento(baixo), 0.0);
    EXPECT_EQ(a->EtapaDoTempo(48.0), 1);
    EXPECT_EQ(a->EtapaDoTempo(60.0), 2);
    EXPECT_EQ(a->EtapaDoTempo(500.0), 1);
}

TEST_F(AnaliseCamadasTensional, TwoStageEndsWithinOneStepAreBothPassed) {
    // Three layers of 1 m placed at 0, 30 and 36 hours: step 2 (24 to 48) passes two ends.
    std::vector<TNo> nos = {{1, 0, 0}, {2, 2, 0}, {3, 2, 3}, {4, 0, 3}};
    sub_ = TDominio::CreateMalha(nos);
    sub_->SetFixo(false);
    TVetor elev;
    for (double e : {1.0, 2.0, 3.0})
        elev.Adiciona(e);
    camadas_ = std::make_unique<TCamadas>(*sub_->GetMalha(), elev);
    camadas_->DefineCamadas({sub_.get()});
    camadas_->GetSubDominio(1)->SetMaterial(Concreto(30.0, 0.2, 1e-5, true));
    camadas_->SetNx(3);
    camadas_->SetNy(3);
    const double inicios[] = {0.0, 30.0, 36.0, 96.0};
    for (int k = 1; k <= 3; ++k) {
        camadas_->GetEtapa(k)->SetInstanteInicial(inicios[k - 1]);
        camadas_->GetEtapa(k)->SetInstanteFinal(inicios[k]);
        camadas_->SalvaMalhaEtapa(k, TConfiguracaoMalha());
    }
    colocacao_ = TVetor(3);
    for (int k = 1; k <= 3; ++k)
        colocacao_[k] = 20.0;
    entradas_.TemperaturasCamadas = &colocacao_;
    std::string buffer;
    for (int s = 1; s <= 4; ++s) {
        const TMalha &m = *camadas_->GetEtapa(s == 1 ? 1 : 3)->GetMalha();
        TVetor v(m.GetNumNos());
        for (int k = 1; k <= m.GetNumNos(); ++k)
            v[k] = 20.0 + s;
        GravaArquivoPasso(ArquivoTemperatura(s), v, buffer);
    }
    auto a = std::make_unique<TCamadasObservada>(camadas_.get());
    a->SetTempo(std::make_unique<TTempo>(0.0, 96.0, 24.0, 2.0 / 3.0));
    for (int k = 1; k <= 3; ++k)
        a->AdicionaApoios(NosEmY(*camadas_->GetEtapa(k)->GetMalha(), 0), false, k, true, 0, 0);
    a->Executa(entradas_);
    EXPECT_EQ(a->Etapas, (std::vector<int>{1, 3, 3, 3}));
    TVetor tempos, valores;
    a->HistoricoNoPonto(1.05, 2.5, true, 0, tempos, valores); // in layer 3
    ASSERT_EQ(tempos.GetTamanho(), 3);
    EXPECT_EQ(tempos[1], 48.0);
}

TEST_F(AnaliseCamadasTensional, HistoryReloadsItsStageMeshWhenAnotherStageWasLoaded) {
    // The run ends in stage 1; then the thermal pass over the same layers loads stage 2, which
    // empties the stage 1 mesh.
    Constroi(48.0, 20.0);
    Temperaturas([](double x) { return 18.0 + x; });
    auto a = Nova();
    a->SetTempo(std::make_unique<TTempo>(0.0, 48.0, 24.0, 2.0 / 3.0));
    a->Executa(entradas_);
    ASSERT_EQ(a->GetEtapaAtual(), 1);
    camadas_->CarregaMalhaEtapa(2);
    TVetor tempos, valores;
    a->HistoricoNoPonto(1.05, 0.4, true, 0, tempos, valores);
    ASSERT_EQ(tempos.GetTamanho(), 2);
    const int e = MalhaEtapa(1)->ElementoNoPonto(1.05, 0.4);
    ASSERT_GT(e, 0);
    TVetor t;
    LeArquivoValores(ArquivoTensao(2), t);
    EXPECT_EQ(valores[2], t[3 * e - 2]);
    EXPECT_GT(a->GetDominio().GetMalha()->GetNumNos(), 0);
}

TEST_F(AnaliseCamadasTensional, MaturityAgesAdvanceAndCarryOverToTheNewMesh) {
    Constroi(48.0, 20.0);
    colocacao_[1] = 20.0;
    Temperaturas([](double) { return 20.0; });
    TMaterial &m = *camadas_->GetSubDominio(1)->GetMaterial();
    m.SetEConstante(false);
    m.SetEDaResistencia(true);
    m.SetMaturidade(true);
    auto a = Nova<TCamadasObservada>();
    a->Executa(entradas_);
    // At 20 degrees the rate factor is exp(33.5 / 8.314 (0.003413 - 1 / 293)).
    const double f = std::exp(33.5 / 8.314 * (0.003413 - 1.0 / 293.0));
    ASSERT_EQ(a->IdadesEquivalentesPasso.size(), 4u);
    for (double t : a->IdadesEquivalentesPasso[1])
        EXPECT_NEAR(t, 2 * 24 * f, 1e-9);
    // Stage 2: nodes on the old mesh continue, the new layer's start from zero.
    const TMalha &m2 = *camadas_->GetEtapa(2)->GetMalha();
    for (int k = 1; k <= m2.GetNumNos(); ++k)
        EXPECT_NEAR(a->IdadesEquivalentesPasso[2][std::size_t(k - 1)],
                    (m2.GetNo(k)->Y <= 1.0 ? 3 : 1) * 24 * f, 1e-9)
            << m2.GetNo(k)->X << " " << m2.GetNo(k)->Y;
}

TEST_F(AnaliseCamadasTensional, InitialDisplacementsOfALayer) {
    Constroi(48.0, 20.0);
    Temperaturas([](double) { return 20.0; });
    colocacao_[1] = 20.0;
    auto a = Nova();
    EXPECT_THROW(a->SetTemDeformacaoInicial(3, true), std::out_of_range);
    a->Executa(entradas_);
    EXPECT_EQ(a->GetDeslocamentoMaximo(), 0.0);
    auto b = Nova();
    b->SetTemDeformacaoInicial(1, true);
    b->SetDeformacaoInicialX(1, 1e-3);
    b->SetDeformacaoInicialY(1, 2e-3);
    b->Executa(entradas_);
    EXPECT_EQ(b->GetDeslocamentoMaximo(), 2e-3);
    EXPECT_EQ(b->GetDeslocamentoMinimo(), 0.0);
}

} // namespace

namespace {
// Exposes what the shrinkage of an element was evaluated with.
class TCamadasRetracao : public TAnaliseCamadasTensional {
public:
    using TAnaliseCamadasTensional::TAnaliseCamadasTensional;
    double Distancia(int e) const { return DadosElementos[std::size_t(e - 1)].distanciaContorno; }
    double Area() const { return AreaTotal; }
    double PerimetroEtapa() const { return Perimetro; }
};
} // namespace

TEST_F(AnaliseCamadasTensional, ShrinkageOfALayerCountsFromItsPlacement) {
    // Every node held and no temperature change: the strains are the accumulated shrinkage
    // alone. Layer 2 is placed on a step end (48 h) or inside a step (50 h); either way its
    // strain after its first step is the law's strain at that time, nothing before its
    // placement.
    for (std::uint8_t tipo : {TRetracao::kBazant, TRetracao::kCEB})
        for (double inicio2 : {48.0, 50.0}) {
            SCOPED_TRACE(testing::Message() << int(tipo) << " " << inicio2);
            Constroi(inicio2, 20.0);
            colocacao_[1] = 20.0;
            Temperaturas([](double) { return 20.0; });
            entradas_.PesoProprio = nullptr;
            auto a = Nova<TCamadasRetracao>();
            a->SetTempo(std::make_unique<TTempo>(0.0, 72.0, 24.0, 2.0 / 3.0));
            a->SetRetracaoCamada(1, std::make_unique<TRetracao>(tipo));
            for (int k = 1; k <= 2; ++k) {
                const auto m = MalhaEtapa(k);
                TVetorInteiro todos;
                for (int i = 1; i <= m->GetNumNos(); ++i)
                    todos.Adiciona(i);
                a->AdicionaApoios(todos, false, k, true, 0, 0);
            }
            a->Executa(entradas_);
            const TVetor &d = a->GetDeformacoes();
            int novos = 0;
            for (int e = 1; e <= a->GetDominio().GetNumElementos(); ++e) {
                if (a->GetElemento(e)->YCentro() <= 1.0 + 1e-9) // layer 1 by its centroid
                    continue;
                ++novos;
                TRetracao lei(tipo);
                lei.SetArea(a->Area());
                lei.SetPerimetro(a->PerimetroEtapa());
                lei.SetInicioSecagem(inicio2);
                const double esperado = -lei.RetracaoNoTempo(a->Distancia(e), 72.0);
                ASSERT_NE(esperado, 0.0);
                EXPECT_NEAR(d[3 * e - 2], esperado, 1e-12 * std::fabs(esperado)) << e;
                EXPECT_NEAR(d[3 * e - 1], esperado, 1e-12 * std::fabs(esperado)) << e;
                EXPECT_EQ(d[3 * e], 0.0) << e;
            }
            EXPECT_GT(novos, 0);
        }
}

TEST_F(AnaliseCamadasTensional, SingularStiffnessIsRefusedNamingItsCause) {
    // Supports of a stage: none, the base in both directions, the base in x only, or one base
    // node in both directions (the block may turn about it).
    enum TApoio { kNenhum, kBase, kBaseX, kUmNo };
    struct TCaso {
        TApoio etapa1, etapa2;
        double modulo;
        bool gauss;
        const char *causa; // none: the run goes through
    };
    const char *vinculos = "os vínculos não impedem o movimento de corpo rígido";
    const char *modulo = "o módulo de elasticidade dos seus elementos é nulo";
    for (const TCaso &c :
         {TCaso{kBase, kBase, 30.0, false, nullptr}, TCaso{kBase, kNenhum, 30.0, false, vinculos},
          TCaso{kBase, kNenhum, 30.0, true, vinculos},
          TCaso{kNenhum, kNenhum, 30.0, false, vinculos},
          TCaso{kBaseX, kBaseX, 30.0, true, vinculos}, TCaso{kUmNo, kUmNo, 30.0, false, vinculos},
          TCaso{kBase, kBase, 0.0, true, modulo}}) {
        SCOPED_TRACE(std::to_string(c.etapa1) + " " + std::to_string(c.etapa2) + " " +
                     std::to_string(c.modulo) + " " + std::to_string(c.gauss));
        Constroi(48.0, 20.0);
        camadas_->GetSubDominio(1)->SetMaterial(Concreto(c.modulo, 0.2, 1e-5, true));
        Temperaturas([](double x) { return 20.0 + x; });
        TForcaTensional peso; // a load that does not depend on the modulus
        peso.SetAtiva(1);
        Estado().FPesoProprio = &peso;
        auto a = std::make_unique<TAnaliseCamadasTensional>(camadas_.get());
        a->SetTempo(std::make_unique<TTempo>(0.0, 96.0, 24.0, 2.0 / 3.0));
        if (c.gauss)
            a->SetSolver(std::make_unique<TGauss>());
        else
            a->SetSolver(std::make_unique<TGradiente>(100, 1e-3));
        for (int k = 1; k <= 2; ++k) {
            const TApoio apoio = k == 1 ? c.etapa1 : c.etapa2;
            TVetorInteiro base = NosEmY(*camadas_->GetEtapa(k)->GetMalha(), 0);
            if (apoio == kUmNo)
                base = Nos({base[1]});
            if (apoio != kNenhum)
                a->AdicionaApoios(base, apoio == kBaseX, k, false, 0, 0);
        }
        std::string erro;
        try {
            a->Executa();
        } catch (const Exception &e) {
            erro = e.what();
        }
        Estado().FPesoProprio = nullptr;
        if (!c.causa) {
            EXPECT_EQ(erro, "");
            EXPECT_GT(Estado().TensaoMaximaTracao, 0.0);
            continue;
        }
        EXPECT_NE(erro.find("é singular"), std::string::npos) << erro;
        EXPECT_NE(erro.find(c.causa), std::string::npos) << erro;
        EXPECT_TRUE(mensagens_.Textos.empty()); // no warning of a solve that ran on
    }
}
