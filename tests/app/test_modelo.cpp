// The model's life cycle and its receivers in single and layered mode, with no, one and two
// subdomains.
#include "support_modelo.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

TEST_F(ModeloTeste, NewDomainIsMeshedWithBothAnalysesAndAFlatOneIsRefused) {
    CriaRetangulo();
    ASSERT_TRUE(modelo->TemMalha());
    EXPECT_GT(modelo->FMalha->GetNumElementos(), 0);
    ASSERT_TRUE(modelo->TemAnalise());
    EXPECT_EQ(modelo->FAnalise->GetNumNos(), modelo->FMalha->GetNumNos());
    EXPECT_EQ(Estado().FTemperaturasIniciais, &modelo->FAnalise->GetVetorTemperaturasIniciais());
    TMalha *antes = modelo->FMalha;

    const std::vector<TNo> reta = {{1, 0, 0}, {2, 1, 0}, {3, 2, 0}};
    EXPECT_THROW(modelo->CriaDominio(reta), Exception);
    EXPECT_EQ(modelo->FMalha, antes);
    EXPECT_TRUE(modelo->TemAnalise());
}

TEST_F(ModeloTeste, ReceiversWithoutSubdomainFillTheDomainsOfBothAnalyses) {
    TFatoresUnidades f;
    f.Condutividade = 2.0;
    f.Energia = 3.0;
    f.Tempo = 24.0;
    f.Comprimento = 0.01;
    modelo->AtualizaFatoresUnidades(f);
    // Before a model exists nothing is touched.
    modelo->AplicaMaterial(*Concreto());
    modelo->AplicaTempo(TTempo(0, 1, 0.5, 0.5));
    EXPECT_FALSE(modelo->TemAnalise());

    CriaRetangulo();
    modelo->AplicaMaterial(*Concreto(25.0));
    EXPECT_DOUBLE_EQ(modelo->FAnalise->GetDominio()->GetMaterial()->GetKx(), 4.0);
    EXPECT_DOUBLE_EQ(modelo->FAnaliseTensional->GetDominio().GetMaterial()->GetEConstanteValor(),
                     25.0);
    EXPECT_NE(modelo->FAnalise->GetDominio()->GetMaterial(),
              modelo->FAnaliseTensional->GetDominio().GetMaterial());
    EXPECT_EQ(modelo->SubDominioAtual(), nullptr);

    modelo->AplicaForcaInterna(TForcaInterna(5.0));
    EXPECT_DOUBLE_EQ(modelo->FAnalise->GetDominio()->GetFonte()->GetValor(), 15.0);

    modelo->AplicaTempo(TTempo(0, 10, 1, 0.5));
    EXPECT_DOUBLE_EQ(modelo->FAnalise->GetTempo()->GetTempoFinal(), 240.0);
    modelo->AplicaTempoTensional(TTempo(0, 2, 1, 0.5));
    EXPECT_DOUBLE_EQ(modelo->FAnaliseTensional->GetTempo().GetTempoFinal(), 48.0);

    TGradiente solver(500, 1e-6);
    modelo->AplicaSolver(solver, false);
    EXPECT_NE(dynamic_cast<TGauss *>(modelo->FAnalise->GetSolver()), nullptr);
    EXPECT_NE(dynamic_cast<TGauss *>(modelo->FAnaliseTensional->GetSolver()), nullptr);
    modelo->AplicaSolver(solver, true);
    EXPECT_EQ(dynamic_cast<TGauss *>(modelo->FAnalise->GetSolver()), nullptr);
    EXPECT_EQ(modelo->FAnalise->GetSolver()->GetMaxIteracoes(), 500);

    // Node data need captured nodes.
    modelo->AplicaCondicoesIniciais(30.0);
    EXPECT_EQ(modelo->FAnalise->GetVetorTemperaturasIniciais()[1], 0.0);
    modelo->FNosSelecionados = Lista({1, 2});
    modelo->AplicaCondicoesIniciais(30.0);
    EXPECT_EQ(modelo->FAnalise->GetVetorTemperaturasIniciais()[1], 30.0);
    EXPECT_EQ(modelo->FAnalise->GetVetorTemperaturasIniciais()[3], 0.0);
    modelo->AplicaPrescricoes(40.0, 0.0, 2.0);
    ASSERT_EQ(modelo->FAnalise->GetNumPrescricoes(), 1);
    EXPECT_DOUBLE_EQ(modelo->FAnalise->GetPrescricao(1)->Fim, 48.0);
    EXPECT_EQ(modelo->FAnalise->GetPrescricao(1)->Nos.GetTamanho(), 2);

    modelo->AplicaVinculos(false, false, true, 0.0, 0.0);
    ASSERT_NE(modelo->FAnaliseTensional->GetApoios(1), nullptr);
    // Both directions restrained: two entries per node.
    EXPECT_EQ(modelo->FAnaliseTensional->GetApoios(1)->Nos.GetTamanho(), 4);

    modelo->FArestasSelecionadas = Lista({1});
    TForcaExterna conveccao;
    conveccao.SetTipo(TForcaExterna::kConstante);
    conveccao.SetCoefConveccao(10.0);
    modelo->AplicaForcaExterna(conveccao);
    ASSERT_EQ(modelo->FAnalise->GetDominio()->GetNumForcasExternas(), 1);
    EXPECT_EQ(modelo->FAnalise->GetDominio()->GetForcaExterna(1)->GetArestas().GetTamanho(), 1);

    TForcaTensional q;
    q.SetQy1(2.0);
    q.SetQy2(2.0);
    modelo->AplicaForcaDistribuida(q);
    ASSERT_EQ(modelo->FAnaliseTensional->GetDominio().GetNumForcasTensionais(), 1);
    const TForcaTensional &instalada =
        *modelo->FAnaliseTensional->GetDominio().GetForcaTensional(1);
    EXPECT_DOUBLE_EQ(instalada.GetQy1(), 200.0); // force per length: / 0.01

    // The own weight is one load, kept over a new model and let go with the model.
    modelo->AplicaGravidade(true);
    modelo->LiberaModelo();
    ASSERT_EQ(Estado().FPesoProprio, modelo->PesoProprio());
    EXPECT_EQ(Estado().FPesoProprio->GetAtiva(), 1);
    CriaRetangulo();

    // Creep: the stress domain holds the law and creep counts until the dialog is cancelled.
    TFluencia lei;
    lei.SetTipo(TFluencia::kModuloEfetivo);
    lei.SetCoefFluencia(2.0);
    modelo->AplicaFluencia(&lei);
    ASSERT_NE(modelo->FAnaliseTensional->GetDominio().GetFluencia(), nullptr);
    EXPECT_TRUE(Estado().FluenciaAtiva);
    modelo->AplicaFluencia(nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetDominio().GetFluencia(), nullptr);
    EXPECT_FALSE(Estado().FluenciaAtiva);
    // Shrinkage has no place in single mode: refused, and a cancelled dialog is no error.
    TRetracao r;
    EXPECT_THROW(modelo->AplicaRetracao(&r), Exception);
    modelo->AplicaRetracao(nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetRetracaoCamada(1), nullptr);

    modelo.reset();
    EXPECT_EQ(Estado().FPesoProprio, nullptr);
}

TEST_F(ModeloTeste, OneAndTwoSubdomainsReceiveTheCurrentOnesData) {
    CriaRetangulo();
    EXPECT_EQ(modelo->AdicionaSubDominio({1, 2}), 0);    // too few vertices
    EXPECT_EQ(modelo->AdicionaSubDominio({1, 2, 9}), 0); // no vertex 9
    EXPECT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    EXPECT_EQ(modelo->FSubDominioAtual, 1);
    ASSERT_EQ(modelo->FAnalise->GetNumSubDominios(), 1);
    ASSERT_EQ(modelo->FAnaliseTensional->GetNumSubDominios(), 1);
    // The analyses hold their own object, not the list's.
    EXPECT_NE(modelo->FAnalise->GetSubDominio(1), modelo->GetSubDominio(1));
    EXPECT_EQ(modelo->FAnalise->GetSubDominio(1), modelo->FAnaliseTensional->GetSubDominio(1));

    // With one subdomain, both the domain and the subdomain get the material and the source.
    modelo->AplicaMaterial(*Concreto(20.0));
    modelo->AplicaForcaInterna(TForcaInterna(7.0));
    TDominio *s1 = modelo->FAnalise->GetSubDominio(1);
    ASSERT_NE(s1->GetMaterial(), nullptr);
    EXPECT_DOUBLE_EQ(s1->GetMaterial()->GetEConstanteValor(), 20.0);
    EXPECT_DOUBLE_EQ(s1->GetFonte()->GetValor(), 7.0);
    EXPECT_DOUBLE_EQ(modelo->FAnalise->GetDominio()->GetMaterial()->GetEConstanteValor(), 20.0);

    EXPECT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
    EXPECT_EQ(modelo->FSubDominioAtual, 2);
    modelo->AplicaMaterial(*Concreto(40.0));
    TFluencia lei;
    lei.SetCoefFluencia(1.5);
    modelo->AplicaFluencia(&lei);
    TDominio *s2 = modelo->FAnalise->GetSubDominio(2);
    EXPECT_DOUBLE_EQ(s2->GetMaterial()->GetEConstanteValor(), 40.0);
    EXPECT_DOUBLE_EQ(s1->GetMaterial()->GetEConstanteValor(), 20.0);
    EXPECT_NE(s2->GetFluencia(), nullptr);
    EXPECT_EQ(s1->GetFluencia(), nullptr);
    // Cancelling the creep dialog clears the domain's law; subdomain 2 keeps creep on.
    modelo->AplicaFluencia(nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetDominio().GetFluencia(), nullptr);
    EXPECT_TRUE(Estado().FluenciaAtiva);

    // A subdomain whose edges all lie on interior domain edges is not the case here.
    EXPECT_FALSE(modelo->GetSubDominio(1)->GetMalha()->ConsideraInternas);

    // Re-meshing rebuilds the analysis-side subdomains: the data are gone, the subdomains stay.
    ASSERT_TRUE(modelo->RefazMalha());
    ASSERT_EQ(modelo->FAnalise->GetNumSubDominios(), 2);
    EXPECT_EQ(modelo->FAnalise->GetSubDominio(2)->GetFluencia(), nullptr);
    EXPECT_FALSE(Estado().FluenciaAtiva);

    // Freed subdomains receive nothing more, and a new one goes in as number 1.
    modelo->LiberaSubDominios();
    EXPECT_EQ(modelo->SubDominioAtual(), nullptr);
    modelo->AplicaMaterial(*Concreto(50.0));
    EXPECT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    EXPECT_NE(modelo->SubDominioAtual(), nullptr);
}

TEST_F(ModeloTeste, LayeredModelStagesAndReceivers) {
    CriaRetangulo();
    // Rows below the domain or without rows: nothing happens.
    EXPECT_FALSE(modelo->CriaCamadas({}));
    const std::vector<TLinhaCamada> linhas = {{1.0, 0.0, 25.0}, {2.0, 48.0, 22.0}};

    // Without subdomains there would be no zones: refused.
    EXPECT_THROW(modelo->CriaCamadas(linhas), Exception);
    EXPECT_FALSE(modelo->Camadas());

    // With two subdomains the current layer receives.
    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
    ASSERT_TRUE(modelo->CriaCamadas(linhas));
    TCamadas &c = *modelo->FCamadas;
    ASSERT_EQ(c.GetNumEtapas(), 2);
    ASSERT_EQ(c.GetNumZonas(), 2);
    EXPECT_DOUBLE_EQ(c.GetEtapa(1)->InstanteInicial, 0.0);
    EXPECT_DOUBLE_EQ(c.GetEtapa(1)->InstanteFinal, 48.0);
    EXPECT_DOUBLE_EQ(c.GetEtapa(2)->InstanteInicial, 48.0);
    ASSERT_NE(dynamic_cast<TAnaliseCamadas *>(modelo->FAnalise.get()), nullptr);
    ASSERT_NE(dynamic_cast<TAnaliseCamadasTensional *>(modelo->FAnaliseTensional.get()), nullptr);
    auto &termica = static_cast<TAnaliseCamadas &>(*modelo->FAnalise);
    EXPECT_DOUBLE_EQ(termica.GetTemperaturaCamada(2), 22.0);

    modelo->FMaterialAtual = 2;
    modelo->AplicaMaterial(*Concreto(33.0));
    modelo->AplicaForcaInterna(TForcaInterna(4.0));
    EXPECT_DOUBLE_EQ(c.GetSubDominio(2)->GetMaterial()->GetEConstanteValor(), 33.0);
    EXPECT_DOUBLE_EQ(c.GetSubDominio(2)->GetFonte()->GetValor(), 4.0);
    modelo->AplicaCondicoesIniciais(18.0);
    EXPECT_DOUBLE_EQ(c.GetSubDominio(2)->TemperaturaInicial, 18.0);
    TFluencia lei;
    modelo->AplicaFluencia(&lei);
    TRetracao r;
    modelo->AplicaRetracao(&r);
    EXPECT_NE(modelo->FAnaliseTensional->GetFluenciaCamada(2), nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetFluenciaCamada(1), nullptr);
    EXPECT_NE(modelo->FAnaliseTensional->GetRetracaoCamada(2), nullptr);
    EXPECT_TRUE(Estado().FluenciaAtiva);
    modelo->AplicaFluencia(nullptr);
    modelo->AplicaRetracao(nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetFluenciaCamada(2), nullptr);
    EXPECT_EQ(modelo->FAnaliseTensional->GetRetracaoCamada(2), nullptr);
    EXPECT_FALSE(Estado().FluenciaAtiva);

    // Initial strains go to the layers the rows name, no further.
    modelo->AplicaDeformacaoInicial({{true, 1e-4, 2e-4}, {false, 0, 0}, {true, 5, 5}});
    auto &tensional = static_cast<TAnaliseCamadasTensional &>(*modelo->FAnaliseTensional);
    EXPECT_TRUE(tensional.GetTemDeformacaoInicial(1));
    EXPECT_DOUBLE_EQ(tensional.GetDeformacaoInicialY(1), 2e-4);
    EXPECT_FALSE(tensional.GetTemDeformacaoInicial(2));

    // Supports in layered mode go to the current stage and empty the node list.
    modelo->FNosSelecionados = Lista({1});
    modelo->AplicaVinculos(true, false, true, 0.0, 0.0);
    EXPECT_NE(modelo->FAnaliseTensional->GetApoios(1), nullptr);
    EXPECT_EQ(modelo->FNosSelecionados.GetTamanho(), 0);

    // A missing stage, layer or node list never gets indexed.
    modelo->FEtapaAtual = 7;
    modelo->FMaterialAtual = 9;
    TForcaExterna conv;
    modelo->AplicaForcaExterna(conv);
    modelo->AplicaForcaDistribuida(TForcaTensional());
    modelo->AplicaMaterial(*Concreto());
    modelo->AplicaFluencia(&lei);
    EXPECT_EQ(modelo->FAnaliseTensional->GetFluenciaCamada(9), nullptr);
}

TEST_F(ModeloTeste, LayersTwiceAfterStageMeshesAndLayeredRemesh) {
    CriaRetangulo();
    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_EQ(modelo->AdicionaSubDominio({2, 3, 4, 5}), 2);
    const std::vector<TLinhaCamada> linhas = {{1.0, 0.0, 25.0}, {2.0, 24.0, 20.0}};
    ASSERT_TRUE(modelo->CriaCamadas(linhas));
    for (int k = 1; k <= 2; ++k)
        modelo->FCamadas->SalvaMalhaEtapa(k, TConfiguracaoMalha());
    modelo->FMalha = modelo->FCamadas->GetEtapa(2)->GetMalha();
    modelo->DesenhaMalha();

    // The second layers command starts again from the domain mesh.
    const int nosDominio = modelo->MalhaDominio()->GetNumNos();
    ASSERT_TRUE(modelo->CriaCamadas({{0.5, 0.0, 25.0}, {1.0, 12.0, 21.0}, {2.0, 36.0, 19.0}}));
    EXPECT_EQ(modelo->FMalha, modelo->MalhaDominio());
    EXPECT_EQ(modelo->MalhaDominio()->GetNumNos(), nosDominio);
    EXPECT_EQ(modelo->FCamadas->GetNumEtapas(), 3);
    EXPECT_EQ(modelo->FNumEtapas, 3);
    modelo->DesenhaMalha();

    // Layered re-mesh: the current stage is meshed and becomes current; new staged analyses
    // keep the placement temperatures.
    modelo->FEtapaAtual = 2;
    ASSERT_TRUE(modelo->RefazMalha());
    EXPECT_EQ(modelo->FMalha, modelo->FCamadas->GetEtapa(2)->GetMalha());
    EXPECT_GT(modelo->FMalha->GetNumElementos(), 0);
    auto *termica = dynamic_cast<TAnaliseCamadas *>(modelo->FAnalise.get());
    ASSERT_NE(termica, nullptr);
    EXPECT_DOUBLE_EQ(termica->GetTemperaturaCamada(3), 19.0);
    ASSERT_NE(dynamic_cast<TAnaliseCamadasTensional *>(modelo->FAnaliseTensional.get()), nullptr);

    // Mesh settings in layered mode reach every stage and keep the current stage's mesh.
    TAjustesMalha ajustes = modelo->AjustesMalha();
    ajustes.Nx = 5;
    modelo->LeConfiguracaoMalha(ajustes, modelo->Desenho);
    EXPECT_EQ(modelo->FCamadas->GetEtapa(1)->GetMalha()->Nx, 5);
    EXPECT_EQ(modelo->FMalha, modelo->FCamadas->GetEtapa(2)->GetMalha());
    modelo->FPlotCamadas->DesenhaLegendaEtapas(2);
    canvas.Termina();
    if (const char *dir = std::getenv("DARV_PNG_DIR"))
        imagem.save(QString::fromLocal8Bit(dir) + "/modelo_camadas.png");
}

TEST_F(ModeloTeste, ANewModelFreesEverythingOfThePreviousOne) {
    CriaRetangulo();
    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_TRUE(modelo->CriaCamadas({{1.0, 0.0, 25.0}, {2.0, 24.0, 20.0}}));
    modelo->FNosSelecionados = Lista({1, 2});
    TFluencia lei;
    modelo->AplicaFluencia(&lei);

    const std::vector<TNo> v = {{1, 0, 0}, {2, 3, 0}, {3, 3, 3}, {4, 0, 3}};
    modelo->CriaDominio(v);
    EXPECT_FALSE(modelo->Camadas());
    EXPECT_EQ(modelo->FCamadas, nullptr);
    EXPECT_EQ(modelo->FPlotCamadas, nullptr);
    EXPECT_EQ(modelo->GetNumSubDominios(), 0);
    EXPECT_EQ(modelo->FAnalise->GetNumSubDominios(), 0);
    EXPECT_EQ(modelo->FNosSelecionados.GetTamanho(), 0);
    EXPECT_EQ(modelo->FNumEtapas, 0);
    EXPECT_FALSE(Estado().FluenciaAtiva);
    EXPECT_EQ(Estado().FTemperaturasIniciais, &modelo->FAnalise->GetVetorTemperaturasIniciais());
    EXPECT_EQ(dynamic_cast<TAnaliseCamadas *>(modelo->FAnalise.get()), nullptr);
    modelo->AplicaMaterial(*Concreto());
    modelo->DesenhaMalha();

    // Opening a domain file frees the analyses too; it is not meshed.
    const std::string arquivo = pasta.Arquivo("d.txt");
    std::ofstream(arquivo) << "[coordenadas de vertices]\n3\n0 0\n2 0\n0 2\n"
                              "[conectividade arestas]\n3\n1 2 0\n2 3 0\n3 1 0\n";
    modelo->AbreDominio(arquivo);
    EXPECT_FALSE(modelo->TemAnalise());
    EXPECT_EQ(modelo->FMalha->GetNumVertices(), 3);
    EXPECT_EQ(Estado().FTemperaturasIniciais, nullptr);
    modelo->LiberaModelo();
    EXPECT_FALSE(modelo->TemMalha());
    modelo->DesenhaMalha();
}

} // namespace

namespace {

// Counts the progress display's openings and closings; can fail at a given step.
class TProgressoGravado : public IProgressoModelo {
public:
    void Abre(const std::string &t) override { Titulos.push_back(t), ++Abertos; }
    void DefineFaixa(int n) override { Faixa = n; }
    void Avanca() override {
        if (++Passos == FalhaNoPasso)
            throw Exception("falha no passo");
    }
    void Fecha() override { ++Fechados; }
    std::vector<std::string> Titulos;
    int Abertos = 0, Fechados = 0, Faixa = 0, Passos = 0, FalhaNoPasso = 0;
};

TEST_F(ModeloTeste, ProgressClosesOnEveryPathAndAFailedMeshLeavesNoAnalysis) {
    TProgressoGravado p;
    modelo->Progresso = &p;
    CriaRetangulo();
    EXPECT_EQ(p.Titulos, std::vector<std::string>({"Gerando Malha..."}));
    EXPECT_EQ(p.Fechados, 1);
    EXPECT_GT(p.Passos, 0);
    EXPECT_GT(p.Faixa, 0);

    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 5, 6}), 1);
    ASSERT_TRUE(modelo->CriaCamadas({{1.0, 0.0, 20.0}, {2.0, 10.0, 20.0}}));
    EXPECT_EQ(p.Titulos.back(), "Gerando Subdomínios...");
    EXPECT_EQ(p.Abertos, p.Fechados);

    p.Passos = 0;
    p.FalhaNoPasso = 1;
    EXPECT_THROW(modelo->CriaCamadas({{1.0, 0.0, 20.0}}), Exception);
    EXPECT_EQ(p.Abertos, p.Fechados);
    EXPECT_FALSE(modelo->TemAnalise());

    const std::vector<TNo> v = {{1, 0, 0}, {2, 3, 0}, {3, 3, 3}, {4, 0, 3}};
    // The generator reports a failed step and goes on with the next.
    p.Passos = 0;
    modelo->CriaDominio(v);
    EXPECT_EQ(p.Abertos, p.Fechados);
    EXPECT_FALSE(mensagens.Textos.empty());
    modelo->DesenhaMalha();
    p.FalhaNoPasso = 0;
    EXPECT_TRUE(modelo->RefazMalha());
    EXPECT_TRUE(modelo->TemAnalise());
    EXPECT_EQ(modelo->FAnalise->GetNumNos(), modelo->FMalha->GetNumNos());
    modelo->Progresso = nullptr;
}

TEST_F(ModeloTeste, SubdomainOnInteriorEdgesTakesThemIntoAccount) {
    const std::string arquivo = pasta.Arquivo("interno.txt");
    std::ofstream(arquivo) << "[coordenadas de vertices]\n8\n0 0\n4 0\n4 4\n0 4\n"
                              "1 1\n3 1\n3 3\n1 3\n"
                              "[conectividade arestas]\n8\n1 2 0\n2 3 0\n3 4 0\n4 1 0\n"
                              "5 6 1\n6 7 1\n7 8 1\n8 5 1\n";
    modelo->AbreDominio(arquivo);
    ASSERT_TRUE(modelo->RefazMalha());
    ASSERT_EQ(modelo->AdicionaSubDominio({5, 6, 7, 8}), 1);
    const TMalha &dentro = *modelo->GetSubDominio(1)->GetMalha();
    EXPECT_TRUE(dentro.ConsideraInternas);
    for (int a = 1; a <= dentro.GetNumArestas(); ++a)
        EXPECT_TRUE(dentro.GetAresta(a)->Interna);
    // The analyses' copy carries the same flags.
    EXPECT_TRUE(modelo->FAnalise->GetSubDominio(1)->GetMalha()->ConsideraInternas);

    ASSERT_EQ(modelo->AdicionaSubDominio({1, 2, 6, 5}), 2);
    EXPECT_FALSE(modelo->GetSubDominio(2)->GetMalha()->ConsideraInternas);
    EXPECT_EQ(modelo->FNosSelecionados.GetTamanho(), 0);
}

} // namespace

// The solver in force, the dialog's own until it is confirmed, reaches every new analysis.
TEST_F(ModeloTeste, EveryNewAnalysisTakesTheSolverInForce) {
    const struct {
        int iteracoes; // 0: nothing confirmed
        bool gradiente;
        int esperadas; // 0: direct solver
    } casos[] = {{0, true, 100}, {500, true, 500}, {300, false, 0}};
    for (const auto &c : casos) {
        if (c.iteracoes > 0)
            modelo->AplicaSolver(TGradiente(c.iteracoes, 1e-6), c.gradiente);
        CriaRetangulo();
        for (int vez = 0; vez < 2; ++vez) {
            for (TGradiente *s :
                 {modelo->FAnalise->GetSolver(), modelo->FAnaliseTensional->GetSolver()}) {
                ASSERT_NE(s, nullptr) << c.iteracoes;
                EXPECT_EQ(dynamic_cast<TGauss *>(s) != nullptr, c.esperadas == 0);
                if (c.esperadas > 0) {
                    EXPECT_EQ(s->GetMaxIteracoes(), c.esperadas);
                }
            }
            ASSERT_TRUE(modelo->RefazMalha());
        }
    }
}
