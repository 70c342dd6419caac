#pragma once
// The carbonate equilibrium of one water.

// Evaluates element BeregnIndeks of the per-position arrays: from Temperatur, PH,
// KoncCa, KoncFe, KoncSO4, Ionstyrke and Alkalinitet it writes TUC, OploestCO2,
// CO2Tryk, MaetnIndeksCaCO3, MaetnIndeksFeCO3 and PHVedKalkligevaegt of that element
// only. The only messages are those of Log10. A BeregnIndeks outside 0..5 does nothing.
void BeregnKarbonatsystem();
