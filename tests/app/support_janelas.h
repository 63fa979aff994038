// The program's window set for a test: the scripted prompter, a private default folder, the
// engine-facing state reset around the test, the main window shown (so the dialogs are bound).
#pragma once

#include "Janelas.h"
#include "PerguntadorRoteiro.h"
#include "uDARV_2D.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

#include <gtest/gtest.h>

#include <QString>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

class TPastaTeste {
public:
    TPastaTeste() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        Pasta = std::filesystem::temp_directory_path() /
                (std::string("darv_app_") + info->test_suite_name() + "_" + info->name() + "_" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(Pasta);
        std::filesystem::create_directories(Pasta);
        DefinePastaPadrao(Pasta);
    }
    ~TPastaTeste() {
        DefinePastaPadrao({});
        std::error_code ec;
        std::filesystem::remove_all(Pasta, ec);
    }
    std::string Arquivo(const std::string &nome) const { return (Pasta / nome).string(); }
    std::filesystem::path Pasta;
};

// Messages of the engine's sink, kept.
class TMensagensGravadas : public IMensagens {
public:
    bool Mostra(TTipoMensagem, const std::string &texto) override {
        Textos.push_back(texto);
        return true;
    }
    std::vector<std::string> Textos;
};

class JanelasTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        DefineMensagens(&mensagens);
        janelas = std::make_unique<TJanelas>();
        frmMalha->OnSaida = [this] { ++saidas; };
        frmMalha->show();
    }
    void TearDown() override {
        janelas.reset();
        DefineMensagens(nullptr);
        ReiniciaEstado();
        SetDecimalSeparator('.');
    }

    static QString Exemplo(const char *nome) {
        return QString::fromUtf8(DARV_SOURCE_DIR) + "/examples/" + nome;
    }
    TModelo &M() { return frmMalha->Modelo(); }

    // Opens the example and meshes it.
    void AbreEMalha(const char *nome = "bloco.txt") {
        roteiro.P.Arquivos.push_back(Exemplo(nome));
        frmMalha->AbrirDominio->trigger();
        roteiro.P.Respostas.push_back(true);
        frmMalha->acaoBotao("toolbReMesh")->trigger();
    }

    TPastaTeste pasta;
    TMensagensGravadas mensagens;
    TPerguntadorLigado roteiro;
    std::unique_ptr<TJanelas> janelas;
    int saidas = 0;
};
