// The time loop of the thermal analysis, its step files and maxima, and the result queries.
#include <cmath>
#include <stdexcept>

#include "fem/Analise.h"
#include "fem/ArquivosPasso.h"
#include "malhas/Malha.h"
#include "matematica/Gauss.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

int PassoCalculado(const TTempo &tempo, double t, int feitos) {
    const int s = tempo.PassoDoTempo(t);
    if (s < 1 || s > feitos)
        throw Exception(kSemResultados);
    return s;
}

void VerificaPassos(const TTempo &tempo) {
    if (tempo.GetNumPassos() < 1)
        throw Exception(kSemPassos);
}

void AvisaSemConvergencia(int passos) {
    if (passos > 0)
        MostraMensagem(TTipoMensagem::Aviso, "Atenção : o método iterativo não convergiu em " +
                                                 std::to_string(passos) +
                                                 (passos == 1 ? " passo." : " passos."));
}

bool ResolveSistema(std::unique_ptr<TGradiente> &solver, TMatrizSky &K, TVetor &b, TVetor &x) {
    const double *bb = b.Dados();
    bool zero = true;
    for (int i = 0; i < b.GetTamanho() && zero; ++i)
        zero = bb[i] == 0.0;
    if (zero) {
        x.Zera();
        return true;
    }
    if (!solver)
        solver = std::make_unique<TGauss>();
    solver->DefineSistema(&K, &b, &x);
    solver->Resolve();
    return solver->GetConvergiu();
}

void TAnalise::Prepara() {
    DefineNomesArquivos(Entradas.Arquivos);
    if (OnInicio)
        OnInicio(Tempo->GetNumPassos());
    NovoSistema();
    TemperaturasIniciais();
    AlocaLocais();
}

void TAnalise::NovoSistema() {
    if (Solver)
        Solver->DefineSistema(nullptr, nullptr, nullptr);
    K = std::make_unique<TMatrizSky>(NumNos);
    b = std::make_unique<TVetor>(NumNos);
    T = std::make_unique<TVetor>(NumNos);
    kMantida_ = kInalterada_ = montada_ = false;
    kZerada_ = true;
    prescricaoImposta_ = nullptr;
}

void TAnalise::ZeraMaximos() {
    Maximos = TMaximosTermicos();
    MaximosDaExecucao = true;
}

void TAnalise::Executa() {
    MaximosDaExecucao = false;
    try {
        Executa(EntradasDoEstado());
    } catch (...) {
        if (MaximosDaExecucao)
            PublicaMaximosTermicos(Maximos);
        throw;
    }
    PublicaMaximosTermicos(Maximos);
    FimExecucaoTermica();
}

void TAnalise::Executa(const TEntradasExecucao &entradas) {
    MaximosDaExecucao = false;
    Entradas = entradas;
    Roda();
}

void TAnalise::Roda() {
    if (!Solver)
        throw Exception("Nenhum método de solução foi definido para a análise: use "
                        "\"Configurações\" > \"Análise\".");
    // The step count belongs to this run: a second run rewrites files 1..n.
    PassosFeitos = 0;
    VerificaPassos(*Tempo);
    DefineNomesArquivos(Entradas.Arquivos);
    TTravaPasta trava(PastaDoArquivo(ArquivoTemperatura(1)));
    ZeraMaximos();

    Prepara();
    LacoDoTempo();
}

void TAnalise::LacoDoTempo() {
    double raio = 1000.0;
    SelecionaPrescricao(1);
    PassosSemConvergencia = 0;
    const int passos = Tempo->GetNumPassos();
    for (int i = 1; i <= passos; ++i) {
        Tempo->SetTempoAtual(Tempo->GetTempoInicial() + Tempo->TempoDoPasso(i));
        MontaSistema();
        VerificaMemoria();
        ImpoePrescricoes();
        Resolve();
        PosPasso(i);
        if (TMaxima > Maximos.Temperatura) {
            const TMalha *malha = Dominio->GetMalha();
            Maximos.Temperatura = TMaxima;
            Maximos.Idade = Tempo->GetTempoAtual();
            const double *t = T->Dados();
            for (int k = 1; k <= NumNos; ++k)
                if (t[k - 1] == Maximos.Temperatura) {
                    Maximos.No = k;
                    Maximos.X = malha->GetNo(k)->X;
                    Maximos.Y = malha->GetNo(k)->Y;
                }
        }
    }

    // The reported node is the one nearest to the recorded position (on the last mesh).
    const TMalha *malha = Dominio->GetMalha();
    for (int k = 1; k <= malha->GetNumNos(); ++k) {
        const TNo *no = malha->GetNo(k);
        const double d = std::hypot(no->X - Maximos.X, no->Y - Maximos.Y);
        if (d < raio) {
            raio = d;
            Maximos.No = k;
        }
    }
    AvisaSemConvergencia(PassosSemConvergencia);
}

void TAnalise::GravaPasso(int i) {
    GravaArquivoPasso(ArquivoTemperatura(i), *T, buffer_);
}

void TAnalise::PosPasso(int i) {
    GravaPasso(i);
    // Prescribed values hold at the start of the next step, inside their window or not.
    if (TPrescricoes *p = PrescricaoAtual) {
        double *t = T->Dados();
        for (int k = 1; k <= p->Nos.GetTamanho(); ++k) {
            const int no = p->Nos[k];
            if (no >= 1 && no <= T->GetTamanho())
                t[no - 1] = p->Valores[k];
        }
    }
    LimpaSistema();
    if (OnPasso)
        OnPasso(*Tempo);
    AlargaExtremos(T->Dados(), T->GetTamanho());
    ++PassosFeitos;
    Solver->DefineSistema(nullptr, nullptr, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Queries: every one reads the step files again.

void TAnalise::LeArquivoDoTempo(double t, TVetor &valores) {
    LeArquivoPasso(ArquivoTemperatura(PassoCalculado(*Tempo, t, PassosFeitos)), NumNos, valores);
}

void TAnalise::LeResultados(TVetor &saida, double t) {
    LeArquivoDoTempo(t, saida);
    AlargaExtremos(saida.Dados(), saida.GetTamanho());
}

void TAnalise::HistoricoNo(TVetor &historico, int no) {
    if (no < 1 || no > NumNos)
        throw std::out_of_range("HistoricoNo: no node " + std::to_string(no));
    historico.Redimensiona(PassosFeitos + 1);
    historico[1] = VetorTemperaturasIniciais[no];
    // One line of each step file: the folder's hold is confirmed once for all of them.
    VerificaPosse(ArquivoTemperatura(1));
    for (int s = 1; s <= PassosFeitos; ++s) {
        historico[s + 1] = LeLinhaArquivoPasso(ArquivoTemperatura(s), no);
        // Only the entries read so far count; the rest of the caller's vector is not a result.
        AlargaExtremos(historico.Dados(), s + 1);
    }
}

int TAnalise::ElementoDoPonto(double x, double y) const {
    for (int e = 1; e <= Dominio->GetNumElementos(); ++e)
        if (Dominio->GetElemento(e)->ContemPonto(x, y))
            return e;
    return 0;
}

namespace {
double InterpolaNoElemento(TElementoTriangular *el, const TVetor &valores, double x, double y) {
    double v[kMaxNosElemento];
    for (int i = 1; i <= el->GetN(); ++i)
        v[i - 1] = valores[el->GetNo(i)->Numero];
    return el->Interpola(v, x, y);
}
} // namespace

bool TAnalise::ValorNoPonto(double &valor, double x, double y, double t) {
    LeArquivoDoTempo(t, leitura_);
    const int e = ElementoDoPonto(x, y);
    if (e == 0)
        return false;
    valor = InterpolaNoElemento(Dominio->GetElemento(e), leitura_, x, y);
    return true;
}

void TAnalise::PerfilNaLinha(TVetor &valores, TVetor &abscissas, double x1, double y1, double x2,
                             double y2, double t) {
    valores.Limpa();
    abscissas.Limpa();
    // One reading serves the 101 points: the file does not change in between.
    LeArquivoDoTempo(t, leitura_);
    const bool vertical = TUT_Math::IgualComTolerancia(x1, x2);
    for (int i = 1; i <= 101; ++i) {
        double x, y, abscissa;
        if (vertical) {
            x = x1;
            y = y1 + (i - 1) * (y2 - y1) / 100.0;
            abscissa = y;
        } else {
            x = x1 + (i - 1) * (x2 - x1) / 100.0;
            y = y1 + (x - x1) * (y1 - y2) / (x1 - x2);
            abscissa = x;
        }
        const int e = ElementoDoPonto(x, y);
        if (e == 0)
            continue;
        valores.Adiciona(InterpolaNoElemento(Dominio->GetElemento(e), leitura_, x, y));
        abscissas.Adiciona(abscissa);
    }
}

bool TAnalise::SegmentoIsolinha(int i, double &x1, double &y1, double &x2, double &y2,
                                double nivel) {
    const TElementoTriangular *el = Dominio->GetElemento(i);
    x1 = x2 = el->GetNo(1)->X;
    y1 = y2 = el->GetNo(1)->Y;
    if (!T || T->GetTamanho() < NumNos)
        return false;
    const double f1 = (*T)[el->GetNo(1)->Numero];
    const double f2 = (*T)[el->GetNo(2)->Numero];
    const double f3 = (*T)[el->GetNo(3)->Numero];
    if (!TUT_Math::Entre(nivel, f1, f2) && !TUT_Math::Entre(nivel, f2, f3) &&
        !TUT_Math::Entre(nivel, f1, f3))
        return false;
    TPontoReal p, q;
    const bool achou = TElemento::SegmentoIsolinha(nivel, f1, f2, f3, p, q);
    const TPontoReal gp = el->PontoGlobal(p.X, p.Y), gq = el->PontoGlobal(q.X, q.Y);
    x1 = gp.X;
    y1 = gp.Y;
    x2 = gq.X;
    y2 = gq.Y;
    return achou;
}
