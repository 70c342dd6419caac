#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datamodel/Beregningstilstand.h"
#include "celler/Talformat.h"
#include "engine/Nedbrydningskonstanter.h"

namespace {

// Hotspot borehole 1 and filter 1 borehole 2, component 1, unless a case changes it.
struct Tilfaelde {
    const char* navn;
    int hotspot, filter;
    double CH, CF;
    Variant XH, XF, BH, BF;
    double plain;      // NaN: empty
    double korrigeret; // NaN: empty
};

std::ostream& operator<<(std::ostream& os, const Tilfaelde& c) { return os << c.navn; }

class Nedbrydningskonstanter : public ::testing::TestWithParam<Tilfaelde> {
protected:
    void SetUp() override { OpretDataStrukturer(); }
    TalformatScope dansk_{Talformat::dansk()};
};

void ForventCelle(const Variant& v, double ventet, const char* hvad) {
    if (std::isnan(ventet)) {
        EXPECT_TRUE(v.isEmpty()) << hvad;
    } else {
        ASSERT_TRUE(v.isDouble()) << hvad;
        EXPECT_NEAR(v.dbl(), ventet, 1e-15) << hvad;
    }
}

TEST_P(Nedbrydningskonstanter, PlainOgKorrigeret) {
    const Tilfaelde& c = GetParam();
    Beregningstilstand& t = tilstand();
    t.HotspotNr = static_cast<std::int16_t>(c.hotspot);
    t.FilterNr[1] = static_cast<std::int16_t>(c.filter);
    // Borehole 1 and 2 both hold the hotspot's and the filter's values where the
    // case points one at the other, so only borehole numbers decide.
    const int h = c.hotspot >= 0 && c.hotspot <= 5 ? c.hotspot : 1;
    const int f = c.filter >= 0 && c.filter <= 5 ? c.filter : 2;
    if (h != 0) {
        t.KulbrinteKonc(1, h) = c.CH;
        t.Afstande[h] = c.XH;
        t.Blandingsforhold[h] = c.BH;
    }
    if (f != 0 && f != h) {
        t.KulbrinteKonc(1, f) = c.CF;
        t.Afstande[f] = c.XF;
        t.Blandingsforhold[f] = c.BF;
    }
    BeregnNedbrydningskonstanter();
    ForventCelle(t.Nedbrydningskonstanter(1, 1), c.plain, "plain");
    ForventCelle(t.Nedbrydningskonstanter(1, 2), c.korrigeret, "korrigeret");
    // Filters 2 and 3 are not chosen, other components are blank.
    for (int j = 1; j <= 5; ++j)
        for (int k = (j == 1 ? 3 : 1); k <= 6; ++k)
            EXPECT_TRUE(t.Nedbrydningskonstanter(j, k).isEmpty()) << j << "," << k;
}

const double ln2 = std::log(2.0), ln4 = std::log(4.0);

INSTANTIATE_TEST_SUITE_P(
    Vagter, Nedbrydningskonstanter,
    ::testing::Values(
        Tilfaelde{"Regneeksempel", 1, 2, 10, 2.5, 0.0, 100.0, 100.0, 50.0, ln4 / -100, ln2 / -100},
        Tilfaelde{"RenFortynding", 1, 2, 10, 5, 0.0, 100.0, 100.0, 50.0, ln2 / -100, 0.0},
        Tilfaelde{"UaendretKoncentration", 1, 2, 7, 7, 0.0, 100.0, 100.0, 100.0, 0.0, 0.0},
        Tilfaelde{"FilterOpstroems", 1, 2, 10, 2.5, 100.0, 0.0, 100.0, 50.0, ln4 / 100, ln2 / 100},
        Tilfaelde{"AfstandSomTekst", 1, 2, 10, 2.5, "0", "100,0", 100.0, 50.0, ln4 / -100,
                  ln2 / -100},
        Tilfaelde{"FilterLigHotspot", 1, 1, 10, 10, 0.0, 0.0, 100.0, 100.0, NAN, NAN},
        Tilfaelde{"LigeAfstandeForskelligtSkrevet", 1, 2, 10, 2.5, 100, "100,0", 100.0, 50.0,
                  NAN, NAN},
        Tilfaelde{"IntetFilter", 1, 0, 10, 0, 0.0, Variant(), 100.0, Variant(), NAN, NAN},
        Tilfaelde{"IngenHotspot", 0, 2, 0, 2.5, Variant(), 100.0, Variant(), 50.0, NAN, NAN},
        Tilfaelde{"HotspotKoncentrationNul", 1, 2, 0, 2.5, 0.0, 100.0, 100.0, 50.0, NAN, NAN},
        Tilfaelde{"FilterKoncentrationNul", 1, 2, 10, 0, 0.0, 100.0, 100.0, 50.0, NAN, NAN},
        Tilfaelde{"NegativKoncentration", 1, 2, 10, -1, 0.0, 100.0, 100.0, 50.0, NAN, NAN},
        Tilfaelde{"HotspotAfstandTom", 1, 2, 10, 2.5, Variant(), 100.0, 100.0, 50.0, NAN, NAN},
        Tilfaelde{"FilterAfstandTom", 1, 2, 10, 2.5, 0.0, Variant(), 100.0, 50.0, NAN, NAN},
        Tilfaelde{"AfstandIkkeTal", 1, 2, 10, 2.5, 0.0, "langt", 100.0, 50.0, NAN, NAN},
        Tilfaelde{"FilterBlandingNul", 1, 2, 10, 2.5, 0.0, 100.0, 100.0, 0.0, ln4 / -100, NAN},
        Tilfaelde{"FilterBlandingTom", 1, 2, 10, 2.5, 0.0, 100.0, 100.0, Variant(), ln4 / -100,
                  NAN},
        Tilfaelde{"HotspotBlandingTom", 1, 2, 10, 2.5, 0.0, 100.0, Variant(), 50.0, ln4 / -100,
                  NAN},
        Tilfaelde{"BlandingOver100", 1, 2, 10, 2.5, 0.0, 100.0, 100.5, 50.0, ln4 / -100, NAN},
        Tilfaelde{"BlandingPraecis100", 1, 2, 10, 2.5, 0.0, 100.0, 100.0, 100.0, ln4 / -100,
                  ln4 / -100},
        Tilfaelde{"HotspotUdenforBoringerne", 9, 2, 10, 2.5, 0.0, 100.0, 100.0, 50.0, NAN, NAN},
        Tilfaelde{"FilterNegativt", 1, -1, 10, 2.5, 0.0, 100.0, 100.0, 50.0, NAN, NAN}),
    [](const ::testing::TestParamInfo<Tilfaelde>& info) { return std::string(info.param.navn); });

TEST(NedbrydningskonstanterAlle, TreFiltreFemKomponenterOgTidligereResultaterFjernes) {
    OpretDataStrukturer();
    Beregningstilstand& t = tilstand();
    for (int j = 0; j <= 5; ++j)
        for (int k = 0; k <= 6; ++k) t.Nedbrydningskonstanter(j, k) = -99.0;
    t.HotspotNr = 2;
    t.FilterNr = {0, 3, 4, 5};
    for (int i = 1; i <= 5; ++i) {
        t.Afstande[i] = 10.0 * i;
        t.Blandingsforhold[i] = 100.0 / i;
    }
    for (int j = 1; j <= 4; ++j)  // component 5 blank
        for (int i = 1; i <= 5; ++i) t.KulbrinteKonc(j, i) = 100.0 * j / (i * i);
    BeregnNedbrydningskonstanter();
    for (int f = 1; f <= 3; ++f) {
        const int F = t.FilterNr[f];
        for (int j = 1; j <= 4; ++j) {
            const double CH = 100.0 * j / 4, CF = 100.0 * j / (F * F);
            const double dX = 20.0 - 10.0 * F;
            const double BH = 100.0 / 2, BF = 100.0 / F;
            EXPECT_NEAR(t.Nedbrydningskonstanter(j, 2 * f - 1).dbl(), std::log(CH / CF) / dX, 1e-15);
            EXPECT_NEAR(t.Nedbrydningskonstanter(j, 2 * f).dbl(), std::log((CH / CF) / (BH / BF)) / dX,
                        1e-15);
        }
        EXPECT_TRUE(t.Nedbrydningskonstanter(5, 2 * f - 1).isEmpty());
        EXPECT_TRUE(t.Nedbrydningskonstanter(5, 2 * f).isEmpty());
    }
    // Row 0 and column 0 are not the procedure's.
    EXPECT_EQ(t.Nedbrydningskonstanter(0, 1), Variant(-99.0));
    EXPECT_EQ(t.Nedbrydningskonstanter(1, 0), Variant(-99.0));
}

}  // namespace
