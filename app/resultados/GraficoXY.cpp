#include "GraficoXY.h"

#include "NumeroUsuario.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "DispositivoWmf.h"
#include "Guarda.h"
#include "KitCombos.h"
#include "Perguntador.h"
#include "uPlataforma.h"

namespace {

const QColor kTeal(0, 128, 128), kSilver(192, 192, 192);

TColorComboBox *CaixaDeCores(TColor inicial, const QString &dica) {
    auto *c = new TColorComboBox;
    c->SetColorValue(inicial);
    c->setToolTip(dica.section('|', 0, 0));
    c->setStatusTip(dica.section('|', 1, 1));
    return c;
}

} // namespace

TGraficoXY::TGraficoXY(QWidget *pai) : QDialog(pai) {
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(2, 2, 2, 2);
    auto *menu = new QMenuBar;
    Arquivo1 = menu->addMenu("Arquivo");
    SalvarPonto1 = Arquivo1->addAction("Salvar Ponto...");
    Sair1 = Arquivo1->addAction("Sair");
    Grafico1 = menu->addMenu("Gráfico");
    Plotar1 = Grafico1->addAction("Plotar");
    Salvar1 = Grafico1->addAction("Salvar...");
    Limpar1 = Grafico1->addAction("Limpar");
    principal->setMenuBar(menu);

    controles_ = new QHBoxLayout;
    kcbxFundo = CaixaDeCores(clSilver, "Cor Fundo|Cor Fundo");
    kcbxTela = CaixaDeCores(clTeal, "Cor de Plotagem|Cor de Plotagem");
    controles_->addStretch();
    controles_->addWidget(kcbxFundo);
    controles_->addWidget(kcbxTela);
    principal->addLayout(controles_);

    chrGraficoXY = new QChart;
    chrGraficoXY->legend()->hide();
    chrGraficoXY->setBackgroundBrush(kSilver);
    chrGraficoXY->setPlotAreaBackgroundBrush(kTeal);
    chrGraficoXY->setPlotAreaBackgroundVisible(true);
    chrGraficoXY->setAnimationOptions(QChart::NoAnimation);
    LocalizaNumeros(chrGraficoXY);
    eixoX_ = new QValueAxis;
    eixoY_ = new QValueAxis;
    chrGraficoXY->addAxis(eixoX_, Qt::AlignBottom);
    chrGraficoXY->addAxis(eixoY_, Qt::AlignLeft);
    vista_ = new QChartView(chrGraficoXY);
    vista_->setRubberBand(QChartView::RectangleRubberBand);
    vista_->setMinimumSize(560, 380);
    principal->addWidget(vista_, 1);

    kcbxFundo->OnChange = [this] {
        chrGraficoXY->setBackgroundBrush(KitColor(kcbxFundo->ColorValue()));
    };
    kcbxTela->OnChange = [this] {
        chrGraficoXY->setPlotAreaBackgroundBrush(KitColor(kcbxTela->ColorValue()));
    };
    connect(Sair1, &QAction::triggered, this, [this] { close(); });
    connect(Limpar1, &QAction::triggered, this, [this] { Limpa(); });
    connect(SalvarPonto1, &QAction::triggered, this,
            [this] { Protege([this] { SalvaPontos(); }); });
    connect(Salvar1, &QAction::triggered, this, [this] { Protege([this] { SalvaMetafile(); }); });
    resize(760, 520);
}

TGraficoXY::~TGraficoXY() = default;

int TGraficoXY::NumCurvas() const {
    return int(chrGraficoXY->series().size());
}

void TGraficoXY::SetTitulos(const QString &esquerdo, const QString &inferior) {
    eixoY_->setTitleText(esquerdo);
    eixoX_->setTitleText(inferior);
}

void TGraficoXY::AdicionaCurva(const TCurva &curva) {
    ultima_ = std::make_unique<TCurva>(curva);
    auto *serie = new QLineSeries;
    QList<QPointF> pontos;
    pontos.reserve(qsizetype(curva.X.size()));
    for (std::size_t i = 0; i < curva.X.size() && i < curva.Y.size(); ++i)
        pontos.append(QPointF(curva.X[i], curva.Y[i]));
    serie->replace(pontos);
    serie->setUseOpenGL(false);
    chrGraficoXY->addSeries(serie);
    serie->attachAxis(eixoX_);
    serie->attachAxis(eixoY_);
    AjustaEixos();
}

void TGraficoXY::AjustaEixos() {
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    bool algum = false;
    for (QAbstractSeries *s : chrGraficoXY->series()) {
        auto *l = qobject_cast<QLineSeries *>(s);
        if (!l)
            continue;
        for (const QPointF &p : l->points()) {
            if (!algum) {
                x0 = x1 = p.x();
                y0 = y1 = p.y();
                algum = true;
            }
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    }
    if (x1 <= x0) {
        x0 -= 1;
        x1 += 1;
    }
    if (y1 <= y0) {
        y0 -= 1;
        y1 += 1;
    }
    eixoX_->setRange(x0, x1);
    eixoY_->setRange(y0, y1);
}

void TGraficoXY::Limpa() {
    chrGraficoXY->removeAllSeries();
}

void TGraficoXY::SalvaPontos() {
    const QString nome =
        Perguntador().ArquivoSalvarComo(this, "Salvar Ponto", "Texto (*.txt)", "txt", NomePontos());
    if (nome.isEmpty())
        return;
    EscreveArquivo(nome.toStdString(), TextoCurva(TituloX(), TituloY(), ultima_.get()));
}

void TGraficoXY::SalvaMetafile() {
    const QString nome = Perguntador().ArquivoSalvarComo(this, "Salvar", "Metafiles (*.wmf)", "wmf",
                                                         QStringLiteral("Grafico"));
    if (nome.isEmpty())
        return;
    SalvaMetafile(nome.toStdString());
}

void TGraficoXY::SalvaMetafile(const std::string &arquivo) {
    // Pending layout of the chart (new curves, axis ranges) is done before it is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QSize tamanho = vista_->size().expandedTo(QSize(200, 150));
    TDispositivoWmf wmf(tamanho.width(), tamanho.height());
    {
        QPainter p(&wmf);
        vista_->scene()->render(&p, QRectF(0, 0, tamanho.width(), tamanho.height()),
                                vista_->mapToScene(vista_->viewport()->rect()).boundingRect());
    }
    wmf.Salva(arquivo);
}

TGraficoTemperatura::TGraficoTemperatura(const QString &titulo, QWidget *pai) : TGraficoXY(pai) {
    setWindowTitle(titulo);
    connect(Plotar1, &QAction::triggered, this, [this] { Protege([this] { Plota(); }); });
}

QLabel *TGraficoTemperatura::Controle(const QString &rotulo, QWidget *controle) {
    auto *legenda = new QLabel(rotulo);
    Controles()->insertWidget(0, legenda);
    Controles()->insertWidget(1, controle);
    return legenda;
}

void TGraficoTemperatura::showEvent(QShowEvent *e) {
    const TUnidadesResultados u = UnidadesResultados();
    SetTitulos(QString::fromStdString("Temperatura " + u.Temperatura), TituloInferior(u));
    TGraficoXY::showEvent(e);
}
