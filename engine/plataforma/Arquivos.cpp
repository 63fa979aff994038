#include "plataforma/Arquivos.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "plataforma/Erros.h"

namespace {
std::mutex gPastaMutex;
std::filesystem::path gPastaDefinida;

std::string NomeUsuario() {
    if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
        return pw->pw_name;
    return std::to_string(getuid());
}
} // namespace

namespace {
// The reason of a system error in Portuguese, whatever the locale; the system's own text for
// the rare ones.
std::string Motivo(int erro) {
    switch (erro) {
    case ENOENT:
        return "Arquivo ou pasta inexistente";
    case EACCES:
    case EPERM:
        return "Permissão negada";
    case EFBIG:
        return "Arquivo grande demais";
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
    case EEXIST:
        return "O arquivo já existe";
    case EMFILE:
    case ENFILE:
        return "Arquivos abertos demais";
    case ENAMETOOLONG:
        return "Nome de arquivo longo demais";
    case ELOOP:
        return "Ligações simbólicas demais";
    case EIO:
        return "Erro de entrada e saída";
    case EBUSY:
        return "Recurso ocupado";
    default:
        return std::system_category().message(erro);
    }
}
} // namespace

void DefinePastaPadrao(const std::filesystem::path &p) {
    std::lock_guard<std::mutex> lock(gPastaMutex);
    gPastaDefinida = p;
}

std::filesystem::path PastaPadrao() {
    namespace fs = std::filesystem;
    std::lock_guard<std::mutex> lock(gPastaMutex);
    fs::path p = gPastaDefinida.empty() ? fs::temp_directory_path() / ("zok2d-" + NomeUsuario())
                                        : gPastaDefinida;
    if (!gPastaDefinida.empty()) {
        std::error_code ec;
        if (!fs::is_directory(p, ec)) {
            fs::create_directories(p, ec);
            if (ec)
                throw EInOutError("Não foi possível criar a pasta " + p.string() + ": " +
                                  Motivo(ec.value()));
        }
        return p;
    }
    // The folder sits in the shared temporary folder: it must be a real directory of this user
    // that nobody else can enter, or others could plant files and links where results go.
    if (::mkdir(p.c_str(), 0700) != 0 && errno != EEXIST)
        throw EInOutError("Não foi possível criar a pasta " + p.string() + ": " + Motivo(errno));
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        throw EInOutError("A pasta " + p.string() + " não é uma pasta privada deste usuário");
    if ((st.st_mode & 077) != 0 && ::chmod(p.c_str(), 0700) != 0)
        throw EInOutError("Não foi possível proteger a pasta " + p.string() + ": " + Motivo(errno));
    return p;
}

TLeitorTexto::TLeitorTexto(const std::filesystem::path &arquivo, std::uintmax_t maximo)
    : arquivo_(arquivo) {
    std::error_code ec;
    if (std::filesystem::is_directory(arquivo, ec))
        throw EInOutError("Não foi possível abrir o arquivo " + arquivo.string() + ": " +
                          Motivo(EISDIR));
    std::ifstream f(arquivo, std::ios::binary);
    if (!f)
        throw EInOutError("Não foi possível abrir o arquivo " + arquivo.string());
    f.seekg(0, std::ios::end);
    std::streamoff tam = f.tellg();
    if (tam < 0)
        throw EInOutError("Não foi possível ler o arquivo " + arquivo.string());
    if (std::uintmax_t(tam) > std::min(maximo, kMaximoTexto))
        throw EInOutError("Não foi possível ler o arquivo " + arquivo.string() + ": " +
                          Motivo(EFBIG));
    f.seekg(0, std::ios::beg);
    dados_.resize(std::size_t(tam));
    if (tam > 0 && !f.read(dados_.data(), tam))
        throw EInOutError("Não foi possível ler o arquivo " + arquivo.string());
}

bool TLeitorTexto::LeLinha(std::string_view &linha) {
    if (pos_ >= dados_.size())
        return false;
    std::size_t fim = dados_.find('\n', pos_);
    std::size_t prox = fim == std::string::npos ? dados_.size() : fim + 1;
    if (fim == std::string::npos)
        fim = dados_.size();
    std::size_t f = fim;
    if (f > pos_ && dados_[f - 1] == '\r')
        --f;
    linha = std::string_view(dados_).substr(pos_, f - pos_);
    pos_ = prox;
    ++linha_;
    return true;
}

void TLeitorTexto::Erro(const std::string &oque) const {
    throw EInOutError(arquivo_.string() + ", linha " + std::to_string(linha_) + ": " + oque);
}

// The temporary file gets an unpredictable name and is created exclusively, never through a
// link, so that nothing planted beside the target is written to.
TArquivoSeguro::TArquivoSeguro(const std::filesystem::path &arquivo) : arquivo_(arquivo) {
    static std::random_device fonte;
    int fd = -1, erro = 0;
    for (int tentativa = 0; tentativa < 16 && fd < 0; ++tentativa) {
        const std::uint64_t r = (std::uint64_t(fonte()) << 32) ^ fonte();
        char nome[24];
        std::snprintf(nome, sizeof nome, ".tmp%016llx", static_cast<unsigned long long>(r));
        temporario_ = arquivo;
        temporario_ += nome;
        fd =
            ::open(temporario_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        erro = errno;
        if (fd < 0 && erro != EEXIST)
            break;
    }
    if (fd < 0)
        throw EInOutError("Não foi possível criar o arquivo " + arquivo_.string() + ": " +
                          Motivo(erro));
    f_ = ::fdopen(fd, "wb");
    if (!f_) {
        erro = errno;
        ::close(fd);
        ::unlink(temporario_.c_str());
        throw EInOutError("Não foi possível criar o arquivo " + arquivo_.string() + ": " +
                          Motivo(erro));
    }
}

TArquivoSeguro::~TArquivoSeguro() {
    if (f_)
        std::fclose(f_);
    if (!confirmado_)
        ::unlink(temporario_.c_str());
}

void TArquivoSeguro::Escreve(std::string_view texto) {
    if (!f_)
        throw EInOutError("O arquivo já foi fechado: " + arquivo_.string());
    if (!texto.empty() && std::fwrite(texto.data(), 1, texto.size(), f_) != texto.size())
        throw EInOutError("Não foi possível gravar o arquivo " + arquivo_.string() + ": " +
                          Motivo(errno));
}

// Flushed and synced to disk before it replaces the target.
void TArquivoSeguro::Confirma() {
    if (!f_)
        throw EInOutError("O arquivo já foi fechado: " + arquivo_.string());
    int erro = 0;
    if (std::fflush(f_) != 0 || ::fdatasync(fileno(f_)) != 0)
        erro = errno;
    if (std::fclose(f_) != 0 && erro == 0)
        erro = errno;
    f_ = nullptr;
    if (erro != 0)
        throw EInOutError("Não foi possível gravar o arquivo " + arquivo_.string() + ": " +
                          Motivo(erro));
    if (::rename(temporario_.c_str(), arquivo_.c_str()) != 0)
        throw EInOutError("Não foi possível gravar o arquivo " + arquivo_.string() + ": " +
                          Motivo(errno));
    confirmado_ = true;
}

// The lock file exists only while a run holds it. A lock taken on a file that its holder has
// just removed is worthless, so the path is checked to still name the locked file.
TTravaPasta::TTravaPasta(const std::filesystem::path &pasta) : arquivo_(pasta / ".darv_2d.trava") {
    for (int tentativa = 0; tentativa < 8; ++tentativa) {
        fd_ = ::open(arquivo_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ < 0)
            return; // no folder to write to: the run's own writes report it
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            const int erro = errno;
            ::close(fd_);
            fd_ = -1;
            if (erro == EWOULDBLOCK)
                throw Exception(kPastaEmUso);
            return;
        }
        struct stat aberto, caminho;
        if (::fstat(fd_, &aberto) == 0 && ::stat(arquivo_.c_str(), &caminho) == 0 &&
            aberto.st_dev == caminho.st_dev && aberto.st_ino == caminho.st_ino)
            return;
        ::close(fd_);
        fd_ = -1;
    }
    throw Exception(kPastaEmUso);
}

TTravaPasta::~TTravaPasta() {
    if (fd_ < 0)
        return;
    ::unlink(arquivo_.c_str());
    ::close(fd_);
}

void EscreveArquivo(const std::filesystem::path &arquivo, std::string_view conteudo) {
    TArquivoSeguro f(arquivo);
    f.Escreve(conteudo);
    f.Confirma();
}
