#pragma once
// The site the engine tests start from: the analyses emptied, every analyte entered
// for the upstream and the downstream borehole, and the usual upstream water.
#include <cstddef>
#include <cstdint>

#include "datamodel/Beregningstilstand.h"
#include "datamodel/Tabeller.h"

// AnalyseData at its shape (18 analytes; label, unit and five boreholes) with every
// cell empty.
inline GridTabel& TommeAnalyser() {
    GridTabel& a = tabeller().AnalyseData;
    a.redimensioner(1, 18, 0, 6);
    a.ryd();
    return a;
}

// Every analyte entered for boreholes fra and til (AnalyseData column borehole + 1)
// and for no other; the downstream cells hold nedstroems, the upstream ones 1.0.
inline void AlleAnalyserIndtastet(int fra, int til, const Variant& nedstroems = Variant(1.0)) {
    GridTabel& a = TommeAnalyser();
    for (int k = 1; k <= 18; ++k) {
        a.saet(k, fra + 1, 1.0);
        a.saet(k, til + 1, nedstroems);
    }
    Beregningstilstand& t = tilstand();
    t.FraPosition = static_cast<std::int16_t>(fra);
    t.TilPosition = static_cast<std::int16_t>(til);
}

// The usual upstream water at position i (mg/l; temperature in °C).
inline void StandardOpstroemsvand(std::size_t i) {
    Beregningstilstand& t = tilstand();
    t.Temperatur[i] = 10;
    t.KoncCa[i] = 100;
    t.KoncNa[i] = 30;
    t.KoncCl[i] = 40;
    t.KoncFe[i] = 2;
    t.KoncNH4[i] = 0.5;
    t.KoncMn[i] = 0.3;
    t.KoncHCO3[i] = 300;
    t.KoncSO4[i] = 50;
    t.KoncNO3[i] = 20;
}
