// A paint device that records what is painted on it as a Windows metafile (.wmf): placeable
// and standard headers, pens, solid and hatched brushes, fonts (ISO 8859-1 text), polylines,
// polygons, rectangles, text and device-independent bitmaps for pictures. Coordinates are the
// device's pixels at 96 per inch, kept to 16 bits.
#pragma once

#include <QPaintDevice>
#include <QString>

#include <memory>
#include <string>

class TMotorWmf;

class TDispositivoWmf : public QPaintDevice {
public:
    TDispositivoWmf(int largura, int altura);
    ~TDispositivoWmf() override;
    TDispositivoWmf(const TDispositivoWmf &) = delete;
    TDispositivoWmf &operator=(const TDispositivoWmf &) = delete;

    QPaintEngine *paintEngine() const override;
    // The whole file: headers, the records painted so far (painting must have ended) and the
    // end record.
    std::string Arquivo() const;
    // Writes the file under a temporary name and renames it over `arquivo`; a failure leaves
    // the previous file and throws EInOutError.
    void Salva(const std::string &arquivo) const;

    // Largest number of points of one polyline or polygon record.
    static constexpr int kMaxPontos = 32767;
    static constexpr int kPolegada = 96;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    int largura_, altura_;
    std::unique_ptr<TMotorWmf> motor_;
};
