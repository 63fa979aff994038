// Window tests: a prompter whose answers the test scripts, and a fixture with every window.
#pragma once

#include <gtest/gtest.h>

#include "uDialogos.h"
#include "uLumacord.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) {
    *os << '"' << s.toStdString() << '"';
}

class TPerguntadorRoteiro : public IPerguntador {
public:
    std::deque<bool> Respostas;
    QStringList Perguntas, Informacoes, Erros;

    bool Confirma(const QString &texto) override;
    void Informa(const QString &texto) override { Informacoes << texto; }
    void Erro(const QString &texto) override { Erros << texto; }
};

class JanelasLumacord : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types rows 1.. of the points grid (growing it when needed).
    void Digita(const std::vector<std::pair<QString, QString>> &linhas);
    // Types the points, confirms them (answering Sim), picks the curve and fits.
    void AjustaPontos(const std::vector<std::pair<QString, QString>> &linhas, int curva);

    TPerguntadorRoteiro perguntador;
    std::unique_ptr<TJanelasLumacord> janelas;
};
