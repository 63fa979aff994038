// One step's system of the thermal analysis: element arrays, convection, theta scheme,
// assembly, prescribed temperatures and the subdomain rules.
#include <cmath>
#include <vector>

#include "support_analise.h"

namespace {

using Densa = std::vector<std::vector<double>>;

// Convection h = 4 at 20 on edges 1 to 3 with a curing window (h = 40) that ends at t = 1.
std::unique_ptr<TForcaExterna> ConveccaoComJanela() {
    auto conv = Conveccao(4.0, 20.0, {1, 2, 3});
    conv->SetUsaJanela(true);
    conv->SetCoefConveccaoJanela(40.0);
    conv->SetFimJanela(1.0);
    return conv;
}

// Rectangle 2.5 x 1.5 in two columns, k = 3, rho c = 10, source 7, convection h = 4 at 20 on
// the right and top edges, initial temperatures 10 + node number, theta 0.6, dt = 0.5.
struct Sistema {
    PastaResultados pasta;
    std::unique_ptr<TMalha> malha = Retangulo({0.0, 1.0, 2.5}, 1.5, 1);
    TAnalise analise{malha.get()};
    const int n = malha->GetNumNos();

    Sistema() {
        TDominio *d = analise.GetDominio();
        d->SetMaterial(MaterialTermico(3.0, 2.0, 5.0));
        d->SetFonte(std::make_unique<TForcaInterna>(7.0));
        d->AdicionaForcaExterna(*Conveccao(4.0, 20.0, {2, 3}));
        analise.SetTempo(std::make_unique<TTempo>(0.0, 1.0, 0.5, 0.6));
        for (int i = 1; i <= n; ++i)
            analise.GetVetorTemperaturasIniciais()[i] = 10.0 + i;
        analise.SetSolver(std::make_unique<TGauss>());
        analise.Prepara();
        analise.GetTempo()->SetTempoAtual(0.5);
        analise.MontaSistema();
    }

    // The system built independently from the closed-form triangle and edge arrays.
    void Referencia(Densa &A, std::vector<double> &r) const {
        const double k = 3, rc = 10, Q = 7, h = 4, Ta = 20, theta = 0.6, dt = 0.5;
        A.assign(std::size_t(n + 1), std::vector<double>(std::size_t(n + 1), 0.0));
        r.assign(std::size_t(n + 1), 0.0);
        for (int e = 1; e <= malha->GetNumElementos(); ++e) {
            const TElemento *el = malha->GetElemento(e);
            int g[3];
            double x[3], y[3], K[3][3] = {}, F[3] = {};
            for (int i = 0; i < 3; ++i) {
                g[i] = el->GetNo(i + 1)->Numero;
                x[i] = el->GetNo(i + 1)->X;
                y[i] = el->GetNo(i + 1)->Y;
            }
            const double area = ((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2;
            ASSERT_GT(area, 0.0);
            double bb[3], cc[3];
            for (int i = 0; i < 3; ++i) {
                bb[i] = y[(i + 1) % 3] - y[(i + 2) % 3];
                cc[i] = x[(i + 2) % 3] - x[(i + 1) % 3];
            }
            for (int i = 0; i < 3; ++i) {
                F[i] = Q * area / 3;
                for (int j = 0; j < 3; ++j)
                    K[i][j] = k * (bb[i] * bb[j] + cc[i] * cc[j]) / (4 * area);
            }
            // Sides on the right (x = 2.5) or top (y = 1.5) edge.
            for (int i = 0; i < 3; ++i) {
                const int j = (i + 1) % 3;
                if ((x[i] == 2.5 && x[j] == 2.5) || (y[i] == 1.5 && y[j] == 1.5)) {
                    const double L = std::hypot(x[j] - x[i], y[j] - y[i]);
                    K[i][i] += h * L / 3;
                    K[j][j] += h * L / 3;
                    K[i][j] += h * L / 6;
                    K[j][i] += h * L / 6;
                    F[i] += h * L * Ta / 2;
                    F[j] += h * L * Ta / 2;
                }
            }
            for (int i = 0; i < 3; ++i) {
                r[std::size_t(g[i])] += dt * F[i];
                for (int j = 0; j < 3; ++j) {
                    const double C = rc * area * (i == j ? 2 : 1) / 12;
                    A[std::size_t(g[i])][std::size_t(g[j])] += C + theta * dt * K[i][j];
                    r[std::size_t(g[i])] += (C - (1 - theta) * dt * K[i][j]) * (10.0 + g[j]);
                }
            }
        }
    }

    Densa Matriz() const {
        Densa A(std::size_t(n + 1), std::vector<double>(std::size_t(n + 1), 0.0));
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                A[std::size_t(i)][std::size_t(j)] = analise.GetMatriz()->Get(i, j);
        return A;
    }
    int Entradas() const {
        int s = 0;
        for (int i = 1; i <= n; ++i)
            s += analise.GetMatriz()->TamanhoLinha(i);
        return s;
    }
};

} // namespace

TEST(SistemaTermico, ThetaSchemeAndAssemblyMatchTheClosedFormArrays) {
    Sistema s;
    Densa A;
    std::vector<double> r;
    s.Referencia(A, r);
    const Densa K = s.Matriz();
    for (int i = 1; i <= s.n; ++i) {
        EXPECT_NEAR((*s.analise.GetTermoIndependente())[i], r[std::size_t(i)],
                    1e-12 * std::fabs(r[std::size_t(i)]));
        for (int j = 1; j <= s.n; ++j)
            EXPECT_NEAR(K[std::size_t(i)][std::size_t(j)], A[std::size_t(i)][std::size_t(j)], 1e-12)
                << i << "," << j;
    }
    // Only the upper triangle is stored, once per pair.
    for (int i = 1; i <= s.n; ++i)
        for (int p = 1; p <= s.analise.GetMatriz()->TamanhoLinha(i); ++p)
            EXPECT_GE(s.analise.GetMatriz()->ColunaNaPosicao(i, p), i);
}

TEST(SistemaTermico, ImposedTemperaturesEqualThePlainRuleOverAllPairs) {
    Sistema s;
    // Nodes 2 and 5 at 30 from t = 0.5 to 1; a second group on the same set keeps that window.
    s.analise.AdicionaPrescricoes(Nos({2, 5}), 1, 30.0, 0.5, 1.0);
    s.analise.AdicionaPrescricoes(Nos({4}), 1, 12.0, 8.0, 9.0);
    s.analise.SelecionaPrescricao(1);
    Densa K = s.Matriz();
    std::vector<double> b(std::size_t(s.n + 1));
    for (int i = 1; i <= s.n; ++i)
        b[std::size_t(i)] = (*s.analise.GetTermoIndependente())[i];
    const int entradas = s.Entradas();

    // Before the window nothing changes.
    s.analise.GetTempo()->SetTempoAtual(0.4);
    s.analise.ImpoePrescricoes();
    EXPECT_EQ(s.Matriz(), K);

    // The rule as written: every free row takes value x coefficient of every entry, then the
    // prescribed rows and columns become those of the identity.
    const int nos[] = {2, 5, 4};
    const double val[] = {30, 30, 12};
    auto prescrito = [&](int i) { return i == 2 || i == 5 || i == 4; };
    for (int i = 1; i <= s.n; ++i)
        if (!prescrito(i))
            for (int k = 0; k < 3; ++k)
                b[std::size_t(i)] -= val[k] * K[std::size_t(i)][std::size_t(nos[k])];
    for (int k = 0; k < 3; ++k)
        b[std::size_t(nos[k])] = val[k];
    for (int i = 1; i <= s.n; ++i)
        for (int j = 1; j <= s.n; ++j)
            if (prescrito(i) || prescrito(j))
                K[std::size_t(i)][std::size_t(j)] = (i == j && prescrito(i)) ? 1.0 : 0.0;

    s.analise.GetTempo()->SetTempoAtual(1.0); // the window's end is included
    s.analise.ImpoePrescricoes();
    EXPECT_EQ(s.Matriz(), K);
    for (int i = 1; i <= s.n; ++i)
        EXPECT_EQ((*s.analise.GetTermoIndependente())[i], b[std::size_t(i)]) << i;
    EXPECT_EQ(s.Entradas(), entradas); // no entry was added for the zeros
}

TEST(SistemaTermico, ANodeListedTwiceActsWithItsLastValue) {
    Sistema s;
    const double k13 = s.analise.GetMatriz()->Get(1, 3),
                 b1 = (*s.analise.GetTermoIndependente())[1];
    ASSERT_NE(k13, 0.0);
    s.analise.AdicionaPrescricoes(Nos({3}), 1, 30.0, 0.0, 1.0);
    s.analise.AdicionaPrescricoes(Nos({3}), 1, 40.0, 0.0, 1.0);
    s.analise.SelecionaPrescricao(1);
    s.analise.ImpoePrescricoes();
    EXPECT_EQ((*s.analise.GetTermoIndependente())[3], 40.0);
    EXPECT_DOUBLE_EQ((*s.analise.GetTermoIndependente())[1], b1 - 40.0 * k13);
}

TEST(SistemaTermico, PrescriptionSetsAreCreatedMergedAndFreed) {
    PastaResultados pasta;
    auto malha = Retangulo({0.0, 1.0}, 1.0, 1);
    TAnalise a(malha.get());
    // Before any selection entries go to the analysis' own empty set.
    ASSERT_NE(a.GetPrescricaoAtual(), nullptr);
    a.AdicionaPrescricao(2, 5.0);
    EXPECT_EQ(a.GetPrescricaoAtual()->Nos.GetTamanho(), 1);

    a.AdicionaPrescricoes(Nos({1, 2}), 3, 25.0, 10.0, 20.0);
    EXPECT_EQ(a.GetNumPrescricoes(), 3);
    EXPECT_EQ(a.GetPrescricao(1), nullptr);
    a.SelecionaPrescricao(2);
    EXPECT_EQ(a.GetPrescricaoAtual(), nullptr);
    a.AdicionaPrescricao(4, 1.0); // no current set: nothing happens

    a.SelecionaPrescricao(3);
    TPrescricoes *p = a.GetPrescricaoAtual();
    a.AdicionaPrescricoes(Nos({4}), 3, 35.0, 0.0, 99.0);
    ASSERT_EQ(a.GetPrescricaoAtual(), a.GetPrescricao(3));
    p = a.GetPrescricaoAtual();
    ASSERT_EQ(p->Nos.GetTamanho(), 3);
    EXPECT_EQ(p->Nos[1], 1);
    EXPECT_EQ(p->Nos[3], 4);
    EXPECT_EQ(p->Valores[2], 25.0);
    EXPECT_EQ(p->Valores[3], 35.0);
    EXPECT_EQ(p->Inicio, 10.0);
    EXPECT_EQ(p->Fim, 20.0);
    a.AdicionaPrescricao(2, 7.0);
    EXPECT_EQ(p->Nos.GetTamanho(), 4);

    a.Libera();
    EXPECT_EQ(a.GetNumPrescricoes(), 0);
    EXPECT_EQ(a.GetPrescricaoAtual(), nullptr);
}

TEST(SistemaTermico, AllZeroRightHandSideGivesZeroWithoutTheSolver) {
    PastaResultados pasta;
    auto malha = Retangulo({0.0, 1.0, 2.0}, 1.0, 1);
    TAnalise a(malha.get()); // no solver: it must not be needed
    a.AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 0.0);
    a.Prepara();
    a.MontaSistema();
    (*a.GetTemperaturas())[2] = 5.0;
    a.Resolve();
    for (int i = 1; i <= malha->GetNumNos(); ++i)
        EXPECT_EQ((*a.GetTemperaturas())[i], 0.0);
}

TEST(SistemaTermico, InnermostSubdomainGivesMaterialSourceAndStartTime) {
    PastaResultados pasta;
    auto malha = Retangulo({0, 1, 2, 3, 4}, 2.0, 2);
    TAnalise a(malha.get());
    auto poligono = [](double x0, double x1) {
        std::vector<TNo> p = {TNo(1, x0, 0), TNo(2, x1, 0), TNo(3, x1, 2), TNo(4, x0, 2)};
        return TDominio::CreateMalha(p);
    };
    auto externo = poligono(0, 4), interno = poligono(2, 4), igual = poligono(2, 4);
    externo->SetMaterial(MaterialTermico(1, 1, 1));
    interno->SetMaterial(MaterialTermico(2, 1, 1));
    igual->SetMaterial(MaterialTermico(3, 1, 1));
    externo->SetFonte(std::make_unique<TForcaInterna>(10.0));
    igual->SetFonte(std::make_unique<TForcaInterna>(30.0));
    igual->SetInstanteInicial(48.0);
    a.SetSubDominio(1, interno.get());
    a.SetSubDominio(5, externo.get()); // beyond the end: appended
    ASSERT_EQ(a.GetNumSubDominios(), 2);
    EXPECT_EQ(a.GetSubDominio(2), externo.get());

    EXPECT_EQ(a.SubDominioDoPonto(3.5, 1.0), 1);
    EXPECT_EQ(a.SubDominioDoPonto(0.5, 1.0), 2);
    EXPECT_EQ(a.SubDominioDoPonto(4.0, 2.0), 1); // a vertex counts as inside
    EXPECT_EQ(a.SubDominioDoPonto(5.0, 1.0), 0);
    a.SetSubDominio(3, igual.get()); // same box as the inner one, later in the list: it wins
    EXPECT_EQ(a.SubDominioDoPonto(3.5, 1.0), 3);

    a.Prepara();
    for (int e = 1; e <= malha->GetNumElementos(); ++e) {
        const bool direita = malha->GetElemento(e)->XCentro() > 2;
        EXPECT_EQ(a.MaterialDoElemento(e)->GetKx(), direita ? 3.0 : 1.0);
        TForcaInterna *f = a.FonteDoElemento(e);
        EXPECT_EQ(f, direita ? igual->GetFonte() : externo->GetFonte());
        EXPECT_EQ(f->GetInstanteInicial(), direita ? 48.0 : 0.0);
    }

    // Centroids in no subdomain take the domain's own material and source.
    TAnalise b(malha.get());
    b.SetSubDominio(1, interno.get());
    b.Prepara();
    for (int e = 1; e <= malha->GetNumElementos(); ++e)
        if (malha->GetElemento(e)->XCentro() < 2) {
            EXPECT_EQ(b.MaterialDoElemento(e), b.GetDominio()->GetMaterial());
            EXPECT_EQ(b.FonteDoElemento(e), b.GetDominio()->GetFonte());
        }

    // An emptied list leaves every element to the domain, also after an earlier preparation.
    a.LiberaSubDominios();
    EXPECT_EQ(a.GetNumSubDominios(), 0);
    a.Prepara();
    for (int e = 1; e <= malha->GetNumElementos(); ++e)
        EXPECT_EQ(a.MaterialDoElemento(e), a.GetDominio()->GetMaterial());
}

TEST(SistemaTermico, ReusedDirectEliminationGivesThePlainSolutionBitwise) {
    // Convection with a curing window that ends after the second step: the system matrix
    // changes once, then stays.
    PastaResultados pasta;
    auto malha = Retangulo(Uniforme(3, 6), 2.0, 4);
    TAnalise a(malha.get());
    TDominio *d = a.GetDominio();
    d->SetMaterial(MaterialTermico(3.0, 2.0, 5.0));
    d->SetFonte(std::make_unique<TForcaInterna>(7.0));
    auto conv = ConveccaoComJanela();
    d->AdicionaForcaExterna(*conv);
    a.SetTempo(std::make_unique<TTempo>(0.0, 3.0, 0.5, 2.0 / 3.0));
    a.AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
    a.AdicionaPrescricoes(Nos({3, 17}), 1, 25.0, 0.0, 1.5);
    auto gauss = std::make_unique<TGauss>();
    TGauss *g = gauss.get();
    a.SetSolver(std::move(gauss));
    a.Prepara();
    a.SelecionaPrescricao(1);
    for (int i = 1; i <= a.GetTempo()->GetNumPassos(); ++i) {
        a.GetTempo()->SetTempoAtual(a.GetTempo()->TempoDoPasso(i));
        a.MontaSistema();
        a.ImpoePrescricoes();
        TMatrizSky K = *a.GetMatriz();
        TVetor b = *a.GetTermoIndependente(), x = *a.GetTemperaturas();
        const int linhas = a.GetMatriz()->TamanhoLinha(1);
        a.Resolve();
        TGauss simples;
        simples.DefineSistema(&K, &b, &x);
        simples.Resolve();
        for (int k = 1; k <= malha->GetNumNos(); ++k)
            ASSERT_EQ((*a.GetTemperaturas())[k], x[k]) << "step " << i << " node " << k;
        EXPECT_EQ(a.GetMatriz()->TamanhoLinha(1), linhas); // the analysis' matrix stays unfilled
        a.PosPasso(i);
    }
    // Eliminations: the first step, the end of the window, the end of the prescriptions.
    EXPECT_EQ(g->GetEliminacoes(), 3);
}

namespace {
// Assembles K afresh in every step, as the analysis did before it kept K between steps.
struct AnaliseMontagemCompleta : TAnalise {
    using TAnalise::TAnalise;
    void MontaSistema() override {
        InvalidaIndices();
        K->Zera();
        TAnalise::MontaSistema();
    }
};

// Temperatures after every step of a run on the rectangle: the convection coefficient changes
// when its curing window ends (t = 1), the prescriptions hold from t = 1.7 to 2.5, both ends
// falling on steps whose element arrays did not change, and the source changes b in every
// step.
template <class A>
std::vector<std::vector<double>> Historia(std::unique_ptr<TGradiente> solver,
                                          long long *fatoracoes = nullptr) {
    auto malha = Retangulo(Uniforme(3, 6), 2.0, 4);
    A a(malha.get());
    TDominio *d = a.GetDominio();
    d->SetMaterial(MaterialTermico(3.0, 2.0, 5.0));
    d->SetFonte(std::make_unique<TForcaInterna>(7.0));
    auto conv = ConveccaoComJanela();
    d->AdicionaForcaExterna(*conv);
    a.SetTempo(std::make_unique<TTempo>(0.0, 3.0, 0.25, 2.0 / 3.0));
    a.AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
    a.AdicionaPrescricoes(Nos({3, 17, 9}), 1, 25.0, 1.7, 2.5);
    TGauss *g = dynamic_cast<TGauss *>(solver.get());
    a.SetSolver(std::move(solver));
    std::vector<std::vector<double>> passos;
    a.SetOnPasso([&](TTempo &) {
        const TVetor &t = *a.GetTemperaturas();
        passos.emplace_back(t.Dados(), t.Dados() + t.GetTamanho());
    });
    a.Executa();
    if (g && fatoracoes)
        *fatoracoes = g->GetEliminacoes();
    return passos;
}
} // namespace

// Steps whose matrix cannot have changed assemble only b and keep K with its prescriptions; the
// temperatures stay bitwise those of a full assembly in every step, with either solver.
TEST(SistemaTermico, KeptMatrixGivesTheFullAssemblysTemperaturesBitwise) {
    PastaResultados pasta;
    long long f = 0;
    const auto mantida = Historia<TAnalise>(std::make_unique<TGauss>(), &f);
    const auto completa = Historia<AnaliseMontagemCompleta>(std::make_unique<TGauss>());
    ASSERT_EQ(mantida.size(), 12u);
    EXPECT_EQ(mantida, completa);
    // Distinct matrices: in the curing window, after it, with the prescriptions, after them.
    EXPECT_EQ(f, 4);
    const auto cgMantida = Historia<TAnalise>(std::make_unique<TGradiente>(200, 1e-12));
    const auto cgCompleta =
        Historia<AnaliseMontagemCompleta>(std::make_unique<TGradiente>(200, 1e-12));
    EXPECT_EQ(cgMantida, cgCompleta);
}

namespace {
// Temperatures after every step of a run on the rectangle with a heat-of-hydration source and a
// film coefficient whose curing window ends at t = 1; halfway through, one material's
// conductivity (or density) changes. With a subdomain, its elements take their own material
// and source; a daily ambient temperature changes the convection loads in every step.
template <class A>
std::vector<std::vector<double>> HistoriaMudancas(bool subdominio, bool diaria, bool densidade) {
    auto malha = Retangulo(Uniforme(3, 6), 2.0, 4);
    A a(malha.get());
    TDominio *d = a.GetDominio();
    d->SetMaterial(MaterialTermico(3.0, 2.0, 5.0));
    d->SetFonte(TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0));
    std::vector<TNo> p = {TNo(1, 1, 0), TNo(2, 2.2, 0), TNo(3, 2.2, 1.3), TNo(4, 1, 1.3)};
    auto sub = TDominio::CreateMalha(p);
    sub->SetMaterial(MaterialTermico(2.3, 2.4, 4.0));
    sub->SetFonte(TForcaInterna::CreateModelo(3.0, 0.5, 80, 300, 0));
    sub->SetInstanteInicial(0.5);
    if (subdominio)
        a.SetSubDominio(1, sub.get());
    auto conv = ConveccaoComJanela();
    if (diaria) {
        conv->SetTipo(TForcaExterna::kSenoidal);
        conv->SetTemperaturaMaxima(30.0);
        conv->SetHoraTMax(14.0);
        conv->SetTemperaturaMinima(12.0);
        conv->SetHoraTMin(5.0);
    }
    d->AdicionaForcaExterna(*conv);
    a.SetTempo(std::make_unique<TTempo>(0.0, 3.0, 0.25, 2.0 / 3.0));
    a.AplicaTemperaturaInicial(TodosOsNos(malha->GetNumNos()), 15.0);
    a.SetSolver(std::make_unique<TGauss>());
    TMaterial *muda = subdominio ? sub->GetMaterial() : d->GetMaterial();
    std::vector<std::vector<double>> passos;
    a.SetOnPasso([&](TTempo &t) {
        const TVetor &v = *a.GetTemperaturas();
        passos.emplace_back(v.Dados(), v.Dados() + v.GetTamanho());
        if (t.GetTempoAtual() == 1.5) {
            if (densidade)
                muda->SetDensidade(3.1);
            else
                muda->SetKx(4.2);
        }
    });
    a.Executa();
    return passos;
}
} // namespace

// Steps that form b from the kept element arrays give the temperatures of the element path
// bitwise, also when a material, the film coefficient or the convection loads change mid-run.
TEST(SistemaTermico, RightHandSideFromKeptArraysEqualsTheElementPathBitwise) {
    PastaResultados pasta;
    const struct {
        bool subdominio, diaria, densidade;
    } casos[] = {{false, false, false}, {true, true, false}, {true, false, true}};
    for (const auto &c : casos) {
        const auto mantida = HistoriaMudancas<TAnalise>(c.subdominio, c.diaria, c.densidade);
        const auto completa =
            HistoriaMudancas<AnaliseMontagemCompleta>(c.subdominio, c.diaria, c.densidade);
        ASSERT_EQ(mantida.size(), 12u);
        EXPECT_EQ(mantida, completa) << c.subdominio << c.diaria << c.densidade;
    }
}

TEST(SistemaTermico, ElementArraysKeptBetweenStepsEqualFreshOnesBitwise) {
    PastaResultados pasta;
    auto malha = Retangulo({0, 0.7, 1.5, 2.6, 4}, 2.0, 3);
    TEspiaTheta<TAnalise> a(malha.get());
    a.GetDominio()->SetMaterial(MaterialTermico(1.9, 2300, 0.27));
    a.GetDominio()->SetFonte(TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0));
    std::vector<TNo> p = {TNo(1, 2, 0), TNo(2, 4, 0), TNo(3, 4, 2), TNo(4, 2, 2)};
    auto sub = TDominio::CreateMalha(p);
    sub->SetMaterial(MaterialTermico(2.3, 2450, 0.25));
    sub->SetFonte(TForcaInterna::CreateModelo(3.0, 0.5, 80, 300, 0));
    sub->SetInstanteInicial(5);
    a.SetSubDominio(1, sub.get());
    a.SetTempo(std::make_unique<TTempo>(0.0, 60.0, 6.0, 2.0 / 3.0));
    a.SetSolver(std::make_unique<TGauss>());
    int comparados = 0;
    a.ver = [&](int e, const TMatrizElemento &K, const TMatrizElemento &C,
                const TVetorElemento &F) {
        TMatrizElemento K2(3), C2(3);
        TVetorElemento F2(3), T2(3);
        a.GetElemento(e, 0)->MatrizesTermicas(*a.FonteDoElemento(e), *a.GetTempo(),
                                              *a.MaterialDoElemento(e), K2, C2, F2, T2);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(F[i], F2[i]) << "element " << e;
            for (int j = 1; j <= 3; ++j) {
                ASSERT_EQ(K(i, j), K2(i, j));
                ASSERT_EQ(C(i, j), C2(i, j));
            }
        }
        ++comparados;
    };
    // A change of conductivity halfway through is taken up at once.
    a.SetOnPasso([&](TTempo &t) {
        if (t.GetTempoAtual() == 30.0)
            sub->GetMaterial()->SetKx(3.1);
    });
    a.Executa();
    EXPECT_EQ(comparados, 10 * malha->GetNumElementos());
}

TEST(SistemaTermico, APrescribedNodeOutsideEveryElementTakesItsValue) {
    PastaResultados pasta;
    for (bool direto : {true, false}) {
        auto malha = Retangulo({0.0, 1.0, 2.0}, 1.0, 1);
        malha->AdicionaNo(5.0, 5.0); // in no element: its row has no entry at all
        const int solto = malha->GetNumNos();
        TAnalise a(malha.get());
        a.AplicaTemperaturaInicial(TodosOsNos(solto), 10.0);
        a.AdicionaPrescricoes(Nos({solto, 1}), 1, 30.0, 0.0, 1.0);
        if (direto)
            a.SetSolver(std::make_unique<TGauss>());
        else
            a.SetSolver(std::make_unique<TGradiente>(500, 1e-12));
        a.Executa();
        EXPECT_EQ((*a.GetTemperaturas())[solto], 30.0) << direto;
        EXPECT_NEAR(a.GetTMaxima(), 30.0, 1e-9) << direto;
    }
}

TEST(SistemaTermico, ConvectionOnAnInteriorEdgeAddsNothing) {
    PastaResultados pasta;
    // Two unit squares side by side; edge 5 is the interior line x = 1 between them.
    auto malha = std::make_unique<TMalha>();
    for (auto [x, y] :
         {std::pair{0.0, 0.0}, {2.0, 0.0}, {2.0, 1.0}, {0.0, 1.0}, {1.0, 0.0}, {1.0, 1.0}})
        malha->AdicionaVertice(x, y);
    for (int i = 1; i <= 4; ++i)
        malha->AdicionaAresta(i, i % 4 + 1, false);
    malha->AdicionaAresta(5, 6, true);
    for (double x : {0.0, 1.0, 2.0})
        for (double y : {0.0, 1.0})
            malha->AdicionaNo(x, y);
    for (int i = 0; i < 2; ++i) {
        malha->AdicionaElemento(2 * i + 1, 2 * i + 3, 2 * i + 4);
        malha->AdicionaElemento(2 * i + 1, 2 * i + 4, 2 * i + 2);
    }
    ASSERT_GT(malha->GetContorno(5)->GetNumLados(), 0);

    auto sistema = [&](std::initializer_list<int> arestas) {
        TAnalise a(malha.get());
        if (arestas.size() > 0)
            a.GetDominio()->AdicionaForcaExterna(*Conveccao(4.0, 20.0, arestas));
        a.AplicaTemperaturaInicial(TodosOsNos(6), 10.0);
        a.Prepara();
        a.GetTempo()->SetTempoAtual(0.1);
        a.MontaSistema();
        std::vector<double> v;
        for (int i = 1; i <= 6; ++i) {
            v.push_back((*a.GetTermoIndependente())[i]);
            for (int j = 1; j <= 6; ++j)
                v.push_back(a.GetMatriz()->Get(std::min(i, j), std::max(i, j)));
        }
        return v;
    };
    const std::vector<double> livre = sistema({});
    EXPECT_EQ(sistema({5}), livre);
    EXPECT_NE(sistema({2}), livre);
}
