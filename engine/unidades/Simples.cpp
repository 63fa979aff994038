#include "unidades/Simples.h"

#include "uPlataforma.h"

namespace {
// At most 100 characters (UTF-8 code points), as the unit's short strings hold.
std::string Curta(std::string_view s) {
    std::size_t n = 0, i = 0;
    for (; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && ++n > 100)
            break;
    return std::string(s.substr(0, i));
}
} // namespace

TUnidade::TUnidade(double fator, std::string_view nome, std::string_view simbolo)
    : fator_(fator), nome_(Curta(nome)), simbolo_(Curta(simbolo)) {}

void TUnidade::SetNome(std::string_view nome) {
    nome_ = Curta(nome);
}
void TUnidade::SetSimbolo(std::string_view simbolo) {
    simbolo_ = Curta(simbolo);
}

double TUnidade::DaBase(double x) const {
    return Divide(x, fator_);
}

TPotencia::TPotencia()
    : TEnergiaCaloria(859.84522, "Watt*Hora", "[W * h]"),
      energia_(std::make_unique<TEnergiaCaloria>()), tempo_(std::make_unique<TTempoSegundo>()) {}

TPotencia::~TPotencia() = default;

std::unique_ptr<TTempCelsius> CriaUnidadeTemperatura(int i) {
    switch (i) {
    case 1:
        return std::make_unique<TTempFahrenheit>();
    case 2:
        return std::make_unique<TTempKelvin>();
    case 3:
        return std::make_unique<TTempRankine>();
    default:
        return std::make_unique<TTempCelsius>();
    }
}
