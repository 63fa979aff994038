// The metafile writer read back: headers, records, the object table, shapes, text and pictures.
#include "DispositivoWmf.h"
#include "LeitorWmf.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <filesystem>

#include <signal.h>
#include <sys/resource.h>

TEST(Wmf, FormasTextoEImagemLidosDeVolta) {
    TDispositivoWmf wmf(400, 300);
    {
        QPainter p(&wmf);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(10, 10, 390, 290);
        p.setBrush(Qt::blue);
        p.drawRect(20, 20, 100, 50);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(200, 20), QPoint(250, 80), QPoint(150, 80)}));
        p.setPen(Qt::black);
        p.setFont(QFont("Arial", 10));
        p.drawText(QPointF(30, 200), QString::fromUtf8("Temperatura °C"));
        p.save();
        p.translate(15, 150);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QString::fromUtf8("Tempo h"));
        p.restore();
        QImage im(8, 4, QImage::Format_RGB32);
        im.fill(Qt::green);
        p.drawImage(QRect(300, 200, 16, 8), im);
    }
    const TLeituraWmf r = LeWmf(wmf.Arquivo());
    ASSERT_EQ(r.erro, "");
    EXPECT_EQ(r.direita, 400);
    EXPECT_EQ(r.base, 300);
    EXPECT_EQ(r.polegada, 96);
    EXPECT_EQ(r.criados, r.apagados);
    EXPECT_GE(r.selecionados, r.criados);
    EXPECT_GE(r.dibs, 1);
    ASSERT_GE(r.polilinhas.size(), 1u);
    EXPECT_EQ(r.polilinhas[0], (std::vector<std::pair<int, int>>{{10, 10}, {390, 290}}));
    ASSERT_EQ(r.textos.size(), 2u);
    EXPECT_EQ(r.textos[0], "Temperatura \xB0"
                           "C"); // ISO 8859-1
    EXPECT_EQ(r.escapamentos[0], 0);
    EXPECT_EQ(r.textos[1], "Tempo h");
    EXPECT_EQ(r.escapamentos[1], 900);
    EXPECT_GE(r.poligonos.size() + size_t(r.retangulos), 2u);
}

TEST(Wmf, CurvaLongaDivididaSobAContagemDe16Bits) {
    TDispositivoWmf wmf(1000, 500);
    QPolygonF curva;
    for (int i = 0; i < 40000; ++i)
        curva << QPointF(i * 0.025, 250 + 200 * std::sin(i * 0.001));
    {
        QPainter p(&wmf);
        p.setPen(Qt::black);
        p.drawPolyline(curva);
    }
    const TLeituraWmf r = LeWmf(wmf.Arquivo());
    ASSERT_EQ(r.erro, "");
    ASSERT_EQ(r.polilinhas.size(), 2u);
    EXPECT_EQ(r.polilinhas[0].size(), 32767u);
    EXPECT_EQ(r.polilinhas[1].size(), 40000u - 32767u + 1u);
    EXPECT_EQ(r.polilinhas[0].back(), r.polilinhas[1].front());
    for (const auto &l : r.polilinhas)
        for (auto [x, y] : l) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, 1000);
            EXPECT_GE(y, 0);
            EXPECT_LE(y, 500);
        }
}

TEST(Wmf, FalhaAoGravarDeixaOArquivoAnterior) {
    const auto pasta = std::filesystem::temp_directory_path() / "wmf_falha_grava";
    std::filesystem::create_directories(pasta);
    const std::string alvo = (pasta / "Grafico.wmf").string();
    EscreveArquivo(alvo, "anterior");
    TDispositivoWmf wmf(400, 300);
    {
        QPainter p(&wmf);
        for (int i = 0; i < 200; ++i)
            p.drawLine(0, i, 399, i);
    }
    // Files may not grow past 1 kB: the write fails part way.
    signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    rlimit limite = antes;
    limite.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_THROW(wmf.Salva(alvo), EInOutError);
    setrlimit(RLIMIT_FSIZE, &antes);
    EXPECT_EQ(LeArquivoBinario(alvo), "anterior");
    wmf.Salva(alvo);
    EXPECT_EQ(LeWmf(LeArquivoBinario(alvo)).erro, "");
    std::filesystem::remove_all(pasta);
}
