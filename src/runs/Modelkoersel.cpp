#include "runs/Modelkoersel.h"

#include <cstdint>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/GeokemiskModellering.h"
#include "platform/Beskeder.h"
#include "platform/InddataGrids.h"
#include "runs/NedstroemVandkvalitet.h"

namespace {

// The "Nyt forslag" cells of the two process grids and the proposal cells of the
// state behind them: IonbytningData row r is ProcesTabel row r + 2, RedoxData row r
// RedoxTabel row r.
constexpr int ForslagSoejle = 3;
constexpr int AntalIonbytning = 4;
constexpr int AntalRedox = 11;

struct Forslag {
    Variant ionbytning[AntalIonbytning + 1];
    Variant redox[AntalRedox + 1];
};

Forslag ForslagITilstanden(const Beregningstilstand& t) {
    Forslag f;
    for (int r = 1; r <= AntalIonbytning; ++r) f.ionbytning[r] = t.ProcesTabel(r + 2, 2);
    for (int r = 1; r <= AntalRedox; ++r) f.redox[r] = t.RedoxTabel(r, 2);
    return f;
}

// A failed run may have withdrawn proposals whose analyses are missing; their cells
// would go on showing a proposal the next run no longer uses. Only those cells are
// blanked, as an emptied proposal cell is.
void BlankTrukneForslag(const Forslag& foer, const Forslag& efter) {
    Tabeller& tab = tabeller();
    InddataGrids& grids = inddataGrids();
    const auto blank = [](GridTabel& tabel, const Variant* f, const Variant* e, int antal, Grid& grid) {
        bool blanket = false;
        for (int r = 1; r <= antal; ++r) {
            if (!f[r].isEmpty() && e[r].isEmpty()) {
                tabel.saet(r, ForslagSoejle, Variant(""));
                blanket = true;
            }
        }
        if (blanket) grid.refresh();
    };
    blank(tab.IonbytningData, foer.ionbytning, efter.ionbytning, AntalIonbytning, grids.TDBGrid(15));
    blank(tab.RedoxData, foer.redox, efter.redox, AntalRedox, grids.TDBGrid(16));
}

void Modeller(bool tvungen) {
    Beregningstilstand& t = tilstand();
    Tabeller& tab = tabeller();

    const std::int16_t foer = t.TvungenKalkligevaegt;
    t.TvungenKalkligevaegt = tvungen ? Sand : Falsk;

    // The substance is the one the grid shows, with the carbon values as they stand
    // now; a choice of "Andet" refused earlier for missing values may have been
    // completed since, and an older substance must not be modelled in its place.
    const Variant stof = tab.ModelstofData.hent(1, 1);
    if (ErAndet(stof)) HentBrugerensKulstofvaerdier();
    if (ErUdfyldt(stof)) t.ModelstofNavn = stof;

    const Forslag forslag = ForslagITilstanden(t);
    const std::string besked = GeokemiskModellering();
    if (!besked.empty()) {
        visBesked(besked, BeskedIkon::Kritisk);
        t.TvungenKalkligevaegt = foer;
        BlankTrukneForslag(forslag, ForslagITilstanden(t));
        return;
    }

    InddataGrids& grids = inddataGrids();
    tab.OploesningData.saet(1, 2, Afrund(t.ProcCO2, 0));
    tab.OploesningData.saet(2, 2, Afrund(t.ProcKalk, 0));
    grids.TDBGrid(14).refresh();

    // Row r is process r + 2. The proposal is shown rounded; the state keeps it as typed.
    for (int r = 1; r <= 4; ++r) {
        tab.IonbytningData.saet(r, 2, Afrund(t.ProcesTabel(r + 2, 1), 0));
        tab.IonbytningData.saet(r, 3, Afrund(t.ProcesTabel(r + 2, 2), 0));
    }
    grids.TDBGrid(15).refresh();

    // Only the first six redox processes have a computed amount.
    for (int r = 1; r <= 6; ++r) tab.RedoxData.saet(r, 2, Afrund(t.RedoxTabel(r, 1), 1));
    grids.TDBGrid(16).refresh();

    BeregnNedstroemVandkvalitet();
    SaetProcesdataAendret(false);
}

}  // namespace

void ModellerUdenKalkligevaegt() { Modeller(false); }
void ModellerMedKalkligevaegt() { Modeller(true); }
