#include "FonteResultados.h"

namespace {
IFonteResultados *fonte_ = nullptr;
}

IFonteResultados *FonteResultados() {
    return fonte_;
}

void DefineFonteResultados(IFonteResultados *fonte) {
    fonte_ = fonte;
}

TUnidadesResultados UnidadesResultados() {
    return fonte_ ? fonte_->Unidades() : TUnidadesResultados{};
}
