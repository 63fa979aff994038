// Stress analysis of a 10 m x 5 m block on supports along its base (about 40k nodes by default,
// steps of 6 h) after its thermal run: seconds per step split into reading the temperatures,
// assembly, supports, solve, strain and stress recovery and the step files, with the direct and the
// conjugate-gradient solver, and the first step (ordering, fresh factor) apart from the mean of
// the others. The modulus changes with age, so every step eliminates anew.
// Options: --smoke, --passos N (stress steps), --tamanho K (mesh 1 to 3), --arquivos DIR (run
// in DIR and keep the direct solver's step files; the iterative run is left out).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <type_traits>

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

// Time stamps of the phases of every step and their sums.
struct TRelogio {
    double fimMonta = 0, inicioSolver = 0, fimSolver = 0, fimTensoes = 0, fimPos = 0;
    double leitura = 0, montagem = 0, solucao = 0, eliminacao = 0, deformacoes = 0, tensoes = 0,
           maximos = 0, pos = 0;
    double entradasFator = 0;
    double fimPrimeiro = 0; // end of the first step's files
    int passos = 0;
};

template <class S> class TSolverCronometrado : public S {
public:
    template <class... A>
    explicit TSolverCronometrado(TRelogio &r, A... a) : S(a...), relogio_(r) {}
    void Resolve() override {
        relogio_.inicioSolver = Agora();
        S::Resolve();
        relogio_.fimSolver = Agora();
        relogio_.eliminacao += relogio_.fimSolver - relogio_.inicioSolver;
        if constexpr (std::is_same_v<S, TGauss>)
            relogio_.entradasFator = this->GetEntradasFator();
    }

private:
    TRelogio &relogio_;
};

class TAnaliseCronometrada : public TAnaliseTensional {
public:
    TAnaliseCronometrada(TMalha *m, TRelogio &r) : TAnaliseTensional(m), r_(r) {}

protected:
    void MontaSistema() override {
        const double t0 = Agora();
        if (r_.passos > 0)
            r_.leitura += t0 - r_.fimPos;
        TAnaliseTensional::MontaSistema();
        r_.fimMonta = r_.fimSolver = Agora();
        r_.montagem += r_.fimMonta - t0;
    }
    void CalculaTensoes() override {
        const double t0 = Agora();
        r_.solucao += r_.fimSolver - r_.fimMonta; // supports, copy and solver
        r_.deformacoes += t0 - r_.fimSolver;
        TAnaliseTensional::CalculaTensoes();
        r_.fimTensoes = Agora();
        r_.tensoes += r_.fimTensoes - t0;
    }
    void PosPasso(int i) override {
        const double t0 = Agora();
        r_.maximos += t0 - r_.fimTensoes;
        TAnaliseTensional::PosPasso(i);
        r_.fimPos = Agora();
        r_.pos += r_.fimPos - t0;
        if (++r_.passos == 1)
            r_.fimPrimeiro = r_.fimPos;
    }

private:
    TRelogio &r_;
};

// The thermal benchmark's run: hydration source, convection on the four faces, 15 degrees at
// the start, steps of 6 h; writes the temperature step files.
void Termica(TMalha &malha, int passos, TVetor &iniciais) {
    TAnalise a(&malha);
    CasoTermico(a, passos);
    a.SetSolver(std::make_unique<TGauss>());
    const double t0 = Agora();
    a.Executa();
    std::printf("name=thermal_run n=%d seconds=%.3f steps=%d tmax=%.3f\n", malha.GetNumNos(),
                Agora() - t0, passos, Estado().TemperaturaMaxima);
    iniciais = a.GetVetorTemperaturasIniciais();
}

void Roda(const char *nome, TMalha &malha, int passos, bool gauss) {
    TRelogio r;
    TAnaliseCronometrada a(&malha, r);
    // Plane strain, modulus by the age law.
    a.GetDominio().SetMaterial(std::make_unique<TMaterial>(
        1720.0, 1720.0, 2400.0, 230.0, 20.0, 0.08609, 0.04225, false, 1.25e-5, 0.2, 9.819,
        TMaterial::kModeloJCI, false, 20.0, false, 1.408, 0.1931, true, 0.0, true));
    a.SetTempo(std::make_unique<TTempo>(0.0, 6.0 * passos, 6.0, 2.0 / 3.0));
    if (gauss)
        a.SetSolver(std::make_unique<TSolverCronometrado<TGauss>>(r));
    else
        a.SetSolver(std::make_unique<TSolverCronometrado<TGradiente>>(r, 100, 1e-6));
    // Both directions held along the base; the rectangle runs from its upper-left corner.
    const TVetorInteiro base = malha.NosNoRetangulo(-0.01, 0.01, 10.01, -0.01);
    if (base.GetTamanho() == 0)
        throw std::runtime_error("no node on the base");
    a.AdicionaApoios(base, false, 1, true, 0, 0);
    const double t0 = Agora();
    a.Executa();
    const double total = Agora() - t0;

    // Step files alone: the final totals written again.
    const double bytes = double(std::filesystem::file_size(ArquivoTensao(1)) +
                                std::filesystem::file_size(ArquivoDeformacao(1)));
    std::string buffer;
    const int repeticoes = 5;
    const double t1 = Agora();
    for (int i = 0; i < repeticoes; ++i) {
        GravaArquivoDeformacoes(ArquivoDeformacao(1), a.GetDeformacoes(), buffer);
        GravaArquivoTensoes(ArquivoTensao(1), a.GetTensoes(), buffer);
    }
    const double arquivos = (Agora() - t1) / repeticoes;

    const int ne = malha.GetNumElementos();
    // For comparison: the element class's own stiffness routine alone, per element.
    TMatrizRigidezElemento Ke(6);
    TVetorForcasElemento Fe(6), eps(6);
    TVetorElemento resistencias(3);
    TMaterial &m = *a.GetDominio().GetMaterial();
    const double t2 = Agora();
    for (int i = 0; i < repeticoes; ++i)
        for (int e = 1; e <= ne; ++e) {
            Ke.Zera();
            Fe.Zera();
            a.GetElemento(e)->MatrizRigidez(nullptr, a.GetTempo(), m, Ke, Fe, eps, nullptr,
                                            resistencias, 0.0);
        }
    const double rigidez = (Agora() - t2) / repeticoes / ne * 1e9;
    const double p = r.passos;
    std::printf(
        "name=%s n=%d seconds=%.3f elements=%d steps=%d s_per_step=%.4f read=%.4f "
        "assembly=%.4f solve=%.4f strain=%.4f stress=%.4f maxima=%.4f "
        "post_step=%.4f files=%.4f first_step=%.4f later_steps=%.4f "
        "ns_per_element_assembly_strain_stress=%.1f "
        "element_routine_ns=%.1f files_MB_per_s=%.0f",
        nome, malha.GetNumNos(), total, ne, r.passos, total / p, r.leitura / p, r.montagem / p,
        r.solucao / p, r.deformacoes / p, r.tensoes / p, r.maximos / p, r.pos / p, arquivos,
        r.fimPrimeiro - t0, r.passos > 1 ? (t0 + total - r.fimPrimeiro) / (p - 1) : 0.0,
        1e9 * (r.montagem + r.deformacoes + r.tensoes) / p / ne, rigidez, bytes / arquivos / 1e6);
    if (gauss)
        std::printf(" factorisation_and_solve=%.4f factor_entries=%.0f", r.eliminacao / p,
                    r.entradasFator);
    std::printf(" smax=%.4f\n", Estado().TensaoMaximaTracao);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
    bool smoke = false;
    int passosTensao = 24;
    int tamanho = 2; // 1, 2, 3: about 10k, 40k and 160k nodes
    std::filesystem::path guarda;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strcmp(argv[i], "--tamanho") == 0 && i + 1 < argc)
            tamanho = std::min(std::max(std::atoi(argv[++i]), 1), 3);
        else if (std::strcmp(argv[i], "--arquivos") == 0 && i + 1 < argc)
            guarda = std::filesystem::absolute(argv[++i]);
        else if (std::strcmp(argv[i], "--passos") == 0 && i + 1 < argc)
            passosTensao = std::atoi(argv[++i]);
    }
    const auto pasta = !guarda.empty() ? guarda
                                       : std::filesystem::temp_directory_path() /
                                             ("darv_bench_stress_" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    DefinePastaPadrao(pasta);
    ReiniciaEstado();
    int rc = 0;
    try {
        const int lados[3][2] = {{140, 70}, {282, 141}, {564, 282}};
        auto malha = smoke ? Bloco(20, 10) : Bloco(lados[tamanho - 1][0], lados[tamanho - 1][1]);
        const int passosTermica = smoke ? 3 : 240;
        if (smoke)
            passosTensao = 3;
        passosTensao = std::min(std::max(passosTensao, 1), passosTermica);
        TVetor iniciais;
        Termica(*malha, passosTermica, iniciais);
        Estado().FTemperaturasIniciais = &iniciais;
        Roda(smoke ? "stress_gauss_smoke" : "stress_gauss", *malha, passosTensao, true);
        if (guarda.empty()) // the iterative run would overwrite the kept files
            Roda(smoke ? "stress_cg_smoke" : "stress_cg", *malha, passosTensao, false);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_stress: %s\n", e.what());
        rc = 1;
    }
    ReiniciaEstado();
    DefinePastaPadrao({});
    if (guarda.empty())
        std::filesystem::remove_all(pasta);
    return rc;
}
