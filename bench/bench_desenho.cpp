// Drawing the thermal benchmark's block (282 x 141 squares: 40186 nodes, 79524 elements) on the
// main window's picture: background, axes, filled elements, node squares, edges, as a redraw
// of the program does. Option: --smoke (a 20 x 10 block, one drawing).
#include "Bloco.h"
#include "CanvasQt.h"
#include "uLibraryMalhas.h"

#include <QGuiApplication>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double Desenho(TMalha &malha, QImage &imagem, bool comNos) {
    TCanvasQt canvas(&imagem);
    TMalhaPlot plot(&canvas, &malha);
    const auto t0 = std::chrono::steady_clock::now();
    canvas.Brush.Color = clWhite;
    canvas.FillRect(0, 0, canvas.Largura(), canvas.Altura());
    plot.Desenha();
    plot.DesenhaElementos();
    plot.SetMostraNos(comNos);
    plot.DesenhaNos();
    plot.SetMostraArestas(true);
    plot.DesenhaTodasArestas();
    canvas.Termina();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char *argv[]) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    bool smoke = false;
    for (int i = 1; i < argc; ++i)
        smoke = smoke || std::strcmp(argv[i], "--smoke") == 0;
    const int nx = smoke ? 20 : 282, ny = smoke ? 10 : 141;
    auto malha = Bloco(nx, ny);
    malha->CalculaLimites();
    QImage imagem(1200, 800, QImage::Format_RGB32);
    const int repeticoes = smoke ? 1 : 5;
    for (bool comNos : {false, true}) {
        double melhor = 1e30;
        for (int r = 0; r < repeticoes; ++r)
            melhor = std::min(melhor, Desenho(*malha, imagem, comNos));
        std::printf("name=desenho_%s n=%d seconds=%.4f\n", comNos ? "elementos_nos" : "elementos",
                    malha->GetNumElementos(), melhor);
    }
    if (!smoke && argc > 2 && std::strcmp(argv[1], "--png") == 0)
        imagem.save(QString::fromLocal8Bit(argv[2]));
    return 0;
}
