#include "Icone.h"

#include "ArquivoIcone.h"
#include "ErrosFormato.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

namespace {

std::string_view Vista(const QByteArray &b) {
    return {b.constData(), std::size_t(b.size())};
}

} // namespace

int TIcon::Width() const {
    return Empty() ? 0 : LeArquivoIcone(Vista(FDados)).Imagens.front().Largura;
}

int TIcon::Height() const {
    return Empty() ? 0 : LeArquivoIcone(Vista(FDados)).Imagens.front().Altura;
}

void TIcon::SetWidth(int) {
    throw EInvalidGraphic("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphic("Cannot change the size of an icon");
}

QImage TIcon::Imagem() const {
    if (FImagem.isNull() && !Empty()) {
        QBuffer b;
        b.setData(FDados);
        b.open(QIODevice::ReadOnly);
        QImageReader leitor(&b, "ICO");
        FImagem = leitor.read();
    }
    return FImagem;
}

void TIcon::Draw(QPainter &p, const QRect &destino) const {
    const QImage img = Imagem();
    if (!img.isNull())
        p.drawImage(destino, img);
}

void TIcon::LoadFromStream(const QByteArray &dados) {
    if (dados.isEmpty()) {
        FDados.clear();
    } else {
        const std::vector<std::uint8_t> icone = ComoIcone(Vista(dados));
        FDados = QByteArray(reinterpret_cast<const char *>(icone.data()), qsizetype(icone.size()));
    }
    FImagem = QImage();
    Changed();
}

void TIcon::LoadFromResource(const QString &nome) {
    QFile f(QStringLiteral(":/icones/") + nome + QStringLiteral(".ico"));
    if (!f.open(QIODevice::ReadOnly))
        throw EInvalidGraphic("Resource " + nome.toStdString() + " not found");
    LoadFromStream(f.readAll());
}

void TIcon::SaveToClipboard(QMimeData &dados) const {
    if (Empty())
        return;
    dados.setData(kFormatoClipboardIcone, FDados);
    dados.setImageData(Imagem());
}

void TIcon::LoadFromClipboard(const QMimeData &dados) {
    if (!dados.hasFormat(kFormatoClipboardIcone))
        throw EInvalidGraphic("Unsupported clipboard format");
    LoadFromStream(dados.data(kFormatoClipboardIcone));
}

void TIcon::Assign(const TIcon &outro) {
    if (&outro == this)
        return;
    FDados = outro.FDados;
    FImagem = outro.FImagem;
    Changed();
}
