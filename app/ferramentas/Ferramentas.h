// The mouse tools of the main window's picture: one class per tool, each bound to a check
// button of a page. TFerramentas owns them, turns the picture's mouse events into the steps of
// the tools that are down (in a fixed order), writes the cursor's place and element to the
// status bar, and offers the plain commands that step through subdomains, stages and layers.
#pragma once

#include "Edicao.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QMouseEvent;
class QRubberBand;
class QWidget;
class TfrmMalha;
class TVisaoMalha;

// A mouse release as the tools see it.
struct TSoltura {
    TPonto Ponto;
    bool Esquerdo = false, Direito = false;
    // A selection rectangle was dragged, and the rectangle (normalised).
    bool Arrastou = false;
    TRetangulo Retangulo;
};

// A tool: a check button; its step runs on every release while it is down.
class TFerramenta : public QObject {
    Q_OBJECT
public:
    enum class TCursor { Nenhum, Captura, Seta };

    TFerramenta(TfrmMalha &janela, QWidget *pagina, const char *nome, const QString &dica,
                TCursor cursor = TCursor::Nenhum);

    QAction *Acao() const { return FAcao; }
    bool Ativa() const;
    // Down or up (the button was clicked).
    virtual void Alterna(bool ativa);
    // Pressing starts a selection rectangle while the tool is down.
    virtual bool UsaRetangulo() const { return false; }
    virtual void Solta(const TSoltura &) {}

protected:
    TModelo &Modelo() const;
    TfrmMalha &FJanela;

private:
    QAction *FAcao;
    TCursor FCursor;
};

// "Captura nó": one node at the click.
class TFerramentaCapturaNo : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaCapturaNo(TfrmMalha &janela);
    void Solta(const TSoltura &s) override;
};

// "Captura nós": the nodes in a dragged rectangle.
class TFerramentaCapturaNos : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaCapturaNos(TfrmMalha &janela);
    bool UsaRetangulo() const override { return true; }
    void Solta(const TSoltura &s) override;
};

// "Número do elemento": tells the element under the click.
class TFerramentaNumeroElemento : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaNumeroElemento(TfrmMalha &janela);
    void Solta(const TSoltura &s) override;
};

// "Captura Arestas": the edges in a dragged rectangle; edges are drawn while it is down.
class TFerramentaCapturaArestas : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaCapturaArestas(TfrmMalha &janela);
    void Alterna(bool ativa) override;
    bool UsaRetangulo() const override { return true; }
    void Solta(const TSoltura &s) override;
};

// "Janela - Seleciona Arestas": edges of the current stage in a dragged rectangle, for loads
// placed on every stage; the last stage is shown when it goes down.
class TFerramentaJanelaArestasEtapas : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaJanelaArestasEtapas(TfrmMalha &janela);
    void Alterna(bool ativa) override;
    bool UsaRetangulo() const override { return true; }
    void Solta(const TSoltura &s) override;
};

// "Novo subdomínio": collects domain vertices; the popup's "Fechar Dominio" closes them into a
// subdomain, "Cancelar" forgets them.
class TFerramentaNovoSubDominio : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaNovoSubDominio(TfrmMalha &janela);
    void Alterna(bool ativa) override;
    void Solta(const TSoltura &s) override;
    void Fecha();
    void Cancela();
    const std::vector<int> &Vertices() const { return FVertices; }

private:
    std::vector<int> FVertices;
};

// "Cria Reta" and "Linha - Seleciona Arestas": the line from a left press to a right release,
// vertical or horizontal on request; the second also shows the last stage.
class TFerramentaReta : public TFerramenta {
    Q_OBJECT
public:
    TFerramentaReta(TfrmMalha &janela, QWidget *pagina, const char *nome, const QString &dica,
                    bool etapas);
    void Alterna(bool ativa) override;

private:
    bool FEtapas;
};

class TFerramentas : public QObject {
    Q_OBJECT
public:
    // Adds the tools and commands to the window's pages and takes its picture's mouse.
    explicit TFerramentas(TfrmMalha &janela);
    ~TFerramentas() override;

    // The picture's mouse, also for tests.
    void Pressiona(QPoint p, Qt::MouseButton botao);
    void Move(QPoint p);
    void Solta(QPoint p, Qt::MouseButton botao);

    // The tool bound to a button, by the button's name.
    TFerramenta *Ferramenta(const QString &nome) const;
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
    friend class TFerramenta;

    TfrmMalha &FJanela;
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
