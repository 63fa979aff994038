#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "uEstadoInterface.h"
#include "uMatematica.h"
#include "uPlataforma.h"

namespace {

// Memory tool whose free memory grows by what a release gives back.
class FakeMemoria : public IInformacoesSistema {
public:
    int livre = 0, ganho = 0;
    bool falha = false;
    std::vector<int> liberacoes;
    int MemoriaLivreMb() override { return livre; }
    void LiberarMemoria(int n) override {
        liberacoes.push_back(n);
        if (falha)
            throw std::bad_alloc();
        livre += ganho;
    }
};

class FakeMensagens : public IMensagemFEM {
public:
    std::vector<int> memoria;
    std::vector<double> tempos;
    void MostraTempo(double t) override { tempos.push_back(t); }
    void MostraMemoria(int mb) override { memoria.push_back(mb); }
};

class EstadoInterface : public ::testing::Test {
protected:
    void SetUp() override { ReiniciaEstado(); }
    void TearDown() override { ReiniciaEstado(); }
};

} // namespace

TEST_F(EstadoInterface, DefaultsBeforeAnyWindowIsUsed) {
    TEstadoInterface &e = Estado();
    EXPECT_EQ(e.ConfiguracaoMalha.Nx, 2);
    EXPECT_EQ(e.ConfiguracaoMalha.Ny, 2);
    EXPECT_FALSE(e.ConfiguracaoMalha.Exponencial);
    EXPECT_FALSE(e.ConfiguracaoMalha.PorDmax);
    EXPECT_EQ(e.ConfiguracaoMalha.Dmax, 0.25);
    EXPECT_FALSE(e.Configuracoes.FAplicado);
    EXPECT_EQ(e.Configuracoes.NomeTemp, "PassoTemp");
    EXPECT_EQ(e.Configuracoes.NomeDeform, "PassoDeform");
    EXPECT_EQ(e.Configuracoes.NomeTensao, "PassoTensao");
    EXPECT_EQ(e.Configuracoes.TerminacaoDeform, ".res");
    // Directory + stem + step + extension names a file inside the default folder.
    std::filesystem::path arquivo = e.Configuracoes.EnderecoTensao + "PassoTensao3.res";
    EXPECT_EQ(arquivo.parent_path(), PastaPadrao());
    EXPECT_EQ(e.Configuracoes.EnderecoTemp, e.Configuracoes.EnderecoDeform);
    EXPECT_EQ(e.InformacoesSistema, nullptr);
    EXPECT_EQ(e.MensagemFEM, nullptr);
    EXPECT_EQ(e.FTemperaturasCamadas, nullptr);
    EXPECT_EQ(e.FPesoProprio, nullptr);
    EXPECT_FALSE(e.FluenciaAtiva);
    EXPECT_EQ(e.PosicaoTemperaturaDilatacao, -1);
    EXPECT_EQ(e.TemperaturaMaxima, 0);
    EXPECT_EQ(e.ElementoTensaoMaxima, 0);
    EXPECT_FALSE(e.SetTitulo);
    EXPECT_FALSE(e.HabilitaRelatorio);
}

TEST_F(EstadoInterface, ResetRestoresDefaultsAndUnbindsEverything) {
    FakeMemoria memoria;
    TVetor temperaturas(3);
    TEstadoInterface &e = Estado();
    e.ConfiguracaoMalha.SetNx(7);
    e.ConfiguracaoMalha.OnAlteracao = [] {};
    e.Configuracoes.FAplicado = true;
    e.InformacoesSistema = &memoria;
    e.FTemperaturasCamadas = &temperaturas;
    e.TensaoMaximaTracao = 3.2;
    e.SetTitulo = [](const std::string &) {};
    ReiniciaEstado();
    EXPECT_EQ(&Estado(), &e); // one record for the program
    EXPECT_EQ(e.ConfiguracaoMalha.Nx, 2);
    EXPECT_FALSE(e.ConfiguracaoMalha.OnAlteracao);
    EXPECT_FALSE(e.Configuracoes.FAplicado);
    EXPECT_EQ(e.InformacoesSistema, nullptr);
    EXPECT_EQ(e.FTemperaturasCamadas, nullptr);
    EXPECT_EQ(e.TensaoMaximaTracao, 0);
    EXPECT_FALSE(e.SetTitulo);
}

TEST_F(EstadoInterface, SettingDivisionsNotifiesTheObserver) {
    TConfiguracaoMalha &m = Estado().ConfiguracaoMalha;
    m.SetNx(5); // no observer bound: just stores
    EXPECT_EQ(m.Nx, 5);
    std::vector<std::pair<int, int>> vistos;
    m.OnAlteracao = [&] { vistos.emplace_back(m.Nx, m.Ny); };
    m.SetNx(4);
    m.SetNy(9);
    ASSERT_EQ(vistos.size(), 2u);
    EXPECT_EQ(vistos[0], std::make_pair(4, 2));
    EXPECT_EQ(vistos[1], std::make_pair(4, 9));
}

TEST_F(EstadoInterface, MemoryCheckDoesNothingWithoutAConfirmedTool) {
    FakeMensagens mensagens;
    Estado().MensagemFEM = &mensagens;
    Estado().VerificaMemoria(); // no tool at all
    FakeMemoria memoria;
    memoria.livre = 1;
    Estado().InformacoesSistema = &memoria;
    Estado().VerificaMemoria(); // rule not confirmed
    EXPECT_TRUE(memoria.liberacoes.empty());
    EXPECT_TRUE(mensagens.memoria.empty());
}

TEST_F(EstadoInterface, PerStageRuleReleasesItsLimitAndShowsFreeMemoryAround) {
    FakeMemoria memoria;
    FakeMensagens mensagens;
    memoria.FAplicado = true;
    memoria.FPorEtapa = true;
    memoria.livre = 80;
    memoria.ganho = 150;
    Estado().InformacoesSistema = &memoria;
    Estado().MensagemFEM = &mensagens;
    Estado().VerificaMemoria();
    EXPECT_EQ(memoria.liberacoes, std::vector<int>{100});
    EXPECT_EQ(mensagens.memoria, (std::vector<int>{80, 230}));

    // Enough free memory: nothing happens. Below the free-memory limit does not matter for
    // the per-stage rule.
    memoria.livre = 100;
    memoria.FLimiteLivre = 500;
    Estado().VerificaMemoria();
    EXPECT_EQ(memoria.liberacoes.size(), 1u);
    EXPECT_EQ(mensagens.memoria.size(), 2u);
}

TEST_F(EstadoInterface, FreeMemoryRuleReleasesTheUpperLimit) {
    FakeMemoria memoria;
    memoria.FAplicado = true;
    memoria.FLimiteLivre = 50;
    memoria.FLimiteSuperior = 300;
    memoria.FLimitePorEtapa = 1000; // not the chosen rule
    memoria.livre = 50;
    Estado().InformacoesSistema = &memoria;
    Estado().VerificaMemoria(); // at the limit: not below it
    EXPECT_TRUE(memoria.liberacoes.empty());
    memoria.livre = 49;
    Estado().VerificaMemoria(); // no progress window bound: releases all the same
    EXPECT_EQ(memoria.liberacoes, std::vector<int>{300});

    // A release that cannot take the memory does not end the run.
    FakeMensagens mensagens;
    Estado().MensagemFEM = &mensagens;
    memoria.falha = true;
    EXPECT_NO_THROW(Estado().VerificaMemoria());
    EXPECT_EQ(mensagens.memoria, (std::vector<int>{49, 49}));
}

TEST_F(EstadoInterface, ReleasedToolIsNoLongerConsulted) {
    FakeMemoria memoria;
    memoria.FAplicado = true;
    memoria.livre = 0;
    Estado().InformacoesSistema = &memoria;
    IInformacoesSistema *liberado = nullptr;
    Estado().OnLiberaInformacoesSistema = [&](IInformacoesSistema *i) { liberado = i; };
    Estado().LiberaInformacoesSistema();
    EXPECT_EQ(liberado, &memoria);
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
    Estado().VerificaMemoria();
    EXPECT_TRUE(memoria.liberacoes.empty());
    liberado = nullptr;
    Estado().LiberaInformacoesSistema(); // nothing to release
    EXPECT_EQ(liberado, nullptr);
}
