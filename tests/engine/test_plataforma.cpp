#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Referencias.h"
#include "uPlataforma.h"

TEST(NumberText, ReadsRealsWithEitherSeparatorAndRejectsGarbage) {
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5 ", '.'), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-2,25", ','), -2.25);
    EXPECT_DOUBLE_EQ(StrToFloat("+1e3", '.'), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat(".5", '.'), 0.5);
    for (const char *bad : {"", "abc", "1.2.3", "1,5", "1e", "inf", "nan", "1 2", "--1"}) {
        try {
            StrToFloat(bad, '.');
            ADD_FAILURE() << bad;
        } catch (const EConvertError &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' não é um número real válido");
        }
    }
    EXPECT_THROW(StrToFloat("1e999", '.'), EConvertError);
    EXPECT_EQ(StrToInt(" 42"), 42);
    EXPECT_THROW(StrToInt("4.2"), EConvertError);
    EXPECT_THROW(StrToInt("99999999999"), EConvertError);
}

TEST(NumberText, GeneralFormatWith15Digits) {
    EXPECT_EQ(FloatToStr(0.0, '.'), "0");
    EXPECT_EQ(FloatToStr(0.1, '.'), "0.1");
    EXPECT_EQ(FloatToStr(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(FloatToStr(-2.5, ','), "-2,5");
    EXPECT_EQ(FloatToStr(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15, '.'), "1E15");
    EXPECT_EQ(FloatToStr(1e20, '.'), "1E20");
    EXPECT_EQ(FloatToStr(0.0001, '.'), "0.0001");
    EXPECT_EQ(FloatToStr(1.5e-7, '.'), "1.5E-7");
    EXPECT_EQ(FloatToStr(100.0, '.'), "100");
    EXPECT_DOUBLE_EQ(Arredonda15(0.1 + 0.2), 0.3);
}

TEST(NumberText, FixedWidthForms) {
    EXPECT_EQ(FormatFixo(3.14159, 8, 4), "  3.1416");
    EXPECT_EQ(FormatFixo(-3.14159, 8, 4, ','), " -3,1416");
    EXPECT_EQ(FormatFixo(123456.5, 8, 4), "123456.5000");
    EXPECT_EQ(FormatFixo(2.0, 0, 2), "2.00");
    std::string s;
    AppendInteiro(s, 12, 5);
    EXPECT_EQ(s, "   12");
    const double x = 0.1 + 0.2;
    EXPECT_EQ(StrToFloat(FloatToStrExato(x), '.'), x);
}

TEST(FloatingPointErrors, CheckedOperationsThrowThePlatformMessages) {
    EXPECT_THROW(Divide(1.0, 0.0), EZeroDivide);
    EXPECT_THROW(Divide(0.0, 0.0), EInvalidOp);
    EXPECT_THROW(RaizQuadrada(-1.0), EInvalidOp);
    EXPECT_DOUBLE_EQ(Divide(1.0, 4.0), 0.25);
    try {
        Divide(1.0, 0.0);
    } catch (const EMathError &e) {
        EXPECT_STREQ(e.what(), "Divisão por zero em ponto flutuante");
    }
}

TEST(Files, SafeWriteReplacesOnlyOnConfirmAndReaderHandlesCrlf) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "darv_test_plataforma";
    fs::create_directories(dir);
    fs::path f = dir / "a.txt";
    EscreveArquivo(f, "um\r\ndois\nultima");
    {
        TArquivoSeguro w(f);
        w.Escreve("parcial");
        // destroyed without Confirma: the old file stays
    }
    TLeitorTexto r(f);
    std::string_view l;
    ASSERT_TRUE(r.LeLinha(l));
    EXPECT_EQ(l, "um");
    ASSERT_TRUE(r.LeLinha(l));
    EXPECT_EQ(l, "dois");
    ASSERT_TRUE(r.LeLinha(l));
    EXPECT_EQ(l, "ultima");
    EXPECT_FALSE(r.LeLinha(l));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_THROW(TLeitorTexto(dir / "missing.txt"), EInOutError);
    EXPECT_THROW(TArquivoSeguro(dir / "no" / "such" / "folder.txt"), EInOutError);
    fs::remove_all(dir);

    auto campos = Campos("  1  2.5\t-3 \r");
    ASSERT_EQ(campos.size(), 3u);
    EXPECT_EQ(campos[2], "-3");
}

TEST(Files, SafeWriteIgnoresPlantedLinksAndSaysWhyItFailed) {
    namespace fs = std::filesystem;
    // Many links are planted: in memory when the system offers it.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path dir = base / ("darv_test_links_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path vitima = dir / "vitima.txt", alvo = dir / "alvo.txt";
    EscreveArquivo(vitima, "intacto");
    // Links at every name a predictable temporary name could take (process id and a counter,
    // which earlier writes of this process may have advanced).
    for (int i = 0; i < 20000; ++i)
        fs::create_symlink(
            vitima, dir / ("alvo.txt.tmp" + std::to_string(getpid()) + "_" + std::to_string(i)));
    for (const char *nome : {"alvo.txt.tmp", "alvo.txt~", "alvo.tmp"})
        fs::create_symlink(vitima, dir / nome);
    const auto antes = std::distance(fs::directory_iterator(dir), fs::directory_iterator());
    for (int i = 0; i < 5; ++i)
        EscreveArquivo(alvo, "novo " + std::to_string(i));
    TLeitorTexto v(vitima), a(alvo);
    std::string_view l;
    ASSERT_TRUE(v.LeLinha(l));
    EXPECT_EQ(l, "intacto");
    ASSERT_TRUE(a.LeLinha(l));
    EXPECT_EQ(l, "novo 4");
    EXPECT_FALSE(fs::is_symlink(alvo));
    // Nothing is left behind, also by writes that fail.
    {
        TArquivoSeguro w(alvo);
        w.Escreve("parcial");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), antes + 1);

    try {
        TArquivoSeguro w(dir / "nao" / "existe.txt");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("existe.txt"), std::string::npos) << m;
        EXPECT_NE(m.find("Arquivo ou pasta inexistente"), std::string::npos) << m;
    }
    // A target that is a folder: the rename fails, says why, and removes its temporary file.
    fs::create_directories(dir / "pasta.txt" / "dentro");
    try {
        EscreveArquivo(dir / "pasta.txt", "x");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_NE(std::string(e.what()).find("pasta.txt: "), std::string::npos) << e.what();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), antes + 2);
    fs::remove_all(dir);
}

TEST(Folders, AResultFolderHoldsOneRunAtATime) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("darv_test_trava_" + std::to_string(getpid()));
    fs::create_directories(dir);
    {
        TTravaPasta primeira(dir);
        try {
            TTravaPasta segunda(dir);
            ADD_FAILURE() << "no error";
        } catch (const Exception &e) {
            EXPECT_STREQ(e.what(), kPastaEmUso);
        }
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / ".darv_2d.trava"))); // leaves nothing behind
    TTravaPasta depois(dir); // released with the first run
    EXPECT_TRUE(fs::exists(dir / ".darv_2d.trava"));
    fs::remove_all(dir);
}

// A run whose lock cannot be taken is refused with the reason, never run unlocked.
TEST(Folders, ARunIsRefusedWithTheReasonWhenItsLockCannotBeTaken) {
    namespace fs = std::filesystem;
    const fs::path raiz =
        fs::temp_directory_path() / ("darv_test_trava_ruim_" + std::to_string(getpid()));
    fs::remove_all(raiz);
    struct Caso {
        const char *nome;
        void (*prepara)(const fs::path &pasta);
        const char *motivo;
    };
    const Caso casos[] = {
        {"link", [](const fs::path &d) { fs::create_symlink(d / "alvo", d / ".darv_2d.trava"); },
         "é um link"},
        {"pasta", [](const fs::path &d) { fs::create_directory(d / ".darv_2d.trava"); },
         "é uma pasta"},
        {"fifo", [](const fs::path &d) { ::mkfifo((d / ".darv_2d.trava").c_str(), 0600); },
         "não é um arquivo comum"},
        {"sem pasta", [](const fs::path &d) { fs::remove(d); }, "a pasta não existe"},
    };
    for (const Caso &c : casos) {
        const fs::path d = raiz / c.nome;
        fs::create_directories(d);
        c.prepara(d);
        try {
            TTravaPasta trava(d);
            ADD_FAILURE() << c.nome << ": run not refused";
        } catch (const Exception &e) {
            const std::string m = e.what();
            EXPECT_EQ(m.rfind("Não foi possível travar a pasta de resultados \"" + d.string(), 0),
                      0u)
                << m;
            EXPECT_NE(m.find(c.motivo), std::string::npos) << m;
        }
        EXPECT_FALSE(fs::exists(d / "alvo")) << c.nome;
    }
    fs::remove_all(raiz);
}

// A lock file that exists but cannot be opened is named in the refusal; the folder is blamed
// only when the lock file cannot be made. Checked by a process without root's rights.
TEST(Folders, ARefusedLockNamesTheLockFileWhenItIsTheLockFileThatCannotBeOpened) {
    namespace fs = std::filesystem;
    const fs::path raiz =
        fs::temp_directory_path() / ("darv_test_trava_ilegivel_" + std::to_string(getpid()));
    fs::remove_all(raiz);
    struct Caso {
        const char *nome, *arquivo; // the lock file made unreadable, or none
        std::string motivo;
    };
    const Caso casos[] = {
        {"run lock", ".darv_2d.trava", "não pode ser aberto (Permissão negada)"},
        {"instance lock", ".darv_2d.instancia", "não pode ser aberto (Permissão negada)"},
        {"folder", nullptr, "sem permissão para gravar na pasta"},
    };
    for (const Caso &c : casos) {
        const fs::path d = raiz / c.nome;
        fs::create_directories(d);
        if (c.arquivo) {
            std::ofstream(d / c.arquivo) << "";
            fs::permissions(d / c.arquivo, fs::perms::none);
            fs::permissions(d, fs::perms::all);
        } else {
            fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
        }
    }
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::close(tubo[0]);
        if (::getuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
             ::setresuid(65534, 65534, 65534) != 0))
            ::_exit(3);
        std::string saida;
        for (const Caso &c : casos) {
            try {
                TTravaPasta trava(raiz / c.nome);
                saida += "travou";
            } catch (const std::exception &e) {
                saida += e.what();
            }
            saida += '\n';
        }
        const ssize_t n = ::write(tubo[1], saida.data(), saida.size());
        ::_exit(n == ssize_t(saida.size()) ? 0 : 4);
    }
    ::close(tubo[1]);
    std::string lido;
    char buf[4096];
    for (ssize_t n; (n = ::read(tubo[0], buf, sizeof buf)) > 0;)
        lido.append(buf, std::size_t(n));
    ::close(tubo[0]);
    int st = 0;
    ::waitpid(filho, &st, 0);
    ASSERT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0) << st;
    std::istringstream linhas(lido);
    for (const Caso &c : casos) {
        std::string m;
        std::getline(linhas, m);
        const fs::path d = raiz / c.nome;
        std::string esperado = c.motivo;
        if (c.arquivo)
            esperado = "o arquivo de trava \"" + (d / c.arquivo).string() + "\" " + c.motivo;
        EXPECT_EQ(m, "Não foi possível travar a pasta de resultados \"" + d.string() +
                         "\": " + esperado + ".")
            << c.nome;
    }
    fs::remove_all(raiz);
}

// Temporary files of a killed writer go with the next run in their folder; those of live
// processes and files of other naming stay.
TEST(Folders, ARunRemovesOnlyTheTemporaryFilesOfDeadProcesses) {
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("darv_test_restos_" + std::to_string(getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    // A writer killed while it writes: its temporary file stays behind.
    const pid_t morto = ::fork();
    if (morto == 0) {
        TArquivoSeguro w(d / "Passo1.res");
        w.Escreve("parcial");
        ::_exit(0);
    }
    int st = 0;
    ::waitpid(morto, &st, 0);
    std::vector<fs::path> restos;
    for (const auto &e : fs::directory_iterator(d))
        restos.push_back(e.path());
    ASSERT_EQ(restos.size(), 1u);
    const std::string m = std::to_string(morto), vivo = std::to_string(getppid()),
                      eu = std::to_string(getpid());
    struct Caso {
        std::string nome;
        bool fica;
    };
    const Caso casos[] = {
        {restos[0].filename().string(), false},
        {"Passo2.res.tmp" + m + "-0123456789abcdef", false},
        {"Passo2.res.tmp" + vivo + "-0123456789abcdef", true}, // its writer lives
        {"Passo2.res.tmp" + eu + "-0123456789abcdef", true},
        {"Passo2.res.tmp0123456789abcdef", true}, // no owner in the name
        {"Passo2.res.tmp" + m, true},
        {"Passo2.res.tmp" + m + "-0123456789abcdeg", true},
        {"Passo2.res.tmp" + m + "-0123456789abcdef.bak", true},
        {"Passo2.res", true},
        {"dados.txt", true},
    };
    for (const Caso &c : casos)
        if (!fs::exists(d / c.nome))
            std::ofstream(d / c.nome) << "x";
    fs::create_symlink(d / "dados.txt", d / ("Passo3.res.tmp" + m + "-0123456789abcdef"));
    { TTravaPasta trava(d); }
    for (const Caso &c : casos)
        EXPECT_EQ(fs::exists(d / c.nome), c.fica) << c.nome;
    EXPECT_TRUE(fs::is_symlink(d / ("Passo3.res.tmp" + m + "-0123456789abcdef")));
    fs::remove_all(d);
}

TEST(Folders, DefaultFolderIsCreatedPrivate) {
    auto p = PastaPadrao();
    EXPECT_TRUE(std::filesystem::is_directory(p));
    EXPECT_NE(p.filename().string().find("zok2d-"), std::string::npos);
}

// The default folder lies in the shared temporary folder: one that others may enter is closed.
TEST(Folders, DefaultFolderMustBeAPrivateDirectoryOfThisUser) {
    namespace fs = std::filesystem;
    const char *antes = std::getenv("TMPDIR");
    const std::string tmpdir = antes ? antes : "";
    const fs::path raiz = fs::temp_directory_path() / ("pasta_padrao_" + std::to_string(getpid()));
    fs::remove_all(raiz);
    fs::create_directories(raiz);
    setenv("TMPDIR", raiz.c_str(), 1);

    const fs::path p = PastaPadrao();
    EXPECT_EQ(p.parent_path(), raiz);
    EXPECT_EQ(fs::status(p).permissions(), fs::perms::owner_all);
    fs::permissions(p, fs::perms::all);
    EXPECT_EQ(PastaPadrao(), p);
    EXPECT_EQ(fs::status(p).permissions(), fs::perms::owner_all);

    if (antes)
        setenv("TMPDIR", tmpdir.c_str(), 1);
    else
        unsetenv("TMPDIR");
    fs::remove_all(raiz);
}

TEST(PlatformMessages, ConversionAndFileErrorsSpeakPortuguese) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("darv_msg_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    EscreveArquivo(dir / "grande.txt", std::string(64, 'x'));
    const struct {
        std::function<void()> falha;
        std::string mensagem;
    } casos[] = {
        {[] { StrToFloat("abc", '.'); }, "'abc' não é um número real válido"},
        {[] { StrToInt("4.2"); }, "'4.2' não é um número inteiro válido"},
        {[] { Divide(0.0, 0.0); }, "Operação de ponto flutuante inválida"},
        {[&] { TLeitorTexto l(dir / "falta.txt"); }, "Não foi possível abrir o arquivo"},
        {[&] { TLeitorTexto l(dir); },
         "Não foi possível abrir o arquivo " + dir.string() + ": É uma pasta"},
        {[&] { TLeitorTexto l(dir / "grande.txt", 10); }, "Não foi possível ler o arquivo " +
                                                              (dir / "grande.txt").string() +
                                                              ": Arquivo grande demais"},
        {[&] { TArquivoSeguro a(dir / "nao" / "a.txt"); }, "Não foi possível criar o arquivo " +
                                                               (dir / "nao" / "a.txt").string() +
                                                               ": Arquivo ou pasta inexistente"},
        {[&] {
             TLeitorTexto l(dir / "grande.txt");
             std::string_view s;
             l.LeLinha(s);
             l.Erro("x");
         },
         (dir / "grande.txt").string() + ", linha 1: x"},
    };
    for (const auto &c : casos) {
        try {
            c.falha();
            ADD_FAILURE() << c.mensagem;
        } catch (const std::exception &e) {
            EXPECT_EQ(std::string(e.what()).substr(0, c.mensagem.size()), c.mensagem);
        }
    }
    fs::remove_all(dir);
}
