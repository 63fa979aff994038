// Step result files: their names (temperature, deformation and stress, one file per step) and
// the text file of one step's nodal temperatures.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "matematica/Vetor.h"

class TLeitorTexto;
struct TConfiguracoes;

// Prefix (directory followed by stem) and extension of each kind of step file.
struct TNomesArquivos {
    std::string PrefixoTemperatura, ExtensaoTemperatura;
    std::string PrefixoDeformacao, ExtensaoDeformacao;
    std::string PrefixoTensao, ExtensaoTensao;
};

// The layered model's own files in the default folder: stem + stage number + kTerminacaoEtapa.
// Result files may not take these names there.
inline constexpr const char *kNomeMalhaEtapa = "MalhaEtapa";
inline constexpr const char *kNomeElementosEtapa = "ElementosEtapa";
inline constexpr const char *kNomeElementosEtapaDeform = "ElementosEtapaDeform";
inline constexpr const char *kNomesArquivosEtapa[] = {kNomeMalhaEtapa, kNomeElementosEtapa,
                                                      kNomeElementosEtapaDeform};
inline constexpr const char *kTerminacaoEtapa = ".res";

// The names in force (set by DefineNomesArquivos at the start of every run).
TNomesArquivos &NomesArquivos();
// Takes the confirmed result-file settings, or while they are not confirmed the defaults: the
// default folder with the stems "Passo", "PassoDeform", "PassoTensao" and ".res".
void DefineNomesArquivos(const TConfiguracoes &c);

// prefix + step number (decimal, no leading zeros) + extension.
// Folder a result file goes to ("." for a bare name).
std::filesystem::path PastaDoArquivo(const std::string &arquivo);
std::string ArquivoTemperatura(int passo);
std::string ArquivoDeformacao(int passo);
std::string ArquivoTensao(int passo);

// Writes one temperature per line, "%8.4f", through `buffer` (reused between calls), in one
// write to a temporary name renamed over the target. A value that is not finite raises the
// floating-point error; a file that cannot be written raises EInOutError naming it.
void GravaArquivoPasso(const std::string &arquivo, const TVetor &valores, std::string &buffer);

// Reads the first real of each of the first n lines into `valores` (resized to n). A missing
// line or one that does not start with a number raises EInOutError naming file and line.
void LeArquivoPasso(const std::string &arquivo, int n, TVetor &valores);

// First blank-separated field of a line as a real with a decimal point; anything else raises
// EInOutError through the reader (file and line).
double PrimeiroReal(TLeitorTexto &leitor, std::string_view linha);

// Step files are read and written only while this process still holds their folder
// (VerificaPosse); LeLinhaArquivoPasso leaves that to its caller, who reads many at once.

// The first real of line `linha` (1-based) of a step file.
double LeLinhaArquivoPasso(const std::string &arquivo, int linha);
