#include "engine/Nedbrydningskonstanter.h"

#include <cmath>
#include <optional>

#include "datamodel/Beregningstilstand.h"

namespace {

bool ErBoring(int nr) { return nr >= 0 && nr <= 5; }

// A finite result, or empty.
Variant EndeligEllerTom(double x) { return std::isfinite(x) ? Variant(x + 0.0) : Variant(); }

bool GyldigBlandingsforhold(const std::optional<double>& b) {
    return b && *b > 0 && *b <= 100;
}

}  // namespace

void BeregnNedbrydningskonstanter() {
    Beregningstilstand& t = tilstand();
    for (int f = 1; f <= 3; ++f) {
        for (int j = 1; j <= 5; ++j) {
            Variant& plain = t.Nedbrydningskonstanter(j, 2 * f - 1);
            Variant& korrigeret = t.Nedbrydningskonstanter(j, 2 * f);
            plain = Variant();
            korrigeret = Variant();

            const int H = t.HotspotNr;
            const int F = t.FilterNr[f];
            // A choice outside the boreholes names no concentrations at all.
            if (!ErBoring(H) || !ErBoring(F)) continue;

            const double CH = t.KulbrinteKonc(j, H), CF = t.KulbrinteKonc(j, F);  // mg/l
            // Distances as entered: a number or a text that reads as one; a blank or
            // another text has none.
            const std::optional<double> XH = SomTal(t.Afstande[H]);
            const std::optional<double> XF = SomTal(t.Afstande[F]);
            if (!(CH > 0 && CF > 0) || !XH || !XF || *XF == *XH) continue;

            plain = EndeligEllerTom(std::log(CH / CF) / (*XH - *XF));

            const std::optional<double> BH = SomTal(t.Blandingsforhold[H]);  // %
            const std::optional<double> BF = SomTal(t.Blandingsforhold[F]);  // %
            if (GyldigBlandingsforhold(BF) && GyldigBlandingsforhold(BH))
                korrigeret = EndeligEllerTom(std::log((CH / CF) / (*BH / *BF)) / (*XH - *XF));
        }
    }
}
