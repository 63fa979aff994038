#include "MemoriaSistema.h"

#include "Ajustes.h"
#include "LinhasTexto.h"
#include "uEstadoInterface.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kBloco = 1024 * 1024;

std::string &ArquivoMemInfo() {
    static std::string arquivo = "/proc/meminfo";
    return arquivo;
}

// Value in kB of the line "<chave>: <n> kB"; false when the line is missing or malformed.
bool ValorKb(std::string_view texto, std::string_view chave, std::uint64_t &kb) {
    std::size_t pos = 0;
    std::string_view linha;
    while (ProximaLinha(texto, pos, linha)) {
        if (linha.size() <= chave.size() || linha.substr(0, chave.size()) != chave ||
            linha[chave.size()] != ':')
            continue;
        linha.remove_prefix(chave.size() + 1);
        while (!linha.empty() && (linha.front() == ' ' || linha.front() == '\t'))
            linha.remove_prefix(1);
        std::uint64_t v = 0;
        const auto r = std::from_chars(linha.data(), linha.data() + linha.size(), v);
        if (r.ec != std::errc() || r.ptr == linha.data())
            return false;
        // Values above 2^54 kB would not fit in bytes: not a real machine.
        if (v > (UINT64_MAX >> 10))
            return false;
        kb = v;
        return true;
    }
    return false;
}

// a / b rounded half to even (a >= 0, b > 0).
std::uint64_t DivideArredondado(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t q = a / b, r = a % b;
    return (2 * r > b || (2 * r == b && (q & 1))) ? q + 1 : q;
}

// Keeps the compiler from dropping the writes to a block that is freed unread.
inline void Toca(void *p) {
    asm volatile("" : : "r"(p) : "memory");
}

} // namespace

TEstadoMemoria LeMemInfo(const std::string &arquivo) {
    TEstadoMemoria m;
    std::ifstream in(arquivo, std::ios::binary);
    if (!in)
        return m;
    std::string texto;
    // meminfo is small; a larger file is not one.
    texto.resize(64 * 1024);
    in.read(texto.data(), std::streamsize(texto.size()));
    texto.resize(std::size_t(in.gcount()));
    std::uint64_t total = 0, disponivel = 0;
    if (!ValorKb(texto, "MemTotal", total))
        return m;
    if (!ValorKb(texto, "MemAvailable", disponivel) && !ValorKb(texto, "MemFree", disponivel))
        return m;
    m.TotalBytes = total << 10;
    m.DisponivelBytes = std::min(disponivel, total) << 10;
    return m;
}

TEstadoMemoria LeEstadoMemoria() {
    return LeMemInfo(ArquivoMemInfo());
}

void DefineArquivoMemInfo(const std::string &arquivo) {
    ArquivoMemInfo() = arquivo.empty() ? "/proc/meminfo" : arquivo;
}

int MemoriaLivreMb(const TEstadoMemoria &m) {
    return int(std::min<std::uint64_t>(DivideArredondado(m.DisponivelBytes, 1000000), INT_MAX));
}

TLeituraMonitor LeituraMonitor(const TEstadoMemoria &m) {
    TLeituraMonitor l;
    l.LivreKb = m.DisponivelKb();
    l.TotalKb = m.TotalKb();
    l.Percentual = l.TotalKb > 0 ? int(l.LivreKb * 100 / l.TotalKb) : 0;
    const std::uint64_t livreMb = DivideArredondado(std::uint64_t(l.LivreKb), 1000);
    l.TextoLivre = std::to_string(l.LivreKb) + " kb Livres";
    l.TextoPercentual =
        std::to_string(l.Percentual) + "% de " + std::to_string(l.TotalKb) + " kb Livres";
    l.TextoStatus = std::to_string(livreMb) + " Mb (" + std::to_string(l.Percentual) + "%) Livres";
    return l;
}

int MaximoSeletor(const TEstadoMemoria &m) {
    return int(
        std::min<std::uint64_t>(DivideArredondado(std::uint64_t(m.TotalKb()), 1000), INT_MAX));
}

std::string TextoSeletor(int mb) {
    return std::to_string(mb) + " Mb memória livre";
}

int LimiteSuperiorAcoplado(int limiteLivre, int limiteSuperior) {
    return limiteLivre > limiteSuperior ? limiteLivre : limiteSuperior;
}

std::mutex &SecaoLiberacao() {
    static std::mutex secao;
    return secao;
}

int BlocosPermitidos(int n, const TEstadoMemoria &m) {
    if (n <= 0)
        return 0;
    const std::uint64_t reserva = m.TotalBytes / 20;
    if (m.DisponivelBytes <= reserva)
        return 0;
    const std::uint64_t blocos = (m.DisponivelBytes - reserva) / kBloco;
    return int(std::min<std::uint64_t>(blocos, std::uint64_t(n)));
}

bool TomaELiberaBlocos(int n, const std::function<void(int)> &progresso) {
    std::vector<void *> blocos;
    bool completo = true;
    try {
        blocos.reserve(std::size_t(std::max(n, 0)));
    } catch (const std::bad_alloc &) {
        return false;
    }
    for (int i = 0; i < n; ++i) {
        void *p = std::malloc(kBloco);
        if (!p) {
            completo = false;
            break;
        }
        std::memset(p, 0, kBloco);
        Toca(p);
        blocos.push_back(p);
        if (progresso)
            progresso(i);
    }
    for (std::size_t i = 0; i < blocos.size(); ++i) {
        std::free(blocos[i]);
        if (completo && progresso)
            progresso(n + int(i));
    }
    return completo;
}

int LiberarMemoria(int n) {
    std::lock_guard<std::mutex> trava(SecaoLiberacao());
    const int blocos = BlocosPermitidos(n, LeEstadoMemoria());
    return TomaELiberaBlocos(blocos, {}) ? blocos : 0;
}

// ---------------------------------------------------------------------------------------------
// The memory tool as the runs see it

class TFerramentaMemoria::TLigacao : public IInformacoesSistema {
public:
    explicit TLigacao(TFerramentaMemoria &dona) : dona_(dona) {}

    int MemoriaLivreMb() override { return dona_.MemoriaLivreMb(); }
    void LiberarMemoria(int n) override {
        dona_.FUltimoPedido = n;
        dona_.FUltimosBlocos = ::LiberarMemoria(n);
    }

private:
    TFerramentaMemoria &dona_;
};

TFerramentaMemoria::TFerramentaMemoria() : FLigacao(std::make_unique<TLigacao>(*this)) {}

TFerramentaMemoria::~TFerramentaMemoria() {
    Desliga();
    if (FLigou)
        Estado().OnLiberaInformacoesSistema = nullptr;
}

void TFerramentaMemoria::AplicaRegra(const TRegraMemoria &regra) {
    TLigacao &l = *FLigacao;
    l.FAplicado = regra.Aplicado;
    l.FPorEtapa = regra.PorEtapa;
    l.FLimitePorEtapa = regra.LimitePorEtapa;
    l.FLimiteLivre = regra.LimiteLivre;
    l.FLimiteSuperior = regra.LimiteSuperior;
}

TRegraMemoria TFerramentaMemoria::Regra() const {
    const TLigacao &l = *FLigacao;
    return {l.FAplicado, l.FPorEtapa, l.FLimitePorEtapa, l.FLimiteLivre, l.FLimiteSuperior};
}

void TFerramentaMemoria::Liga() {
    TEstadoInterface &e = Estado();
    e.InformacoesSistema = FLigacao.get();
    FLigou = true;
    e.OnLiberaInformacoesSistema = [this](IInformacoesSistema *info) {
        if (info == FLigacao.get() && OnLibera)
            OnLibera();
    };
}

void TFerramentaMemoria::Desliga() {
    if (Ligada())
        Estado().InformacoesSistema = nullptr;
}

bool TFerramentaMemoria::Ligada() const {
    return Estado().InformacoesSistema == FLigacao.get();
}

int TFerramentaMemoria::MemoriaLivreMb() const {
    return ::MemoriaLivreMb(LeEstadoMemoria());
}
