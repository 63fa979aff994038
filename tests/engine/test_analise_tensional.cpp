#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "CasoTensional.h"

namespace {

constexpr double kE = 30.0, kNu = 0.2, kAlfa = 1e-5;

// Counts the solves it is asked for.
class TGaussContador : public TGauss {
public:
    void Resolve() override {
        ++Resolucoes;
        TGauss::Resolve();
    }
    int Resolucoes = 0;
};

// Counts the solves it is asked for.
class TGradienteContador : public TGradiente {
public:
    using TGradiente::TGradiente;
    void Resolve() override {
        ++Resolucoes;
        TGradiente::Resolve();
    }
    int Resolucoes = 0;
};

// Keeps, for every step, the assembled system before supports and the solved increments.
class TAnaliseObservada : public TAnaliseTensional {
public:
    using TAnaliseTensional::TAnaliseTensional;
    struct TPasso {
        std::vector<std::vector<double>> K;
        std::vector<double> b, u;
    };
    std::vector<TPasso> Passos;

protected:
    void MontaSistema() override {
        TAnaliseTensional::MontaSistema();
        TPasso p;
        const int n = GrausLiberdade;
        p.K.assign(std::size_t(n), std::vector<double>(std::size_t(n)));
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                p.K[std::size_t(i - 1)][std::size_t(j - 1)] = K->Get(i, j);
        p.b.assign(b.Dados(), b.Dados() + n);
        Passos.push_back(std::move(p));
    }
    void PosPasso(int i) override {
        Passos.back().u.assign(Deslocamentos.Dados(), Deslocamentos.Dados() + GrausLiberdade);
        TAnaliseTensional::PosPasso(i);
    }
};

// Compares the analysis's element stiffness with the element's own, on the current mesh.
class TAnaliseComparada : public TAnaliseTensional {
public:
    using TAnaliseTensional::TAnaliseTensional;
    void Prepara(const TEntradasExecucao &entradas) {
        Entradas = entradas;
        TAnaliseTensional::Prepara();
    }
    // Number of entries that differ in any bit, over every element.
    int Compara(TFluencia *f, double nascimento, std::mt19937 &rng) {
        std::uniform_real_distribution<double> u(-2e-4, 2e-4);
        TMaterial &m = *Dominio->GetMaterial();
        int diferentes = 0;
        for (int e = 1; e <= Dominio->GetNumElementos(); ++e) {
            for (int k = 1; k <= 6; ++k)
                DeformacaoTermicaNos[k] = u(rng);
            Ke.Zera();
            Fe.Zera();
            RigidezElemento(e, m, f, nascimento, 0.0);
            TMatrizRigidezElemento K2(6);
            TVetorForcasElemento F2(6);
            Dominio->GetElemento(e)->MatrizRigidez(Entradas.PesoProprio, *Tempo, m, K2, F2,
                                                   DeformacaoTermicaNos, f, Resistencias,
                                                   nascimento);
            for (int i = 1; i <= 6; ++i) {
                diferentes += std::memcmp(&Fe[i], &F2[i], sizeof(double)) != 0;
                for (int j = 1; j <= 6; ++j)
                    diferentes += std::memcmp(&Ke(i, j), &K2(i, j), sizeof(double)) != 0;
            }
        }
        return diferentes;
    }
};

class AnaliseTensional : public CasoTensional {
protected:
    // A 2 x 1 plate of 4 x 2 cells (15 nodes, 16 elements) at 20 degrees before the run; two
    // steps of 24 hours.
    void SetUp() override {
        CasoTensional::SetUp();
        malha_ = Retangulo(2, 1, 4, 2);
        iniciais_ = TVetor(malha_->GetNumNos());
        for (int k = 1; k <= iniciais_.GetTamanho(); ++k)
            iniciais_[k] = 20.0;
        entradas_.TemperaturasIniciais = &iniciais_;
    }

    template <class T = TAnaliseTensional> std::unique_ptr<T> Nova(bool epd) {
        auto a = std::make_unique<T>(malha_.get());
        a->GetDominio().SetMaterial(Concreto(kE, kNu, kAlfa, epd));
        a->SetTempo(std::make_unique<TTempo>(0.0, 48.0, 24.0, 2.0 / 3.0));
        auto s = std::make_unique<TGaussContador>();
        contador_ = s.get();
        a->SetSolver(std::move(s));
        return a;
    }
    void Temperaturas(double t1, double t2) {
        GravaTemperaturas(1, malha_->GetNumNos(), t1);
        GravaTemperaturas(2, malha_->GetNumNos(), t2);
    }
    // Restrains x on both vertical edges and y at node 1.
    void ApoiosUniaxiais(TAnaliseTensional &a) {
        a.AdicionaApoios(NosEmX(*malha_, 0), true, 1, false, 0, 0);
        a.AdicionaApoios(NosEmX(*malha_, 2), true, 1, false, 0, 0);
        a.AdicionaApoios(Nos({1}), true, 1, true, 0, 0);
    }
    // Restrains both directions at every boundary node.
    void ApoiosTotais(TAnaliseTensional &a) {
        for (const TVetorInteiro &nos :
             {NosEmX(*malha_, 0), NosEmX(*malha_, 2), NosEmY(*malha_, 0), NosEmY(*malha_, 1)})
            a.AdicionaApoios(nos, false, 1, true, 0, 0);
    }
    static void EsperaUniforme(const TAnaliseTensional &a, double sx, double sy, double tol) {
        const TVetor &s = a.GetTensoes();
        for (int e = 1; e <= s.GetTamanho() / 3; ++e) {
            EXPECT_NEAR(s[3 * e - 2], sx, tol) << "element " << e;
            EXPECT_NEAR(s[3 * e - 1], sy, tol) << "element " << e;
            EXPECT_NEAR(s[3 * e], 0.0, tol) << "element " << e;
        }
    }

    std::unique_ptr<TMalha> malha_;
    TVetor iniciais_;
    TEntradasExecucao entradas_;
    TGaussContador *contador_ = nullptr;
};

TEST_F(AnaliseTensional, FreePlateUnderUniformChangeHasNoStressAndFreeThermalStrain) {
    for (bool epd : {false, true}) {
        SCOPED_TRACE(epd ? "plane strain" : "plane stress");
        auto a = Nova(epd);
        a->AdicionaApoios(Nos({1}), false, 1, true, 0, 0);
        a->AdicionaApoios(Nos({5}), true, 1, true, 0, 0); // node (2, 0)
        Temperaturas(10, 10);
        a->Executa(entradas_);
        EsperaUniforme(*a, 0.0, 0.0, 1e-9);
        // The strain is the in-plane thermal strain of the state.
        const double eps = (epd ? 1.0 + kNu : 1.0) * kAlfa * -10.0;
        const TVetor &d = a->GetDeformacoes();
        for (int e = 1; e <= d.GetTamanho() / 3; ++e) {
            EXPECT_NEAR(d[3 * e - 2], eps, 1e-15);
            EXPECT_NEAR(d[3 * e - 1], eps, 1e-15);
            EXPECT_NEAR(d[3 * e], 0.0, 1e-15);
        }
        EXPECT_LT(a->GetTensaoMaxima(), 1e-9);
    }
}

TEST_F(AnaliseTensional, RestrainedInXOnlyGivesUniaxialTension) {
    auto a = Nova(false);
    ApoiosUniaxiais(*a);
    Temperaturas(10, 10);
    a->Executa(entradas_);
    EsperaUniforme(*a, -kE * 1000 * kAlfa * -10.0, 0.0, 1e-9);
    EXPECT_NEAR(a->GetTensaoMaxima(), 3.0, 1e-9);
    // The files hold the values with their sign changed.
    std::unique_ptr<TVetor> v;
    a->LeTensoes(v, 48.0);
    ASSERT_EQ(v->GetTamanho(), 3 * 16);
    for (int e = 1; e <= 16; ++e) {
        EXPECT_NEAR((*v)[3 * e - 2], -3.0, 1e-12);
        EXPECT_NEAR((*v)[3 * e - 1], 0.0, 1e-12);
    }
}

TEST_F(AnaliseTensional, FullyRestrainedPlateInBothStates) {
    for (bool epd : {false, true}) {
        SCOPED_TRACE(epd ? "plane strain" : "plane stress");
        auto a = Nova(epd);
        ApoiosTotais(*a);
        Temperaturas(10, 10);
        a->Executa(entradas_);
        const double s = epd ? 5.0 : 3.75;
        EsperaUniforme(*a, s, s, 1e-9);
    }
}

TEST_F(AnaliseTensional, AgeingModulusLeavesResidualStressOfTheIncrementalForm) {
    auto a = Nova(false);
    TMaterial &m = *a->GetDominio().GetMaterial();
    m.SetEConstante(false);
    ApoiosUniaxiais(*a);
    Temperaturas(30, 20); // heating by 10 at one day, cooling back at two days
    a->Executa(entradas_);
    const double e1 = 1.0 / (m.GetEa() + m.GetEb()), e2 = 2.0 / (m.GetEa() + 2.0 * m.GetEb());
    ASSERT_GT(e2 - e1, 1.0);
    EsperaUniforme(*a, kAlfa * 10.0 * (e2 - e1) * 1000.0, 0.0, 1e-9);
}

// Exposes the nodes' equivalent ages.
class TAnaliseMaturidade : public TAnaliseTensional {
public:
    using TAnaliseTensional::TAnaliseTensional;
    const TVetor &Idades() const { return IdadesEquivalentes; }
};

TEST_F(AnaliseTensional, MaturityAgesAdvanceInASingleDomainRun) {
    auto a = Nova<TAnaliseMaturidade>(false);
    TMaterial &m = *a->GetDominio().GetMaterial();
    m.SetEConstante(false);
    m.SetEConstanteValor(0.0); // the stored modulus plays no part
    m.SetEDaResistencia(true);
    m.SetMaturidade(true);
    ApoiosUniaxiais(*a);
    Temperaturas(30, 20);
    a->Executa(entradas_);
    // Mean temperature 25 in both steps.
    const double f = std::exp(33.5 / 8.314 * (0.003413 - 1.0 / 298.0));
    ASSERT_EQ(a->Idades().GetTamanho(), malha_->GetNumNos());
    for (int k = 1; k <= a->Idades().GetTamanho(); ++k)
        EXPECT_NEAR(a->Idades()[k], 48.0 * f, 1e-9);
    // Heating at a lower modulus than the cooling leaves a tension behind.
    const TVetor &s = a->GetTensoes();
    for (int e = 1; e <= s.GetTamanho() / 3; ++e)
        EXPECT_GT(s[3 * e - 2], 0.01) << e;
}

TEST_F(AnaliseTensional, EffectiveModulusCreepSoftensARestrainedStep) {
    auto a = Nova(false);
    auto f = std::make_unique<TFluencia>();
    f->SetTipo(TFluencia::kModuloEfetivo);
    f->SetCoefFluencia(1.5);
    f->SetTempoFluencia(24.0);
    a->GetDominio().SetFluencia(std::move(f));
    ApoiosUniaxiais(*a);
    Temperaturas(10, 10);

    a->Executa(entradas_); // the creep chooser holds no law: elastic
    EsperaUniforme(*a, 3.0, 0.0, 1e-9);
    entradas_.FluenciaAtiva = true;
    a->Executa(entradas_);
    EsperaUniforme(*a, 3.0 / (1.0 + 1.5), 0.0, 1e-9);
    EXPECT_EQ(a->GetNumPassos(), 2); // the second run counts only its own steps
}

TEST_F(AnaliseTensional, SelfWeightIsBalancedByTheSupportsAndActsOnlyAtBirth) {
    TForcaTensional peso;
    peso.SetAtiva(1);
    entradas_.PesoProprio = &peso;
    auto a = Nova<TAnaliseObservada>(true);
    a->AdicionaApoios(NosEmY(*malha_, 0), false, 1, true, 0, 0);
    Temperaturas(20, 20);
    a->Executa(entradas_);
    ASSERT_EQ(a->Passos.size(), 2u);

    const double peso_total = 2400 * 9.81 * 2.0 * 1e-6; // MN per unit thickness
    const auto &p = a->Passos[0];
    const int n = int(p.b.size());
    double fy = 0.0, fx = 0.0;
    for (int i = 0; i < n; ++i)
        (i % 2 ? fy : fx) += p.b[std::size_t(i)];
    EXPECT_NEAR(fy, -peso_total, 1e-15);
    EXPECT_NEAR(fx, 0.0, 1e-15);

    // Reactions of the assembled system at the supports: K u - F.
    const TVetorInteiro base = NosEmY(*malha_, 0);
    double ry = 0.0, rx = 0.0;
    for (int j = 1; j <= base.GetTamanho(); ++j)
        for (int c = 0; c < 2; ++c) {
            const int g = 2 * base[j] - 1 + c;
            double r = -p.b[std::size_t(g - 1)];
            for (int k = 0; k < n; ++k)
                r += p.K[std::size_t(g - 1)][std::size_t(k)] * p.u[std::size_t(k)];
            (c ? ry : rx) += r;
        }
    EXPECT_NEAR(ry, peso_total, 1e-12);
    EXPECT_NEAR(rx, 0.0, 1e-12);
    // The top moved down.
    EXPECT_LT(p.u[std::size_t(2 * 15 - 1)], 0.0);

    // Second step: no load, no solve, nothing changes.
    for (double v : a->Passos[1].b)
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(contador_->Resolucoes, 1);
    std::unique_ptr<TVetor> s1, s2;
    a->LeTensoes(s1, 24.0);
    a->LeTensoes(s2, 48.0);
    for (int i = 1; i <= s1->GetTamanho(); ++i)
        EXPECT_EQ((*s1)[i], (*s2)[i]);
    // The weight compresses the block on average.
    double media = 0.0;
    for (int e = 1; e <= 16; ++e)
        media += a->GetTensoes()[3 * e - 1] / 16.0;
    EXPECT_LT(media, -0.005);
}

TEST_F(AnaliseTensional, PrescribedDisplacementsMoveOnceAndAreHeld) {
    auto a = Nova<TAnaliseObservada>(false);
    a->GetDominio().GetMaterial()->SetPoisson(0.0);
    a->AdicionaApoios(NosEmX(*malha_, 0), true, 1, false, 0, 0);
    a->AdicionaApoios(Nos({1}), true, 1, true, 0, 0);
    const TVetorInteiro direita = NosEmX(*malha_, 2);
    a->DefineDeslocamentos(direita, 0.0, 1e-4);
    Temperaturas(20, 20);
    a->Executa(entradas_);
    EsperaUniforme(*a, kE * 1000 * 1e-4 / 2.0, 0.0, 1e-9);
    for (int j = 1; j <= direita.GetTamanho(); ++j) {
        EXPECT_NEAR(a->Passos[0].u[std::size_t(2 * direita[j] - 2)], 1e-4, 1e-16);
        EXPECT_NEAR(a->Passos[0].u[std::size_t(2 * direita[j] - 1)], 0.0, 1e-16);
    }
    for (double u : a->Passos[1].u)
        EXPECT_EQ(u, 0.0);
    EXPECT_EQ(contador_->Resolucoes, 1);
}

TEST_F(AnaliseTensional, HeldPrescribedDisplacementsRestrainLikeSupports) {
    // A plate clamped on its left edge and heated: the clamp given as supports or as zero
    // prescribed displacements gives the same stresses.
    const TVetorInteiro esquerda = NosEmX(*malha_, 0);
    Temperaturas(30, 40);
    auto apoiada = Nova(false);
    apoiada->AdicionaApoios(esquerda, false, 1, true, 0, 0);
    apoiada->Executa(entradas_);
    const TVetor esperado = apoiada->GetTensoes();
    auto prescrita = Nova(false);
    prescrita->DefineDeslocamentos(esquerda, 0.0, 0.0);
    prescrita->Executa(entradas_);
    const TVetor &s = prescrita->GetTensoes();
    ASSERT_EQ(s.GetTamanho(), esperado.GetTamanho());
    double maior = 0.0;
    for (int i = 1; i <= s.GetTamanho(); ++i) {
        EXPECT_NEAR(s[i], esperado[i], 1e-9) << i;
        maior = std::max(maior, std::fabs(esperado[i]));
    }
    EXPECT_GT(maior, 0.1);
}

TEST_F(AnaliseTensional, PlacementTemperatureOfTheStageComesBeforeTheInitialOnes) {
    TVetor camadas(1);
    camadas[1] = 15.0;
    // Through the run entry: the inputs come from the engine-facing state.
    Estado().FTemperaturasCamadas = &camadas;
    Estado().FTemperaturasIniciais = &iniciais_;
    auto a = Nova(false);
    a->AdicionaApoios(Nos({1}), false, 1, true, 0, 0);
    a->AdicionaApoios(Nos({5}), true, 1, true, 0, 0);
    Temperaturas(10, 10);
    a->Executa();
    EXPECT_NEAR(a->GetDeformacoes()[1], kAlfa * -5.0, 1e-15);

    // Libera drops both references.
    a->Libera();
    EXPECT_EQ(Estado().FTemperaturasCamadas, nullptr);
    EXPECT_EQ(Estado().FTemperaturasIniciais, nullptr);
    EXPECT_EQ(a->GetApoios(1), nullptr);
}

TEST_F(AnaliseTensional, AnUnreadableTemperatureFileIsShownAndEndsTheRun) {
    for (bool truncado : {false, true}) {
        SCOPED_TRACE(truncado ? "short file" : "missing file");
        mensagens_.Textos.clear();
        auto a = Nova(false);
        ApoiosUniaxiais(*a);
        Temperaturas(10, 10);
        if (truncado)
            EscreveArquivo(ArquivoTemperatura(2), " 10.0000\n 10.0000\n");
        else
            std::filesystem::remove(ArquivoTemperatura(2));
        std::filesystem::remove(ArquivoTensao(2));
        EXPECT_THROW(a->Executa(entradas_), EInOutError);
        ASSERT_EQ(mensagens_.Textos.size(), 1u);
        EXPECT_EQ(mensagens_.Textos[0], "Erro ao abrir dados das temperaturas.");
        EXPECT_EQ(mensagens_.Tipos[0], TTipoMensagem::Erro);
        EXPECT_TRUE(std::filesystem::exists(ArquivoTensao(1)));
        EXPECT_FALSE(std::filesystem::exists(ArquivoTensao(2)));
        EXPECT_EQ(a->GetNumPassos(), 1);
    }
}

TEST_F(AnaliseTensional, StepFilesHoldEveryElementInFixedWidths) {
    auto a = Nova(false);
    ApoiosUniaxiais(*a);
    Temperaturas(10, 10);
    a->Executa(entradas_);
    std::ifstream fd(ArquivoDeformacao(1)), ft(ArquivoTensao(2));
    std::string linha;
    int n = 0;
    while (std::getline(ft, linha)) {
        ++n;
        EXPECT_EQ(linha.size(), 9u) << linha;
        if (n % 3 == 1) {
            EXPECT_EQ(linha, " -3.00000");
        }
    }
    EXPECT_EQ(n, 48);
    n = 0;
    while (std::getline(fd, linha)) {
        ++n;
        EXPECT_EQ(linha.size(), 12u) << linha;
        if (n % 3 == 1) { // restrained in x: no total strain
            EXPECT_DOUBLE_EQ(StrToFloat(linha, '.'), 0.0) << linha;
        } else if (n % 3 == 2) { // free in y: thermal contraction plus the Poisson part
            EXPECT_NEAR(StrToFloat(linha, '.'), -(1 + kNu) * kAlfa * -10.0, 1e-9) << linha;
        }
    }
    EXPECT_EQ(n, 48);
    EXPECT_EQ(a->GetNumPassos(), 2);
}

TEST_F(AnaliseTensional, PointQueryReadsTheEntryOfTheElementHoldingThePoint) {
    TForcaTensional peso;
    peso.SetAtiva(1);
    entradas_.PesoProprio = &peso;
    auto a = Nova(true);
    a->AdicionaApoios(NosEmY(*malha_, 0), false, 1, true, 0, 0);
    Temperaturas(20, 20);
    a->Executa(entradas_);
    std::unique_ptr<TVetor> v;
    a->LeTensoes(v, 24.0);
    for (int e = 1; e <= malha_->GetNumElementos(); ++e) {
        const TElemento *el = malha_->GetElemento(e);
        for (int c = 0; c < 3; ++c) {
            double valor = 1e300;
            ASSERT_TRUE(a->ValorNoPonto(valor, el->XCentro(), el->YCentro(), 24.0, c));
            EXPECT_EQ(valor, (*v)[3 * e - 2 + c]) << "element " << e << " component " << c;
        }
    }
    // The values vary from element to element.
    EXPECT_NE((*v)[2], (*v)[5]);
    double valor = 7.0;
    EXPECT_FALSE(a->ValorNoPonto(valor, 3.0, 0.5, 24.0, 0));
    EXPECT_EQ(valor, 7.0);
    // A time beyond the end reads the last step.
    EXPECT_TRUE(a->ValorNoPonto(valor, 0.1, 0.1, 1e6, 1));
    EXPECT_EQ(valor, (*v)[2]);
}

TEST_F(AnaliseTensional, MaximumTensileStressAndItsElement) {
    // Heating a restrained plate compresses it: no maximum, the element is left alone.
    Estado().FTemperaturasIniciais = &iniciais_;
    Estado().ElementoTensaoMaxima = 77;
    auto a = Nova(false);
    ApoiosTotais(*a);
    Temperaturas(30, 30);
    a->Executa();
    EXPECT_EQ(Estado().TensaoMaximaTracao, 0.0);
    EXPECT_EQ(Estado().ElementoTensaoMaxima, 77);

    // Self-weight gives unequal stresses; the first largest positive entry names the element.
    TForcaTensional peso;
    peso.SetAtiva(1);
    Estado().FPesoProprio = &peso;
    auto b = Nova(true);
    b->AdicionaApoios(NosEmY(*malha_, 0), false, 1, true, 0, 0);
    Temperaturas(20, 20);
    b->Executa();
    const TVetor &s = b->GetTensoes();
    int j = 0;
    for (int i = 1; i <= s.GetTamanho(); ++i)
        if (s[i] > 0 && (j == 0 || s[i] > s[j]))
            j = i;
    ASSERT_GT(j, 0);
    EXPECT_EQ(Estado().TensaoMaximaTracao, s[j]);
    EXPECT_EQ(Estado().ElementoTensaoMaxima, (j - 1) / 3 + 1);
}

TEST_F(AnaliseTensional, SupportListsOfAStageAppendAndImposeTwiceAlike) {
    auto a = Nova(false);
    a->AdicionaApoios(Nos({1, 2}), false, 2, true, 0.5, 0.25);
    a->AdicionaApoios(Nos({3}), true, 2, true, 0.75, 0);
    a->AdicionaApoios(Nos({4}), true, 2, false, 0, 0.125);
    const TPrescricoes *p = a->GetApoios(2);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(a->GetApoios(1), nullptr);
    const int nos[] = {1, 2, 3, 4, 6, 7};
    const double val[] = {0.25, 0.5, 0.25, 0.5, 0.75, 0.125};
    ASSERT_EQ(p->Nos.GetTamanho(), 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(p->Nos[i], nos[i - 1]);
        EXPECT_EQ(p->Valores[i], val[i - 1]);
    }

    // A node listed twice gives the same results.
    auto c = Nova(false);
    ApoiosUniaxiais(*c);
    ApoiosUniaxiais(*c);
    Temperaturas(10, 10);
    c->Executa(entradas_);
    EsperaUniforme(*c, 3.0, 0.0, 1e-9);
}

TEST_F(AnaliseTensional, DistributedLoadsActOnTheirEdgesInTheBirthStep) {
    auto a = Nova<TAnaliseObservada>(false);
    a->AdicionaApoios(NosEmY(*malha_, 0), false, 1, true, 0, 0);
    TForcaTensional q;
    q.SetQy1(1000.0), q.SetQy2(3000.0), q.SetQx1(500.0), q.SetQx2(500.0);
    TVetorInteiro topo;
    topo.Adiciona(3);
    q.SetArestas(topo);
    a->GetDominio().AdicionaForcaTensional(q);
    // The same load on an interior edge acts nowhere.
    malha_->GetAresta(2)->SetInterna(true);
    TVetorInteiro direita;
    direita.Adiciona(2);
    q.SetArestas(direita);
    a->GetDominio().AdicionaForcaTensional(q);
    Temperaturas(20, 20);
    a->Executa(entradas_);
    ASSERT_EQ(a->Passos.size(), 2u);
    // Resultant of the top edge (2 m, each side split between its two nodes), pushing towards
    // negative x and y, on the top nodes only.
    double fx = 0.0, fy = 0.0;
    for (std::size_t i = 0; i < a->Passos[0].b.size(); ++i) {
        const int no = int(i) / 2 + 1;
        if (a->Passos[0].b[i] != 0.0) {
            EXPECT_EQ(malha_->GetNo(no)->Y, 1.0) << no;
        }
        (i % 2 ? fy : fx) += a->Passos[0].b[i];
    }
    EXPECT_NEAR(fx, -500.0 * 2.0 * 1e-6, 1e-18);
    EXPECT_NEAR(fy, -2000.0 * 2.0 * 1e-6, 1e-18);
    for (double v : a->Passos[1].b)
        EXPECT_EQ(v, 0.0);
}

TEST_F(AnaliseTensional, AciCreepActsAsAnEffectiveModulus) {
    // Restrained in x and cooled by 10 degrees in step 1: the stress is that of the modulus
    // E / (1 + phi), with phi of the plate's volume-to-surface ratio at 24 h.
    entradas_.FluenciaAtiva = true;
    auto lei = std::make_unique<TFluencia>();
    lei->SetTipo(TFluencia::kACI209);
    lei->Umidade = 70, lei->Abatimento = 20, lei->CuraUmida = 1, lei->Finos = 60, lei->Ar = 7;
    TFluencia referencia = *lei;
    auto a = Nova(false);
    a->GetDominio().SetFluencia(std::move(lei));
    ApoiosUniaxiais(*a);
    Temperaturas(10, 10);
    a->Executa(entradas_);
    referencia.CoeficienteACI(2.0 / 6.0 * 1000.0, 24.0); // area / perimeter, in mm
    const double phi = referencia.Phi;
    ASSERT_GT(phi, 0.05);
    EsperaUniforme(*a, 3.0 / (1.0 + phi), 0.0, 1e-9);
}

TEST_F(AnaliseTensional, EachSubdomainGivesItsElementsItsMaterial) {
    // Left half E = 30, right half E = 20, and a nested square in the left half E = 10.
    auto sub = [](std::initializer_list<std::pair<double, double>> p, double e) {
        std::vector<TNo> nos;
        for (auto [x, y] : p)
            nos.emplace_back(int(nos.size()) + 1, x, y);
        auto d = TDominio::CreateMalha(nos);
        d->SetMaterial(Concreto(e, kNu, kAlfa, false));
        return d;
    };
    auto esquerda = sub({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 30.0);
    auto direita = sub({{1, 0}, {2, 0}, {2, 1}, {1, 1}}, 20.0);
    auto dentro = sub({{0.1, 0.1}, {0.9, 0.1}, {0.9, 0.9}, {0.1, 0.9}}, 10.0);
    auto a = Nova(false);
    a->SetSubDominio(1, esquerda.get());
    a->SetSubDominio(2, dentro.get());
    a->SetSubDominio(3, direita.get());
    TVetorInteiro todos; // every node held: each element's stress comes from its own material
    for (int k = 1; k <= malha_->GetNumNos(); ++k)
        todos.Adiciona(k);
    a->AdicionaApoios(todos, false, 1, true, 0, 0);
    Temperaturas(10, 10);
    a->Executa(entradas_);
    const TVetor &s = a->GetTensoes();
    for (int e = 1; e <= malha_->GetNumElementos(); ++e) {
        const TElemento *el = malha_->GetElemento(e);
        const double x = el->XCentro(), y = el->YCentro();
        const bool meio = x > 0.1 && x < 0.9 && y > 0.1 && y < 0.9;
        const double modulo = x > 1.0 ? 20.0 : meio ? 10.0 : 30.0;
        EXPECT_NEAR(s[3 * e - 2], modulo * 1000 * kAlfa * 10.0 / (1 - kNu), 1e-9) << x << " " << y;
    }
}

TEST_F(AnaliseTensional, ElementStiffnessEqualsTheElementsOwnBitForBit) {
    // A distorted mesh, both states, age law or constant modulus, creep laws, own weight at
    // birth or later.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> mexe(-0.08, 0.08);
    for (int k = 1; k <= malha_->GetNumNos(); ++k) {
        TNo *no = malha_->GetNo(k);
        no->X += mexe(rng);
        no->Y += mexe(rng);
    }
    TForcaTensional peso;
    peso.SetAtiva(1);
    TFluencia efetivo, bureau, aci;
    efetivo.SetTipo(TFluencia::kModuloEfetivo);
    efetivo.SetCoefFluencia(2.0);
    efetivo.SetTempoFluencia(96.0);
    bureau.SetTipo(TFluencia::kBureauReclamation);
    bureau.A = 20.0, bureau.B = 5.0;
    aci.SetTipo(TFluencia::kACI209);
    for (bool epd : {false, true})
        for (bool constante : {false, true})
            for (TFluencia *f : {(TFluencia *)nullptr, &efetivo, &bureau, &aci})
                for (TForcaTensional *pp : {(TForcaTensional *)nullptr, &peso})
                    for (double nascimento : {0.0, 12.0}) {
                        auto a = Nova<TAnaliseComparada>(epd);
                        a->GetDominio().GetMaterial()->SetEConstante(constante);
                        a->GetTempo().SetTempoAtual(24.0);
                        TEntradasExecucao entradas;
                        entradas.PesoProprio = pp;
                        a->Prepara(entradas);
                        EXPECT_EQ(a->Compara(f, nascimento, rng), 0)
                            << epd << constante << (f ? int(f->Tipo) : -1) << (pp != nullptr)
                            << nascimento;
                    }
}

TEST_F(AnaliseTensional, ReadsTheTemperaturesOfAThermalRunWithItsFileNames) {
    // Temperature files with their own stem and extension.
    TConfiguracoes &c = Estado().Configuracoes;
    c.FAplicado = true;
    c.NomeTemp = "Temperaturas";
    c.TerminacaoTemp = ".txt";
    c.NomeTensao = "Tensoes";
    TAnalise termica(malha_.get());
    termica.SetTempo(std::make_unique<TTempo>(0.0, 48.0, 24.0, 2.0 / 3.0));
    termica.SetSolver(std::make_unique<TGauss>());
    TVetorInteiro todos;
    for (int k = 1; k <= malha_->GetNumNos(); ++k)
        todos.Adiciona(k);
    termica.AplicaTemperaturaInicial(todos, 20.0);
    termica.AdicionaPrescricoes(todos, 1, 10.0, 0.0, 48.0);
    termica.Executa();
    ASSERT_TRUE(std::filesystem::exists(ArquivoTemperatura(2)));
    EXPECT_EQ(std::filesystem::path(ArquivoTemperatura(2)).filename(), "Temperaturas2.txt");

    // The program hands over the thermal run's initial temperatures.
    Estado().FTemperaturasIniciais = &termica.GetVetorTemperaturasIniciais();
    auto a = Nova(false);
    ApoiosUniaxiais(*a);
    a->Executa();
    EsperaUniforme(*a, 3.0, 0.0, 1e-9);
    EXPECT_TRUE(std::filesystem::exists(pasta_ / "Tensoes2.res"));
}

} // namespace

TEST_F(AnaliseTensional, QueriesReadOnlyTheStepsOfTheLastRun) {
    auto a = Nova(false);
    ApoiosUniaxiais(*a);
    Temperaturas(10, 10);
    a->Executa(entradas_);
    std::unique_ptr<TVetor> v;
    a->LeTensoes(v, 48.0);
    a->SetTempo(std::make_unique<TTempo>(0.0, 10.0, 48.0, 2.0 / 3.0)); // no step
    try {
        a->Executa(entradas_);
        ADD_FAILURE() << "no error";
    } catch (const Exception &e) {
        EXPECT_STREQ(e.what(), "O eixo do tempo não tem passos.");
    }
    for (double t : {24.0, 48.0}) {
        EXPECT_THROW(a->LeTensoes(v, t), Exception);
        EXPECT_THROW(a->LeDeformacoes(v, t), Exception);
    }
}

TEST_F(AnaliseTensional, StepsAndMemoryTextsOfBothRunsGoThroughTheEvents) {
    // Free memory below the confirmed rule's 20 MB until the first release of 100 MB.
    struct TMemoria : IInformacoesSistema {
        int livre = 10;
        int MemoriaLivreMb() override { return livre; }
        void LiberarMemoria(int n) override { livre += n; }
    };
    // The engine-facing state's progress window, which the runs must leave alone.
    struct TJanela : IMensagemFEM {
        int chamadas = 0;
        void MostraTempo(double) override { ++chamadas; }
        void MostraMemoria(int) override { ++chamadas; }
    } janela;
    Estado().MensagemFEM = &janela;
    Temperaturas(10, 10);
    TAnalise termica(malha_.get());
    termica.SetTempo(std::make_unique<TTempo>(0.0, 48.0, 24.0, 2.0 / 3.0));
    termica.SetSolver(std::make_unique<TGauss>());
    auto tensional = Nova(false);
    ApoiosUniaxiais(*tensional);
    for (bool termico : {true, false}) {
        SCOPED_TRACE(termico ? "thermal" : "stress");
        TMemoria memoria;
        memoria.FAplicado = true;
        TEntradasExecucao entradas = entradas_;
        entradas.Memoria = &memoria;
        std::vector<double> tempos;
        std::vector<int> textos;
        auto passo = [&](TTempo &t) { tempos.push_back(t.GetTempoAtual()); };
        auto texto = [&](int mb) { textos.push_back(mb); };
        if (termico) {
            termica.SetOnPasso(passo);
            termica.SetOnMemoria(texto);
            termica.Executa(entradas);
        } else {
            tensional->SetOnPasso(passo);
            tensional->SetOnMemoria(texto);
            tensional->Executa(entradas);
        }
        EXPECT_EQ(tempos, (std::vector<double>{24.0, 48.0}));
        EXPECT_EQ(textos, (std::vector<int>{10, 110}));
    }
    EXPECT_EQ(janela.chamadas, 0);
}

// Two pieces in one mesh: piece A on [0, 2] x [0, 1] (nodes 1-6) and piece B of 4 elements, apart
// on [3, 5] x [0, 1] (nodes 7-12) or hinged at A's corner node 6 on [2, 4] x [1, 2] (nodes 6-11).
// A piece that its supports and hinges do not hold is refused, by name, before any solve.
TEST_F(AnaliseTensional, EveryPieceOfTheMeshIsHeldBeforeTheSolve) {
    struct TCaso {
        bool articulada;
        std::vector<int> apoiosB;  // supports of B in both directions
        std::vector<int> roletesB; // supports of B in y only
        bool gauss;
        const char *erro; // none: the run goes through
    };
    const char *parteB = "a parte da malha de 4 elementos que contém o nó 7 não está presa";
    const TCaso casos[] = {
        {false, {}, {}, true, parteB},         {false, {}, {}, false, parteB},
        {true, {}, {}, true, parteB},          {true, {}, {}, false, parteB},
        {true, {}, {6}, true, parteB}, // a roller under the hinge holds no rotation
        {false, {7, 8, 9}, {}, true, nullptr}, {false, {7, 8, 9}, {}, false, nullptr},
        {true, {}, {8}, true, nullptr}, // the hinge and a roller away from it
        {true, {}, {8}, false, nullptr},
    };
    for (const TCaso &c : casos) {
        std::string caso = std::string(c.articulada ? "hinged" : "apart") +
                           (c.gauss ? ", direct" : ", cg") + ", B held at";
        for (int k : c.apoiosB)
            caso.append(" ").append(std::to_string(k));
        for (int k : c.roletesB)
            caso.append(" ").append(std::to_string(k)).append(" (y)");
        SCOPED_TRACE(caso);
        malha_ = std::make_unique<TMalha>(2, 2);
        const double x0 = c.articulada ? 2.0 : 3.0, y0 = c.articulada ? 1.0 : 0.0;
        for (int j = 0; j <= 1; ++j)
            for (int i = 0; i <= 2; ++i)
                malha_->AdicionaNo(i, j);
        for (int j = 0; j <= 1; ++j)
            for (int i = 0; i <= 2; ++i)
                if (!(c.articulada && i == 0 && j == 0))
                    malha_->AdicionaNo(x0 + i, y0 + j);
        auto noB = [&c](int i, int j) {
            return c.articulada ? (j == 0 ? 6 + i : 9 + i) : 7 + 3 * j + i;
        };
        for (int i = 0; i < 2; ++i) {
            malha_->AdicionaElemento(i + 1, i + 2, i + 5);
            malha_->AdicionaElemento(i + 1, i + 5, i + 4);
            malha_->AdicionaElemento(noB(i, 0), noB(i + 1, 0), noB(i + 1, 1));
            malha_->AdicionaElemento(noB(i, 0), noB(i + 1, 1), noB(i, 1));
        }
        iniciais_ = TVetor(malha_->GetNumNos());
        for (int k = 1; k <= iniciais_.GetTamanho(); ++k)
            iniciais_[k] = 20.0;
        auto a = Nova(false);
        TGradienteContador *gradiente = nullptr;
        if (!c.gauss) {
            auto g = std::make_unique<TGradienteContador>(100, 1e-6);
            gradiente = g.get();
            a->SetSolver(std::move(g));
        }
        a->AdicionaApoios(Nos({1, 2, 3}), false, 1, true, 0, 0);
        for (int k : c.apoiosB)
            a->AdicionaApoios(Nos({k}), false, 1, true, 0, 0);
        for (int k : c.roletesB)
            a->AdicionaApoios(Nos({k}), true, 1, true, 0, 0);
        Temperaturas(10, 10);
        std::string erro;
        try {
            a->Executa(entradas_);
        } catch (const Exception &e) {
            erro = e.what();
        }
        const int resolucoes = c.gauss ? contador_->Resolucoes : gradiente->Resolucoes;
        if (!c.erro) {
            EXPECT_EQ(erro, "");
            EXPECT_EQ(resolucoes, 1); // the second step changes nothing
            EXPECT_LT(a->GetTensaoMaxima(), 10.0);
            continue;
        }
        EXPECT_NE(erro.find("é singular: "), std::string::npos) << erro;
        EXPECT_NE(erro.find(c.erro), std::string::npos) << erro;
        EXPECT_EQ(resolucoes, 0);
    }
}
