#pragma once
// Stoichiometry of the processes: how the process amounts change each species of the
// model water. Written once, as data; the model water and the provisional water of
// the non-redox step both evaluate it, so the two agree to the last bit.
//
// Each term is kept in the shape of its formula, because the order of the floating-
// point operations decides the last digit:  (foran · (Σ koefficient·amount)) / divisor · efter.
#include <array>
#include "datamodel/Beregningstilstand.h"

// Process numbers 1..17, the order of the process amounts (Beregningstilstand::ProcesMaengde).
namespace proces {
enum : int {
    CO2 = 1, Kalk, Salt, Ionbytning, Siderit, Ammonium,
    Iltreduktion, Methanogenese, Manganreduktion, Jernreduktion, Sulfatreduktion,
    Denitrifikation, Nitrifikation, PyritIlt, PyritNitrat, DelvisPyritIlt, DelvisPyritNitrat
};
}

// Analyte rows 1..18 of AnalyseData (and of Beregningstilstand::Analyt).
namespace analyt {
enum : int {
    Temperatur = 1, PH, Calcium, Magnesium, Natrium, Kalium, Ammonium, Jern, Mangan,
    Bikarbonat, Klorid, Sulfat, Nitrat, Fluorid, Fosfat, NVOC, Ilt, Metan
};
}

namespace stoekiometri {

// One amount inside a term's parenthesis, with its coefficient.
struct Del {
    int proces = 0;
    double koefficient = 1.0;
};

struct Led {
    double fortegn = 1.0;   // +1 added, -1 subtracted
    double foran = 1.0;     // factor written before the parenthesis
    std::array<Del, 4> dele{};
    int antalDele = 0;
    double divisor = 1.0;
    double efter = 1.0;     // factor written after the division
};

enum class Art { Ca, Na, Cl, Fe, NH4, Alkalinitet, Mn, SO4, NO3 };

// One modelled species. Element 0 of `maal` := upstream / basisDivisor, then either
// each term added in turn (samletDivisor 0), or all terms summed first and the sum
// divided by samletDivisor and added once (the alkalinity: mg/l to mol/l, meq to eq).
struct ArtRaekke {
    Art art;
    PositionsTal Beregningstilstand::* maal;
    PositionsTal Beregningstilstand::* opstroem;
    int analytRaekke;       // presence rule in the model water; 0 = always computed
    double basisDivisor;
    double samletDivisor;
    std::array<Led, 9> led;
    int antalLed;
};

namespace detalje {
constexpr Led led(double fortegn, double foran, std::initializer_list<Del> dele,
                  double divisor = 1.0, double efter = 1.0) {
    Led l{};
    l.fortegn = fortegn;
    l.foran = foran;
    for (const Del& d : dele) l.dele[static_cast<std::size_t>(l.antalDele++)] = d;
    l.divisor = divisor;
    l.efter = efter;
    return l;
}
// A plain amount added or subtracted.
constexpr Led plus(int p) { return led(1.0, 1.0, {{p, 1.0}}); }
constexpr Led minus(int p) { return led(-1.0, 1.0, {{p, 1.0}}); }

constexpr ArtRaekke art(Art a, PositionsTal Beregningstilstand::* maal,
                        PositionsTal Beregningstilstand::* opstroem, int analytRaekke,
                        double basisDivisor, double samletDivisor, std::initializer_list<Led> led) {
    ArtRaekke r{a, maal, opstroem, analytRaekke, basisDivisor, samletDivisor, {}, 0};
    for (const Led& l : led) r.led[static_cast<std::size_t>(r.antalLed++)] = l;
    return r;
}
}  // namespace detalje

// Species in the order the model water computes them; the terms of each in the order
// its formula adds them. Molar masses: Ca 40, CaCO3 100, Na 23, Cl 35.5, Fe 55.8,
// Mn 54.9, SO4 96, NO3 62, NH4 18, HCO3 61.
inline constexpr std::array<ArtRaekke, 9> Arter = [] {
    using namespace detalje;
    using namespace proces;
    using B = Beregningstilstand;
    return std::array<ArtRaekke, 9>{
        // mg Ca/l: calcite 40/100, ion exchange releases Na for Ca, 20 mg Ca per 23 mg Na
        art(Art::Ca, &B::KoncCa, &B::KoncCa, 0, 1.0, 0.0,
            {led(1.0, 40.0 / 100.0, {{Kalk, 1.0}}), led(-1.0, 20.0 / 23.0, {{Ionbytning, 1.0}})}),
        // mg Na/l: the salt's sodium, s·23/35.5
        art(Art::Na, &B::KoncNa, &B::KoncNa, analyt::Natrium, 1.0, 0.0,
            {led(1.0, 23.0, {{Salt, 1.0}}, 35.5), plus(Ionbytning)}),
        // mg Cl/l
        art(Art::Cl, &B::KoncCl, &B::KoncCl, analyt::Klorid, 1.0, 0.0, {plus(Salt)}),
        // mg Fe/l: the partial pyrite oxidations leave one Fe per SO4 dissolved
        art(Art::Fe, &B::KoncFe, &B::KoncFe, analyt::Jern, 1.0, 0.0,
            {plus(Jernreduktion), plus(Siderit),
             led(1.0, 1.0, {{DelvisPyritIlt, 1.0}, {DelvisPyritNitrat, 1.0}}, 96.0, 55.8)}),
        // mg NH4/l
        art(Art::NH4, &B::KoncNH4, &B::KoncNH4, analyt::Ammonium, 1.0, 0.0,
            {plus(Ammonium), minus(Nitrifikation)}),
        // mol/l as HCO3: upstream mg/l / 61000 + (change in meq/l) / 1000
        art(Art::Alkalinitet, &B::Alkalinitet, &B::KoncHCO3, 0, 61000.0, 1000.0,
            {led(1.0, 2.0, {{Kalk, 1.0}}, 100.0),
             led(1.0, 2.0, {{Jernreduktion, 1.0}, {Siderit, 1.0}}, 55.8),
             led(1.0, 2.0, {{Manganreduktion, 1.0}}, 54.9),
             led(1.0, 2.0, {{Sulfatreduktion, 1.0}}, 96.0),
             led(1.0, 1.0, {{Denitrifikation, 1.0}}, 62.0),
             led(-1.0, 2.0, {{Nitrifikation, 1.0}}, 18.0),
             led(-1.0, 1.0,
                 {{PyritIlt, 2.0}, {PyritNitrat, 0.5}, {DelvisPyritIlt, 1.0}, {DelvisPyritNitrat, -0.4}},
                 96.0)}),
        // mg Mn/l
        art(Art::Mn, &B::KoncMn, &B::KoncMn, analyt::Mangan, 1.0, 0.0, {plus(Manganreduktion)}),
        // mg SO4/l
        art(Art::SO4, &B::KoncSO4, &B::KoncSO4, analyt::Sulfat, 1.0, 0.0,
            {plus(PyritIlt), plus(PyritNitrat), plus(DelvisPyritIlt), plus(DelvisPyritNitrat),
             minus(Sulfatreduktion)}),
        // mg NO3/l: nitrification 62/18, nitrate demand of the pyrite oxidations
        art(Art::NO3, &B::KoncNO3, &B::KoncNO3, analyt::Nitrat, 1.0, 0.0,
            {led(1.0, 62.0 / 18.0, {{Nitrifikation, 1.0}}), minus(Denitrifikation),
             led(-1.0, 186.0 / 192.0, {{PyritNitrat, 1.0}}),
             led(-1.0, 868.0 / 960.0, {{DelvisPyritNitrat, 1.0}})}),
    };
}();

inline const ArtRaekke& ArtRaekkeFor(Art a) { return Arter[static_cast<std::size_t>(a)]; }

// The value of one term, from the process amounts of the state (empty counts 0).
double LedVaerdi(const Led& l, const Beregningstilstand& t);

// The species' modelled value from the upstream element `fra` and the process amounts.
double BeregnArt(const ArtRaekke& a, const Beregningstilstand& t, int fra);

}  // namespace stoekiometri
