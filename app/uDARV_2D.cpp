#include "uDARV_2D.h"

#include "Ajuda.h"
#include "BarraPagina.h"
#include "Execucao.h"
#include "Ferramentas.h"
#include "Guarda.h"
#include "JanelasExecucao.h"
#include "KitCalc.h"
#include "Perguntador.h"
#include "VisaoMalha.h"
#include "uEstadoInterface.h"
#include "uInformacoesSistema.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfrmMalha *frmMalha = nullptr;

TfrmMalha::TfrmMalha(QWidget *pai)
    : QMainWindow(pai), FJanelas(std::size_t(TJanela::Total), nullptr) {
    setObjectName(QStringLiteral("frmMalha"));
    setWindowTitle(QStringLiteral("ZOK 2D"));
    resize(900, 650);

    imMalha = new TVisaoMalha;
    imMalha->setObjectName(QStringLiteral("imMalha"));
    FModelo = std::make_unique<TModelo>(&imMalha->Canvas());
    FProgressoPadrao = std::make_unique<TProgressoModeloJanela>();
    FModelo->Progresso = FProgressoPadrao.get();
    FJanelasExecucao = std::make_unique<TJanelasExecucao>(TJanelaPrincipalExecucao{
        [this] { Redesenha(); }, [this](const QString &t) { SetTitulo(t); },
        [this] { AtualizaComandos(); }, [this] { DescartaRelatorio(); }});
    FExecucao = std::make_unique<TExecucao>(*FModelo, *FJanelasExecucao);
    TBloqueioExecucao::Instala();

    ConstroiMenus();
    ConstroiPaginas();
    ConstroiPopup();
    LigaJanelasDosMenus();

    auto *central = new QWidget(this);
    auto *l = new QVBoxLayout(central);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(pctrlMalha);
    l->addWidget(imMalha, 1);
    setCentralWidget(central);

    auto *plStatus = statusBar();
    plStatus->setObjectName(QStringLiteral("plStatus"));
    for (int i = 0; i < 3; ++i) {
        auto *p = new QLabel(plStatus);
        p->setObjectName(QStringLiteral("plStatus%1").arg(i + 1));
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
        p->setMinimumWidth(i == 2 ? 260 : 180);
        plStatus->addWidget(p, i == 2 ? 1 : 0);
        FPaineis.push_back(p);
    }

    imMalha->OnRedimensiona = [this] { Protege([this] { Redesenha(); }); };
    imMalha->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(imMalha, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { ppmDominio->popup(imMalha->mapToGlobal(p)); });

    // FormCreate: empty selections, node 1 captured, 2 x 2 divisions, the domain page.
    pctrlMalha->setCurrentWidget(tbsDominio);
    Estado().SetTitulo = [this](const std::string &t) { SetTitulo(QString::fromStdString(t)); };
    Estado().HabilitaRelatorio = [this] { HabilitaRelatorio(); };
    ConstroiFerramentas();
    AtualizaComandos();
}

TfrmMalha::~TfrmMalha() {
    Estado().SetTitulo = nullptr;
    Estado().HabilitaRelatorio = nullptr;
    FExecucao.reset();
    FModelo.reset();
    if (frmMalha == this)
        frmMalha = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Construction

QAction *TfrmMalha::Item(QMenu *menu, const char *nome, const QString &texto) {
    auto *a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nome));
    return a;
}

void TfrmMalha::ConstroiMenus() {
    QMenuBar *mmenuMalha = menuBar();
    mmenuMalha->setObjectName(QStringLiteral("mmenuMalha"));
    mmenuMalha1 = mmenuMalha->addMenu(QStringLiteral("Malha"));
    Novo1 = Item(mmenuMalha1, "Novo1", QStringLiteral("Novo Domínio"));
    AbrirDominio = Item(mmenuMalha1, "AbrirDominio", QStringLiteral("Abrir Dominio"));
    QMenu *conversao = mmenuMalha1->addMenu(QStringLiteral("Conversão de Domínios"));
    GidDARV2D1 = Item(conversao, "GidDARV2D1", QStringLiteral("Gid para ZOK-2D"));
    ImportarMalha1 = Item(mmenuMalha1, "ImportarMalha1", QStringLiteral("Importar Malha"));
    Salvar1 = Item(mmenuMalha1, "Salvar1", QStringLiteral("Salvar Malha..."));
    mmenuMalha1->addSeparator();
    NovaAnliseTrmica1 =
        Item(mmenuMalha1, "NovaAnliseTrmica1", QStringLiteral("Nova Análise Térmica"));
    NovaAnliseTensional1 =
        Item(mmenuMalha1, "NovaAnliseTensional1", QStringLiteral("Nova Análise Tensional"));
    mmenuMalha1->addSeparator();
    Configuracoes = Item(mmenuMalha1, "Configuracoes", QStringLiteral("Configurações do Programa"));
    mmenuMalha1->addSeparator();
    Sair1 = Item(mmenuMalha1, "Sair1", QStringLiteral("Sair"));

    mmenuAnalise = mmenuMalha->addMenu(QStringLiteral("Análise"));
    Rodar1 = Item(mmenuAnalise, "Rodar1", QStringLiteral("Iniciar Análise Térmica"));
    Rodar2 = Item(mmenuAnalise, "Rodar2", QStringLiteral("Iniciar Análise Tensional"));

    mmenuResultados = mmenuMalha->addMenu(QStringLiteral("Resultados"));
    QMenu *evolucao = mmenuResultados->addMenu(QStringLiteral("Evolução"));
    Trmica1 = Item(evolucao, "Trmica1", QStringLiteral("Térmica"));
    Tensional1 = Item(evolucao, "Tensional1", QStringLiteral("Tensional / Deformação"));
    Eixo = Item(mmenuResultados, "Eixo", QStringLiteral("Eixo"));
    Isocores1 = Item(mmenuResultados, "Isocores1", QStringLiteral("Isocores"));
    Relatrio1 = Item(mmenuResultados, "Relatrio1", QStringLiteral("Relatório"));

    mmenuConfiguracoes = mmenuMalha->addMenu(QStringLiteral("Configurações"));
    Malha2 = Item(mmenuConfiguracoes, "Malha2", QStringLiteral("Malha"));
    Analise1 = Item(mmenuConfiguracoes, "Analise1", QStringLiteral("Análise"));
    Material1 = Item(mmenuConfiguracoes, "Material1", QStringLiteral("Material"));
    Unidades1 = Item(mmenuConfiguracoes, "Unidades1", QStringLiteral("Unidades"));
    Tempo1 = Item(mmenuConfiguracoes, "Tempo1", QStringLiteral("Tempo"));

    mmenuCondicoes = mmenuMalha->addMenu(QStringLiteral("Condições"));
    Contorno1 = Item(mmenuCondicoes, "Contorno1", QStringLiteral("Contorno"));
    Iniciais1 = Item(mmenuCondicoes, "Iniciais1", QStringLiteral("Iniciais"));
    Prescricoes1 = Item(mmenuCondicoes, "Prescricoes1", QStringLiteral("Prescrições"));

    mmenuAjuda = mmenuMalha->addMenu(QStringLiteral("Ajuda"));
    SobreoDARV2DAT1 = Item(mmenuAjuda, "SobreoDARV2DAT1", QStringLiteral("Sobre o ZOK-2D"));
    Contedo1 = Item(mmenuAjuda, "Contedo1", QStringLiteral("Conteúdo..."));
    Calculadora = Item(mmenuAjuda, "Calculadora", QStringLiteral("Calculadora"));

    Liga(
        AbrirDominio, [this] { AbrirDominioClick(); }, TRequisito::Nenhum);
    Liga(
        ImportarMalha1, [this] { ImportarMalha1Click(); }, TRequisito::Nenhum);
    Liga(
        Salvar1, [this] { Salvar1Click(); }, TRequisito::Malha);
    Liga(
        NovaAnliseTrmica1, [this] { FExecucao->NovaAnaliseTermica(); },
        TRequisito::TermicaConcluida);
    Liga(
        NovaAnliseTensional1, [this] { FExecucao->NovaAnaliseTensional(); },
        TRequisito::TensionalConcluida);
    Liga(
        Configuracoes, [this] { ConfiguracoesClick(); }, TRequisito::Nenhum);
    Liga(
        Sair1, [this] { Sair1Click(); }, TRequisito::Nenhum);
    Liga(
        Rodar1, [this] { FExecucao->IniciaAnaliseTermica(); }, TRequisito::Analise);
    Liga(
        Rodar2, [this] { FExecucao->IniciaAnaliseTensional(); }, TRequisito::TensionalPermitida);
    // The result views read the step files of a thermal run ended on the current model.
    Liga(Trmica1, nullptr, TRequisito::TermicaConcluida);
    Liga(Tensional1, nullptr, TRequisito::TermicaConcluida);
    Liga(Eixo, nullptr, TRequisito::TermicaConcluida);
    Liga(Isocores1, nullptr, TRequisito::TermicaConcluida);
    Liga(Relatrio1, nullptr, TRequisito::Relatorio);
    Liga(
        Contedo1, [this] { Contedo1Click(); }, TRequisito::Nenhum);
    KitCalculator1 = new TKitCalculator(this);
    KitCalculator1->setObjectName(QStringLiteral("KitCalculator1"));
    KitCalculator1->Title = QStringLiteral("Calculadora");
    Liga(
        Calculadora, [this] { KitCalculator1->Execute(); }, TRequisito::Nenhum);
}

void TfrmMalha::LigaJanelasDosMenus() {
    const std::pair<QAction *, TJanela> janelas[] = {
        {Novo1, TJanela::CriaDominio},
        {GidDARV2D1, TJanela::ConversorGid},
        {Malha2, TJanela::ConfiguracaoMalha},
        {Analise1, TJanela::GradienteConjugados},
        {Material1, TJanela::Materiais},
        {Unidades1, TJanela::Unidades},
        {Tempo1, TJanela::Tempo},
        {Contorno1, TJanela::ForcaExterna},
        {Iniciais1, TJanela::CondicoesIniciais},
        {Prescricoes1, TJanela::Prescricoes},
        {SobreoDARV2DAT1, TJanela::AjudaDARV2DAT},
        {CalorInterno, TJanela::ForcaInterna},
        {Materiais, TJanela::Materiais},
        {FluenciaPopup, TJanela::Fluencia},
        {Restricoes, TJanela::DefInicial},
        {ForcaDistribuida, TJanela::ForcaExternaDistr},
    };
    for (auto [acao, janela] : janelas)
        LigaJanela(acao, janela);
}

QAction *TfrmMalha::BotaoPagina(QWidget *pagina, const char *nome, const QString &dica,
                                bool marcavel) {
    TBarraPagina *barra = Barra(pagina);
    auto *a = new QAction(dica, barra);
    a->setObjectName(QString::fromLatin1(nome) + QStringLiteral("Acao"));
    a->setToolTip(dica);
    a->setCheckable(marcavel);
    auto *b = new QToolButton(barra);
    b->setObjectName(QString::fromLatin1(nome));
    b->setDefaultAction(a);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    barra->Adiciona(b);
    return a;
}

TBarraPagina *TfrmMalha::Barra(QWidget *pagina) const {
    return pagina->findChild<TBarraPagina *>();
}

QToolButton *TfrmMalha::Botao(const QString &nome) const {
    return pctrlMalha->findChild<QToolButton *>(nome);
}

QAction *TfrmMalha::acaoBotao(const QString &nome) const {
    QToolButton *b = Botao(nome);
    return b ? b->defaultAction() : nullptr;
}

void TfrmMalha::ConstroiPaginas() {
    pctrlMalha = new QTabWidget(this);
    pctrlMalha->setObjectName(QStringLiteral("pctrlMalha"));
    auto pagina = [this](QWidget *&p, const char *nome, const QString &titulo) {
        p = new QWidget(pctrlMalha);
        p->setObjectName(QString::fromLatin1(nome));
        auto *l = new QVBoxLayout(p);
        l->setContentsMargins(2, 2, 2, 2);
        auto *barra = new TBarraPagina(p);
        barra->setObjectName(QString::fromLatin1(nome) + QStringLiteral("Barra"));
        l->addWidget(barra);
        pctrlMalha->addTab(p, titulo);
    };
    pagina(tbsDominio, "tbsDominio", QStringLiteral("Domínio"));
    pagina(tbsCamadas, "tbsCamadas", QStringLiteral("Camadas"));
    pagina(tbsNos, "tbsNos", QStringLiteral("Nós"));
    pagina(tbsElementos, "tbsElementos", QStringLiteral("Elementos"));
    pagina(tbsCargas, "tbsCargas", QStringLiteral("Cargas"));
    pagina(tbsTensao, "tbsTensao", QStringLiteral("Tensão"));
    pagina(tbsSistema, "tbsSistema", QStringLiteral("Sistema"));
    pctrlMalha->setMaximumHeight(pctrlMalha->sizeHint().height() + 8);

    // The buttons that open a window, in their pages' order (each page's first ones).
    const struct {
        QWidget *pagina;
        const char *nome;
        QString dica;
        TJanela janela;
    } janelas[] = {
        {tbsDominio, "ToolButton12", QStringLiteral("Novo Domínio"), TJanela::CriaDominio},
        {tbsCamadas, "toobCriaCamada", QStringLiteral("Cria camadas"), TJanela::Camadas},
        {tbsNos, "ToolButton9", QStringLiteral("Prescrição"), TJanela::Prescricoes},
        {tbsNos, "ToolButton5", QStringLiteral("Condições iniciais"), TJanela::CondicoesIniciais},
        {tbsElementos, "toolbMaterial", QStringLiteral("Material"), TJanela::Materiais},
        {tbsCargas, "toolbForcaExterna", QStringLiteral("Força Externa"), TJanela::ForcaExterna},
        {tbsCargas, "toolbForcaInterna", QStringLiteral("Força Interna"), TJanela::ForcaInterna},
        {tbsTensao, "tbDefInicialTab", QStringLiteral("Deformação Inicial"),
         TJanela::DeformInicial},
        {tbsTensao, "tbGravidade", QStringLiteral("Peso Próprio"), TJanela::Gravidade},
        {tbsTensao, "tbFluencia", QStringLiteral("Fluência"), TJanela::Fluencia},
        {tbsTensao, "ToolButton20", QStringLiteral("Retração"), TJanela::GerentedeRetracao},
        {tbsTensao, "tbDefInicial", QStringLiteral("Vínculos"), TJanela::DefInicial},
        {tbsTensao, "ToolButton19", QStringLiteral("Carregamento Distribuído"),
         TJanela::ForcaExternaDistr},
        {tbsSistema, "toolbTempo", QStringLiteral("Análise transiente"), TJanela::Tempo},
        {tbsSistema, "toolbUnidades", QStringLiteral("Unidades"), TJanela::Unidades},
        {tbsSistema, "toobGradiente", QStringLiteral("Processamento"),
         TJanela::GradienteConjugados},
    };
    for (const auto &b : janelas)
        LigaJanela(BotaoPagina(b.pagina, b.nome, b.dica), b.janela);

    // Domain page: files, re-mesh and the display.
    Liga(
        BotaoPagina(tbsDominio, "toolbAbrir", QStringLiteral("Abrir Dominio")),
        [this] { AbrirDominioClick(); }, TRequisito::Nenhum);
    Liga(
        BotaoPagina(tbsDominio, "toolbReMesh", QStringLiteral("Refaz malha")),
        [this] { toolbReMeshClick(); }, TRequisito::Malha);
    acElementos = BotaoPagina(tbsDominio, "toolbElementos", QStringLiteral("Elementos"), true);
    acNumElementos =
        BotaoPagina(tbsDominio, "toolbNumElementos", QStringLiteral("Número dos elementos"), true);
    acNos = BotaoPagina(tbsDominio, "toolbNos", QStringLiteral("Nós"), true);
    acNumNos = BotaoPagina(tbsDominio, "toolbNumNos", QStringLiteral("Número dos nós"), true);
    acArestas = BotaoPagina(tbsDominio, "toolbDesenhaAresta", QStringLiteral("Arestas"), true);
    acContornos = BotaoPagina(tbsDominio, "toolbDesenhaElementosDeContorno",
                              QStringLiteral("Elementos de contorno"), true);
    acElementos->setChecked(true);
    acNos->setChecked(true);
    for (QAction *a : {acElementos, acNumElementos, acNos, acNumNos, acArestas, acContornos})
        Liga(
            a, [this] { Redesenha(); }, TRequisito::Malha);
    Liga(
        BotaoPagina(tbsDominio, "toobRefresh", QStringLiteral("Redesenha")),
        [this] { Redesenha(); }, TRequisito::Malha);

    Liga(
        BotaoPagina(tbsCamadas, "toolbElementosDominio", QStringLiteral("Gera malha")),
        [this] { FExecucao->GeraMalhaEtapaAtual(); }, TRequisito::Camadas);
    Liga(
        BotaoPagina(tbsCamadas, "toolbGerarMalhasDominio", QStringLiteral("Gera todas SubMalhas")),
        [this] { FExecucao->GeraMalhasEtapas(); }, TRequisito::Camadas);

    Liga(
        BotaoPagina(tbsSistema, "ToolButton14", QStringLiteral("Informações do HD")),
        [this] { AbreInformacoesSistema(FModelo->FerramentaMemoria); }, TRequisito::Nenhum);
    Liga(
        BotaoPagina(tbsSistema, "toolbGeraRelatorio", QStringLiteral("Relatório")),
        [this] { toolbGeraRelatorioClick(); }, TRequisito::Nenhum);
}

void TfrmMalha::ConstroiPopup() {
    ppmDominio = new QMenu(this);
    ppmDominio->setObjectName(QStringLiteral("ppmDominio"));
    FecharDominio = Item(ppmDominio, "FecharDominio", QStringLiteral("Fechar Dominio"));
    SeparadorDominio = ppmDominio->addSeparator();
    CancelarDominio = Item(ppmDominio, "CancelarDominio", QStringLiteral("Cancelar"));
    CalorInterno = Item(ppmDominio, "CalorInterno", QStringLiteral("Calor Interno"));
    Materiais = Item(ppmDominio, "Materiais", QStringLiteral("Materiais"));
    FluenciaPopup = Item(ppmDominio, "Fluencia", QStringLiteral("Fluência"));
    Restricoes = Item(ppmDominio, "Restricoes", QStringLiteral("Restrições"));
    ForcaDistribuida = Item(ppmDominio, "ForcaDistribuida", QStringLiteral("Força Distribuída"));
    // Drawing a subdomain (the editing tools) shows the first two and their separator instead
    // of the others.
    FecharDominio->setVisible(false);
    SeparadorDominio->setVisible(false);
    CancelarDominio->setVisible(false);
}

void TfrmMalha::ConstroiFerramentas() {
    // Each mouse tool takes a check button; the buttons follow the pages' own.
    const auto ferramenta = [this](QWidget *pagina, const char *nome, const QString &dica) {
        return BotaoPagina(pagina, nome, dica, true);
    };
    TAcoesFerramentas a;
    a.CapturaNo = ferramenta(tbsNos, "toolbCapturaNo", QStringLiteral("Captura nó"));
    a.CapturaNos = ferramenta(tbsNos, "toolbCapturaNos", QStringLiteral("Captura nós"));
    a.NumeroElemento =
        ferramenta(tbsElementos, "ToolButton21", QStringLiteral("Número do elemento"));
    a.CapturaArestas =
        ferramenta(tbsDominio, "toolbCapturaAresta", QStringLiteral("Captura Arestas"));
    a.JanelaArestasEtapas = ferramenta(tbsCamadas, "toolbSelecionarRetanguloArestasEtapas",
                                       QStringLiteral("Janela - Seleciona Arestas"));
    a.NovoSubDominio =
        ferramenta(tbsDominio, "toolbNovoSubDominio", QStringLiteral("Novo subdomínio"));
    a.Reta = ferramenta(tbsDominio, "toolbDefineReta", QStringLiteral("Cria Reta"));
    a.RetaEtapas = ferramenta(tbsCamadas, "toolbSelecionarLinhaArestasEtapas",
                              QStringLiteral("Linha - Seleciona Arestas"));
    a.RetaPerpendicular =
        ferramenta(tbsDominio, "toolbRetaPerpendicular", QStringLiteral("Reta Vertical"));
    a.RetaHorizontal =
        ferramenta(tbsDominio, "toolbRetaHorizontal", QStringLiteral("Reta Horizontal"));
    QAction *subAnterior =
        BotaoPagina(tbsDominio, "toolbSetaEsquerdaMaterial", QStringLiteral("SubDomínio Anterior"));
    QAction *subPosterior =
        BotaoPagina(tbsDominio, "toolbSetaDireitaMaterial", QStringLiteral("SubDomínio Posterior"));
    a.Fixo = new QCheckBox(QStringLiteral("Fixo"));
    a.Fixo->setObjectName(QStringLiteral("chkFixo"));
    a.Fixo->setToolTip(QStringLiteral("Fixa subdomínio"));
    a.Fixo->setChecked(true);
    Barra(tbsDominio)->Adiciona(a.Fixo);
    QAction *elimina =
        BotaoPagina(tbsDominio, "toolbLiberarSubDominios", QStringLiteral("Elimina SubDomínios"));
    QAction *etapaAnterior =
        BotaoPagina(tbsCamadas, "toobSetaEsquerda", QStringLiteral("Etapa anterior"));
    QAction *etapaPosterior =
        BotaoPagina(tbsCamadas, "toobSetaDireita", QStringLiteral("Etapa posterior"));
    QAction *camadaAbaixo = BotaoPagina(tbsCamadas, "toobCamadaAbaixo", QStringLiteral("Material"));
    QAction *camadaAcima = BotaoPagina(tbsCamadas, "toobCamadaAcima", QStringLiteral("Material"));
    a.PopupDesenho = {FecharDominio, SeparadorDominio, CancelarDominio};
    a.PopupOutros = {CalorInterno, Materiais, FluenciaPopup, Restricoes, ForcaDistribuida};

    TJanelaFerramentas j;
    j.Modelo = FModelo.get();
    j.Imagem = imMalha;
    j.Redesenha = [this] { Redesenha(); };
    j.SetStatus = [this](int painel, const QString &texto) { SetStatus(painel, texto); };
    auto *f = new TFerramentas(j, a, this);

    for (QAction *acao : {a.CapturaNo, a.CapturaNos, a.NumeroElemento, a.CapturaArestas,
                          a.NovoSubDominio, a.Reta, a.JanelaArestasEtapas, a.RetaEtapas}) {
        TFerramenta *t = f->Ferramenta(acao);
        const bool camadas = acao == a.JanelaArestasEtapas || acao == a.RetaEtapas;
        Liga(
            acao, [t] { t->Clica(); }, camadas ? TRequisito::Camadas : TRequisito::Malha);
    }
    // The new-subdomain tool keeps the vertices picked.
    TFerramentaNovoSubDominio *novo = f->NovoSubDominio();
    Liga(
        FecharDominio, [novo] { novo->Fecha(); }, TRequisito::Malha);
    Liga(
        CancelarDominio, [novo] { novo->Cancela(); }, TRequisito::Malha);
    const auto comando = [&](QAction *acao, void (TFerramentas::*g)(), TRequisito r) {
        Liga(
            acao, [f, g] { (f->*g)(); }, r);
    };
    comando(subAnterior, &TFerramentas::SubDominioAnterior, TRequisito::Malha);
    comando(subPosterior, &TFerramentas::SubDominioPosterior, TRequisito::Malha);
    comando(elimina, &TFerramentas::EliminaSubDominios, TRequisito::Malha);
    comando(etapaAnterior, &TFerramentas::EtapaAnterior, TRequisito::Camadas);
    comando(etapaPosterior, &TFerramentas::EtapaPosterior, TRequisito::Camadas);
    comando(camadaAbaixo, &TFerramentas::CamadaAbaixo, TRequisito::Camadas);
    comando(camadaAcima, &TFerramentas::CamadaAcima, TRequisito::Camadas);
}

// ---------------------------------------------------------------------------------------------
// Commands and their enabling

namespace {

// What opening a window needs besides the window.
TRequisito RequisitoJanela(TJanela j) {
    switch (j) {
    case TJanela::Camadas:
        return TRequisito::Malha;
    case TJanela::DeformInicial:
    case TJanela::GerentedeRetracao: // shrinkage is a law of each layer
        return TRequisito::Camadas;
    case TJanela::Unidades:
    case TJanela::ConfiguracaoMalha:
    case TJanela::CriaDominio:
    case TJanela::ConversorGid:
    case TJanela::AjudaDARV2DAT:
    case TJanela::Configuracoes:
    case TJanela::Total:
        return TRequisito::Nenhum;
    default:
        return TRequisito::Analise;
    }
}

} // namespace

void TfrmMalha::Liga(QAction *acao, std::function<void()> f, TRequisito r) {
    for (auto &c : FComandos)
        if (c.acao == acao) {
            c.executa = std::move(f);
            c.requisito = r;
            return;
        }
    FComandos.push_back({acao, TJanela::Total, r, std::move(f)});
    connect(acao, &QAction::triggered, this, [this, acao] { Executa(acao); });
}

void TfrmMalha::LigaJanela(QAction *acao, TJanela j) {
    Liga(acao, nullptr, RequisitoJanela(j));
    for (auto &c : FComandos)
        if (c.acao == acao)
            c.janela = j;
}

void TfrmMalha::DefineComando(QAction *acao, std::function<void()> comando, TRequisito requisito) {
    Liga(acao, std::move(comando), requisito);
    AtualizaComandos();
}

void TfrmMalha::DefineJanela(TJanela j, QWidget *janela) {
    FJanelas[std::size_t(j)] = janela;
    AtualizaComandos();
}

void TfrmMalha::Executa(QAction *acao) {
    // A run lets window events through; its commands wait until it ends.
    if (ExecucaoEmCurso())
        return;
    for (const auto &c : FComandos) {
        if (c.acao != acao)
            continue;
        const std::function<void()> f = c.executa;
        QWidget *janela = c.janela != TJanela::Total ? Janela(c.janela) : nullptr;
        Protege([&] {
            if (f)
                f();
            else if (janela)
                MostraModal(janela);
        });
        // What the command drew (symbols of supports and loads) stays on the picture.
        imMalha->update();
        AtualizaComandos();
        return;
    }
}

bool TfrmMalha::Atende(TRequisito r) const {
    const TModelo &m = *FModelo;
    switch (r) {
    case TRequisito::Nenhum:
        return true;
    case TRequisito::Malha:
        return m.TemMalha();
    case TRequisito::Analise:
        return m.TemAnalise();
    case TRequisito::Camadas:
        return m.TemAnalise() && m.Camadas();
    case TRequisito::TermicaConcluida:
        return m.TemAnalise() && FExecucao->TermicaConcluida();
    case TRequisito::TensionalPermitida:
        return m.TemAnalise() && FExecucao->TensionalPermitida();
    case TRequisito::TensionalConcluida:
        return m.TemAnalise() && FExecucao->TensionalConcluida();
    case TRequisito::Relatorio:
        return m.TemAnalise() && FRelatorio;
    }
    return false;
}

void TfrmMalha::AtualizaComandos() {
    for (const auto &c : FComandos) {
        const bool temAlvo =
            c.executa || (c.janela != TJanela::Total && Janela(c.janela) != nullptr);
        c.acao->setEnabled(temAlvo && Atende(c.requisito));
    }
}

void TfrmMalha::ModeloAlterado() {
    FRelatorio = false;
    FExecucao->ModeloAlterado();
}

void TfrmMalha::HabilitaRelatorio() {
    FRelatorio = true;
    AtualizaComandos();
}

void TfrmMalha::DefineProgresso(IProgressoModelo *p) {
    FModelo->Progresso = p ? p : FProgressoPadrao.get();
}

// ---------------------------------------------------------------------------------------------
// Small operations

int TfrmMalha::MostraModal(QWidget *janela) {
    auto *d = qobject_cast<QDialog *>(janela);
    if (!d) {
        janela->show();
        janela->raise();
        return QDialog::Accepted;
    }
    const int r = Perguntador().ExecutaModal(*d);
    d->hide();
    return r;
}

void TfrmMalha::SetStatus(int painel, const QString &texto) {
    FTextoStatus = texto;
    if (painel >= 1 && painel <= int(FPaineis.size()))
        FPaineis[std::size_t(painel - 1)]->setText(texto);
}

QString TfrmMalha::Status(int painel) const {
    if (painel >= 1 && painel <= int(FPaineis.size()))
        return FPaineis[std::size_t(painel - 1)]->text();
    return QString();
}

void TfrmMalha::SetTitulo(const QString &texto) {
    FTitulo = texto;
    setWindowTitle(QStringLiteral("ZOK-2D - ") + texto);
}

void TfrmMalha::AtualizaOpcoes() {
    TOpcoesDesenho &o = FModelo->Opcoes;
    o.Elementos = acElementos->isChecked();
    // Element numbers are drawn while their button is up.
    o.NumElementos = !acNumElementos->isChecked();
    o.Nos = acNos->isChecked();
    o.NumNos = acNumNos->isChecked();
    // Capturing edges shows them too.
    const QAction *capturaArestas = acaoBotao(QStringLiteral("toolbCapturaAresta"));
    o.Arestas = acArestas->isChecked() || (capturaArestas && capturaArestas->isChecked());
    o.Contornos = acContornos->isChecked();
}

void TfrmMalha::Redesenha() {
    AtualizaOpcoes();
    FExecucao->RecarregaEtapaMostrada();
    if (FModelo->TemMalha()) {
        FModelo->DesenhaMalha();
        DesenhaReta(*FModelo);
    } else {
        FModelo->LimpaDesenho();
    }
    imMalha->update();
}

void TfrmMalha::Recebe(const std::function<void()> &receptor) {
    Protege(receptor);
    imMalha->update();
    AtualizaComandos();
}

// ---------------------------------------------------------------------------------------------
// Receivers called by windows

void TfrmMalha::CriaDominio(std::span<const TNo> vertices) {
    Protege([&] {
        FModelo->CriaDominio(vertices);
        ModeloAlterado();
    });
    Redesenha();
    AtualizaComandos();
}

void TfrmMalha::CriaCamadas(const std::vector<TLinhaCamada> &linhas) {
    Protege([&] {
        if (FModelo->CriaCamadas(linhas))
            ModeloAlterado();
    });
    imMalha->update();
    AtualizaComandos();
}

void TfrmMalha::AplicaDeformacaoInicial(const std::vector<TDeformacaoInicialCamada> &camadas) {
    Recebe([&] { FModelo->AplicaDeformacaoInicial(camadas); });
}

void TfrmMalha::LeConfiguracaoMalha(const TAjustesMalha &ajustes,
                                    const TConfiguracaoDesenho &desenho) {
    Protege([&] { FModelo->LeConfiguracaoMalha(ajustes, desenho); });
    if (!FModelo->TemMalha())
        FModelo->LimpaDesenho();
    imMalha->update();
    AtualizaComandos();
}

// ---------------------------------------------------------------------------------------------
// File commands

namespace {
const QString kFiltroDominio = QStringLiteral("Arquivos de texto (*.txt);;Todos os arquivos (*)");
}

void TfrmMalha::AbrirDominioClick() {
    const QString nome =
        Perguntador().ArquivoAbrir(this, QStringLiteral("Abrir Dominio"), kFiltroDominio);
    if (nome.isEmpty())
        return;
    if (Protege([&] { FModelo->AbreDominio(nome.toStdString()); }, "Erro ao abrir Malha")) {
        ModeloAlterado();
        SetStatus(1, nome);
    }
    imMalha->update();
    AtualizaComandos();
}

void TfrmMalha::ImportarMalha1Click() {
    const QString nome =
        Perguntador().ArquivoAbrir(this, QStringLiteral("Importar Malha"), kFiltroDominio);
    if (nome.isEmpty())
        return;
    if (Protege([&] { FModelo->ImportaMalha(nome.toStdString()); })) {
        ModeloAlterado();
        SetStatus(1, nome);
    }
    imMalha->update();
    AtualizaComandos();
}

void TfrmMalha::Salvar1Click() {
    if (!FModelo->TemMalha())
        return;
    FExecucao->RecarregaEtapaMostrada(); // a layered run may have left it only in its file
    if (const std::string recusa = FModelo->RecusaSalvarMalha(); !recusa.empty()) {
        Perguntador().Erro(QString::fromStdString(recusa));
        return;
    }
    const QString nome = Perguntador().ArquivoSalvar(this, QStringLiteral("Salvar Malha"),
                                                     kFiltroDominio, QStringLiteral("txt"));
    if (nome.isEmpty())
        return;
    FModelo->SalvaMalha(nome.toStdString());
}

void TfrmMalha::toolbReMeshClick() {
    if (!FModelo->TemMalha())
        return;
    if (!Perguntador().ConfirmaOk(QStringLiteral("Deseja refazer a malha?")))
        return;
    // A refused generation keeps the mesh, its analyses and their results.
    bool refeita = false;
    try {
        refeita = FModelo->RefazMalha();
    } catch (...) {
        ModeloAlterado();
        throw;
    }
    if (refeita)
        ModeloAlterado();
}

void TfrmMalha::ConfiguracoesClick() {
    if (QWidget *j = Janela(TJanela::Configuracoes)) {
        j->show();
        j->raise();
        j->activateWindow();
    }
}

void TfrmMalha::Contedo1Click() {
    MostraAjuda(this);
}

void TfrmMalha::toolbGeraRelatorioClick() {
    FGerarRelatorio =
        Perguntador().Confirma(QStringLiteral("Gerar Relatório dos Dados de Entrada?"));
}

// ---------------------------------------------------------------------------------------------
// Showing and closing

void TfrmMalha::showEvent(QShowEvent *e) {
    QMainWindow::showEvent(e);
    if (FMostrada)
        return;
    FMostrada = true;
    if (OnPrimeiraExibicao)
        Protege(OnPrimeiraExibicao);
    AtualizaComandos();
}

void TfrmMalha::Sair1Click() {
    close();
}

void TfrmMalha::closeEvent(QCloseEvent *e) {
    if (ExecucaoEmCurso()) {
        e->ignore();
        return;
    }
    bool sair = false;
    Protege([&] {
        sair = Perguntador().ConfirmaOk(
            QStringLiteral("Deseja realmente finalizar o software ZOK-2D?"));
    });
    if (!sair) {
        e->ignore();
        return;
    }
    Protege([this] {
        if (FModelo->FAnalise)
            FModelo->FAnalise->Libera();
        if (FModelo->FAnaliseTensional)
            FModelo->FAnaliseTensional->Libera();
    });
    e->accept();
    // Every other window is persistent: the program ends with this one.
    if (OnSaida)
        OnSaida();
}
