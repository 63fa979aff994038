// Transient thermal runs of a 10 m x 5 m block on uniform meshes: 240 steps of 6 h, theta 2/3,
// source, convection on all four edges. Per step: assembly, solution (for the direct solver split
// into checks, factorisation and substitution) and step-file writing;
// the whole run with and without step files; direct and conjugate-gradient solvers.
// Options: --smoke (tiny case), --malhas DIR (also save each mesh file there, for the peer),
// --tamanho K (only the K-th mesh, 1 to 3), --arquivos DIR (keep the step files of each run with
// files in DIR/<solver>_<nodes>), --direto (direct solver only).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include <unistd.h>

#include "uEstadoInterface.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

#include "Bloco.h"

namespace {

double Agora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The analysis with its phases timed; step files can be left out.
class TAnaliseCronometrada : public TAnalise {
public:
    using TAnalise::TAnalise;
    bool gravar = true;
    double montagem = 0, solucao = 0, escrita = 0, marca = 0;
    double bytes = 0;
    long long iteracoes = 0;

    void MontaSistema() override {
        const double t0 = Agora();
        TAnalise::MontaSistema();
        montagem += Agora() - t0;
    }
    void VerificaMemoria() override {
        TAnalise::VerificaMemoria();
        marca = Agora(); // prescriptions and solution follow
    }
    void PosPasso(int i) override {
        solucao += Agora() - marca;
        iteracoes += Solver->GetIteracoes();
        TAnalise::PosPasso(i);
    }
    void GravaPasso(int i) override {
        if (!gravar)
            return;
        const double t0 = Agora();
        TAnalise::GravaPasso(i);
        escrita += Agora() - t0;
        bytes += double(std::filesystem::file_size(ArquivoTemperatura(i)));
    }
};

std::filesystem::path pastaArquivos; // step files kept there when set

void Caso(TMalha *malha, const char *nomeSolver, bool gradiente, bool gravar, int passos) {
    const std::filesystem::path pastaRun = PastaPadrao();
    if (gravar && !pastaArquivos.empty()) {
        const auto p =
            pastaArquivos / (std::string(nomeSolver) + "_" + std::to_string(malha->GetNumNos()));
        std::filesystem::create_directories(p);
        DefinePastaPadrao(p);
    }
    TAnaliseCronometrada a(malha);
    CasoTermico(a, passos);
    const int n = malha->GetNumNos();
    if (gradiente)
        a.SetSolver(std::make_unique<TGradiente>(100, 1e-6));
    else
        a.SetSolver(std::make_unique<TGauss>());
    a.gravar = gravar;

    const double t0 = Agora();
    a.Executa();
    const double total = Agora() - t0;
    const int ne = malha->GetNumElementos();
    std::printf("name=thermal_%s_%s n=%d seconds=%.3f elements=%d steps=%d "
                "assembly_s_per_step=%.5f solve_s_per_step=%.5f write_s_per_step=%.5f "
                "assembly_ns_per_element=%.1f",
                nomeSolver, gravar ? "files" : "nofiles", n, total, ne, passos, a.montagem / passos,
                a.solucao / passos, a.escrita / passos, a.montagem / passos / ne * 1e9);
    if (gravar)
        std::printf(" write_mb_per_s=%.0f", a.bytes / a.escrita / 1e6);
    if (gradiente)
        std::printf(" iterations_per_step=%.1f", double(a.iteracoes) / passos);
    else if (const auto *g = dynamic_cast<const TGauss *>(a.GetSolver())) {
        // The solution's split: is K the last factorised one, ordering and factorisation,
        // substitution.
        const TGauss::TTempos &t = g->GetTempos();
        std::printf(" checks_s_per_step=%.5f factor_s_per_step=%.5f subst_s_per_step=%.5f "
                    "factorisations=%lld factor_entries=%.0f",
                    t.verificacao / passos, (t.analise + t.fatoracao) / passos,
                    t.substituicao / passos, g->GetEliminacoes(), g->GetEntradasFator());
    }
    std::printf(" tmax=%.4f\n", Estado().TemperaturaMaxima);
    std::fflush(stdout);
    DefinePastaPadrao(pastaRun);
}

} // namespace

int main(int argc, char **argv) {
    bool smoke = false;
    std::string pastaMalhas;
    int so = 0;
    bool soDireto = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strcmp(argv[i], "--malhas") == 0 && i + 1 < argc)
            pastaMalhas = argv[++i];
        else if (std::strcmp(argv[i], "--tamanho") == 0 && i + 1 < argc)
            so = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--arquivos") == 0 && i + 1 < argc)
            pastaArquivos = std::filesystem::absolute(argv[++i]);
        else if (std::strcmp(argv[i], "--direto") == 0)
            soDireto = true;
    }
    // Step files go to a private folder that is removed at the end.
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("bench_thermal_" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    DefinePastaPadrao(pasta);

    struct Tamanho {
        int nx, ny;
    };
    const Tamanho grandes[] = {{140, 70}, {282, 141}, {564, 282}};
    const Tamanho pequeno[] = {{20, 10}};
    const int passos = smoke ? 3 : 240;
    int rc = 0;
    try {
        std::span<const Tamanho> casos(grandes);
        if (smoke)
            casos = pequeno;
        else if (so >= 1 && so <= 3)
            casos = casos.subspan(std::size_t(so - 1), 1);
        for (const Tamanho &t : casos) {
            auto malha = Bloco(t.nx, t.ny);
            if (!pastaMalhas.empty())
                malha->SalvaMalha(pastaMalhas + "/bloco_" + std::to_string(t.nx) + "x" +
                                      std::to_string(t.ny) + ".txt",
                                  Estado().ConfiguracaoMalha);
            Caso(malha.get(), "gauss", false, true, passos);
            Caso(malha.get(), "gauss", false, false, passos);
            if (soDireto)
                continue;
            Caso(malha.get(), "gradiente", true, true, passos);
            Caso(malha.get(), "gradiente", true, false, passos);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_thermal: %s\n", e.what());
        rc = 1;
    }
    DefinePastaPadrao({});
    std::filesystem::remove_all(pasta);
    return rc;
}
