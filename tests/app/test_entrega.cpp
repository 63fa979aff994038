// The hand-over: the example block opened and meshed, its data given through the receivers,
// both analyses run from code. A block held at every node and warmed uniformly cannot move,
// so its stress is the thermal strain times the user's modulus.
#include "support_modelo.h"

#include <cmath>

namespace {

class Entrega : public ModeloTeste {
protected:
    // Mean x stress of the restrained block after warming from 20 to 30 degrees.
    double TensaoBloco(double e, double alfa, double nu, bool comFluencia) {
        modelo->AbreDominio(std::string(DARV_SOURCE_DIR) + "/examples/bloco.txt");
        EXPECT_TRUE(modelo->RefazMalha());
        const int n = modelo->FMalha->GetNumNos();
        modelo->AplicaMaterial(*Concreto(e, alfa, nu));
        if (comFluencia) {
            TFluencia lei;
            lei.SetTipo(TFluencia::kModuloEfetivo);
            lei.SetCoefFluencia(0.0);
            lei.SetTempoFluencia(24.0);
            modelo->AplicaFluencia(&lei);
        }
        modelo->AplicaTempo(TTempo(0.0, 48.0, 24.0, 2.0 / 3.0));
        modelo->AplicaTempoTensional(TTempo(0.0, 48.0, 24.0, 2.0 / 3.0));
        modelo->AplicaSolver(TGauss(), false);
        TVetorInteiro todos;
        for (int k = 1; k <= n; ++k)
            todos.Adiciona(k);
        modelo->FNosSelecionados = todos;
        modelo->AplicaCondicoesIniciais(20.0);
        modelo->AplicaPrescricoes(30.0, 0.0, 48.0);
        modelo->AplicaVinculos(false, false, true, 0.0, 0.0);

        modelo->FAnalise->Executa();
        EXPECT_NEAR(Estado().TemperaturaMaxima, 30.0, 1e-9);
        modelo->FAnaliseTensional->Executa();
        const TVetor &s = modelo->FAnaliseTensional->GetTensoes();
        const int ne = modelo->FMalha->GetNumElementos();
        EXPECT_EQ(s.GetTamanho(), 3 * ne);
        double soma = 0.0;
        for (int i = 1; i <= ne; ++i) {
            // Uniform field: every element the same, x and y alike, no shear.
            EXPECT_NEAR(s[3 * i - 2], s[1], 1e-9 * std::abs(s[1]));
            EXPECT_NEAR(s[3 * i - 1], s[3 * i - 2], 1e-9 * std::abs(s[1]));
            EXPECT_NEAR(s[3 * i], 0.0, 1e-9 * std::abs(s[1]));
            soma += s[3 * i - 2];
        }
        return soma / ne;
    }
};

TEST_F(Entrega, RestrainedBlockStressFollowsModulusAndExpansion) {
    const double base = TensaoBloco(30.0, 1e-5, 0.2, true);
    EXPECT_TRUE(Estado().FluenciaAtiva);
    // Compression of E alpha dT / (1 - 2 nu), in MPa (E in GPa, alpha per degree).
    const double esperado = -30.0e3 * 1e-5 * 10.0 / (1.0 - 2.0 * 0.2);
    EXPECT_NEAR(base, esperado, 1e-6 * std::abs(esperado)) << base;

    const double metadeDoModulo = TensaoBloco(15.0, 1e-5, 0.2, false);
    EXPECT_NEAR(metadeDoModulo, base / 2.0, 1e-6 * std::abs(base));
    const double dobroDaDilatacao = TensaoBloco(30.0, 2e-5, 0.2, false);
    EXPECT_NEAR(dobroDaDilatacao, 2.0 * base, 1e-6 * std::abs(base));
}

} // namespace
