#include "plataforma/Arquivos.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <random>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "plataforma/Erros.h"

namespace {
std::mutex gPastaMutex;
std::filesystem::path gPastaDefinida;
// The default folder chosen for each temporary folder (the system's may change in tests).
std::map<std::filesystem::path, std::filesystem::path> gPastaEscolhida;

std::string NomeUsuario() {
    if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
        return pw->pw_name;
    return std::to_string(getuid());
}

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

// A lock file held through flock: the system drops it when its process ends. A lock taken on a
// file that its holder has just removed is worthless, so the path is checked to still name the
// locked file. Returns the descriptor, -1 with errno set when the file cannot be opened (ENOTSUP
// for a path that is not a regular file), or -2 when another holder has it.
int TravaArquivo(const std::filesystem::path &arquivo) {
    for (int tentativa = 0; tentativa < 8; ++tentativa) {
        const int fd =
            ::open(arquivo.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0)
            return -1;
        struct stat aberto {};
        if (::fstat(fd, &aberto) != 0 || !S_ISREG(aberto.st_mode)) {
            ::close(fd);
            errno = ENOTSUP;
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int erro = errno;
            ::close(fd);
            if (erro == EWOULDBLOCK)
                return -2;
            errno = erro;
            return -1;
        }
        struct stat caminho {};
        if (::stat(arquivo.c_str(), &caminho) == 0 && aberto.st_dev == caminho.st_dev &&
            aberto.st_ino == caminho.st_ino)
            return fd;
        ::close(fd);
    }
    return -2;
}

std::string MotivoTrava(int erro, const std::filesystem::path &arquivo) {
    std::string a(1, '"');
    a += arquivo.string();
    a += '"';
    switch (erro) {
    case ELOOP:
        return "o arquivo de trava " + a + " é um link";
    case EISDIR:
        return "o arquivo de trava " + a + " é uma pasta";
    case ENOTSUP:
        return "o arquivo de trava " + a + " não é um arquivo comum";
    case ENOENT:
    case ENOTDIR:
        return "a pasta não existe";
    case EACCES:
    case EPERM:
    case EROFS: {
        // An existing lock file that cannot be opened is its own fault, not the folder's.
        struct stat st {};
        if (::lstat(arquivo.c_str(), &st) == 0)
            return "o arquivo de trava " + a + " não pode ser aberto (" + Motivo(erro) + ")";
        return "sem permissão para gravar na pasta";
    }
    default:
        return "o arquivo de trava " + a + " não pode ser aberto (" + Motivo(erro) + ")";
    }
}

// Folders held by this process, each with the descriptor of its lock file. A hold is lost when
// its lock file was removed and another one now stands at its path: another instance may have
// taken the folder meanwhile, so nothing this process wrote there is trusted again.
struct TPosse {
    std::filesystem::path pasta, arquivo;
    int fd;
    bool perdida = false;
};
std::mutex gPosseMutex;
std::vector<TPosse> gPosses;

bool MesmoArquivo(const std::filesystem::path &a, const std::filesystem::path &b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

TPosse *PosseDe(const std::filesystem::path &pasta) {
    for (TPosse &p : gPosses)
        if (p.pasta.native() == pasta.native())
            return &p;
    for (TPosse &p : gPosses)
        if (MesmoArquivo(p.pasta, pasta))
            return &p;
    return nullptr;
}

// The hold still locks the file that its path names.
bool PosseValida(const TPosse &p) {
    struct stat aberto {
    }, caminho{};
    return !p.perdida && ::fstat(p.fd, &aberto) == 0 && ::stat(p.arquivo.c_str(), &caminho) == 0 &&
           aberto.st_dev == caminho.st_dev && aberto.st_ino == caminho.st_ino;
}

// Confirms a hold before its folder's results are used: a valid one gets fresh times (so that
// cleaners of old temporary files leave it alone; only once they are a minute old, as a step
// file is read in a few microseconds); one whose lock file is simply gone is taken again; one whose
// path now names another file is lost for good. False when lost.
bool ConferePosse(TPosse &p) {
    if (p.perdida)
        return false;
    struct stat aberto {
    }, caminho{};
    if (::fstat(p.fd, &aberto) == 0) {
        if (::stat(p.arquivo.c_str(), &caminho) == 0) {
            if (aberto.st_dev == caminho.st_dev && aberto.st_ino == caminho.st_ino) {
                if (caminho.st_mtim.tv_sec + 60 < std::time(nullptr))
                    ::futimens(p.fd, nullptr);
                return true;
            }
        } else if (errno == ENOENT) {
            const int fd = TravaArquivo(p.arquivo);
            if (fd >= 0) {
                ::close(p.fd);
                p.fd = fd;
                return true;
            }
        }
    }
    ::close(p.fd);
    p.fd = -1;
    p.perdida = true;
    return false;
}

constexpr const char *kArquivoPosse = ".darv_2d.instancia";

// Checks (creating it when missing) the private default folder `p` in the shared temporary
// folder: it must be a real directory of this user that nobody else can enter, or others could
// plant files and links where results go. False, with the reason, for a name that is something
// else (a link, a file, another user's folder).
bool PastaPrivada(const std::filesystem::path &p, std::string *motivo = nullptr) {
    if (::mkdir(p.c_str(), 0700) != 0 && errno != EEXIST)
        throw EInOutError("Não foi possível criar a pasta " + p.string() + ": " + Motivo(errno));
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        if (motivo)
            *motivo = "a pasta " + p.string() + " não é uma pasta privada deste usuário";
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(p.c_str(), 0700) != 0)
        throw EInOutError("Não foi possível proteger a pasta " + p.string() + ": " + Motivo(errno));
    return true;
}
} // namespace

std::string MensagemPastaDeOutraInstancia(const std::filesystem::path &pasta) {
    return "A pasta \"" + pasta.string() +
           "\" está em uso por outra instância do programa. Escolha outra pasta em "
           "\"Configurações do Programa\" ou feche a outra instância.";
}

std::string MensagemPastaPerdida(const std::filesystem::path &pasta) {
    return "O arquivo de trava \"" + (pasta / kArquivoPosse).string() +
           "\" foi removido enquanto o programa rodava e outro tomou o seu lugar: a pasta \"" +
           pasta.string() +
           "\" pode ter sido usada por outra instância do programa, e os resultados gravados "
           "nela deixam de ser lidos. Rode a análise novamente, se preciso com outra pasta em "
           "\"Configurações do Programa\".";
}

bool SeguraPasta(const std::filesystem::path &pasta, std::string *motivo) {
    std::lock_guard<std::mutex> lock(gPosseMutex);
    if (TPosse *p = PosseDe(pasta)) {
        if (ConferePosse(*p))
            return true;
        throw Exception(MensagemPastaPerdida(p->pasta));
    }
    const std::filesystem::path arquivo = pasta / kArquivoPosse;
    const int fd = TravaArquivo(arquivo);
    if (fd == -2)
        throw Exception(MensagemPastaDeOutraInstancia(pasta));
    if (fd < 0) {
        if (motivo)
            *motivo = MotivoTrava(errno, arquivo);
        return false;
    }
    gPosses.push_back({pasta, arquivo, fd});
    RemoveTemporariosAbandonados(pasta);
    return true;
}

void VerificaPosse(const std::filesystem::path &arquivo) {
    const std::filesystem::path pasta = arquivo.parent_path();
    std::lock_guard<std::mutex> lock(gPosseMutex);
    TPosse *p = PosseDe(pasta.empty() ? std::filesystem::path(".") : pasta);
    if (p && !ConferePosse(*p))
        throw Exception(MensagemPastaPerdida(p->pasta));
}

void LiberaPastas(const std::vector<std::filesystem::path> &manter) {
    std::lock_guard<std::mutex> lock(gPosseMutex);
    for (auto it = gPosses.begin(); it != gPosses.end();) {
        bool fica = false;
        for (const auto &m : manter)
            fica = fica || MesmoArquivo(it->pasta, m);
        if (fica) {
            ++it;
            continue;
        }
        if (PosseValida(*it))
            ::unlink(it->arquivo.c_str());
        if (it->fd >= 0)
            ::close(it->fd);
        it = gPosses.erase(it);
    }
}

void DefinePastaPadrao(const std::filesystem::path &p) {
    std::filesystem::path antes;
    {
        std::lock_guard<std::mutex> lock(gPastaMutex);
        antes = gPastaDefinida;
        gPastaDefinida = p;
    }
    if (antes.empty())
        return;
    // Only the folder set before is let go.
    std::lock_guard<std::mutex> lock(gPosseMutex);
    for (auto it = gPosses.begin(); it != gPosses.end(); ++it)
        if (it->pasta == antes) {
            if (it->fd >= 0)
                ::close(it->fd);
            gPosses.erase(it);
            break;
        }
}

std::filesystem::path PastaPadrao() {
    namespace fs = std::filesystem;
    std::lock_guard<std::mutex> lock(gPastaMutex);
    if (!gPastaDefinida.empty()) {
        const fs::path p = gPastaDefinida;
        std::error_code ec;
        if (!fs::is_directory(p, ec)) {
            fs::create_directories(p, ec);
            if (ec)
                throw EInOutError("Não foi possível criar a pasta " + p.string() + ": " +
                                  Motivo(ec.value()));
        }
        std::string motivo;
        if (!SeguraPasta(p, &motivo))
            throw EInOutError("Não foi possível usar a pasta " + p.string() + ": " + motivo);
        return p;
    }
    const fs::path temp = fs::temp_directory_path();
    if (auto it = gPastaEscolhida.find(temp); it != gPastaEscolhida.end()) {
        const fs::path p = it->second;
        std::string motivo;
        bool segura = false;
        if (PastaPrivada(p, &motivo)) {
            try {
                segura = SeguraPasta(p, &motivo);
            } catch (const Exception &e) {
                // Lost to another instance: this call is refused, the next takes a new folder.
                gPastaEscolhida.erase(it);
                throw EInOutError(e.what());
            }
        }
        if (segura)
            return p;
        gPastaEscolhida.erase(it);
    }
    // A name that is not this user's private folder, or whose lock file cannot be held, is
    // passed over like one held by another instance: sharing a folder unheld would let two
    // instances write over each other's files.
    const std::string base = "zok2d-" + NomeUsuario();
    std::string motivo;
    for (int i = 1; i <= 100; ++i) {
        const fs::path p = temp / (i == 1 ? base : base + "-" + std::to_string(i));
        std::string porque;
        if (PastaPrivada(p, &porque)) {
            try {
                if (SeguraPasta(p, &porque)) {
                    gPastaEscolhida[temp] = p;
                    return p;
                }
            } catch (const Exception &) {
                continue; // another running instance's folder
            }
        }
        if (motivo.empty())
            motivo = porque;
    }
    throw EInOutError("Nenhuma pasta livre " + (temp / base).string() +
                      "-<n> para esta instância do programa" +
                      (motivo.empty() ? std::string() : ": " + motivo));
}

std::string LeArquivoComum(const std::filesystem::path &arquivo, std::uintmax_t maximo) {
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw EInOutError("Não foi possível abrir o arquivo " + arquivo.string() + ": " +
                          Motivo(errno));
    struct TFecha {
        int fd;
        ~TFecha() { ::close(fd); }
    } fecha{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw EInOutError("Não foi possível ler o arquivo " + arquivo.string() + ": " +
                          Motivo(errno));
    if (S_ISDIR(st.st_mode))
        throw EInOutError("Não foi possível abrir o arquivo " + arquivo.string() + ": " +
                          Motivo(EISDIR));
    if (!S_ISREG(st.st_mode))
        throw EInOutError("Não foi possível abrir o arquivo " + arquivo.string() +
                          ": não é um arquivo comum");
    if (std::uintmax_t(st.st_size) > maximo)
        throw EInOutError("Não foi possível ler o arquivo " + arquivo.string() + ": " +
                          Motivo(EFBIG));
    std::string dados(std::size_t(st.st_size), '\0');
    std::size_t lidos = 0;
    while (lidos < dados.size()) {
        const ssize_t r = ::read(fd, dados.data() + lidos, dados.size() - lidos);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            throw EInOutError("Não foi possível ler o arquivo " + arquivo.string() + ": " +
                              Motivo(errno));
        if (r == 0)
            break;
        lidos += std::size_t(r);
    }
    dados.resize(lidos);
    return dados;
}

void RemoveTemporariosAbandonados(const std::filesystem::path &pasta) {
    DIR *d = ::opendir(pasta.c_str());
    if (!d)
        return;
    const int dfd = ::dirfd(d);
    while (const dirent *e = ::readdir(d)) {
        // <target>.tmp<pid>-<16 hex digits>
        const std::string_view nome = e->d_name;
        const std::size_t tmp = nome.rfind(".tmp");
        if (tmp == std::string_view::npos || tmp == 0)
            continue;
        const std::string_view resto = nome.substr(tmp + 4);
        const std::size_t traco = resto.find('-');
        if (traco == 0 || traco == std::string_view::npos || traco > 10 ||
            resto.size() - traco - 1 != 16)
            continue;
        const std::string_view pid = resto.substr(0, traco), hex = resto.substr(traco + 1);
        if (!std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            !std::all_of(hex.begin(), hex.end(),
                         [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
            continue;
        const long dono = std::strtol(std::string(pid).c_str(), nullptr, 10);
        if (dono <= 0 || dono > INT32_MAX || pid_t(dono) == ::getpid())
            continue;
        if (::kill(pid_t(dono), 0) == 0 || errno != ESRCH)
            continue; // its process lives (or is not ours to judge)
        struct stat st {};
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::getuid())
            ::unlinkat(dfd, e->d_name, 0);
    }
    ::closedir(d);
}

TLeitorTexto::TLeitorTexto(const std::filesystem::path &arquivo, std::uintmax_t maximo)
    : arquivo_(arquivo), dados_(LeArquivoComum(arquivo, std::min(maximo, kMaximoTexto))) {}

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
        char nome[48];
        std::snprintf(nome, sizeof nome, ".tmp%ld-%016llx", static_cast<long>(::getpid()),
                      static_cast<unsigned long long>(r));
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

// The lock file exists only while a run holds it.
TTravaPasta::TTravaPasta(const std::filesystem::path &pasta) : arquivo_(pasta / ".darv_2d.trava") {
    std::string motivo;
    if (!SeguraPasta(pasta, &motivo))
        throw EInOutError("Não foi possível travar a pasta de resultados \"" + pasta.string() +
                          "\": " + motivo + ".");
    fd_ = TravaArquivo(arquivo_);
    if (fd_ == -2)
        throw Exception(kPastaEmUso);
    if (fd_ < 0)
        throw EInOutError("Não foi possível travar a pasta de resultados \"" + pasta.string() +
                          "\": " + MotivoTrava(errno, arquivo_) + ".");
    RemoveTemporariosAbandonados(pasta);
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

void SalvaArquivo(const std::filesystem::path &arquivo, std::string_view conteudo) {
    const std::filesystem::path pasta = arquivo.parent_path();
    RemoveTemporariosAbandonados(pasta.empty() ? std::filesystem::path(".") : pasta);
    EscreveArquivo(arquivo, conteudo);
}
