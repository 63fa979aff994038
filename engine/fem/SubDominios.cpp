#include "fem/SubDominios.h"

#include "malhas/Malha.h"

bool PontoNoContorno(const TMalha *m, double x, double y) {
    return m && (!m->PontoFora(x, y) || m->ExisteVertice(x, y));
}

int DominioDoPonto(int n, const std::function<const TMalha *(int)> &malha,
                   const std::function<bool(int)> &contem) {
    int melhor = 0;
    for (int k = 1; k <= n; ++k) {
        if (!contem(k))
            continue;
        if (melhor == 0) {
            melhor = k;
            continue;
        }
        const TMalha *a = malha(melhor), *c = malha(k);
        if (c->GetYMax() <= a->GetYMax() && c->GetXMax() <= a->GetXMax() &&
            c->GetYMin() >= a->GetYMin() && c->GetXMin() >= a->GetXMin())
            melhor = k;
    }
    return melhor;
}
