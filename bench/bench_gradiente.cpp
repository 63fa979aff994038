// The iterative solver against the direct one on the thermal block: 10k, 40k and 160k nodes,
// the solver dialog's defaults (limit 100, tolerance 1e-3) and a tolerance of 1e-6. Per case:
// iterations per step, solve seconds, steps left at the limit and the largest difference from
// the direct solution over every node and step.
// Options: --smoke (tiny case), --tamanho K (only the K-th mesh, 1 to 3), --passos N (steps of
// 6 h, 10 unless given; 240 for a whole run).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

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

// Keeps every step's temperatures in memory and times the solutions.
class TAnaliseGravada : public TAnalise {
public:
    using TAnalise::TAnalise;
    std::vector<std::vector<double>> T;
    double solucao = 0, marca = 0;
    long long iteracoes = 0;

    void VerificaMemoria() override {
        TAnalise::VerificaMemoria();
        marca = Agora();
    }
    void PosPasso(int i) override {
        solucao += Agora() - marca;
        iteracoes += Solver->GetIteracoes();
        const TVetor &v = *GetTemperaturas();
        T.emplace_back(v.Dados(), v.Dados() + v.GetTamanho());
        TAnalise::PosPasso(i);
    }
    void GravaPasso(int) override {}
};

// Steps left at the limit, as the run tells them.
class TContaAvisos : public IMensagens {
public:
    bool Mostra(TTipoMensagem, const std::string &texto) override {
        ultimo = texto;
        return true;
    }
    std::string ultimo;
};

std::vector<std::vector<double>> Corre(TMalha &malha, int passos, std::unique_ptr<TGradiente> s,
                                       const char *nome, double tol) {
    TAnaliseGravada a(&malha);
    CasoTermico(a, passos);
    const bool gradiente = dynamic_cast<TGauss *>(s.get()) == nullptr;
    a.SetSolver(std::move(s));
    TContaAvisos avisos;
    DefineMensagens(&avisos);
    const double t0 = Agora();
    a.Executa();
    const double total = Agora() - t0;
    DefineMensagens(nullptr);
    std::printf("name=solver_%s n=%d seconds=%.3f steps=%d solve_s_per_step=%.4f", nome,
                malha.GetNumNos(), total, passos, a.solucao / passos);
    if (gradiente)
        std::printf(" tolerance=%g iterations_per_step=%.1f warning=\"%s\"", tol,
                    double(a.iteracoes) / passos, avisos.ultimo.c_str());
    std::fflush(stdout);
    return std::move(a.T);
}

double MaiorDiferenca(const std::vector<std::vector<double>> &a,
                      const std::vector<std::vector<double>> &b) {
    double d = 0;
    for (std::size_t s = 0; s < a.size() && s < b.size(); ++s)
        for (std::size_t i = 0; i < a[s].size(); ++i)
            d = std::max(d, std::fabs(a[s][i] - b[s][i]));
    return d;
}

} // namespace

int main(int argc, char **argv) {
    bool smoke = false;
    int so = 0, passos = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strcmp(argv[i], "--tamanho") == 0 && i + 1 < argc)
            so = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--passos") == 0 && i + 1 < argc)
            passos = std::atoi(argv[++i]);
    }
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("bench_gradiente_" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    DefinePastaPadrao(pasta);

    struct Tamanho {
        int nx, ny;
    };
    const Tamanho grandes[] = {{140, 70}, {282, 141}, {564, 282}};
    const Tamanho pequeno[] = {{20, 10}};
    if (smoke)
        passos = 3;
    int rc = 0;
    try {
        std::span<const Tamanho> casos(grandes);
        if (smoke)
            casos = pequeno;
        else if (so >= 1 && so <= 3)
            casos = casos.subspan(std::size_t(so - 1), 1);
        for (const Tamanho &t : casos) {
            auto malha = Bloco(t.nx, t.ny);
            const auto direto = Corre(*malha, passos, std::make_unique<TGauss>(), "gauss", 0);
            std::printf("\n");
            for (double tol : {1e-3, 1e-6}) {
                const int limite = tol == 1e-3 ? 100 : 100000;
                const auto it = Corre(*malha, passos, std::make_unique<TGradiente>(limite, tol),
                                      tol == 1e-3 ? "cg_defaults" : "cg_1e-6", tol);
                std::printf(" limit=%d max_diff_from_gauss=%.3e\n", limite,
                            MaiorDiferenca(it, direto));
                std::fflush(stdout);
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_gradiente: %s\n", e.what());
        rc = 1;
    }
    std::filesystem::remove_all(pasta);
    return rc;
}
