// The mouse tools of the main window's picture: one class per tool, each given the check
// action that puts it down. TFerramentas owns them, turns the picture's mouse events into the
// steps of the tools that are down (in a fixed order), writes the cursor's place and element to
// the status bar, and offers the plain commands that step through subdomains, stages and layers.
// The window that holds the tools makes their buttons and binds them to its commands.
#pragma once

#include "Edicao.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QMouseEvent;
class QRubberBand;
class TVisaoMalha;

// What the tools use of the window that holds them.
struct TJanelaFerramentas {
    TModelo *Modelo = nullptr;
    TVisaoMalha *Imagem = nullptr;
    // Redraws the picture with the window's display options.
    std::function<void()> Redesenha;
    std::function<void(int painel, const QString &texto)> SetStatus;
};

// The window's actions and controls the tools take.
struct TAcoesFerramentas {
    QAction *CapturaNo, *CapturaNos, *NumeroElemento, *CapturaArestas, *JanelaArestasEtapas,
        *NovoSubDominio, *Reta, *RetaEtapas;
    // The line's direction toggles and the check box that fixes the subdomain.
    QAction *RetaPerpendicular, *RetaHorizontal;
    QCheckBox *Fixo;
    // The picture's popup entries shown while a subdomain is drawn, and those hidden then.
    std::vector<QAction *> PopupDesenho, PopupOutros;
};

// A mouse release as the tools see it.
struct TSoltura {
    TPonto Ponto;
    bool Esquerdo = false, Direito = false;
    // A selection rectangle was dragged, and the rectangle (normalised).
    bool Arrastou = false;
    TRetangulo Retangulo;
};

// A tool: a check action; its step runs on every release while it is down.
class TFerramenta : public QObject {
    Q_OBJECT
public:
    enum class TCursor { Nenhum, Captura, Seta };

    TFerramenta(const TJanelaFerramentas &janela, QAction *acao, TCursor cursor = TCursor::Nenhum);

    QAction *Acao() const { return FAcao; }
    bool Ativa() const;
    // The action was triggered: the tool goes down or up as it stands.
    void Clica();
    // Down or up.
    virtual void Alterna(bool ativa);
    // Pressing starts a selection rectangle while the tool is down.
    virtual bool UsaRetangulo() const { return false; }
    virtual void Solta(const TSoltura &) {}

    // Fired after a click has put the tool down or up.
    std::function<void()> OnAlternada;

protected:
    TModelo &Modelo() const { return *FJanela.Modelo; }
    TJanelaFerramentas FJanela;

private:
    QAction *FAcao;
    TCursor FCursor;
};

// "Captura nó": one node at the click.
class TFerramentaCapturaNo : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaCapturaNo(const TJanelaFerramentas &janela, QAction *acao);
    void Solta(const TSoltura &s) override;
};

// "Captura nós": the nodes in a dragged rectangle.
class TFerramentaCapturaNos : public TFerramenta {
    Q_OBJECT
public:
    using TFerramenta::TFerramenta;
    bool UsaRetangulo() const override { return true; }
    void Solta(const TSoltura &s) override;
};

// "Número do elemento": tells the element under the click.
class TFerramentaNumeroElemento : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaNumeroElemento(const TJanelaFerramentas &janela, QAction *acao);
    void Solta(const TSoltura &s) override;
};

// "Captura Arestas": the edges in a dragged rectangle; edges are drawn while it is down.
class TFerramentaCapturaArestas : public TFerramenta {
    Q_OBJECT
public:
    using TFerramenta::TFerramenta;
    void Alterna(bool ativa) override;
    bool UsaRetangulo() const override { return true; }
    void Solta(const TSoltura &s) override;
};

// "Janela - Seleciona Arestas": edges of the current stage in a dragged rectangle, for loads
// placed on every stage; the last stage is shown when it goes down.
class TFerramentaJanelaArestasEtapas : public TFerramentaCapturaArestas {
    Q_OBJECT
public:
    using TFerramentaCapturaArestas::TFerramentaCapturaArestas;
    void Alterna(bool ativa) override;
};

// "Novo subdomínio": collects domain vertices; the popup's "Fechar Dominio" closes them into a
// subdomain, "Cancelar" forgets them. While it is down the popup offers those two entries only.
class TFerramentaNovoSubDominio : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaNovoSubDominio(const TJanelaFerramentas &janela, QAction *acao,
                              std::vector<QAction *> popupDesenho,
                              std::vector<QAction *> popupOutros);
    void Alterna(bool ativa) override;
    void Solta(const TSoltura &s) override;
    void Fecha();
    void Cancela();
    const std::vector<int> &Vertices() const { return FVertices; }

private:
    std::vector<int> FVertices;
    std::vector<QAction *> FPopupDesenho, FPopupOutros;
};

// "Cria Reta" and "Linha - Seleciona Arestas": the line from a left press to a right release,
// vertical or horizontal on request; the second also shows the last stage.
class TFerramentaReta : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaReta(const TJanelaFerramentas &janela, QAction *acao, bool etapas);
    void Alterna(bool ativa) override;

private:
    bool FEtapas;
};

class TFerramentas : public QObject {
    Q_OBJECT
public:
    // Makes the tools on the window's actions and takes its picture's mouse.
    TFerramentas(const TJanelaFerramentas &janela, const TAcoesFerramentas &acoes,
                 QObject *pai = nullptr);
    ~TFerramentas() override;

    // The picture's mouse, also for tests.
    void Pressiona(QPoint p, Qt::MouseButton botao);
    void Move(QPoint p);
    void Solta(QPoint p, Qt::MouseButton botao);

    // The tool an action puts down.
    TFerramenta *Ferramenta(const QAction *acao) const;
    TFerramentaNovoSubDominio *NovoSubDominio() const { return FNovoSubDominio; }
    bool Arrastando() const { return FArrastando; }
    // A rectangle tool is down.
    bool SelecaoRetangulo() const;
    // A line tool is down.
    bool DefineReta() const;
    bool RetaVertical() const;
    bool RetaHorizontal() const;

    // Plain commands.
    void SubDominioAnterior();
    void SubDominioPosterior();
    void EliminaSubDominios();
    void EtapaAnterior();
    void EtapaPosterior();
    void CamadaAbaixo();
    void CamadaAcima();

    QCheckBox *chkFixo;
    QAction *toolbRetaPerpendicular, *toolbRetaHorizontal;

private:
    // Keeps the model's line and stage-rectangle flags and the popup as the buttons stand.
    void AtualizaModos();
    void AtualizaCursor();
    TJanelaFerramentas FJanela;
    std::vector<TFerramenta *> FTodas;
    std::vector<TFerramenta *> FOrdem; // release steps in this order
    TFerramentaNovoSubDominio *FNovoSubDominio;
    TFerramentaReta *FReta, *FRetaEtapas;
    TFerramentaJanelaArestasEtapas *FJanelaEtapas;
    QPointer<TVisaoMalha> FImagem;
    QRubberBand *FBanda;
    bool FArrastando = false;
    TPonto FInicioArraste;
    TRetangulo FRetangulo;
};
