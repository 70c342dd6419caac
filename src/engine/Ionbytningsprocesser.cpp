#include "engine/Ionbytningsprocesser.h"

#include <array>
#include "datamodel/Beregningstilstand.h"
#include "engine/Redoxprocesser.h"
#include "engine/Stoekiometri.h"
#include "engine/Tilstedevaerelse.h"

namespace {

using stoekiometri::Art;

enum class Standard { Salt, Ionbytning, Ingen };

struct IkkeRedoxProces {
    int raekke;          // row of ProcesTabel
    int proces;          // process amount
    int analytRaekke;    // AnalyseData row needed upstream and downstream
    Standard standard;
    const char* besked1;
    const char* besked2;
};

constexpr std::array<IkkeRedoxProces, 4> Processer{{
    {3, proces::Salt, analyt::Klorid, Standard::Salt,
     "Der skal være  defineret input værdier for klorid opstrøm og nedstrøm ",
     "for at indtaste et gæt på saltudvaskning"},
    {4, proces::Ionbytning, analyt::Natrium, Standard::Ionbytning,
     "Der skal være  defineret input værdier for natrium opstrøm og nedstrøm ",
     "for at indtaste et gæt på Na/Ca ionbytning"},
    {5, proces::Siderit, analyt::Jern, Standard::Ingen,
     "Der skal være  defineret input værdier for jern opstrøm og nedstrøm ",
     "for at indtaste et gæt på siderit (FeCO3) opløsning"},
    {6, proces::Ammonium, analyt::Ammonium, Standard::Ingen,
     "Der skal være  defineret input værdier for ammonium opstrøm og nedstrøm ",
     "for at indtaste et gæt på ammonium (NH4) opløsning"},
}};

std::string Besked(const IkkeRedoxProces& p) { return std::string(p.besked1) + p.besked2; }

// The provisional water in the order it is checked; the message of each check.
struct Kontrol {
    Art art;
    const char* besked;
};

constexpr std::array<Kontrol, 9> Kontroller{{
    {Art::Na, "iteration kan ikke udføres fordi [Natrium] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::Cl, "iteration kan ikke udføres fordi [Klorid] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::Fe, "iteration kan ikke udføres fordi [Jern] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::NH4, "iteration kan ikke udføres fordi [Ammonium] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::Alkalinitet,
     "iteration kan ikke udføres fordi [Alkalinitet] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::Ca, "iteration kan ikke udføres fordi [Calcium] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::Mn, "iteration kan ikke udføres fordi [Mangan] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::SO4, "iteration kan ikke udføres fordi [Sulfat] < 0; Undersøg dine forslag til geokemiske processer"},
    {Art::NO3, "iteration kan ikke udføres fordi [Nitrat] < 0; Undersøg dine forslag til geokemiske processer"},
}};

// The computed default of salt or ion exchange, mg/l.
double StandardVaerdi(const IkkeRedoxProces& p, const Beregningstilstand& t) {
    const auto fra = static_cast<std::size_t>(t.FraPosition);
    const auto til = static_cast<std::size_t>(t.TilPosition);
    if (p.standard == Standard::Salt) {
        const double salt = t.KoncCl[til] - t.KoncCl[fra];
        return salt < 0 ? 0.0 : salt;
    }
    // The sodium gain the salt does not explain, at most 95 % of the upstream
    // calcium in meq/l as mg Na/l. A negative value stays: Na taken up, Ca released.
    const double ionbytning = (t.KoncNa[til] - t.KoncNa[fra]) - TalEllerNul(t.ProcSalt) * 23 / 35.5;
    const double loft = (0.95 * 23 / 20) * t.KoncCa[fra];
    return ionbytning > loft ? loft : ionbytning;
}

// The six terms of the substance carbon oxidised to CO2, in the order they are summed.
constexpr std::array<int, 6> CO2Raekkefoelge{1, 2, 4, 3, 5, 6};  // rows of RedoxTabel

}  // namespace

std::string BeregnIonbytningsprocesser() {
    std::string besked = KontrollerModelstofKulstof();
    if (!besked.empty()) return besked;

    Beregningstilstand& t = tilstand();

    for (const IkkeRedoxProces& p : Processer) {
        Variant& maengde = t.ProcesMaengde(p.proces);
        Variant& standard = t.ProcesTabel(p.raekke, 1);
        Variant& forslag = t.ProcesTabel(p.raekke, 2);
        const bool tilstede = AnalytTilstede(p.analytRaekke);
        if (p.standard == Standard::Ingen) {
            maengde = 0.0;
            standard = Variant();
            if (ForslagIKraft(forslag)) {
                if (tilstede) {
                    maengde = forslag;
                } else {
                    besked = Besked(p);
                    forslag = Variant();
                }
            }
        } else if (tilstede) {
            if (!ForslagIKraft(forslag)) {
                standard = StandardVaerdi(p, t);  // ion exchange uses ProcSalt as just decided
                maengde = standard;
            } else {
                maengde = forslag;
                standard = Variant();
            }
        } else {
            if (ForslagIKraft(forslag)) besked = Besked(p);
            standard = Variant();
            forslag = Variant();
            maengde = 0.0;
        }
    }

    // mmol/l of substance carbon oxidised, times 44 mg CO2/mmol.
    const double ox = TalEllerNul(t.KulstofValens);
    double kulstof = 0.0;
    for (std::size_t i = 0; i < CO2Raekkefoelge.size(); ++i) {
        const int r = CO2Raekkefoelge[i];
        const double led = KulstofTilCO2(r, t.ProcesMaengde(proces::Iltreduktion + r - 1), ox);
        kulstof = i == 0 ? led : kulstof + led;
    }
    t.ProcCO2 = 44 * kulstof;

    // Provisional model water: every species regardless of the analyses, with the
    // calcite of the previous modelling; the solver rebuilds it with this one's.
    for (const Kontrol& k : Kontroller) {
        const stoekiometri::ArtRaekke& art = stoekiometri::ArtRaekkeFor(k.art);
        (t.*art.maal)[0] = stoekiometri::BeregnArt(art, t, t.FraPosition);
    }
    for (const Kontrol& k : Kontroller) {
        const stoekiometri::ArtRaekke& art = stoekiometri::ArtRaekkeFor(k.art);
        if ((t.*art.maal)[0] < 0) besked = k.besked;
    }
    return besked;
}
