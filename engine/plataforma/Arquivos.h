// The default folder, the whole-file text reader, safe file writing and result-folder locks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// The one default folder of the program, where stage and result files go unless the user
// chooses another: <temp>/zok2d-<user>, created on first use with owner-only permissions. An
// existing one that is not a directory of this user (a link, a file, another user's folder) raises
// EInOutError; one that others may enter is made owner-only.
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
