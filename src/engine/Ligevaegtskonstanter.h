#pragma once
// The equilibrium constants of the carbonate system as functions of the temperature,
// T in kelvin: K = 10^(a + b·T + c/T + d·log10(T) + e/T²).

enum class Ligevaegt { K1, K2, KH, Kw, Kc, KCaHCO3 };

struct LigevaegtsKoefficienter {
    double a, b, c, d, e;
};

// Indexed by Ligevaegt, in the order in which the evaluation takes them.
inline constexpr LigevaegtsKoefficienter Ligevaegtskonstanter[] = {
    {-356.3094, -0.06091964, 21834.37, 126.8339, -1684915},   // K1: CO2(aq) + H2O = H+ + HCO3-
    {-107.8871, -0.03252849, 5151.79, 38.92561, -563713.9},   // K2: HCO3- = H+ + CO3--
    {108.3865, 0.01985076, -6919.53, -40.45154, 669365},      // KH: CO2(g) = CO2(aq)
    {-283.971, -0.05069842, 13323, 102.24447, -1119669},      // Kw: H2O = H+ + OH-
    {-171.9065, -0.077993, 2839.319, 71.595, 0},              // Kc: calcite solubility product
    {1209.12, 0.31294, -34765.05, -478.782, 0},               // complex CaHCO3+
};

// The constants of simpler form: K = 10^(a - b/T) for the sulfate complexes,
// 10^(b/T - a) for siderite; the FeHCO3+ complex does not depend on T.
struct SimpelKonstant {
    double a, b;
};
inline constexpr SimpelKonstant KonstantCaSO4{3.51, 360.57};    // 10^(3.51 - 360.57/T)
inline constexpr SimpelKonstant KonstantFeSO4{4.62, 705.85};    // 10^(4.62 - 705.85/T)
inline constexpr SimpelKonstant KonstantSiderit{12.27, 541.95}; // 10^(541.95/T - 12.27)
inline constexpr double KonstantFeHCO3 = 100;

// Activity model (extended Debye-Hückel, one ion size for all ions).
inline constexpr double Dielektricitetskonstant = 80.0;
inline constexpr double DebyeHuckelA = 1820000;   // A = 1820000 · (ε·T)^-1.5
inline constexpr double DebyeHuckelB = 226.35;    // B = 226.35 · (ε·T)^-0.5, ion size included

inline constexpr double KelvinNulpunkt = 273.0;
