#include "Ferramentas.h"

#include "BarraPagina.h"
#include "Execucao.h"
#include "Guarda.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "VisaoMalha.h"
#include "uDARV_2D.h"
#include "uPlataforma.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>

namespace {

QString TextoCoordenada(double v) {
    QString t = QString::number(v, 'g', 6);
    t.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    return t;
}

TPonto Ponto(QPoint p) {
    return {p.x(), p.y()};
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Tools

TFerramenta::TFerramenta(TfrmMalha &janela, QWidget *pagina, const char *nome, const QString &dica,
                         TCursor cursor)
    : QObject(&janela), FJanela(janela), FCursor(cursor) {
    setObjectName(QString::fromLatin1(nome));
    FAcao = janela.BotaoPagina(pagina, nome, dica, true);
    janela.DefineComando(
        FAcao, [this] { Alterna(FAcao->isChecked()); }, TRequisito::Malha);
}

bool TFerramenta::Ativa() const {
    return FAcao->isChecked();
}

TModelo &TFerramenta::Modelo() const {
    return FJanela.Modelo();
}

void TFerramenta::Alterna(bool ativa) {
    // Switching a tool on gives the picture its cursor; switching it off the default one.
    if (FCursor == TCursor::Nenhum)
        return;
    if (!ativa)
        FJanela.imMalha->unsetCursor();
    else
        FJanela.imMalha->setCursor(FCursor == TCursor::Captura ? Qt::CrossCursor
                                                               : Qt::UpArrowCursor);
}

TFerramentaCapturaNo::TFerramentaCapturaNo(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsNos, "toolbCapturaNo", QStringLiteral("Captura nó"),
                  TCursor::Captura) {}

void TFerramentaCapturaNo::Solta(const TSoltura &s) {
    if (s.Esquerdo)
        CapturaNo(Modelo(), s.Ponto);
}

TFerramentaCapturaNos::TFerramentaCapturaNos(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsNos, "toolbCapturaNos", QStringLiteral("Captura nós")) {}

void TFerramentaCapturaNos::Solta(const TSoltura &s) {
    if (s.Arrastou)
        CapturaNos(Modelo(), s.Retangulo);
}

TFerramentaNumeroElemento::TFerramentaNumeroElemento(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsElementos, "ToolButton21", QStringLiteral("Número do elemento"),
                  TCursor::Seta) {}

void TFerramentaNumeroElemento::Solta(const TSoltura &s) {
    if (!s.Esquerdo)
        return;
    const int e = IdentificaElemento(Modelo(), s.Ponto);
    if (e > 0)
        Perguntador().Informa(QStringLiteral("Elemento n° %1").arg(e));
    else
        Perguntador().Informa(QStringLiteral("Elemento Inexistente !"));
}

TFerramentaCapturaArestas::TFerramentaCapturaArestas(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsDominio, "toolbCapturaAresta",
                  QStringLiteral("Captura Arestas")) {}

void TFerramentaCapturaArestas::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    FJanela.Redesenha(); // the edges show while the tool is down
}

void TFerramentaCapturaArestas::Solta(const TSoltura &s) {
    if (s.Arrastou)
        CapturaArestas(Modelo(), s.Retangulo);
}

TFerramentaJanelaArestasEtapas::TFerramentaJanelaArestasEtapas(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsCamadas, "toolbSelecionarRetanguloArestasEtapas",
                  QStringLiteral("Janela - Seleciona Arestas")) {}

void TFerramentaJanelaArestasEtapas::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    Modelo().FRetanguloArestasEtapas = ativa;
    if (ativa && Modelo().FCamadas)
        MostraEtapa(Modelo(), Modelo().FCamadas->GetNumEtapas());
}

void TFerramentaJanelaArestasEtapas::Solta(const TSoltura &s) {
    if (s.Arrastou)
        CapturaArestas(Modelo(), s.Retangulo);
}

TFerramentaNovoSubDominio::TFerramentaNovoSubDominio(TfrmMalha &janela)
    : TFerramenta(janela, janela.tbsDominio, "toolbNovoSubDominio",
                  QStringLiteral("Novo subdomínio"), TCursor::Captura) {
    janela.DefineComando(
        janela.FecharDominio, [this] { Fecha(); }, TRequisito::Malha);
    janela.DefineComando(
        janela.CancelarDominio, [this] { Cancela(); }, TRequisito::Malha);
}

void TFerramentaNovoSubDominio::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    // A new drawing starts with no vertex.
    FVertices.clear();
    FJanela.FecharDominio->setVisible(ativa);
    FJanela.SeparadorDominio->setVisible(ativa);
    FJanela.CancelarDominio->setVisible(ativa);
    for (QAction *a : {FJanela.CalorInterno, FJanela.Materiais, FJanela.FluenciaPopup,
                       FJanela.Restricoes, FJanela.ForcaDistribuida})
        a->setVisible(!ativa);
}

void TFerramentaNovoSubDominio::Solta(const TSoltura &s) {
    if (s.Esquerdo)
        AdicionaVerticeSubDominio(Modelo(), FVertices, s.Ponto);
}

void TFerramentaNovoSubDominio::Fecha() {
    if (!Ativa() || !Modelo().TemMalha())
        return;
    if (FVertices.size() < 3) {
        Perguntador().Erro(QStringLiteral("O subdomínio precisa de pelo menos 3 vértices."));
        return;
    }
    FechaSubDominio(Modelo(), FVertices);
}

void TFerramentaNovoSubDominio::Cancela() {
    FVertices.clear();
    FJanela.Redesenha();
}

TFerramentaReta::TFerramentaReta(TfrmMalha &janela, QWidget *pagina, const char *nome,
                                 const QString &dica, bool etapas)
    : TFerramenta(janela, pagina, nome, dica), FEtapas(etapas) {}

void TFerramentaReta::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    if (FEtapas && ativa && Modelo().FCamadas)
        MostraEtapa(Modelo(), Modelo().FCamadas->GetNumEtapas());
}

// ---------------------------------------------------------------------------------------------
// The set

TFerramentas::TFerramentas(TfrmMalha &janela) : QObject(&janela), FJanela(janela) {
    setObjectName(QStringLiteral("Ferramentas"));
    auto *capturaNo = new TFerramentaCapturaNo(janela);
    auto *capturaNos = new TFerramentaCapturaNos(janela);
    auto *numero = new TFerramentaNumeroElemento(janela);
    auto *arestas = new TFerramentaCapturaArestas(janela);
    FJanelaEtapas = new TFerramentaJanelaArestasEtapas(janela);
    FNovoSubDominio = new TFerramentaNovoSubDominio(janela);
    FReta = new TFerramentaReta(janela, janela.tbsDominio, "toolbDefineReta",
                                QStringLiteral("Cria Reta"), false);
    FRetaEtapas =
        new TFerramentaReta(janela, janela.tbsCamadas, "toolbSelecionarLinhaArestasEtapas",
                            QStringLiteral("Linha - Seleciona Arestas"), true);
    FOrdem = {capturaNo, capturaNos, numero, arestas, FJanelaEtapas, FNovoSubDominio};
    for (TFerramenta *f :
         {static_cast<TFerramenta *>(FJanelaEtapas), static_cast<TFerramenta *>(FRetaEtapas)})
        janela.DefineComando(
            f->Acao(),
            [this, f] {
                f->Alterna(f->Acao()->isChecked());
                AtualizaModos();
            },
            TRequisito::Camadas);
    janela.DefineComando(
        FReta->Acao(),
        [this] {
            FReta->Alterna(FReta->Acao()->isChecked());
            AtualizaModos();
        },
        TRequisito::Malha);

    toolbRetaPerpendicular =
        janela.BotaoPagina(janela.tbsDominio, "toolbRetaPerpendicular", "Reta Vertical", true);
    toolbRetaHorizontal =
        janela.BotaoPagina(janela.tbsDominio, "toolbRetaHorizontal", "Reta Horizontal", true);

    auto comando = [&](QWidget *pagina, const char *nome, const QString &dica,
                       void (TFerramentas::*f)(), TRequisito r) {
        janela.DefineComando(
            janela.BotaoPagina(pagina, nome, dica, false), [this, f] { (this->*f)(); }, r);
    };
    comando(janela.tbsDominio, "toolbSetaEsquerdaMaterial", QStringLiteral("SubDomínio Anterior"),
            &TFerramentas::SubDominioAnterior, TRequisito::Malha);
    comando(janela.tbsDominio, "toolbSetaDireitaMaterial", QStringLiteral("SubDomínio Posterior"),
            &TFerramentas::SubDominioPosterior, TRequisito::Malha);
    chkFixo = new QCheckBox(QStringLiteral("Fixo"));
    chkFixo->setObjectName(QStringLiteral("chkFixo"));
    chkFixo->setToolTip(QStringLiteral("Fixa subdomínio"));
    chkFixo->setChecked(true);
    janela.Barra(janela.tbsDominio)->Adiciona(chkFixo);
    connect(chkFixo, &QCheckBox::clicked, this,
            [this](bool b) { Protege([&] { FixaSubDominio(FJanela.Modelo(), b); }); });
    comando(janela.tbsDominio, "toolbLiberarSubDominios", QStringLiteral("Elimina SubDomínios"),
            &TFerramentas::EliminaSubDominios, TRequisito::Malha);
    comando(janela.tbsCamadas, "toobSetaEsquerda", QStringLiteral("Etapa anterior"),
            &TFerramentas::EtapaAnterior, TRequisito::Camadas);
    comando(janela.tbsCamadas, "toobSetaDireita", QStringLiteral("Etapa posterior"),
            &TFerramentas::EtapaPosterior, TRequisito::Camadas);
    comando(janela.tbsCamadas, "toobCamadaAbaixo", QStringLiteral("Material"),
            &TFerramentas::CamadaAbaixo, TRequisito::Camadas);
    comando(janela.tbsCamadas, "toobCamadaAcima", QStringLiteral("Material"),
            &TFerramentas::CamadaAcima, TRequisito::Camadas);

    FImagem = janela.imMalha;
    FBanda = new QRubberBand(QRubberBand::Rectangle, janela.imMalha);
    janela.imMalha->OnMousePress = [this](QMouseEvent *e) {
        Protege([&] { Pressiona(e->position().toPoint(), e->button()); });
    };
    janela.imMalha->OnMouseMove = [this](QMouseEvent *e) {
        Protege([&] { Move(e->position().toPoint()); });
    };
    janela.imMalha->OnMouseRelease = [this](QMouseEvent *e) {
        Protege([&] { Solta(e->position().toPoint(), e->button()); });
    };
}

TFerramentas::~TFerramentas() {
    // The window may be half gone (its picture is deleted before its other children).
    if (FImagem) {
        FImagem->OnMousePress = nullptr;
        FImagem->OnMouseMove = nullptr;
        FImagem->OnMouseRelease = nullptr;
    }
}

TFerramenta *TFerramentas::Ferramenta(const QString &nome) const {
    return FJanela.findChild<TFerramenta *>(nome);
}

bool TFerramentas::SelecaoRetangulo() const {
    for (const TFerramenta *f : FOrdem)
        if (f->UsaRetangulo() && f->Ativa())
            return true;
    return false;
}

bool TFerramentas::DefineReta() const {
    return FReta->Ativa() || FRetaEtapas->Ativa();
}

bool TFerramentas::RetaVertical() const {
    return toolbRetaPerpendicular->isChecked();
}

bool TFerramentas::RetaHorizontal() const {
    return toolbRetaHorizontal->isChecked();
}

void TFerramentas::AtualizaModos() {
    TModelo &m = FJanela.Modelo();
    m.FDefineReta = DefineReta();
    m.FRetanguloArestasEtapas = FJanelaEtapas->Ativa();
    // A right click ends the line instead of opening the popup.
    FJanela.imMalha->setContextMenuPolicy(m.FDefineReta ? Qt::PreventContextMenu
                                                        : Qt::CustomContextMenu);
}

void TFerramentas::Pressiona(QPoint p, Qt::MouseButton botao) {
    if (ExecucaoEmCurso() || botao != Qt::LeftButton || !FJanela.Modelo().TemMalha())
        return;
    const TPonto pt = Ponto(p);
    if (SelecaoRetangulo()) {
        FInicioArraste = pt;
        FArrastando = true;
        FRetangulo = Normaliza(pt, pt);
        FBanda->setGeometry(QRect(p, QSize()));
        FBanda->show();
    }
    if (DefineReta()) {
        IniciaReta(FJanela.Modelo(), pt);
        FJanela.imMalha->update();
    }
}

void TFerramentas::Move(QPoint p) {
    TModelo &m = FJanela.Modelo();
    if (ExecucaoEmCurso() || !m.TemMalha() || !m.Plot())
        return;
    const TPonto pt = Ponto(p);
    const TPontoReal w = PontoMundo(m, pt);
    const TFatoresUnidades &f = m.Fatores();
    FJanela.SetStatus(3, QStringLiteral("X = %1, Y = %2 ")
                                 .arg(TextoCoordenada(ComprimentoDeMetros(f, w.X)),
                                      TextoCoordenada(ComprimentoDeMetros(f, w.Y))) +
                             SimboloUnidade(TGrandeza::Comprimento));
    if (const int e = ElementoSobCursor(m, pt))
        FJanela.SetStatus(2, QStringLiteral("Elemento: %1").arg(e));
    if (FArrastando) {
        FRetangulo = Normaliza(FInicioArraste, pt);
        FBanda->setGeometry(QRect(QPoint(FRetangulo.Esquerda, FRetangulo.Topo),
                                  QPoint(FRetangulo.Direita, FRetangulo.Base)));
    }
}

void TFerramentas::Solta(QPoint p, Qt::MouseButton botao) {
    TModelo &m = FJanela.Modelo();
    if (ExecucaoEmCurso() || !m.TemMalha())
        return;
    TSoltura s;
    s.Ponto = Ponto(p);
    s.Esquerdo = botao == Qt::LeftButton;
    s.Direito = botao == Qt::RightButton;
    // A rectangle without area is a click: an edge-on rectangle would hold every node.
    s.Arrastou = FArrastando && s.Esquerdo && FRetangulo.Direita > FRetangulo.Esquerda &&
                 FRetangulo.Base > FRetangulo.Topo;
    s.Retangulo = FRetangulo;
    FBanda->hide();
    FArrastando = false;
    FRetangulo = TRetangulo{};
    for (TFerramenta *f : FOrdem)
        if (f->Ativa())
            f->Solta(s);
    if (DefineReta() && s.Direito)
        TerminaReta(m, s.Ponto, RetaVertical(), RetaHorizontal());
    FJanela.imMalha->update();
}

void TFerramentas::SubDominioAnterior() {
    chkFixo->setChecked(SubDominioVizinho(FJanela.Modelo(), -1));
}

void TFerramentas::SubDominioPosterior() {
    chkFixo->setChecked(SubDominioVizinho(FJanela.Modelo(), +1));
}

void TFerramentas::EliminaSubDominios() {
    if (Perguntador().ConfirmaOk(QStringLiteral("Destruir os subdomínios?")))
        FJanela.Modelo().LiberaSubDominios();
}

void TFerramentas::EtapaAnterior() {
    EtapaVizinha(FJanela.Modelo(), -1);
}

void TFerramentas::EtapaPosterior() {
    EtapaVizinha(FJanela.Modelo(), +1);
}

void TFerramentas::CamadaAbaixo() {
    CamadaVizinha(FJanela.Modelo(), -1);
}

void TFerramentas::CamadaAcima() {
    CamadaVizinha(FJanela.Modelo(), +1);
}
