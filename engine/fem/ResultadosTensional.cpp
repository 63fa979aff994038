// Strains, stresses, maxima, step files and result queries of the stress analysis.
#include <algorithm>
#include <stdexcept>

#include "fem/AnaliseTensional.h"
#include "fem/ArquivosPasso.h"
#include "fem/ArquivosTensional.h"
#include "fem/Fluencia.h"
#include "fem/Material.h"
#include "fem/Retracao.h"
#include "fem/Tempo.h"
#include "uPlataforma.h"

void TAnaliseTensional::LeisDeformacao(int, TFluencia *f, double &phi, double &retracao) {
    phi = 0.0;
    retracao = 0.0;
    if (f && f->Tipo == TFluencia::kACI209) {
        f->CoeficienteACI(Divide(AreaTotal, Perimetro) * 1000.0, Tempo->GetTempoAtual());
        phi = f->Phi;
    }
}

void TAnaliseTensional::CalculaDeformacoes() {
    const double *u = Deslocamentos.Dados();
    double *inc = IncrementosDeformacoes.Dados();
    const int ne = int(DadosElementos.size());
    for (int e = 1; e <= ne; ++e) {
        const TDadosElemento &d = DadosElementos[std::size_t(e - 1)];
        double ex = 0.0, ey = 0.0, gxy = 0.0;
        for (std::size_t k = 0; k < 3; ++k) {
            const double ux = u[d.gl[2 * k] - 1], uy = u[d.gl[2 * k + 1] - 1];
            const TBlocoB &B = d.B[k];
            ex += B(1, 1) * ux + B(1, 2) * uy;
            ey += B(2, 1) * ux + B(2, 2) * uy;
            gxy += B(3, 1) * ux + B(3, 2) * uy;
        }
        // The shrinkage increment the step imposed (the laws were evaluated at assembly).
        const double retracao = IncrementosRetracao[e];
        double *p = inc + 3 * (e - 1);
        p[0] = ex - retracao;
        p[1] = ey - retracao;
        p[2] = gxy;
    }
    Deformacoes.Soma(Deformacoes, IncrementosDeformacoes);
}

void TAnaliseTensional::CalculaTensoes() {
    // Held prescribed displacements restrain the body as supports do.
    const bool comApoios = (ApoiosAtuais && ApoiosAtuais->Nos.GetTamanho() > 0) ||
                           (DeslocamentosPrescritos && !GrausPrescritos.empty());
    const int ne = int(DadosElementos.size());
    const double *inc = IncrementosDeformacoes.Dados();
    const double *termicas = DeformacoesTermicas.Dados();
    double *dsig = IncrementosTensoes.Dados();
    TMaterial::TMatrizD D;
    for (int e = 1; e <= ne; ++e) {
        MaterialDoElemento(e);
        TMaterial &m = *MaterialAtual;
        const TElementoTriangular *el = Dominio->GetElemento(e);
        double tm = 0.0;
        if (m.GetFuncaoCondutividade() || m.GetFuncaoCalorEspecifico()) {
            for (int k = 1; k <= 3; ++k)
                tm += TemperaturasAtuais[el->GetNo(k)->Numero];
            tm /= 3.0;
        }
        TemperaturasMediasElementos[e] = tm;
        TFluencia *f = FluenciaDoElemento(e);
        PreencheResistencias(e);
        MatrizDElemento(m, f, ResistenciaMedia(m), IdadesElementos[e], FatoresFluencia[e], D);
        const std::size_t p = std::size_t(3 * (e - 1));
        double de[3] = {inc[p], inc[p + 1], inc[p + 2]};
        if (comApoios)
            for (std::size_t c = 0; c < 3; ++c)
                de[c] -= termicas[p + c];
        for (std::size_t i = 0; i < 3; ++i)
            dsig[p + i] = D[i][0] * de[0] + D[i][1] * de[1] + D[i][2] * de[2];
    }
}

bool TAnaliseTensional::AtualizaMaximos() {
    Tensoes.Soma(Tensoes, IncrementosTensoes);
    const double *s = Tensoes.Dados();
    double maximo = TensaoMaxima;
    int j = -1;
    for (int i = 0, n = Tensoes.GetTamanho(); i < n; ++i)
        if (s[i] > 0.0 && s[i] > maximo) {
            maximo = s[i];
            j = i;
        }
    if (j < 0)
        return false;
    TensaoMaxima = maximo;
    ElementoTensaoMaxima = j / 3 + 1;
    const TDadosElemento &d = DadosElementos[std::size_t(j / 3)];
    XTensaoMaxima = d.xc;
    YTensaoMaxima = d.yc;
    return true;
}

void TAnaliseTensional::GravaDeformacoes(int i) {
    GravaArquivoDeformacoes(ArquivoDeformacao(i), Deformacoes, Buffer);
}

void TAnaliseTensional::GravaTensoes(int i) {
    GravaArquivoTensoes(ArquivoTensao(i), Tensoes, Buffer);
}

void TAnaliseTensional::LeDeformacoes(std::unique_ptr<TVetor> &v, double t) {
    v = std::make_unique<TVetor>();
    LeArquivoValores(ArquivoDeformacao(PassoDoArquivo(t)), *v);
    AtualizaExtremos(*v);
}

void TAnaliseTensional::LeTensoes(std::unique_ptr<TVetor> &v, double t) {
    v = std::make_unique<TVetor>();
    LeArquivoValores(ArquivoTensao(PassoDoArquivo(t)), *v);
}

bool TAnaliseTensional::ValorNoPonto(double &valor, double x, double y, double t, int componente) {
    if (componente < 0 || componente > 2)
        throw std::invalid_argument("component " + std::to_string(componente));
    const std::string arquivo = ArquivoTensao(PassoDoArquivo(t));
    TVetor v;
    LeArquivoValores(arquivo, v);
    for (int e = 1; e <= Dominio->GetNumElementos(); ++e) {
        if (!Dominio->GetElemento(e)->ContemPonto(x, y))
            continue;
        // Stress is constant over a linear triangle: the element's own entry.
        const int i = 3 * e - 2 + componente;
        if (i > v.GetTamanho())
            throw EInOutError(arquivo + ": Leitura além do fim do arquivo");
        valor = v[i];
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Laws by layer

void TAnaliseTensional::SetNumCamadasLeis(int n) {
    FluenciasCamadas.resize(std::size_t(std::max(n, 0)));
    RetracoesCamadas.resize(std::size_t(std::max(n, 0)));
}

void TAnaliseTensional::SetFluenciaCamada(int i, std::unique_ptr<TFluencia> f) {
    if (i < 1)
        throw std::out_of_range("layer " + std::to_string(i));
    if (i > int(FluenciasCamadas.size()))
        FluenciasCamadas.resize(std::size_t(i));
    FluenciasCamadas[std::size_t(i - 1)] = std::move(f);
}

void TAnaliseTensional::SetRetracaoCamada(int i, std::unique_ptr<TRetracao> r) {
    if (i < 1)
        throw std::out_of_range("layer " + std::to_string(i));
    if (i > int(RetracoesCamadas.size()))
        RetracoesCamadas.resize(std::size_t(i));
    RetracoesCamadas[std::size_t(i - 1)] = std::move(r);
}

TFluencia *TAnaliseTensional::GetFluenciaCamada(int i) const {
    return i >= 1 && i <= int(FluenciasCamadas.size()) ? FluenciasCamadas[std::size_t(i - 1)].get()
                                                       : nullptr;
}

TRetracao *TAnaliseTensional::GetRetracaoCamada(int i) const {
    return i >= 1 && i <= int(RetracoesCamadas.size()) ? RetracoesCamadas[std::size_t(i - 1)].get()
                                                       : nullptr;
}
