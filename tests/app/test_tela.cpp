// The splash and about windows: their captions are shadowed kit labels that fit the window
// without overlapping; both are rendered to PNG (DARV_PNG_DIR, else <temp>/darv-app-png).
#include "KitCtrls.h"
#include "uTela.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>

namespace {

QImage Grava(QWidget &w, const char *nome) {
    QString p = qEnvironmentVariable("DARV_PNG_DIR");
    if (p.isEmpty())
        p = QDir::temp().filePath(QStringLiteral("darv-app-png"));
    QDir().mkpath(p);
    const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(img.save(QDir(p).filePath(QLatin1String(nome))));
    return img;
}

void ConfereRotulos(QWidget &w, int quantos) {
    const auto rotulos = w.findChildren<TKitLabel *>();
    ASSERT_EQ(int(rotulos.size()), quantos);
    for (int i = 0; i < rotulos.size(); ++i) {
        const TKitLabel *a = rotulos[i];
        EXPECT_FALSE(a->Caption().isEmpty());
        EXPECT_GT(a->ShadowSize(), 0);
        EXPECT_TRUE(w.rect().contains(a->geometry())) << a->Caption().toStdString();
        for (int j = i + 1; j < rotulos.size(); ++j)
            EXPECT_FALSE(a->geometry().intersects(rotulos[j]->geometry()))
                << a->Caption().toStdString() << " / " << rotulos[j]->Caption().toStdString();
    }
}

int Amarelos(const QImage &img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == 0xFFD200;
    return n;
}

} // namespace

TEST(Tela, AberturaESobreUsamRotulosComSombra) {
    TfrmTela tela;
    ConfereRotulos(tela, 3);
    EXPECT_GT(Amarelos(Grava(tela, "tela_abertura.png")), 200);

    TfrmAjudaDARV2DAT sobre;
    ConfereRotulos(sobre, 11);
    const auto *ok = sobre.findChild<QPushButton *>(QStringLiteral("btnOk"));
    ASSERT_NE(ok, nullptr);
    for (const TKitLabel *l : sobre.findChildren<TKitLabel *>())
        EXPECT_FALSE(l->geometry().intersects(ok->geometry()));
    EXPECT_GT(Amarelos(Grava(sobre, "tela_sobre.png")), 200);
}
