#include "runs/Nedbrydningsmodel.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/Nedbrydningskonstanter.h"
#include "platform/InddataGrids.h"

namespace {

constexpr int AntalBoringerMaks = 5;
constexpr int AntalFiltre = 3;
constexpr int AntalKomponenter = 5;

// The unit of the rate constants by the unit of the distance row.
struct Rateenhed {
    std::string_view afstand;
    const char* rate;
};
constexpr std::array<Rateenhed, 3> Rateenheder{{
    {"meter", "l/meter"},
    {"år", "l/år"},
    {"dage", "l/dag"},
}};

// A choice cell as a borehole number; an empty cell, and anything that is not a
// borehole 1..5, counts as no borehole (0), so no array is indexed beyond its bounds.
std::int16_t BoringsNummer(const Variant& celle) {
    const std::optional<double> tal = SomTal(celle);
    if (!tal) return 0;
    const double nummer = std::nearbyint(*tal);
    if (!(nummer >= 1 && nummer <= AntalBoringerMaks)) return 0;
    return static_cast<std::int16_t>(nummer);
}

// The filter's distance minus the hotspot's; empty when either is blank or no number.
Variant AfstandFraHotspot(const GridTabel& afstand, int hotspot, int filter) {
    if (hotspot == 0 || filter == 0) return {};
    const std::optional<double> xHotspot = SomTal(afstand.hent(1, hotspot + 1));
    const std::optional<double> xFilter = SomTal(afstand.hent(1, filter + 1));
    if (!xHotspot || !xFilter) return {};
    return Variant(*xFilter - *xHotspot);
}

}  // namespace

void BeregnNedbrydningsmodel() {
    Tabeller& tab = tabeller();
    Beregningstilstand& t = tilstand();

    t.HotspotNr = BoringsNummer(tab.NedbrydningData.hent(1, 1));
    for (int f = 1; f <= AntalFiltre; ++f)
        t.FilterNr[static_cast<std::size_t>(f)] = BoringsNummer(tab.NedbrydningData.hent(1, f + 1));

    for (int i = 1; i <= AntalBoringerMaks; ++i) {
        const Variant celle = tab.AfstandData.hent(1, i + 1);
        t.Afstande[static_cast<std::size_t>(i)] = ErUdfyldt(celle) ? celle : Variant();
    }
    for (int j = 1; j <= AntalKomponenter; ++j) {
        for (int i = 1; i <= AntalBoringerMaks; ++i)
            t.KulbrinteKonc(j, i) = TalEllerNul(tab.KomponentData.hent(j, i + 1));
    }

    BeregnNedbrydningskonstanter();

    for (int f = 1; f <= AntalFiltre; ++f) {
        const int filter = t.FilterNr[static_cast<std::size_t>(f)];
        if (filter == t.HotspotNr) {
            tab.FortyndingData.saet(1, f + 1, Variant());
            tab.FortyndingData.saet(2, f + 1, Variant());
            continue;
        }
        // Blandingsforhold(0) is empty, so an unchosen filter shows an empty cell.
        tab.FortyndingData.saet(1, f + 1, Afrund(t.Blandingsforhold[static_cast<std::size_t>(filter)], 0));
        // Not rounded: the distances are shown as the user entered them.
        tab.FortyndingData.saet(2, f + 1, AfstandFraHotspot(tab.AfstandData, t.HotspotNr, filter));
    }
    const Variant afstandsenhed = tab.AfstandData.hent(1, 1);
    tab.FortyndingData.saet(2, 1, afstandsenhed);

    const char* rateenhed = nullptr;
    for (const Rateenhed& e : Rateenheder)
        if (afstandsenhed.isText() && afstandsenhed.text() == e.afstand) rateenhed = e.rate;

    for (int j = 1; j <= AntalKomponenter; ++j) {
        tab.KorrKoncentrationData.saet(j, 0, tab.KomponentData.hent(j, 0));
        // Another unit leaves the cell's text as it was.
        if (rateenhed) tab.KorrKoncentrationData.saet(j, 1, Variant(rateenhed));
        for (int c = 2; c <= 2 * AntalFiltre + 1; ++c)
            tab.KorrKoncentrationData.saet(j, c, Afrund(t.Nedbrydningskonstanter(j, c - 1), 4));
    }

    InddataGrids& grids = inddataGrids();
    grids.TDBGrid(18).refresh();
    grids.TDBGrid(19).refresh();
}
