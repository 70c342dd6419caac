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

    t.Ionstyrke[0] = BeregnIonstyrke(t, 0, t.FraPosition);

    BeregnKarbonatsystem();
}
