// Runs of the thermal analysis: exact and reference solutions, solver agreement, events, step
// files, maxima and the result queries.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

#include "CasoTensional.h"
#include "MalhaRetangulo.h"
#include "support_analise.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExemplos = DARV_EXEMPLOS;

// Temperatures after every step, as OnPasso sees them.
struct Gravador {
    std::vector<std::vector<double>> T;
    std::vector<double> tempos;
    void Liga(TAnalise &a) {
        a.SetOnPasso([this, &a](TTempo &t) {
            const TVetor &v = *a.GetTemperaturas();
            T.emplace_back(v.Dados(), v.Dados() + v.GetTamanho());
            tempos.push_back(t.GetTempoAtual());
        });
    }
};

// 1-D reference: the same consistent-capacity P1 equations on the abscissas xs, insulated at
// x = 0 and with convection h to ambiente at the last node, theta scheme, tridiagonal solve.
std::vector<std::vector<double>> Referencia1D(const std::vector<double> &xs, double k, double rc,
                                              double h, double ambiente, double T0, double dt,
                                              double theta, int passos) {
    const std::size_t n = xs.size();
    std::vector<double> dA(n), oA(n), dB(n), oB(n); // diagonals and super-diagonals
    for (std::size_t e = 0; e + 1 < n; ++e) {
        const double L = xs[e + 1] - xs[e];
        const double m = rc * L / 6, c = k / L;
        dA[e] += 2 * m + theta * dt * c;
        dA[e + 1] += 2 * m + theta * dt * c;
        oA[e] += m - theta * dt * c;
        dB[e] += 2 * m - (1 - theta) * dt * c;
        dB[e + 1] += 2 * m - (1 - theta) * dt * c;
        oB[e] += m + (1 - theta) * dt * c;
    }
    dA[n - 1] += theta * dt * h;
    dB[n - 1] -= (1 - theta) * dt * h;
    std::vector<double> u(n, T0);
    std::vector<std::vector<double>> res;
    for (int s = 0; s < passos; ++s) {
        std::vector<double> r(n), c(n), d(n);
        for (std::size_t i = 0; i < n; ++i) {
            r[i] = dB[i] * u[i] + (i > 0 ? oB[i - 1] * u[i - 1] : 0) +
                   (i + 1 < n ? oB[i] * u[i + 1] : 0);
        }
        r[n - 1] += dt * h * ambiente;
        // Thomas algorithm on the symmetric tridiagonal matrix.
        c[0] = oA[0] / dA[0];
        d[0] = r[0] / dA[0];
        for (std::size_t i = 1; i < n; ++i) {
            const double den = dA[i] - oA[i - 1] * c[i - 1];
            c[i] = i + 1 < n ? oA[i] / den : 0;
            d[i] = (r[i] - oA[i - 1] * d[i - 1]) / den;
        }
        u[n - 1] = d[n - 1];
        for (std::size_t i = n - 1; i-- > 0;)
            u[i] = d[i] - c[i] * u[i + 1];
        res.push_back(u);
    }
    return res;
}

// Slab of thickness L insulated at x = 0, convection at x = L (Biot number hL/k): the
// temperature ratio (T - ambient) / (T0 - ambient) at x and Fourier number fo.
double SerieBiot(double bi, double x, double L, double fo) {
    double s = 0;
    for (int n = 0; n < 200; ++n) {
        // Root of z tan z = bi in (n pi, n pi + pi/2), by bisection.
        double a = n * std::numbers::pi + 1e-12,
               b = n * std::numbers::pi + std::numbers::pi / 2 - 1e-12;
        for (int it = 0; it < 200; ++it) {
            const double m = (a + b) / 2;
            (m * std::tan(m) - bi < 0 ? a : b) = m;
        }
        const double z = (a + b) / 2;
        const double C = 4 * std::sin(z) / (2 * z + std::sin(2 * z));
        s += C * std::exp(-z * z * fo) * std::cos(z * x / L);
    }
    return s;
}

struct Execucao {
    PastaResultados pasta;
    std::unique_ptr<TMalha> malha;
    std::unique_ptr<TAnalise> analise;
    Gravador g;

    explicit Execucao(std::unique_ptr<TMalha> m) : malha(std::move(m)) {
        analise = std::make_unique<TAnalise>(malha.get());
        analise->SetSolver(std::make_unique<TGauss>());
        g.Liga(*analise);
    }
    TDominio &Dominio() { return *analise->GetDominio(); }
};

} // namespace

TEST(ExecucaoTermica, AdiabaticBlockRisesUniformlyOnAGradedIrregularMesh) {
    // Exact for every theta and for both step laws: the logarithmic steps are unequal.
    for (double theta : {0.5, 2.0 / 3.0, 1.0})
        for (bool uniforme : {true, false}) {
            PastaResultados pasta;
            TConfiguracaoMalha graduada;
            graduada.Exponencial = true;
            auto malha = std::make_unique<TMalha>(4, 5);
            for (auto [x, y] :
                 {std::pair{0.0, 0.0}, {6.0, 0.0}, {7.5, 2.5}, {3.0, 4.0}, {0.0, 3.0}})
                malha->AdicionaVertice(x, y);
            for (int i = 1; i <= 5; ++i)
                malha->AdicionaAresta(i, i % 5 + 1, false);
            malha->GeraMalha(graduada);
            ASSERT_GT(malha->GetNumNos(), 40);
            Execucao ex(std::move(malha));
            const double rho = 2400, c = 230, Q = 20000, T0 = 15;
            ex.Dominio().SetMaterial(MaterialTermico(1720, rho, c));
            ex.Dominio().SetFonte(std::make_unique<TForcaInterna>(Q));
            auto tempo = std::make_unique<TTempo>(0.0, 48.0, 6.0, theta);
            tempo->SetPassoUniforme(uniforme);
            ex.analise->SetTempo(std::move(tempo));
            ex.analise->AplicaTemperaturaInicial(TodosOsNos(ex.malha->GetNumNos()), T0);
            ex.analise->Executa();
            ASSERT_EQ(ex.g.T.size(), 8u);
            for (std::size_t s = 0; s < ex.g.T.size(); ++s) {
                const double esperado = T0 + Q * ex.g.tempos[s] / (rho * c);
                for (double v : ex.g.T[s])
                    ASSERT_NEAR(v, esperado, 1e-9 * esperado)
                        << "theta " << theta << " uniform " << uniforme << " step " << s;
            }
        }
}

TEST(ExecucaoTermica, ThinStripFollowsTheOneDimensionalSchemeAndTheBiotSeries) {
    // 1 m long, 0.1 mm wide, 40 columns; convection on the right end only, Biot number 5.
    const double L = 1, W = 1e-4, k = 1, rc = 1, h = 5, amb = 0, T0 = 1, dt = 0.002;
    const std::vector<double> xs = Uniforme(L, 40);
    const double dx = L / 40;
    for (double theta : {0.5, 2.0 / 3.0, 1.0}) {
        Execucao ex(Retangulo(xs, W, 1));
        ex.Dominio().SetMaterial(MaterialTermico(k, rc, 1));
        ex.Dominio().AdicionaForcaExterna(*Conveccao(h, amb, {2}));
        ex.analise->SetTempo(std::make_unique<TTempo>(0.0, 0.5, dt, theta));
        ex.analise->AplicaTemperaturaInicial(TodosOsNos(ex.malha->GetNumNos()), T0);
        ex.analise->Executa();
        const int passos = int(ex.g.T.size());
        ASSERT_EQ(passos, 250);

        // The same semi-discrete equations in 1-D. Across the strip the solution is not exactly
        // uniform (the two rows of triangles do not share their capacity alike), but the
        // difference is of order (W/dx)^2 = 1.6e-5 of the temperature change.
        const auto ref = Referencia1D(xs, k, rc, h, amb, T0, dt, theta, passos);
        const double tolFaixa = 0.1 * (W / dx) * (W / dx) * (T0 - amb);
        for (int s = 0; s < passos; ++s)
            for (int i = 1; i <= ex.malha->GetNumNos(); ++i)
                ASSERT_NEAR(ex.g.T[std::size_t(s)][std::size_t(i - 1)],
                            ref[std::size_t(s)][std::size_t((i - 1) / 2)], tolFaixa)
                    << "theta " << theta << " step " << s + 1 << " node " << i;

        // Analytical series at t = 0.5 (Fourier number 0.5), where the first mode dominates.
        // With z1 = 1.3138 and lambda = z1^2 k/(rho c L^2), the relative error of its decay
        // rate is (z1 dx / L)^2/12 in space (consistent capacity) and, per step of the theta
        // scheme, |theta - 1/2| lambda dt + (lambda dt)^2/12 in time; over lambda t = 0.863 it
        // builds up linearly. The small steps also let the scheme damp the stiff modes that
        // the sudden cooling excites. Three times that bound is allowed.
        const double z1 = 1.3138, lambda = z1 * z1, lt = lambda * 0.5;
        const double taxa = z1 * z1 * dx * dx / 12 + std::fabs(theta - 0.5) * lambda * dt +
                            lambda * lambda * dt * dt / 12;
        const double tol = 3 * lt * taxa * SerieBiot(h * L / k, 0, L, 0.5);
        double erro = 0;
        for (int i = 1; i <= ex.malha->GetNumNos(); ++i) {
            const double x = ex.malha->GetNo(i)->X;
            erro = std::max(erro, std::fabs(ex.g.T.back()[std::size_t(i - 1)] -
                                            SerieBiot(h * L / k, x, L, 0.5)));
        }
        EXPECT_LT(erro, tol) << "theta " << theta;
        EXPECT_GT(erro, tol / 30) << "theta " << theta << ": the bound should fit the error";
    }
}

namespace {

// A fake memory tool that always reports little free memory.
struct MemoriaFalsa : IInformacoesSistema {
    int liberacoes = 0;
    int MemoriaLivreMb() override { return 10; }
    void LiberarMemoria(int n) override {
        EXPECT_EQ(n, FLimiteSuperior);
        ++liberacoes;
    }
};

// The block of examples/bloco.txt (10 x 4), meshed 5 x 3 per interval: material, source,
// convection on the right and top edges with a curing window, initial 15, bottom nodes held
// at 15 for the first day, a right-half subdomain with its own concrete placed at 6 h.
struct Bloco : Execucao {
    std::unique_ptr<TDominio> sub;
    Bloco() : Execucao(Malha()) {
        Dominio().SetMaterial(MaterialTermico(1720, 2400, 230));
        Dominio().SetFonte(TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0));
        auto conv = Conveccao(8600, 20, {2, 3});
        conv->SetUsaJanela(true);
        conv->SetCoefConveccaoJanela(2000);
        conv->SetInicioJanela(0);
        conv->SetFimJanela(18);
        Dominio().AdicionaForcaExterna(*conv);
        std::vector<TNo> p = {TNo(1, 5, 0), TNo(2, 10, 0), TNo(3, 10, 4), TNo(4, 5, 4)};
        sub = TDominio::CreateMalha(p);
        sub->SetMaterial(MaterialTermico(2000, 2400, 250));
        sub->SetFonte(std::make_unique<TForcaInterna>(15000.0));
        sub->SetInstanteInicial(6);
        analise->SetSubDominio(1, sub.get());
        analise->SetTempo(std::make_unique<TTempo>(0.0, 72.0, 6.0, 2.0 / 3.0));
        analise->AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
        TVetorInteiro fundo;
        for (int i = 1; i <= malha->GetNumNos(); ++i)
            if (malha->GetNo(i)->Y == 0)
                fundo.Adiciona(i);
        analise->AdicionaPrescricoes(fundo, 1, 15.0, 0.0, 24.0);
    }
    static std::unique_ptr<TMalha> Malha() {
        auto m = TMalha::CreateDeArquivo((kExemplos / "bloco.txt").string());
        m->Nx = 5;
        m->Ny = 3;
        m->GeraMalha(TConfiguracaoMalha());
        return m;
    }
};

} // namespace

TEST(ExecucaoTermica, DirectAndConjugateGradientRunsAgree) {
    Bloco direto;
    direto.analise->Executa();
    Bloco gradiente;
    gradiente.analise->SetSolver(std::make_unique<TGradiente>(5000, 1e-13));
    std::vector<int> iteracoes;
    gradiente.analise->SetOnPasso([&](TTempo &) {
        iteracoes.push_back(gradiente.analise->GetSolver()->GetIteracoes());
        const TVetor &v = *gradiente.analise->GetTemperaturas();
        gradiente.g.T.emplace_back(v.Dados(), v.Dados() + v.GetTamanho());
    });
    gradiente.analise->Executa();
    ASSERT_EQ(direto.g.T.size(), 12u);
    ASSERT_EQ(gradiente.g.T.size(), 12u);
    for (std::size_t s = 0; s < 12; ++s) {
        EXPECT_LT(iteracoes[s], 5000);
        for (std::size_t i = 0; i < direto.g.T[s].size(); ++i)
            ASSERT_NEAR(gradiente.g.T[s][i], direto.g.T[s][i], 1e-6) << s << " " << i;
    }
}

TEST(ExecucaoTermica, AFormulaThatFailsDuringTheRunNamesItsLoadAndWhereItActs) {
    const struct {
        bool fonte; // the left-half subdomain's heat source, else a second convection load
        const char *esperado;
    } casos[] = {
        {true, "A fórmula \"20+T\" da fonte de calor do subdomínio 2 não pôde ser calculada: "
               "'20+T' não é um número real válido"},
        {false, "A fórmula \"20+T\" da temperatura ambiente da carga de convecção 2 não pôde "
                "ser calculada: '20+T' não é um número real válido"},
    };
    for (const auto &c : casos) {
        Bloco b;
        std::vector<TNo> p = {TNo(1, 0, 0), TNo(2, 5, 0), TNo(3, 5, 4), TNo(4, 0, 4)};
        auto esquerda = TDominio::CreateMalha(p);
        esquerda->SetMaterial(MaterialTermico(2000, 2400, 250));
        if (c.fonte) {
            esquerda->SetFonte(TForcaInterna::CreateFormula("20+T"));
        } else {
            auto conv = Conveccao(10, 20, {1});
            conv->SetTipo(TForcaExterna::kFormula);
            conv->SetFormula(std::make_unique<TRPN>("20+T"));
            b.Dominio().AdicionaForcaExterna(*conv);
        }
        b.analise->SetSubDominio(2, esquerda.get());
        try {
            b.analise->Executa();
            ADD_FAILURE() << c.esperado;
        } catch (const Exception &e) {
            EXPECT_STREQ(e.what(), c.esperado);
        }
    }
}

TEST(ExecucaoTermica, IterativeRunMatchesTheDirectOneWhenPrescriptionsDifferFromTheStart) {
    // The bottom is held at 100 while the block starts at 15: the iterative solver must
    // deliver the prescribed values from step 1 on, also at the solver dialog's defaults.
    auto corre = [](std::unique_ptr<TGradiente> solver) {
        auto b = std::make_unique<Bloco>();
        TVetorInteiro fundo;
        for (int i = 1; i <= b->malha->GetNumNos(); ++i)
            if (b->malha->GetNo(i)->Y == 0)
                fundo.Adiciona(i);
        b->analise->GetPrescricao(1)->Valores = TVetor(fundo.GetTamanho());
        for (int k = 1; k <= fundo.GetTamanho(); ++k)
            b->analise->GetPrescricao(1)->Valores[k] = 100.0;
        b->analise->SetSolver(std::move(solver));
        b->analise->Executa();
        return b;
    };
    TGravadorMensagens mensagens;
    DefineMensagens(&mensagens);
    auto direto = corre(std::make_unique<TGauss>());
    auto justo = corre(std::make_unique<TGradiente>(5000, 1e-10));
    auto padrao = corre(std::make_unique<TGradiente>(100, 1e-3));
    EXPECT_TRUE(mensagens.Textos.empty());
    ASSERT_EQ(direto->g.T.size(), 12u);
    ASSERT_EQ(justo->g.T.size(), 12u);
    ASSERT_EQ(padrao->g.T.size(), 12u);
    for (std::size_t s = 0; s < 12; ++s) {
        for (std::size_t i = 0; i < direto->g.T[s].size(); ++i) {
            ASSERT_NEAR(justo->g.T[s][i], direto->g.T[s][i], 1e-6) << s << " " << i;
            ASSERT_NEAR(padrao->g.T[s][i], direto->g.T[s][i], 0.5) << s << " " << i;
        }
    }
    for (int i = 1; i <= direto->malha->GetNumNos(); ++i)
        if (direto->malha->GetNo(i)->Y == 0) {
            EXPECT_EQ(padrao->g.T[0][std::size_t(i - 1)], 100.0);
            EXPECT_EQ(justo->g.T[3][std::size_t(i - 1)], 100.0);
        }

    // Steps left at the limit keep their results and are told once, with their count.
    auto curto = corre(std::make_unique<TGradiente>(1, 1e-12));
    ASSERT_EQ(curto->g.T.size(), 12u);
    ASSERT_EQ(mensagens.Textos.size(), 1u);
    EXPECT_EQ(mensagens.Tipos[0], TTipoMensagem::Aviso);
    EXPECT_EQ(mensagens.Textos[0], "Atenção : o método iterativo não convergiu em 12 passos.");
    DefineMensagens(nullptr);
}

TEST(ExecucaoTermica, IterativeRunAtTheDialogDefaultsStaysOnTheDirectOneOverALongRun) {
    // A block with a steady source, convection on its four faces and 240 steps of 6 h: each
    // step starts close to its solution, so a stop on the step alone comes after a pass or two
    // and the error piles up over the run. Step files are not needed here.
    struct SemArquivos : TAnalise {
        using TAnalise::TAnalise;
        void GravaPasso(int) override {}
    };
    PastaResultados pasta;
    auto corre = [](int nx, int ny, std::unique_ptr<TGradiente> solver) {
        auto malha = Retangulo(Uniforme(10, nx), 5, ny);
        SemArquivos a(malha.get());
        a.GetDominio()->SetMaterial(MaterialTermico(1720, 2400, 230));
        a.GetDominio()->SetFonte(std::make_unique<TForcaInterna>(2000.0));
        a.GetDominio()->AdicionaForcaExterna(*Conveccao(8600, 20, {1, 2, 3, 4}));
        a.SetTempo(std::make_unique<TTempo>(0.0, 6.0 * 240, 6.0, 2.0 / 3.0));
        a.AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
        a.SetSolver(std::move(solver));
        Gravador g;
        g.Liga(a);
        a.Executa();
        return std::move(g.T);
    };
    TGravadorMensagens mensagens; // a step left at the limit would be told
    DefineMensagens(&mensagens);
    for (auto [nx, ny] : {std::pair{40, 20}, {80, 40}}) {
        const auto direto = corre(nx, ny, std::make_unique<TGauss>());
        const auto iterativo = corre(nx, ny, std::make_unique<TGradiente>(100, 1e-3));
        ASSERT_EQ(iterativo.size(), 240u);
        double erro = 0;
        for (std::size_t s = 0; s < direto.size(); ++s)
            for (std::size_t i = 0; i < direto[s].size(); ++i)
                erro = std::max(erro, std::fabs(iterativo[s][i] - direto[s][i]));
        EXPECT_LT(erro, 0.05) << nx << " x " << ny;
    }
    DefineMensagens(nullptr);
    EXPECT_TRUE(mensagens.Textos.empty());
}

TEST(ExecucaoTermica, DomainFileToStepFilesEventsMaximaAndQueries) {
    Bloco b;
    TAnalise &a = *b.analise;
    const int n = b.malha->GetNumNos(), ne = b.malha->GetNumElementos();
    int inicios = 0, passosAoIniciar = 0, relatorios = 0, liberadas = 0;
    std::vector<int> elementos;
    a.SetOnInicio([&](int p) {
        ++inicios;
        passosAoIniciar = p;
    });
    a.SetOnElemento([&](int e) { elementos.push_back(e); });
    MemoriaFalsa memoria;
    memoria.FAplicado = true;
    Estado().InformacoesSistema = &memoria;
    Estado().OnLiberaInformacoesSistema = [&](IInformacoesSistema *i) {
        EXPECT_EQ(i, &memoria);
        ++liberadas;
    };
    Estado().HabilitaRelatorio = [&] { ++relatorios; };

    a.Executa();
    EXPECT_EQ(inicios, 1);
    EXPECT_EQ(passosAoIniciar, 12);
    ASSERT_EQ(elementos.size(), std::size_t(12 * ne));
    for (std::size_t i = 0; i < elementos.size(); ++i)
        ASSERT_EQ(elementos[i], int(i % std::size_t(ne)) + 1);
    ASSERT_EQ(b.g.tempos.size(), 12u);
    for (int s = 1; s <= 12; ++s) {
        EXPECT_DOUBLE_EQ(b.g.tempos[std::size_t(s - 1)], 6.0 * s);
        EXPECT_TRUE(fs::exists(b.pasta.Passo(s)));
    }
    EXPECT_EQ(a.GetNumPassos(), 12);
    EXPECT_EQ(memoria.liberacoes, 12);
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
    EXPECT_EQ(liberadas, 1);
    EXPECT_EQ(relatorios, 1);

    // The bottom nodes hold 15 through the first day and are free afterwards.
    TVetor T;
    for (int i = 1; i <= n; ++i)
        if (b.malha->GetNo(i)->Y == 0) {
            a.LeResultados(T, 24.0);
            EXPECT_EQ(T[i], 15.0);
            a.LeResultados(T, 30.0);
            EXPECT_NE(T[i], 15.0);
        }

    // Maxima: the largest temperature seen, at the last step that raised it, at its node.
    double maximo = 15, idade = 0;
    int no = 0;
    for (std::size_t s = 0; s < 12; ++s)
        for (int i = 1; i <= n; ++i)
            if (b.g.T[s][std::size_t(i - 1)] > maximo) {
                maximo = b.g.T[s][std::size_t(i - 1)];
                idade = b.g.tempos[s];
            }
    for (int i = 1; i <= n; ++i)
        if (b.g.T[std::size_t(idade / 6 - 1)][std::size_t(i - 1)] == maximo)
            no = i;
    EXPECT_EQ(Estado().TemperaturaMaxima, maximo);
    EXPECT_EQ(Estado().IdadeTemperaturaMaxima, idade);
    EXPECT_EQ(Estado().NoTemperaturaMaxima, no);
    EXPECT_EQ(Estado().XTemperaturaMaxima, b.malha->GetNo(no)->X);
    EXPECT_EQ(Estado().YTemperaturaMaxima, b.malha->GetNo(no)->Y);
    EXPECT_GT(maximo, 15.5);

    // Queries read the files: replace step 5's file and every answer follows it.
    {
        std::ofstream f(b.pasta.Passo(5));
        f.precision(17);
        for (int i = 1; i <= n; ++i)
            f << 100 + b.malha->GetNo(i)->X + 2 * b.malha->GetNo(i)->Y << "\n";
    }
    a.LeResultados(T, 30.0);
    ASSERT_EQ(T.GetTamanho(), n);
    EXPECT_EQ(T[n], 100 + b.malha->GetNo(n)->X + 2 * b.malha->GetNo(n)->Y);
    EXPECT_EQ(a.GetTMaxima(), 100 + 10 + 8);
    a.LeResultados(T, 1000.0); // beyond the end: the last step
    EXPECT_NEAR(T[n], b.g.T[11][std::size_t(n - 1)], 5e-5);
    a.LeResultados(T, 0.0); // at the start: the first step
    EXPECT_NEAR(T[n], b.g.T[0][std::size_t(n - 1)], 5e-5);

    TVetor h;
    a.HistoricoNo(h, n);
    ASSERT_EQ(h.GetTamanho(), 13);
    EXPECT_EQ(h[1], 15.0);
    EXPECT_NEAR(h[2], b.g.T[0][std::size_t(n - 1)], 5e-5);
    EXPECT_EQ(h[6], 100 + b.malha->GetNo(n)->X + 2 * b.malha->GetNo(n)->Y);
    EXPECT_NEAR(h[13], b.g.T[11][std::size_t(n - 1)], 5e-5);

    double v = -1;
    EXPECT_TRUE(a.ValorNoPonto(v, 3.3, 1.7, 30.0)); // the field of step 5 is linear
    EXPECT_NEAR(v, 100 + 3.3 + 3.4, 1e-9);
    v = -1;
    EXPECT_FALSE(a.ValorNoPonto(v, 10.5, 1.0, 30.0));
    EXPECT_EQ(v, -1);

    TVetor valores, abscissas;
    a.PerfilNaLinha(valores, abscissas, 0, 1, 10, 3, 30.0);
    ASSERT_EQ(valores.GetTamanho(), 101);
    EXPECT_EQ(abscissas[51], 5.0);
    EXPECT_NEAR(valores[51], 100 + 5 + 4, 1e-9);
    a.PerfilNaLinha(valores, abscissas, 5, 4, 15, 0, 30.0); // leaves the mesh at x = 10
    EXPECT_EQ(valores.GetTamanho(), 51);
    EXPECT_EQ(abscissas[51], 10.0);
    a.PerfilNaLinha(valores, abscissas, 2, 0, 2, 4, 30.0); // vertical: abscissa is y
    ASSERT_EQ(valores.GetTamanho(), 101);
    EXPECT_NEAR(abscissas[26], 1.0, 1e-12);
    EXPECT_NEAR(valores[26], 100 + 2 + 2, 1e-9);

    // Isoline of the current temperatures in element 1.
    const TElemento *el = b.malha->GetElemento(1);
    TVetor &Tc = *a.GetTemperaturas();
    Tc[el->GetNo(1)->Numero] = 10;
    Tc[el->GetNo(2)->Numero] = 20;
    Tc[el->GetNo(3)->Numero] = 30;
    double x1, y1, x2, y2;
    ASSERT_TRUE(a.SegmentoIsolinha(1, x1, y1, x2, y2, 15));
    auto meio = [&](int i, int j, double f) {
        return std::pair{el->GetNo(i)->X + f * (el->GetNo(j)->X - el->GetNo(i)->X),
                         el->GetNo(i)->Y + f * (el->GetNo(j)->Y - el->GetNo(i)->Y)};
    };
    EXPECT_NEAR(x1, meio(1, 2, 0.5).first, 1e-12);
    EXPECT_NEAR(y1, meio(1, 2, 0.5).second, 1e-12);
    EXPECT_NEAR(x2, meio(1, 3, 0.25).first, 1e-12);
    EXPECT_NEAR(y2, meio(1, 3, 0.25).second, 1e-12);
    EXPECT_FALSE(a.SegmentoIsolinha(1, x1, y1, x2, y2, 40));
    EXPECT_EQ(x1, el->GetNo(1)->X);
    EXPECT_EQ(y2, el->GetNo(1)->Y);
}

TEST(ExecucaoTermica, MaximaRulesWhenTheStartIsNeverExceeded) {
    // A block that loses heat uniformly (negative source, no convection).
    auto resfria = [](Execucao &ex, double T0) {
        ex.Dominio().SetFonte(std::make_unique<TForcaInterna>(-2000.0));
        ex.analise->SetTempo(std::make_unique<TTempo>(0.0, 4.0, 1.0, 2.0 / 3.0));
        ex.analise->AplicaTemperaturaInicial(TodosOsNos(ex.malha->GetNumNos()), T0);
        ex.analise->Executa();
    };
    // The start's 30 is reported at the first step's time and, as no node holds it then, at
    // the node nearest to (0, 0).
    {
        Execucao ex(Retangulo(Uniforme(2, 4), 1, 2));
        Estado().NoTemperaturaMaxima = 77;
        resfria(ex, 30);
        EXPECT_EQ(Estado().TemperaturaMaxima, 30);
        EXPECT_EQ(Estado().IdadeTemperaturaMaxima, 1.0);
        EXPECT_EQ(Estado().NoTemperaturaMaxima, 1);
        EXPECT_EQ(Estado().XTemperaturaMaxima, 0);
        EXPECT_EQ(Estado().YTemperaturaMaxima, 0);
    }
    // Below zero nothing is recorded.
    {
        Execucao ex(Retangulo(Uniforme(2, 4), 1, 2));
        Estado().TemperaturaMaxima = 99;
        Estado().IdadeTemperaturaMaxima = 99;
        resfria(ex, -5);
        EXPECT_EQ(Estado().TemperaturaMaxima, 0);
        EXPECT_EQ(Estado().IdadeTemperaturaMaxima, 0);
    }
    // With every node farther than 1000 from (0, 0) the node number is left as it was.
    {
        Execucao ex(Retangulo(Uniforme(2, 2), 1, 1));
        for (int i = 1; i <= ex.malha->GetNumNos(); ++i)
            ex.malha->GetNo(i)->X += 5000;
        Estado().NoTemperaturaMaxima = 77;
        resfria(ex, 30);
        EXPECT_EQ(Estado().TemperaturaMaxima, 30);
        EXPECT_EQ(Estado().NoTemperaturaMaxima, 77);
    }
}

TEST(ExecucaoTermica, AFileThatCannotBeWrittenEndsTheRunAndANewRunWorks) {
    Bloco b;
    TConfiguracoes &c = Estado().Configuracoes;
    c.FAplicado = true;
    c.EnderecoTemp = (b.pasta.pasta / "nao_existe" / "").string();
    try {
        b.analise->Executa();
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find((b.pasta.pasta / "nao_existe").string()),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(b.g.T.size(), 0u);

    c.EnderecoTemp = (b.pasta.pasta / "").string();
    b.analise->Libera();
    b.analise->AdicionaPrescricoes(Nos({1}), 1, 15.0, 0.0, 24.0);
    b.analise->Executa();
    b.analise->Executa(); // a second run counts its own steps
    EXPECT_EQ(b.analise->GetNumPassos(), 12);
    EXPECT_EQ(b.g.T.size(), 24u);
    EXPECT_EQ(b.g.T[11], b.g.T[23]);
    EXPECT_TRUE(fs::exists(b.pasta.pasta / "PassoTemp12.res"));
    TVetor h;
    b.analise->HistoricoNo(h, 3);
    EXPECT_EQ(h.GetTamanho(), 13);
}

TEST(ExecucaoTermica, QueriesReadOnlyTheStepsOfTheLastRun) {
    Bloco b;
    TAnalise &a = *b.analise;
    a.Executa();
    TVetor T;
    a.LeResultados(T, 72.0);

    // A run that stops with an error at step 3 leaves steps 1 and 2 to read, not the older 3.
    a.SetOnPasso([&](TTempo &t) {
        if (t.GetTempoAtual() == 18.0)
            throw EInOutError("parado");
    });
    EXPECT_THROW(a.Executa(), EInOutError);
    EXPECT_EQ(a.GetNumPassos(), 2);
    a.LeResultados(T, 12.0);
    double v = 0;
    for (double t : {18.0, 72.0}) {
        try {
            a.LeResultados(T, t);
            ADD_FAILURE() << t;
        } catch (const Exception &e) {
            EXPECT_STREQ(e.what(), "Não há resultados calculados para este instante.");
        }
        EXPECT_THROW(a.ValorNoPonto(v, 6.0, 2.0, t), Exception);
    }

    // An axis without steps is refused, and nothing older is read after it.
    a.SetOnPasso(nullptr);
    a.SetTempo(std::make_unique<TTempo>(0.0, 0.0, 6.0, 2.0 / 3.0));
    try {
        a.Executa();
        ADD_FAILURE() << "no error";
    } catch (const Exception &e) {
        EXPECT_STREQ(e.what(), "O eixo do tempo não tem passos.");
    }
    EXPECT_THROW(a.LeResultados(T, 0.0), Exception);
    TVetor h;
    a.HistoricoNo(h, 1);
    EXPECT_EQ(h.GetTamanho(), 1);
}

TEST(ExecucaoTermica, ASecondRunInTheSameResultFolderIsRefused) {
    Bloco a, b;
    std::string erro;
    int passosB = -1;
    a.analise->SetOnPasso([&](TTempo &t) {
        if (t.GetTempoAtual() != 6.0)
            return;
        try {
            b.analise->Executa();
        } catch (const Exception &e) {
            erro = e.what();
        }
        passosB = b.analise->GetNumPassos();
    });
    a.analise->Executa();
    EXPECT_EQ(erro, kPastaEmUso);
    EXPECT_EQ(passosB, 0);
    EXPECT_EQ(a.analise->GetNumPassos(), 12);
    b.analise->Executa(); // the folder is free again
    EXPECT_EQ(b.analise->GetNumPassos(), 12);
}
