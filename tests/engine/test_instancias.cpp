// Two running instances of the program side by side: each keeps its own files.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
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

// A temporary folder of its own for the instances of one case (TMPDIR for this process and the
// ones it starts); the engine state is made again by the caller once the folder is prepared.
struct TTemporariaPropria {
    fs::path raiz;
    std::string antes;
    bool tinha;
    explicit TTemporariaPropria(const std::string &nome) {
        const char *t = std::getenv("TMPDIR");
        tinha = t != nullptr;
        antes = t ? t : "";
        raiz = fs::temp_directory_path() / (nome + "_" + std::to_string(getpid()));
        fs::remove_all(raiz);
        fs::create_directories(raiz);
        setenv("TMPDIR", raiz.c_str(), 1);
    }
    ~TTemporariaPropria() {
        if (tinha)
            setenv("TMPDIR", antes.c_str(), 1);
        else
            unsetenv("TMPDIR");
        ReiniciaEstado();
        fs::remove_all(raiz);
    }
    // The default folder's n-th name (1, 2, ...).
    fs::path Nome(int n) const {
        const passwd *pw = getpwuid(getuid());
        const std::string base =
            "zok2d-" + std::string(pw ? pw->pw_name : std::to_string(getuid()));
        return raiz / (n == 1 ? base : base + "-" + std::to_string(n));
    }
};

} // namespace

// A lock file that cannot be held (a folder, a FIFO or a link at its path) makes its folder
// another instance's: A takes the next name, a second instance B the one after, and A's stage
// meshes stay A's. When no name is left the reason is given.
TEST(Instancias, AFolderWhoseLockFileCannotBeHeldIsPassedOver) {
    struct Caso {
        const char *nome;
        void (*prepara)(const fs::path &trava);
        const char *motivo;
    };
    const Caso casos[] = {
        {"pasta", [](const fs::path &t) { fs::create_directory(t); }, "é uma pasta"},
        {"fifo", [](const fs::path &t) { ::mkfifo(t.c_str(), 0600); }, "não é um arquivo comum"},
        {"link", [](const fs::path &t) { fs::create_symlink(t.parent_path() / "alvo", t); },
         "é um link"},
    };
    for (const Caso &c : casos) {
        {
            TTemporariaPropria tmp(std::string("trava_ruim_") + c.nome);
            fs::create_directory(tmp.Nome(1));
            fs::permissions(tmp.Nome(1), fs::perms::owner_all);
            c.prepara(tmp.Nome(1) / ".darv_2d.instancia");
            ReiniciaEstado();
            TInstanciaCamadas etapas(2);
            EXPECT_EQ(PastaPadrao(), tmp.Nome(2)) << c.nome;
            const std::string malha = Conteudo(TCamadas::ArquivoMalhaEtapa(1));
            TOutraInstancia b({"etapas", "6"});
            EXPECT_EQ(fs::path(b.Linha()), tmp.Nome(3)) << c.nome;
            EXPECT_EQ(b.Linha(), "pronto") << c.nome;
            EXPECT_EQ(b.Fim(), 0) << c.nome;
            EXPECT_TRUE(Conteudo(TCamadas::ArquivoMalhaEtapa(1)) == malha) << c.nome;
            EXPECT_FALSE(fs::exists(tmp.Nome(1) / "alvo")) << c.nome;
        }
        TTemporariaPropria tmp(std::string("trava_ruim_todas_") + c.nome);
        for (int n = 1; n <= 100; ++n) {
            fs::create_directory(tmp.Nome(n));
            fs::permissions(tmp.Nome(n), fs::perms::owner_all);
            c.prepara(tmp.Nome(n) / ".darv_2d.instancia");
        }
        try {
            PastaPadrao();
            ADD_FAILURE() << c.nome << ": a folder was used unheld";
        } catch (const EInOutError &e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("Nenhuma pasta livre"), std::string::npos) << m;
            EXPECT_NE(m.find((tmp.Nome(1) / ".darv_2d.instancia").string() + "\" " + c.motivo),
                      std::string::npos)
                << m;
        }
    }
}

// A's lock file is aged or removed while A runs (as a cleaner of old temporary files does). A
// keeps its times fresh; if nobody took the folder meanwhile A makes it again and goes on (so a
// later instance goes elsewhere); if B took it, A refuses its results there, never reads B's.
TEST(Instancias, ALockFileRemovedWhileRunningIsNoticedBeforeResultsAreUsed) {
    struct Caso {
        const char *nome;
        bool removida, bTomaAPasta;
    };
    const Caso casos[] = {
        {"aged", false, false},
        {"removed, nobody came", true, false},
        {"removed, B took the folder", true, true},
    };
    for (const Caso &c : casos) {
        TTemporariaPropria tmp("trava_removida");
        ReiniciaEstado();
        TInstanciaTermica a(20.0);
        a.analise->Executa();
        const fs::path pastaA = PastaPadrao(), trava = pastaA / ".darv_2d.instancia";
        const timespec velho[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, trava.c_str(), velho, 0), 0);
        if (c.removida)
            fs::remove(trava);
        // A's two kinds of query: the field at a time, a node's history.
        const std::function<double()> consultas[] = {[&] {
                                                         TVetor v;
                                                         a.analise->LeResultados(v, 24.0);
                                                         return v[1];
                                                     },
                                                     [&] {
                                                         TVetor h;
                                                         a.analise->HistoricoNo(h, 1);
                                                         return h[h.GetTamanho()];
                                                     }};
        auto leA = [&] {
            std::vector<double> r;
            for (const auto &q : consultas)
                r.push_back(q());
            return r;
        };
        if (c.bTomaAPasta) {
            TOutraInstancia b({"termica", "35"});
            EXPECT_EQ(fs::path(b.Linha()), pastaA) << c.nome;
            EXPECT_EQ(b.Linha(), "pronto") << c.nome;
            EXPECT_EQ(b.Fim(), 0) << c.nome;
            for (const auto &q : consultas)
                try {
                    ADD_FAILURE() << c.nome << ": read " << q();
                } catch (const Exception &e) {
                    EXPECT_EQ(e.what(), MensagemPastaPerdida(pastaA)) << c.nome;
                }
            continue;
        }
        EXPECT_EQ(leA(), (std::vector<double>{20.0, 20.0})) << c.nome;
        struct stat st {};
        EXPECT_EQ(::stat(trava.c_str(), &st), 0) << c.nome;
        EXPECT_GT(st.st_mtime, 1000000000 + 86400) << c.nome;
        TOutraInstancia b({"termica", "35"});
        EXPECT_NE(fs::path(b.Linha()), pastaA) << c.nome;
        EXPECT_EQ(b.Linha(), "pronto") << c.nome;
        EXPECT_EQ(b.Fim(), 0) << c.nome;
        EXPECT_EQ(leA(), (std::vector<double>{20.0, 20.0})) << c.nome;
    }
}

// A name of the default folder that is not a private folder of this user (another user's
// folder, a link, a file) is passed over: a second instance takes the next name and its layered
// model works there.
TEST(Instancias, ADefaultFolderNameThatIsNotThisUsersIsPassedOver) {
    struct Caso {
        const char *nome;
        bool (*prepara)(const fs::path &pasta); // false: cannot be made by this user
    };
    const Caso casos[] = {
        {"another user's",
         [](const fs::path &p) {
             fs::create_directory(p);
             return ::chown(p.c_str(), 65534, 65534) == 0;
         }},
        {"link",
         [](const fs::path &p) {
             fs::create_directory_symlink(p.parent_path(), p);
             return true;
         }},
        {"file",
         [](const fs::path &p) {
             std::ofstream(p) << "x";
             return true;
         }},
    };
    for (const Caso &c : casos) {
        TTemporariaPropria tmp("nome_alheio");
        if (!c.prepara(tmp.Nome(1))) {
            std::printf("case \"%s\" needs root; not checked\n", c.nome);
            continue;
        }
        TOutraInstancia b({"etapas", "2"});
        EXPECT_EQ(fs::path(b.Linha()), tmp.Nome(2)) << c.nome;
        EXPECT_EQ(b.Linha(), "pronto") << c.nome;
        EXPECT_EQ(b.Fim(), 0) << c.nome;
        EXPECT_TRUE(fs::exists(tmp.Nome(2) / "MalhaEtapa1.res")) << c.nome;
    }
}

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
