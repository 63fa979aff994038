// The recovered stresses must balance the loads: at every free degree of freedom, and summed over
// the nodes above every horizontal cut, the element forces sum A B^T sigma of the total stresses
// equal the external loads applied so far, after every step, whatever the temperature field, the
// creep and shrinkage laws or the stages.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "CasoTensional.h"

namespace {

constexpr double kW = 4.0, kPi = 3.14159265358979323846;

// Runs the check of the loads against the stresses before each step's files are written.
template <class Base> class TComEquilibrio : public Base {
public:
    using Base::Base;
    // Adds the distributed loads acting by time t on the mesh's nodes (2 entries per node).
    std::function<void(const TMalha &, double, std::vector<double> &)> CargasExternas;
    double PiorResiduo = 0.0; // largest |internal - external| over the largest term
    int Verificacoes = 0;

protected:
    void PosPasso(int i) override {
        Verifica();
        Base::PosPasso(i);
    }

private:
    void Verifica() {
        const TMalha &m = *this->Dominio->GetMalha();
        const int n = m.GetNumNos();
        const double t = this->Tempo->GetTempoAtual(), dt = this->Tempo->GetDtPasso();
        std::vector<double> interna(std::size_t(2 * n)), externa(std::size_t(2 * n));
        double escala = 0.0;
        const TForcaTensional *peso = this->Entradas.PesoProprio;
        for (int e = 1; e <= this->Dominio->GetNumElementos(); ++e) {
            TElementoTriangular *el = this->Dominio->GetElemento(e);
            const double A = el->Area();
            const double sx = this->Tensoes[3 * e - 2], sy = this->Tensoes[3 * e - 1],
                         txy = this->Tensoes[3 * e];
            this->MaterialDoElemento(e);
            const bool nascido = this->IdadesElementos[e] + dt <= t + 1e-9;
            const double g = peso && peso->GetAtiva() == 1 && nascido
                                 ? -this->MaterialAtual->GetDensidade() *
                                       this->MaterialAtual->GetGravidade() * A / 3.0 * 1e-6
                                 : 0.0;
            for (int k = 1; k <= 3; ++k) {
                const TBlocoB B = el->MatrizBNoArea(k);
                const int no = el->GetNo(k)->Numero;
                const double fx = A * (B(1, 1) * sx + B(3, 1) * txy);
                const double fy = A * (B(2, 2) * sy + B(3, 2) * txy);
                interna[std::size_t(2 * no - 2)] += fx;
                interna[std::size_t(2 * no - 1)] += fy;
                externa[std::size_t(2 * no - 1)] += g;
                escala = std::max({escala, std::fabs(fx), std::fabs(fy), std::fabs(g)});
            }
        }
        if (CargasExternas)
            CargasExternas(m, t, externa);
        std::vector<char> preso(std::size_t(2 * n));
        if (const TPrescricoes *p = this->ApoiosAtuais)
            for (int i = 1; i <= p->Nos.GetTamanho(); ++i)
                preso[std::size_t(p->Nos[i] - 1)] = 1;
        double pior = 0.0;
        for (std::size_t g = 0; g < preso.size(); ++g)
            if (!preso[g])
                pior = std::max(pior, std::fabs(interna[g] - externa[g]));
        // Across every horizontal cut between node rows (the supports lie below each), the
        // element forces of the body above balance the loads on it.
        for (int k = 1; k <= n; ++k) {
            const double corte = m.GetNo(k)->Y;
            if (corte <= 0.0)
                continue;
            double rx = 0.0, ry = 0.0;
            for (int j = 1; j <= n; ++j)
                if (m.GetNo(j)->Y >= corte) {
                    rx += interna[std::size_t(2 * j - 2)] - externa[std::size_t(2 * j - 2)];
                    ry += interna[std::size_t(2 * j - 1)] - externa[std::size_t(2 * j - 1)];
                }
            pior = std::max({pior, std::fabs(rx), std::fabs(ry)});
        }
        ASSERT_GT(escala, 0.0) << "no stress and no load at " << t << " h";
        PiorResiduo = std::max(PiorResiduo, pior / escala);
        ++Verificacoes;
    }
};

// x load q (N/m, pushing towards -x) on the sides along x = W whose ends lie at most at ymax.
void CargaLadoDireito(const TMalha &m, double q, double ymax, std::vector<double> &f) {
    for (int e = 1; e <= m.GetNumElementos(); ++e) {
        const TElemento *el = m.GetElemento(e);
        for (int k = 1; k <= 3; ++k) {
            const TNo *a = el->GetNo(k), *b = el->GetNo(k % 3 + 1);
            if (a->X != kW || b->X != kW || std::max(a->Y, b->Y) > ymax + 1e-9)
                continue;
            const double parte = -q * std::fabs(b->Y - a->Y) / 2.0 * 1e-6;
            f[std::size_t(2 * a->Numero - 2)] += parte;
            f[std::size_t(2 * b->Numero - 2)] += parte;
        }
    }
}

enum TCarga { kSemCarga, kCargaEtapa2, kCargaEtapas };

struct TCaso {
    const char *nome;
    bool etapas, epd, peso;
    int fluencia;   // -1 none, else the law's kind
    int retracao;   // -1 none, else the law's kind
    bool interface; // two zones (x < W/2 and x > W/2) of other moduli, a temperature step
    TCarga carga;
    bool maturidade;
};

void PrintTo(const TCaso &c, std::ostream *os) {
    *os << c.nome;
}

class EquilibrioTensional : public CasoTensional, public testing::WithParamInterface<TCaso> {
protected:
    static std::unique_ptr<TMaterial> Material(const TCaso &c, double e) {
        auto m = Concreto(e, 0.2, 1e-5, c.epd);
        if (c.maturidade) {
            m->SetEConstante(false);
            m->SetEDaResistencia(true);
            m->SetMaturidade(true);
        }
        return m;
    }
    static std::unique_ptr<TFluencia> Fluencia(int tipo) {
        auto f = std::make_unique<TFluencia>();
        f->SetTipo(std::uint8_t(tipo));
        f->A = 10.0, f->B = 40.0;
        f->SetCoefFluencia(2.0), f->SetTempoFluencia(48.0);
        f->Umidade = 70, f->Abatimento = 20, f->CuraUmida = 1, f->Finos = 60, f->Ar = 7;
        return f;
    }
    static std::unique_ptr<TDominio> Zona(double x0, double x1, double h) {
        std::vector<TNo> nos = {{1, x0, 0}, {2, x1, 0}, {3, x1, h}, {4, x0, h}};
        return TDominio::CreateMalha(nos);
    }
    // Temperature at (x, y) in step s: rising and varying in both directions; with an
    // interface, 12 degrees more right of x = W / 2 from step 2 on.
    static double Temperatura(const TCaso &c, double x, double y, int s) {
        double t = 20.0 + 3.0 * s * (1.0 + std::sin(kPi * x / kW) * y * y / 4.0) - 0.4 * s * s * x;
        if (c.interface && s >= 2 && x > kW / 2 + 1e-9)
            t += 12.0;
        return t;
    }
    static void GravaTemperaturas(const TCaso &c, const TMalha &m, int s) {
        TVetor v(m.GetNumNos());
        for (int k = 1; k <= m.GetNumNos(); ++k)
            v[k] = Temperatura(c, m.GetNo(k)->X, m.GetNo(k)->Y, s);
        std::string buffer;
        GravaArquivoPasso(ArquivoTemperatura(s), v, buffer);
    }

    TEntradasExecucao entradas_;
    TForcaTensional peso_;
    TVetor colocacao_;
};

TEST_P(EquilibrioTensional, ElementForcesOfTheStressesBalanceTheLoads) {
    const TCaso c = GetParam();
    entradas_.FluenciaAtiva = c.fluencia >= 0;
    peso_.SetAtiva(1);
    entradas_.PesoProprio = c.peso ? &peso_ : nullptr;
    const double q = 2e5; // N/m
    std::vector<std::unique_ptr<TDominio>> zonas;
    if (c.interface) {
        zonas.push_back(Zona(0, kW / 2, 3));
        zonas.push_back(Zona(kW / 2, kW, 3));
    } else {
        zonas.push_back(Zona(0, kW, 3));
    }
    double pior = 0.0;
    int verificacoes = 0;
    if (!c.etapas) {
        auto malha = Retangulo(kW, 2, 8, 4);
        TComEquilibrio<TAnaliseTensional> a(malha.get());
        a.GetDominio().SetMaterial(Material(c, 30.0));
        for (std::size_t z = 0; z < zonas.size(); ++z) {
            zonas[z]->SetMaterial(Material(c, z == 0 ? 30.0 : 10.0));
            a.SetSubDominio(int(z) + 1, zonas[z].get());
        }
        if (c.fluencia >= 0)
            a.GetDominio().SetFluencia(Fluencia(c.fluencia));
        a.SetTempo(std::make_unique<TTempo>(0.0, 72.0, 12.0, 2.0 / 3.0));
        a.AdicionaApoios(NosEmY(*malha, 0), false, 1, true, 0, 0);
        if (c.carga != kSemCarga) {
            TForcaTensional carga;
            carga.SetQx1(q), carga.SetQx2(q);
            carga.SetArestas(Nos({2}));
            a.GetDominio().AdicionaForcaTensional(carga);
            a.CargasExternas = [q](const TMalha &m, double, std::vector<double> &fe) {
                CargaLadoDireito(m, q, 1e9, fe);
            };
        }
        colocacao_ = TVetor(malha->GetNumNos());
        for (int k = 1; k <= colocacao_.GetTamanho(); ++k)
            colocacao_[k] = 20.0;
        entradas_.TemperaturasIniciais = &colocacao_;
        for (int s = 1; s <= 6; ++s)
            GravaTemperaturas(c, *malha, s);
        a.Executa(entradas_);
        pior = a.PiorResiduo;
        verificacoes = a.Verificacoes;
    } else {
        // Three lifts of 1 m placed at 0, 24 and 48 h on nested stage meshes.
        TVetor elev;
        for (double y : {1.0, 2.0, 3.0})
            elev.Adiciona(y);
        std::vector<TDominio *> subs;
        for (auto &z : zonas)
            subs.push_back(z.get());
        std::vector<TNo> contorno = {{1, 0, 0}, {2, kW, 0}, {3, kW, 3}, {4, 0, 3}};
        auto todo = TDominio::CreateMalha(contorno);
        TCamadas camadas(*todo->GetMalha(), elev);
        camadas.DefineCamadas(subs);
        camadas.SetNx(2);
        camadas.SetNy(2);
        for (int k = 1; k <= 3; ++k) {
            camadas.GetEtapa(k)->SetInstanteInicial(24.0 * (k - 1));
            camadas.GetEtapa(k)->SetInstanteFinal(24.0 * k);
            camadas.SalvaMalhaEtapa(k, TConfiguracaoMalha());
            Retangulo(kW, k, 8, 2 * k)
                ->SalvaMalha(TCamadas::ArquivoMalhaEtapa(k).string(), TConfiguracaoMalha());
        }
        for (int k = 1; k <= 3; ++k)
            camadas.LeMalhaEtapa(k);
        TComEquilibrio<TAnaliseCamadasTensional> a(&camadas);
        for (int z = 1; z <= camadas.GetNumZonas(); ++z) {
            const TMalha &mz = *camadas.GetSubDominio(z)->GetMalha();
            double xm = 0.0;
            for (int v = 1; v <= mz.GetNumVertices(); ++v)
                xm += mz.GetVertice(v)->X / mz.GetNumVertices();
            const bool direita = xm > kW / 2;
            camadas.GetSubDominio(z)->SetMaterial(Material(c, direita ? 10.0 : 30.0));
            if (c.fluencia >= 0)
                a.SetFluenciaCamada(z, Fluencia(c.fluencia));
            if (c.retracao >= 0)
                a.SetRetracaoCamada(z, std::make_unique<TRetracao>(std::uint8_t(c.retracao)));
        }
        a.SetTempo(std::make_unique<TTempo>(0.0, 72.0, 12.0, 2.0 / 3.0));
        for (int k = 1; k <= 3; ++k)
            a.AdicionaApoios(NosEmY(*camadas.GetEtapa(k)->GetMalha(), 0), false, k, true, 0, 0);
        TForcaTensional carga;
        carga.SetQx1(q), carga.SetQx2(q);
        if (c.carga == kCargaEtapa2) {
            // Stage 2's right edges, 0 to 2 m, across both lifts.
            carga.SetArestas(camadas.GetEtapa(2)->GetMalha()->ArestasNoRetangulo(kW - 0.01, 2.01,
                                                                                 kW + 0.01, -1));
            ASSERT_GT(carga.GetArestas().GetTamanho(), 0);
            camadas.GetEtapa(2)->AdicionaForcaTensional(carga);
            a.CargasExternas = [q](const TMalha &m, double t, std::vector<double> &fe) {
                if (t > 24.0)
                    CargaLadoDireito(m, q, 2.0, fe);
            };
        } else if (c.carga == kCargaEtapas) {
            camadas.AdicionaForcaTensionalEtapas(carga, true, kW - 0.01, 4, kW + 0.01, -1);
            a.CargasExternas = [q](const TMalha &m, double, std::vector<double> &fe) {
                CargaLadoDireito(m, q, 1e9, fe);
            };
        }
        colocacao_ = TVetor(3);
        for (int k = 1; k <= 3; ++k)
            colocacao_[k] = 20.0;
        entradas_.TemperaturasCamadas = &colocacao_;
        // Stage k solves the steps after its placement up to the next one.
        for (int s = 1; s <= 6; ++s) {
            const int k = (s + 1) / 2;
            TMalha m;
            m.LeMalha(TCamadas::ArquivoMalhaEtapa(k).string());
            GravaTemperaturas(c, m, s);
        }
        a.Executa(entradas_);
        EXPECT_EQ(a.GetEtapaAtual(), 3);
        pior = a.PiorResiduo;
        verificacoes = a.Verificacoes;
    }
    EXPECT_EQ(verificacoes, 6);
    EXPECT_LT(pior, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EquilibrioTensional,
    testing::Values(
        TCaso{"gradiente", false, false, false, -1, -1, false, kSemCarga, false},
        TCaso{"gradiente_epd_peso", false, true, true, -1, -1, false, kSemCarga, false},
        TCaso{"interface_peso_carga", false, false, true, -1, -1, true, kCargaEtapa2, false},
        TCaso{"bureau", false, false, true, TFluencia::kBureauReclamation, -1, false, kSemCarga,
              false},
        TCaso{"modulo_efetivo", false, true, false, TFluencia::kModuloEfetivo, -1, false, kSemCarga,
              false},
        TCaso{"aci", false, false, true, TFluencia::kACI209, -1, true, kSemCarga, false},
        TCaso{"maturidade", false, false, true, -1, -1, false, kSemCarga, true},
        TCaso{"etapas", true, false, false, -1, -1, false, kSemCarga, false},
        TCaso{"etapas_epd_peso_interface", true, true, true, -1, -1, true, kSemCarga, false},
        TCaso{"etapas_bureau", true, false, true, TFluencia::kBureauReclamation, -1, false,
              kSemCarga, false},
        TCaso{"etapas_modulo_efetivo", true, false, true, TFluencia::kModuloEfetivo, -1, false,
              kSemCarga, false},
        TCaso{"etapas_aci", true, false, true, TFluencia::kACI209, -1, false, kSemCarga, false},
        TCaso{"etapas_ceb", true, false, true, -1, TRetracao::kCEB, false, kSemCarga, false},
        TCaso{"etapas_bazant_aci", true, true, false, TFluencia::kACI209, TRetracao::kBazant, true,
              kSemCarga, false},
        TCaso{"etapas_carga_etapa2", true, false, true, -1, -1, false, kCargaEtapa2, false},
        TCaso{"etapas_carga_todas", true, false, false, -1, -1, false, kCargaEtapas, false},
        TCaso{"etapas_maturidade", true, false, true, -1, -1, false, kSemCarga, true}),
    [](const testing::TestParamInfo<TCaso> &i) { return std::string(i.param.nome); });

} // namespace

namespace {

class SolucoesExatas : public CasoTensional {
protected:
    // Largest |sigma| component over the elements whose centroid satisfies `dentro`.
    static double MaiorTensao(const TAnaliseTensional &a, const std::function<bool(double)> &dentro,
                              const std::function<double(double, double, int)> &erro) {
        double maior = 0.0;
        for (int e = 1; e <= a.GetDominio().GetNumElementos(); ++e) {
            const TElementoTriangular *el = a.GetElemento(e);
            if (!dentro(el->XCentro()))
                continue;
            for (int c = 0; c < 3; ++c)
                maior = std::max(maior,
                                 std::fabs(erro(el->YCentro(), a.GetTensoes()[3 * e - 2 + c], c)));
        }
        return maior;
    }
    // One step from 20 degrees to T(x, y) on a w x h plate of nx x ny cells, pinned at (0, 0)
    // and on a y roller at (w, 0): supports that hold the rigid motions and nothing else.
    template <class F>
    std::unique_ptr<TAnaliseTensional> Roda(double w, double h, int nx, int ny, bool epd, F T) {
        malha_ = Retangulo(w, h, nx, ny);
        auto a = std::make_unique<TAnaliseTensional>(malha_.get());
        a->GetDominio().SetMaterial(Concreto(30.0, 0.2, 1e-5, epd));
        a->SetTempo(std::make_unique<TTempo>(0.0, 24.0, 24.0, 2.0 / 3.0));
        a->AdicionaApoios(Nos({1}), false, 1, true, 0, 0);
        a->AdicionaApoios(Nos({nx + 1}), true, 1, true, 0, 0);
        iniciais_ = TVetor(malha_->GetNumNos());
        TVetor v(malha_->GetNumNos());
        for (int k = 1; k <= v.GetTamanho(); ++k) {
            iniciais_[k] = 20.0;
            v[k] = T(malha_->GetNo(k)->X, malha_->GetNo(k)->Y);
        }
        std::string buffer;
        GravaArquivoPasso(ArquivoTemperatura(1), v, buffer);
        TEntradasExecucao entradas;
        entradas.TemperaturasIniciais = &iniciais_;
        a->Executa(entradas);
        return a;
    }
    std::unique_ptr<TMalha> malha_;
    TVetor iniciais_;
};

TEST_F(SolucoesExatas, StressesOfTheContinuumWithinTheDiscretisationError) {
    const double eat = 30000.0 * 1e-5; // E alpha, MPa per degree
    // A linear temperature rise of up to 35 degrees leaves a determinate plate unstressed:
    // only the triangles' error remains, small and falling with the mesh size.
    for (bool epd : {false, true}) {
        SCOPED_TRACE(epd ? "plane strain" : "plane stress");
        auto linear = [](double x, double y) { return 20.0 + 35.0 * (0.6 * x / 10 + 0.4 * y / 5); };
        auto nada = [](double, double s, int) { return s; };
        auto todos = [](double) { return true; };
        const double grossa = MaiorTensao(*Roda(10, 5, 20, 10, epd, linear), todos, nada);
        const double fina = MaiorTensao(*Roda(10, 5, 40, 20, epd, linear), todos, nada);
        EXPECT_LT(grossa, 0.03 * eat * 35.0);
        EXPECT_LT(fina, 0.6 * grossa);
    }
    // A long free strip, quadratic temperature in its depth: away from the ends
    // sigma_x = -E alpha (dT - its mean - its linear term).
    const double c = 30.0;
    auto quadratica = [c](double, double y) { return 20.0 + c * (2 * y - 1) * (2 * y - 1); };
    auto exata = [&](double y, double s, int comp) {
        const double eta = 2 * y - 1;
        return comp == 0 ? s + eat * c * (eta * eta - 1.0 / 3.0) : 0.0;
    };
    auto meio = [](double x) { return x > 8.0 && x < 12.0; };
    const double erro = MaiorTensao(*Roda(20, 1, 320, 16, false, quadratica), meio, exata);
    EXPECT_LT(erro, 0.02 * eat * c * 2.0 / 3.0);
}

// A stage whose mesh has fewer nodes than the one before reads its step's temperatures for its
// own mesh; the run goes on through coarser and finer stages.
TEST_F(CasoTensional, StagesOfFewerAndMoreNodesRunThrough) {
    std::vector<TNo> contorno = {{1, 0, 0}, {2, kW, 0}, {3, kW, 3}, {4, 0, 3}};
    auto todo = TDominio::CreateMalha(contorno);
    TVetor elev;
    for (double y : {1.0, 2.0, 3.0})
        elev.Adiciona(y);
    TCamadas camadas(*todo->GetMalha(), elev);
    camadas.DefineCamadas({todo.get()});
    for (int z = 1; z <= camadas.GetNumZonas(); ++z)
        camadas.GetSubDominio(z)->SetMaterial(Concreto(30.0, 0.2, 1e-5, false));
    const int divisoes[3][2] = {{16, 4}, {4, 2}, {8, 6}}; // 85, 15 and 63 nodes
    for (int k = 1; k <= 3; ++k) {
        camadas.GetEtapa(k)->SetInstanteInicial(24.0 * (k - 1));
        camadas.GetEtapa(k)->SetInstanteFinal(24.0 * k);
        camadas.SalvaMalhaEtapa(k, TConfiguracaoMalha());
        Retangulo(kW, k, divisoes[k - 1][0], divisoes[k - 1][1])
            ->SalvaMalha(TCamadas::ArquivoMalhaEtapa(k).string(), TConfiguracaoMalha());
    }
    camadas.LeMalhaEtapa(1);
    TAnaliseCamadasTensional a(&camadas);
    a.SetTempo(std::make_unique<TTempo>(0.0, 72.0, 12.0, 2.0 / 3.0));
    std::vector<int> elementos;
    for (int k = 1; k <= 3; ++k) {
        TMalha m;
        m.LeMalha(TCamadas::ArquivoMalhaEtapa(k).string());
        a.AdicionaApoios(NosEmY(m, 0), false, k, true, 0, 0);
        for (int s = 2 * k - 1; s <= 2 * k; ++s) {
            GravaTemperaturas(s, m.GetNumNos(), 20.0 + s);
            elementos.push_back(m.GetNumElementos());
        }
    }
    TVetor colocacao(3);
    for (int k = 1; k <= 3; ++k)
        colocacao[k] = 20.0;
    TEntradasExecucao entradas;
    entradas.TemperaturasCamadas = &colocacao;
    ASSERT_NO_THROW(a.Executa(entradas));
    EXPECT_EQ(a.GetEtapaAtual(), 3);
    for (int s = 1; s <= 6; ++s) {
        TVetor v;
        LeArquivoValores(ArquivoTensao(s), v);
        EXPECT_EQ(v.GetTamanho(), 3 * elementos[std::size_t(s - 1)]) << s;
    }
}

} // namespace
