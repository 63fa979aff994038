#include "GifLzw.h"

#include "ErrosFormato.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

std::vector<int> OrdemLinhas(int altura, bool entrelacado) {
    std::vector<int> r;
    r.reserve(std::size_t(altura > 0 ? altura : 0));
    if (!entrelacado) {
        for (int y = 0; y < altura; ++y)
            r.push_back(y);
        return r;
    }
    static constexpr int inicio[4] = {0, 4, 2, 1}, passo[4] = {8, 8, 4, 2};
    for (int p = 0; p < 4; ++p)
        for (int y = inicio[p]; y < altura; y += passo[p])
            r.push_back(y);
    return r;
}

namespace {

constexpr int kMaxCodigos = 4096;

// Where decoded pixels go: the current row and column, rows in the frame's order.
class TSaida {
public:
    TSaida(TBitmapBM &bmp, bool entrelacado, int bitsCor)
        : FBmp(bmp), FLargura(bmp.Largura()), FAltura(bmp.Altura()), FBits(bmp.Bits()),
          FMascara(std::uint8_t((1u << bitsCor) - 1)), FEntrelacado(entrelacado) {
        FCheio = FLargura <= 0 || FAltura <= 0;
        if (!FCheio)
            FLinha = FBmp.Linha(0);
    }

    bool Cheio() const { return FCheio; }
    int LinhasFeitas() const { return FFeitas; }

    // Writes n pixel values.
    void Escreve(const std::uint8_t *v, int n) {
        while (n > 0 && !FCheio) {
            const int k = std::min(n, FLargura - FX);
            if (FBits == 8) {
                if (FMascara == 0xFF) {
                    std::memcpy(FLinha + FX, v, std::size_t(k));
                } else {
                    for (int i = 0; i < k; ++i)
                        FLinha[FX + i] = v[i] & FMascara;
                }
            } else if (FBits == 4) {
                for (int i = 0; i < k; ++i) {
                    const int x = FX + i;
                    const std::uint8_t p = v[i] & FMascara & 0x0F;
                    std::uint8_t &b = FLinha[x >> 1];
                    b = (x & 1) ? std::uint8_t((b & 0xF0) | p)
                                : std::uint8_t((b & 0x0F) | (p << 4));
                }
            } else {
                for (int i = 0; i < k; ++i) {
                    const int x = FX + i;
                    const std::uint8_t m = std::uint8_t(0x80 >> (x & 7));
                    std::uint8_t &b = FLinha[x >> 3];
                    b = (v[i] & FMascara & 1) ? std::uint8_t(b | m) : std::uint8_t(b & ~m);
                }
            }
            FX += k;
            v += k;
            n -= k;
            if (FX == FLargura)
                ProximaLinha();
        }
    }

private:
    void ProximaLinha() {
        FX = 0;
        ++FFeitas;
        if (!FEntrelacado) {
            ++FY;
        } else {
            static constexpr int inicio[4] = {0, 4, 2, 1}, passo[4] = {8, 8, 4, 2};
            FY += passo[FPasso];
            while (FY >= FAltura && FPasso < 3) {
                ++FPasso;
                FY = inicio[FPasso];
            }
        }
        if (FY >= FAltura || FFeitas >= FAltura) {
            FCheio = true;
            return;
        }
        FLinha = FBmp.Linha(FY);
    }

    TBitmapBM &FBmp;
    int FLargura, FAltura, FBits;
    std::uint8_t FMascara;
    bool FEntrelacado;
    bool FCheio = false;
    std::uint8_t *FLinha = nullptr;
    int FX = 0, FY = 0, FPasso = 0, FFeitas = 0;
};

// Reads codes least significant bit first from the joined sub-block bytes.
class TLeitorBits {
public:
    explicit TLeitorBits(const std::vector<std::uint8_t> &b) : FB(b) {}

    // False when fewer than w bits are left.
    bool Le(int w, int &codigo) {
        while (FNumBits < w) {
            if (FPos >= FB.size())
                return false;
            FAcumulador |= std::uint64_t(FB[FPos++]) << FNumBits;
            FNumBits += 8;
        }
        codigo = int(FAcumulador & ((1u << w) - 1));
        FAcumulador >>= w;
        FNumBits -= w;
        return true;
    }
    std::size_t Posicao() const { return FPos; }

private:
    const std::vector<std::uint8_t> &FB;
    std::size_t FPos = 0;
    std::uint64_t FAcumulador = 0;
    int FNumBits = 0;
};

struct TTabelaDecodificacao {
    std::array<std::uint16_t, kMaxCodigos> prefixo{};
    std::array<std::uint8_t, kMaxCodigos> sufixo{};
    std::array<std::uint8_t, kMaxCodigos> primeiro{};
    std::array<std::uint16_t, kMaxCodigos> comprimento{};
    std::array<std::uint8_t, kMaxCodigos + 1> pilha{};
};

} // namespace

bool DecodificaLZW(std::string_view dados, TBitmapBM &bmp, bool entrelacado, int bitsCor,
                   bool tolerante, const TProgressoGIF &progresso) {
    if (bmp.Bits() != 1 && bmp.Bits() != 4 && bmp.Bits() != 8)
        throw EInvalidGraphic(textos_gif::kNumeroCores);
    bitsCor = std::clamp(bitsCor, 1, 8);
    if (progresso)
        progresso(0);
    bool corrompido = false;
    auto falha = [&](const char *texto) {
        if (!tolerante)
            throw EInvalidGraphic(texto);
        corrompido = true;
    };

    if (dados.empty()) {
        falha(textos_gif::kLeitura);
        if (progresso)
            progresso(100);
        return true;
    }
    int s = std::uint8_t(dados[0]);
    if (s < 2 || s > 9) {
        if (!tolerante)
            throw EInvalidGraphic(textos_gif::kTamanhoCodigo);
        corrompido = true;
        s = std::clamp(s, 2, 9);
    }

    // Join the sub-blocks; a block cut by the end of the data keeps what is there.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(dados.size());
    std::size_t p = 1;
    while (p < dados.size()) {
        const std::size_t n = std::uint8_t(dados[p++]);
        if (n == 0)
            break;
        const std::size_t k = std::min(n, dados.size() - p);
        bytes.insert(bytes.end(), dados.begin() + std::ptrdiff_t(p),
                     dados.begin() + std::ptrdiff_t(p + k));
        p += k;
    }

    auto tabela = std::make_unique<TTabelaDecodificacao>();
    const int clear = 1 << s, fim = clear + 1, primeiroLivre = clear + 2;
    for (int c = 0; c < clear; ++c) {
        tabela->sufixo[c] = std::uint8_t(c);
        tabela->primeiro[c] = std::uint8_t(c);
        tabela->comprimento[c] = 1;
    }
    int w = s + 1, livre = primeiroLivre, velho = -1;
    bool tabelaCheia = false;
    TSaida saida(bmp, entrelacado, bitsCor);
    TLeitorBits leitor(bytes);
    const std::size_t passoProgresso = std::max<std::size_t>(bytes.size() / 20, 1);
    std::size_t proximoProgresso = passoProgresso;

    while (!saida.Cheio()) {
        int codigo;
        if (!leitor.Le(w, codigo))
            break;
        if (codigo == clear) {
            w = s + 1;
            livre = primeiroLivre;
            velho = -1;
            tabelaCheia = false;
            continue;
        }
        if (corrompido)
            break;
        if (codigo == fim) {
            break;
        }
        if (velho < 0) {
            // First code after a clear (or of a stream without one): a root.
            if (codigo >= clear) {
                falha(textos_gif::kCorrompido);
                break;
            }
            const std::uint8_t v = std::uint8_t(codigo);
            saida.Escreve(&v, 1);
            velho = codigo;
            continue;
        }
        if (codigo > livre || (codigo == livre && tabelaCheia)) {
            falha(textos_gif::kCorrompido);
            break;
        }
        // Expand the code (or, for the code being defined, the old code plus its first pixel).
        const int base = codigo == livre ? velho : codigo;
        const int n = tabela->comprimento[base] + (codigo == livre ? 1 : 0);
        std::uint8_t *q = tabela->pilha.data() + n;
        if (codigo == livre)
            *--q = tabela->primeiro[velho];
        int c = base;
        for (; c >= clear; c = tabela->prefixo[c])
            *--q = tabela->sufixo[c];
        *--q = std::uint8_t(c);
        saida.Escreve(q, n);
        const std::uint8_t primeiroPixel = *q;
        if (!tabelaCheia) {
            tabela->prefixo[livre] = std::uint16_t(velho);
            tabela->sufixo[livre] = primeiroPixel;
            tabela->primeiro[livre] = tabela->primeiro[velho];
            tabela->comprimento[livre] = std::uint16_t(tabela->comprimento[velho] + 1);
            ++livre;
            if (livre == (1 << w)) {
                if (w < 12)
                    ++w;
                else
                    tabelaCheia = true;
            }
        }
        velho = codigo;
        if (progresso && leitor.Posicao() >= proximoProgresso) {
            progresso(int(100.0 * double(leitor.Posicao()) / double(bytes.size())));
            proximoProgresso += passoProgresso;
        }
    }
    if (!saida.Cheio() && !corrompido) {
        // The data ended (or an end code came) before the last row.
        falha(textos_gif::kLeitura);
    }
    if (progresso)
        progresso(100);
    return corrompido;
}

namespace {

// Codes packed least significant bit first into sub-blocks of 255 bytes.
class TEscritorBits {
public:
    explicit TEscritorBits(std::vector<std::uint8_t> &saida) : FSaida(saida) {}

    void Escreve(int codigo, int w) {
        FAcumulador |= std::uint64_t(codigo) << FNumBits;
        FNumBits += w;
        while (FNumBits >= 8) {
            FBloco[FN++] = std::uint8_t(FAcumulador);
            FAcumulador >>= 8;
            FNumBits -= 8;
            if (FN == 255)
                DespejaBloco();
        }
    }
    void Termina() {
        if (FNumBits > 0) {
            FBloco[FN++] = std::uint8_t(FAcumulador);
            FNumBits = 0;
            FAcumulador = 0;
            if (FN == 255)
                DespejaBloco();
        }
        if (FN > 0)
            DespejaBloco();
        FSaida.push_back(0);
    }

private:
    void DespejaBloco() {
        FSaida.push_back(std::uint8_t(FN));
        FSaida.insert(FSaida.end(), FBloco.begin(), FBloco.begin() + FN);
        FN = 0;
    }

    std::vector<std::uint8_t> &FSaida;
    std::array<std::uint8_t, 255> FBloco{};
    int FN = 0;
    std::uint64_t FAcumulador = 0;
    int FNumBits = 0;
};

// Open-addressing table of the encoder's strings: (prefix code, pixel) -> code.
class TTabelaCodificacao {
public:
    TTabelaCodificacao() { Limpa(); }
    void Limpa() { std::memset(FChaves.data(), 0xFF, sizeof(FChaves)); }
    // The code of (prefixo, k), or -1.
    int Procura(int prefixo, int k, std::uint32_t &slot) const {
        const std::uint32_t chave = (std::uint32_t(prefixo) << 8) | std::uint32_t(k);
        slot = (chave * 2654435761u) >> (32 - kBits);
        while (FChaves[slot] != kVazio) {
            if (FChaves[slot] == chave)
                return FCodigos[slot];
            slot = (slot + 1) & (kSlots - 1);
        }
        return -1;
    }
    void Poe(std::uint32_t slot, int prefixo, int k, int codigo) {
        FChaves[slot] = (std::uint32_t(prefixo) << 8) | std::uint32_t(k);
        FCodigos[slot] = std::uint16_t(codigo);
    }

private:
    static constexpr int kBits = 14;
    static constexpr std::uint32_t kSlots = 1u << kBits;
    static constexpr std::uint32_t kVazio = 0xFFFFFFFFu;
    std::array<std::uint32_t, kSlots> FChaves;
    std::array<std::uint16_t, kSlots> FCodigos{};
};

} // namespace

std::vector<std::uint8_t> CodificaLZW(const TBitmapBM &bmp, bool entrelacado,
                                      const TProgressoGIF &progresso) {
    const int bits = bmp.Bits();
    if (bits != 1 && bits != 4 && bits != 8)
        throw EInvalidGraphic(textos_gif::kCodificacao);
    if (progresso)
        progresso(0);
    const int tamanho = bits == 1 ? 2 : bits;
    const int clear = 1 << tamanho, fim = clear + 1;
    std::vector<std::uint8_t> saida;
    saida.reserve(bmp.Pixels().size() / 2 + 16);
    saida.push_back(std::uint8_t(tamanho));
    TEscritorBits escritor(saida);
    auto tabela = std::make_unique<TTabelaCodificacao>();

    // The width follows what a decoder does with each code it reads: after a clear the first
    // code adds no entry; every later one adds one, and the width grows when the decoder's
    // next free code reaches 2^width.
    int w = tamanho + 1, livreDecodificador = clear + 2;
    bool primeiroAposClear = true;
    auto emite = [&](int codigo) {
        escritor.Escreve(codigo, w);
        if (codigo == clear) {
            w = tamanho + 1;
            livreDecodificador = clear + 2;
            primeiroAposClear = true;
            return;
        }
        if (codigo == fim)
            return;
        if (primeiroAposClear) {
            primeiroAposClear = false;
            return;
        }
        ++livreDecodificador;
        if (livreDecodificador == (1 << w) && w < 12)
            ++w;
    };

    emite(clear);
    int livre = clear + 2, atual = -1;
    const int largura = bmp.Largura();
    const std::vector<int> linhas = OrdemLinhas(bmp.Altura(), entrelacado);
    std::vector<std::uint8_t> indices(std::size_t(std::max(largura, 0)));
    const std::size_t passoProgresso = std::max<std::size_t>(linhas.size() / 20, 1);
    for (std::size_t iy = 0; iy < linhas.size(); ++iy) {
        const std::uint8_t *l = bmp.Linha(linhas[iy]);
        const std::uint8_t *px = l;
        if (bits != 8) {
            for (int x = 0; x < largura; ++x)
                indices[x] = bits == 4 ? ((x & 1) ? (l[x >> 1] & 0x0F) : (l[x >> 1] >> 4))
                                       : ((l[x >> 3] >> (7 - (x & 7))) & 1);
            px = indices.data();
        }
        for (int x = 0; x < largura; ++x) {
            const int k = px[x];
            if (atual < 0) {
                atual = k;
                continue;
            }
            std::uint32_t slot;
            const int c = tabela->Procura(atual, k, slot);
            if (c >= 0) {
                atual = c;
                continue;
            }
            emite(atual);
            tabela->Poe(slot, atual, k, livre);
            ++livre;
            atual = k;
            if (livre == 4094) {
                emite(atual);
                emite(clear);
                tabela->Limpa();
                livre = clear + 2;
                atual = -1;
            }
        }
        if (progresso && (iy + 1) % passoProgresso == 0)
            progresso(int(100 * (iy + 1) / linhas.size()));
    }
    if (atual >= 0)
        emite(atual);
    emite(fim);
    escritor.Termina();
    if (progresso)
        progresso(100);
    return saida;
}
