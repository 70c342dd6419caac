#pragma once
// A site with two boreholes typed as a user would, for the report's tests: whole
// numbers, decimals, numbers typed as text, a component named by the user.
#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"

inline void KendtLokalitet() {
    NulstilAlleData();
    OpretDataStrukturer();
    UdfyldStandardtekster();
    Tabeller& t = tabeller();
    t.LokalitetData.saet(1, 1, "Grusgrav Nord");
    t.LokalitetData.saet(4, 1, "12-05-2024");
    t.BoringData.saet(1, 2, "B1");
    t.BoringData.saet(1, 3, "B2");
    t.BoringData.saet(2, 2, 1);
    t.AnalyseData.saet(1, 2, 10.5);
    t.AnalyseData.saet(2, 2, 7.25);
    t.AnalyseData.saet(2, 3, 7);
    t.AnalyseData.saet(3, 3, "112");
    t.AfstandData.saet(1, 1, "m");
    t.AfstandData.saet(1, 3, 35.5);
    t.KomponentData.saet(1, 0, "Benzen");
    t.KomponentData.saet(1, 2, 0.012);
}
