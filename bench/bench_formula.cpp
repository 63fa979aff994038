// Formula evaluation: evaluations per second of the heat-source default and of a formula that
// uses every function and operator.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "uRPN.h"

namespace {
double Mede(const char *nome, const char *formula, int n) {
    TRPN f(formula);
    double soma = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        f.SetX(i * 1e-3);
        soma += f.Calcula();
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("name=%s n=%d seconds=%.4f evals_per_s=%.0f\n", nome, n, s, n / s);
    return soma;
}
} // namespace

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 1000 : 5'000'000;
    double soma = Mede("default_heat_source", "20+345*LOG(480*X+1)", n);
    soma += Mede("every_operation",
                 "-X+SEN(X)*COS(X)-TAN(X/7)+LOG(X+1)/LN(X+2)+ABS(NEG(X))^0.5-RAIZ(X)+ASEN(X/"
                 "1000)+EXP(X/100)",
                 n);
    return soma == soma ? 0 : 1;
}
