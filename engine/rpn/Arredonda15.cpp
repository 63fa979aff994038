#include "rpn/Arredonda15.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "uPlataforma.h"

namespace {
// Powers of ten that are exact doubles.
constexpr double kPot10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxPot = 22;
constexpr double k2p52 = 4503599627370496.0;

// Through text: exact by construction, used outside the fast range.
double PorTexto(double a) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    double r = 0;
    auto lido = std::from_chars(buf, res.ptr, r);
    if (lido.ec == std::errc::result_out_of_range) {
        if (a > 1.0)
            ErroEstouro();
        return 0.0;
    }
    return r;
}
} // namespace

double Arredonda15Texto(double v) {
    VerificaFinito(v);
    if (v == 0.0)
        return 0.0;
    const double a = std::fabs(v);
    // Binary exponent of a normal a; floor(e * log10(2)) estimates its decimal exponent.
    const int e = int((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF) - 1023;
    int k = 14 - ((e * 78913) >> 18);
    double q = 0;
    for (int tentativa = 0;; ++tentativa) {
        if (k < -kMaxPot || k > kMaxPot || tentativa > 2 || e == -1023)
            return std::copysign(PorTexto(a), v) + 0.0;
        // q approximates a * 10^k, which must lie in [1e14, 1e15) to hold 15 digits.
        q = k >= 0 ? a * kPot10[k] : a / kPot10[-k];
        if (q >= 1e15)
            --k;
        else if (q < 1e14)
            ++k;
        else
            break;
    }
    // Nearest integer to the exact a * 10^k, ties to even. q is that product correctly rounded,
    // so only when q lies exactly halfway does the rounding error of q decide.
    double n = (q + k2p52) - k2p52;
    const double d = q - n;
    if (d == 0.5 || d == -0.5) {
        // Sign of the exact residual a*10^k - q (or a - q*10^-k, for k < 0).
        double resto = k >= 0 ? std::fma(a, kPot10[k], -q) : -std::fma(q, kPot10[-k], -a);
        if (resto > 0)
            n = q + 0.5;
        else if (resto < 0)
            n = q - 0.5;
    }
    // n and the power are exact: one correctly rounded operation gives the nearest double.
    const double r = k >= 0 ? n / kPot10[k] : n * kPot10[-k];
    return v < 0 ? -r : r;
}
