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

    const std::string besked = GeokemiskModellering();
    if (!besked.empty()) {
        visBesked(besked, BeskedIkon::Kritisk);
        t.TvungenKalkligevaegt = foer;
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
