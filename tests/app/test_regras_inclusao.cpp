// The layering rules, checked on the sources: the engine never sees Qt or the program, the kit
// never sees the engine or the program, the model and the picture formats never see Qt,
// dialogs never see the model, no folder of the program sees the main window or its neighbours,
// no two units include each other even through others, and dialogs, message boxes and timers
// start only in base/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TInclusao {
    std::string arquivo;
    int linha;
    std::string alvo;
};

std::vector<fs::path> Fontes(const fs::path &pasta) {
    std::vector<fs::path> r;
    if (!fs::exists(pasta))
        return r;
    for (const auto &e : fs::recursive_directory_iterator(pasta)) {
        const auto ext = e.path().extension();
        if (e.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            r.push_back(e.path());
    }
    return r;
}

std::vector<TInclusao> Inclusoes(const fs::path &pasta) {
    static const std::regex inc(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::vector<TInclusao> r;
    for (const auto &f : Fontes(pasta)) {
        std::ifstream in(f);
        std::string l;
        int n = 0;
        std::smatch m;
        while (std::getline(in, l)) {
            ++n;
            if (std::regex_search(l, m, inc))
                r.push_back({f.string(), n, m[1]});
        }
    }
    return r;
}

// Every header name (without folder) found under `pasta`.
std::vector<std::string> Cabecalhos(const fs::path &pasta) {
    std::vector<std::string> r;
    for (const auto &f : Fontes(pasta))
        if (f.extension() == ".h")
            r.push_back(f.filename().string());
    return r;
}

bool EhQt(const std::string &alvo) {
    return alvo.rfind("Q", 0) == 0 || alvo.rfind("qt", 0) == 0 ||
           alvo.find("/Q") != std::string::npos;
}

bool Nome(const std::string &alvo, const std::vector<std::string> &nomes) {
    const std::string base = fs::path(alvo).filename().string();
    for (const auto &n : nomes)
        if (n == base)
            return true;
    return false;
}

std::string Lista(const std::vector<TInclusao> &v) {
    std::string s;
    for (const auto &i : v)
        s += i.arquivo + ":" + std::to_string(i.linha) + " includes " + i.alvo + "\n";
    return s;
}

const fs::path kRaiz = DARV_SOURCE_DIR;

// Source texts by path relative to the root.
using TFontes = std::map<std::string, std::string>;
using TCiclo = std::vector<std::string>;

// The groups of units (a unit: a.h with a.cpp, named by its path without extension) that reach
// each other through includes; an include names a header by its file name.
std::vector<TCiclo> CiclosDeUnidades(const TFontes &fontes) {
    static const std::regex inc(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    const auto unidade = [](const std::string &f) {
        return fs::path(f).replace_extension().string();
    };
    std::map<std::string, std::string> cabecalhos;
    for (const auto &[f, texto] : fontes)
        if (fs::path(f).extension() == ".h")
            cabecalhos[fs::path(f).filename().string()] = unidade(f);
    std::map<std::string, std::set<std::string>> arestas;
    for (const auto &[f, texto] : fontes) {
        const std::string u = unidade(f);
        auto &saida = arestas[u];
        std::istringstream in(texto);
        std::string l;
        std::smatch m;
        while (std::getline(in, l))
            if (std::regex_search(l, m, inc)) {
                const auto c = cabecalhos.find(fs::path(m[1].str()).filename().string());
                if (c != cabecalhos.end() && c->second != u)
                    saida.insert(c->second);
            }
    }
    // Strongly connected components (Tarjan); those of one unit are no cycle.
    std::map<std::string, int> indice, baixo;
    std::vector<std::string> pilha;
    std::set<std::string> naPilha;
    std::vector<TCiclo> ciclos;
    std::function<void(const std::string &)> visita = [&](const std::string &v) {
        indice[v] = baixo[v] = int(indice.size());
        pilha.push_back(v);
        naPilha.insert(v);
        for (const auto &w : arestas[v]) {
            if (!indice.count(w)) {
                visita(w);
                baixo[v] = std::min(baixo[v], baixo[w]);
            } else if (naPilha.count(w)) {
                baixo[v] = std::min(baixo[v], indice[w]);
            }
        }
        if (baixo[v] != indice[v])
            return;
        TCiclo c;
        std::string w;
        do {
            w = pilha.back();
            pilha.pop_back();
            naPilha.erase(w);
            c.push_back(w);
        } while (w != v);
        if (c.size() > 1) {
            std::sort(c.begin(), c.end());
            ciclos.push_back(c);
        }
    };
    for (const auto &[u, saida] : arestas)
        if (!indice.count(u))
            visita(u);
    std::sort(ciclos.begin(), ciclos.end());
    return ciclos;
}

std::string Lista(const std::vector<TCiclo> &ciclos) {
    std::string s;
    for (const auto &c : ciclos) {
        for (const auto &u : c)
            s += u + " ";
        s += "\n";
    }
    return s;
}

} // namespace

TEST(RegrasInclusao, CamadasNaoSeCruzam) {
    const auto app = Cabecalhos(kRaiz / "app");
    const auto kit = Cabecalhos(kRaiz / "widgets");
    const auto engine = Cabecalhos(kRaiz / "engine");
    const auto modelo = Cabecalhos(kRaiz / "app/modelo");
    // The main window and the units beside it, above every folder of the program.
    std::vector<std::string> principal;
    std::vector<fs::path> pastas;
    for (const auto &e : fs::directory_iterator(kRaiz / "app")) {
        if (e.is_directory())
            pastas.push_back(e.path());
        else if (e.path().extension() == ".h")
            principal.push_back(e.path().filename().string());
    }

    std::vector<TInclusao> ruins;
    for (const auto &i : Inclusoes(kRaiz / "engine"))
        if (EhQt(i.alvo) || Nome(i.alvo, app) || Nome(i.alvo, kit))
            ruins.push_back(i);
    for (const auto &i : Inclusoes(kRaiz / "widgets"))
        if (Nome(i.alvo, engine) || Nome(i.alvo, app))
            ruins.push_back(i);
    for (const auto *p : {"app/modelo", "widgets/formatos", "widgets/nucleo"})
        for (const auto &i : Inclusoes(kRaiz / p))
            if (EhQt(i.alvo))
                ruins.push_back(i);
    for (const auto &i : Inclusoes(kRaiz / "app/dialogos"))
        if (Nome(i.alvo, modelo))
            ruins.push_back(i);
    for (const auto &p : pastas)
        for (const auto &i : Inclusoes(p))
            if (Nome(i.alvo, principal))
                ruins.push_back(i);
    EXPECT_TRUE(ruins.empty()) << Lista(ruins);
}

TEST(RegrasInclusao, DialogosETemporizadoresSoEmBase) {
    // Constructs that open a modal loop, a message box, a file dialog or start a timer.
    static const std::regex proibido(
        R"(QMessageBox|QFileDialog|QColorDialog|QFontDialog|QInputDialog|\.exec\(\)|->exec\(\)|QTimer|startTimer\()");
    std::vector<TInclusao> ruins;
    for (const auto *p : {"app", "widgets"}) {
        for (const auto &f : Fontes(kRaiz / p)) {
            const std::string s = f.string();
            if (s.find("/base/") != std::string::npos || f.filename() == "main.cpp")
                continue;
            std::ifstream in(f);
            std::string l;
            int n = 0;
            while (std::getline(in, l)) {
                ++n;
                if (std::regex_search(l, proibido))
                    ruins.push_back({s, n, l});
            }
        }
    }
    EXPECT_TRUE(ruins.empty()) << Lista(ruins);
}

TEST(RegrasInclusao, CiclosDeUnidadesSaoAchados) {
    const struct {
        TFontes fontes;
        std::vector<TCiclo> ciclos;
    } casos[] = {
        // Each source of a unit counts; a folder in the include changes nothing.
        {{{"x/a.h", ""},
          {"x/a.cpp", "#include \"a.h\"\n#include \"b.h\"\n"},
          {"x/b.h", ""},
          {"x/b.cpp", "  # include \"x/a.h\"\n"}},
         {{"x/a", "x/b"}}},
        // Through a third unit.
        {{{"a.h", "#include <b.h>\n"},
          {"b.h", "#include \"c.h\"\n"},
          {"c.h", ""},
          {"c.cpp", "#include \"a.h\"\n"}},
         {{"a", "b", "c"}}},
        // Down only; outside headers are no units.
        {{{"a.h", "#include \"b.h\"\n#include <QWidget>\n"},
          {"a.cpp", "#include \"a.h\"\n"},
          {"b.h", "#include <vector>\n"}},
         {}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(CiclosDeUnidades(c.fontes), c.ciclos);
}

TEST(RegrasInclusao, UnidadesNaoSeIncluemEmCiclo) {
    TFontes fontes;
    for (const auto *p : {"engine", "app", "widgets", "curvefit"})
        for (const auto &f : Fontes(kRaiz / p)) {
            std::ifstream in(f);
            std::stringstream texto;
            texto << in.rdbuf();
            fontes[fs::relative(f, kRaiz).generic_string()] = texto.str();
        }
    const std::vector<TCiclo> ciclos = CiclosDeUnidades(fontes);
    EXPECT_TRUE(ciclos.empty()) << Lista(ciclos);
}
