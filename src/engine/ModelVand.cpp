#include "engine/ModelVand.h"

#include "datamodel/Beregningstilstand.h"
#include "engine/Karbonatsystem.h"
#include "engine/Stoekiometri.h"
#include "engine/Tilstedevaerelse.h"

void BeregnModelVand() {
    Beregningstilstand& t = tilstand();
    const auto F = static_cast<std::size_t>(t.FraPosition);

    t.BeregnIndeks = 0;
    t.Temperatur[0] = t.Temperatur[F];

    // Calcium and alkalinity always; the other species only where both analyses give them.
    for (const stoekiometri::ArtRaekke& art : stoekiometri::Arter) {
        const bool beregnes = art.analytRaekke == 0 || AnalytTilstede(art.analytRaekke);
        (t.*art.maal)[0] = beregnes ? stoekiometri::BeregnArt(art, t, t.FraPosition) : 0.0;
    }

    t.KoncHCO3[0] = t.Alkalinitet[0] * 61000;  // mol/l to mg/l

    // Mg, K, F and P are not modelled: the upstream values enter the ionic strength.
    // The 4 is the squared charge of the divalent ions, 2.25 that of phosphate-P.
    t.Ionstyrke[0] = (0.5 / 1000) *
                     (4 * (t.KoncMg[F] / 24.3 + t.KoncCa[0] / 40 + t.KoncFe[0] / 55.8 + t.KoncMn[0] / 54.9) +
                      t.KoncNa[0] / 23 + t.KoncK[F] / 39.1 + t.KoncNH4[0] / 18 + t.KoncHCO3[0] / 61 +
                      t.KoncCl[0] / 35.5 + 4 * t.KoncSO4[0] / 96 + t.KoncNO3[0] / 62 + t.KoncF[F] / 19 +
                      2.25 * t.KoncP[F] / 31);

    BeregnKarbonatsystem();
}
