#include "GifDados.h"

#include "ErrosFormato.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

std::string textos_gif::ExtensaoDesconhecida(unsigned rotulo) {
    char b[64];
    std::snprintf(b, sizeof b, "Unrecognized extension block: %.2x", rotulo & 0xFFu);
    return b;
}

namespace {

bool gTolerante = true;

[[noreturn]] void ErroLeitura() {
    throw EInvalidGraphic(textos_gif::kLeitura);
}

// Sequential reader over the file image; running past the end is "Stream read error".
class TLeitor {
public:
    explicit TLeitor(std::string_view d) : FD(d) {}
    bool Fim() const { return FP >= FD.size(); }
    std::size_t Resta() const { return FD.size() - FP; }
    std::size_t Posicao() const { return FP; }
    std::size_t &PosicaoRef() { return FP; }
    std::string_view Dados() const { return FD; }
    std::uint8_t Byte() {
        if (Fim())
            ErroLeitura();
        return std::uint8_t(FD[FP++]);
    }
    unsigned Palavra() {
        const unsigned lo = Byte();
        return lo | (unsigned(Byte()) << 8);
    }
    std::string_view Bytes(std::size_t n) {
        if (Resta() < n)
            ErroLeitura();
        std::string_view r = FD.substr(FP, n);
        FP += n;
        return r;
    }
    // Sub-blocks until a zero length or the end of the data; a block cut by the end keeps
    // what is there.
    std::vector<std::string> SubBlocos() {
        std::vector<std::string> r;
        while (!Fim()) {
            const std::size_t n = Byte();
            if (n == 0)
                break;
            const std::size_t k = std::min(n, Resta());
            r.emplace_back(FD.substr(FP, k));
            FP += k;
        }
        return r;
    }

private:
    std::string_view FD;
    std::size_t FP = 0;
};

std::vector<TCorRGB> LeTabela(TLeitor &l, int bits) {
    const std::size_t n = std::size_t(1) << bits;
    const std::string_view b = l.Bytes(3 * n);
    std::vector<TCorRGB> t(n);
    for (std::size_t i = 0; i < n; ++i)
        t[i] = {std::uint8_t(b[3 * i]), std::uint8_t(b[3 * i + 1]), std::uint8_t(b[3 * i + 2])};
    return t;
}

void Poe16(std::vector<std::uint8_t> &o, unsigned v) {
    o.push_back(std::uint8_t(v));
    o.push_back(std::uint8_t(v >> 8));
}

// Writes a table padded with black up to the power of two its header announces.
void PoeTabela(std::vector<std::uint8_t> &o, const std::vector<TCorRGB> &t) {
    const std::size_t n = std::size_t(1) << BitsParaCores(int(t.size()));
    for (std::size_t i = 0; i < n; ++i) {
        const TCorRGB c = i < t.size() ? t[i] : TCorRGB{};
        o.push_back(c.r);
        o.push_back(c.g);
        o.push_back(c.b);
    }
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(std::uint8_t(a[i])) != std::tolower(std::uint8_t(b[i])))
            return false;
    return true;
}

int IndiceDaCor(const std::vector<TCorRGB> &t, TCorGIF cor) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (CorGIF(t[i]) == cor)
            return int(i);
    return -1;
}

} // namespace

bool ToleranciaGIF() {
    return gTolerante;
}

void DefineToleranciaGIF(bool tolerante) {
    gTolerante = tolerante;
}

int BitsParaCores(int cores) {
    int b = 1;
    while (b < 8 && (1 << b) < cores)
        ++b;
    return b;
}

int BitsDaContagem(int cores) {
    for (int b = 1; b <= 8; ++b)
        if ((1 << b) == cores)
            return b;
    throw EInvalidGraphic(textos_gif::kNumeroCores);
}

std::uint8_t TExtension::Rotulo() const {
    switch (Tipo) {
    case TTipoExtensao::ControleGrafico:
        return 0xF9;
    case TTipoExtensao::TextoSimples:
        return 0x01;
    case TTipoExtensao::Aplicacao:
        return 0xFF;
    default:
        return 0xFE;
    }
}

void TGIFConteudo::Limpa() {
    Dados = std::make_shared<TGIFData>();
    Frames.clear();
    FrameAtual = -1;
    Repete = false;
    NumRepeticoes = 1;
    Versao = TVersao::Desconhecida;
}

void TGIFConteudo::Le(std::string_view dados, const TProgressoGIF &progresso, bool decodifica) {
    Limpa();
    if (dados.empty())
        return;
    TLeitor l(dados);
    const std::string_view cabecalho = l.Bytes(6);
    if (!IgualSemCaixa(cabecalho.substr(0, 3), "GIF"))
        throw EInvalidGraphic(textos_gif::kVersao);
    if (IgualSemCaixa(cabecalho.substr(3), "87a"))
        Versao = TVersao::V87a;
    else if (IgualSemCaixa(cabecalho.substr(3), "89a"))
        Versao = TVersao::V89a;
    else
        throw EInvalidGraphic(textos_gif::kVersao);

    TGIFData &g = *Dados;
    g.Largura = int(l.Palavra());
    g.Altura = int(l.Palavra());
    const std::uint8_t flags = l.Byte();
    const std::uint8_t fundo = l.Byte();
    g.Aspecto = l.Byte();
    g.BitsPorPixel = (flags & 7) + 1;
    g.ResolucaoCor = ((flags & 0x70) >> 4) + 1;
    if (flags & 0x80) {
        g.TabelaGlobal = LeTabela(l, g.BitsPorPixel);
        if (fundo < g.TabelaGlobal.size())
            g.CorFundo = CorGIF(g.TabelaGlobal[fundo]);
    }

    std::vector<TExtension> coletadas;
    std::int64_t pixels = 0;
    auto proximo = [&]() -> std::uint8_t { return l.Fim() ? std::uint8_t(';') : l.Byte(); };
    std::uint8_t b = proximo();
    while (b != 0 && b != ';' && !l.Fim()) {
        while (b == '!') {
            const std::uint8_t rotulo = l.Byte();
            TExtension e;
            bool guarda = false;
            auto pulaBloco = [&] { (void)l.SubBlocos(); };
            if (rotulo == 0xF9 || rotulo == 0x01 || rotulo == 0xFF) {
                const std::size_t esperado = rotulo == 0xF9 ? 4 : rotulo == 0x01 ? 12 : 11;
                const std::size_t tamanho = l.Fim() ? 0 : std::uint8_t(l.Dados()[l.Posicao()]);
                if (tamanho != esperado) {
                    // A block of an unexpected size is skipped whole.
                    pulaBloco();
                } else if (rotulo == 0xF9) {
                    const std::string_view f = l.Bytes(6);
                    e.Tipo = TTipoExtensao::ControleGrafico;
                    e.Fixo.assign(f.begin(), f.end());
                    if (e.Fixo[5] != 0) {
                        // More data than a graphic control holds: skip it, keep the terminator.
                        --l.PosicaoRef();
                        pulaBloco();
                        e.Fixo[5] = 0;
                    }
                    guarda = true;
                } else {
                    const std::string_view f = l.Bytes(esperado + 1);
                    e.Tipo =
                        rotulo == 0x01 ? TTipoExtensao::TextoSimples : TTipoExtensao::Aplicacao;
                    e.Fixo.assign(f.begin(), f.end());
                    e.Linhas = l.SubBlocos();
                    if (rotulo == 0x01) {
                        coletadas.clear();
                    } else {
                        const std::string_view id(reinterpret_cast<const char *>(e.Fixo.data()) + 1,
                                                  11);
                        if ((id == "NETSCAPE2.0" || id == "ANIMEXTS1.0") && !e.Linhas.empty() &&
                            e.Linhas[0].size() >= 3 && std::uint8_t(e.Linhas[0][0]) == 1) {
                            Repete = true;
                            const int n = std::uint8_t(e.Linhas[0][1]) |
                                          (int(std::uint8_t(e.Linhas[0][2])) << 8);
                            NumRepeticoes = std::min(n, 30000);
                        }
                    }
                }
            } else if (rotulo == 0xFE) {
                e.Tipo = TTipoExtensao::Comentario;
                e.Linhas = l.SubBlocos();
                guarda = true;
            } else {
                throw EInvalidGraphic(textos_gif::ExtensaoDesconhecida(rotulo));
            }
            if (guarda)
                coletadas.push_back(std::move(e));
            b = proximo();
        }
        if (b == ',') {
            TGIFFrame f;
            if (!g.TabelaGlobal.empty())
                f.Item->BitsPorPixel = g.BitsPorPixel;
            f.Extensoes = std::move(coletadas);
            coletadas.clear();
            std::size_t p = l.Posicao();
            LeFrame(dados, p, f);
            l.PosicaoRef() = p;
            // Frames are kept once decoded: bound them all, not each alone.
            pixels += std::int64_t(f.Largura()) * f.Altura();
            if (pixels > kMaxPixelsGIF)
                ErroLeitura();
            Frames.push_back(std::move(f));
            if (progresso)
                progresso(int(100.0 * double(p) / double(dados.size())));
            b = proximo();
            while (b == 0 && !l.Fim())
                b = proximo();
            if (b != '!' && b != ',' && b != ';')
                break;
            continue;
        }
        if (g.Comentario.empty() && !coletadas.empty()) {
            for (const auto &e : coletadas)
                if (e.Tipo == TTipoExtensao::Comentario)
                    g.Comentario.insert(g.Comentario.end(), e.Linhas.begin(), e.Linhas.end());
            coletadas.clear();
            continue;
        }
        if (b == 0 || b == ';')
            break;
        ErroLeitura();
    }
    if (!Frames.empty()) {
        FrameAtual = 0;
        if (decodifica)
            Decodifica(0, progresso);
    }
}

void TGIFConteudo::LeFrame(std::string_view d, std::size_t &p, TGIFFrame &f) {
    TLeitor l(d);
    l.PosicaoRef() = p;
    TGIFItem &it = *f.Item;
    f.Esquerda = int(l.Palavra());
    f.Topo = int(l.Palavra());
    it.Largura = int(l.Palavra());
    it.Altura = int(l.Palavra());
    const std::uint8_t flags = l.Byte();
    f.Entrelacado = (flags & 0x40) != 0;
    if (flags & 0x80) {
        it.BitsPorPixel = (flags & 7) + 1;
        it.TabelaCores = LeTabela(l, it.BitsPorPixel);
        f.TabelaPropria = true;
    }

    // The data as stored: code-size byte, sub-blocks, terminator. A block cut by the end of the
    // file is mended: its length becomes the bytes held and a terminator is added.
    bool cortado = l.Fim();
    it.Dados.clear();
    if (!cortado) {
        it.Dados.push_back(l.Byte());
        for (;;) {
            if (l.Fim()) {
                cortado = true;
                break;
            }
            const std::size_t n = l.Byte();
            if (n == 0)
                break;
            const std::size_t k = std::min(n, l.Resta());
            const std::string_view bloco = l.Bytes(k);
            if (k > 0) {
                it.Dados.push_back(std::uint8_t(k));
                it.Dados.insert(it.Dados.end(), bloco.begin(), bloco.end());
            }
            if (k < n) {
                cortado = true;
                break;
            }
        }
        it.Dados.push_back(0);
    }
    if (cortado) {
        if (!gTolerante)
            ErroLeitura();
        f.Corrompido = true;
    }
    p = l.Posicao();

    if (it.Largura == 0)
        it.Largura = Dados->Largura;
    if (it.Altura == 0)
        it.Altura = Dados->Altura;
    if (std::int64_t(it.Largura) * it.Altura > kMaxPixels)
        ErroLeitura();
    if (!f.TabelaPropria && Dados->TabelaGlobal.empty() && !it.Dados.empty())
        it.BitsPorPixel = std::clamp(int(it.Dados[0]), 1, 8);

    for (const auto &e : f.Extensoes) {
        if (e.Tipo != TTipoExtensao::ControleGrafico)
            continue;
        const std::uint8_t fl = e.Fixo[1];
        const int atraso = e.Fixo[2] | (e.Fixo[3] << 8);
        if (fl & 1) {
            const std::vector<TCorRGB> t = f.TabelaPropria ? it.TabelaCores : Dados->TabelaGlobal;
            const int indice = e.Fixo[4];
            if (indice < int(t.size())) {
                f.CorTransparente = CorGIF(t[indice]);
                f.IndiceTransparente = indice;
            } else {
                f.CorTransparente = kCorNenhuma;
                f.IndiceTransparente = -1;
            }
        } else {
            f.CorTransparente = kCorNenhuma;
            f.IndiceTransparente = -1;
        }
        f.Intervalo = std::max(atraso * 10, f.Intervalo);
        f.Disposicao = (fl & 0x1C) >> 2;
    }
}

std::vector<TCorRGB> TGIFConteudo::TabelaDoFrame(int i) const {
    const TGIFFrame &f = Frames.at(std::size_t(i));
    if (f.TabelaPropria && !f.Item->TabelaCores.empty())
        return f.Item->TabelaCores;
    if (!Dados->TabelaGlobal.empty())
        return Dados->TabelaGlobal;
    // Neither table: a grey ramp as wide as the code size allows.
    const int bits = f.Item->Dados.empty() ? 1 : std::clamp(int(f.Item->Dados[0]), 1, 8);
    const int n = 1 << bits;
    std::vector<TCorRGB> t(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const std::uint8_t v = std::uint8_t(n > 1 ? k * 255 / (n - 1) : 0);
        t[std::size_t(k)] = {v, v, v};
    }
    return t;
}

void TGIFConteudo::Decodifica(int i, const TProgressoGIF &progresso) {
    TGIFFrame &f = Frames.at(std::size_t(i));
    const TGIFItem &it = *f.Item;
    const int bitsCor = std::clamp(it.BitsPorPixel, 1, 8);
    const int bits = bitsCor == 1 ? 1 : bitsCor <= 4 ? 4 : 8;
    if (it.Largura <= 0 || it.Altura <= 0) {
        f.Bitmap = TBitmapBM(0, 0, bits);
        return;
    }
    TBitmapBM bmp(it.Largura, it.Altura, bits);
    const std::vector<TCorRGB> t = TabelaDoFrame(i);
    for (std::size_t k = 0; k < bmp.Paleta.size(); ++k)
        bmp.Paleta[k] = k < t.size() ? CorRGB(t[k].r, t[k].g, t[k].b) : CorRGB(0x80, 0x80, 0x80);
    if (DecodificaLZW(
            std::string_view(reinterpret_cast<const char *>(it.Dados.data()), it.Dados.size()), bmp,
            f.Entrelacado, bitsCor, gTolerante, progresso))
        f.Corrompido = true;
    f.Bitmap = std::move(bmp);
}

int TGIFConteudo::AdicionaFrame(const TGIFFrame &frame) {
    Frames.push_back(frame);
    if (Versao == TVersao::Desconhecida)
        Versao = TVersao::V87a;
    if (Frames.size() > 1)
        Versao = TVersao::V89a;
    if (FrameAtual < 0)
        FrameAtual = 0;
    return int(Frames.size()) - 1;
}

int TGIFConteudo::AdicionaBitmap(const TBitmapBM &bmp, const TProgressoGIF &progresso) {
    if (bmp.Bits() != 1 && bmp.Bits() != 4 && bmp.Bits() != 8)
        throw EInvalidGraphic(textos_gif::kCodificacao);
    TGIFFrame f;
    TGIFItem &it = *f.Item;
    it.Largura = bmp.Largura();
    it.Altura = bmp.Altura();
    const int n = std::min(bmp.NumCores(), 256);
    for (int k = 0; k < n; ++k)
        it.TabelaCores.push_back({bmp.Paleta[std::size_t(k)].r, bmp.Paleta[std::size_t(k)].g,
                                  bmp.Paleta[std::size_t(k)].b});
    it.BitsPorPixel = BitsParaCores(n);
    it.Dados = CodificaLZW(bmp, false, progresso);
    if (Dados->TabelaGlobal.empty()) {
        Dados->TabelaGlobal = it.TabelaCores;
        Dados->BitsPorPixel = it.BitsPorPixel;
        Dados->ResolucaoCor = it.BitsPorPixel;
        f.TabelaPropria = false;
    } else {
        f.TabelaPropria = true;
    }
    f.Bitmap = bmp;
    return AdicionaFrame(f);
}

void TGIFConteudo::PreparaFrame(TGIFFrame &f, const TProgressoGIF &progresso) {
    TGIFItem &it = *f.Item;
    if (it.Dados.empty()) {
        if (!f.Bitmap)
            throw EInvalidGraphic(textos_gif::kSemDados);
        it.Dados = CodificaLZW(*f.Bitmap, f.Entrelacado, progresso);
    }
    TExtension *gc = nullptr;
    for (auto &e : f.Extensoes)
        if (e.Tipo == TTipoExtensao::ControleGrafico)
            gc = &e;
    if (!gc && (f.Intervalo > 0 || f.CorTransparente != kCorNenhuma || f.Disposicao != 0)) {
        TExtension e;
        e.Tipo = TTipoExtensao::ControleGrafico;
        e.Fixo = {4, 0, 0, 0, 0, 0};
        f.Extensoes.push_back(e);
        gc = &f.Extensoes.back();
    }
    if (gc) {
        const int atraso = f.Intervalo / 10;
        gc->Fixo[2] = std::uint8_t(atraso);
        gc->Fixo[3] = std::uint8_t(atraso >> 8);
        const std::vector<TCorRGB> t = f.TabelaPropria ? it.TabelaCores : Dados->TabelaGlobal;
        int indice = -1;
        if (f.CorTransparente != kCorNenhuma) {
            // The index read with the colour is kept when it still names it: tables often hold
            // a colour twice.
            if (f.IndiceTransparente >= 0 && f.IndiceTransparente < int(t.size()) &&
                CorGIF(t[std::size_t(f.IndiceTransparente)]) == f.CorTransparente)
                indice = f.IndiceTransparente;
            else
                indice = IndiceDaCor(t, f.CorTransparente);
        }
        if (indice >= 0) {
            gc->Fixo[4] = std::uint8_t(indice);
            gc->Fixo[1] |= 1;
            f.IndiceTransparente = indice;
        } else {
            gc->Fixo[1] &= std::uint8_t(~1);
        }
        gc->Fixo[1] = std::uint8_t((gc->Fixo[1] & ~0x1C) | ((f.Disposicao & 7) << 2));
    }
    f.Extensoes.erase(std::remove_if(f.Extensoes.begin(), f.Extensoes.end(),
                                     [](const TExtension &e) {
                                         return e.Tipo == TTipoExtensao::Comentario &&
                                                e.Linhas.empty();
                                     }),
                      f.Extensoes.end());
    if (!f.Extensoes.empty())
        Versao = TVersao::V89a;
}

std::vector<std::uint8_t> TGIFConteudo::Escreve(const TProgressoGIF &progresso) {
    if (Frames.empty())
        throw EInvalidGraphic(textos_gif::kSemDados);
    TGIFData &g = *Dados;
    int largura = 0, altura = 0;
    for (auto &f : Frames) {
        PreparaFrame(f, progresso);
        largura = std::max(largura, f.Esquerda + f.Largura());
        altura = std::max(altura, f.Topo + f.Altura());
    }
    g.Largura = largura;
    g.Altura = altura;

    const char *versao = Versao == TVersao::V89a ? "GIF89a" : "GIF87a";
    std::vector<std::uint8_t> o(versao, versao + 6);
    Poe16(o, unsigned(g.Largura));
    Poe16(o, unsigned(g.Altura));
    if (g.TabelaGlobal.empty()) {
        o.push_back(0);
        o.push_back(0);
    } else {
        const int bitsTabela = BitsParaCores(int(g.TabelaGlobal.size()));
        o.push_back(
            std::uint8_t(0x80 + ((bitsTabela - 1) << 4) + (std::clamp(g.BitsPorPixel, 1, 8) - 1)));
        const int fundo = g.CorFundo == kCorNenhuma ? -1 : IndiceDaCor(g.TabelaGlobal, g.CorFundo);
        o.push_back(std::uint8_t(fundo < 0 ? 0 : fundo));
    }
    o.push_back(g.Aspecto);
    if (!g.TabelaGlobal.empty())
        PoeTabela(o, g.TabelaGlobal);

    if (Repete && Frames.size() > 1) {
        static const char kLaco[] = "NETSCAPE2.0";
        o.push_back('!');
        o.push_back(0xFF);
        o.push_back(11);
        o.insert(o.end(), kLaco, kLaco + 11);
        o.push_back(3);
        o.push_back(1);
        Poe16(o, unsigned(NumRepeticoes));
        o.push_back(0);
    }

    for (const auto &f : Frames) {
        for (const auto &e : f.Extensoes) {
            o.push_back('!');
            o.push_back(e.Rotulo());
            o.insert(o.end(), e.Fixo.begin(), e.Fixo.end());
            if (e.Tipo == TTipoExtensao::ControleGrafico)
                continue;
            for (const auto &linha : e.Linhas) {
                const std::size_t n = std::min<std::size_t>(linha.size(), 255);
                if (n == 0)
                    continue;
                o.push_back(std::uint8_t(n));
                o.insert(o.end(), linha.begin(), linha.begin() + std::ptrdiff_t(n));
            }
            o.push_back(0);
        }
        const TGIFItem &it = *f.Item;
        o.push_back(',');
        Poe16(o, unsigned(f.Esquerda));
        Poe16(o, unsigned(f.Topo));
        Poe16(o, unsigned(it.Largura));
        Poe16(o, unsigned(it.Altura));
        std::uint8_t flags = 0;
        const bool local = f.TabelaPropria && !it.TabelaCores.empty();
        if (local)
            flags = std::uint8_t(0x80 + BitsParaCores(int(it.TabelaCores.size())) - 1);
        if (f.Entrelacado)
            flags |= 0x40;
        o.push_back(flags);
        if (local)
            PoeTabela(o, it.TabelaCores);
        o.insert(o.end(), it.Dados.begin(), it.Dados.end());
    }

    bool temComentario = false;
    for (const auto &linha : g.Comentario)
        temComentario = temComentario || !linha.empty();
    if (temComentario) {
        o.push_back('!');
        o.push_back(0xFE);
        for (const auto &linha : g.Comentario) {
            const std::size_t n = std::min<std::size_t>(linha.size(), 255);
            if (n == 0)
                continue;
            o.push_back(std::uint8_t(n));
            o.insert(o.end(), linha.begin(), linha.begin() + std::ptrdiff_t(n));
        }
        o.push_back(0);
    }
    o.push_back(';');
    return o;
}
