// A prompter whose answers a test scripts: questions are answered from queues, messages are
// recorded, modal dialogs are handed to a script that works them and returns a result code.
#pragma once

#include "Perguntador.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) {
    *os << '"' << s.toStdString() << '"';
}

class TPerguntadorRoteiro : public IPerguntador {
public:
    // Answers to Confirma and ConfirmaOk, in order; a question without an answer fails the test.
    std::deque<bool> Respostas;
    // File names returned by ArquivoAbrir and ArquivoSalvar; none left means "cancelled".
    std::deque<QString> Arquivos;
    // Colours returned by EscolheCor; none left means "cancelled".
    std::deque<QColor> Cores;
    // Scripts for modal runs, in order; none left fails the test and returns Rejected.
    std::deque<std::function<int(QDialog &)>> Modais;

    QStringList Perguntas, Informacoes, Avisos, Erros, TitulosArquivo;
    // File names proposed by the save dialogs, in order.
    QStringList NomesPropostos;

    bool Confirma(const QString &texto) override;
    bool ConfirmaOk(const QString &texto) override;
    void Informa(const QString &texto) override { Informacoes << texto; }
    void Avisa(const QString &texto) override { Avisos << texto; }
    void Erro(const QString &texto) override { Erros << texto; }
    QString ArquivoAbrir(QWidget *pai, const QString &titulo, const QString &filtro) override;
    QString ArquivoSalvar(QWidget *pai, const QString &titulo, const QString &filtro,
                          const QString &extensaoPadrao) override;
    QString ArquivoSalvarComo(QWidget *pai, const QString &titulo, const QString &filtro,
                              const QString &extensaoPadrao, const QString &nomeInicial) override;
    bool EscolheCor(QWidget *pai, QColor &cor) override;
    int ExecutaModal(QDialog &dialogo) override;

    // Every scripted answer was used.
    bool Esgotado() const {
        return Respostas.empty() && Arquivos.empty() && Cores.empty() && Modais.empty();
    }
};

// Binds a scripted prompter for the life of a test and checks that its answers were used.
class TPerguntadorLigado {
public:
    TPerguntadorLigado() { DefinePerguntador(&P); }
    ~TPerguntadorLigado() { DefinePerguntador(nullptr); }
    TPerguntadorRoteiro P;
};
