#pragma once
// The first-order degradation run of tab "1. ordens model for nedbrydning".

// Reads the hotspot and filter choices of NedbrydningData, the distances and the
// concentrations, lets the engine compute the rate constants, and writes dilution,
// distance from the hotspot and the rounded constants into FortyndingData and
// KorrKoncentrationData.
void BeregnNedbrydningsmodel();
