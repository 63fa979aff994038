// Solvers on 2-D Laplacian-plus-mass systems of a triangulated square grid whose nodes are
// numbered up each grid column, column after column: the first direct solve (ordering, symbolic
// and numeric factorisation), a second one with changed values (numeric factorisation only) and a
// repeated one (the factor reused), the first solve of a next solver on the same pattern,
// re-assembly over the same entries, and 100
// conjugate-gradient iterations.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "uMatematica.h"

namespace {

double Agora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Unit right triangles, two per grid square; K + M with the consistent P1 mass.
void Monta(TMatrizSky &a, int lado) {
    const double k[2][9] = {{0.5, -0.5, 0.0, -0.5, 1.0, -0.5, 0.0, -0.5, 0.5},
                            {0.5, 0.0, -0.5, 0.0, 0.5, -0.5, -0.5, -0.5, 1.0}};
    const double area = 0.5, m0 = area / 6.0, m1 = area / 12.0;
    auto no = [lado](int x, int y) { return x * lado + y + 1; };
    for (int x = 0; x + 1 < lado; ++x)
        for (int y = 0; y + 1 < lado; ++y) {
            const int e[2][3] = {{no(x, y), no(x + 1, y), no(x + 1, y + 1)},
                                 {no(x, y), no(x + 1, y + 1), no(x, y + 1)}};
            for (int t = 0; t < 2; ++t)
                for (int i = 0; i < 3; ++i)
                    for (int j = i; j < 3; ++j) {
                        const double v = k[t][i * 3 + j] + (i == j ? m0 : m1);
                        a.Set(e[t][i], e[t][j], a.Get(e[t][i], e[t][j]) + v);
                    }
        }
}

double Residuo(int lado, const TVetor &x, const TVetor &b) {
    TMatrizSky a(lado * lado);
    Monta(a, lado);
    TVetor r(x.GetTamanho());
    a.MultVetor(r, x);
    r.Subtrai(r, b);
    return r.Norma() / b.Norma();
}

bool Caso(int lado) {
    const int n = lado * lado;
    TVetor b(n), x(n), b0(n);
    for (int i = 1; i <= n; ++i)
        b0.Set(i, 1.0 + (i % 7));
    TMatrizSky a(n);
    TGauss gauss;
    gauss.DefineSistema(&a, &b, &x);
    double t = Agora();
    Monta(a, lado);
    const double tMonta = Agora() - t;
    b = b0;
    t = Agora();
    gauss.Resolve();
    const double t1 = Agora() - t;
    const double res = Residuo(lado, x, b0);

    a.Zera();
    t = Agora();
    Monta(a, lado);
    const double tRemonta = Agora() - t;
    a.MultEscalar(0.5); // same pattern, other values: the solution doubles
    b = b0;
    t = Agora();
    gauss.Resolve();
    const double t2 = Agora() - t;
    TVetor x2 = x;
    x2.MultEscalar(x2, 0.5);
    const double res2 = Residuo(lado, x2, b0);
    x2 = x;

    b = b0;
    t = Agora();
    gauss.Resolve();
    const double t3 = Agora() - t;
    const bool igual = std::memcmp(x.Dados(), x2.Dados(), sizeof(double) * std::size_t(n)) == 0;

    std::printf("name=assembly n=%d seconds=%.4f\n", n, tMonta);
    std::printf("name=assembly_again n=%d seconds=%.4f\n", n, tRemonta);
    std::printf("name=gauss_first n=%d seconds=%.4f factor_entries=%.0f residual=%.1e\n", n, t1,
                gauss.GetEntradasFator(), res);
    std::printf("name=gauss_second n=%d seconds=%.4f residual=%.1e\n", n, t2, res2);
    std::printf("name=gauss_repeated n=%d seconds=%.4f first_over_repeated=%.1f same=%d "
                "analyses=%lld factorisations=%lld\n",
                n, t3, t1 / t3, igual ? 1 : 0, gauss.GetAnalises(), gauss.GetEliminacoes());

    TMatrizSky c(n);
    Monta(c, lado);
    TVetor xc(n);
    TGradiente cg(99, 0.0);
    cg.DefineSistema(&c, &b0, &xc);
    t = Agora();
    cg.Resolve();
    const double tcg = Agora() - t;
    std::printf("name=cg_100 n=%d seconds=%.4f iterations=%d per_iteration=%.2e\n", n, tcg,
                cg.GetIteracoes(), tcg / cg.GetIteracoes());
    return res < 1e-10 && res2 < 1e-10 && igual && gauss.GetAnalises() == 1 &&
           gauss.GetEliminacoes() == 2 && cg.GetIteracoes() == 100;
}

// A new solver (another analysis of the same mesh) after the first one is gone: its first solve
// on a matrix of the same pattern with other values.
bool ProximoSolver(int lado) {
    const int n = lado * lado;
    TVetor b(n), x(n), b0(n);
    for (int i = 1; i <= n; ++i)
        b0.Set(i, 1.0 + (i % 7));
    TMatrizSky a(n);
    Monta(a, lado);
    a.MultEscalar(0.25);
    b = b0;
    TGauss gauss;
    gauss.DefineSistema(&a, &b, &x);
    const double t = Agora();
    gauss.Resolve();
    const double t1 = Agora() - t;
    x.MultEscalar(x, 0.25);
    const double res = Residuo(lado, x, b0);
    std::printf("name=gauss_next_solver n=%d seconds=%.4f analyses=%lld factorisations=%lld "
                "residual=%.1e\n",
                n, t1, gauss.GetAnalises(), gauss.GetEliminacoes(), res);
    return res < 1e-10;
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    bool ok = true;
    if (smoke)
        ok = Caso(12) && ProximoSolver(12);
    else
        for (int lado : {100, 200, 400})
            ok = Caso(lado) && ProximoSolver(lado) && ok;
    return ok ? 0 : 1;
}
