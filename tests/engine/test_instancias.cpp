// Two running instances of the program side by side: each keeps its own files.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "Instancia.h"

namespace fs = std::filesystem;

namespace {

// A second instance started with the same temporary folder.
struct TOutraInstancia {
    pid_t pid = -1;
    std::FILE *saida = nullptr;
    explicit TOutraInstancia(const std::vector<std::string> &args) {
        int tubo[2];
        if (::pipe(tubo) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(tubo[1], 1);
            ::close(tubo[0]);
            std::vector<char *> argv{const_cast<char *>(DARV_INSTANCIA_AUXILIAR)};
            for (const auto &a : args)
                argv.push_back(const_cast<char *>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(tubo[1]);
        saida = ::fdopen(tubo[0], "r");
    }
    std::string Linha() {
        char buf[4096];
        if (!saida || !std::fgets(buf, sizeof buf, saida))
            return {};
        std::string s = buf;
        if (!s.empty() && s.back() == '\n')
            s.pop_back();
        return s;
    }
    int Fim() {
        int st = 0;
        ::waitpid(pid, &st, 0);
        pid = -1;
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    void Mata() {
        ::kill(pid, SIGKILL);
        Fim();
    }
    ~TOutraInstancia() {
        if (pid > 0)
            Mata();
        if (saida)
            std::fclose(saida);
    }
};

std::string Conteudo(const fs::path &p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace

// This process is instance A: it runs, then a second instance B works on the same temporary
// folder. A's queries must read A's results (or be refused), never B's.
TEST(Instancias, TwoRunningInstancesNeverReadOrWriteEachOthersFiles) {
    const char *antes = std::getenv("TMPDIR");
    const std::string tmpdir = antes ? antes : "";
    const fs::path raiz = fs::temp_directory_path() / ("instancias_" + std::to_string(getpid()));
    fs::remove_all(raiz);
    fs::create_directories(raiz / "livre");
    setenv("TMPDIR", raiz.c_str(), 1);
    ReiniciaEstado();

    TInstanciaTermica a(20.0);
    a.analise->Executa();
    TInstanciaCamadas etapas(2);
    const fs::path pastaA = PastaPadrao();
    const std::string malhaEtapa = Conteudo(TCamadas::ArquivoMalhaEtapa(1));
    const int elementosEtapa = etapas.camadas->GetEtapa(1)->GetMalha()->GetNumElementos();
    auto resultadosDeA = [&](const std::string &caso) {
        EXPECT_EQ(Conteudo(TCamadas::ArquivoMalhaEtapa(1)), malhaEtapa) << caso;
        etapas.camadas->CarregaMalhaEtapa(1);
        EXPECT_EQ(etapas.camadas->GetEtapa(1)->GetMalha()->GetNumElementos(), elementosEtapa)
            << caso;
        TVetor v;
        for (double t : {6.0, 12.0, 18.0, 24.0}) {
            a.analise->LeResultados(v, t);
            for (int i = 1; i <= v.GetTamanho(); ++i)
                ASSERT_NEAR(v[i], 20.0, 1e-9) << caso << " t " << t << " node " << i;
        }
    };

    struct Caso {
        const char *nome;
        std::vector<std::string> args;
        bool recusado; // B is told that A's folder is in use
    };
    const Caso casos[] = {
        {"B runs with its defaults", {"termica", "35"}, false},
        {"B generates stage meshes", {"etapas", "6"}, false},
        {"B runs in A's folder", {"termica", "35", pastaA.string()}, true},
    };
    for (const Caso &c : casos) {
        TOutraInstancia b(c.args);
        const std::string pastaB = b.Linha(), resultado = b.Linha();
        EXPECT_NE(fs::path(pastaB), pastaA) << c.nome;
        EXPECT_EQ(fs::path(pastaB).parent_path(), raiz) << c.nome;
        if (c.recusado) {
            EXPECT_EQ(resultado, "ERRO: " + MensagemPastaDeOutraInstancia(pastaA)) << c.nome;
            EXPECT_EQ(b.Fim(), 2) << c.nome;
        } else {
            EXPECT_EQ(resultado, "pronto") << c.nome;
            EXPECT_EQ(b.Fim(), 0) << c.nome;
        }
        resultadosDeA(c.nome);
    }

    // A folder held by a live instance is refused; once that instance is killed it is free.
    {
        const fs::path livre = raiz / "livre";
        TOutraInstancia b({"termica", "35", livre.string(), "espera"});
        b.Linha();
        ASSERT_EQ(b.Linha(), "pronto");
        try {
            TTravaPasta trava(livre);
            ADD_FAILURE() << "a live instance's folder was taken";
        } catch (const Exception &e) {
            EXPECT_EQ(e.what(), MensagemPastaDeOutraInstancia(livre));
        }
        b.Mata();
        EXPECT_NO_THROW(TTravaPasta trava(livre));
    }

    etapas.camadas.reset();
    a.analise.reset();
    ReiniciaEstado();
    if (antes)
        setenv("TMPDIR", tmpdir.c_str(), 1);
    else
        unsetenv("TMPDIR");
    fs::remove_all(raiz);
}
