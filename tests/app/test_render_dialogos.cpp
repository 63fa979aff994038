// Every data-entry dialog lays out within a small screen; with DARV_PNG_DIR set the pictures are
// saved there to be looked at.
#include "uCondicoesIniciais.h"
#include "uForcaExterna.h"
#include "uForcaInterna.h"
#include "uFuncaoDiscreta.h"
#include "uGradienteConjugados.h"
#include "uMateriais.h"
#include "uMaturidade.h"
#include "uPrescricoes.h"
#include "uTempo.h"
#include "uUnidades.h"
#include "uUsuario.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

void Renderiza(QDialog &d, const char *nome, const std::function<void()> &aberto = {}) {
    d.show();
    if (aberto)
        aberto();
    d.adjustSize();
    // Charts lay out their axes from queued events.
    QApplication::processEvents();
    const QPixmap p = d.grab();
    d.hide();
    EXPECT_FALSE(p.isNull()) << nome;
    EXPECT_LE(p.width(), 1024) << nome;
    EXPECT_LE(p.height(), 740) << nome;
    if (const char *pasta = std::getenv("DARV_PNG_DIR"))
        p.save(QDir(QString::fromLocal8Bit(pasta)).filePath(QString::fromLatin1(nome) + ".png"));
}

} // namespace

TEST(RenderDialogos, CabemNaTela) {
    TfrmUnidades unidades;
    Renderiza(unidades, "unidades");
    TfrmMateriais materiais;
    Renderiza(materiais, "materiais");
    auto *paginas = materiais.findChild<QTabWidget *>("pclMateriais");
    ASSERT_NE(paginas, nullptr);
    Renderiza(materiais, "materiais_mecanicas", [&] { paginas->setCurrentIndex(1); });
    Renderiza(materiais, "materiais_resistencia", [&] { paginas->setCurrentIndex(2); });
    auto *pgUnidades = unidades.findChild<QTabWidget *>("pclUnidades");
    Renderiza(unidades, "unidades_condutividade", [&] { pgUnidades->setCurrentIndex(6); });
    TfrmMaturidade maturidade;
    Renderiza(maturidade, "maturidade");
    TfrmForcaInterna forcaInterna;
    Renderiza(forcaInterna, "forca_interna");
    TfrmUsuario usuario;
    Renderiza(usuario, "usuario",
              [&] { usuario.findChild<QAbstractButton *>("btnTestar")->click(); });
    TfrmFuncaoDiscreta funcao;
    Renderiza(funcao, "funcao_discreta", [&] {
        for (auto [x, y] : {std::pair{"0", "0"}, std::pair{"24", "30"}, std::pair{"12", "21"},
                            std::pair{"72", "38"}}) {
            funcao.findChild<QLineEdit *>("edX")->setText(x);
            funcao.findChild<QLineEdit *>("edY")->setText(y);
            funcao.findChild<QAbstractButton *>("btnAdicionar")->click();
        }
    });
    TfrmForcaExterna forcaExterna;
    Renderiza(forcaExterna, "forca_externa");
    TfrmTempo tempo;
    Renderiza(tempo, "tempo");
    TfrmGradienteConjugados gradiente;
    Renderiza(gradiente, "gradiente");
    TfrmCondicoesIniciais iniciais;
    Renderiza(iniciais, "condicoes_iniciais");
    TfrmPrescricoes prescricoes;
    Renderiza(prescricoes, "prescricoes");
}

#include "uCamadas.h"
#include "uCriaDominio.h"
#include "uDefInicial.h"
#include "uDeformInicial.h"
#include "uFluencia.h"
#include "uForcaExternaDistr.h"
#include "uGerentedeRetracao.h"
#include "uGravidade.h"

TEST(RenderDialogos, ApoiosCargasCamadasFluenciaRetracao) {
    TfrmDefInicial apoios;
    Renderiza(apoios, "DefInicial");
    TfrmForcaExternaDistr carga;
    Renderiza(carga, "ForcaExternaDistr");
    TfrmGravidade gravidade;
    Renderiza(gravidade, "Gravidade");
    TfrmFluencia fluencia;
    Renderiza(fluencia, "Fluencia");
    TfrmEEfetivo efetivo;
    Renderiza(efetivo, "EEfetivo");
    TfrmFuncaoBureauReclamation bureau;
    Renderiza(bureau, "FuncaoBureauReclamation");
    TfrmCoefFluenciaACI aci;
    Renderiza(aci, "CoefFluenciaACI");
    TfrmGerentedeRetracao retracao;
    Renderiza(retracao, "GerentedeRetracao");
    TfrmRetracaoCEB ceb;
    Renderiza(ceb, "RetracaoCEB");
    TfrmRetracaoBazant bazant;
    Renderiza(bazant, "RetracaoBazant");
    TfrmCriaDominio vertices;
    Renderiza(vertices, "CriaDominio");
    TfrmDeformInicial deform;
    TfrmCamadas camadas;
    camadas.SetDeformInicial(&deform);
    camadas.Adiciona();
    Renderiza(camadas, "Camadas");
    Renderiza(deform, "DeformInicial");
}
