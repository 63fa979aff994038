// Input-data report of a layered model: 20 subdomains side by side placed in 20 layers, a
// convection load on every stage, 10k prescribed nodes in runs of equal temperature, supports
// and the stress laws of every zone; the report built and written to a file. Options: --smoke
// (tiny case).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "Modelo.h"
#include "Relatorio.h"
#include "uEstadoInterface.h"
#include "uLibUnidades.h"

namespace {

double Agora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A canvas that draws nothing.
class TCanvasNulo : public TCanvas {
public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Polygon(const std::vector<TPonto> &) override {}
    void Polyline(const std::vector<TPonto> &) override {}
    void Rectangle(int, int, int, int) override {}
    void FillRect(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, const std::string &) override {}
    int TextWidth(const std::string &) override { return 0; }
    int TextHeight(const std::string &) override { return 0; }
    TColor GetPixel(int, int) override { return clWhite; }
    void SetPixel(int, int, TColor) override {}
    int Largura() const override { return 800; }
    int Altura() const override { return 600; }
};

// n subdomains of 1 x n side by side in n layers; `prescritos` nodes prescribed over the stages.
void MontaModelo(TModelo &m, int n, int prescritos) {
    std::vector<TNo> v;
    for (int i = 0; i <= n; ++i) // bottom, left to right
        v.push_back({int(v.size()) + 1, double(i), 0.0});
    for (int i = n; i >= 0; --i) // top, right to left
        v.push_back({int(v.size()) + 1, double(i), double(n)});
    m.CriaDominio(v);
    const int topo = n + 2; // vertex at (n, n)
    for (int j = 1; j <= n; ++j)
        if (m.AdicionaSubDominio({j, j + 1, topo + n - j, topo + n - j + 1}) != j)
            throw Exception("subdomínio " + std::to_string(j));
    for (int j = 1; j <= m.GetNumSubDominios(); ++j)
        m.GetSubDominio(j)->SetFixo(false);
    std::vector<TLinhaCamada> camadas;
    for (int k = 1; k <= n; ++k)
        camadas.push_back({double(k), 24.0 * (k - 1), 20.0 + k});
    if (!m.CriaCamadas(camadas))
        throw Exception("camadas");

    TMaterial concreto(2.0, 2.0, 2400.0, 1000.0, 30.0, 0.08609, 0.04225, true, 1e-5, 0.2, 9.81,
                       TMaterial::kModeloJCI, false, 20.0, false, 1.408, 0.1931, false, 0.0, true);
    TFluencia fluencia;
    fluencia.Tipo = TFluencia::kBureauReclamation;
    fluencia.A = 0.5;
    fluencia.B = 0.125;
    TRetracao retracao(TRetracao::kCEB);
    for (int z = 1; z <= m.FCamadas->GetNumZonas(); ++z) {
        m.FMaterialAtual = z;
        m.AplicaMaterial(concreto);
        m.AplicaForcaInterna(TForcaInterna(1.0 + z));
        m.AplicaFluencia(&fluencia);
        m.AplicaRetracao(&retracao);
    }
    TForcaExterna ar;
    ar.SetTipo(TForcaExterna::kConstante);
    ar.SetTemperaturaAmbiente(25.0);
    ar.SetCoefConveccao(10.0);
    const int porEtapa = prescritos / n;
    int no = 0;
    for (int k = 1; k <= n; ++k) {
        m.FEtapaAtual = k;
        TVetorInteiro arestas;
        for (int a = 1; a <= 2 * n; ++a)
            arestas.Adiciona(a);
        m.FArestasSelecionadas = arestas;
        m.AplicaForcaExterna(ar);
        // Runs of ten nodes at one temperature.
        for (int r = 0; r < porEtapa; r += 10) {
            TVetorInteiro nos;
            for (int i = 0; i < 10 && r + i < porEtapa; ++i)
                nos.Adiciona(++no);
            m.FNosSelecionados = nos;
            m.AplicaPrescricoes(20.0 + (r / 10) % 7, 24.0 * (k - 1), 24.0 * k);
        }
        TVetorInteiro apoios;
        for (int i = 1; i <= 2 * n; ++i)
            apoios.Adiciona(i);
        m.FNosSelecionados = apoios;
        m.AplicaVinculos(false, false, false, 0.0, 0.0);
    }
    m.AplicaTempo(TTempo(0.0, 24.0 * n, 1.0, 2.0 / 3.0));
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 3 : 20;
    const int prescritos = smoke ? 300 : 10000;
    const std::filesystem::path arquivo =
        std::filesystem::temp_directory_path() / ("bench_relatorio_" + std::to_string(::getpid()));
    int rc = 0;
    try {
        TCanvasNulo canvas;
        TModelo modelo(&canvas);
        MontaModelo(modelo, n, prescritos);
        TUnidades unidades;
        TCabecalhoRelatorio cabecalho;
        cabecalho.Titulo = "Bench";
        double melhor = 1e100;
        std::size_t bytes = 0;
        for (int vez = 0; vez < 3; ++vez) {
            const double t0 = Agora();
            EscreveRelatorio(arquivo.string(), modelo, unidades, cabecalho);
            melhor = std::min(melhor, Agora() - t0);
            bytes = std::filesystem::file_size(arquivo);
        }
        // One temperature line per run of ten prescribed nodes, one support line per stage.
        const std::string texto = TextoRelatorio(modelo, unidades, cabecalho);
        auto conta = [&](const std::string &s) {
            int c = 0;
            for (auto i = texto.find(s); i != std::string::npos; i = texto.find(s, i + 1))
                ++c;
            return c;
        };
        if (modelo.FCamadas->GetNumZonas() != n || modelo.FCamadas->GetNumEtapas() != n ||
            conta("\n  Temperatura= ") != prescritos / 10 || conta("\n  Deformações: ") != n ||
            texto.size() != bytes)
            rc = 1;
        std::printf("name=report_layered n=%d layers=%d zones=%d seconds=%.4f kb=%.0f\n",
                    prescritos, n, modelo.FCamadas->GetNumZonas(), melhor, bytes / 1e3);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_relatorio: %s\n", e.what());
        rc = 1;
    }
    std::filesystem::remove(arquivo);
    return rc;
}
