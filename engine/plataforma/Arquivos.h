// The default folder, the whole-file text reader, safe file writing and result-folder locks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The one default folder of this process: <temp>/zok2d-<user>, or <temp>/zok2d-<user>-2, -3 ...
// when the first names cannot be this instance's: held by another running instance, a lock file
// that cannot be held (a folder, a FIFO, a link, unreadable), or a name that is not a private
// directory of this user (a link, a file, another user's folder). Created on first use with
// owner-only permissions and held (SeguraPasta) until the process ends; one that others may
// enter is made owner-only. Raises EInOutError with the reason when no name can be used, and
// once, with MensagemPastaPerdida, when the folder in use was lost to another instance (the
// next call takes a new one).
std::filesystem::path PastaPadrao();
// For tests: use another folder as the default one (empty path restores the normal one).
void DefinePastaPadrao(const std::filesystem::path &p);

// Folders held by this process against other running instances of the program: each holds a
// lock file that only a live process can keep, so a folder left by a killed instance is free.
// Takes (or confirms) the hold on `pasta`: throws Exception(MensagemPastaDeOutraInstancia) when
// another instance holds it, Exception(MensagemPastaPerdida) when the hold was lost; returns
// false, with the reason in `motivo`, when the folder cannot hold its lock file (missing, not
// writable, lock path not a regular file or not readable).
bool SeguraPasta(const std::filesystem::path &pasta, std::string *motivo = nullptr);
// Before this process reads or writes results in the folder of `arquivo`: confirms its hold on
// that folder (if it holds it) and refreshes the lock file's times. A lock file removed meanwhile
// is made again; one replaced by another file means the folder may have been used by another
// instance, and throws Exception(MensagemPastaPerdida) from then on.
void VerificaPosse(const std::filesystem::path &arquivo);
// Lets go of every held folder that is not one of `manter`.
void LiberaPastas(const std::vector<std::filesystem::path> &manter);
std::string MensagemPastaDeOutraInstancia(const std::filesystem::path &pasta);
std::string MensagemPastaPerdida(const std::filesystem::path &pasta);
// Removes the temporary files of TArquivoSeguro left in `pasta` by processes that are gone.
void RemoveTemporariosAbandonados(const std::filesystem::path &pasta);

// The whole content of a regular file of at most `maximo` bytes. Anything else (a folder, a
// FIFO, a device) is refused without blocking, with EInOutError naming the file and the reason.
std::string LeArquivoComum(const std::filesystem::path &arquivo, std::uintmax_t maximo);

// Whole-file text reader with line numbers; accepts "\n" and "\r\n". Throws EInOutError
// naming the file when it cannot be opened.
class TLeitorTexto {
public:
    // Files larger than `maximo` bytes (and than kMaximoTexto) or that are not regular files are
    // refused with EInOutError and the reason.
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
// another process) is refused with kPastaEmUso. The process also holds the folder against other
// instances (SeguraPasta) and clears the temporary files that dead processes left there. A folder
// that cannot hold the lock file refuses the run with the reason (EInOutError).
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
// EscreveArquivo for a file the user saves (mesh, domain, report): first clears the temporary
// files that dead writers left in its folder.
void SalvaArquivo(const std::filesystem::path &arquivo, std::string_view conteudo);
