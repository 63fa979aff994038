// Writing step-file numbers: megabytes per second of fixed-width text.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "uPlataforma.h"

int main(int argc, char **argv) {
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int n = smoke ? 1000 : 20'000'000;
    std::string out;
    out.reserve(std::size_t(n) * 9);
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        AppendFixo(out, 15.0 + i * 1e-4, 8, 4);
        out += '\n';
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("name=fixed_8_4 n=%d seconds=%.4f mb_per_s=%.1f\n", n, s, out.size() / s / 1e6);
    return out.empty() ? 1 : 0;
}
