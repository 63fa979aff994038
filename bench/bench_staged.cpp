// Staged thermal analysis of a block built in layers: the time to mesh every stage, the pieces
// of each stage change (element file, stage mesh file, carry-over, reallocation) against the
// ordinary steps of the new stage, and the whole run.
// Options: --smoke (tiny case), --arquivos DIR (run in DIR and keep its files).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fem/AnaliseCamadas.h"
#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

using Relogio = std::chrono::steady_clock;

double Segundos(Relogio::time_point a, Relogio::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

} // namespace

int main(int argc, char **argv) {
    bool smoke = false;
    std::filesystem::path guarda;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strcmp(argv[i], "--arquivos") == 0 && i + 1 < argc)
            guarda = std::filesystem::absolute(argv[++i]);
    }
    // Block 25 x 25 m in 20 layers of 1.25 m, elements of 0.125 m: about 40k nodes at the end.
    const double lado = smoke ? 2.0 : 25.0, dmax = smoke ? 0.5 : 0.125;
    const int camadas = smoke ? 2 : 20, passos = smoke ? 8 : 240;
    const double dt = 1.0, tf = passos * dt, intervalo = tf / camadas;

    // A folder of this run's own, so that runs at the same time don't remove each other's files.
    const auto pasta = !guarda.empty()
                           ? guarda
                           : std::filesystem::temp_directory_path() /
                                 ("darv_bench_staged_" +
                                  std::to_string(Relogio::now().time_since_epoch().count()));
    DefinePastaPadrao(pasta);
    TConfiguracaoMalha &cfg = Estado().ConfiguracaoMalha;
    cfg.PorDmax = true;
    cfg.Dmax = dmax;

    std::vector<TNo> nos{TNo(1, 0, 0), TNo(2, lado, 0), TNo(3, lado, lado), TNo(4, 0, lado)};
    auto sub = TDominio::CreateMalha(nos);
    sub->SetFixo(false);
    TVetor elevacoes;
    for (int k = 1; k <= camadas; ++k)
        elevacoes.Adiciona(lado * k / camadas);
    TCamadas modelo(*sub->GetMalha(), elevacoes);
    modelo.DefineCamadas({sub.get()});
    TDominio *zona = modelo.GetSubDominio(1);
    zona->SetMaterial(std::make_unique<TMaterial>(
        2.0, 2.0, 2400.0, 0.24, 20.0, 0.08609, 0.04225, false, 1.25e-5, 0.2, 9.819,
        TMaterial::kModeloJCI, false, 20.0, false, 1.408, 0.1931, true, 0.0, true));
    zona->SetFonte(std::make_unique<TForcaInterna>(500.0));

    auto t0 = Relogio::now();
    long nosTotal = 0;
    for (int k = 1; k <= camadas; ++k) {
        modelo.SalvaMalhaEtapa(k, cfg);
        nosTotal += modelo.GetEtapa(k)->GetMalha()->GetNumNos();
        modelo.GetEtapa(k)->SetInstanteInicial((k - 1) * intervalo);
        modelo.GetEtapa(k)->SetInstanteFinal(k * intervalo);
    }
    std::printf("name=stage_meshes n=%ld seconds=%.4f stages=%d\n", nosTotal,
                Segundos(t0, Relogio::now()), camadas);

    // Convection on the outer edges of every stage.
    TForcaExterna ar;
    ar.SetTipo(TForcaExterna::kConstante);
    ar.SetTemperaturaAmbiente(22.0);
    ar.SetCoefConveccao(12.0);
    modelo.AdicionaForcaExternaEtapas(ar, true, -1.0, lado + 1.0, lado + 1.0, -1.0);

    TAnaliseCamadas analise(&modelo);
    for (int k = 1; k <= camadas; ++k)
        analise.SetTemperaturaCamada(k, 18.0 + 0.25 * k);
    analise.SetTempo(std::make_unique<TTempo>(0.0, tf, dt, 2.0 / 3.0));
    analise.SetSolver(std::make_unique<TGauss>());
    std::vector<double> passo; // duration of every step
    std::vector<int> etapa;    // stage of every step
    auto ultimo = Relogio::now();
    analise.SetOnPasso([&](TTempo &) {
        const auto agora = Relogio::now();
        passo.push_back(Segundos(ultimo, agora));
        etapa.push_back(analise.GetEtapaAtual());
        ultimo = agora;
    });
    t0 = Relogio::now();
    ultimo = t0;
    analise.Executa();
    const double total = Segundos(t0, Relogio::now());

    int piores = 0;
    for (const auto &m : analise.GetTemposMudancas()) {
        // Ordinary steps of the new stage: every step of it but its first.
        std::vector<double> comuns;
        for (std::size_t i = 1; i < passo.size(); ++i)
            if (etapa[i] == m.Etapa && etapa[i - 1] == m.Etapa)
                comuns.push_back(passo[i]);
        std::sort(comuns.begin(), comuns.end());
        const double comum = comuns.empty() ? 0.0 : comuns[comuns.size() / 2];
        // The first step of the stage: the change, the assembly and the first elimination.
        double primeiro = 0.0;
        for (std::size_t i = 0; i < passo.size(); ++i)
            if (etapa[i] == m.Etapa) {
                primeiro = passo[i];
                break;
            }
        const double mudanca =
            m.Liberacao + m.ArquivoElementos + m.MalhaEtapa + m.Transporte + m.Realocacao;
        const double razao = comum > 0.0 ? mudanca / comum : 0.0;
        piores += razao >= 10.0;
        std::printf("name=stage_change_%d n=%d seconds=%.4f release=%.4f element_file=%.4f "
                    "stage_mesh=%.4f carry_over=%.4f realloc=%.4f first_step=%.4f "
                    "ordinary_step=%.4f ratio=%.2f\n",
                    m.Etapa, m.Nos, mudanca, m.Liberacao, m.ArquivoElementos, m.MalhaEtapa,
                    m.Transporte, m.Realocacao, primeiro, comum, razao);
    }
    std::printf("name=run n=%d seconds=%.4f steps=%d stage_changes=%zu over_target=%d\n",
                analise.GetNumNos(), total, analise.GetNumPassos(),
                analise.GetTemposMudancas().size(), piores);
    if (guarda.empty())
        std::filesystem::remove_all(pasta);
    DefinePastaPadrao({});
    return 0;
}
