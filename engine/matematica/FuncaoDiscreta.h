// Tabulated function y(x): linear interpolation between neighbouring points, linear
// extrapolation beyond the end points.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "matematica/Vetor.h"

class TFuncaoDiscreta {
public:
    TFuncaoDiscreta() = default;
    // Copies the points; the limits are recomputed from them.
    TFuncaoDiscreta(const TFuncaoDiscreta &f);
    TFuncaoDiscreta &operator=(const TFuncaoDiscreta &f);
    static std::unique_ptr<TFuncaoDiscreta> CreateCopia(const TFuncaoDiscreta &f);

    // Name of the file the points were imported from (empty when typed); copied with them.
    std::string Origem;

    double GetX(int i) const { return X_[i]; }
    double GetY(int i) const { return Y_[i]; }
    int GetNumPontos() const { return X_.GetTamanho(); }

    double GetXMax() const { return XMax_; }
    double GetXMin() const { return XMin_; }
    double GetYMax() const { return YMax_; }
    double GetYMin() const { return YMin_; }
    void SetXMax(double v) { XMax_ = v; }
    void SetXMin(double v) { XMin_ = v; }
    void SetYMax(double v) { YMax_ = v; }
    void SetYMin(double v) { YMin_ = v; }

    // Limits of the stored points; left unchanged when there is none.
    void AtualizaLimites();
    bool ExistePonto(double x, double y) const;
    // Appends the point unless it is already stored; true when it was added.
    bool AdicionaPonto(double x, double y);
    void RemoveUltimo();
    void Limpa();
    // Replaces the points by x[i], y[i] as given, in linear time (no check for repeated points).
    void DefinePontos(const std::vector<double> &x, const std::vector<double> &y);

    // Value and slope at x. Inside [XMin, XMax] the first segment in stored order that holds x
    // is used (0 when none does or there are fewer than two points); below XMin the line
    // through the first two points; above XMax the line through the last two for the value and
    // 0 for the slope. A segment of zero width raises EZeroDivide or EInvalidOp.
    double Valor(double x) const;
    double Derivada(double x) const;

private:
    // First segment i (1-based, in stored order) with X[i] <= x <= X[i+1]; 0 when none.
    int Segmento(double x) const;

    double YMax_ = 0.0, XMax_ = 0.0, XMin_ = 0.0, YMin_ = 0.0;
    TVetor X_, Y_;
};
