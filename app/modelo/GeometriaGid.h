// GiD text geometry (points and straight lines) converted into a domain file: the vertex and
// edge sections, an edge flagged interior when its GiD line lies between two surfaces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TGeometriaGid {
    std::vector<double> Pontos;           // x, y of each point, in file order
    std::vector<std::int32_t> Linhas;     // the two vertices (1-based) of each line, in file order
    std::vector<std::int32_t> Interiores; // numbers of the line entities marked interior, ascending

    int NumPontos() const { return int(Pontos.size() / 2); }
    int NumLinhas() const { return int(Linhas.size() / 2); }
};

// Characters from the 1-based column up to the next blank or the line's end (0 past the end).
int TamanhoToken(std::string_view linha, int coluna);

// Reads a GiD text dump: the first line is skipped; "Coord" lines before "STLINE" are points,
// each numbered by the "Num: " line before it (or, when the points have none, by its order);
// after it, each "Num: " line starts a line entity (interior when the character L + 21 columns
// in is "2", L the length of its number) and the "Points" line that follows gives the numbers of
// its two points, turned into the vertices those points became (their order in the dump).
// "NURBSURFACE" ends the reading, as does the end of the text. Numbers are read with a decimal
// point. A number that cannot be read, a repeated point number, a point number the dump does
// not hold, or "Num: " and "Coord"/"Points" lines that do not pair up throw EInOutError "Erro ao
// abrir arquivo - linha N"; a dump without a point and a line throws "Erro ao abrir arquivo".
TGeometriaGid LeGeometriaGid(std::string_view texto);
// The same from a file (EInOutError when it cannot be read).
TGeometriaGid LeGeometriaGidArquivo(const std::string &arquivo);

// The domain file's text: "[coordenadas de vertices]", the point count, "x  y" as "%10.5f",
// "[conectividade arestas]", the line count, "p1  p2  flag".
std::string TextoDominioGid(const TGeometriaGid &g);
// Writes it under a temporary name renamed over the target.
void GravaDominioGid(const TGeometriaGid &g, const std::string &arquivo);
