// The GIF picture model without any drawing: the file's screen data, its frames with their
// extensions, reading and writing GIF 87a and 89a, decoding frames to bitmaps and encoding
// bitmaps into frames.
#pragma once

#include "BitmapBM.h"
#include "GifLzw.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Colours as the platform stores them, 0x00BBGGRR; kCorNenhuma is "no colour".
using TCorGIF = std::uint32_t;
inline constexpr TCorGIF kCorNenhuma = 0x1FFFFFFF;

inline TCorGIF CorGIF(int r, int g, int b) {
    return TCorGIF(r) | (TCorGIF(g) << 8) | (TCorGIF(b) << 16);
}

struct TCorRGB {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const TCorRGB &, const TCorRGB &) = default;
};

inline TCorGIF CorGIF(const TCorRGB &c) {
    return CorGIF(c.r, c.g, c.b);
}

// Most pixels of all the frames of one picture together; beyond it reading is "Stream read
// error".
inline constexpr std::int64_t kMaxPixelsGIF = 2 * kMaxPixels;

// Reading tolerates corrupted frames (on by default): they load with what they hold.
bool ToleranciaGIF();
void DefineToleranciaGIF(bool tolerante);

// Bits for a colour count: the smallest b with 2^b >= count, 1..8.
int BitsParaCores(int cores);
// Bits of a count that must be a power of two from 2 to 256, else the colour-count error.
int BitsDaContagem(int cores);

enum class TTipoExtensao { ControleGrafico, TextoSimples, Aplicacao, Comentario };

struct TExtension {
    TTipoExtensao Tipo = TTipoExtensao::Comentario;
    std::vector<std::uint8_t> Fixo;  // fixed part with its size byte (F9: with its terminator)
    std::vector<std::string> Linhas; // data sub-blocks
    std::uint8_t Rotulo() const;
};

struct TGIFData {
    int Largura = 0, Altura = 0;
    int BitsPorPixel = 1;
    int ResolucaoCor = 1;
    std::uint8_t Aspecto = 0;
    std::vector<TCorRGB> TabelaGlobal; // empty: none
    TCorGIF CorFundo = kCorNenhuma;
    std::vector<std::string> Comentario;
};

struct TGIFItem {
    int Largura = 0, Altura = 0;
    std::vector<std::uint8_t> Dados; // code-size byte, sub-blocks, terminator
    int BitsPorPixel = 1;
    std::vector<TCorRGB> TabelaCores;
};

class TGIFFrame {
public:
    int Esquerda = 0, Topo = 0;
    std::shared_ptr<TGIFItem> Item = std::make_shared<TGIFItem>();
    std::vector<TExtension> Extensoes;
    bool Entrelacado = false;
    bool TabelaPropria = false;
    TCorGIF CorTransparente = kCorNenhuma;
    int IndiceTransparente = -1; // index read or written with the colour
    int Intervalo = 0;           // milliseconds
    int Disposicao = 0;
    bool Corrompido = false;
    std::optional<TBitmapBM> Bitmap;

    int Largura() const { return Item->Largura; }
    int Altura() const { return Item->Altura; }
};

class TGIFConteudo {
public:
    enum class TVersao { Desconhecida, V87a, V89a };

    std::shared_ptr<TGIFData> Dados = std::make_shared<TGIFData>();
    std::vector<TGIFFrame> Frames;
    int FrameAtual = -1;
    bool Repete = false;
    int NumRepeticoes = 1;
    TVersao Versao = TVersao::Desconhecida;

    void Limpa();
    // Reads a whole GIF file image; empty data leaves an empty picture. The first frame becomes
    // current and, with `decodifica`, is decoded.
    void Le(std::string_view dados, const TProgressoGIF &progresso = {}, bool decodifica = true);
    // Writes the GIF file image; "No GIF Data to write" without frames.
    std::vector<std::uint8_t> Escreve(const TProgressoGIF &progresso = {});

    // Decodes frame i into its Bitmap (a corruption marks the frame).
    void Decodifica(int i, const TProgressoGIF &progresso = {});
    // Encodes a 1-, 4- or 8-bit bitmap as a new last frame; returns its index.
    int AdicionaBitmap(const TBitmapBM &bmp, const TProgressoGIF &progresso = {});
    // Adds a frame (copy) and updates the version.
    int AdicionaFrame(const TGIFFrame &frame);

    // Colour table a frame decodes with: its own, else the global one, else a grey ramp.
    std::vector<TCorRGB> TabelaDoFrame(int i) const;

private:
    void LeFrame(std::string_view d, std::size_t &p, TGIFFrame &f);
    void PreparaFrame(TGIFFrame &f, const TProgressoGIF &progresso);
};
