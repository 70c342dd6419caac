#include "engine/Analyseresultater.h"

#include <algorithm>
#include <cmath>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "engine/Endelig.h"
#include "engine/Karbonatsystem.h"

namespace {

// Redox sum of borehole i; the molar masses are those of this sum (Mn 55, Fe 56).
double RedoxSum(const Beregningstilstand& t, int i) {
    return (5.0 / 62) * 28.4 * t.KoncNO3[i] + (4.0 / 32) * 29.9 * t.KoncO2[i] +
           (7.0 / 96) * 6.1 * t.KoncSO4[i] + (-2.0 / 55) * 24.5 * t.KoncMn[i] +
           (-1.0 / 56) * 12.5 * t.KoncFe[i] + (-8.0 / 16) * 5.5 * t.KoncCH4[i];
}

void BeregnVand(Beregningstilstand& t, int i) {
    const double Ca = t.KoncCa[i], Mg = t.KoncMg[i], Na = t.KoncNa[i], K = t.KoncK[i];
    const double NH4 = t.KoncNH4[i], Fe = t.KoncFe[i], Mn = t.KoncMn[i];
    const double HCO3 = t.KoncHCO3[i], Cl = t.KoncCl[i], SO4 = t.KoncSO4[i];
    const double NO3 = t.KoncNO3[i], F = t.KoncF[i], P = t.KoncP[i];  // mg/l

    t.Ionstyrke[i] = EndeligEllerNul(BeregnIonstyrke(t, i, i));  // mol/l
    // meq/l; phosphate-phosphorus 1.5 equivalents per mole.
    t.Kationer[i] = EndeligEllerNul(2 * (Ca / 40 + Mg / 24.3 + Fe / 55.8 + Mn / 54.9) + Na / 23 +
                                    K / 39.1 + NH4 / 18);
    t.Anioner[i] = EndeligEllerNul(Cl / 35.5 + HCO3 / 61 + 2 * SO4 / 96 + NO3 / 62 + F / 19 +
                                   1.5 * P / 31);
    t.Ladningsbalance[i] = EndeligEllerNul((t.Kationer[i] - t.Anioner[i]) * 100 /
                                           (t.Kationer[i] + t.Anioner[i]));  // %
    t.Alkalinitet[i] = EndeligEllerNul(HCO3 / 61000);  // mol/l as HCO3

    t.BeregnIndeks = static_cast<std::int16_t>(i);
    BeregnKarbonatsystem();
}

// Mixing ratio of borehole i on alkalinity, hotspot h 100 %, most oxidised u 0 %;
// empty when undefined or outside 0..100.
Variant Blandingsforhold(const Beregningstilstand& t, int i, int h, int u) {
    const double Ai = t.Alkalinitet[i], Ah = t.Alkalinitet[h], Au = t.Alkalinitet[u];
    if (Ah == Au) return Variant();
    // The quotient of two equal differences can miss 100 by one unit in the last
    // place, which would turn the hotspot itself into "N/A".
    const double forhold = Ai == Ah ? 100.0 : (Ai - Au) * 100 / (Ah - Au);
    if (!std::isfinite(forhold) || forhold < 0 || forhold > 100) return Variant();
    return Variant(forhold + 0.0);
}

const char* const Navne[] = {"Hotspot", "Nedstr.1", "Nedstr.2", "Nedstr.3", "Opstrøm"};

}  // namespace

int AntalIBrug(const Beregningstilstand& t) {
    return std::clamp<int>(t.AntalBoringer, 0, 5);
}

void RangordnRedox() {
    Beregningstilstand& t = tilstand();
    const int N = AntalIBrug(t);
    if (N <= 1) return;

    for (int r = 1; r <= 5; ++r) {
        t.RedoxRang[r] = 0;
        t.RedoxRangSum[r] = Variant();
    }
    for (int i = 1; i <= N; ++i) {
        t.RedoxRangSum[i] = EndeligEllerNul(RedoxSum(t, i));
        t.RedoxRang[i] = static_cast<std::int16_t>(i);
    }

    // Exchange selection sort through element 0; equal sums are never exchanged, so
    // ties end in the order this procedure gives, not a stable one.
    auto sum = [&t](int r) { return TalEllerNul(t.RedoxRangSum[t.RedoxRang[r]]); };
    for (int r = 1; r <= N - 1; ++r) {
        t.RedoxRangSum[0] = t.RedoxRangSum[t.RedoxRang[r]];
        for (int k = r + 1; k <= N; ++k) {
            if (sum(k) < TalEllerNul(t.RedoxRangSum[0])) {
                t.RedoxRang[0] = t.RedoxRang[r];
                t.RedoxRang[r] = t.RedoxRang[k];
                t.RedoxRang[k] = t.RedoxRang[0];
                t.RedoxRangSum[0] = t.RedoxRangSum[t.RedoxRang[r]];
            }
        }
    }
}

void BeregnAnalyseResultater() {
    Beregningstilstand& t = tilstand();
    RangordnRedox();

    const int N = AntalIBrug(t);
    for (int i = 1; i <= N; ++i) BeregnVand(t, i);
    if (N < 2) return;

    const int h = t.RedoxRang[1];
    const int u = t.RedoxRang[N];
    for (int i = 1; i <= N; ++i) {
        t.Blandingsforhold[i] = Blandingsforhold(t, i, h, u);
        if (t.Blandingsforhold[i].isEmpty())
            t.PositionsTabel(1, i) = "N/A";
        else
            t.PositionsTabel(1, i) = TekstForm(Afrund(t.Blandingsforhold[i], 0));
    }

    for (int r = 1; r <= 5; ++r) t.PositionsNavne[r] = Navne[r - 1];
    for (int r = 1; r <= N - 1; ++r) t.PositionsTabel(2, t.RedoxRang[r]) = t.PositionsNavne[r];
    t.PositionsTabel(2, t.RedoxRang[N]) = t.PositionsNavne[5];
}

void FyldDiagramPHKalk() {
    Beregningstilstand& t = tilstand();
    const int N = AntalIBrug(t);
    for (int i = 1; i <= N; ++i) t.DiagramPHKalk(2, i) = t.PHVedKalkligevaegt[i];
}
