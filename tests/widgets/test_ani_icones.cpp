// Animated cursors built chunk by chunk with tiny icons, the icon list's stream and updates,
// and icons through the clipboard.
#include "AniFile.h"
#include "ClipIcon.h"
#include "CursorAnimado.h"
#include "ErrosFormato.h"
#include "IcoList.h"
#include "KitGIF.h"
#include "ListaIconesFluxo.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using Bytes = std::vector<std::uint8_t>;

void P16(Bytes &b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void P32(Bytes &b, std::uint32_t v) {
    P16(b, v & 0xFFFF);
    P16(b, v >> 16);
}

// A 4x4 icon (or cursor, with a hot spot in the directory) of 4 bits whose pixels all show
// palette entry 1 = `cor`.
Bytes Icone(std::uint32_t cor, int tipo = 1, int pontoX = 9, int pontoY = 7) {
    Bytes img;
    P32(img, 40);
    P32(img, 4);
    P32(img, 8); // height with the mask
    P16(img, 1);
    P16(img, 4);
    P32(img, 0);
    P32(img, 0);
    P32(img, 0);
    P32(img, 0);
    P32(img, 0);
    P32(img, 0);
    for (int i = 0; i < 16; ++i)
        P32(img, i == 1 ? cor : 0);
    for (int y = 0; y < 4; ++y)
        P32(img, 0x11110000u >> 16 | 0x1111u); // 4 pixels of index 1, padded to 4 bytes
    for (int y = 0; y < 4; ++y)
        P32(img, 0); // AND mask: opaque
    Bytes b;
    P16(b, 0);
    P16(b, unsigned(tipo));
    P16(b, 1);
    b.push_back(4);
    b.push_back(4);
    b.push_back(16);
    b.push_back(0);
    if (tipo == 2) {
        P16(b, unsigned(pontoX));
        P16(b, unsigned(pontoY));
    } else {
        P16(b, 1);
        P16(b, 4);
    }
    P32(b, std::uint32_t(img.size()));
    P32(b, 22);
    b.insert(b.end(), img.begin(), img.end());
    return b;
}

Bytes Pedaco(const std::string &id, const Bytes &dados) {
    Bytes b(id.begin(), id.end());
    P32(b, std::uint32_t(dados.size()));
    b.insert(b.end(), dados.begin(), dados.end());
    if (dados.size() & 1)
        b.push_back(0);
    return b;
}

Bytes Lista(const std::string &tipo, const std::vector<Bytes> &pedacos) {
    Bytes d(tipo.begin(), tipo.end());
    for (const auto &p : pedacos)
        d.insert(d.end(), p.begin(), p.end());
    return Pedaco("LIST", d);
}

Bytes Anih(std::uint32_t frames, std::uint32_t passos, std::uint32_t taxa, std::uint32_t flags,
           int extra = 0, int tamanho = 36) {
    Bytes d;
    for (std::uint32_t v : {36u, frames, passos, 4u, 4u, 4u, 1u, taxa, flags})
        P32(d, v);
    d.resize(std::size_t(tamanho + extra), 0xEE);
    return Pedaco("anih", d);
}

Bytes Riff(const std::vector<Bytes> &pedacos) {
    Bytes d = {'A', 'C', 'O', 'N'};
    for (const auto &p : pedacos)
        d.insert(d.end(), p.begin(), p.end());
    Bytes b = {'R', 'I', 'F', 'F'};
    P32(b, std::uint32_t(d.size()));
    b.insert(b.end(), d.begin(), d.end());
    return b;
}

Bytes Um32(std::uint32_t v) {
    Bytes b;
    P32(b, v);
    return b;
}

QByteArray Q(const Bytes &b) {
    return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
}

TCursorAnimado Le(const Bytes &b) {
    return LeCursorAnimado({reinterpret_cast<const char *>(b.data()), b.size()});
}

const std::uint32_t kVermelho = 0x00FF0000, kAzul = 0x000000FF, kVerde = 0x0000FF00;

} // namespace

TEST(CursorAnimado, CabecalhoTaxasSequenciaEInformacoes) {
    Bytes oito;
    for (std::uint32_t v : {11u, 12u, 13u, 14u, 15u, 16u, 17u, 18u})
        P32(oito, v);
    Bytes nome = {'g', 'i', 'r', 'o'};
    nome.push_back('!'); // odd size: a pad byte follows
    const Bytes b =
        Riff({Anih(3, 3, 10, 3, 8), Pedaco("rate", oito), Pedaco("seq ", Um32(2)),
              Lista("INFO", {Pedaco("INAM", nome), Pedaco("IART", {'e', 'u'})}),
              Lista("fram", {Pedaco("icon", Icone(kVermelho)), Pedaco("icon", Icone(kAzul, 2)),
                             Pedaco("icon", Icone(kVerde)), Pedaco("icon", Icone(kVerde))})});
    const TCursorAnimado a = Le(b);
    EXPECT_EQ(a.Titulo, "giro!");
    EXPECT_EQ(a.Autor, "eu");
    // Frame 0 shows icon 2 (sequence), frames 1 and 2 icons 1 and 2; icon 0 is named by no
    // frame and icon 3 by none either: each becomes a frame of index -1.
    ASSERT_EQ(a.Quadros.size(), 5u);
    EXPECT_EQ(a.Quadros[0].IndiceIcone, 2);
    EXPECT_EQ(a.Quadros[0].Taxa, 11u); // only the rate chunk's first value, for frame 0
    EXPECT_EQ(a.Quadros[1].Taxa, 10u);
    EXPECT_EQ(a.Quadros[3].IndiceIcone, -1);
    EXPECT_EQ(a.Quadros[3].Taxa, 10u);
    EXPECT_EQ(a.Cabecalho.Passos, 5u);
    EXPECT_EQ(a.Cores, 16);
    // The cursor's icon was retyped: type 1, planes 1 and its real depth, not the hot spot.
    const Bytes &c = a.Quadros[1].Icone;
    EXPECT_EQ(c[2], 1);
    EXPECT_EQ(c[6 + 4], 1);
    EXPECT_EQ(c[6 + 6], 4);
    EXPECT_EQ(a.Quadros[1].Bits, 4);
    EXPECT_EQ(a.Quadros[1].Largura, 4);
    EXPECT_EQ(a.Quadros[1].Altura, 4);
}

TEST(CursorAnimado, Erros) {
    auto erro = [](const Bytes &b) {
        try {
            Le(b);
            return std::string("no error");
        } catch (const EReadError &e) {
            return std::string(e.what());
        }
    };
    const Bytes icones = Lista("fram", {Pedaco("icon", Icone(kVermelho))});
    EXPECT_EQ(erro(Riff({Anih(1, 1, 6, 1, 0, 30), icones})), "Stream read error");
    EXPECT_EQ(erro(Riff({Anih(1, 1, 6, 2), icones})), "Stream read error"); // no icon flag
    EXPECT_EQ(erro(Riff({Anih(1, 0, 6, 1), icones})), "Stream read error"); // no steps
    EXPECT_EQ(erro(Riff({Anih(1, 1, 6, 1)})), "Stream read error");         // no icons
    EXPECT_EQ(erro(Riff({Anih(4000000000u, 1, 6, 1), icones})), "Stream read error");
    Bytes fora = Icone(kVermelho);
    fora[18] = 200; // image offset beyond the icon's bytes
    EXPECT_EQ(erro(Riff({Anih(1, 1, 6, 1), Lista("fram", {Pedaco("icon", fora)})})),
              "Stream read error");
    Bytes naoAcon = Riff({Anih(1, 1, 6, 1), icones});
    naoAcon[8] = 'X';
    EXPECT_EQ(erro(naoAcon), "Stream read error");
    EXPECT_EQ(erro(Riff({Anih(1, 1, 6, 1), icones})), "no error");

    // Every truncation reads or reports, never reads outside what is there.
    const Bytes bom = Riff({Anih(2, 2, 6, 3), Pedaco("seq ", Um32(1)), icones,
                            Lista("fram", {Pedaco("icon", Icone(kAzul))})});
    int lidos = 0;
    for (std::size_t n = 0; n <= bom.size(); ++n)
        if (erro(Bytes(bom.begin(), bom.begin() + std::ptrdiff_t(n))) == "no error")
            ++lidos;
    EXPECT_GT(lidos, 0);
}

// Frames that all show one large icon are bounded together: a small file cannot ask for
// hundreds of megabytes once its icons are copied and decoded.
TEST(CursorAnimado, TotalDosQuadrosLimitado) {
    // The 4x4 icon's own header declaring 1024 x 1024 (4 MB decoded).
    Bytes grande = Icone(kVermelho);
    for (int i = 0; i < 4; ++i) {
        grande[26 + std::size_t(i)] = std::uint8_t(1024u >> (8 * i));
        grande[30 + std::size_t(i)] = std::uint8_t(2048u >> (8 * i));
    }
    struct Caso {
        std::uint32_t quadros;
        bool aceito;
    };
    for (const Caso &c : {Caso{4, true}, Caso{40, false}}) {
        SCOPED_TRACE(c.quadros);
        std::vector<Bytes> pedacos = {Anih(c.quadros, c.quadros, 10, 3)};
        for (std::uint32_t i = 0; i < c.quadros; ++i)
            pedacos.push_back(Pedaco("seq ", Um32(0)));
        pedacos.push_back(Lista("fram", {Pedaco("icon", grande)}));
        const Bytes b = Riff(pedacos);
        if (c.aceito) {
            const TCursorAnimado a = Le(b);
            EXPECT_EQ(a.Quadros.size(), std::size_t(c.quadros)); // every frame shows icon 0
        } else {
            EXPECT_THROW(Le(b), EReadError);
        }
    }
}

// Every "anih" chunk makes frames: together they are bounded by the bytes after each, so
// repeated headers cannot multiply the frame list past what the file can hold.
TEST(CursorAnimado, CabecalhosRepetidosLimitados) {
    const Bytes icones = Lista("fram", {Pedaco("icon", Icone(kVermelho))});
    struct Caso {
        int cabecalhos;
        std::uint32_t quadros; // of each header; 0: as many as the bytes after it allow
        bool aceito;
    };
    for (const Caso &c : {Caso{2, 2, true}, Caso{2, 0, false}, Caso{200, 0, false}}) {
        SCOPED_TRACE(c.cabecalhos);
        // Each header as large as the bytes after it allow, every frame counted on its own.
        std::vector<Bytes> pedacos;
        const std::size_t tamanhoAnih = Anih(1, 1, 6, 1).size();
        for (int i = 0; i < c.cabecalhos; ++i) {
            const std::size_t depois = (c.cabecalhos - 1 - i) * tamanhoAnih + icones.size();
            const std::uint32_t n = c.quadros ? c.quadros : std::uint32_t(depois / 8);
            pedacos.push_back(Anih(n, 1, 6, 1));
        }
        pedacos.push_back(icones);
        const Bytes b = Riff(pedacos);
        if (c.aceito)
            EXPECT_EQ(Le(b).Quadros.size(), 1u); // frame 0 has the file's only icon
        else
            EXPECT_THROW(Le(b), EReadError);
    }
}

TEST(CursorAnimado, ImagemFaixaEGif) {
    const Bytes b =
        Riff({Anih(2, 2, 6, 1), Pedaco("rate", Um32(12)),
              Lista("fram", {Pedaco("icon", Icone(kVermelho)), Pedaco("icon", Icone(kAzul))})});
    TAnimatedCursorImage a;
    a.LoadFromStream(Q(b));
    ASSERT_EQ(a.Count(), 2);
    EXPECT_THROW(a.Frames(2), EListError);
    QByteArray s;
    EXPECT_THROW(a.SaveToStream(s), EInvalidOperation);
    TIcon primeiro;
    a.AssignTo(primeiro);
    EXPECT_EQ(primeiro.Width(), 4);
    EXPECT_EQ(primeiro.Imagem().pixel(1, 1) & 0xFFFFFF, 0xFF0000u);

    const QImage h = a.Strip(false, Qt::white, false), v = a.Strip(true, Qt::white, false);
    EXPECT_EQ(h.size(), QSize(8, 4));
    EXPECT_EQ(v.size(), QSize(4, 8));
    EXPECT_EQ(h.pixel(5, 2) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(v.pixel(2, 5) & 0xFFFFFF, 0x0000FFu);
    // Reduced to the cursor's 16 colours: pure red and blue are basic colours.
    const QImage r = a.Strip(false, Qt::white, true);
    EXPECT_EQ(r.format(), QImage::Format_Indexed8);
    EXPECT_EQ(r.colorCount(), 16);
    EXPECT_EQ(r.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);

    TGIFImage g;
    g.Assign(a);
    ASSERT_EQ(g.FrameCount(), 2);
    EXPECT_EQ(g.Conteudo().Frames[0].Intervalo, 200); // 12 sixtieths
    EXPECT_EQ(g.Conteudo().Frames[1].Intervalo, 100);
    EXPECT_EQ(g.FrameImage(1).pixel(0, 0) & 0xFFFFFF, 0x0000FFu);

    // The form-resource block.
    QByteArray bloco = Q(b);
    const quint32 n = quint32(bloco.size());
    bloco.prepend(QByteArray(1, char(n >> 24)))
        .prepend(QByteArray(1, char(n >> 16)))
        .prepend(QByteArray(1, char(n >> 8)))
        .prepend(QByteArray(1, char(n)));
    TAnimatedCursorImage r2;
    r2.ReadData(bloco);
    EXPECT_EQ(r2.Count(), 2);
}

TEST(ListaIcones, FluxoAtualizacoesEIndices) {
    TIcon vermelho, azul;
    vermelho.LoadFromStream(Q(Icone(kVermelho)));
    azul.LoadFromStream(Q(Icone(kAzul)));
    TIconList l;
    int mudancas = 0;
    l.OnChange = [&](TIconList &) { ++mudancas; };
    l.BeginUpdate();
    for (int i = 0; i < 10; ++i)
        l.Add(i % 2 ? azul : vermelho);
    EXPECT_EQ(mudancas, 0);
    l.EndUpdate();
    EXPECT_EQ(mudancas, 1);

    // An empty entry in the middle saves as size 0 and reads back empty.
    l.Clear();
    l.Add(vermelho);
    l.SetItems(1, azul); // writing item Count appends
    l.Add(azul);
    l.Items(1)->LoadFromStream(QByteArray()); // changing an icon in place notifies the list
    EXPECT_TRUE(l.Items(1)->Empty());
    const QByteArray s = l.SaveToStream();
    const int n0 = int(Icone(kVermelho).size());
    EXPECT_EQ(s.left(8), QByteArray::fromHex("03000000") + Q(Bytes{std::uint8_t(n0), 0, 0, 0}));
    EXPECT_EQ(s.mid(8 + n0, 4), QByteArray(4, '\0'));
    TIconList lida;
    mudancas = 0;
    lida.OnChange = [&](TIconList &) { ++mudancas; };
    lida.LoadFromStream(s);
    EXPECT_EQ(mudancas, 1);
    ASSERT_EQ(lida.Count(), 3);
    EXPECT_EQ(lida.Items(1), nullptr);
    EXPECT_EQ(lida.Items(2)->SaveToStream(), azul.SaveToStream());
    EXPECT_EQ(lida.SaveToStream(), s);
    EXPECT_FALSE(lida.Stored(&l));
    EXPECT_TRUE(lida.Stored(nullptr));
    lida.Exchange(0, 2);
    EXPECT_TRUE(lida.Stored(&l));

    EXPECT_THROW(l.Items(3), EListError);
    EXPECT_THROW(l.SetItems(5, azul), EListError);
    EXPECT_THROW(l.Delete(-1), EListError);
    EXPECT_THROW(l.Move(0, 3), EListError);

    // A failed load keeps what was read, and the list still notifies afterwards.
    QByteArray ruim = s;
    ruim.chop(3);
    mudancas = 0;
    EXPECT_THROW(lida.LoadFromStream(ruim), EReadError);
    EXPECT_EQ(mudancas, 1);
    EXPECT_EQ(lida.Count(), 2);
    lida.Add(vermelho);
    EXPECT_EQ(mudancas, 2);
    QByteArray negativo = QByteArray::fromHex("ffffffff");
    EXPECT_THROW(lida.LoadFromStream(negativo), EReadError);
    EXPECT_THROW(lida.LoadFromStream(QByteArray::fromHex("05000000") + QByteArray(4, '\0')),
                 EReadError);
    // Every truncation of a good stream.
    for (int n = 0; n < s.size(); ++n) {
        TIconList t;
        EXPECT_THROW(t.LoadFromStream(s.left(n)), EReadError) << n;
    }
}

TEST(ListaIcones, IconeNoClipboard) {
    RegistraClipIcon();
    TIcon vermelho;
    vermelho.LoadFromStream(Q(Icone(kVermelho)));
    auto *m = new QMimeData;
    vermelho.SaveToClipboard(*m);
    QGuiApplication::clipboard()->setMimeData(m);
    const QMimeData *lido = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(lido, nullptr);
    auto figura = FiguraDoClipboard(*lido);
    ASSERT_TRUE(figura);
    auto *icone = dynamic_cast<TIcon *>(figura.get());
    ASSERT_NE(icone, nullptr);
    EXPECT_EQ(icone->SaveToStream(), vermelho.SaveToStream());
}
