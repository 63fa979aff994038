// Step files of the stress pass: the deformation and stress files (one value per line, three
// per element in the order x, y, xy, each written with its sign changed) and the stage strain
// file that a staged run writes at the end of every stage.
#pragma once

#include <string>

#include "matematica/Vetor.h"

class TMalha;

// -(total strain) per line, "%12.9f", written through `buffer` (reused between calls) to a
// temporary name renamed over the target. A value that is not finite raises the
// floating-point error before anything is written; a file that cannot be written raises
// EInOutError naming it.
void GravaArquivoDeformacoes(const std::string &arquivo, const TVetor &deformacoes,
                             std::string &buffer);
// -(total stress, MPa) per line, "%9.5f"; otherwise as above.
void GravaArquivoTensoes(const std::string &arquivo, const TVetor &tensoes, std::string &buffer);

// The first real of every line of a step file, in order (the file's values as written). A
// line that does not start with a number raises EInOutError naming file and line.
void LeArquivoValores(const std::string &arquivo, TVetor &valores);

// Stage strain file: for every element of the mesh, one line per node holding the element's
// total strains x, y and xy ("%15.9f" each) and the node's x and y ("%10.4f" each), then an
// empty line after the element.
void GravaElementosEtapaDeform(const std::string &arquivo, const TMalha &malha,
                               const TVetor &deformacoes);
