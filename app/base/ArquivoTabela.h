// Tables of (x, y) pairs for tabulated functions: the text file they are imported from and the
// rule that keeps them usable (increasing x, no x twice). Standard C++ only, so the reader is
// fuzzed without Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TFuncaoDiscreta;

// Far above any measured log (a reading a second for a week is 604,800 pairs), low enough
// that a table never exhausts memory.
constexpr std::size_t kMaiorTabela = 2'000'000;

struct TPar {
    double x, y;
};

// One pair per line, x then y separated by blanks or tabs, full stop as decimal separator, no
// header; blank lines are skipped and "\r\n" reads as "\n". A line that is not two numbers
// throws EInOutError "Erro ao abrir arquivo - linha N"; a pair beyond kMaiorTabela throws
// "Tabela com mais de 2000000 pares - linha N".
std::vector<TPar> LeTabela(std::string_view texto);
// The same from a file; an unreadable or oversized file throws EInOutError
// "Erro ao abrir arquivo".
std::vector<TPar> LeArquivoTabela(const std::string &caminho);

// Inserts the pair where its x keeps the table increasing; false (table unchanged) when the
// table already holds that x.
bool InserePar(std::vector<TPar> &tabela, double x, double y);
// A table in increasing x from pairs in any order; repeated x after the first are skipped.
std::vector<TPar> Ordena(const std::vector<TPar> &pares);
// Replaces the points of `f` by the table's.
void PreencheFuncao(TFuncaoDiscreta &f, const std::vector<TPar> &tabela);
