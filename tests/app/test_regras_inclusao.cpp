// The layering rules, checked on the sources: the engine never sees Qt or the program, the kit
// never sees the engine or the program, the model and the picture formats never see Qt,
// dialogs never see the model or the main window, and dialogs, message boxes and timers start
// only in base/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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

} // namespace

TEST(RegrasInclusao, CamadasNaoSeCruzam) {
    const auto app = Cabecalhos(kRaiz / "app");
    const auto kit = Cabecalhos(kRaiz / "widgets");
    const auto engine = Cabecalhos(kRaiz / "engine");
    const auto modelo = Cabecalhos(kRaiz / "app/modelo");
    std::vector<std::string> principal = {"uDARV_2D.h", "Janelas.h"};

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
        if (Nome(i.alvo, modelo) || Nome(i.alvo, principal))
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
