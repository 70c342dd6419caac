#include "engine/Stoekiometri.h"

namespace stoekiometri {

double LedVaerdi(const Led& l, const Beregningstilstand& t) {
    double sum = 0.0;
    for (int i = 0; i < l.antalDele; ++i) {
        const Del& d = l.dele[static_cast<std::size_t>(i)];
        const double bidrag = d.koefficient * TalEllerNul(t.ProcesMaengde(d.proces));
        sum = i == 0 ? bidrag : sum + bidrag;
    }
    return l.foran * sum / l.divisor * l.efter;
}

double BeregnArt(const ArtRaekke& a, const Beregningstilstand& t, int fra) {
    const double opstroem = (t.*a.opstroem)[static_cast<std::size_t>(fra)] / a.basisDivisor;
    double sum = 0.0;
    for (int i = 0; i < a.antalLed; ++i) {
        const Led& l = a.led[static_cast<std::size_t>(i)];
        const double led = l.fortegn * LedVaerdi(l, t);
        if (a.samletDivisor == 0.0)
            sum = (i == 0 ? opstroem : sum) + led;
        else
            sum = i == 0 ? led : sum + led;
    }
    if (a.samletDivisor == 0.0) return a.antalLed == 0 ? opstroem : sum;
    return opstroem + sum / a.samletDivisor;
}

}  // namespace stoekiometri
