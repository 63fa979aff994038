#include "CurvasResultados.h"

#include <memory>
#include <stdexcept>

#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

void Verifica(int i, int n, const char *oque) {
    if (i < 1 || i > n)
        throw EConvertError(std::string(oque) + " " + std::to_string(i) + " fora da malha (1 a " +
                            std::to_string(n) + ")");
}

} // namespace

int NumeroDeNos(TAnalise &analise) {
    return analise.GetDominio()->GetMalha()->GetNumNos();
}

int NumeroDeElementos(TAnaliseTensional &analise) {
    return analise.GetDominio().GetNumElementos();
}

TCurva CurvaTemperaturaTempo(TAnalise &analise, int no, const TPontoReal &cursor,
                             const TUnidadesResultados &u) {
    TCurva c;
    if (auto *camadas = dynamic_cast<TAnaliseCamadas *>(&analise)) {
        TVetor tempos, valores;
        camadas->HistoricoNoPonto(tempos, valores, cursor.X, cursor.Y);
        for (int i = 1; i <= tempos.GetTamanho(); ++i) {
            c.X.push_back(u.TempoUsuario(tempos[i]));
            c.Y.push_back(u.Temp(valores[i]));
        }
        return c;
    }
    Verifica(no, analise.GetNumNos(), "Nó");
    TVetor h(analise.GetNumPassos() + 1);
    analise.HistoricoNo(h, no);
    const TTempo *tempo = analise.GetTempo();
    const double t0 = tempo->GetTempoInicial();
    for (int i = 1; i <= h.GetTamanho(); ++i) {
        const double t = i == 1 ? t0 : t0 + tempo->TempoDoPasso(i - 1);
        c.X.push_back(u.TempoUsuario(t));
        c.Y.push_back(u.Temp(h[i]));
    }
    return c;
}

std::string TituloPontoCamadas(const TPontoReal &ponto, const TUnidadesResultados &u) {
    const auto texto = [&u](double v) {
        return FormatG(u.ComprimentoUsuario(v), 5, DecimalSeparator());
    };
    return "Ponto (" + texto(ponto.X) + "; " + texto(ponto.Y) + ") " + u.Comprimento;
}

TCurva CurvaTemperaturaDistancia(TAnalise &analise, double t, const TPontoReal &p1,
                                 const TPontoReal &p2, const TUnidadesResultados &u) {
    if (auto *camadas = dynamic_cast<TAnaliseCamadas *>(&analise))
        camadas->CarregaMalhaEtapa(camadas->EtapaDoTempo(t));
    TVetor valores, abscissas;
    analise.PerfilNaLinha(valores, abscissas, p1.X, p1.Y, p2.X, p2.Y, t);
    TCurva c;
    for (int i = 1; i <= valores.GetTamanho(); ++i) {
        c.X.push_back(u.ComprimentoUsuario(abscissas[i]));
        c.Y.push_back(u.Temp(valores[i]));
    }
    return c;
}

TCurva CurvaTensaoTempo(TAnaliseTensional &analise, int elemento, bool tensao, int componente,
                        const TUnidadesResultados &u) {
    if (componente < 0 || componente > 5)
        throw std::invalid_argument("component " + std::to_string(componente));
    Verifica(elemento, NumeroDeElementos(analise), "Elemento");
    // Stresses in the user's unit; strains in 10^-6.
    auto converte = [&](double v) { return tensao ? u.TensaoUsuario(v) : v * 1e6; };
    TCurva c;
    if (auto *camadas = dynamic_cast<TAnaliseCamadasTensional *>(&analise)) {
        const TElementoTriangular *el = analise.GetElemento(elemento);
        TVetor tempos, valores;
        camadas->HistoricoNoPonto(el->XCentro(), el->YCentro(), tensao, componente, tempos,
                                  valores);
        for (int i = 1; i <= tempos.GetTamanho(); ++i) {
            c.X.push_back(u.TempoUsuario(tempos[i]));
            c.Y.push_back(converte(valores[i]));
        }
        return c;
    }
    const TTempo &tempo = analise.GetTempo();
    std::unique_ptr<TVetor> v;
    for (int s = 1; s <= analise.GetNumPassos(); ++s) {
        const double dt = tempo.TempoDoPasso(s);
        if (tensao)
            analise.LeTensoes(v, dt);
        else
            analise.LeDeformacoes(v, dt);
        if (3 * elemento > v->GetTamanho())
            throw EInOutError("Leitura além do fim do arquivo");
        const double sx = (*v)[3 * elemento - 2], sy = (*v)[3 * elemento - 1],
                     txy = (*v)[3 * elemento];
        double valor;
        if (componente <= 2) {
            valor = (*v)[3 * elemento - 2 + componente];
        } else {
            analise.TensoesPrincipais(sx, sy, txy);
            valor = componente == 3   ? analise.Principais.Sigma1
                    : componente == 4 ? analise.Principais.Sigma2
                                      : analise.Principais.TauMax;
        }
        c.X.push_back(u.TempoUsuario(tempo.GetTempoInicial() + dt));
        c.Y.push_back(converte(valor));
    }
    return c;
}

std::string TextoCurva(const std::string &tituloX, const std::string &tituloY,
                       const TCurva *curva) {
    std::string s = tituloX + "     " + tituloY + "\n";
    if (!curva)
        return s;
    const char sep = DecimalSeparator();
    for (std::size_t i = 0; i < curva->X.size() && i < curva->Y.size(); ++i) {
        AppendFixo(s, curva->X[i], 0, 3, sep);
        s += "     ";
        AppendFixo(s, curva->Y[i], 0, 5, sep);
        s += '\n';
    }
    return s;
}
