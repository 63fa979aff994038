#include "Ferramentas.h"

#include "Execucao.h"
#include "Guarda.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "VisaoMalha.h"
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

TFerramenta::TFerramenta(const TJanelaFerramentas &janela, QAction *acao, TCursor cursor)
    : FJanela(janela), FAcao(acao), FCursor(cursor) {}

bool TFerramenta::Ativa() const {
    return FAcao->isChecked();
}

void TFerramenta::Clica() {
    Alterna(Ativa());
    if (OnAlternada)
        OnAlternada();
}

void TFerramenta::Alterna(bool ativa) {
    // Switching a tool on gives the picture its cursor; switching it off the default one.
    if (FCursor == TCursor::Nenhum)
        return;
    if (!ativa)
        FJanela.Imagem->unsetCursor();
    else
        FJanela.Imagem->setCursor(FCursor == TCursor::Captura ? Qt::CrossCursor
                                                              : Qt::UpArrowCursor);
}

TFerramentaCapturaNo::TFerramentaCapturaNo(const TJanelaFerramentas &janela, QAction *acao)
    : TFerramenta(janela, acao, TCursor::Captura) {}

void TFerramentaCapturaNo::Solta(const TSoltura &s) {
    if (s.Esquerdo)
        CapturaNo(Modelo(), s.Ponto);
}

void TFerramentaCapturaNos::Solta(const TSoltura &s) {
    if (s.Arrastou)
        CapturaNos(Modelo(), s.Retangulo);
}

TFerramentaNumeroElemento::TFerramentaNumeroElemento(const TJanelaFerramentas &janela,
                                                     QAction *acao)
    : TFerramenta(janela, acao, TCursor::Seta) {}

void TFerramentaNumeroElemento::Solta(const TSoltura &s) {
    if (!s.Esquerdo)
        return;
    const int e = IdentificaElemento(Modelo(), s.Ponto);
    if (e > 0)
        Perguntador().Informa(QStringLiteral("Elemento n° %1").arg(e));
    else
        Perguntador().Informa(QStringLiteral("Elemento Inexistente !"));
}

void TFerramentaCapturaArestas::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    FJanela.Redesenha(); // the edges show while the tool is down
}

void TFerramentaCapturaArestas::Solta(const TSoltura &s) {
    if (s.Arrastou)
        CapturaArestas(Modelo(), s.Retangulo);
}

void TFerramentaJanelaArestasEtapas::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa); // not the plain capture's redraw
    Modelo().FRetanguloArestasEtapas = ativa;
    if (ativa && Modelo().FCamadas)
        MostraEtapa(Modelo(), Modelo().FCamadas->GetNumEtapas());
}

TFerramentaNovoSubDominio::TFerramentaNovoSubDominio(const TJanelaFerramentas &janela,
                                                     QAction *acao,
                                                     std::vector<QAction *> popupDesenho,
                                                     std::vector<QAction *> popupOutros)
    : TFerramenta(janela, acao, TCursor::Captura), FPopupDesenho(std::move(popupDesenho)),
      FPopupOutros(std::move(popupOutros)) {}

void TFerramentaNovoSubDominio::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    // A new drawing starts with no vertex.
    FVertices.clear();
    for (QAction *a : FPopupDesenho)
        a->setVisible(ativa);
    for (QAction *a : FPopupOutros)
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

TFerramentaReta::TFerramentaReta(const TJanelaFerramentas &janela, QAction *acao, bool etapas)
    : TFerramenta(janela, acao), FEtapas(etapas) {}

void TFerramentaReta::Alterna(bool ativa) {
    TFerramenta::Alterna(ativa);
    if (FEtapas && ativa && Modelo().FCamadas)
        MostraEtapa(Modelo(), Modelo().FCamadas->GetNumEtapas());
}

// ---------------------------------------------------------------------------------------------
// The set

TFerramentas::TFerramentas(const TJanelaFerramentas &janela, const TAcoesFerramentas &acoes,
                           QObject *pai)
    : QObject(pai), FJanela(janela) {
    setObjectName(QStringLiteral("Ferramentas"));
    auto *capturaNo = new TFerramentaCapturaNo(janela, acoes.CapturaNo);
    auto *capturaNos = new TFerramentaCapturaNos(janela, acoes.CapturaNos);
    auto *numero = new TFerramentaNumeroElemento(janela, acoes.NumeroElemento);
    auto *arestas = new TFerramentaCapturaArestas(janela, acoes.CapturaArestas);
    FJanelaEtapas = new TFerramentaJanelaArestasEtapas(janela, acoes.JanelaArestasEtapas);
    FNovoSubDominio = new TFerramentaNovoSubDominio(janela, acoes.NovoSubDominio,
                                                    acoes.PopupDesenho, acoes.PopupOutros);
    FReta = new TFerramentaReta(janela, acoes.Reta, false);
    FRetaEtapas = new TFerramentaReta(janela, acoes.RetaEtapas, true);
    FOrdem = {capturaNo, capturaNos, numero, arestas, FJanelaEtapas, FNovoSubDominio};
    FTodas = FOrdem;
    FTodas.push_back(FReta);
    FTodas.push_back(FRetaEtapas);
    for (TFerramenta *f : FTodas)
        f->setParent(this);
    // The line and stage-rectangle flags follow the buttons.
    for (TFerramenta *f :
         {static_cast<TFerramenta *>(FJanelaEtapas), static_cast<TFerramenta *>(FRetaEtapas),
          static_cast<TFerramenta *>(FReta)})
        f->OnAlternada = [this] { AtualizaModos(); };

    toolbRetaPerpendicular = acoes.RetaPerpendicular;
    toolbRetaHorizontal = acoes.RetaHorizontal;
    chkFixo = acoes.Fixo;
    connect(chkFixo, &QCheckBox::clicked, this,
            [this](bool b) { Protege([&] { FixaSubDominio(*FJanela.Modelo, b); }); });

    TVisaoMalha *imagem = janela.Imagem;
    FImagem = imagem;
    FBanda = new QRubberBand(QRubberBand::Rectangle, imagem);
    imagem->OnMousePress = [this](QMouseEvent *e) {
        Protege([&] { Pressiona(e->position().toPoint(), e->button()); });
    };
    imagem->OnMouseMove = [this](QMouseEvent *e) {
        Protege([&] { Move(e->position().toPoint()); });
    };
    imagem->OnMouseRelease = [this](QMouseEvent *e) {
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

TFerramenta *TFerramentas::Ferramenta(const QAction *acao) const {
    for (TFerramenta *f : FTodas)
        if (f->Acao() == acao)
            return f;
    return nullptr;
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
    TModelo &m = *FJanela.Modelo;
    m.FDefineReta = DefineReta();
    m.FRetanguloArestasEtapas = FJanelaEtapas->Ativa();
    // A right click ends the line instead of opening the popup.
    FJanela.Imagem->setContextMenuPolicy(m.FDefineReta ? Qt::PreventContextMenu
                                                       : Qt::CustomContextMenu);
}

void TFerramentas::Pressiona(QPoint p, Qt::MouseButton botao) {
    if (ExecucaoEmCurso() || botao != Qt::LeftButton || !FJanela.Modelo->TemMalha())
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
        IniciaReta(*FJanela.Modelo, pt);
        FJanela.Imagem->update();
    }
}

void TFerramentas::Move(QPoint p) {
    TModelo &m = *FJanela.Modelo;
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
    TModelo &m = *FJanela.Modelo;
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
    FJanela.Imagem->update();
}

void TFerramentas::SubDominioAnterior() {
    chkFixo->setChecked(SubDominioVizinho(*FJanela.Modelo, -1));
}

void TFerramentas::SubDominioPosterior() {
    chkFixo->setChecked(SubDominioVizinho(*FJanela.Modelo, +1));
}

void TFerramentas::EliminaSubDominios() {
    if (Perguntador().ConfirmaOk(QStringLiteral("Destruir os subdomínios?")))
        FJanela.Modelo->LiberaSubDominios();
}

void TFerramentas::EtapaAnterior() {
    EtapaVizinha(*FJanela.Modelo, -1);
}

void TFerramentas::EtapaPosterior() {
    EtapaVizinha(*FJanela.Modelo, +1);
}

void TFerramentas::CamadaAbaixo() {
    CamadaVizinha(*FJanela.Modelo, -1);
}

void TFerramentas::CamadaAcima() {
    CamadaVizinha(*FJanela.Modelo, +1);
}
