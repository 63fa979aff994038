#include "uTela.h"

#include "KitCtrls.h"

#include <QPushButton>

TfrmAjudaDARV2DAT *frmAjudaDARV2DAT = nullptr;

namespace {

struct TTexto {
    const char *texto;
    int pixels;
    bool negrito;
    QColor cor, sombra;
    int tamanhoSombra;
};

const QColor kAmarelo(255, 210, 0), kBranco(255, 255, 255), kClaro(200, 220, 255), kPreto(0, 0, 0),
    kFundo(31, 58, 95), kSombraFundo(10, 20, 40);

// Shadowed captions centred one below the other from `topo`, `espaco` pixels apart.
void Rotulos(QWidget *w, const TTexto *textos, int n, int topo, int espaco) {
    int y = topo;
    for (int i = 0; i < n; ++i) {
        const TTexto &t = textos[i];
        auto *l = new TKitLabel(w);
        l->setObjectName(QStringLiteral("kitLabel%1").arg(i + 1));
        QFont f = l->font();
        f.setPixelSize(t.pixels);
        f.setBold(t.negrito);
        l->SetFont(f);
        l->SetTransparent(true);
        l->SetFontColor(t.cor);
        l->SetShadowColor(t.sombra);
        l->SetShadowSize(std::uint8_t(t.tamanhoSombra));
        l->SetShadowPos(spRightBottom);
        l->SetCaption(QString::fromUtf8(t.texto));
        l->move((w->width() - l->width()) / 2, y);
        y += l->height() + espaco;
    }
}

void Fundo(QWidget *w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kFundo);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

TfrmTela::TfrmTela(QWidget *pai) : QWidget(pai, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmTela"));
    setFixedSize(460, 220);
    Fundo(this);
    static const TTexto textos[] = {
        {"ZOK-2D", 48, true, kAmarelo, kPreto, 3},
        {"Análise Térmica e Tensional", 22, true, kBranco, kSombraFundo, 2},
        {"Carregando...", 13, false, kClaro, kSombraFundo, 1},
    };
    Rotulos(this, textos, 3, 28, 18);
}

TfrmAjudaDARV2DAT::TfrmAjudaDARV2DAT(QWidget *pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmAjudaDARV2DAT"));
    setWindowTitle(QStringLiteral("Sobre o ZOK-2D"));
    setFixedSize(480, 400);
    Fundo(this);
    static const TTexto textos[] = {
        {"ZOK-2D", 48, true, kAmarelo, kPreto, 3},
        {"Análise Térmica e Tensional", 22, true, kBranco, kSombraFundo, 2},
        {"do concreto em endurecimento", 15, false, kBranco, kSombraFundo, 1},
        {"Temperaturas, tensões e deformações em duas dimensões", 13, false, kClaro, kSombraFundo,
         1},
        {"Elementos finitos triangulares e retangulares", 13, false, kClaro, kSombraFundo, 1},
        {"Construção em camadas, por etapas", 13, false, kClaro, kSombraFundo, 1},
        {"Calor de hidratação, maturidade, fluência e retração", 13, false, kClaro, kSombraFundo,
         1},
        {"Unidades de medida escolhidas pelo usuário", 13, false, kClaro, kSombraFundo, 1},
        {"Isocores, gráficos e relatório dos dados de entrada", 13, false, kClaro, kSombraFundo, 1},
        {"Manual: Ajuda > Conteúdo...", 12, false, kAmarelo, kSombraFundo, 1},
        {"Versão para Linux com Qt 6", 12, false, kAmarelo, kSombraFundo, 1},
    };
    Rotulos(this, textos, 11, 16, 6);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->adjustSize();
    ok->move((width() - ok->width()) / 2, height() - ok->height() - 12);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
