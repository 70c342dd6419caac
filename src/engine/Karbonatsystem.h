#pragma once
// The carbonate equilibrium of one water, and its ionic strength.

struct Beregningstilstand;

// Evaluates element BeregnIndeks of the per-position arrays: from Temperatur, PH,
// KoncCa, KoncFe, KoncSO4, Ionstyrke and Alkalinitet it writes TUC, OploestCO2,
// CO2Tryk, MaetnIndeksCaCO3, MaetnIndeksFeCO3 and PHVedKalkligevaegt of that element
// only. The only messages are those of Log10. A BeregnIndeks outside 0..5 does nothing.
void BeregnKarbonatsystem();

// Ionic strength (mol/l) of element i of the per-position arrays, with Mg, K, F and P
// taken from element `uaendret`: the model water does not change those four and
// carries the upstream borehole's. A measured water passes its own index twice.
double BeregnIonstyrke(const Beregningstilstand& t, int i, int uaendret);
