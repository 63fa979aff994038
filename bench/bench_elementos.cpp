// Element arrays over every element of a structured mesh, as an analysis computes them at each
// step: thermal arrays of the triangle, stiffness and nodal forces (plane strain, with and
// without a creep law, and in maturity mode), the quadrilateral's thermal arrays. Also counts
// heap allocations per element call (expected 0; the program fails otherwise).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "uLibFEM.h"
#include "uLibraryMalhas.h"

#include "ContaAlocacoes.h"

namespace {

bool semAlocacao = true;

// Runs f over every element `passos` times; prints one line.
template <class F> void Mede(const char *nome, int elementos, int passos, F &&f) {
    double soma = 0;
    const long a0 = gAlocacoes;
    const auto t0 = std::chrono::steady_clock::now();
    for (int p = 0; p < passos; ++p)
        for (int e = 1; e <= elementos; ++e)
            soma += f(e);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double chamadas = double(elementos) * passos;
    std::printf("name=%s n=%.0f seconds=%.4f allocations_per_call=%.3f checksum=%g\n", nome,
                chamadas, s, double(gAlocacoes - a0) / chamadas, soma);
    semAlocacao = semAlocacao && gAlocacoes == a0;
}

// nx x ny squares of side 0.5, two triangles each.
void Grade(TMalha &m, int nx, int ny) {
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            m.AdicionaNo(0.5 * i, 0.5 * j);
    auto no = [&](int i, int j) { return j * (nx + 1) + i + 1; };
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            m.AdicionaElemento(no(i, j), no(i + 1, j), no(i + 1, j + 1));
            m.AdicionaElemento(no(i, j), no(i + 1, j + 1), no(i, j + 1));
        }
}

} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int nx = smoke ? 10 : 200, ny = smoke ? 5 : 100;
    const int passos = smoke ? 2 : 20;

    TMalha malha;
    Grade(malha, nx, ny);
    TDominio dom(&malha);
    const int ne = dom.GetNumElementos();

    TMaterial mat(2, 2, 2400, 1000, 20, 0.08609, 0.04225, false, 1.25e-5, 0.2, 9.819, 0, false, 20,
                  false, 1.408, 0.1931, true, 0, true);
    auto fonte = TForcaInterna::CreateModelo(4.0, 0.45, 85, 250, 0);
    TTempo tempo(0, 1000, 6, 2.0 / 3.0);
    tempo.SetTempoAtual(120);
    TForcaTensional peso;
    peso.SetAtiva(1);
    TFluencia fluencia;
    fluencia.SetTipo(TFluencia::kModuloEfetivo);
    fluencia.SetCoefFluencia(1.5);
    fluencia.SetTempoFluencia(96);

    TMatrizElemento K(3), C(3);
    TVetorElemento F(3), T(3), s(3);
    Mede("termicas_triangulo", ne, passos, [&](int e) {
        K.Zera();
        C.Zera();
        F.Zera();
        dom.GetElemento(e)->MatrizesTermicas(*fonte, tempo, mat, K, C, F, T);
        return K(1, 1) + C(2, 2) + F[3];
    });

    TMatrizRigidezElemento Ks(6);
    TVetorForcasElemento Fs(6), eps(6);
    for (int i = 1; i <= 6; ++i)
        eps[i] = 1e-5 * i;
    auto rigidez = [&](TFluencia *fl) {
        return [&, fl](int e) {
            Ks.Zera();
            Fs.Zera();
            dom.GetElemento(e)->MatrizRigidez(&peso, tempo, mat, Ks, Fs, eps, fl, s, 114.0);
            return Ks(1, 1) + Fs[2];
        };
    };
    Mede("rigidez_triangulo", ne, passos, rigidez(nullptr));
    Mede("rigidez_triangulo_fluencia", ne, passos, rigidez(&fluencia));
    mat.SetEDaResistencia(true);
    mat.SetMaturidade(true);
    for (int i = 1; i <= 3; ++i)
        s[i] = 10.0 + i;
    Mede("rigidez_triangulo_maturidade", ne, passos, rigidez(nullptr));

    // One quadrilateral, 16 points.
    TNo q[4] = {{1, 0, 0}, {2, 1, 0}, {3, 1.2, 0.9}, {4, -0.1, 1}};
    TNo *pq[4] = {&q[0], &q[1], &q[2], &q[3]};
    TElementoRetangular quad(pq, 3);
    TMatrizElemento Kq(4), Cq(4);
    TVetorElemento Fq(4), Tq(4);
    Mede("termicas_quadrilatero", ne, passos, [&](int) {
        Kq.Zera();
        Cq.Zera();
        Fq.Zera();
        quad.MatrizesTermicas(*fonte, tempo, mat, Kq, Cq, Fq, Tq);
        return Kq(1, 1);
    });

    if (!semAlocacao) {
        std::printf("heap allocations inside the element arrays\n");
        return 1;
    }
    return 0;
}
