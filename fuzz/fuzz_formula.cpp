// Formula evaluator and time axis on arbitrary input: a formula compiles or throws, evaluates
// to a finite value or throws a math error; a time axis built from the input's numbers is
// refused or finds, for every time, a step between 1 and n.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "fem/Tempo.h"
#include "uPlataforma.h"
#include "uRPN.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dados, std::size_t tamanho) {
    if (tamanho >= 32) {
        double v[4];
        std::memcpy(v, dados, sizeof v);
        try {
            TTempo t(v[0], v[1], v[2], 0.5);
            t.SetPassoUniforme(dados[0] % 2 == 0);
            const int n = t.GetNumPassos();
            if (n >= 1 && n <= 100000) {
                for (int i = 1; i <= n; i += 1 + n / 50) {
                    const int s = t.PassoDoTempo(t.TempoDoPasso(i));
                    if (s < 1 || s > n)
                        std::abort();
                }
                const int s = t.PassoDoTempo(v[3]);
                if (s < 1 || s > n)
                    std::abort();
            }
        } catch (const EMathError &) {
        }
    }
    const std::string texto(reinterpret_cast<const char *>(dados), tamanho);
    try {
        TRPN f("0");
        f.SetExpressao(texto);
        for (double x : {0.0, 1.0, -2.5, 1e10}) {
            f.SetX(x);
            const double y = f.Calcula();
            if (!std::isfinite(y))
                std::abort();
        }
    } catch (const EMathError &) {
    } catch (const EConvertError &) {
    } catch (const Exception &) {
    }
    return 0;
}
