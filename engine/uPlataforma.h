// The engine's stand-ins for the services of the operating platform: error types with the
// platform's messages, locale-independent number text, the decimal-separator setting, the
// default folder, safe text files, the message sink and the drawing canvas interface.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Errors
// ---------------------------------------------------------------------------------------------

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &msg) : std::runtime_error(msg) {}
};

class EInOutError : public Exception {
public:
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Floating point division by zero";
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Invalid floating point operation";
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError(kMensagem) {}
    static constexpr const char *kMensagem = "Floating point overflow";
};

[[noreturn]] void ErroDivisaoPorZero();
[[noreturn]] void ErroOperacaoInvalida();
[[noreturn]] void ErroEstouro();

// Division and square root that raise the platform's floating-point errors instead of
// producing infinities or NaN.
double Divide(double a, double b);
double RaizQuadrada(double x);
// Throws EInvalidOp for NaN and EOverflow for an infinity; returns x otherwise.
double VerificaFinito(double x);
// Nearest integer, halves to even. Throws EInvalidOp when x is NaN or outside the 32-bit range.
int Round(double x);

// ---------------------------------------------------------------------------------------------
// Number text (never depends on the C or C++ global locale)
// ---------------------------------------------------------------------------------------------

// Decimal separator used where a value follows the user's locale (default '.').
char DecimalSeparator();
void SetDecimalSeparator(char c);

// Reads a real written with the given decimal separator; surrounding blanks are allowed.
// Throws EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view s, char separador);
// Same with the current DecimalSeparator().
double StrToFloat(std::string_view s);
// Same with a decimal point, whatever the locale (data files).
double StrToFloatPonto(std::string_view s);
// Non-throwing form; returns false when the text is not a number.
bool TryStrToFloat(std::string_view s, double &v, char separador = '.');

// Reads an integer (blanks allowed around it). Throws "'<text>' is not a valid integer value".
int StrToInt(std::string_view s);
bool TryStrToInt(std::string_view s, int &v);

// General format with 15 significant digits: fixed notation unless the exponent is below -5
// or above 15, trailing zeros removed ("0.1", "1E20", "1.5E-7").
std::string FloatToStr(double v, char separador);
std::string FloatToStr(double v); // current DecimalSeparator()
// General format with the given significant digits, as the platform's "%.<p>g".
std::string FormatG(double v, int precisao, char separador = '.');
// Rounds v to 15 significant digits (the value FloatToStr shows).
double Arredonda15(double v);

// Fixed notation with `decimais` decimals, right-aligned in `largura` characters (wider when
// needed), like "%<largura>.<decimais>f". Appends to `out`.
void AppendFixo(std::string &out, double v, int largura, int decimais, char separador = '.');
// The same text written at dest, which needs room for largura + kMaxFixo characters; returns
// the end of the text.
inline constexpr int kMaxFixo = 400;
char *EscreveFixo(char *dest, double v, int largura, int decimais, char separador = '.');
std::string FormatFixo(double v, int largura, int decimais, char separador = '.');
// Shortest text that reads back to the same double.
std::string FloatToStrExato(double v, char separador = '.');
void AppendInteiro(std::string &out, long long v, int largura = 0);

// ---------------------------------------------------------------------------------------------
// Folders and files
// ---------------------------------------------------------------------------------------------

// The one default folder of the program (stands for the original's fixed temporary folder):
// <temp>/zok2d-<user>, created on first use with owner-only permissions. An existing one that is
// not a directory of this user (a link, a file, another user's folder) raises EInOutError; one
// that others may enter is made owner-only.
std::filesystem::path PastaPadrao();
// For tests: use another folder as the default one (empty path restores the normal one).
void DefinePastaPadrao(const std::filesystem::path &p);

// Whole-file text reader with line numbers; accepts "\n" and "\r\n". Throws EInOutError
// naming the file when it cannot be opened.
class TLeitorTexto {
public:
    // Files larger than `maximo` bytes (and than kMaximoTexto) or folders are refused with
    // EInOutError and the system's reason.
    explicit TLeitorTexto(const std::filesystem::path &arquivo,
                          std::uintmax_t maximo = kMaximoTexto);
    static constexpr std::uintmax_t kMaximoTexto = std::uintmax_t(1) << 30;
    // Next line without its line end; false at the end of the file.
    bool LeLinha(std::string_view &linha);
    bool Fim() const { return pos_ >= dados_.size(); }
    int NumeroLinha() const { return linha_; }
    const std::filesystem::path &Arquivo() const { return arquivo_; }
    std::size_t BytesRestantes() const { return dados_.size() - pos_; }
    // EInOutError "<file>, line <n>: <what>".
    [[noreturn]] void Erro(const std::string &oque) const;

private:
    std::filesystem::path arquivo_;
    std::string dados_;
    std::size_t pos_ = 0;
    int linha_ = 0;
};

// Writes a file under a temporary name in the same folder and renames it over the target on
// Confirma(), so a failure never leaves a half-written file in place of a good one. Without
// Confirma() the temporary file is removed. Errors throw EInOutError naming the target.
class TArquivoSeguro {
public:
    explicit TArquivoSeguro(const std::filesystem::path &arquivo);
    ~TArquivoSeguro();
    TArquivoSeguro(const TArquivoSeguro &) = delete;
    TArquivoSeguro &operator=(const TArquivoSeguro &) = delete;
    void Escreve(std::string_view texto);
    void Confirma();

private:
    std::filesystem::path arquivo_, temporario_;
    std::FILE *f_ = nullptr;
    bool confirmado_ = false;
};

// Holds, while it lives, the lock of a result folder: a second run writing there (in this or
// another process) is refused with kPastaEmUso. A folder that cannot hold the lock file is
// left unlocked.
class TTravaPasta {
public:
    explicit TTravaPasta(const std::filesystem::path &pasta);
    ~TTravaPasta();
    TTravaPasta(const TTravaPasta &) = delete;
    TTravaPasta &operator=(const TTravaPasta &) = delete;

private:
    std::filesystem::path arquivo_;
    int fd_ = -1;
};
inline constexpr const char *kPastaEmUso =
    "Outra análise está gravando resultados nesta pasta. Aguarde o fim dela ou escolha outra "
    "pasta nas configurações.";

// Writes `conteudo` to `arquivo` through TArquivoSeguro.
void EscreveArquivo(const std::filesystem::path &arquivo, std::string_view conteudo);

// Splits a line into blank-separated fields.
std::vector<std::string_view> Campos(std::string_view linha);
std::string_view Apara(std::string_view s);

// ---------------------------------------------------------------------------------------------
// Messages shown to the user
// ---------------------------------------------------------------------------------------------

enum class TTipoMensagem { Informacao, Aviso, Erro, Confirmacao };

// Where the engine's messages go; the program binds message boxes, tests bind a recorder.
class IMensagens {
public:
    virtual ~IMensagens() = default;
    // For Confirmacao the answer is true for Yes/OK; other kinds return true.
    virtual bool Mostra(TTipoMensagem tipo, const std::string &texto) = 0;
};

// Binds the sink (not owned; nullptr restores the default, which writes to standard error).
void DefineMensagens(IMensagens *m);
IMensagens *Mensagens();
bool MostraMensagem(TTipoMensagem tipo, const std::string &texto);
inline void ShowMessage(const std::string &texto) {
    MostraMensagem(TTipoMensagem::Informacao, texto);
}
inline void MostraErro(const std::string &texto) {
    MostraMensagem(TTipoMensagem::Erro, texto);
}

// ---------------------------------------------------------------------------------------------
// Drawing canvas
// ---------------------------------------------------------------------------------------------

// Colour as the platform stores it: 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor RGBCor(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TBrushStyle {
    bsSolid,
    bsClear,
    bsBDiagonal,
    bsFDiagonal,
    bsCross,
    bsHorizontal,
    bsVertical,
    bsDiagCross
};

struct TPonto {
    int X = 0, Y = 0;
    bool operator==(const TPonto &) const = default;
};

struct TCaneta {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TPincel {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TFonte {
    std::string Name = "Arial";
    int Size = 8;
    TColor Color = clBlack;
};

// A picture's canvas in device pixels (y down). The program implements it on QPainter; tests
// record the calls. Drawing calls use the current Pen, Brush and Font.
class TCanvas {
public:
    virtual ~TCanvas() = default;
    TCaneta Pen;
    TPincel Brush;
    TFonte Font;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polygon(const std::vector<TPonto> &pontos) = 0;
    virtual void Polyline(const std::vector<TPonto> &pontos) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void TextOut(int x, int y, const std::string &texto) = 0;
    virtual int TextWidth(const std::string &texto) = 0;
    virtual int TextHeight(const std::string &texto) = 0;
    virtual TColor GetPixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor c) = 0;
    virtual int Largura() const = 0;
    virtual int Altura() const = 0;
};
