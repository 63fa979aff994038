// The runs as the main window shows them: messages through the prompter, the progress window,
// the main window's picture, caption and commands; the progress of mesh and layer generation
// in the same progress window; and the input that a run lets through.
#pragma once

#include "Execucao.h"
#include "Modelo.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

// What a run changes on the main window.
struct TJanelaPrincipalExecucao {
    std::function<void()> Redesenha;
    std::function<void(const QString &)> SetTitulo;
    std::function<void()> AtualizaComandos;
    std::function<void()> DescartaRelatorio;
};

class TJanelasExecucao : public IJanelasExecucao {
public:
    explicit TJanelasExecucao(TJanelaPrincipalExecucao principal)
        : principal_(std::move(principal)) {}

    bool Confirma(const std::string &texto) override;
    void Informa(const std::string &texto) override;
    void Erro(const std::string &texto) override;
    IProgresso &AbreProgresso(bool painel, const std::string &titulo, int numElementos) override;
    void FechaProgresso() override;
    void Redesenha() override;
    void Titulo(const std::string &texto) override;
    void EstadoAlterado() override;
    void ResultadosDescartados() override;

private:
    TJanelaPrincipalExecucao principal_;
};

// Mesh and layer generation in the progress window without its time panel; the main window's
// commands wait while it is open.
class TProgressoModeloJanela : public IProgressoModelo {
public:
    void Abre(const std::string &titulo) override;
    void DefineFaixa(int n) override;
    void Avanca() override;
    void Fecha() override;

private:
    std::optional<TExecucaoEmCurso> emCurso_;
};

// While a run is under way only the progress window, the memory tool and message boxes take
// input; other windows ignore clicks, keys and shortcuts, and closing them is refused.
class TBloqueioExecucao : public QObject {
public:
    using QObject::QObject;
    // Installs one filter on the application (once).
    static void Instala();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
};
