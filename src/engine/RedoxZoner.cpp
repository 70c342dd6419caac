#include "engine/RedoxZoner.h"

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"
#include "engine/Analyseresultater.h"
#include "engine/Stoekiometri.h"

namespace {

// One redox-sensitive parameter: its analyte, its threshold and its criterion text
// per zone ("Ilt", "Nitrat", "Jern/ Sulfat", "Metan"). A zone whose text begins
// with '>' is an upper zone.
struct Kriterium {
    int analytRaekke;                  // row of AnalyseData, and its array of the state
    double graense;                    // mg/l
    // Upper side when strictly above the threshold; otherwise (iron, methane) when
    // not strictly below it, so a value at the threshold goes to the upper side.
    bool overNaarStoerre;
    const char* tekst[4];
};

const Kriterium Kriterier[5] = {
    {analyt::Ilt, 1.0, true, {">  1,0", "<  1,0", "<  1,0", "<  1,0"}},
    {analyt::Nitrat, 1.0, true, {">  1,0", ">  1,0", "<  1,0", "<  1,0"}},
    {analyt::Jern, 0.2, false, {"<  0,2", "<  0,2", ">  0,2", ">  0,2"}},
    {analyt::Sulfat, 20.0, true, {"> 20  ", "> 20  ", "> 20  ", "< 20  "}},
    {analyt::Metan, 0.1, false, {"<  0,1", "<  0,1", "<  0,1", ">  0,1"}},
};

bool ErOverZone(const Kriterium& k, int z) { return k.tekst[z - 1][0] == '>'; }

void FyldMatrix(Beregningstilstand& t, RedoxZoneTabel& M, int i) {
    // A rank that names no borehole leaves its matrix empty.
    if (i < 1 || i > 5) return;
    for (int p = 1; p <= 5; ++p) {
        const Kriterium& k = Kriterier[p - 1];
        const double v = t.Analyt(k.analytRaekke)[i];  // mg/l
        const bool over = k.overNaarStoerre ? v > k.graense : !(v < k.graense);
        for (int z = 1; z <= 4; ++z) {
            if (ErOverZone(k, z) == over)
                M(p, z) = over ? Variant(v) : tabeller().AnalyseData.hent(k.analytRaekke, i + 1);
            else
                M(p, z) = Variant();
        }
    }
}

}  // namespace

void VurderRedoxZoner() {
    Beregningstilstand& t = tilstand();

    for (int n = 1; n <= 5; ++n) t.RedoxZoneMatrix(n) = RedoxZoneTabel{};

    for (int p = 1; p <= 5; ++p)
        for (int z = 1; z <= 4; ++z) t.RedoxKriterier(p, z) = Kriterier[p - 1].tekst[z - 1];

    const int N = AntalIBrug(t);
    if (N > 1) {
        FyldMatrix(t, t.RedoxZoneMatrix1, t.RedoxRang[N]);
        FyldMatrix(t, t.RedoxZoneMatrix2, t.RedoxRang[1]);
    }
    // The boreholes between them, ranks 2..N-1, into matrices 3..N.
    for (int r = 2; r <= N - 1; ++r) FyldMatrix(t, t.RedoxZoneMatrix(r + 1), t.RedoxRang[r]);
}
