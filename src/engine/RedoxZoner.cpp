#include "engine/RedoxZoner.h"

#include <algorithm>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"

namespace {

// One redox-sensitive parameter: where it stands, its threshold and its criterion
// text per zone ("Ilt", "Nitrat", "Jern/ Sulfat", "Metan"). A zone whose text begins
// with '>' is an upper zone.
struct Kriterium {
    int analyseRaekke;                 // row of AnalyseData
    PositionsTal Beregningstilstand::*koncentration;  // mg/l
    double graense;                    // mg/l
    // Upper side when strictly above the threshold; otherwise (iron, methane) when
    // not strictly below it, so a value at the threshold goes to the upper side.
    bool overNaarStoerre;
    const char* tekst[4];
};

const Kriterium Kriterier[5] = {
    {17, &Beregningstilstand::KoncO2, 1.0, true, {">  1,0", "<  1,0", "<  1,0", "<  1,0"}},
    {13, &Beregningstilstand::KoncNO3, 1.0, true, {">  1,0", ">  1,0", "<  1,0", "<  1,0"}},
    {8, &Beregningstilstand::KoncFe, 0.2, false, {"<  0,2", "<  0,2", ">  0,2", ">  0,2"}},
    {12, &Beregningstilstand::KoncSO4, 20.0, true, {"> 20  ", "> 20  ", "> 20  ", "< 20  "}},
    {18, &Beregningstilstand::KoncCH4, 0.1, false, {"<  0,1", "<  0,1", "<  0,1", ">  0,1"}},
};

bool ErOverZone(const Kriterium& k, int z) { return k.tekst[z - 1][0] == '>'; }

void FyldMatrix(Beregningstilstand& t, RedoxZoneTabel& M, int i) {
    // A rank that names no borehole leaves its matrix empty.
    if (i < 1 || i > 5) return;
    for (int p = 1; p <= 5; ++p) {
        const Kriterium& k = Kriterier[p - 1];
        const double v = (t.*k.koncentration)[i];
        const bool over = k.overNaarStoerre ? v > k.graense : !(v < k.graense);
        for (int z = 1; z <= 4; ++z) {
            if (ErOverZone(k, z) == over)
                M(p, z) = over ? Variant(v) : tabeller().AnalyseData.hent(k.analyseRaekke, i + 1);
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

    const int N = std::clamp<int>(t.AntalBoringer, 0, 5);
    if (N > 1) {
        FyldMatrix(t, t.RedoxZoneMatrix1, t.RedoxRang[N]);
        FyldMatrix(t, t.RedoxZoneMatrix2, t.RedoxRang[1]);
    }
    if (N > 2) FyldMatrix(t, t.RedoxZoneMatrix3, t.RedoxRang[2]);
    if (N > 3) FyldMatrix(t, t.RedoxZoneMatrix4, t.RedoxRang[3]);
    if (N > 4) FyldMatrix(t, t.RedoxZoneMatrix5, t.RedoxRang[4]);
}
