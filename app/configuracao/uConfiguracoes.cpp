#include "uConfiguracoes.h"

#include "Perguntador.h"
#include "fem/ArquivosPasso.h"
#include "uPlataforma.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <set>
#include <vector>

#include <sys/stat.h>

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

std::string Texto(const QLineEdit *e) {
    return e->text().toStdString();
}

// The names of one kind: stem, step number (1, 2, ...) and extension. States of the matcher:
// the stem's characters, the first digit, further digits, the extension's characters, the end.
// A move reads one character (0-255), any digit but zero (kNaoZero) or any digit (kDigito).
constexpr int kNaoZero = 256, kDigito = 257;

struct TPadraoNome {
    std::string Nome, Terminacao;
    int Fim() const { return int(Nome.size() + Terminacao.size()) + 2; }
    // The move out of state k (none at the end), and whether the digits may end there.
    int Leitura(int k) const {
        const int n = int(Nome.size());
        if (k < n)
            return static_cast<unsigned char>(Nome[std::size_t(k)]);
        if (k == n)
            return kNaoZero;
        if (k == n + 1)
            return kDigito;
        if (k < Fim())
            return static_cast<unsigned char>(Terminacao[std::size_t(k - n - 2)]);
        return -1;
    }
    int Proximo(int k) const { return k == int(Nome.size()) + 1 ? k : k + 1; }
    // States reached without reading: past the digits into the extension.
    std::vector<int> Fecho(int k) const {
        if (k == int(Nome.size()) + 1)
            return {k, k + 1};
        return {k};
    }
};

bool Compativeis(int a, int b) {
    auto digito = [](int c) { return c >= '0' && c <= '9'; };
    if (a < 256 && b < 256)
        return a == b;
    if (a < 256)
        return b == kDigito ? digito(a) : digito(a) && a != '0';
    if (b < 256)
        return a == kDigito ? digito(b) : digito(b) && b != '0';
    return true;
}

// Some step of one kind has the file name of some step of the other.
bool NomesSeEncontram(const TPadraoNome &a, const TPadraoNome &b) {
    std::set<std::pair<int, int>> vistos;
    std::vector<std::pair<int, int>> pilha;
    auto visita = [&](int i, int j) {
        for (int x : a.Fecho(i))
            for (int y : b.Fecho(j))
                if (vistos.insert({x, y}).second)
                    pilha.emplace_back(x, y);
    };
    visita(0, 0);
    while (!pilha.empty()) {
        const auto [i, j] = pilha.back();
        pilha.pop_back();
        if (i == a.Fim() && j == b.Fim())
            return true;
        const int la = a.Leitura(i), lb = b.Leitura(j);
        if (la >= 0 && lb >= 0 && Compativeis(la, lb))
            visita(a.Proximo(i), b.Proximo(j));
    }
    return false;
}

// The folder as the system will resolve it, with a final separator.
std::string PastaResolvida(const std::string &diretorio) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::path(diretorio), ec);
    if (ec)
        p = fs::path(diretorio).lexically_normal();
    return ComSeparadorFinal(p.string());
}

// The folder exists as a folder, or is made, owner-only like the default one. Empty when fine,
// else the reason in the user's words.
QString PreparaPasta(const std::string &diretorio) {
    namespace fs = std::filesystem;
    const QString nome = QString::fromStdString(diretorio);
    fs::path atual;
    for (const fs::path &parte : fs::path(diretorio).lexically_normal()) {
        if (parte.empty())
            continue;
        atual /= parte;
        struct stat st {};
        if (::stat(atual.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return QStringLiteral("%1 não é uma pasta.")
                    .arg(QString::fromStdString(atual.string()));
            continue;
        }
        if (errno != ENOENT || ::mkdir(atual.c_str(), 0700) != 0)
            return QStringLiteral("Não foi possível criar a pasta %1: %2.")
                .arg(nome, QString::fromLocal8Bit(std::strerror(errno)));
    }
    return QString();
}

// Some step of the kind would be named like a stage file of the layered model.
bool NomeDeArquivoDeEtapa(const std::string &diretorio, const std::string &nome,
                          const std::string &terminacao) {
    std::string padrao;
    try {
        padrao = PastaPadrao().string();
    } catch (const std::exception &) {
        return false; // no default folder, so no stage files
    }
    if (PastaResolvida(diretorio) != PastaResolvida(padrao))
        return false;
    for (const char *etapa : kNomesArquivosEtapa)
        if (NomesSeEncontram({nome, terminacao}, {etapa, kTerminacaoEtapa}))
            return true;
    return false;
}

} // namespace

bool NomesConflitam(const std::string &diretorioA, const std::string &nomeA,
                    const std::string &terminacaoA, const std::string &diretorioB,
                    const std::string &nomeB, const std::string &terminacaoB) {
    if (nomeA == nomeB)
        return true;
    return PastaResolvida(diretorioA) == PastaResolvida(diretorioB) &&
           NomesSeEncontram({nomeA, terminacaoA}, {nomeB, terminacaoB});
}

std::string ComSeparadorFinal(const std::string &diretorio) {
    if (diretorio.empty())
        return diretorio;
    const char c = diretorio.back();
    if (c == '/' || c == '\\')
        return diretorio;
    return diretorio + '/';
}

TfrmConfiguracoes::TfrmConfiguracoes(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Configurações do Programa"), pai) {
    setObjectName(QStringLiteral("frmConfiguracoes"));
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

    auto *l = new QVBoxLayout(this);
    l->addWidget(grupo);
    CriaBotoes(l, QStringLiteral("Ok"), QStringLiteral("Cancela"));
    btnOk = BotaoOk();
    btnCancela = findChild<QPushButton *>(QStringLiteral("btnCancelar"));
    btnCancela->setObjectName(QStringLiteral("btnCancela"));
    resize(520, sizeHint().height());
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

bool TfrmConfiguracoes::Confirma() {
    QLineEdit *const enderecos[] = {edEnderecoTemp, edEnderecoDeform, edEnderecoTensao};
    QLineEdit *const nomes[] = {edNomeTemp, edNomeDeform, edNomeTensao};
    QLineEdit *const terminacoes[] = {edTerminacaoTemp, edTerminacaoDeform, edTerminacaoTensao};
    std::string d[3], n[3], t[3];
    for (int i = 0; i < 3; ++i) {
        d[i] = Texto(enderecos[i]);
        n[i] = Texto(nomes[i]);
        t[i] = Texto(terminacoes[i]);
    }
    // Everything is checked before anything is fired: a refused Ok keeps the names in force.
    for (int i = 0; i < 3; ++i) {
        QString erro;
        if (enderecos[i]->text().trimmed().isEmpty())
            erro = QStringLiteral("Informe a pasta dos arquivos de resultados.");
        else if (!std::filesystem::path(d[i]).is_absolute())
            erro = QStringLiteral("A pasta dos arquivos de resultados deve ser um caminho "
                                  "completo, começando por \"/\".");
        else if (n[i].find('/') != std::string::npos || t[i].find('/') != std::string::npos)
            erro = QStringLiteral("O nome e a terminação dos arquivos não podem conter \"/\".");
        if (!erro.isEmpty()) {
            Perguntador().Erro(erro);
            enderecos[i]->setFocus();
            return false;
        }
    }
    if (NomesConflitam(d[0], n[0], t[0], d[1], n[1], t[1]) ||
        NomesConflitam(d[0], n[0], t[0], d[2], n[2], t[2]) ||
        NomesConflitam(d[2], n[2], t[2], d[1], n[1], t[1])) {
        Perguntador().Erro(QStringLiteral("O nome dos arquivos não podem ser iguais."));
        return false;
    }
    for (int i = 0; i < 3; ++i)
        if (NomeDeArquivoDeEtapa(d[i], n[i], t[i])) {
            Perguntador().Erro(QStringLiteral(
                "Os arquivos de resultados não podem ter os nomes dos arquivos das etapas "
                "(MalhaEtapa, ElementosEtapa e ElementosEtapaDeform) na pasta padrão."));
            nomes[i]->setFocus();
            return false;
        }
    for (const std::string &pasta : d)
        if (const QString erro = PreparaPasta(pasta); !erro.isEmpty()) {
            Perguntador().Erro(erro);
            return false;
        }
    Dispara();
    return true;
}

TArquivosResultado TfrmConfiguracoes::Arquivos() const {
    TArquivosResultado a;
    a.EnderecoTemp = ComSeparadorFinal(Texto(edEnderecoTemp));
    a.EnderecoDeform = ComSeparadorFinal(Texto(edEnderecoDeform));
    a.EnderecoTensao = ComSeparadorFinal(Texto(edEnderecoTensao));
    a.NomeTemp = Texto(edNomeTemp);
    a.NomeDeform = Texto(edNomeDeform);
    a.NomeTensao = Texto(edNomeTensao);
    a.TerminacaoTemp = Texto(edTerminacaoTemp);
    a.TerminacaoDeform = Texto(edTerminacaoDeform);
    a.TerminacaoTensao = Texto(edTerminacaoTensao);
    return a;
}

void TfrmConfiguracoes::Dispara() {
    Entrega(Arquivos());
}
