#include "KitGIF.h"

#include "AniFile.h"
#include "ErrosFormato.h"
#include "KitBitmap.h"
#include "KitGraph.h"

#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>

#include <cerrno>

namespace {

// Why a file could not be opened or written, in Portuguese: from the system's error number the
// failed call left (cleared before it), else Qt's own text.
std::string Motivo(int erro, const QFileDevice &f) {
    switch (erro) {
    case ENOENT:
        return "Arquivo ou pasta inexistente";
    case EACCES:
    case EPERM:
        return "Permissão negada";
    case EISDIR:
        return "É uma pasta";
    case ENOTDIR:
        return "Não é uma pasta";
    case ENOSPC:
        return "Não há espaço no dispositivo";
    case EDQUOT:
        return "Cota de disco excedida";
    case EROFS:
        return "Sistema de arquivos somente para leitura";
    case EMFILE:
    case ENFILE:
        return "Arquivos abertos demais";
    case ENAMETOOLONG:
        return "Nome de arquivo longo demais";
    default:
        return f.errorString().toStdString();
    }
}

std::string_view Vista(const QByteArray &b) {
    return {b.constData(), std::size_t(b.size())};
}

QByteArray ComTamanho(const QByteArray &dados) {
    QByteArray r;
    const quint32 n = quint32(dados.size());
    for (int i = 0; i < 4; ++i)
        r.append(char((n >> (8 * i)) & 0xFF));
    return r + dados;
}

// The bytes after a 32-bit size that must fit in what is there.
QByteArray SemTamanho(const QByteArray &bloco) {
    if (bloco.size() < 4)
        throw EInvalidGraphic(textos_gif::kLeitura);
    quint32 n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | quint8(bloco[i]);
    if (n > quint32(bloco.size() - 4))
        throw EInvalidGraphic(textos_gif::kLeitura);
    return bloco.mid(4, int(n));
}

} // namespace

int TGIFImage::Width() const {
    return Empty() ? 0 : FConteudo.Dados->Largura;
}

int TGIFImage::Height() const {
    return Empty() ? 0 : FConteudo.Dados->Altura;
}

void TGIFImage::SetWidth(int) {
    throw EInvalidGraphic(textos_gif::kTamanho);
}

void TGIFImage::SetHeight(int) {
    throw EInvalidGraphic(textos_gif::kTamanho);
}

void TGIFImage::SetFrameIndex(int i) {
    if (i < 0 || i >= FrameCount())
        throw EInvalidGraphic("List index out of bounds (" + std::to_string(i) + ")");
    FConteudo.FrameAtual = i;
    Changed();
}

QImage TGIFImage::FrameImage(int i, bool recortaTransparente) const {
    if (i < 0 || i >= FrameCount())
        return QImage();
    TGIFFrame &f = FConteudo.Frames[std::size_t(i)];
    if (!f.Bitmap)
        FConteudo.Decodifica(i, OnProgress);
    QImage img = ImagemDoBitmap(*f.Bitmap);
    if (recortaTransparente && f.IndiceTransparente >= 0 && !img.isNull()) {
        img = img.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto *q = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (f.Bitmap->Indice(x, y) == f.IndiceTransparente)
                    q[x] = 0;
        }
    }
    return img;
}

void TGIFImage::Draw(QPainter &p, const QRect &destino) const {
    const int i = FConteudo.FrameAtual;
    if (i < 0 || i >= FrameCount())
        return;
    bool algumTransparente = false;
    for (const auto &f : FConteudo.Frames)
        algumTransparente = algumTransparente || f.CorTransparente != kCorNenhuma;
    const QImage img = FrameImage(i, Transparent() && algumTransparente);
    p.drawImage(destino, img);
}

void TGIFImage::LoadFromStream(const QByteArray &dados) {
    FConteudo.Le(Vista(dados), OnProgress);
    Changed();
}

QByteArray TGIFImage::SaveToStream() const {
    const std::vector<std::uint8_t> b = FConteudo.Escreve(OnProgress);
    return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
}

void TGIFImage::LoadFromFile(const QString &arquivo) {
    QFile f(arquivo);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        const std::string motivo = Motivo(errno, f);
        throw EInvalidGraphic("Não foi possível abrir o arquivo \"" + arquivo.toStdString() +
                              "\". " + motivo);
    }
    LoadFromStream(f.readAll());
}

void TGIFImage::SaveToFile(const QString &arquivo) const {
    const QByteArray dados = SaveToStream();
    QSaveFile f(arquivo);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size() || !f.commit()) {
        const std::string motivo = Motivo(errno, f);
        throw EInvalidGraphic("Não foi possível criar o arquivo \"" + arquivo.toStdString() +
                              "\". " + motivo);
    }
}

void TGIFImage::ReadData(const QByteArray &bloco) {
    LoadFromStream(SemTamanho(bloco));
}

QByteArray TGIFImage::WriteData() const {
    return ComTamanho(SaveToStream());
}

void TGIFImage::SaveToClipboard(QMimeData &dados) const {
    if (Empty())
        return;
    dados.setData(kFormatoClipboardGIF, WriteData());
    dados.setImageData(FrameImage(0));
}

void TGIFImage::LoadFromClipboard(const QMimeData &dados) {
    if (dados.hasFormat(kFormatoClipboardGIF)) {
        // The GIF block is read without decoding; a bitmap beside it gives the first frame's
        // picture.
        const QByteArray gif = SemTamanho(dados.data(kFormatoClipboardGIF));
        TGIFConteudo c;
        c.Le(Vista(gif), OnProgress, false);
        if (dados.hasImage() && !c.Frames.empty()) {
            const QImage img = qvariant_cast<QImage>(dados.imageData());
            if (!img.isNull()) {
                TBitmapBM b = BitmapDaImagem(img);
                if (b.Bits() == 24)
                    b = ConverteBitmap(b, 8, MetodoReducaoPadrao());
                c.Frames[0].Bitmap = std::move(b);
            }
        }
        FConteudo = std::move(c);
        Changed();
        return;
    }
    if (dados.hasImage()) {
        Assign(qvariant_cast<QImage>(dados.imageData()));
        return;
    }
    throw EInvalidGraphic("Unsupported clipboard format");
}

void TGIFImage::Assign(const TGIFImage &outro) {
    if (&outro == this)
        return;
    // Own copies: later writes to either picture leave the other as it was.
    FConteudo.Dados = std::make_shared<TGIFData>(*outro.FConteudo.Dados);
    FConteudo.Frames = outro.FConteudo.Frames;
    for (TGIFFrame &f : FConteudo.Frames)
        f.Item = std::make_shared<TGIFItem>(*f.Item);
    FConteudo.FrameAtual = outro.FConteudo.FrameAtual;
    FConteudo.Repete = outro.FConteudo.Repete;
    FConteudo.NumRepeticoes = outro.FConteudo.NumRepeticoes;
    FConteudo.Versao = outro.FConteudo.Versao;
    Changed();
}

void TGIFImage::Assign(const TGIFImage &origem, int frame) {
    if (frame < 0 || frame >= origem.FrameCount())
        throw EInvalidGraphic("List index out of bounds (" + std::to_string(frame) + ")");
    TGIFFrame f = origem.FConteudo.Frames[std::size_t(frame)];
    f.Item = std::make_shared<TGIFItem>(*f.Item);
    // The copy takes the colours it decodes with as its own table.
    if (!f.TabelaPropria) {
        f.Item->TabelaCores = origem.FConteudo.TabelaDoFrame(frame);
        f.TabelaPropria = true;
    }
    f.Esquerda = f.Topo = 0;
    FConteudo.Limpa();
    FConteudo.AdicionaFrame(f);
    FConteudo.Dados->Largura = f.Largura();
    FConteudo.Dados->Altura = f.Altura();
    Changed();
}

int TGIFImage::AddImage(const QImage &imagem) {
    TBitmapBM b = BitmapDaImagem(imagem);
    if (b.Bits() == 24)
        b = ConverteBitmap(b, 8, MetodoReducaoPadrao());
    const int i = FConteudo.AdicionaBitmap(b, OnProgress);
    FConteudo.Dados->Largura = std::max(FConteudo.Dados->Largura, b.Largura());
    FConteudo.Dados->Altura = std::max(FConteudo.Dados->Altura, b.Altura());
    Changed();
    return i;
}

void TGIFImage::Assign(const QImage &imagem) {
    FConteudo.Limpa();
    AddImage(imagem);
}

void TGIFImage::Assign(const TAnimatedCursorImage &cursor) {
    FConteudo.Limpa();
    for (int i = 0; i < cursor.Count(); ++i) {
        const TIconFrame &q = cursor.Frames(i);
        QImage img(std::max(q.Width, 1), std::max(q.Height, 1), QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            q.Icon().Draw(p, img.rect());
        }
        const int k = AddImage(img);
        FConteudo.Frames[std::size_t(k)].Intervalo = int(std::uint64_t(q.Rate) * 100 / 6);
    }
    Changed();
}

void TGIFImage::Clear() {
    FConteudo.Limpa();
    Changed();
}

void RegistraKitGIF() {
    const QString classe = QStringLiteral("TGIFImage");
    auto cria = [] { return std::make_unique<TGIFImage>(); };
    RegistraFormatoArquivo(
        {QStringLiteral("gif"), QString::fromUtf8(textos_gif::kDescricao), classe, cria});
    RegistraFormatoClipboard({kFormatoClipboardGIF, classe, cria});
}

void RemoveKitGIF() {
    RemoveFormatosDaClasse(QStringLiteral("TGIFImage"));
}
