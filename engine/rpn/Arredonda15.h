// Rounding of a computed value as the formula evaluator stores it: written with 15 significant
// digits and read back.
#pragma once

// The double that FloatToStr(v) reads back as: v rounded to 15 significant digits (ties to
// even), zero without sign. Throws EInvalidOp for NaN and EOverflow for an infinity or for a
// value whose rounding leaves the range of doubles. Avoids the text round trip in the common
// range.
double Arredonda15Texto(double v);
