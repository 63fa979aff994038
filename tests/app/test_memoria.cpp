// The memory tool on a fake meminfo file: the monitor's arithmetic and texts, the limits, the
// confirmed rule as the analyses apply it, the cap on what a release takes, and the worker
// against the analyses' release and against the window's end.
#include "MemoriaSistema.h"
#include "uInformacoesSistema.h"
#include "uMensagemFEM.h"

#include "Temporizador.h"
#include "uEstadoInterface.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>

#include <QPixmap>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class MemInfoFalso {
public:
    MemInfoFalso() {
        arquivo_ = fs::temp_directory_path() /
                   ("meminfo-teste-" + std::to_string(::getpid()) + "-" + std::to_string(n_++));
    }
    ~MemInfoFalso() {
        DefineArquivoMemInfo("");
        std::error_code ec;
        fs::remove(arquivo_, ec);
    }
    void Escreve(const std::string &texto) {
        std::ofstream(arquivo_, std::ios::binary) << texto;
        DefineArquivoMemInfo(arquivo_.string());
    }
    void Define(long long totalKb, long long disponivelKb) {
        Escreve("MemTotal:       " + std::to_string(totalKb) +
                " kB\nMemFree:          123456 kB\nMemAvailable:   " +
                std::to_string(disponivelKb) + " kB\nBuffers:          1000 kB\n");
    }

private:
    fs::path arquivo_;
    static inline int n_ = 0;
};

// Records what the engine's memory check shows.
class MensagemGravada : public IMensagemFEM {
public:
    void MostraTempo(double) override {}
    void MostraMemoria(int mb) override { Memorias.push_back(mb); }
    std::vector<int> Memorias;
};

class Memoria : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        TTemporizador::DefineTempoReal(false);
    }
    void TearDown() override {
        LiberaJanelasInformacoesSistema();
        ReiniciaEstado();
        TTemporizador::DefineTempoReal(true);
    }
    MemInfoFalso meminfo;
    TFerramentaMemoria ferramenta;
};

} // namespace

TEST(MemoriaModelo, LeituraDoMeminfoEArredondamentos) {
    MemInfoFalso f;
    f.Define(2097152, 524288);
    TEstadoMemoria m = LeEstadoMemoria();
    EXPECT_EQ(m.TotalKb(), 2097152);
    EXPECT_EQ(m.DisponivelKb(), 524288);
    TLeituraMonitor l = LeituraMonitor(m);
    EXPECT_EQ(l.Percentual, 25);
    EXPECT_EQ(l.TextoLivre, "524288 kb Livres");
    EXPECT_EQ(l.TextoPercentual, "25% de 2097152 kb Livres");
    EXPECT_EQ(l.TextoStatus, "524 Mb (25%) Livres");
    EXPECT_EQ(MaximoSeletor(m), 2097);
    EXPECT_EQ(MemoriaLivreMb(m), 537); // 536,870,912 bytes

    // 64 GiB free of 128: free kB x 100 does not fit 32 bits.
    f.Define(134217728, 67108864);
    m = LeEstadoMemoria();
    l = LeituraMonitor(m);
    EXPECT_EQ(l.Percentual, 50);
    EXPECT_EQ(l.TextoStatus, "67109 Mb (50%) Livres");
    EXPECT_EQ(MemoriaLivreMb(m), 68719);
    EXPECT_EQ(MaximoSeletor(m), 134218);

    // Halves go to the even neighbour.
    TEstadoMemoria h;
    h.DisponivelBytes = 2500000;
    EXPECT_EQ(MemoriaLivreMb(h), 2);
    h.DisponivelBytes = 3500000;
    EXPECT_EQ(MemoriaLivreMb(h), 4);
    h.DisponivelBytes = 3500001;
    EXPECT_EQ(MemoriaLivreMb(h), 4);
    h.DisponivelBytes = 2500001;
    EXPECT_EQ(MemoriaLivreMb(h), 3);
    h.TotalBytes = 1000 * 1024;
    h.DisponivelBytes = 1500 * 1024; // "Free kB 1500" of a 1000 kB total is a torn read
    EXPECT_EQ(LeituraMonitor(h).Percentual, 150);
}

TEST(MemoriaModelo, MeminfoSemDisponivelOuInvalido) {
    MemInfoFalso f;
    f.Escreve("MemTotal: 1000 kB\nMemFree: 400 kB\n");
    EXPECT_EQ(LeEstadoMemoria().DisponivelKb(), 400);
    f.Escreve("MemTotal: 1000 kB\r\nMemAvailable: 300 kB\r\n");
    EXPECT_EQ(LeEstadoMemoria().DisponivelKb(), 300);
    for (const char *ruim : {"", "MemTotal: kB\nMemAvailable: 3 kB\n", "MemAvailable: 3 kB\n",
                             "MemTotal: 99999999999999999999999 kB\nMemAvailable: 1 kB\n",
                             "MemTotalX: 5 kB\nMemAvailable: 1 kB\n"}) {
        f.Escreve(ruim);
        const TEstadoMemoria m = LeEstadoMemoria();
        EXPECT_EQ(m.TotalBytes, 0u) << ruim;
        EXPECT_EQ(LeituraMonitor(m).Percentual, 0) << ruim;
    }
    DefineArquivoMemInfo("/nao/existe/meminfo");
    EXPECT_EQ(LeEstadoMemoria().TotalBytes, 0u);
    DefineArquivoMemInfo("");
    EXPECT_GT(LeEstadoMemoria().TotalBytes, 0u); // the real one
}

TEST(MemoriaModelo, LimitesEReservaDoPedido) {
    EXPECT_EQ(LimiteSuperiorAcoplado(150, 100), 150);
    EXPECT_EQ(LimiteSuperiorAcoplado(20, 100), 100);
    EXPECT_EQ(TextoSeletor(50), "50 Mb memória livre");

    TEstadoMemoria m;
    m.TotalBytes = 1000ull << 20;     // reserve 50 MiB
    m.DisponivelBytes = 100ull << 20; // 50 MiB may be taken
    EXPECT_EQ(BlocosPermitidos(30, m), 30);
    EXPECT_EQ(BlocosPermitidos(100, m), 50);
    EXPECT_EQ(BlocosPermitidos(-5, m), 0);
    m.DisponivelBytes = 40ull << 20;
    EXPECT_EQ(BlocosPermitidos(10, m), 0);
    m = TEstadoMemoria{};
    EXPECT_EQ(BlocosPermitidos(10, m), 0);

    std::vector<int> passos;
    ASSERT_TRUE(TomaELiberaBlocos(3, [&](int i) { passos.push_back(i); }));
    EXPECT_EQ(passos, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(Memoria, MonitorMostraOLivreEOPercentual) {
    meminfo.Define(2097152, 524288);
    TfrmInformacoesSistema w;
    EXPECT_EQ(w.windowTitle(), "Situação do Sistema");
    EXPECT_EQ(w.TrackRAM->maximum(), 2097);
    EXPECT_EQ(w.TrackRAM->value(), 50);
    EXPECT_EQ(w.labslider->text(), "50 Mb memória livre quando otimizado");
    w.TrackRAM->setValue(120);
    EXPECT_EQ(w.labslider->text(), "120 Mb memória livre quando otimizado");
    EXPECT_EQ(w.TrackRAM->toolTip(), "120 Mb memória livre");

    w.show();
    EXPECT_TRUE(w.TimerAtivo());
    w.Timer1Timer();
    EXPECT_EQ(w.labCpu->text(), "524288 kb Livres");
    EXPECT_EQ(w.labram->text(), "25% de 2097152 kb Livres");
    EXPECT_EQ(w.barRAM->value(), 25);
    EXPECT_EQ(w.StatusBar1->currentMessage(), "524 Mb (25%) Livres");
    const QPixmap figura = w.grab();
    EXPECT_FALSE(figura.isNull());
    if (const char *pasta = std::getenv("DARV_CAPTURAS"))
        figura.save(QString(pasta) + "/memoria.png");

    // The total is the one read at creation; the free memory follows each tick.
    meminfo.Define(4000000, 1048576);
    w.Timer1Timer();
    EXPECT_EQ(w.labCpu->text(), "1048576 kb Livres");
    EXPECT_EQ(w.barRAM->value(), 50);
}

TEST_F(Memoria, LimitesOkCancelarEReexibicao) {
    meminfo.Define(2097152, 524288);
    TfrmInformacoesSistema w;
    TRegraMemoria r;
    r.Aplicado = true;
    w.SetOnRegra([&](const TRegraMemoria &x) { r = x; });
    w.show();
    EXPECT_FALSE(r.Aplicado);
    w.seLimiteLivre->setValue(150);
    EXPECT_EQ(w.seLimiteLivreSuperior->value(), 150);
    w.seLimiteLivreSuperior->setValue(120); // allowed until the free limit changes again
    EXPECT_EQ(w.seLimiteLivreSuperior->value(), 120);
    w.seLimiteLivre->setValue(151);
    EXPECT_EQ(w.seLimiteLivreSuperior->value(), 151);
    w.seLimiteLivre->setValue(30);
    EXPECT_EQ(w.seLimiteLivreSuperior->value(), 151);

    w.rbRAMLivrePorEtapa->setChecked(true);
    w.seLimiteLivrePorEtapa->setValue(250);
    w.btnOk->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(r.Aplicado);
    EXPECT_TRUE(r.PorEtapa);
    EXPECT_EQ(r.LimitePorEtapa, 250);
    EXPECT_EQ(r.LimiteLivre, 30);
    EXPECT_EQ(r.LimiteSuperior, 151);
    // The monitor stops at its next tick, which still completes.
    EXPECT_TRUE(w.TimerAtivo());
    w.Timer1Timer();
    EXPECT_FALSE(w.TimerAtivo());
    EXPECT_EQ(w.labCpu->text(), "524288 kb Livres");

    // Showing again switches the rule off and selects the free-memory rule.
    w.show();
    EXPECT_FALSE(r.Aplicado);
    EXPECT_TRUE(w.rbRAMLivre->isChecked());
    EXPECT_TRUE(w.TimerAtivo());
    w.btnCancela->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(r.Aplicado);
    EXPECT_TRUE(w.PararMonitor());
}

TEST_F(Memoria, RegraConfirmadaNaAnaliseComTeto) {
    // 1 GiB machine with 80 MB available: reserve 5 % of the total.
    meminfo.Define(1048576, 78125);
    TfrmInformacoesSistema *w = AbreInformacoesSistema(ferramenta);
    MensagemGravada msg;
    Estado().MensagemFEM = &msg;
    ASSERT_TRUE(ferramenta.Ligada());
    EXPECT_EQ(ferramenta.MemoriaLivreMb(), 80);

    // Not confirmed: nothing happens.
    Estado().VerificaMemoria();
    EXPECT_TRUE(msg.Memorias.empty());

    w->rbRAMLivrePorEtapa->setChecked(true);
    w->btnOk->click();
    Estado().VerificaMemoria();
    EXPECT_EQ(msg.Memorias, (std::vector<int>{80, 80}));
    EXPECT_EQ(ferramenta.UltimoPedido(), 100);
    // (80,000,000 - 53,687,091) bytes hold 25 whole MiB.
    EXPECT_EQ(ferramenta.UltimosBlocos(), 25);

    // Free-memory rule: the upper limit is asked for, only below the free limit.
    w->show();
    w->seLimiteLivre->setValue(81);
    w->seLimiteLivreSuperior->setValue(10);
    w->btnOk->click();
    msg.Memorias.clear();
    Estado().VerificaMemoria();
    EXPECT_EQ(msg.Memorias, (std::vector<int>{80, 80}));
    EXPECT_EQ(ferramenta.UltimoPedido(), 10);
    EXPECT_EQ(ferramenta.UltimosBlocos(), 10);
    w->show();
    w->seLimiteLivre->setValue(80);
    w->btnOk->click();
    msg.Memorias.clear();
    Estado().VerificaMemoria();
    EXPECT_TRUE(msg.Memorias.empty());
    Estado().MensagemFEM = nullptr;
}

TEST_F(Memoria, JanelaCriadaPorUltimoEhAConsultadaELiberadaPeloMotor) {
    meminfo.Define(2097152, 524288);
    TfrmInformacoesSistema *a = AbreInformacoesSistema(ferramenta);
    AbreInformacoesSistema(ferramenta);
    EXPECT_TRUE(a->isVisible());
    EXPECT_NE(frmInformacoesSistema, a);
    EXPECT_TRUE(ferramenta.Ligada());
    Estado().LiberaInformacoesSistema(); // end of a thermal run
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
    EXPECT_EQ(frmInformacoesSistema, nullptr);
    EXPECT_TRUE(a->isVisible()); // still alive, no longer consulted
    Estado().VerificaMemoria();  // nothing to consult
    a->btnOk->click();
    EXPECT_EQ(Estado().InformacoesSistema, nullptr);
    EXPECT_FALSE(ferramenta.Regra().Aplicado);
}

TEST_F(Memoria, TrabalhadorMostraProgressoEReligaOMonitor) {
    meminfo.Define(8388608, 4194304); // room for the 50 MiB asked
    TfrmInformacoesSistema w;
    w.show();
    std::vector<int> valores;
    QObject::connect(w.barProgress, &QProgressBar::valueChanged,
                     [&](int v) { valores.push_back(v); });
    w.cmdOptimizeClick();
    ASSERT_NE(TfrmInformacoesSistema::ThreadRAM(), nullptr);
    w.cmdOptimizeClick(); // a second click while it runs does nothing
    TfrmInformacoesSistema::AguardaTrabalho();
    EXPECT_EQ(TfrmInformacoesSistema::ThreadRAM(), nullptr);
    EXPECT_EQ(w.barProgress->maximum(), 100);
    ASSERT_FALSE(valores.empty());
    EXPECT_EQ(*std::max_element(valores.begin(), valores.end()), 99);
    EXPECT_EQ(valores.back(), 0);
    EXPECT_TRUE(w.TimerAtivo());

    // Confirmed rule: the worker leaves the bar alone.
    w.btnOk->click();
    valores.clear();
    w.cmdOptimizeClick();
    TfrmInformacoesSistema::AguardaTrabalho();
    EXPECT_TRUE(valores.empty());
    // Nothing to take leaves the bar's range at one and still turns the timer on again.
    meminfo.Define(8388608, 0);
    w.show();
    w.cmdOptimizeClick();
    TfrmInformacoesSistema::AguardaTrabalho();
    EXPECT_EQ(w.barProgress->maximum(), 1);
    EXPECT_TRUE(w.TimerAtivo());
}

TEST_F(Memoria, TrabalhadorContraLiberacaoDaAnaliseEFimDaJanela) {
    meminfo.Define(8388608, 4194304);
    {
        TfrmInformacoesSistema *w = AbreInformacoesSistema(ferramenta);
        w->TrackRAM->setValue(400);
        w->cmdOptimizeClick();
        // The analyses' release waits for the worker's lock and then takes its own blocks.
        Estado().InformacoesSistema->LiberarMemoria(20);
        EXPECT_EQ(ferramenta.UltimosBlocos(), 20);
        TfrmInformacoesSistema::AguardaTrabalho();
    }
    // A window freed while its worker runs joins it first.
    for (int i = 0; i < 3; ++i) {
        TfrmInformacoesSistema *w = AbreInformacoesSistema(ferramenta);
        w->TrackRAM->setValue(300);
        w->cmdOptimizeClick();
        ASSERT_NE(TfrmInformacoesSistema::ThreadRAM(), nullptr);
        if (i == 0)
            delete w;
        else
            Estado().LiberaInformacoesSistema();
        EXPECT_EQ(TfrmInformacoesSistema::ThreadRAM(), nullptr);
        QCoreApplication::processEvents(); // queued signals of the freed window are dropped
    }
    // The lock is free again.
    EXPECT_EQ(LiberarMemoria(1), 1);
}
