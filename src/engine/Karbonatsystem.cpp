#include "engine/Karbonatsystem.h"

#include <cmath>

#include "datamodel/Beregningstilstand.h"
#include "engine/Endelig.h"
#include "engine/Ligevaegtskonstanter.h"

namespace {

double Konstant(Ligevaegt k, double T) {
    const LigevaegtsKoefficienter& c = Ligevaegtskonstanter[static_cast<int>(k)];
    const double logK = c.a + c.b * T + c.c / T + c.d * EndeligLog10(T) + c.e / (T * T);
    return std::pow(10.0, logK);
}

}  // namespace

double BeregnIonstyrke(const Beregningstilstand& t, int i, int u) {
    // The 4 is the squared charge of the divalent ions, 2.25 that of phosphate-P.
    return (0.5 / 1000) *
           (4 * (t.KoncMg[u] / 24.3 + t.KoncCa[i] / 40 + t.KoncFe[i] / 55.8 + t.KoncMn[i] / 54.9) +
            t.KoncNa[i] / 23 + t.KoncK[u] / 39.1 + t.KoncNH4[i] / 18 + t.KoncHCO3[i] / 61 +
            t.KoncCl[i] / 35.5 + 4 * t.KoncSO4[i] / 96 + t.KoncNO3[i] / 62 + t.KoncF[u] / 19 +
            2.25 * t.KoncP[u] / 31);
}

void BeregnKarbonatsystem() {
    Beregningstilstand& t = tilstand();
    const int i = t.BeregnIndeks;
    if (i < 0 || i > 5) return;

    const double pH = t.PH[i];
    const double Ca = t.KoncCa[i];     // mg Ca/l
    const double Fe = t.KoncFe[i];     // mg Fe/l
    const double SO4 = t.KoncSO4[i];   // mg SO4/l
    const double I = t.Ionstyrke[i];   // mol/l
    const double Alk = t.Alkalinitet[i];  // mol/l as HCO3

    const double T = t.Temperatur[i] + KelvinNulpunkt;  // K

    const double epsT = Dielektricitetskonstant * T;
    const double A = DebyeHuckelA * std::pow(epsT, -1.5);
    const double B = DebyeHuckelB * std::pow(epsT, -0.5);

    const double s = std::pow(I, 0.5);
    const double gamma1 = 1 / std::pow(10.0, A * s / (1 + B * s));
    const double gamma2 = 1 / std::pow(10.0, 4 * A * s / (1 + B * s));

    // Six logarithms of T, in the order of the table.
    const double K1 = Konstant(Ligevaegt::K1, T);
    const double K2 = Konstant(Ligevaegt::K2, T);
    const double KH = Konstant(Ligevaegt::KH, T);
    const double Kw = Konstant(Ligevaegt::Kw, T);
    const double Kc = Konstant(Ligevaegt::Kc, T);
    const double KCaHCO3 = Konstant(Ligevaegt::KCaHCO3, T);
    const double KCaSO4 = std::pow(10.0, KonstantCaSO4.a - KonstantCaSO4.b / T);
    const double KFeSO4 = std::pow(10.0, KonstantFeSO4.a - KonstantFeSO4.b / T);
    const double Ks = std::pow(10.0, KonstantSiderit.b / T - KonstantSiderit.a);
    const double KFeHCO3 = KonstantFeHCO3;

    // Conditional constants for concentrations.
    const double K1m = K1 / gamma1;
    const double K2m = K2 * gamma1 / gamma2;

    // Complexation: total concentration over these gives the free ion's activity.
    const double DCa = 1 / (gamma2 * gamma2) + KCaHCO3 * Alk / gamma2 + KCaSO4 * SO4 / 96000;
    const double DFe = 1 / (gamma2 * gamma2) + KFeHCO3 * Alk / gamma2 + KFeSO4 * SO4 / 96000;

    const double aH = 1 / std::pow(10.0, pH);
    const double OH = (Kw / aH) / gamma1;   // mol/l
    const double H = aH / gamma1;           // mol/l

    const double alfa0 = 1 / (1 + K1m / aH + K1m * K2m / (aH * aH));
    const double alfa1 = 1 / (aH / K1m + 1 + K2m / aH);
    const double alfa2 = 1 / ((aH * aH) / (K1m * K2m) + aH / K2m + 1);

    t.TUC[i] = EndeligEllerNul((Alk - OH + H) / (alfa1 + 2 * alfa2));
    t.OploestCO2[i] = EndeligEllerNul(t.TUC[i] * alfa0);
    t.CO2Tryk[i] = EndeligEllerNul(t.OploestCO2[i] / KH);

    t.MaetnIndeksCaCO3[i] =
        EndeligEllerNul(EndeligLog10(alfa2 * t.TUC[i] * (Ca / 40000) / (Kc * DCa)));

    // 55.9 g/mol here, where the rest of the engine uses 55.8.
    if (Fe > 0)
        t.MaetnIndeksFeCO3[i] =
            EndeligEllerNul(EndeligLog10(alfa2 * t.TUC[i] * (Fe / 55900) / (Ks * DFe)));
    else
        t.MaetnIndeksFeCO3[i] = "N/A";

    t.PHVedKalkligevaegt[i] =
        EndeligEllerNul(-EndeligLog10((Ca / 40000) * Alk * K2m / (Kc * DCa)));
}
