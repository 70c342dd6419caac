#pragma once
// Guards that keep NaN and infinity out of the calculation state. A value that is
// not finite is treated like a failed logarithm: it becomes 0.
#include <cmath>
#include "datamodel/Diverse.h"

// Also turns -0 into 0, so a failed logarithm never shows as "-0".
inline double EndeligEllerNul(double x) { return std::isfinite(x) ? x + 0.0 : 0.0; }

// Log10 of the engine: a value that is not finite gives 0 without a message (it comes
// from arithmetic outside the admitted inputs, not from the user), but a solver's
// Log10Opsamling still counts it as a failure, so a blown-up evaluation never passes
// for a converged one. Every other value goes through Log10 with its message for 0
// or less.
inline double EndeligLog10(double x) {
    if (!std::isfinite(x)) {
        Log10Opsamling::registrerFejl();
        return 0.0;
    }
    return Log10(Variant(x));
}
