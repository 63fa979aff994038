#include "Figuras.h"

#include <QFileInfo>
#include <QMimeData>

#include <algorithm>

namespace {

std::vector<TFormatoArquivo> &Arquivos() {
    static std::vector<TFormatoArquivo> v;
    return v;
}

std::vector<TFormatoClipboard> &Clipboards() {
    static std::vector<TFormatoClipboard> v;
    return v;
}

} // namespace

void RegistraFormatoArquivo(const TFormatoArquivo &f) {
    auto &v = Arquivos();
    const QString ext = f.Extensao.toLower();
    v.erase(std::remove_if(v.begin(), v.end(),
                           [&](const TFormatoArquivo &e) { return e.Extensao == ext; }),
            v.end());
    TFormatoArquivo n = f;
    n.Extensao = ext;
    v.push_back(std::move(n));
}

void RemoveFormatosDaClasse(const QString &classe) {
    auto &a = Arquivos();
    a.erase(std::remove_if(a.begin(), a.end(),
                           [&](const TFormatoArquivo &e) { return e.Classe == classe; }),
            a.end());
    auto &c = Clipboards();
    c.erase(std::remove_if(c.begin(), c.end(),
                           [&](const TFormatoClipboard &e) { return e.Classe == classe; }),
            c.end());
}

const std::vector<TFormatoArquivo> &FormatosArquivo() {
    return Arquivos();
}

QString FiltroFormatos() {
    QStringList partes;
    for (const auto &f : Arquivos())
        partes << QStringLiteral("%1 (*.%2)").arg(f.Descricao, f.Extensao);
    return partes.join(QStringLiteral(";;"));
}

std::unique_ptr<TGraphic> CriaFiguraPorExtensao(const QString &arquivo) {
    const QString ext = QFileInfo(arquivo).suffix().toLower();
    for (const auto &f : Arquivos())
        if (f.Extensao == ext)
            return f.Cria();
    return nullptr;
}

void RegistraFormatoClipboard(const TFormatoClipboard &f) {
    Clipboards().push_back(f);
}

const std::vector<TFormatoClipboard> &FormatosClipboard() {
    return Clipboards();
}

std::unique_ptr<TGraphic> FiguraDoClipboard(const QMimeData &dados) {
    for (const auto &f : Clipboards())
        if (dados.hasFormat(f.Formato)) {
            auto g = f.Cria();
            g->LoadFromClipboard(dados);
            return g;
        }
    return nullptr;
}
