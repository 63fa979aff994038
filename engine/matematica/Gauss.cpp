#include "matematica/Gauss.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <cholmod.h>
#include <dlfcn.h>

#include "uPlataforma.h"

// Present when the BLAS in use is the threaded OpenBLAS. On these matrices (dense blocks of a
// few hundred columns at most) extra threads only slow the factorisation down, and OpenBLAS's
// make its rounding depend on the thread count: it runs on the calling thread alone.
extern "C" void openblas_set_num_threads(int) __attribute__((weak));

namespace {

double Agora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void UmaThread() {
    static const bool feito = [] {
        if (openblas_set_num_threads)
            openblas_set_num_threads(1);
        return true;
    }();
    (void)feito;
}

} // namespace

// The OpenMP runtime's entry to a parallel region, defined here ahead of the runtime. CHOLMOD's
// numeric factorisation opens one for every small loop over a supernode (hundreds of thousands
// per factorisation of a large mesh), and each costs the runtime a system call even with a team
// of one: run on the calling thread, as in a build without OpenMP, a refactorisation takes a
// third to a quarter of the time and starts no thread. Every library in the process binds to this
// definition, so only regions opened while this thread is inside TGauss::Resolve run inline (the
// loops inside ask the runtime for their share and get all of it, thread 0 of 1); inside another
// team of several threads they get a team of their own, one thread, from the runtime; every
// other region goes to the runtime.
namespace {
enum class TRegioes : unsigned char { Runtime, NaChamadora, EquipeDeUm };
thread_local TRegioes regioes = TRegioes::Runtime;

struct TRuntimeOpenMP {
    void (*parallel)(void (*)(void *), void *, unsigned, unsigned) = nullptr;
    int (*numThreads)() = nullptr;
};

// The runtime's own entries: the next definition after this one, or the one of a runtime loaded
// in a local scope (whose users bind to this definition all the same). With none loaded, no
// region can be in progress and regions run inline.
const TRuntimeOpenMP &RuntimeOpenMP() {
    static const TRuntimeOpenMP r = [] {
        TRuntimeOpenMP r;
        void *h = RTLD_NEXT;
        if (!::dlsym(h, "GOMP_parallel"))
            h = ::dlopen("libgomp.so.1", RTLD_NOW | RTLD_NOLOAD);
        if (h) {
            r.parallel = reinterpret_cast<decltype(r.parallel)>(::dlsym(h, "GOMP_parallel"));
            r.numThreads =
                reinterpret_cast<decltype(r.numThreads)>(::dlsym(h, "omp_get_num_threads"));
        }
        return r;
    }();
    return r;
}

// Sets, for the solver calls of its scope, how this thread's regions run.
class TRegioesDoSolver {
public:
    TRegioesDoSolver() : antes_(regioes) {
        const TRuntimeOpenMP &r = RuntimeOpenMP();
        regioes = r.numThreads && r.numThreads() > 1 ? TRegioes::EquipeDeUm : TRegioes::NaChamadora;
    }
    ~TRegioesDoSolver() { regioes = antes_; }
    TRegioesDoSolver(const TRegioesDoSolver &) = delete;
    TRegioesDoSolver &operator=(const TRegioesDoSolver &) = delete;

private:
    TRegioes antes_;
};
} // namespace

extern "C" __attribute__((visibility("default"))) void
GOMP_parallel(void (*fn)(void *), void *data, unsigned numThreads, unsigned flags) {
    const TRegioes modo = regioes;
    if (modo == TRegioes::NaChamadora) {
        fn(data);
        return;
    }
    const TRuntimeOpenMP &r = RuntimeOpenMP();
    if (!r.parallel) {
        fn(data);
        return;
    }
    r.parallel(fn, data, modo == TRegioes::EquipeDeUm ? 1u : numThreads, flags);
}

// The matrix in CHOLMOD's form, its factor and the record of the input they belong to. Row r of
// TMatrizSky (columns c >= r) is column r of the lower triangle. With a supernodal factor, A is
// kept already permuted (the lower triangle of P A P'), laid out as the factorisation's own
// wrapper would build it on every call, and goes straight to the supernodal factorisation.
struct TGauss::TFator {
    cholmod_common c{};
    cholmod_sparse *A = nullptr;
    bool permutada = false; // A is P A P', for the supernodal factorisation
    cholmod_factor *L = nullptr;
    cholmod_dense *X = nullptr, *Y = nullptr, *E = nullptr;
    std::vector<double> y; // the permuted right-hand side during a substitution

    // Pattern of the input: offset of each row and its columns in stored order (0-based), and
    // where each stored entry goes in A (-1 for a repeated column, which is never read).
    std::vector<std::int64_t> inicio;
    std::vector<std::int32_t> coluna;
    std::vector<std::int64_t> destino;
    // Values of the input whose factor L holds, in stored order.
    std::vector<double> valor;
    bool fatorado = false;
    // The matrix, in the state whose values L holds.
    TMatrizSky::TMarca marca{0, 0};

    TFator() {
        UmaThread();
        cholmod_l_start(&c);
        c.print = 0; // failures are reported by exceptions
        c.nmethods = 1;
        c.method[0].ordering = CHOLMOD_AMD;
        c.postorder = 1;
        c.supernodal = CHOLMOD_SUPERNODAL; // LL', stops at the first pivot that is not positive
    }
    ~TFator() {
        cholmod_l_free_dense(&X, &c);
        cholmod_l_free_dense(&Y, &c);
        cholmod_l_free_dense(&E, &c);
        cholmod_l_free_factor(&L, &c);
        cholmod_l_free_sparse(&A, &c);
        cholmod_l_finish(&c);
    }
    TFator(const TFator &) = delete;
    TFator &operator=(const TFator &) = delete;

    // Replaces A by the lower triangle of P A P' (P of the analysis), built by the same two
    // transpositions the factorisation's wrapper does on every call, so that the factor's
    // arithmetic is unchanged, and sends every entry of destino to its place in it.
    void Permuta(std::vector<std::int64_t> &destino) {
        const std::size_t nnz = std::size_t(static_cast<const SuiteSparse_long *>(A->p)[A->ncol]);
        double *ax = static_cast<double *>(A->x);
        for (std::size_t k = 0; k < nnz; ++k)
            ax[k] = double(k); // each entry carries its own position (exact below 2^53)
        cholmod_sparse *T =
            cholmod_l_ptranspose(A, 2, static_cast<SuiteSparse_long *>(L->Perm), nullptr, 0, &c);
        Verifica();
        cholmod_sparse *S = cholmod_l_ptranspose(T, 2, nullptr, nullptr, 0, &c);
        cholmod_l_free_sparse(&T, &c);
        Verifica();
        const SuiteSparse_long *sp = static_cast<const SuiteSparse_long *>(S->p);
        const double *sx = static_cast<const double *>(S->x);
        std::vector<std::int64_t> lugar(nnz, -1);
        for (SuiteSparse_long q = 0; q < sp[S->ncol]; ++q)
            lugar[std::size_t(sx[q])] = q;
        for (std::int64_t &d : destino)
            if (d >= 0)
                d = lugar[std::size_t(d)];
        cholmod_l_free_sparse(&A, &c);
        A = S;
        permutada = true;
    }

    // Raises the error of a failed CHOLMOD call.
    void Verifica() const {
        if (c.status == CHOLMOD_OK)
            return;
        if (c.status == CHOLMOD_NOT_POSDEF)
            ErroDivisaoPorZero();
        if (c.status == CHOLMOD_OUT_OF_MEMORY || c.status == CHOLMOD_TOO_LARGE)
            throw std::bad_alloc();
        if (c.status < 0)
            throw std::runtime_error("sparse factorisation failed (status " +
                                     std::to_string(c.status) + ")");
    }
};

TGauss::TGauss(int maxIteracoes, double tolerancia) : TGradiente(maxIteracoes, tolerancia) {}

namespace {
std::mutex guardadosMutex;
constexpr std::size_t kGuardados = 2; // a thermal and a stress system
bool guardadosFechados = false;       // at exit: a solver destroyed later keeps nothing
} // namespace

std::vector<std::unique_ptr<TGauss::TFator>> &TGauss::Guardados() {
    struct TLista {
        std::vector<std::unique_ptr<TFator>> fatores;
        ~TLista() {
            const std::lock_guard<std::mutex> trava(guardadosMutex);
            fatores.clear();
            guardadosFechados = true;
        }
    };
    static TLista lista;
    return lista.fatores;
}

std::unique_ptr<TGauss::TFator> TGauss::Toma(const TMatrizSky &A) {
    auto &g = Guardados();
    const std::lock_guard<std::mutex> trava(guardadosMutex);
    if (guardadosFechados)
        return nullptr;
    for (auto it = g.begin(); it != g.end(); ++it)
        if (MesmoPadrao(**it, A)) {
            std::unique_ptr<TFator> f = std::move(*it);
            g.erase(it);
            return f;
        }
    return nullptr;
}

TGauss::~TGauss() {
    if (!f_ || f_->inicio.size() < 2) // no analysis done
        return;
    auto &g = Guardados();
    const std::lock_guard<std::mutex> trava(guardadosMutex);
    if (guardadosFechados)
        return;
    g.push_back(std::move(f_));
    if (g.size() > kGuardados)
        g.erase(g.begin());
}

std::unique_ptr<TGauss> TGauss::CreateCopia(const TGradiente &outro) {
    auto s = std::make_unique<TGauss>(outro.GetMaxIteracoes(), outro.GetTolerancia());
    s->SetNaoNegativo(outro.GetNaoNegativo());
    return s;
}

double TGauss::GetEntradasFator() const {
    return f_ && f_->L ? f_->c.lnz : 0.0;
}

bool TGauss::MesmoPadrao(const TFator &f, const TMatrizSky &A) {
    const std::size_t n = A.sky_.size();
    if (f.inicio.size() != n + 1)
        return false;
    for (std::size_t r = 0; r < n; ++r) {
        const std::vector<std::int32_t> &col = A.sky_[r].coluna;
        const std::int64_t o = f.inicio[r];
        if (std::size_t(f.inicio[r + 1] - o) != col.size() ||
            std::memcmp(col.data(), f.coluna.data() + o, col.size() * sizeof(std::int32_t)) != 0)
            return false;
    }
    return true;
}

bool TGauss::MesmosValores() const {
    const TMatrizSky &A = *A_;
    for (std::size_t r = 0; r < A.sky_.size(); ++r) {
        const std::vector<double> &v = A.sky_[r].valor;
        if (std::memcmp(v.data(), f_->valor.data() + f_->inicio[r], v.size() * sizeof(double)) != 0)
            return false;
    }
    return true;
}

// Records A's pattern, builds CHOLMOD's matrix of it and computes the ordering and the symbolic
// factor.
void TGauss::Analisa() {
    const TMatrizSky &A = *A_;
    const std::size_t n = A.sky_.size();
    if (!f_)
        f_ = std::make_unique<TFator>();
    TFator &f = *f_;
    f.fatorado = false;
    f.inicio.assign(1, 0); // no pattern recorded until the analysis is done
    cholmod_l_free_factor(&f.L, &f.c);
    cholmod_l_free_sparse(&f.A, &f.c);
    f.permutada = false;

    std::vector<std::int64_t> inicio(n + 1, 0);
    for (std::size_t r = 0; r < n; ++r)
        inicio[r + 1] = inicio[r] + std::int64_t(A.sky_[r].coluna.size());
    const std::size_t nnz = std::size_t(inicio[n]);
    std::vector<std::int32_t> coluna(nnz);
    std::vector<std::int64_t> destino(nnz, -1);
    std::vector<std::int64_t> p(n + 1, 0);
    std::vector<std::int64_t> linhas;
    linhas.reserve(nnz);
    std::vector<std::pair<std::int32_t, std::int32_t>> ordem;
    for (std::size_t r = 0; r < n; ++r) {
        const std::vector<std::int32_t> &col = A.sky_[r].coluna;
        std::copy(col.begin(), col.end(), coluna.begin() + inicio[r]);
        ordem.resize(col.size());
        for (std::size_t s = 0; s < col.size(); ++s)
            ordem[s] = {col[s], std::int32_t(s)};
        std::sort(ordem.begin(), ordem.end());
        if (ordem.empty() || ordem[0].first != std::int32_t(r))
            ErroDivisaoPorZero(); // no diagonal: a zero pivot
        for (std::size_t t = 0; t < ordem.size(); ++t) {
            if (t > 0 && ordem[t].first == ordem[t - 1].first)
                continue; // a repeated column: the first stored one is the entry
            destino[std::size_t(inicio[r] + ordem[t].second)] = std::int64_t(linhas.size());
            linhas.push_back(ordem[t].first);
        }
        p[r + 1] = std::int64_t(linhas.size());
    }

    f.A = cholmod_l_allocate_sparse(n, n, std::max<std::size_t>(linhas.size(), 1), 1, 1, -1,
                                    CHOLMOD_REAL, &f.c);
    f.Verifica();
    std::copy(p.begin(), p.end(), static_cast<SuiteSparse_long *>(f.A->p));
    std::copy(linhas.begin(), linhas.end(), static_cast<SuiteSparse_long *>(f.A->i));
    f.L = cholmod_l_analyze(f.A, &f.c);
    f.Verifica();
    if (f.L->is_super && f.L->Perm)
        f.Permuta(destino);
    f.inicio = std::move(inicio);
    f.coluna = std::move(coluna);
    f.destino = std::move(destino);
    f.valor.assign(nnz, 0.0);
    ++analises_;
}

void TGauss::Fatora() {
    const TMatrizSky &A = *A_;
    TFator &f = *f_;
    f.fatorado = false;
    double *ax = static_cast<double *>(f.A->x);
    for (std::size_t r = 0; r < A.sky_.size(); ++r) {
        const std::vector<double> &v = A.sky_[r].valor;
        const std::int64_t o = f.inicio[r];
        for (std::size_t s = 0; s < v.size(); ++s) {
            const std::int64_t d = f.destino[std::size_t(o) + s];
            if (d >= 0) {
                if (!std::isfinite(v[s]))
                    VerificaFinito(v[s]);
                ax[d] = v[s];
            }
        }
        std::copy(v.begin(), v.end(), f.valor.begin() + o);
    }
    ++eliminacoes_;
    if (f.permutada) {
        double semDeslocamento[2] = {0.0, 0.0};
        cholmod_l_super_numeric(f.A, nullptr, semDeslocamento, f.L, &f.c);
    } else {
        cholmod_l_factorize(f.A, f.L, &f.c);
    }
    f.Verifica();
    if (f.L->minor < f.L->n)
        ErroDivisaoPorZero();
    f.fatorado = true;
    f.marca = A.Marca();
}

namespace {
// Sum of a[i] b[i] in four partial sums: one chain of dependent additions would bound the loop.
inline double Produto(const double *a, const double *b, SuiteSparse_long n) {
    double p[4] = {0.0, 0.0, 0.0, 0.0};
    SuiteSparse_long i = 0;
    for (; i + 4 <= n; i += 4)
        for (int q = 0; q < 4; ++q)
            p[q] += a[i + q] * b[i + q];
    for (; i < n; ++i)
        p[0] += a[i] * b[i];
    return (p[0] + p[1]) + (p[2] + p[3]);
}

// x := P' L'^-1 L^-1 P b on a supernodal LL' factor, one column of a supernode at a time
// (forward by columns, back by dot products); y is the workspace. For the small supernodes of
// these meshes this beats the dense block calls of CHOLMOD's own solve.
void SubstituiSupernodal(const cholmod_factor &L, const double *b, double *x,
                         std::vector<double> &y) {
    using Int = SuiteSparse_long;
    const Int *super = static_cast<const Int *>(L.super);
    const Int *pi = static_cast<const Int *>(L.pi);
    const Int *px = static_cast<const Int *>(L.px);
    const Int *linhas = static_cast<const Int *>(L.s);
    const Int *perm = static_cast<const Int *>(L.Perm);
    const double *lx = static_cast<const double *>(L.x);
    const Int n = Int(L.n), ns = Int(L.nsuper);
    y.resize(std::size_t(n) + std::size_t(L.maxesize));
    double *v = y.data(), *t = v + n; // t: the rows below a supernode's diagonal block
    for (Int k = 0; k < n; ++k)
        v[k] = b[perm[k]];
    for (Int s = 0; s < ns; ++s) {
        const Int k1 = super[s], nscol = super[s + 1] - k1, nsrow = pi[s + 1] - pi[s];
        const Int abaixo = nsrow - nscol;
        const Int *r = linhas + pi[s] + nscol;
        const double *bloco = lx + px[s];
        std::fill(t, t + abaixo, 0.0);
        for (Int j = 0; j < nscol; ++j) {
            const double *c = bloco + j * nsrow;
            const double vj = v[k1 + j] /= c[j];
            for (Int i = j + 1; i < nscol; ++i)
                v[k1 + i] -= c[i] * vj;
            c += nscol;
            for (Int i = 0; i < abaixo; ++i)
                t[i] += c[i] * vj;
        }
        for (Int i = 0; i < abaixo; ++i)
            v[r[i]] -= t[i];
    }
    for (Int s = ns - 1; s >= 0; --s) {
        const Int k1 = super[s], nscol = super[s + 1] - k1, nsrow = pi[s + 1] - pi[s];
        const Int abaixo = nsrow - nscol;
        const Int *r = linhas + pi[s] + nscol;
        const double *bloco = lx + px[s];
        for (Int i = 0; i < abaixo; ++i)
            t[i] = v[r[i]];
        for (Int j = nscol - 1; j >= 0; --j) {
            const double *c = bloco + j * nsrow;
            const double soma = v[k1 + j] - Produto(c + j + 1, v + k1 + j + 1, nscol - j - 1) -
                                Produto(c + nscol, t, abaixo);
            v[k1 + j] = soma / c[j];
        }
    }
    for (Int k = 0; k < n; ++k)
        x[perm[k]] = v[k];
}
} // namespace

void TGauss::Substitui() {
    TFator &f = *f_;
    TVetor &b = *b_;
    if (f.L->is_super && f.L->is_ll && f.L->xtype == CHOLMOD_REAL && f.L->dtype == CHOLMOD_DOUBLE &&
        f.L->Perm) {
        double *bb = b.Dados();
        SubstituiSupernodal(*f.L, bb, bb, f.y);
        for (int i = 0; i < n_; ++i)
            VerificaFinito(bb[i]);
        x_->Copia(b);
        return;
    }
    cholmod_dense B{};
    B.nrow = B.d = B.nzmax = std::size_t(n_);
    B.ncol = 1;
    B.x = b.Dados();
    B.xtype = CHOLMOD_REAL;
    B.dtype = CHOLMOD_DOUBLE;
    cholmod_l_solve2(CHOLMOD_A, f.L, &B, nullptr, &f.X, nullptr, &f.Y, &f.E, &f.c);
    f.Verifica();
    const double *x = static_cast<const double *>(f.X->x);
    double *bb = b.Dados();
    for (int i = 0; i < n_; ++i)
        bb[i] = VerificaFinito(x[i]);
    x_->Copia(b);
}

void TGauss::Resolve() {
    const TRegioesDoSolver regioesDoSolver;
    VerificaSistema();
    n_ = A_->GetLinhas();
    if (n_ == 0) {
        x_->Copia(*b_);
        return;
    }
    double t = Agora();
    if (!f_)
        f_ = Toma(*A_);
    auto fase = [&t](double &soma) {
        const double agora = Agora();
        soma += agora - t;
        t = agora;
    };
    if (f_ && f_->fatorado && f_->marca == A_->Marca()) { // nothing changed since
        fase(tempos_.verificacao);
    } else if (!MesmoPadrao()) {
        fase(tempos_.verificacao);
        Analisa();
        fase(tempos_.analise);
        Fatora();
        fase(tempos_.fatoracao);
    } else if (f_->fatorado && MesmosValores()) {
        f_->marca = A_->Marca();
        fase(tempos_.verificacao);
    } else {
        fase(tempos_.verificacao);
        Fatora();
        fase(tempos_.fatoracao);
    }
    Substitui();
    fase(tempos_.substituicao);
}
