#include "uPrescricoes.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TfrmPrescricoes *frmPrescricoes = nullptr;

TfrmPrescricoes::TfrmPrescricoes(QWidget *pai) : TDialogoNos(QStringLiteral("Prescrições"), pai) {
    auto *g = new QGridLayout;
    edTodoDominio = CriaEdit(this, "edTodoDominio", TextoPadrao("24,0"));
    edTempoInicial = CriaEdit(this, "edTempoInicial", QStringLiteral("0"),
                              QStringLiteral("Início da vigência da temp. prescrita"));
    edTempoFinal = CriaEdit(this, "edTempoFinal", QStringLiteral("2400"),
                            QStringLiteral("Fim da vigência da temp. prescrita"));
    stxTemperatura = CriaRotulo(this, "stxTemperatura");
    stxTempoI = CriaRotulo(this, "stxTempoI");
    stxTempoF = CriaRotulo(this, "stxTempoF");
    Linha(g, 0, QStringLiteral("Temperatura :"), edTodoDominio, stxTemperatura);
    Linha(g, 1, QStringLiteral("Inicial"), edTempoInicial, stxTempoI);
    Linha(g, 2, QStringLiteral("Final"), edTempoFinal, stxTempoF);
    Monta(g);
}

void TfrmPrescricoes::AoMostrar() {
    TDialogoNos::AoMostrar();
    stxTemperatura->setText(SimboloUnidade(TGrandeza::Temperatura));
    stxTempoI->setText(SimboloUnidade(TGrandeza::Tempo));
    stxTempoF->setText(SimboloUnidade(TGrandeza::Tempo));
}

void TfrmPrescricoes::Aplica() {
    double ti = 0, tf = 0, t = 0;
    auto falha = [this] {
        edTodoDominio->setFocus();
        throw EAbortSilencioso{};
    };
    if (!TentaLeReal(edTempoInicial->text(), ti) || !TentaLeReal(edTempoFinal->text(), tf))
        falha();
    if (ti < 0 && tf >= 0) {
        Perguntador().Informa(QStringLiteral("Não existe tempo NEGATIVO."));
        return;
    }
    if (ti > tf) {
        Perguntador().Informa(
            QStringLiteral("O tempo inicial não pode ser maior que o tempo final."));
        EscreveCampo(edTempoInicial, tf);
        EscreveCampo(edTempoFinal, ti);
        return;
    }
    if (!TentaLeReal(edTodoDominio->text(), t))
        falha();
    if (FOnConfirmar)
        FOnConfirmar(t, ti, tf);
}

bool TfrmPrescricoes::Confirma() {
    Aplica();
    return true;
}
