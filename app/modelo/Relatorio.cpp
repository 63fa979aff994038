#include "Relatorio.h"

#include "Modelo.h"
#include "uLibUnidades.h"

#include <functional>

namespace {

// Numbers as the report writes them, with the locale's separator.
std::string Real(double v) {
    return FloatToStr(v, DecimalSeparator());
}

std::string F2(double v) {
    return FormatFixo(v, 0, 2, DecimalSeparator());
}

std::string F0(double v) {
    return FormatFixo(v, 0, 0, DecimalSeparator());
}

struct TSimbolos {
    std::string T, t, Geracao, Condutividade, CalorEspecifico, Densidade, Modulo, Tensao, Conveccao;
    std::string TDilatacao; // the expansion coefficient's own temperature unit
};

TSimbolos Simbolos(const TUnidades &u) {
    TSimbolos s;
    s.T = u.GetTemperatura().GetSimbolo();
    s.TDilatacao = u.GetDilatacao().GetTemperatura().GetSimbolo();
    s.t = u.GetTempo().GetSimbolo();
    s.Geracao = u.GetEnergia().GetSimbolo() + "/(m³·h)";
    s.Condutividade = u.GetCondutividade().GetSimbolo();
    s.CalorEspecifico = u.GetCalorEspecifico().GetSimbolo();
    s.Densidade = u.GetDensidade().GetSimbolo();
    s.Modulo = u.GetModulo().GetSimbolo();
    s.Tensao = u.GetTensao().GetSimbolo();
    s.Conveccao = u.GetConveccao().GetSimbolo();
    return s;
}

class TEscritor {
public:
    TEscritor(const TModelo &m, const TUnidades &u) : M(m), F(m.Fatores()), S(Simbolos(u)) {}

    void L(const std::string &linha = {}) {
        Texto += linha;
        Texto += '\n';
    }

    std::string Texto;
    const TModelo &M;
    const TFatoresUnidades &F;
    const TSimbolos S;

    // Absolute temperatures and times, back in the user's units.
    std::string T2(double celsius) const { return F2(TemperaturaDeCelsius(F, celsius)); }
    double Tempo(double horas) const { return TempoDeHoras(F, horas); }

    // The zones the report walks: the layered model's, else the subdomains (the domain itself
    // when there are none).
    std::vector<const TDominio *> Zonas() const {
        std::vector<const TDominio *> z;
        if (M.FModo == 1 && M.FCamadas) {
            for (int i = 1; i <= M.FCamadas->GetNumZonas(); ++i)
                z.push_back(M.FCamadas->GetSubDominio(i));
        } else if (M.FAnalise) {
            for (int i = 1; i <= M.FAnalise->GetNumSubDominios(); ++i)
                z.push_back(M.FAnalise->GetSubDominio(i));
            if (z.empty())
                z.push_back(M.FAnalise->GetDominio());
        }
        return z;
    }
    // The construction stages: the layered model's, else the analysis' own domain.
    std::vector<const TDominio *> Etapas() const {
        std::vector<const TDominio *> e;
        if (M.FModo == 1 && M.FCamadas) {
            for (int i = 1; i <= M.FCamadas->GetNumEtapas(); ++i)
                e.push_back(M.FCamadas->GetEtapa(i));
        } else if (M.FAnalise) {
            e.push_back(M.FAnalise->GetDominio());
        }
        return e;
    }
    int NumCamadas() const {
        return M.FModo == 1 && M.FCamadas ? M.FCamadas->GetNumEtapas() : (M.FAnalise ? 1 : 0);
    }
    // Placement temperature of layer j (Celsius); a single domain's is its initial temperature.
    double TemperaturaCamada(int j) const {
        if (M.FModo == 1)
            return j <= M.FTemperaturasCamadas.GetTamanho() ? M.FTemperaturasCamadas[j] : 0.0;
        return M.TemperaturaInicial;
    }
};

void Dominio(TEscritor &w) {
    const TModelo &m = w.M;
    w.L("  ======> MALHA:");
    w.L();
    w.L("Diretório do Domínio: " + m.ArquivoDominio);
    w.L();
    w.L("Configuração da Malha:");
    const TAjustesMalha c = m.AjustesMalha();
    if (c.Exponencial) {
        w.L(" Tipo Exponencial");
        w.L(" Nx= " + std::to_string(c.Nx));
        w.L(" Ny= " + std::to_string(c.Ny));
    } else {
        w.L(" Tipo Linear");
        if (c.PorDmax) {
            // Kept in metres, and printed so beside its " m".
            w.L(" Dimensão máxima do elemento= " + Real(c.Dmax) + " m");
        } else {
            w.L(" Nx= " + std::to_string(c.Nx));
            w.L(" Ny= " + std::to_string(c.Ny));
        }
    }
    w.L();
    const auto zonas = w.Zonas();
    w.L("Total de Subdomínios (Materiais)= " + std::to_string(zonas.size()));
    std::string fixos;
    for (std::size_t i = 0; i < zonas.size(); ++i)
        if (m.FModo == 1 && zonas[i]->Fixo)
            fixos += std::to_string(i + 1) + " ";
    w.L("Subdomínios Fixos (Materiais)= " + (fixos.empty() ? std::string("Nenhum") : fixos));
    w.L("Total de Camadas= " + std::to_string(w.NumCamadas()));
    const TMalha *malha = m.FMalha;
    w.L("Total de elementos= " + std::to_string(malha ? malha->GetNumElementos() : 0));
    w.L("Total de nós= " + std::to_string(malha ? malha->GetNumNos() : 0));
    w.L();
    w.L();
}

std::string FonteDeCalor(const TEscritor &w, const TForcaInterna *f) {
    if (!f)
        return "Constante= 0 " + w.S.Geracao;
    switch (f->GetTipo()) {
    case TForcaInterna::kModelo:
        return "Definida (C= " + Real(f->GetC()) + ", E=" + Real(f->GetE()) +
               ", Tr=" + Real(f->GetTr()) + ", b=" + Real(f->Getb()) + ", n=" + Real(f->Getn()) +
               ")";
    case TForcaInterna::kFormula:
        return "Usuario ( " + (f->GetFormula() ? f->GetFormula()->GetExpressao() : std::string()) +
               " )";
    case TForcaInterna::kFuncao:
        return "Discreta ( " + (f->GetFuncao() ? f->GetFuncao()->Origem : std::string()) + " )";
    default:
        return "Constante= " + Real(f->GetValor() / w.F.Energia) + " " + w.S.Geracao;
    }
}

void Materiais(TEscritor &w) {
    const auto zonas = w.Zonas();
    w.L("  ======> MATERIAIS:");
    w.L();
    w.L("Total de Materiais= " + std::to_string(zonas.size()));
    const TFatoresUnidades &f = w.F;
    for (std::size_t i = 0; i < zonas.size(); ++i) {
        const TDominio &z = *zonas[i];
        w.L();
        w.L("==>Material " + std::to_string(i + 1) + ":");
        w.L();
        w.L("Carga Interna Tipo: " + FonteDeCalor(w, z.GetFonte()));
        w.L();
        const TMaterial *mat = z.GetMaterial();
        if (!mat)
            continue;
        w.L(std::string("Considera a Maturidade do Concreto: ") +
            (mat->GetMaturidade() ? "SIM" : "NÃO"));
        w.L();
        w.L("Propriedades Térmicas: ");
        w.L(" Condutividade térmica X  e Y= " + F2(mat->GetKx() / f.Condutividade) + "; " +
            F2(mat->GetKy() / f.Condutividade) + " " + w.S.Condutividade);
        w.L(" Calor específico= " + Real(mat->GetCalorEspecifico() / f.CalorEspecifico) + " " +
            w.S.CalorEspecifico);
        w.L(" Densidade= " + Real(mat->GetDensidade() / f.Densidade) + " " + w.S.Densidade);
        w.L();
        w.L("Propriedades Mecânicas: ");
        if (mat->GetEConstante()) {
            w.L(" Módulo de Elasticidade Constante= " + Real(mat->GetEConstanteValor() / f.Modulo) +
                " " + w.S.Modulo);
        } else if (mat->GetEDaResistencia()) {
            static const char *kModelos[] = {"JCI", "Byfors", "ACI"};
            w.L(std::string(" Módulo de Elasticidade em Funçao da Resistência: ") +
                kModelos[mat->ModeloE <= 2 ? mat->ModeloE : 0]);
        } else {
            w.L(" Módulo de Elasticidade em Funçao do Tempo: Ea= " + Real(mat->GetEa() * f.Modulo) +
                "[dia]/" + w.S.Modulo + ", Eb= " + Real(mat->GetEb() * f.Modulo) + "1/" +
                w.S.Modulo);
        }
        w.L(" Coeficiente de Dilatação Térmica= " + Real(mat->GetAlfa() / f.Dilatacao) + " /" +
            w.S.TDilatacao);
        w.L(" Coeficiente de Poisson= " + Real(mat->GetPoisson()));
        w.L(" fcj(28 dias)= " + Real(mat->GetFcj28() / f.Tensao) + " " + w.S.Tensao);
        w.L(mat->GetEPD() ? " Análise Tipo: Estado plano de deformacao"
                          : " Análise Tipo: Estado plano de tensao");
    }
    w.L();
    w.L();
}

void CondicoesIniciaisTermicas(TEscritor &w) {
    w.L("  ======> CONDIÇÕES INICIAIS DO PROBLEMA TÉRMICO:");
    w.L();
    w.L("==> Temperaturas Iniciais:");
    const auto zonas = w.Zonas();
    for (std::size_t i = 0; i < zonas.size(); ++i) {
        const std::string mat = " Material " + std::to_string(i + 1);
        if (w.M.FModo == 1 && zonas[i]->Fixo) {
            w.L(mat + " (Subdomínio Fixo)= " + w.T2(zonas[i]->TemperaturaInicial) + w.S.T);
        } else {
            for (int j = 1; j <= w.NumCamadas(); ++j)
                w.L(mat + " (Camada " + std::to_string(j) + ") = " + w.T2(w.TemperaturaCamada(j)) +
                    w.S.T);
        }
    }
    w.L();
    w.L("==> Temperaturas Prescritas:");
    const TAnalise *a = w.M.FAnalise.get();
    bool alguma = false;
    // A stage's set exists once a prescription was given for it: later stages may have one
    // while earlier ones have none.
    auto prescricao = [a](int k) -> const TPrescricoes * {
        const TPrescricoes *p = a->GetPrescricao(k);
        return p && p->Nos.GetTamanho() > 0 ? p : nullptr;
    };
    for (int k = 1; a && k <= a->GetNumPrescricoes(); ++k)
        alguma = alguma || prescricao(k);
    if (!alguma) {
        w.L(" Não há temperaturas prescritas.");
    } else {
        for (int k = 1; k <= a->GetNumPrescricoes(); ++k) {
            if (!prescricao(k))
                continue;
            const TPrescricoes &p = *prescricao(k);
            w.L(" * Camada " + std::to_string(k) + ":");
            w.L("  Tempo de permanência: Tinicial= " + F0(w.Tempo(p.Inicio)) + " " + w.S.t +
                "; Tfinal= " + F0(w.Tempo(p.Fim)) + " " + w.S.t);
            // Runs of equal temperature (equal as printed).
            std::string atual, nos;
            bool primeira = true;
            auto fechaCorrida = [&] {
                if (atual.empty())
                    return;
                w.L(std::string(primeira ? "  Nós= " : "") + nos);
                primeira = false;
            };
            for (int i = 1; i <= p.Nos.GetTamanho(); ++i) {
                const std::string t = w.T2(p.Valores[i]);
                if (t != atual) {
                    fechaCorrida();
                    atual = t;
                    nos.clear();
                    w.L("  Temperatura= " + t + " " + w.S.T);
                }
                nos += std::to_string(p.Nos[i]) + " ";
            }
            fechaCorrida();
        }
    }
    w.L();
    w.L();
}

void CondicoesContornoTermicas(TEscritor &w) {
    w.L("  ======> CONDIÇÕES DE CONTORNO DO PROBLEMA TÉRMICO:");
    w.L();
    const auto etapas = w.Etapas();
    const TFatoresUnidades &f = w.F;
    for (std::size_t k = 0; k < etapas.size(); ++k) {
        w.L(" * Camada " + std::to_string(k + 1));
        const TDominio &e = *etapas[k];
        for (int c = 1; c <= e.GetNumForcasExternas(); ++c) {
            const TForcaExterna &fe = *e.GetForcaExterna(c);
            const TVetorInteiro &arestas = fe.GetArestas();
            for (int a = 1; a <= arestas.GetTamanho(); ++a) {
                w.L(" Aresta " + std::to_string(arestas[a]));
                w.L("  Temperatura Ambiente: ");
                switch (fe.GetTipo()) {
                case TForcaExterna::kSenoidal:
                    w.L("   Definida (Hmáx= " + F0(w.Tempo(fe.GetHoraTMax())) + " " + w.S.t +
                        ", Tmáx= " + w.T2(fe.GetTemperaturaMaxima()) + " " + w.S.T +
                        ", Hmin= " + F0(w.Tempo(fe.GetHoraTMin())) + " " + w.S.t +
                        ", Tmin= " + w.T2(fe.GetTemperaturaMinima()) + " " + w.S.T + ")");
                    break;
                case TForcaExterna::kFormula:
                    w.L("   Usuario ( " + fe.GetFormula().GetExpressao() + " )");
                    break;
                default:
                    w.L("   Constante= " + w.T2(fe.GetTemperaturaAmbiente()) + " " + w.S.T);
                    break;
                }
                w.L("  Coeficiente de Convecção= " + F2(fe.GetCoefConveccao() / f.Conveccao) + " " +
                    w.S.Conveccao);
                if (fe.GetUsaJanela()) {
                    w.L("  Coefic. de Convecção sob Cura= " +
                        F2(fe.GetCoefConveccaoJanela() / f.Conveccao) + " " + w.S.Conveccao);
                    w.L("   Início da Cura= " + F0(w.Tempo(fe.GetInicioJanela())) + " " + w.S.t);
                    w.L("   Fim da Cura= " + F0(w.Tempo(fe.GetFimJanela())) + " " + w.S.t);
                }
                w.L();
            }
        }
    }
    w.L();
}

void CondicoesIniciaisTensionais(TEscritor &w) {
    w.L("  ======> CONDIÇÕES INICIAIS DO PROBLEMA TENSIONAL:");
    w.L();
    const auto *c =
        w.M.FModo == 1 ? dynamic_cast<const TAnaliseCamadasTensional *>(w.M.FAnaliseTensional.get())
                       : nullptr;
    for (int i = 1; i <= w.NumCamadas(); ++i) {
        if (c && c->GetTemDeformacaoInicial(i))
            w.L("Camada " + std::to_string(i) + ":Em X= " + F2(c->GetDeformacaoInicialX(i)) +
                "x10-6; Em Y= " + F2(c->GetDeformacaoInicialY(i)) + "x10-6");
        else
            w.L("Camada " + std::to_string(i) + ":Em X= 0; Em Y= 0");
        w.L();
    }
    const TForcaTensional *p = w.M.PesoProprio();
    w.L(std::string("Considera Peso Próprio: ") + (p && p->GetAtiva() ? "SIM" : "NÃO"));
    w.L();
    w.L();
}

// Creep and shrinkage laws the stress analysis holds for subdomain i.
const TFluencia *FluenciaDe(const TModelo &m, int i) {
    const TAnaliseTensional *a = m.FAnaliseTensional.get();
    if (!a)
        return nullptr;
    if (m.FModo == 1)
        return a->GetFluenciaCamada(i);
    if (a->GetNumSubDominios() == 0)
        return i == 1 ? a->GetDominio().GetFluencia() : nullptr;
    return i <= a->GetNumSubDominios() ? a->GetSubDominio(i)->GetFluencia() : nullptr;
}

const TRetracao *RetracaoDe(const TModelo &m, int i) {
    const TAnaliseTensional *a = m.FAnaliseTensional.get();
    return a && m.FModo == 1 ? a->GetRetracaoCamada(i) : nullptr;
}

void Fluencia(TEscritor &w) {
    w.L("  ======> FLUÊNCIA: ");
    w.L();
    const int n = int(w.Zonas().size());
    for (int i = 1; i <= n; ++i) {
        w.L("Material " + std::to_string(i) + ":");
        if (const TFluencia *fl = FluenciaDe(w.M, i)) {
            if (fl->Tipo == TFluencia::kModuloEfetivo) {
                w.L(" Módulo de Elasticidade Efetivo");
                w.L("  Coef. de Fluência= " + Real(fl->GetCoefFluencia()));
                w.L("  Tempo = " + Real(w.Tempo(fl->GetTempoFluencia())));
            } else if (fl->Tipo == TFluencia::kBureauReclamation) {
                w.L(" Função de Fluência pelo Bureau of Reclamation");
                w.L("  F(t0)= a + b/t0, sendo:");
                w.L("  a= " + Real(fl->A * w.F.Tensao) +
                    " ; b= " + Real(fl->B * w.F.Tensao / DiasPorUnidadeTempo(w.F)));
            } else {
                w.L(" Coef. de Fluência pelo ACI");
                w.L(fl->CuraUmida == 1 ? "  Cura úmida" : "  Cura à vapor");
                w.L("  RH= " + Real(fl->Umidade) + "%");
                w.L("  Abatimento= " + Real(fl->Abatimento) + "mm");
                w.L("  Agm/Agt= " + Real(fl->Finos) + "%");
                w.L("  Teor de Ar= " + Real(fl->Ar) + "%");
            }
        }
        w.L();
    }
    w.L();
}

void Retracao(TEscritor &w) {
    w.L("  ======> RETRAÇÃO: ");
    w.L();
    const int n = int(w.Zonas().size());
    for (int i = 1; i <= n; ++i) {
        w.L("Material " + std::to_string(i) + ":");
        const TRetracao *r = RetracaoDe(w.M, i);
        if (!r) {
            w.L(" Não foi considerado a retração.");
            continue;
        }
        if (r->Tipo == TRetracao::kBazant) {
            w.L(" Bazant");
            w.L("  Retração Final= " + Real(r->RetracaoFinal * 1e5) + " x10-5");
        } else {
            w.L(" CEB:");
            const double b = r->BetaSC;
            if (b == 4)
                w.L("  Endurecimento Lento");
            else if (b == 5)
                w.L("  Endurecimento Normal");
            else if (b == 8)
                w.L("  Endurecimento Rapido");
        }
        w.L("  fcm (28dias)= " + Real(r->Fcm28 / w.F.Tensao) + " " + w.S.Tensao);
        w.L("  Umidade Rel. dos Poros= " + Real(r->UmidadeInicial) + " %");
        w.L("  Umidade Rel. do Ambiente= " + Real(r->UmidadeAmbiente) + " %");
    }
    w.L();
    w.L();
}

void DeformacoesPrescritas(TEscritor &w) {
    w.L("  ======> DEFORMAÇÕES DE APOIO IMPOSTAS (PRESCRITAS): ");
    w.L();
    const TAnaliseTensional *a = w.M.FAnaliseTensional.get();
    for (int i = 1; i <= w.NumCamadas(); ++i) {
        w.L(" * Camada " + std::to_string(i) + ":");
        std::string nos, valores;
        // The supports hold degrees of freedom (2n - 1 in X, 2n in Y of node n): each prints
        // its node beside its value.
        auto adiciona = [&](int grau, double metros) {
            nos += std::to_string((grau + 1) / 2) + " ";
            valores += Real(ComprimentoDeMetros(w.F, metros)) + " ";
        };
        if (const TPrescricoes *p = a ? a->GetApoios(i) : nullptr)
            for (int k = 1; k <= p->Nos.GetTamanho(); ++k)
                adiciona(p->Nos[k], p->Valores[k]);
        // A single domain's prescribed displacements belong to its one layer.
        if (a && w.M.FModo == 0 && i == 1)
            for (int g : a->GetGrausPrescritos())
                adiciona(g, a->GetDeslocamentoPrescrito(g));
        w.L("  Nós: " + nos);
        w.L("  Deformações: " + valores);
    }
}

void DadosProcessamento(TEscritor &w) {
    w.L("  ======> DADOS DE PROCESSAMENTO:");
    w.L();
    w.L("==> Análise Transiente:");
    const TAnalise *a = w.M.FAnalise.get();
    const TTempo *t = a ? a->GetTempo() : nullptr;
    if (t) {
        w.L(t->GetPassoUniforme() ? " Variação do tempo linear" : " Variação do tempo quadrático");
        w.L(" Tempo inicial: " + Real(w.Tempo(t->GetTempoInicial())) + " " + w.S.t);
        w.L(" Tempo final: " + Real(w.Tempo(t->GetTempoFinal())) + " " + w.S.t);
        w.L(" Incremento: " + Real(w.Tempo(t->GetDt())) + " " + w.S.t);
        w.L(" Parâmetro: " + Real(t->GetTheta()));
    }
    w.L();
    w.L("==> Resolução do problema:");
    const TGradiente *s = a ? a->GetSolver() : nullptr;
    if (s && !dynamic_cast<const TGauss *>(s)) {
        w.L(" Método dos Gradientes Conjugados (M.G.C.):");
        w.L("  Nº máximo de iterações= " + std::to_string(s->GetMaxIteracoes()));
        w.L("  Precisão= " + Real(s->GetTolerancia()));
    } else {
        w.L(" Eliminação de Gauss - SkyLine");
    }
}

} // namespace

std::string TextoRelatorio(const TModelo &modelo, const TUnidades &unidades,
                           const TCabecalhoRelatorio &c) {
    TEscritor w(modelo, unidades);
    w.L(std::string(39, ' ') + "********* " + c.Titulo + " *********");
    w.L();
    w.L("Responsável pela Análise: " + c.Responsavel);
    w.L();
    w.L("Data: " + c.Data + " , " + c.Hora);
    w.L();
    Dominio(w);
    Materiais(w);
    CondicoesIniciaisTermicas(w);
    CondicoesContornoTermicas(w);
    w.L();
    w.L();
    if (modelo.DadosTensionais) {
        CondicoesIniciaisTensionais(w);
        Fluencia(w);
        Retracao(w);
        DeformacoesPrescritas(w);
    }
    DadosProcessamento(w);
    return w.Texto;
}

void EscreveRelatorio(const std::string &arquivo, const TModelo &modelo, const TUnidades &unidades,
                      const TCabecalhoRelatorio &cabecalho) {
    const std::string texto = TextoRelatorio(modelo, unidades, cabecalho);
    SalvaArquivo(arquivo, texto);
}
