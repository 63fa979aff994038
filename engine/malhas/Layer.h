// Drawing style of one kind of item in a mesh drawing: brush, pen and font.
#pragma once

#include "uPlataforma.h"

class TLayer {
public:
    // Platform defaults: white solid brush, black pen of width 1, black "Arial" font.
    TLayer() = default;
    // A brush, a pen and a font of the given colours.
    TLayer(TColor corPincel, TColor corCaneta, TColor corFonte) {
        Pincel.Color = corPincel;
        Caneta.Color = corCaneta;
        Fonte.Color = corFonte;
    }
    // Blue brush, silver pen, yellow "Arial" font of size 7.
    static TLayer CreatePadrao() {
        TLayer l(clBlue, clSilver, clYellow);
        l.Fonte.Name = "Arial";
        l.Fonte.Size = 7;
        return l;
    }

    TPincel Pincel;
    TCaneta Caneta;
    TFonte Fonte;
};
