#include "runs/NedstroemVandkvalitet.h"

#include <array>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/Tabeller.h"
#include "engine/GeokemiskModellering.h"
#include "engine/NedstroemModel.h"
#include "platform/Beskeder.h"
#include "platform/InddataGrids.h"
#include "runs/Diagramdata.h"
#include "runs/Diagrammer.h"
#include "runs/Grundvandstype.h"

namespace {

constexpr int AntalModelRaekker = 23;  // 18 analytes, then 5 carbonate results
constexpr int ForsteKarbonatRaekke = 19;
constexpr int KolonneFra = 2;       // "b/f 1"
constexpr int KolonneTil = 3;       // "b/f 2"
constexpr int KolonneNedstroem = 4;

// Decimals of the modelled value shown for NedstroemModel rows 1..23.
constexpr std::array<int, AntalModelRaekker> Decimaler{
    1, 2, 0, 0, 0, 1, 2, 2, 2, 0, 0, 0, 0, 2, 2, 1, 1, 1,  // analytes
    1, 3, 2, 2, 2,                                         // CO2, CO2 pressure, TUC, CaCO3, FeCO3
};

// A modelled number rounded for showing; Empty stays Empty and a text ("N/A")
// passes as it is.
Variant Vist(const Variant& v, int decimaler) { return v.isText() ? v : Afrund(v, decimaler); }

void Overskrift(Grid& g, int kolonne, const Variant& tekst) {
    if (kolonne < g.columnCount()) g.column(kolonne).setCaption(TekstForm(tekst));
}

}  // namespace

void BeregnNedstroemVandkvalitet() {
    Beregningstilstand& t = tilstand();
    Tabeller& tab = tabeller();
    const int fra = t.FraPosition;
    const int til = t.TilPosition;
    if (fra < 0 || fra > 5 || til < 0 || til > 5) return;

    tab.PlaceringData.saet(1, 1, Variant(fra));
    tab.PlaceringData.saet(1, 2, Variant(til));
    tab.KarakteriseringData.saet(1, 1, t.PositionsTabel(2, fra));
    tab.KarakteriseringData.saet(1, 2, t.PositionsTabel(2, til));

    // The two measured waters, cells as they stand.
    tab.NedstroemAnalyseData.saet(1, KolonneFra, tab.BoringData.hent(3, fra + 1));
    tab.NedstroemAnalyseData.saet(1, KolonneTil, tab.BoringData.hent(3, til + 1));
    for (int i = 1; i <= AntalAnalytter; ++i) {
        tab.NedstroemAnalyseData.saet(i + 1, KolonneFra, tab.AnalyseData.hent(i, fra + 1));
        tab.NedstroemAnalyseData.saet(i + 1, KolonneTil, tab.AnalyseData.hent(i, til + 1));
    }
    for (int i = 1; i <= 5; ++i) {
        tab.NedstroemKarbonatData.saet(i, KolonneFra, tab.KvalitetskontrolData.hent(i + 5, fra + 1));
        tab.NedstroemKarbonatData.saet(i, KolonneTil, tab.KvalitetskontrolData.hent(i + 5, til + 1));
    }
    for (int i = 1; i <= AntalAnalytter; ++i) {
        t.NedstroemModel(i, 1) = tab.NedstroemAnalyseData.hent(i + 1, KolonneFra);
        t.NedstroemModel(i, 2) = tab.NedstroemAnalyseData.hent(i + 1, KolonneTil);
    }
    for (int i = 1; i <= 5; ++i) {
        t.NedstroemModel(i + AntalAnalytter, 1) = tab.NedstroemKarbonatData.hent(i, KolonneFra);
        t.NedstroemModel(i + AntalAnalytter, 2) = tab.NedstroemKarbonatData.hent(i, KolonneTil);
    }

    UdfyldNedstroemModel();

    tab.NedstroemAnalyseData.saet(1, KolonneNedstroem, Variant("N/A"));
    for (int r = 1; r <= AntalModelRaekker; ++r) {
        const Variant vist = Vist(t.NedstroemModel(r, 3), Decimaler[static_cast<std::size_t>(r - 1)]);
        if (r < ForsteKarbonatRaekke) tab.NedstroemAnalyseData.saet(r + 1, KolonneNedstroem, vist);
        else tab.NedstroemKarbonatData.saet(r - AntalAnalytter, KolonneNedstroem, vist);
    }

    InddataGrids& grids = inddataGrids();
    Overskrift(grids.TDBGrid(12), KolonneFra, tab.BoringData.hent(1, fra + 1));
    Overskrift(grids.TDBGrid(12), KolonneTil, tab.BoringData.hent(1, til + 1));
    grids.TDBGrid(7).refresh();
    grids.TDBGrid(8).refresh();
    grids.TDBGrid(12).refresh();
    grids.TDBGrid(13).refresh();

    // After a run the substance cell is never blank. The default leaves
    // ModelstofNavn alone: the model run reads the substance from the cell.
    if (!ErUdfyldt(tab.ModelstofData.hent(1, 1))) {
        tab.ModelstofData.saet(1, 1, Variant(StandardModelstof));
        t.KulstofValens = Variant(-1.333);
        t.KulstofIndhold = Variant(62.1);
        tab.KulstofData.saet(1, 1, t.KulstofValens);
        tab.KulstofData.saet(2, 1, t.KulstofIndhold);
        grids.TDBGrid(10).refresh();
        grids.TDBGrid(11).refresh();
    }

    VisMellemregning();
    UdfyldDiagramTUC();
    TegnDiagramTUC();
    UdfyldDiagramAlkalinitet();
    TegnDiagramAlkalinitet();
}

void VaelgModelstof() {
    Beregningstilstand& t = tilstand();
    Tabeller& tab = tabeller();
    const Variant stof = tab.ModelstofData.hent(1, 1);
    const Variant valens = tab.KulstofData.hent(1, 1);
    const Variant indhold = tab.KulstofData.hent(2, 1);
    Grid& kulstofGrid = inddataGrids().TDBGrid(11);
    const bool andet = ErAndet(stof);

    if (andet && (!ErUdfyldt(valens) || !ErUdfyldt(indhold))) {
        visBesked(UdfyldKulstofvaerdier, BeskedIkon::Udraab);
        if (kulstofGrid.columnCount() > 1) kulstofGrid.column(1).setLocked(false);
        return;
    }

    if (andet) HentBrugerensKulstofvaerdier();
    t.ModelstofNavn = stof;
    // Its message about missing values is the model run's to show.
    OpslagModelstof();

    tab.KulstofData.saet(1, 1, t.KulstofValens);
    tab.KulstofData.saet(2, 1, t.KulstofIndhold);
    kulstofGrid.refresh();
    if (kulstofGrid.columnCount() > 1) kulstofGrid.column(1).setLocked(!andet);
}

bool ErAndet(const Variant& stof) { return stof.isText() && stof.text() == "Andet"; }

void HentBrugerensKulstofvaerdier() {
    Beregningstilstand& t = tilstand();
    const GridTabel& kulstof = tabeller().KulstofData;
    const auto vaerdi = [](const Variant& celle) {
        if (!ErUdfyldt(celle)) return Variant(0.0);
        const std::optional<double> tal = SomTal(celle);
        return tal ? Variant(*tal) : Variant();
    };
    t.BrugerKulstofValens = vaerdi(kulstof.hent(1, 1));
    t.BrugerKulstofIndhold = vaerdi(kulstof.hent(2, 1));
}
