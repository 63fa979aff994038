// The input-data report of the current model as plain text: mesh, materials, thermal initial
// and boundary conditions, the stress data once a stress receiver installed some, and the
// processing data. Every number is printed in the unit beside it: the model's reference values
// are turned back with the inverse of the receivers' conversions.
#pragma once

#include <string>

class TModelo;
class TUnidades;

struct TCabecalhoRelatorio {
    std::string Titulo, Responsavel = "XXXX", Data, Hora;
};

// The report's text; numbers with the platform's decimal separator.
std::string TextoRelatorio(const TModelo &modelo, const TUnidades &unidades,
                           const TCabecalhoRelatorio &cabecalho);
// Builds the text, then writes it to `arquivo` under a temporary name renamed over it, so a
// failure leaves any previous file in place.
void EscreveRelatorio(const std::string &arquivo, const TModelo &modelo, const TUnidades &unidades,
                      const TCabecalhoRelatorio &cabecalho);
