#include "uUsuario.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "uPlataforma.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>

TfrmUsuario *frmUsuario = nullptr;

TfrmUsuario::TfrmUsuario(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Expressão Usuario"), pai), FRPN(std::make_unique<TRPN>("X")) {
    auto *raiz = new QVBoxLayout(this);
    edExpressao = CriaEdit(this, "edExpressao", QStringLiteral("20+345*LOG(480*X+1)"));
    raiz->addWidget(edExpressao);
    chTeste = new QChartView(this);
    chTeste->setObjectName(QStringLiteral("chTeste"));
    chTeste->chart()->legend()->hide();
    LocalizaNumeros(chTeste->chart());
    chTeste->setMinimumSize(420, 260);
    raiz->addWidget(chTeste);
    auto *linha = new QHBoxLayout;
    auto *testar = new QPushButton(QStringLiteral("TESTAR"), this);
    testar->setObjectName(QStringLiteral("btnTestar"));
    testar->setAutoDefault(false);
    auto *ajuda = new QPushButton(QStringLiteral("Ajuda"), this);
    ajuda->setObjectName(QStringLiteral("btnAjuda"));
    ajuda->setAutoDefault(false);
    linha->addWidget(testar);
    linha->addWidget(ajuda);
    raiz->addLayout(linha);
    connect(testar, &QPushButton::clicked, this, [this] { Protege([this] { Testa(); }); });
    connect(ajuda, &QPushButton::clicked, this, [this] { Protege([this] { Ajuda(); }); });
    CriaBotoes(raiz, QStringLiteral("OK"), QStringLiteral("Cancela"));
}

QString TfrmUsuario::GetExpressao() const {
    return QString::fromStdString(FRPN->GetExpressao());
}

std::unique_ptr<TRPN> TfrmUsuario::Compila() const {
    return CompilaFormula(edExpressao->text().toStdString());
}

std::unique_ptr<TRPN> CompilaFormula(const std::string &texto) {
    auto r = std::make_unique<TRPN>(texto);
    // Unknown operands only show when the formula is evaluated.
    r->SetX(0);
    try {
        r->Calcula();
    } catch (const EConvertError &) {
        throw;
    } catch (const Exception &) {
    }
    return r;
}

void TfrmUsuario::Testa() {
    QChart *c = chTeste->chart();
    c->removeAllSeries();
    auto *s = new QLineSeries;
    s->setColor(Qt::red);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        auto r = Compila();
        const double xMin = -1.43545645555, xMax = -xMin;
        const double passo = (xMax - xMin) / 100;
        for (int i = 1; i <= 100; ++i) {
            const double x = xMin + (i - 1) * passo;
            r->SetX(x);
            s->append(x, r->Calcula());
        }
        FRPN = std::move(r);
    } catch (const std::exception &) {
        QApplication::restoreOverrideCursor();
        delete s;
        Perguntador().Erro(QStringLiteral("Erro nos dados"));
        return;
    }
    QApplication::restoreOverrideCursor();
    c->addSeries(s);
    c->createDefaultAxes();
}

void TfrmUsuario::Ajuda() {
    QString t = QString::fromUtf8(TRPN::kAjudaOperadores.data(),
                                  static_cast<qsizetype>(TRPN::kAjudaOperadores.size()));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Perguntador().Informa(t);
}

bool TfrmUsuario::Confirma() {
    FRPN = Compila();
    Entrega(*this);
    return true;
}

void PedeExpressao(QLineEdit *destino) {
    if (!frmUsuario)
        return;
    frmUsuario->SetOnConfirmar(
        [destino](const TfrmUsuario &u) { destino->setText(u.GetExpressao()); });
    Perguntador().ExecutaModal(*frmUsuario);
}
