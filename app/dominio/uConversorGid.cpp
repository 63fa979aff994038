#include "uConversorGid.h"

#include "GeometriaGid.h"
#include "Perguntador.h"
#include "uPlataforma.h"

#include <QString>

#include <exception>

namespace {
// ".txt" in any letter case.
const QString kFiltro = QStringLiteral("Text files (*.[tT][xX][tT]);;Todos os arquivos (*)");
} // namespace

QString ConverteGidParaZok(QWidget *pai) {
    IPerguntador &p = Perguntador();
    const QString origem = p.ArquivoAbrir(pai, QStringLiteral("Gid para ZOK-2D"), kFiltro);
    if (origem.isEmpty())
        return {};
    TGeometriaGid g;
    try {
        g = LeGeometriaGidArquivo(origem.toStdString());
    } catch (const EInOutError &e) {
        // Names the line of the dump that is wrong.
        p.Avisa(QString::fromStdString(e.what()));
        return {};
    } catch (const std::exception &) {
        p.Avisa(QStringLiteral("Erro ao abrir arquivo"));
        return {};
    }
    const QString destino =
        p.ArquivoSalvar(pai, QStringLiteral("Malha"), kFiltro, QStringLiteral("txt"));
    if (destino.isEmpty())
        return {};
    try {
        GravaDominioGid(g, destino.toStdString());
    } catch (const std::exception &) {
        p.Avisa(QStringLiteral("Erro ao abrir arquivo"));
        return {};
    }
    return destino;
}
