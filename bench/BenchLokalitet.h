#pragma once
// The benchmarks' waters, and a computed site for the report benchmarks: four
// boreholes (upstream, hotspot, two downstream) written into the input tables, then
// quality control, the downstream run and the model run, as the work window runs them.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "datamodel/DivGrids.h"
#include "datamodel/Tabeller.h"
#include "platform/Chart.h"
#include "platform/InddataGrids.h"
#include "runs/Kvalitetskontrol.h"
#include "runs/Modelkoersel.h"
#include "runs/NedstroemVandkvalitet.h"

namespace bench {

using Analyse = std::array<double, 18>;  // AnalyseData rows 1..18

// Upstream, hotspot and two downstream waters.
inline constexpr std::array<Analyse, 4> Boringer{{
    {9.5, 7.25, 95, 12, 22, 3, 0.05, 0.05, 0.02, 290, 40, 60, 12, 0.3, 0.05, 2.5, 6.5, 0.01},
    {10.5, 6.85, 120, 13, 25, 3.2, 0.6, 6.5, 0.6, 380, 42, 30, 0.2, 0.3, 0.1, 15, 0.2, 2.5},
    {10, 6.95, 110, 12, 24, 3.1, 0.4, 3.5, 0.4, 340, 41, 45, 0.5, 0.3, 0.08, 8, 0.3, 0.8},
    {9.8, 7.05, 100, 12, 23, 3, 0.2, 1.2, 0.2, 310, 40, 52, 3, 0.3, 0.06, 4, 2.5, 0.1},
}};

// An upstream, oxic water (borehole 1), a reduced hotspot (2) and three waters
// between them.
inline constexpr std::array<Analyse, 5> FemVande{{
    {9, 7.0, 90, 10, 20, 3, 0.05, 0.05, 0.01, 250, 35, 60, 20, 0.2, 0.02, 2, 8, 0.01},
    {9, 6.7, 110, 11, 25, 3, 1.0, 8, 0.8, 380, 40, 35, 0.5, 0.2, 0.03, 12, 0.3, 2},
    {9, 6.8, 104, 10, 23, 3, 0.6, 5, 0.5, 330, 38, 45, 3, 0.2, 0.03, 8, 1, 0.8},
    {9, 6.9, 98, 10, 22, 3, 0.3, 2, 0.2, 300, 37, 52, 8, 0.2, 0.02, 5, 3, 0.2},
    {9, 7.0, 94, 10, 21, 3, 0.1, 0.5, 0.05, 270, 36, 57, 14, 0.2, 0.02, 3, 6, 0.05},
}};

// Borehole b's analysis written into its column of AnalyseData (column b + 1).
inline void skrivAnalyse(int b, const Analyse& v) {
    for (int r = 1; r <= 18; ++r) tabeller().AnalyseData.saet(r, b + 1, v[static_cast<std::size_t>(r - 1)]);
}

// New data with a site name and `antal` boreholes named, placed and dated, as the
// work window holds them before their analyses are typed.
inline void nyLokalitet(int antal) {
    inddataGrids().restoreDesign();
    inddataCharts().restoreDesign();
    NulstilAlleData();
    InitierGrids();
    Tabeller& t = tabeller();
    t.LokalitetData.saet(1, 1, "Gammel tankstation");
    const char* placeringer[] = {"opstrøm", "hotspot", "nedstr.1", "nedstr.2", "nedstr.3"};
    for (int b = 1; b <= antal; ++b) {
        t.BoringData.saet(1, b + 1, "B10" + std::to_string(b));
        t.BoringData.saet(2, b + 1, placeringer[b - 1]);
        t.BoringData.saet(3, b + 1, "0" + std::to_string(b) + "-06-2004");
    }
}

inline void beregnLokalitet() {
    nyLokalitet(4);
    Tabeller& t = tabeller();
    for (int b = 1; b <= 4; ++b) {
        skrivAnalyse(b, Boringer[static_cast<std::size_t>(b - 1)]);
        t.AfstandData.saet(1, b + 1, 100.0 * (b - 1));
        t.KomponentData.saet(1, b + 1, b == 2 ? 12.5 : 5.0 / b);
    }
    std::string besked;
    if (!BeregnKvalitetskontrol(besked)) {
        std::fprintf(stderr, "%s\n", besked.c_str());
        std::abort();
    }
    BeregnNedstroemVandkvalitet();
    ModellerMedKalkligevaegt();
}

}  // namespace bench
