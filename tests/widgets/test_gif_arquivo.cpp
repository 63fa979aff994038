// GIF files: hand-built files for each reading rule and error text, writing rules, and
// byte-exact round trips.
#include "ErrosFormato.h"
#include "GifDados.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string_view Vista(const Bytes &v) {
    return {reinterpret_cast<const char *>(v.data()), v.size()};
}

// Builds GIF files piece by piece.
struct TConstrutor {
    Bytes b;
    TConstrutor &Texto(const std::string &s) {
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    TConstrutor &U8(int v) {
        b.push_back(std::uint8_t(v));
        return *this;
    }
    TConstrutor &U16(int v) { return U8(v & 0xFF).U8(v >> 8); }
    TConstrutor &Tela(int w, int h, int flags, int fundo = 0) {
        return U16(w).U16(h).U8(flags).U8(fundo).U8(0);
    }
    TConstrutor &Tabela(std::initializer_list<TCorRGB> cores) {
        for (auto c : cores)
            U8(c.r).U8(c.g).U8(c.b);
        return *this;
    }
    TConstrutor &Controle(int flags, int atraso, int transparente) {
        return U8('!').U8(0xF9).U8(4).U8(flags).U16(atraso).U8(transparente).U8(0);
    }
    TConstrutor &Comentario(std::initializer_list<std::string> linhas) {
        U8('!').U8(0xFE);
        for (const auto &l : linhas)
            U8(int(l.size())).Texto(l);
        return U8(0);
    }
    TConstrutor &Laco(int n) {
        return U8('!').U8(0xFF).U8(11).Texto("NETSCAPE2.0").U8(3).U8(1).U16(n).U8(0);
    }
    TConstrutor &Imagem(int l, int t, int w, int h, int flags) {
        return U8(',').U16(l).U16(t).U16(w).U16(h).U8(flags);
    }
    // A 2x1 (or 1x2) frame's data in code size 2: pixels 1, 0 (clear, 1, 0, end).
    TConstrutor &Dados2() { return U8(2).U8(2).U8(0x0C).U8(0x0A).U8(0); }
};

TGIFConteudo Le(const Bytes &b) {
    TGIFConteudo g;
    g.Le(Vista(b));
    return g;
}

void EsperaErro(const Bytes &b, const std::string &texto) {
    try {
        Le(b);
        ADD_FAILURE() << "no error, expected " << texto;
    } catch (const EInvalidGraphic &e) {
        EXPECT_EQ(e.what(), texto);
    }
}

TConstrutor Simples(const std::string &versao = "GIF89a") {
    TConstrutor c;
    c.Texto(versao).Tela(2, 1, 0x80).Tabela({{0, 0, 0}, {255, 255, 255}});
    return c;
}

} // namespace

TEST(GifArquivo, LeituraDasRegras) {
    // Loop count 65535 becomes 30000; delay 5 is 50 ms; disposal and transparency.
    auto c = Simples();
    c.Laco(65535).Controle(0x08 | 1, 5, 1).Imagem(0, 0, 2, 1, 0).Dados2().U8(';');
    TGIFConteudo g = Le(c.b);
    ASSERT_EQ(g.Frames.size(), 1u);
    EXPECT_TRUE(g.Repete);
    EXPECT_EQ(g.NumRepeticoes, 30000);
    EXPECT_EQ(g.Versao, TGIFConteudo::TVersao::V89a);
    const TGIFFrame &f = g.Frames[0];
    EXPECT_EQ(f.Intervalo, 50);
    EXPECT_EQ(f.Disposicao, 2);
    EXPECT_EQ(f.CorTransparente, CorGIF(255, 255, 255));
    EXPECT_EQ(f.IndiceTransparente, 1);
    EXPECT_EQ(g.FrameAtual, 0);
    ASSERT_TRUE(f.Bitmap.has_value());
    EXPECT_EQ(f.Bitmap->Indice(0, 0), 1);
    EXPECT_EQ(f.Bitmap->Indice(1, 0), 0);
    EXPECT_FALSE(f.Corrompido);

    // Width 0 takes the screen's; lower-case header; a local table beside the global one.
    TConstrutor d;
    d.Texto("gif87A").Tela(2, 1, 0x80, 1).Tabela({{1, 2, 3}, {4, 5, 6}});
    d.Imagem(0, 0, 0, 1, 0x80).Tabela({{9, 9, 9}, {7, 7, 7}}).Dados2().U8(';');
    g = Le(d.b);
    EXPECT_EQ(g.Versao, TGIFConteudo::TVersao::V87a);
    EXPECT_EQ(g.Dados->CorFundo, CorGIF(4, 5, 6));
    EXPECT_EQ(g.Frames[0].Largura(), 2);
    EXPECT_EQ(g.Frames[0].Bitmap->Cor(0, 0), CorRGB(7, 7, 7));
    EXPECT_EQ(g.TabelaDoFrame(0)[0], (TCorRGB{9, 9, 9}));

    // Comments before the trailer become the picture's comment, one line per sub-block.
    auto e = Simples();
    e.Imagem(0, 0, 2, 1, 0).Dados2().Comentario({"ola", "mundo"}).Comentario({"fim"}).U8(';');
    g = Le(e.b);
    EXPECT_EQ(g.Dados->Comentario, (std::vector<std::string>{"ola", "mundo", "fim"}));

    // A frame with neither table decodes on a grey ramp of 2^(code size) entries.
    TConstrutor s;
    s.Texto("GIF89a").Tela(2, 1, 0).Imagem(0, 0, 2, 1, 0).Dados2().U8(';');
    g = Le(s.b);
    EXPECT_EQ(g.Frames[0].Bitmap->Cor(0, 0), CorRGB(85, 85, 85));

    // A graphic control of the wrong size is skipped, not allowed to swallow the image.
    auto w = Simples();
    w.U8('!').U8(0xF9).U8(3).U8(1).U8(2).U8(3).U8(0).Imagem(0, 0, 2, 1, 0).Dados2().U8(';');
    g = Le(w.b);
    ASSERT_EQ(g.Frames.size(), 1u);
    EXPECT_TRUE(g.Frames[0].Extensoes.empty());
}

TEST(GifArquivo, ErrosDeLeitura) {
    EsperaErro(Simples("GIF90a").b, "Unknown GIF version");
    EsperaErro(Simples("JIF89a").b, "Unknown GIF version");
    auto c = Simples();
    c.U8('!').U8(0x2A).U8(0).U8(';');
    EsperaErro(c.b, "Unrecognized extension block: 2a");
    auto d = Simples();
    d.U8('x').U8(0);
    EsperaErro(d.b, "Stream read error");
    EsperaErro(Bytes{'G', 'I', 'F'}, "Stream read error");

    // A file that ends inside the image data loads, the frame marked corrupted; without
    // tolerance it is a read error.
    auto t = Simples();
    t.Imagem(0, 0, 2, 1, 0).U8(2).U8(2).U8(0x0C);
    TGIFConteudo g = Le(t.b);
    ASSERT_EQ(g.Frames.size(), 1u);
    EXPECT_TRUE(g.Frames[0].Corrompido);
    // The stored data is mended: the cut block holds what was read, a terminator follows.
    EXPECT_EQ(g.Frames[0].Item->Dados, (Bytes{2, 1, 0x0C, 0}));
    DefineToleranciaGIF(false);
    EsperaErro(t.b, "Stream read error");
    DefineToleranciaGIF(true);

    // A frame over 2^26 pixels is refused before anything is allocated.
    TConstrutor grande;
    grande.Texto("GIF89a").Tela(65535, 65535, 0).Imagem(0, 0, 65535, 65535, 0).Dados2().U8(';');
    EsperaErro(grande.b, "Stream read error");

    TGIFConteudo vazio;
    vazio.Le({});
    EXPECT_TRUE(vazio.Frames.empty());
    try {
        vazio.Escreve();
        ADD_FAILURE();
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "No GIF Data to write");
    }
    EXPECT_THROW(BitsDaContagem(12), EInvalidGraphic);
    EXPECT_EQ(BitsDaContagem(16), 4);
}

// Frames stay decoded once drawn: all of them together are bounded, so a tiny file cannot ask
// for gigabytes.
TEST(GifArquivo, TotalDosFramesLimitado) {
    struct Caso {
        int largura, altura, frames;
        bool aceito;
    };
    const Caso casos[] = {
        {4096, 4096, 3, true},
        {4096, 8192, 5, false},
        {8192, 8192, 16, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.frames);
        TConstrutor g;
        g.Texto("GIF89a").Tela(c.largura, c.altura, 0);
        for (int i = 0; i < c.frames; ++i)
            g.Imagem(0, 0, 0, 0, 0).Dados2();
        g.U8(';');
        if (c.aceito)
            EXPECT_EQ(Le(g.b).Frames.size(), std::size_t(c.frames));
        else
            EsperaErro(g.b, "Stream read error");
    }
}

TEST(GifArquivo, EscritaIdaEVolta) {
    // Read then write gives the same bytes (screen equal to the frames' extent).
    auto c = Simples();
    c.Laco(3).Controle(1, 7, 0).Imagem(0, 0, 2, 1, 0).Dados2();
    c.Controle(0, 9, 0).Imagem(0, 0, 2, 1, 0x80).Tabela({{5, 5, 5}, {6, 6, 6}}).Dados2();
    c.Comentario({"linha"}).U8(';');
    TGIFConteudo g = Le(c.b);
    EXPECT_EQ(g.Frames.size(), 2u);
    EXPECT_EQ(g.Dados->Comentario.size(), 1u);
    EXPECT_EQ(g.Escreve(), c.b);

    // Writing one frame with looping set writes no loop block.
    auto um = Simples("GIF87a");
    um.Imagem(0, 0, 2, 1, 0).Dados2().U8(';');
    g = Le(um.b);
    g.Repete = true;
    const Bytes escrito = g.Escreve();
    EXPECT_EQ(escrito, um.b);

    // A transparent colour present twice keeps the index it was read with.
    auto dup = Simples();
    dup.b.resize(13);
    dup.Tabela({{1, 1, 1}, {1, 1, 1}}).Controle(1, 0, 1).Imagem(0, 0, 2, 1, 0).Dados2().U8(';');
    g = Le(dup.b);
    EXPECT_EQ(g.Escreve(), dup.b);

    // An encoded 8-bit picture with 3 colours: the table is padded to 4 with black, the frame's
    // table became the global one.
    TBitmapBM bmp(3, 2, 8);
    bmp.Paleta[0] = CorRGB(10, 20, 30);
    bmp.Paleta[1] = CorRGB(40, 50, 60);
    bmp.Paleta[2] = CorRGB(70, 80, 90);
    bmp.CoresUsadas = 3;
    for (int i = 0; i < 6; ++i)
        bmp.DefineIndice(i % 3, i / 3, i % 3);
    TGIFConteudo novo;
    novo.AdicionaBitmap(bmp);
    novo.Frames[0].Intervalo = 120;
    novo.Frames[0].CorTransparente = CorGIF(70, 80, 90);
    const Bytes b = novo.Escreve();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "GIF89a");
    EXPECT_EQ(b[10], 0x80 + (1 << 4) + 1); // 4 entries, 2 bits
    EXPECT_EQ(Bytes(b.begin() + 13 + 9, b.begin() + 13 + 12), (Bytes{0, 0, 0}));
    TGIFConteudo lido;
    lido.Le(Vista(b));
    EXPECT_EQ(lido.Frames[0].Intervalo, 120);
    EXPECT_EQ(lido.Frames[0].IndiceTransparente, 2);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lido.Frames[0].Bitmap->Indice(i % 3, i / 3), i % 3);
    EXPECT_EQ(lido.Escreve(), b);

    // Two frames make the version 89a; the second keeps its own table.
    TGIFConteudo dois;
    dois.AdicionaBitmap(bmp);
    EXPECT_EQ(dois.Versao, TGIFConteudo::TVersao::V87a);
    dois.AdicionaBitmap(bmp);
    EXPECT_EQ(dois.Versao, TGIFConteudo::TVersao::V89a);
    EXPECT_FALSE(dois.Frames[0].TabelaPropria);
    EXPECT_TRUE(dois.Frames[1].TabelaPropria);
}

TEST(GifArquivo, TodoCorteDeUmArquivoBom) {
    auto c = Simples();
    c.Laco(2).Controle(1, 7, 0).Imagem(0, 0, 2, 1, 0x40).Dados2();
    c.Imagem(0, 0, 2, 1, 0x80).Tabela({{5, 5, 5}, {6, 6, 6}}).Dados2();
    c.Comentario({"x"}).U8(';');
    int lidos = 0, erros = 0;
    for (std::size_t n = 0; n <= c.b.size(); ++n) {
        TGIFConteudo g;
        try {
            g.Le(Vista(c.b).substr(0, n));
            ++lidos;
            if (g.Frames.empty())
                continue;
            // What was read, mended or not, writes a file that reads back alike.
            TGIFConteudo volta;
            volta.Le(Vista(g.Escreve()));
            ASSERT_EQ(volta.Frames.size(), g.Frames.size()) << n;
            for (std::size_t i = 0; i < g.Frames.size(); ++i)
                EXPECT_EQ(volta.Frames[i].Item->Dados, g.Frames[i].Item->Dados) << n;
        } catch (const EInvalidGraphic &) {
            ++erros;
        }
    }
    EXPECT_GT(lidos, 0);
    EXPECT_GT(erros, 0);
}
