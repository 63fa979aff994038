// The main window: owns the model, offers every command through its menus, tool bars and
// popup menu, draws the model on its picture and shows the status texts. Commands run through
// the slot guard; a command is enabled when its window exists and what it needs (a mesh, an
// analysis, a finished run) is there.
#pragma once

#include "Modelo.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class TBarraPagina;
class IJanelasExecucao;
class TExecucao;
class TVisaoMalha;
class TKitCalculator;

// Windows a command opens, as the window set registers them.
enum class TJanela {
    Unidades,
    Camadas,
    CondicoesIniciais,
    ConfiguracaoMalha,
    CriaDominio,
    DefInicial,
    DeformInicial,
    ForcaExterna,
    ForcaExternaDistr,
    ForcaInterna,
    Fluencia,
    GradienteConjugados,
    Materiais,
    Prescricoes,
    Tempo,
    Gravidade,
    GerentedeRetracao,
    ConversorGid,
    AjudaDARV2DAT,
    Configuracoes,
    Total
};

// What a command needs besides its window.
enum class TRequisito {
    Nenhum,
    Malha,   // a mesh
    Analise, // both analyses (a meshed domain)
    Camadas, // the layered model
    TermicaConcluida,
    TensionalPermitida, // a thermal run ended and no new thermal analysis since
    TensionalConcluida,
    Relatorio, // enabled by the end of a thermal run
};

class TfrmMalha : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMalha(QWidget *pai = nullptr);
    ~TfrmMalha() override;

    TModelo &Modelo() { return *FModelo; }
    TVisaoMalha *imMalha;

    // ---- Window set ---------------------------------------------------------------------------
    // Registers the window a command opens; its commands become available.
    void DefineJanela(TJanela j, QWidget *janela);
    QWidget *Janela(TJanela j) const { return FJanelas[std::size_t(j)]; }
    // Replaces what a command does (and what it needs).
    void DefineComando(QAction *acao, std::function<void()> comando,
                       TRequisito requisito = TRequisito::Nenhum);
    // Fired on the first showing, when every window exists: the window set binds the dialogs'
    // result events here.
    std::function<void()> OnPrimeiraExibicao;
    // Fired when the user confirmed the exit (the program ends its event loop).
    std::function<void()> OnSaida;

    // ---- Runs ---------------------------------------------------------------------------------
    TExecucao &Execucao() { return *FExecucao; }
    void HabilitaRelatorio();
    // The report waits for the next thermal run.
    void DescartaRelatorio() { FRelatorio = false; }
    // Enables every command again as its needs say.
    void AtualizaComandos();
    // Replaces the progress display of mesh and layer generation (not owned; none restores
    // the default one).
    void DefineProgresso(IProgressoModelo *p);

    // ---- Operations used by the other windows ------------------------------------------------
    // Runs a dialog modally (through the prompter) and hides it.
    int MostraModal(QWidget *janela);
    void SetStatus(int painel, const QString &texto);
    QString Status(int painel) const;
    void SetTitulo(const QString &texto);
    // The subdomain list (1-based), read by the input report.
    TDominio *GetSubDominio(int i) const { return FModelo->GetSubDominio(i); }
    int GetNumSubDominios() const { return FModelo->GetNumSubDominios(); }
    // Runs a receiver under the slot guard, then redraws and updates the commands.
    void Recebe(const std::function<void()> &receptor);
    void Redesenha();

    // Receivers called by windows directly.
    void CriaDominio(std::span<const TNo> vertices);
    void CriaCamadas(const std::vector<TLinhaCamada> &linhas);
    void AplicaDeformacaoInicial(const std::vector<TDeformacaoInicialCamada> &camadas);
    void LeConfiguracaoMalha(const TAjustesMalha &ajustes, const TConfiguracaoDesenho &desenho);

    // ---- Commands -----------------------------------------------------------------------------
    void AbrirDominioClick();
    void ImportarMalha1Click();
    void Salvar1Click();
    void toolbReMeshClick();
    void Sair1Click();
    void Contedo1Click();
    void ConfiguracoesClick();
    void toolbGeraRelatorioClick();

    bool FGerarRelatorio = false;

    // Menu items.
    QMenu *mmenuMalha1, *mmenuAnalise, *mmenuResultados, *mmenuConfiguracoes, *mmenuCondicoes,
        *mmenuAjuda;
    QAction *Novo1, *AbrirDominio, *GidDARV2D1, *ImportarMalha1, *Salvar1, *NovaAnliseTrmica1,
        *NovaAnliseTensional1, *Configuracoes, *Sair1;
    QAction *Rodar1, *Rodar2;
    QAction *Trmica1, *Tensional1, *Eixo, *Isocores1, *Relatrio1;
    QAction *Malha2, *Analise1, *Material1, *Unidades1, *Tempo1;
    QAction *Contorno1, *Iniciais1, *Prescricoes1;
    QAction *SobreoDARV2DAT1, *Contedo1, *Calculadora;
    // The calculator run by "Calculadora"; its value and memory stay between runs.
    TKitCalculator *KitCalculator1;

    // Pages and tool buttons.
    QTabWidget *pctrlMalha;
    QWidget *tbsDominio, *tbsCamadas, *tbsNos, *tbsElementos, *tbsCargas, *tbsTensao, *tbsSistema;
    TBarraPagina *Barra(QWidget *pagina) const;
    // A tool button on a page with its own action.
    QAction *BotaoPagina(QWidget *pagina, const char *nome, const QString &dica,
                         bool marcavel = false);
    QToolButton *Botao(const QString &nome) const;
    QAction *acaoBotao(const QString &nome) const;

    // Display buttons (toggles) and the popup menu of the picture.
    QAction *acElementos, *acNumElementos, *acNos, *acNumNos, *acArestas, *acContornos;
    QMenu *ppmDominio;
    QAction *FecharDominio, *SeparadorDominio, *CancelarDominio, *CalorInterno, *Materiais,
        *FluenciaPopup, *Restricoes, *ForcaDistribuida;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    struct TComando {
        QAction *acao;
        TJanela janela;
        TRequisito requisito;
        std::function<void()> executa;
    };

    QAction *Item(QMenu *menu, const char *nome, const QString &texto);
    // The command opens its window modally when the window's needs are met.
    void LigaJanela(QAction *acao, TJanela j);
    void Liga(QAction *acao, std::function<void()> f, TRequisito r);
    bool Atende(TRequisito r) const;
    void Executa(QAction *acao);
    void AtualizaOpcoes();
    void ConstroiMenus();
    void ConstroiPaginas();
    void ConstroiPopup();
    // The menu and popup entries that open a window.
    void LigaJanelasDosMenus();
    // The mouse tools on their page buttons, bound to the commands.
    void ConstroiFerramentas();

    // The model was replaced or re-meshed: the runs start again.
    void ModeloAlterado();

    std::unique_ptr<TModelo> FModelo;
    std::unique_ptr<IProgressoModelo> FProgressoPadrao;
    std::unique_ptr<IJanelasExecucao> FJanelasExecucao;
    std::unique_ptr<TExecucao> FExecucao;
    std::vector<QWidget *> FJanelas;
    std::vector<TComando> FComandos;
    std::vector<QLabel *> FPaineis;
    QString FTextoStatus, FTitulo;
    bool FMostrada = false, FRelatorio = false, FSaindo = false;
};

extern TfrmMalha *frmMalha;
