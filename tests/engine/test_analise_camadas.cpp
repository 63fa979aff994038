#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "fem/AnaliseCamadas.h"
#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "support_analise.h"

namespace {

std::unique_ptr<TMaterial> Material(double k) {
    return std::make_unique<TMaterial>(k, k, 2400.0, 0.24, 20.0, 0.08609, 0.04225, false, 1.25e-5,
                                       0.2, 9.819, TMaterial::kModeloJCI, false, 20.0, false, 1.408,
                                       0.1931, true, 0.0, true);
}

TVetorInteiro Lista(std::initializer_list<int> l) {
    TVetorInteiro v;
    for (int i : l)
        v.Adiciona(i);
    return v;
}

// A block 0..L x 0..H (L = 2 unless given) built in layers of the given elevations, placed at the
// given times; one zone (not fixed unless asked) with a material of conductivity k and a constant
// heat rate q.
struct TBloco {
    std::unique_ptr<TDominio> sub;
    std::unique_ptr<TCamadas> camadas;
    std::unique_ptr<TAnaliseCamadas> analise;

    TBloco(std::vector<double> elevacoes, std::vector<double> inicios, double tf, double dt,
           double k, double q, std::vector<std::pair<int, int>> divisoes, bool fixo = false,
           double L = 2.0) {
        const double h = elevacoes.back();
        std::vector<TNo> nos{TNo(1, 0, 0), TNo(2, L, 0), TNo(3, L, h), TNo(4, 0, h)};
        sub = TDominio::CreateMalha(nos);
        sub->SetFixo(fixo);
        TVetor e;
        for (double v : elevacoes)
            e.Adiciona(v);
        camadas = std::make_unique<TCamadas>(*sub->GetMalha(), e);
        camadas->DefineCamadas({sub.get()});
        const int n = int(elevacoes.size());
        for (int i = 1; i <= n; ++i) {
            camadas->SetNx(divisoes[std::size_t(i - 1)].first);
            camadas->SetNy(divisoes[std::size_t(i - 1)].second);
            camadas->SalvaMalhaEtapa(i, TConfiguracaoMalha());
            camadas->GetEtapa(i)->SetInstanteInicial(inicios[std::size_t(i - 1)]);
            camadas->GetEtapa(i)->SetInstanteFinal(i < n ? inicios[std::size_t(i)] : tf);
        }
        TDominio *zona = camadas->GetSubDominio(1);
        zona->SetMaterial(Material(k));
        zona->SetFonte(std::make_unique<TForcaInterna>(q));
        analise = std::make_unique<TAnaliseCamadas>(camadas.get());
        analise->SetTempo(std::make_unique<TTempo>(0.0, tf, dt, 2.0 / 3.0));
        analise->SetSolver(std::make_unique<TGauss>());
    }
};

class AnaliseCamadas : public TesteComPasta {
protected:
    std::vector<std::string> Linhas(const std::string &nome) {
        TLeitorTexto l(pasta_ / nome);
        std::vector<std::string> r;
        std::string_view s;
        while (l.LeLinha(s))
            r.emplace_back(s);
        return r;
    }
};

} // namespace

TEST_F(AnaliseCamadas, UniformBlockKeepsItsTemperatureAcrossTheStageChange) {
    TBloco b({1.0, 2.0}, {0.0, 2.0}, 4.0, 1.0, 2.0, 0.0, {{2, 2}, {3, 3}});
    b.analise->SetTemperaturaCamada(1, 20.0);
    b.analise->SetTemperaturaCamada(2, 20.0);
    std::vector<int> etapas;
    b.analise->SetOnPasso([&](TTempo &) { etapas.push_back(b.analise->GetEtapaAtual()); });
    b.analise->Executa();
    EXPECT_EQ(etapas, (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(b.analise->GetNumPassos(), 4);
    ASSERT_EQ(b.analise->GetTemposMudancas().size(), 1u);
    const TMalha &m = *b.camadas->GetEtapa(2)->GetMalha();
    ASSERT_EQ(b.analise->GetNumNos(), m.GetNumNos());
    const TVetor &t = *b.analise->GetTemperaturas();
    for (int i = 1; i <= t.GetTamanho(); ++i)
        EXPECT_NEAR(t[i], 20.0, 1e-9) << i;
    for (int s = 1; s <= 4; ++s)
        for (const auto &l : Linhas("Passo" + std::to_string(s) + ".res"))
            EXPECT_EQ(l, " 20.0000");
    // Both stages' element files, one line per element.
    const auto e1 = Linhas("ElementosEtapa1.res");
    const auto e2 = Linhas("ElementosEtapa2.res");
    EXPECT_GT(e1.size(), 0u);
    EXPECT_EQ(e2.size(), std::size_t(m.GetNumElementos()));
    // Stage 1's mesh was emptied at the change; stage 2's is the current one.
    EXPECT_EQ(b.camadas->GetEtapa(1)->GetMalha()->GetNumNos(), 0);

    // Queries.
    EXPECT_EQ(b.analise->EtapaDoTempo(1.0), 1);
    EXPECT_EQ(b.analise->EtapaDoTempo(2.0), 1);
    EXPECT_EQ(b.analise->EtapaDoTempo(2.5), 2);
    EXPECT_EQ(b.analise->EtapaDoTempo(4.0), 2);
    EXPECT_EQ(b.analise->EtapaDoTempo(9.0), 1);
    EXPECT_EQ(b.analise->InstanteColocacaoNoPonto(1.0, 0.5), 0.0);
    EXPECT_EQ(b.analise->InstanteColocacaoNoPonto(1.0, 1.5), 2.0);
    TVetor tempos, valores;
    b.analise->HistoricoNoPonto(tempos, valores, 1.0, 0.5);
    ASSERT_EQ(tempos.GetTamanho(), 4);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(tempos[s], double(s));
        EXPECT_NEAR(valores[s], 20.0, 1e-12);
    }
    EXPECT_EQ(b.analise->GetEtapaAtual(), 2);
    b.analise->HistoricoNoPonto(tempos, valores, 1.0, 1.5); // the upper layer: stage 2 only
    EXPECT_EQ(tempos.GetTamanho(), 2);
    EXPECT_EQ(tempos[1], 3.0);
}

TEST_F(AnaliseCamadas, LinearFieldCarriedOntoAFinerMesh) {
    // No conduction: every step keeps the field it starts from. The width has more decimals
    // than the element file keeps, so the right side's new nodes lie just outside the old
    // elements as read back; they still carry the old field.
    TBloco b({1.0, 2.0}, {0.0, 2.0}, 3.0, 1.0, 0.0, 0.0, {{2, 2}, {7, 5}}, false, 2.000004);
    b.analise->SetTemperaturaCamada(2, 50.0);
    const TMalha &m1 = *b.camadas->GetEtapa(1)->GetMalha();
    auto campo = [](double x, double y) { return 10.0 + 2.0 * x + 3.0 * y; };
    for (int i = 1; i <= m1.GetNumNos(); ++i)
        b.analise->AdicionaPrescricoes(Lista({i}), 1, campo(m1.GetNo(i)->X, m1.GetNo(i)->Y), 0.0,
                                       2.0);
    const int nos2 = b.camadas->GetEtapa(2)->GetMalha()->GetNumNos();
    ASSERT_GT(nos2, 4 * m1.GetNumNos());
    b.analise->Executa();
    ASSERT_EQ(b.analise->GetEtapaAtual(), 2);
    const TMalha &m2 = *b.camadas->GetEtapa(2)->GetMalha();
    const TVetor &t = *b.analise->GetTemperaturas();
    int antigos = 0, novos = 0, direita = 0;
    for (int i = 1; i <= m2.GetNumNos(); ++i) {
        const double x = m2.GetNo(i)->X, y = m2.GetNo(i)->Y;
        if (y <= 1.0 + 1e-9) {
            EXPECT_NEAR(t[i], campo(x, y), 3e-5) << x << " " << y;
            ++antigos;
            direita += x == 2.000004;
        } else {
            EXPECT_NEAR(t[i], 50.0, 1e-9) << x << " " << y;
            ++novos;
        }
    }
    EXPECT_GT(antigos, 20);
    EXPECT_GT(novos, 20);
    EXPECT_GT(direita, 3);
}

TEST_F(AnaliseCamadas, HeatedBlockPlacesTheNewLayerAtItsTemperature) {
    TBloco b({1.0, 2.0}, {0.0, 2.0}, 4.0, 1.0, 2.0, 50.0, {{3, 3}, {3, 3}});
    b.analise->SetTemperaturaCamada(1, 20.0);
    b.analise->SetTemperaturaCamada(2, 30.0);
    const TMalha &m1 = *b.camadas->GetEtapa(1)->GetMalha();
    std::vector<std::array<double, 2>> pos1;
    for (int i = 1; i <= m1.GetNumNos(); ++i)
        pos1.push_back({m1.GetNo(i)->X, m1.GetNo(i)->Y});
    std::vector<std::array<int, 3>> elem1;
    for (int e = 1; e <= m1.GetNumElementos(); ++e)
        elem1.push_back({m1.GetElemento(e)->GetNo(1)->Numero, m1.GetElemento(e)->GetNo(2)->Numero,
                         m1.GetElemento(e)->GetNo(3)->Numero});
    TVetor fimEtapa1, inicioEtapa2;
    std::vector<double> noOrigem; // the value at (0, 0) after every step
    b.analise->SetOnPasso([&](TTempo &t) {
        if (t.GetTempoAtual() == 2.0)
            fimEtapa1 = *b.analise->GetTemperaturas();
        const TMalha &m = *b.camadas->GetEtapa(b.analise->GetEtapaAtual())->GetMalha();
        for (int i = 1; i <= m.GetNumNos(); ++i)
            if (m.GetNo(i)->X == 0.0 && m.GetNo(i)->Y == 0.0)
                noOrigem.push_back((*b.analise->GetTemperaturas())[i]);
    });
    b.analise->SetOnElemento([&](int e) {
        if (e == 1 && b.analise->GetTempo()->GetTempoAtual() == 3.0)
            inicioEtapa2 = *b.analise->GetTemperaturas();
    });
    b.analise->Executa();
    ASSERT_EQ(fimEtapa1.GetTamanho(), int(pos1.size()));
    const TMalha &m2 = *b.camadas->GetEtapa(2)->GetMalha();
    ASSERT_EQ(inicioEtapa2.GetTamanho(), m2.GetNumNos());
    for (int i = 1; i <= m2.GetNumNos(); ++i) {
        const double x = m2.GetNo(i)->X, y = m2.GetNo(i)->Y;
        if (y > 1.0 + 1e-9) {
            EXPECT_EQ(inicioEtapa2[i], 30.0) << x << " " << y;
        } else {
            EXPECT_GT(inicioEtapa2[i], 20.0); // heated during stage 1
            // A node where stage 1 had one carries that node's value (five decimals).
            for (std::size_t k = 0; k < pos1.size(); ++k) {
                if (pos1[k][0] == x && pos1[k][1] == y) {
                    EXPECT_NEAR(inicioEtapa2[i], fimEtapa1[int(k) + 1], 5.000001e-6);
                }
            }
        }
    }
    // Stage 1's element file: per element three nodes of value, x, y in "%10.5f", two blanks
    // after each node.
    const auto linhas = Linhas("ElementosEtapa1.res");
    ASSERT_EQ(linhas.size(), elem1.size());
    for (std::size_t e = 0; e < linhas.size(); ++e) {
        std::string esperado;
        for (int k = 0; k < 3; ++k) {
            const int no = elem1[e][std::size_t(k)];
            AppendFixo(esperado, fimEtapa1[no], 10, 5);
            AppendFixo(esperado, pos1[std::size_t(no - 1)][0], 10, 5);
            AppendFixo(esperado, pos1[std::size_t(no - 1)][1], 10, 5);
            esperado += "  ";
        }
        EXPECT_EQ(linhas[e], esperado);
        EXPECT_EQ(linhas[e].size(), 96u);
    }
    // The last stage's element file is written after the last step.
    EXPECT_EQ(Linhas("ElementosEtapa2.res").size(), std::size_t(m2.GetNumElementos()));

    // The history at a node of both meshes follows the step files (four decimals).
    ASSERT_EQ(noOrigem.size(), 4u);
    TVetor tempos, valores;
    b.analise->HistoricoNoPonto(tempos, valores, 0.0, 0.0);
    ASSERT_EQ(valores.GetTamanho(), 4);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(tempos[s], double(s));
        EXPECT_NEAR(valores[s], noOrigem[std::size_t(s - 1)], 0.5e-4 + 1e-12);
    }
    EXPECT_GT(valores[4], valores[1]);

    // A second run starts again from stage 1 (read back from its file) and repeats the first.
    const TVetor primeira = *b.analise->GetTemperaturas();
    b.analise->SetOnPasso(nullptr);
    b.analise->SetOnElemento(nullptr);
    b.analise->Executa();
    const TVetor &segunda = *b.analise->GetTemperaturas();
    ASSERT_EQ(segunda.GetTamanho(), primeira.GetTamanho());
    for (int i = 1; i <= segunda.GetTamanho(); ++i)
        EXPECT_EQ(segunda[i], primeira[i]) << i;
}

TEST_F(AnaliseCamadas, EveryDueStageChangeHappensWithinItsStep) {
    // Step 2 passes the ends of stages 1 and 2: it is computed on stage 3.
    TBloco b({1.0, 2.0, 3.0}, {0.0, 1.0, 1.5}, 4.0, 1.0, 2.0, 0.0, {{2, 2}, {3, 2}, {2, 4}});
    std::vector<int> nosEtapa;
    for (int k = 1; k <= 3; ++k)
        nosEtapa.push_back(b.camadas->GetEtapa(k)->GetMalha()->GetNumNos());
    ASSERT_NE(nosEtapa[1], nosEtapa[2]);
    const TDominio *primeira = b.camadas->GetEtapa(1);
    std::vector<int> etapas, nos;
    b.analise->SetOnPasso([&](TTempo &) {
        etapas.push_back(b.analise->GetEtapaAtual());
        nos.push_back(b.analise->GetNumNos());
        // Only the current stage holds a mesh during the run.
        for (int k = 1; k <= 3; ++k)
            if (k != b.analise->GetEtapaAtual()) {
                EXPECT_EQ(b.camadas->GetEtapa(k)->GetMalha()->GetNumNos(), 0) << k;
            }
    });
    b.analise->Executa();
    EXPECT_EQ(etapas, (std::vector<int>{1, 3, 3, 3}));
    EXPECT_EQ(nos, (std::vector<int>{nosEtapa[0], nosEtapa[2], nosEtapa[2], nosEtapa[2]}));
    EXPECT_EQ(b.analise->GetDominio(), b.camadas->GetEtapa(3));
    EXPECT_EQ(primeira->GetNumElementos(), 0);
    EXPECT_EQ(b.camadas->GetEtapa(3)->GetNumElementos(),
              b.camadas->GetEtapa(3)->GetMalha()->GetNumElementos());
}

TEST_F(AnaliseCamadas, PlacementOnAStepEndThatRoundsBelowItWaitsForTheNextStep) {
    // Steps of 0.1 over 0.9: the end of step 3 rounds above 0.3, where layer 2 is placed.
    TBloco b({1.0, 2.0}, {0.0, 0.3}, 0.9, 0.1, 2.0, 0.0, {{2, 2}, {2, 2}});
    const TTempo &t = *b.analise->GetTempo();
    ASSERT_GT(t.TempoDoPasso(3), 0.3);
    std::vector<int> etapas;
    b.analise->SetOnPasso([&](TTempo &) { etapas.push_back(b.analise->GetEtapaAtual()); });
    b.analise->Executa();
    EXPECT_EQ(etapas, (std::vector<int>{1, 1, 1, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(b.analise->EtapaDoTempo(t.TempoDoPasso(3)), 1);
    EXPECT_EQ(b.analise->EtapaDoTempo(t.TempoDoPasso(4)), 2);
    TVetor tempos, valores;
    b.analise->HistoricoNoPonto(tempos, valores, 1.0, 1.5);
    ASSERT_EQ(tempos.GetTamanho(), 6);
    EXPECT_EQ(tempos[1], t.TempoDoPasso(4));
}

TEST_F(AnaliseCamadas, OneStageBehavesAsThePlainAnalysis) {
    TBloco b({2.0}, {0.0}, 5.0, 0.5, 1.5, 80.0, {{4, 3}});
    b.analise->SetTemperaturaCamada(1, 18.0);
    auto conv = std::make_unique<TForcaExterna>();
    conv->SetTipo(TForcaExterna::kConstante);
    conv->SetTemperaturaAmbiente(25.0);
    conv->SetCoefConveccao(10.0);
    b.camadas->AdicionaForcaExternaEtapas(*conv, false, 1.0, 1.0, 1.0, 3.0); // the top edge
    ASSERT_EQ(b.camadas->GetEtapa(1)->GetForcaExterna(1)->GetArestas().GetTamanho(), 1);
    b.analise->Executa();
    const TVetor camadas = *b.analise->GetTemperaturas();

    TMalha *m = b.camadas->GetEtapa(1)->GetMalha();
    TAnalise simples(m);
    simples.GetDominio()->SetMaterial(Material(1.5));
    simples.GetDominio()->SetFonte(std::make_unique<TForcaInterna>(80.0));
    simples.GetDominio()->AdicionaForcaExternaArestas(
        *conv, b.camadas->GetEtapa(1)->GetForcaExterna(1)->GetArestas());
    TVetorInteiro todos(m->GetNumNos());
    for (int i = 1; i <= m->GetNumNos(); ++i)
        todos[i] = i;
    simples.AplicaTemperaturaInicial(todos, 18.0);
    simples.SetTempo(std::make_unique<TTempo>(0.0, 5.0, 0.5, 2.0 / 3.0));
    simples.SetSolver(std::make_unique<TGauss>());
    simples.Executa();
    const TVetor &t = *simples.GetTemperaturas();
    ASSERT_EQ(t.GetTamanho(), camadas.GetTamanho());
    for (int i = 1; i <= t.GetTamanho(); ++i)
        EXPECT_EQ(t[i], camadas[i]) << i;
    EXPECT_GT(t[1], 18.0);
    EXPECT_TRUE(std::filesystem::exists(pasta_ / "ElementosEtapa1.res"));
}

TEST_F(AnaliseCamadas, AFailingConvectionFormulaNamesItsStage) {
    TBloco b({1.0, 2.0}, {0.0, 2.0}, 4.0, 1.0, 2.0, 0.0, {{2, 2}, {2, 2}});
    TForcaExterna conv; // formula kind
    conv.SetCoefConveccao(10.0);
    conv.SetFormula(std::make_unique<TRPN>("20+T"));
    b.camadas->AdicionaForcaExternaEtapas(conv, false, 1.0, 1.5, 1.0, 3.0); // stage 2's top
    try {
        b.analise->Executa();
        ADD_FAILURE() << "the run ended";
    } catch (const Exception &e) {
        EXPECT_STREQ(e.what(), "A fórmula \"20+T\" da temperatura ambiente da carga de convecção "
                               "1 da etapa 2 não pôde ser calculada: '20+T' não é um número real "
                               "válido");
    }
}

TEST_F(AnaliseCamadas, FixedZonesAndMissingStageFiles) {
    TBloco b({1.0, 2.0}, {0.0, 2.0}, 4.0, 1.0, 2.0, 0.0, {{2, 2}, {2, 2}}, true);
    EXPECT_EQ(b.analise->SetTemperaturaInicialSubDominio(1, 33.0), b.camadas->GetSubDominio(1));
    EXPECT_EQ(b.camadas->GetSubDominio(1)->TemperaturaInicial, 33.0);
    b.analise->Executa();
    // A fixed zone starts at its own initial temperature in every stage.
    const TVetor &t = *b.analise->GetTemperaturas();
    for (int i = 1; i <= t.GetTamanho(); ++i)
        EXPECT_NEAR(t[i], 33.0, 1e-9);

    TBloco c({1.0, 2.0}, {0.0, 2.0}, 4.0, 1.0, 2.0, 0.0, {{2, 2}, {2, 2}});
    c.analise->SetTemperaturaInicialSubDominio(1, 44.0); // not fixed: unchanged
    EXPECT_EQ(c.camadas->GetSubDominio(1)->TemperaturaInicial, 0.0);
    std::filesystem::remove(pasta_ / "MalhaEtapa2.res");
    try {
        c.analise->Executa();
        FAIL();
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("MalhaEtapa2.res"), std::string::npos);
    }
}

TEST_F(AnaliseCamadas, HistoryAfterAStepPastTwoStageEndsReadsTheStageTheRunUsed) {
    // Step 2 passes the ends of stages 1 and 2: the history reads each step file with the mesh
    // the run computed it on.
    TBloco b({1.0, 2.0, 3.0}, {0.0, 1.0, 1.5}, 4.0, 1.0, 2.0, 40.0, {{2, 2}, {3, 3}, {4, 5}});
    b.analise->SetTemperaturaCamada(1, 10.0);
    b.analise->SetTemperaturaCamada(2, 20.0);
    b.analise->SetTemperaturaCamada(3, 30.0);
    std::vector<double> esperado; // the value at (1, 0.5) on the mesh of every step
    b.analise->SetOnPasso([&](TTempo &) {
        TDominio *d = b.analise->GetDominio();
        for (int e = 1; e <= d->GetNumElementos(); ++e) {
            TElementoTriangular *el = d->GetElemento(e);
            if (!el->ContemPonto(1.0, 0.5))
                continue;
            double v[3];
            for (int i = 1; i <= 3; ++i)
                v[i - 1] = (*b.analise->GetTemperaturas())[el->GetNo(i)->Numero];
            esperado.push_back(el->Interpola(v, 1.0, 0.5));
            break;
        }
    });
    b.analise->Executa();
    ASSERT_EQ(esperado.size(), 4u);
    TVetor tempos, valores;
    b.analise->HistoricoNoPonto(tempos, valores, 1.0, 0.5);
    ASSERT_EQ(valores.GetTamanho(), 4);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(tempos[s], double(s));
        EXPECT_NEAR(valores[s], esperado[std::size_t(s - 1)], 0.5e-4 + 1e-9) << s;
    }
}

TEST_F(AnaliseCamadas, ElementArraysKeptBetweenStepsEqualFreshOnesOnEveryStage) {
    // Two stages of different meshes, a source that grows with age from each layer's placement
    // and a conductivity changed halfway through.
    TBloco b({1.0, 2.0}, {0.0, 24.0}, 60.0, 6.0, 2.0, 0.0, {{4, 2}, {6, 3}});
    TDominio *zona = b.camadas->GetSubDominio(1);
    zona->SetFonte(TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0));
    TEspiaTheta<TAnaliseCamadas> a(b.camadas.get());
    a.SetTempo(std::make_unique<TTempo>(0.0, 60.0, 6.0, 2.0 / 3.0));
    a.SetSolver(std::make_unique<TGauss>());
    std::vector<int> elementosPorEtapa(3, 0);
    a.ver = [&](int e, const TMatrizElemento &K, const TMatrizElemento &C,
                const TVetorElemento &F) {
        TMatrizElemento K2(3), C2(3);
        TVetorElemento F2(3), T2(3);
        a.GetElemento(e, 0)->MatrizesTermicas(*a.FonteDoElemento(e), *a.GetTempo(),
                                              *a.MaterialDoElemento(e), K2, C2, F2, T2);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(F[i], F2[i]) << "element " << e << " at " << a.GetTempo()->GetTempoAtual();
            for (int j = 1; j <= 3; ++j) {
                ASSERT_EQ(K(i, j), K2(i, j));
                ASSERT_EQ(C(i, j), C2(i, j));
            }
        }
        ++elementosPorEtapa[std::size_t(a.GetEtapaAtual())];
    };
    a.SetOnPasso([&](TTempo &t) {
        if (t.GetTempoAtual() == 36.0)
            zona->GetMaterial()->SetKx(3.1);
    });
    a.Executa();
    EXPECT_GT(elementosPorEtapa[1], 0);
    EXPECT_GT(elementosPorEtapa[2], 0);
}

TEST_F(AnaliseCamadas, EveryLayerHeatsFromItsOwnPlacement) {
    auto fonte = [] { return TForcaInterna::CreateModelo(4.0, 0.45, 0.085, 250, 0); };
    // Temperature at (x, y) after every step on the mesh of that step; layer k is probed at
    // mid-height, (L / 2, k - 1/2).
    auto sonda = [](TAnaliseCamadas &a, int camadas, double L,
                    std::vector<std::vector<double>> &v) {
        v.assign(std::size_t(camadas), {});
        a.SetOnPasso([&a, &v, camadas, L](TTempo &) {
            TDominio *d = a.GetDominio();
            for (int k = 1; k <= camadas; ++k)
                for (int e = 1; e <= d->GetNumElementos(); ++e) {
                    TElementoTriangular *el = d->GetElemento(e);
                    if (!el->ContemPonto(L / 2, k - 0.5))
                        continue;
                    double t[3];
                    for (int i = 1; i <= 3; ++i)
                        t[i - 1] = (*a.GetTemperaturas())[el->GetNo(i)->Numero];
                    v[std::size_t(k - 1)].push_back(el->Interpola(t, L / 2, k - 0.5));
                    break;
                }
        });
    };

    // No conduction, no convection: every layer follows the adiabatic rise from its placement
    // (the rise of one block placed whole at 0 with the same source).
    const double tf = 96.0, dt = 2.0;
    TBloco ref({1.0}, {0.0}, tf, dt, 1e-9, 0.0, {{2, 16}});
    ref.camadas->GetSubDominio(1)->SetFonte(fonte());
    std::vector<std::vector<double>> subida;
    sonda(*ref.analise, 1, 2.0, subida);
    ref.analise->Executa();
    ASSERT_GT(subida[0].back(), 30.0);

    const std::vector<double> inicios{0.0, 24.0, 48.0}, colocacao{10.0, 20.0, 30.0};
    TBloco b({1.0, 2.0, 3.0}, inicios, tf, dt, 1e-9, 0.0, {{2, 16}, {2, 32}, {2, 48}});
    b.camadas->GetSubDominio(1)->SetFonte(fonte());
    for (int k = 1; k <= 3; ++k)
        b.analise->SetTemperaturaCamada(k, colocacao[std::size_t(k - 1)]);
    std::vector<std::vector<double>> camada;
    sonda(*b.analise, 3, 2.0, camada);
    b.analise->Executa();
    for (std::size_t k = 0; k < 3; ++k) {
        const std::size_t antes = std::size_t(std::lround(inicios[k] / dt));
        ASSERT_EQ(camada[k].size() + antes, subida[0].size()) << k;
        for (std::size_t s = 0; s < camada[k].size(); ++s)
            ASSERT_NEAR(camada[k][s] - colocacao[k], subida[0][s], 1e-4)
                << "layer " << k + 1 << " age " << (s + 1) * dt;
    }

    // Four layers on a fixed foundation without a source, placed 72 h apart, convection on
    // every outer edge: the layers heat alike.
    auto base = Poligono({{0, -1}, {4, -1}, {4, 0}, {0, 0}}, true);
    auto concreto = Poligono({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, false);
    auto todo = Poligono({{0, -1}, {4, -1}, {4, 4}, {0, 4}}, false);
    TVetor elevacoes;
    for (double e : {1.0, 2.0, 3.0, 4.0})
        elevacoes.Adiciona(e);
    TCamadas c(*todo->GetMalha(), elevacoes);
    c.DefineCamadas({base.get(), concreto.get()});
    for (int k = 1; k <= 4; ++k) {
        c.SetNx(8);
        c.SetNy(2 * (k + 1));
        c.SalvaMalhaEtapa(k, TConfiguracaoMalha());
        c.GetEtapa(k)->SetInstanteInicial(72.0 * (k - 1));
        c.GetEtapa(k)->SetInstanteFinal(72.0 * k);
    }
    for (int z = 1; z <= c.GetNumZonas(); ++z) {
        TDominio *zona = c.GetSubDominio(z);
        zona->SetMaterial(Material(2.0));
        if (zona->Fixo)
            zona->SetTemperaturaInicial(20.0);
        else
            zona->SetFonte(fonte());
    }
    TForcaExterna ar;
    ar.SetTipo(TForcaExterna::kConstante);
    ar.SetTemperaturaAmbiente(20.0);
    ar.SetCoefConveccao(12.0);
    c.AdicionaForcaExternaEtapas(ar, true, -1.0, 5.0, 5.0, -2.0);
    TAnaliseCamadas a(&c);
    for (int k = 1; k <= 4; ++k)
        a.SetTemperaturaCamada(k, 20.0);
    a.SetTempo(std::make_unique<TTempo>(0.0, 288.0, 4.0, 2.0 / 3.0));
    a.SetSolver(std::make_unique<TGauss>());
    std::vector<std::vector<double>> historico;
    sonda(a, 4, 4.0, historico);
    a.Executa();
    std::vector<double> picos;
    for (const auto &h : historico)
        picos.push_back(*std::max_element(h.begin(), h.end()));
    EXPECT_GT(picos[0], 35.0);
    EXPECT_LT(*std::max_element(picos.begin(), picos.end()) -
                  *std::min_element(picos.begin(), picos.end()),
              5.0)
        << picos[0] << " " << picos[1] << " " << picos[2] << " " << picos[3];
}
