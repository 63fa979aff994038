// The isocolour window on an 80k-element map read from a step file, drawn on a 1280 x 800
// picture: whole drawings (file read, map, scale) at definitions 7 and 20, the same with the
// default contours, the animation's frame rate at a 40 ms interval, and the plain fill (one
// polygon per sub-triangle) for reference. Option: --smoke (tiny case).
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include <time.h>

#include "CanvasQt.h"
#include "FonteResultados.h"
#include "MalhaRetangulo.h"
#include "MapaIsocores.h"
#include "Perguntador.h"
#include "PixelsImagem.h"
#include "Temporizador.h"
#include "uGraficoIsocores.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"

namespace {

class TFonteBench : public IFonteResultados {
public:
    TAnalise *a = nullptr;
    TAnalise *AnaliseTermica() override { return a; }
    TAnaliseTensional *AnaliseTensional() override { return nullptr; }
};

// Prompter that reports errors on standard error (no boxes in a benchmark).
class TPerguntadorBench : public IPerguntador {
public:
    bool Confirma(const QString &) override { return true; }
    bool ConfirmaOk(const QString &) override { return true; }
    void Informa(const QString &) override {}
    void Avisa(const QString &) override {}
    void Erro(const QString &t) override { std::fprintf(stderr, "erro: %s\n", qPrintable(t)); }
    QString ArquivoAbrir(QWidget *, const QString &, const QString &) override { return {}; }
    QString ArquivoSalvar(QWidget *, const QString &, const QString &, const QString &) override {
        return {};
    }
    bool EscolheCor(QWidget *, QColor &) override { return false; }
    int ExecutaModal(QDialog &) override { return 0; }
};

double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec * 1e-9;
}

// Mean wall-clock seconds per call, and the processor seconds it used (the machine may be shared).
struct TMedida {
    double seconds, cpu;
};
TMedida Mede(const std::function<void()> &f, int vezes) {
    f(); // warm-up
    QElapsedTimer t;
    const double c0 = Cpu();
    t.start();
    for (int i = 0; i < vezes; ++i)
        f();
    return {t.nsecsElapsed() * 1e-9 / vezes, (Cpu() - c0) / vezes};
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int nx = smoke ? 10 : 200, ny = smoke ? 10 : 200;
    const int vezes = smoke ? 1 : 10;

    const auto pasta = std::filesystem::temp_directory_path() / "bench_isocores";
    std::filesystem::create_directories(pasta);
    DefinePastaPadrao(pasta);
    TPerguntadorBench perguntador;
    DefinePerguntador(&perguntador);
    TTemporizador::DefineTempoReal(false);

    // A field from 15 to 55 degrees across the block, kept by one short step.
    auto malha = Retangulo(Uniforme(10.0, nx), 5.0, ny);
    auto analise = std::make_unique<TAnalise>(malha.get());
    TDominio *d = analise->GetDominio();
    d->SetMaterial(std::make_unique<TMaterial>(1.0, 1.0, 2400.0, 1000.0, 20.0, 0.08609, 0.04225,
                                               false, 1.25e-5, 0.2, 9.819, TMaterial::kModeloJCI,
                                               false, 20.0, false, 1.408, 0.1931, true, 0.0, true));
    analise->SetTempo(std::make_unique<TTempo>(0.0, 0.02, 0.01, 2.0 / 3.0));
    TVetor &ini = analise->GetVetorTemperaturasIniciais();
    for (int i = 1; i <= malha->GetNumNos(); ++i) {
        const TNo *no = malha->GetNo(i);
        ini[i] = 15.0 + 4.0 * no->X + 3.0 * std::sin(no->Y * 2.0);
    }
    analise->SetSolver(std::make_unique<TGradiente>(5000, 1e-10));
    analise->Executa();
    const int elementos = malha->GetNumElementos();

    TFonteBench fonte;
    fonte.a = analise.get();
    DefineFonteResultados(&fonte);
    TfrmIsocores frm;
    frm.imIsocores->setFixedSize(1280, 800);
    frm.adjustSize();
    frm.show();
    app.processEvents();
    frm.edTempo->setText(QString::fromStdString(FloatToStr(0.01)));

    for (bool contornos : {false, true})
        for (int def : {7, 20}) {
            frm.trkDivisoes->setValue(def);
            frm.chkCurvaNivel->setChecked(contornos);
            const TMedida m = Mede([&] { frm.DesenhaIsocores(); }, vezes);
            std::printf("name=isocores_def%d%s n=%d seconds=%.6f cpu=%.6f\n", def,
                        contornos ? "_contornos" : "", elementos, m.seconds, m.cpu);
        }

    // Animation: ticks of a 40 ms timer, each drawing the next step with the default contours.
    frm.trkDivisoes->setValue(7);
    frm.chkCurvaNivel->setChecked(true);
    const TMedida quadro = Mede(
        [&] {
            frm.edTempo->setText("0");
            frm.Tique();
        },
        vezes);
    std::printf("name=animacao_quadro_def7 n=%d seconds=%.6f cpu=%.6f quadros_por_segundo=%.1f\n",
                elementos, quadro.seconds, quadro.cpu, 1.0 / std::max(quadro.seconds, 0.040));

    // The plain fill, for reference.
    QImage im(1280, 800, QImage::Format_RGB32), esc(20, 256, QImage::Format_RGB32);
    TCanvasQt cm(&im), ce(&esc);
    TMapaIsocores mapa;
    TOpcoesIsocores op;
    op.CurvasNivel = false;
    const TMedida plano = Mede(
        [&] {
            mapa.Prepara(*analise, 0.01, cm, op, {});
            mapa.Desenha(cm, {}, ce, 0, 0, nullptr);
            cm.Termina();
        },
        smoke ? 1 : 2);
    std::printf("name=isocores_poligonos_def7 n=%d seconds=%.6f cpu=%.6f\n", elementos,
                plano.seconds, plano.cpu);

    frm.hide();
    DefineFonteResultados(nullptr);
    DefinePerguntador(nullptr);
    std::filesystem::remove_all(pasta);
    return 0;
}
