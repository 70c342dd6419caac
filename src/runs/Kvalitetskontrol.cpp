#include "runs/Kvalitetskontrol.h"

#include <array>
#include <cstdint>
#include <utility>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Diverse.h"
#include "datamodel/DivGrids.h"
#include "datamodel/InputKontroller.h"
#include "datamodel/Tabeller.h"
#include "engine/Analyseresultater.h"
#include "platform/InddataGrids.h"
#include "runs/Grundvandstype.h"
#include "runs/Nedbrydningsmodel.h"

namespace {

constexpr int AntalSoejler = 5;  // borehole columns Bor.(1)..Bor.(5)
// Rows of AnalyseData that every borehole in use must have: Temperatur, pH,
// Calcium and Bikarbonat.
constexpr std::array<int, 4> VitaleRaekker{1, 2, 3, 10};

// A column number as the messages show it.
std::string Heltal(int n) { return TekstForm(Variant(n)); }

// Rows of BoringData.
constexpr int NavnRaekke = 1;
constexpr int PlaceringRaekke = 2;

// The first borehole of 1..n without a text in row r of BoringData; 0 when all have one.
int FoersteUdenTekst(const GridTabel& boring, int r, int n) {
    for (int b = 1; b <= n; ++b)
        if (!ErUdfyldt(boring.hent(r, b + 1))) return b;
    return 0;
}

// The first pair of boreholes b < c of 1..n with the same text in row r; {0, 0} when none.
std::pair<int, int> FoersteEnsPar(const GridTabel& boring, int r, int n) {
    for (int b = 1; b <= n; ++b)
        for (int c = b + 1; c <= n; ++c)
            if (TekstForm(boring.hent(r, b + 1)) == TekstForm(boring.hent(r, c + 1))) return {b, c};
    return {0, 0};
}

// One row of KvalitetskontrolData: the engine's value of borehole i and its decimals.
struct Resultatraekke {
    int raekke;
    int decimaler;
    Variant (*vaerdi)(const Beregningstilstand&, int);
};

const std::array<Resultatraekke, 10> Resultatraekker{{
    {1, 3, [](const Beregningstilstand& t, int i) { return Variant(t.Ionstyrke[i]); }},
    {2, 2, [](const Beregningstilstand& t, int i) { return Variant(t.Kationer[i]); }},
    {3, 2, [](const Beregningstilstand& t, int i) { return Variant(t.Anioner[i]); }},
    {4, 2, [](const Beregningstilstand& t, int i) { return Variant(t.Ladningsbalance[i]); }},
    {5, 2, [](const Beregningstilstand& t, int i) { return Variant(t.PHVedKalkligevaegt[i]); }},
    // mol/l shown as mg CO2/l
    {6, 1, [](const Beregningstilstand& t, int i) { return Variant(t.OploestCO2[i] * 44000); }},
    {7, 3, [](const Beregningstilstand& t, int i) { return Variant(t.CO2Tryk[i]); }},
    // mol/l shown as mmol/l
    {8, 2, [](const Beregningstilstand& t, int i) { return Variant(t.TUC[i] * 1000); }},
    {9, 2, [](const Beregningstilstand& t, int i) { return Variant(t.MaetnIndeksCaCO3[i]); }},
    // a number, or "N/A" for a water without iron, which Afrund passes unchanged
    {10, 2, [](const Beregningstilstand& t, int i) { return t.MaetnIndeksFeCO3[i]; }},
}};

}  // namespace

bool LaesTalHvisUdfyldt(double& maal, const Variant& celle) {
    if (!ErUdfyldt(celle)) return false;
    // The cell checks refuse a text that is no number; should one get here all
    // the same, it counts as 0 rather than as a value from before.
    maal = TalEllerNul(celle);
    return true;
}

bool KontrollerBeregningsInddata(std::string& besked) {
    const GridTabel& analyse = tabeller().AnalyseData;
    const GridTabel& boring = tabeller().BoringData;
    Beregningstilstand& t = tilstand();

    // Status per column: 0 not in use, 1 in use, -1 in use with a vital analyte missing.
    std::array<int, AntalSoejler + 1> status{};
    for (int b = 1; b <= AntalSoejler; ++b) {
        int udfyldte = 0;
        for (int k = 1; k <= AntalAnalytter; ++k)
            if (ErUdfyldt(analyse.hent(k, b + 1))) ++udfyldte;
        if (udfyldte == 0) continue;
        status[b] = 1;
        for (int k : VitaleRaekker)
            if (!ErUdfyldt(analyse.hent(k, b + 1))) status[b] = -1;
    }
    for (int b = 1; b <= AntalSoejler; ++b) {
        if (status[b] == -1) {
            besked = " Der mangler vitale data for at beregningen kan udføres";
            return false;
        }
    }

    // The boreholes in use are taken as Bor.(1)..Bor.(N); an empty column before a
    // filled one would make the run evaluate the empty one instead.
    for (int b = 1; b <= AntalSoejler; ++b) {
        if (status[b] != 0) continue;
        for (int c = b + 1; c <= AntalSoejler; ++c) {
            if (status[c] != 0) {
                besked = "Der mangler analysedata for søjle " + Heltal(b) +
                         ". Boringerne skal udfyldes fra søjle 1 uden tomme søjler imellem";
                return false;
            }
        }
    }

    int antal = 0;
    for (int b = 1; b <= AntalSoejler; ++b)
        if (status[b] == 1) ++antal;
    t.AntalBoringer = static_cast<std::int16_t>(antal);
    // A borehole picked for the downstream model under an earlier, larger count
    // is no longer evaluated: go back to the default pick.
    if (t.FraPosition > antal) t.FraPosition = 1;
    if (t.TilPosition > antal) t.TilPosition = 2;

    if (antal < 2) {
        besked = " Der er udfyldt data for mindre end 2 boringer";
        return false;
    }

    const int n = antal;
    if (const int b = FoersteUdenTekst(boring, PlaceringRaekke, n)) {
        besked = "Der mangler en hydraulisk plac. identifikation for søjle " + Heltal(b);
        return false;
    }
    if (const auto [b, c] = FoersteEnsPar(boring, PlaceringRaekke, n); b) {
        besked = "Der er valgt samme hydraulisk plac. identifikation for søjle " + Heltal(b) + " og " + Heltal(c);
        return false;
    }
    if (const int b = FoersteUdenTekst(boring, NavnRaekke, n)) {
        besked = "Der mangler boringsnavn for søjle " + Heltal(b);
        return false;
    }
    if (const auto [b, c] = FoersteEnsPar(boring, NavnRaekke, n); b) {
        besked = "Der er valgt samme boringsnavn for søjle " + Heltal(b) + " og " + Heltal(c);
        return false;
    }

    if (t.FraPosition == 0) t.FraPosition = 1;
    if (t.TilPosition == 0) t.TilPosition = 2;
    return true;
}

bool BeregnKvalitetskontrol(std::string& besked) {
    if (!KontrollerBeregningsInddata(besked)) return false;

    Tabeller& tab = tabeller();
    Beregningstilstand& t = tilstand();
    InddataGrids& grids = inddataGrids();
    const int n = t.AntalBoringer;

    for (int c = 2; c <= AntalSoejler + 1; ++c) {
        for (int k = 1; k <= AntalAnalytter; ++k) {
            double& element = t.Analyt(k)[static_cast<std::size_t>(c - 1)];
            // A blank cell of a borehole in use counts as 0, so a value the user has
            // deleted does not live on from an earlier run.
            if (!LaesTalHvisUdfyldt(element, tab.AnalyseData.hent(k, c)) && c - 1 <= n) element = 0.0;
        }
    }

    BeregnAnalyseResultater();

    for (int i = 1; i <= AntalSoejler; ++i) {
        for (const Resultatraekke& r : Resultatraekker) {
            // Columns beyond the boreholes in use are emptied, so no result of an
            // earlier run with more boreholes is left standing.
            tab.KvalitetskontrolData.saet(r.raekke, i + 1,
                                          i <= n ? Afrund(r.vaerdi(t, i), r.decimaler) : Variant());
        }
        tab.BlandingData.saet(1, i, i <= n ? t.PositionsTabel(1, i) : Variant());
        tab.BlandingData.saet(2, i, i <= n ? t.PositionsTabel(2, i) : Variant());
    }

    Grid& kontrolGrid = grids.TDBGrid(3);
    for (int k = 1; k <= AntalSoejler; ++k) {
        if (k + 1 < kontrolGrid.columnCount())
            kontrolGrid.column(k + 1).setCaption(TekstForm(tab.BoringData.hent(1, k + 1)));
    }
    kontrolGrid.refresh();
    grids.TDBGrid(9).refresh();

    OpsaetGridHydrauliskPlacering();
    OpsaetGridNedbrydningsmodel();

    for (int r = 1; r <= 4; ++r) {
        const std::int16_t boring = t.RedoxRang[static_cast<std::size_t>(r)];
        tab.NedbrydningData.saet(1, r, boring != 0 ? Variant(static_cast<int>(boring)) : Variant());
    }
    grids.TDBGrid(17).refresh();

    BeregnNedbrydningsmodel();
    VisGrundvandstype();
    // The results now stand for the tables as they are.
    SaetInddataAendret(false);
    return true;
}

void JusterPhTilKalkligevaegt() {
    Tabeller& tab = tabeller();
    for (int c = 2; c <= AntalSoejler + 1; ++c) {
        const Variant ph = tab.KvalitetskontrolData.hent(5, c);
        // A pH the cell check would refuse (10 or above, say) would make the saved
        // file fail its check on loading; such a column keeps its entered pH.
        if (KontrolAnalyse(ph, 2, false)) tab.AnalyseData.saet(2, c, ph);
    }
    inddataGrids().TDBGrid(1).refresh();
}
