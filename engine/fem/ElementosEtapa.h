// Element results of one construction stage as stored in its element file: three nodes per
// element, each with its value and position. Points are looked up in them through a uniform
// grid that returns the same element as a scan in element order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TElementosEtapa {
public:
    // PastaPadrao() / ("ElementosEtapa" + k + ".res").
    static std::filesystem::path NomeArquivo(int etapa);

    // Appends one element line: value, x, y of each node, each "%10.5f", two blanks after each
    // node.
    static void AppendLinha(std::string &out, const double valores[3], const double xs[3],
                            const double ys[3]);

    // Reads an element file (nine numbers per line; the numbers are told apart by their five
    // decimals even where two of them touch). Throws EInOutError naming the file and line.
    void Le(const std::filesystem::path &arquivo);
    // The value Le gives back for v as AppendLinha writes it, without the text; false where
    // that takes the text (wide or not finite numbers).
    static bool ValorLido(double v, double &lido);
    // Elements given directly (three entries per element in each array).
    void Define(std::vector<double> valores, std::vector<double> xs, std::vector<double> ys);

    int NumElementos() const { return int(X.size() / 3); }

    // First element (0-based, in element order) whose bounding box (bounds included) holds
    // the point and whose node triangle holds it by the convex-polygon test; -1 when none.
    int Procura(double x, double y) const;
    // The element nearest to the point among those within distance tol of it (the first of
    // equally near ones); -1 when none.
    int ProcuraProximo(double x, double y, double tol) const;
    // Linear interpolation of element e's three values at (x, y).
    double Interpola(int e, double x, double y) const;

    std::vector<double> Valores, X, Y; // three entries per element, in node order

private:
    void MontaGrade();
    void Celula(double x, double y, int &i, int &j) const;

    std::vector<double> xMin_, xMax_, yMin_, yMax_;
    int nx_ = 0, ny_ = 0;
    double x0_ = 0.0, y0_ = 0.0, fx_ = 0.0, fy_ = 0.0; // cell = (x - x0) * fx
    std::vector<int> inicio_, lista_; // elements of cell c: lista_[inicio_[c] .. inicio_[c+1])
};
