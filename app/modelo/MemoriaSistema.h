// Physical memory of the machine (read from the kernel's meminfo file) and the memory tool's
// rules: the monitor texts, the coupling of the two limits and the release of memory that takes
// zero-filled blocks of 1 MiB and gives them back at once. All arithmetic is 64-bit.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

struct TEstadoMemoria {
    std::uint64_t TotalBytes = 0;
    std::uint64_t DisponivelBytes = 0;

    std::int64_t TotalKb() const { return std::int64_t(TotalBytes >> 10); }
    std::int64_t DisponivelKb() const { return std::int64_t(DisponivelBytes >> 10); }
};

// Reads MemTotal and MemAvailable (MemFree on kernels without it) from a meminfo file. An
// unreadable or malformed file gives zeros.
TEstadoMemoria LeMemInfo(const std::string &arquivo);
// The same from the program's meminfo file (/proc/meminfo unless a test set another one).
TEstadoMemoria LeEstadoMemoria();
// Tests: read another file; an empty name restores /proc/meminfo.
void DefineArquivoMemInfo(const std::string &arquivo);

// Available bytes / 1,000,000, rounded half to even, clamped to the 32-bit range.
int MemoriaLivreMb(const TEstadoMemoria &m);

// What the monitor shows at a tick.
struct TLeituraMonitor {
    std::int64_t LivreKb = 0;
    std::int64_t TotalKb = 0;
    int Percentual = 0;          // free kB * 100 / total kB (integer division)
    std::string TextoLivre;      // "<free> kb Livres"
    std::string TextoPercentual; // "<p>% de <total> kb Livres"
    std::string TextoStatus;     // "<free/1000> Mb (<p>%) Livres"
};
TLeituraMonitor LeituraMonitor(const TEstadoMemoria &m);

// Maximum of the track bar: total kB / 1000, rounded.
int MaximoSeletor(const TEstadoMemoria &m);
// "<mb> Mb memória livre" (the track bar's hint; the label adds " quando otimizado").
std::string TextoSeletor(int mb);

// After either limit changed: the upper limit follows the free limit when it is below it.
int LimiteSuperiorAcoplado(int limiteLivre, int limiteSuperior);

// The lock shared, for the program's life, by the memory tool's worker and the analyses'
// per-step release.
std::mutex &SecaoLiberacao();

// Blocks of 1 MiB that a request of n may take: never more than what is available less a
// reserve of 5 % of the total, never negative.
int BlocosPermitidos(int n, const TEstadoMemoria &m);

// Takes n zero-filled blocks of 1 MiB one after the other, then frees them in the order taken.
// `progresso` (may be empty) gets i after block i is taken and n + i after it is freed
// (i from 0). When a block cannot be taken, the blocks taken so far are freed and false is
// returned. The caller holds SecaoLiberacao().
bool TomaELiberaBlocos(int n, const std::function<void(int)> &progresso);

// The analyses' release: under SecaoLiberacao(), takes and frees what BlocosPermitidos allows
// of n. Returns the number of blocks taken (0 when taking failed).
int LiberarMemoria(int n);

struct TRegraMemoria;

// The memory tool the runs consult at each step: the rule its window fired, the machine's
// memory and the release. Bound from the opening of a window until a run ends (OnLibera then
// fires) or Desliga.
class TFerramentaMemoria {
public:
    TFerramentaMemoria();
    ~TFerramentaMemoria();
    TFerramentaMemoria(const TFerramentaMemoria &) = delete;
    TFerramentaMemoria &operator=(const TFerramentaMemoria &) = delete;

    void AplicaRegra(const TRegraMemoria &regra);
    TRegraMemoria Regra() const;
    void Liga();
    void Desliga();
    bool Ligada() const;
    std::function<void()> OnLibera;

    // Available physical memory in MB, rounded.
    int MemoriaLivreMb() const;
    // The last release a run asked for: MiB asked and blocks really taken.
    int UltimoPedido() const { return FUltimoPedido; }
    int UltimosBlocos() const { return FUltimosBlocos; }

private:
    class TLigacao;
    std::unique_ptr<TLigacao> FLigacao;
    int FUltimoPedido = 0, FUltimosBlocos = 0;
    bool FLigou = false;
};
