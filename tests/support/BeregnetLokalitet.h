#pragma once
// A computed site for the report: four boreholes (upstream, hotspot, two downstream)
// written straight into the input tables, then quality control, the downstream run
// and the model run with forced calcite equilibrium, as the work window runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datamodel/Tabeller.h"
#include "runs/Kvalitetskontrol.h"
#include "runs/Modelkoersel.h"
#include "runs/NedstroemVandkvalitet.h"
#include "support/KoerselFixture.h"

inline const std::vector<std::vector<double>>& BeregnetLokalitetsAnalyser() {
    static const std::vector<std::vector<double>> a{
        {9.5, 7.25, 95, 12, 22, 3, 0.05, 0.05, 0.02, 290, 40, 60, 12, 0.3, 0.05, 2.5, 6.5, 0.01},
        {10.5, 6.85, 120, 13, 25, 3.2, 0.6, 6.5, 0.6, 380, 42, 30, 0.2, 0.3, 0.1, 15, 0.2, 2.5},
        {10, 6.95, 110, 12, 24, 3.1, 0.4, 3.5, 0.4, 340, 41, 45, 0.5, 0.3, 0.08, 8, 0.3, 0.8},
        {9.8, 7.05, 100, 12, 23, 3, 0.2, 1.2, 0.2, 310, 40, 52, 3, 0.3, 0.06, 4, 2.5, 0.1},
    };
    return a;
}

// Tables blanked and the grids set up first; asserts that every run succeeded.
inline void BeregnLokalitet() {
    NyLokalitetMedGrids();
    Tabeller& t = tabeller();
    t.LokalitetData.saet(1, 1, "Gammel tankstation");
    const char* navne[] = {"B101", "B102", "B103", "B104"};
    const char* placeringer[] = {"opstrøm", "hotspot", "nedstr.1", "nedstr.2"};
    for (int b = 1; b <= 4; ++b) {
        t.BoringData.saet(1, b + 1, navne[b - 1]);
        t.BoringData.saet(2, b + 1, placeringer[b - 1]);
        t.BoringData.saet(3, b + 1, "0" + std::to_string(b) + "-06-2004");
        for (int i = 1; i <= 18; ++i)
            t.AnalyseData.saet(i, b + 1, BeregnetLokalitetsAnalyser()[static_cast<std::size_t>(b - 1)]
                                                                     [static_cast<std::size_t>(i - 1)]);
        t.AfstandData.saet(1, b + 1, 100.0 * (b - 1));
        t.KomponentData.saet(1, b + 1, b == 2 ? 12.5 : 5.0 / b);
    }
    t.AfstandData.saet(1, 1, "meter");
    t.KomponentData.saet(1, 0, "Benzen");
    std::string besked;
    ASSERT_TRUE(BeregnKvalitetskontrol(besked)) << besked;
    BeregnNedstroemVandkvalitet();
    ModellerMedKalkligevaegt();
}
