#include "uConfiguracoes.h"

#include "Guarda.h"
#include "Perguntador.h"
#include "uEstadoInterface.h"
#include "uPlataforma.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmConfiguracoes *frmConfiguracoes = nullptr;

namespace {

QString PastaResultados() {
    std::string p;
    try {
        p = PastaPadrao().string();
    } catch (const std::exception &) {
        p = std::filesystem::temp_directory_path().string();
    }
    return QString::fromStdString(ComSeparadorFinal(p));
}

std::string SemDigitosFinais(const std::string &s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] >= '0' && s[n - 1] <= '9')
        --n;
    return s.substr(0, n);
}

std::string Texto(const QLineEdit *e) {
    return e->text().toStdString();
}

} // namespace

bool NomesConflitam(const std::string &diretorioA, const std::string &nomeA,
                    const std::string &terminacaoA, const std::string &diretorioB,
                    const std::string &nomeB, const std::string &terminacaoB) {
    if (nomeA == nomeB)
        return true;
    return ComSeparadorFinal(diretorioA) == ComSeparadorFinal(diretorioB) &&
           terminacaoA == terminacaoB && SemDigitosFinais(nomeA) == SemDigitosFinais(nomeB);
}

std::string ComSeparadorFinal(const std::string &diretorio) {
    if (diretorio.empty())
        return diretorio;
    const char c = diretorio.back();
    if (c == '/' || c == '\\')
        return diretorio;
    return diretorio + '/';
}

TfrmConfiguracoes::TfrmConfiguracoes(QWidget *pai) : QDialog(pai) {
    setObjectName(QStringLiteral("frmConfiguracoes"));
    setWindowTitle(QStringLiteral("Configurações do Programa"));
    const QString pasta = PastaResultados();

    auto *grupo = new QGroupBox(QStringLiteral("Diretório de Resultados"), this);
    auto *lg = new QVBoxLayout(grupo);
    auto tipo = [&](const QString &titulo, const char *endereco, const char *nome,
                    const char *terminacao, const QString &stem, QLineEdit *&edE, QLineEdit *&edN,
                    QLineEdit *&edT) {
        auto *g = new QGroupBox(titulo, grupo);
        edE = new QLineEdit(pasta, g);
        edE->setObjectName(QString::fromLatin1(endereco));
        edN = new QLineEdit(stem, g);
        edN->setObjectName(QString::fromLatin1(nome));
        edT = new QLineEdit(QStringLiteral(".res"), g);
        edT->setObjectName(QString::fromLatin1(terminacao));
        edT->installEventFilter(this);
        auto *l = new QGridLayout(g);
        l->addWidget(new QLabel(QStringLiteral("Endereço: "), g), 0, 0);
        l->addWidget(edE, 0, 1, 1, 3);
        l->addWidget(new QLabel(QStringLiteral("Nome dos Arquivos: "), g), 1, 0);
        l->addWidget(edN, 1, 1);
        l->addWidget(new QLabel(QStringLiteral("Terminação:"), g), 1, 2);
        l->addWidget(edT, 1, 3);
        lg->addWidget(g);
    };
    tipo(QStringLiteral("Temperatura"), "edEnderecoTemp", "edNomeTemp", "edTerminacaoTemp",
         QStringLiteral("PassoTemp"), edEnderecoTemp, edNomeTemp, edTerminacaoTemp);
    tipo(QStringLiteral("Deformação"), "edEnderecoDeform", "edNomeDeform", "edTerminacaoDeform",
         QStringLiteral("PassoDeform"), edEnderecoDeform, edNomeDeform, edTerminacaoDeform);
    tipo(QStringLiteral("Tensão"), "edEnderecoTensao", "edNomeTensao", "edTerminacaoTensao",
         QStringLiteral("PassoTensao"), edEnderecoTensao, edNomeTensao, edTerminacaoTensao);

    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancela = new QPushButton(QStringLiteral("Cancela"), this);
    btnCancela->setObjectName(QStringLiteral("btnCancela"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);
    auto *l = new QVBoxLayout(this);
    l->addWidget(grupo);
    l->addLayout(botoes);
    resize(520, sizeHint().height());

    connect(btnOk, &QPushButton::clicked, this, [this] { Protege([this] { btnOkClick(); }); });
    connect(btnCancela, &QPushButton::clicked, this,
            [this] { Protege([this] { btnCancelaClick(); }); });
}

TfrmConfiguracoes::~TfrmConfiguracoes() {
    if (frmConfiguracoes == this)
        frmConfiguracoes = nullptr;
}

bool TfrmConfiguracoes::eventFilter(QObject *o, QEvent *e) {
    if (e->type() == QEvent::MouseButtonPress &&
        (o == edTerminacaoTemp || o == edTerminacaoDeform || o == edTerminacaoTensao))
        Perguntador().Informa(
            QStringLiteral("Aconselha-se não modificar a extensão do arquivo de saída."));
    return QDialog::eventFilter(o, e);
}

void TfrmConfiguracoes::btnOkClick() {
    const std::string dT = Texto(edEnderecoTemp), dD = Texto(edEnderecoDeform),
                      dS = Texto(edEnderecoTensao);
    const std::string nT = Texto(edNomeTemp), nD = Texto(edNomeDeform), nS = Texto(edNomeTensao);
    const std::string tT = Texto(edTerminacaoTemp), tD = Texto(edTerminacaoDeform),
                      tS = Texto(edTerminacaoTensao);
    TConfiguracoes &c = Estado().Configuracoes;
    if (NomesConflitam(dT, nT, tT, dD, nD, tD) || NomesConflitam(dT, nT, tT, dS, nS, tS) ||
        NomesConflitam(dS, nS, tS, dD, nD, tD)) {
        Perguntador().Erro(QStringLiteral("O nome dos arquivos não podem ser iguais."));
        c.FAplicado = false;
        return;
    }
    c.EnderecoTemp = ComSeparadorFinal(dT);
    c.EnderecoDeform = ComSeparadorFinal(dD);
    c.EnderecoTensao = ComSeparadorFinal(dS);
    c.NomeTemp = nT;
    c.NomeDeform = nD;
    c.NomeTensao = nS;
    c.TerminacaoTemp = tT;
    c.TerminacaoDeform = tD;
    c.TerminacaoTensao = tS;
    c.FAplicado = true;
    accept();
}

void TfrmConfiguracoes::btnCancelaClick() {
    reject();
}
