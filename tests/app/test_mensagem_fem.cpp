// The progress window: its texts, the bar that wraps, the time gauge, the refresh limited by a
// (fake) clock, window events served during a long element loop, and the engine binding.
#include "uInformacoesSistema.h"
#include "uMensagemFEM.h"

#include "MemoriaSistema.h"
#include "Temporizador.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include <cstdlib>

namespace {

class Progresso : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        TfrmMensagemFEM::DefineRelogio([this] { return agora; });
    }
    void TearDown() override {
        FechaProgresso();
        TfrmMensagemFEM::DefineRelogio({});
        SetDecimalSeparator('.');
        ReiniciaEstado();
    }
    std::int64_t agora = 1000;
};

// Saves a picture of the window when DARV_CAPTURAS names a folder.
void Captura(QWidget &w, const char *nome) {
    const QPixmap p = w.grab();
    EXPECT_FALSE(p.isNull());
    if (const char *pasta = std::getenv("DARV_CAPTURAS"))
        p.save(QString(pasta) + "/" + nome + ".png");
}

} // namespace

TEST(ProgressoTextos, ElementoMemoriaETempo) {
    EXPECT_EQ(TextoElemento(7), "Montando Matrizes do Elemento: 7 ");
    EXPECT_EQ(TextoMemoria(312), "Tentando Liberar Memória... ( 312Mb)");
    SetDecimalSeparator(',');
    EXPECT_EQ(TextoTempo(0.25), "Tempo:   0,25");
    EXPECT_EQ(TextoTempo(12), "Tempo:     12");
    SetDecimalSeparator('.');
    EXPECT_EQ(TextoTempo(0.5), "Tempo:    0.5");
    EXPECT_EQ(TextoTempo(168), "Tempo:  1.7E2");
    EXPECT_EQ(TextoTempo(-0.0125), "Tempo: -0.013");

    TBarraProgresso b;
    b.DefineFaixa(0, 3);
    std::vector<int> p;
    for (int i = 0; i < 5; ++i) {
        b.Avanca();
        p.push_back(b.Posicao);
    }
    EXPECT_EQ(p, (std::vector<int>{1, 2, 3, 0, 1}));
    b.DefineFaixa(0, 1); // a position outside a new range starts again
    EXPECT_EQ(b.Posicao, 1);
    b.DefineFaixa(5, 2);
    EXPECT_EQ(b.Maximo, 5);
    EXPECT_EQ(b.Posicao, 5);
}

TEST(ProgressoTextos, LimitadorLeORelogioCercaDeUmaVezPorMilissegundo) {
    std::int64_t agora = 0;
    TLimitador l([&] { return agora; });
    // 100,000 calls per millisecond for 100 ms: readings stay near one per 64 calls, and
    // refreshes near one per 33 ms.
    int vezes = 0;
    for (int ms = 0; ms < 100; ++ms, ++agora)
        for (int i = 0; i < 100000; ++i)
            vezes += l.Vez();
    EXPECT_LE(l.Leituras(), 10000000 / 64 + 1000);
    EXPECT_GE(vezes, 3);
    EXPECT_LE(vezes, 4);
    // Calls ten milliseconds apart: every call reads the clock again after at most 64.
    const long long antes = l.Leituras();
    for (int i = 0; i < 200; ++i) {
        agora += 10;
        l.Vez();
    }
    EXPECT_GE(l.Leituras() - antes, 200 - 64);
    // A step's end reads the clock itself and starts the next loop reading at once.
    for (int i = 0; i < 1000; ++i)
        l.Vez();
    agora += 10;
    EXPECT_FALSE(l.VezAgora());
    agora += 30;
    EXPECT_TRUE(l.Vez());
}

TEST_F(Progresso, JanelaMostraElementoMemoriaETempo) {
    SetDecimalSeparator(',');
    TfrmMensagemFEM *w = AbreProgresso(true, "Fase de Processamento...", 120);
    EXPECT_EQ(frmMensagemFEM, w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Fase de Processamento...");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->plProcesso->isHidden());
    EXPECT_EQ(w->pgbMedidor->maximum(), 120);

    w->DefineFaixaPassos(4);
    w->MostraElemento(7);
    EXPECT_EQ(w->stxElementos->text(), "Montando Matrizes do Elemento: 7 ");
    EXPECT_EQ(w->pgbMedidor->value(), 1);
    agora += 40;
    w->MostraTempo(0.25);
    EXPECT_EQ(w->stxTempo->text(), "Tempo:   0,25");
    EXPECT_EQ(w->pgbMedidorTempo->Progresso(), 1);
    EXPECT_EQ(w->pgbMedidorTempo->Percentual(), 25);
    w->MostraMemoria(312);
    EXPECT_EQ(w->stxElementos->text(), "Tentando Liberar Memória... ( 312Mb)");
    Captura(*w, "progresso_analise");

    FechaProgresso();
    EXPECT_EQ(frmMensagemFEM, nullptr);
    FechaProgresso(); // nothing open: nothing happens

    // Mesh generation: no time panel; the mesh sets the bar's range and steps it.
    w = AbreProgresso(false, "Gerando Malha...", 0);
    EXPECT_TRUE(w->plProcesso->isHidden());
    w->DefineFaixaElementos(2);
    for (int i = 0; i < 3; ++i) {
        agora += 50;
        w->Avanca();
    }
    EXPECT_EQ(w->pgbMedidor->value(), 0); // past the maximum: back to the start
    w->DefineTexto("x");
    EXPECT_EQ(w->stxElementos->text(), "x");
    Captura(*w, "progresso_malha");
}

TEST_F(Progresso, RefrescoLimitadoPeloRelogio) {
    TfrmMensagemFEM *w = AbreProgresso(true, "Fase de Processamento...", 1000);
    const int antes = w->NumAtualizacoes();
    // 300 elements at the same instant: one refresh, with the first.
    for (int e = 1; e <= 300; ++e)
        w->MostraElemento(e);
    EXPECT_EQ(w->NumAtualizacoes(), antes + 1);
    EXPECT_EQ(w->stxElementos->text(), "Montando Matrizes do Elemento: 1 ");
    EXPECT_EQ(w->pgbMedidor->value(), 1);
    // A step's end once the interval has passed shows the latest element and position.
    agora += 40;
    w->MostraTempo(1);
    EXPECT_EQ(w->stxElementos->text(), "Montando Matrizes do Elemento: 300 ");
    EXPECT_EQ(w->pgbMedidor->value(), 300);

    // One element per millisecond for two seconds: about 30 refreshes a second.
    const int n0 = w->NumAtualizacoes();
    for (int e = 1; e <= 2000; ++e) {
        ++agora;
        w->MostraElemento(e);
    }
    const int refrescos = w->NumAtualizacoes() - n0;
    EXPECT_GE(refrescos, 55);
    EXPECT_LE(refrescos, 62);
    agora += 40;
    w->MostraTempo(2);
    EXPECT_EQ(w->pgbMedidor->value(), (300 + 2000) % 1001); // wrapped over 0..1000

    // An event posted during the loop is served within 100 ms of the clock.
    std::int64_t servido = -1;
    QObject receptor;
    for (int e = 1; e <= 500; ++e) {
        ++agora;
        if (e == 10) {
            const std::int64_t postado = agora;
            QMetaObject::invokeMethod(
                &receptor, [&, postado] { servido = agora - postado; }, Qt::QueuedConnection);
        }
        w->MostraElemento(e);
    }
    ASSERT_GE(servido, 0);
    EXPECT_LE(servido, 100);
}

// Two seconds of steps: fast ones are shown about 30 times a second, not each; slow steps
// each; the latest time and the gauge's count are never lost.
TEST_F(Progresso, FinsDePassoMostradosCercaDe30VezesPorSegundo) {
    struct Caso {
        int msPorPasso, minimo, maximo;
    };
    for (const Caso c : {Caso{2, 55, 61}, Caso{10, 48, 61}, Caso{50, 40, 41}}) {
        TfrmMensagemFEM *w = AbreProgresso(true, "Fase de Processamento...", 10);
        const int passos = 2000 / c.msPorPasso;
        w->DefineFaixaPassos(passos + 1);
        const int n0 = w->NumAtualizacoes();
        for (int k = 1; k <= passos; ++k) {
            for (int e = 1; e <= 10; ++e)
                w->MostraElemento(e);
            agora += c.msPorPasso;
            w->MostraTempo(k);
        }
        const int refrescos = w->NumAtualizacoes() - n0;
        EXPECT_GE(refrescos, c.minimo) << c.msPorPasso;
        EXPECT_LE(refrescos, c.maximo) << c.msPorPasso;
        agora += 40;
        w->MostraTempo(passos + 1);
        EXPECT_EQ(w->stxTempo->text().toStdString(), TextoTempo(passos + 1)) << c.msPorPasso;
        EXPECT_EQ(w->pgbMedidorTempo->Progresso(), passos + 1) << c.msPorPasso;
        FechaProgresso();
    }
}

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>

namespace {
// 1 when the upper halves of the AVX registers are in use, 0 when not, -1 when the processor
// cannot tell.
int AvxEmUso() {
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) ||
        !__get_cpuid_count(0xd, 1, &a, &b, &c, &d) || !(a & 4)) // XGETBV with ECX = 1
        return -1;
    unsigned lo, hi;
    asm volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return int((lo >> 2) & 1);
}
} // namespace

// Painting may leave those halves in use; the engine's SSE loops run far slower until they are
// cleared, so a refresh returns with them clear.
TEST_F(Progresso, RefrescoDevolveRegistrosAvxLivres) {
    if (AvxEmUso() < 0)
        GTEST_SKIP() << "the processor does not report the registers in use";
    TfrmMensagemFEM *w = AbreProgresso(true, "Fase de Processamento...", 1000);
    EXPECT_EQ(AvxEmUso(), 0);
    w->DefineFaixaPassos(5);
    for (int k = 1; k <= 5; ++k) {
        w->MostraElemento(k * 150);
        agora += 40;
        w->MostraTempo(k);
        EXPECT_EQ(AvxEmUso(), 0) << k;
    }
}
#endif
