#include "windows/Gridhandlere.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "platform/Beskeder.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "platform/InddataKontroller.h"
#include "runs/Nedbrydningsmodel.h"
#include "runs/NedstroemVandkvalitet.h"

namespace {

constexpr int ProcesFane = 5;  // "Geokemiske processer"
constexpr const char* Inddatakontrol = "Inddatakontrol";
// The chart-data grids mark the whole current row, so the row of the selected
// series stands out.
constexpr int MarkerHelRaekke = 3;

// The checks of the input grids show their own refusal; those of the process grids
// hand the text back.
using VisendeKontrol = bool (*)(const Variant&, int, bool);
using TekstKontrol = bool (*)(const Variant&, int, std::string&);

// The check's second argument: the table row, or (for the two tables whose rule
// goes by column) the column.
enum class Indeks { Raekke, Soejle };

// The cell of the calculation state that also takes an accepted value, by the
// table's row and column; nullptr outside the state's table.
using Tilstandscelle = Variant* (*)(int raekke, int soejle);

struct Foeropdatering {
    const char* grid;
    GridTabel Tabeller::*tabel;
    VisendeKontrol visendeKontrol;  // exactly one of the two checks is given
    TekstKontrol tekstKontrol;
    Indeks indeks;
    Tilstandscelle ekstra;  // nullptr: none
    void (*flag)();
};

template <typename Tabel>
Variant* Celle(Tabel& t, int r, int c) {
    if (r < 0 || r > Tabel::sidsteRaekke || c < 0 || c > Tabel::sidsteSoejle) return nullptr;
    return &t(r, c);
}

// "Nyt forslag" (column 3) is the proposal column 2 of the state's tables; row r of
// IonbytningData is process r + 2, row r of RedoxData row r of RedoxTabel.
Variant* ProcesForslag(int raekke, int soejle) { return Celle(tilstand().ProcesTabel, raekke + 2, soejle - 1); }
Variant* RedoxForslag(int raekke, int soejle) { return Celle(tilstand().RedoxTabel, raekke, soejle - 1); }

void InddataAendret() { SaetInddataAendret(true); }
void ProcesdataAendret() { SaetProcesdataAendret(true); }

const Foeropdatering Foeropdateringer[] = {
    {"TDBGrid4", &Tabeller::LokalitetData, KontrolLokalitet, nullptr, Indeks::Raekke, nullptr, InddataAendret},
    {"TDBGrid22", &Tabeller::BoringData, KontrolBoring, nullptr, Indeks::Raekke, nullptr, InddataAendret},
    {"TDBGrid1", &Tabeller::AnalyseData, KontrolAnalyse, nullptr, Indeks::Raekke, nullptr, InddataAendret},
    {"TDBGrid6", &Tabeller::AfstandData, KontrolAfstand, nullptr, Indeks::Soejle, nullptr, InddataAendret},
    {"TDBGrid2", &Tabeller::KomponentData, KontrolKomponent, nullptr, Indeks::Soejle, nullptr, InddataAendret},
    {"TDBGrid11", &Tabeller::KulstofData, nullptr, KontrolKulstof, Indeks::Raekke, nullptr, ProcesdataAendret},
    {"TDBGrid15", &Tabeller::IonbytningData, nullptr, KontrolIonbytning, Indeks::Raekke, ProcesForslag,
     ProcesdataAendret},
    {"TDBGrid16", &Tabeller::RedoxData, nullptr, KontrolRedox, Indeks::Raekke, RedoxForslag, ProcesdataAendret},
};

// The before-update handler of every editable grid, applied with its grid's row.
void frmInddata_BeforeColUpdate(const Foeropdatering& h, Grid& g, int ColIndex, bool& Cancel) {
    const Variant vaerdi = g.columnValue(ColIndex);
    const int raekke = g.currentTableRow();
    const int soejle = g.tableColumn(ColIndex);
    const int indeks = h.indeks == Indeks::Raekke ? raekke : soejle;

    std::string besked;
    const bool accepteret =
        h.visendeKontrol ? h.visendeKontrol(vaerdi, indeks, true) : h.tekstKontrol(vaerdi, indeks, besked);
    if (!accepteret) {
        if (h.tekstKontrol) {
            // The edit may have been ended by leaving tab 5: show the grid before the message.
            inddataKontroller().SSTab1.setCurrent(ProcesFane);
            visBesked(besked, BeskedIkon::Udraab, BeskedKnapper::OK, Inddatakontrol);
        }
        Cancel = true;
        return;
    }

    (tabeller().*h.tabel).saet(raekke, soejle, vaerdi);
    if (h.ekstra) {
        // An emptied proposal withdraws it: Empty in the state, the empty text in the table.
        if (Variant* celle = h.ekstra(raekke, soejle)) *celle = ErUdfyldt(vaerdi) ? vaerdi : Variant();
    }
    h.flag();
    Cancel = false;
}

// ---- Drop-down picks: the picked item's value is the column's value.

void frmInddata_TDBGrid17_ComboSelect(Grid& g, int ColIndex) {
    // Column 1 the hotspot, columns 2 to 4 the filters.
    tabeller().NedbrydningData.saet(1, g.tableColumn(ColIndex), g.columnValue(ColIndex));
    BeregnNedbrydningsmodel();
}

void frmInddata_TDBGrid7_ComboSelect(Grid& g, int ColIndex) {
    const int soejle = g.tableColumn(ColIndex);
    if (soejle != 1 && soejle != 2) return;
    const auto boring = static_cast<std::int16_t>(std::nearbyint(TalEllerNul(g.columnValue(ColIndex))));
    tabeller().PlaceringData.saet(g.currentTableRow(), soejle, Variant(static_cast<int>(boring)));
    (soejle == 1 ? tilstand().FraPosition : tilstand().TilPosition) = boring;
    BeregnNedstroemVandkvalitet();
}

void frmInddata_TDBGrid10_ComboSelect(Grid& g, int ColIndex) {
    tabeller().ModelstofData.saet(g.currentTableRow(), g.tableColumn(ColIndex), g.columnValue(ColIndex));
    VaelgModelstof();
    // Also for the same substance: the pick has written its carbon values anew.
    SaetProcesdataAendret(true);
}

// ---- Chart coupling: grid row r (from 0) is series r + 1.

void ForbindDiagram(Grid& g, Chart& c) {
    // The program's own selection raises no series event, so the row change made by
    // the series handler below ends here.
    g.rowColChange = [&g, &c](int, int) {
        c.setFocus();
        c.selectSeries(g.row() + 1);
    };
    g.gotFocus = [&g] {
        g.setMarqueeStyle(MarkerHelRaekke);
        g.setRowSelection(true);
    };
}

}  // namespace

void ForbindGridHandlere() {
    InddataGrids& grids = inddataGrids();
    for (const Foeropdatering& h : Foeropdateringer) {
        Grid& g = grids.grid(h.grid);
        g.beforeColUpdate = [&h, &g](int col, Variant&, bool& cancel) {
            frmInddata_BeforeColUpdate(h, g, col, cancel);
        };
    }
    // The process grids redraw the row of a committed proposal at once.
    for (const char* navn : {"TDBGrid11", "TDBGrid15", "TDBGrid16"}) {
        Grid& g = grids.grid(navn);
        g.afterColUpdate = [&g] { g.update(); };
    }

    Grid& nedbrydning = grids.TDBGrid(17);
    nedbrydning.comboSelect = [&nedbrydning](int col) { frmInddata_TDBGrid17_ComboSelect(nedbrydning, col); };
    Grid& placering = grids.TDBGrid(7);
    placering.comboSelect = [&placering](int col) { frmInddata_TDBGrid7_ComboSelect(placering, col); };
    Grid& modelstof = grids.TDBGrid(10);
    modelstof.comboSelect = [&modelstof](int col) { frmInddata_TDBGrid10_ComboSelect(modelstof, col); };

    InddataCharts& charts = inddataCharts();
    Grid& tuc = grids.TDBGrid(23);
    ForbindDiagram(tuc, charts.MSChart23());
    ForbindDiagram(grids.TDBGrid(24), charts.MSChart24());
    // Only the carbon chart leads its grid; a series picked in the alkalinity chart
    // leaves TDBGrid24 where it is.
    charts.MSChart23().seriesSelected = [&tuc](int& series) {
        tuc.setMarqueeStyle(MarkerHelRaekke);
        tuc.setRow(series - 1);
    };
}
