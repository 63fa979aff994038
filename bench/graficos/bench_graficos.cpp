// The result charts with long curves: adding a 10k-point curve, repainting the chart and zooming
// into it, with one curve and with five. Option: --smoke (short curves).
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QPixmap>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

#include <time.h>

#include "uGraficoTemperaturaTempo.h"

namespace {

double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec * 1e-9;
}

// Mean wall-clock and processor seconds per call (the machine may be shared).
void Mede(const char *nome, int n, const std::function<void()> &f, int vezes) {
    f();
    QElapsedTimer t;
    const double c0 = Cpu();
    t.start();
    for (int i = 0; i < vezes; ++i)
        f();
    std::printf("name=%s n=%d seconds=%.6f cpu=%.6f\n", nome, n, t.nsecsElapsed() * 1e-9 / vezes,
                (Cpu() - c0) / vezes);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 100 : 10000, vezes = smoke ? 1 : 10;
    TfrmGraficoTemperaturaTempo frm;
    frm.resize(1000, 700);
    frm.show();
    app.processEvents();
    auto curva = [n](int k) {
        TCurva c;
        for (int i = 0; i < n; ++i) {
            c.X.push_back(i * 0.1);
            c.Y.push_back(20 + 10 * std::sin(i * 0.01 + k) + k);
        }
        return c;
    };
    for (int curvas : {1, 5}) {
        frm.Limpa();
        Mede(
            curvas == 1 ? "grafico_adiciona_curva" : "grafico_adiciona_quinta_curva", n,
            [&] {
                frm.Limpa();
                for (int k = 0; k < curvas; ++k)
                    frm.AdicionaCurva(curva(k));
                app.processEvents();
            },
            vezes);
        QChartView *v = frm.Vista();
        Mede(
            curvas == 1 ? "grafico_repinta_1_curva" : "grafico_repinta_5_curvas", n,
            [&] { v->grab(); }, vezes);
        Mede(
            curvas == 1 ? "grafico_zoom_1_curva" : "grafico_zoom_5_curvas", n,
            [&] {
                frm.Grafico()->zoomIn(QRectF(v->width() * 0.3, v->height() * 0.3, v->width() * 0.3,
                                             v->height() * 0.3));
                v->grab();
                frm.Grafico()->zoomReset();
            },
            vezes);
    }
    return 0;
}
